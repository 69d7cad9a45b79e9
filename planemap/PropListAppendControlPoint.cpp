#include "planemap/PropListAppendControlPoint.h"

#include <cfloat>

#include "bcg/ColorProp.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Kestrel/GraphStyleManager.h"
#include "hosttypes/Parsnip/QXMap.h"
#include "hosttypes/Parsnip/QXMapFile.h"
#include "hosttypes/Parsnip/QXObjectPoint.h"
#include "planemap/FaciesControlTexts.h"
#include "planemap/PlaneTexts.h"
#include "planemap/PropListFaciesLine.h"
#include "win32/Crt.h"

namespace {

enum : DWORD_PTR {
    kTypeId = 2000,
    kCodeId = 2001,
    kSymbolGroupId = 2002,
    kStyleId = 2003,
    kSizeId = 2004,
    kBorderColorId = 2005,
    kInnerColorId = 2006,
};

// The notification the map file's views take as "an object was renamed or restyled".
constexpr UINT kObjectChangedNotice = 2;

}  // namespace

CPropListAppendControlPoint::CPropListAppendControlPoint() = default;
CPropListAppendControlPoint::~CPropListAppendControlPoint() = default;

CQXObjectPoint* CPropListAppendControlPoint::Point() const { return dynamic_cast<CQXObjectPoint*>(m_pTarget); }

int CPropListAppendControlPoint::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    auto* type = new CBCGPProp(planetext::kType, _variant_t(""), "", kTypeId);
    type->AllowEdit(FALSE);
    m_wndPropList.AddProperty(type, TRUE, TRUE);
    m_wndPropList.AddProperty(facies::NewCodeItem(kCodeId), TRUE, TRUE);

    auto* group = new CBCGPProp(fctext::kPointGroup, kSymbolGroupId);
    auto* style = new CPropStyleCombox(grouptext::kPointStyle, 0, CPropStyleCombox::kPointStyle, kestrel::kPointSetWell,
                                       grouptext::kPointStyleDescription, kStyleId);
    style->AllowEdit(FALSE);
    style->SetStyleGroup(kestrel::kPointSetCommon, true);
    style->AddStyleGroup(kestrel::kPointSetWell, true);
    group->AddSubItem(style);
    group->AddSubItem(new CBCGPProp(grouptext::kSize, _variant_t(""), grouptext::kPointSizeDescription, kSizeId));
    group->AddSubItem(
        NewGroupColorProp(grouptext::kBorderColor, grouptext::kBorderColorDescription, kBorderColorId, 0));
    group->AddSubItem(NewGroupColorProp(grouptext::kInnerColor, grouptext::kInnerColorDescription, kInnerColorId, 0));
    m_wndPropList.AddProperty(group, TRUE, TRUE);
    group->Expand(TRUE);
    return 0;
}

void CPropListAppendControlPoint::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObjectPoint* point = Point();
    if (!point) return;
    if (CBCGPProp* type = FindItem(kTypeId)) type->SetValue(_variant_t(point->GetTypeName()));
    facies::RefreshCodeItem(FindItem(kCodeId), GetSelectionCount() == 1, point->GetName());
    RefreshSymbol(point);
}

void CPropListAppendControlPoint::RefreshSymbol(CQXObjectPoint* point) {
    CBCGPProp* group = FindItem(kSymbolGroupId);
    if (!group) return;
    QXLOGPOINT symbol;
    point->GetLogPoint(&symbol);
    if (auto* style = dynamic_cast<CPropStyleCombox*>(group->GetSubItem(0))) {
        UINT value = symbol.style;
        style->SetVal(value);
    }
    if (CBCGPProp* size = group->GetSubItem(1)) {
        CString text;
        text.Format("%.2f", symbol.size / 100.0);
        size->SetValue(_variant_t(text));
    }
    if (auto* border = dynamic_cast<CBCGPColorProp*>(group->GetSubItem(2))) border->SetColor(symbol.borderColor);
    if (auto* inner = dynamic_cast<CBCGPColorProp*>(group->GetSubItem(3))) inner->SetColor(symbol.innerColor);
}

LRESULT CPropListAppendControlPoint::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectPoint* point = Point();
    if (!item || !point) {
        UpdateView();
        return 0;
    }
    QXLOGPOINT symbol;
    point->GetLogPoint(&symbol);

    switch (item->GetData()) {
        case kCodeId:
            ApplyCode(point, VariantToText(item->GetValue()));
            break;
        case kStyleId:
            if (auto* picker = dynamic_cast<CPropStyleCombox*>(item)) symbol.style = picker->GetVal();
            break;
        case kSizeId: {
            // Only a positive size the record can hold replaces the old one.
            const double size = crt::Atof(VariantToText(item->GetValue())) * 100;
            if (size > 0 && size <= FLT_MAX) symbol.size = static_cast<float>(size);
            break;
        }
        case kBorderColorId:
            if (auto* colour = dynamic_cast<CBCGPColorProp*>(item)) symbol.borderColor = colour->GetColor();
            break;
        case kInnerColorId:
            if (auto* colour = dynamic_cast<CBCGPColorProp*>(item)) symbol.innerColor = colour->GetColor();
            break;
        default:
            break;
    }
    WriteSymbolToSelection(&symbol);
    UpdateSameTypeObjects(point->GetLayer(), point->GetTypeName());
    UpdateView();
    return 0;
}

// The code names every selected point of the type name; the map file is told so that the map
// can follow the new facies. A point outside a map document has nobody to tell.
void CPropListAppendControlPoint::ApplyCode(CQXObjectPoint* point, const CString& code) {
    CQXLayer* layer = point->GetLayer();
    SetSameTypeObjects(layer, &CQXObject::SetName, code, point->GetTypeName());
    CQXMap* map = layer ? layer->GetMap() : nullptr;
    if (CQXMapFile* file = map ? map->GetMapFile() : nullptr)
        file->SendNotifyMessage(map, layer, point, kObjectChangedNotice);
}

// The symbol goes to every point of the selection the list last took, whatever its type name.
void CPropListAppendControlPoint::WriteSymbolToSelection(QXLOGPOINT* symbol) {
    for (int i = 0; i < GetSelectionCount(); ++i)
        if (auto* point = dynamic_cast<CQXObjectPoint*>(GetSelectionAt(i))) point->SetLogPoint(symbol);
}
