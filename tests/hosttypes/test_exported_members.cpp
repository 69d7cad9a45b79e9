// Members of the controls, graph-tool, well-data, scattered-data, drawing-program and
// well-graph libraries that the module exports: cell ranges, the grid's cell access, the
// tree and slider accessors, the text pass-through of the graph-tool contexts, direction
// codes, record defaults, the catalogue managers and the depth ruler.
#include <gtest/gtest.h>

#include <boost/make_shared.hpp>
#include <string>
#include <vector>

#include "hostlibs/Osprey/WellDataTesting.h"
#include "hostlibs/Spindle/Testing.h"
#include "hosttypes/Juniper/ProcessDialog.h"
#include "hosttypes/Juniper/QXMFile.h"
#include "hosttypes/Kestrel/EmfDC.h"
#include "hosttypes/Kestrel/InterPoint.h"
#include "hosttypes/Kestrel/Interpreter.h"
#include "hosttypes/Kestrel/KelBaseDC.h"
#include "hosttypes/Kestrel/PaletteItem.h"
#include "hosttypes/Kestrel/PointSegment.h"
#include "hosttypes/Kestrel/QXTrickRect.h"
#include "hosttypes/Marlin/MyRecordset.h"
#include "hosttypes/Marlin/TableInformation.h"
#include "hosttypes/Marlin/XLAutomation.h"
#include "hosttypes/Osprey/DepthData.h"
#include "hosttypes/Osprey/ExcelOperate.h"
#include "hosttypes/Osprey/LogWriter.h"
#include "hosttypes/Osprey/StratumCoorSys.h"
#include "hosttypes/Osprey/TableDefinition.h"
#include "hosttypes/Osprey/WellDataManager.h"
#include "hosttypes/Osprey/WellDataTables.h"
#include "hosttypes/Rivet/DlgErrorStat.h"
#include "hosttypes/Rivet/LineData.h"
#include "hosttypes/Rivet/MutiColPtData.h"
#include "hosttypes/Rivet/PointData.h"
#include "hosttypes/Rivet/TriangleGrid.h"
#include "hosttypes/Sorrel/ProgramNode.h"
#include "hosttypes/Spindle/GridCtrl.h"
#include "hosttypes/Spindle/MultiSelectTreeCtrl.h"
#include "hosttypes/Spindle/MultiSlider.h"
#include "hosttypes/Tinder/TimeStamp.h"
#include "hosttypes/Vireo/QXWellGraphDepthRuler.h"
#include "hosttypes/Vireo/WellGraphRecords.h"
#include "hosttypes/Wicket/ContourDialogs.h"
#include "hosttypes/Wicket/ScatteredTools.h"

namespace {

// ---- cell ranges --------------------------------------------------------------------------

TEST(CellRange, StoresBoundsInArgumentOrder) {
    CCellRange range(1, 2, 3, 5);
    EXPECT_EQ(1, range.GetMinRow());
    EXPECT_EQ(2, range.GetMinCol());
    EXPECT_EQ(3, range.GetMaxRow());
    EXPECT_EQ(5, range.GetMaxCol());
    range.Set(4, 3, 6, 7);
    EXPECT_EQ(CCellRange(4, 3, 6, 7), range);
    EXPECT_EQ(CCellID(4, 3), range.GetTopLeft());
}

TEST(CellRange, CountsRowsTimesColumns) {
    const CCellRange range(1, 2, 3, 5);  // rows 1..3, columns 2..5
    EXPECT_EQ(3, range.GetRowSpan());
    EXPECT_EQ(4, range.GetColSpan());
    EXPECT_EQ(12, range.Count());
    EXPECT_EQ(1, CCellRange(0, 0, 0, 0).Count());
}

TEST(CellRange, InvalidRangesHoldNoCells) {
    EXPECT_FALSE(CCellRange().IsValid());
    EXPECT_EQ(0, CCellRange().Count());  // the formula alone would give 1
    EXPECT_FALSE(CCellRange(-1, 0, 2, 2).IsValid());
    EXPECT_FALSE(CCellRange(0, 0, 2, -1).IsValid());
    EXPECT_FALSE(CCellRange(3, 0, 2, 2).IsValid());
    EXPECT_FALSE(CCellRange(0, 3, 2, 2).IsValid());
    EXPECT_EQ(0, CCellRange(3, 0, 2, 2).Count());
    EXPECT_TRUE(CCellRange(2, 2, 2, 2).IsValid());
}

TEST(CellRange, InRangeIsInclusive) {
    const CCellRange range(1, 2, 3, 5);
    EXPECT_TRUE(range.InRange(1, 2));
    EXPECT_TRUE(range.InRange(3, 5));
    EXPECT_TRUE(range.InRange(CCellID(2, 4)));
    EXPECT_FALSE(range.InRange(0, 2));
    EXPECT_FALSE(range.InRange(4, 5));
    EXPECT_FALSE(range.InRange(CCellID(3, 6)));
    EXPECT_FALSE(range.InRange(CCellID(2, 1)));
}

TEST(CellRange, IntersectTakesLargerMinimumsAndSmallerMaximums) {
    const CCellRange a(1, 1, 5, 5);
    const CCellRange b(3, 0, 8, 2);
    EXPECT_EQ(CCellRange(3, 1, 5, 2), a.Intersect(b));
    EXPECT_EQ(a.Intersect(b), b.Intersect(a));
    EXPECT_EQ(6, a.Intersect(b).Count());
    EXPECT_EQ(a, a.Intersect(a));
}

TEST(CellRange, DisjointIntersectionIsEmpty) {
    // Rows 1..2 and 5..6 do not meet: the intersection runs backwards in both directions, which
    // the bare product of the spans would count as one cell.
    const CCellRange a(1, 1, 2, 2);
    const CCellRange b(5, 5, 6, 6);
    const CCellRange both = a.Intersect(b);
    EXPECT_FALSE(both.IsValid());
    EXPECT_EQ(0, both.Count());
    // Rows meet, columns do not: the bare product would be negative.
    EXPECT_EQ(0, CCellRange(0, 0, 9, 1).Intersect(CCellRange(0, 5, 9, 6)).Count());
}

TEST(CellRange, EqualityComparesAllFourBounds) {
    EXPECT_TRUE(CCellRange(1, 2, 3, 4) == CCellRange(1, 2, 3, 4));
    EXPECT_TRUE(CCellRange(1, 2, 3, 4) != CCellRange(1, 2, 3, 5));
    EXPECT_TRUE(CCellRange(1, 2, 3, 4) != CCellRange(2, 1, 3, 4));
    CCellRange r(1, 2, 3, 4);
    r.SetMinRow(0);
    EXPECT_EQ(CCellRange(0, 2, 3, 4), r);
}

TEST(CellID, ValidityAndEquality) {
    EXPECT_FALSE(CCellID().IsValid());
    EXPECT_FALSE(CCellID(-1, 3).IsValid());
    EXPECT_FALSE(CCellID(3, -1).IsValid());
    EXPECT_TRUE(CCellID(0, 0).IsValid());
    EXPECT_TRUE(CCellID(1, 2) == CCellID(1, 2));
    EXPECT_TRUE(CCellID(1, 2) != CCellID(2, 1));
}

// ---- grid, tree and slider -------------------------------------------------------------------

class ExportedControls : public ::testing::Test {
protected:
    void SetUp() override { spindle::testing::Reset(); }
    void TearDown() override { spindle::testing::Reset(); }
};

// Reaches the grid's rows to make one without cells.
class RowlessGrid : public CGridCtrl {
public:
    RowlessGrid() : CGridCtrl(3, 2) {}
    void DropRowCells(int row) {
        GRID_ROW* cells = m_RowData[static_cast<std::size_t>(row)];
        for (CGridCellBase* cell : *cells) delete cell;
        delete cells;
        m_RowData[static_cast<std::size_t>(row)] = nullptr;
    }
    void ShortenRow(int row) {
        delete m_RowData[static_cast<std::size_t>(row)]->back();
        m_RowData[static_cast<std::size_t>(row)]->pop_back();
    }
};

TEST_F(ExportedControls, GridCellAccessOutsideTheGridFindsNothing) {
    CGridCtrl grid(3, 2, 1, 0);
    for (auto [row, col] : std::vector<std::pair<int, int>>{{-1, 0}, {0, -1}, {3, 0}, {0, 2}, {100, 100}}) {
        EXPECT_EQ(nullptr, grid.GetCell(row, col)) << row << "," << col;
        CGridCell cell;
        EXPECT_EQ(0, grid.SetCell(row, col, &cell)) << row << "," << col;
    }
    EXPECT_NE(nullptr, grid.GetCell(2, 1));
}

TEST_F(ExportedControls, GridSetCellReplacesThePointer) {
    CGridCtrl grid(2, 2);
    CGridCellBase* old = grid.GetCell(1, 1);
    auto* cell = new CGridCell;
    cell->SetText("值");
    EXPECT_EQ(1, grid.SetCell(1, 1, cell));
    EXPECT_EQ(cell, grid.GetCell(1, 1));
    EXPECT_STREQ("值", grid.GetCell(1, 1)->GetText());
    delete old;  // the grid now owns the new cell, the caller the old one
}

TEST_F(ExportedControls, GridRowWithoutCellsFindsNothing) {
    RowlessGrid grid;
    grid.DropRowCells(1);
    grid.ShortenRow(2);
    EXPECT_EQ(nullptr, grid.GetCell(1, 0));
    EXPECT_EQ(nullptr, grid.GetCell(2, 1));
    CGridCell cell;
    EXPECT_EQ(0, grid.SetCell(1, 0, &cell));
    EXPECT_EQ(0, grid.SetCell(2, 1, &cell));
    EXPECT_NE(nullptr, grid.GetCell(2, 0));
}

TEST_F(ExportedControls, GridResizeKeepsRemainingCells) {
    CGridCtrl grid(2, 2);
    CGridCellBase* kept = grid.GetCell(1, 1);
    grid.SetRowCount(4);
    grid.SetColumnCount(3);
    EXPECT_EQ(kept, grid.GetCell(1, 1));
    EXPECT_NE(nullptr, grid.GetCell(3, 2));
    grid.SetRowCount(1);
    EXPECT_EQ(nullptr, grid.GetCell(1, 1));
}

TEST_F(ExportedControls, GridAccessors) {
    CGridCtrl grid;
    EXPECT_EQ(0, grid.SetMouseMode(3));
    EXPECT_EQ(3, grid.SetMouseMode(5));
    grid.SetEditable(FALSE);
    EXPECT_FALSE(grid.IsEditable());
    grid.SetGridColor(RGB(1, 2, 3));
    EXPECT_EQ(RGB(1, 2, 3), grid.GetGridColor());
    grid.SetFixedColumnCount(2);
    EXPECT_EQ(2, grid.GetFixedColumnCount());
    EXPECT_EQ(CCellID(), grid.GetFocusCell());
    EXPECT_EQ(-1, grid.GetFocusColumn());
    EXPECT_EQ(0, grid.GetSelectedCount());
}

TEST_F(ExportedControls, GridEnsureVisibleForwardsRowAndColumn) {
    CGridCtrl grid(5, 5);
    CCellID cell(3, 4);
    grid.EnsureVisible(cell);
    EXPECT_EQ(std::vector<std::string>{"CGridCtrl::EnsureVisible(3,4)"}, spindle::testing::CallLog());
}

TEST_F(ExportedControls, TreeSelectionAndCaret) {
    CMultiSelectTreeCtrl tree;
    HTREEITEM a = tree.InsertItem("甲");
    HTREEITEM b = tree.InsertItem("乙", a);
    tree.SelectItem(b);
    EXPECT_EQ(nullptr, tree.GetFocusedItem());  // no window yet: the message reaches nobody

    ASSERT_TRUE(tree.Create(nullptr, "", WS_CHILD, CRect(0, 0, 100, 100), nullptr, 1));
    EXPECT_EQ(b, tree.GetFocusedItem());
    tree.SelectItem(nullptr);
    EXPECT_EQ(nullptr, tree.GetFocusedItem());

    tree.SetItemState(a, TVIS_SELECTED | 0x0004, TVIS_SELECTED | 0x0004);
    EXPECT_TRUE(tree.IsSelected(a));
    EXPECT_FALSE(tree.IsSelected(b));
    tree.SetItemState(a, 0, TVIS_SELECTED);
    EXPECT_FALSE(tree.IsSelected(a));
    EXPECT_EQ(0x0004u, tree.GetItemState(a, 0xFFFF));
    EXPECT_EQ(0, tree.SetBandingHit(7));
    EXPECT_EQ(7, tree.SetBandingHit(1));
    tree.DestroyWindow();
}

TEST_F(ExportedControls, SliderLayoutAndReset) {
    CMultiSlider slider(MLL_TOOLTIPS | MLL_DRAGCHANGES);
    EXPECT_TRUE(slider.GetLayoutFeature(MLL_TOOLTIPS));
    EXPECT_TRUE(slider.GetLayoutFeature(MLL_TOOLTIPS | MLL_TICKMARKS));
    EXPECT_FALSE(slider.GetLayoutFeature(MLL_TICKMARKS | MLL_FIXEDTOOLTIPS));

    slider.InsertMarker(1.0f, RGB(255, 0, 0));
    slider.AddColor(RGB(255, 0, 0));
    slider.ResetColors();
    EXPECT_EQ(0, slider.GetColorCount());
    EXPECT_EQ(1, slider.GetMarkersCount());
    EXPECT_TRUE(spindle::testing::CallLog().empty());

    slider.AddColor(RGB(0, 255, 0));
    slider.ResetAll();
    EXPECT_EQ(0, slider.GetColorCount());
    EXPECT_EQ(0, slider.GetMarkersCount());
    EXPECT_EQ(std::vector<std::string>{"CMultiSlider::CleanUp"}, spindle::testing::CallLog());
}

// ---- graph-tool contexts and records ------------------------------------------------------

TEST(KelBaseDC, PackedExtentSplitsIntoSignedWidthAndHeight) {
    EXPECT_EQ(CSize(-10, 16), SplitTextExtent(0x0010FFF6u));
    EXPECT_EQ(CSize(300, 20), SplitTextExtent((20u << 16) | 300u));
    EXPECT_EQ(CSize(-32768, 65535), SplitTextExtent(0xFFFF8000u));
}

TEST(KelBaseDC, TextPassesToTheOutputDevice) {
    CKelMetaDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CRect rect(0, 0, 50, 20);
    dc.TextOut(1, 2, "甲乙", -1);
    dc.ExtTextOut(3, 4, 0, nullptr, "abc", 2, nullptr);
    dc.DrawText("文字", -1, rect, DT_CENTER);
    const auto& calls = dc.GetCalls();
    ASSERT_EQ(3u, calls.size());
    EXPECT_EQ("TextOut", calls[1].op);
    EXPECT_EQ(CString("ab"), calls[1].text);
    EXPECT_EQ(CPoint(3, 4), calls[1].point);
    EXPECT_EQ("DrawText", calls[2].op);
    EXPECT_TRUE(dc.PtVisible(5, 5));
    EXPECT_TRUE(dc.RectVisible(rect));
    EXPECT_EQ(0, dc.Escape(1, 0, nullptr, nullptr));
}

TEST(KelBaseDC, TabbedTextOutAnswersTheExtent) {
    CKelBaseDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    // No font selected: 16 pixels high, 8 per GBK byte, tabs every 64 pixels.
    EXPECT_EQ(CSize(24, 16), dc.TabbedTextOut(0, 0, "abc", 3, 0, nullptr, 0));
    EXPECT_EQ(CSize(80, 16), dc.TabbedTextOut(0, 0, "a\t井", -1, 0, nullptr, 0));
    const int every = 40;
    EXPECT_EQ(CSize(88, 16), dc.TabbedTextOut(0, 0, "a\tb\tc", -1, 1, &every, 0));
    const int stops[] = {30, 100};
    EXPECT_EQ(CSize(108, 16), dc.TabbedTextOut(0, 0, "a\tb\tc", -1, 2, stops, 0));
    EXPECT_EQ(CString("a\tb\tc"), dc.GetCalls().back().text);
}

TEST(KelBaseDC, GrayStringUsesTheOutputFunctionOrTheText) {
    CKelBaseDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    static int seenCount = 0;
    static HDC seenDC = nullptr;
    auto output = [](HDC hdc, LPARAM, int count) -> BOOL {
        seenDC = hdc;
        seenCount = count;
        return TRUE;
    };
    EXPECT_TRUE(dc.GrayString(nullptr, output, 0, 5, 0, 0, 0, 0));
    EXPECT_EQ(dc.m_hDC, seenDC);
    EXPECT_EQ(5, seenCount);
    EXPECT_TRUE(dc.GetCalls().empty());

    const char* text = "灰色文字";
    EXPECT_TRUE(dc.GrayString(nullptr, nullptr, reinterpret_cast<LPARAM>(text), 0, 7, 8, 0, 0));
    ASSERT_EQ(1u, dc.GetCalls().size());
    EXPECT_EQ(CString(text), dc.GetCalls()[0].text);
    EXPECT_EQ(CPoint(7, 8), dc.GetCalls()[0].point);
}

TEST(InterPoint, DirectionCodes) {
    INTERPOINT p;
    p.SetLeftToRight(1);
    EXPECT_EQ(2, p.direction);
    EXPECT_EQ(1, p.GetLeftToRight());
    p.SetLeftToRight(0);
    EXPECT_EQ(20, p.direction);
    EXPECT_EQ(0, p.GetLeftToRight());
    // Codes under ten, and codes whose low byte masked by 0x0A is 2, read as left to right.
    for (int code : {0, 7, -9, 22, 0x102}) {
        p.direction = code;
        EXPECT_EQ(1, p.GetLeftToRight()) << code;
    }
    for (int code : {12, 10, 30, 0x10A}) {
        p.direction = code;
        EXPECT_EQ(0, p.GetLeftToRight()) << code;
    }
}

TEST(PaletteItem, ConstructionClearsItsState) {
    QXPALETTEITEM item;
    EXPECT_EQ(0u, item.state);
    item.state = 9;
    item.color = RGB(1, 2, 3);
    QXPALETTEITEM copy;
    copy = item;
    EXPECT_EQ(9u, copy.state);
    EXPECT_EQ(RGB(1, 2, 3), copy.color);
}

// ---- well data -----------------------------------------------------------------------------

class ExportedWellData : public ::testing::Test {
protected:
    void SetUp() override { osprey::testing::ResetWellDataManager(); }
    void TearDown() override { osprey::testing::ResetWellDataManager(); }
};

TEST_F(ExportedWellData, LithologyDefaults) {
    LITHOLOGY lith;
    EXPECT_STREQ("", lith.name);
    EXPECT_EQ(0, lith.code);
    EXPECT_EQ(1000u, lith.point.style);
    EXPECT_DOUBLE_EQ(30.0, lith.symbolSize);
    EXPECT_EQ(1000u, lith.brush.style);
    EXPECT_FLOAT_EQ(1000.0f, lith.brush.size);

    EXPECT_EQ(1000u, LITHOLOGYOIL().point.style);
    EXPECT_EQ(1000u, LITHOLOGYCONTAIN().point.style);
    EXPECT_EQ(1000u, LITHOLOGYPREFIX().point.style);
    EXPECT_EQ(1000u, LITHOLOGYSTRUCTURE().point.style);
    EXPECT_EQ(0, LITHOLOGYOIL().code);
    EXPECT_EQ(0u, LITHOLOGYCOLOR().color);
}

TEST_F(ExportedWellData, ConnectionAndSymbolDefaults) {
    const WELLCONNECTION connection;
    EXPECT_DOUBLE_EQ(0.0, connection.topDepth);
    EXPECT_DOUBLE_EQ(0.0, connection.bottomDepth);
    EXPECT_EQ(0, connection.type);
    const OLDWELLCONNECTION old;
    EXPECT_EQ(0, old.stratumCount + old.connectCount + old.sandCount);
    EXPECT_EQ(nullptr, old.stratumDepths);
    EXPECT_EQ(nullptr, old.connectCodes);
    EXPECT_EQ(nullptr, old.sandThicks);
    EXPECT_STREQ("", SYMBOLTYPE().name);
    EXPECT_EQ(0, ALIASNAME().type);
    EXPECT_STREQ("", ALIASNAME().name);
}

TEST_F(ExportedWellData, CatalogueResizingKeepsEntries) {
    CLithTypeManager lith;
    lith.SetLithSize(2);
    text::CopyToField(lith.GetLithArray()[0].name, kWellStyleNameSize, "砂岩");
    lith.SetLithSize(3);
    ASSERT_EQ(3, lith.GetLithCount());
    EXPECT_STREQ("砂岩", lith.GetLithArray()[0].name);
    EXPECT_EQ(1000u, lith.GetLithArray()[2].point.style);
    lith.SetColorSize(4);
    lith.SetOilSize(-1);
    EXPECT_EQ(4, lith.GetColorCount());
    EXPECT_EQ(0, lith.GetOilCount());
    EXPECT_EQ(nullptr, lith.GetOilArray());

    CSymbolManager symbols;
    symbols.SetArraySize(2);
    EXPECT_EQ(2, symbols.GetCount());
    EXPECT_NE(nullptr, symbols.GetData(1));
    EXPECT_EQ(nullptr, symbols.GetData(2));
}

TEST_F(ExportedWellData, FlowUnitsCopyInAndOut) {
    CFlowUnitManager* units = CWellDataManager::Instance()->GetFlowUnitManager();
    EXPECT_EQ(units, CWellDataManager::Instance()->GetFlowUnitManager());
    std::vector<FlowUnitData> in(2);
    in[0].name = "单元一";
    in[1].brush.fillColor = RGB(9, 9, 9);
    units->SetData(in);
    in[0].name = "changed";
    std::vector<FlowUnitData> out;
    units->GetData(out);
    ASSERT_EQ(2u, out.size());
    EXPECT_EQ(CString("单元一"), out[0].name);
    EXPECT_EQ(RGB(9, 9, 9), out[1].brush.fillColor);
    units->Clear();
    units->GetData(out);
    EXPECT_TRUE(out.empty());

    QXLOGPEN pen;
    pen.color = RGB(1, 2, 3);
    pen.width = 50;
    units->SetDefaultLogPen(pen);
    EXPECT_EQ(RGB(1, 2, 3), units->GetDefaultLogPen().color);
    QXLOGBRUSH brush;
    brush.style = kBrushStyleSolid;
    units->SetDefaultLogBrush(brush);
    EXPECT_EQ(kBrushStyleSolid, units->GetDefaultLogBrush().style);
}

TEST_F(ExportedWellData, StampMovesOnOutsideChange) {
    const uint64_t before = CWellDataManager::Instance()->GetTimeStamp();
    osprey::testing::TouchWellData();
    EXPECT_GT(CWellDataManager::Instance()->GetTimeStamp(), before);
}

TEST_F(ExportedWellData, TablesCopyTheirRows) {
    CWellPath path;
    WELLPATH row;
    row.wellName = "井1";
    row.depth = 1200.5;
    path.Add(row);
    CWellPath copy(path);
    copy.GetData(0)->depth = 1.0;
    EXPECT_DOUBLE_EQ(1200.5, path.GetData(0)->depth);
    EXPECT_EQ(nullptr, path.GetData(1));
    EXPECT_EQ(nullptr, path.GetData(-1));

    CTableDefinitionManager tables;
    CTableDefinition table;
    table.SetName("岩性数据");
    CColumnDefinition column;
    column.SetName("深度");
    column.SetType(1);
    table.AddColumnDefinition(column);
    tables.AddTableDefinition(table);
    ASSERT_NE(nullptr, tables.GetTableDefinition("岩性数据"));
    EXPECT_EQ(1, tables.GetTableDefinition("岩性数据")->GetColumnDefinition(0)->GetType());
    EXPECT_EQ(nullptr, tables.GetTableDefinition("岩性"));
    EXPECT_EQ(nullptr, tables.GetTableDefinition(nullptr));
}

// ---- scattered data, programs, general data -------------------------------------------------

TEST(ExportedRecords, ScatteredDefaults) {
    const SCATTEREDPOINTINDEX index;
    EXPECT_EQ(-1, index.index);
    EXPECT_EQ(3.4028234663852886e+38, index.value);
    const CONTOURSTEPVALUE step;
    EXPECT_DOUBLE_EQ(0.0, step.value);
    EXPECT_EQ(0, step.count);
    EXPECT_DOUBLE_EQ(5.0, step.size);
    EXPECT_EQ(1, step.lineVisible);
    EXPECT_EQ(1, step.fillVisible);
    EXPECT_EQ(0, step.labelVisible);
    EXPECT_EQ(0, step.selected);

    CStratummapTracer tracer;
    tracer.SetTraceType(3);
    EXPECT_EQ(3, tracer.GetTraceType());
    CStratummapTracer copy(tracer);
    EXPECT_EQ(3, copy.GetTraceType());
}

TEST(ExportedRecords, CopiesAreWhole) {
    POINTDATA point;
    point.name = "点";
    point.maxValue = 7.5;
    point.type = 2;
    const POINTDATA copy = point;
    EXPECT_EQ(CString("点"), copy.name);
    EXPECT_DOUBLE_EQ(7.5, copy.maxValue);
    EXPECT_EQ(2, copy.type);

    CCreateTextOption text;
    text.m_logFont.SetFaceName("宋体");
    text.m_dAngle = 1.5;
    const CCreateTextOption textCopy(text);
    EXPECT_EQ(CString("宋体"), textCopy.m_logFont.GetFaceName());
    EXPECT_DOUBLE_EQ(1.5, textCopy.m_dAngle);

    CInterpreter1 program;
    program.m_nodes.push_back(boost::make_shared<CProgramNodeBranch>());
    CInterpreter1 programCopy(program);
    EXPECT_EQ(program.m_nodes[0], programCopy.m_nodes[0]);

    CTableInformation info;
    auto* table = reinterpret_cast<ADOX::Table*>(&info);
    info.SetTable(table);
    EXPECT_EQ(table, CTableInformation(info).GetTable());
    EXPECT_FALSE(CMyRecordset().IsOpen());
}

// ---- well graphs ----------------------------------------------------------------------------

class CountingRuler : public CQXWellGraphDepthRuler {
public:
    void OnChanged(int hint) override {
        hints.push_back(hint);
        CQXWellGraphDepthRuler::OnChanged(hint);
    }
    std::vector<int> hints;
};

TEST(WellGraph, DepthRulerFollowsTheGraphsWell) {
    CQXObjectWellGraph graph;
    graph.SetWellName("W-12");
    CQXWellGraphDepthRuler ruler;
    ruler.SetWellGraph(&graph);
    EXPECT_EQ(&graph, ruler.GetWellGraph());
    EXPECT_EQ(CString("W-12"), ruler.GetWellName());
    graph.SetWellName("W-13");
    EXPECT_EQ(CString("W-12"), ruler.GetWellName());  // a copy, taken when set
    ruler.SetWellGraph(nullptr);
    EXPECT_EQ(nullptr, ruler.GetWellGraph());
    EXPECT_EQ(CString(""), ruler.GetWellName());
}

TEST(WellGraph, RulerSizeChangesAreAnnounced) {
    CountingRuler ruler;
    const uint64_t before = ruler.GetTimeStamp();
    ruler.SetWidth(12.5);
    ruler.SetHeight(40.0);
    EXPECT_EQ((std::vector<int>{0, 0}), ruler.hints);
    EXPECT_DOUBLE_EQ(12.5, ruler.GetWidth());
    EXPECT_DOUBLE_EQ(40.0, ruler.GetHeight());
    EXPECT_GT(ruler.GetTimeStamp(), before);
    ruler.SetDrawType(2);
    ruler.SetLeftBorderVisible(0);
    EXPECT_EQ(2u, ruler.hints.size());  // other settings are not announced
    EXPECT_EQ(2, ruler.GetDrawType());
    EXPECT_EQ(0, ruler.IsLeftBorderVisible());
}

class FaciesProbe : public CQXObjectWellGraphFacies {
public:
    void Set(int interline, int code) {
        m_nInterlineVisible = interline;
        m_nFaciesCode = code;
    }
};

TEST(WellGraph, FaciesFlagsAreTrueOnlyForOne) {
    FaciesProbe facies;
    facies.Set(1, 1);
    EXPECT_TRUE(facies.GetInterlineVisible());
    EXPECT_TRUE(facies.IsFaciesCode());
    facies.Set(2, -1);
    EXPECT_FALSE(facies.GetInterlineVisible());
    EXPECT_FALSE(facies.IsFaciesCode());
}

TEST(WellGraph, KindsAndRecords) {
    CQXObjectWellGraphFacies facies;
    EXPECT_TRUE(facies.IsKindOf(RUNTIME_CLASS(CQXObjectWellGraphObject)));
    EXPECT_TRUE(facies.IsKindOf(RUNTIME_CLASS(CQXObject)));
    EXPECT_FALSE(facies.IsKindOf(RUNTIME_CLASS(CQXObjectWellGraph)));
    CQXObjectWellGraphSynthesis synthesis;
    EXPECT_EQ(0, synthesis.IsLineVisible(WGS_POSITION_COUNT));
    EXPECT_EQ(0u, synthesis.GetPointOption(-1).style);

    const POTICON icon;
    EXPECT_DOUBLE_EQ(-999999.0, icon.x);
    EXPECT_DOUBLE_EQ(-999999.0, icon.y);
    const TEXTDATA text;
    EXPECT_TRUE(text.text.IsEmpty());
    EXPECT_EQ(0, text.align + text.direction);
    EXPECT_EQ(0, ICONTYPE().type);
}

}  // namespace
