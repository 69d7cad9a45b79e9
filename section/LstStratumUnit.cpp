#include "section/LstStratumUnit.h"

#include "bcg/ColorProp.h"
#include "framework/ChangeCheckers.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropItems.h"
#include "hosttypes/Pennant/StratumUnit.h"
#include "section/ObjectPageItems.h"
#include "section/SectionItems.h"
#include "section/SectionTexts.h"
#include "section/SingleWellSteps.h"
#include "section/SingleWellTexts.h"

CLstStratumUnit::CLstStratumUnit(Stratum::CStratumUnit* unit) : m_pUnit(unit) {}
CLstStratumUnit::~CLstStratumUnit() = default;

int CLstStratumUnit::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(
        NewOptionItem(sectiontext::kStratumName, "", sgltext::kStratumNameDescription, kNameId, {}, false), TRUE, TRUE);
    CBCGPProp* line = CreateLineFloatProp(sgltext::kBoundary, kLineId);
    m_wndPropList.AddProperty(line, TRUE, TRUE);
    auto* interval = new CBCGPProp(sgltext::kInterval, kIntervalId, FALSE);
    auto* colour = new CBCGPColorProp(grouptext::kColor, 0, nullptr, sgltext::kFillColorDescription, kFillColorId);
    colour->EnableOtherButton(grouptext::kOtherColor);
    colour->EnableAutomaticButton(grouptext::kAutomaticColor, 0);
    interval->AddSubItem(colour);
    m_wndPropList.AddProperty(interval, TRUE, TRUE);
    return 0;
}

void CLstStratumUnit::UpdateBCGPProperty(long, CString) {
    if (!m_pUnit || !ScProChangedChecker(m_pUnit, this)()) return;
    SetItemText(Item(kNameId), m_pUnit->GetStratumName().c_str());
    QXLOGPEN pen;
    m_pUnit->GetLinePen(pen);
    EnableLineProp(Item(kLineId), pen, true);
    QXLOGBRUSH brush;
    m_pUnit->GetFillBrush(brush);
    if (auto* colour = dynamic_cast<CBCGPColorProp*>(Item(kFillColorId))) colour->SetColor(brush.fillColor);
}

// The unit's section is stamped, not the unit: every page of the section reads it again.
LRESULT CLstStratumUnit::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    if (!m_pUnit) return 0;
    const DWORD_PTR id = item ? item->GetData() : kNameId;
    if (id >= kLineStyleId && id <= kLineColorId) {
        QXLOGPEN pen;
        m_pUnit->GetLinePen(pen);
        // A width the reader refuses is written nowhere.
        if (!ReadEditedPen(item, pen)) {
            ShowStoredValueOf(item, {{id, pen.width / 100.0}});
            return 0;
        }
        m_pUnit->SetLinePen(pen);
    } else if (id == kFillColorId) {
        QXLOGBRUSH brush;
        m_pUnit->GetFillBrush(brush);
        if (ReadShownColor(item, &brush.fillColor)) m_pUnit->SetFillBrush(brush);
    }
    CSingleWellSection* section = single::SectionOf(m_pUnit);
    single::Stamp(section);
    single::Redraw(section);
    return 0;
}
