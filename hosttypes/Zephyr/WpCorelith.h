// CWpCorelith: core lithology intervals.
#pragma once

#include <string>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Zephyr/LogCodeMgrIO.h"
#include "hosttypes/Zephyr/Observer.h"
#include "hosttypes/Zephyr/WDMgrIO.h"
#include "hosttypes/Zephyr/WpSegment.h"

// Its observer part watches the kit itself: NotifyObservee tells the kit's observers.
class CWpCorelith : public CWpSegment, public Observer {
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

    // ---- kit library: data, table and fields ----
    LogCorelithDIO* GetData();
    void SetData(LogCorelithDIO* data);
    void SetTableName(const std::string& name);
    void SetCorelithField(const std::string& field);
    void SetColorField(const std::string& field);
    void SetOilCodeField(const std::string& field);
    void SetCorelithCodeField(const std::string& field);
    // ---- kit library: column shares (0 to 1; others are refused) and background ----
    double GetCtOilPer();
    double GetColthTypePer();
    bool SetColorPer(double per);
    bool SetCtOilPer(double per);
    bool UseColthBkColor();
    void SetColthUseBkColor(bool use);
    // ---- kit library: names of interval i; a setter answers false for an index outside ----
    CString GetColthName(int i);
    bool SetColthName(const CString& name, int i);
    CString GetColorName(int i);
    bool SetColorName(const CString& name, int i);
    CString GetCtOilName(int i);
    CString GetContentName(int i);
    // The oil-bearing name, or the content name when the kit's data give contents (oil kind 2).
    bool SetCtOilName(const CString& name, int i);
    CString GetColthTypeName(int i);
    bool SetColthTypeName(const CString& name, int i);
    // The code tables, shared by every lithology kit.
    LogCorelithMgrIO* GetColthMgr();

protected:
    struct SegNames {
        CString colth;
        CString color;
        CString ctOil;
        CString content;
        CString colthType;
    };
    // The names of interval i, or NULL for an index outside the intervals.
    SegNames* NamesOf(int i);

    LogCorelithDIO* m_pData = nullptr;
    double m_dColorPer = 0.3;
    double m_dCtOilPer = 0.2;
    bool m_bUseColthBkColor = false;
    std::vector<SegNames> m_segNames;

    double m_dColthPer = 0.5;
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
