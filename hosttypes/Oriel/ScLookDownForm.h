// The look-down map: a small plan view of the section's well positions and its line.
#pragma once

#include <string>
#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Oriel/ScCoordsTranslatorInterface.h"
#include "hosttypes/Oriel/ScObjInterface.h"
#include "hosttypes/Oriel/SectionTypes.h"
#include "hosttypes/Oriel/SmartPtr.h"
#include "hosttypes/Parsnip/Geometry.h"

class ScContainer;
class ScWellPositionor;
class ScDisRulerMgr;

class ScLookDownForm : public ScObjInterface {
public:
    // One entry of the map's data list.
    struct DATAENTRY {
        std::string name;
        FLOATPOINT position;
    };

    ScLookDownForm();
    ScLookDownForm(const ScLookDownForm&) = default;
    ScLookDownForm& operator=(const ScLookDownForm&) = default;
    ~ScLookDownForm() override;
    SC_DECLARE_ACCEPT()

    double GetZoomFactor() const { return m_dZoomFactor; }
    void SetZoomFactor(double zoom) { m_dZoomFactor = zoom; }
    // The new translator's reference is taken before the old one is released.
    void SetCoordsTranslator(SmartPtr<ScCoordsTranslatorInterface> translator) { m_translator = translator; }
    SmartPtr<ScCoordsTranslatorInterface> GetTranslator() const { return m_translator; }
    FLOATRECT GetMapRect() const { return m_mapRect; }

    void SetFrameLine(QXLOGPEN& pen) { m_framePen = pen; }
    COLORREF GetFrameClr() const { return m_framePen.color; }
    void SetFrameClr(unsigned long color) { m_framePen.color = static_cast<COLORREF>(color); }
    QXLOGPEN& GetLine() { return m_linePen; }
    void SetLine(QXLOGPEN& pen) { m_linePen = pen; }
    void SetLineClr(unsigned long color) { m_linePen.color = static_cast<COLORREF>(color); }
    bool IsLineShowing() const { return m_bShowLine; }
    void ShowLine(bool show) { m_bShowLine = show; }
    QXLOGPEN& GetShadeLine() { return m_shadePen; }
    void SetShadeLine(QXLOGPEN& pen) { m_shadePen = pen; }
    bool IsLineShadeShowing() const { return m_bShowShadeLine; }
    void ShowShadeLine(bool show) { m_bShowShadeLine = show; }
    bool IsWellNameShowing() const { return m_bShowWellName; }
    void ShowWellName(bool show) { m_bShowWellName = show; }
    bool IsWHScaleMaintain() const { return m_bWHScaleMaintain; }
    bool IsVisible() const { return m_bVisible; }
    void SetVisible(bool visible) { m_bVisible = visible; }
    void SetNeedShadow(bool need) { m_bNeedShadow = need; }
    bool IfNeedShadow() const { return m_bNeedShadow; }
    void SetInCorrelation(bool in) { m_bInCorrelation = in; }
    bool IsInCorrelation() const { return m_bInCorrelation; }
    void SetEnable(bool enable) { m_bEnable = enable; }
    bool GetEnable() const { return m_bEnable; }
    void SetEnableDrawLine(int enable) { m_nEnableDrawLine = enable; }
    ShadeMode GetDrawShadowLineMode() const { return m_shadeMode; }
    void SetDragPt(CPoint pt) { m_dragPt = pt; }
    void SetDragStartPt(CPoint pt) { m_dragStartPt = pt; }
    void SetDragStopPt(CPoint pt) { m_dragStopPt = pt; }
    void SetDragID(int id) { m_nDragID = id; }
    int GetDragID() const { return m_nDragID; }
    void SetContainer(ScContainer* container) { m_pContainer = container; }
    ScContainer* GetContainer() const { return m_pContainer; }
    void SetWSCWellPositionor(ScWellPositionor* positionor) { m_pPositionor = positionor; }
    void SetDisRulerManager(ScDisRulerMgr* mgr) { m_pDisRulerMgr = mgr; }
    // The name of entry i; empty when i is not below the entry count.
    std::string GetDataName(int i) const {
        return (i >= 0 && static_cast<std::size_t>(i) < m_data.size()) ? m_data[static_cast<std::size_t>(i)].name
                                                                       : std::string();
    }

    // ---- section-library operations ----
    void AddData(const std::string& name, const FLOATPOINT& position);
    int GetDataCount() const;
    void SetMapRect(const FLOATRECT& rect);
    void SetPosition(FLOATPOINT centre, double width, double height, MAINTAINSTYLE style);
    void SetMaintainScale(bool maintain);
    unsigned int GetFrameLineStyle() const;
    void SetFrameLineStyle(unsigned int style);
    unsigned int GetLineStyle() const;
    void SetLineStyle(unsigned int style);
    void UpdateWnd();
    void ClearShadow();
    void ByXorYAxisShadow(int xAxis);
    void ByBeginTOendShadow();

protected:
    double m_dZoomFactor;
    SmartPtr<ScCoordsTranslatorInterface> m_translator;
    FLOATRECT m_mapRect;
    QXLOGPEN m_framePen;
    QXLOGPEN m_linePen;
    bool m_bShowLine;
    QXLOGPEN m_shadePen;
    bool m_bShowShadeLine;
    bool m_bShowWellName;
    bool m_bWHScaleMaintain;
    bool m_bVisible;
    bool m_bNeedShadow;
    bool m_bInCorrelation;
    bool m_bEnable;
    int m_nEnableDrawLine;
    ShadeMode m_shadeMode;
    CPoint m_dragPt;
    CPoint m_dragStartPt;
    CPoint m_dragStopPt;
    int m_nDragID;
    ScContainer* m_pContainer;
    ScWellPositionor* m_pPositionor;
    ScDisRulerMgr* m_pDisRulerMgr;
    std::vector<DATAENTRY> m_data;

    // ---- pens, well-name font and point symbols ----
public:
    QXLOGPEN GetFrameLine() const { return m_framePen; }
    COLORREF GetLineClr() const { return m_linePen.color; }
    // Section-library operations. The font pointer is NULL when the map has no font; handing
    // SetLogFont a font gives the map that font, handing it NULL leaves the map without one.
    void GetLogFont(QXLOGFONT*& font);
    void SetLogFont(QXLOGFONT* font);
    // Point symbols 0 to 3 (0 the well symbol, 3 the projection symbol); other numbers read a
    // default symbol and store nothing.
    QXLOGPOINT GetLogPoint(int n) const;
    void SetLogPoint(QXLOGPOINT& point, int n);
    unsigned int GetLogPointStyle(int n) const;
    void SetLogPointStyle(unsigned int style, int n);

protected:
    bool m_bHasFont = true;
    QXLOGFONT m_font;
    QXLOGPOINT m_points[4];
};
