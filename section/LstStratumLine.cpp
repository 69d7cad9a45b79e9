#include "section/LstStratumLine.h"

#include <exception>

#include "bcg/ColorProp.h"
#include "framework/ChangeCheckers.h"
#include "framework/GroupEdits.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "hosttypes/Oriel/CContainerSignle.h"
#include "hosttypes/Oriel/CStratumCell.h"
#include "hosttypes/Oriel/ConnectionGroups.h"
#include "hosttypes/Oriel/ScContainer.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "section/MultiWellItems.h"
#include "section/MultiWellTexts.h"
#include "section/ObjectPageItems.h"
#include "section/SectionItems.h"
#include "win32/Win32.h"

using namespace multiwelltext;

namespace {

ScContainer* CurrentSection() { return CContainerSignle::Instance()->GetContainer(); }

}  // namespace

CLstStratumLine::CLstStratumLine(CStratumCell*) {
    if (ScContainer* section = CurrentSection())
        for (ScObjInterface* object : section->GetActiveObj())
            if (auto* cell = dynamic_cast<CStratumCell*>(object)) m_cells.push_back(cell);
}

CLstStratumLine::~CLstStratumLine() = default;

int CLstStratumLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    if (m_cells.empty()) return 0;

    auto* name = new CBCGPProp(kStratumName, _variant_t(""), kStratumNameDescription, kNameId);
    name->AllowEdit(FALSE);
    m_wndPropList.AddProperty(name, TRUE, TRUE);

    CBCGPProp* line = CreateLineFloatProp(kBoundary, kLineGroupId);
    m_wndPropList.AddProperty(line, TRUE, TRUE);

    auto* interval = new CBCGPProp(kInterval, kIntervalGroupId, FALSE);
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    auto* fill = new CBCGPColorProp(kFill, 0, nullptr, kFillDescription, kFillId);
    fill->EnableOtherButton(kOtherColours);
    fill->EnableAutomaticButton(grouptext::kAutomaticColor, text);
    fill->Enable(IsColorEnable() ? TRUE : FALSE);
    interval->AddSubItem(fill);
    m_wndPropList.AddProperty(interval, TRUE, TRUE);

    CBCGPProp* font = CreateFontPropFloatSize(kNameFont, kFontGroupId);
    m_wndPropList.AddProperty(font, TRUE, TRUE);
    return 0;
}

// ---- refresh: the first cell decides --------------------------------------------------------------

void CLstStratumLine::UpdateBCGPProperty(long object, CString) {
    if (object != m_curObject || m_cells.empty()) return;
    CStratumCell* first = m_cells.front();
    if (!ScProChangedChecker(first, this)()) return;

    if (CBCGPProp* name = Item(kNameId)) {
        const bool same = IsSameStratum();
        name->Enable(same ? TRUE : FALSE);
        if (same) ShowTextIfChanged(name, GetStratumName().c_str());
    }
    if (CQXObjectPolyline* line = first->GetStratumLine()) {
        QXLOGPEN pen;
        line->GetLogPen(&pen);
        EnableLineProp(Item(kLineGroupId), pen, true);
    }
    if (CBCGPProp* fillItem = Item(kFillId)) {
        CQXObjectFill* fill = first->GetStratumFill();
        fillItem->Enable(fill ? TRUE : FALSE);
        if (fill) {
            QXLOGBRUSH brush;
            fill->GetLogBrush(&brush);
            ShowColorIfChanged(fillItem, brush.fillColor);
        }
    }
    EnableFontProp(Item(kFontGroupId), first->GetStratumFont(), true);
}

// ---- edits: every selected cell ---------------------------------------------------------------------

LRESULT CLstStratumLine::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    bool taken = true;
    switch (item ? item->GetData() : 0) {
        case kLineStyleId:
        case kLineWidthId:
        case kLineColorId:
            taken = SetStratumLogpen(item);
            break;
        case kFillId:
            SetStratumFill(item);
            break;
        case kFontFaceId:
        case kFontSizeId:
        case kFontColorId:
            taken = SetStratumFont(item);
            break;
        default:
            break;
    }
    if (!taken) {
        ShowTextBefore(item);
        ShowItemAgain(item);
        return 0;
    }
    UpdateWnd();
    return 0;
}

// The width as the refresh shows it, from the first cell. The size the refresh shows is the first
// cell's own font, which the edit never writes (the size goes to the stratum groups): a refused
// size keeps the item's text from before.
void CLstStratumLine::ShowItemAgain(CBCGPProp* item) {
    CWndLst::ShowItemAgain(item);
    if (m_cells.empty() || !item || item->GetData() == kFontSizeId) return;
    QXLOGPEN pen;
    if (CQXObjectPolyline* line = m_cells.front()->GetStratumLine()) line->GetLogPen(&pen);
    ShowStoredValueOf(item, {{kLineWidthId, pen.width / 100.0}});
}

// Only the edited part of each cell's own pen changes. A width the reader refuses is written to no
// cell: false.
bool CLstStratumLine::SetStratumLogpen(CBCGPProp* item) {
    QXLOGPEN read;
    if (!ReadEditedPen(item, read)) return false;
    for (CStratumCell* cell : m_cells) {
        QXLOGPEN pen;
        cell->GetStratumLogPen(&pen);
        ReadEditedPen(item, pen);
        cell->SetStratumLogPen(&pen);
    }
    return true;
}

void CLstStratumLine::SetStratumFill(CBCGPProp* item) {
    COLORREF color = 0;
    if (!ReadShownColor(item, &color)) return;
    for (CStratumCell* cell : m_cells) {
        CQXObjectFill* fill = cell->GetStratumFill();
        if (!fill) continue;
        QXLOGBRUSH brush;
        fill->GetLogBrush(&brush);
        brush.fillColor = color;
        fill->SetLogBrush(&brush);
    }
}

// The edited part of each cell's name font goes to the section's stratum groups under the cell's
// stratum; the cells keep their own fonts. A size the reader refuses is written nowhere: false.
bool CLstStratumLine::SetStratumFont(CBCGPProp* item) {
    const bool colour = item->GetData() == kFontColorId;
    COLORREF color = 0;
    QXLOGFONT read;
    if (!ReadEditedField(item, read)) return false;
    for (CStratumCell* cell : m_cells) {
        QXLOGFONT font = cell->GetStratumFont();
        if (colour) {
            if (!ReadShownColor(item, &color)) return true;
            font.color = color;
        } else {
            ReadEditedField(item, font);
        }
        SetStratumNameFont(cell->GetStratumName(), font);
    }
    return true;
}

std::string CLstStratumLine::GetStratumName() const {
    if (m_cells.empty()) return std::string();
    try {
        return m_cells.front()->GetStratumName();
    } catch (const std::exception&) {
        return std::string();
    }
}

bool CLstStratumLine::IsColorEnable() const {
    ScContainer* section = CurrentSection();
    return !(section && section->GetType() == ScControlerClient::CT_CORRELATION);
}

bool CLstStratumLine::IsSameStratum() const {
    const std::string first = GetStratumName();
    for (CStratumCell* cell : m_cells)
        if (cell->GetStratumName() != first) return false;
    return true;
}

void CLstStratumLine::SetStratumNameFont(const std::string& name, const QXLOGFONT& font) {
    ScContainer* section = CurrentSection();
    CStratumGroupManager* groups = section ? section->GetStratumGroupManager() : nullptr;
    if (!groups) return;
    for (unsigned int i = 0; i < groups->GetNum(); ++i)
        if (boost::shared_ptr<CStratumGroup> group = groups->GetObj(i)) group->SetStratumNameFont(name, font);
}

void CLstStratumLine::UpdateWnd() {
    if (ScContainer* section = CurrentSection()) section->UpdateWnd();
}
