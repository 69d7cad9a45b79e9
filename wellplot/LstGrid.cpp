#include "wellplot/LstGrid.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "bcg/ColorProp.h"
#include "framework/FixedList.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/OptionTables.h"
#include "framework/PenFontEdits.h"
#include "framework/PropItems.h"
#include "framework/PropSizeText.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Zephyr/WpTrack.h"
#include "wellplot/KitPage.h"
#include "wellplot/PageLists.h"
#include "wellplot/WellPlotTexts.h"

IMPLEMENT_DYNCREATE(CLstGrid, CWndLst)

namespace {

constexpr const char* kDepthLines = "深度线";
constexpr const char* kDivisions = "格数";
constexpr const char* kShowMid = "显隐中线";

// Line kinds, in this order everywhere on the page: thick, middle, thin.
const char* const kKinds[] = {"粗线", "中线", "细线"};
const char* const kPenGroups[] = {"粗线线型", "中线线型", "细线线型"};

const TextValue kScopes[] = {
    {wptext::kThisContentTrack, 0},
    {"当前图内所有曲线道", 1},
    {wptext::kAllContentTracks, 2},
};

const char* ScopeText(int scope) { return kScopes[scope < 1 ? 0 : scope == 1 ? 1 : 2].text; }
const char* ShownText(int shown) { return shown ? wptext::kShown : wptext::kHidden; }

// The pens and depth intervals of a line kind (0 thick, 1 middle, 2 thin), of the scale lines
// or of the depth lines.
QXLOGPEN PenOf(CWpTrack* track, bool depth, int kind) {
    switch (kind) {
        case 0:
            return depth ? track->GetMajDepPen() : track->GetMajScalePen();
        case 1:
            return depth ? track->GetMidDepPen() : track->GetMidScalePen();
        default:
            return depth ? track->GetMinDepPen() : track->GetMinScalePen();
    }
}

void SetPenOf(CWpTrack* track, bool depth, int kind, const QXLOGPEN& pen) {
    switch (kind) {
        case 0:
            depth ? track->SetMajDepPen(pen) : track->SetMajScalePen(pen);
            break;
        case 1:
            depth ? track->SetMidDepPen(pen) : track->SetMidScalePen(pen);
            break;
        default:
            depth ? track->SetMinDepPen(pen) : track->SetMinScalePen(pen);
            break;
    }
}

float IntervalOf(CWpTrack* track, int kind) {
    return kind == 0 ? track->GetMajDep() : kind == 1 ? track->GetMidDep() : track->GetMinDep();
}

void SetIntervalOf(CWpTrack* track, int kind, float interval) {
    if (kind == 0)
        track->SetMajDep(interval);
    else if (kind == 1)
        track->SetMidDep(interval);
    else
        track->SetMinDep(interval);
}

// The scope and visibility of one kind of lines: scale lines or depth lines.
struct LinesDef {
    int (CWpTrack::*scope)();
    void (CWpTrack::*setScope)(int);
    void (CWpTrack::*show)(int);
};
const LinesDef kScaleKind = {&CWpTrack::GetScaleScope, &CWpTrack::SetScaleScope, &CWpTrack::ShowScale};
const LinesDef kDepthKind = {&CWpTrack::GetDepthScope, &CWpTrack::SetDepthScope, &CWpTrack::ShowDepth};

// An edit reaching beyond the track has its parent lay its tracks out again.
void UpdateParentInScope(CWpTrack* track, const LinesDef& lines) {
    if ((track->*lines.scope)() >= 1) track->UpdateParent();
}

void EditScope(CWpTrack* track, const LinesDef& lines, int scope) {
    (track->*lines.setScope)(scope);
    UpdateParentInScope(track, lines);
}

// Shown or hidden for the track alone recalculates the track; for a wider scope the parent lays out.
void EditShown(CWpTrack* track, const LinesDef& lines, int shown) {
    (track->*lines.show)(shown);
    if ((track->*lines.scope)() >= 1)
        track->UpdateParent();
    else
        track->Recalculate();
}

// Position of the edited line sub-item in its pen group: 0 style, 1 width, 2 colour.
const TextValue kPenFields[] = {
    {grouptext::kLineStyleShort, 0},
    {grouptext::kLineWidthMm, 1},
    {grouptext::kColor, 2},
};

// A scope or visibility list of the page: any other text is the first scope, or hidden (0).
template <std::size_t N>
CBCGPProp* NewList(const char* name, const char* value, const char* description, const TextValue (&table)[N]) {
    return NewFixedListItem(name, value, description, 0, table, OtherTakenAs(0));
}

// "%s线型" group: style picker, width with the usual options, colour.
CBCGPProp* NewPenGroup(int kind, const char* styleFormat, const char* widthFormat, const char* colorFormat) {
    auto* group = new CBCGPProp(kPenGroups[kind], 0);
    group->AddSubItem(new CPropStyleCombox(grouptext::kLineStyleShort, 1, CPropStyleCombox::kLineStyle,
                                           wptext::kCommonLines, FormatString(styleFormat, kKinds[kind]).GetString(),
                                           0));
    CBCGPProp* width = NewSizeTextItem(grouptext::kLineWidthMm, FormatString(widthFormat, kKinds[kind]).GetString(), 0,
                                       penfont::HundredthsRule(penfont::Accept::ZeroOrMore));
    wellplot::AddPenWidthOptions(width);
    group->AddSubItem(width);
    group->AddSubItem(
        NewGroupColorProp(grouptext::kColor, FormatString(colorFormat, kKinds[kind]).GetString(), 0, RGB(0, 0, 0)));
    group->Expand(FALSE);
    return group;
}

CString PenWidthText(const QXLOGPEN& pen) { return numtext::Fixed(pen.width / 100.0, 2); }

void ShowPen(CBCGPProp* group, const QXLOGPEN& pen, bool enable) {
    if (!group || group->GetSubItemsCount() < 3) return;
    if (auto* style = dynamic_cast<CPropStyleCombox*>(group->GetSubItem(0))) {
        UINT value = pen.style;
        style->SetVal(value);
    }
    ShowTextIfChanged(group->GetSubItem(1), PenWidthText(pen));
    if (auto* color = dynamic_cast<CBCGPColorProp*>(group->GetSubItem(2)); color && color->GetColor() != pen.color)
        color->SetColor(pen.color);
    EnableAllSubItems(group, enable ? TRUE : FALSE);
}

CString NameOf(CBCGPProp* item) { return item ? item->GetName() : CString(); }

int KindOfCaption(const CString& caption, const char* const (&captions)[3]) {
    for (int k = 0; k < 3; ++k)
        if (caption == captions[k]) return k;
    return -1;
}

// What an edit is, told by the captions of the item, its parent and its grandparent.
enum class Edit {
    None,
    ScaleScope,
    ScaleShown,
    Divisions,
    ShowMid,
    ScalePen,
    DepthScope,
    DepthShown,
    AllIntervals,
    Interval,
    DepthPen,
};

Edit EditOf(const CString& n, const CString& p, const CString& g) {
    if (n == wptext::kApplyTo && p == wptext::kScaleLines) return Edit::ScaleScope;
    if (n == wptext::kVisibility && p == wptext::kScaleLines) return Edit::ScaleShown;
    if (n == kDivisions) return Edit::Divisions;
    if (n == kShowMid) return Edit::ShowMid;
    const bool penItem = ValueOfText(kPenFields, n, -1) >= 0 && KindOfCaption(p, kPenGroups) >= 0;
    if (penItem && g == wptext::kScaleLines) return Edit::ScalePen;
    if (n == wptext::kApplyTo && p == kDepthLines) return Edit::DepthScope;
    if (n == wptext::kVisibility && p == kDepthLines) return Edit::DepthShown;
    if (n == wptext::kIntervalMetres && p == kDepthLines) return Edit::AllIntervals;
    if (KindOfCaption(n, kKinds) >= 0 && p == wptext::kIntervalMetres) return Edit::Interval;
    if (penItem && g == kDepthLines) return Edit::DepthPen;
    return Edit::None;
}

// A depth interval as a refused one shows it again: "%.0f" for thick lines, "%.1f" for the others.
CString IntervalText(CWpTrack* track, int kind) {
    return numtext::Fixed(IntervalOf(track, kind), kind == 0 ? 0 : 1);
}

// The interval kind of an item under "间隔(米)"; -1 for any other item.
int IntervalKindOf(CBCGPProp* item) {
    return NameOf(item->GetParent()) == wptext::kIntervalMetres ? KindOfCaption(item->GetName(), kKinds) : -1;
}

}  // namespace

bool ReadDepthInterval(const CString& text, int kind, float* interval) {
    double read = 0;
    float number = 0;
    if (!numtext::LeadingNumber(text, &read) || !numtext::FitFloat(read, 1, &number)) return false;
    if (kind == 0) {
        if (number < 1) return false;
        *interval = std::trunc(number);
        return true;
    }
    if (number < 0.1f) return false;
    double rounded = 0;  // one decimal, rounded by formatting
    if (!numtext::LeadingNumber(FormatString("%.1f", static_cast<double>(number)), &rounded)) return false;
    return numtext::FitFloat(rounded, 1, interval);
}

CLstGrid::CLstGrid() = default;
CLstGrid::~CLstGrid() = default;

int CLstGrid::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    auto* scale = new CBCGPProp(wptext::kScaleLines, kScaleGroupData);
    scale->AddSubItem(NewList(wptext::kApplyTo, kScopes[0].text, "指定刻度线各属性设置的应用范围", kScopes));
    scale->AddSubItem(NewList(wptext::kVisibility, wptext::kShown, "指定刻度线显隐状态", wellplot::kShownHidden));
    auto* divisions =
        new CBCGPropSizeText(kDivisions, _variant_t(5u), "指定线性刻度等分格数", 0, wellplot::CountRule());
    for (const char* option : {"2", "5", "10", "20"}) divisions->AddOption(option);
    scale->AddSubItem(divisions);
    scale->AddSubItem(NewList(kShowMid, wptext::kHidden, "显示隐藏中值格线", wellplot::kShownHidden));
    for (int k = 0; k < 3; ++k)
        scale->AddSubItem(NewPenGroup(k, "指定格值%s线型样式", "指定格值%s线型宽度", "指定格值%s线型颜色"));
    m_wndPropList.AddProperty(scale, TRUE, TRUE);

    auto* depth = new CBCGPProp(kDepthLines, kDepthGroupData);
    depth->AddSubItem(NewList(wptext::kApplyTo, kScopes[0].text, "指定深度线各属性设置的应用范围", kScopes));
    depth->AddSubItem(NewList(wptext::kVisibility, wptext::kShown, "指定深度线显隐状态", wellplot::kShownHidden));
    auto* intervals = new CBCGPProp(wptext::kIntervalMetres, 0, TRUE);
    for (int k = 0; k < 3; ++k) {
        auto* interval =
            new CBCGPropSizeText(kKinds[k], _variant_t("0"), FormatString("指定深度%s间隔", kKinds[k]).GetString(), 0,
                                 [k](const CString& text) {
                                     float read = 0;
                                     return ReadDepthInterval(text, k, &read);
                                 });
        for (double x = 1; x <= 10000; x *= 10)
            for (double m : {1.0, 2.0, 5.0}) interval->AddOption(FormatString("%g", x * m));
        intervals->AddSubItem(interval);
    }
    depth->AddSubItem(intervals);
    for (int k = 0; k < 3; ++k)
        depth->AddSubItem(NewPenGroup(k, "指定深度%s线型样式", "指定深度%s线型宽度", "指定深度%s线型颜色"));
    m_wndPropList.AddProperty(depth, TRUE, TRUE);
    return 0;
}

void CLstGrid::UpdateBCGPProperty(long object, CString) {
    CWpTrack* track = wellplot::KitOf<CWpTrack>(object);
    if (!wellplot::BeginKitRefresh(*this, object, track)) return;
    if (CBCGPProp* scale = m_wndPropList.FindItemByData(kScaleGroupData)) ShowScaleGroup(track, scale);
    if (CBCGPProp* depth = m_wndPropList.FindItemByData(kDepthGroupData)) ShowDepthGroup(track, depth);
}

void CLstGrid::ShowScaleGroup(CWpTrack* track, CBCGPProp* group) {
    if (group->GetSubItemsCount() < 7) return;
    const bool shown = track->IsShowScale() != 0;
    const bool linear = shown && !track->IsLogScale();
    ShowTextIfChanged(group->GetSubItem(0), ScopeText(track->GetScaleScope()));
    ShowTextIfChanged(group->GetSubItem(1), ShownText(track->IsShowScale()));
    CBCGPProp* divisions = group->GetSubItem(2);
    const int count = track->GetMinScale();
    if (int shownCount = 0; (!wellplot::ReadInt(ItemText(divisions), &shownCount) || shownCount != count) && count >= 0)
        divisions->SetValue(_variant_t(static_cast<UINT>(count)));
    divisions->Enable(linear);
    ShowTextIfChanged(group->GetSubItem(3), ShownText(track->IsShowMid()));
    group->GetSubItem(3)->Enable(linear);
    for (int k = 0; k < 3; ++k) {
        const bool enable = k == 1 ? linear && track->IsShowMid() != 0 : shown;
        ShowPen(group->GetSubItem(4 + k), PenOf(track, false, k), enable);
    }
}

void CLstGrid::ShowDepthGroup(CWpTrack* track, CBCGPProp* group) {
    if (group->GetSubItemsCount() < 6) return;
    const bool shown = track->IsShowDepth() != 0;
    ShowTextIfChanged(group->GetSubItem(0), ScopeText(track->GetDepthScope()));
    ShowTextIfChanged(group->GetSubItem(1), ShownText(track->IsShowDepth()));
    CBCGPProp* intervals = group->GetSubItem(2);
    for (int k = 0; k < 3 && k < intervals->GetSubItemsCount(); ++k) {
        CBCGPProp* item = intervals->GetSubItem(k);
        const float value = IntervalOf(track, k);
        if (double shown = 0; !numtext::LeadingNumber(ItemText(item), &shown) || std::fabs(shown - value) > 0.001)
            SetItemText(item, FormatString("%g", static_cast<double>(value)));
        item->Enable(shown);
    }
    for (int k = 0; k < 3; ++k) ShowPen(group->GetSubItem(3 + k), PenOf(track, true, k), shown);
}

LRESULT CLstGrid::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CWpTrack* track = wellplot::CurrentKit<CWpTrack>(*this);
    // A list's text stands for the value stored.
    int choice = 0;
    if (!item || !track || !wellplot::ReadChoice(item, &choice)) return 0;
    CBCGPProp* parent = item->GetParent();
    const CString n = item->GetName();
    const CString p = NameOf(parent);
    const CString g = NameOf(parent ? parent->GetParent() : nullptr);
    const CString text = ItemText(item);

    switch (EditOf(n, p, g)) {
        case Edit::ScaleScope:
            EditScope(track, kScaleKind, choice);
            break;
        case Edit::ScaleShown:
            EditShown(track, kScaleKind, choice);
            break;
        case Edit::Divisions:
            // The item reads by this count rule, so a count it refuses never comes here.
            if (int count = 0; wellplot::ReadCount(text, &count)) track->SetMinScale(count);
            break;
        case Edit::ShowMid:
            track->ShowMid(choice);
            track->Recalculate();
            break;
        case Edit::ScalePen:
            EditPen(track, item, false, KindOfCaption(p, kPenGroups));
            UpdateParentInScope(track, kScaleKind);
            break;
        case Edit::DepthScope:
            EditScope(track, kDepthKind, choice);
            break;
        case Edit::DepthShown:
            EditShown(track, kDepthKind, choice);
            break;
        case Edit::AllIntervals:
            if (!EditIntervals(track, item)) return 0;  // all three refused: nothing is redrawn
            break;
        case Edit::Interval:
            // The item reads by the interval rule, so an interval it refuses never comes here.
            if (EditInterval(track, item, KindOfCaption(n, kKinds))) UpdateParentInScope(track, kDepthKind);
            break;
        case Edit::DepthPen:
            EditPen(track, item, true, KindOfCaption(p, kPenGroups));
            UpdateParentInScope(track, kDepthKind);
            break;
        case Edit::None:
            break;
    }
    track->InvalidSelf();
    UpdateView();
    return 0;
}

// A width the pen cannot hold is refused by the width item itself, which reads by this width rule.
void CLstGrid::EditPen(CWpTrack* track, CBCGPProp* item, bool depth, int kind) {
    QXLOGPEN pen = PenOf(track, depth, kind);
    if (!penfont::EditPen(pen, item, ValueOfText(kPenFields, item->GetName(), -1))) return;
    SetPenOf(track, depth, kind, pen);
}

// One interval typed (the item refuses what the interval rule refuses).
bool CLstGrid::EditInterval(CWpTrack* track, CBCGPProp* item, int kind) {
    float interval = 0;
    if (!ReadDepthInterval(ItemText(item), kind, &interval)) return false;
    SetIntervalOf(track, kind, interval);
    return true;
}

// The three intervals edited as one value list, tested and stored in turn: one the rule refuses
// shows its stored interval again and stops only itself. False when none was stored.
bool CLstGrid::EditIntervals(CWpTrack* track, CBCGPProp* intervals) {
    bool stored = false;
    for (int k = 0; k < std::min(3, intervals->GetSubItemsCount()); ++k) {
        CBCGPProp* item = intervals->GetSubItem(k);
        if (EditInterval(track, item, k)) {
            UpdateParentInScope(track, kDepthKind);
            stored = true;
        } else {
            ShowItemAgain(item);
        }
    }
    return stored;
}

void CLstGrid::ShowItemAgain(CBCGPProp* item) {
    CWpTrack* track = wellplot::CurrentKit<CWpTrack>(*this);
    if (const int kind = IntervalKindOf(item); track && kind >= 0)
        SetItemText(item, IntervalText(track, kind));
    else
        CWndLst::ShowItemAgain(item);
}
