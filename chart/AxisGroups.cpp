#include "chart/AxisGroups.h"

#include <memory>

#include "chart/AxisTexts.h"
#include "chart/ChartGroups.h"
#include "chart/ChartTexts.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/NumberText.h"
#include "framework/OptionTables.h"
#include "hosttypes/Thistle/Axis.h"
#include "hosttypes/Thistle/Plot.h"
#include "hosttypes/Tinder/CommonUtility.h"
#include "framework/PropItems.h"

using namespace axistext;

namespace chart {

bool ReadDigitText(CBCGPProp* item, double* value) {
    const CString text = ItemText(item);
    return CCommonUtility::IsDigit(text.str()) && numtext::LexicalDouble(text, value);
}

namespace {

constexpr int kAngleAxis = 3;
constexpr int kProbabilityScale = 5;
constexpr double kFullTurn = 360;

constexpr TextValue kScales[] = {{kLinear, 1}, {kLogarithmic, 2}, {kProbability, kProbabilityScale}};
constexpr TextValue kTitlePositions[] = {
    {kPosLeftEnd, 0}, {kPosRightEnd, 1}, {kPosMiddle, 2}, {kPosTopEnd, 3}, {kPosBottomEnd, 4},
};
constexpr TextValue kFillDirections[] = {{kFillUp, 0}, {kFillDown, 1}, {kFillRight, 2}, {kFillLeft, 3}};

constexpr SidePair kHorizontalSides = {kBottom, kTop};
constexpr SidePair kVerticalSides = {kLeft, kRight};
constexpr SidePair kInnerOuter = {kInner, kOuter};
constexpr SidePair kOuterInner = {kOuter, kInner};

bool IsOneOf(int value, std::initializer_list<int> values) {
    for (int v : values)
        if (v == value) return true;
    return false;
}

void ShowNumber(CBCGPProp* item, const char* format, double value) { SetItemText(item, FormatString(format, value)); }
void ShowFixed2(CBCGPProp* item, double value) { ShowNumber(item, "%.2f", value); }

// The one refusal with a message: the message naming the limit, then the stored value again.
void RefuseWithLimit(CBCGPProp* item, const char* message, double limit, double stored) {
    AfxMessageBox(FormatString(message, limit));
    ShowFixed2(item, stored);
}

CBCGPProp* Sub(CBCGPProp* group, DWORD_PTR id) { return group ? group->FindSubItemByData(id) : nullptr; }

CBCGPProp* NewRangeYesNo(const char* name, DWORD_PTR id) {
    return CreateYesNoProp(name, id, _variant_t(kRangeYesNoInitial), "");
}

void SetScaleOptions(CBCGPProp* item, bool linearOnly) {
    item->RemoveAllOptions();
    for (const TextValue& scale : kScales) {
        item->AddOption(scale.text);
        if (linearOnly) break;
    }
}

}  // namespace

// ---- text conversions ------------------------------------------------------------------------------

int AxisScaleFromText(const CString& text) { return ValueOfText(kScales, text, 1); }
const char* AxisScaleToText(int scale) { return TextOfValue(kScales, scale, kLogarithmic); }
int TitlePosFromText(const CString& text) { return ValueOfText(kTitlePositions, text, 2); }
const char* TitlePosToText(int pos) { return TextOfValue(kTitlePositions, pos, kPosMiddle); }
// The direction texts have no letter case: an exact comparison is a case-blind one.
int FillDirectionFromText(const CString& text) { return ValueOfText(kFillDirections, text, 0); }
const char* FillDirectionToText(int direction) { return TextOfValue(kFillDirections, direction, kFillDown); }

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

bool IsNearSideText(const CString& text) { return text == kBottom || text == kLeft || text == kOuter; }
bool IsFarSideText(const CString& text) { return text == kTop || text == kRight || text == kInner; }

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

int TickSideFromText(IkelAxis* axis, const CString& text) {
    if (text == kNoSide) return 0;
    const bool swapped = axis && IsOneOf(axis->GetAxisType(), {3, 5, 6});
    if (IsNearSideText(text)) return swapped ? 2 : 1;
    if (IsFarSideText(text)) return swapped ? 1 : 2;
    return 1;
}

void SetTickSideOptions(CBCGPProp* item, int axisType) {
    if (!item) return;
    item->RemoveAllOptions();
    item->AddOption(kNoSide);
    if (const SidePair* pair = SideOptions(axisType)) {
        item->AddOption(pair->first);
        item->AddOption(pair->second);
    }
}

// ---- builders ------------------------------------------------------------------------------------------

CBCGPProp* CreateAxisAttrProp() {
    auto* group = new CBCGPProp(kAttrGroup, kAttrGroupId, FALSE);
    CBCGPProp* scale = NewOptionItem(kScaleType, "", kScaleTypeDescription, kScaleTypeId, {}, false);
    SetScaleOptions(scale, false);
    group->AddSubItem(scale);
    group->AddSubItem(NewTextItem(kLength, kLengthDescription, kLengthId));
    group->AddSubItem(NewTextItem(kPosX, kPosDescription, kPosXId));
    group->AddSubItem(NewTextItem(kPosY, kPosDescription, kPosYId));
    group->Expand(TRUE);
    return group;
}

CBCGPProp* CreateAxisRangeProp() {
    auto* group = new CBCGPProp(kRangeGroup, kRangeGroupId, FALSE);
    group->AddSubItem(NewRangeYesNo(kDescend, kDescendId));
    group->AddSubItem(NewRangeYesNo(grouptext::kAuto, kAutoRangeId));
    group->AddSubItem(NewTextItem(kMinimum, kRangeDescription, kMinId));
    group->AddSubItem(NewTextItem(kMaximum, kRangeDescription, kMaxId));
    group->AddSubItem(NewTextItem(kMajorSpacing, kMajorSpacingDescription, kMajorSpacingId));
    CBCGPProp* division = NewOptionItem(kMinorDivision, "", kMinorDivisionDescription, kMinorDivisionId, {}, false);
    for (int i = 1; i <= 19; ++i) division->AddOption(FormatString("%d", i));
    group->AddSubItem(division);
    group->AddSubItem(NewOptionItem(kUnit, "", kUnitDescription, kUnitId,
                                    {charttext::kUnitNone, charttext::kUnitPercent, charttext::kUnitTen,
                                     charttext::kUnitHundred, charttext::kUnitThousand},
                                    false));
    group->Expand(TRUE);
    return group;
}

CBCGPProp* CreateAxisTitleProp(const CString& caption) {
    auto* group = new CBCGPProp(caption, kTitleGroupId, FALSE);
    group->AddSubItem(NewTextItem(kTitle, kTitleDescription, kTitleTextId));
    auto* position = new CBCGPProp(charttext::kLabelPosition, kTitlePosGroupId, FALSE);
    position->AddSubItem(
        NewOptionItem(charttext::kLabelPosition, "", kTitlePosDescription, kTitlePosId, {}, true));
    position->AddSubItem(NewTextItem(charttext::kXOffset, kTitleXOffsetDescription, kTitleXOffsetId));
    position->AddSubItem(NewTextItem(charttext::kYOffset, kTitleYOffsetDescription, kTitleYOffsetId));
    position->AddSubItem(NewTextItem(charttext::kAngle, charttext::kAngleDescription, kTitleAngleId));
    group->AddSubItem(position);
    CBCGPProp* font = CreateFontProp(charttext::kFont, kTitleFontId, kHundredthsNumberRequired);
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
        ShowNumber(length, "%.1f", axis->GetLength() / 100);
        length->Enable(type != kAngleAxis);
    }
    QXPOINT pos;
    pos.x = pos.y = 0;
    axis->GetAxisPosition(pos);
    ShowNumber(Sub(group, kPosXId), "%.1f", pos.x);
    ShowNumber(Sub(group, kPosYId), "%.1f", pos.y);
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
        CString text;
        bool enable;
    };
    const Shown shown[] = {
        {kMinId, FormatString("%.1f", axis->GetMin()), !automatic},
        {kMaxId, FormatString("%.1f", axis->GetMax()), !automatic},
        {kMajorSpacingId, FormatString("%.2f", ticks->GetMajorTickStruct()->GetSpacing()), !automatic && !probability},
        {kMinorDivisionId, FormatString("%d", static_cast<int>(ticks->GetMinorTickStruct()->GetDivision())),
         !automatic && !probability},
    };
    for (const Shown& s : shown) {
        if (CBCGPProp* item = Sub(group, s.id)) {
            SetItemText(item, s.text);
            item->Enable(s.enable);
        }
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
        pos->RemoveAllOptions();
        const int type = axis->GetAxisType();
        if (type == 0) {
            for (const char* text : {kPosLeftEnd, kPosMiddle, kPosRightEnd}) pos->AddOption(text);
        } else if (type == 1) {
            for (const char* text : {kPosTopEnd, kPosMiddle, kPosBottomEnd}) pos->AddOption(text);
        }
        SetItemText(pos, TitlePosToText(title->GetTitleRelativePos()));
    }
    ShowNumber(Sub(group, kTitleXOffsetId), "%.1f", title->GetXOffset());
    ShowNumber(Sub(group, kTitleYOffsetId), "%.1f", title->GetYOffset());
    ShowNumber(Sub(group, kTitleAngleId), "%.1f", title->GetRotateAngle());
    QXLOGFONT font;
    title->GetFont(&font);
    SetFontProp(Sub(group, kTitleFontId), font);
}

// ---- appliers ----------------------------------------------------------------------------------------------

void ApplyAxisAttrProp(CBCGPProp* group, IkelAxis* axis) {
    if (!axis || !group) return;
    ApplyAxisScaleType(Sub(group, kScaleTypeId), axis);
    ApplyAxisLength(Sub(group, kLengthId), axis);
    ApplyAxisPosX(Sub(group, kPosXId), axis);
    ApplyAxisPosY(Sub(group, kPosYId), axis);
}

void ApplyAxisScaleType(CBCGPProp* item, IkelAxis* axis) {
    if (!item || !axis) return;
    const int scale = AxisScaleFromText(ItemText(item));
    if (scale == kProbabilityScale && !(axis->GetMin() > 0 && axis->GetMax() < 100)) {
        AfxMessageBox(kNoProbability);
        SetItemText(item, AxisScaleToText(axis->GetAxisScaleType()));
        return;
    }
    axis->SetAxisScaleType(scale);
}

void ApplyAxisLength(CBCGPProp* item, IkelAxis* axis) {
    if (!item || !axis) return;
    double value = 0, length = 0;
    if (GetNumberProp(item, &value) && numtext::Scale(value, numtext::kHundredths, &length)) {
        axis->SetAxisLength(length);
        return;
    }
    ShowFixed2(item, axis->GetLength() / 100);
}

namespace {
// Replaces one coordinate of the axis position by the item's number.
void ApplyAxisPos(CBCGPProp* item, IkelAxis* axis, double QXPOINT::*coordinate) {
    if (!item || !axis) return;
    QXPOINT pos;
    pos.x = pos.y = 0;
    axis->GetAxisPosition(pos);
    double value = 0;
    if (!GetNumberProp(item, &value)) {
        ShowFixed2(item, pos.*coordinate);
        return;
    }
    pos.*coordinate = value;
    axis->MoveAxisTo(pos);
}
}  // namespace

void ApplyAxisPosX(CBCGPProp* item, IkelAxis* axis) { ApplyAxisPos(item, axis, &QXPOINT::x); }
void ApplyAxisPosY(CBCGPProp* item, IkelAxis* axis) { ApplyAxisPos(item, axis, &QXPOINT::y); }

void ApplyAxisRangeProp(CBCGPProp* group, IkelAxis* axis) {
    if (!axis || !group) return;
    axis->SetDescend(GetYesNoProp(Sub(group, kDescendId)));
    const bool automatic = GetYesNoProp(Sub(group, kAutoRangeId));
    axis->SetIsRangeAuto(automatic);
    if (!automatic) {
        ApplyAxisMin(Sub(group, kMinId), axis);
        ApplyAxisMax(Sub(group, kMaxId), axis);
        ApplyMajorSpacing(Sub(group, kMajorSpacingId), axis);
        ApplyMinorDivision(Sub(group, kMinorDivisionId), axis);
    }
    if (CBCGPProp* unit = Sub(group, kUnitId))
        axis->SetAxisUnit(static_cast<CkelLabelFormat::KELUnit>(UnitCode(ItemText(unit))));
}

void ApplyAxisMin(CBCGPProp* item, IkelAxis* axis) {
    if (!item || !axis) return;
    double value = 0;
    if (axis->GetAxisType() == kAngleAxis) {
        // A text that is no number (a negative one included) changes nothing on an angle axis.
        if (!GetNumberProp(item, &value)) return;
        if (value >= 0 && value <= kFullTurn && value < axis->GetMax())
            axis->SetMin(value);
        else
            RefuseWithLimit(item, kAngleMinRange, axis->GetMax(), axis->GetMin());
        return;
    }
    if (!ReadDigitText(item, &value)) {
        ShowFixed2(item, axis->GetMin());
        return;
    }
    if (value < axis->GetMax())
        axis->SetMin(value);
    else
        RefuseWithLimit(item, kMinBelowMax, axis->GetMax(), axis->GetMin());
}

void ApplyAxisMax(CBCGPProp* item, IkelAxis* axis) {
    if (!item || !axis) return;
    double value = 0;
    if (axis->GetAxisType() == kAngleAxis) {
        if (!GetNumberProp(item, &value)) return;
        if (value >= 0 && value <= kFullTurn && value > axis->GetMin())
            axis->SetMax(value);
        else
            RefuseWithLimit(item, kAngleMaxRange, axis->GetMin(), axis->GetMax());
        return;
    }
    if (!ReadDigitText(item, &value)) {
        ShowFixed2(item, axis->GetMax());
        return;
    }
    if (value > axis->GetMin())
        axis->SetMax(value);
    else
        RefuseWithLimit(item, kMaxAboveMin, axis->GetMin(), axis->GetMax());
}

bool ReadMajorSpacing(CBCGPProp* item, double* spacing) {
    double value = 0;
    if (!GetNumberProp(item, &value) || value <= 0) return false;
    *spacing = value;
    return true;
}

bool TakeMajorSpacing(IkelAxis* axis, double spacing) {
    CkelAxisTickMarks::MajorTickStruct* major = axis->GetTickMarks()->GetMajorTickStruct();
    const double limit = axis->GetMax() - axis->GetMin();
    if (spacing >= limit) {
        AfxMessageBox(FormatString(kSpacingBelowRange, limit));
        return false;
    }
    major->SetSpacing(spacing);
    return true;
}

void ApplyMajorSpacing(CBCGPProp* item, IkelAxis* axis) {
    if (!item || !axis) return;
    double spacing = 0;
    if (ReadMajorSpacing(item, &spacing) && TakeMajorSpacing(axis, spacing)) return;
    ShowFixed2(item, axis->GetTickMarks()->GetMajorTickStruct()->GetSpacing());
}

bool ReadMinorDivision(CBCGPProp* item, unsigned* division) {
    double value = 0;
    // No minor division at all would divide the major spacing by 0; one beyond an int would show
    // negative ("%d").
    if (!GetNumberProp(item, &value) || value < 1 || value >= 2147483648.0) return false;
    *division = static_cast<unsigned>(value);
    return true;
}

void ApplyMinorDivision(CBCGPProp* item, IkelAxis* axis) {
    if (!item || !axis) return;
    CkelAxisTickMarks::MinorTickStruct* minor = axis->GetTickMarks()->GetMinorTickStruct();
    unsigned division = 0;
    if (ReadMinorDivision(item, &division))
        minor->SetDivision(division);
    else
        SetItemText(item, FormatString("%d", static_cast<int>(minor->GetDivision())));
}

void ApplyTitlePosProp(CBCGPProp* group, IkelAxis* axis) {
    if (!axis || !group) return;
    if (CBCGPProp* pos = Sub(group, kTitlePosId)) axis->GetTitle()->SetTitleRelativePos(TitlePosFromText(ItemText(pos)));
    ApplyTitleXOffset(Sub(group, kTitleXOffsetId), axis);
    ApplyTitleYOffset(Sub(group, kTitleYOffsetId), axis);
    ApplyTitleAngle(Sub(group, kTitleAngleId), axis);
}

namespace {
// One number of the title: read by the item's rule, or the stored number shown again.
void ApplyTitleNumber(CBCGPProp* item, IkelAxis* axis, bool (*read)(CBCGPProp*, double*),
                      double (CkelAxisTitle::*get)() const, void (CkelAxisTitle::*set)(double)) {
    if (!item || !axis) return;
    CkelAxisTitle* title = axis->GetTitle();
    double value = 0;
    if (read(item, &value))
        (title->*set)(value);
    else
        ShowFixed2(item, (title->*get)());
}
}  // namespace

void ApplyTitleXOffset(CBCGPProp* item, IkelAxis* axis) {
    ApplyTitleNumber(item, axis, ReadDigitText, &CkelAxisTitle::GetXOffset, &CkelAxisTitle::SetXOffset);
}

void ApplyTitleYOffset(CBCGPProp* item, IkelAxis* axis) {
    ApplyTitleNumber(item, axis, ReadDigitText, &CkelAxisTitle::GetYOffset, &CkelAxisTitle::SetYOffset);
}

void ApplyTitleAngle(CBCGPProp* item, IkelAxis* axis) {
    ApplyTitleNumber(item, axis, GetNumberProp, &CkelAxisTitle::GetRotateAngle, &CkelAxisTitle::SetRotateAngle);
}

// ---- line-plot fill group ------------------------------------------------------------------------------------

CBCGPProp* CreateLineFillProp(const CString& caption) {
    auto* group = new CBCGPProp(caption, kLineFillGroupId, FALSE);
    group->AddSubItem(CreateYesNoProp(charttext::kShowLabels, kLineFillShowId, _variant_t(""), ""));
    group->AddSubItem(NewOptionItem(kFillTarget, "", kFillTargetDescription, kLineFillTargetId,
                                    {kFillUp, kFillDown, kFillLeft, kFillRight}, true));
    group->AddSubItem(NewTextItem(kFillTargetValue, kFillTargetValue, kLineFillTargetValueId));
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
    ShowFixed2(Sub(group, kLineFillTargetValueId), fill->GetCutoffValue());
    QXLOGBRUSH brush;
    fill->GetLogBrush(&brush);
    UpdateFillProps(group, 3, fill->GetFillStyleSet(), brush);
}

}  // namespace chart
