// Drawing counterparts of the content kits.
#pragma once

#include <vector>

#include "hosttypes/Zephyr/InWpKit.h"

class InWpContent : public InWpKit {
public:
    InWpContent();
    ~InWpContent() override;

    int GetGroup();
    void SetGroup(int group);

protected:
    int m_nGroup = 0;
};

class InWpCurve : public InWpContent {
public:
    enum ScaleShowWays : int { SCALE_HIDE = 0, SCALE_SHOW = 1, SCALE_SHOW_ENDS = 2 };

    InWpCurve();
    ~InWpCurve() override;

    void SetCurvePen(const QXLOGPEN& pen);
    void SetSquareWavePen(const QXLOGPEN& pen);
    double GetCurveStart();
    void SetCurveStart(double start);
    double GetCurveStop();
    void SetCurveStop(double stop);
    double GetFrequency();
    void SetFrequency(double frequency);
    std::vector<POINT> GetLeftBorder();
    std::vector<POINT> GetRightBorder();
    int GetDecimalDigit();
    void SetDecimalDigit(int digits);
    void SetValueRangeType(int type);
    ScaleShowWays GetShowScale();
    void SetShowScale(ScaleShowWays ways);

protected:
    QXLOGPEN m_curvePen;
    QXLOGPEN m_squareWavePen;
    double m_dCurveStart = 0;
    double m_dCurveStop = 0;
    double m_dFrequency = 0;
    std::vector<POINT> m_leftBorder;
    std::vector<POINT> m_rightBorder;
    int m_nDecimalDigit = 2;
    int m_nValueRangeType = 0;
    ScaleShowWays m_showScale = SCALE_SHOW;
};

class InWpSegment : public InWpContent {
public:
    InWpSegment();
    ~InWpSegment() override;

    int GetDataSource();
    void SetDataSource(int source);

protected:
    int m_nDataSource = 0;
};

class InWpStratum : public InWpSegment {
public:
    InWpStratum();
    ~InWpStratum() override;

    int IsBackColorShowed();
    void ShowBackColor(int show);
    bool IsShowDivideLine();
    void ShowDivideLine(bool show);
    bool IsShowDividePoint();
    void ShowDividePoint(bool show);
    QXLOGPEN& GetLinepen();
    void SetLinepen(const QXLOGPEN& pen);
    QXLOGPOINT& GetDividePoint();
    void SetDevidePoint(const QXLOGPOINT& point);

protected:
    int m_nBackColorShowed = 0;
    bool m_bShowDivideLine = false;
    bool m_bShowDividePoint = false;
    QXLOGPEN m_linePen;
    QXLOGPOINT m_dividePoint;
};

class InWpFacies : public InWpSegment {
public:
    InWpFacies();
    ~InWpFacies() override;

    int GetDevideLineShow();
    void SetDevideLineShow(int show);
    QXLOGPEN GetLinePen();
    void SetLinePen(QXLOGPEN pen);

protected:
    int m_nDevideLineShow = 0;
    QXLOGPEN m_linePen;
};

class InWpParam : public InWpSegment {
public:
    InWpParam();
    ~InWpParam() override;

    CString GetDataType();
    void SetDataType(CString type);
    CString GetDataTable();
    void SetDataTable(CString table);
    CString GetDataField();
    void SetDataField(CString field);
    void SetTextFont(const QXLOGFONT& font);

    // Kit library.
    QXLOGFONT& GetTextFont();

protected:
    CString m_strDataType;
    CString m_strDataTable;
    CString m_strDataField;
    QXLOGFONT m_textFont;
};

class InWpResult : public InWpSegment {
public:
    InWpResult();
    ~InWpResult() override;

    CString GetDataType();
    void SetDataType(CString type);
    CString GetDataTable();
    void SetDataTable(CString table);
    CString GetDataField();
    void SetDataField(CString field);
    QXLOGPOINT& GetDivideLogPoint();
    void SetDivideLogPoint(const QXLOGPOINT& point);
    bool IsDividePointVisible();
    void SetDividePointVisible(bool visible);
    QXLOGPEN& GetDivideLinePen();
    void SetDivideLinePen(const QXLOGPEN& pen);
    bool IsDivideLineVisible();
    void SetDivideLineVisible(bool visible);
    bool IsLabelVisible();
    void SetLabelVisible(bool visible);
    QXLOGFONT& GetLabelFont();
    void SetLabelFont(const QXLOGFONT& font);
    void SetSegBKColor(COLORREF color);

    // Kit library.
    COLORREF GetSegBKColor();

protected:
    CString m_strDataType;
    CString m_strDataTable;
    CString m_strDataField;
    QXLOGPOINT m_divideLogPoint;
    bool m_bDividePointVisible = false;
    QXLOGPEN m_divideLinePen;
    bool m_bDivideLineVisible = false;
    bool m_bLabelVisible = false;
    QXLOGFONT m_labelFont;
    COLORREF m_segBKColor = 0;
};
