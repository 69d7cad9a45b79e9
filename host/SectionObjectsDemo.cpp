#include "SectionObjectsDemo.h"

#include <boost/make_shared.hpp>
#include <functional>
#include <string>

#include "SectionDemo.h"
#include "SectionSamples.h"
#include "WindowPrinter.h"
#include "driver/GridDriver.h"
#include "driver/Responder.h"
#include "driver/SheetDriver.h"
#include "framework/PropWndMgr.h"
#include "hostlibs/Oriel/SectionFixture.h"
#include "hosttypes/Halyard/FaultLine.h"
#include "hosttypes/Halyard/Reservoir.h"
#include "hosttypes/Oriel/CrCorrelation.h"
#include "hosttypes/Oriel/CrFaultPoint.h"
#include "hosttypes/Oriel/ScDepthRuler.h"
#include "hosttypes/Oriel/ScDepthRulerMgr.h"
#include "hosttypes/Oriel/ScDisRuler.h"
#include "hosttypes/Oriel/ScDisRulerMgr.h"
#include "hosttypes/Oriel/ScLookDownForm.h"
#include "section/FcPropertyWnd.h"
#include "section/LstControlLine.h"
#include "section/LstDepthRuler.h"
#include "section/LstDisRuler.h"
#include "section/LstDsgWell.h"
#include "section/LstFaultLine.h"
#include "section/LstFaultLineEntity.h"
#include "section/LstFaultPoint.h"
#include "section/LstLookDownForm.h"
#include "section/LstOiLine.h"
#include "section/RsLstLookDownForm.h"
#include "section/RsLstSand.h"
#include "section/ScPropertyWnd.h"
#include "section/SectionObject.h"

namespace demo {

namespace {

using Step = std::function<void(const char*)>;
using namespace KelReservoir;

// Opens the object's window through the entry, announces the selection and hands the first
// page's grid to the script; prints the window after the script and destroys it.
template <class List>
void Session(CWnd* sheet, CWnd& view, ScObjInterface* object, std::ostream& out,
             const std::function<void(platform::GridDriver&)>& script) {
    if (!sheet) {
        out << "  no window\n";
        return;
    }
    platform::SendSelectionChanged(*sheet, &view, SectionObjectArg(object));
    if (auto* list = ShowPage<List>(*sheet, 0)) {
        platform::SendSelectionChanged(*sheet, &view, SectionObjectArg(object));
        platform::GridDriver grid(&list->GetPropList());
        script(grid);
        platform::SendSelectionChanged(*sheet, &view, SectionObjectArg(object));
    }
    hostapp::PrintPropertyWindow(out, *sheet);
    platform::DestroyAndDelete(sheet);
}

void PrintMessageBoxes(std::ostream& out) {
    for (const platform::MessageBoxRecord& box : platform::Responder::Instance().MessageBoxes())
        out << "  message box [" << box.caption << "]: " << box.text << "\n";
    platform::Responder::Instance().ClearMessageBoxes();
}

void CorrelationObjects(CWnd& frame, CWnd& view, std::ostream& out, const Step& step) {
    oriel::SectionFixture<CrCorrelation> section;
    ScDepthRulerMgr depthRulers(&section.Section());
    ScDepthRuler depthRuler;
    depthRuler.SetRulerName("左深度标尺");
    depthRuler.SetRulerTitle("深度(m)");
    QXLOGFONT titleFont;
    titleFont.SetFaceName("宋体");
    titleFont.size = 900;
    depthRuler.SetNameFont(titleFont);
    depthRuler.SetMarkFont(true, titleFont);
    depthRuler.SetMarkFont(false, titleFont);
    depthRuler.SetDepRulerMgr(&depthRulers);
    step("correlation section: a depth ruler; 主刻度 长度 0.8, 深度单位 英尺, 下边框线 否");
    Session<CLstDepthRuler>(
        ScPropertyWnd().Create(SectionObjectArg(&depthRuler), &frame), view, &depthRuler, out,
        [](platform::GridDriver& grid) {
            grid.TypeText(grid.FindByData(CLstDepthRuler::kMajorLengthId), "0.8");
            grid.PickOption(grid.FindByData(CLstDepthRuler::kDepthUnitId), "英尺");
            grid.PickOption(grid.FindByData(CLstDepthRuler::kBottomBorderId + CLstDepthRuler::kBorderShownOffset),
                            "否");
        });
    out << "  stored: 主刻度长度=" << depthRuler.GetWideMarkLength(true)
        << " 深度单位=" << depthRuler.GetLeftDepthMeasure() << " 下边框线=" << depthRuler.GetBottomBorderVisible()
        << " modified=" << section.Section().GetModifyFlag() << "\n";

    auto disRuler = boost::make_shared<ScDisRuler>();
    disRuler->SetRulerName("距离标尺1");
    section.Section().GetDisRulerMgr()->AddDisRuler(disRuler);
    section.Section().GetDisRulerMgr()->GetSelectDisRuler().push_back(disRuler.get());
    step("correlation section: a distance ruler; 高度 1.2, the fifth arrow, 单位 千米");
    Session<CLstDisRuler>(ScPropertyWnd().Create(SectionObjectArg(disRuler.get()), &frame), view, disRuler.get(), out,
                          [](platform::GridDriver& grid) {
                              grid.TypeText(grid.FindByData(CLstDisRuler::kLeadHeightId), "1.2");
                              grid.PickDropDownEntry(grid.FindByData(CLstDisRuler::kArrowId), 4);
                              grid.PickOption(grid.FindByData(CLstDisRuler::kUnitId), "千米");
                          });
    out << "  stored: 高度=" << disRuler->GetQianHeight() << " 箭头=" << disRuler->GetArrowStyle()
        << " 单位=" << disRuler->GetUnit() << "\n";

    ScLookDownForm& map = *section.Section().GetLookDownForm();
    map.SetMapRect(FLOATRECT(10, 80, 60, 20));
    map.SetInCorrelation(true);
    step("correlation section: the navigation map (six groups); 纵坐标 100, keep the proportion, 宽度 100");
    Session<CLstLookDownForm>(ScPropertyWnd().Create(SectionObjectArg(&map), &frame), view, &map, out,
                              [](platform::GridDriver& grid) {
                                  grid.TypeText(grid.FindByData(CLstLookDownForm::kYId), "100");
                                  grid.PickOption(grid.FindByData(CLstLookDownForm::kKeepProportionId), "是");
                                  grid.TypeText(grid.FindByData(CLstLookDownForm::kWidthId), "100");
                              });
    const FLOATRECT rect = map.GetMapRect();
    out << "  map rectangle: " << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << "\n";

    CrFaultPoint& point = AddFaultPoints(section);
    step("correlation section: a fault point; 应用到 当前井上所有断点, 大小 3, 断层号 F1, 显示字段数 2");
    Session<CLstFaultPoint>(ScPropertyWnd().Create(SectionObjectArg(&point), &frame), view, &point, out,
                            [](platform::GridDriver& grid) {
                                grid.PickOption(grid.FindByData(CLstFaultPoint::kApplyId), "当前井上所有断点");
                                grid.TypeText(grid.FindByData(CLstFaultPoint::kSymbolSizeId), "3");
                                grid.TypeText(grid.FindByData(CLstFaultPoint::kFaultStratumId), "F1");
                                grid.TypeText(grid.FindByData(CLstFaultPoint::kFieldCountId), "2");
                            });
    for (int w = 0; w < 2; ++w)
        for (unsigned int i = 0; i < 2; ++i) {
            const CrFaultPoint& p = *section.Section().GetFaultPointMgr()->GetWellFaultPoint(w)->GetFaultPoint(i);
            out << "  W" << w + 1 << " point " << i + 1 << ": 大小=" << p.GetLogPoint().size
                << " 断层号=" << (p.GetFaultStraum().IsEmpty() ? "-" : p.GetFaultStraum().str()) << "\n";
        }
}

void ReservoirObjects(CWnd& frame, CWnd& view, std::ostream& out, const Step& step) {
    oriel::SectionFixture<Connection::CkelReservoir> reservoir;
    Connection::CkelReservoir& section = reservoir.Section();
    ReservoirSample sample(section);
    step("reservoir section: a designer well; 顶部深度 850, 宽度 0.1 (ignored) then 2");
    Session<CLstDsgWell>(CkelPropertyWnd().Create(SectionObjectArg(&sample.designed), &frame), view, &sample.designed,
                         out, [](platform::GridDriver& grid) {
                             grid.TypeText(grid.FindByData(CLstDsgWell::kTopDepthId), "850");
                             grid.TypeText(grid.FindByData(CLstDsgWell::kWidthId), "0.1");
                             grid.TypeText(grid.FindByData(CLstDsgWell::kWidthId), "2");
                         });
    out << "  stored: top elevation=" << sample.designed.GetTopDepth() << " width=" << sample.designed.m_dMinWidth
        << "\n";

    platform::Responder::Instance().ClearMessageBoxes();
    step("reservoir section: an interface line; 深度 1100 (the bound), then 1100.5 (out of range)");
    Session<CLstOiLine>(CkelPropertyWnd().Create(SectionObjectArg(sample.upper.get()), &frame), view,
                        sample.upper.get(), out, [](platform::GridDriver& grid) {
                            grid.TypeText(grid.FindByData(CLstOiLine::kDepthId), "1100");
                            grid.TypeText(grid.FindByData(CLstOiLine::kDepthId), "1100.5");
                        });
    out << "  upper line depth " << sample.upper->GetDepth() << "\n";
    PrintMessageBoxes(out);

    step("reservoir section: a flow unit with two interface lines; lower 深度 1180");
    Session<CRsLstSand>(
        CkelPropertyWnd().Create(SectionObjectArg(&sample.unit), &frame), view, &sample.unit, out,
        [](platform::GridDriver& grid) { grid.TypeText(grid.FindByData(CRsLstSand::kLowerDepthId), "1180"); });
    out << "  lower line depth " << sample.lower->GetDepth() << "\n";

    step("reservoir section: a control line; 大小 2.5");
    Session<CLstControlLine>(
        CkelPropertyWnd().Create(SectionObjectArg(sample.control.get()), &frame), view, sample.control.get(), out,
        [](platform::GridDriver& grid) { grid.TypeText(grid.FindByData(CLstControlLine::kPointSizeId), "2.5"); });
    out << "  point size stored " << sample.control->m_dPointSize << "\n";

    Fault::CkelFaultLine& first = *section.GetFaultLineMgr()->GetObj(0);
    step("reservoir section: the section sheet's fault-line page; 宽度 0.4 for every fault line");
    CWnd* sheet = CkelPropertyWnd().Create(SectionObjectArg(reservoir.Object()), &frame);
    platform::SendSelectionChanged(*sheet, &view, SectionObjectArg(reservoir.Object()));
    const int last = static_cast<CPropWndMgr*>(sheet)->GetPageCount() - 1;  // the fault-line page comes last
    if (auto* list = ShowPage<CLstFaultLine>(*sheet, last)) {
        platform::SendSelectionChanged(*sheet, &view, SectionObjectArg(reservoir.Object()));
        platform::GridDriver grid(&list->GetPropList());
        grid.TypeText(grid.FindByData(CLstFaultLine::kWidthId), "0.4");
    }
    hostapp::PrintPropertyWindow(out, *sheet);
    platform::DestroyAndDelete(sheet);
    for (unsigned int i = 0; i < section.GetFaultLineMgr()->GetNum(); ++i)
        out << "  " << section.GetFaultLineMgr()->GetObj(i)->GetName()
            << " width=" << section.GetFaultLineMgr()->GetObj(i)->GetLogPen().width << "\n";

    step("reservoir section: a fault line; 类型 逆断层, 封堵性 渗透断层");
    Session<UI::CLstFaultLineEntity>(
        CkelPropertyWnd().Create(SectionObjectArg(&first), &frame), view, &first, out, [](platform::GridDriver& grid) {
            grid.PickOption(grid.FindByData(UI::CLstFaultLineEntity::kKindId), "逆断层");
            grid.PickOption(grid.FindByData(UI::CLstFaultLineEntity::kSealingId), "渗透断层");
        });
    out << "  F1 normal=" << first.GetNoraml() << " permeable=" << first.GetPermeable() << "\n";

    step("reservoir section: the navigation map (eight groups); 高度 25");
    Session<CRsLstLookDownForm>(
        CkelPropertyWnd().Create(SectionObjectArg(&sample.map), &frame), view, &sample.map, out,
        [](platform::GridDriver& grid) { grid.TypeText(grid.FindByData(CRsLstLookDownForm::kHeightId), "25"); });
    const FLOATRECT rect = sample.map.GetMapRect();
    out << "  map rectangle: " << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << "\n";
}

}  // namespace

void RunSectionObjectsDemo(CWnd& frame, CWnd& view, std::ostream& out) {
    const auto step = [&out](const char* what) { out << "\n== " << what << "\n"; };
    CorrelationObjects(frame, view, out, step);
    ReservoirObjects(frame, view, out, step);
}

}  // namespace demo
