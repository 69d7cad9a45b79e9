// CWpContent: a kit drawn inside a track; CWpCurve: a log curve.
#pragma once

#include <vector>

#include "hosttypes/Zephyr/WpKit.h"

class CWpContent : public CWpKit {
    DECLARE_DYNAMIC(CWpContent)
public:
    CWpContent();
    ~CWpContent() override;
    WPKITTYPE GetWpKitType() override;

    double GetBodyLeft();
    double GetBodyRight();
    double GetBodyTop();
    double GetBodyBottom();
    int GetGroup();
    void SetGroup(int group);

    // ---- the kit's line (kit library) ----
    QXLOGPEN GetPen();
    void SetPen(const QXLOGPEN& pen);

protected:
    double m_dBodyLeft = 0;
    double m_dBodyRight = 0;
    double m_dBodyTop = 0;
    double m_dBodyBottom = 0;
    int m_nGroup = 0;
    QXLOGPEN m_pen;
};

class CWpCurve : public CWpContent {
    DECLARE_DYNAMIC(CWpCurve)
public:
    CWpCurve();
    ~CWpCurve() override;
    WPKITTYPE GetWpKitType() override;

    int GetScaleDecimalDigit();

    // Kit library.
    void SetScaleDecimalDigit(int digits);

    // ---- curve settings (kit library) ----
    // Drawing forms.
    enum CURVETYPE : int {
        CURVE_LINE = 0,
        CURVE_SCATTER = 1,
        CURVE_STICK = 2,
        CURVE_SQUARE = 3,
        CURVE_SCATTER_LINE = 4,
        CURVE_STICK_LINE = 5,
        CURVE_SQUARE_LINE = 6,
    };
    // Which scale values show: none, all, the values only, the line only.
    enum ScaleShowWays : int { SHOW_NONE = 0, SHOW_ALL = 1, SHOW_VALUES = 2, SHOW_LINE = 3 };

    // A horizontal fill: shown flag, target (the border "边框", the middle "中线", a value line
    // "指定值线" or another curve's name) with its value, the sides filled (bit 0 right of the
    // target, bit 1 left), and the style set and brush of each side. Names are UTF-8 cut to
    // their 32-byte fields.
    struct tagCVEFILL {
        static constexpr std::size_t kNameSize = 32;
        int shown = 1;
        char target[kNameSize] = "边框";
        float targetValue = 3.402823466e38f;
        int sides = 0;
        char leftStyleSet[kNameSize] = {};
        char rightStyleSet[kNameSize] = {};
        QXLOGBRUSH leftBrush;
        QXLOGBRUSH rightBrush;
    };
    // The fills a curve holds at most; adding one more changes nothing.
    static constexpr int kMaxFills = 64;

    // Data source: 0 graphic, 1 well data, 2 discrete data, 3 core analysis, 4 .. 6 point data 1 .. 3.
    int GetSource();
    void SetSource(int source);
    // The discrete-data table.
    CString GetTable();
    void SetTable(CString table);
    CURVETYPE GetType();
    void SetType(CURVETYPE type);
    // Scopes of unit-font and scale edits: 0 the curve, 1 the curves of its track, 2 of the plot.
    int GetUntScope();
    void SetUntScope(int scope);
    int GetLmtScope();
    void SetLmtScope(int scope);
    // Unit: name, shown, arrangement (-1 right of the name, 0 below it, 1 below the line style), font.
    CString GetUnitText();
    void SetUnitText(CString text);
    int IsShowUnit();
    void ShowUnit(bool show);
    int GetUnitAlign();
    void SetUnitAlign(int align);
    QXLOGFONT GetUnitFont();
    void SetUnitFont(const QXLOGFONT& font);
    // Scale: values shown, their arrangement (-1 above the line style, 0 on it, 1 below it),
    // logarithmic, range type (0 fixed, 1 whole curve, 2 visible part), left and right values,
    // direction, second scale with its multiple, and the values' font.
    ScaleShowWays IsShowLimit();
    void ShowLimit(ScaleShowWays show);
    int GetLimitAlign();
    void SetLimitAlign(int align);
    int IsLogScale();
    void LogScale(bool log);
    int GetValueRangeType();
    void SetValueRangeType(int type);
    float GetLeft();
    void SetLeft(float left, int redraw);
    float GetRight();
    void SetRight(float right, int redraw);
    bool IsLeftAlignText();
    void SetLeftAlignText(bool leftToRight);
    int IsShowScale();
    void ShowScale(bool show);
    float GetMultiples();
    void SetMultiples(float multiples);
    QXLOGFONT GetLimitFont();
    void SetLimitFont(const QXLOGFONT& font);
    // Lines and symbols: the second scale's line, the symbols of both scales, the stick and
    // square-wave line, the decimation interval and the square-wave step.
    QXLOGPEN GetPenCur2();
    void SetPenCur2(const QXLOGPEN& pen);
    QXLOGPOINT GetPoint();
    void SetPoint(const QXLOGPOINT& point);
    QXLOGPOINT GetPoint2();
    void SetPoint2(const QXLOGPOINT& point);
    int GetScanted();
    void SetScanted(int interval);
    QXLOGPEN GetPen2();
    void SetPen2(const QXLOGPEN& pen);
    float GetFrequency();
    void SetFrequency(float step);
    // Marker line at a value.
    bool IsFlagLineShow();
    void SetFlagLineShow(bool show);
    float GetFlagLineValue();
    void SetFlagLineValue(float value);
    QXLOGPEN GetFlagLinePen();
    void SetFlagLinePen(const QXLOGPEN& pen);

    // Left and right values read again from the curve's data for a range type other than fixed.
    void UpdateRightLeftValue();
    // Binds the curve to the named data curve: the kit takes that name.
    void InitData(CString name, int reserved);
    // The first other curve of the same track titled title; NULL for none or without a track.
    CWpCurve* FindCurve(CString title, int reserved);

    // Fills: their count, the current one (from 1; 0 none), the record at a 0-based index (the
    // index is checked: std::out_of_range).
    int FillCount();
    int FillAt();
    tagCVEFILL& FillAt(int index);
    // 0 add a fill (it becomes current), 1 show the current one, 2 hide it, 3 delete it (none is
    // current then), 4 show all, 5 hide all, 6 delete all, 7 + N make fill N current. Codes that
    // name no fill change nothing.
    void Operation(int code);

protected:
    int m_nScaleDecimalDigit = 2;
    // curve settings
    int m_nSource = 1;
    CString m_strTable;
    CURVETYPE m_type = CURVE_LINE;
    int m_nUntScope = 0;
    int m_nLmtScope = 0;
    CString m_strUnitText;
    int m_nShowUnit = 1;
    int m_nUnitAlign = 0;
    QXLOGFONT m_unitFont;
    ScaleShowWays m_showLimit = SHOW_ALL;
    int m_nLimitAlign = 0;
    int m_nLogScale = 0;
    int m_nValueRangeType = 0;
    float m_fLeft = 0;
    float m_fRight = 100;
    bool m_bLeftAlignText = true;
    int m_nShowScale = 0;
    float m_fMultiples = 1;
    QXLOGFONT m_limitFont;
    QXLOGPEN m_penCur2;
    QXLOGPOINT m_point;
    QXLOGPOINT m_point2;
    int m_nScanted = 0;
    QXLOGPEN m_pen2;
    float m_fFrequency = 0.5f;
    bool m_bFlagLineShow = false;
    float m_fFlagLineValue = 0;
    QXLOGPEN m_flagLinePen;
    std::vector<tagCVEFILL> m_fills;
    int m_nFillAt = 0;
};
