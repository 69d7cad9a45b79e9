#include "planemap/layers/PropListCoordinate.h"

#include <cmath>

#include "framework/FixedList.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/NumberText.h"
#include "framework/PropDigits.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Kestrel/GraphStyleManager.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/PlaneTexts.h"
#include "planemap/layers/LayerPage.h"
#include "planemap/layers/PieItems.h"
#include "planemap/layers/PieTexts.h"

using Axes = CQXObjectCoordinate;
using L = CPropListCoordinate;

namespace {

namespace ctext {
inline constexpr const char* kAxes = "轴线";
inline constexpr const char* kXDirection = "X方向";
inline constexpr const char* kYDirection = "Y方向";
inline constexpr const char* kName = "名称";
inline constexpr const char* kTrend = "趋势线";
inline constexpr const char* kTicks = "刻度线";
inline constexpr const char* kMinimum = "最小值";
inline constexpr const char* kMaximum = "最大值";
inline constexpr const char* kDivision = "分隔数";
inline constexpr const char* kTickLabels = "刻度线标签";
inline constexpr const char* kGrid = "网格线";
inline constexpr const char* kHeightDescription = "坐标系高度";
inline constexpr const char* kAbove = "上";
inline constexpr const char* kBelow = "下";
inline constexpr const char* kLeft = "左";
inline constexpr const char* kRight = planetext::kPlaceRight;  // "右"
}  // namespace ctext

constexpr int kLabelDecimalOptions = 8;
constexpr const char* kInitialDecimals = "1";

// The four fonts and the items that show them.
struct FontItems {
    DWORD_PTR face, size, color;
    QXLOGFONT Axes::*font;
};
constexpr FontItems kFonts[] = {
    {L::kXNameFaceId, L::kXNameSizeId, L::kXNameColorId, &Axes::m_XNameFont},
    {L::kYNameFaceId, L::kYNameSizeId, L::kYNameColorId, &Axes::m_YNameFont},
    {L::kXLabelFaceId, L::kXLabelSizeId, L::kXLabelColorId, &Axes::m_XLabelFont},
    {L::kYLabelFaceId, L::kYLabelSizeId, L::kYLabelColorId, &Axes::m_YLabelFont},
};

// The seven pens and the items that show them.
struct PenItems {
    DWORD_PTR style, color, width;
    QXLOGPEN Axes::*pen;
};
constexpr PenItems kPens[] = {
    {L::kXAxisStyleId, L::kXAxisColorId, L::kXAxisWidthId, &Axes::m_XAxisPen},
    {L::kYAxisStyleId, L::kYAxisColorId, L::kYAxisWidthId, &Axes::m_YAxisPen},
    {L::kTrendStyleId, L::kTrendColorId, L::kTrendWidthId, &Axes::m_TrendPen},
    {L::kXTickStyleId, L::kXTickColorId, L::kXTickWidthId, &Axes::m_XScalePen},
    {L::kYTickStyleId, L::kYTickColorId, L::kYTickWidthId, &Axes::m_YScalePen},
    {L::kXGridStyleId, L::kXGridColorId, L::kXGridWidthId, &Axes::m_XGridPen},
    {L::kYGridStyleId, L::kYGridColorId, L::kYGridWidthId, &Axes::m_YGridPen},
};

// Whether max - min is a range a double holds that leaves more than one division (strict) or at
// least one: a range beyond a double would be split into infinitely many.
bool LeavesDivision(double max, double min, double division, bool strict) {
    const double range = max - min;
    return std::isfinite(range) && (strict ? range > division : range >= division);
}

// The numbers kept as doubles, each with the test a typed value must pass. The X minimum must
// leave more than one division, the Y minimum at least one.
struct NumberItem {
    DWORD_PTR id;
    double Axes::*member;
    bool (*accepts)(const Axes&, double);
};
constexpr NumberItem kNumbers[] = {
    {L::kHeightId, &Axes::m_dHeight, [](const Axes&, double v) { return v > 0; }},
    {L::kXMinId, &Axes::m_dXMin,
     [](const Axes& a, double v) { return LeavesDivision(a.m_dXMax, v, a.m_dXDivision, true); }},
    {L::kXMaxId, &Axes::m_dXMax,
     [](const Axes& a, double v) { return LeavesDivision(v, a.m_dXMin, a.m_dXDivision, false); }},
    {L::kXDivisionId, &Axes::m_dXDivision, [](const Axes& a, double v) { return v > 0 && a.m_dXMax - a.m_dXMin >= v; }},
    {L::kYMinId, &Axes::m_dYMin,
     [](const Axes& a, double v) { return LeavesDivision(a.m_dYMax, v, a.m_dYDivision, false); }},
    {L::kYMaxId, &Axes::m_dYMax,
     [](const Axes& a, double v) { return LeavesDivision(v, a.m_dYMin, a.m_dYDivision, false); }},
    {L::kYDivisionId, &Axes::m_dYDivision, [](const Axes& a, double v) { return v > 0 && a.m_dYMax - a.m_dYMin >= v; }},
    {L::kXLabelIntervalId, &Axes::m_dXLabelInterval,
     [](const Axes& a, double v) { return v > 0 && a.m_dXMax - a.m_dXMin >= v; }},
    {L::kYLabelIntervalId, &Axes::m_dYLabelInterval,
     [](const Axes& a, double v) { return v > 0 && a.m_dYMax - a.m_dYMin >= v; }},
};

// The whole numbers.
struct IntItem {
    DWORD_PTR id;
    int Axes::*member;
    int least;
};
constexpr IntItem kInts[] = {
    {L::kTickLengthId, &Axes::m_nScaleLength, 1},
    {L::kXLabelDecimalsId, &Axes::m_nXLabelDecimal, 0},
    {L::kYLabelDecimalsId, &Axes::m_nYLabelDecimal, 0},
};

// The tick labels of one direction.
struct LabelItems {
    DWORD_PTR group, show, side, fontGroup;
    int Axes::*shown;
    int Axes::*sideMember;
    const char* sideOn;  // the side the member's 1 stands for
    const char* sideOff;
};
constexpr LabelItems kLabels[] = {
    {L::kXLabelGroupId, L::kXLabelShowId, L::kXLabelSideId, L::kXLabelFontGroupId, &Axes::m_nXLabelShow,
     &Axes::m_nXLabelSide, ctext::kAbove, ctext::kBelow},
    {L::kYLabelGroupId, L::kYLabelShowId, L::kYLabelSideId, L::kYLabelFontGroupId, &Axes::m_nYLabelShow,
     &Axes::m_nYLabelSide, ctext::kRight, ctext::kLeft},
};

template <class Row, std::size_t N, class Match>
const Row* Find(const Row (&rows)[N], Match match) {
    for (const Row& row : rows)
        if (match(row)) return &row;
    return nullptr;
}

// ---- reading the typed numbers ----
// An origin coordinate: a text of digits, blanks and points (so no negative) and its number.
bool ReadOrigin(const CString& text, double* value) {
    return numtext::IsNumberText(text) && numtext::LeadingNumber(text, value);
}
// A font size or pen width in millimetres, kept in hundredths: 0 or more (no number reads as 0).
bool ReadHundredthsLength(const CString& text, float* value) {
    return planemap::ReadFloatLength(text, numtext::kHundredths, value);
}
// A double member: its number passing the member's test against the object's other members.
bool ReadMember(const Axes& axes, const NumberItem& number, const CString& text, double* value) {
    double typed = 0;
    if (!numtext::LeadingNumber(text, &typed) || !number.accepts(axes, typed)) return false;
    *value = typed;
    return true;
}
// A whole-number member: its leading integer, at least the member's least value.
bool ReadWhole(const IntItem& whole, const CString& text, int* value) {
    int typed = 0;
    if (!numtext::LeadingInt(text, &typed) || typed < whole.least) return false;
    *value = typed;
    return true;
}

const NumberItem* NumberOf(DWORD_PTR id) {
    return Find(kNumbers, [id](const NumberItem& n) { return n.id == id; });
}
const IntItem* IntOf(DWORD_PTR id) {
    return Find(kInts, [id](const IntItem& n) { return n.id == id; });
}

bool ReadTickLength(const CString& text, int* length) { return ReadWhole(*IntOf(L::kTickLengthId), text, length); }

// The rule of a number member's item: its number passing the member's test against the list's
// object as it is when the text is typed.
TextRule NumberRule(const CWndLstPlane* list, DWORD_PTR id) {
    const NumberItem* number = NumberOf(id);
    return [list, number](const CString& text) {
        const auto* axes = dynamic_cast<const CQXObjectCoordinate*>(list->GetTarget());
        double value = 0;
        return !axes || !number || ReadMember(*axes, *number, text, &value);
    };
}

CBCGPProp* NewGroup(const char* label, DWORD_PTR id) { return pieitems::NewGroup(label, id, true); }

CBCGPProp* NewText(const char* label, DWORD_PTR id) { return NewTextItem(label, "", id); }

// A number item whose rule is the list's reading of it (reader and test).
CBCGPProp* NewNumber(const char* label, DWORD_PTR id, TextRule rule, const char* description = "") {
    return NewSizeTextItem(label, description, id, std::move(rule));
}

// The direction group of an axis: its name and the name's font.
CBCGPProp* NewAxisDirection(const char* label, DWORD_PTR groupId, DWORD_PTR nameId, DWORD_PTR faceId) {
    CBCGPProp* direction = NewGroup(label, groupId);
    direction->AddSubItem(NewText(ctext::kName, nameId));
    CBCGPProp* font = NewGroup(grouptext::kFontFace, 0);
    L::AddCoordinateFontItems(font, faceId, faceId + 1, faceId + 2);
    direction->AddSubItem(font);
    return direction;
}

CBCGPProp* NewTickDirection(const CWndLstPlane* list, const char* label, DWORD_PTR groupId, DWORD_PTR minId,
                            DWORD_PTR styleId) {
    CBCGPProp* direction = NewGroup(label, groupId);
    direction->AddSubItem(NewNumber(ctext::kMinimum, minId, NumberRule(list, minId)));
    direction->AddSubItem(NewNumber(ctext::kMaximum, minId + 1, NumberRule(list, minId + 1)));
    direction->AddSubItem(NewNumber(ctext::kDivision, minId + 2, NumberRule(list, minId + 2)));
    L::AddCoordinateLineItems(direction, styleId, styleId + 1, styleId + 2);
    return direction;
}

CBCGPProp* NewLabelDirection(const CWndLstPlane* list, const char* label, const LabelItems& items, DWORD_PTR intervalId,
                             DWORD_PTR decimalsId) {
    CBCGPProp* direction = NewGroup(label, items.group);
    direction->AddSubItem(NewYesNoList(grouptext::kShow, "", nullptr, items.show));
    // Options in reading order: "上" before "下", "左" before "右"; any text but the side's own
    // ("上" or "右") is the other side.
    const bool onFirst = items.group == L::kXLabelGroupId;
    auto* side = new CFixedListProp(planetext::kPosition, items.sideOn, grouptext::kShow, items.side, OtherTakenAs(0));
    side->AddEntry(onFirst ? items.sideOn : items.sideOff, onFirst ? 1 : 0);
    side->AddEntry(onFirst ? items.sideOff : items.sideOn, onFirst ? 0 : 1);
    direction->AddSubItem(side);
    direction->AddSubItem(NewNumber(planetext::kInterval, intervalId, NumberRule(list, intervalId)));
    CBCGPProp* decimals = CreateIndexProp(planetext::kDecimals, decimalsId, "", kLabelDecimalOptions);
    decimals->SetValue(_variant_t(kInitialDecimals));
    direction->AddSubItem(decimals);
    CBCGPProp* font = NewGroup(grouptext::kFontFace, items.fontGroup);
    L::AddCoordinateFontItems(font, items.fontGroup + 1, items.fontGroup + 2, items.fontGroup + 3);
    direction->AddSubItem(font);
    return direction;
}

CBCGPProp* NewGridDirection(const char* label, DWORD_PTR groupId) {
    CBCGPProp* direction = NewGroup(label, groupId);
    L::AddCoordinateLineItems(direction, groupId + 1, groupId + 2, groupId + 3);
    return direction;
}

}  // namespace

void CPropListCoordinate::AddCoordinateFontItems(CBCGPProp* group, DWORD_PTR faceId, DWORD_PTR sizeId,
                                                 DWORD_PTR colorId) {
    group->AddSubItem(pieitems::NewFaceItem(pietext::kFontFaceDescription, faceId));
    group->AddSubItem(
        pieitems::NewFontSizeItem(pietext::kFontSizeDescription, sizeId, ReaderRule(ReadHundredthsLength)));
    group->AddSubItem(pieitems::NewColorItem(grouptext::kColor, pietext::kFontColorDescription, colorId));
    group->Expand(TRUE);
}

void CPropListCoordinate::AddCoordinateLineItems(CBCGPProp* group, DWORD_PTR styleId, DWORD_PTR colorId,
                                                 DWORD_PTR widthId) {
    group->AddSubItem(pieitems::NewLineStylePicker(grouptext::kLineStyle, grouptext::kLineStylePlainDescription,
                                                   styleId, kestrel::kLineSetCommonAlt));
    group->AddSubItem(pieitems::NewColorItem(grouptext::kColor, pietext::kPenColorDescription, colorId));
    group->AddSubItem(pieitems::NewWidthItem(grouptext::kLineWidth, widthId, "%.2f", ReaderRule(ReadHundredthsLength)));
    group->Expand(TRUE);
}

int CPropListCoordinate::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    CBCGPProp* place = NewGroup(planetext::kPosition, kPlaceGroupId);
    place->AddSubItem(NewNumber(planetext::kX, kOriginXId, ReaderRule(ReadOrigin)));
    place->AddSubItem(NewNumber(planetext::kY, kOriginYId, ReaderRule(ReadOrigin)));
    m_wndPropList.AddProperty(place);

    CBCGPProp* size = NewGroup(pietext::kSize, kSizeGroupId);
    CBCGPProp* width = NewText(planetext::kWidth, kWidthId);
    width->AllowEdit(FALSE);
    size->AddSubItem(width);
    size->AddSubItem(NewNumber(planetext::kHeight, kHeightId, NumberRule(this, kHeightId), ctext::kHeightDescription));
    m_wndPropList.AddProperty(size);

    CBCGPProp* axes = NewGroup(ctext::kAxes, 0);
    axes->AddSubItem(NewAxisDirection(ctext::kXDirection, kXAxisGroupId, kXNameId, kXNameFaceId));
    AddCoordinateLineItems(axes, kXAxisStyleId, kXAxisColorId, kXAxisWidthId);
    axes->AddSubItem(NewAxisDirection(ctext::kYDirection, kYAxisGroupId, kYNameId, kYNameFaceId));
    AddCoordinateLineItems(axes, kYAxisStyleId, kYAxisColorId, kYAxisWidthId);
    m_wndPropList.AddProperty(axes);

    CBCGPProp* trend = NewGroup(ctext::kTrend, kTrendGroupId);
    AddCoordinateLineItems(trend, kTrendStyleId, kTrendColorId, kTrendWidthId);
    m_wndPropList.AddProperty(trend);

    CBCGPProp* ticks = NewGroup(ctext::kTicks, 0);
    ticks->AddSubItem(NewNumber(planetext::kLength, kTickLengthId, ReaderRule(ReadTickLength)));
    ticks->AddSubItem(NewTickDirection(this, ctext::kXDirection, kXTickGroupId, kXMinId, kXTickStyleId));
    ticks->AddSubItem(NewTickDirection(this, ctext::kYDirection, kYTickGroupId, kYMinId, kYTickStyleId));
    m_wndPropList.AddProperty(ticks);

    CBCGPProp* labels = NewGroup(ctext::kTickLabels, 0);
    labels->AddSubItem(NewLabelDirection(this, ctext::kXDirection, kLabels[0], kXLabelIntervalId, kXLabelDecimalsId));
    labels->AddSubItem(NewLabelDirection(this, ctext::kYDirection, kLabels[1], kYLabelIntervalId, kYLabelDecimalsId));
    m_wndPropList.AddProperty(labels);

    CBCGPProp* grid = NewGroup(ctext::kGrid, kGridGroupId);
    grid->AddSubItem(NewGridDirection(ctext::kXDirection, kXGridGroupId));
    grid->AddSubItem(NewGridDirection(ctext::kYDirection, kYGridGroupId));
    m_wndPropList.AddProperty(grid);
    return 0;
}

CQXObjectCoordinate* CPropListCoordinate::Shown() const { return dynamic_cast<CQXObjectCoordinate*>(m_pTarget); }

void CPropListCoordinate::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    m_wndPropList.SetCurSel(nullptr);
    CQXObjectCoordinate* axes = Shown();
    if (!axes) return;
    const FLOATPOINT origin = axes->GetOrigin();
    SetItemText(FindItem(kOriginXId), pieitems::Number(origin.x));
    SetItemText(FindItem(kOriginYId), pieitems::Number(origin.y));
    SetItemText(FindItem(kWidthId), pieitems::Number(axes->m_dXMax - axes->m_dXMin));
    for (const NumberItem& number : kNumbers) SetItemText(FindItem(number.id), pieitems::Number(axes->*number.member));
    for (const IntItem& whole : kInts) SetItemText(FindItem(whole.id), pieitems::Count(axes->*whole.member));
    SetItemText(FindItem(kXNameId), axes->m_strXName);
    SetItemText(FindItem(kYNameId), axes->m_strYName);
    for (const FontItems& font : kFonts)
        pieitems::ShowFont(FindItem(font.face), FindItem(font.size), FindItem(font.color), axes->*font.font);
    for (const PenItems& pen : kPens)
        pieitems::ShowPen(FindItem(pen.style), FindItem(pen.width), FindItem(pen.color), axes->*pen.pen, 100);
    ShowLabels(*axes);
}

// A direction's label items count only while its labels are shown; "显示" itself stays enabled.
void CPropListCoordinate::ShowLabels(CQXObjectCoordinate& axes) {
    for (const LabelItems& labels : kLabels) {
        const bool shown = axes.*labels.shown == 1;
        SetYesNoProp(FindItem(labels.show), shown);
        CBCGPProp* group = FindItem(labels.group);
        if (group) EnableSubItems(group, 1, group->GetSubItemsCount(), shown ? TRUE : FALSE);
        if (CBCGPProp* font = FindItem(labels.fontGroup)) EnableAllSubItems(font, shown ? TRUE : FALSE);
        SetItemText(FindItem(labels.side), axes.*labels.sideMember != 0 ? labels.sideOn : labels.sideOff);
    }
}

LRESULT CPropListCoordinate::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectCoordinate* axes = Shown();
    if (!axes || !item) return -1;
    if (axes->m_dHeight == 0) return -1;
    if (!ApplyEdit(*axes, item)) {
        ShowStored(*axes, item);  // a refused text writes, marks and redraws nothing
        return 0;
    }
    axes->SetModifyFlag(1);
    axes->UpdateAfterEdit();
    UpdateView();
    return 0;
}

bool CPropListCoordinate::ApplyEdit(CQXObjectCoordinate& axes, CBCGPProp* item) {
    const DWORD_PTR id = item->GetData();
    const CString text = ItemText(item);
    double value = 0;
    if (id == kOriginXId || id == kOriginYId) {
        if (!ReadOrigin(text, &value)) return false;
        FLOATPOINT origin = axes.GetOrigin();
        (id == kOriginXId ? origin.x : origin.y) = value;
        axes.SetOrigin(origin);
    } else if (id == kXNameId || id == kYNameId) {
        (id == kXNameId ? axes.m_strXName : axes.m_strYName) = text;
    } else if (const NumberItem* number = NumberOf(id)) {
        if (!ReadMember(axes, *number, text, &value)) return false;
        axes.*number->member = value;
        // A zero taken shows as a refresh shows it: a typed "-0" would keep its sign.
        if (value == 0) SetItemText(item, pieitems::Number(value));
    } else if (const IntItem* whole = IntOf(id)) {
        int count = 0;
        if (!ReadWhole(*whole, text, &count)) return false;
        axes.*whole->member = count;
        // The whole number taken ("1" of "1e-310" or "1.9"), shown as a refresh shows it.
        SetItemText(item, pieitems::Count(count));
    } else if (const FontItems* font =
                   Find(kFonts, [id](const FontItems& f) { return f.face == id || f.size == id || f.color == id; })) {
        QXLOGFONT& record = axes.*font->font;
        if (!layerpage::ReadGroupEdit(item, record, &ReadHundredthsLength)) return false;
        // The size taken (a text that is no number reads as 0), shown as a refresh shows it.
        if (id == font->size) SetItemText(item, pieitems::Number(record.size / 100.0));
    } else if (const PenItems* pen =
                   Find(kPens, [id](const PenItems& p) { return p.style == id || p.color == id || p.width == id; })) {
        QXLOGPEN& record = axes.*pen->pen;
        if (id == pen->style) {
            if (auto* picker = dynamic_cast<CPropStyleCombox*>(item)) record.style = picker->GetVal();
        } else if (id == pen->width) {
            if (!ReadHundredthsLength(text, &record.width)) return false;
            SetItemText(item, pieitems::Number(record.width / 100.0));
        } else {
            ReadColor(item, &record.color);
        }
    } else if (const LabelItems* labels = Find(kLabels, [id](const LabelItems& l) { return l.show == id; })) {
        const int shown = ReadYesNo(item) ? 1 : 0;
        axes.*labels->shown = shown;
        CBCGPProp* group = FindItem(labels->group);
        if (group) EnableSubItems(group, 1, group->GetSubItemsCount(), shown ? TRUE : FALSE);
        if (CBCGPProp* font = FindItem(labels->fontGroup)) EnableAllSubItems(font, shown ? TRUE : FALSE);
    } else if (const LabelItems* side = Find(kLabels, [id](const LabelItems& l) { return l.side == id; })) {
        int on = 0;
        if (!ReadFixedList(item, &on)) return false;
        axes.*side->sideMember = on;
    }
    return true;
}

// A refused count of label decimals (an option item, so a text reported from code) shows the stored
// count as the refresh shows it; every other number item reads by the rule its edit reads it by, so
// none of them is refused here.
void CPropListCoordinate::ShowStored(CQXObjectCoordinate& axes, CBCGPProp* item) {
    if (const IntItem* whole = IntOf(item->GetData())) SetItemText(item, pieitems::Count(axes.*whole->member));
}
