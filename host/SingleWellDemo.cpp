#include "SingleWellDemo.h"

#include <string>

#include "SectionDemo.h"
#include "WindowPrinter.h"
#include "driver/CellGridDriver.h"
#include "driver/GridDriver.h"
#include "driver/Responder.h"
#include "driver/SheetDriver.h"
#include "hostlibs/Pennant/SingleWellFixture.h"
#include "hosttypes/Spindle/GridCtrl.h"
#include "section/LstSandUnitFill.h"
#include "section/LstSglSandSetor.h"
#include "section/LstSglStraumSetor.h"
#include "section/LstSingle.h"
#include "section/LstStratumUnit.h"
#include "section/ScPropertyWnd.h"
#include "section/SectionObject.h"
#include "section/SglLstCtrlLine.h"
#include "section/SglLstWell.h"

namespace demo {

namespace {

void PrintWell(std::ostream& out, pennant::SingleWellFixture& world) {
    const CSglWellAdapter& well = world.Well();
    const CSingleProperty& record = world.Record();
    out << "  section: 模板=" << record.m_strTemplatePath << " 横向=" << record.m_dXScale
        << " 纵向=" << record.m_dYScale << " 等级=" << record.m_nGrade << " 砂层显示=" << record.m_nSandShowMode
        << "\n";
    out << "  well: 顶深=" << well.GetTopDep() << " 底深=" << well.GetBottomDep() << " 顶层=" << well.GetTopStratum()
        << " 底层=" << well.GetBottomStratum() << " 宽度=" << well.GetWidth() << " 层连接=" << well.GetLapJointType()
        << "\n";
}

void PrintSands(std::ostream& out, pennant::SingleWellFixture& world) {
    out << "  sand units:";
    for (unsigned int i = 0; i < 2; ++i) {
        const Sand::CSandUnit& unit = *world.SandUnit(i);
        out << " " << unit.GetTopDep() << "-" << unit.GetBottomDep() << (unit.IsVisible() ? " shown" : " hidden")
            << " 油=" << unit.GetOilCode() << ";";
    }
    out << "\n";
}

CWnd* Open(ScObjInterface* object, CWnd& frame, CWnd& view, std::ostream& out) {
    CWnd* sheet = CSglPropertyWnd().Create(SectionObjectArg(object), &frame);
    if (!sheet) {
        out << "  (no window)\n";
        return nullptr;
    }
    platform::SendSelectionChanged(*sheet, &view, SectionObjectArg(object));
    return sheet;
}

void Close(CWnd* sheet) {
    if (sheet) platform::DestroyAndDelete(sheet);
}

}  // namespace

void RunSingleWellDemo(CWnd& frame, CWnd& view, std::ostream& out, const std::function<void(const char*)>& step) {
    pennant::SingleWellFixture world;
    const LPARAM object = SectionObjectArg(world.Object());

    step("single-well section: CSglPropertyWnd::Create");
    CWnd* sheet = Open(world.Object(), frame, view, out);
    if (!sheet) return;
    hostapp::PrintPropertyWindow(out, *sheet);
    if (auto* graph = ShowPage<CLstSingle>(*sheet, 0)) {
        platform::GridDriver grid(&graph->GetPropList());
        out << "  template 单井剖面[系统], 纵向 1:50, 横向 1:abc, 井柱, grade 一级 (否) then 三级 (是), bottom 900\n";
        grid.PickOption(grid.FindByData(CLstSingle::kTemplateId), "单井剖面[系统]");
        grid.TypeText(grid.FindByData(CLstSingle::kYScaleId), "1:50");
        grid.TypeText(grid.FindByData(CLstSingle::kXScaleId), "1:abc");
        grid.PickOption(grid.FindByData(CLstSingle::kLapJointId), "井柱");
        platform::Responder::Instance().QueueAnswer(IDNO);
        grid.PickOption(grid.FindByData(CLstSingle::kGradeId), "一级");
        platform::Responder::Instance().QueueAnswer(IDYES);
        grid.PickOption(grid.FindByData(CLstSingle::kGradeId), "三级");
        grid.TypeText(grid.FindByData(CLstSingle::kBottomDepthId), "900");
        grid.TypeText(grid.FindByData(CLstSingle::kTopDepthId), "980");
        grid.TypeText(grid.FindByData(CLstSingle::kWellWidthId), "2.5");
        PrintWell(out, world);
        platform::SendSelectionChanged(*sheet, &view, object);
        hostapp::PrintPropertyWindow(out, *sheet);
    }
    Close(sheet);

    step("single-well section again: stratum grid and sand modes");
    pennant::SingleWellFixture fresh;
    sheet = Open(fresh.Object(), frame, view, out);
    if (auto* strata = sheet ? ShowPage<CLstSglStraumSetor>(*sheet, 1) : nullptr) {
        CGridCtrl& grid = *strata->GetGrid();
        PrintCells(out, grid);
        out << "  FALSE into 顶界限 of stratum 2, click the header 砂体\n";
        platform::EditGridCell(grid, 2, CLstSglStraumSetor::kTopColumn, "FALSE");
        platform::ClickGridHeader(grid, CLstSglStraumSetor::kSandColumn);
        out << "  flags:";
        for (const CSingleProperty::STRATUMINFO& entry : fresh.Record().m_stratumList)
            out << " " << entry.name << "=" << static_cast<int>(entry.flags);
        out << "\n";
    }
    if (auto* sands = sheet ? ShowPage<CLstSglSandSetor>(*sheet, 2) : nullptr) {
        platform::SendSelectionChanged(*sheet, &view, SectionObjectArg(fresh.Object()));
        platform::GridDriver grid(&sands->GetPropList());
        for (const char* mode : {"射开", "连通"}) {
            grid.PickOption(grid.FindByData(CLstSglSandSetor::kDisplayId), mode);
            out << "  " << mode << ":";
            PrintSands(out, fresh);
        }
        grid.PickOption(grid.FindByData(CLstSglSandSetor::kEnvelopeShowId), "是");
        platform::SendSelectionChanged(*sheet, &view, SectionObjectArg(fresh.Object()));
        hostapp::PrintPropertyWindow(out, *sheet);
    }
    Close(sheet);

    step("single-well well: CSglPropertyWnd::Create on the well");
    fresh.Well().SetDepthDataType(DEPTHDATA_ELEVATION);
    sheet = Open(&fresh.Well(), frame, view, out);
    if (auto* well = sheet ? ShowPage<CsglLstWell>(*sheet, 0) : nullptr) {
        platform::SendSelectionChanged(*sheet, &view, SectionObjectArg(&fresh.Well()));
        hostapp::PrintPropertyWindow(out, *sheet);
        platform::GridDriver grid(&well->GetPropList());
        out << "  width 1.2, template 单井剖面[系统]\n";
        grid.TypeText(grid.FindByData(CsglLstWell::kWidthId), "1.2");
        grid.PickOption(grid.FindByData(CsglLstWell::kTemplateId), "单井剖面[系统]");
        platform::SendSelectionChanged(*sheet, &view, SectionObjectArg(&fresh.Well()));
        hostapp::PrintPropertyWindow(out, *sheet);
    }
    Close(sheet);

    step("single-well sand-unit fill, stratum unit and control line");
    sheet = Open(&fresh.Fill(), frame, view, out);
    if (auto* fill = sheet ? ShowPage<CLstSandUnitFill>(*sheet, 0) : nullptr) {
        platform::SendSelectionChanged(*sheet, &view, SectionObjectArg(&fresh.Fill()));
        platform::GridDriver grid(&fill->GetPropList());
        grid.PickOption(grid.FindByData(CLstSandUnitFill::kOilCodeId), "水层");
        QXLOGBRUSH brush;
        fresh.FillObject().GetLogBrush(&brush);
        out << "  oil code " << fresh.SandUnit(0)->GetOilCode() << ", fill colour 0x" << std::hex << brush.fillColor
            << std::dec << "\n";
        hostapp::PrintPropertyWindow(out, *sheet);
    }
    Close(sheet);
    sheet = Open(fresh.StratumUnit(0), frame, view, out);
    if (auto* unit = sheet ? ShowPage<CLstStratumUnit>(*sheet, 0) : nullptr) {
        platform::SendSelectionChanged(*sheet, &view, SectionObjectArg(fresh.StratumUnit(0)));
        platform::GridDriver grid(&unit->GetPropList());
        grid.TypeText(grid.FindByData(CLstStratumUnit::kLineStyleId + 1), "0.5");
        QXLOGPEN pen;
        fresh.StratumUnit(0)->GetLinePen(pen);
        out << "  stratum line width " << pen.width << "\n";
        hostapp::PrintPropertyWindow(out, *sheet);
    }
    Close(sheet);
    sheet = Open(&fresh.Line(), frame, view, out);
    if (auto* line = sheet ? ShowPage<CSglLstCtrlLine>(*sheet, 0) : nullptr) {
        platform::GridDriver grid(&line->GetPropList());
        grid.TypeText(grid.FindByData(CSglLstCtrlLine::kWidthId), "0.8");
        out << "  control line width " << fresh.Line().GetLogPen().width << "\n";
        hostapp::PrintPropertyWindow(out, *sheet);
    }
    Close(sheet);
}

}  // namespace demo
