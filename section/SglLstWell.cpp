#include "section/SglLstWell.h"

#include <cmath>

#include "framework/ChangeCheckers.h"
#include "framework/ModuleFamilies.h"
#include "framework/NumberText.h"
#include "framework/OptionTables.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "hosttypes/Pennant/SglWellAdapter.h"
#include "hosttypes/Pennant/SingleWellSection.h"
#include "hosttypes/Tinder/TimeStamp.h"
#include "section/SectionItems.h"
#include "section/SectionObject.h"
#include "section/SectionOptions.h"
#include "section/SingleWellSteps.h"
#include "section/SingleWellTexts.h"
#include "win32/Win32.h"

using namespace sectiontext;

// ---- the formatter --------------------------------------------------------------------------------

namespace {

// A plain pointer, so that nothing frees it at exit before the module's unload does.
ScDecimalFormator*& FormatorSlot() {
    static ScDecimalFormator* formator = nullptr;
    return formator;
}

// The formatter lives until the module is unloaded.
ModuleFamily g_decimalFormatorLifetime([] {}, &ScDecimalFormator::Release);

}  // namespace

ScDecimalFormator& ScDecimalFormator::Instance() {
    ScDecimalFormator*& slot = FormatorSlot();
    if (!slot) slot = new ScDecimalFormator;
    return *slot;
}

void ScDecimalFormator::Release() {
    delete FormatorSlot();
    FormatorSlot() = nullptr;
}

CString ScDecimalFormator::Format(double value) const { return numtext::Fixed(value, m_nDigits); }

CString ScDecimalFormator::Format(int value) const {
    CString text;
    text.Format("%d", value);
    return text;
}

// ---- the page -----------------------------------------------------------------------------------------

namespace {

CBCGPProp* NewReadOnlyText(const char* name, DWORD_PTR id) {
    auto* item = new CBCGPProp(name, _variant_t(""), "", id);
    item->AllowEdit(FALSE);
    return item;
}

// An elevation is shown negated; a zero bound keeps its sign.
double Shown(double depth, bool elevation) { return elevation && std::fabs(depth) > kFltEpsilon ? -depth : depth; }

}  // namespace

CsglLstWell::CsglLstWell(CSglWellAdapter* well) : m_pWell(well) {}

CsglLstWell::~CsglLstWell() = default;

CString CsglLstWell::DepthRangeText(const CSglWellAdapter& well) {
    const bool elevation = well.GetDepthDataType() == DEPTHDATA_ELEVATION;
    const ScDecimalFormator& formator = ScDecimalFormator::Instance();
    return formator.Format(Shown(well.GetTopDep(), elevation)) + "," +
           formator.Format(Shown(well.GetBottomDep(), elevation));
}

int CsglLstWell::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    auto* basic = new CBCGPProp(kBasic, kBasicId, FALSE);
    CBCGPProp* name = NewReadOnlyText(kWellName, kWellNameId);
    if (m_pWell) SetItemText(name, m_pWell->GetWellName().c_str());
    basic->AddSubItem(name);
    CBCGPProp* templ = NewOptionItem(kTemplate, "", "", kTemplateId, {kNoTemplate}, false);
    section::AddTemplateOptionsOfType(templ, TemplateManager::TPL_SINGLEWELL);
    basic->AddSubItem(templ);
    basic->AddSubItem(NewOptionItem(kDepthType, "", "", kDepthTypeId, {}, false));
    const double width = m_pWell ? m_pWell->GetWidth() / 100.0 : 0.0;
    auto* widthItem = new CBCGPropFloat(kWellWidth, _variant_t(width), 2, "", FALSE, kWidthId);
    widthItem->SetTextRule(section::ItemSizeRule(100.0));
    basic->AddSubItem(widthItem);
    basic->AddSubItem(NewReadOnlyText(sgltext::kDepthRange, kDepthRangeId));
    m_wndPropList.AddProperty(basic, TRUE, TRUE);
    return 0;
}

// The width item is not read again: it keeps what was typed.
void CsglLstWell::UpdateBCGPProperty(long object, CString) {
    if (object != m_curObject) return;
    if (auto* well = dynamic_cast<CSglWellAdapter*>(SectionObjectOf(object))) m_pWell = well;
    if (!m_pWell || !ScProChangedChecker(m_pWell, this)()) return;
    ShowTextIfChanged(Item(kWellNameId), m_pWell->GetWellName().c_str());
    ShowTextIfChanged(Item(kTemplateId), section::TemplateTextOfPath(m_pWell->GetTemplateFullPath()));
    const CString type = TextOfValue(kDepthTypes, m_pWell->GetDepthDataType(), "");
    if (!type.IsEmpty()) ShowTextIfChanged(Item(kDepthTypeId), type);
    ShowTextIfChanged(Item(kDepthRangeId), DepthRangeText(*m_pWell));
}

void CsglLstWell::ShowItemAgain(CBCGPProp* item) {
    CWndLst::ShowItemAgain(item);
    if (item && m_pWell) ShowStoredValueOf(item, {{kWidthId, m_pWell->GetWidth() / 100.0}});
}

LRESULT CsglLstWell::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    if (!m_pWell) return 0;
    double width = 0;
    switch (item ? item->GetData() : 0) {
        case kTemplateId:
            m_pWell->SetTemplate(section::TemplatePathOfType(ItemText(item), TemplateManager::TPL_SINGLEWELL), true);
            m_pWell->SetTimeStamp(AfxGetTimeStamp());
            m_pWell->RecalculateDrawing();
            break;
        case kWidthId:
            // A width the reader refuses is written nowhere.
            if (!section::ReadItemSize(item, 100.0, &width)) {
                ShowItemAgain(item);
                return 0;
            }
            m_pWell->SetWidth(width);
            m_pWell->SetTimeStamp(AfxGetTimeStamp());
            m_pWell->RecalculateDrawing();
            if (CSingleWellSection* section = m_pWell->GetSingle()) section->UpdateStratumSand();
            break;
        default:
            break;
    }
    single::Redraw(m_pWell->GetSingle());
    return 0;
}
