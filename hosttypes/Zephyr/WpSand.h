// CWpSand: sand bodies along the well.
#pragma once

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Zephyr/WDMgrIO.h"
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

    // ---- kit library ----
    void SetSymbleType(int type);  // 0 colour segment, 1 I-shape
    void SetSymbleLeftPos(double pos);
    void SetSymbleRightPos(double pos);
    void SetVLinePos(int pos);  // -1 left, 0 middle, 1 right, 2 both, 3 none
    bool IsThkTextShow();
    void ShowThkText(bool show);
    QXLOGFONT& GetThkTextFont();
    double GetThkTextPos();
    // False, nothing changed, for a position outside 0 to 1 (a fraction of the track width).
    bool SetThkTextPos(double pos);
    int GetThkTextPrecision();
    void SetThkTextPrecision(int digits);
    LogSandDIO* GetData();
    void SetData(LogSandDIO* data);
    void SetDataName(const CString& name);

protected:
    bool m_bThkTextShow = false;
    QXLOGFONT m_thkTextFont;
    double m_dThkTextPos = 0.5;
    int m_nThkTextPrecision = 2;
    LogSandDIO* m_pData = nullptr;
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
