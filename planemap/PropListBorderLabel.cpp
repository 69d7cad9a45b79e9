#include "planemap/PropListBorderLabel.h"

#include "framework/ItemGroupsBasic.h"
#include "framework/OptionTables.h"
#include "hosttypes/Parsnip/QXObjectBorder.h"
#include "planemap/BorderPages.h"
#include "planemap/BorderTexts.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/RecordEdits.h"
#include "planemap/SameTypeEdits.h"

using namespace planemap;

namespace {

// The four label fonts, each through its face, size and colour items.
constexpr BorderRecordSlot<QXLOGFONT> kFontSlots[] = {
    {CPropListBorderLabel::kGHighFontId + 1, &CQXObjectBorder::GetGraticuleFont, &CQXObjectBorder::SetGraticuleFont},
    {CPropListBorderLabel::kGLowFontId + 1, &CQXObjectBorder::GetGraticuleFont2, &CQXObjectBorder::SetGraticuleFont2},
    {CPropListBorderLabel::kKHighFontId + 1, &CQXObjectBorder::GetKScaleLabelFont,
     &CQXObjectBorder::SetKScaleLabelFont},
    {CPropListBorderLabel::kKLowFontId + 1, &CQXObjectBorder::GetKScaleLabelFont2,
     &CQXObjectBorder::SetKScaleLabelFont2},
};

// Label directions of the kilometre grid: 1 horizontal, 0 vertical, 2 along the tick lines for
// every other value or text. The graticule's are horizontal for any value but 0, and vertical for
// any text but "横向".
constexpr TextValue kDirections[] = {
    {bordertext::kHorizontal, 1},
    {bordertext::kVertical, 0},
    {bordertext::kAlongTicks, 2},
};
constexpr int kDirectionOther = 2;
// The graticule offers the same three; "随刻度线" is vertical there (shown as "纵向" once taken).
constexpr TextValue kGraticuleDirections[] = {
    {bordertext::kHorizontal, 1}, {bordertext::kVertical, 0}, {bordertext::kAlongTicks, 0}};
// Label unit: 0 metres, anything else kilometres.
constexpr TextValue kUnits[] = {{planetext::kMetre, 0}, {planetext::kKilometre, 1}};

template <std::size_t N>
CBCGPProp* NewDirectionItem(const char* name, DWORD_PTR id, const TextValue (&directions)[N], int other,
                            bool editable) {
    return NewFixedListItem(name, bordertext::kHorizontal, bordertext::kLabelDirectionDescription, id, directions,
                            OtherTakenAs(other), editable);
}

// Its size item refuses what ApplyBorderRecordItem refuses: a size not above 0.
CBCGPProp* NewFontGroup(const char* name, DWORD_PTR id) {
    CBCGPProp* group = CreateFontProp(name, id, HundredthsRule(Accept::AboveZero));
    group->Expand(TRUE);
    return group;
}

}  // namespace

void FillCountOptions(CBCGPProp* item, unsigned maximum) {
    if (!item || item->GetOptionCount() > 0) return;
    for (unsigned i = 0;; ++i) {
        item->AddOption(FormatString("%u", i));
        if (i == maximum) break;
    }
}

CPropListBorderLabel::CPropListBorderLabel() = default;

CPropListBorderLabel::~CPropListBorderLabel() {
    DeleteDetachedGroups(m_wndPropList, m_pGraticuleGroup, m_pKilometerGroup);
}

CQXObjectBorder* CPropListBorderLabel::Border() const { return dynamic_cast<CQXObjectBorder*>(m_pTarget); }

int CPropListBorderLabel::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    using namespace bordertext;

    m_pGraticuleGroup = new CBCGPProp(kGraticuleSettings, kGraticuleGroupId);
    m_pGraticuleGroup->AddSubItem(NewFontGroup(kHighLabel, kGHighFontId));
    m_pGraticuleGroup->AddSubItem(NewFontGroup(kLowLabel, kGLowFontId));
    m_pGraticuleGroup->AddSubItem(NewDirectionItem(kXLabelDirection, kGXDirectionId, kGraticuleDirections, 0, false));
    m_pGraticuleGroup->AddSubItem(NewDirectionItem(kYLabelDirection, kGYDirectionId, kGraticuleDirections, 0, false));
    m_wndPropList.AddProperty(m_pGraticuleGroup, TRUE, TRUE);

    m_pKilometerGroup = new CBCGPProp(kKilometerSettings, kKilometerGroupId);
    m_pKilometerGroup->AddSubItem(NewFontGroup(kHighLabel, kKHighFontId));
    CBCGPProp* low = NewFontGroup(kLowLabel, kKLowFontId);
    auto* digits = new CBCGPProp(kDigits, kDigitsGroupId);
    digits->AddSubItem(NewOptionItem(kHorizontal, "", kHorizontal, kXDigitsId, {}, false));
    digits->AddSubItem(NewOptionItem(kVertical, "", kVertical, kYDigitsId, {}, false));
    digits->Expand(TRUE);
    low->AddSubItem(digits);
    m_pKilometerGroup->AddSubItem(low);
    m_pKilometerGroup->AddSubItem(
        NewDirectionItem(kXLabelDirection, kKXDirectionId, kDirections, kDirectionOther, true));
    m_pKilometerGroup->AddSubItem(
        NewDirectionItem(kYLabelDirection, kKYDirectionId, kDirections, kDirectionOther, true));
    m_pKilometerGroup->AddSubItem(
        NewFixedListItem(planetext::kUnit, kUnitInitial, kUnitDescription, kUnitId, kUnits, OtherTakenAs(1)));
    m_wndPropList.AddProperty(m_pKilometerGroup, TRUE, TRUE);
    m_pGraticuleGroup->Expand(TRUE);
    m_pKilometerGroup->Expand(TRUE);
    return 0;
}

void CPropListBorderLabel::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObjectBorder* border = Border();
    if (!border) return;
    ShowGridGroups(m_wndPropList, m_pGraticuleGroup, border->GetDrawGraticule() != 0, m_pKilometerGroup,
                   border->GetDrawKilometerGrid() != 0);
    AdjustLayout();
    if (FindItem(kKilometerGroupId)) RefreshKilometer(border);
    if (FindItem(kGraticuleGroupId)) RefreshGraticule(border);
}

void CPropListBorderLabel::RefreshKilometer(CQXObjectBorder* border) {
    const struct {
        DWORD_PTR id;
        unsigned maximum, count;
    } digits[] = {{kXDigitsId, border->GetKMaxNumCountX2(), border->GetKNumCountX2()},
                  {kYDigitsId, border->GetKMaxNumCountY2(), border->GetKNumCountY2()}};
    for (const auto& d : digits) {
        CBCGPProp* item = FindItem(d.id);
        if (!item) continue;
        item->RemoveAllOptions();
        FillCountOptions(item, d.maximum);
        SetItemText(item, FormatString("%u", d.count));
    }
    QXLOGFONT font;
    border->GetKScaleLabelFont(&font);
    if (CBCGPProp* group = FindItem(kKHighFontId)) SetFontProp(group, font);
    border->GetKScaleLabelFont2(&font);
    if (CBCGPProp* group = FindItem(kKLowFontId)) SetFontProp(group, font);
    SetItemText(FindItem(kKXDirectionId),
                TextOfValue(kDirections, border->GetKTextDirectionX(), bordertext::kAlongTicks));
    SetItemText(FindItem(kKYDirectionId),
                TextOfValue(kDirections, border->GetKTextDirectionY(), bordertext::kAlongTicks));
    SetItemText(FindItem(kUnitId), TextOfValue(kUnits, border->GetUnit(), planetext::kKilometre));
}

void CPropListBorderLabel::RefreshGraticule(CQXObjectBorder* border) {
    QXLOGFONT font;
    border->GetGraticuleFont(&font);
    if (CBCGPProp* group = FindItem(kGHighFontId)) SetFontProp(group, font);
    border->GetGraticuleFont2(&font);
    if (CBCGPProp* group = FindItem(kGLowFontId)) SetFontProp(group, font);
    SetItemText(FindItem(kGXDirectionId),
                TextOfValue(kGraticuleDirections, border->GetGTextDirectionX(), bordertext::kHorizontal));
    SetItemText(FindItem(kGYDirectionId),
                TextOfValue(kGraticuleDirections, border->GetGTextDirectionY(), bordertext::kHorizontal));
}

LRESULT CPropListBorderLabel::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectBorder* border = Border();
    if (!item || !border) {
        UpdateView();
        return 0;
    }
    CQXLayer* layer = border->GetLayer();
    const CString typeName = border->GetTypeName();
    const CString text = ItemText(item);
    const DWORD_PTR id = item->GetData();
    unsigned count = 0;

    switch (id) {
        case kGXDirectionId:
        case kGYDirectionId:
            SetSameTypeFromList(
                layer,
                id == kGXDirectionId ? &CQXObjectBorder::SetGTextDirectionX : &CQXObjectBorder::SetGTextDirectionY,
                item, typeName);
            break;
        case kXDigitsId:
        case kYDigitsId:
            // A count that is no whole number (set from code) writes nothing and tells nobody; the
            // item shows the stored count again.
            if (!ReadWholeUnsigned(text, &count)) {
                SetItemText(item, FormatString("%u", id == kXDigitsId ? border->GetKNumCountX2() : border->GetKNumCountY2()));
                return 0;
            }
            SetSameTypeObjects(layer,
                               id == kXDigitsId ? &CQXObjectBorder::SetKNumCountX2 : &CQXObjectBorder::SetKNumCountY2,
                               count, typeName);
            break;
        case kKXDirectionId:
        case kKYDirectionId:
            SetSameTypeFromList(
                layer,
                id == kKXDirectionId ? &CQXObjectBorder::SetKTextDirectionX : &CQXObjectBorder::SetKTextDirectionY,
                item, typeName);
            break;
        case kUnitId:
            SetSameTypeFromList(layer, &CQXObjectBorder::SetUnit, item, typeName);
            break;
        default:  // a font's face, size (more than 0) or colour; the font's other fields stay its own
            // A refused size (set from code) writes nothing and tells nobody.
            if (ApplyBorderRecordItem(kFontSlots, border, item, Accept::AboveZero) == RecordEdit::kRefused) return 0;
            break;
    }
    UpdateSameTypeObjects(layer, typeName);
    UpdateView();
    return 0;
}
