// CWpCorelith: core lithology intervals.
#pragma once

#include <string>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Zephyr/WpSegment.h"

class CWpCorelith : public CWpSegment {
    DECLARE_DYNAMIC(CWpCorelith)
public:
    CWpCorelith();
    ~CWpCorelith() override;
    WPKITTYPE GetWpKitType() override;

    void SetColthPer(double per);
    QXLOGFONT& GetNameFont();
    void SetNameFont(const QXLOGFONT& font);
    bool IsNameVisible();
    void SetNameVisible(bool visible);
    QXLOGPEN& GetDivideLogPen();
    void SetDivideLogPen(const QXLOGPEN& pen);
    bool IsDivideLineVisible();
    void SetDivideLineVisible(bool visible);
    QXLOGPOINT& GetDivideLogPoint();
    void SetDivideLogPoint(const QXLOGPOINT& point);
    bool IsDividePointVisible();
    void SetDividePointVisible(bool visible);
    CString GetDataName();
    std::string GetTableName();
    std::string GetCorelithField();
    std::string GetColorField();
    std::string GetOilCodeField();
    std::string GetCorelithCodeField();

    // Kit library.
    double GetColorPer();

protected:
    double m_dColthPer = 0;
    QXLOGFONT m_nameFont;
    bool m_bNameVisible = false;
    QXLOGPEN m_divideLogPen;
    bool m_bDivideLineVisible = false;
    QXLOGPOINT m_divideLogPoint;
    bool m_bDividePointVisible = false;
    CString m_strDataName;
    std::string m_strTableName;
    std::string m_strCorelithField;
    std::string m_strColorField;
    std::string m_strOilCodeField;
    std::string m_strCorelithCodeField;
};
