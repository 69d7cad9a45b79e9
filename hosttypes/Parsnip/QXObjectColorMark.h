// CQXObjectColorMark: the colour bar that explains a map's colour scale, with value labels
// beside it. Its position is the object's anchor (CQXObject's anchor operations); every other
// value is kept by the map-object library.
#pragma once

#include "hosttypes/Parsnip/QXObject.h"

class CQXObjectColorMark : public CQXObject {
    DECLARE_DYNAMIC(CQXObjectColorMark)
public:
    explicit CQXObjectColorMark(CQXLayer* layer = nullptr);
    ~CQXObjectColorMark() override;

    // 1 from the low to the high value, -1 the other way; any other value is taken as 1.
    int GetDirection() const;
    void SetDirection(int direction);
    // Half width and half length of the bar, map units.
    double GetRadiusA() const;
    void SetRadiusA(double radius);
    double GetRadiusB() const;
    void SetRadiusB(double radius);
    void GetLogFont(QXLOGFONT* font) const;
    void SetLogFont(QXLOGFONT* font);
    int GetDecimal() const;
    void SetDecimal(int decimal);
    // Side of the labels: 2 left, 0 right.
    int GetLabelAlign() const;
    void SetLabelAlign(int align);
    // Every how many colours a label is written.
    int GetLabelInterval() const;
    void SetLabelInterval(int interval);

protected:
    int m_nDirection = 1;
    double m_dRadiusA = 0;
    double m_dRadiusB = 0;
    QXLOGFONT m_font;
    int m_nDecimal = 2;
    int m_nLabelAlign = 0;
    int m_nLabelInterval = 1;
};
