// CQXObjectText: a one-line text placed on a map at the object's anchor, with its font, a
// rotation (radians) and its alignment about the anchor.
#pragma once

#include "hosttypes/Parsnip/QXObject.h"

class CQXObjectText : public CQXObject {
    DECLARE_DYNAMIC(CQXObjectText)
public:
    explicit CQXObjectText(CQXLayer* layer = nullptr);
    ~CQXObjectText() override;

    CString GetString() const;
    void SetString(const char* text);
    void GetLogFont(QXLOGFONT* font) const;
    void SetLogFont(QXLOGFONT* font);
    double GetAngle() const;
    void SetAngle(double radians);
    // Horizontal 0 left, 1 centre, 2 right; vertical 0 top, 1 middle, 2 bottom. Stored as given.
    int GetHorizontalAlign() const;
    void SetHorizontalAlign(int align);
    int GetVerticalAlign() const;
    void SetVerticalAlign(int align);

protected:
    CString m_strText;
    QXLOGFONT m_font;
    double m_dAngle = 0.0;
    int m_nHAlign = 0;
    int m_nVAlign = 0;
};
