#include "section/LstDsgWell.h"

#include "framework/GroupEdits.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "hosttypes/Halyard/DesignerWell.h"
#include "hosttypes/Halyard/Reservoir.h"
#include "section/ObjectPageItems.h"
#include "section/ObjectPageTexts.h"
#include "section/SectionItems.h"
#include "section/SectionTexts.h"

using KelReservoir::Connection::CDesignerWellAdapter;
using namespace sectiontext;
using namespace section;

namespace {
// The narrowest width a designer well takes, in hundredths of a millimetre (exclusive).
constexpr double kNarrowestWidth = 10;

// The minimum width typed in millimetres, in hundredths; false for a width not above the narrowest.
bool ReadMinWidth(CBCGPProp* item, double* width) {
    double typed = 0;
    if (!ReadHundredths(item, &typed) || !(typed > kNarrowestWidth)) return false;
    *width = typed;
    return true;
}

TextRule MinWidthRule() { return KeptNumberRule(&ReadMinWidth); }

}  // namespace

CLstDsgWell::CLstDsgWell(CDesignerWellAdapter* well, int mode) : m_pWell(well), m_nMode(mode) {}
CLstDsgWell::~CLstDsgWell() = default;

int CLstDsgWell::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    auto* basic = new CBCGPProp(kBasic, kBasicId, FALSE);
    basic->AddSubItem(NewTextValueItem(kWellName, "", nullptr, kWellNameId, false));
    CBCGPProp* depthType = NewTextValueItem(kDepthType, "", nullptr, kDepthTypeId, false);
    SetItemText(depthType, kElevationDepth);
    basic->AddSubItem(depthType);
    basic->AddSubItem(NewFloatItem(kWellWidth, 0.0, 0, false, kWellWidthDescription, kWidthId, MinWidthRule()));
    m_wndPropList.AddProperty(basic, TRUE, TRUE);

    auto* range = new CBCGPProp(kDisplayRange, kRangeId, FALSE);
    range->AddSubItem(
        NewFloatItem(kTopDepth, 0.0, 2, true, kTopDepthDescription, kTopDepthId, ItemNumberRule(DepthSign())));
    range->AddSubItem(
        NewFloatItem(kBottomDepth, 0.0, 2, true, kBottomDepthDescription, kBottomDepthId, ItemNumberRule(DepthSign())));
    m_wndPropList.AddProperty(range, TRUE, TRUE);

    CBCGPProp* pen = CreateLineProp(kDesignerWellPage, kPenId, false);
    pen->Expand(TRUE);
    m_wndPropList.AddProperty(pen, TRUE, TRUE);
    CBCGPProp* font = CreateFontProp(kFontSettings, kFontId);
    font->Expand(TRUE);
    m_wndPropList.AddProperty(font, TRUE, TRUE);
    return 0;
}

void CLstDsgWell::UpdateBCGPProperty(long object, CString) {
    if (object != m_curObject || !m_pWell) return;
    if (m_pWell->GetTimeStamp() == m_timeStamp) return;
    m_timeStamp = m_pWell->GetTimeStamp();
    if (CBCGPProp* basic = Item(kBasicId)) {
        SetItemText(basic->GetSubItem(0), m_pWell->GetWellName().c_str());
        if (auto* width = dynamic_cast<CBCGPropFloat*>(basic->GetSubItem(2)))
            width->SetValue(_variant_t(m_pWell->m_dMinWidth / 100.0));
    }
    if (CBCGPProp* range = Item(kRangeId)) {
        if (auto* top = dynamic_cast<CBCGPropFloat*>(range->GetSubItem(0)))
            top->SetValue(_variant_t(-m_pWell->GetTopDepth()));
        if (auto* bottom = dynamic_cast<CBCGPropFloat*>(range->GetSubItem(1)))
            bottom->SetValue(_variant_t(-m_pWell->GetBottomDepth()));
    }
    if (const QXLOGPEN* pen = m_pWell->GetLogPen()) SetLineProp(Item(kPenId), *pen);
    if (const QXLOGFONT* font = m_pWell->GetLogFont()) SetFontProp(Item(kFontId), *font);
}

// A text the reader refuses in the edited item writes nothing and redraws nothing: the item shows
// the stored value again.
LRESULT CLstDsgWell::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    if (!m_pWell) return 0;
    if (item && !Edit(item)) {
        ShowItemAgain(item);
        return 0;
    }
    if (KelReservoir::Connection::CkelReservoir* reservoir = m_pWell->GetReservoir()) {
        reservoir->UpdateWnd();
        reservoir->SetModifyFlag(1);
    }
    return 0;
}

// The number items with the well's values in their items' decimals; the pen's width and the
// font's size as the group writers show them ("%.2f").
void CLstDsgWell::ShowItemAgain(CBCGPProp* item) {
    CWndLst::ShowItemAgain(item);
    if (!item || !m_pWell) return;
    ShowStoredValueOf(item, {{kWidthId, m_pWell->m_dMinWidth / 100.0},
                            {kTopDepthId, -m_pWell->GetTopDepth()},
                            {kBottomDepthId, -m_pWell->GetBottomDepth()}});
    switch (item->GetData()) {
        case kPenWidthId:
            if (const QXLOGPEN* pen = m_pWell->GetLogPen()) ShowFixed(item, pen->width / 100.0, 2);
            break;
        case kFontSizeId:
            if (const QXLOGFONT* font = m_pWell->GetLogFont()) ShowFixed(item, font->size / 100.0, 2);
            break;
        default:
            break;
    }
}

// Depths are typed as depths; a reservoir keeps elevations.
double CLstDsgWell::DepthSign() const { return m_nMode == kReservoirMode ? -1.0 : 1.0; }

bool CLstDsgWell::Edit(CBCGPProp* item) {
    const double sign = DepthSign();
    double number = 0;
    switch (item->GetData()) {
        case kWidthId:
            if (!ReadMinWidth(item, &number)) return false;
            m_pWell->m_dMinWidth = number;
            return true;
        case kTopDepthId:
            if (!ReadItemNumber(item, sign, &number)) return false;
            m_pWell->SetTopDepth(number);
            return true;
        case kBottomDepthId:
            if (!ReadItemNumber(item, sign, &number)) return false;
            m_pWell->SetBottomDepth(number);
            return true;
        case kPenStyleId:
        case kPenWidthId:
        case kPenColorId:
            // Only the edited field over the well's pen: a stored width that does not read never
            // blocks a picked style or colour, and none is written back from its rounded text.
            if (const QXLOGPEN* current = m_pWell->GetLogPen()) {
                QXLOGPEN pen = *current;
                if (!ReadEditedField(item, pen)) return false;
                m_pWell->SetLogPen(&pen);
            }
            return true;
        case kFontFaceId:
        case kFontSizeId:
        case kFontColorId:
            if (const QXLOGFONT* current = m_pWell->GetLogFont()) {
                QXLOGFONT font = *current;
                if (!ReadEditedField(item, font)) return false;
                m_pWell->SetLogFont(&font);
            }
            return true;
        default:
            return true;
    }
}
