#include "planemap/PropListArrow.h"

#include "framework/ItemGroupsFill.h"
#include "framework/ItemGroupsLine.h"
#include "hosttypes/Parsnip/QXObjectArrow.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/RecordEdits.h"
#include "planemap/SameTypeEdits.h"
#include "planemap/TableWebShapeTexts.h"

using namespace planemap;

namespace {

namespace st = shapetext;

constexpr int kStyleCount = 7;

}  // namespace

CPropListArrow::CPropListArrow() = default;
CPropListArrow::~CPropListArrow() = default;

CQXObjectArrow* CPropListArrow::Arrow() const { return dynamic_cast<CQXObjectArrow*>(m_pTarget); }

int CPropListArrow::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    m_wndPropList.AddProperty(NewTypeItem(st::kArrowKind, kTypeId), TRUE, TRUE);

    auto* styleGroup = new CBCGPProp(planetext::kStyleSettings, kStyleGroupId);
    styleGroup->AddSubItem(NewStyleItem(planetext::kChooseStyle, kStyleId, kStyleCount, StylePastOptions::kRefused));
    styleGroup->Expand(TRUE);
    m_wndPropList.AddProperty(styleGroup, TRUE, TRUE);

    // The width, height and proportion items refuse what their edits below refuse.
    CBCGPProp* pen = CreateLineProp(planetext::kPenSettings, kPenGroupId, false, HundredthsRule(Accept::ZeroOrMore));
    pen->Expand(TRUE);
    m_wndPropList.AddProperty(pen, TRUE, TRUE);

    m_pFillGroup = CreateFillProp(planetext::kFill, kPlaneFillGroupId);
    m_wndPropList.AddProperty(m_pFillGroup, TRUE, TRUE);
    m_pFillGroup->Expand(TRUE);

    auto* size = new CBCGPProp(st::kSizeSettings, kSizeGroupId);
    size->AddSubItem(NewSizeTextItem(planetext::kHeight, "", kHeightId, LengthRule(1)));
    size->AddSubItem(NewSizeTextItem(st::kHeadPercent, "", kHeadPercentId, IntRule()));
    size->AddSubItem(NewSizeTextItem(st::kBodyPercent, "", kBodyPercentId, IntRule()));
    size->Expand(TRUE);
    m_wndPropList.AddProperty(size, TRUE, TRUE);
    return 0;
}

// The size and the fill are one arrow's values: shown only while one object is selected, the
// size group disabled otherwise.
void CPropListArrow::UpdateBCGPProperty(long object, CString) {
    if (!BeginMultiRefresh(object)) return;
    CQXObjectArrow* arrow = Arrow();
    if (!arrow) return;
    const bool single = GetSelectionCount() == 1;
    if (single) {
        for (DWORD_PTR id : {kHeightId, kHeadPercentId, kBodyPercentId}) ShowStoredSize(arrow, FindItem(id));
    } else {
        EnablePropRecursive(FindItem(kSizeGroupId), FALSE);
    }
    SetItemText(FindItem(kStyleId), StyleText(arrow->GetStyle()));
    QXLOGPEN pen;
    arrow->GetLogPen(&pen);
    SetLineProp(FindItem(kPenGroupId), pen);
    if (single && m_pFillGroup) {
        QXLOGBRUSH brush;
        arrow->GetLogBrush(&brush);
        SetFillProp(m_pFillGroup, planetext::kAllStyles, brush);
    }
}

LRESULT CPropListArrow::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectArrow* arrow = Arrow();
    if (!item || !arrow) {
        UpdateView();
        return 0;
    }
    CQXLayer* layer = arrow->GetLayer();
    const CString typeName = arrow->GetTypeName();
    const DWORD_PTR id = item->GetData();

    switch (id) {
        case kStyleId:
            // A text no option holds gives no style: nothing is written and nothing runs.
            if (!SetSameTypeFromList(layer, &CQXObjectArrow::SetStyle, item, typeName)) return 0;
            break;
        case kPenStyleId:
        case kPenWidthId:
        case kPenColorId:
            // Every arrow of the type gets the shown arrow's whole pen with the one field changed; a
            // negative width is refused.
            if (!EditSameTypePen(arrow, item, kPenGroupId)) return 0;
            break;
        case kHeightId:
        case kHeadPercentId:
        case kBodyPercentId:
            ApplySize(arrow, item);
            break;
        default:
            if (id > kPlaneFillGroupId) {
                QXLOGBRUSH brush;
                arrow->GetLogBrush(&brush);
                if (!ApplyFillSubItem(item, layer, &brush, typeName, &CQXObjectArrow::SetLogBrush)) return 0;
            }
            break;
    }
    // Also after an edit that changed nothing.
    arrow->CreateModel();
    UpdateSameTypeObjects(layer, typeName);
    UpdateView();
    return 0;
}

// A height or proportion that is no number stores 0. The items read by these readers, so a text they
// refuse (a negative height) never comes here.
void CPropListArrow::ApplySize(CQXObjectArrow* arrow, CBCGPProp* item) {
    CQXLayer* layer = arrow->GetLayer();
    const CString typeName = arrow->GetTypeName();
    const CString text = ItemText(item);
    double height = 0;
    int percent = 0;
    switch (item->GetData()) {
        case kHeightId:
            if (ReadLength(text, 1, &height)) SetSameTypeObjects(layer, &CQXObjectArrow::SetHeight, height, typeName);
            break;
        case kHeadPercentId:
            if (ReadInt(text, &percent)) SetSameTypeObjects(layer, &CQXObjectArrow::SetHeadPercent, percent, typeName);
            break;
        default:
            if (ReadInt(text, &percent)) SetSameTypeObjects(layer, &CQXObjectArrow::SetBodyPercent, percent, typeName);
            break;
    }
}

// The height "%.2f", the proportions "%d", as the refresh shows them.
void CPropListArrow::ShowStoredSize(CQXObjectArrow* arrow, CBCGPProp* item) {
    if (!item) return;
    switch (item->GetData()) {
        case kHeightId:
            ShowFixed(item, arrow->GetHeight(), 2);
            break;
        case kHeadPercentId:
            SetItemText(item, FormatString("%d", arrow->GetHeadPercent()));
            break;
        case kBodyPercentId:
            SetItemText(item, FormatString("%d", arrow->GetBodyPercent()));
            break;
        default:
            break;
    }
}
