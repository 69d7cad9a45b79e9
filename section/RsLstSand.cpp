#include "section/RsLstSand.h"

#include "framework/ItemGroupsFill.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "hosttypes/Halyard/FlowUnit.h"
#include "hosttypes/Halyard/OSWerLine.h"
#include "hosttypes/Oriel/ConnectionLines.h"
#include "hosttypes/Oriel/ConnectionSegments.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "section/LstOiLine.h"
#include "section/ObjectPageItems.h"
#include "section/ObjectPageTexts.h"
#include "section/SectionItems.h"
#include "section/SectionTexts.h"

using KelReservoir::SandUnit::CkelFlowUnit;
using KelReservoir::SandUnit::CkelOSWerLine;
using KelReservoir::SandUnit::CkelOSWerLineManager;
using namespace sectiontext;
using namespace section;

namespace {

// The fill type whose code names a flow unit's type.
constexpr SymbolFillType kUnitTypeFill = SYMFILL_UNIT;

CnSandFill* FirstFill(CkelFlowUnit& unit) { return unit.GetFillManager().GetObj(0); }

}  // namespace

CRsLstSand::CRsLstSand(CkelFlowUnit* unit) : m_pUnit(unit) {}
CRsLstSand::~CRsLstSand() = default;

CkelOSWerLineManager* CRsLstSand::LineManager() const { return m_pUnit ? m_pUnit->GetOswLineManager().get() : nullptr; }

// ---- fill ---------------------------------------------------------------------------------------------

int CRsLstSand::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    CkelOSWerLineManager* lines = LineManager();
    const bool noUnits = !lines || lines->GetOSWerUnitNum() == 0;
    BuildSandGroup(noUnits);
    const CkelOSWerLine* upper = lines ? lines->GetUpperLine().get() : nullptr;
    const CkelOSWerLine* lower = lines ? lines->GetLowerLine().get() : nullptr;
    m_wndPropList.AddProperty(NewInterfaceLineGroup(kUpperLineId, kUpperDepthId, upper, !noUnits), TRUE, TRUE);
    m_wndPropList.AddProperty(
        NewInterfaceLineGroup(kLowerLineId, kLowerDepthId, lower, !noUnits && lines->GetNum() != 1), TRUE, TRUE);
    return 0;
}

void CRsLstSand::BuildSandGroup(bool enabled) {
    CBCGPProp* sand = Item(kSandId);
    const bool made = !sand;
    if (made) sand = new CBCGPProp(kSandBody, kSandId, FALSE);
    CnSandFill* fill = m_pUnit ? FirstFill(*m_pUnit) : nullptr;
    CnSand* body = fill ? fill->GetSand() : nullptr;
    // A unit without a sand fill has no type to show.
    CBCGPProp* type =
        NewTextValueItem(kUnitType, body ? body->GetCode(kUnitTypeFill).c_str() : "", kUnitType, kUnitTypeId, false);
    type->Enable(enabled ? TRUE : FALSE);
    sand->AddSubItem(type);
    m_pFillGroup = CreateFillProp(kFill, kFillId);
    ReadBy(m_pFillGroup->FindSubItemByData(kFillCellSizeId), HundredthsRule());
    m_pFillGroup->Expand(TRUE);
    sand->AddSubItem(m_pFillGroup);
    sand->Expand(TRUE);
    sand->Enable(enabled ? TRUE : FALSE);
    if (made) m_wndPropList.AddProperty(sand, TRUE, TRUE);
}

// ---- refresh ------------------------------------------------------------------------------------------

void CRsLstSand::UpdateBCGPProperty(long object, CString) {
    // Another kind of object leaves the page's flow unit.
    auto* unit = ChangedSelection<CkelFlowUnit>(object, m_curObject, m_timeStamp);
    if (!unit) return;
    m_pUnit = unit;
    CkelOSWerLineManager* lines = LineManager();
    switch (lines ? lines->GetNum() : 0) {
        case 2:
            EnableGroup(kUpperLineId, true);
            EnableGroup(kLowerLineId, true);
            EnableSandItems(false);
            if (ShowLine(true)) ShowLine(false);
            break;
        case 1:
            EnableGroup(kUpperLineId, true);
            EnableGroup(kLowerLineId, false);
            EnableSandItems(false);
            ShowLine(true);
            break;
        case 0:
            EnableGroup(kUpperLineId, false);
            EnableGroup(kLowerLineId, false);
            EnableSandItems(true);
            ShowSand();
            break;
        default:
            break;
    }
}

void CRsLstSand::EnableGroup(DWORD_PTR group, bool enabled) {
    CBCGPProp* item = Item(group);
    if (!item) return;
    item->Enable(enabled ? TRUE : FALSE);
    for (int i = 0; i < item->GetSubItemsCount(); ++i) item->GetSubItem(i)->Enable(enabled ? TRUE : FALSE);
}

// The unit type and the fill's own items; the sand and fill group items keep their state.
void CRsLstSand::EnableSandItems(bool enabled) {
    if (CBCGPProp* type = Item(kUnitTypeId)) type->Enable(enabled ? TRUE : FALSE);
    if (m_pFillGroup)
        for (int i = 0; i < m_pFillGroup->GetSubItemsCount(); ++i)
            m_pFillGroup->GetSubItem(i)->Enable(enabled ? TRUE : FALSE);
}

// A unit without a sand fill (or a fill without its drawing) shows the type and fill empty.
void CRsLstSand::ShowSand() {
    CnSandFill* fill = FirstFill(*m_pUnit);
    CnSand* body = fill ? fill->GetSand() : nullptr;
    ShowTextIfChanged(Item(kUnitTypeId), body ? body->GetCode(kUnitTypeFill).c_str() : "");
    CQXObjectFill* drawing = fill ? fill->GetFillObject() : nullptr;
    if (!m_pFillGroup) return;
    if (!drawing) {
        ClearSubItems(m_pFillGroup);
        return;
    }
    QXLOGBRUSH brush;
    drawing->GetLogBrush(&brush);
    SetFillProp(m_pFillGroup, kAllStyleSets, brush);
}

bool CRsLstSand::ShowLine(bool upper) {
    CkelOSWerLineManager* lines = LineManager();
    const boost::shared_ptr<CkelOSWerLine> line = upper ? lines->GetUpperLine() : lines->GetLowerLine();
    if (!line) return false;
    const DWORD_PTR depth = upper ? kUpperDepthId : kLowerDepthId;
    ShowInterfaceLine(Item(depth), Item(depth + 1), Item(depth + 2), *line);
    return true;
}

// ---- edits --------------------------------------------------------------------------------------------

LRESULT CRsLstSand::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    if (item && m_pUnit) {
        const DWORD_PTR id = item->GetData();
        CkelOSWerLineManager* lines = LineManager();
        bool taken = true;
        if (id > kFillId && id <= kFillTransparentId)
            taken = EditFill(item);
        else if (id == kUpperDepthId && lines)
            taken = MoveInterfaceLine(this, lines->GetUpperLine().get(), item);
        else if (id == kLowerDepthId && lines)
            taken = MoveInterfaceLine(this, lines->GetLowerLine().get(), item);
        if (!taken) return 0;
    }
    RedrawCurrentSection();
    return 0;
}

void CRsLstSand::ShowItemAgain(CBCGPProp* item) {
    CWndLst::ShowItemAgain(item);
    if (!item || !m_pUnit) return;
    CnSandFill* fill = FirstFill(*m_pUnit);
    if (CQXObjectFill* drawing = fill ? fill->GetFillObject() : nullptr) {
        QXLOGBRUSH shown;
        drawing->GetLogBrush(&shown);
        ShowStoredValueOf(item, {{kFillCellSizeId, shown.size / 100.0}});
    }
    if (CkelOSWerLineManager* lines = LineManager())
        for (const auto& [id, line] : {std::make_pair(kUpperDepthId, lines->GetUpperLine()),
                                       std::make_pair(kLowerDepthId, lines->GetLowerLine())})
            if (line) ShowStoredValueOf(item, {{id, line->GetDepth()}});
}

// A unit without a sand fill shows no fill, and none is edited. A cell size the reader refuses
// is written nowhere: the item shows the fill's again.
bool CRsLstSand::EditFill(CBCGPProp* item) {
    CnSandFill* fill = FirstFill(*m_pUnit);
    if (!fill) return true;
    QXLOGBRUSH brush = m_pUnit->GetBrush();
    const DWORD_PTR id = item->GetData();
    if (id == kFillStyleSetId) {
        // A set chosen: its first style shows in the style picker and goes into the brush. An
        // empty name (reported from code) changes nothing: it is refused.
        const CString set = ItemText(item);
        if (set.IsEmpty()) {
            ShowTextBefore(item);
            return false;
        }
        auto* picker = m_pFillGroup ? dynamic_cast<CPropStyleCombox*>(m_pFillGroup->GetSubItem(1)) : nullptr;
        if (picker) picker->SetStyleGroup(set, true);
        UINT first = GetFirstFillStyleID(set);
        if (picker) picker->SetVal(first);
        brush.style = first;
    } else if (id == kFillCellSizeId) {
        if (!ReadHundredths(item, &brush.size)) {
            ShowItemAgain(item);
            return false;
        }
    } else {
        GetFillSubProp(item, nullptr, static_cast<int>(id - kFillStyleSetId), brush);
    }
    m_pUnit->SetBrush(brush);
    return true;
}
