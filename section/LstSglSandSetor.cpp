#include "section/LstSglSandSetor.h"

#include "framework/ChangeCheckers.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Kestrel/GraphStyleManager.h"
#include "hosttypes/Pennant/SandUnit.h"
#include "hosttypes/Pennant/SglWellAdapter.h"
#include "hosttypes/Pennant/SingleWellSection.h"
#include "section/ObjectPageItems.h"
#include "section/SandDisplayMode.h"
#include "section/SectionItems.h"
#include "section/SectionTexts.h"
#include "section/SingleWellSteps.h"

using namespace sectiontext;

namespace {
constexpr int kPerforatedUnits = 1;
constexpr int kConnectedUnits = 2;
}  // namespace

CLstSglSandSetor::CLstSglSandSetor(CSingleWellSection* section) : m_pSection(section) {}
CLstSglSandSetor::~CLstSglSandSetor() = default;

int CLstSglSandSetor::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    auto* fill = new CBCGPProp(kFill, kFillGroupId, FALSE);
    fill->AddSubItem(NewOptionItem(kFillType, kOilGasWater, kFillTypeDescription, kFillTypeId, {}, false));
    m_wndPropList.AddProperty(fill, TRUE, TRUE);

    auto* sand = new CBCGPProp(kSandLayer, kSandGroupId, FALSE);
    sand->AddSubItem(NewSandDisplayList(grouptext::kShow, kSandDisplayDescription, kDisplayId));
    m_wndPropList.AddProperty(sand, TRUE, TRUE);

    CBCGPProp* envelope = CreateShowLineProp(kEnvelope, kEnvelopeId);
    m_wndPropList.AddProperty(envelope, TRUE, TRUE);

    CBCGPProp* seepage = section::NewSeepageGroup(kSeepageGroupId);
    EnableSubItemsDeep(seepage, 0, seepage->GetSubItemsCount(), false);
    m_wndPropList.AddProperty(seepage, TRUE, TRUE);

    CBCGPProp* osw = CreateShowLineProp(kOswInterface, kOswId);
    EnableSubItemsDeep(osw, 0, osw->GetSubItemsCount(), false);
    m_wndPropList.AddProperty(osw, TRUE, TRUE);
    return 0;
}

void CLstSglSandSetor::UpdateBCGPProperty(long object, CString) {
    if (object != m_curObject || !m_pSection) return;
    if (!CProChangedChecker(m_pSection, this)()) return;
    const CSingleProperty& record = *m_pSection->GetProperty();
    SetItemText(Item(kDisplayId), SandDisplayModeText(record.m_nSandShowMode));
    SetShowLineProp(Item(kEnvelopeId), record.m_envelopePen, record.m_bEnvelopeVisible);
}

void CLstSglSandSetor::ApplySandDisplay(CSingleWellSection& section, int mode) {
    const CSglWellAdapter* well = section.GetWell();
    single::ForEachSandUnit(&section, [&](Sand::CSandUnit& unit) {
        bool visible = true;
        if (mode == kPerforatedUnits)
            visible = well && well->IsShooted(unit.GetTopDep(), unit.GetBottomDep());
        else if (mode == kConnectedUnits)
            visible = unit.IsConnction();
        unit.SetVisible(visible);
    });
}

LRESULT CLstSglSandSetor::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    if (!m_pSection) return 0;
    CSingleProperty& record = *m_pSection->GetProperty();
    const DWORD_PTR id = item ? item->GetData() : 0;
    if (id == kDisplayId) {
        if (!ReadFixedList(item, &record.m_nSandShowMode)) return 0;
        ApplySandDisplay(*m_pSection, record.m_nSandShowMode);
    } else if (id == kEnvelopeShowId) {
        record.m_bEnvelopeVisible = ReadYesNo(item);
        const bool visible = record.m_bEnvelopeVisible;
        single::ForEachSandUnit(m_pSection, [visible](Sand::CSandUnit& unit) { unit.SetSandLineVisible(visible); });
        single::Stamp(m_pSection);
    } else if (id >= kEnvelopeStyleId && id <= kEnvelopeColorId) {
        // A width the reader refuses is written nowhere.
        if (!ReadEditedPen(item, record.m_envelopePen, kAfterShowSwitch)) {
            ShowStoredValueOf(item, {{id, record.m_envelopePen.width / 100.0}});
            return 0;
        }
        const QXLOGPEN pen = record.m_envelopePen;
        single::ForEachSandUnit(m_pSection, [&pen](Sand::CSandUnit& unit) { unit.SetSandLinePen(pen); });
    }
    single::Redraw(m_pSection);
    return 0;
}
