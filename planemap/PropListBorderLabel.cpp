#include "planemap/PropListBorderLabel.h"

#include <cfloat>
#include <cmath>
#include <initializer_list>
#include <utility>

#include "framework/ItemGroupsBasic.h"
#include "hosttypes/Parsnip/QXObjectBorder.h"
#include "planemap/BorderTexts.h"
#include "planemap/PropListBorderGrid.h"
#include "win32/Crt.h"

namespace {

enum : DWORD_PTR {
    kGraticuleGroupId = 2000,
    kGHighFontId = 2001,  // face 2002, size 2003, colour 2004
    kGLowFontId = 2005,   // face 2006, size 2007, colour 2008
    kGXDirectionId = 2009,
    kGYDirectionId = 2010,
    kKilometerGroupId = 2011,
    kKHighFontId = 2012,  // face 2013, size 2014, colour 2015
    kKLowFontId = 2019,   // face 2020, size 2021, colour 2022, then the digits group
    kDigitsGroupId = 2023,
    kXDigitsId = 2024,
    kYDigitsId = 2025,
    kKXDirectionId = 2026,
    kKYDirectionId = 2027,
    kUnitId = 2028,
};

// The four label fonts: each group's id with the border's reader and writer.
struct FontSlot {
    DWORD_PTR groupId;
    void (CQXObjectBorder::*get)(QXLOGFONT*) const;
    void (CQXObjectBorder::*set)(QXLOGFONT*);
};
constexpr FontSlot kFontSlots[] = {
    {kGHighFontId, &CQXObjectBorder::GetGraticuleFont, &CQXObjectBorder::SetGraticuleFont},
    {kGLowFontId, &CQXObjectBorder::GetGraticuleFont2, &CQXObjectBorder::SetGraticuleFont2},
    {kKHighFontId, &CQXObjectBorder::GetKScaleLabelFont, &CQXObjectBorder::SetKScaleLabelFont},
    {kKLowFontId, &CQXObjectBorder::GetKScaleLabelFont2, &CQXObjectBorder::SetKScaleLabelFont2},
};

const FontSlot* FindFontSlot(DWORD_PTR id) {
    for (const FontSlot& slot : kFontSlots)
        if (id > slot.groupId && id <= slot.groupId + 3) return &slot;
    return nullptr;
}

// Label directions of the kilometre grid: 1 horizontal, 0 vertical, and the last entry for
// every other value or text. The graticule knows only horizontal (1) and vertical (0).
struct DirectionName {
    int value;
    const char* name;
};
constexpr DirectionName kDirections[] = {
    {1, bordertext::kHorizontal},
    {0, bordertext::kVertical},
    {2, bordertext::kAlongTicks},
};
constexpr int kDirectionCount = sizeof kDirections / sizeof kDirections[0];

const char* DirectionText(int value) {
    for (const DirectionName& entry : kDirections)
        if (entry.value == value) return entry.name;
    return kDirections[kDirectionCount - 1].name;
}

int DirectionValue(const CString& text) {
    for (const DirectionName& entry : kDirections)
        if (text == entry.name) return entry.value;
    return kDirections[kDirectionCount - 1].value;
}

const char* GraticuleDirectionText(int value) { return value != 0 ? bordertext::kHorizontal : bordertext::kVertical; }
int GraticuleDirectionValue(const CString& text) { return text == bordertext::kHorizontal ? 1 : 0; }

// Label unit: 0 metres, anything else kilometres.
const char* UnitText(int unit) { return unit == 0 ? bordertext::kMetre : bordertext::kKilometre; }
int UnitValue(const CString& text) { return text == bordertext::kMetre ? 0 : 1; }

CBCGPProp* NewChoiceItem(const char* name, const char* value, const char* description, DWORD_PTR id,
                         std::initializer_list<const char*> options, bool editable) {
    auto* item = new CBCGPProp(name, _variant_t(value), description, id);
    for (const char* option : options) item->AddOption(option);
    item->AllowEdit(editable ? TRUE : FALSE);
    return item;
}

CBCGPProp* NewDirectionItem(const char* name, DWORD_PTR id, bool editable) {
    return NewChoiceItem(name, bordertext::kHorizontal, bordertext::kLabelDirectionDescription, id,
                         {kDirections[0].name, kDirections[1].name, kDirections[2].name}, editable);
}

CBCGPProp* NewFontGroup(const char* name, DWORD_PTR id) {
    CBCGPProp* group = CreateFontProp(name, id);
    group->Expand(TRUE);
    return group;
}

void SetItemText(CBCGPProp* item, const CString& text) {
    if (item) item->SetValue(_variant_t(text));
}

}  // namespace

void FillCountOptions(CBCGPProp* item, unsigned maximum) {
    if (!item || item->GetOptionCount() > 0) return;
    for (unsigned i = 0;; ++i) {
        CString option;
        option.Format("%u", i);
        item->AddOption(option);
        if (i == maximum) break;
    }
}

CPropListBorderLabel::CPropListBorderLabel() = default;

CPropListBorderLabel::~CPropListBorderLabel() {
    for (CBCGPProp* group : {m_pGraticuleGroup, m_pKilometerGroup})
        if (group && m_wndPropList.FindProperty(group) < 0) delete group;
}

CQXObjectBorder* CPropListBorderLabel::Border() const { return dynamic_cast<CQXObjectBorder*>(m_pTarget); }

int CPropListBorderLabel::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    using namespace bordertext;

    m_pGraticuleGroup = new CBCGPProp(kGraticuleSettings, kGraticuleGroupId);
    m_pGraticuleGroup->AddSubItem(NewFontGroup(kHighLabel, kGHighFontId));
    m_pGraticuleGroup->AddSubItem(NewFontGroup(kLowLabel, kGLowFontId));
    m_pGraticuleGroup->AddSubItem(NewDirectionItem(kXLabelDirection, kGXDirectionId, false));
    m_pGraticuleGroup->AddSubItem(NewDirectionItem(kYLabelDirection, kGYDirectionId, false));
    m_wndPropList.AddProperty(m_pGraticuleGroup, TRUE, TRUE);

    m_pKilometerGroup = new CBCGPProp(kKilometerSettings, kKilometerGroupId);
    m_pKilometerGroup->AddSubItem(NewFontGroup(kHighLabel, kKHighFontId));
    CBCGPProp* low = NewFontGroup(kLowLabel, kKLowFontId);
    auto* digits = new CBCGPProp(kDigits, kDigitsGroupId);
    for (const auto& [name, id] : {std::pair{kHorizontal, kXDigitsId}, std::pair{kVertical, kYDigitsId}}) {
        auto* count = new CBCGPProp(name, _variant_t(""), name, id);
        count->AllowEdit(FALSE);
        digits->AddSubItem(count);
    }
    digits->Expand(TRUE);
    low->AddSubItem(digits);
    m_pKilometerGroup->AddSubItem(low);
    m_pKilometerGroup->AddSubItem(NewDirectionItem(kXLabelDirection, kKXDirectionId, true));
    m_pKilometerGroup->AddSubItem(NewDirectionItem(kYLabelDirection, kKYDirectionId, true));
    m_pKilometerGroup->AddSubItem(
        NewChoiceItem(kUnit, kUnitInitial, kUnitDescription, kUnitId, {kMetre, kKilometre}, false));
    m_wndPropList.AddProperty(m_pKilometerGroup, TRUE, TRUE);
    m_pGraticuleGroup->Expand(TRUE);
    m_pKilometerGroup->Expand(TRUE);
    return 0;
}

void CPropListBorderLabel::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObjectBorder* border = Border();
    if (!border) return;
    ShowGroups(border->GetDrawGraticule() != 0, border->GetDrawKilometerGrid() != 0);
    if (FindItem(kKilometerGroupId)) RefreshKilometer(border);
    if (FindItem(kGraticuleGroupId)) RefreshGraticule(border);
}

// Detaches both groups and attaches again those of the grids the border draws, the graticule's
// first.
void CPropListBorderLabel::ShowGroups(bool graticule, bool kilometer) {
    for (CBCGPProp* group : {m_pGraticuleGroup, m_pKilometerGroup})
        if (group && m_wndPropList.FindProperty(group) >= 0) m_wndPropList.DetachProperty(group);
    if (graticule && m_pGraticuleGroup) m_wndPropList.AttachProperty(m_pGraticuleGroup);
    if (kilometer && m_pKilometerGroup) m_wndPropList.AttachProperty(m_pKilometerGroup);
    AdjustLayout();
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
        CString text;
        text.Format("%u", d.count);
        item->SetValue(_variant_t(text));
    }
    QXLOGFONT font;
    border->GetKScaleLabelFont(&font);
    if (CBCGPProp* group = FindItem(kKHighFontId)) SetFontProp(group, font);
    border->GetKScaleLabelFont2(&font);
    if (CBCGPProp* group = FindItem(kKLowFontId)) SetFontProp(group, font);
    SetItemText(FindItem(kKXDirectionId), DirectionText(border->GetKTextDirectionX()));
    SetItemText(FindItem(kKYDirectionId), DirectionText(border->GetKTextDirectionY()));
    SetItemText(FindItem(kUnitId), UnitText(border->GetUnit()));
}

void CPropListBorderLabel::RefreshGraticule(CQXObjectBorder* border) {
    QXLOGFONT font;
    border->GetGraticuleFont(&font);
    if (CBCGPProp* group = FindItem(kGHighFontId)) SetFontProp(group, font);
    border->GetGraticuleFont2(&font);
    if (CBCGPProp* group = FindItem(kGLowFontId)) SetFontProp(group, font);
    SetItemText(FindItem(kGXDirectionId), GraticuleDirectionText(border->GetGTextDirectionX()));
    SetItemText(FindItem(kGYDirectionId), GraticuleDirectionText(border->GetGTextDirectionY()));
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
    const CString text = VariantToText(item->GetValue());
    const DWORD_PTR id = item->GetData();
    unsigned count = 0;

    switch (id) {
        case kGXDirectionId:
        case kGYDirectionId:
            SetSameTypeObjects(
                layer,
                id == kGXDirectionId ? &CQXObjectBorder::SetGTextDirectionX : &CQXObjectBorder::SetGTextDirectionY,
                GraticuleDirectionValue(text), typeName);
            break;
        case kXDigitsId:
        case kYDigitsId:
            if (ReadWholeUnsigned(text, &count))
                SetSameTypeObjects(
                    layer, id == kXDigitsId ? &CQXObjectBorder::SetKNumCountX2 : &CQXObjectBorder::SetKNumCountY2,
                    count, typeName);
            break;
        case kKXDirectionId:
        case kKYDirectionId:
            SetSameTypeObjects(
                layer,
                id == kKXDirectionId ? &CQXObjectBorder::SetKTextDirectionX : &CQXObjectBorder::SetKTextDirectionY,
                DirectionValue(text), typeName);
            break;
        case kUnitId:
            SetSameTypeObjects(layer, &CQXObjectBorder::SetUnit, UnitValue(text), typeName);
            break;
        default:
            if (FindFontSlot(id)) ApplyFontItem(item, border);
            break;
    }
    UpdateSameTypeObjects(layer, typeName);
    UpdateView();
    return 0;
}

// Face, size (more than 0) or colour of one label font; the font's other fields stay its own.
void CPropListBorderLabel::ApplyFontItem(CBCGPProp* item, CQXObjectBorder* border) {
    const FontSlot* slot = FindFontSlot(item->GetData());
    QXLOGFONT font;
    (border->*slot->get)(&font);
    const CString text = VariantToText(item->GetValue());
    switch (item->GetData() - slot->groupId) {
        case 1:
            font.SetFaceName(text);
            break;
        case 2: {
            const double size = crt::Atof(text) * 100;
            if (!(size > 0) || size > FLT_MAX) return;
            font.size = static_cast<float>(size);
            break;
        }
        default: {
            auto* colour = dynamic_cast<CBCGPColorProp*>(item);
            if (!colour) return;
            font.color = colour->GetColor();
            break;
        }
    }
    SetSameTypeObjects(border->GetLayer(), slot->set, &font, border->GetTypeName());
}
