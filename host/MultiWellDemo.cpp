#include "MultiWellDemo.h"

#include <functional>
#include <string>
#include <vector>

#include "WindowPrinter.h"
#include "driver/GridDriver.h"
#include "driver/SheetDriver.h"
#include "framework/PropWndMgr.h"
#include "framework/WndPag.h"
#include "hostlibs/Oriel/MultiWellFixture.h"
#include "hosttypes/Gondola/Fence.h"
#include "hosttypes/Halyard/Reservoir.h"
#include "hosttypes/Oriel/CnConnection.h"
#include "section/FcPropertyWnd.h"
#include "section/LstRulerFrame.h"
#include "section/LstRulerScale.h"
#include "section/LstSandFill.h"
#include "section/LstStratumLine.h"
#include "section/ScPropertyWnd.h"
#include "section/SectionObject.h"

namespace demo {

namespace {

using KelReservoir::Connection::CkelReservoir;
using Open = std::function<CWnd*(long, CWnd*)>;

// One object's window: opened through an entry, selected, printed; the script edits its first
// page, each edit followed by the host's selection message and the section library's calls.
class ObjectWindow {
public:
    ObjectWindow(const Open& open, ScObjInterface* object, CWnd& frame, CWnd& view, std::ostream& out)
        : object_(SectionObjectArg(object)), view_(view), out_(out), sheet_(open(object_, &frame)) {
        if (!sheet_) {
            out_ << "  no window\n";
            return;
        }
        platform::ChooseTab(*sheet_, 0);
        Select();
        hostapp::PrintPropertyWindow(out_, *sheet_);
    }
    ~ObjectWindow() {
        if (sheet_) platform::DestroyAndDelete(sheet_);
    }
    ObjectWindow(const ObjectWindow&) = delete;
    ObjectWindow& operator=(const ObjectWindow&) = delete;

    void Type(DWORD_PTR id, const std::string& text) {
        Edit(std::to_string(id) + " <- " + text, [&](platform::GridDriver& grid) { grid.TypeText(grid.FindByData(id), text); });
    }
    void Pick(DWORD_PTR id, const std::string& option) {
        Edit(std::to_string(id) + " <- " + option,
             [&](platform::GridDriver& grid) { grid.PickOption(grid.FindByData(id), option); });
    }
    void PickIndex(DWORD_PTR id, int k) {
        Edit(std::to_string(id) + " <- option " + std::to_string(k),
             [&](platform::GridDriver& grid) { grid.PickOption(grid.FindByData(id), k); });
    }
    void PickPicture(DWORD_PTR id, int k) {
        Edit(std::to_string(id) + " <- picture " + std::to_string(k),
             [&](platform::GridDriver& grid) { grid.PickDropDownEntry(grid.FindByData(id), k); });
    }
    void ChooseColor(DWORD_PTR id, COLORREF color) {
        Edit(std::to_string(id) + " <- colour " + std::to_string(color), [&](platform::GridDriver& grid) {
            grid.ChooseColor(dynamic_cast<CBCGPColorProp*>(grid.FindByData(id)), color);
        });
    }
    void PrintAgain() {
        if (!sheet_) return;
        Select();
        out_ << "  after the edits:\n";
        hostapp::PrintPropertyWindow(out_, *sheet_);
    }

private:
    void Select() { platform::SendSelectionChanged(*sheet_, &view_, object_); }
    template <class Action>
    void Edit(const std::string& what, Action action) {
        auto* page = sheet_ ? dynamic_cast<CWndPag*>(static_cast<CPropWndMgr*>(sheet_)->GetPage(0)) : nullptr;
        auto* list = page ? dynamic_cast<CWndLst*>(page->GetWndLst()) : nullptr;
        if (!list) return;
        oriel::testing::ClearCallLog();
        platform::GridDriver grid(&list->GetPropList());
        action(grid);
        out_ << "  " << what << ":";
        for (const std::string& entry : oriel::testing::CallLog()) out_ << " " << entry << ";";
        out_ << "\n";
        Select();
    }

    long object_;
    CWnd& view_;
    std::ostream& out_;
    CWnd* sheet_;
};

Open Entry(int which) {
    switch (which) {
        case 1:
            return [](long o, CWnd* p) { return CFcPropertyWnd().Create(o, p); };
        case 2:
            return [](long o, CWnd* p) { return CkelPropertyWnd().Create(o, p); };
        default:
            return [](long o, CWnd* p) { return ScPropertyWnd().Create(o, p); };
    }
}
constexpr int kMultiWell = 0;
constexpr int kFence = 1;
constexpr int kReservoir = 2;

void ScaleBars(oriel::MultiWellFixture<CnConnection>& world, CWnd& frame, CWnd& view, std::ostream& out,
               const std::function<void(const char*)>& step) {
    using S = CLstRulerScale;
    step("connection section: a distance scale bar (比例尺)");
    {
        ObjectWindow window(Entry(kMultiWell), &world.Distance(), frame, view, out);
        window.Type(S::kContentOffsetId, "1.25");
        window.Type(S::kStepId, "4.2");
        window.Type(S::kLabelSizeId, "12");
        window.Type(S::kDigitId, "3");
        window.Type(S::kDigitId, "4");
        window.Pick(S::kAlignId, "左对齐");
        window.Pick(S::kUnitId, "km");
        window.PickPicture(S::kStyleId, 5);
        ScDisScale& bar = world.Distance();
        out << "  stored: 偏移 " << bar.GetContentOffset() << ", 个数 " << bar.GetStep() << ", 标注大小 "
            << bar.GetLogSize() << ", 小数位数 " << bar.GetDigit() << ", 对齐 " << bar.GetAglin() << ", 单位 "
            << bar.GetWordText().str() << ", 风格 " << bar.GetStyle() << "\n";
        window.PrintAgain();
    }
    step("connection section: a depth scale bar (比例尺)");
    ObjectWindow window(Entry(kMultiWell), &world.Depth(), frame, view, out);
    window.Type(S::kHeightId, "2.5");
    window.Type(S::kIntervalId, "abc");
    out << "  stored: 高度 " << world.Depth().GetHeight() << ", 间距 " << world.Depth().GetInterval() << "\n";
}

void RulerFrame(oriel::MultiWellFixture<CnConnection>& world, CWnd& frame, CWnd& view, std::ostream& out,
                const std::function<void(const char*)>& step) {
    using F = CLstRulerFrame;
    step("connection section: the ruler frame (图框)");
    ObjectWindow window(Entry(kMultiWell), &world.Frame(), frame, view, out);
    window.Type(F::kEndDepthId, "2500");
    window.Type(F::kSideMajorLengthId, "0.8");
    window.Type(F::kLevelMajorTimesId, "3.9");
    window.Pick(F::kInscribePosId, "居中");
    window.Pick(F::kLevelPosId, "内外侧");
    window.Type(F::kTitleOffsetId, "2");
    window.Type(F::kUprightGridWidthId, "1");
    window.Type(F::kTitleTextId, "连井剖面图");
    window.Pick(F::kInscribeShowId, "否");
    ScRulerFrame& ruler = world.Frame();
    out << "  stored: 终止深度 " << ruler.GetEndDepth() << ", 主刻度长度 " << ruler.GetMarkLength(RF_LENGTH_LR_MAJOR)
        << ", 横向频度 " << ruler.GetTimes(RF_TIMES_H_MAJOR) << ", 落款位置 " << ruler.GetPos(RF_POS_INSCRIBE)
        << ", 横向位置 " << ruler.GetPos(RF_POS_H) << ", 图头偏移 " << ruler.GetTitleOffset() << "\n";
    window.PrintAgain();
}

void StratumCells(oriel::MultiWellFixture<CnConnection>& world, CWnd& frame, CWnd& view, std::ostream& out,
                  const std::function<void(const char*)>& step) {
    using L = CLstStratumLine;
    CStratumCell& a = world.AddCell("1");
    CStratumCell& b = world.AddCell("1");
    CStratumCell& c = world.AddCell("2", false);
    world.AddStratumGroups(2);
    step("connection section: two cells of stratum 1 selected (地层线设置)");
    world.Select({&a, &b});
    {
        ObjectWindow window(Entry(kMultiWell), &a, frame, view, out);
        window.Type(L::kLineWidthId, "0.5");
        window.ChooseColor(L::kFillId, RGB(255, 200, 0));
        window.ChooseColor(L::kFontColorId, RGB(0, 0, 255));
        QXLOGPEN penA, penB;
        a.GetStratumLogPen(&penA);
        b.GetStratumLogPen(&penB);
        out << "  stored: 宽度 " << penA.width << "/" << penB.width << "\n";
    }
    step("connection section: cells of strata 1 and 2 selected (地层线设置)");
    world.Select({&a, &c});
    ObjectWindow window(Entry(kMultiWell), &c, frame, view, out);
    window.Type(L::kFontSizeId, "14");
}

void SandFills(oriel::MultiWellFixture<CnConnection>& world, CWnd& frame, CWnd& view, std::ostream& out,
               const std::function<void(const char*)>& step) {
    using P = CLstSandFill;
    for (int type = 0; type < oriel::MultiWellFixture<CnConnection>::kFillTypes; ++type) {
        const std::string what = std::string("connection section: a sand fill of type ") + CLstSandFill::FillTypeText(type);
        step(what.c_str());
        ObjectWindow window(Entry(kMultiWell), &world.Fill(type), frame, view, out);
        if (type == 0) window.Pick(P::kSymbolId, "河口坝");
        if (type == 1) {
            window.Type(P::kCellSizeId, "3");
            window.Pick(P::kSymbolId, "泥岩");
        }
        if (type == 2) window.Pick(P::kSymbolId, "油层");
        if (type == 3) {
            window.PickIndex(P::kFillGroupId + 1, 1);
            out << "  stored: 样式集 " << world.Fill(type).GetStyleSet() << "\n";
        }
    }
}

void FenceAndReservoirRows(CWnd& frame, CWnd& view, std::ostream& out, const std::function<void(const char*)>& step) {
    {
        oriel::MultiWellFixture<KelFence::CFence> fence;
        CStratumCell& cell = fence.AddCell("1");
        fence.Select({&cell});
        step("fence diagram: a sand fill and a stratum cell");
        ObjectWindow fill(Entry(kFence), &fence.Fill(0), frame, view, out);
        ObjectWindow line(Entry(kFence), &cell, frame, view, out);
    }
    oriel::MultiWellFixture<CkelReservoir> reservoir;
    CStratumCell& cell = reservoir.AddCell("1");
    cell.SetObjName("CrStratum");
    reservoir.Fill(2).SetObjName("CkelFaultSandFill");
    reservoir.Select({&cell});
    step("reservoir section: a fault sand fill, a stratum (CrStratum), the ruler frame and a depth scale bar");
    ObjectWindow fill(Entry(kReservoir), &reservoir.Fill(2), frame, view, out);
    fill.Pick(CLstSandFill::kSymbolId, "气层");
    ObjectWindow line(Entry(kReservoir), &cell, frame, view, out);
    ObjectWindow ruler(Entry(kReservoir), &reservoir.Frame(), frame, view, out);
    ruler.Type(CLstRulerFrame::kStartDepthId, "1500");
    ObjectWindow scale(Entry(kReservoir), &reservoir.Depth(), frame, view, out);
}

}  // namespace

void RunMultiWellDemo(CWnd& frame, CWnd& view, std::ostream& out) {
    const auto step = [&out](const char* what) { out << "\n== " << what << "\n"; };
    oriel::MultiWellFixture<CnConnection> world;
    ScaleBars(world, frame, view, out, step);
    RulerFrame(world, frame, view, out, step);
    StratumCells(world, frame, view, out, step);
    SandFills(world, frame, view, out, step);
    FenceAndReservoirRows(frame, view, out, step);
}

}  // namespace demo
