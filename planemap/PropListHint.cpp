#include "planemap/PropListHint.h"

#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/ItemGroupsLine.h"
#include "hosttypes/Parsnip/QXObjectHint.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneTexts.h"
#include "planemap/RecordEdits.h"
#include "planemap/SameTypeEdits.h"
#include "planemap/TextListCommon.h"

namespace {

const char kHintKind[] = "注释";
const char kTextContent[] = "文本内容";
const char kVAlign[] = "纵向对齐";

// The seven frame styles 0 .. 6 are offered as "风格1" .. "风格7".
constexpr int kStyleCount = 7;

}  // namespace

CPropListHint::CPropListHint() = default;
CPropListHint::~CPropListHint() = default;

CQXObjectHint* CPropListHint::Hint() const { return dynamic_cast<CQXObjectHint*>(m_pTarget); }

int CPropListHint::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    auto* type = new CBCGPProp(planetext::kType, _variant_t(kHintKind), "", kTypeId);
    type->AllowEdit(FALSE);
    m_wndPropList.AddProperty(type, TRUE, TRUE);

    auto* styleGroup = new CBCGPProp(planetext::kStyleSettings, kStyleGroupId);
    styleGroup->AddSubItem(planemap::NewStyleItem(planetext::kChooseStyle, kStyleId, kStyleCount,
                                                  planemap::StylePastOptions::kTakenAsCount));
    styleGroup->Expand(TRUE);
    m_wndPropList.AddProperty(styleGroup, TRUE, TRUE);

    // The width and size items refuse what the record edits refuse.
    CBCGPProp* pen = CreateLineProp(planetext::kPenSettings, kPenGroupId, false,
                                    planemap::HundredthsRule(planemap::Accept::ZeroOrMore));
    pen->Expand(TRUE);
    m_wndPropList.AddProperty(pen, TRUE, TRUE);

    m_pFillGroup = CreateFillProp(planetext::kFill, kPlaneFillGroupId);
    m_pFillGroup->Expand(TRUE);
    m_wndPropList.AddProperty(m_pFillGroup, TRUE, TRUE);

    CBCGPProp* font =
        CreateFontProp(planetext::kFontSettings, kFontGroupId, planemap::HundredthsRule(planemap::Accept::AboveZero));
    font->Expand(TRUE);
    m_wndPropList.AddProperty(font, TRUE, TRUE);

    m_wndPropList.AddProperty(NewTextItem(kTextContent, "", kTextId), TRUE, TRUE);
    m_wndPropList.AddProperty(planemap::NewAlignItem(true, planetext::kHAlign, "", "", kHAlignId, true), TRUE, TRUE);
    m_wndPropList.AddProperty(planemap::NewAlignItem(false, kVAlign, "", "", kVAlignId, true), TRUE, TRUE);
    return 0;
}

void CPropListHint::UpdateBCGPProperty(long object, CString) {
    if (!BeginMultiRefresh(object)) return;
    CQXObjectHint* hint = Hint();
    if (!hint) return;
    const bool single = GetSelectionCount() == 1;

    // The text is one hint's own: with several selected it is not editable (its text stays).
    if (CBCGPProp* text = FindItem(kTextId)) {
        if (single) text->SetValue(_variant_t(hint->GetString()));
        text->Enable(single);
    }
    SetItemText(FindItem(kStyleId), planemap::StyleText(hint->GetStyle()));

    QXLOGPEN pen;
    hint->GetLogPen(&pen);
    SetLineProp(FindItem(kPenGroupId), pen);

    if (single && m_pFillGroup) {
        QXLOGBRUSH brush;
        hint->GetLogBrush(&brush);
        SetFillProp(m_pFillGroup, planetext::kAllStyles, brush);
    }

    QXLOGFONT font;
    hint->GetLogFont(&font);
    SetFontProp(FindItem(kFontGroupId), font);

    SetItemText(FindItem(kHAlignId), planemap::HAlignText(hint->GetHorizontalAlign()));
    SetItemText(FindItem(kVAlignId), planemap::VAlignText(hint->GetVerticalAlign()));
}

LRESULT CPropListHint::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectHint* hint = Hint();
    if (!item || !hint) {
        UpdateView();
        return 0;
    }
    CQXLayer* layer = hint->GetLayer();
    const CString typeName = hint->GetTypeName();
    const CString text = VariantToText(item->GetValue());

    switch (item->GetData()) {
        case kStyleId:
            // The option's position; the option count for a text that is none of them.
            SetSameTypeFromList(layer, &CQXObjectHint::SetStyle, item, typeName);
            break;
        case kPenStyleId:
        case kPenWidthId:
        case kPenColorId:
            // The shown hint's whole pen, the edited field replaced; a width that is no number gives 0.
            if (!planemap::EditSameTypePen(hint, item, kPenGroupId)) return 0;
            break;
        case kFontFaceId:
        case kFontSizeId:
        case kFontColorId:
            // The shown hint's whole font, the edited field replaced; a size that is no number above 0
            // is refused.
            if (!planemap::EditSameTypeFont(hint, item, kFontGroupId)) return 0;
            break;
        case kTextId:
            SetSameTypeObjects(layer, &CQXObjectHint::SetString, static_cast<const char*>(text), typeName);
            break;
        case kHAlignId:
            SetSameTypeFromList(layer, &CQXObjectHint::SetHorizontalAlign, item, typeName);
            break;
        case kVAlignId:
            SetSameTypeFromList(layer, &CQXObjectHint::SetVerticalAlign, item, typeName);
            break;
        default:
            if (item->GetData() > kPlaneFillGroupId) {
                QXLOGBRUSH brush;
                hint->GetLogBrush(&brush);
                if (!ApplyFillSubItem(item, layer, &brush, typeName, &CQXObjectHint::SetLogBrush)) return 0;
            }
            break;
    }
    UpdateSameTypeObjects(layer, typeName);
    UpdateView();
    return 0;
}
