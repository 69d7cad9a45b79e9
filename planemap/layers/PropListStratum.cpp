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

// The column group holds the interval and the template before the pen's style, width and colour.
constexpr int kFirstPenField = 3;

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
    RefreshColumn(well);
}

void CPropListStratum::RefreshGraph(CQXObjectWellGraph* graph) {
    SetItemText(FindItem(kTypeId), graph->GetTypeName());
    SetItemText(FindItem(kWellId), graph->GetTitle());
    for (DWORD_PTR id : {kStartId, kStopId})
        if (CBCGPProp* item = FindItem(id)) item->RemoveAllOptions();
    RefreshColumn(graph);
}

void CPropListStratum::RefreshColumn(CQXObject* object) {
    SetItemText(FindItem(kTemplateId), TemplateOf(object));
    for (DWORD_PTR id : {kStartId, kStopId, kStyleId, kWidthId, kColorId})
        if (CBCGPProp* item = FindItem(id)) ShowStored(item);
}

// The interval and the pen of the shown well or graph as the refresh shows them.
void CPropListStratum::ShowStored(CBCGPProp* item) {
    CString start, stop;
    QXLOGPEN pen;
    if (auto* kit = dynamic_cast<CWpKit*>(m_pTarget)) {
        CWpWell* well = kit->GetWell();
        if (!well) return;
        start = well->GetTopUnit();
        stop = well->GetBottomUnit();
        pen = well->GetBorderPen();
    } else if (auto* graph = dynamic_cast<CQXObjectWellGraph*>(m_pTarget)) {
        start = graph->GetStartStratum();
        stop = graph->GetStopStratum();
        graph->GetHeadLogPen(&pen);
    } else {
        return;
    }
    if (item->GetData() == kStartId)
        SetItemText(item, start);
    else if (item->GetData() == kStopId)
        SetItemText(item, stop);
    else
        wellitems::ShowPenField(item, pen, kStyleId, kWidthId, kColorId);
}

void CPropListStratum::ShowItemAgain(CBCGPProp* item) {
    if (item) ShowStored(item);
    CWndLstPlane::ShowItemAgain(item);
}

// An edit the well's data or the pen's rule refuses writes nothing, calls no kit and redraws
// nothing: the item alone shows the stored value again.
LRESULT CPropListStratum::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    bool taken = true;
    if (item) {
        if (auto* kit = dynamic_cast<CWpKit*>(m_pTarget)) {
            if (CWpWell* well = kit->GetWell()) taken = EditWell(well, item);
        } else if (auto* graph = dynamic_cast<CQXObjectWellGraph*>(m_pTarget)) {
            taken = EditGraph(graph, item);
        }
    }
    if (!taken) {
        ShowItemAgain(item);
        return 0;
    }
    UpdateView();
    return 0;
}

// A well without strata of its grade takes no edit, and neither does a start below the stop or a
// stop above the start in the well's stratum order.
bool CPropListStratum::EditWell(CWpWell* well, CBCGPProp* item) {
    CQXLayer* layer = well->GetLayer();
    const CString typeName = well->GetTypeName();
    const int grade = well->GetUnitClass();
    CWellDataManager* data = CWellDataManager::Instance();
    CWellStratum* strata = data->GetWellStratum(grade, well->GetName().GetString());
    if (!strata) return false;
    const CString text = ItemText(item);
    switch (item->GetData()) {
        case kStartId: {
            const int n = data->FindStratum(grade, text.GetString());
            if (n > data->FindStratum(grade, well->GetBottomUnit().GetString())) return false;
            SetSameTypeObjects(layer, &CWpWell::SetTopUnit, text, typeName);
            float depth = 0;
            if (n >= 0 && numtext::FitFloat(strata->GetTopDepth(n), 1, &depth))
                SetSameTypeObjects(layer, &CWpKit::SetTopDepth, depth, typeName);
            break;
        }
        case kStopId: {
            const int n = data->FindStratum(grade, text.GetString());
            if (n < data->FindStratum(grade, well->GetTopUnit().GetString())) return false;
            SetSameTypeObjects(layer, &CWpWell::SetBottomUnit, text, typeName);
            float depth = 0;
            if (n >= 0 && numtext::FitFloat(strata->GetTopDepth(n) + strata->GetThick(n), 1, &depth))
                SetSameTypeObjects(layer, &CWpKit::SetBottomDepth, depth, typeName);
            break;
        }
        case kStyleId:
        case kWidthId:
        case kColorId: {
            QXLOGPEN pen = well->GetBorderPen();
            if (!ReadEditedField(item, pen, kFirstPenField)) return false;
            SetSameTypeObjects(layer, &CWpKit::SetBorderPen, pen, typeName);
            break;
        }
        default:
            break;
    }
    CallSameTypeKits(layer, typeName);
    UpdateSameTypeObjects(layer, typeName);
    return true;
}

bool CPropListStratum::EditGraph(CQXObjectWellGraph* graph, CBCGPProp* item) {
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
        case kStyleId:
        case kWidthId:
        case kColorId: {
            QXLOGPEN pen;
            graph->GetHeadLogPen(&pen);
            if (!ReadEditedField(item, pen, kFirstPenField)) return false;
            SetSameTypeObjects(layer, &CQXObjectWellGraph::SetHeadLogPen, &pen, typeName);
            break;
        }
        default:
            break;
    }
    UpdateSameTypeObjects(layer, typeName);
    return true;
}
