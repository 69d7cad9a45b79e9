// kel::plane::CPieLayer: a layer of chart symbols (pies and bars at wells or data points). The
// layer keeps the chart shape, where its data come from, one record (field, colour, colour-control
// flag) per property, the dates of dynamic data and every drawing setting of its symbols; the
// rebuilds make the layer's chart objects from them.
#pragma once

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Moraine/ProfLayer.h"
#include "mfc/DateTime.h"

namespace kel::plane {

// How a property of a dynamic multi-column bar layer is drawn.
enum DynamicMultiBarDrawType : int { DMB_BAR = 0, DMB_LINE = 1 };

class CPieLayer : public IProfLayer {
public:
    explicit CPieLayer(CQXLayer* layer);
    CPieLayer(const CPieLayer& other)
        : IProfLayer(other), m_nReserved1(other.m_nReserved1), m_nReserved2(other.m_nReserved2) {}
    CPieLayer& operator=(const CPieLayer& other) {
        IProfLayer::operator=(other);
        m_nReserved1 = other.m_nReserved1;
        m_nReserved2 = other.m_nReserved2;
        return *this;
    }
    ~CPieLayer() override {}

    // ---- data: shape, source, properties ----
    int GetShapeType() const;  // 0 to 7
    void SetShapeType(int shape);
    int GetDataType() const;  // 0 well data, 1 scattered data, 2 dynamic data
    void SetDataType(int type);
    CString GetTableName() const;
    void SetTableName(const CString& name);
    int GetDataLayer() const;  // stratum index; -1 for none
    void SetDataLayer(int index);
    int GetRecordCount() const;  // number of properties
    void SetRecordCount(int count);
    CString GetRecordName(int i) const;  // field of property i
    void SetRecordName(int i, const CString& name);
    COLORREF GetColor(int i) const;
    void SetColor(int i, COLORREF color);
    int GetColorControl(int i) const;  // 1: a control point of colour smoothing
    void SetColorControl(int i, int control);
    int GetModifyObject() const;  // 1: the symbols follow every change at once
    void SetModifyObject(int modify);
    COleDateTime GetDate1() const;
    void SetDate1(COleDateTime date);
    COleDateTime GetDate2() const;
    void SetDate2(COleDateTime date);
    COleDateTime GetDateBegin() const;
    void SetDateBegin(COleDateTime date);
    COleDateTime GetDateEnd() const;
    void SetDateEnd(COleDateTime date);
    // Non-zero for a multi-column bar layer of dynamic data.
    int IsDynamicMultiBar() const;

    // ---- display ----
    void GetFont(QXLOGFONT& font) const;
    void SetFont(QXLOGFONT& font);
    int GetTextShowStyle(int line) const;  // content line 1 to 3
    void SetTextShowStyle(int line, int style);
    int GetDotCount() const;
    void SetDotCount(int count);
    int GetTextPos() const;
    void SetTextPos(int pos);
    void GetPen(QXLOGPEN& pen) const;
    void SetPen(QXLOGPEN& pen);
    void GetDynamicMultiBarPoint(QXLOGPOINT& point) const;
    void SetDynamicMultiBarPoint(QXLOGPOINT& point);
    DynamicMultiBarDrawType GetDynamicMultiBarDrawType(int property) const;  // property 1 or 2
    void SetDynamicMultiBarDrawType(int property, DynamicMultiBarDrawType type);
    int GetXMove() const;
    void SetXMove(int move);
    int GetYMove() const;
    void SetYMove(int move);
    CString GetDataPos(int i) const;
    void SetDataPos(int i, CString pos);
    int GetDrawOrgLine() const;
    void SetDrawOrgLine(int draw);
    void GetDrawOrgLine(QXLOGPEN* pen) const;
    void SetDrawOrgLine(QXLOGPEN& pen);
    int GetDrawBotLine() const;
    void SetDrawBotLine(int draw);
    double GetBotWidth() const;
    void SetBotWidth(double width);
    void GetBotPen(QXLOGPEN& pen) const;
    void SetBotPen(QXLOGPEN& pen);
    int GetFixRadius() const;
    void SetFixRadius(int fixed);
    int GetNULLShow() const;
    void SetNULLShow(int show);
    double GetRadius() const;
    void SetRadius(double radius);
    double GetUpRadius() const;
    void SetUpRadius(double radius);
    double GetBarWidth() const;
    void SetBarWidth(double width);
    double GetBarHeight() const;
    void SetBarHeight(double height);
    double GetBarInterv() const;
    void SetBarInterv(double interval);
    double GetBarCurveHeight() const;
    void SetBarCurveHeight(double height);
    int GetUpPropCount() const;
    void SetUpPropCount(int count);
    int GetEachMax() const;
    void SetEachMax(int each);
    int GetDrawCorrdinate() const;
    void SetDrawCorrdinate(int draw);

    // ---- rebuilds ----
    void BuildObjects();
    void BuildDynamicMultiBarObjects();
    // Back to a new layer's settings (the layer's own pen, font and point style stay).
    void InitializeLayer();
    void UpdatePieCoordinate();

protected:
    // Library words without use in the stand-in; copied with the wrapper.
    int m_nReserved1 = 0;
    int m_nReserved2 = 0;
};

}  // namespace kel::plane
