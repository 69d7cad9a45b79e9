// CQXObjectLegend: a map legend: a title, a frame and entries laid out in columns. The title
// font and the frame pen belong to the map-object library; the rest are header members.
#pragma once

#include "hosttypes/Parsnip/QXObject.h"

class CQXObjectLegend : public CQXObject {
    DECLARE_DYNAMIC(CQXObjectLegend)
public:
    explicit CQXObjectLegend(CQXLayer* layer = nullptr);
    ~CQXObjectLegend() override;

    void SetTitle(const CString& title) { m_strTitle = title; }
    CString GetTitle() const { return m_strTitle; }
    // The entry font and the entry outline pen: an equal value changes nothing; a new one is
    // stored and the legend is told it changed (its entries are laid out again).
    void SetLegendFont(QXLOGFONT* font) {
        if (!font || *font == m_legendFont) return;
        m_legendFont = *font;
        OnChanged(0);
    }
    void GetLegendFont(QXLOGFONT* font) const {
        if (font) *font = m_legendFont;
    }
    void SetOuterLineLogPen(QXLOGPEN* pen) {
        if (!pen || *pen == m_outerLinePen) return;
        m_outerLinePen = *pen;
        OnChanged(0);
    }
    void GetOuterLineLogPen(QXLOGPEN* pen) const {
        if (pen) *pen = m_outerLinePen;
    }
    // Left margin, top margin and the spacing between entries.
    void SetLSpace(double space) { m_dLSpace = space; }
    double GetLSpace() const { return m_dLSpace; }
    void SetTSpace(double space) { m_dTSpace = space; }
    double GetTSpace() const { return m_dTSpace; }
    void SetDSpace(double space) { m_dDSpace = space; }
    double GetDSpace() const { return m_dDSpace; }
    // Where an entry's text stands: 0 right of the symbol, 1 below it.
    void SetFontPosition(int position) { m_nFontPosition = position; }
    int GetFontPosition() const { return m_nFontPosition; }
    void SetColCount(int count) { m_nColCount = count; }
    int GetColCount() const { return m_nColCount; }

    // Library operations: the title font and the frame pen.
    void GetLogFont(QXLOGFONT* font) const;
    void SetLogFont(QXLOGFONT* font);
    void GetLogPen(QXLOGPEN* pen) const;
    void SetLogPen(QXLOGPEN* pen);

    // Size of one entry's symbol box; editors write these directly.
    double m_dLegendWidth = 1000;
    double m_dLegendHeight = 500;

protected:
    CString m_strTitle;
    QXLOGFONT m_legendFont;
    QXLOGPEN m_outerLinePen;
    double m_dLSpace = 200;
    double m_dTSpace = 200;
    double m_dDSpace = 200;
    int m_nFontPosition = 0;
    int m_nColCount = 1;
    QXLOGFONT m_titleFont;
    QXLOGPEN m_framePen;
};
