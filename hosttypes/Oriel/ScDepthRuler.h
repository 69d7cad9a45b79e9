// A depth scale drawn beside a well of the section, with its name, marks and frame.
#pragma once

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Oriel/ScCoordsTranslatorInterface.h"
#include "hosttypes/Oriel/ScObjInterface.h"
#include "hosttypes/Oriel/SingleField.h"
#include "hosttypes/Oriel/SmartPtr.h"
#include "hosttypes/Parsnip/Geometry.h"

class ScDepthRulerMgr;

class ScDepthRuler : public ScObjInterface {
public:
    ScDepthRuler();
    ScDepthRuler(const ScDepthRuler&) = default;
    ScDepthRuler& operator=(const ScDepthRuler&) = default;
    ~ScDepthRuler() override;
    SC_DECLARE_ACCEPT()

    bool IsVisible() const { return m_bVisible; }
    bool IsLeftRuler() const { return m_bLeftRuler; }
    FLOATRECT GetMapRect() const { return m_mapRect; }
    void SetZoomFactor(double zoom) { m_dZoomFactor = zoom; }
    CString GetRulerName() const { return m_strRulerName; }
    CString GetRulerTitle() const { return m_strRulerTitle; }
    void SetRulerTitle(CString title) { m_strRulerTitle = title; }

    void GetNameFont(QXLOGFONT& font) const { font = m_nameFont; }
    void SetNameFont(QXLOGFONT& font) { m_nameFont = font; }
    float GetNameFontSize() const { return m_nameFont.size; }
    void SetNameFontSize(double size) { oriel::StoreSingle(m_nameFont.size, size); }
    COLORREF GetNameFontClr() const { return m_nameFont.color; }
    void SetNameFontClr(unsigned long color) { m_nameFont.color = static_cast<COLORREF>(color); }

    int GetLeftDepthMeasure() const { return m_nLeftDepthMeasure; }
    void SetLeftDepthMeasure(int measure) { m_nLeftDepthMeasure = measure; }
    int GetRightDepthMeasure() const { return m_nRightDepthMeasure; }
    void SetRightDepthMeasure(int measure) { m_nRightDepthMeasure = measure; }
    int GetLeftDepthType() const { return m_nLeftDepthType; }
    void SetLeftDepthType(int type) { m_nLeftDepthType = type; }
    int GetRightDepthType() const { return m_nRightDepthType; }
    void SetRightDepthType(int type) { m_nRightDepthType = type; }
    void SetDrawType(int type) { m_nDrawType = type; }
    int GetDrawType() const { return m_nDrawType; }
    int GetLeftMarkVisible() const { return m_nLeftMarkVisible; }
    void SetLeftMarkVisible(int visible) { m_nLeftMarkVisible = visible; }
    int GetRightMarkVisible() const { return m_nRightMarkVisible; }
    void SetRightMarkVisible(int visible) { m_nRightMarkVisible = visible; }

    int GetTopBorderVisible() const { return m_nTopBorderVisible; }
    void SetTopBorderVisible(int visible) { m_nTopBorderVisible = visible; }
    int GetBottomBorderVisible() const { return m_nBottomBorderVisible; }
    void SetBottomBorderVisible(int visible) { m_nBottomBorderVisible = visible; }
    int GetLeftBorderVisible() const { return m_nLeftBorderVisible; }
    void SetLeftBorderVisible(int visible) { m_nLeftBorderVisible = visible; }
    int GetRightBorderVisible() const { return m_nRightBorderVisible; }
    void SetRightBorderVisible(int visible) { m_nRightBorderVisible = visible; }

    unsigned int GetTopFrameLineStyle() const { return m_topFrame.style; }
    void SetTopFrameLineStyle(unsigned int style) { m_topFrame.style = style; }
    unsigned int GetBottFrameLineStyle() const { return m_bottomFrame.style; }
    void SetBottFrameLineStyle(unsigned int style) { m_bottomFrame.style = style; }
    unsigned int GetLeftFrameLineStyle() const { return m_leftFrame.style; }
    void SetLeftFrameLineStyle(unsigned int style) { m_leftFrame.style = style; }
    unsigned int GetRightFrameLineStyle() const { return m_rightFrame.style; }
    void SetRightFrameLineStyle(unsigned int style) { m_rightFrame.style = style; }

    COLORREF GetTopFrameClr() const { return m_topFrame.color; }
    void SetTopFrameClr(unsigned long color) { m_topFrame.color = static_cast<COLORREF>(color); }
    COLORREF GetBottFrameClr() const { return m_bottomFrame.color; }
    void SetBottFrameClr(unsigned long color) { m_bottomFrame.color = static_cast<COLORREF>(color); }
    COLORREF GetLeftFrameClr() const { return m_leftFrame.color; }
    void SetLeftFrameClr(unsigned long color) { m_leftFrame.color = static_cast<COLORREF>(color); }
    COLORREF GetRightFrameClr() const { return m_rightFrame.color; }
    void SetRightFrameClr(unsigned long color) { m_rightFrame.color = static_cast<COLORREF>(color); }

    double GetTopFrameLineSize() const { return m_topFrame.width; }
    void SetTopFrameLineSize(double size) { oriel::StoreSingle(m_topFrame.width, size); }
    double GetBottFrameLineSize() const { return m_bottomFrame.width; }
    void SetBottFrameLineSize(double size) { oriel::StoreSingle(m_bottomFrame.width, size); }
    double GetLeftFrameLineSize() const { return m_leftFrame.width; }
    void SetLeftFrameLineSize(double size) { oriel::StoreSingle(m_leftFrame.width, size); }
    double GetRightFrameLineSize() const { return m_rightFrame.width; }
    void SetRightFrameLineSize(double size) { oriel::StoreSingle(m_rightFrame.width, size); }

    ScDepthRulerMgr* GetDepRulerMgr() const { return m_pMgr; }
    // The new translator's reference is taken before the old one is released, so handing the
    // ruler the translator it already holds keeps that translator alive.
    void SetCoordsTranslator(SmartPtr<ScCoordsTranslatorInterface> translator) { m_translator = translator; }

    // ---- section-library operations ----
    void SetRulerName(CString name);
    void SetVisible(bool visible);
    void SetLeftRuler(bool left);
    void SetMapRect(const FLOATRECT& rect);
    void SetDepRulerMgr(ScDepthRulerMgr* mgr);
    SmartPtr<ScCoordsTranslatorInterface> GetCoordsTranslator() const;
    void Update();

protected:
    bool m_bVisible;
    bool m_bLeftRuler;
    FLOATRECT m_mapRect;
    double m_dZoomFactor;
    CString m_strRulerName;
    CString m_strRulerTitle;
    QXLOGFONT m_nameFont;
    int m_nLeftDepthMeasure;
    int m_nRightDepthMeasure;
    int m_nLeftDepthType;
    int m_nRightDepthType;
    int m_nDrawType;
    int m_nLeftMarkVisible;
    int m_nRightMarkVisible;
    int m_nTopBorderVisible;
    int m_nBottomBorderVisible;
    int m_nLeftBorderVisible;
    int m_nRightBorderVisible;
    QXLOGPEN m_topFrame;
    QXLOGPEN m_bottomFrame;
    QXLOGPEN m_leftFrame;
    QXLOGPEN m_rightFrame;
    ScDepthRulerMgr* m_pMgr;
    SmartPtr<ScCoordsTranslatorInterface> m_translator;

    // ---- side operations of the section library: true the left side, false the right ----
public:
    double GetInterval(bool left) const;
    void SetInterval(bool left, double interval);
    double GetWideTimes(bool left) const;
    void SetWideTimes(bool left, double times);
    // Major marks: length and line width in hundredths, line style, colour.
    double GetWideMarkLength(bool left) const;
    void SetWideMarkLength(bool left, double length);
    double GetWideMarkLineSize(bool left) const;
    void SetWideMarkLineSize(bool left, double size);
    unsigned int GetWideMarkLineStyle(bool left) const;
    void SetWideMarkLineStyle(bool left, unsigned int style);
    COLORREF GetWideMarkClr(bool left) const;
    void SetWideMarkClr(bool left, COLORREF color);
    // Minor marks, the same.
    double GetMarkLength(bool left) const;
    void SetMarkLength(bool left, double length);
    double GetMarkLineSize(bool left) const;
    void SetMarkLineSize(bool left, double size);
    unsigned int GetMarkLineStyle(bool left) const;
    void SetMarkLineStyle(bool left, unsigned int style);
    COLORREF GetMarkClr(bool left) const;
    void SetMarkClr(bool left, COLORREF color);
    // Depth labels: the font, its size in hundredths and its colour.
    void GetMarkFont(bool left, QXLOGFONT& font) const;
    void SetMarkFont(bool left, QXLOGFONT& font);
    double GetMarkFontSize(bool left) const;
    void SetMarkFontSize(bool left, double size);
    COLORREF GetMarkFontClr(bool left) const;
    void SetMarkFontClr(bool left, COLORREF color);

protected:
    // The marks and labels of one side.
    struct SideMarks {
        double interval = 10.0;
        double wideTimes = 5.0;
        double wideLength = 300.0;
        QXLOGPEN widePen;
        double markLength = 150.0;
        QXLOGPEN markPen;
        QXLOGFONT labelFont;
    };
    SideMarks& Side(bool left) { return m_sides[left ? 0 : 1]; }
    const SideMarks& Side(bool left) const { return m_sides[left ? 0 : 1]; }
    SideMarks m_sides[2];
};
