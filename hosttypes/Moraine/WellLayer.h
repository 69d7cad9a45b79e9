// kel::plane::CWellLayer: a well layer (well names, symbols, trajectories, absence marks and
// well-row lines). Sizes, widths, offsets and lengths are kept in hundredths of a millimetre.
#pragma once

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Moraine/ProfLayer.h"
#include "mfc/Collections.h"

namespace kel::plane {

class CWellLayer : public IProfLayer {
public:
    explicit CWellLayer(CQXLayer* layer);
    CWellLayer(const CWellLayer& other) : IProfLayer(other) {}
    CWellLayer& operator=(const CWellLayer& other) {
        IProfLayer::operator=(other);
        return *this;
    }
    ~CWellLayer() override {}

    // ---- well names ----
    int GetNameVisible() const;
    void SetNameVisible(int visible);
    CString GetNameFontTemplate() const;
    void SetNameFontTemplate(const CString& name);
    CString GetNameFontName() const;
    void SetNameFontName(const CString& face);
    CString GetNameSizeTemplate() const;
    void SetNameSizeTemplate(const CString& name);
    double GetNameSize() const;
    void SetNameSize(double size);
    CString GetNameColorTemplate() const;
    void SetNameColorTemplate(const CString& name);
    COLORREF GetNameColor() const;
    void SetNameColor(COLORREF color);
    // 0 the well, 1 the well-row base line.
    int GetNameLabelReferType() const;
    void SetNameLabelReferType(int type);
    // 0 to 8: 左上, 上, 右上, 左, 中, 右, 左下, 下, 右下.
    int GetNameLabelAlign() const;
    void SetNameLabelAlign(int align);
    double GetNameLabelDistance() const;
    void SetNameLabelDistance(double distance);

    // ---- the well symbol of the layer ----
    int GetSymbolVisible() const;
    void SetSymbolVisible(int visible);
    CString GetSymbolPointStyleTemplate() const;
    void SetSymbolPointStyleTemplate(const CString& name);
    void GetSymbolPoint(QXLOGPOINT* point) const;
    void SetSymbolPointStyle(UINT style);
    CString GetSymbolSizeTemplate() const;
    void SetSymbolSizeTemplate(const CString& name);
    double GetSymbolSize() const;
    void SetSymbolSize(double size);
    CString GetSymbolBorderColorTemplate() const;
    void SetSymbolBorderColorTemplate(const CString& name);
    COLORREF GetSymbolBorderColor() const;
    void SetSymbolBorderColor(COLORREF color);
    CString GetSymbolInnerColorTemplate() const;
    void SetSymbolInnerColorTemplate(const CString& name);
    COLORREF GetSymbolInnerColor() const;
    void SetSymbolInnerColor(COLORREF color);
    // 1: trajectories along the real well path; 0: straight.
    int GetSymbolLineShowTrack() const;
    void SetSymbolLineShowTrack(int track);

    // ---- wellhead and well-bottom symbols ----
    int GetWellTopPointVisible() const;
    void SetWellTopPointVisible(int visible);
    void GetWellTopPoint(QXLOGPOINT* point) const;
    void SetWellTopPointStyle(UINT style);
    double GetWellTopPointSize() const;
    void SetWellTopPointSize(double size);
    COLORREF GetWellTopPointBorderColor() const;
    void SetWellTopPointBorderColor(COLORREF color);
    COLORREF GetWellTopPointInnerColor() const;
    void SetWellTopPointInnerColor(COLORREF color);
    int GetWellBottomPointVisible() const;
    void SetWellBottomPointVisible(int visible);
    void GetWellBottomPoint(QXLOGPOINT* point) const;
    void SetWellBottomPointStyle(UINT style);
    double GetWellBottomPointSize() const;
    void SetWellBottomPointSize(double size);
    COLORREF GetWellBottomPointBorderColor() const;
    void SetWellBottomPointBorderColor(COLORREF color);
    COLORREF GetWellBottomPointInnerColor() const;
    void SetWellBottomPointInnerColor(COLORREF color);

    // ---- upper and lower trajectory segments ----
    int GetWellTopLineVisible() const;
    void SetWellTopLineVisible(int visible);
    void GetWellTopLinePen(QXLOGPEN* pen) const;
    void SetWellTopLineStyle(UINT style);
    double GetWellTopLineSize() const;
    void SetWellTopLineSize(double size);
    COLORREF GetWellTopLineColor() const;
    void SetWellTopLineColor(COLORREF color);
    int GetWellBottomLineVisible() const;
    void SetWellBottomLineVisible(int visible);
    void GetWellBottomLinePen(QXLOGPEN* pen) const;
    void SetWellBottomLineStyle(UINT style);
    double GetWellBottomLineSize() const;
    void SetWellBottomLineSize(double size);
    COLORREF GetWellBottomLineColor() const;
    void SetWellBottomLineColor(COLORREF color);

    // ---- absence marks: one symbol per absence type ----
    int GetAbsenceVisible() const;
    void SetAbsenceVisible(int visible);
    void GetAbsenceSymbol(QXLOGPOINT* point, const CString& type) const;
    void SetAbsenceSymbol(QXLOGPOINT* point, const CString& type);
    // The absence types of the layer's marks, in the order the marks are listed; the array lives
    // as long as the wrapper and is refilled by every call.
    CStringArray& GetAbsenceTypeInLayer();
    // 0 the well-row base line, 1 the well.
    int GetAbsenceReferType() const;
    void SetAbsenceReferType(int type);
    int GetAbsenceAlign() const;
    void SetAbsenceAlign(int align);
    double GetAbsenceDistance() const;
    void SetAbsenceDistance(double distance);

    // ---- well-row base line and connecting line ----
    int GetBaseLineVisible() const;
    void SetBaseLineVisible(int visible);
    void GetBaseLinePen(QXLOGPEN* pen) const;
    void SetBaseLineStyle(UINT style);
    double GetBaseLineSize() const;
    void SetBaseLineSize(double size);
    COLORREF GetBaseLineColor() const;
    void SetBaseLineColor(COLORREF color);
    // 0 above the row, 1 on it, 2 below it.
    int GetBaseLineOffsetType() const;
    void SetBaseLineOffsetType(int type);
    double GetBaseLineOffset() const;
    void SetBaseLineOffset(double offset);
    double GetBaseLineEndLength() const;
    void SetBaseLineEndLength(double length);
    int GetWellQueueVisible() const;
    void SetWellQueueVisible(int visible);
    void GetWellQueuePen(QXLOGPEN* pen) const;
    void SetWellQueueStyle(UINT style);
    double GetWellQueueSize() const;
    void SetWellQueueSize(double size);
    COLORREF GetWellQueueColor() const;
    void SetWellQueueColor(COLORREF color);

    // Whether the layer holds a well-row base line (an object of type name "井排基线").
    int IsHaveBaseLine() const;

private:
    CStringArray m_absenceTypes;
};

}  // namespace kel::plane
