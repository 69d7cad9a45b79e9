#include "wellplot/LstOther.h"

#include <cmath>
#include <string>

#include "bcg/ColorProp.h"
#include "framework/FillSubItems.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsFill.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/OptionTables.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "framework/PropSizeText.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Zephyr/WpWell.h"
#include "wellplot/KitPage.h"
#include "wellplot/PageLists.h"
#include "wellplot/WellPlotTexts.h"
#include "win32/Text.h"

IMPLEMENT_DYNCREATE(CLstOther, CWndLst)

namespace {

// A style no option names is refused.
const TextValue kStyles[] = {
    {"完整样式", CWpKit::STYLE_FULL},
    {"简单样式", CWpKit::STYLE_SIMPLE},
    {"全隐样式", CWpKit::STYLE_HIDDEN},
};

// Modes offered as options: all but the last, which a kit may hold but the user cannot choose.
const TextValue kBorderModes[] = {
    {grouptext::kAuto, -1},
    {"全隐藏", 0},
    {"全显示", 1},
    {"只显示横边", 2},
    {"只显示纵边", 3},
    {"只显示标题区边框", 4},
    {"只显示客户区边框", 5},
    {"只显示绘图区边框", 6},
    {"显示标题区和客户区边框", 7},
    {"显示客户区和绘图区边框", 8},
    {"井内各道不等高模式", 9},
};
constexpr int kOfferedBorderModes = 10;
// Any other mode text is automatic (-1).
constexpr OtherText kOtherMode = OtherTakenAs(-1);

// The edge items in display order (ids 2009 .. 2018) and the edge codes the kit takes.
const TextValue kEdges[] = {
    {"标题区顶边", 2}, {"标题区底边", 1}, {"标题区左边", 5}, {"标题区右边", 6}, {"客户区底边", 0},
    {"客户区左边", 3}, {"客户区右边", 4}, {"绘图区底边", 9}, {"绘图区左边", 7}, {"绘图区右边", 8},
};
const char* const kClientLeft = kEdges[5].text;
const char* const kClientRight = kEdges[6].text;

constexpr const char* kStyleCaption = "自动套用样式";
constexpr const char* kWidthCaption = "宽度(厘米)";
constexpr const char* kTitleArea = "标题区";
constexpr const char* kFillCaption = "图头填充";
constexpr const char* kBorder = "边框";
constexpr const char* kMode = "模式";
constexpr const char* kLine = "线型";
constexpr const char* kInnerColor = "填充颜色";
constexpr const char* kSelf = "自身";

// The frame style belongs to the kit itself when its parent holds more kits than it does;
// otherwise to its well (to the kit itself when it has no well).
bool OwnsStyle(CWpKit* kit) {
    CWpKit* parent = kit->GetParent();
    const int m = parent ? parent->ChildrenCount() : 0;
    return (m > 0 && kit->ChildrenCount() < m) || !kit->GetWell();
}

int StyleOf(CWpKit* kit) { return OwnsStyle(kit) ? kit->GetStyle() : kit->GetWell()->GetStyle(); }

void SetStyleOf(CWpKit* kit, CWpKit::BorderStyle style) {
    if (OwnsStyle(kit))
        kit->SetStyle(style, true);
    else
        kit->GetWell()->SetStyle(style, true);
}

// A scope list: any other text is the kit itself (0); the refresh names its options.
CBCGPProp* NewScopeItem(const char* description, DWORD_PTR id) {
    auto* item = new CFixedListProp(wptext::kApplyTo, CString(), description, id, OtherTakenAs(0));
    item->AddEntry(kSelf, 0);
    return item;
}

// The title area and each edge: "显示" shows it, any other text hides it.
CBCGPProp* NewShownItem(const char* name, const CString& description, DWORD_PTR id) {
    return NewFixedListItem(name, wptext::kShown, description.GetString(), id, wellplot::kShownHidden, OtherTakenAs(0));
}

const char* ShownText(int visible) { return visible ? wptext::kShown : wptext::kHidden; }

// The kit's width typed in centimetres, kept in thousandths; a border width in millimetres, kept in
// hundredths. Neither is negative; each reader is also the rule of its item.
bool ReadWidth(const CString& text, float* thousandths) {
    return wellplot::ScaledNumber(text, 1000, false, thousandths);
}
bool ReadBorderWidth(const CString& text, float* hundredths) {
    return wellplot::ScaledNumber(text, 100, false, hundredths);
}

// The client area's side edges are not the kit's own for a depth track or a plain content kit.
bool HasClientSides(CWpKit* kit) {
    const WPKITTYPE type = kit->GetWpKitType();
    return type != WPKIT_DEPTH && type != WPKIT_CONTENT;
}

}  // namespace

std::vector<CString> WidthOptions(double base) {
    std::vector<CString> options;
    const double first = std::floor(10 * base) + 0.5 <= 10 * base ? base + 0.1 : base;
    options.push_back(FormatString("%.2f", first));
    const double s = (std::floor(2 * base) + 1) * 0.5;
    const double end = s - std::floor(s) <= 0.1 ? s + 5.5 : s + 5.0;
    for (double v = s; v < end; v += 0.5) options.push_back(FormatString("%.1f", v));
    return options;
}

const char* BorderModeText(int mode) { return TextOfValue(kBorderModes, mode, grouptext::kAuto); }

bool IsEdgeCaption(const CString& caption) {
    const std::string text = caption.str();
    if (text::CharCount(text) < 5) return false;
    auto charAt = [&](std::size_t i) {
        const std::size_t from = text::ByteOffsetOfChar(text, i);
        return text.substr(from, text::ByteOffsetOfChar(text, i + 1) - from);
    };
    return charAt(2) == "区" && charAt(4) == "边";
}

int EdgeCodeOfCaption(const CString& caption) { return ValueOfText(kEdges, caption, 0); }

CLstOther::CLstOther() = default;
CLstOther::~CLstOther() = default;

int CLstOther::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    CBCGPProp* style =
        NewFixedListItem(kStyleCaption, grouptext::kAuto, "指定柱状图自动套用样式", kStyleId, kStyles, kOtherRefused);
    m_wndPropList.AddProperty(style, TRUE, TRUE);
    CBCGPProp* width = NewSizeTextItem(kWidthCaption, "指定宽度", kWidthId, ReaderRule(ReadWidth));
    width->AddOption("");
    m_wndPropList.AddProperty(width, TRUE, TRUE);

    auto* title = new CBCGPProp(kTitleArea, kTitleGroupId);
    title->AddSubItem(NewScopeItem("指定标题区显隐设置的应用范围", kTitleScopeId));
    title->AddSubItem(NewShownItem(wptext::kVisibility, "指定标题区的显隐状态", kTitleVisibleId));
    m_wndPropList.AddProperty(title, TRUE, TRUE);

    CBCGPProp* fill = CreateFillProp(kFillCaption, kFillGroupId);
    fill->Expand(TRUE);
    // The cell size refuses what the fill reader refuses.
    ReadBy(fill->FindSubItemByData(kPlaneFillCellSizeId), KeptNumberRule([](CBCGPProp* kept) {
               CBCGPProp size("", kept->GetValue(), nullptr, kPlaneFillCellSizeId);
               QXLOGBRUSH brush{};
               return ReadFillSubItem(&size, &brush);
           }));
    m_wndPropList.AddProperty(fill, TRUE, TRUE);

    auto* border = new CBCGPProp(kBorder, kBorderGroupId);
    auto* shown = new CBCGPProp(wptext::kVisibility, kBorderShowGroupId);
    shown->AddSubItem(NewScopeItem("指定边框显隐各设置的应用范围", kBorderScopeId));
    // Every mode's text names it, though the last is not offered.
    CFixedListProp* mode = NewFixedListItem(kMode, grouptext::kAuto, "指定边框显隐方式", kBorderModeId, kBorderModes,
                                            kOtherMode);
    std::vector<CString> offered;
    for (int i = 0; i < kOfferedBorderModes; ++i) offered.emplace_back(kBorderModes[i].text);
    mode->OfferOnly(offered);
    shown->AddSubItem(mode);
    DWORD_PTR id = kFirstEdgeId;
    for (const TextValue& edge : kEdges)
        shown->AddSubItem(NewShownItem(edge.text, FormatString("指定%s的显隐状态", edge.text), id++));
    shown->Expand(FALSE);
    border->AddSubItem(shown);

    auto* line = new CBCGPProp(kLine, kLineGroupId);
    line->AddSubItem(NewScopeItem("指定边框线型各设置的应用范围", kLineScopeId));
    line->AddSubItem(new CPropStyleCombox(grouptext::kLineStyleShort, 1, CPropStyleCombox::kLineStyle,
                                          wptext::kCommonLines, "指定边框线型样式", kLineStyleId));
    auto* lineWidth =
        new CBCGPropFloat(grouptext::kLineWidthMm, _variant_t(""), 0, "指定边框线型宽度", FALSE, kLineWidthId);
    wellplot::AddPenWidthOptions(lineWidth);
    ReadBy(lineWidth, ReaderRule(ReadBorderWidth));
    line->AddSubItem(lineWidth);
    line->AddSubItem(NewGroupColorProp(grouptext::kColor, "指定边框线型颜色", kLineColorId, RGB(0, 0, 0)));
    CBCGPColorProp* inner =
        NewGroupColorProp(kInnerColor, "指定复杂边框线型内部填充颜色", kLineInnerColorId, GetSysColor(COLOR_WINDOW));
    inner->SetColor(GetSysColor(COLOR_WINDOW));
    line->AddSubItem(inner);
    border->AddSubItem(line);
    m_wndPropList.AddProperty(border, TRUE, TRUE);
    return 0;
}

void CLstOther::UpdateBCGPProperty(long object, CString) {
    CWpKit* kit = wellplot::KitOf<CWpKit>(object);
    if (!wellplot::BeginKitRefresh(*this, object, kit)) return;
    ShowTextIfChanged(m_wndPropList.FindItemByData(kStyleId), TextOfValue(kStyles, StyleOf(kit), ""));
    ShowWidths(kit);
    wellplot::ShowScope(m_wndPropList.FindItemByData(kTitleScopeId), kit, kit->GetTitleScope());
    ShowTextIfChanged(m_wndPropList.FindItemByData(kTitleVisibleId), ShownText(kit->GetTitleVisible()));
    wellplot::ShowScope(m_wndPropList.FindItemByData(kBorderScopeId), kit, kit->GetBoderScope());
    ShowTextIfChanged(m_wndPropList.FindItemByData(kBorderModeId), BorderModeText(kit->GetBorderMode()));
    ShowEdges(kit);
    ShowBorderLine(kit);
    if (CBCGPProp* fill = m_wndPropList.FindItemByData(kFillGroupId))
        SetFillProp(fill, kit->GetClientFillStyleSet().str(), kit->GetClientBrush());
}

// The width is written every time; its options follow the kit's base width.
void CLstOther::ShowWidths(CWpKit* kit) {
    CBCGPProp* item = m_wndPropList.FindItemByData(kWidthId);
    if (!item) return;
    item->RemoveAllOptions();
    for (const CString& option : WidthOptions(kit->GetBaseWidth() / 1000.0)) item->AddOption(option);
    ShowFixed(item, kit->GetWidth() / 1000.0, 2);
}

void CLstOther::ShowEdges(CWpKit* kit) {
    CBCGPProp* group = m_wndPropList.FindItemByData(kBorderShowGroupId);
    if (!group) return;
    for (int i = 2; i < group->GetSubItemsCount(); ++i) {
        CBCGPProp* edge = group->GetSubItem(i);
        const CString caption = edge->GetName();
        edge->Enable(HasClientSides(kit) || (caption != kClientLeft && caption != kClientRight));
        ShowTextIfChanged(edge, ShownText(kit->GetBorderVisible(EdgeCodeOfCaption(caption))));
    }
}

void CLstOther::ShowBorderLine(CWpKit* kit) {
    const QXLOGPEN pen = kit->GetBorderPen();
    wellplot::ShowScope(m_wndPropList.FindItemByData(kLineScopeId), kit, kit->GetBdrLnScope());
    if (auto* style = dynamic_cast<CPropStyleCombox*>(m_wndPropList.FindItemByData(kLineStyleId))) {
        if (kit->IsKindOf(RUNTIME_CLASS(CWpWell))) style->SetStyleGroup("", true);
        UINT value = pen.style;
        style->SetVal(value);
    }
    ShowTextIfChanged(m_wndPropList.FindItemByData(kLineWidthId),
                      numtext::Fixed(pen.width / 100.0, 2));
    if (auto* color = dynamic_cast<CBCGPColorProp*>(m_wndPropList.FindItemByData(kLineColorId));
        color && color->GetColor() != pen.color)
        color->SetColor(pen.color);
    if (auto* inner = dynamic_cast<CBCGPColorProp*>(m_wndPropList.FindItemByData(kLineInnerColorId));
        inner && inner->GetColor() != pen.reserved1)
        inner->SetColor(pen.reserved1);
}

LRESULT CLstOther::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CWpKit* kit = wellplot::CurrentKit<CWpKit>(*this);
    // A list's text stands for the value stored; a text a list refuses writes and redraws nothing.
    int choice = 0;
    if (!item || !kit || !wellplot::ReadChoice(item, &choice)) return 0;
    const CString text = ItemText(item);

    switch (item->GetData()) {
        case kStyleId:
            SetStyleOf(kit, static_cast<CWpKit::BorderStyle>(choice));
            break;
        case kWidthId: {
            float width = 0;
            if (!ReadWidth(text, &width)) return ShowStored(kit, item);
            kit->SetWidth(width);
            kit->UpdateParentForWidth();
            // A text that is no number is taken as 0: the item shows the width taken, not the text.
            if (!numtext::ShowsStored(text, kit->GetWidth() / 1000.0)) ShowFixed(item, kit->GetWidth() / 1000.0, 2);
            break;
        }
        case kTitleScopeId:
            kit->SetTitleScope(choice);
            break;
        case kTitleVisibleId:
            kit->SetTitleVisible(choice);
            break;
        case kBorderScopeId:
            kit->SetBoderScope(choice);
            break;
        case kBorderModeId:
            kit->SetBorderMode(choice);
            break;
        case kLineScopeId:
            kit->SetBdrLnScope(choice);
            break;
        case kLineStyleId:
        case kLineWidthId:
        case kLineColorId:
        case kLineInnerColorId:
            if (!EditBorderLine(kit, item)) return ShowStored(kit, item);
            break;
        default:
            if (IsEdgeCaption(item->GetName()))
                kit->SetBorderVisible(choice, EdgeCodeOfCaption(item->GetName()));
            else if (item->GetData() > kFillGroupId && !EditFill(kit, item))
                return ShowStored(kit, item);
            break;
    }
    kit->Recalculate();
    kit->InvalidSelf();
    UpdateView();
    return 0;
}

// A width or cell size refused: the item shows the stored one as the refresh does ("%.2f"), and
// nothing is written or redrawn.
LRESULT CLstOther::ShowStored(CWpKit* kit, CBCGPProp* item) {
    const DWORD_PTR id = item->GetData();
    const double shown = id == kWidthId       ? kit->GetWidth() / 1000.0
                         : id == kLineWidthId ? kit->GetBorderPen().width / 100.0
                                              : kit->GetClientBrush().size / 100.0;
    ShowFixed(item, shown, 2);
    return 0;
}

bool CLstOther::EditBorderLine(CWpKit* kit, CBCGPProp* item) {
    QXLOGPEN pen = kit->GetBorderPen();
    switch (item->GetData()) {
        case kLineStyleId:
            if (auto* style = dynamic_cast<CPropStyleCombox*>(item)) pen.style = style->GetVal();
            break;
        case kLineWidthId:
            // No number reads as 0; a width the pen cannot hold is refused by the item.
            if (!ReadBorderWidth(ItemText(item), &pen.width)) return false;
            break;
        case kLineColorId:
            ReadColor(item, &pen.color);
            break;
        case kLineInnerColorId:
            ReadColor(item, &pen.reserved1);
            break;
        default:
            return true;
    }
    kit->SetBorderPen(pen);
    return true;
}

// False only for a cell size the reader refuses. Any other item the reader takes nothing from (an
// empty style set) writes nothing but still ends the edit as every edit does.
bool CLstOther::EditFill(CWpKit* kit, CBCGPProp* item) {
    QXLOGBRUSH brush = kit->GetClientBrush();
    if (!ReadFillSubItem(item, &brush)) return item->GetData() != kPlaneFillCellSizeId;
    if (item->GetData() == kFillGroupId + 1) kit->SetClientFillStyleSet(ItemText(item));
    kit->SetClientBrush(brush);
    return true;
}

void CLstOther::ShowItemAgain(CBCGPProp* item) {
    CWpKit* kit = wellplot::CurrentKit<CWpKit>(*this);
    if (kit && item && item->GetData() == kPlaneFillCellSizeId)
        ShowStored(kit, item);
    else
        CWndLst::ShowItemAgain(item);
}
