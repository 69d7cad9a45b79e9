// CWpSand: sand bodies along the well.
#pragma once

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Zephyr/WpSegment.h"

class CWpSand : public CWpSegment {
    DECLARE_DYNAMIC(CWpSand)
public:
    CWpSand();
    ~CWpSand() override;
    WPKITTYPE GetWpKitType() override;

    int GetSymbleType();
    int GetVLinePos();
    float GetLineSize();
    double GetSymbleLeftPos();
    double GetSymbleRightPos();
    QXLOGPEN& GetLogDividePen();
    void SetLogDividePen(QXLOGPEN& pen);
    bool IsDivideLineVisible();
    void SetDivideLineVisible(bool visible);
    bool IsFill();
    void SetFill(bool fill);
    COLORREF GetFillColor();
    void SetFillColor(COLORREF color);
    CString GetDataName();

protected:
    int m_nSymbleType = 0;
    int m_nVLinePos = 0;
    float m_fLineSize = 0;
    double m_dSymbleLeftPos = 0;
    double m_dSymbleRightPos = 0;
    QXLOGPEN m_divideLogPen;
    bool m_bDivideLineVisible = false;
    bool m_bFill = false;
    COLORREF m_fillColor = 0;
    CString m_strDataName;
};
