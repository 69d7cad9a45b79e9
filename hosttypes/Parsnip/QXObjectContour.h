// CQXObjectContour: a contour line: a polyline carrying a value label written along it. Every
// value of its own is kept by the map-object library.
#pragma once

#include "hosttypes/Parsnip/QXObjectPolyline.h"

class CQXObjectContour : public CQXObjectPolyline {
    DECLARE_DYNAMIC(CQXObjectContour)
public:
    explicit CQXObjectContour(CQXLayer* layer = nullptr);
    ~CQXObjectContour() override;

    // The label text (the contour's value as text).
    CString GetLabel() const;
    void SetLabel(const char* label);
    // Label font: word 0 colour, word 1 transparent background (1), word 2 background colour,
    // word 3 size (x100).
    void GetLogFont(QXLOGFONT* font) const;
    void SetLogFont(QXLOGFONT* font);
    // 1 when the label is drawn.
    int GetLabelVisible() const;
    void SetLabelVisible(int visible);
    // Decimals of the label. Setting them writes a label that is a number again with that many
    // decimals; a label that is no number stays as it is. Negative counts are refused.
    int GetDecimal() const;
    void SetDecimal(int decimal);
    // Where along the line the first label stands, and the spacing of the labels (x100).
    double GetStartDistance() const;
    void SetStartDistance(double distance);
    double GetLabelDistance() const;
    void SetLabelDistance(double distance);

protected:
    CString m_strLabel;
    QXLOGFONT m_font;
    int m_nLabelVisible = 1;
    int m_nDecimal = 0;
    double m_dStartDistance = 1000;
    double m_dLabelDistance = 5000;
};
