#include "planemap/layers/PropListStratum.h"

#include "framework/NumberText.h"
#include "framework/PropItems.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Moraine/PlaneOption.h"
#include "hosttypes/Moraine/StratumLayer.h"
#include "hosttypes/Osprey/WellDataManager.h"
#include "hosttypes/Vireo/QXObjectWellGraph.h"
#include "hosttypes/Zephyr/WpKit.h"
#include "hosttypes/Zephyr/WpWell.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/PlaneTexts.h"
#include "planemap/SameTypeEdits.h"
#include "planemap/layers/WellItems.h"
#include "planemap/layers/WellTexts.h"

namespace {

// The object's own template, else the stratum template of its layer.
CString TemplateOf(CQXObject* object) {
    CString name;
    object->GetPropertyManager()->GetStringProperty(welltext::kTemplateKey, name);
    if (name.IsEmpty()) name = kel::plane::CStratumLayer(object->GetLayer()).GetStratumTemplate();
    return name;
}

// The strata of the grade as the item's options.
void OfferStrata(CBCGPProp* item, int grade) {
    if (!item) return;
    item->RemoveAllOptions();
    CWellDataManager* data = CWellDataManager::Instance();
    const int n = data->GetStratumCount(grade);
    for (int i = 0; i < n; ++i) item->AddOption(data->GetStratumName(grade, i));
}

}  // namespace

void CallSameTypeKits(CQXLayer* layer, const CString& typeName) {
    ForSameTypeObjects<CQXObject>(layer, typeName, [](CQXObject* object) { object->UpdateAfterEdit(); });
}

CPropListStratum::CPropListStratum() = default;
CPropListStratum::~CPropListStratum() = default;

int CPropListStratum::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    CBCGPProp* type = wellitems::NewReadOnly(planetext::kType, welltext::kStratumSection, kTypeId);
    SetItemText(type, welltext::kStratumSection);
    m_wndPropList.AddProperty(type, TRUE, TRUE);
    m_wndPropList.AddProperty(wellitems::NewReadOnly(welltext::kWellNumber, welltext::kWellNumber, kWellId), TRUE,
                              TRUE);

    CBCGPProp* column = wellitems::NewGroup(welltext::kWellColumn, kColumnGroupId);
    column->AddSubItem(wellitems::NewChoice(welltext::kStartUnit, welltext::kStartUnit, kStartId, {}));
    column->AddSubItem(wellitems::NewChoice(welltext::kStopUnit, welltext::kStopUnit, kStopId, {}));
    column->AddSubItem(wellitems::NewReadOnly(welltext::kTemplate, welltext::kTemplateDescription, kTemplateId));
    column->AddSubItem(wellitems::NewLinePicker(grouptext::kLineStyle, welltext::kBorderStyleDescription, kStyleId));
    column->AddSubItem(NewSizeTextItem(welltext::kWidth, welltext::kWidthDescription, kWidthId, planemap::WidthRule()));
    column->AddSubItem(wellitems::NewColor(grouptext::kColor, welltext::kBorderColorDescription, kColorId));
    column->Expand(TRUE);
    m_wndPropList.AddProperty(column, TRUE, TRUE);
    return 0;
}

void CPropListStratum::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    if (auto* kit = dynamic_cast<CWpKit*>(m_pTarget)) {
        if (CWpWell* well = kit->GetWell()) RefreshWell(well);
    } else if (auto* graph = dynamic_cast<CQXObjectWellGraph*>(m_pTarget)) {
        RefreshGraph(graph);
    }
}

void CPropListStratum::RefreshWell(CWpWell* well) {
    SetItemText(FindItem(kTypeId), well->GetTypeName());
    SetItemText(FindItem(kWellId), well->GetName());
    const int grade = kel::plane::CPlaneOption::Instance()->m_nStratumGrade;
    OfferStrata(FindItem(kStartId), grade);
    OfferStrata(FindItem(kStopId), grade);
    SetItemText(FindItem(kStartId), well->GetTopUnit());
    SetItemText(FindItem(kStopId), well->GetBottomUnit());
    RefreshTemplateAndPen(well, well->GetBorderPen());
}

void CPropListStratum::RefreshGraph(CQXObjectWellGraph* graph) {
    SetItemText(FindItem(kTypeId), graph->GetTypeName());
    SetItemText(FindItem(kWellId), graph->GetTitle());
    for (DWORD_PTR id : {kStartId, kStopId})
        if (CBCGPProp* item = FindItem(id)) item->RemoveAllOptions();
    SetItemText(FindItem(kStartId), graph->GetStartStratum());
    SetItemText(FindItem(kStopId), graph->GetStopStratum());
    QXLOGPEN pen;
    graph->GetHeadLogPen(&pen);
    RefreshTemplateAndPen(graph, pen);
}

void CPropListStratum::RefreshTemplateAndPen(CQXObject* object, const QXLOGPEN& pen) {
    SetItemText(FindItem(kTemplateId), TemplateOf(object));
    wellitems::ShowStyle(FindItem(kStyleId), pen.style);
    SetItemText(FindItem(kWidthId), wellitems::Hundredths(pen.width));
    ShowColor(FindItem(kColorId), pen.color);
}

LRESULT CPropListStratum::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    QXLOGPEN pen;
    if (item && item->GetData() == kWidthId && !EditPen(item, &pen)) {
        // A refused width writes nothing, calls no kit and redraws nothing; the item shows the
        // stored width.
        if (ShownPen(&pen)) SetItemText(item, wellitems::Hundredths(pen.width));
        return 0;
    }
    if (item) {
        if (auto* kit = dynamic_cast<CWpKit*>(m_pTarget)) {
            if (CWpWell* well = kit->GetWell()) EditWell(well, item);
        } else if (auto* graph = dynamic_cast<CQXObjectWellGraph*>(m_pTarget)) {
            EditGraph(graph, item);
        }
    }
    UpdateView();
    return 0;
}

bool CPropListStratum::ShownPen(QXLOGPEN* pen) const {
    if (auto* kit = dynamic_cast<CWpKit*>(m_pTarget)) {
        CWpWell* well = kit->GetWell();
        if (!well) return false;
        *pen = well->GetBorderPen();
        return true;
    }
    if (auto* graph = dynamic_cast<CQXObjectWellGraph*>(m_pTarget)) {
        graph->GetHeadLogPen(pen);
        return true;
    }
    return false;
}

bool CPropListStratum::EditPen(CBCGPProp* item, QXLOGPEN* pen) {
    switch (item->GetData()) {
        case kStyleId:
            return ReadStyle(item, &pen->style);
        case kWidthId:
            return planemap::ReadWidth(ItemText(item), &pen->width);
        case kColorId:
            return ReadColor(item, &pen->color);
        default:
            return false;
    }
}

// A well without strata of its grade takes no edit. A start below the stop, or a stop above the
// start, in the well's stratum order puts the stored one back.
void CPropListStratum::EditWell(CWpWell* well, CBCGPProp* item) {
    CQXLayer* layer = well->GetLayer();
    const CString typeName = well->GetTypeName();
    const int grade = well->GetUnitClass();
    CWellDataManager* data = CWellDataManager::Instance();
    CWellStratum* strata = data->GetWellStratum(grade, well->GetName().GetString());
    if (!strata) return;
    const CString text = ItemText(item);
    switch (item->GetData()) {
        case kStartId: {
            const int n = data->FindStratum(grade, text.GetString());
            if (n > data->FindStratum(grade, well->GetBottomUnit().GetString())) {
                SetItemText(item, well->GetTopUnit());
                break;
            }
            SetSameTypeObjects(layer, &CWpWell::SetTopUnit, text, typeName);
            float depth = 0;
            if (n >= 0 && numtext::FitFloat(strata->GetTopDepth(n), 1, &depth))
                SetSameTypeObjects(layer, &CWpKit::SetTopDepth, depth, typeName);
            break;
        }
        case kStopId: {
            const int n = data->FindStratum(grade, text.GetString());
            if (n < data->FindStratum(grade, well->GetTopUnit().GetString())) {
                SetItemText(item, well->GetBottomUnit());
                break;
            }
            SetSameTypeObjects(layer, &CWpWell::SetBottomUnit, text, typeName);
            float depth = 0;
            if (n >= 0 && numtext::FitFloat(strata->GetTopDepth(n) + strata->GetThick(n), 1, &depth))
                SetSameTypeObjects(layer, &CWpKit::SetBottomDepth, depth, typeName);
            break;
        }
        default: {
            QXLOGPEN pen = well->GetBorderPen();
            if (EditPen(item, &pen)) SetSameTypeObjects(layer, &CWpKit::SetBorderPen, pen, typeName);
            break;
        }
    }
    CallSameTypeKits(layer, typeName);
    UpdateSameTypeObjects(layer, typeName);
}

void CPropListStratum::EditGraph(CQXObjectWellGraph* graph, CBCGPProp* item) {
    CQXLayer* layer = graph->GetLayer();
    const CString typeName = graph->GetTypeName();
    const CString text = ItemText(item);
    switch (item->GetData()) {
        case kStartId:
            SetSameTypeObjects(layer, &CQXObjectWellGraph::SetStartStratum, text.GetString(), typeName);
            break;
        case kStopId:
            SetSameTypeObjects(layer, &CQXObjectWellGraph::SetStopStratum, text.GetString(), typeName);
            break;
        default: {
            QXLOGPEN pen;
            graph->GetHeadLogPen(&pen);
            if (EditPen(item, &pen)) SetSameTypeObjects(layer, &CQXObjectWellGraph::SetHeadLogPen, &pen, typeName);
            break;
        }
    }
    UpdateSameTypeObjects(layer, typeName);
}
