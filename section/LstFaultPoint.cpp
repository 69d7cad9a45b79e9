#include "section/LstFaultPoint.h"

#include <cmath>
#include <utility>

#include "framework/GroupEdits.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/NumberText.h"
#include "framework/OptionTables.h"
#include "framework/PropEx.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Oriel/CContainerSignle.h"
#include "hosttypes/Oriel/CrFaultPoint.h"
#include "hosttypes/Oriel/IkelWellAdapter.h"
#include "hosttypes/Oriel/ScContainer.h"
#include "hosttypes/Oriel/ScWellMgr.h"
#include "section/ObjectPageItems.h"
#include "section/ObjectPageTexts.h"
#include "section/SectionItems.h"

using namespace sectiontext;
using namespace section;
using P = CLstFaultPoint;

namespace {

const TextValue kDisplayStyles[] = {{kColumnLeft, 0}, {kColumnCentre, 1}, {kColumnRight, 2}};
const TextValue kLabelPlaces[] = {{kLabelLeft, 0}, {kLabelRight, 1}, {kLabelAbove, 2}, {kLabelBelow, 3}};
const TextValue kApplyScopes[] = {{"", 0}, {kApplyWell, 1}, {kApplySection, 2}};
const char* const kFieldOptions[P::kFieldKinds] = {kBreakDepth,       kFieldThrow,      kFieldCompareDepth,
                                                   kFieldFaultNumber, kFieldMissingTop, kFieldMissingBottom,
                                                   kFieldCompareWell};

// The point's number: a number with a whole part an int holds (the fraction is cut off).
bool ReadFaultNumber(CBCGPProp* item, int* number) {
    double typed = 0;
    return ReadItemNumber(item, 1.0, &typed) && numtext::FitInt(typed, 1.0, number);
}

TextRule FaultNumberRule() { return KeptNumberRule(&ReadFaultNumber); }

void Enable(CBCGPProp* item, bool enabled) {
    if (item) item->Enable(enabled ? TRUE : FALSE);
}
void SetNumber(CBCGPProp* item, double value) {
    if (item) item->SetValue(_variant_t(value));
}

}  // namespace

int ClampFieldCount(double count) {
    if (!(count > 0)) return 0;
    return count >= P::kFieldKinds ? P::kFieldKinds : static_cast<int>(count);
}

CLstFaultPoint::CLstFaultPoint(CrFaultPoint* point) : m_pPoint(point) {}
CLstFaultPoint::~CLstFaultPoint() = default;

// ---- fill ---------------------------------------------------------------------------------------------

int CLstFaultPoint::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    CBCGPProp* display = NewGroupItem(kDisplaySettings, kDisplayId, true);
    display->AddSubItem(
        NewList(kDisplayPosition, "", nullptr, kDisplayStyleId, kDisplayStyles, OtherTakenAs(-1), {}, true));
    CBCGPProp* symbol = CreatePointFloatProp(kFaultSymbol, kSymbolId);
    symbol->Expand(TRUE);
    display->AddSubItem(symbol);
    display->AddSubItem(BuildLabelGroup());
    display->AddSubItem(NewList(kApplyTo, "", kApplyToDescription, kApplyId, kApplyScopes, OtherTakenAs(-1)));
    m_wndPropList.AddProperty(display, TRUE, TRUE);

    CBCGPProp* data = NewGroupItem(kFaultPointProperties, kFaultDataId, true);
    data->AddSubItem(NewTextValueItem(kFieldFaultNumber, "", "", kFaultStratumId, true));
    data->AddSubItem(NewFloatItem(kPointNumber, 0.0, 0, false, "", kFaultNumberId, FaultNumberRule()));
    data->AddSubItem(NewFloatItem(kBreakDepthMetres, 0.0, 2, false, "", kFaultDepthId, ItemNumberRule()));
    data->AddSubItem(NewFloatItem(kFieldThrow, 0.0, 2, false, "", kFaultThrowId, ItemNumberRule()));
    data->AddSubItem(NewTextValueItem(kFieldCompareWell, "", "", kCompareWellId, true));
    data->AddSubItem(NewFloatItem(kCompareTopDepth, 0.0, 2, false, "", kCompareDepthId, ItemNumberRule()));
    data->AddSubItem(NewTextValueItem(kFieldMissingTop, "", "", kMissingTopId, true));
    data->AddSubItem(NewTextValueItem(kFieldMissingBottom, "", "", kMissingBottomId, true));
    m_wndPropList.AddProperty(data, TRUE, TRUE);
    return 0;
}

CBCGPProp* CLstFaultPoint::BuildLabelGroup() {
    CBCGPProp* label = NewGroupItem(kLabel, kLabelId, true);
    label->AddSubItem(NewYesNoList(grouptext::kShow, "", nullptr, kLabelShownId));
    label->AddSubItem(NewFloatItem(kFieldCount, 0.0, 0, false, "", kFieldCountId, ItemNumberRule()));
    CBCGPProp* position = NewGroupItem(kPosition, kLabelPositionId, true);
    position->AddSubItem(NewList(kDisplayPosition, "", nullptr, kLabelPlaceId, kLabelPlaces, OtherTakenAs(-1)));
    position->AddSubItem(NewFloatItem(kXOffset, 0.0, 2, true, "", kXOffsetId, ItemNumberRule()));
    position->AddSubItem(NewFloatItem(kYOffset, 0.0, 2, true, "", kYOffsetId, ItemNumberRule()));
    label->AddSubItem(position);
    auto* fields = new CBCGPPropEx(kFields, kFieldsId, FALSE);
    fields->Expand(TRUE);
    label->AddSubItem(fields);
    CBCGPProp* font = CreateFontPropFloatSize(grouptext::kFontFace, kFontId);
    label->AddSubItem(font);
    return label;
}

// ---- refresh ------------------------------------------------------------------------------------------

void CLstFaultPoint::UpdateBCGPProperty(long object, CString) {
    if (object != m_curObject || !m_pPoint) return;
    if (m_pPoint->GetTimeStamp() == m_timeStamp) return;
    m_timeStamp = m_pPoint->GetTimeStamp();
    if (CBCGPProp* display = Item(kDisplayId)) {
        SetItemText(display->GetSubItem(0), TextOfValue(kDisplayStyles, m_pPoint->GetDisplayStyle(), ""));
        SetPointFloatProp(display->GetSubItem(1), m_pPoint->GetLogPoint());
        ShowLabel(display->GetSubItem(2));
        SetItemText(display->GetSubItem(3), TextOfValue(kApplyScopes, m_pPoint->GetApplyType(), ""));
    }
    if (CBCGPProp* data = Item(kFaultDataId)) ShowFaultData(data);
}

void CLstFaultPoint::ShowLabel(CBCGPProp* label) {
    if (!label) return;
    const bool shown = m_pPoint->IsShowLabel();
    SetYesNoProp(Item(kLabelShownId), shown);
    if (CBCGPProp* count = Item(kFieldCountId)) {
        Enable(count, shown);
        SetNumber(count, static_cast<double>(m_pPoint->GetLabelNumber()));
    }
    if (CBCGPProp* place = Item(kLabelPlaceId)) {
        Enable(place, shown);
        SetItemText(place, TextOfValue(kLabelPlaces, m_pPoint->GetPosStyle(), ""));
    }
    for (DWORD_PTR id : {kXOffsetId, kYOffsetId}) Enable(Item(id), shown);
    SetNumber(Item(kXOffsetId), m_pPoint->GetXOffset());
    SetNumber(Item(kYOffsetId), m_pPoint->GetYOffset());
    RebuildFields(shown);
    EnableFontPropChecked(Item(kFontId), m_pPoint->GetLabelFont(), shown);
}

// One item per field the label shows, never more than there are field kinds.
void CLstFaultPoint::RebuildFields(bool shown) {
    CBCGPProp* fields = Item(kFieldsId);
    if (!fields) return;
    DeleteAllSubItems(fields);
    const int n = ClampFieldCount(static_cast<double>(m_pPoint->GetLabelNumber()));
    for (int i = 0; i < n; ++i) {
        CString caption;
        caption.Format("%s%d", kFields, i + 1);
        CBCGPProp* field = NewOptionItem(caption, "", nullptr, kFirstFieldId + static_cast<DWORD_PTR>(i),
                                         {kFieldOptions[0], kFieldOptions[1], kFieldOptions[2], kFieldOptions[3],
                                          kFieldOptions[4], kFieldOptions[5], kFieldOptions[6]},
                                         false);
        SetItemText(field, m_pPoint->GetLabel(i).c_str());
        Enable(field, shown);
        fields->AddSubItem(field);
    }
    fields->Expand(TRUE);
    m_wndPropList.AdjustLayout();
}

void CLstFaultPoint::ShowFaultData(CBCGPProp* data) {
    SetItemText(data->GetSubItem(0), m_pPoint->GetFaultStraum());
    SetNumber(data->GetSubItem(1), m_pPoint->GetFaultNumber());
    SetNumber(data->GetSubItem(2), m_pPoint->GetFaultDepth());
    SetNumber(data->GetSubItem(3), m_pPoint->GetFaultDistance());
    CBCGPProp* compare = data->GetSubItem(4);
    SetItemText(compare, m_pPoint->GetCompareWell());
    SetNumber(data->GetSubItem(5), m_pPoint->GetCompareDepth());
    SetItemText(data->GetSubItem(6), m_pPoint->GetFaultTopStraum());
    SetItemText(data->GetSubItem(7), m_pPoint->GetFaultBotStraum());
    if (!compare) return;
    // The other wells of the section, never the point's own.
    compare->RemoveAllOptions();
    CrWellFaultPoint* parent = m_pPoint->GetParent();
    CrWellFaultPointMgr* points = parent ? parent->GetMgr() : nullptr;
    ScWellMgr* wells = points ? points->GetWellMgr() : nullptr;
    if (!wells) return;
    const IkelWellAdapter* own = parent->GetWell();
    for (IkelWellAdapter* well : wells->GetValidConCalWell())
        if (well && well != own) compare->AddOption(well->GetName().c_str(), TRUE);
}

// ---- edits --------------------------------------------------------------------------------------------

template <class Set>
void CLstFaultPoint::ApplyInScope(Set set) {
    CrWellFaultPoint* parent = m_pPoint->GetParent();
    switch (m_pPoint->GetApplyType()) {
        case 0:
            set(*m_pPoint);
            break;
        case 1:
            if (!parent) {
                set(*m_pPoint);
                break;
            }
            for (unsigned int i = 0; i < parent->GetCount(); ++i) set(*parent->GetFaultPoint(i));
            break;
        case 2: {
            CrWellFaultPointMgr* section = parent ? parent->GetMgr() : nullptr;
            if (!section) {
                set(*m_pPoint);
                break;
            }
            for (unsigned int w = 0; w < section->GetCount(); ++w) {
                CrWellFaultPoint* well = section->GetWellFaultPoint(w);
                for (unsigned int i = 0; well && i < well->GetCount(); ++i) set(*well->GetFaultPoint(i));
            }
            break;
        }
        default:
            break;
    }
}

// A text the point's reader refuses writes nothing and redraws nothing: the item shows the stored
// value again.
LRESULT CLstFaultPoint::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    if (item && m_pPoint && !Edit(item)) {
        ShowItemAgain(item);
        return 0;
    }
    if (ScContainer* container = CContainerSignle::Instance()->GetContainer()) container->UpdateWnd();
    return 0;
}

// The number items with the point's values, in their items' decimals.
void CLstFaultPoint::ShowItemAgain(CBCGPProp* item) {
    CWndLst::ShowItemAgain(item);
    if (!item || !m_pPoint) return;
    const CrFaultPoint& point = *m_pPoint;
    ShowStoredValueOf(item, {{kSymbolSizeId, point.GetLogPoint().size / 100.0},
                            {kFontSizeId, point.GetLabelFont().size / 100.0},
                            {kFieldCountId, static_cast<double>(point.GetLabelNumber())},
                            {kFaultNumberId, static_cast<double>(point.GetFaultNumber())},
                            {kFaultDepthId, point.GetFaultDepth()},
                            {kFaultThrowId, point.GetFaultDistance()},
                            {kCompareDepthId, point.GetCompareDepth()},
                            {kXOffsetId, point.GetXOffset()},
                            {kYOffsetId, point.GetYOffset()}});
}

bool CLstFaultPoint::Edit(CBCGPProp* item) {
    const DWORD_PTR id = item->GetData();
    const CString text = ItemText(item);
    CrFaultPoint& point = *m_pPoint;
    double number = 0;
    int whole = 0;
    if (id >= kFirstFieldId && id < kFirstFieldId + kFieldKinds) {
        const int index = static_cast<int>(id - kFirstFieldId);
        const std::string label = text.str();
        ApplyInScope([index, &label](CrFaultPoint& p) { p.SetLabel(index, label); });
        return true;
    }
    switch (id) {
        case kDisplayStyleId: {
            int style = 0;
            if (!ReadFixedList(item, &style)) return false;
            ApplyInScope([style](CrFaultPoint& p) { p.SetDisplayStyle(style); });
            break;
        }
        case kSymbolStyleId:
        case kSymbolSizeId:
        case kSymbolBorderId:
        case kSymbolInnerId: {
            QXLOGPOINT symbol = point.GetLogPoint();
            if (!ReadEditedField(item, symbol)) return false;
            ApplyInScope([&symbol](CrFaultPoint& p) { p.SetLogPoint(symbol); });
            break;
        }
        case kApplyId: {
            int scope = 0;
            if (!ReadFixedList(item, &scope)) return false;
            point.SetApplyType(scope);
            break;
        }
        case kFaultStratumId:
            point.SetFaultStraum(text);
            break;
        case kCompareWellId:
            point.SetCompareWell(text);
            break;
        case kMissingTopId:
            point.SetFaultTopStraum(text);
            break;
        case kMissingBottomId:
            point.SetFaultBotStraum(text);
            break;
        case kFaultNumberId:
            if (!ReadFaultNumber(item, &whole)) return false;
            point.SetFaultNumber(whole);
            break;
        case kFaultDepthId:
            if (!ReadItemNumber(item, 1.0, &number)) return false;
            point.SetFaultDepth(number);
            break;
        case kFaultThrowId:
            if (!ReadItemNumber(item, 1.0, &number)) return false;
            point.SetFaultDistance(number);
            break;
        case kCompareDepthId:
            if (!ReadItemNumber(item, 1.0, &number)) return false;
            point.SetCompareDepth(number);
            break;
        case kLabelShownId: {
            const bool shown = ReadYesNo(item);
            ApplyInScope([shown](CrFaultPoint& p) { p.ShowLabel(shown); });
            point.ProChanged();
            break;
        }
        case kFieldCountId:
            return EditFieldCount(item);
        case kLabelPlaceId: {
            int place = 0;
            if (!ReadFixedList(item, &place)) return false;
            ApplyInScope([place](CrFaultPoint& p) { p.SetPosStyle(place); });
            break;
        }
        case kXOffsetId:
            if (!ReadItemNumber(item, 1.0, &number)) return false;
            ApplyInScope([number](CrFaultPoint& p) { p.SetXOffset(number); });
            break;
        case kYOffsetId:
            if (!ReadItemNumber(item, 1.0, &number)) return false;
            ApplyInScope([number](CrFaultPoint& p) { p.SetYOffset(number); });
            break;
        case kFontFaceId:
        case kFontSizeId:
        case kFontColorId: {
            QXLOGFONT font = point.GetLabelFont();
            if (!ReadEditedField(item, font)) return false;
            ApplyInScope([&font](CrFaultPoint& p) { p.SetLabelFont(font); });
            break;
        }
        default:
            break;
    }
    return true;
}

// Every point in scope takes the count, also one it already has (a count kept to the field kinds
// included); the stamp has the next refresh rebuild the fields.
bool CLstFaultPoint::EditFieldCount(CBCGPProp* item) {
    double number = 0;
    if (!ReadItemNumber(item, 1.0, &number)) return false;
    const int count = ClampFieldCount(number);
    ApplyInScope([count](CrFaultPoint& p) { p.SetLabelNumber(count); });
    m_pPoint->ProChanged();
    return true;
}
