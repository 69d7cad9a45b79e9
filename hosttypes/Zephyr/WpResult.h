// CWpResult: interpretation results per interval.
#pragma once

#include <list>
#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Zephyr/WpContent.h"
#include "hosttypes/Zephyr/WpSegmentRecords.h"

class LogParaDMgrIO;

class CWpResult : public CWpContent {
    DECLARE_DYNAMIC(CWpResult)
public:
    CWpResult();
    ~CWpResult() override;  // deletes its segments
    WPKITTYPE GetWpKitType() override;

    int GetSegCount();
    std::list<CgResultSegment*>& GetSegList();
    // The first of GetTableNameCount() table names (NULL when there are none).
    CString* GetTableNames();
    int GetTableNameCount();
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

    // ---- data source and the active interval (kit library) ----
    // Stores the source (type, table, field) and reloads the conclusions; true.
    bool SetData(CString type, CString table, CString field);
    // The catalogue of tables and fields the kit's sources offer; NULL when there is none.
    LogParaDMgrIO* GetDataInfo();
    void SetDataInfo(LogParaDMgrIO* info);
    // The active interval: depths 0 and an empty conclusion when there is none.
    double GetActiveSegTopDepth();
    double GetActiveSegBotDepth();
    CString GetActiveSegValue();
    void SetActiveSegValue(CString value);
    void SetActiveSeg(double top, double bottom, CString value);

protected:
    std::list<CgResultSegment*> m_segments;
    std::vector<CString> m_tableNames;
    CString m_strDataType;
    CString m_strDataTable;
    CString m_strDataField;
    QXLOGPOINT m_divideLogPoint;
    bool m_bDividePointVisible = false;
    QXLOGPEN m_divideLinePen;
    bool m_bDivideLineVisible = false;
    bool m_bLabelVisible = false;
    QXLOGFONT m_labelFont;
    // Kit library.
    LogParaDMgrIO* m_pDataInfo;
    double m_dActiveTop = 0;
    double m_dActiveBottom = 0;
    CString m_strActiveValue;
};
