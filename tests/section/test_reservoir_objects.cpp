// The reservoir object pages: designer well, interface line, control line, fault lines and flow
// unit: what each edit stores, the movable range of interface lines, and objects that miss a part.
#include <gtest/gtest.h>

#include <algorithm>
#include <boost/make_shared.hpp>
#include <cmath>

#include "driver/Responder.h"
#include "hostlibs/Halyard/Testing.h"
#include "hostlibs/Oriel/SectionFixture.h"
#include "hosttypes/Halyard/ControlLine.h"
#include "hosttypes/Halyard/DesignerWell.h"
#include "hosttypes/Halyard/FaultLine.h"
#include "hosttypes/Halyard/FlowUnit.h"
#include "hosttypes/Halyard/OSWerLine.h"
#include "hosttypes/Halyard/Reservoir.h"
#include "hosttypes/Oriel/ConnectionLines.h"
#include "hosttypes/Oriel/ConnectionSegments.h"
#include "hosttypes/Oriel/ScDepthRuler.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "section/LstControlLine.h"
#include "section/LstDsgWell.h"
#include "section/LstFaultLine.h"
#include "section/LstFaultLineEntity.h"
#include "section/LstOiLine.h"
#include "section/RsLstSand.h"
#include "section/SectionTestFixture.h"

namespace {

using KelReservoir::Connection::CDesignerWellAdapter;
using KelReservoir::Connection::CkelReservoir;
using KelReservoir::Fault::CkelFaultLine;
using KelReservoir::Fault::CkelFaultWellPoint;
using KelReservoir::SandUnit::CkelFlowUnit;
using KelReservoir::SandUnit::CkelOSWerLine;
using KelReservoir::SandUnit::CkelOSWerLineManager;
using KelReservoir::UI::CLstFaultLineEntity;
using KelReservoir::VirtualWell::CkelControlLine;

bool HalyardLogged(const std::string& entry) {
    const auto& log = halyard::testing::CallLog();
    return std::find(log.begin(), log.end(), entry) != log.end();
}

class ReservoirPages : public ::testing::Test {
protected:
    ReservoirPages() {
        halyard::testing::ClearCallLog();
        platform::Responder::Instance().Reset();
    }
    ~ReservoirPages() override { platform::Responder::Instance().Reset(); }
    int Updates() { return section.Section().GetUpdateCount(); }
    // An edit of the item the page refuses: nothing written, redrawn or marked modified, no host
    // call but getters, and the item shows shown.
    template <class List, class Edit>
    void ExpectRefused(sectiontest::OpenList<List>& open, DWORD_PTR id, const std::string& shown, Edit edit) {
        halyard::testing::ClearCallLog();
        oriel::testing::ClearCallLog();
        const int updates = Updates();
        const int modified = section.Section().GetModifyFlag();
        edit();
        EXPECT_EQ(shown, open.Value(id)) << id;
        EXPECT_TRUE(halyard::testing::CallLog().empty()) << id;
        EXPECT_TRUE(oriel::testing::CallLog().empty()) << id;
        EXPECT_EQ(updates, Updates()) << id;
        EXPECT_EQ(modified, section.Section().GetModifyFlag()) << id;
    }
    // A change reported from code with a text no reader takes.
    template <class List>
    void ExpectReportRefused(sectiontest::OpenList<List>& open, DWORD_PTR id, const char* text,
                             const std::string& shown) {
        SCOPED_TRACE(text);
        ExpectRefused(open, id, shown, [&] { open.Report(id, text); });
    }
    // A depth typed outside the line's movable range: refused with the range in a message box,
    // and the item shows the line's depth as the refresh shows it.
    template <class List>
    void ExpectDepthOutOfRange(sectiontest::OpenList<List>& open, DWORD_PTR id, const std::string& text,
                               const std::string& range) {
        SCOPED_TRACE(text);
        platform::Responder::Instance().Reset();
        const std::string shown = open.Value(id);
        ExpectRefused(open, id, shown, [&] { open.Type(id, text); });
        const auto& boxes = platform::Responder::Instance().MessageBoxes();
        ASSERT_EQ(1u, boxes.size());
        EXPECT_EQ("设置的深度范围超过其所在的深度范围" + range, boxes[0].text);
        EXPECT_EQ("错误", boxes[0].caption);
        EXPECT_EQ(static_cast<UINT>(MB_OK), boxes[0].type);
    }

    oriel::SectionFixture<CkelReservoir> section;
};

// ---- designer well ----------------------------------------------------------------------------------------

TEST_F(ReservoirPages, DesignerWellDepthsAreElevationsAndNarrowWidthsAreRefused) {
    CDesignerWellAdapter well;
    well.SetReservoir(&section.Section());
    well.SetTopDepth(-1200);
    sectiontest::OpenList<CLstDsgWell> open(new CLstDsgWell(&well, CLstDsgWell::kReservoirMode));
    open.Show(&well);
    EXPECT_EQ("1200.00", open.Value(CLstDsgWell::kTopDepthId));
    EXPECT_EQ("海拔深", open.Value(CLstDsgWell::kDepthTypeId));

    ASSERT_TRUE(open.Type(CLstDsgWell::kTopDepthId, "850"));
    EXPECT_TRUE(HalyardLogged("CDesignerWellAdapter::SetTopDepth(-850.000000)"));
    EXPECT_DOUBLE_EQ(-850, well.GetTopDepth());
    well.m_dMinWidth = 300;
    // A width not above 0.1 mm is refused like a text that is no number: nothing is redrawn.
    open.Type(CLstDsgWell::kWidthId, "0.1");
    EXPECT_DOUBLE_EQ(300, well.m_dMinWidth);
    EXPECT_EQ(1, Updates());
    ASSERT_TRUE(open.Type(CLstDsgWell::kWidthId, "2"));
    EXPECT_DOUBLE_EQ(200, well.m_dMinWidth);
    EXPECT_EQ(2, Updates());
    EXPECT_EQ(1, section.Section().GetModifyFlag());

    // A depth of 0 is stored as +0 although a reservoir reverses the sign.
    ASSERT_TRUE(open.Type(CLstDsgWell::kTopDepthId, "0"));
    EXPECT_EQ(0, well.GetTopDepth());
    EXPECT_FALSE(std::signbit(well.GetTopDepth()));
}

// Whatever item or reader refuses a text, the well, its section and the log stay as they were and
// the item shows the stored value as the refresh shows it ("abc" into "粗细" shows "1.50" again).
TEST_F(ReservoirPages, DesignerWellRefusedTextsWriteNothingAndShowTheStoredValue) {
    CDesignerWellAdapter well;
    well.SetReservoir(&section.Section());
    well.SetTopDepth(-1200);
    well.m_dMinWidth = 300;
    QXLOGPEN pen;
    pen.width = 150;
    well.SetLogPen(&pen);
    QXLOGFONT font;
    font.size = 1200;
    well.SetLogFont(&font);
    sectiontest::OpenList<CLstDsgWell> open(new CLstDsgWell(&well, CLstDsgWell::kReservoirMode));
    open.Show(&well);
    section.Section().SetModifyFlag(0);
    const int updates = Updates();

    const struct {
        DWORD_PTR id;
        const char* text;
        const char* shown;
    } kCases[] = {
        {CLstDsgWell::kPenWidthId, "abc", "1.50"},     {CLstDsgWell::kPenWidthId, "-1", "1.50"},
        {CLstDsgWell::kPenWidthId, "-0", "1.50"},      {CLstDsgWell::kPenWidthId, "1e39", "1.50"},
        {CLstDsgWell::kFontSizeId, "x", "12.00"},      {CLstDsgWell::kFontSizeId, "-3", "12.00"},
        {CLstDsgWell::kWidthId, "0.05", "3"},          {CLstDsgWell::kWidthId, "1e39", "3"},
        {CLstDsgWell::kTopDepthId, "1e39", "1200.00"}, {CLstDsgWell::kBottomDepthId, "abc", "0.00"},
    };
    for (const auto& c : kCases) {
        halyard::testing::ClearCallLog();
        open.Type(c.id, c.text);
        EXPECT_TRUE(halyard::testing::CallLog().empty()) << c.text;
        EXPECT_EQ(c.shown, open.Value(c.id)) << c.text;
    }
    EXPECT_FLOAT_EQ(150, well.GetLogPen()->width);
    EXPECT_FLOAT_EQ(1200, well.GetLogFont()->size);
    EXPECT_DOUBLE_EQ(300, well.m_dMinWidth);
    EXPECT_DOUBLE_EQ(-1200, well.GetTopDepth());
    EXPECT_EQ(updates, Updates());
    EXPECT_EQ(0, section.Section().GetModifyFlag());

    // Each report is judged by its own text: a valid one from code after a typed refusal is taken.
    open.Report(CLstDsgWell::kTopDepthId, "850");
    EXPECT_DOUBLE_EQ(-850, well.GetTopDepth());
    open.Report(CLstDsgWell::kPenWidthId, "2.5");
    EXPECT_FLOAT_EQ(250, well.GetLogPen()->width);
    EXPECT_EQ(updates + 2, Updates());
}

// A picked colour writes only the colour: the size shown rounded ("12.35" for 1234.5) and the pen
// width ("1.00" for 99.96) stay as stored, as does the font's second colour.
TEST_F(ReservoirPages, DesignerWellFontEditKeepsTheFontsSecondColour) {
    CDesignerWellAdapter well;
    well.SetReservoir(&section.Section());
    QXLOGPEN pen;
    pen.width = 99.96f;
    well.SetLogPen(&pen);
    QXLOGFONT font;
    font.size = 1234.5f;
    font.backColor = RGB(9, 9, 9);
    font.SetFaceName("黑体");
    well.SetLogFont(&font);
    sectiontest::OpenList<CLstDsgWell> open(new CLstDsgWell(&well, CLstDsgWell::kReservoirMode));
    open.Show(&well);
    ASSERT_TRUE(open.ChooseColor(CLstDsgWell::kFontColorId, RGB(0, 0, 200)));
    const QXLOGFONT stored = *well.GetLogFont();
    EXPECT_EQ(RGB(0, 0, 200), stored.color);
    EXPECT_EQ(RGB(9, 9, 9), stored.backColor);
    EXPECT_EQ(1234.5f, stored.size);
    EXPECT_EQ("黑体", std::string(stored.GetFaceName()));
    ASSERT_EQ("12.35", open.Value(CLstDsgWell::kFontSizeId));
    ASSERT_TRUE(open.ChooseColor(CLstDsgWell::kPenColorId, RGB(200, 0, 0)));
    EXPECT_EQ(RGB(200, 0, 0), well.GetLogPen()->color);
    EXPECT_EQ(99.96f, well.GetLogPen()->width);

    // A size that is no number: the group reader refuses it and nothing is written.
    halyard::testing::ClearCallLog();
    open.Type(CLstDsgWell::kFontSizeId, "x");
    EXPECT_FALSE(HalyardLogged("CDesignerWellAdapter::SetLogFont"));
    EXPECT_EQ(1234.5f, well.GetLogFont()->size);
}

// A width or size the group reader refuses but that was not edited keeps the stored one; the picked
// colour is written and the section redrawn and marked modified.
TEST_F(ReservoirPages, DesignerWellGroupWithARefusedStoredSizeStillTakesAPickedColour) {
    CDesignerWellAdapter well;
    well.SetReservoir(&section.Section());
    QXLOGPEN pen;
    pen.width = -100;
    well.SetLogPen(&pen);
    QXLOGFONT font;
    font.size = -100;
    font.SetFaceName("黑体");
    well.SetLogFont(&font);
    sectiontest::OpenList<CLstDsgWell> open(new CLstDsgWell(&well, CLstDsgWell::kReservoirMode));
    open.Show(&well);
    ASSERT_EQ("-1.00", open.Value(CLstDsgWell::kPenWidthId));
    section.Section().SetModifyFlag(0);

    ASSERT_TRUE(open.ChooseColor(CLstDsgWell::kPenColorId, RGB(0, 0, 200)));
    EXPECT_EQ(RGB(0, 0, 200), well.GetLogPen()->color);
    EXPECT_FLOAT_EQ(-100, well.GetLogPen()->width);
    EXPECT_EQ(1, Updates());
    EXPECT_EQ(1, section.Section().GetModifyFlag());

    section.Section().SetModifyFlag(0);
    ASSERT_TRUE(open.ChooseColor(CLstDsgWell::kFontColorId, RGB(0, 200, 0)));
    EXPECT_EQ(RGB(0, 200, 0), well.GetLogFont()->color);
    EXPECT_FLOAT_EQ(-100, well.GetLogFont()->size);
    EXPECT_EQ("黑体", std::string(well.GetLogFont()->GetFaceName()));
    EXPECT_EQ(2, Updates());
    EXPECT_EQ(1, section.Section().GetModifyFlag());

    // The edited field's refusal still stops the edit (a width reported from code, not judged by
    // its item): nothing written, and the item shows the stored width again.
    halyard::testing::ClearCallLog();
    open.Report(CLstDsgWell::kPenWidthId, "x");
    EXPECT_FALSE(HalyardLogged("CDesignerWellAdapter::SetLogPen"));
    EXPECT_EQ("-1.00", open.Value(CLstDsgWell::kPenWidthId));
    EXPECT_EQ(2, Updates());
}

// ---- interface lines --------------------------------------------------------------------------------------

struct InterfaceLines {
    boost::shared_ptr<CkelOSWerLineManager> manager = boost::make_shared<CkelOSWerLineManager>();
    boost::shared_ptr<CkelOSWerLine> upper = boost::make_shared<CkelOSWerLine>();
    boost::shared_ptr<CkelOSWerLine> lower = boost::make_shared<CkelOSWerLine>();
    explicit InterfaceLines(int count) {
        upper->SetMoveDepthExtent(1000, 1100);
        upper->SetDepth(1050);
        lower->SetMoveDepthExtent(1100, 1200);
        lower->SetDepth(1150);
        if (count > 0) manager->SetUpperLine(upper);
        if (count > 1) manager->SetLowerLine(lower);
    }
};

TEST_F(ReservoirPages, InterfaceLineMovesWithinItsRangeBoundsIncluded) {
    InterfaceLines lines(1);
    sectiontest::OpenList<CLstOiLine> open(new CLstOiLine(lines.upper.get()));
    open.Show(lines.upper.get());
    EXPECT_EQ("1050", open.Value(CLstOiLine::kDepthId).substr(0, 4));
    ASSERT_TRUE(open.Type(CLstOiLine::kDepthId, "1100"));
    EXPECT_DOUBLE_EQ(1100, lines.upper->GetDepth());
    EXPECT_TRUE(platform::Responder::Instance().MessageBoxes().empty());

    ASSERT_TRUE(open.Type(CLstOiLine::kDepthId, "1000"));
    EXPECT_DOUBLE_EQ(1000, lines.upper->GetDepth());

    for (const char* text : {"1000.5e3", "5e36", "999.99", "-1050"}) {
        ExpectDepthOutOfRange(open, CLstOiLine::kDepthId, text, "1000.000000-1100.000000");
        EXPECT_DOUBLE_EQ(1000, lines.upper->GetDepth());
        EXPECT_EQ(1000.0, open.Item(CLstOiLine::kDepthId)->GetValue().dblVal);
    }
    // The refused depth leaves the page able to take the next one, which redraws the section.
    const int updates = Updates();
    ASSERT_TRUE(open.Type(CLstOiLine::kDepthId, "1050"));
    EXPECT_DOUBLE_EQ(1050, lines.upper->GetDepth());
    EXPECT_EQ(updates + 1, Updates());
}

TEST_F(ReservoirPages, InterfaceLinePageFollowsOnlyInterfaceLines) {
    InterfaceLines lines(2);
    sectiontest::OpenList<CLstOiLine> open(new CLstOiLine(lines.upper.get()));
    open.Show(lines.upper.get());
    lines.lower->SetTimeStamp(lines.upper->GetTimeStamp());
    open.Show(lines.lower.get());
    EXPECT_EQ(lines.lower.get(), open.list().GetLine());
    ScDepthRuler ruler;
    open.Show(&ruler);
    EXPECT_EQ(lines.lower.get(), open.list().GetLine());
}

TEST_F(ReservoirPages, PageWithoutItsInterfaceLineShowsAnEmptyDepthAndMovesNothing) {
    sectiontest::OpenList<CLstOiLine> open(new CLstOiLine(nullptr));
    EXPECT_EQ("", open.Value(CLstOiLine::kDepthId));
    open.Type(CLstOiLine::kDepthId, "5");
    EXPECT_TRUE(platform::Responder::Instance().MessageBoxes().empty());
}

// ---- control line -----------------------------------------------------------------------------------------

TEST_F(ReservoirPages, ControlLinePointSizeIsStoredInHundredthsAndColoursOneWordEach) {
    auto line = boost::make_shared<CkelControlLine>();
    section.Section().GetControlLineMgr()->AddLine(line);
    QXLOGBRUSH brush;
    brush.fillColor = RGB(1, 1, 1);
    brush.lineColor = RGB(2, 2, 2);
    line->SetBrush(brush);
    line->m_dPointSize = 250;
    sectiontest::OpenList<CLstControlLine> open(new CLstControlLine(line.get()));
    open.Show(line.get());
    EXPECT_EQ("2.50", open.Value(CLstControlLine::kPointSizeId));
    ASSERT_TRUE(open.Type(CLstControlLine::kPointSizeId, "1.5"));
    EXPECT_DOUBLE_EQ(150, line->m_dPointSize);
    ASSERT_TRUE(open.Type(CLstControlLine::kPointSizeId, "2.5"));
    EXPECT_DOUBLE_EQ(250, line->m_dPointSize);
    ASSERT_TRUE(open.ChooseColor(CLstControlLine::kInnerColorId, RGB(7, 7, 7)));
    EXPECT_EQ(RGB(7, 7, 7), line->GetBrush().fillColor);
    EXPECT_EQ(RGB(2, 2, 2), line->GetBrush().lineColor);
    EXPECT_EQ(3, Updates());
}

TEST_F(ReservoirPages, ATextTheReaderRefusesAfterTheItemTookItShowsTheLinesValue) {
    auto line = boost::make_shared<CkelControlLine>();
    section.Section().GetControlLineMgr()->AddLine(line);
    line->m_dPointSize = 250;
    QXLOGPEN pen;
    pen.width = 40;
    line->SetLogPen(pen);
    sectiontest::OpenList<CLstControlLine> control(new CLstControlLine(line.get()));
    control.Show(line.get());
    ExpectReportRefused(control, CLstControlLine::kPointSizeId, "x", "2.50");
    ExpectReportRefused(control, CLstControlLine::kPenWidthId, "-1", "0.40");
    EXPECT_DOUBLE_EQ(250, line->m_dPointSize);
    EXPECT_FLOAT_EQ(40, line->GetLogPen().width);

    InterfaceLines lines(1);
    sectiontest::OpenList<CLstOiLine> oi(new CLstOiLine(lines.upper.get()));
    oi.Show(lines.upper.get());
    const std::string depth = oi.Value(CLstOiLine::kDepthId);
    ExpectReportRefused(oi, CLstOiLine::kDepthId, "x", depth);
    EXPECT_DOUBLE_EQ(1050, lines.upper->GetDepth());
    EXPECT_TRUE(platform::Responder::Instance().MessageBoxes().empty());
}

// ---- fault lines ------------------------------------------------------------------------------------------

class FaultLines : public ReservoirPages {
protected:
    FaultLines() {
        for (int i = 0; i < 2; ++i) {
            lines[i] = boost::make_shared<CkelFaultLine>();
            section.Section().GetFaultLineMgr()->AddLine(lines[i]);
        }
    }
    boost::shared_ptr<CkelFaultLine> lines[2];
};

TEST_F(FaultLines, StylePageWidthReachesTheRecordAndEveryFaultLine) {
    section.Record().m_faultLinePen.style = 2;
    section.Record().m_faultLinePen.color = RGB(5, 5, 5);
    sectiontest::OpenList<CLstFaultLine> open(new CLstFaultLine(&section.Section()));
    open.Show(section.Object());
    ASSERT_TRUE(open.Type(CLstFaultLine::kWidthId, "0.4"));
    EXPECT_FLOAT_EQ(40, section.Record().m_faultLinePen.width);
    for (const auto& line : lines) {
        EXPECT_FLOAT_EQ(40, line->GetLogPen().width);
        EXPECT_EQ(2u, line->GetLogPen().style);
        EXPECT_EQ(RGB(5, 5, 5), line->GetLogPen().color);
    }
    EXPECT_EQ(1, Updates());
}

// A width the pens cannot hold in hundredths reaches neither the record nor any fault line, whose
// own pens stay as they are; an entity page keeps its line's pen too.
TEST_F(FaultLines, ARefusedWidthReachesNoFaultLine) {
    QXLOGPEN own = lines[1]->GetLogPen();
    own.width = 80;
    lines[1]->SetLogPen(own);
    sectiontest::OpenList<CLstFaultLine> open(new CLstFaultLine(&section.Section()));
    open.Show(section.Object());
    sectiontest::OpenList<CLstFaultLineEntity> entity(new CLstFaultLineEntity(lines[1].get()));
    entity.Show(lines[1].get());
    for (const char* text : {"1e39", "3.5e38", "9e296"}) {
        ASSERT_TRUE(open.Type(CLstFaultLine::kWidthId, text));
        ASSERT_TRUE(entity.Type(CLstFaultLineEntity::kPenStyleId + 1, text));
        EXPECT_EQ("0.80", entity.Value(CLstFaultLineEntity::kPenStyleId + 1)) << text;
    }
    EXPECT_FLOAT_EQ(0, section.Record().m_faultLinePen.width);
    EXPECT_FLOAT_EQ(0, lines[0]->GetLogPen().width);
    EXPECT_FLOAT_EQ(80, lines[1]->GetLogPen().width);
}

TEST_F(FaultLines, ATextTheReaderRefusesAfterTheItemTookItShowsTheStoredValue) {
    section.Record().m_faultLinePen.width = 30;
    sectiontest::OpenList<CLstFaultLine> open(new CLstFaultLine(&section.Section()));
    open.Show(section.Object());
    ExpectReportRefused(open, CLstFaultLine::kWidthId, "x", "0.30");
    EXPECT_FLOAT_EQ(30, section.Record().m_faultLinePen.width);
    EXPECT_FLOAT_EQ(0, lines[0]->GetLogPen().width);
    // Each report is judged by its own text: after a typed width and two refused reports, a valid
    // one reaches the record and every fault line.
    ASSERT_TRUE(open.Type(CLstFaultLine::kWidthId, "3"));
    for (const char* text : {"-1", "1e39"}) ExpectReportRefused(open, CLstFaultLine::kWidthId, text, "3.00");
    open.Report(CLstFaultLine::kWidthId, "7");
    EXPECT_FLOAT_EQ(700, section.Record().m_faultLinePen.width);
    for (const auto& faultLine : lines) EXPECT_FLOAT_EQ(700, faultLine->GetLogPen().width);

    CkelFaultLine& line = *lines[1];
    line.SetDistance(12.5);
    line.SetAngle(30);
    sectiontest::OpenList<CLstFaultLineEntity> entity(new CLstFaultLineEntity(&line));
    entity.Show(&line);
    for (DWORD_PTR id :
         {CLstFaultLineEntity::kThrowId, CLstFaultLineEntity::kDipAngleId, CLstFaultLineEntity::kPenWidthId})
        ExpectReportRefused(entity, id, "x", entity.Value(id));
    EXPECT_DOUBLE_EQ(30, line.GetAngle());
}

TEST_F(FaultLines, KindAndSealingEdits) {
    CkelFaultLine& line = *lines[0];
    line.SetNoraml(true);
    sectiontest::OpenList<CLstFaultLineEntity> open(new CLstFaultLineEntity(&line));
    open.Show(&line);
    EXPECT_EQ("正断层", open.Value(CLstFaultLineEntity::kKindId));
    ASSERT_TRUE(open.Pick(CLstFaultLineEntity::kKindId, "逆断层"));
    EXPECT_FALSE(line.GetNoraml());
    EXPECT_TRUE(HalyardLogged("CkelFaultLine::Update"));
    const uint64_t stamp = line.GetTimeStamp();
    ASSERT_TRUE(open.Pick(CLstFaultLineEntity::kSealingId, "渗透断层"));
    EXPECT_TRUE(line.GetPermeable());
    EXPECT_NE(stamp, line.GetTimeStamp());
    EXPECT_EQ(2, Updates());
    // From code, a normal fault only for "正断层" and a sealing one only for "封堵断层"; the item
    // shows the option taken.
    ASSERT_TRUE(open.Pick(CLstFaultLineEntity::kKindId, "正断层"));
    open.Report(CLstFaultLineEntity::kKindId, "正");
    EXPECT_FALSE(line.GetNoraml());
    EXPECT_EQ("逆断层", open.Value(CLstFaultLineEntity::kKindId));
    ASSERT_TRUE(open.Pick(CLstFaultLineEntity::kSealingId, "封堵断层"));
    open.Report(CLstFaultLineEntity::kSealingId, "封闭");
    EXPECT_TRUE(line.GetPermeable());
    EXPECT_EQ("渗透断层", open.Value(CLstFaultLineEntity::kSealingId));
}

TEST_F(FaultLines, OnlyATwoPointLineTakesADipAngle) {
    CQXObjectPolyline two, three;
    two.SetPoints({FLOATPOINT(0, 0), FLOATPOINT(1, 1)});
    three.SetPoints({FLOATPOINT(0, 0), FLOATPOINT(1, 1), FLOATPOINT(2, 0)});
    lines[0]->SetImp(&two);
    lines[1]->SetImp(&three);
    sectiontest::OpenList<CLstFaultLineEntity> first(new CLstFaultLineEntity(lines[0].get()));
    sectiontest::OpenList<CLstFaultLineEntity> second(new CLstFaultLineEntity(lines[1].get()));
    EXPECT_TRUE(first.Item(CLstFaultLineEntity::kDipAngleId)->IsEnabled());
    EXPECT_FALSE(second.Item(CLstFaultLineEntity::kDipAngleId)->IsEnabled());
}

TEST_F(FaultLines, BreakDepthShowsOnlyForALineOverAWellAndIsEmptyWithoutItsPoint) {
    CkelFaultLine& line = *lines[0];
    sectiontest::OpenList<CLstFaultLineEntity> open(new CLstFaultLineEntity(&line));
    open.Show(&line);
    EXPECT_FALSE(open.Shown(CLstFaultLineEntity::kBreakDepthId));

    line.SetOverWell(true);
    line.SetTimeStamp(line.GetTimeStamp() + 1);
    open.Show(&line);
    EXPECT_TRUE(open.Shown(CLstFaultLineEntity::kBreakDepthId));
    EXPECT_EQ("", open.Value(CLstFaultLineEntity::kBreakDepthId));

    CkelFaultWellPoint point;
    point.SetWell(&section.Well(0));
    point.SetPoint(FLOATPOINT(0, -1234.5));
    line.GetWellPointManager().AddObj(point);
    line.SetTimeStamp(line.GetTimeStamp() + 1);
    open.Show(&line);
    EXPECT_EQ("1234.50", open.Value(CLstFaultLineEntity::kBreakDepthId));
}

// ---- flow unit --------------------------------------------------------------------------------------------

class FlowUnitPage : public ReservoirPages {
protected:
    void Open(int lineCount, bool withFill = true) {
        lines = std::make_unique<InterfaceLines>(lineCount);
        unit.SetOswLineManager(lines->manager);
        sand.SetUnitCode("U7");
        fill.AddSand(&sand);
        QXLOGBRUSH brush;
        brush.style = 1002;
        drawing.SetLogBrush(&brush);
        fill.SetFillObject(&drawing);
        if (withFill) unit.GetFillManager().AddObj(&fill);
        unit.SetTimeStamp(4);
        open = std::make_unique<sectiontest::OpenList<CRsLstSand>>(new CRsLstSand(&unit));
        open->Show(&unit);
    }
    bool Enabled(DWORD_PTR id) { return open->Item(id)->IsEnabled() == TRUE; }

    CkelFlowUnit unit;
    CnSand sand;
    CnSandFill fill;
    CQXObjectFill drawing;
    std::unique_ptr<InterfaceLines> lines;
    std::unique_ptr<sectiontest::OpenList<CRsLstSand>> open;
};

TEST_F(FlowUnitPage, WithoutLinesOnlyTheFillIsEditable) {
    Open(0);
    EXPECT_EQ("U7", open->Value(CRsLstSand::kUnitTypeId));
    EXPECT_TRUE(Enabled(CRsLstSand::kFillStyleId));
    EXPECT_FALSE(Enabled(CRsLstSand::kUpperDepthId));
    EXPECT_FALSE(Enabled(CRsLstSand::kLowerDepthId));
    ASSERT_TRUE(open->Pick(CRsLstSand::kFillStyleSetId, "岩性填充"));
    EXPECT_EQ(1101u, unit.GetBrush().style);
    ASSERT_TRUE(open->Pick(CRsLstSand::kFillTransparentId, "是"));
    EXPECT_EQ(100u, unit.GetBrush().backMode);
    ASSERT_TRUE(open->Pick(CRsLstSand::kFillTransparentId, "否"));
    EXPECT_EQ(13u, unit.GetBrush().backMode);
}

TEST_F(FlowUnitPage, LinesLockTheFillAndMoveWithinTheirRange) {
    Open(2);
    EXPECT_FALSE(Enabled(CRsLstSand::kFillStyleId));
    EXPECT_FALSE(Enabled(CRsLstSand::kUnitTypeId));
    EXPECT_TRUE(Enabled(CRsLstSand::kUpperDepthId));
    EXPECT_TRUE(Enabled(CRsLstSand::kLowerDepthId));
    ASSERT_TRUE(open->Type(CRsLstSand::kLowerDepthId, "1200"));
    EXPECT_DOUBLE_EQ(1200, lines->lower->GetDepth());
    ASSERT_TRUE(open->Type(CRsLstSand::kUpperDepthId, "1000"));
    EXPECT_DOUBLE_EQ(1000, lines->upper->GetDepth());

    for (const char* text : {"1099", "5e36"}) {
        ExpectDepthOutOfRange(*open, CRsLstSand::kLowerDepthId, text, "1100.000000-1200.000000");
        EXPECT_DOUBLE_EQ(1200, lines->lower->GetDepth());
        EXPECT_EQ(1200.0, open->Item(CRsLstSand::kLowerDepthId)->GetValue().dblVal);
    }
    for (const char* text : {"5e36", "1100.5"}) {
        ExpectDepthOutOfRange(*open, CRsLstSand::kUpperDepthId, text, "1000.000000-1100.000000");
        EXPECT_DOUBLE_EQ(1000, lines->upper->GetDepth());
    }
    // Each line keeps its own depth and the other group's items stay as they were.
    EXPECT_DOUBLE_EQ(1200, open->Item(CRsLstSand::kLowerDepthId)->GetValue().dblVal);
}

TEST_F(FlowUnitPage, OneLineLeavesTheLowerGroupDisabled) {
    Open(1);
    EXPECT_TRUE(Enabled(CRsLstSand::kUpperDepthId));
    EXPECT_FALSE(Enabled(CRsLstSand::kLowerDepthId));
}

TEST_F(FlowUnitPage, AUnitWithoutASandFillShowsEmptySandAndFillItemsAndIsNotEdited) {
    Open(0, false);
    EXPECT_EQ("", open->Value(CRsLstSand::kUnitTypeId));
    EXPECT_EQ("", open->Value(CRsLstSand::kFillStyleSetId));
    const QXLOGBRUSH before = unit.GetBrush();
    open->Pick(CRsLstSand::kFillTransparentId, "是");
    EXPECT_EQ(before.backMode, unit.GetBrush().backMode);
}

// Reported or typed, a refused cell size shows the fill's again, a refused depth its line's.
TEST_F(FlowUnitPage, ARefusedTextShowsTheStoredValue) {
    Open(0);
    QXLOGBRUSH brush;
    drawing.GetLogBrush(&brush);
    brush.size = 350;
    drawing.SetLogBrush(&brush);
    unit.ProChanged();
    open->Show(&unit);
    ExpectReportRefused(*open, CRsLstSand::kFillCellSizeId, "x", "3.50");
    brush.size = 420;  // changed elsewhere, not refreshed
    drawing.SetLogBrush(&brush);
    open->Type(CRsLstSand::kFillCellSizeId, "-1");
    EXPECT_EQ("4.20", open->Value(CRsLstSand::kFillCellSizeId));
    // An empty style set changes nothing: refused, its text from before shown.
    ExpectReportRefused(*open, CRsLstSand::kFillStyleSetId, "", "常用填充");
    Open(1);
    const std::string depth = open->Value(CRsLstSand::kUpperDepthId);
    ExpectReportRefused(*open, CRsLstSand::kUpperDepthId, "x", depth);
    EXPECT_DOUBLE_EQ(1050, lines->upper->GetDepth());
}

TEST_F(FlowUnitPage, AnotherKindOfObjectLeavesThePagesUnit) {
    Open(0);
    ScDepthRuler ruler;
    open->Show(&ruler);
    EXPECT_EQ(&unit, open->list().GetUnit());
}

}  // namespace
