// CWpOilTest: oil-test results per interval, drawn as a table or chart.
#pragma once

#include <list>
#include <vector>

#include "hosttypes/Zephyr/WpContent.h"
#include "hosttypes/Zephyr/WpSegmentRecords.h"

class CWpWell;
class WDMgrIO;

class CWpOilTest : public CWpContent {
    DECLARE_DYNAMIC(CWpOilTest)
public:
    CWpOilTest();
    ~CWpOilTest() override;  // deletes its segments
    WPKITTYPE GetWpKitType() override;

    int GetSegCount();
    CgOilTestSegment* GetActiveSeg();  // NULL when none is active
    std::list<CgOilTestSegment*>& GetSegList();
    std::vector<float>* GetColWidth();
    CWpWell* GetWell();
    void SetWell(CWpWell* well);
    // The owning well's data; NULL while the kit has no well.
    WDMgrIO* GetDataMgr();
    CString GetDataType();
    CString GetDataTable();

    // Kit library.
    void SetActiveSegIndex(int i);

    // Whether the kit was last edited on its pie page; its property sheet then opens there.
    // Read and written directly.
    bool m_bPieActive = false;

protected:
    std::list<CgOilTestSegment*> m_segments;
    int m_nActiveSeg = -1;
    std::vector<float> m_colWidth;
    CWpWell* m_pWell = nullptr;
    CString m_strDataType;
    CString m_strDataTable;
};
