#include "chart/AxisGroups.h"

#include <cmath>
#include <iterator>
#include <memory>

#include "chart/AxisTexts.h"
#include "chart/ChartGroups.h"
#include "chart/ChartItems.h"
#include "chart/ChartReaders.h"
#include "chart/ChartTexts.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/NumberText.h"
#include "framework/OptionTables.h"
#include "framework/PropItems.h"
#include "hosttypes/Thistle/Axis.h"
#include "hosttypes/Thistle/Plot.h"

using namespace axistext;

namespace chart {

namespace {

constexpr int kAngleAxis = 3;
constexpr int kProbabilityScale = 5;
constexpr double kFullTurn = 360;

constexpr TextValue kScales[] = {{kLinear, 1}, {kLogarithmic, 2}, {kProbability, kProbabilityScale}};
constexpr TextValue kTitlePositions[] = {
    {kPosLeftEnd, 0}, {kPosRightEnd, 1}, {kPosMiddle, 2}, {kPosTopEnd, 3}, {kPosBottomEnd, 4},
};
constexpr TextValue kFillDirections[] = {{kFillUp, 0}, {kFillDown, 1}, {kFillRight, 2}, {kFillLeft, 3}};
// What the conversions take for any other text: linear, the middle, up, side 1.
constexpr int kOtherScale = 1;
constexpr int kOtherTitlePos = 2;
constexpr int kOtherDirection = 0;
constexpr int kOtherTickSide = 1;

constexpr SidePair kHorizontalSides = {kBottom, kTop};
constexpr SidePair kVerticalSides = {kLeft, kRight};
constexpr SidePair kInnerOuter = {kInner, kOuter};
constexpr SidePair kOuterInner = {kOuter, kInner};

bool IsOneOf(int value, std::initializer_list<int> values) {
    for (int v : values)
        if (v == value) return true;
    return false;
}

// The minor division as its option item shows it.
CString DivisionText(IkelAxis* axis) {
    return FormatString("%d", static_cast<int>(axis->GetTickMarks()->GetMinorTickStruct()->GetDivision()));
}

CBCGPProp* Sub(CBCGPProp* group, DWORD_PTR id) { return group ? group->FindSubItemByData(id) : nullptr; }

// Every scale is read; a dataset space offers linear scales only.
void SetScaleOptions(CBCGPProp* item, bool linearOnly) {
    CFixedListProp* list = FixedListOf(item);
    if (!list) return;
    list->ClearEntries();
    list->AddEntries(kScales, linearOnly ? 1 : std::size(kScales));
    list->AddUnofferedEntries(kScales);
    ReadOtherTextsBy(list, &AxisScaleFromText);
}

// Every position is read; an axis offers those of its direction.
void SetTitlePosOptions(CBCGPProp* item, int axisType) {
    std::vector<CString> offers;
    if (axisType == 0) offers = {kPosLeftEnd, kPosMiddle, kPosRightEnd};
    if (axisType == 1) offers = {kPosTopEnd, kPosMiddle, kPosBottomEnd};
    SetListEntries(item, EntriesOf(kTitlePositions), offers);
    ReadOtherTextsBy(item, &TitlePosFromText);
}

// The tick side table of an axis type: "无" 0, then the sides as the type names them.
std::vector<ListEntry> TickSideEntries(int axisType) {
    const bool swapped = IsOneOf(axisType, {3, 5, 6});
    return SideEntries({{kNoSide, 0}, {TickSideToText(axisType, 1), 1}, {TickSideToText(axisType, 2), 2}},
                       swapped ? 2 : 1, swapped ? 1 : 2);
}

int TickSideOfType(int axisType, const CString& text) {
    return ValueOfEntries(TickSideEntries(axisType), text, kOtherTickSide);
}

}  // namespace

bool ReadAxisBound(const IkelAxis* axis, const CString& text, double* value) {
    return axis && axis->GetAxisType() == kAngleAxis ? numtext::PositiveOrZeroNumber(text, value)
                                                     : ReadDigitText(text, value);
}

// ---- text conversions ------------------------------------------------------------------------------

int AxisScaleFromText(const CString& text) { return ValueOfText(kScales, text, kOtherScale); }
const char* AxisScaleToText(int scale) { return TextOfValue(kScales, scale, kLogarithmic); }
int TitlePosFromText(const CString& text) { return ValueOfText(kTitlePositions, text, kOtherTitlePos); }
const char* TitlePosToText(int pos) { return TextOfValue(kTitlePositions, pos, kPosMiddle); }

// The direction texts have no letter case: an exact comparison is a case-blind one.
int FillDirectionFromText(const CString& text) { return ValueOfText(kFillDirections, text, kOtherDirection); }
const char* FillDirectionToText(int direction) { return TextOfValue(kFillDirections, direction, kFillDown); }

void ReadOtherTextsBy(CBCGPProp* item, std::function<int(const CString&)> convert) {
    CFixedListProp* list = FixedListOf(item);
    if (!list || !convert) return;
    list->SetOtherRule([convert = std::move(convert)](const CString& text, int* value) {
        *value = convert(text);
        return true;
    });
}

int ValueOfEntries(const std::vector<ListEntry>& entries, const CString& text, int otherwise) {
    for (const ListEntry& entry : entries)
        if (entry.first == text) return entry.second;
    return otherwise;
}

const SidePair* SideOptions(int axisType) {
    switch (axisType) {
        case 0:
        case 2:
            return &kHorizontalSides;
        case 1:
            return &kVerticalSides;
        case 3:
        case 4:
        case 5:
        case 6:
            return &kInnerOuter;
        default:
            return nullptr;
    }
}

std::vector<ListEntry> SideEntries(std::vector<ListEntry> shown, int near, int far) {
    for (const char* text : {kBottom, kLeft, kOuter}) shown.emplace_back(text, near);
    for (const char* text : {kTop, kRight, kInner}) shown.emplace_back(text, far);
    return shown;
}

const char* TickSideToText(int axisType, int side) {
    if (side != 1 && side != 2) return kNoSide;
    const SidePair* pair = nullptr;
    if (axisType == 4)
        pair = &kOuterInner;
    else if (IsOneOf(axisType, {3, 5, 6}))
        pair = &kInnerOuter;
    else
        pair = SideOptions(axisType);
    if (!pair) return "";
    return side == 1 ? pair->first : pair->second;
}

void SetSideOptions(CBCGPProp* item, const std::vector<ListEntry>& reads, const std::vector<CString>& offers,
                    std::function<int(const CString&)> convert) {
    SetListEntries(item, reads, offers);
    ReadOtherTextsBy(item, std::move(convert));
}

int TickSideFromText(IkelAxis* axis, const CString& text) {
    return TickSideOfType(axis ? axis->GetAxisType() : 0, text);
}

void SetTickSideOptions(CBCGPProp* item, int axisType) {
    std::vector<CString> offers = {kNoSide};
    if (const SidePair* pair = SideOptions(axisType)) offers.insert(offers.end(), {pair->first, pair->second});
    SetSideOptions(item, TickSideEntries(axisType), offers,
                   [axisType](const CString& text) { return TickSideOfType(axisType, text); });
}

CBCGPProp* NewTickSideItem(const char* label, const char* description, DWORD_PTR id) {
    CBCGPProp* item = NewListItem(label, description, id, OtherTakenAs(kOtherTickSide), false);
    SetTickSideOptions(item, 0);
    return item;
}

// ---- builders ------------------------------------------------------------------------------------------

CBCGPProp* CreateAxisAttrProp() {
    auto* group = new CBCGPProp(kAttrGroup, kAttrGroupId, FALSE);
    CBCGPProp* scale = NewListItem(kScaleType, kScaleTypeDescription, kScaleTypeId, OtherTakenAs(kOtherScale), false);
    SetScaleOptions(scale, false);
    group->AddSubItem(scale);
    group->AddSubItem(NewNumberItem(kLength, kLengthDescription, kLengthId, ReaderRule(&ReadScaledNumber)));
    group->AddSubItem(NewNumberItem(kPosX, kPosDescription, kPosXId, NumberRule()));
    group->AddSubItem(NewNumberItem(kPosY, kPosDescription, kPosYId, NumberRule()));
    group->Expand(TRUE);
    return group;
}

CBCGPProp* CreateAxisRangeProp(ShownAxis shownAxis) {
    auto* group = new CBCGPProp(kRangeGroup, kRangeGroupId, FALSE);
    group->AddSubItem(CreateYesNoProp(kDescend, kDescendId, _variant_t(kRangeYesNoInitial), ""));
    group->AddSubItem(CreateYesNoProp(grouptext::kAuto, kAutoRangeId, _variant_t(kRangeYesNoInitial), ""));
    const TextRule bound = [shownAxis](const CString& text) {
        double value = 0;
        return ReadAxisBound(shownAxis ? shownAxis() : nullptr, text, &value);
    };
    group->AddSubItem(NewNumberItem(kMinimum, kRangeDescription, kMinId, bound));
    group->AddSubItem(NewNumberItem(kMaximum, kRangeDescription, kMaxId, bound));
    group->AddSubItem(
        NewNumberItem(kMajorSpacing, kMajorSpacingDescription, kMajorSpacingId, ReaderRule(&ReadMajorSpacing)));
    group->AddSubItem(
        NewNumberListItem(kMinorDivision, kMinorDivisionDescription, kMinorDivisionId, 1, 19, &ReadMinorDivision));
    group->AddSubItem(NewUnitItem(kUnit, kUnitDescription, kUnitId, 5));
    group->Expand(TRUE);
    return group;
}

CBCGPProp* CreateAxisTitleProp(const CString& caption) {
    auto* group = new CBCGPProp(caption, kTitleGroupId, FALSE);
    group->AddSubItem(NewTextItem(kTitle, kTitleDescription, kTitleTextId));
    auto* position = new CBCGPProp(charttext::kLabelPosition, kTitlePosGroupId, FALSE);
    CBCGPProp* pos =
        NewListItem(charttext::kLabelPosition, kTitlePosDescription, kTitlePosId, OtherTakenAs(kOtherTitlePos), true);
    SetTitlePosOptions(pos, -1);
    position->AddSubItem(pos);
    position->AddSubItem(
        NewNumberItem(charttext::kXOffset, kTitleXOffsetDescription, kTitleXOffsetId, ReaderRule(&ReadDigitText)));
    position->AddSubItem(
        NewNumberItem(charttext::kYOffset, kTitleYOffsetDescription, kTitleYOffsetId, ReaderRule(&ReadDigitText)));
    position->AddSubItem(NewNumberItem(charttext::kAngle, charttext::kAngleDescription, kTitleAngleId, NumberRule()));
    group->AddSubItem(position);
    CBCGPProp* font = CreateFontProp(charttext::kFont, kTitleFontId);
    font->Expand(TRUE);
    group->AddSubItem(font);
    group->Expand(TRUE);
    return group;
}

// ---- writers ---------------------------------------------------------------------------------------------

void SetAxisAttrProp(IkelAxis* axis, CBCGPProp* group) {
    if (!axis || !group) return;
    const int type = axis->GetAxisType();
    if (CBCGPProp* scale = Sub(group, kScaleTypeId)) {
        // A dataset space offers linear scales only; any other space all three again.
        SetScaleOptions(scale, axis->GetSpaceType() == 2);
        scale->Enable(!IsOneOf(type, {2, 3, 4, 5, 6}));
        SetItemText(scale, AxisScaleToText(axis->GetAxisScaleType()));
    }
    if (CBCGPProp* length = Sub(group, kLengthId)) {
        ShowFixed(length, axis->GetLength() / 100, 1);
        length->Enable(type != kAngleAxis);
    }
    QXPOINT pos;
    pos.x = pos.y = 0;
    axis->GetAxisPosition(pos);
    ShowFixed(Sub(group, kPosXId), pos.x, 1);
    ShowFixed(Sub(group, kPosYId), pos.y, 1);
}

void SetAxisRangeProp(IkelAxis* axis, CBCGPProp* group) {
    if (!axis || !group) return;
    SetYesNoProp(Sub(group, kDescendId), axis->GetDescend());
    const bool automatic = axis->GetIsAutoRange();
    SetYesNoProp(Sub(group, kAutoRangeId), automatic);
    const bool probability = CString(AxisScaleToText(axis->GetAxisScaleType())) == kProbability;
    CkelAxisTickMarks* ticks = axis->GetTickMarks();
    struct Shown {
        DWORD_PTR id;
        int decimals;
        double value;
        bool enable;
    };
    const Shown shown[] = {
        {kMinId, 1, axis->GetMin(), !automatic},
        {kMaxId, 1, axis->GetMax(), !automatic},
        {kMajorSpacingId, 2, ticks->GetMajorTickStruct()->GetSpacing(), !automatic && !probability},
    };
    for (const Shown& s : shown) {
        if (CBCGPProp* item = Sub(group, s.id)) {
            ShowFixed(item, s.value, s.decimals);
            item->Enable(s.enable);
        }
    }
    if (CBCGPProp* division = Sub(group, kMinorDivisionId)) {
        SetItemText(division, DivisionText(axis));
        division->Enable(!automatic && !probability);
    }
    SetItemText(Sub(group, kUnitId), UnitText(axis->GetAxisUnit()));
    if (IsOneOf(axis->GetAxisType(), {4, 5, 6})) {
        EnableAllSubItems(group, FALSE);
        group->Expand(FALSE);
    }
}

void SetAxisTitleProp(CBCGPProp* group, IkelAxis* axis) {
    if (!axis || !group) return;
    CkelAxisTitle* title = axis->GetTitle();
    SetItemText(Sub(group, kTitleTextId), title->GetText().c_str());
    if (CBCGPProp* pos = Sub(group, kTitlePosId)) {
        SetTitlePosOptions(pos, axis->GetAxisType());
        SetItemText(pos, TitlePosToText(title->GetTitleRelativePos()));
    }
    ShowFixed(Sub(group, kTitleXOffsetId), title->GetXOffset(), 1);
    ShowFixed(Sub(group, kTitleYOffsetId), title->GetYOffset(), 1);
    ShowFixed(Sub(group, kTitleAngleId), title->GetRotateAngle(), 1);
    QXLOGFONT font;
    title->GetFont(&font);
    SetFontProp(Sub(group, kTitleFontId), font);
}

namespace {
// The number items of the three groups: how each reads the axis's value as the axis stores it, and
// the divisor that makes it the number the item shows (the length is stored in hundredths).
double AxisPosition(IkelAxis* axis, double QXPOINT::*coordinate) {
    QXPOINT pos;
    pos.x = pos.y = 0;
    axis->GetAxisPosition(pos);
    return pos.*coordinate;
}
struct AxisNumberItem {
    DWORD_PTR id;
    double (*stored)(IkelAxis* axis);
    double divisor;
};
const AxisNumberItem kAxisNumberItems[] = {
    {kLengthId, [](IkelAxis* a) { return a->GetLength(); }, 100},
    {kPosXId, [](IkelAxis* a) { return AxisPosition(a, &QXPOINT::x); }, 1},
    {kPosYId, [](IkelAxis* a) { return AxisPosition(a, &QXPOINT::y); }, 1},
    {kMinId, [](IkelAxis* a) { return a->GetMin(); }, 1},
    {kMaxId, [](IkelAxis* a) { return a->GetMax(); }, 1},
    {kMajorSpacingId, [](IkelAxis* a) { return a->GetTickMarks()->GetMajorTickStruct()->GetSpacing(); }, 1},
    {kTitleXOffsetId, [](IkelAxis* a) { return a->GetTitle()->GetXOffset(); }, 1},
    {kTitleYOffsetId, [](IkelAxis* a) { return a->GetTitle()->GetYOffset(); }, 1},
    {kTitleAngleId, [](IkelAxis* a) { return a->GetTitle()->GetRotateAngle(); }, 1},
};

const AxisNumberItem* AxisNumberItemOf(const CBCGPProp* item) {
    if (!item) return nullptr;
    for (const AxisNumberItem& number : kAxisNumberItems)
        if (number.id == item->GetData()) return &number;
    return nullptr;
}

// The axis's value of a number item of the three groups: as the item shows it, and as the axis
// stores it. False for any other item.
struct AxisNumber {
    double shown;
    double stored;
};
bool StoredAxisNumber(CBCGPProp* item, IkelAxis* axis, AxisNumber* number) {
    const AxisNumberItem* def = AxisNumberItemOf(item);
    if (!def) return false;
    const double stored = def->stored(axis);
    *number = {stored / def->divisor, stored};
    return true;
}
}  // namespace

bool ShowAxisValueAgain(CBCGPProp* item, IkelAxis* axis) {
    if (!item || !axis) return false;
    AxisNumber number{};
    switch (item->GetData()) {
        case kScaleTypeId:
            SetItemText(item, AxisScaleToText(axis->GetAxisScaleType()));
            return true;
        case kMinorDivisionId:
            SetItemText(item, DivisionText(axis));
            return true;
        default:
            if (!StoredAxisNumber(item, axis, &number)) return false;
            ShowFixed(item, number.shown, 2);
            return true;
    }
}

bool StandsForStored(CBCGPProp* item, IkelAxis* axis, double* value) {
    AxisNumber number{};
    if (!item || !axis || !StoredAxisNumber(item, axis, &number) || !numtext::ShowsStored(ItemText(item), number.shown))
        return false;
    *value = number.stored;
    return true;
}

bool IsAxisNumberItem(CBCGPProp* item) { return AxisNumberItemOf(item) != nullptr; }

// ---- appliers ----------------------------------------------------------------------------------------------

namespace {

// Each check below refuses an entry by showing the axis's value in it again (after the message of a
// check that has one); the bound check only when told to speak: a range applier keeps the other
// bound quiet while it finds whether the edited one passes. Each is told which entry the edit named
// (edited): that one is always the number typed; any other one still showing the axis's value
// stands for it.

// Refuses: the message naming the limit when there is one, then the axis's value again. Always false.
bool Refuse(bool say, CBCGPProp* item, IkelAxis* axis, const char* message = nullptr, double limit = 0) {
    if (!say) return false;
    if (message) AfxMessageBox(FormatString(message, numtext::Shown(limit, 2)));
    ShowAxisValueAgain(item, axis);
    return false;
}

using NumberReader = bool (*)(const CString&, double*);

// An entry the edit did not name that still shows the axis's value: value is that value itself.
bool StandsUnedited(CBCGPProp* item, const CBCGPProp* edited, IkelAxis* axis, double* value) {
    return item != edited && StandsForStored(item, axis, value);
}

// The number of an entry: the stored one for an entry standing for it, otherwise its reader's.
bool ReadNumber(CBCGPProp* item, const CBCGPProp* edited, IkelAxis* axis, NumberReader read, double* value) {
    return StandsUnedited(item, edited, axis, value) || read(ItemText(item), value);
}

bool ReadEntry(CBCGPProp* item, const CBCGPProp* edited, IkelAxis* axis, NumberReader read, double* value) {
    return ReadNumber(item, edited, axis, read, value) || Refuse(true, item, axis);
}

// The scale the item names (any other text linear), when the axis takes it: "概率" only for a range
// strictly inside 0 .. 100.
bool CheckScaleType(CBCGPProp* item, IkelAxis* axis, int* scale) {
    if (!ReadFixedList(item, scale)) return false;
    if (*scale != kProbabilityScale || (axis->GetMin() > 0 && axis->GetMax() < 100)) return true;
    AfxMessageBox(kNoProbability);
    return Refuse(true, item, axis);
}

// A minimum below other (the maximum it is checked against), or a maximum above other (the
// minimum); on an angle axis also within a full turn. The range they make, the maximum less the
// minimum, divides the axis length and is divided by the spacing: one a double cannot hold
// ("-1e308" below "1e308") is refused.
bool CheckBound(CBCGPProp* item, const CBCGPProp* edited, IkelAxis* axis, bool isMin, double other, double* bound,
                bool say) {
    if (!StandsUnedited(item, edited, axis, bound) && !ReadAxisBound(axis, ItemText(item), bound))
        return Refuse(say, item, axis);
    const bool ordered = isMin ? *bound < other : *bound > other;
    if (axis->GetAxisType() == kAngleAxis)
        return (*bound >= 0 && *bound <= kFullTurn && ordered) ||
               Refuse(say, item, axis, isMin ? kAngleMinRange : kAngleMaxRange, other);
    if (!ordered) return Refuse(say, item, axis, isMin ? kMinBelowMax : kMaxAboveMin, other);
    return std::isfinite(*bound - other) || Refuse(say, item, axis, kRangeTooWide);
}

// The one limit of a spacing: below limit, the range it divides; otherwise the message naming the
// limit, and the axis's spacing shown again in the item when there is one.
bool SpacingBelow(CBCGPProp* item, IkelAxis* axis, double spacing, double limit) {
    return spacing < limit || Refuse(true, item, axis, kSpacingBelowRange, limit);
}

bool CheckSpacing(CBCGPProp* item, const CBCGPProp* edited, IkelAxis* axis, double limit, double* spacing) {
    if (!ReadNumber(item, edited, axis, &ReadMajorSpacing, spacing)) return Refuse(true, item, axis);
    return SpacingBelow(item, axis, *spacing, limit);
}

bool CheckDivision(CBCGPProp* item, IkelAxis* axis, int* division) {
    return ReadFixedList(item, division) || Refuse(true, item, axis);
}

CBCGPProp* GroupOf(CBCGPProp* edited, IkelAxis* axis) { return edited && axis ? edited->GetParent() : nullptr; }

// Whether the edited entry of an attribute or title-position group passes; one that does not speaks.
// Only the scale has a check of its own: the number items are read by their entries' readers, so a
// text those refuse never comes here, and the title position takes any text.
bool EditedEntryPasses(CBCGPProp* edited, IkelAxis* axis) {
    int scale = 0;
    return edited->GetData() != kScaleTypeId || CheckScaleType(edited, axis, &scale);
}

// Whether the edited entry of a typed range passes as the group will apply it: each bound before it
// taken as it will be (the typed one when it passes, else the axis's). One that does not speaks.
bool EditedRangeEntryPasses(CBCGPProp* edited, CBCGPProp* group, IkelAxis* axis) {
    CBCGPProp* minItem = Sub(group, kMinId);
    CBCGPProp* maxItem = Sub(group, kMaxId);
    double min = axis->GetMin(), max = axis->GetMax(), value = 0;
    if (minItem && CheckBound(minItem, edited, axis, true, max, &value, minItem == edited))
        min = value;
    else if (minItem == edited)
        return false;
    if (maxItem && CheckBound(maxItem, edited, axis, false, min, &value, maxItem == edited))
        max = value;
    else if (maxItem == edited)
        return false;
    int division = 0;
    switch (edited->GetData()) {
        case kMajorSpacingId:
            return CheckSpacing(edited, edited, axis, max - min, &value);
        case kMinorDivisionId:
            return CheckDivision(edited, axis, &division);
        default:
            return true;
    }
}

// The appliers of one entry, told which entry the edit named.
bool ApplyScaleType(CBCGPProp* item, IkelAxis* axis) {
    int scale = 0;
    if (!item || !axis || !CheckScaleType(item, axis, &scale)) return false;
    axis->SetAxisScaleType(scale);
    return true;
}

bool ApplyLength(CBCGPProp* item, const CBCGPProp* edited, IkelAxis* axis) {
    double length = 0;
    if (!item || !axis || !ReadEntry(item, edited, axis, &ReadScaledNumber, &length)) return false;
    axis->SetAxisLength(length);
    return true;
}

// Replaces one coordinate of the axis position by the item's number.
bool ApplyPos(CBCGPProp* item, const CBCGPProp* edited, IkelAxis* axis, double QXPOINT::*coordinate) {
    double value = 0;
    if (!item || !axis || !ReadEntry(item, edited, axis, &numtext::PositiveOrZeroNumber, &value)) return false;
    QXPOINT pos;
    pos.x = pos.y = 0;
    axis->GetAxisPosition(pos);
    pos.*coordinate = value;
    axis->MoveAxisTo(pos);
    return true;
}

bool ApplyMin(CBCGPProp* item, const CBCGPProp* edited, IkelAxis* axis) {
    double value = 0;
    if (!item || !axis || !CheckBound(item, edited, axis, true, axis->GetMax(), &value, true)) return false;
    axis->SetMin(value);
    return true;
}

bool ApplyMax(CBCGPProp* item, const CBCGPProp* edited, IkelAxis* axis) {
    double value = 0;
    if (!item || !axis || !CheckBound(item, edited, axis, false, axis->GetMin(), &value, true)) return false;
    axis->SetMax(value);
    return true;
}

bool ApplySpacing(CBCGPProp* item, const CBCGPProp* edited, IkelAxis* axis) {
    double spacing = 0;
    if (!item || !axis || !CheckSpacing(item, edited, axis, axis->GetMax() - axis->GetMin(), &spacing)) return false;
    axis->GetTickMarks()->GetMajorTickStruct()->SetSpacing(spacing);
    return true;
}

// One number of the title, read by the item's reader.
bool ApplyTitleNumber(CBCGPProp* item, const CBCGPProp* edited, IkelAxis* axis, NumberReader read,
                      void (CkelAxisTitle::*set)(double)) {
    double value = 0;
    if (!item || !axis || !ReadEntry(item, edited, axis, read, &value)) return false;
    (axis->GetTitle()->*set)(value);
    return true;
}

bool ApplyTitleOffset(CBCGPProp* item, const CBCGPProp* edited, IkelAxis* axis, void (CkelAxisTitle::*set)(double)) {
    return ApplyTitleNumber(item, edited, axis, &ReadDigitText, set);
}

bool ApplyAngle(CBCGPProp* item, const CBCGPProp* edited, IkelAxis* axis) {
    return ApplyTitleNumber(item, edited, axis, &numtext::PositiveOrZeroNumber, &CkelAxisTitle::SetRotateAngle);
}

}  // namespace

bool ApplyAxisAttrProp(CBCGPProp* edited, IkelAxis* axis) {
    CBCGPProp* group = GroupOf(edited, axis);
    if (!group || !EditedEntryPasses(edited, axis)) return false;
    ApplyScaleType(Sub(group, kScaleTypeId), axis);
    ApplyLength(Sub(group, kLengthId), edited, axis);
    ApplyPos(Sub(group, kPosXId), edited, axis, &QXPOINT::x);
    ApplyPos(Sub(group, kPosYId), edited, axis, &QXPOINT::y);
    return true;
}

bool ApplyAxisScaleType(CBCGPProp* item, IkelAxis* axis) { return ApplyScaleType(item, axis); }
bool ApplyAxisLength(CBCGPProp* item, IkelAxis* axis) { return ApplyLength(item, item, axis); }
bool ApplyAxisPosX(CBCGPProp* item, IkelAxis* axis) { return ApplyPos(item, item, axis, &QXPOINT::x); }
bool ApplyAxisPosY(CBCGPProp* item, IkelAxis* axis) { return ApplyPos(item, item, axis, &QXPOINT::y); }

bool ApplyAxisRangeProp(CBCGPProp* edited, IkelAxis* axis) {
    CBCGPProp* group = GroupOf(edited, axis);
    if (!group) return false;
    const bool automatic = ReadYesNo(Sub(group, kAutoRangeId));
    if (!automatic && !EditedRangeEntryPasses(edited, group, axis)) return false;
    axis->SetDescend(ReadYesNo(Sub(group, kDescendId)));
    axis->SetIsRangeAuto(automatic);
    if (!automatic) {
        ApplyMin(Sub(group, kMinId), edited, axis);
        ApplyMax(Sub(group, kMaxId), edited, axis);
        ApplySpacing(Sub(group, kMajorSpacingId), edited, axis);
        ApplyMinorDivision(Sub(group, kMinorDivisionId), axis);
    }
    int unit = 0;
    if (ReadFixedList(Sub(group, kUnitId), &unit)) axis->SetAxisUnit(static_cast<CkelLabelFormat::KELUnit>(unit));
    return true;
}

bool ApplyAxisMin(CBCGPProp* item, IkelAxis* axis) { return ApplyMin(item, item, axis); }
bool ApplyAxisMax(CBCGPProp* item, IkelAxis* axis) { return ApplyMax(item, item, axis); }
bool ApplyMajorSpacing(CBCGPProp* item, IkelAxis* axis) { return ApplySpacing(item, item, axis); }

bool ApplyMinorDivision(CBCGPProp* item, IkelAxis* axis) {
    int division = 0;
    if (!item || !axis || !CheckDivision(item, axis, &division)) return false;
    axis->GetTickMarks()->GetMinorTickStruct()->SetDivision(static_cast<unsigned>(division));
    return true;
}

bool ApplyTitlePosProp(CBCGPProp* edited, IkelAxis* axis) {
    CBCGPProp* group = GroupOf(edited, axis);
    if (!group || !EditedEntryPasses(edited, axis)) return false;
    int pos = 0;
    if (ReadFixedList(Sub(group, kTitlePosId), &pos)) axis->GetTitle()->SetTitleRelativePos(pos);
    ApplyTitleOffset(Sub(group, kTitleXOffsetId), edited, axis, &CkelAxisTitle::SetXOffset);
    ApplyTitleOffset(Sub(group, kTitleYOffsetId), edited, axis, &CkelAxisTitle::SetYOffset);
    ApplyAngle(Sub(group, kTitleAngleId), edited, axis);
    return true;
}

bool ApplyTitleXOffset(CBCGPProp* item, IkelAxis* axis) {
    return ApplyTitleOffset(item, item, axis, &CkelAxisTitle::SetXOffset);
}
bool ApplyTitleYOffset(CBCGPProp* item, IkelAxis* axis) {
    return ApplyTitleOffset(item, item, axis, &CkelAxisTitle::SetYOffset);
}
bool ApplyTitleAngle(CBCGPProp* item, IkelAxis* axis) { return ApplyAngle(item, item, axis); }

bool SpacingFits(IkelAxis* axis, double spacing) {
    return SpacingBelow(nullptr, axis, spacing, axis->GetMax() - axis->GetMin());
}

// ---- line-plot fill group ------------------------------------------------------------------------------------

CBCGPProp* CreateLineFillProp(const CString& caption) {
    auto* group = new CBCGPProp(caption, kLineFillGroupId, FALSE);
    group->AddSubItem(CreateYesNoProp(charttext::kShowLabels, kLineFillShowId, _variant_t(""), ""));
    CFixedListProp* target = NewFixedListItem(kFillTarget, "", kFillTargetDescription, kLineFillTargetId,
                                              kFillDirections, OtherTakenAs(kOtherDirection), true);
    target->OfferOnly({kFillUp, kFillDown, kFillLeft, kFillRight});
    ReadOtherTextsBy(target, &FillDirectionFromText);
    group->AddSubItem(target);
    group->AddSubItem(NewNumberItem(kFillTargetValue, kFillTargetValue, kLineFillTargetValueId, LeadingNumberRule()));
    // The six fill items are the shared fill group's, moved over after the target items.
    std::unique_ptr<CBCGPProp> fill(CreateFillProp("", kLineFillStyleSetId - 1));
    while (fill->GetSubItemsCount() > 0) {
        CBCGPProp* sub = fill->GetSubItem(0);
        fill->RemoveSubItem(sub, FALSE);
        group->AddSubItem(sub);
    }
    return group;
}

void SetLineFillProp(CBCGPProp* group, CkelLinePlotFill* fill) {
    if (!group || !fill) return;
    const bool shown = fill->GetShowFill();
    SetYesNoProp(Sub(group, kLineFillShowId), shown);
    EnableSubItemsDeep(group, 1, -1, shown ? TRUE : FALSE);
    SetItemText(Sub(group, kLineFillTargetId), FillDirectionToText(fill->GetFillDirections()));
    ShowFixed(Sub(group, kLineFillTargetValueId), fill->GetCutoffValue(), 2);
    QXLOGBRUSH brush;
    fill->GetLogBrush(&brush);
    UpdateFillProps(group, 3, fill->GetFillStyleSet(), brush);
}

}  // namespace chart
