// CWpSidewallCore: sidewall cores shot along the well, with lithology and oil show.
#pragma once

#include <boost/shared_ptr.hpp>
#include <string>
#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "mfc/String.h"
#include "hosttypes/Zephyr/WpContent.h"
#include "hosttypes/Zephyr/WpSegmentRecords.h"

class LogCorelithMgrIO;

class CWpSidewallCore : public CWpContent {
    DECLARE_DYNAMIC(CWpSidewallCore)
public:
    CWpSidewallCore();
    ~CWpSidewallCore() override;
    WPKITTYPE GetWpKitType() override;  // kit library

    DATATYPE GetDataSource();
    std::string GetWellName();
    void SetWellName(const std::string& name);
    double GetWidthRate();
    void SetWidthRate(double rate);
    int GetLeft();
    void SetLeft(int left);
    int GetLithUp();
    void SetLithUp(int up);
    void GetLinePen(QXLOGPEN& pen);
    void SetLinePen(const QXLOGPEN& pen);
    // A second owner of the active core (empty when none is active).
    boost::shared_ptr<CSidewallCoreSeg> GetActiveCoreSeg();
    void SetCorelithMgr(LogCorelithMgrIO* mgr);
    std::string GetDataTable();
    std::string GetLithologyField();
    std::string GetOilField();
    // kit library: the source and its fields; the table and fields joined by blanks as the data name.
    void SetDataSource(DATATYPE source);
    void SetDataTable(const std::string& table);
    void SetLithologyField(const std::string& field);
    void SetOilField(const std::string& field);
    CString ComposeDataName();
    CString GetDataName();
    // kit library: the active core's depth, lithology and oil show; nothing without an active core.
    void SetCoreDep(double depth);
    void SetSelectCoreLith(const std::string& lithology);
    void SetSelectCoreOil(const std::string& oil);
    LogCorelithMgrIO* GetCorelithMgr();
    // Makes core i (0-based, among the kit's cores, added when missing) the active one; -1 none.
    void SetActiveCore(int i);
    bool IsDrawActive();
    void SetDrawActive(bool draw);

    // Read and written directly by the sidewall-core list, in this order.
    QXLOGPEN m_linePen;
    DATATYPE m_dataSource = DATA_WELL;
    double m_dWidthRate = 0;
    int m_nLeft = 0;
    int m_nLithUp = 0;
    bool m_bDrawActive = false;

protected:
    std::string m_strWellName;
    std::vector<boost::shared_ptr<CSidewallCoreSeg>> m_cores;
    boost::shared_ptr<CSidewallCoreSeg> m_activeCore;
    LogCorelithMgrIO* m_pCorelithMgr = nullptr;
    std::string m_strDataTable;
    std::string m_strLithologyField;
    std::string m_strOilField;
    CString m_strDataName;
};
