#include "section/LstDisRuler.h"

#include <iterator>

#include "framework/BmpPropLst.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsLine.h"
#include "framework/ModuleEntry.h"
#include "framework/OptionTables.h"
#include "framework/PropItems.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Oriel/ScContainer.h"
#include "hosttypes/Oriel/ScDisRuler.h"
#include "hosttypes/Oriel/ScDisRulerMgr.h"
#include "section/ObjectPageItems.h"
#include "section/ObjectPageTexts.h"
#include "section/SectionItems.h"

using namespace sectiontext;
using namespace section;

namespace {

const TextValue kUnits[] = {{kMetre, 0},      {kFoot, 1},      {kKilometre, 2},
                            {kMetreShort, 3}, {kFootShort, 4}, {kKilometreShort, 5}};
// The arrow pictures, in the order of the arrow styles.
const UINT kArrowImages[] = {50011, 50012, 50013, 50014, 50015, 50016};
constexpr long kArrowItemValue = 4;

// The pen field an item edits (the items run style, colour, width).
int FieldOfItem(DWORD_PTR id, DWORD_PTR styleId, DWORD_PTR widthId) {
    return id == styleId ? kPenStyle : id == widthId ? kPenWidth : kPenColor;
}

}  // namespace

const char* DisRulerUnitText(int unit) { return TextOfValue(kUnits, unit, nullptr); }

CLstDisRuler::CLstDisRuler(ScDisRuler* ruler) : m_pRuler(ruler) {}
CLstDisRuler::~CLstDisRuler() = default;

int CLstDisRuler::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    if (!m_pRuler) return 0;
    const QXLOGPEN indicatorPen = m_pRuler->GetShowLinePen();
    const QXLOGPEN leadPen = m_pRuler->GetQianLinePen();
    QXLOGFONT font;
    m_pRuler->GetNameFont(font);

    CBCGPProp* indicator = NewGroupItem(kIndicatorLine, kIndicatorId, true);
    indicator->AddSubItem(NewRulerLineStyle(kIndicatorStyleId, false));
    indicator->AddSubItem(NewBlackColorItem(grouptext::kColor, nullptr, kIndicatorColorId));
    indicator->AddSubItem(
        NewRulerNumber(grouptext::kLineWidth, indicatorPen.width / 100.0, kIndicatorWidthId, HundredthsRule()));
    auto* arrow = new CBmpPropLst(kArrowStyle, kArrowItemValue, "");
    arrow->SetData(kArrowId);
    arrow->AllowEdit(FALSE);
    arrow->m_hResModule = GetTessalyModuleHandle();
    arrow->m_imageList.assign(std::begin(kArrowImages), std::end(kArrowImages));
    ShowPicture(arrow, 0);
    indicator->AddSubItem(arrow);
    m_wndPropList.AddProperty(indicator, TRUE, TRUE);

    CBCGPProp* lead = NewGroupItem(kLeadLine, kLeadId, true);
    lead->AddSubItem(NewRulerNumber(kHeight, m_pRuler->GetQianHeight() / 100.0, kLeadHeightId, HundredthsRule()));
    lead->AddSubItem(NewRulerLineStyle(kLeadStyleId, false));
    lead->AddSubItem(NewBlackColorItem(grouptext::kColor, nullptr, kLeadColorId));
    lead->AddSubItem(NewRulerNumber(grouptext::kLineWidth, leadPen.width / 100.0, kLeadWidthId, HundredthsRule()));
    m_wndPropList.AddProperty(lead, TRUE, TRUE);

    CBCGPProp* label = NewGroupItem(kLabel, kLabelId, true);
    // Every unit a ruler may hold is taken and shown; three are offered; any other text is -1.
    // The refresh leaves the item as it is for a unit of no text.
    CFixedListProp* unit = NewFixedListItem(kUnit, "", nullptr, kUnitId, kUnits, OtherTakenAs(-1));
    unit->OfferOnly({kMetre, kFoot, kKilometre});
    label->AddSubItem(unit);
    label->AddSubItem(NewFacePicker(grouptext::kFontFace, font.GetFaceName(), nullptr, kFaceId));
    label->AddSubItem(NewRulerNumber(grouptext::kSize, font.size / 100.0, kFontSizeId, HundredthsRule()));
    label->AddSubItem(NewBlackColorItem(grouptext::kColor, nullptr, kFontColorId));
    m_wndPropList.AddProperty(label, TRUE, TRUE);
    return 0;
}

// ---- refresh: styles, colours, the arrow, the unit and the face; numbers keep what was typed ---------------

void CLstDisRuler::UpdateBCGPProperty(long object, CString) {
    // Another kind of object leaves the page's ruler.
    auto* ruler = ChangedSelection<ScDisRuler>(object, m_curObject, m_timeStamp);
    if (!ruler) return;
    m_pRuler = ruler;
    const QXLOGPEN indicatorPen = ruler->GetShowLinePen();
    ShowStyle(Item(kIndicatorStyleId), indicatorPen.style);
    ShowColor(Item(kIndicatorColorId), indicatorPen.color);
    ShowPicture(Item(kArrowId), static_cast<int>(ruler->GetArrowStyle()));
    const QXLOGPEN leadPen = ruler->GetQianLinePen();
    ShowStyle(Item(kLeadStyleId), leadPen.style);
    ShowColor(Item(kLeadColorId), leadPen.color);
    if (const char* unit = DisRulerUnitText(ruler->GetUnit())) SetItemText(Item(kUnitId), unit);
    QXLOGFONT font;
    ruler->GetNameFont(font);
    ShowFace(Item(kFaceId), font);
    ShowColor(Item(kFontColorId), font.color);
}

// ---- edits through the manager ---------------------------------------------------------------------------

LRESULT CLstDisRuler::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    ScDisRulerMgr* manager = m_pRuler ? m_pRuler->GetDisRulerMgr() : nullptr;
    if (!item || !manager) return 0;  // a ruler without a manager is not edited
    const Edited edited = Edit(item);
    if (edited == Edited::Refused) {
        ShowItemAgain(item);
        return 0;
    }
    if (edited == Edited::Stamped) m_pRuler->ProChanged();
    if (ScContainer* container = manager->GetContainer()) container->SetModifyFlag(1);
    m_pRuler->Update();
    return 0;
}

// The number items with the ruler's values, each in its item's decimals.
void CLstDisRuler::ShowItemAgain(CBCGPProp* item) {
    CWndLst::ShowItemAgain(item);
    if (!item || !m_pRuler) return;
    QXLOGFONT font;
    m_pRuler->GetNameFont(font);
    ShowStoredValueOf(item, {{kIndicatorWidthId, m_pRuler->GetShowLinePen().width / 100.0},
                             {kLeadHeightId, m_pRuler->GetQianHeight() / 100.0},
                             {kLeadWidthId, m_pRuler->GetQianLinePen().width / 100.0},
                             {kFontSizeId, font.size / 100.0}});
}

// The widths, the height and the size stamp the ruler.
Edited CLstDisRuler::Edit(CBCGPProp* item) {
    ScDisRulerMgr& manager = *m_pRuler->GetDisRulerMgr();
    const DWORD_PTR id = item->GetData();
    double number = 0;
    COLORREF color = 0;
    switch (id) {
        case kIndicatorStyleId:
        case kIndicatorColorId:
        case kIndicatorWidthId: {
            QXLOGPEN pen = m_pRuler->GetShowLinePen();
            if (!ReadPenField(item, FieldOfItem(id, kIndicatorStyleId, kIndicatorWidthId), pen))
                return id == kIndicatorWidthId ? Edited::Refused : Edited::Taken;
            manager.SetSelShowLinePen(pen);
            return id == kIndicatorWidthId ? Edited::Stamped : Edited::Taken;
        }
        case kArrowId:
            if (auto* arrow = dynamic_cast<CBmpPropLst*>(item))
                manager.SetSelArrowStyle(static_cast<UINT>(arrow->m_nSelectedIndex));
            return Edited::Taken;
        case kLeadHeightId:
            if (!ReadHundredths(item, &number)) return Edited::Refused;
            manager.SetSelQianHeight(number);
            return Edited::Stamped;
        case kLeadStyleId:
        case kLeadColorId:
        case kLeadWidthId: {
            QXLOGPEN pen = m_pRuler->GetQianLinePen();
            if (!ReadPenField(item, FieldOfItem(id, kLeadStyleId, kLeadWidthId), pen))
                return id == kLeadWidthId ? Edited::Refused : Edited::Taken;
            manager.SetSelQianLinePen(pen);
            return id == kLeadWidthId ? Edited::Stamped : Edited::Taken;
        }
        case kUnitId: {
            int unit = 0;
            if (!ReadFixedList(item, &unit)) return Edited::Refused;
            manager.SetSelUnit(unit);
            return Edited::Taken;
        }
        case kFaceId:
        case kFontSizeId:
        case kFontColorId: {
            QXLOGFONT font;
            m_pRuler->GetNameFont(font);
            bool changed = false;
            if (id == kFaceId) {
                font.SetFaceName(ItemText(item));
                changed = true;
            } else if (id == kFontSizeId) {
                if (!ReadHundredths(item, &font.size)) return Edited::Refused;
                changed = true;
            } else if (id == kFontColorId && ReadShownColor(item, &color)) {
                font.color = color;
                changed = true;
            }
            if (changed) manager.SetSelNameFont(font);
            return id == kFontSizeId ? Edited::Stamped : Edited::Taken;
        }
        default:
            return Edited::Taken;
    }
}
