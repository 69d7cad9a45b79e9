// The interpretation-result page's source and display groups, the sand-stratum page's source and
// level (a level outside the five shows nothing), and the sand-stratum option grids: rows filled
// only where a record and a row exist, cell edits and block edits written back cell by cell, refused
// cells changing nothing but their text.
#include <cmath>

#include "WellPlotFixture.h"
#include "driver/CellGridDriver.h"
#include "framework/ModuleFamilies.h"
#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "hosttypes/Zephyr/WpResult.h"
#include "hosttypes/Zephyr/WpSandStratum.h"
#include "wellplot/intervals/DataSourceNames.h"
#include "wellplot/intervals/LstResult.h"
#include "wellplot/intervals/LstSandStratum.h"
#include "wellplot/intervals/LstSandStratumGrid.h"
#include "wellplot/intervals/PropWnd.h"

using wptest::CallsOn;
using wptest::Names;

namespace {

// ---- the data-source names ----------------------------------------------------------------------------------
TEST(DataSourceNames, TheTableLivesFromModuleLoadToUnloadAndTheTextsStayTheSame) {
    EXPECT_TRUE(IsDataSourceNamesBuilt());
    StopModuleFamilies();
    EXPECT_FALSE(IsDataSourceNamesBuilt());
    EXPECT_EQ(ShownSourceType("当前井"), "井数据");
    StartModuleFamilies();
    EXPECT_TRUE(IsDataSourceNamesBuilt());
    EXPECT_EQ(ShownSourceType("当前井"), "井数据");
    EXPECT_EQ(ShownSourceType("离散数据"), "离散数据");
    EXPECT_EQ(StoredSourceType("井数据"), "当前井");
    EXPECT_EQ(LevelName(4), "五级分层数据");
    EXPECT_EQ(StoredSourceKind(kGraphicsSource), "图形");
    EXPECT_EQ(StoredSourceKind(kScatteredSource), "离散数据");
    EXPECT_EQ(StoredSourceKind(kWellSource), "当前井");
}

// ---- the result page ----------------------------------------------------------------------------------------
class ResultPage : public wptest::OpenPage<CLstResult> {
public:
    ResultPage() : OpenPage(wptest::ForFirst<CLstResult, CWpResult>()) { zephyr::testing::ResetDataCatalogue(); }
    CWpResult* kit() { return plot().First<CWpResult>(); }
};
using R = CLstResult;

TEST(ResultPage, GraphicsStoresTheLogInterpretationFieldAndWellDataAsksForCurrentWell) {
    ResultPage page;
    page.kit()->SetData("当前井", "测井解释", "解释结论");
    page.Show(page.kit());
    EXPECT_EQ(page.Value(R::kSourceTypeId), "井数据");
    EXPECT_EQ(page.Options(page.Item(R::kFieldId)), (Names{"解释结论", "孔隙度", "渗透率"}));
    // A text that names no type, reported from code, is refused and empties nothing.
    for (const char* refused : {"无此选项", ""})
        wptest::ExpectShownAgain(page, page.Item(R::kSourceTypeId), _variant_t(refused), "井数据", refused);
    EXPECT_EQ(page.Value(R::kFieldId), "解释结论");

    ASSERT_TRUE(page.Pick(R::kSourceTypeId, "图形"));
    EXPECT_EQ(page.kit()->GetDataType(), "图形");
    EXPECT_EQ(page.kit()->GetDataTable(), "");
    EXPECT_EQ(page.kit()->GetDataField(), "电测解释");
    EXPECT_EQ(CallsOn(page.kit()), (Names{"CWpResult::SetData"}));  // no redraw

    // "井数据" reported from code is that type: only the page changes until a field is chosen.
    parsnip::testing::ClearCallLog();
    const int redraws = page.Redraws();
    page.Report(page.Item(R::kSourceTypeId), _variant_t("井数据"));
    EXPECT_EQ(page.Value(R::kSourceTypeId), "井数据");
    EXPECT_EQ(page.kit()->GetDataType(), "图形");
    EXPECT_EQ(CallsOn(page.kit()), Names());
    EXPECT_EQ(page.Redraws(), redraws);
    EXPECT_TRUE(page.Enabled(R::kTableId));
    EXPECT_EQ(page.Options(page.Item(R::kTableId)), (Names{"测井解释", "分层数据"}));

    ASSERT_TRUE(page.Pick(R::kSourceTypeId, "井数据"));
    EXPECT_EQ(page.Options(page.Item(R::kTableId)), (Names{"测井解释", "分层数据"}));
    ASSERT_TRUE(page.Pick(R::kTableId, "分层数据"));
    ASSERT_TRUE(page.Pick(R::kFieldId, "层号"));
    EXPECT_EQ(page.kit()->GetDataType(), "当前井");
    EXPECT_EQ(page.kit()->GetDataTable(), "分层数据");
    EXPECT_EQ(page.kit()->GetDataField(), "层号");
}

TEST(ResultPage, HidingTheDivideLineDisablesItsStyleAndAStyleEditAppliesTheWholeGroup) {
    ResultPage page;
    page.kit()->SetDivideLineVisible(true);
    page.kit()->GetDivideLinePen().width = 50;
    page.Show(page.kit());
    CBCGPProp* width = page.Item(R::kLineStyleId + 2);
    EXPECT_TRUE(width->IsEnabled());
    ASSERT_TRUE(page.Type(width, "1.5"));
    EXPECT_FLOAT_EQ(page.kit()->GetDivideLinePen().width, 150);
    EXPECT_EQ(CallsOn(page.kit()), (Names{"CWpKit::InvalidSelf", "CWpKit::InvalidSelf", "CWpKit::UpdateParent"}));
    ASSERT_TRUE(page.Pick(R::kLineVisibleId, "否"));
    EXPECT_FALSE(page.kit()->IsDivideLineVisible());
    EXPECT_FALSE(width->IsEnabled());
}

// The point group reads a size text with no number, a negative zero or a number too small for the
// record ("1e-310") as 0: the size item then shows the size taken, never the typed text; a size
// typed as a number keeps its text.
TEST(ResultPage, ADividePointSizeTakenAsZeroShowsTheSizeTaken) {
    ResultPage page;
    page.kit()->SetDividePointVisible(true);
    page.kit()->GetDivideLogPoint().size = 250;
    page.Show(page.kit());
    CBCGPProp* size = page.Item(R::kPointStyleId + 2);
    EXPECT_EQ(page.Value(R::kPointStyleId + 2), "2.50");
    for (const char* zero : {"nan", "-0", "-0.0", "abc", "1e-310"}) {
        page.kit()->GetDivideLogPoint().size = 250;
        ASSERT_TRUE(page.Type(size, zero)) << zero;
        const float stored = page.kit()->GetDivideLogPoint().size;
        EXPECT_EQ(stored, 0) << zero;
        EXPECT_FALSE(std::signbit(stored)) << zero;
        EXPECT_EQ(page.Value(R::kPointStyleId + 2), "0.00") << zero;
    }
    ASSERT_TRUE(page.Type(size, "2.5"));
    EXPECT_FLOAT_EQ(page.kit()->GetDivideLogPoint().size, 250);
    EXPECT_EQ(page.Value(R::kPointStyleId + 2), "2.5");
}

// ---- the sand-stratum page ----------------------------------------------------------------------------------
class StratumPage : public wptest::OpenPage<CLstSandStratum> {
public:
    CWpSandStratum* kit() { return plot().First<CWpSandStratum>(); }
};
using S = CLstSandStratum;

TEST(SandStratumPage, GraphicsShowsNoLevelAndWellDataOffersTheFiveLevels) {
    StratumPage page;
    page.kit()->DataType(DATA_GRAPHIC);
    page.Show(page.kit());
    EXPECT_EQ(page.Value(S::kSourceTypeId), "图形");
    EXPECT_EQ(page.Value(S::kLevelId), "");
    EXPECT_TRUE(page.Options(page.Item(S::kLevelId)).empty());
    // Offered or not, a level name reported from code is that level.
    for (const auto& [name, grade] : {std::make_pair("四级分层数据", 3), std::make_pair("一级分层数据", 0)}) {
        parsnip::testing::ClearCallLog();
        page.Report(page.Item(S::kLevelId), _variant_t(name));
        EXPECT_EQ(page.kit()->Grade(), grade) << name;
        EXPECT_EQ(page.Value(S::kLevelId), name);
        EXPECT_EQ(CallsOn(page.kit()),
                  (Names{"CWpSandStratum::UpdateD2V", "CWpKit::InvalidSelf", "CWpKit::UpdateParent"}));
    }
    EXPECT_EQ(page.kit()->DataType(), DATA_GRAPHIC);
    EXPECT_TRUE(page.Options(page.Item(S::kLevelId)).empty());
    parsnip::testing::ClearCallLog();

    ASSERT_TRUE(page.Pick(S::kSourceTypeId, "井数据"));
    EXPECT_EQ(page.kit()->DataType(), DATA_WELL);
    EXPECT_EQ(page.Options(page.Item(S::kLevelId)),
              (Names{"一级分层数据", "二级分层数据", "三级分层数据", "四级分层数据", "五级分层数据"}));
    EXPECT_EQ(page.Value(S::kLevelId), "");
    EXPECT_TRUE(CallsOn(page.kit()).empty());  // drawn with the next redraw

    ASSERT_TRUE(page.Pick(S::kLevelId, "三级分层数据"));
    EXPECT_EQ(page.kit()->Grade(), 2);
    EXPECT_EQ(CallsOn(page.kit()), (Names{"CWpSandStratum::UpdateD2V", "CWpKit::InvalidSelf", "CWpKit::UpdateParent"}));

    // Any text but "图形", reported from code, is well data, and shows as the well data taken.
    for (const char* text : {"无此选项", ""}) {
        page.kit()->DataType(DATA_GRAPHIC);
        page.Report(page.Item(S::kSourceTypeId), _variant_t(text));
        EXPECT_EQ(page.kit()->DataType(), DATA_WELL) << text;
        EXPECT_EQ(page.Value(S::kSourceTypeId), "井数据") << text;
        EXPECT_EQ(page.Options(page.Item(S::kLevelId)).size(), 5u);
        EXPECT_EQ(page.Value(S::kLevelId), "");
        page.Show(page.kit());
        EXPECT_EQ(page.Value(S::kSourceTypeId), "井数据") << text;
    }
    // A level is one of the five names: any other text writes and redraws nothing.
    ASSERT_TRUE(page.Pick(S::kLevelId, "五级分层数据"));
    EXPECT_EQ(page.kit()->Grade(), 4);
    for (const char* refused : {"无此选项", "", "六级分层数据"})
        wptest::ExpectShownAgain(page, S::kLevelId, _variant_t(refused), "五级分层数据", refused);
    EXPECT_EQ(page.kit()->Grade(), 4);
    // A switch reads any text but "是" as no, and shows the "否" taken.
    page.Report(page.Item(S::kSameDistanceId), _variant_t("无此选项"));
    EXPECT_FALSE(page.kit()->ValidSameDistance());
    EXPECT_EQ(page.Value(S::kSameDistanceId), "否");
}

TEST(SandStratumPage, ALevelOutsideTheFiveShowsNothing) {
    StratumPage page;
    page.kit()->DataType(DATA_WELL);
    page.kit()->Grade(6);
    page.Show(page.kit());
    EXPECT_EQ(page.Value(S::kSourceTypeId), "井数据");
    EXPECT_EQ(page.Value(S::kLevelId), "");
    EXPECT_EQ(LevelName(-1), "");
}

TEST(SandStratumPage, PerforationDataSwitchesTheInStratumItemAtOnce) {
    StratumPage page;
    page.kit()->UseShootData(true);
    page.Show(page.kit());
    EXPECT_TRUE(page.Enabled(S::kOnlyInStratumId));
    ASSERT_TRUE(page.Pick(S::kUseShootDataId, "否"));
    EXPECT_FALSE(page.kit()->UseShootData());
    EXPECT_FALSE(page.Enabled(S::kOnlyInStratumId));
}

// ---- the option grids ---------------------------------------------------------------------------------------
template <class List>
class GridPage : public wptest::OpenPage<List> {
public:
    // The kit given rows records (none asked for with 0).
    explicit GridPage(unsigned rows = 0) {
        if (rows) kit()->SetOptionRows(rows);
    }
    CWpSandStratum* kit() { return this->plot().template First<CWpSandStratum>(); }
    CGridCtrEx& cells() { return this->list().Grid(); }
    bool Edit(int row, int col, const std::string& text) { return platform::EditGridCell(cells(), row, col, text); }
};

TEST(SandStratumGrids, GridsAreLaidOutWithFixedNamesAndTwoRecordsFillTwoRows) {
    GridPage<CLstSandStratumFill> page;
    CGridCtrEx& g = page.cells();
    EXPECT_EQ(g.GetColumnCount(), 5);
    EXPECT_EQ(g.GetRowCount(), 8);
    EXPECT_EQ(g.GetColumnType(CLstSandStratumFill::kFillColorCol), GVCT_COLOR);
    EXPECT_EQ(g.GetFixedBkColor(), RGB(244, 244, 244));
    EXPECT_TRUE(g.IsDblClickHeaderSel());
    page.kit()->SetOptionRows(2);
    page.kit()->GetFillOption(1).show = FALSE;
    page.kit()->GetFillOption(1).brush.fillColor = RGB(9, 9, 9);
    page.Show(page.kit());
    EXPECT_EQ(g.GetItemText(1, 1), "TRUE");
    EXPECT_EQ(g.GetItemText(2, 1), "FALSE");
    EXPECT_EQ(g.GetItemBkColour(2, 4), RGB(9, 9, 9));
    EXPECT_EQ(g.GetItemText(3, 1), "有效厚度");  // no record: the row keeps its name
}

TEST(SandStratumGrids, OnlyExactlyTrueShowsARow) {
    GridPage<CLstSandStratumFill> page(3);
    page.Show(page.kit());
    ASSERT_TRUE(page.Edit(3, 1, "True"));
    EXPECT_EQ(page.kit()->GetFillOption(2).show, 0);
    EXPECT_EQ(CallsOn(page.kit()), (Names{"CWpKit::InvalidSelf", "CWpKit::UpdateParent"}));
    ASSERT_TRUE(page.Edit(3, 1, "TRUE"));
    EXPECT_EQ(page.kit()->GetFillOption(2).show, 1);
}

TEST(SandStratumGrids, LineColoursAndStylesArePickedAndWidthsTyped) {
    GridPage<CLstSandStratumLine> page(2);
    page.Show(page.kit());
    ASSERT_TRUE(platform::PickGridCellColour(page.cells(), 2, CLstSandStratumLine::kColorCol, RGB(1, 2, 3)));
    ASSERT_TRUE(platform::PickGridCellLineStyle(page.cells(), 2, CLstSandStratumLine::kLineStyleCol, 4));
    ASSERT_TRUE(page.Edit(2, CLstSandStratumLine::kWidthCol, "25abc"));
    EXPECT_EQ(page.kit()->GetLineOption(1).pen.color, RGB(1, 2, 3));
    EXPECT_EQ(page.kit()->GetLineOption(1).pen.style, 4u);
    EXPECT_FLOAT_EQ(page.kit()->GetLineOption(1).pen.width, 25);
    ASSERT_TRUE(page.Edit(2, CLstSandStratumLine::kLeftCol, "-0.5"));  // a position keeps its sign
    EXPECT_EQ(page.kit()->GetLineOption(1).left, -0.5);
    EXPECT_FALSE(platform::PickGridCellColour(page.cells(), 2, CLstSandStratumLine::kWidthCol, RGB(1, 2, 3)));
}

// A cell the page refuses (a negative width, one a float cannot hold, a position beyond a double or
// outside the track, decimals outside 0 to 15) writes nothing, redraws nothing, and the cell shows
// its text from before the edit.
template <class List>
void ExpectRefusedCellsChangeNothing(GridPage<List>& page, int col, std::initializer_list<const char*> refused) {
    const std::string before = page.cells().GetItemText(1, col).str();
    for (const char* text : refused) {
        parsnip::testing::ClearCallLog();
        const int redraws = page.Redraws();
        ASSERT_TRUE(page.Edit(1, col, text)) << text;
        EXPECT_EQ(CallsOn(page.kit()), Names()) << text;
        EXPECT_EQ(page.Redraws(), redraws) << text;
        EXPECT_EQ(page.cells().GetItemText(1, col), before) << text;
    }
}

TEST(SandStratumGrids, ARefusedCellChangesNothingAndShowsItsTextFromBefore) {
    {
        GridPage<CLstSandStratumLine> page(1);
        page.kit()->GetLineOption(0).pen.width = 25;
        page.Show(page.kit());
        ExpectRefusedCellsChangeNothing(page, CLstSandStratumLine::kWidthCol, {"-1", "1e999", "1e39"});
        ExpectRefusedCellsChangeNothing(page, CLstSandStratumLine::kLeftCol, {"1e999"});
        EXPECT_FLOAT_EQ(page.kit()->GetLineOption(0).pen.width, 25);
        EXPECT_EQ(page.cells().GetItemText(1, CLstSandStratumLine::kWidthCol), "25.000000");
    }
    {
        GridPage<CLstSandStratumText> page(1);
        using T = CLstSandStratumText;
        page.Show(page.kit());
        ASSERT_TRUE(page.Edit(1, T::kPositionCol, "100"));
        EXPECT_EQ(page.kit()->GetTextOption(0).position, 100);
        ASSERT_TRUE(page.Edit(1, T::kSizeCol, "9"));
        ASSERT_TRUE(page.Edit(1, T::kDecimalsCol, "3"));
        ExpectRefusedCellsChangeNothing(page, T::kPositionCol, {"150", "100.5", "-1"});
        ExpectRefusedCellsChangeNothing(page, T::kSizeCol, {"-5", "1e999"});
        ExpectRefusedCellsChangeNothing(page, T::kDecimalsCol, {"-2", "2000000000", "16"});
        EXPECT_EQ(page.kit()->GetTextOption(0).position, 100);
        EXPECT_FLOAT_EQ(page.kit()->GetTextOption(0).font.size, 900);
        EXPECT_EQ(page.kit()->GetTextOption(0).decimals, 3);
        EXPECT_EQ(page.cells().GetItemText(1, T::kPositionCol), "100");
    }
}

TEST(SandStratumGrids, TextSizesAreInHundredths) {
    GridPage<CLstSandStratumText> page(1);
    page.Show(page.kit());
    using T = CLstSandStratumText;
    ASSERT_TRUE(page.Edit(1, T::kSizeCol, "9"));
    EXPECT_FLOAT_EQ(page.kit()->GetTextOption(0).font.size, 900);
    zephyr::testing::Touch(page.kit());
    page.Show(page.kit());
    EXPECT_EQ(page.cells().GetItemText(1, T::kSizeCol), "9.00");
}

// An edit writes the field of its own cell: the others keep the values stored, with more digits than
// their cells show (a left or right of 0.1234567 shown "0.123457", a text position of 12.345 shown
// "12.35", a switch of 5 shown "TRUE"), a cell edit, a block edit and a whole row read back alike.
TEST(SandStratumGrids, AnEditWritesOnlyTheFieldOfItsCell) {
    {
        GridPage<CLstSandStratumLine> page(1);
        CWpSandStratum::LINEOPTION& o = page.kit()->GetLineOption(0);
        o.show = 5;
        o.left = 0.1234567;
        o.right = -2.0000004;
        o.pen.width = 0.1234567f;
        page.Show(page.kit());
        ASSERT_TRUE(page.list().ApplyGridRow(1));  // unedited: every field as stored
        EXPECT_EQ(o.show, 5);
        EXPECT_EQ(o.left, 0.1234567);
        EXPECT_EQ(o.right, -2.0000004);
        EXPECT_EQ(o.pen.width, 0.1234567f);
        EXPECT_EQ(CallsOn(page.kit()), (Names{"CWpKit::InvalidSelf", "CWpKit::UpdateParent"}));
        o.left = 7.25;  // changed since the grid showed it: its unedited cell brings back nothing
        ASSERT_TRUE(page.list().ApplyGridRow(1));
        EXPECT_EQ(o.left, 7.25);
        o.left = 0.1234567;
        page.cells().SetItemText(1, CLstSandStratumLine::kRightCol, "0.5");  // a cell set by code is read
        ASSERT_TRUE(page.list().ApplyGridRow(1));
        EXPECT_EQ(o.right, 0.5);
        EXPECT_EQ(o.left, 0.1234567);
        EXPECT_EQ(o.show, 5);
        page.cells().SetItemText(1, CLstSandStratumLine::kWidthCol, "-1");  // refused: only that cell changes
        parsnip::testing::ClearCallLog();
        EXPECT_FALSE(page.list().ApplyGridRow(1));
        EXPECT_EQ(o.pen.width, 0.1234567f);
        EXPECT_EQ(page.cells().GetItemText(1, CLstSandStratumLine::kWidthCol), "0.123457");
        EXPECT_EQ(CallsOn(page.kit()), Names());
    }
    {
        GridPage<CLstSandStratumText> page(1);
        CWpSandStratum::TEXTOPTIONEX& o = page.kit()->GetTextOption(0);
        o.position = 12.345;
        o.font.size = 1234.5f;
        o.decimals = 3;
        page.Show(page.kit());
        ASSERT_TRUE(page.list().ApplyGridRow(1));
        EXPECT_EQ(o.position, 12.345);
        EXPECT_EQ(o.font.size, 1234.5f);
        EXPECT_EQ(o.decimals, 3);
    }
    {
        GridPage<CLstSandStratumFill> page(2);
        for (unsigned i = 0; i < 2; ++i) {
            page.kit()->GetFillOption(i).left = 0.1234567;
            page.kit()->GetFillOption(i).right = 0.1234567;
        }
        page.Show(page.kit());
        EXPECT_EQ(page.cells().GetItemText(1, CLstSandStratumFill::kLeftCol), "0.123457");
        ASSERT_TRUE(page.Edit(1, CLstSandStratumFill::kShownCol, "FALSE"));
        ASSERT_TRUE(platform::PickGridCellColour(page.cells(), 1, CLstSandStratumFill::kFillColorCol, RGB(7, 8, 9)));
        ASSERT_TRUE(platform::SelectGridCells(page.cells(), 1, 1, 2, 1));
        ASSERT_TRUE(platform::EditSelectedGridCells(page.cells(), "FALSE"));
        for (unsigned i = 0; i < 2; ++i) {
            EXPECT_EQ(page.kit()->GetFillOption(i).show, 0) << i;
            EXPECT_EQ(page.kit()->GetFillOption(i).left, 0.1234567) << i;
            EXPECT_EQ(page.kit()->GetFillOption(i).right, 0.1234567) << i;
        }
        EXPECT_EQ(page.kit()->GetFillOption(0).brush.fillColor, RGB(7, 8, 9));
    }
    {
        GridPage<CLstSandStratumLine> page(1);
        page.kit()->GetLineOption(0).right = 0.1234567;
        page.Show(page.kit());
        ASSERT_TRUE(page.Edit(1, CLstSandStratumLine::kWidthCol, "2"));
        EXPECT_EQ(page.kit()->GetLineOption(0).right, 0.1234567);
    }
    {
        GridPage<CLstSandStratumText> page(1);
        page.kit()->GetTextOption(0).position = 12.345;
        page.Show(page.kit());
        ASSERT_TRUE(page.Edit(1, CLstSandStratumText::kSizeCol, "9"));
        ASSERT_TRUE(page.Edit(1, CLstSandStratumText::kDecimalsCol, "3"));
        EXPECT_EQ(page.kit()->GetTextOption(0).position, 12.345);
        EXPECT_FLOAT_EQ(page.kit()->GetTextOption(0).font.size, 900);
    }
}

// A block edit takes the cells it may and shows the others' stored values again; when it takes none
// it redraws nothing.
TEST(SandStratumGrids, ABlockEditOfRefusedCellsShowsTheStoredValuesAndRedrawsNothing) {
    GridPage<CLstSandStratumLine> page(2);
    page.kit()->GetLineOption(0).pen.width = 25;
    page.kit()->GetLineOption(1).pen.width = 0.5;
    page.Show(page.kit());
    const int redraws = page.Redraws();
    ASSERT_TRUE(
        platform::SelectGridCells(page.cells(), 1, CLstSandStratumLine::kWidthCol, 2, CLstSandStratumLine::kWidthCol));
    ASSERT_TRUE(platform::EditSelectedGridCells(page.cells(), "-1"));
    EXPECT_EQ(CallsOn(page.kit()), Names());
    EXPECT_EQ(page.Redraws(), redraws);
    EXPECT_FLOAT_EQ(page.kit()->GetLineOption(0).pen.width, 25);
    EXPECT_EQ(page.cells().GetItemText(1, CLstSandStratumLine::kWidthCol), "25.000000");
    EXPECT_EQ(page.cells().GetItemText(2, CLstSandStratumLine::kWidthCol), "0.500000");
}

TEST(SandStratumGrids, MoreRecordsThanRowsAndRowsWithoutRecordsAreNeverTouched) {
    GridPage<CLstSandStratumFill> page(12);  // more than the seven rows
    page.Show(page.kit());
    EXPECT_EQ(page.cells().GetRowCount(), 8);

    page.kit()->SetOptionRows(2);
    page.Show(page.kit());
    parsnip::testing::ClearCallLog();
    // Rows 3 to 7 keep what the records they had showed; an edit there writes nothing and, typed
    // into one cell or into a block, the cells show their texts from before again.
    const auto shown = [&page] {
        std::vector<std::string> texts;
        for (int row = 3; row <= 7; ++row)
            for (int col = 1; col <= CLstSandStratumFill::kFillColorCol; ++col)
                texts.push_back(page.cells().GetItemText(row, col).str() + "/" +
                                std::to_string(page.cells().GetItemBkColour(row, col)));
        return texts;
    };
    const std::vector<std::string> before = shown();
    ASSERT_TRUE(page.Edit(5, 1, "FALSE"));  // a row without a record
    ASSERT_TRUE(platform::PickGridCellColour(page.cells(), 4, CLstSandStratumFill::kFillColorCol, RGB(9, 8, 7)));
    EXPECT_EQ(shown(), before);
    ASSERT_TRUE(platform::SelectGridCells(page.cells(), 3, 1, 7, 4));
    ASSERT_TRUE(platform::EditSelectedGridCells(page.cells(), "FALSE"));
    EXPECT_EQ(shown(), before);
    EXPECT_TRUE(CallsOn(page.kit()).empty());
    EXPECT_EQ(page.kit()->GetFillOption(1).show, 1);
    // A block over rows with and without records writes the first and puts back the others.
    ASSERT_TRUE(platform::SelectGridCells(page.cells(), 2, 1, 3, 1));
    ASSERT_TRUE(platform::EditSelectedGridCells(page.cells(), "FALSE"));
    EXPECT_EQ(page.kit()->GetFillOption(1).show, 0);
    EXPECT_EQ(page.cells().GetItemText(2, 1), "FALSE");
    EXPECT_EQ(shown(), before);
}

TEST(SandStratumGrids, ABlockEditWritesEveryRowOfItAndRedrawsOnce) {
    GridPage<CLstSandStratumFill> page(4);
    page.Show(page.kit());
    const int redraws = page.Redraws();
    ASSERT_TRUE(platform::SelectGridCells(page.cells(), 1, 1, 3, 1));
    ASSERT_TRUE(platform::EditSelectedGridCells(page.cells(), "FALSE"));
    for (unsigned i = 0; i < 3; ++i) EXPECT_EQ(page.kit()->GetFillOption(i).show, 0) << i;
    EXPECT_EQ(page.kit()->GetFillOption(3).show, 1);
    EXPECT_EQ(CallsOn(page.kit()), (Names{"CWpKit::InvalidSelf", "CWpKit::UpdateParent"}));
    EXPECT_EQ(page.Redraws(), redraws + 1);
}

TEST(SandStratumGrids, AGridOwnedByAnotherWindowOnlyStoresTheText) {
    wptest::HostWindows host;
    CGridCtrEx grid;
    ASSERT_TRUE(grid.Create(CRect(0, 0, 200, 100), &host.frame, 77));
    grid.InsertColumn("类型");
    grid.InsertColumn("显示", DT_CENTER, -1, GVCT_SWITCH);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    grid.InsertRow("行");
    grid.SetOwnerPane(&host.frame);
    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(platform::EditGridCell(grid, 1, 1, "FALSE"));
    EXPECT_EQ(grid.GetItemText(1, 1), "FALSE");
    EXPECT_TRUE(wptest::AllCalls().empty());
    grid.DestroyWindow();
}

TEST(SandStratumSheet, ASandStratumKitOpensItsFourPagesAndOther) {
    wptest::HostWindows host;
    zephyr::PlotFixture plot;
    plot.BuildSample();
    CWnd* sheet = CPropWnd::Create(plot.First<CWpSandStratum>(), &host.frame);
    EXPECT_EQ(platform::TabCaptions(*sheet), (Names{"常规", "填充", "线", "文本", "其它"}));
    platform::DestroyAndDelete(sheet);
    sheet = CPropWnd::Create(plot.First<CWpResult>(), &host.frame);
    EXPECT_EQ(platform::TabCaptions(*sheet), (Names{"解释结果", "其它"}));
    platform::DestroyAndDelete(sheet);
}

}  // namespace
