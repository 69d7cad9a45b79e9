// A correlation section: wells with their strata correlated between neighbours, and the
// fault points marked on the wells.
#pragma once

#include <boost/shared_ptr.hpp>

#include "hosttypes/Oriel/ScContainer.h"

class CrWellFaultPointMgr;

class CrCorrelation : public ScContainer {
public:
    explicit CrCorrelation(CQXLayer* layer = nullptr);
    ~CrCorrelation() override;
    SC_DECLARE_ACCEPT()

    CONTAINERTYPE GetType() const override { return CT_CORRELATION; }
    void DuplicateAttribute(CQXObject* obj) override;

    // Whether the section lies in the project's own work area (property windows are offered only then);
    // the section library keeps it as a plain byte of the section.
    bool m_bSameWorkArea = true;

    int IsUsingLocalData() const { return m_nUseLocalData; }
    void ShowFaultPoint(bool show) { m_bShowFaultPoint = show; }
    bool IsShowFaultPoint() const { return m_bShowFaultPoint; }
    boost::shared_ptr<CrWellFaultPointMgr> GetFaultPointMgr() const { return m_faultPointMgr; }

    // ---- section-library operations ----
    void SetUsingLocalData(int local);

protected:
    int m_nUseLocalData;
    bool m_bShowFaultPoint;
    boost::shared_ptr<CrWellFaultPointMgr> m_faultPointMgr;
};
