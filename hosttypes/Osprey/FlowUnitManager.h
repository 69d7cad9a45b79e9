// CFlowUnitManager: the flow units defined for the well data, and the style new units take.
#pragma once

#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "mfc/String.h"

struct FlowUnitData {
    CString name;
    CString topStratum;
    CString bottomStratum;
    QXLOGBRUSH brush;
    QXLOGPEN pen;
};

class CFlowUnitManager {
public:
    CFlowUnitManager() = default;
    CFlowUnitManager(const CFlowUnitManager&) = default;
    CFlowUnitManager& operator=(const CFlowUnitManager&) = default;
    virtual ~CFlowUnitManager() = default;

    void Clear() { m_units.clear(); }
    void GetData(std::vector<FlowUnitData>& units) const { units = m_units; }
    void SetData(const std::vector<FlowUnitData>& units) { m_units = units; }
    QXLOGBRUSH GetDefaultLogBrush() const { return m_defaultBrush; }
    void SetDefaultLogBrush(const QXLOGBRUSH& brush) { m_defaultBrush = brush; }
    QXLOGPEN GetDefaultLogPen() const { return m_defaultPen; }
    void SetDefaultLogPen(const QXLOGPEN& pen) { m_defaultPen = pen; }

protected:
    std::vector<FlowUnitData> m_units;
    QXLOGBRUSH m_defaultBrush;
    QXLOGPEN m_defaultPen;
};
