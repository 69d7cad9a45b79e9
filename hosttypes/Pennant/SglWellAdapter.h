// The well of a single-well section. The getters and the real depths are the module's own
// code; the setters and recalculations belong to the single-well library, which also owns the
// constructor and destructor (its unnamed virtuals live there).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "hosttypes/Oriel/ConnectionTypes.h"
#include "hosttypes/Oriel/ScObjInterface.h"
#include "hosttypes/Pennant/SingleWellTypes.h"

class CSglStratumAdapter;
class CSandDataAdapter;
class CSingleWellSection;
namespace LapJoint {
class CSglLapJointCalor;
}

class CSglWellAdapter : public ScObjInterface {
public:
    CSglWellAdapter();
    CSglWellAdapter(const CSglWellAdapter&) = delete;
    CSglWellAdapter& operator=(const CSglWellAdapter&) = delete;
    ~CSglWellAdapter() override;
    SC_DECLARE_ACCEPT()

    // ---- header-defined members ----
    double GetTopDep() const { return m_dTopDep; }
    double GetBottomDep() const { return m_dBottomDep; }
    double GetTopExtendDep() const { return m_dTopExtendDep; }
    double GetBottomExtendDep() const { return m_dBottomExtendDep; }
    std::string GetTopStratum() const { return m_strTopStratum; }
    std::string GetBottomStratum() const { return m_strBottomStratum; }
    std::string GetTemplateFullPath() const { return m_strTemplatePath; }
    CSglStratumAdapter* GetStratumAdapter() const { return m_pStratumAdapter; }
    CSandDataAdapter* GetSandAdapter() const { return m_pSandAdapter; }
    LapJoint::CSglLapJointCalor* GetLapJoint() const { return m_pLapJoint; }
    LapJointType GetLapJointType() const { return m_lapJointType; }
    void SetLapJointType(LapJointType type) { m_lapJointType = type; }
    // 0 measured, 1 vertical, 2 elevation depths.
    DepthDataType GetDepthDataType() const { return m_depthDataType; }
    EnumDepthType GetRangeType() const { return m_rangeType; }
    void SetRangeType(EnumDepthType type) { m_rangeType = type; }
    bool IfEditTemplate() const { return m_bEditTemplate; }
    void SetEditTemplate(bool edit) { m_bEditTemplate = edit; }
    double GetZoomFactor() const { return m_dZoomFactor; }
    CSingleWellSection* GetSingle() const { return m_pSingle; }
    // The top is raised by its extension; the bottom is the bottom depth itself.
    double GetRealTopDepth() const { return m_dTopDep - m_dTopExtendDep; }
    double GetRealBotDepth() const { return m_dBottomDep; }

    // ---- single-well library operations, in the library's order ----
    virtual std::string GetWellName() const;
    virtual double GetWidth() const;  // hundredths of a millimetre
    virtual void SetWidth(double width);
    virtual void SetTemplate(const std::string& path, bool reload);
    virtual void SetTopDep(double depth);
    virtual void SetBottomDep(double depth);
    virtual void SetTopStratum(const std::string& stratum);
    virtual void SetBottomStratum(const std::string& stratum);
    virtual void SetTopExtendDep(double depth);
    virtual void SetBottomExtendDep(double depth);
    // Recomputes what the well draws from its depths and template.
    virtual void RecalculateDrawing();
    // Recomputes the units' layout after RecalculateDrawing.
    virtual void RecalculateLayout();

    void UpdateStratumAndDep();
    void CalStratumProperty();
    // True when an interval of the well between top and bottom was perforated.
    bool IsShooted(double top, double bottom) const;
    void SetWellName(const std::string& name);
    void SetSingle(CSingleWellSection* section);
    void SetDepthDataType(DepthDataType type);
    void AddShootInterval(double top, double bottom);

protected:
    double m_dTopDep;
    double m_dBottomDep;
    double m_dTopExtendDep;
    double m_dBottomExtendDep;
    std::string m_strTopStratum;
    std::string m_strBottomStratum;
    std::string m_strTemplatePath;
    CSglStratumAdapter* m_pStratumAdapter;
    CSandDataAdapter* m_pSandAdapter;
    LapJoint::CSglLapJointCalor* m_pLapJoint;
    LapJointType m_lapJointType;
    DepthDataType m_depthDataType;
    EnumDepthType m_rangeType;
    bool m_bEditTemplate;
    double m_dZoomFactor;
    CSingleWellSection* m_pSingle;
    // State of the library's own operations.
    std::string m_strWellName;
    double m_dWidth;
    std::vector<std::pair<double, double>> m_shootIntervals;
};
