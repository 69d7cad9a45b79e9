#include "section/SandSetor.h"

#include "framework/BmpPropLst.h"
#include "framework/ChangeCheckers.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/ItemGroupsLine.h"
#include "framework/ModuleEntry.h"
#include "framework/OptionTables.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Halyard/Reservoir.h"
#include "hosttypes/Kestrel/GraphStyleManager.h"
#include "hosttypes/Oriel/CMapProperty.h"
#include "hosttypes/Oriel/ConnectionGroups.h"
#include "hosttypes/Oriel/ScContainer.h"
#include "resources/ModuleResources.h"
#include "section/ObjectPageItems.h"
#include "section/SandDisplayMode.h"
#include "section/SectionItems.h"
#include "section/SectionTexts.h"

using KelReservoir::Connection::CkelReservoir;

using namespace sectiontext;

namespace {

const TextValue kFillTypes[] = {{kFaciesMode, 0}, {kLithologySymbol, 1}, {kOilGasWater, 2}, {kSingleFill, 3}};
// "默认" is shown for 0 but not offered again.
const TextValue kPinchoutLengths[] = {
    {kPinchDefault, 0}, {kPinchLhOverH, 1}, {kPinchLhOverH1, 2}, {kPinchHalfSpacing, 4}, {kPinchQuarterSpacing, 5}};
// Local pinch-outs allowed: "允许"; any other text does not allow them.
const TextValue kLocalPinchouts[] = {{kAllowed, 1}, {kNotAllowed, 0}};
// Pictures of the two pinch-out shape pickers and the shape code of each.
const UINT kRiverImages[] = {IDB_STYLE_FIRST, IDB_STYLE_FIRST + 1};
const int kRiverShapes[] = {5, 7};
const UINT kSandDamImages[] = {IDB_STYLE_FIRST + 2, IDB_STYLE_FIRST + 3};
const int kSandDamShapes[] = {8, 10};

constexpr int kCellSizeFillType = 1;  // "岩性符号": the cell size applies

// The show switches and the record flag each sets (the facies-contact and seepage groups share one).
struct FlagItem {
    DWORD_PTR id;
    bool CMapProperty::*field;
};
const FlagItem kShowFlags[] = {
    {CSandSetor::kEnvelopeId + 1, &CMapProperty::m_bShowEnvelope},
    {CSandSetor::kPinchoutShowId, &CMapProperty::m_bShowPinchout},
    {CSandSetor::kFaciesContactId + 1, &CMapProperty::m_bShowInterfaceLine},
    {CSandSetor::kSeepageShowId, &CMapProperty::m_bShowInterfaceLine},
    {CSandSetor::kOswId + 1, &CMapProperty::m_bShowOSWLine},
};

// The pens edited by three consecutive items (style, width, colour) from first on, the style's place
// in its group, and who takes the pen after an edit.
struct PenItems {
    DWORD_PTR first;
    int place;
    QXLOGPEN CMapProperty::*field;
    void (CnConnectionGroupMgr::*groupSetter)(const QXLOGPEN&);
    void (CkelReservoir::*reservoirChanged)();
};
// The seepage group holds its switch and its interface form before the pen.
constexpr int kSeepagePenPlace = 2;
const PenItems kPens[] = {
    {CSandSetor::kEnvelopeId + 2, kAfterShowSwitch, &CMapProperty::m_envelopePen,
     &CnConnectionGroupMgr::SetConLinePen, &CkelReservoir::EnvelopCurvePenChanged},
    {CSandSetor::kFaciesContactId + 2, kAfterShowSwitch, &CMapProperty::m_interfacePen,
     &CnConnectionGroupMgr::SetSplitLinePen, &CkelReservoir::SplitCurvePenChanged},
    {CSandSetor::kSeepageStyleId, kSeepagePenPlace, &CMapProperty::m_interfacePen,
     &CnConnectionGroupMgr::SetSplitLinePen, &CkelReservoir::SplitCurvePenChanged},
    {CSandSetor::kOswId + 2, kAfterShowSwitch, &CMapProperty::m_oswPen, nullptr,
     &CkelReservoir::FlowUnitPenChanged},
};

CBCGPProp* NewGroup(const char* name, DWORD_PTR id) { return new CBCGPProp(name, id, FALSE); }

CBmpPropLst* NewShapePicker(const char* name, const char* description, DWORD_PTR id, const UINT (&images)[2]) {
    auto* picker = new CBmpPropLst(name, 0, description);
    picker->SetData(id);
    picker->m_imageList.assign(std::begin(images), std::end(images));
    picker->m_hResModule = GetTessalyModuleHandle();
    return picker;
}

// The shape code of the picked picture; -1 when none is picked.
int PickedShape(CBCGPProp* item, const int (&shapes)[2]) {
    auto* picker = dynamic_cast<CBmpPropLst*>(item);
    const int index = picker ? picker->m_nSelectedIndex : -1;
    return (index == 0 || index == 1) ? shapes[index] : -1;
}

}  // namespace

CSandSetor::CSandSetor(ScContainer* container) : m_pContainer(container) {}
CSandSetor::~CSandSetor() = default;

int CSandSetor::Kind() const { return m_pContainer ? m_pContainer->GetType() : ScControlerClient::CT_BASE; }

int CSandSetor::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    const int kind = Kind();

    CBCGPProp* fill = NewGroup(kFill, kFillGroupId);
    // The four fill types, of which a reservoir offers two and other kinds none; no other text.
    CFixedListProp* fillType =
        section::NewList(kFillType, "", kFillTypeDescription, kFillTypeId, kFillTypes, kOtherRefused);
    if (kind == ScControlerClient::CT_RESERVOIR)
        fillType->OfferOnly({kOilGasWater, kFaciesMode});
    else if (kind != ScControlerClient::CT_CONNECTION && kind != ScControlerClient::CT_FENCE)
        fillType->RemoveAllOptions();
    fill->AddSubItem(fillType);
    auto* cellSize = new CBCGPropFloat(grouptext::kFillCellSize, _variant_t(0.0), 2,
                                       grouptext::kFillCellSizeDescription, FALSE, kCellSizeId);
    cellSize->SetTextRule(section::ItemSizeRule(100.0));
    fill->AddSubItem(cellSize);
    CBCGPProp* single = CreateFillProp(kSingleFill, kSingleFillId);
    single->Expand(TRUE);
    fill->AddSubItem(single);
    m_wndPropList.AddProperty(fill, TRUE, TRUE);

    CBCGPProp* sand = NewGroup(kSandLayer, kSandGroupId);
    sand->AddSubItem(NewSandDisplayList(grouptext::kShow, kSandDisplayDescription, kSandDisplayId));
    m_wndPropList.AddProperty(sand, TRUE, TRUE);

    m_wndPropList.AddProperty(CreateShowLineProp(kEnvelope, kEnvelopeId), TRUE, TRUE);

    CBCGPProp* pinch = NewGroup(kPinchout, kPinchoutGroupId);
    pinch->AddSubItem(NewYesNoList(grouptext::kShow, "", kPinchoutShowDescription, kPinchoutShowId));
    pinch->AddSubItem(section::NewList(kPinchoutLength, "", kPinchoutLengthDescription, kPinchoutLengthId,
                                       kPinchoutLengths, OtherTakenAs(-1),
                                       {kPinchHalfSpacing, kPinchQuarterSpacing, kPinchLhOverH1, kPinchLhOverH}));
    pinch->AddSubItem(NewShapePicker(kRiverShape, kRiverShapeDescription, kRiverShapeId, kRiverImages));
    pinch->AddSubItem(NewShapePicker(kSandDamShape, kSandDamShapeDescription, kSandDamShapeId, kSandDamImages));
    pinch->AddSubItem(
        section::NewList(kLocalPinchout, "", kLocalPinchout, kLocalPinchoutId, kLocalPinchouts, OtherTakenAs(0)));
    m_wndPropList.AddProperty(pinch, TRUE, TRUE);

    m_wndPropList.AddProperty(CreateShowLineProp(kFaciesContact, kFaciesContactId), TRUE, TRUE);

    CBCGPProp* seepage = section::NewSeepageGroup(kSeepageGroupId);
    m_wndPropList.AddProperty(seepage, TRUE, TRUE);

    m_wndPropList.AddProperty(CreateShowLineProp(kOswInterface, kOswId), TRUE, TRUE);
    // The seepage width is read as the line groups' widths are (they come with the rule).
    ReadBy(Item(kSeepageWidthId), HundredthsItemRule());
    return 0;
}

// ---- refresh --------------------------------------------------------------------------------------

void CSandSetor::UpdateBCGPProperty(long object, CString) {
    if (object != m_curObject || !m_pContainer) return;
    if (!CProChangedChecker(m_pContainer, this)()) return;
    const boost::shared_ptr<CMapProperty> record = CMapPropertySignle::Instance()->GetProperty();
    if (!record) return;
    ShowFill(*record);
    ShowSandLayers(*record);
    SetShowLineProp(Item(kEnvelopeId), record->m_envelopePen, record->m_bShowEnvelope);
    ShowPinchout(*record);
    ShowInterfaces(*record);
}

void CSandSetor::ShowFill(const CMapProperty& record) {
    CBCGPProp* fillType = Item(kFillTypeId);
    SetItemText(fillType, TextOfValue(kFillTypes, record.m_nFillType, ""));
    if (CBCGPProp* size = Item(kCellSizeId)) {
        const bool shown = record.m_nFillType == kCellSizeFillType;
        size->Show(shown);
        if (shown) size->SetValue(_variant_t(record.m_dCellSize / 100.0));
    }
    if (CBCGPProp* single = Item(kSingleFillId)) {
        const bool shown = ItemText(fillType) == kSingleFill;
        single->Show(shown);
        if (shown) SetFillProp(single, record.m_strFillStyleSet, record.m_singleFill);
    }
}

void CSandSetor::ShowSandLayers(const CMapProperty& record) {
    SetItemText(Item(kSandDisplayId), SandDisplayModeText(record.m_nSandDisplay));
}

void CSandSetor::ShowPinchout(const CMapProperty& record) {
    const int kind = Kind();
    if (CBCGPProp* group = Item(kPinchoutGroupId); group && kind == ScControlerClient::CT_RESERVOIR) {
        auto* reservoir = dynamic_cast<CkelReservoir*>(m_pContainer);
        const bool open = !(reservoir && reservoir->GetCurve());
        EnableAllSubItems(group, open);
        group->Expand(open);
    }
    if (CBCGPProp* show = Item(kPinchoutShowId)) {
        show->Show(kind == ScControlerClient::CT_FENCE);
        if (kind == ScControlerClient::CT_FENCE) SetYesNoProp(show, record.m_bShowPinchout);
    }
    SetItemText(Item(kPinchoutLengthId), TextOfValue(kPinchoutLengths, record.m_nPinchoutLength, ""));
    section::ShowPicture(Item(kRiverShapeId), record.m_nRiverShape == kRiverShapes[0] ? 0 : 1);
    section::ShowPicture(Item(kSandDamShapeId), record.m_nSandDamShape == kSandDamShapes[0]   ? 0
                                                : record.m_nSandDamShape == kSandDamShapes[1] ? 1
                                                                                              : -1);
    SetItemText(Item(kLocalPinchoutId), record.m_bLocalPinchout ? kAllowed : kNotAllowed);
}

void CSandSetor::ShowInterfaces(const CMapProperty& record) {
    const bool reservoir = Kind() == ScControlerClient::CT_RESERVOIR;
    if (CBCGPProp* contact = Item(kFaciesContactId)) {
        contact->Show(!reservoir);
        if (!reservoir) SetShowLineProp(contact, record.m_interfacePen, record.m_bShowInterfaceLine);
    }
    if (CBCGPProp* seepage = Item(kSeepageGroupId)) {
        seepage->Show(reservoir);
        if (reservoir) {
            const bool shown = record.m_bShowInterfaceLine;
            SetYesNoProp(Item(kSeepageShowId), shown);
            SetItemText(Item(kSeepageFormId), kAbruptStraight);
            for (DWORD_PTR id : {kSeepageStyleId, kSeepageWidthId, kSeepageColorId})
                if (CBCGPProp* item = Item(id)) item->Enable(shown);
            if (shown) {
                if (auto* style = dynamic_cast<CPropStyleCombox*>(Item(kSeepageStyleId))) {
                    UINT value = record.m_interfacePen.style;
                    style->SetVal(value);
                }
                if (CBCGPProp* width = Item(kSeepageWidthId))
                    width->SetValue(_variant_t(record.m_interfacePen.width / 100.0));
                if (auto* colour = dynamic_cast<CBCGPColorProp*>(Item(kSeepageColorId)))
                    colour->SetColor(record.m_interfacePen.color);
            }
        }
    }
    if (CBCGPProp* osw = Item(kOswId)) {
        osw->Show(reservoir);
        if (reservoir) SetShowLineProp(osw, record.m_oswPen, record.m_bShowOSWLine);
    }
}

// ---- edits ------------------------------------------------------------------------------------------

LRESULT CSandSetor::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    if (boost::shared_ptr<CMapProperty> record = CMapPropertySignle::Instance()->GetProperty();
        record && item && m_pContainer && !EditRecord(*record, item)) {
        ShowItemAgain(item);
        return 0;
    }
    if (m_pContainer) {
        m_pContainer->UpdateWnd();
        m_pContainer->SetModifyFlag(1);
    }
    return 0;
}

// The widths and cell sizes with the record's values, in their items' two decimals.
void CSandSetor::ShowItemAgain(CBCGPProp* item) {
    CWndLst::ShowItemAgain(item);
    const boost::shared_ptr<CMapProperty> held = CMapPropertySignle::Instance()->GetProperty();
    if (!item || !held) return;
    const CMapProperty& record = *held;
    const DWORD_PTR id = item->GetData();
    for (const PenItems& pen : kPens)
        if (id == pen.first + 1) ShowStoredValueOf(item, {{id, (record.*pen.field).width / 100.0}});
    ShowStoredValueOf(
        item, {{kCellSizeId, record.m_dCellSize / 100.0}, {kSingleFillId + 5, record.m_singleFill.size / 100.0}});
}

bool CSandSetor::EditRecord(CMapProperty& record, CBCGPProp* item) {
    const DWORD_PTR id = item->GetData();
    // The show switches: stored, and the section stamped so that the pages show what follows.
    for (const FlagItem& flag : kShowFlags)
        if (id == flag.id) {
            record.*flag.field = ReadYesNo(item);
            m_pContainer->ProChanged();
            return true;
        }
    // One sub-item of a pen: stored, then the connection groups (and a reservoir's curves) take it.
    for (const PenItems& pen : kPens)
        if (id >= pen.first && id < pen.first + 3) {
            if (!ReadEditedPen(item, record.*pen.field, pen.place)) return false;
            ApplyGroupPen(pen.groupSetter, record.*pen.field, pen.reservoirChanged);
            return true;
        }
    switch (id) {
        case kFillTypeId:
            if (!ReadFixedList(item, &record.m_nFillType)) return false;
            UpdateSandFill(record);
            m_pContainer->ProChanged();
            break;
        case kCellSizeId:
            if (!section::ReadItemSize(item, 100.0, &record.m_dCellSize)) return false;
            UpdateSandFill(record);
            break;
        case kSingleFillId + 1:
        case kSingleFillId + 2:
        case kSingleFillId + 3:
        case kSingleFillId + 4:
        case kSingleFillId + 5:
        case kSingleFillId + 6:
            if (!GetFillSubProp(item, &record.m_strFillStyleSet, static_cast<int>(id - kSingleFillId - 1),
                                record.m_singleFill))
                return false;
            UpdateSandFill(record);
            m_pContainer->ProChanged();
            break;
        case kSandDisplayId:
            if (!ReadFixedList(item, &record.m_nSandDisplay)) return false;
            record.FliterGroup();
            break;
        case kPinchoutLengthId:
            if (!ReadFixedList(item, &record.m_nPinchoutLength)) return false;
            record.ReCreatePinchout();
            RebuildFlowUnits();
            break;
        case kRiverShapeId:
            record.m_nRiverShape = PickedShape(item, kRiverShapes);
            record.ReCreateRiver();
            RebuildFlowUnits();
            break;
        case kSandDamShapeId:
            record.m_nSandDamShape = PickedShape(item, kSandDamShapes);
            record.ReCreateSandDam();
            RebuildFlowUnits();
            break;
        case kLocalPinchoutId:
            record.m_bLocalPinchout = ReadYesNo(item);
            record.ReCreateNormal();
            RebuildFlowUnits();
            break;
        default:
            break;
    }
    return true;
}

void CSandSetor::UpdateSandFill(CMapProperty& record) {
    record.UpdateSandFill();
    if (auto* reservoir = dynamic_cast<CkelReservoir*>(m_pContainer)) reservoir->UpdateSandFill();
}

void CSandSetor::RebuildFlowUnits() {
    if (auto* reservoir = dynamic_cast<CkelReservoir*>(m_pContainer))
        reservoir->GetFlowUnitManager().ReBuildWithOSWInfo();
}

// Every connection group of the section (over a copy of the vector) takes the pen through set
// (none when NULL); then a reservoir redraws what is drawn with it.
void CSandSetor::ApplyGroupPen(void (CnConnectionGroupMgr::*set)(const QXLOGPEN&), const QXLOGPEN& pen,
                               void (CkelReservoir::*changed)()) {
    const ScConGroupMgrVector groups = m_pContainer->GetConMgrVector();
    for (unsigned int i = 0; set && i < groups.GetNum(); ++i)
        if (boost::shared_ptr<CnConnectionGroupMgr> group = groups.GetObj(i)) (group.get()->*set)(pen);
    if (auto* reservoir = dynamic_cast<CkelReservoir*>(m_pContainer)) (reservoir->*changed)();
}
