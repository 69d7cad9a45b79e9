// The wells of a multi-well section, in drawing order (not owned).
#pragma once

#include <map>
#include <string>
#include <vector>

#include "hosttypes/Oriel/Message.h"
#include "hosttypes/Oriel/SectionTypes.h"

class IkelWellAdapter;

class ScWellMgr : public CMessageNode<unsigned int> {
public:
    ScWellMgr();
    ScWellMgr(const ScWellMgr&) = default;
    ScWellMgr& operator=(const ScWellMgr&) = default;
    ~ScWellMgr() override;

    // ---- header-defined members ----
    bool IsInclinedVersion() const { return m_bInclined; }
    void SetInclined(bool inclined) { m_bInclined = inclined; }
    void SetWellAngleMap(const std::map<std::string, double>& angles) { m_wellAngles = angles; }
    EnumProfileType GetLineType() const { return m_lineType; }
    void SetLineType(EnumProfileType type) { m_lineType = type; }
    bool empty() const { return m_wells.empty(); }
    bool IsEmpty() const { return m_wells.empty(); }
    unsigned int size() const { return static_cast<unsigned int>(m_wells.size()); }

    // Apply one well member to every well, in list order: one edit for all wells at once.
    void SetValue(void (IkelWellAdapter::*f)());
    void SetValue(void (IkelWellAdapter::*f)(double), double v);
    void SetValue(void (IkelWellAdapter::*f)(const std::string&), std::string v);

    // ---- section-library operations ----
    void AddWell(IkelWellAdapter* well);
    void RemoveAllWells();
    IkelWellAdapter* GetWell(unsigned int i) const;
    bool GetTopBotDepth(double& top, double& bottom) const;
    bool IsNullWell() const;
    double GetTopDepth() const;
    double GetBotDepth() const;
    std::string GetTopStratum() const;
    std::string GetBotStratum() const;
    void SetWellWidth(double width);
    void SortWells();
    void UpdateWell();
    double GetMinWidth() const;
    std::vector<IkelWellAdapter*> GetValidConCalWell() const;

protected:
    bool m_bInclined;
    std::map<std::string, double> m_wellAngles;
    EnumProfileType m_lineType;
    std::vector<IkelWellAdapter*> m_wells;
};
