// The map border's sheet and its three pages: the grid type steering the groups of the grid and
// label pages, the groups' ownership while detached, the degree texts, the stratum alias, the
// whole-number texts that must write nothing and the leading-number texts that are not checked.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "PlaneListFixture.h"
#include "driver/SheetDriver.h"
#include "framework/ModuleFamilies.h"
#include "framework/PropFloat.h"
#include "framework/PropStyleCombox.h"
#include "framework/PropWndMgr.h"
#include "framework/WndPag.h"
#include "hostlibs/Harrow/HarrowTesting.h"
#include "hostlibs/Osprey/WellDataTesting.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Parsnip/QXMap.h"
#include "hosttypes/Parsnip/QXObjectBorder.h"
#include "planemap/PropListBorder.h"
#include "planemap/PropListBorderGrid.h"
#include "planemap/PropListBorderLabel.h"
#include "planemap/SameTypeEdits.h"
#include "planemap/layers/PlanePropWndCreator.h"

namespace {

// The border's sheet as the plane-map creator opens it.
CPropWndMgr* OpenSheet(CQXObjectBorder* border, CWnd* parent) {
    return dynamic_cast<CPropWndMgr*>(CPlanePropWndCreator::CreateObjProp(border, parent));
}

struct BorderWorld {
    parsnip::MapFixture map;
    CQXObjectBorder* Add(const char* typeName = "边框") { return map.Add<CQXObjectBorder>(typeName); }
    CQXObjectBorder* AddSelected(const char* typeName = "边框") {
        CQXObjectBorder* border = Add(typeName);
        map.Select(border);
        return border;
    }
};

// Border a shown on the frame page, then the selection changed (to b and a "图框" border, or to b
// alone) without a selection message.
struct ChangedBehind : BorderWorld {
    CQXObjectBorder* a = AddSelected();
    CQXObjectBorder* b = Add();
    CQXObjectBorder* frame = Add("图框");
    planetest::OpenList<CPropListBorder> open;

    void ShowAThenSelectB(bool withFrame) {
        open.Show(a);
        map.ClearSelection();
        map.Select(b);
        if (withFrame) map.Select(frame);
    }
};

// Item data of the grid's top-level items, in order.
std::vector<DWORD_PTR> TopLevel(CBCGPPropList& grid) {
    std::vector<DWORD_PTR> ids;
    for (int i = 0; i < grid.GetPropertyCount(); ++i) ids.push_back(grid.GetProperty(i)->GetData());
    return ids;
}

CBCGPPropList& GridOfPage(CPropWndMgr& sheet, int page) {
    auto* pag = dynamic_cast<CWndPag*>(sheet.GetPage(page));
    auto* list = pag ? dynamic_cast<CWndLst*>(pag->GetWndLst()) : nullptr;
    if (!list) throw std::logic_error("page without a list");
    return list->GetPropList();
}

void Refresh(CPropWndMgr& sheet, CWnd& view, CObject* border) {
    platform::SendSelectionChanged(sheet, &view, reinterpret_cast<LPARAM>(border));
}

// Restores the project's spatial reference, which the test reset leaves alone.
struct SpatialReference {
    explicit SpatialReference(bool valid) { harrow::testing::SetSpatialReferenceValid(valid); }
    ~SpatialReference() { harrow::testing::SetSpatialReferenceValid(true); }
};

}  // namespace

// ---- the sheet -------------------------------------------------------------------------------------

TEST(BorderSheet, GridTypeChosenOnTheGridPageSteersBothPagesAtTheirNextRefresh) {
    BorderWorld w;
    CQXObjectBorder* border = w.AddSelected();
    planetest::HostWindows host;
    CPropWndMgr* sheet = OpenSheet(border, &host.frame);
    ASSERT_NE(nullptr, sheet);
    EXPECT_EQ(platform::TabCaptions(*sheet), (std::vector<std::string>{"边框", "格网", "标注"}));
    ASSERT_TRUE(platform::ChooseTab(*sheet, 2));
    ASSERT_TRUE(platform::ChooseTab(*sheet, 1));
    Refresh(*sheet, host.view, border);
    CBCGPPropList& grid = GridOfPage(*sheet, 1);
    CBCGPPropList& label = GridOfPage(*sheet, 2);
    EXPECT_EQ(TopLevel(grid), (std::vector<DWORD_PTR>{CPropListBorderGrid::kGridTypeId}));
    EXPECT_TRUE(TopLevel(label).empty());

    platform::GridDriver gridPage(&grid);
    ASSERT_TRUE(gridPage.PickOption(gridPage.FindByData(CPropListBorderGrid::kGridTypeId), "经纬网与方里网"));
    EXPECT_EQ(1, border->GetDrawGraticule());
    EXPECT_EQ(1, border->GetDrawKilometerGrid());
    EXPECT_EQ(TopLevel(grid), (std::vector<DWORD_PTR>{CPropListBorderGrid::kGridTypeId}));  // not before the refresh

    Refresh(*sheet, host.view, border);
    EXPECT_EQ(TopLevel(grid),
              (std::vector<DWORD_PTR>{CPropListBorderGrid::kGridTypeId, CPropListBorderGrid::kGraticuleGroupId,
                                      CPropListBorderGrid::kKilometerGroupId}));
    EXPECT_EQ(TopLevel(label), (std::vector<DWORD_PTR>{CPropListBorderLabel::kGraticuleGroupId,
                                                       CPropListBorderLabel::kKilometerGroupId}));

    ASSERT_TRUE(gridPage.PickOption(gridPage.FindByData(CPropListBorderGrid::kGridTypeId), "方里网"));
    Refresh(*sheet, host.view, border);
    EXPECT_EQ(TopLevel(grid),
              (std::vector<DWORD_PTR>{CPropListBorderGrid::kGridTypeId, CPropListBorderGrid::kKilometerGroupId}));
    EXPECT_EQ(TopLevel(label), (std::vector<DWORD_PTR>{CPropListBorderLabel::kKilometerGroupId}));
    EXPECT_EQ(nullptr, grid.FindItemByData(CPropListBorderGrid::kGFrequencyId));  // detached items are not found
    platform::DestroyAndDelete(sheet);
}

// Each page frees the groups detached when it goes, the grid the attached ones: the sanitizer
// build reports a leak or a second delete here.
TEST(BorderSheet, DeletingTheSheetFreesEveryGroupOnceWhateverIsShown) {
    BorderWorld w;
    CQXObjectBorder* none = w.AddSelected();
    planetest::HostWindows host;
    for (int grids = 0; grids < 4; ++grids) {
        none->SetDrawGraticule(grids & 1);
        none->SetDrawKilometerGrid(grids & 2);
        none->OnChanged(0);
        CPropWndMgr* sheet = OpenSheet(none, &host.frame);
        ASSERT_NE(nullptr, sheet);
        for (int tab : {1, 2}) ASSERT_TRUE(platform::ChooseTab(*sheet, tab));
        Refresh(*sheet, host.view, none);
        EXPECT_EQ(GridOfPage(*sheet, 2).GetPropertyCount(), (grids & 1) + (grids >> 1));
        platform::DestroyAndDelete(sheet);
    }
    CPropWndMgr* unopened = OpenSheet(none, &host.frame);  // pages 2 and 3 never built
    ASSERT_NE(nullptr, unopened);
    platform::DestroyAndDelete(unopened);
}

TEST(BorderGridTypeNames, TableLivesFromModuleLoadToUnload) {
    EXPECT_TRUE(IsBorderGridTypeNamesBuilt());
    StopModuleFamilies();
    EXPECT_FALSE(IsBorderGridTypeNamesBuilt());
    StartModuleFamilies();
    EXPECT_TRUE(IsBorderGridTypeNamesBuilt());
}

TEST(BorderGridTypeNames, TableIsBuiltAndFreedOnceAndConversionsFollowTheFlags) {
    const bool builtByModule = IsBorderGridTypeNamesBuilt();
    InitBorderGridTypeNames();
    InitBorderGridTypeNames();
    EXPECT_TRUE(IsBorderGridTypeNamesBuilt());
    const char* names[] = {"无格网", "经纬网", "方里网", "经纬网与方里网"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(CString(names[i]), BorderGridTypeName(i));
    EXPECT_EQ(CString(), BorderGridTypeName(4));
    ReleaseBorderGridTypeNames();
    ReleaseBorderGridTypeNames();
    EXPECT_FALSE(IsBorderGridTypeNamesBuilt());
    EXPECT_EQ(CString("方里网"), BorderGridTypeName(2));
    if (builtByModule) InitBorderGridTypeNames();

    BorderWorld w;
    CQXObjectBorder* a = w.AddSelected();
    CQXObjectBorder* b = w.AddSelected();
    CQXObjectBorder* other = w.AddSelected("图框");
    a->SetDrawGraticule(5);  // any value but 0 counts as drawn
    EXPECT_EQ(CString("经纬网"), GetBorderGridTypeName(a));
    ApplyBorderGridType(a, "经纬网与方里网");
    for (CQXObjectBorder* o : {a, b}) EXPECT_EQ(CString("经纬网与方里网"), GetBorderGridTypeName(o));
    EXPECT_EQ(CString("无格网"), GetBorderGridTypeName(other));
    ApplyBorderGridType(a, "未知");
    EXPECT_EQ(0, b->GetDrawGraticule());
    EXPECT_EQ(0, b->GetDrawKilometerGrid());
}

// ---- grid page ----------------------------------------------------------------------------------------

TEST(BorderGrid, ParseDegMinSecReadsExactlyThreeDigitRuns) {
    CBCGPProp item("间隔", _variant_t(""));
    const std::pair<const char*, double> cases[] = {
        {"1:30:0", 1.5}, {"0:0:36", 0.01}, {"1:90:0", 2.5}, {"010:00:00", 10},
        {"1.5", 0},      {"1:30", 0},      {"1:3a:0", 0},   {"0:0:0", 0},
        {"1::0", 0},     {"", 0},          {"1:30:0:0", 0}, {" 1:30:0", 0},
        {"-1:30:0", 0},  {"1:30:0.5", 0},  {":30:0", 0},    {"2147483647:0:0", 0},  // more degrees than d:m:s can show
    };
    for (const auto& [text, degrees] : cases) {
        item.SetValue(_variant_t(text));
        EXPECT_DOUBLE_EQ(degrees, ParseDegMinSec(&item)) << text;
    }
    item.SetValue(_variant_t(std::string(400, '9') + ":0:0"));
    EXPECT_EQ(0, ParseDegMinSec(&item));  // no infinite interval
    EXPECT_EQ(0, ParseDegMinSec(nullptr));
}

TEST(BorderGrid, GraticuleIntervalIsShownAndTypedAsDegreesMinutesSeconds) {
    BorderWorld w;
    CQXObjectBorder* border = w.AddSelected();
    border->SetDrawGraticule(1);
    border->SetGraticuleIntervalX(1.5);
    planetest::OpenList<CPropListBorderGrid> open(border);
    EXPECT_EQ("1:30:0", open.Value(CPropListBorderGrid::kMeridianIntervalId));
    ASSERT_TRUE(open.Type(CPropListBorderGrid::kParallelIntervalId, "0:45:0"));
    EXPECT_DOUBLE_EQ(0.75, border->GetGraticuleIntervalY());
    for (const char* refused : {"1:30", "0:0:0", "1::0", "abc"}) {
        open.Type(CPropListBorderGrid::kParallelIntervalId, refused);
        EXPECT_DOUBLE_EQ(0.75, border->GetGraticuleIntervalY()) << refused;
    }
}

TEST(BorderGrid, FrequencyTextsThatAreNoWholeCountWriteNothing) {
    BorderWorld w;
    CQXObjectBorder* border = w.AddSelected();
    border->SetDrawGraticule(1);
    border->SetDrawKilometerGrid(1);
    planetest::OpenList<CPropListBorderGrid> open(border);
    ASSERT_TRUE(open.Type(CPropListBorderGrid::kGFrequencyId, "7"));
    ASSERT_TRUE(open.Type(CPropListBorderGrid::kKFrequencyId, "7"));
    // The graticule's count: RefusedNumbersWriteNothingAndShowTheirTextFromBefore; the kilometre grid's
    // count item refuses the text itself.
    for (const char* text : {"abc", "-1", "4294967296", "1.5", "7x", ""}) {
        EXPECT_FALSE(open.Type(CPropListBorderGrid::kKFrequencyId, text)) << text;
        EXPECT_EQ(7u, border->GetKFrequency()) << text;
        EXPECT_EQ("7", open.Value(CPropListBorderGrid::kKFrequencyId));
    }
    ASSERT_TRUE(open.Type(CPropListBorderGrid::kGFrequencyId, "4294967295"));
    EXPECT_EQ(4294967295u, border->GetGFrequency());
}

TEST(BorderGrid, LengthsNeedAWholeNumberAndAreStoredInHundredths) {
    BorderWorld w;
    CQXObjectBorder* border = w.AddSelected();
    border->SetDrawKilometerGrid(1);
    planetest::OpenList<CPropListBorderGrid> open(border);
    EXPECT_EQ("2.00", open.Value(CPropListBorderGrid::kKMajorLengthId));
    ASSERT_TRUE(open.Type(CPropListBorderGrid::kKMajorLengthId, "1.25"));
    EXPECT_DOUBLE_EQ(125, border->GetKScaleLength());
    open.Type(CPropListBorderGrid::kKMajorLengthId, "3abc");  // as a whole no number: refused
    open.Type(CPropListBorderGrid::kKCrossLengthId, "-2");
    EXPECT_DOUBLE_EQ(125, border->GetKScaleLength());
    EXPECT_DOUBLE_EQ(200, border->GetKCrossLength());
}

TEST(BorderGrid, WithoutSpatialReferenceOnlyNoGridAndKilometreGridAreOffered) {
    SpatialReference invalid(false);
    planetest::OpenList<CPropListBorderGrid> open;
    EXPECT_EQ((std::vector<std::string>{"无格网", "方里网"}),
              platform::GridDriver::Info(open.Item(CPropListBorderGrid::kGridTypeId)).options);
}

TEST(BorderGrid, ShowFlagDisablesTheTicksAtOnceAndLineItemsFollowTheStyleAtRefresh) {
    BorderWorld w;
    CQXObjectBorder* plain = w.AddSelected();
    CQXObjectBorder* lined = w.Add();
    for (CQXObjectBorder* b : {plain, lined}) b->SetDrawGraticule(1);
    lined->SetGGridDrawType(CQXObjectBorder::GRID_LINE);
    planetest::OpenList<CPropListBorderGrid> open(plain);
    EXPECT_TRUE(open.Enabled(CPropListBorderGrid::kGFrequencyId));
    ASSERT_TRUE(open.Pick(CPropListBorderGrid::kGShowScaleId, "否"));
    EXPECT_EQ(0, plain->GetGDrawScale());
    for (DWORD_PTR id :
         std::initializer_list<DWORD_PTR>{CPropListBorderGrid::kGFrequencyId, CPropListBorderGrid::kGMajorLengthId,
                                          CPropListBorderGrid::kGMajorPenId + 1, CPropListBorderGrid::kGMinorLengthId,
                                          CPropListBorderGrid::kGMinorPenId + 1})
        EXPECT_FALSE(open.Enabled(id)) << id;

    EXPECT_EQ("无", open.Value(CPropListBorderGrid::kGLineStyleId));
    EXPECT_FALSE(open.Enabled(CPropListBorderGrid::kGLinePenId));
    EXPECT_FALSE(open.Enabled(CPropListBorderGrid::kGCrossLengthId));
    w.map.ClearSelection();
    w.map.Select(lined);
    open.Show(lined);  // lines drawn: the line items can be edited again
    EXPECT_EQ("网格线", open.Value(CPropListBorderGrid::kGLineStyleId));
    for (DWORD_PTR id :
         std::initializer_list<DWORD_PTR>{CPropListBorderGrid::kGLinePenId, CPropListBorderGrid::kGLinePenId + 1,
                                          CPropListBorderGrid::kGLinePenId + 2, CPropListBorderGrid::kGCrossLengthId})
        EXPECT_TRUE(open.Enabled(id)) << id;
    ASSERT_TRUE(open.Pick(CPropListBorderGrid::kGLineStyleId, "十字标记"));
    EXPECT_EQ(CQXObjectBorder::GRID_CROSS, lined->GetGGridDrawType());
    // Any other style text from code draws no lines and shows "无", as the refresh shows it.
    open.Report(CPropListBorderGrid::kGLineStyleId, _variant_t("虚线"));
    EXPECT_EQ(CQXObjectBorder::GRID_NONE, lined->GetGGridDrawType());
    EXPECT_EQ("无", open.Value(CPropListBorderGrid::kGLineStyleId));
}

TEST(BorderGrid, KilometreIntervalsAreKeptAsFloatsAndNeverNegative) {
    BorderWorld w;
    CQXObjectBorder* shown = w.AddSelected();
    CQXObjectBorder* twin = w.AddSelected();
    for (CQXObjectBorder* b : {shown, twin}) b->SetDrawKilometerGrid(1);
    planetest::OpenList<CPropListBorderGrid> open(shown);
    ASSERT_TRUE(open.Type(CPropListBorderGrid::kXIntervalId, "2.5"));
    ASSERT_TRUE(open.Type(CPropListBorderGrid::kYIntervalId, "abc"));  // no number is 0
    EXPECT_DOUBLE_EQ(2.5, twin->GetKIntervalX());
    EXPECT_DOUBLE_EQ(0, twin->GetKIntervalY());
    // A negative interval, or one past the float: RefusedNumbersWriteNothingAndShowTheirTextFromBefore.
}

namespace {

// A number item of the grid page, the value it edits, a text it takes and what that stores, and
// the texts the item itself refuses.
struct GridNumberCase {
    DWORD_PTR id;
    std::function<double(const CQXObjectBorder&)> get;
    const char* taken;
    double stored;
    std::vector<const char*> refused;
};

double MajorPenWidth(const CQXObjectBorder& b) {
    QXLOGPEN pen;
    b.GetKScaleLine(&pen);
    return pen.width;
}

}  // namespace

// Whether the item or the page's reader refuses the text, and whether it is typed or set on the
// item from code: the border and its twin are left alone, stamps included, the view is not
// redrawn, and the item shows its text from before.
TEST(BorderGrid, RefusedNumbersWriteNothingAndShowTheirTextFromBefore) {
    using L = CPropListBorderGrid;
    using B = CQXObjectBorder;
    const std::vector<const char*> noWholeNumber = {"3x", "-1", "abc", "1e400", "-0.5", "1.5e"};
    const GridNumberCase cases[] = {
        {L::kMeridianIntervalId,
         &B::GetGraticuleIntervalX,
         "0:90:0",
         1.5,
         {"1:30", "0:0:0", "3x", "2147483647:0:0"}},
        {L::kGFrequencyId, &B::GetGFrequency, "7", 7, {"3x", "7x", "-1", "abc", "1.5", "4294967296", ""}},
        {L::kGMajorLengthId, &B::GetGScaleLength, "1.5", 150, noWholeNumber},
        {L::kGMinorLengthId, &B::GetGScaleLength2, "0.5", 50, noWholeNumber},
        {L::kGCrossLengthId, &B::GetGCrossLength, "2", 200, noWholeNumber},
        {L::kKMajorLengthId, &B::GetKScaleLength, "1.25", 125, noWholeNumber},
        {L::kKMinorLengthId, &B::GetKScaleLength2, "0.75", 75, noWholeNumber},
        {L::kKCrossLengthId, &B::GetKCrossLength, "3", 300, {"3x", "-1", "1e307"}},
        {L::kXIntervalId, &B::GetKIntervalX, "2.5", 2.5, {"-1", "1e39", "-1e308"}},
        // The pen width item refuses by the page's pen edit.
        {L::kKMajorPenId + 1, MajorPenWidth, "0.5", 50, {"-1", "-0.5", "1e39"}},
    };
    BorderWorld w;
    CQXObjectBorder* shown = w.AddSelected();
    CQXObjectBorder* twin = w.AddSelected();
    for (CQXObjectBorder* b : {shown, twin}) {
        b->SetDrawGraticule(1);
        b->SetDrawKilometerGrid(1);
        b->SetGGridDrawType(CQXObjectBorder::GRID_CROSS);
        b->SetKGridDrawType(CQXObjectBorder::GRID_CROSS);
    }
    planetest::OpenList<CPropListBorderGrid> open(shown);
    for (const GridNumberCase& c : cases) {
        ASSERT_TRUE(open.Type(c.id, c.taken)) << c.id;
        ASSERT_DOUBLE_EQ(c.stored, c.get(*twin)) << c.id;
        const uint64_t shownStamp = shown->GetTimeStamp(), twinStamp = twin->GetTimeStamp();
        const int redraws = open.Redraws();
        auto expectNothingWritten = [&](const char* text, const char* how, const std::string& before) {
            EXPECT_DOUBLE_EQ(c.stored, c.get(*shown)) << c.id << how << text;
            EXPECT_DOUBLE_EQ(c.stored, c.get(*twin)) << c.id << how << text;
            EXPECT_EQ(shownStamp, shown->GetTimeStamp()) << c.id << how << text;
            EXPECT_EQ(twinStamp, twin->GetTimeStamp()) << c.id << how << text;
            EXPECT_EQ(redraws, open.Redraws()) << c.id << how << text;
            EXPECT_EQ(before, open.Value(c.id)) << c.id << how << text;
        };
        // Typed or set from code after that refusal, the text is judged by the item's own rule, and
        // the item shows its text from before the edit.
        for (const char* text : c.refused) {
            const std::string before = open.Value(c.id);
            open.Type(c.id, text);
            EXPECT_TRUE(ItemRefusedText(open.Item(c.id))) << c.id << " typed: " << text;
            expectNothingWritten(text, " typed: ", before);
            open.Report(c.id, text);
            expectNothingWritten(text, " set from code: ", before);
        }
        // After the typed refusals a text the page takes, set from code, is written.
        open.Type(c.id, c.refused.front());
        open.Report(c.id, c.taken);
        EXPECT_DOUBLE_EQ(c.stored, c.get(*twin)) << c.id;
        EXPECT_EQ(redraws + 1, open.Redraws()) << c.id;
    }
}

// The change report of a group, or of an item the page does not know, writes nothing but still
// ends as every edit ends: the objects of the type are told and the view is redrawn.
TEST(BorderGrid, AGroupOrAnUnknownItemStillEndsWithTheNotificationAndARedraw) {
    BorderWorld w;
    CQXObjectBorder* a = w.AddSelected();
    CQXObjectBorder* b = w.AddSelected();
    a->SetDrawGraticule(1);
    planetest::OpenList<CPropListBorderGrid> open(a);
    CBCGPProp unknown("x", 9999);
    for (CBCGPProp* item : {open.Item(CPropListBorderGrid::kGraticuleGroupId),
                            open.Item(CPropListBorderGrid::kGMajorGroupId), &unknown}) {
        ASSERT_NE(nullptr, item);
        const int redraws = open.Redraws();
        parsnip::testing::ClearCallLog();
        open.list().GetPropList().OnPropertyChanged(item);
        EXPECT_EQ(1, parsnip::testing::CountCalls("CQXObject::OnChanged", a)) << item->GetData();
        EXPECT_EQ(1, parsnip::testing::CountCalls("CQXObject::OnChanged", b)) << item->GetData();
        EXPECT_EQ(redraws + 1, open.Redraws()) << item->GetData();
    }
}

// A length or interval the host stored just below 0 shows unsigned at the page's decimals.
TEST(BorderGrid, NumbersThatRoundToZeroShowNoSign) {
    BorderWorld w;
    CQXObjectBorder* border = w.AddSelected();
    border->SetDrawGraticule(1);
    border->SetDrawKilometerGrid(1);
    border->SetGScaleLength(-4);  // -0.04 mm at one decimal
    border->SetGCrossLength(-0.0);
    border->SetKScaleLength2(-0.4);  // -0.004 mm at two decimals
    border->SetKIntervalY(-0.001);
    planetest::OpenList<CPropListBorderGrid> open(border);
    EXPECT_EQ("0.0", open.Value(CPropListBorderGrid::kGMajorLengthId));
    EXPECT_EQ("0.0", open.Value(CPropListBorderGrid::kGCrossLengthId));
    EXPECT_EQ("0.00", open.Value(CPropListBorderGrid::kKMinorLengthId));
    EXPECT_EQ("0.00", open.Value(CPropListBorderGrid::kYIntervalId));
}

// ---- frame page -------------------------------------------------------------------------------------------

TEST(BorderFrame, TypedStratumStoresTheStratumTablesAliasForTheMapsGrade) {
    osprey::testing::SetStrata(
        {osprey::testing::MakeStratum(2, "S31", "沙三上"), osprey::testing::MakeStratum(1, "S32", "沙三下")});
    BorderWorld w;
    w.map.Map()->SetStratum(2, "S3");
    CQXObjectBorder* border = w.AddSelected();
    planetest::OpenList<CPropListBorder> open(border);
    ASSERT_TRUE(open.Type(CPropListBorder::kStratumId, "S31"));
    EXPECT_EQ(CString("S31"), border->GetStratum());
    EXPECT_EQ(CString("沙三上"), border->GetStratumAlias());
    open.Show(border);
    EXPECT_EQ("S31", open.Value(CPropListBorder::kStratumId));

    ASSERT_TRUE(open.Type(CPropListBorder::kStratumId, "S32"));  // known only at another grade
    EXPECT_EQ(CString("S32"), border->GetStratumAlias());
    w.map.Map()->ClearStratum();
    ASSERT_TRUE(open.Type(CPropListBorder::kStratumId, "S31"));
    EXPECT_EQ(CString("S31"), border->GetStratumAlias());
}

TEST(BorderFrame, RefusedWidthsSizesAndOffsetsWriteNothing) {
    BorderWorld w;
    CQXObjectBorder* border = w.AddSelected();
    planetest::OpenList<CPropListBorder> open(border);
    ASSERT_TRUE(open.Type(CPropListBorder::kOuterPenId + 2, "0"));
    ASSERT_TRUE(open.Type(CPropListBorder::kFrameDistanceId, "0"));
    EXPECT_EQ(0, border->GetBorderWidth());
    ASSERT_TRUE(open.Type(CPropListBorder::kInnerPenId + 2, "0.5"));
    open.Type(CPropListBorder::kInnerPenId + 2, "-1");
    open.Type(CPropListBorder::kFrameDistanceId, "-1");
    QXLOGPEN pen;
    border->GetInnerLogPen(&pen);
    EXPECT_FLOAT_EQ(50, pen.width);
    EXPECT_EQ(0, border->GetBorderWidth());

    // An offset of 0 is refused, and so is one whose hundredths a double keeps only as a denormal
    // ("1e-310"), typed or reported from code.
    const double offset = border->GetTitleDist();
    for (const char* tiny : {"0", "1e-310"}) {
        open.Type(CPropListBorder::kTitleOffsetId, tiny);
        EXPECT_EQ(offset, border->GetTitleDist()) << tiny;
        open.Report(CPropListBorder::kTitleOffsetId, tiny);
        EXPECT_EQ(offset, border->GetTitleDist()) << tiny;
    }
    ASSERT_TRUE(open.Type(CPropListBorder::kTitleFontId + 2, "12"));
    open.Type(CPropListBorder::kTitleFontId + 2, "0");
    QXLOGFONT font;
    border->GetTitleFont(&font);
    EXPECT_FLOAT_EQ(1200, font.size);

    ASSERT_TRUE(open.Type(CPropListBorder::kXFromId, "abc"));  // the extent is not validated
    EXPECT_EQ(0, border->GetBorderExtent().left);
    ASSERT_TRUE(open.Type(CPropListBorder::kYToId, "88"));
    EXPECT_EQ(88, border->GetBorderExtent().top);
    open.Type(CPropListBorder::kYToId, "1e400");  // overflows: refused
    EXPECT_EQ(88, border->GetBorderExtent().top);
}

// The page was shown for border a, and the selection has since changed (to b and a "图框", or to b
// alone) without a selection message. A refused text changes nothing on the page: it stays enabled,
// and the next text is taken and written to every selected border of a's type name.
TEST(BorderFrame, ARefusalLeavesThePageAsShownWhenTheSelectionChangedBehindIt) {
    struct Step {
        DWORD_PTR refusedId;
        const char* refused;
        DWORD_PTR nextId;
        const char* next;
    };
    const Step steps[] = {
        {CPropListBorder::kXFromId, "1e400", CPropListBorder::kPostfixId, "edge"},
        {CPropListBorder::kFrameDistanceId, "-1", CPropListBorder::kPrefixId, "前缀甲"},
        {CPropListBorder::kInnerPenId + 2, "-0.3", CPropListBorder::kInnerPenId + 2, "2.25"},
    };
    for (const bool withFrame : {true, false}) {
        ChangedBehind w;
        w.ShowAThenSelectB(withFrame);
        planetest::OpenList<CPropListBorder>& open = w.open;
        for (const Step& step : steps) {
            const std::string before = open.Value(step.refusedId);
            const int redraws = open.Redraws();
            parsnip::testing::ClearCallLog();
            open.Type(step.refusedId, step.refused);
            EXPECT_EQ(before, open.Value(step.refusedId)) << step.refused;
            EXPECT_EQ(0, parsnip::testing::CountCalls("CQXObject::OnChanged")) << step.refused;
            EXPECT_EQ(redraws, open.Redraws()) << step.refused;
            EXPECT_TRUE(open.Enabled(step.refusedId)) << step.refused;
            EXPECT_TRUE(open.Enabled(step.nextId)) << step.refused;
            ASSERT_TRUE(open.Type(step.nextId, step.next)) << step.next;
            EXPECT_EQ(redraws + 1, open.Redraws()) << step.next;
        }
        EXPECT_EQ(CString("edge"), w.b->GetPostfix());
        EXPECT_EQ(CString("前缀甲"), w.b->GetPrefix());
        QXLOGPEN pen;
        w.b->GetInnerLogPen(&pen);
        EXPECT_FLOAT_EQ(225, pen.width);
        EXPECT_NE(CString("edge"), w.frame->GetPostfix());
        EXPECT_NE(CString("edge"), w.a->GetPostfix());  // no longer selected
    }
}

// The same world: a number taken is written to the selected borders of a's type name, while a is
// not written, so no refresh follows; the item shows the value taken as the refresh shows it, never
// "-0" nor a text without a number (a width reads "nan" as 0, which it takes).
TEST(BorderFrame, ANumberTakenShowsAsTheRefreshShowsItWhenTheSelectionChangedBehindIt) {
    const std::pair<DWORD_PTR, const char*> cases[] = {
        {CPropListBorder::kXFromId, "-0"},         {CPropListBorder::kXToId, "-0"},
        {CPropListBorder::kYFromId, "-0"},         {CPropListBorder::kYToId, "-0"},
        {CPropListBorder::kOuterPenId + 2, "-0"},  {CPropListBorder::kInnerPenId + 2, "-0"},
        {CPropListBorder::kFrameDistanceId, "-0"}, {CPropListBorder::kOuterPenId + 2, "nan"},
        {CPropListBorder::kInnerPenId + 2, "nan"},
    };
    for (const bool withFrame : {true, false}) {
        ChangedBehind w;
        CQXObjectBorder* b = w.b;
        b->SetBorderWidth(150);
        for (const auto node :
             {CQXObject::NODE_LEFT, CQXObject::NODE_RIGHT, CQXObject::NODE_TOP, CQXObject::NODE_BOTTOM})
            b->SetBorderExtent(node, 5);
        QXLOGPEN pen;
        b->GetOuterLogPen(&pen);
        pen.width = 150;
        b->SetOuterLogPen(&pen);
        b->SetInnerLogPen(&pen);
        w.ShowAThenSelectB(withFrame);
        planetest::OpenList<CPropListBorder>& open = w.open;
        for (const auto& [id, text] : cases) {
            ASSERT_TRUE(open.Type(id, text)) << id << " " << text;
            EXPECT_EQ("0.00", open.Value(id)) << id << " " << text;
        }
        const FLOATRECT extent = b->GetBorderExtent();
        QXLOGPEN outer, inner;
        b->GetOuterLogPen(&outer);
        b->GetInnerLogPen(&inner);
        int at = 0;  // the four edges, the frame distance, the outer pen's width
        for (const double zero : {extent.left, extent.right, extent.top, extent.bottom,
                                  static_cast<double>(b->GetBorderWidth()), static_cast<double>(outer.width)}) {
            EXPECT_EQ(0, zero) << at;
            EXPECT_FALSE(std::signbit(zero)) << at++;
        }
        EXPECT_EQ(0, inner.width);
        ASSERT_TRUE(open.Type(CPropListBorder::kTitleOffsetId, "3x"));
        EXPECT_EQ("3.00", open.Value(CPropListBorder::kTitleOffsetId));
        EXPECT_EQ(300, b->GetTitleDist());
        EXPECT_NE(300, w.a->GetTitleDist());  // no longer selected
    }
}

// The same world: a number refused after the item took it (reported from code) shows the stored
// value of the border the page writes to (b), as the refresh shows it, not that of a, which the
// page showed: a title offset and frame distance of 5.00 and a font and cell size of 0.00.
TEST(BorderFrame, ARefusalShowsTheBorderThePageWritesToWhenTheSelectionChangedBehindIt) {
    struct Taken {
        DWORD_PTR id;
        const char* typed;
        const char* shown;
    };
    const Taken taken[] = {
        {CPropListBorder::kTitleOffsetId, "0.001", "0.00"},
        {CPropListBorder::kFrameDistanceId, "0", "0.00"},
        {CPropListBorder::kTitleFontId + 2, "3", "3.00"},
        {kPlaneFillCellSizeId, "3", "3.00"},
    };
    for (const bool withFrame : {true, false}) {
        ChangedBehind w;
        w.a->SetTitleDist(500);
        w.a->SetBorderWidth(500);
        QXLOGFONT font;
        QXLOGBRUSH brush;
        w.a->GetTitleFont(&font);
        w.a->GetLogBrush(&brush);
        font.size = brush.size = 0;
        w.a->SetTitleFont(&font);
        w.a->SetLogBrush(&brush);
        w.ShowAThenSelectB(withFrame);
        planetest::OpenList<CPropListBorder>& open = w.open;
        for (const Taken& t : taken) ASSERT_TRUE(open.Type(t.id, t.typed)) << t.id;
        const uint64_t stamp = w.b->GetTimeStamp();
        const int redraws = open.Redraws();
        parsnip::testing::ClearCallLog();
        for (const Taken& t : taken) {
            ASSERT_EQ(t.shown, open.Value(t.id)) << t.id;
            open.Report(t.id, "-1");
            EXPECT_EQ(t.shown, open.Value(t.id)) << t.id << " " << withFrame;
        }
        EXPECT_EQ(stamp, w.b->GetTimeStamp());
        EXPECT_EQ(redraws, open.Redraws());
        for (const parsnip::testing::Call& call : parsnip::testing::CallLog())
            EXPECT_EQ(std::string::npos, call.operation.find("Set")) << call.operation;
    }
}

// A number set on an item from code past the item's own rule: the page writes nothing, tells
// nobody, and that item shows the stored value as the refresh shows it.
TEST(BorderFrame, ANumberRefusedAfterTheItemTookItShowsTheStoredValue) {
    BorderWorld w;
    CQXObjectBorder* border = w.AddSelected();
    planetest::OpenList<CPropListBorder> open(border);
    ASSERT_TRUE(open.Type(CPropListBorder::kFrameDistanceId, "1.5"));
    ASSERT_TRUE(open.Type(CPropListBorder::kXFromId, "7"));
    ASSERT_TRUE(open.Type(CPropListBorder::kTitleFontId + 2, "12"));
    const int redraws = open.Redraws();
    parsnip::testing::ClearCallLog();
    const std::pair<DWORD_PTR, const char*> cases[] = {
        {CPropListBorder::kFrameDistanceId, "1.50"},
        {CPropListBorder::kXFromId, "7.00"},
        {CPropListBorder::kTitleFontId + 2, "12.00"},
    };
    for (const auto& [id, shown] : cases) {
        open.Report(id, id == CPropListBorder::kXFromId ? "1e400" : "-1");
        EXPECT_EQ(shown, open.Value(id)) << id;
    }
    // An empty style set names no set: the band's brush and the style picker stay as they were.
    const std::string set = open.Value(kPlaneFillStyleSetId);
    const UINT picked = dynamic_cast<CPropStyleCombox*>(open.Item(kPlaneFillStyleId))->GetVal();
    open.Report(kPlaneFillStyleSetId, "");
    EXPECT_EQ(set, open.Value(kPlaneFillStyleSetId));
    EXPECT_EQ(picked, dynamic_cast<CPropStyleCombox*>(open.Item(kPlaneFillStyleId))->GetVal());
    EXPECT_TRUE(parsnip::testing::CallLog().empty());
    EXPECT_EQ(redraws, open.Redraws());
}

TEST(BorderFrame, SeveralSelectedDisableThePageAndOneSelectedEnablesItAgain) {
    BorderWorld w;
    CQXObjectBorder* a = w.AddSelected();
    CQXObjectBorder* b = w.Add();
    CQXObjectBorder* other = w.Add("图框");
    planetest::OpenList<CPropListBorder> open(a);
    EXPECT_TRUE(open.Enabled(CPropListBorder::kFrameDistanceId));
    // Selection grown behind the page's back: the edit still reaches every border of the type.
    w.map.Select(b);
    w.map.Select(other);
    ASSERT_TRUE(open.Type(CPropListBorder::kFrameDistanceId, "3"));
    EXPECT_EQ(300, a->GetBorderWidth());
    EXPECT_EQ(300, b->GetBorderWidth());
    EXPECT_NE(300, other->GetBorderWidth());

    open.Show(a);
    EXPECT_FALSE(open.Enabled(CPropListBorder::kFrameDistanceId));
    EXPECT_FALSE(open.Enabled(kPlaneFillStyleId));
    open.ShowAlone(w.map, a);
    EXPECT_TRUE(open.Enabled(CPropListBorder::kFrameDistanceId));
    EXPECT_TRUE(open.Enabled(CPropListBorder::kTitleFontId + 1));
    EXPECT_EQ("3.00", open.Value(CPropListBorder::kFrameDistanceId));
}

// ---- label page ----------------------------------------------------------------------------------------------

TEST(BorderLabel, DirectionsAndDigitCountsFollowTheirGrids) {
    BorderWorld w;
    CQXObjectBorder* border = w.AddSelected();
    border->SetDrawGraticule(1);
    border->SetDrawKilometerGrid(1);
    border->SetBorderExtent(CQXObject::NODE_LEFT, 100);
    border->SetBorderExtent(CQXObject::NODE_RIGHT, 999);
    planetest::OpenList<CPropListBorderLabel> open(border);
    EXPECT_EQ((std::vector<std::string>{"0", "1", "2", "3"}),
              platform::GridDriver::Info(open.Item(CPropListBorderLabel::kXDigitsId)).options);

    ASSERT_TRUE(open.Pick(CPropListBorderLabel::kGXDirectionId, "随刻度线"));
    ASSERT_TRUE(open.Pick(CPropListBorderLabel::kKXDirectionId, "随刻度线"));
    ASSERT_TRUE(open.Pick(CPropListBorderLabel::kXDigitsId, "2"));
    ASSERT_TRUE(open.Pick(CPropListBorderLabel::kUnitId, "千米"));
    EXPECT_EQ(0, border->GetGTextDirectionX());
    EXPECT_EQ(2, border->GetKTextDirectionX());
    EXPECT_EQ(2u, border->GetKNumCountX2());
    EXPECT_EQ(1, border->GetUnit());
    open.Show(border);
    EXPECT_EQ("纵向", open.Value(CPropListBorderLabel::kGXDirectionId));
    EXPECT_EQ("随刻度线", open.Value(CPropListBorderLabel::kKXDirectionId));
    EXPECT_EQ("2", open.Value(CPropListBorderLabel::kXDigitsId));
    EXPECT_EQ("千米", open.Value(CPropListBorderLabel::kUnitId));

    ASSERT_TRUE(open.Pick(CPropListBorderLabel::kYDigitsId, "1"));
    open.Report(CPropListBorderLabel::kYDigitsId, "abc");
    open.Report(CPropListBorderLabel::kYDigitsId, "-1");
    EXPECT_EQ(1u, border->GetKNumCountY2());
}

TEST(BorderLabel, FaceEditChangesOnlyTheLowOrderFontsFaceAndZeroSizeIsRefused) {
    BorderWorld w;
    CQXObjectBorder* border = w.AddSelected();
    border->SetDrawGraticule(1);
    QXLOGFONT high, low;
    high.SetFaceName("宋体");
    high.size = 1200;
    low.SetFaceName("黑体");
    low.size = 800;
    low.color = RGB(1, 2, 3);
    border->SetGraticuleFont(&high);
    border->SetGraticuleFont2(&low);
    planetest::OpenList<CPropListBorderLabel> open(border);
    open.Report(CPropListBorderLabel::kGLowFontId + 1, "楷体");
    open.Type(CPropListBorderLabel::kGLowFontId + 2, "0");
    QXLOGFONT font;
    border->GetGraticuleFont2(&font);
    EXPECT_EQ(CString("楷体"), font.GetFaceName());
    EXPECT_FLOAT_EQ(800, font.size);
    EXPECT_EQ(RGB(1, 2, 3), font.color);
    border->GetGraticuleFont(&font);
    EXPECT_EQ(CString("宋体"), font.GetFaceName());
}

TEST(BorderLabel, FillCountOptionsKeepsOptionsAlreadyThere) {
    CBCGPProp item("横向", _variant_t(""));
    FillCountOptions(&item, 2);
    EXPECT_EQ(3, item.GetOptionCount());
    FillCountOptions(&item, 5);
    EXPECT_EQ(3, item.GetOptionCount());
    CBCGPProp none("纵向", _variant_t(""));
    FillCountOptions(&none, 0);
    EXPECT_EQ(1, none.GetOptionCount());
}
