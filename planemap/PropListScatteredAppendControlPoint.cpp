#include "planemap/PropListScatteredAppendControlPoint.h"

#include <cfloat>

#include "bcg/ColorProp.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Kestrel/GraphStyleManager.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXMap.h"
#include "hosttypes/Parsnip/QXMapFile.h"
#include "hosttypes/Parsnip/QXObjectPoint.h"
#include "planemap/BoundaryTexts.h"
#include "planemap/PlaneTexts.h"
#include "planemap/PropListScatteredLine.h"
#include "win32/Crt.h"

namespace {

enum : DWORD_PTR {
    kTypeId = 2000,
    kCodeId = 2001,
    kSymbolGroupId = 2002,
    kSymbolStyleId = 2003,
    kSymbolSizeId = 2004,
    kBorderColorId = 2005,
    kInnerColorId = 2006,
};

// The map's views redraw an object announced with this code.
constexpr UINT kObjectChangedNotification = 2;

void SetColor(CBCGPProp* item, COLORREF color) {
    if (auto* colour = dynamic_cast<CBCGPColorProp*>(item)) colour->SetColor(color);
}

bool ReadColor(CBCGPProp* item, COLORREF* color) {
    auto* colour = dynamic_cast<CBCGPColorProp*>(item);
    if (!colour) return false;
    *color = colour->GetColor();
    return true;
}

// A typed size in shown units as the stored size (x100); 0 or less, no number, or more than the
// record holds is ignored.
void ReadSize(CBCGPProp* item, float* size) {
    const double value = crt::Atof(VariantToText(item->GetValue())) * 100;
    if (value > 0 && value <= FLT_MAX) *size = static_cast<float>(value);
}

}  // namespace

CPropListScatteredAppendControlPoint::CPropListScatteredAppendControlPoint() = default;
CPropListScatteredAppendControlPoint::~CPropListScatteredAppendControlPoint() = default;

CQXObjectPoint* CPropListScatteredAppendControlPoint::Point() const {
    return dynamic_cast<CQXObjectPoint*>(m_pTarget);
}

int CPropListScatteredAppendControlPoint::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    auto* type = new CBCGPProp(planetext::kType, _variant_t(""), "", kTypeId);
    type->AllowEdit(FALSE);
    m_wndPropList.AddProperty(type, TRUE, TRUE);
    m_wndPropList.AddProperty(new CBCGPProp(boundarytext::kFaciesType, _variant_t(""), "", kCodeId), TRUE, TRUE);

    auto* symbol = new CBCGPProp(boundarytext::kPointGroup, kSymbolGroupId);
    auto* style = new CPropStyleCombox(grouptext::kPointStyle, 0, CPropStyleCombox::kPointStyle,
                                       kestrel::kPointSetWell, grouptext::kPointStyleDescription, kSymbolStyleId);
    style->AllowEdit(FALSE);
    // Common points first, well symbols after them.
    style->SetStyleGroup(kestrel::kPointSetCommon, true);
    style->AddStyleGroup(kestrel::kPointSetWell, true);
    symbol->AddSubItem(style);
    symbol->AddSubItem(new CBCGPProp(grouptext::kSize, _variant_t(""), grouptext::kPointSizeDescription, kSymbolSizeId));
    symbol->AddSubItem(
        NewGroupColorProp(grouptext::kBorderColor, grouptext::kBorderColorDescription, kBorderColorId, 0));
    symbol->AddSubItem(NewGroupColorProp(grouptext::kInnerColor, grouptext::kInnerColorDescription, kInnerColorId, 0));
    m_wndPropList.AddProperty(symbol, TRUE, TRUE);
    symbol->Expand(TRUE);
    return 0;
}

void CPropListScatteredAppendControlPoint::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObjectPoint* point = Point();
    if (!point) return;
    if (CBCGPProp* type = FindItem(kTypeId)) type->SetValue(_variant_t(point->GetTypeName()));
    CBCGPProp* code = FindItem(kCodeId);
    scatteredlist::SetCodeOptions(code);
    scatteredlist::ShowCode(code, scatteredlist::IsSingleSelected(point->GetLayer()), point->GetName());
    RefreshSymbol(point);
}

void CPropListScatteredAppendControlPoint::RefreshSymbol(CQXObjectPoint* point) {
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
    SetColor(group->GetSubItem(2), symbol.borderColor);
    SetColor(group->GetSubItem(3), symbol.innerColor);
}

LRESULT CPropListScatteredAppendControlPoint::OnPropertyChanged(WPARAM, LPARAM lParam) {
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
    case kSymbolStyleId:
        if (auto* picker = dynamic_cast<CPropStyleCombox*>(item)) symbol.style = picker->GetVal();
        break;
    case kSymbolSizeId:
        ReadSize(item, &symbol.size);
        break;
    case kBorderColorId:
        ReadColor(item, &symbol.borderColor);
        break;
    case kInnerColorId:
        ReadColor(item, &symbol.innerColor);
        break;
    default:
        break;
    }
    WriteSymbolToSelection(symbol);
    UpdateSameTypeObjects(point->GetLayer(), point->GetTypeName());
    UpdateView();
    return 0;
}

// Renames the points of the type name and tells the map's views about the shown one.
void CPropListScatteredAppendControlPoint::ApplyCode(CQXObjectPoint* point, const CString& code) {
    CQXLayer* layer = point->GetLayer();
    SetSameTypeObjects(layer, &CQXObject::SetName, code, point->GetTypeName());
    CQXMap* map = layer ? layer->GetMap() : nullptr;
    if (CQXMapFile* file = map ? map->GetMapFile() : nullptr)
        file->SendNotifyMessage(map, layer, point, kObjectChangedNotification);
}

// Every selected point takes the symbol, whatever its type name.
void CPropListScatteredAppendControlPoint::WriteSymbolToSelection(QXLOGPOINT& symbol) {
    for (int i = 0; i < GetSelectionCount(); ++i)
        if (auto* selected = dynamic_cast<CQXObjectPoint*>(GetSelectionAt(i))) selected->SetLogPoint(&symbol);
}
