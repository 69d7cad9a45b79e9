// The display settings of one multi-well section, kept by the section library and handed out
// as a shared pointer; pages fetch it afresh for every access and keep no copy.
#pragma once

#include <boost/shared_ptr.hpp>
#include <cstddef>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"

class CMapProperty {
public:
    // One stratum of the section with its settings byte (bits 0x01 to 0x10).
    typedef std::pair<std::string, unsigned char> StratumEntry;
    // The strata and the sand layers the section draws.
    struct CONTENT {
        std::vector<StratumEntry> strata;
        std::vector<std::string> sandLayers;
    };

    CMapProperty() = default;
    CMapProperty(const CMapProperty&) = default;
    CMapProperty& operator=(const CMapProperty&) = default;
    virtual ~CMapProperty();

    // ---- graph settings, in record order ----
    std::string m_strTemplatePath;
    int m_nDepthType = 0;        // 0 measured, 1 vertical, 2 elevation
    int m_nWellSpacingType = 0;  // 0 equal, 1 real distance, 2-5 projections
    std::string m_strSpacingLayer;
    double m_dEqualInterval = 0.0;
    double m_dXScale = 1.0;
    double m_dYScale = 1.0;
    int m_nConnectPos = 0;
    QXLOGPEN m_conLinePen;
    QXLOGPEN m_splitLinePen;
    int m_nGrade = 0;  // stratification level 0..4
    double m_dLeftJoint = 0.0;
    double m_dRightJoint = 0.0;
    bool m_bShowJointLine = false;
    bool m_bFillWellBlank = false;
    int m_nRangeType = 0;  // 0 by depth, 1 by strata
    std::string m_strTopStratum;
    double m_dTopExtendDepth = 0.0;
    std::string m_strBottomStratum;
    double m_dBottomExtendDepth = 0.0;
    double m_dTopDepth = 0.0;
    double m_dBottomDepth = 0.0;
    double m_dLeftExtend = 0.0;
    double m_dRightExtend = 0.0;
    int m_nExtendForm = 0;
    bool m_bShowVirtualWell = false;
    double m_dWellWidth = 0.0;
    bool m_bCalVirtualStratum = false;
    bool m_bConnectVirtualStratum = false;
    QXLOGPEN m_virStratumPen;
    QXLOGFONT m_stratumNameFont;
    int m_nStratumNamePos = 0;  // 0 left, 1 right, 2 both
    // ---- sand settings, in record order ----
    int m_nFillType = 0;
    double m_dCellSize = 0.0;
    QXLOGBRUSH m_singleFill;
    std::string m_strFillStyleSet;
    int m_nSandDisplay = 0;
    bool m_bShowEnvelope = false;
    QXLOGPEN m_envelopePen;
    bool m_bShowPinchout = false;
    int m_nPinchoutLength = 0;
    int m_nRiverShape = -1;
    int m_nSandDamShape = -1;
    bool m_bLocalPinchout = false;
    bool m_bShowInterfaceLine = false;
    QXLOGPEN m_interfacePen;
    bool m_bShowOSWLine = false;
    QXLOGPEN m_oswPen;
    std::string m_strWellNameFace;
    CONTENT m_content;
    // ---- reservoir fault lines ----
    QXLOGPEN m_faultLinePen;  // the pen of every fault line of the section

    // ---- section-library operations ----
    // False when the record has no such stratum.
    bool GetStratumSetorInfo(const std::string& name, unsigned char& info) const;
    void SetStratumSetorInfo(const std::string& name, unsigned char info);
    void FliterGroup();
    void ReCreatePinchout();
    void ReCreateRiver();
    void ReCreateSandDam();
    void ReCreateNormal();
    void UpdateSandFill();
    void ChangeTemplate(const std::string& path);
    void ChangeGrade(int level);
    void ChangeExtend(double length, bool left);
    void ShowVirStratum(bool show);
    void SetVirPen(const QXLOGPEN& pen);
    void ChangeStratumNameFont(const QXLOGFONT& font);
    void UpdateProperty();

private:
    // Position of the first stratum of that name, or the list's size when there is none. The
    // library keeps an index of the names so that a lookup does not walk the list; the index is
    // built again whenever the list changed under it.
    std::size_t FindStratum(const std::string& name) const;
    void IndexStrata() const;
    mutable std::unordered_map<std::string, std::size_t> m_stratumIndex;
    mutable std::size_t m_nIndexedStrata = 0;
};

// The record of the current section.
class CMapPropertySignle {
public:
    boost::shared_ptr<CMapProperty> GetProperty() const { return m_property; }
    void SetProperty(boost::shared_ptr<CMapProperty> property) { m_property = property; }

    // ---- section-library operations ----
    static CMapPropertySignle* Instance();

private:
    boost::shared_ptr<CMapProperty> m_property;
};
