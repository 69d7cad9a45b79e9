#include "chart/KelPropListAxisLabel.h"

#include <vector>

#include "bcg/ColorProp.h"
#include "chart/AxisGroups.h"
#include "chart/AxisTexts.h"
#include "chart/ChartGroups.h"
#include "chart/ChartItems.h"
#include "chart/ChartReaders.h"
#include "chart/ChartTexts.h"
#include "chart/PlotItems.h"
#include "chart/PropListAxis.h"
#include "framework/GroupEdits.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/NumberText.h"
#include "framework/OptionTables.h"
#include "framework/PropItems.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Thistle/Axis.h"

using namespace axistext;
using Entity = CkelAxisTickLabels::TickLabelEntity;

namespace {

using Page = CkelPropListAxisLabel;

constexpr TextValue kAligns[] = {{kLeft, 0}, {kRight, 1}, {grouptext::kAlignCenter, 2}};
constexpr TextValue kDateFormats[] = {{kDateDay, 0}, {kDateMonth, 1}, {kDateYear, 2}};
constexpr TextValue kLabelTypes[] = {{kNumberType, 0}, {kDateType, 1}};

// What the conversions take for any other text: side 0, the middle.
constexpr int kOtherLabelSide = 0;
constexpr int kOtherAlign = 2;

bool SwapsLabelSides(int axisType) { return axisType == 5 || axisType == 6; }

// The item data of one level: the major id shifted to the level.
DWORD_PTR At(DWORD_PTR base, DWORD_PTR majorId) { return base + majorId; }

// Offsets: the number typed times 100 (the item refuses one no double holds).
void ApplyOffset(CBCGPProp* item, Entity* entity, void (Entity::*set)(double)) {
    double offset = 0;
    chart::ReadScaledOffset(ItemText(item), &offset);
    (entity->*set)(offset);
}

}  // namespace

// ---- conversions and groups ---------------------------------------------------------------------------

const char* LabelSideToText(int axisType, int side) {
    const chart::SidePair* pair = chart::SideOptions(axisType);
    if (!pair || (side != 0 && side != 1)) return "";
    // Types 3 and 4 name their first side the outer one.
    const bool outerFirst = axisType == 3 || axisType == 4;
    const char* first = outerFirst ? pair->second : pair->first;
    const char* second = outerFirst ? pair->first : pair->second;
    return side == 0 ? first : second;
}

namespace {
// The label side table of an axis type: the sides as the type names them.
std::vector<chart::ListEntry> LabelSideEntries(int axisType) {
    const bool swapped = SwapsLabelSides(axisType);
    return chart::SideEntries({{LabelSideToText(axisType, 0), 0}, {LabelSideToText(axisType, 1), 1}}, swapped ? 1 : 0,
                              swapped ? 0 : 1);
}

int LabelSideOfType(int axisType, const CString& text) {
    return chart::ValueOfEntries(LabelSideEntries(axisType), text, kOtherLabelSide);
}

// Offers the two sides of the axis type; a side list reads them as that type does.
void OfferLabelSides(CBCGPProp* item, int axisType, const std::vector<CString>& offers) {
    chart::SetSideOptions(item, LabelSideEntries(axisType), offers,
                          [axisType](const CString& text) { return LabelSideOfType(axisType, text); });
}
}  // namespace

int LabelSideFromText(IkelAxis* axis, const CString& text) {
    return LabelSideOfType(axis ? axis->GetAxisType() : 0, text);
}

void SetLabelSideOptions(CBCGPProp* item, int axisType) {
    std::vector<CString> offers;
    if (const chart::SidePair* pair = chart::SideOptions(axisType)) offers = {pair->first, pair->second};
    OfferLabelSides(item, axisType, offers);
}

int LabelAlignFromText(const CString& text) { return ValueOfText(kAligns, text, kOtherAlign); }
const char* LabelAlignToText(int align) { return TextOfValue(kAligns, align, grouptext::kAlignCenter); }

CBCGPProp* CreateLabelPosProp(const CString& caption, DWORD_PTR id) {
    auto* group = new CBCGPProp(caption, id, FALSE);
    // Any other side text is side 0; built as a horizontal axis reads it, offering "上部", "下部".
    CBCGPProp* side = chart::NewListItem(charttext::kLabelPosition, kLabelSideDescription, id + 1,
                                         OtherTakenAs(kOtherLabelSide), false);
    OfferLabelSides(side, 0, {kTop, kBottom});
    group->AddSubItem(side);
    group->AddSubItem(chart::NewNumberItem(charttext::kXOffset, kLabelXOffsetDescription, id + 2,
                                           ReaderRule(&chart::ReadScaledOffset)));
    group->AddSubItem(chart::NewNumberItem(charttext::kYOffset, kLabelYOffsetDescription, id + 3,
                                           ReaderRule(&chart::ReadScaledOffset)));
    group->AddSubItem(
        chart::NewNumberItem(charttext::kAngle, kLabelAngleDescription, id + 4, chart::LeadingNumberRule()));
    group->Expand(TRUE);
    return group;
}

CBCGPProp* CreateLabelFormatProp(const CString& caption, DWORD_PTR id) {
    auto* group = new CBCGPProp(caption, id, FALSE);
    group->AddSubItem(NewOptionItem(kFormatType, "", kFormatTypeDescription, id + 1, {}, false));
    // A text with no number is 0 decimals, as atoi reads it.
    group->AddSubItem(chart::NewNumberListItem(kDecimals, kDecimalsDescription, id + 2, 0, 5, &chart::ReadDecimals));
    // Any other date style is the full date.
    group->AddSubItem(NewFixedListItem(kDateStyle, "", kDateStyleDescription, id + 3, kDateFormats, OtherTakenAs(0)));
    group->Expand(TRUE);
    return group;
}

// ---- the page ------------------------------------------------------------------------------------------

CkelPropListAxisLabel::CkelPropListAxisLabel() = default;
CkelPropListAxisLabel::~CkelPropListAxisLabel() = default;

void CkelPropListAxisLabel::BuildItems(CBCGPPropList& list) {
    struct Level {
        const char* caption;
        const char* show;
        const char* showDescription;
        DWORD_PTR base;
    };
    const Level levels[] = {
        {kMajorLabels, grouptext::kShow, kShowMajorLabelsDescription, 0},
        {kMinorLabels, kShowMinorLabels, kShowMinorLabelsDescription, kMinorOffset},
    };
    for (const Level& level : levels) {
        auto* group = new CBCGPProp(level.caption, At(level.base, kMajorGroupId), FALSE);
        group->AddSubItem(CreateYesNoProp(level.show, At(level.base, kMajorShowId), _variant_t(""), level.showDescription));
        group->AddSubItem(CreateLabelPosProp(charttext::kLabelPosition, At(level.base, kMajorPosGroupId)));
        // The page reads the size itself, by the tick widths' reader.
        CBCGPProp* font =
            CreateFontProp(charttext::kFont, At(level.base, kMajorFontId), ReaderRule(&chart::ReadPlainHundredths));
        font->Expand(TRUE);
        group->AddSubItem(font);
        group->AddSubItem(CreateLabelFormatProp(kFormat, At(level.base, kMajorFormatId)));
        group->Expand(TRUE);
        list.AddProperty(group, TRUE, TRUE);
    }
    auto* text = new CBCGPProp(kLabelText, kTextGroupId, FALSE);
    // Any other arrangement is the middle.
    CFixedListProp* align =
        NewFixedListItem(kLabelAlign, "", kLabelAlignDescription, kAlignId, kAligns, OtherTakenAs(kOtherAlign));
    chart::ReadOtherTextsBy(align, &LabelAlignFromText);
    text->AddSubItem(align);
    text->Expand(TRUE);
    list.AddProperty(text, TRUE, TRUE);
}

void CkelPropListAxisLabel::ShowTarget(CBCGPPropList& list) {
    IkelAxis* axis = TargetAs<IkelAxis>();
    if (!axis) return;
    ShowLevel(list, axis, 0, false);
    ShowLevel(list, axis, kMinorOffset, true);
    SetItemText(list.FindItemByData(kAlignId), LabelAlignToText(axis->GetTickLabels()->GetAlignType()));
    if (IsFixedScale(axis->GetAxisScaleType())) {
        for (DWORD_PTR id : {kMajorGroupId, kMajorFormatId, kMinorGroupId, kMinorPosGroupId, kMinorFontId,
                             kMinorFormatId, kTextGroupId})
            EnableAllSubItems(list.FindItemByData(id), FALSE);
    }
}

void CkelPropListAxisLabel::ShowLevel(CBCGPPropList& list, IkelAxis* axis, DWORD_PTR base, bool minor) {
    CkelAxisTickLabels* labels = axis->GetTickLabels();
    Entity* entity = minor ? labels->GetMinorTickLabel() : labels->GetMajorTickLabel();
    const int type = axis->GetAxisType();
    const bool on = entity->GetOn();
    auto find = [&](DWORD_PTR majorId) { return list.FindItemByData(At(base, majorId)); };

    SetYesNoProp(find(kMajorShowId), on);
    if (CBCGPProp* side = find(kMajorSideId)) {
        SetLabelSideOptions(side, type);
        SetItemText(side, LabelSideToText(type, entity->GetTickSide()));
    }
    ShowFixed(find(kMajorXOffsetId), entity->GetXOffset() / 100, 2);
    ShowFixed(find(kMajorYOffsetId), entity->GetYOffset() / 100, 2);
    ShowFixed(find(kMajorAngleId), entity->GetLabelAngel(), 2);
    EnableAllSubItems(find(kMajorPosGroupId), on);
    QXLOGFONT font;
    entity->GetLOGFONT(&font);
    SetFontProp(find(kMajorFontId), font);
    EnableAllSubItems(find(kMajorFontId), on);

    CBCGPProp* format = find(kMajorFormatId);
    EnableAllSubItems(format, on);
    const int labelType = entity->GetLabelType();
    SetItemText(find(kMajorTypeId), TextOfValue(kLabelTypes, labelType, kTextType));
    if (CBCGPProp* decimals = find(kMajorDecimalsId)) {
        SetItemText(decimals, FormatString("%d", entity->GetDotCount()));
        decimals->Enable(labelType == 0 && on);
    }
    if (CBCGPProp* date = find(kMajorDateId)) {
        SetItemText(date, TextOfValue(kDateFormats, entity->GetDateFormatA(), kDateDay));
        date->Enable(labelType == 1 && on);
    }
    if (labelType != 0 && labelType != 1 && format) {
        format->Expand(FALSE);
        EnableAllSubItems(format, FALSE);
    }
}

LRESULT CkelPropListAxisLabel::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    IkelAxis* axis = TargetAs<IkelAxis>();
    if (!item || !axis) return 0;
    CkelAxisTickLabels* labels = axis->GetTickLabels();
    const DWORD_PTR id = item->GetData();
    if (id == kAlignId) {
        // The list reads each text as LabelAlignFromText does.
        int align = 0;
        const bool taken = ReadFixedList(item, &align);
        if (taken) labels->SetAlignType(static_cast<KELAlignType>(align));
        EndEdit(item, taken);
        return 0;
    }
    const bool minor = id >= kMinorGroupId && id < kTextGroupId;
    Entity* entity = minor ? labels->GetMinorTickLabel() : labels->GetMajorTickLabel();
    QXLOGFONT font;
    entity->GetLOGFONT(&font);
    const CString text = ItemText(item);
    bool taken = true;
    int value = 0;
    switch (minor ? id - kMinorOffset : id) {
        case kMajorShowId:
            entity->SetOn(ReadYesNo(item));
            break;
        case kMajorSideId:
            // The list reads each text as LabelSideFromText does on the axis type shown.
            taken = ReadFixedList(item, &value);
            if (taken) entity->SetTickSide(static_cast<KELLabelsSide>(value));
            break;
        // The offset, angle and size items are read by these readers, so a text they refuse never
        // comes here.
        case kMajorXOffsetId:
            ApplyOffset(item, entity, &Entity::SetXOffset);
            break;
        case kMajorYOffsetId:
            ApplyOffset(item, entity, &Entity::SetYOffset);
            break;
        case kMajorAngleId: {
            double angle = 0;
            numtext::LeadingNumber(text, &angle);
            entity->SetLabelAngle(angle);
            break;
        }
        case kMajorFontFaceId:
            font.SetFaceName(text);
            entity->SetLOGFONT(&font);
            break;
        case kMajorFontSizeId:
            // Only digits, blanks and points are a size.
            chart::ReadPlainHundredths(text, &font.size);
            entity->SetLOGFONT(&font);
            break;
        case kMajorFontColorId:
            if (ReadShownColor(item, &font.color)) entity->SetLOGFONT(&font);
            break;
        case kMajorDecimalsId:
            // A count of decimals (picked from "0" .. "5"; any other text as atoi reads it): never negative.
            taken = ReadFixedList(item, &value);
            if (taken) entity->SetDotCount(value);
            break;
        case kMajorDateId:
            taken = ReadFixedList(item, &value);
            if (taken) entity->SetDateFormat(value);
            break;
        default:
            break;
    }
    EndEdit(item, taken);
    return 0;
}

// The decimals "%d". (The offset, angle and size items refuse what the page's readers refuse.)
bool CkelPropListAxisLabel::ShowStoredValue(CBCGPProp* item) {
    IkelAxis* axis = TargetAs<IkelAxis>();
    if (!item || !axis) return false;
    const DWORD_PTR id = item->GetData();
    if (id >= kTextGroupId) return false;
    const DWORD_PTR base = id >= kMinorGroupId ? kMinorOffset : 0;
    if (id - base != kMajorDecimalsId) return false;
    CkelAxisTickLabels* labels = axis->GetTickLabels();
    Entity* entity = base ? labels->GetMinorTickLabel() : labels->GetMajorTickLabel();
    SetItemText(item, FormatString("%d", entity->GetDotCount()));
    return true;
}
