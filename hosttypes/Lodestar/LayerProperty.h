// The display settings of the profile-line layer and the holder through which the pages
// reach them.
#pragma once

#include <boost/shared_ptr.hpp>
#include <string>

#include "hosttypes/Kestrel/StyleRecords.h"

namespace KelProfileline {

// Kinds of the symbol and track settings: current-layer symbol, well head, well bottom,
// upper track, lower track.
enum PlSymbolKind : int { PL_SYMBOL_CURRENT = 2, PL_SYMBOL_HEAD = 3, PL_SYMBOL_BOTTOM = 4 };
enum PlTrackKind : int { PL_TRACK_UPPER = 5, PL_TRACK_LOWER = 6 };

class CLayerProperty {
public:
    CLayerProperty();
    CLayerProperty(const CLayerProperty&);
    CLayerProperty& operator=(const CLayerProperty&);
    ~CLayerProperty();

    // ---- profile-line library operations ----
    // Unknown kinds answer false / an empty record and are not stored.
    bool GetSymbolVisible(int kind) const;
    void SetSymbolVisible(bool visible, int kind);
    QXLOGPOINT GetSymbolPoint(int kind) const;
    void SetSymbolPoint(int kind, const QXLOGPOINT& point);
    bool GetWellTrackVisible(int kind) const;
    void SetWellTrackVisible(bool visible, int kind);
    QXLOGPEN GetWellTrackPen(int kind) const;
    void SetWellTrackPen(int kind, const QXLOGPEN& pen);

    // Fields the pages read and write directly.
    int m_nDataTarget;    // 1 well head, 2 well bottom, 3-7 target stratum of level one to five, 8 sea-level depth
    int m_nStratumIndex;  // -1 none
    double m_dSeaLevelDepth;
    bool m_bShowWellName;
    std::string m_strNameFontTemplate;
    std::string m_strNameSizeTemplate;
    std::string m_strNameColorTemplate;
    QXLOGFONT m_nameFont;
    std::string m_strNameReferObject;
    std::string m_strNameRelativePos;
    double m_dNameOffset;
    std::string m_strPointStyleTemplate;
    std::string m_strPointSizeTemplate;
    std::string m_strPointOutColorTemplate;
    std::string m_strPointInnerColorTemplate;
    bool m_bStraightTrack;
    bool m_bShowProfileLine;
    QXLOGPEN m_profileLinePen;
    bool m_bRandomLineColor;
    bool m_bShowReferenceMap;
    std::string m_strPlaneMapFile;

protected:
    // Indexed by kind - PL_SYMBOL_CURRENT and kind - PL_TRACK_UPPER.
    bool m_symbolVisible[3];
    QXLOGPOINT m_symbolPoints[3];
    bool m_trackVisible[2];
    QXLOGPEN m_trackPens[2];
};

// The profile-line layer's settings, shared by every page.
class CPropertySignle {
public:
    CPropertySignle();
    ~CPropertySignle();

    // ---- header-defined members ----
    boost::shared_ptr<CLayerProperty> GetProperty() const { return m_property; }
    void SetProperty(boost::shared_ptr<CLayerProperty> property) { m_property = property; }

    // ---- profile-line library operations ----
    static CPropertySignle* Instance();

private:
    boost::shared_ptr<CLayerProperty> m_property;
};

}  // namespace KelProfileline
