#include "planemap/PropListAppendControlPoint.h"

#include "framework/GroupTexts.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PenFontEdits.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Kestrel/GraphStyleManager.h"
#include "hosttypes/Parsnip/QXMap.h"
#include "hosttypes/Parsnip/QXMapFile.h"
#include "hosttypes/Parsnip/QXObjectPoint.h"
#include "planemap/CodeItems.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/PlaneTexts.h"
#include "planemap/RecordEdits.h"
#include "planemap/SameTypeEdits.h"

using namespace planemap;

namespace {

// Positions in the symbol group.
enum : int { kStylePosition = 0, kSizePosition = 1, kBorderColorPosition = 2, kInnerColorPosition = 3 };

// The notification the map file's views take as "an object was renamed or restyled".
constexpr UINT kObjectChangedNotice = 2;

}  // namespace

CPropListAppendControlPoint::CPropListAppendControlPoint() = default;
CPropListAppendControlPoint::~CPropListAppendControlPoint() = default;

codeitems::Catalogue CPropListAppendControlPoint::CodeCatalogue() const { return codeitems::Catalogue::kFacies; }

CQXObjectPoint* CPropListAppendControlPoint::Point() const { return dynamic_cast<CQXObjectPoint*>(m_pTarget); }

int CPropListAppendControlPoint::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    m_wndPropList.AddProperty(NewOptionItem(planetext::kType, "", "", kTypeId, {}, false), TRUE, TRUE);
    m_wndPropList.AddProperty(codeitems::NewCodeItem(geotext::kFaciesType, kCodeId), TRUE, TRUE);

    auto* group = new CBCGPProp(planetext::kPointGroup, kSymbolGroupId);
    auto* style = new CPropStyleCombox(grouptext::kPointStyle, 0, CPropStyleCombox::kPointStyle, kestrel::kPointSetWell,
                                       grouptext::kPointStyleDescription, kStyleId);
    style->AllowEdit(FALSE);
    // Common points first, well symbols after them.
    style->SetStyleGroup(kestrel::kPointSetCommon, true);
    style->AddStyleGroup(kestrel::kPointSetWell, true);
    group->AddSubItem(style);
    group->AddSubItem(NewSizeTextItem(grouptext::kSize, grouptext::kPointSizeDescription, kSizeId,
                                      penfont::HundredthsRule(penfont::Accept::AboveZero)));
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
    SetItemText(FindItem(kTypeId), point->GetTypeName());
    codeitems::ShowCodes(FindItem(kCodeId), CodeCatalogue(), GetSelectionCount() == 1, point->GetName());
    RefreshSymbol(point);
}

void CPropListAppendControlPoint::RefreshSymbol(CQXObjectPoint* point) {
    CBCGPProp* group = FindItem(kSymbolGroupId);
    if (!group) return;
    QXLOGPOINT symbol;
    point->GetLogPoint(&symbol);
    if (auto* style = dynamic_cast<CPropStyleCombox*>(group->GetSubItem(kStylePosition))) {
        UINT value = symbol.style;
        style->SetVal(value);
    }
    planemap::ShowStoredHundredths(group->GetSubItem(kSizePosition), symbol.size);
    ShowColor(group->GetSubItem(kBorderColorPosition), symbol.borderColor);
    ShowColor(group->GetSubItem(kInnerColorPosition), symbol.innerColor);
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
            ApplyCode(point, ItemText(item));
            break;
        case kStyleId:
            if (auto* picker = dynamic_cast<CPropStyleCombox*>(item)) symbol.style = picker->GetVal();
            break;
        case kSizeId:
            // Only a positive size the record can hold: the item, read by this rule, refuses any other.
            penfont::ReadHundredths(ItemText(item), penfont::Accept::AboveZero, &symbol.size);
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
    WriteSymbolToSelection(&symbol);
    UpdateSameTypeObjects(point->GetLayer(), point->GetTypeName());
    UpdateView();
    return 0;
}

// The code names every selected point of the type name; the map file is told so that the map
// can follow the new code. A point outside a map document has nobody to tell.
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
