// The depth rulers of a section.
#pragma once

#include "hosttypes/Oriel/Message.h"

class ScContainer;

class ScDepthRulerMgr : public CMessageNode<unsigned int> {
public:
    explicit ScDepthRulerMgr(ScContainer* container = nullptr) : m_pContainer(container) {}
    ScDepthRulerMgr(const ScDepthRulerMgr&) = default;
    ScDepthRulerMgr& operator=(const ScDepthRulerMgr&) = default;
    ~ScDepthRulerMgr() override;

    ScContainer* GetContainer() const { return m_pContainer; }

    // ---- section-library operations ----
    void SetContainer(ScContainer* container);

protected:
    ScContainer* m_pContainer;
};
