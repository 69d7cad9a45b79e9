// CQXObjectMultiText: a block of text of several lines, written across or down, with its own
// font and a background brush (style 1000 leaves the background transparent, 1001 fills it).
// It is not a CQXObjectText.
#pragma once

#include "hosttypes/Parsnip/QXObject.h"

class CQXObjectMultiText : public CQXObject {
    DECLARE_DYNAMIC(CQXObjectMultiText)
public:
    explicit CQXObjectMultiText(CQXLayer* layer = nullptr);
    ~CQXObjectMultiText() override;

    // 0 written across, 1 written down.
    int GetDirection() const { return m_nDirection; }
    void SetDirection(int direction) { m_nDirection = direction; }

    CString GetString() const;
    void SetString(const char* text);
    void GetLogFont(QXLOGFONT* font) const;
    void SetLogFont(QXLOGFONT* font);
    void GetLogBrush(QXLOGBRUSH* brush) const;
    void SetLogBrush(QXLOGBRUSH* brush);
    double GetAngle() const;
    void SetAngle(double radians);
    // Horizontal 0 left, 1 centre, 2 right; vertical 0 top, 1 middle, 2 bottom. Stored as given.
    int GetHAlign() const;
    void SetHAlign(int align);
    int GetVAlign() const;
    void SetVAlign(int align);

protected:
    int m_nDirection = 0;
    CString m_strText;
    QXLOGFONT m_font;
    QXLOGBRUSH m_brush;
    double m_dAngle = 0.0;
    int m_nHAlign = 0;
    int m_nVAlign = 0;
};
