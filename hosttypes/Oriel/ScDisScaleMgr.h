// The distance and depth scale bars of a section.
#pragma once

#include "hosttypes/Oriel/Message.h"

class ScContainer;
class ScWellMgr;

class ScDisScaleMgr : public CMessageNode<unsigned int> {
public:
    ScDisScaleMgr() = default;
    ScDisScaleMgr(const ScDisScaleMgr&) = default;
    ScDisScaleMgr& operator=(const ScDisScaleMgr&) = default;
    ~ScDisScaleMgr() override;

    void SetContainer(ScContainer* container) { m_pContainer = container; }
    void SetWSCWellMgr(ScWellMgr* mgr) { m_pWellMgr = mgr; }

    // ---- section-library operations ----
    ScContainer* GetContainer() const;
    ScWellMgr* GetWSCWellMgr() const;

protected:
    ScContainer* m_pContainer = nullptr;
    ScWellMgr* m_pWellMgr = nullptr;
};
