#include "framework/ItemGroupsBasic.h"

#include "framework/FixedList.h"
#include "framework/GroupTexts.h"
#include "framework/NumberText.h"
#include "framework/OptionTables.h"
#include "framework/PropDigits.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "framework/TemplateOptions.h"
#include "hosttypes/Sorrel/TemplateManager.h"

namespace {

CString SizeText(float size) { return numtext::Fixed(size / 100.0, 2); }

// A colour item with the "other" and "automatic" buttons.
CBCGPColorProp* NewColorItem(const CString& name, COLORREF color, const char* description, DWORD_PTR data,
                             COLORREF automatic) {
    CBCGPColorProp* item = new CBCGPColorProp(name, color, nullptr, description, data);
    item->EnableOtherButton(grouptext::kOtherColor, TRUE, TRUE);
    item->EnableAutomaticButton(grouptext::kAutomaticColor, automatic, TRUE);
    return item;
}

// The framework's fixed lists: each option with its value. An orientation item reads any other
// text as vertical; an alignment item refuses it unless its list says otherwise.
constexpr TextValue kOrientations[] = {{grouptext::kAuto, 0}, {grouptext::kHorizontal, 1}, {grouptext::kVertical, 2}};
constexpr TextValue kHAligns[] = {
    {grouptext::kAlignLeft, 0}, {grouptext::kAlignCenter, 1}, {grouptext::kAlignRight, 2}};
constexpr TextValue kVAligns[] = {
    {grouptext::kAlignTop, 0}, {grouptext::kAlignCenter, 1}, {grouptext::kAlignBottom, 2}};


// Writes the font into the three sub-items; with checked, a sub-item of another class is left alone.
void WriteFont(CBCGPProp* group, const QXLOGFONT& font, bool enable, bool checked) {
    if (!group) return;
    CBCGPProp* face = group->GetSubItem(0);
    CBCGPProp* size = group->GetSubItem(1);
    CBCGPProp* color = group->GetSubItem(2);
    if (checked) {
        if (!dynamic_cast<CPropStyleCombox*>(face)) face = nullptr;
        if (!dynamic_cast<CBCGPropFloat*>(size)) size = nullptr;
    }
    CBCGPColorProp* colorItem = dynamic_cast<CBCGPColorProp*>(color);
    if (checked) color = colorItem;

    const BOOL flag = enable ? TRUE : FALSE;
    if (face) face->Enable(flag);
    if (size) size->Enable(flag);
    if (color) color->Enable(flag);
    if (!enable) return;
    if (face) face->SetValue(_variant_t(font.GetFaceName()));
    if (size) size->SetValue(_variant_t(static_cast<double>(font.size) / 100.0));
    if (colorItem) colorItem->SetColor(font.color);
}

// Empties the item's options and offers "" followed by the templates' names, choice only.
void FillTemplates(CBCGPProp* item, TemplateKind kind) {
    if (!item) return;
    item->RemoveAllOptions();
    item->AllowEdit(FALSE);
    AppendTemplateOptions(item, kind);
}

}  // namespace

// ---- yes/no ---------------------------------------------------------------------------------------

CBCGPProp* CreateYesNoProp(const CString& name, DWORD_PTR id, const _variant_t& value, const char* description) {
    return NewYesNoList(name, VariantToText(value), description, id);
}

void SetYesNoProp(CBCGPProp* item, bool value) {
    if (item) item->SetValue(_variant_t(value ? grouptext::kYes : grouptext::kNo));
}

bool GetYesNoProp(CBCGPProp* item) { return ItemText(item) == grouptext::kYes; }

// ---- orientation ----------------------------------------------------------------------------------

CBCGPProp* CreateOrientationProp(const CString& name, DWORD_PTR id, const _variant_t& value, const char* description) {
    return NewFixedListItem(name, VariantToText(value), description, id, kOrientations, OtherTakenAs(2));
}

// Orientation 0 automatic, 1 horizontal; any other value or text is vertical.
void SetOrientationProp(CBCGPProp* item, int orientation) {
    if (item) item->SetValue(_variant_t(TextOfValue(kOrientations, orientation, grouptext::kVertical)));
}

int GetOrientationProp(CBCGPProp* item) {
    int orientation = 2;
    if (!FixedListOf(item)) return ValueOfText(kOrientations, ItemText(item), orientation);
    ReadFixedList(item, &orientation);
    return orientation;
}

// ---- font groups ----------------------------------------------------------------------------------

CBCGPProp* CreateFontProp(const CString& name, DWORD_PTR id) {
    return CreateFontProp(name, id, penfont::GroupSizeRule());
}

CBCGPProp* CreateFontProp(const CString& name, DWORD_PTR id, TextRule sizeRule) {
    CBCGPProp* group = new CBCGPProp(name, id, FALSE);

    CPropStyleCombox* face = new CPropStyleCombox(grouptext::kFontFace, CString(grouptext::kDefaultFontFace),
                                                  grouptext::kFontFaceDescription, id + 1);
    group->AddSubItem(face);

    CBCGPProp* size = new CBCGPropSizeText(grouptext::kSize, _variant_t(grouptext::kInitialFontSize),
                                           grouptext::kFontSizeDescription, id + 2, std::move(sizeRule));
    for (int i = 1; i <= 32; ++i) {
        CString option;
        option.Format("%d", i);
        size->AddOption(option);
    }
    group->AddSubItem(size);

    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    group->AddSubItem(NewColorItem(grouptext::kColor, text, grouptext::kFontColorDescription, id + 3, text));

    group->Expand(FALSE);
    return group;
}

CBCGPProp* CreateFontPropFloatSize(const std::string& name, DWORD_PTR id) {
    CBCGPProp* group = new CBCGPProp(CString(name.c_str()), id, FALSE);

    group->AddSubItem(new CPropStyleCombox(grouptext::kFontFace, CString(grouptext::kDefaultFontFace),
                                           grouptext::kFontFaceDescription, id + 1));

    CBCGPropFloat* size =
        new CBCGPropFloat(grouptext::kSize, _variant_t(33.0), 2, grouptext::kFontSizeDescription, FALSE, id + 2);
    size->AllowEdit(TRUE);
    size->SetTextRule(HundredthsItemRule());  // GetFontSubProp keeps it in hundredths
    group->AddSubItem(size);

    group->AddSubItem(NewColorItem(grouptext::kColor, 0, grouptext::kFontColorDescriptionShort, id + 3, 0));
    return group;
}

void SetFontProp(CBCGPProp* group, const QXLOGFONT& font) {
    if (!group) return;
    if (CBCGPProp* face = group->GetSubItem(0)) face->SetValue(_variant_t(font.GetFaceName()));
    if (CBCGPProp* size = group->GetSubItem(1)) size->SetValue(_variant_t(SizeText(font.size)));
    if (auto* color = dynamic_cast<CBCGPColorProp*>(group->GetSubItem(2))) color->SetColor(font.color);
}

void EnableFontProp(CBCGPProp* group, const QXLOGFONT& font, bool enable) { WriteFont(group, font, enable, false); }

void EnableFontPropChecked(CBCGPProp* group, const QXLOGFONT& font, bool enable) {
    WriteFont(group, font, enable, true);
}

bool GetFontProp(CBCGPProp* group, QXLOGFONT& font) {
    if (!group) return false;
    CBCGPProp* sizeItem = group->GetSubItem(1);
    font.SetFaceName(ItemText(group->GetSubItem(0)));

    float s = 0;
    if (!penfont::ReadGroupSize(ItemText(sizeItem), &s)) {
        if (sizeItem) sizeItem->SetValue(_variant_t(SizeText(font.size)));
        return false;
    }
    // A size still shown as the refresh showed it stands for the stored size, unrounded.
    if (!numtext::ShowsStored(ItemText(sizeItem), font.size / numtext::kHundredths, 2)) font.size = s;
    ReadColor(group->GetSubItem(2), &font.color);
    return true;
}

bool GetFontSubProp(CBCGPProp* item, QXLOGFONT& font, int index) {
    switch (index) {
        case 0:
            if (dynamic_cast<CPropStyleCombox*>(item)) font.SetFaceName(ItemText(item));
            break;
        case 1:
            if (dynamic_cast<CBCGPropFloat*>(item)) return ReadHundredthsItem(item, &font.size);
            break;
        case 2:
            ReadColor(item, &font.color);
            break;
        default:
            break;
    }
    return true;
}

// ---- template option lists ------------------------------------------------------------------------

void FillFontStyleTemplates(CBCGPProp* item) { FillTemplates(item, TemplateKind::FontStyle); }

void FillSizeTemplates(CBCGPProp* item) { FillTemplates(item, TemplateKind::Size); }

void FillColorTemplates(CBCGPProp* item) { FillTemplates(item, TemplateKind::Color); }

void FillPointStyleTemplates(CBCGPProp* item) { FillTemplates(item, TemplateKind::PointStyle); }

void FillLineStyleTemplates(CBCGPProp* item) { FillTemplates(item, TemplateKind::LineStyle); }

void FillFillStyleTemplates(CBCGPProp* item) { FillTemplates(item, TemplateKind::FillStyle); }

// ---- numbers --------------------------------------------------------------------------------------

bool GetNumberProp(CBCGPProp* item, double* value) {
    return item && value && numtext::PositiveOrZeroNumber(ItemText(item), value);
}

int IsNumberText(const CString& text) { return numtext::IsNumberText(text) ? 1 : 0; }

// ---- single items ---------------------------------------------------------------------------------

CBCGPColorProp* CreateColorProp(const CString& name, DWORD_PTR id, const char* description) {
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    CBCGPColorProp* item = NewColorItem(name, text, description, id, text);
    item->AllowEdit(FALSE);
    return item;
}

CBCGPColorProp* CreateBlackColorProp(const CString& name, DWORD_PTR id, const char* description) {
    return NewColorItem(name, RGB(0, 0, 0), description, id, RGB(0, 0, 0));
}

CBCGPropDigits* CreateIndexProp(const CString& name, DWORD_PTR id, const char* description, int count) {
    CBCGPropDigits* item = new CBCGPropDigits(name, _variant_t(""), description, id);
    item->AllowEdit(FALSE);
    for (int i = 0; i < count; ++i) {
        CString option;
        option.Format("%d", i);
        item->AddOption(option);
    }
    return item;
}

CBCGPProp* CreateHAlignProp(const CString& name, DWORD_PTR id, const char* description) {
    return NewFixedListItem(name, grouptext::kAlignCenter, description, id, kHAligns, kOtherRefused);
}

CBCGPProp* CreateVAlignProp(const CString& name) {
    return NewFixedListItem(name, grouptext::kAlignCenter, grouptext::kVAlignDescription, kVAlignPropId, kVAligns,
                            kOtherRefused);
}

// ---- enabling -------------------------------------------------------------------------------------

void EnableAllSubItems(CBCGPProp* item, BOOL enable) {
    if (!item) return;
    for (CBCGPProp* sub : item->m_lstSubItems) sub->Enable(enable);
}

void EnableSubItems(CBCGPProp* item, int from, int to, BOOL enable) {
    if (!item) return;
    const unsigned count = static_cast<unsigned>(item->GetSubItemsCount());
    const unsigned end = static_cast<unsigned>(to) < count ? static_cast<unsigned>(to) : count;
    for (unsigned i = from < 0 ? 0u : static_cast<unsigned>(from); i < end; ++i)
        item->GetSubItem(static_cast<int>(i))->Enable(enable);
}

void EnableSubItemsDeep(CBCGPProp* item, int from, int to, BOOL enable) {
    if (!item) return;
    EnableSubItems(item, from, to, enable);
    const unsigned count = static_cast<unsigned>(item->GetSubItemsCount());
    const unsigned end = static_cast<unsigned>(to) < count ? static_cast<unsigned>(to) : count;
    for (unsigned i = from < 0 ? 0u : static_cast<unsigned>(from); i < end; ++i)
        EnableAllSubItems(item->GetSubItem(static_cast<int>(i)), enable);
}

bool ReadHundredthsItem(CBCGPProp* item, float* field) {
    // Not a number (an empty or mistyped value): the caller keeps what it had.
    float number = 0;
    if (!item || !numtext::LexicalFloat(VariantToText(item->GetValue()), &number) || number < 0) return false;
    return numtext::FitFloatThenScale(number, 100.0f, field);
}

TextRule HundredthsItemRule() { return KeptNumberRule(&ReadHundredthsItem); }
