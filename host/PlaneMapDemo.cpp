#include "PlaneMapDemo.h"

#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "PlaneMapSample.h"
#include "WindowPrinter.h"

namespace demo {
namespace {

using namespace planesample;

// ---- the session ---------------------------------------------------------------------------------
// One thing the user does in the open window, on the item with that data.
struct Action {
    enum Kind { kType, kPick, kPickNth, kColour, kTab, kPrintWindow, kPrint, kAside, kAsideLayer, kRename, kReselect };
    Kind kind;
    DWORD_PTR item = 0;
    std::string text;  // typed text, option, or the note of an aside
    int number = 0;    // option index or tab
    COLORREF colour = 0;
    CQXObject* object = nullptr;  // the object an aside describes
    CQXLayer* layer = nullptr;    // the layer an aside describes
};

Action Act(Action::Kind kind, DWORD_PTR item = 0, const char* text = "", int number = 0, COLORREF colour = 0,
           CQXObject* object = nullptr) {
    return {kind, item, text, number, colour, object};
}
Action Type(DWORD_PTR item, const char* text) { return Act(Action::kType, item, text); }
Action Pick(DWORD_PTR item, const char* option) { return Act(Action::kPick, item, option); }
Action PickNth(DWORD_PTR item, int k) { return Act(Action::kPickNth, item, "", k); }
Action Colour(DWORD_PTR item, COLORREF colour) { return Act(Action::kColour, item, "", 0, colour); }
// Chooses a tab of the open sheet and announces the object again; later actions use its grid.
Action Tab(int page) { return Act(Action::kTab, 0, "", page); }
// Prints the whole open window.
Action PrintWindow() { return Act(Action::kPrintWindow); }
// Describes the selected objects.
Action Print() { return Act(Action::kPrint); }
// Describes another object after a note in brackets.
Action Aside(const char* note, CQXObject* object) { return Act(Action::kAside, 0, note, 0, 0, object); }
// Describes a layer after a note in brackets.
Action AsideLayer(const char* note, CQXLayer* layer) {
    Action action = Act(Action::kAsideLayer, 0, note);
    action.layer = layer;
    return action;
}

// Clicks the template item's "..." button; the template editor renames the template to the text.
Action RenameTemplate(DWORD_PTR item, const char* newName) { return Act(Action::kRename, item, newName); }
// Announces the layer's first selected object again, as the host does after an edit replaced it.
Action Reselect() { return Act(Action::kReselect); }

// One row of the session: an optional heading ("== ") and caption ("-- "), the objects selected
// (the first one's window is opened and printed), then the actions in order.
struct Step {
    const char* heading;
    const char* caption;
    std::vector<CQXObject*> select;
    std::vector<Action> actions;
    CQXLayer* layer = nullptr;  // a layer opened instead of objects
};

// The layers, each opened through its sheet: renames taken, warned about and refused, then the
// pens, fills, point symbol and label place edited on the second tab.
std::vector<Step> LayerSteps(SampleMap& s) {
    using BoundData = CPropListBoundLayerData;
    using Bound = CPropListBoundLayerBound;
    using CtrlLine = CPropListCtrlLineLayerLine;
    using LineData = CPropListLineLayerData;
    using Lines = CPropListLineLayerLine;
    using Points = CPropListPointLayerPoint;
    // clang-format off
    return {
        {"layers: the boundary layer; rename it 边界/北 (warned: no file name), then 北边界 (the control lines follow)",
            nullptr, {}, {Type(BoundData::kLayerNameId, "边界/北"), Print(),
                          Type(BoundData::kLayerNameId, "北边界"), Print(),
                          AsideLayer("the control-line layer", s.ctrlLayer)}, s.boundLayer},
        {"on its 边界 tab type 1.5 into 粗细 and choose blue", nullptr, {},
            {Tab(1), Type(Bound::kWidthId, "1.5"), Colour(Bound::kColorId, RGB(0, 0, 255)), PrintWindow(), Print()},
            s.boundLayer},
        {"the control-line layer: its related layers; on 控制线 type 0.5 into 粗细, then pick 否 for 显示", nullptr, {},
            {Tab(1), Type(CtrlLine::kWidthId, "0.5"), Pick(CtrlLine::kVisibleId, "否"), PrintWindow(), Print()},
            s.ctrlLayer},
        {"the line layer: rename it 北边界 (refused: the boundary layer has that name) and 线路 (its own name "
         "again is refused silently afterwards)", nullptr, {},
            {Type(LineData::kLayerNameId, "北边界"), Print(), Type(LineData::kLayerNameId, "线路"),
             Type(LineData::kLayerNameId, "线路"), Print()}, s.lineLayer},
        {"on its 线 tab type 2 into 粗细, -1 (refused), and choose a green fill colour for every line", nullptr, {},
            {Tab(1), Type(Lines::kWidthId, "2"), Type(Lines::kWidthId, "-1"),
             Colour(Lines::kFillColorId, RGB(0, 160, 0)), PrintWindow(), Print()}, s.lineLayer},
        {"the point layer: on 点 type 2.5 into the symbol's 大小, 30 into 旋转角, pick 左下 for 位置", nullptr, {},
            {Tab(1), Type(Points::kSymbolSizeId, "2.5"), Type(Points::kAngleId, "30"), Pick(Points::kPlaceId, "左下"),
             PrintWindow(), Print()}, s.pointLayer},
        {"the general layer: rename it 注记2", nullptr, {},
            {Type(CPropListGeneralLayerData::kLayerNameId, "注记2"), Print()}, s.generalLayer},
        {"the well-net layer: on 连通井网线 pick 简单样式 for 结束样式 (every polyline), type 0 into 尺寸 (nothing); "
         "on 连通井网区 pick 否 for 显示", nullptr, {},
            {Tab(1), Pick(CPropListWellNetLayerLine::kEndArrowId, "简单样式"),
             Type(CPropListWellNetLayerLine::kArrowLengthId, "0"), PrintWindow(), Tab(2),
             Pick(CPropListWellNetLayerFill::kVisibleId, "否"), PrintWindow(), Print()}, s.wellNetLayer},
        {"the fault layer: on 断层线 type 0.25 into 下盘宽度 (also the plane options), pick 否 for 断裂带填充", nullptr, {},
            {Tab(1), Type(CPropListFaultLayerLine::kDnWidthId, "0.25"), Pick(CPropListFaultLayerLine::kZoneFillId, "否"),
             PrintWindow(), Print()}, s.faults},
        {"the stratum map: on 线 type 0.6 into the pinch-out lines' 粗细; on 填充 choose red for 储量面积's 填充色",
            nullptr, {},
            {Tab(1), Type(CPropListStratumMapLayerLine::kPinchOutWidthId, "0.6"), PrintWindow(), Tab(2),
             Colour(CPropListStratumMapLayerFill::kStoreFillColorId, RGB(255, 0, 0)), PrintWindow(), Print()},
            s.stratumMap},
        {"a pinch-out line of the stratum map: pick 反向 for 尖灭方向 (both selected lines reversed)", nullptr,
            {s.pinchOut1, s.pinchOut2}, {Pick(CPropListPinchOutLine::kDirectionId, "反向"), PrintWindow(), Print()}},
    };
    // clang-format on
}

// The line and fill layer families, each opened as a layer with every tab shown and a line width
// typed on its line tab.
std::vector<Step> FamilyLayerSteps(SampleMap& s) {
    // clang-format off
    return {
        {"layer families: the contour layer; on 等值线 type 0.3 into 粗细, then show 等值线区域", nullptr, {},
            {Tab(1), Type(CPropListContourLayerLine::kWidthId, "0.3"), PrintWindow(), Tab(2), PrintWindow(), Print()},
            s.contourLayer},
        {"the facies layer; on 沉积相线 type 0.4 into 粗细, then show 虚拟井", nullptr, {},
            {Tab(1), Type(CPropListFaciesLayerLine::kWidthId, "0.4"), PrintWindow(), Tab(2), PrintWindow(), Print()},
            s.facies},
        {"the scattered layer; on 离散属性边界线 type 0.4 into 粗细, then show 虚拟井", nullptr, {},
            {Tab(1), Type(CPropListScatteredLayerLine::kWidthId, "0.4"), PrintWindow(), Tab(2), PrintWindow(),
             Print()}, s.scattered},
        {"the sand layer; on its line tab type 0.5 into 粗细", nullptr, {},
            {Tab(1), Type(CPropListSandLayerLine::kWidthId, "0.5"), PrintWindow(), Print()}, s.sand},
        {"the oil-water layer; on its line tab type 0.6 into 粗细", nullptr, {},
            {Tab(1), Type(CPropListOilWaterLayerLine::kWidthId, "0.6"), PrintWindow(), Print()}, s.zoneLines},
        {"the region layer; on its line tab type 0.6 into 粗细", nullptr, {},
            {Tab(1), Type(CPropListRegionLayerLine::kWidthId, "0.6"), PrintWindow(), Print()}, s.regionLayer},
    };
    // clang-format on
}

// The well layer and its objects, the stratum-section layer and its well graphs.
std::vector<Step> WellSteps(SampleMap& s) {
    using Symbol = CPropListWellSymbol;
    using Label = CPropListWellLabel;
    using Path = CPropListWellPath;
    using Names = CPropListWellLayerName;
    using Symbols = CPropListWellLayerSymbol;
    using Rows = CPropListWellLayerBaseLine;
    using Sections = CPropListStratumLayerStratum;
    // clang-format off
    return {
        {"wells: select the 井口 and the 井底; choose a green inner colour (only the 井口 takes it)", nullptr,
            {s.wellHead, s.wellBottom}, {Colour(Symbol::kInnerColorId, RGB(0, 160, 0)), Print()}},
        {"select the 井位 symbol alone; type 2.4 into 符号/大小", nullptr, {s.wellSymbol},
            {Type(Symbol::kSizeId, "2.4"), Print()}},
        {"select both absence marks; type 0.8 into 大小", nullptr, {s.absence, s.absence2},
            {Type(CPropListWellAbsence::kSizeId, "0.8"), Print()}},
        {"select the well-row base line", nullptr, {s.baseLine}, {}},
        {"select both labels; type 9 into 字型/大小", nullptr, {s.wellLabel1, s.wellLabel2},
            {Type(Label::kSizeId, "9"), Print()}},
        {"select the 直1 label; type -12.5 into 横坐标, 直井1 into 文本", nullptr, {s.wellLabel1},
            {Type(Label::kXId, "-12.5"), Type(Label::kTextId, "直井1"), Print()}},
        {"select the vertical well's trajectory; pick 直线 (nothing changes)", nullptr, {s.verticalPath},
            {Pick(Path::kTrackModeId, "直线"), Print()}},
        {"select the inclined well's trajectory; pick 直线: a new line replaces it; reselect it", nullptr,
            {s.inclinedPath}, {Pick(Path::kTrackModeId, "直线"), Reselect(), Type(Path::kWidthId, "0.35"), Print()}},
        {"the well layer's sheet: on 井名 pick 中号 for 大小模板, then rename it by ...", nullptr, {},
            {Tab(1), Pick(Names::kSizeTemplateId, "中号"), RenameTemplate(Names::kSizeTemplateId, "中号井名"),
             PrintWindow(), Print()}, s.wellLayer},
        {"on 井符号 rename the inner-colour template by ... (the border colour named it too)", nullptr, {},
            {Tab(2), RenameTemplate(Symbols::kSymbolInnerTemplateId, "深蓝"), PrintWindow(), Print()}, s.wellLayer},
        {"on 井排线 type -0.75 into 纵向偏移 and -0.75 into 粗细 (refused)", nullptr, {},
            {Tab(3), Type(Rows::kOffsetId, "-0.75"), Type(Rows::kBaseWidthId, "-0.75"), PrintWindow(), Print()},
            s.wellLayer},
        {"and its 缺失标志 page", nullptr, {}, {Tab(4), PrintWindow()}, s.wellLayer},
        {"the stratum-section layer: on 层段剖面 type 4 into 纵向比例 1：", nullptr, {},
            {Tab(1), Type(Sections::kDepthScaleId, "4"), PrintWindow(), Print()}, s.sectionLayer},
        {"and its 连通线 page", nullptr, {}, {Tab(2), PrintWindow()}, s.sectionLayer},
        {"select the well column; pick 2 for 起始小层", nullptr, {s.column},
            {Pick(CPropListStratum::kStartId, "2"), Print()}},
        {"select the well graph; type 0.5 into 粗细", nullptr, {s.wellGraph},
            {Type(CPropListStratum::kWidthId, "0.5"), Print()}},
    };
    // clang-format on
}

// The chart layer: both tabs and the symbols after each step; a symbol and the axes edited, then
// the shape, the property count, a colour control point and the source changed.
std::vector<Step> PieSteps(SampleMap& s) {
    using Pie = CPropListPie;
    using Axes = CPropListCoordinate;
    using Data = CPropListPieLayerData;
    using Show = CPropListPieLayerObj;
    const std::vector<Action> bothTabs = {Tab(1), Tab(0), PrintWindow(), Print()};
    auto then = [&bothTabs](std::vector<Action> actions) {
        actions.insert(actions.end(), bothTabs.begin(), bothTabs.end());
        return actions;
    };
    // clang-format off
    return {
        {"the chart layer 产量饼图: its 数据 and 显示 tabs and its symbols", nullptr, {}, bothTabs, s.pieLayer},
        {"select the current-state symbol with the gapped bars; choose a blue font, type 6 into 半径 and -2 into "
         "X偏移 (refused)", nullptr, {s.pieState, s.pieBars},
            {Colour(Pie::kFontColorId, RGB(0, 0, 255)), Type(Pie::kRadiusId, "6"), Type(Pie::kXMoveId, "-2"), Print(),
             AsideLayer("the chart layer", s.pieLayer)}},
        {"select the axes; type 80 into X 最小值 (refused), 25 into X 分隔数, pick 否 for Y 显示", nullptr, {s.pieAxes},
            {Type(Axes::kXMinId, "80"), Type(Axes::kXDivisionId, "25"), Pick(Axes::kYLabelShowId, "否"),
             PrintWindow(), Print()}},
        {"the chart layer: pick 饼状图(半圆) and 4 properties, make 属性2 a colour control point, colour 属性4 red",
            nullptr, {},
            then({Pick(Data::kShapeId, "饼状图(半圆)"), Pick(Data::kCountId, "4"), Pick(Data::kFirstControlId + 1, "是"),
                  Colour(Data::kFirstColorId + 3, RGB(255, 0, 0))}), s.pieLayer},
        {"on 显示 type -7 into X偏移 and 2 into 上半圆半径", nullptr, {},
            then({Tab(1), Type(Show::kXMoveId, "-7"), Type(Show::kUpRadiusId, "2")}), s.pieLayer},
        {"on 数据 pick 散点数据: the layer's symbols go and the layer starts afresh", nullptr, {},
            then({Pick(Data::kSourceId, "散点数据")}), s.pieLayer},
    };
    // clang-format on
}

std::vector<Step> SessionSteps(SampleMap& s) {
    using Line = CPropListLine;
    using Text = CPropListText;
    using PointText = CPropListPointText;
    // clang-format off
    std::vector<Step> steps = {
        {"select both roads; type 1.5 into 线型/粗细; pick 是 for 闭合", nullptr, {s.road1, s.road2},
            {Type(Line::kPenWidthId, "1.5"), Pick(Line::kClosedId, "是"), Print(),
             Aside("the river keeps its pen", s.river)}},
        {"select the straight road alone; type 10 into 长度", nullptr, {s.road1},
            {Type(Line::kLengthId, "10"), Print()}},
        {"select a road and the title together: a mixed selection disables the list", nullptr, {s.road1, s.title},
            {}},
        {"select the title; type 12 into 大小, 90 into 旋转角, pick 居中 for 横向对齐", nullptr, {s.title},
            {Type(Text::kSizeId, "12"), Type(Text::kAngleId, "90"), Pick(Text::kHAlignId, "居中"), Print()}},
        {"select both wells; choose a red inner colour", nullptr, {s.well1, s.well2},
            {Colour(CPropListPoint::kInnerColorId, RGB(255, 0, 0)), Print()}},
        {"select the well label; pick 1 for 小数位数 and 左下 for 位置", nullptr, {s.label},
            {Pick(PointText::kDecimalsId, "1"), Pick(PointText::kPlaceId, "左下"), Print()}},
        {"select the block; pick 否 for 填充/背景透明", nullptr, {s.area},
            {Pick(kPlaneFillTransparentId, "否"), Print()}},
        {"select the note; pick 纵向 for 文本方向", nullptr, {s.note},
            {Pick(CPropListMultiText::kDirectionId, "纵向"), Print()}},
        {"select the hint; pick 风格3", nullptr, {s.hint},
            {Pick(CPropListHint::kStyleId, "风格3"), Print()}},
        {"select the photo; type 90 into 旋转角", nullptr, {s.photo},
            {Type(CPropListPicture::kRotationId, "90"), Print()}},
        {"select the inset map; type 1.5 into 显示比例", nullptr, {s.inset},
            {Type(CPropListPicture::kScaleId, "1.5"), Print()}},
        {"select the border: its sheet 边框 / 格网 / 标注; pick 方里网 on 格网, then open 标注", nullptr, {s.border},
            {Tab(1), Pick(CPropListBorderGrid::kGridTypeId, "方里网"), Tab(2), PrintWindow(), Print()}},
    };
    const char* heading = "the other map furniture, each in its own list";
    for (const auto& [caption, object] : s.furniture) {
        steps.push_back({heading, caption, {object}, {}});
        heading = nullptr;
    }
    const std::vector<Step> rest = {
        {"the geology: a contour, its fill, a fault and its block, facies, a control line and a bound", nullptr,
            {s.contour}, {Type(CPropListContour::kValueId, "1600"), Print()}},
        {nullptr, nullptr, {s.contourFill}, {}},
        {nullptr, nullptr, {s.hangingWall}, {}},
        {nullptr, nullptr, {s.fault}, {}},
        {nullptr, nullptr, {s.faciesLine}, {PickNth(CPropListFaciesLine::kCodeId, 0), Print()}},
        {nullptr, nullptr, {s.faciesArea}, {}},
        {nullptr, nullptr, {s.faciesWell}, {}},
        {nullptr, nullptr, {s.controlLine}, {}},
        {nullptr, nullptr, {s.bound}, {}},
        {"boundaries: oil-water zones with their line layer; pick 油区 for a zone", nullptr, {s.zoneLine}, {}},
        {nullptr, nullptr, {s.zone}, {Pick(zonelist::kZoneTypeId, "油区"), Print()}},
        {"boundaries: regions, sand bodies, scattered data and the well net", nullptr, {s.regionLine}, {}},
        {nullptr, nullptr, {s.region}, {}},
        {nullptr, nullptr, {s.sandLine}, {}},
        {nullptr, nullptr, {s.sandArea}, {}},
        {nullptr, nullptr, {s.scatteredLine}, {}},
        {nullptr, nullptr, {s.scatteredArea}, {}},
        {nullptr, nullptr, {s.scatteredWell}, {}},
        {nullptr, nullptr, {s.wellNetLine}, {}},
        {nullptr, nullptr, {s.wellNetArea}, {}},
    };
    // clang-format on
    steps.insert(steps.end(), rest.begin(), rest.end());
    const std::vector<Step> layers = LayerSteps(s);
    steps.insert(steps.end(), layers.begin(), layers.end());
    const std::vector<Step> wells = WellSteps(s);
    steps.insert(steps.end(), wells.begin(), wells.end());
    const std::vector<Step> pies = PieSteps(s);
    steps.insert(steps.end(), pies.begin(), pies.end());
    const std::vector<Step> families = FamilyLayerSteps(s);
    steps.insert(steps.end(), families.begin(), families.end());
    return steps;
}

class Session {
public:
    Session(parsnip::MapFixture& map, CWnd& frame, CWnd& view, std::ostream& out)
        : map_(map), frame_(frame), view_(view), out_(out) {}
    ~Session() { Close(); }

    void Run(const Step& step) {
        if (step.heading) out_ << "\n== " << step.heading << "\n";
        if (step.caption) out_ << "-- " << step.caption << "\n";
        const std::size_t messages = platform::Responder::Instance().MessageBoxes().size();
        if (step.layer)
            OpenLayer(step.layer);
        else
            Select(step.select);
        for (const Action& action : step.actions) Do(action);
        const auto& boxes = platform::Responder::Instance().MessageBoxes();
        for (std::size_t i = messages; i < boxes.size(); ++i) out_ << "  [message] " << boxes[i].text << "\n";
    }
    void Close() {
        if (window_) platform::DestroyAndDelete(window_);
        window_ = nullptr;
    }

private:
    // Selects objects (in order), opens the first one's window and announces it as the host does.
    void Select(const std::vector<CQXObject*>& objects) {
        for (CQXObject* o : shown_) map_.ClearSelection(o->GetLayer());
        for (CQXObject* o : objects) map_.Select(o);
        shown_ = objects;
        layer_ = nullptr;
        Close();
        page_ = -1;
        if (objects.empty()) return;
        target_ = objects.front();
        window_ = CPlanePropWndCreator::CreateObjProp(objects.front(), &frame_);
        // A single list is made empty: the host gives it its place.
        if (window_ && !dynamic_cast<CPropWndMgr*>(window_)) platform::ResizeWindow(*window_, 360, 1200);
        Show();
    }
    // Opens the layer's sheet and announces the layer as the host does.
    void OpenLayer(CQXLayer* layer) {
        for (CQXObject* o : shown_) map_.ClearSelection(o->GetLayer());
        shown_.clear();
        layer_ = layer;
        Close();
        page_ = -1;
        target_ = layer;
        window_ = CPlanePropWndCreator::CreateLayerProp(layer, &frame_);
        Show();
    }
    void Show() {
        if (!window_) {
            out_ << "[no window]\n";
            return;
        }
        Announce(*window_);
        hostapp::PrintPropertyWindow(out_, *window_);
    }
    void Announce(CWnd& window) {
        platform::SendSelectionChanged(window, &view_, reinterpret_cast<LPARAM>(target_));
    }
    platform::GridDriver Grid() {
        auto* sheet = dynamic_cast<CPropWndMgr*>(window_);
        CWnd* page = sheet && page_ >= 0 ? sheet->GetPage(page_) : nullptr;
        return platform::GridDriver(hostapp::FindGrid(page ? *page : *window_));
    }
    CBCGPProp* Item(DWORD_PTR id) { return Grid().FindByData(id); }

    void Do(const Action& a) {
        if (!window_) return;
        switch (a.kind) {
            case Action::kType:
                Grid().TypeText(Item(a.item), a.text);
                break;
            case Action::kPick:
                Grid().PickOption(Item(a.item), a.text);
                break;
            case Action::kPickNth:
                Grid().PickOption(Item(a.item), a.number);
                break;
            case Action::kColour:
                Grid().ChooseColor(dynamic_cast<CBCGPColorProp*>(Item(a.item)), a.colour);
                break;
            case Action::kTab:
                if (auto* sheet = dynamic_cast<CPropWndMgr*>(window_)) {
                    platform::ChooseTab(*sheet, a.number);
                    Announce(*sheet);
                    page_ = a.number;
                }
                break;
            case Action::kPrintWindow:
                hostapp::PrintPropertyWindow(out_, *window_);
                break;
            case Action::kPrint:
                for (CQXObject* o : shown_) out_ << "  " << Describe(o) << "\n";
                if (layer_) out_ << "  " << DescribeLayer(layer_) << "\n";
                break;
            case Action::kAside:
                out_ << "  (" << a.text << ") " << Describe(a.object) << "\n";
                break;
            case Action::kAsideLayer:
                out_ << "  (" << a.text << ") " << DescribeLayer(a.layer) << "\n";
                break;
            case Action::kRename: {
                const std::string newName = a.text;
                sorrel::testing::SetEditScript([newName](CStyleTemplate& t) { t.SetName(newName.c_str()); });
                Grid().ClickSecondButton(Item(a.item));
                sorrel::testing::SetEditScript(nullptr);
                break;
            }
            case Action::kReselect:
                if (CQXObject* shown = target_ ? static_cast<CQXObject*>(shown_.empty() ? nullptr : shown_.front())
                                               : nullptr) {
                    if (CQXObject* now = shown->GetLayer()->GetSelectedObject(0)) {
                        shown_ = {now};
                        target_ = now;
                        Announce(*window_);
                        hostapp::PrintPropertyWindow(out_, *window_);
                        out_ << "  " << Describe(now) << "\n";
                    }
                }
                break;
        }
    }

    parsnip::MapFixture& map_;
    CWnd& frame_;
    CWnd& view_;
    std::ostream& out_;
    CWnd* window_ = nullptr;
    int page_ = -1;  // the sheet's page the actions use; -1 for a single list
    std::vector<CQXObject*> shown_;
    CQXLayer* layer_ = nullptr;   // the layer shown, when a layer's sheet is open
    CObject* target_ = nullptr;   // what the host announces to the window
};

}  // namespace

void RunPlaneMapDemo(CWnd& frame, CWnd& view, std::ostream& out) {
    SampleMap sample;
    Session session(sample.map, frame, view, out);
    for (const Step& step : SessionSteps(sample)) session.Run(step);
    session.Close();
}

}  // namespace demo
