#include "section/LstRulerScale.h"

#include "framework/BmpPropLst.h"
#include "framework/GroupTexts.h"
#include "framework/ModuleEntry.h"
#include "framework/NumberText.h"
#include "framework/OptionTables.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Oriel/ScContainer.h"
#include "hosttypes/Oriel/ScDisScale.h"
#include "hosttypes/Oriel/ScDisScaleMgr.h"
#include "resources/ModuleResources.h"
#include "section/MultiWellItems.h"
#include "section/MultiWellTexts.h"
#include "section/ObjectPageItems.h"
#include "section/SectionItems.h"

using namespace multiwelltext;
using S = CLstRulerScale;

namespace {

// The bar's styles 0 to 6 are these pictures, in this order.
const UINT kStylePictures[] = {IDB_STYLE_FIRST + 4, IDB_STYLE_FIRST + 5, IDB_STYLE_FIRST + 6, IDB_STYLE_FIRST + 8,
                               IDB_STYLE_FIRST + 7, IDB_STYLE_FIRST + 9, IDB_STYLE_FIRST + 10};
const TextValue kAlignments[] = {{grouptext::kAlignCenter, 1}, {grouptext::kAlignLeft, 0}};

// The number items: label, stored = typed × scale, and the bar's value. The tick count is kept
// as an int and takes the typed number's integer part.
struct NumberItem {
    DWORD_PTR id;
    const char* label;
    double scale;
    double (ScDisScale::*get)() const;
    void (ScDisScale::*set)(double);
};
const NumberItem kNumbers[] = {
    {S::kContentOffsetId, kOffset, numtext::kHundredths, &ScDisScale::GetContentOffset, &ScDisScale::SetContentOffset},
    {S::kContentSizeId, grouptext::kSize, numtext::kHundredths, &ScDisScale::GetContentSize,
     &ScDisScale::SetContentSize},
    {S::kIntervalId, kTickInterval, 10, &ScDisScale::GetInterval, &ScDisScale::SetInterval},
    {S::kHeightId, kTickHeight, numtext::kHundredths, &ScDisScale::GetHeight, &ScDisScale::SetHeight},
    {S::kStepId, kTickCount, 1, nullptr, nullptr},
    {S::kLabelSizeId, grouptext::kSize, numtext::kHundredths, &ScDisScale::GetLogSize, &ScDisScale::SetLogSize},
    {S::kLineSizeId, grouptext::kLineWidth, numtext::kHundredths, &ScDisScale::GetLineSize, &ScDisScale::SetLineSize},
};

const NumberItem* NumberOf(DWORD_PTR id) {
    for (const NumberItem& number : kNumbers)
        if (number.id == id) return &number;
    return nullptr;
}

double Shown(const ScDisScale& scale, const NumberItem& number) {
    return number.get ? (scale.*number.get)() / number.scale : scale.GetStep();
}

// The value a number typed into the item stores: typed × scale (no bar value is negative); for
// the tick count the integer part, which an int holds.
bool ReadNumber(const NumberItem& number, CBCGPProp* item, double* value) {
    double v = 0;
    int count = 0;
    if (!section::ReadItemSize(item, number.scale, &v)) return false;
    if (!number.set) {
        if (!numtext::FitInt(v, 1, &count)) return false;
        v = count;
    }
    *value = v;
    return true;
}

CBCGPProp* NewGroup(const char* label, DWORD_PTR id) { return new CBCGPProp(label, id, FALSE); }

CBCGPProp* NewNumber(const ScDisScale& scale, DWORD_PTR id) {
    const NumberItem& number = *NumberOf(id);
    auto* item = new CBCGPropFloat(number.label, _variant_t(Shown(scale, number)), 2, "", FALSE, id);
    item->SetTextRule(KeptNumberRule([&number](CBCGPProp* typed) {
        double value = 0;
        return ReadNumber(number, typed, &value);
    }));
    return item;
}

CBCGPProp* NewText(const char* label, DWORD_PTR id, bool editable) {
    auto* item = new CBCGPProp(label, _variant_t(""), "", id);
    item->AllowEdit(editable ? TRUE : FALSE);
    return item;
}

}  // namespace

CLstRulerScale::CLstRulerScale(ScDisScale* scale) : m_pScale(scale) {}
CLstRulerScale::~CLstRulerScale() = default;

bool CLstRulerScale::ReadDigits(CBCGPProp* item, int* digits) {
    double typed = 0;
    int n = 0;
    if (!section::ReadItemNumber(item, 1, &typed) || !numtext::FitInt(typed, 1, &n)) return false;
    if (n < 0 || n > kMaxDigits) return false;
    *digits = n;
    return true;
}

int CLstRulerScale::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    ScDisScale empty;
    const ScDisScale& scale = m_pScale ? *m_pScale : empty;

    m_wndPropList.AddProperty(NewText(kScaleType, kTypeId, false), TRUE, TRUE);

    CBCGPProp* caption = NewGroup(kCaption, kCaptionGroupId);
    caption->AddSubItem(NewText(kContent, kContentId, true));
    caption->AddSubItem(NewNumber(scale, kContentOffsetId));
    caption->AddSubItem(
        new CPropStyleCombox(grouptext::kFontFace, scale.GetContentFont().GetFaceName(), "", kContentFontId));
    caption->AddSubItem(NewNumber(scale, kContentSizeId));
    caption->AddSubItem(section::NewBlackColorItem(grouptext::kColor, "", kContentColorId));
    auto* style = new CBmpPropLst(kStyle, 0, "");
    style->SetData(kStyleId);
    style->m_hResModule = GetTessalyModuleHandle();
    style->m_imageList.assign(std::begin(kStylePictures), std::end(kStylePictures));
    caption->AddSubItem(style);

    CBCGPProp* ticks = NewGroup(kTicks, kTickGroupId);
    ticks->AddSubItem(NewNumber(scale, kIntervalId));
    ticks->AddSubItem(NewNumber(scale, kHeightId));
    ticks->AddSubItem(NewNumber(scale, kStepId));
    ticks->AddSubItem(NewOptionItem(kUnit, "", "", kUnitId,
                                    {kUnitKilometreBracketed, kUnitKm, kUnitM, kUnitGongli, kUnitMetre, kUnitKilometre},
                                    false));

    QXLOGFONT labelFont;
    scale.GetLogFont(&labelFont);
    CBCGPProp* labels = NewGroup(kLabel, kLabelGroupId);
    labels->AddSubItem(new CPropStyleCombox(grouptext::kFontFace, labelFont.GetFaceName(), "", kLabelFontId));
    labels->AddSubItem(NewNumber(scale, kLabelSizeId));
    labels->AddSubItem(section::NewBlackColorItem(grouptext::kColor, "", kLabelColorId));
    // Only the two alignments are written; any other text is refused.
    labels->AddSubItem(section::NewList(kAlignment, "", "", kAlignId, kAlignments, kOtherRefused));
    labels->AddSubItem(
        new CBCGPropFloat(kDigits, _variant_t(static_cast<double>(scale.GetDigit())), 0, "", FALSE, kDigitId));

    CBCGPProp* line = NewGroup(kLineSettings, kLineGroupId);
    line->AddSubItem(section::NewBlackColorItem(grouptext::kColor, "", kLineColorId));
    auto* lineStyle =
        new CPropStyleCombox(grouptext::kLineStyle, 1, CPropStyleCombox::kLineStyle, nullptr, nullptr, kLineStyleId);
    lineStyle->AllowEdit(FALSE);
    line->AddSubItem(lineStyle);
    line->AddSubItem(NewNumber(scale, kLineSizeId));

    for (CBCGPProp* group : {caption, ticks, labels, line}) {
        group->Expand(TRUE);
        m_wndPropList.AddProperty(group, TRUE, TRUE);
    }
    return 0;
}

// ---- refresh --------------------------------------------------------------------------------------

void CLstRulerScale::UpdateBCGPProperty(long object, CString) {
    ScDisScale* scale = section::ChangedSelection<ScDisScale>(object, m_curObject, m_timeStamp);
    if (!scale) return;
    m_pScale = scale;
    ShowTextIfChanged(Item(kTypeId), scale->GetScaleName());
    ShowTextIfChanged(Item(kContentId), scale->GetContent());
    ShowColorIfChanged(Item(kContentColorId), scale->GetContentColor());
    ShowTextIfChanged(Item(kUnitId), scale->GetWordText());
    QXLOGFONT labelFont;
    scale->GetLogFont(&labelFont);
    ShowTextIfChanged(Item(kLabelFontId), labelFont.GetFaceName());
    ShowColorIfChanged(Item(kLabelColorId), scale->GetLogColor());
    if (const char* align = TextOfValue(kAlignments, scale->GetAglin(), nullptr)) SetItemText(Item(kAlignId), align);
    ShowColorIfChanged(Item(kLineColorId), scale->GetLineColor());
    section::ShowStyle(Item(kLineStyleId), scale->GetLineStyle());
    section::ShowPicture(Item(kStyleId), scale->GetStyle());
}

// ---- edits ----------------------------------------------------------------------------------------

void CLstRulerScale::FollowSelection() {
    if (ScDisScale* selected = section::SectionObjectAs<ScDisScale>(m_curObject)) m_pScale = selected;
}

LRESULT CLstRulerScale::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    FollowSelection();
    if (!item || !m_pScale) return 0;
    switch (item->GetData()) {
        case kContentOffsetId:
        case kContentSizeId:
        case kIntervalId:
        case kHeightId:
        case kStepId:
        case kLabelSizeId:
        case kLineSizeId:
            if (!EditNumber(item)) return 0;
            break;
        case kDigitId:
            if (!EditDigits(item)) return 0;
            break;
        default:
            if (!EditValue(item)) return 0;
            break;
    }
    m_pScale->Update();
    ScDisScaleMgr* mgr = m_pScale->GetDisScaleMgr();
    if (ScContainer* container = mgr ? mgr->GetContainer() : nullptr) container->SetModifyFlag(1);
    return 0;
}

// The bar is stamped, so that the next selection shows the number again. A text the reader
// refuses updates nothing: the item shows the bar's
// number again.
bool CLstRulerScale::EditNumber(CBCGPProp* item) {
    const NumberItem& number = *NumberOf(item->GetData());
    double value = 0;
    if (!ReadNumber(number, item, &value)) {
        ShowItemAgain(item);
        return false;
    }
    if (number.set)
        (m_pScale->*number.set)(value);
    else
        m_pScale->SetStep(static_cast<int>(value));
    m_pScale->ProChanged();
    return true;
}

void CLstRulerScale::ShowItemAgain(CBCGPProp* item) {
    CWndLst::ShowItemAgain(item);
    const NumberItem* number = item ? NumberOf(item->GetData()) : nullptr;
    if (number && m_pScale) ShowStoredValueOf(item, {{number->id, Shown(*m_pScale, *number)}});
}

bool CLstRulerScale::EditDigits(CBCGPProp* item) {
    int digits = 0;
    if (ReadDigits(item, &digits)) {
        m_pScale->SetDigit(digits);
        return true;
    }
    AfxMessageBox(kDigitsRange, MB_OK);
    item->SetValue(_variant_t(static_cast<double>(m_pScale->GetDigit())));
    return false;
}

bool CLstRulerScale::EditValue(CBCGPProp* item) {
    ScDisScale& scale = *m_pScale;
    COLORREF color = 0;
    UINT style = 0;
    switch (item->GetData()) {
        case kContentId:
            scale.SetContent(ItemText(item));
            break;
        case kContentFontId:
            scale.SetContentFont(section::WithFace(scale.GetContentFont(), item));
            break;
        case kContentColorId:
            if (ReadShownColor(item, &color)) scale.SetContentColor(color);
            break;
        case kStyleId:
            if (auto* picker = dynamic_cast<CBmpPropLst*>(item)) scale.SetStyle(picker->m_nSelectedIndex);
            break;
        case kUnitId:
            scale.SetWordText(ItemText(item));
            break;
        case kLabelFontId: {
            QXLOGFONT font;
            scale.GetLogFont(&font);
            font = section::WithFace(font, item);
            scale.SetLogFont(&font);
            break;
        }
        case kLabelColorId:
            if (ReadShownColor(item, &color)) scale.SetLogColor(color);
            break;
        case kAlignId: {
            int align = 0;
            if (!ReadFixedList(item, &align)) return false;
            scale.SetAglin(align);
            break;
        }
        case kLineColorId:
            if (ReadShownColor(item, &color)) scale.SetLineColor(color);
            break;
        case kLineStyleId:
            if (ReadStyle(item, &style)) scale.SetLineStyle(style);
            break;
        default:
            break;  // groups and the type name
    }
    return true;
}
