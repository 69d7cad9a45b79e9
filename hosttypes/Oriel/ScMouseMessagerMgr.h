// The mouse-event handlers of a section view, looked up by name.
#pragma once

#include <boost/shared_ptr.hpp>
#include <vector>

class ScMouseMessager;

class ScMouseMessagerMgr {
public:
    ScMouseMessagerMgr() = default;
    ScMouseMessagerMgr(const ScMouseMessagerMgr&) = default;
    ScMouseMessagerMgr& operator=(const ScMouseMessagerMgr&) = default;
    virtual ~ScMouseMessagerMgr();

protected:
    std::vector<boost::shared_ptr<ScMouseMessager>> m_messagers;
    ScMouseMessager* m_pCurrent = nullptr;
};
