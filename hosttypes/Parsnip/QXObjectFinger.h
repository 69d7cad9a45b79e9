// CQXObjectFinger: a north arrow, drawn in one of four styles with an outline pen, a fill for
// each half and a text at each compass point. Every value is kept by the map-object library.
#pragma once

#include "hosttypes/Parsnip/QXObject.h"

class CQXObjectFinger : public CQXObject {
    DECLARE_DYNAMIC(CQXObjectFinger)
public:
    explicit CQXObjectFinger(CQXLayer* layer = nullptr);
    ~CQXObjectFinger() override;

    // Drawing style, 0-based.
    int GetStyle() const;
    void SetStyle(int style);
    void GetLogPen(QXLOGPEN* pen) const;
    void SetLogPen(QXLOGPEN* pen);
    QXLOGBRUSH GetLeftBrush() const;
    void SetLeftBrush(QXLOGBRUSH brush);
    QXLOGBRUSH GetRightBrush() const;
    void SetRightBrush(QXLOGBRUSH brush);
    CString GetNorthText() const;
    void SetNorthText(CString text);
    CString GetSouthText() const;
    void SetSouthText(CString text);
    CString GetEastText() const;
    void SetEastText(CString text);
    CString GetWestText() const;
    void SetWestText(CString text);
    // Font of the four texts.
    void GetLogFont(QXLOGFONT* font) const;
    void SetLogFont(QXLOGFONT* font);

protected:
    int m_nStyle = 0;
    QXLOGPEN m_pen;
    QXLOGBRUSH m_leftBrush;
    QXLOGBRUSH m_rightBrush;
    CString m_strNorth;
    CString m_strSouth;
    CString m_strEast;
    CString m_strWest;
    QXLOGFONT m_font;
};
