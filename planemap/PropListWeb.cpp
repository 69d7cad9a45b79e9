#include "planemap/PropListWeb.h"

#include "framework/ItemGroupsLine.h"
#include "framework/OptionTables.h"
#include "hosttypes/Parsnip/QXObjectWeb.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/RecordEdits.h"
#include "planemap/SameTypeEdits.h"
#include "planemap/TableWebShapeTexts.h"

using namespace planemap;

CPropListWeb::CPropListWeb() = default;
CPropListWeb::~CPropListWeb() = default;

CQXObjectWeb* CPropListWeb::Web() const { return dynamic_cast<CQXObjectWeb*>(m_pTarget); }

int CPropListWeb::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    m_wndPropList.AddProperty(NewTypeItem(shapetext::kWebKind, kTypeId), TRUE, TRUE);

    m_wndPropList.AddProperty(NewFixedListItem(planetext::kStyle, planetext::kStyle, "", kStyleId, shapes::kWebStyles,
                                               OtherTakenAs(shapes::kWebStyleOther), true),
                              TRUE, TRUE);

    // The spacing and the width refuse what their edits refuse.
    m_wndPropList.AddProperty(NewSizeTextItem(planetext::kSpacing, "", kGapId, AboveZeroRule(100)), TRUE, TRUE);

    CBCGPProp* pen = CreateLineProp(planetext::kPenSettings, kPenGroupId, false, HundredthsRule(Accept::ZeroOrMore));
    pen->Expand(TRUE);
    m_wndPropList.AddProperty(pen, TRUE, TRUE);
    return 0;
}

void CPropListWeb::UpdateBCGPProperty(long object, CString) {
    if (!BeginMultiRefresh(object)) return;
    CQXObjectWeb* web = Web();
    if (!web) return;
    SetItemText(FindItem(kStyleId), TextOfValue(shapes::kWebStyles, web->GetStyle(), shapes::kWebStyleOtherText));
    ShowStoredHundredths(FindItem(kGapId), web->GetXGap());
    QXLOGPEN pen;
    web->GetLogPen(&pen);
    SetLineProp(FindItem(kPenGroupId), pen);
}

LRESULT CPropListWeb::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectWeb* web = Web();
    if (!item || !web) {
        UpdateView();
        return 0;
    }
    CQXLayer* layer = web->GetLayer();
    const CString typeName = web->GetTypeName();

    switch (item->GetData()) {
        case kStyleId:
            SetSameTypeFromList(layer, &CQXObjectWeb::SetStyle, item, typeName);
            break;
        case kGapId:
            ApplyGap(web, item);
            break;
        case kPenStyleId:
        case kPenWidthId:
        case kPenColorId:
            // The shown web's pen with the one field changed goes to every web of the type; a negative
            // width is refused.
            if (!EditSameTypePen(web, item, kPenGroupId)) return 0;
            break;
        default:
            break;
    }
    UpdateSameTypeObjects(layer, typeName);
    UpdateView();
    return 0;
}

// One spacing for both directions; a spacing that is not above 0 (or no number) is refused.
void CPropListWeb::ApplyGap(CQXObjectWeb* web, CBCGPProp* item) {
    double gap = 0;
    if (!ReadAboveZero(ItemText(item), 100, &gap)) return;
    SetSameTypeObjects(web->GetLayer(), &CQXObjectWeb::SetXGap, gap, web->GetTypeName());
    SetSameTypeObjects(web->GetLayer(), &CQXObjectWeb::SetYGap, gap, web->GetTypeName());
}
