// The fence-diagram container: a section container whose wells stand on a plan-view fence.
// Being a section container, its constructor and destructor belong to the fence library.
#pragma once

#include "hosttypes/Oriel/ScContainer.h"

namespace KelFence {

// Places the fence's wells; its working belongs to the fence library.
class CFcWellPosSetter {
public:
    CFcWellPosSetter();
    CFcWellPosSetter(const CFcWellPosSetter&) = default;
    CFcWellPosSetter& operator=(const CFcWellPosSetter&) = default;
    virtual ~CFcWellPosSetter();

protected:
    ScContainer* m_pContainer;
    double m_dSpacing;
};

class CFence : public ScContainer {
public:
    explicit CFence(CQXLayer* layer = nullptr);
    ~CFence() override;
    SC_DECLARE_ACCEPT()

    CONTAINERTYPE GetType() const override { return CT_FENCE; }
    CFcWellPosSetter& GetWellPosSetter() { return m_wellPosSetter; }

protected:
    CFcWellPosSetter m_wellPosSetter;
};

}  // namespace KelFence
