#include "section/LstSandUnitFill.h"

#include "framework/ChangeCheckers.h"
#include "framework/PropItems.h"
#include "hosttypes/Osprey/WellDataManager.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "hosttypes/Pennant/SandUnit.h"
#include "section/SectionTexts.h"
#include "section/SingleWellSteps.h"
#include "section/SingleWellTexts.h"

namespace {
CBCGPProp* NewReadOnly(const char* name, const char* value, DWORD_PTR id) {
    return NewOptionItem(name, value, name, id, {}, false);
}
}  // namespace

CLstSandUnitFill::CLstSandUnitFill(Sand::CSandUnitFill* fill) : m_pFill(fill) {}
CLstSandUnitFill::~CLstSandUnitFill() = default;

int CLstSandUnitFill::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(NewReadOnly(sgltext::kOwnerStratum, "", kStratumId), TRUE, TRUE);
    m_wndPropList.AddProperty(NewReadOnly(sgltext::kInterpretationNumber, "", kNumberId), TRUE, TRUE);
    m_wndPropList.AddProperty(NewReadOnly(sgltext::kInterpretationResult, sectiontext::kOilGasWater, kResultId), TRUE,
                              TRUE);
    CBCGPProp* code = NewReadOnly(sgltext::kOilFill, "", kOilCodeId);
    code->AddOption(sgltext::kDefaultFill, TRUE);
    CSymbolManager* symbols = CWellDataManager::Instance()->GetOilSymbolManager();
    for (int i = 0; i < symbols->GetCount(); ++i) code->AddOption(symbols->GetData(i)->name, TRUE);
    m_wndPropList.AddProperty(code, TRUE, TRUE);
    return 0;
}

void CLstSandUnitFill::UpdateBCGPProperty(long, CString) {
    if (!m_pFill || !ScProChangedChecker(m_pFill, this)()) return;
    const Sand::CSandUnit* unit = m_pFill->GetSandUnit();
    if (!unit) return;
    SetItemText(Item(kStratumId), unit->GetStratumName().c_str());
    SetItemText(Item(kOilCodeId), unit->GetOilCode().c_str());
}

LRESULT CLstSandUnitFill::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    Sand::CSandUnit* unit = m_pFill ? m_pFill->GetSandUnit() : nullptr;
    if (!item || item->GetData() != kOilCodeId || !unit) return 0;
    const CString code = ItemText(item);
    unit->SetOilCode(code.str());
    QXLOGBRUSH brush = CWellDataManager::Instance()->GetOilSymbolManager()->GetLogBrushByCode(code);
    if (CQXObjectFill* fill = m_pFill->GetFill()) fill->SetLogBrush(&brush);
    single::Redraw(single::SectionOf(unit));
    return 0;
}
