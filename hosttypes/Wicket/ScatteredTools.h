// Tools of the scattered-data library: boundary tracing, stratum-map tracing, sand-body
// distribution, multi-contour generation and the fault-boundary check. Each holds its settings.
#pragma once

#include <vector>

#include "hosttypes/Parsnip/Geometry.h"
#include "hosttypes/Wicket/ScatteredRecords.h"
#include "mfc/String.h"

class CScatteredBorder {
public:
    CScatteredBorder() = default;
    CScatteredBorder(const CScatteredBorder&) = default;
    CScatteredBorder& operator=(const CScatteredBorder&) = default;
    virtual ~CScatteredBorder() = default;

    CString m_strName;
    std::vector<FLOATPOINT> m_points;
    int m_nClosed = 1;
};

class CScatteredTracer {
public:
    CScatteredTracer() = default;
    CScatteredTracer(const CScatteredTracer&) = default;
    CScatteredTracer& operator=(const CScatteredTracer&) = default;
    virtual ~CScatteredTracer() = default;

    double m_dValue = 0.0;
    std::vector<CScatteredBorder> m_borders;
};

class CStratummapTracer : public CScatteredTracer {
public:
    CStratummapTracer() = default;
    CStratummapTracer(const CStratummapTracer&) = default;
    CStratummapTracer& operator=(const CStratummapTracer&) = default;
    ~CStratummapTracer() override = default;

    void SetTraceType(int type) { m_nTraceType = type; }
    int GetTraceType() const { return m_nTraceType; }

protected:
    int m_nTraceType = 0;
};

class CSandDistributing {
public:
    CSandDistributing() = default;
    CSandDistributing(const CSandDistributing&) = default;
    CSandDistributing& operator=(const CSandDistributing&) = default;
    virtual ~CSandDistributing() = default;

    CString m_strStratumName;
    double m_dMinThick = 0.0;
    std::vector<CScatteredBorder> m_sandBodies;
};

class CMutiContourTool {
public:
    CMutiContourTool() = default;
    CMutiContourTool(const CMutiContourTool&) = default;
    CMutiContourTool& operator=(const CMutiContourTool&) = default;
    virtual ~CMutiContourTool() = default;

    std::vector<CONTOURSTEPVALUE> m_steps;
    int m_nSmooth = 0;
};

class CFaultBorderCheck {
public:
    CFaultBorderCheck() = default;
    CFaultBorderCheck(const CFaultBorderCheck&) = default;
    CFaultBorderCheck& operator=(const CFaultBorderCheck&) = default;
    virtual ~CFaultBorderCheck() = default;

    double m_dTolerance = 0.0;
    std::vector<CScatteredBorder> m_faults;
};
