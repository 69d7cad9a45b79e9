// The single-well well page and the pages of the section's stratum grid, sands, sand-unit fills,
// stratum units and control lines, and the creator rows that open them.
#include <gtest/gtest.h>

#include "driver/CellGridDriver.h"
#include "hostlibs/Osprey/WellDataTesting.h"
#include "hostlibs/Spindle/Testing.h"
#include "hosttypes/Osprey/WellDataManager.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXMap.h"
#include "hosttypes/Spindle/GridCtrl.h"
#include "section/LstSandUnitFill.h"
#include "section/LstSglSandSetor.h"
#include "section/LstSglStraumSetor.h"
#include "section/LstStratumUnit.h"
#include "section/ScPropertyWnd.h"
#include "section/SglLstCtrlLine.h"
#include "section/SglLstWell.h"
#include "section/SingleWellTestFixture.h"

namespace {

using sectiontest::ObjectStamp;
using sectiontest::SinglePage;
using sectiontest::SingleTrace;
using sectiontest::SingleWorld;

bool SameBrush(const QXLOGBRUSH& a, const QXLOGBRUSH& b) {
    return a.style == b.style && a.fillColor == b.fillColor && a.lineColor == b.lineColor && a.size == b.size &&
           a.backMode == b.backMode;
}

bool PennantLogged(const std::string& entry) {
    for (const std::string& e : pennant::testing::CallLog())
        if (e == entry) return true;
    return false;
}

// ---- well page ------------------------------------------------------------------------------------

TEST(SingleWellPage, ShowsTheWell) {
    SingleWorld world;
    world.Well().SetDepthDataType(DEPTHDATA_ELEVATION);
    world.Well().SetTopDep(800);
    world.Well().SetBottomDep(950.25);
    SinglePage<CsglLstWell> page(&world.Well());
    page.Show(&world.Well());
    EXPECT_EQ("W1", page.open.Value(CsglLstWell::kWellNameId));
    EXPECT_EQ("海拔深", page.open.Value(CsglLstWell::kDepthTypeId));
    EXPECT_EQ("3.00", page.open.Value(CsglLstWell::kWidthId));
    EXPECT_EQ("-800.00,-950.25", page.open.Value(CsglLstWell::kDepthRangeId));
    EXPECT_EQ("<不使用>", page.open.Value(CsglLstWell::kTemplateId));
    // A zero bound keeps its sign.
    world.Well().SetBottomDep(0);
    EXPECT_EQ("-800.00,0.00", CsglLstWell::DepthRangeText(world.Well()));
}

TEST(SingleWellPage, TemplateAndWidthEdits) {
    SingleWorld world;
    SinglePage<CsglLstWell> page(&world.Well());
    page.Show(&world.Well());
    SingleTrace trace(world.Section());
    const uint64_t before = ObjectStamp(world.Well());
    EXPECT_TRUE(page.open.Pick(CsglLstWell::kTemplateId, "单井剖面[系统]"));
    EXPECT_EQ("/kel/templates/system/14/单井剖面.tpl", world.Well().GetTemplateFullPath());
    EXPECT_NE(before, ObjectStamp(world.Well()));
    EXPECT_EQ(
        "CSglWellAdapter::SetTemplate(/kel/templates/system/14/单井剖面.tpl,1) | "
        "CSglWellAdapter::RecalculateDrawing | CSingleWellSection::UpdateWnd | modify",
        trace.Text());
    page.Show(&world.Well());
    EXPECT_EQ("单井剖面[系统]", page.open.Value(CsglLstWell::kTemplateId));

    trace.Clear();
    EXPECT_TRUE(page.open.Type(CsglLstWell::kWidthId, "1.2"));
    EXPECT_DOUBLE_EQ(120, world.Well().GetWidth());
    EXPECT_EQ(
        "CSglWellAdapter::SetWidth(120.000000) | CSglWellAdapter::RecalculateDrawing | "
        "CSingleWellSection::UpdateStratumSand | CSingleWellSection::UpdateWnd | modify",
        trace.Text());
    // The width item is not read again.
    world.Well().SetWidth(500);
    world.Well().ProChanged();
    page.Show(&world.Well());
    EXPECT_EQ("1.20", page.open.Value(CsglLstWell::kWidthId));
}

TEST(SingleWellPage, DecimalFormatter) {
    const ScDecimalFormator& formator = ScDecimalFormator::Instance();
    EXPECT_EQ(2, formator.GetDigits());
    EXPECT_EQ("1350.50", std::string(formator.Format(1350.5)));
    EXPECT_EQ("0.10", std::string(formator.Format(0.1f)));
    EXPECT_EQ("-7", std::string(formator.Format(-7)));
    // A number that rounds to zero shows unsigned.
    EXPECT_EQ("0.00", std::string(formator.Format(-0.0)));
    EXPECT_EQ("0.00", std::string(formator.Format(-0.004)));
    EXPECT_EQ("-0.01", std::string(formator.Format(-0.006)));
    ScDecimalFormator::Release();
    EXPECT_EQ("2.00", std::string(ScDecimalFormator::Instance().Format(2.0)));
}

// ---- stratum grid ---------------------------------------------------------------------------------

class SingleStratumGrid : public ::testing::Test {
protected:
    SingleStratumGrid() : page(&world.Section()) {}
    CGridCtrl& Grid() { return *page.open.list().GetGrid(); }
    std::string Cell(int row, int col) { return Grid().GetItemText(row, col).str(); }
    BYTE Flags(const std::string& stratum) {
        BYTE flags = 0xEE;
        world.Record().GetStratumUnitInfo(stratum, flags);
        return flags;
    }
    using G = CLstSglStraumSetor;

    SingleWorld world;
    SinglePage<CLstSglStraumSetor> page;
};

TEST_F(SingleStratumGrid, ColumnsAndCells) {
    ASSERT_TRUE(page.open.Created());
    EXPECT_EQ(static_cast<int>(G::kGridId), Grid().GetDlgCtrlID());
    ASSERT_EQ(5, Grid().GetColumnCount());
    const char* const headers[] = {"地层", "顶界限", "底界限", "填充", "砂体"};
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(headers[c], Cell(0, c));
        EXPECT_EQ(52, Grid().GetColumnWidth(c));
    }
    EXPECT_EQ(GVCT_SWITCH, Grid().GetColumnType(G::kSandColumn));
    ASSERT_EQ(4, Grid().GetRowCount());
    EXPECT_EQ("2", Cell(2, 0));
    EXPECT_EQ("TRUE", Cell(1, G::kTopColumn));
    EXPECT_EQ("FALSE", Cell(1, G::kSandColumn));
    // Only the bottom stratum's bottom boundary is changeable; the others are grey and empty.
    EXPECT_FALSE(Grid().IsCellChangable(1, G::kBottomColumn));
    EXPECT_EQ("", Cell(2, G::kBottomColumn));
    EXPECT_EQ(RGB(180, 180, 180), Grid().GetItemBkColour(2, G::kBottomColumn));
    EXPECT_TRUE(Grid().IsCellChangable(3, G::kBottomColumn));
    EXPECT_EQ("TRUE", Cell(3, G::kBottomColumn));
    EXPECT_FALSE(Grid().IsCellChangable(1, G::kNameColumn));
}

TEST_F(SingleStratumGrid, EditsAndHeaderClicksWriteTheFlags) {
    EXPECT_TRUE(platform::EditGridCell(Grid(), 2, G::kTopColumn, "FALSE"));
    EXPECT_EQ(0x0E, Flags("2"));
    EXPECT_TRUE(PennantLogged("CSingleWellSection::UpdateWnd"));
    EXPECT_EQ(1, world.Map()->GetModifyFlag());
    EXPECT_TRUE(platform::ClickGridCell(Grid(), 1, G::kFillColumn));
    EXPECT_EQ(0x01, Flags("1"));
    // Row 1 shows "FALSE" in "砂体": the header click clears the sand flag of every stratum.
    EXPECT_TRUE(platform::ClickGridHeader(Grid(), G::kSandColumn));
    EXPECT_EQ(0x01, Flags("1"));
    EXPECT_EQ(0x06, Flags("2"));
    EXPECT_EQ(0x06, Flags("3"));
}

TEST_F(SingleStratumGrid, TheBottomStratumsBottomIsTheTopOfTheNext) {
    world.Well().SetBottomStratum("2");
    world.Record().SetStratumUnitInfo("2", 0x0D);
    G::SetStratumFlag(world.Section(), "2", G::kBottomColumn, true);
    EXPECT_EQ(0x0F, Flags("2"));
    EXPECT_EQ(0x0F, Flags("3"));
    G::SetStratumFlag(world.Section(), "2", G::kBottomColumn, false);
    EXPECT_EQ(0x0E, Flags("3"));
    // Other columns change nothing.
    G::SetStratumFlag(world.Section(), "1", 0, true);
    G::SetStratumFlag(world.Section(), "1", 6, true);
    EXPECT_EQ(0x05, Flags("1"));
}

TEST_F(SingleStratumGrid, RebuiltOnlyAfterAGradeOrBottomChange) {
    world.Record().SetStratumUnitInfo("1", 0x08);
    page.Show(world.Object());
    EXPECT_EQ("FALSE", Cell(1, G::kSandColumn));
    world.Well().SetBottomStratum("2");
    page.Show(world.Object());
    EXPECT_EQ("TRUE", Cell(1, G::kSandColumn));
    EXPECT_TRUE(Grid().IsCellChangable(2, G::kBottomColumn));
    EXPECT_FALSE(Grid().IsCellChangable(3, G::kBottomColumn));
}

TEST(SingleStratumGridEdges, OnlyTheEndEntryGivesTheHeaderRow) {
    SingleWorld world;
    world.Record().m_stratumList.erase(world.Record().m_stratumList.begin(), world.Record().m_stratumList.end() - 1);
    SinglePage<CLstSglStraumSetor> page(&world.Section());
    ASSERT_EQ(1, page.open.list().GetGrid()->GetRowCount());
    EXPECT_TRUE(platform::ClickGridHeader(*page.open.list().GetGrid(), 1));
    EXPECT_FALSE(PennantLogged("CSingleWellSection::UpdateWnd"));
}

TEST(SingleStratumGridEdges, AGridThatCannotBeMadeMakesNoPage) {
    SingleWorld world;
    spindle::testing::SetCreateRefusal(true);
    SinglePage<CLstSglStraumSetor> page(&world.Section());
    spindle::testing::SetCreateRefusal(false);
    EXPECT_FALSE(page.open.Created());
}

// ---- sand page --------------------------------------------------------------------------------------

class SingleSandPage : public ::testing::Test {
protected:
    SingleSandPage() : page(&world.Section()) { page.Show(world.Object()); }
    using S = CLstSglSandSetor;
    bool Visible(unsigned int i) { return world.SandUnit(i)->IsVisible(); }

    SingleWorld world;
    SinglePage<CLstSglSandSetor> page;
};

TEST_F(SingleSandPage, DisplayModes) {
    EXPECT_EQ("全部", page.open.Value(S::kDisplayId));
    EXPECT_TRUE(page.open.Pick(S::kDisplayId, "射开"));
    EXPECT_EQ(1, world.Record().m_nSandShowMode);
    EXPECT_TRUE(Visible(0));  // 1000-1010 under the perforation 1005-1020
    EXPECT_FALSE(Visible(1));
    EXPECT_TRUE(page.open.Pick(S::kDisplayId, "连通"));
    EXPECT_FALSE(Visible(0));
    EXPECT_TRUE(Visible(1));
    EXPECT_TRUE(page.open.Pick(S::kDisplayId, "全部"));
    EXPECT_EQ(0, world.Record().m_nSandShowMode);
    EXPECT_TRUE(Visible(0) && Visible(1));
    EXPECT_TRUE(PennantLogged("CSingleWellSection::UpdateWnd"));
    // Any other text from code is -1, which shows every sand unit and an empty text.
    EXPECT_TRUE(page.open.Pick(S::kDisplayId, "连通"));
    page.open.Report(S::kDisplayId, "全显示");
    EXPECT_EQ(-1, world.Record().m_nSandShowMode);
    EXPECT_TRUE(Visible(0) && Visible(1));
    EXPECT_EQ("", page.open.Value(S::kDisplayId));
}

TEST_F(SingleSandPage, EnvelopeLines) {
    world.Record().m_bEnvelopeVisible = true;
    world.Section().ProChanged();
    page.Show(world.Object());
    EXPECT_EQ("是", page.open.Value(S::kEnvelopeShowId));
    // A colour reaches every unit's pen, without a stamp.
    const uint64_t stamp = ObjectStamp(world.Section());
    platform::GridDriver grid = page.open.grid();
    EXPECT_TRUE(grid.ChooseColor(dynamic_cast<CBCGPColorProp*>(page.open.Item(S::kEnvelopeColorId)), RGB(0, 255, 0)));
    EXPECT_EQ(RGB(0, 255, 0), world.Record().m_envelopePen.color);
    for (unsigned int i = 0; i < 2; ++i)
        EXPECT_EQ(RGB(0, 255, 0), world.SandUnit(i)->GetBottomSandLine()->GetPen().color);
    EXPECT_EQ(stamp, ObjectStamp(world.Section()));
    // "否" hides every unit's lines and stamps the section.
    EXPECT_TRUE(page.open.Pick(S::kEnvelopeShowId, "否"));
    EXPECT_FALSE(world.Record().m_bEnvelopeVisible);
    for (unsigned int i = 0; i < 2; ++i) {
        EXPECT_FALSE(world.SandUnit(i)->GetTopSandLine()->IsVisible());
        EXPECT_FALSE(world.SandUnit(i)->GetBottomSandLine()->IsVisible());
    }
    EXPECT_NE(stamp, ObjectStamp(world.Section()));
}

TEST_F(SingleSandPage, InterfaceGroupsStayDisabled) {
    const DWORD_PTR disabled[] = {S::kSeepageShowId,  S::kSeepageFormId, S::kSeepageStyleId, S::kSeepageWidthId,
                                  S::kSeepageColorId, S::kOswId + 1,     S::kOswId + 4};
    for (DWORD_PTR id : disabled) EXPECT_FALSE(page.open.Item(id)->IsEnabled()) << id;
    EXPECT_EQ("油气水", page.open.Value(S::kFillTypeId));
}

// ---- unit pages -----------------------------------------------------------------------------------------

TEST(SandUnitFillPage, OilCodeAndBrush) {
    SingleWorld world;
    SinglePage<CLstSandUnitFill> page(&world.Fill());
    page.Show(&world.Fill());
    EXPECT_EQ("1", page.open.Value(CLstSandUnitFill::kStratumId));
    EXPECT_EQ("油层", page.open.Value(CLstSandUnitFill::kOilCodeId));
    EXPECT_EQ("油气水", page.open.Value(CLstSandUnitFill::kResultId));
    EXPECT_EQ((std::vector<std::string>{"缺省填充", "油层", "气层", "水层", "油水同层", "干层"}),
              page.Options(CLstSandUnitFill::kOilCodeId));
    EXPECT_TRUE(page.open.Pick(CLstSandUnitFill::kOilCodeId, "水层"));
    EXPECT_EQ("水层", world.SandUnit(0)->GetOilCode());
    QXLOGBRUSH brush;
    world.FillObject().GetLogBrush(&brush);
    EXPECT_TRUE(SameBrush(brush, CWellDataManager::Instance()->GetOilSymbolManager()->GetData(2)->brush));
    EXPECT_TRUE(PennantLogged("CSingleWellSection::UpdateWnd"));
    EXPECT_EQ(1, world.Section().GetModifyFlag());
    EXPECT_TRUE(page.open.Pick(CLstSandUnitFill::kOilCodeId, "缺省填充"));
    EXPECT_EQ("缺省填充", world.SandUnit(0)->GetOilCode());
    world.FillObject().GetLogBrush(&brush);
    EXPECT_TRUE(SameBrush(brush, osprey::testing::DefaultOilFill()));
}

TEST(StratumUnitPage, LineAndFillKeepTheirOtherFields) {
    SingleWorld world;
    Stratum::CStratumUnit& unit = *world.StratumUnit(0);
    SinglePage<CLstStratumUnit> page(&unit);
    page.Show(&unit);
    EXPECT_EQ("1", page.open.Value(CLstStratumUnit::kNameId));
    const uint64_t unitStamp = ObjectStamp(unit);
    const uint64_t sectionStamp = ObjectStamp(world.Section());
    EXPECT_TRUE(page.open.Type(CLstStratumUnit::kLineStyleId + 1, "0.5"));
    QXLOGPEN pen;
    unit.GetLinePen(pen);
    EXPECT_FLOAT_EQ(50, pen.width);
    EXPECT_EQ(1001u, pen.style);
    EXPECT_EQ(RGB(0, 0, 255), pen.color);
    platform::GridDriver grid = page.open.grid();
    EXPECT_TRUE(grid.ChooseColor(dynamic_cast<CBCGPColorProp*>(page.open.Item(CLstStratumUnit::kFillColorId)),
                                 RGB(10, 20, 30)));
    QXLOGBRUSH brush;
    unit.GetFillBrush(brush);
    EXPECT_EQ(RGB(10, 20, 30), brush.fillColor);
    EXPECT_EQ(RGB(0, 128, 0), brush.lineColor);
    EXPECT_FLOAT_EQ(250, brush.size);
    EXPECT_EQ(100u, brush.backMode);
    EXPECT_EQ(unitStamp, ObjectStamp(unit));
    EXPECT_NE(sectionStamp, ObjectStamp(world.Section()));
    EXPECT_TRUE(PennantLogged("CSingleWellSection::UpdateWnd"));
    // The automatic colour is black.
    EXPECT_TRUE(grid.ChooseAutomatic(dynamic_cast<CBCGPColorProp*>(page.open.Item(CLstStratumUnit::kFillColorId))));
    unit.GetFillBrush(brush);
    EXPECT_EQ(RGB(0, 0, 0), brush.fillColor);
}

TEST(ControlLinePage, WidthGoesToTheLineAndItsObject) {
    SingleWorld world;
    SinglePage<CSglLstCtrlLine> page(&world.Line());
    page.Show(&world.Line());
    EXPECT_EQ("0.20", page.open.Value(CSglLstCtrlLine::kWidthId));
    const uint64_t lineStamp = ObjectStamp(world.Line());
    const uint64_t sectionStamp = ObjectStamp(world.Section());
    EXPECT_TRUE(page.open.Type(CSglLstCtrlLine::kWidthId, "0.8"));
    EXPECT_FLOAT_EQ(80, world.Line().GetLogPen().width);
    EXPECT_EQ(RGB(255, 0, 0), world.Line().GetLogPen().color);
    QXLOGPEN pen;
    world.LineObject().GetLogPen(&pen);
    EXPECT_FLOAT_EQ(80, pen.width);
    EXPECT_EQ(lineStamp, ObjectStamp(world.Line()));
    EXPECT_EQ(sectionStamp, ObjectStamp(world.Section()));
    EXPECT_TRUE(PennantLogged("CSingleWellSection::UpdateWnd"));
    // Changed elsewhere: the page keeps what it was built with.
    QXLOGPEN other = world.Line().GetLogPen();
    other.width = 300;
    world.Line().SetLogPen(other);
    world.Line().ProChanged();
    page.Show(&world.Line());
    EXPECT_EQ("0.80", page.open.Value(CSglLstCtrlLine::kWidthId));
}

// A width the pen cannot hold in hundredths writes nothing: neither the line, its drawing object
// nor the unit's section is touched, and the stored width shows again.
TEST(SingleWellObjectPages, ARefusedWidthWritesNothing) {
    SingleWorld world;
    SinglePage<CSglLstCtrlLine> line(&world.Line());
    line.Show(&world.Line());
    Stratum::CStratumUnit& unit = *world.StratumUnit(0);
    SinglePage<CLstStratumUnit> units(&unit);
    units.Show(&unit);
    QXLOGPEN drawn;
    world.LineObject().GetLogPen(&drawn);
    drawn.width = 70;  // the drawing object's pen differs from the line's
    world.LineObject().SetLogPen(&drawn);
    QXLOGPEN unitPen;
    unit.GetLinePen(unitPen);
    const uint64_t sectionStamp = ObjectStamp(world.Section());
    for (const char* text : {"1e39", "3.5e38", "9e296"}) {
        EXPECT_TRUE(line.open.Type(CSglLstCtrlLine::kWidthId, text));
        EXPECT_EQ("0.20", line.open.Value(CSglLstCtrlLine::kWidthId)) << text;
        EXPECT_TRUE(units.open.Type(CLstStratumUnit::kLineStyleId + 1, text));
    }
    QXLOGPEN pen;
    world.LineObject().GetLogPen(&pen);
    EXPECT_FLOAT_EQ(70, pen.width);
    EXPECT_FLOAT_EQ(20, world.Line().GetLogPen().width);
    unit.GetLinePen(pen);
    EXPECT_FLOAT_EQ(unitPen.width, pen.width);
    EXPECT_EQ(sectionStamp, ObjectStamp(world.Section()));
}

// A change reported from code with a text no reader takes: nothing written, stamped, redrawn or
// marked on the well, control line, stratum unit and sand pages; the item shows the stored width.
TEST(SingleWellObjectPages, ATextTheReaderRefusesAfterTheItemTookItShowsTheStoredWidth) {
    SingleWorld world;
    world.Record().m_bEnvelopeVisible = true;
    world.Record().m_envelopePen.width = 45;
    world.Section().ProChanged();
    SinglePage<CsglLstWell> well(&world.Well());
    well.Show(&world.Well());
    SinglePage<CSglLstCtrlLine> line(&world.Line());
    line.Show(&world.Line());
    Stratum::CStratumUnit& unit = *world.StratumUnit(0);
    SinglePage<CLstStratumUnit> units(&unit);
    units.Show(&unit);
    SinglePage<CLstSglSandSetor> sands(&world.Section());
    sands.Show(world.Object());
    QXLOGPEN unitPen;
    unit.GetLinePen(unitPen);
    const std::string unitWidth = units.open.Value(CLstStratumUnit::kLineStyleId + 1);
    SingleTrace trace(world.Section());
    well.open.Report(CsglLstWell::kWidthId, "x");
    EXPECT_EQ("3.00", well.open.Value(CsglLstWell::kWidthId));
    line.open.Report(CSglLstCtrlLine::kWidthId, "-1");
    EXPECT_EQ("0.20", line.open.Value(CSglLstCtrlLine::kWidthId));
    units.open.Report(CLstStratumUnit::kLineStyleId + 1, "x");
    EXPECT_EQ(unitWidth, units.open.Value(CLstStratumUnit::kLineStyleId + 1));
    sands.open.Report(CLstSglSandSetor::kEnvelopeStyleId + 1, "1e39");
    EXPECT_EQ("0.45", sands.open.Value(CLstSglSandSetor::kEnvelopeStyleId + 1));
    EXPECT_EQ("", trace.Text());
    EXPECT_DOUBLE_EQ(300, world.Well().GetWidth());
    EXPECT_FLOAT_EQ(20, world.Line().GetLogPen().width);
    QXLOGPEN pen;
    unit.GetLinePen(pen);
    EXPECT_FLOAT_EQ(unitPen.width, pen.width);
    EXPECT_FLOAT_EQ(45, world.Record().m_envelopePen.width);

    // Each report is judged by its own text: after a typed envelope width and two refused reports,
    // a valid one reaches the record and every unit's lines.
    const DWORD_PTR envelope = CLstSglSandSetor::kEnvelopeStyleId + 1;
    ASSERT_TRUE(sands.open.Type(envelope, "3"));
    trace.Clear();
    sands.open.ExpectRefusedReportsShow(envelope, "3.00");
    EXPECT_EQ("", trace.Text());
    sands.open.Report(envelope, "7");
    EXPECT_FLOAT_EQ(700, world.Record().m_envelopePen.width);
    for (unsigned int i = 0; i < 2; ++i) EXPECT_FLOAT_EQ(700, world.SandUnit(i)->GetBottomSandLine()->GetPen().width);
}

// ---- creator rows -------------------------------------------------------------------------------------

class SingleCreators : public ::testing::Test {
protected:
    std::vector<std::string> Tabs(ScObjInterface* object) {
        CWnd* sheet = CSglPropertyWnd().Create(SectionObjectArg(object), &host.frame);
        if (!sheet) return {"(none)"};
        const std::vector<std::string> tabs = platform::TabCaptions(*sheet);
        platform::DestroyAndDelete(sheet);
        return tabs;
    }
    sectiontest::HostWindows host;
    SingleWorld world;
};

TEST_F(SingleCreators, EveryKindGetsItsPages) {
    EXPECT_EQ((std::vector<std::string>{"图设置", "层设置", "砂体设置"}), Tabs(world.Object()));
    EXPECT_EQ((std::vector<std::string>{"井设置"}), Tabs(&world.Well()));
    EXPECT_EQ((std::vector<std::string>{"虚拟线设置"}), Tabs(&world.Line()));
    EXPECT_EQ((std::vector<std::string>{"砂体设置"}), Tabs(&world.Fill()));
    EXPECT_EQ((std::vector<std::string>{"地层线设置"}), Tabs(world.StratumUnit(1)));
    // A sand unit itself has no row.
    EXPECT_EQ((std::vector<std::string>{"(none)"}), Tabs(world.SandUnit(0)));
}

TEST_F(SingleCreators, SectionAndWellOutsideTheWorkAreaOpenNothing) {
    world.Section().SetSameWorkArea(false);
    EXPECT_EQ((std::vector<std::string>{"(none)"}), Tabs(world.Object()));
    EXPECT_EQ((std::vector<std::string>{"(none)"}), Tabs(&world.Well()));
    EXPECT_EQ((std::vector<std::string>{"虚拟线设置"}), Tabs(&world.Line()));
}

}  // namespace
