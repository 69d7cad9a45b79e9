// A distance ruler drawn between two wells of the section.
#pragma once

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Oriel/ScObjInterface.h"
#include "hosttypes/Parsnip/Geometry.h"

class CQXLayer;
class ScDisRulerMgr;

class ScDisRuler : public ScObjInterface {
public:
    ScDisRuler();
    ScDisRuler(const ScDisRuler&) = default;
    ScDisRuler& operator=(const ScDisRuler&) = default;
    ~ScDisRuler() override;
    SC_DECLARE_ACCEPT()

    FLOATRECT GetMapRect() const { return m_mapRect; }
    void SetLayer(CQXLayer* layer) { m_pLayer = layer; }
    void SetVisible(bool visible) { m_bVisible = visible; }
    CString GetRulerTitle() const { return m_strRulerTitle; }
    void SetRulerTitle(CString title) { m_strRulerTitle = title; }
    CString GetRulerName() const { return m_strRulerName; }
    void GetNameFont(QXLOGFONT& font) const { font = m_nameFont; }
    void SetNameFont(QXLOGFONT& font) { m_nameFont = font; }
    void SetUnit(int unit) { m_nUnit = unit; }
    double GetQianHeight() const { return m_dQianHeight; }
    QXLOGPEN GetQianLinePen() const { return m_qianLinePen; }
    void SetQianLinePen(QXLOGPEN pen) { m_qianLinePen = pen; }
    QXLOGPEN GetShowLinePen() const { return m_showLinePen; }
    // The arrows and texts take the display line's colour.
    void SetShowLinePen(QXLOGPEN pen) {
        m_showLinePen = pen;
        m_showColor = pen.color;
    }
    void SetArrowStyle(unsigned int style) { m_nArrowStyle = style; }
    CSize GetMoveSize() const { return m_moveSize; }
    void SetMoveSize(CSize size) { m_moveSize = size; }

    // ---- section-library operations ----
    bool IsVisible() const;
    CQXLayer* GetLayer() const;
    void SetRulerName(CString name);
    int GetUnit() const;                 // 0..5
    unsigned int GetArrowStyle() const;  // 0..5
    void SetQianHeight(double height);
    COLORREF GetShowColor() const;
    void SetMapRect(const FLOATRECT& rect);
    ScDisRulerMgr* GetDisRulerMgr() const;  // may be NULL
    void SetDisRulerMgr(ScDisRulerMgr* mgr);
    void Update();

protected:
    FLOATRECT m_mapRect;
    CQXLayer* m_pLayer;
    bool m_bVisible;
    CString m_strRulerTitle;
    CString m_strRulerName;
    QXLOGFONT m_nameFont;
    int m_nUnit;
    double m_dQianHeight;
    QXLOGPEN m_qianLinePen;
    QXLOGPEN m_showLinePen;
    unsigned int m_nArrowStyle;
    CSize m_moveSize;
    COLORREF m_showColor;
    ScDisRulerMgr* m_pMgr;
};
