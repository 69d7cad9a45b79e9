// CQXObjectHint: an annotation, a framed text with a leader, in one of seven frame styles.
#pragma once

#include "hosttypes/Parsnip/QXObject.h"

class CQXObjectHint : public CQXObject {
    DECLARE_DYNAMIC(CQXObjectHint)
public:
    explicit CQXObjectHint(CQXLayer* layer = nullptr);
    ~CQXObjectHint() override;

    // The frame's extent in map units.
    FLOATRECT GetMRect() const { return m_rectM; }
    // 0 to 3 only; any other value (negative ones included) leaves the alignment as it is.
    void SetHorizontalAlign(int align) {
        if (align >= 0 && align <= 3) m_nHAlign = align;
    }
    int GetHorizontalAlign() const { return m_nHAlign; }
    void SetVerticalAlign(int align) {
        if (align >= 0 && align <= 3) m_nVAlign = align;
    }
    int GetVerticalAlign() const { return m_nVAlign; }

    CString GetString() const;
    void SetString(const char* text);
    // Frame style 0 to 6 (stored as given).
    int GetStyle() const;
    void SetStyle(int style);
    void GetLogPen(QXLOGPEN* pen) const;
    void SetLogPen(QXLOGPEN* pen);
    void GetLogBrush(QXLOGBRUSH* brush) const;
    void SetLogBrush(QXLOGBRUSH* brush);
    void GetLogFont(QXLOGFONT* font) const;
    void SetLogFont(QXLOGFONT* font);

protected:
    FLOATRECT m_rectM;
    int m_nHAlign = 0;
    int m_nVAlign = 0;
    CString m_strText;
    int m_nStyle = 0;
    QXLOGPEN m_pen;
    QXLOGBRUSH m_brush;
    QXLOGFONT m_font;
};
