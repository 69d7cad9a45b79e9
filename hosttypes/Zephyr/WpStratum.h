// CWpStratum: strata (units) along the well.
#pragma once

#include <string>
#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Zephyr/WDMgrIO.h"
#include "hosttypes/Zephyr/WpSegment.h"

class CWpStratum : public CWpSegment {
    DECLARE_DYNAMIC(CWpStratum)
public:
    CWpStratum();
    ~CWpStratum() override;
    WPKITTYPE GetWpKitType() override;

    STRATUMTYPE GetStratumType();
    void SetStratumType(STRATUMTYPE type);
    QXLOGPOINT& GetFaultLogPoint();
    void SetFaultLogPoint(const QXLOGPOINT& point);
    int IsFaultPointVisible();
    void SetFaultPointVisible(bool visible);
    QXLOGFONT& GetFontFault();
    void SetFontFault(const QXLOGFONT& font);
    QXLOGPEN& GetDivideLogPen();
    void SetDivideLogPen(const QXLOGPEN& pen);
    QXLOGPOINT& GetDivideLogPoint();
    void SetDivideLogPoint(const QXLOGPOINT& point);
    bool IsDivideLineVisible();
    void SetDivideLineVisible(bool visible);
    bool IsDividePointVisible();
    void SetDividePointVisible(bool visible);
    std::string GetTableName();
    std::string GetFiledName();

    // ---- kit library ----
    LogStratum2DIO* GetData();
    void SetData(LogStratum2DIO* data);
    void SetTableName(const std::string& name);
    void SetFiledName(const std::string& name);
    bool IsStratumNameShowed();
    void ShowStratumName(bool show);
    QXLOGFONT& GetSNFont();
    bool IsBkColorUsed();
    void UseBkColor(bool use);
    // The stratum name of interval i; "" outside the intervals or without a name.
    CString GetStratumName(int i);
    // Test and demo set-up: the name of interval i (ignored outside the intervals).
    void SetStratumName(int i, const CString& name);

protected:
    LogStratum2DIO* m_pData = nullptr;
    bool m_bStratumNameShow = false;
    QXLOGFONT m_snFont;
    bool m_bBkColorUsed = false;
    std::vector<CString> m_stratumNames;
    STRATUMTYPE m_stratumType = STRATUM_LEVEL0;
    QXLOGPOINT m_faultLogPoint;
    int m_nFaultPointVisible = 0;
    QXLOGFONT m_fontFault;
    QXLOGPEN m_divideLogPen;
    QXLOGPOINT m_divideLogPoint;
    bool m_bDivideLineVisible = false;
    bool m_bDividePointVisible = false;
    std::string m_strTableName;
    std::string m_strFiledName;
};
