// CWpOilTest: oil-test results per interval, drawn as a table or chart.
#pragma once

#include <list>
#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Zephyr/WpContent.h"
#include "hosttypes/Zephyr/WpSegmentRecords.h"

class CDIOilTest;
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

    // ---- the table and the graphic-and-text track (read and written directly) ----
    // Counts are written through SetRowNumber / SetColNumber, which keep one cell text per cell.
    void SetRowNumber(int rows);
    void SetColNumber(int cols);
    // The oil-test data object whose fields the cells and pie attributes name; NULL for none.
    CDIOilTest* GetData();
    // Kit library: the kit takes data over (NULL drops the one it held).
    void SetData(CDIOilTest* data);
    // Cell text index (row x column count + column) := text; an index outside the texts is passed over.
    void UpdateField(int index, const CString& text);

    int m_nDisplayStyle = 1;  // 0 graphic and text, 1 table
    int m_nFillMode = 0;      // 0 by test result, 1 one colour, 2 none
    COLORREF m_clrFill = 0;
    int m_nShowText = 1;
    int m_nRowNumber = 3;  // through SetRowNumber
    int m_nColNumber = 4;  // through SetColNumber
    int m_nTableAlignH = 0;  // 0 left, 1 centre, 2 right
    int m_nTableAlignV = 0;  // 0 top, 1 centre, 2 bottom
    QXLOGPEN m_gridPen;
    QXLOGFONT m_cellFont;
    double m_dBarWidth = 0.5;  // fraction of the kit's width taken by the bar track
    int m_nDataChoice = 0;     // 0 daily, 1 cumulative
    COLORREF m_clrOil = 0;
    COLORREF m_clrGas = 0;
    COLORREF m_clrWater = 0;
    int m_nShowDivider = 1;
    QXLOGPEN m_dividerPen;
    int m_nShowLabel = 1;
    QXLOGFONT m_labelFont;
    int m_nDecimals = 2;
    int m_nLabelAlignH = 1;
    int m_nLabelAlignV = 1;
    std::vector<CString> m_cellTexts = std::vector<CString>(12);  // row by row

    // ---- the pie charts (read and written directly) ----
    int m_nPieShow = 1;
    int m_nPieDataChoice = 0;  // 0 daily, 1 cumulative
    COLORREF m_clrPieOil = 0;
    COLORREF m_clrPieGas = 0;
    COLORREF m_clrPieWater = 0;
    int m_nPieShowValue = 1;
    int m_nPieShowPercent = 1;
    QXLOGFONT m_pieLabelFont;
    int m_nPieDecimals = 2;
    QXLOGPEN m_pieOutlinePen;
    int m_nPieLeader = 1;
    QXLOGPEN m_pieLeaderPen;
    int m_nPieRadiusMode = 0;   // 0 fixed, 1 proportional
    double m_dPieRadius = 500;  // hundredths
    int m_nPieDrawNull = 0;
    int m_nPieSideShow = 0;
    QXLOGPEN m_pieMiddlePen;
    QXLOGFONT m_pieSideFont;
    std::vector<CString> m_pieUpper;  // field names written above the middle line
    std::vector<CString> m_pieLower;  // and below it

protected:
    std::list<CgOilTestSegment*> m_segments;
    int m_nActiveSeg = -1;
    std::vector<float> m_colWidth;
    CWpWell* m_pWell = nullptr;
    CString m_strDataType;
    CString m_strDataTable;
    CDIOilTest* m_pData = nullptr;
};
