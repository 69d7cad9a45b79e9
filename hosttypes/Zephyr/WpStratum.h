// CWpStratum: strata (units) along the well.
#pragma once

#include <string>

#include "hosttypes/Kestrel/StyleRecords.h"
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

protected:
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
