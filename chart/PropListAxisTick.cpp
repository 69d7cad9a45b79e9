#include "chart/PropListAxisTick.h"

#include "bcg/ColorProp.h"
#include "chart/AxisGroups.h"
#include "chart/AxisTexts.h"
#include "chart/ChartItems.h"
#include "chart/ChartReaders.h"
#include "chart/ChartTexts.h"
#include "chart/PlotItems.h"
#include "chart/PropListAxis.h"
#include "framework/GroupEdits.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Thistle/Axis.h"

using namespace axistext;

namespace chart {

namespace {
template <class Tick>
void ApplyTickLength(CBCGPProp* item, Tick* tick) {
    double length = 0;
    ReadScaledNumber(ItemText(item), &length);
    tick->SetLength(length);
}
}  // namespace

void ApplyMajorTickLength(CBCGPProp* item, IkelAxis* axis) {
    if (item && axis) ApplyTickLength(item, axis->GetTickMarks()->GetMajorTickStruct());
}

void ApplyMinorTickLength(CBCGPProp* item, IkelAxis* axis) {
    if (item && axis) ApplyTickLength(item, axis->GetTickMarks()->GetMinorTickStruct());
}

CBCGPProp* NewPenGroup(const char* label, DWORD_PTR id) {
    return CreateLineProp(label, id, false, ReaderRule(&ReadPlainHundredths));
}

bool ReadPenSubItem(CBCGPProp* item, int index, QXLOGPEN& pen) {
    if (!item) return false;
    switch (index) {
        case 0:
            if (auto* style = dynamic_cast<CPropStyleCombox*>(item)) {
                pen.style = style->GetVal();
                return true;
            }
            return false;
        case 1:
            return ReadPlainHundredths(ItemText(item), &pen.width);
        case 2:
            return ReadShownColor(item, &pen.color);
        default:
            return false;
    }
}

}  // namespace chart

namespace {

CBCGPProp* NewTickGroup(const char* caption, DWORD_PTR group, DWORD_PTR side, DWORD_PTR length, DWORD_PTR line) {
    auto* tick = new CBCGPProp(caption, group, FALSE);
    tick->AddSubItem(chart::NewTickSideItem(charttext::kLabelPosition, kTickSideDescription, side));
    tick->AddSubItem(
        chart::NewNumberItem(kLength, kTickLengthDescription, length, ReaderRule(&chart::ReadScaledNumber)));
    tick->AddSubItem(chart::NewPenGroup(grouptext::kLineStyle, line));
    tick->Expand(TRUE);
    return tick;
}

}  // namespace

CPropListAxisTick::CPropListAxisTick() = default;
CPropListAxisTick::~CPropListAxisTick() = default;

void CPropListAxisTick::BuildItems(CBCGPPropList& list) {
    list.AddProperty(NewTickGroup(kMajorTicks, kMajorGroupId, kMajorSideId, kMajorLengthId, kMajorLineId), TRUE, TRUE);
    list.AddProperty(NewTickGroup(kMinorTicks, kMinorGroupId, kMinorSideId, kMinorLengthId, kMinorLineId), TRUE, TRUE);
}

void CPropListAxisTick::ShowTarget(CBCGPPropList& list) {
    IkelAxis* axis = TargetAs<IkelAxis>();
    if (!axis) return;
    const int type = axis->GetAxisType();
    CkelAxisTickMarks* ticks = axis->GetTickMarks();
    struct Level {
        DWORD_PTR side, length, line;
        int sideValue;
        double lengthValue;
        QXLOGPEN pen;
    };
    Level levels[2] = {
        {kMajorSideId,
         kMajorLengthId,
         kMajorLineId,
         ticks->GetMajorTickStruct()->GetSide(),
         ticks->GetMajorTickStruct()->GetLength(),
         {}},
        {kMinorSideId,
         kMinorLengthId,
         kMinorLineId,
         ticks->GetMinorTickStruct()->GetSide(),
         ticks->GetMinorTickStruct()->GetLength(),
         {}},
    };
    ticks->GetMajorTickStruct()->GetStyle(&levels[0].pen);
    ticks->GetMinorTickStruct()->GetStyle(&levels[1].pen);
    for (const Level& level : levels) {
        if (CBCGPProp* side = list.FindItemByData(level.side)) {
            chart::SetTickSideOptions(side, type);
            SetItemText(side, chart::TickSideToText(type, level.sideValue));
        }
        SetItemText(list.FindItemByData(level.length), numtext::Fixed(level.lengthValue / 100, 2));
        SetLineProp(list.FindItemByData(level.line), level.pen);
    }
    if (IsFixedScale(axis->GetAxisScaleType())) {
        EnableAllSubItems(list.FindItemByData(kMinorGroupId), FALSE);
        EnableAllSubItems(list.FindItemByData(kMinorLineId), FALSE);
    }
}

LRESULT CPropListAxisTick::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    IkelAxis* axis = TargetAs<IkelAxis>();
    if (!item || !axis) return 0;
    CkelAxisTickMarks::MajorTickStruct* major = axis->GetTickMarks()->GetMajorTickStruct();
    CkelAxisTickMarks::MinorTickStruct* minor = axis->GetTickMarks()->GetMinorTickStruct();
    QXLOGPEN majorPen, minorPen;
    major->GetStyle(&majorPen);
    minor->GetStyle(&minorPen);
    const DWORD_PTR id = item->GetData();
    bool taken = true;
    int side = 0;
    switch (id) {
        // The list reads each text as TickSideFromText does on the axis type shown.
        case kMajorSideId:
            taken = ReadFixedList(item, &side);
            if (taken) major->SetSide(side);
            break;
        case kMinorSideId:
            taken = ReadFixedList(item, &side);
            if (taken) minor->SetSide(side);
            break;
        case kMajorLengthId:
            chart::ApplyMajorTickLength(item, axis);
            break;
        case kMinorLengthId:
            chart::ApplyMinorTickLength(item, axis);
            break;
        case kMajorStyleId:
        case kMajorWidthId:
        case kMajorColorId:
            taken = chart::ReadPenSubItem(item, static_cast<int>(id - kMajorStyleId), majorPen);
            if (taken) major->SetStyle(&majorPen);
            break;
        case kMinorStyleId:
        case kMinorWidthId:
        case kMinorColorId:
            taken = chart::ReadPenSubItem(item, static_cast<int>(id - kMinorStyleId), minorPen);
            if (taken) minor->SetStyle(&minorPen);
            break;
        default:
            break;
    }
    EndEdit(item, taken);
    return 0;
}

// A length with two decimals. (The width items refuse what ReadPenSubItem refuses.)
bool CPropListAxisTick::ShowStoredValue(CBCGPProp* item) {
    IkelAxis* axis = TargetAs<IkelAxis>();
    if (!item || !axis) return false;
    CkelAxisTickMarks* ticks = axis->GetTickMarks();
    return chart::ShowFixedOf(item, {{kMajorLengthId, ticks->GetMajorTickStruct()->GetLength() / 100},
                                     {kMinorLengthId, ticks->GetMinorTickStruct()->GetLength() / 100}});
}

// A refused length shows the stored one with two decimals; a refused width is ignored.
bool CPropListAxisTick::ReshowsRefusedText(CBCGPProp* item) {
    return item && (item->GetData() == kMajorLengthId || item->GetData() == kMinorLengthId);
}
