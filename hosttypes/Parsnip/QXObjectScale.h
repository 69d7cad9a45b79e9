// CQXObjectScale: a scale bar: a row of ticks with value labels and a unit word. The guarded
// setters below are header members and leave the bar unchanged for a value they refuse; the
// style, the tick spacing, the font and the pen belong to the map-object library.
#pragma once

#include "hosttypes/Parsnip/QXObject.h"

class CQXObjectScale : public CQXObject {
    DECLARE_DYNAMIC(CQXObjectScale)
public:
    explicit CQXObjectScale(CQXLayer* layer = nullptr);
    ~CQXObjectScale() override;

    // Number of ticks; fewer than 1 is refused.
    void SetStep(int step) {
        if (step >= 1) m_nStep = step;
    }
    int GetStep() const { return m_nStep; }
    // Tick height (x100); 0, negative values and NaN are refused.
    void SetHeight(double height) {
        if (height > 0) m_dHeight = height;
    }
    double GetHeight() const { return m_dHeight; }
    // Decimals of the labels; negative counts are refused.
    void SetDecimalNum(int decimals) {
        if (decimals >= 0) m_nDecimalNum = decimals;
    }
    int GetDecimalNum() const { return m_nDecimalNum; }
    void SetUnitWord(CString unit) { m_strUnitWord = unit; }
    CString GetUnitWord() const { return m_strUnitWord; }
    // Tick spacing as shown: the library keeps ten times the value SetSize was given.
    double GetSize() const { return m_dSize / 10; }

    // Library operations.
    // 1 when the zero tick stands at the start of the bar.
    int GetZeroFromStart() const;
    void SetZeroFromStart(int zeroFromStart);
    // Drawing style, 0-based (6 is the style drawn when the zero tick is not at the start).
    int GetStyle() const;
    void SetStyle(int style);
    void SetSize(double size);
    void GetLogFont(QXLOGFONT* font) const;
    void SetLogFont(QXLOGFONT* font);
    void GetLogPen(QXLOGPEN* pen) const;
    void SetLogPen(QXLOGPEN* pen);

protected:
    int m_nStep = 5;
    double m_dHeight = 200;
    int m_nDecimalNum = 0;
    CString m_strUnitWord;
    double m_dSize = 10;
    int m_nZeroFromStart = 1;
    int m_nStyle = 0;
    QXLOGFONT m_font;
    QXLOGPEN m_pen;
};
