#include "planemap/PropListSandLine.h"

#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObjectLine.h"
#include "planemap/BoundaryTexts.h"
#include "planemap/PlaneTexts.h"
#include "planemap/PropListOilWaterLine.h"

namespace {

enum : DWORD_PTR {
    kTypeId = 2000,
    kBodyNumberId = 2001,
    kLineClassId = 2002,
    kPenGroupId = boundarypen::kGroupId,
};

// The line classes with the prefix of their standard pens' keys; any other class is a dashed
// effective-area boundary.
struct PenKey {
    const char* lineClass;
    const char* prefix;
};
const PenKey kPenKeys[] = {
    {boundarytext::kSandSolidBoundary, boundarytext::kPenKeyPrefix},
    {boundarytext::kSandDashedBoundary, boundarytext::kDotPenKeyPrefix},
    {boundarytext::kValidSolidBoundary, boundarytext::kValidPenKeyPrefix},
};

const char* PenKeyPrefix(const CString& lineClass) {
    for (const PenKey& key : kPenKeys)
        if (lineClass == key.lineClass) return key.prefix;
    return boundarytext::kDotValidPenKeyPrefix;
}

bool IsValidAreaClass(const CString& lineClass) {
    return lineClass.str().rfind(boundarytext::kValidPrefix, 0) == 0;
}

}  // namespace

namespace sandlist {

int CountBodies(CQXLayer* layer) {
    if (!layer) return 0;
    const CQXPropertyManager* store = layer->GetPropertyManager();
    int n = 0;
    for (;;) {
        CString key;
        key.Format("%s%d", boundarytext::kBrushKeyPrefix, n + 1);
        QXLOGBRUSH brush;
        if (!store->GetBrushProperty(key, &brush)) return n;
        ++n;
    }
}

void SetBodyOptions(CBCGPProp* item, CQXLayer* layer) {
    if (!item) return;
    item->RemoveAllOptions();
    const int n = CountBodies(layer);
    for (int i = 1; i <= n; ++i) {
        CString option;
        option.Format("%d", i);
        item->AddOption(option);
    }
}

}  // namespace sandlist

CPropListSandLine::CPropListSandLine() = default;
CPropListSandLine::~CPropListSandLine() = default;

CQXObjectLine* CPropListSandLine::Line() const { return dynamic_cast<CQXObjectLine*>(m_pTarget); }

int CPropListSandLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    auto* type = new CBCGPProp(planetext::kType, _variant_t(""), "", kTypeId);
    type->AllowEdit(FALSE);
    m_wndPropList.AddProperty(type, TRUE, TRUE);
    auto* number = new CBCGPProp(boundarytext::kSandBodyNumber, _variant_t(""), "", kBodyNumberId);
    number->AllowEdit(FALSE);
    m_wndPropList.AddProperty(number, TRUE, TRUE);
    // Shows the line class; it offers nothing to pick, so it cannot be changed here.
    auto* lineClass = new CBCGPProp(boundarytext::kLineClass, _variant_t(""), "", kLineClassId);
    lineClass->AllowEdit(FALSE);
    m_wndPropList.AddProperty(lineClass, TRUE, TRUE);

    m_wndPropList.AddProperty(boundarypen::NewPenGroup(), TRUE, TRUE);
    return 0;
}

void CPropListSandLine::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObjectLine* line = Line();
    if (!line) return;
    const CString lineClass = line->GetTypeName();
    if (CBCGPProp* item = FindItem(kLineClassId)) {
        item->RemoveAllOptions();
        item->SetValue(_variant_t(lineClass));
    }
    if (CBCGPProp* type = FindItem(kTypeId))
        type->SetValue(_variant_t(IsValidAreaClass(lineClass) ? boundarytext::kValidSandLine : boundarytext::kSandLine));
    if (CBCGPProp* number = FindItem(kBodyNumberId)) {
        number->SetValue(_variant_t(line->GetName()));
        sandlist::SetBodyOptions(number, line->GetLayer());
    }
    QXLOGPEN pen;
    line->GetLogPen(&pen);
    boundarypen::SetPenGroup(FindItem(kPenGroupId), pen);
}

// The shown line takes its pen back after every edit, also one that changed nothing.
LRESULT CPropListSandLine::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectLine* line = Line();
    if (item && line) {
        QXLOGPEN pen;
        line->GetLogPen(&pen);
        switch (item->GetData()) {
        case kBodyNumberId:
            ApplyBodyNumber(line, VariantToText(item->GetValue()), pen);
            break;
        case boundarypen::kStyleId:
        case boundarypen::kWidthId:
        case boundarypen::kColorId:
            boundarypen::ReadPenItem(item, pen);
            break;
        default:
            break;
        }
        line->SetLogPen(&pen);
    }
    UpdateView();
    return 0;
}

// The line joins the body and takes the body's standard pen for its class when one is stored.
void CPropListSandLine::ApplyBodyNumber(CQXObjectLine* line, const CString& number, QXLOGPEN& pen) {
    line->SetName(number);
    CQXLayer* layer = line->GetLayer();
    if (!layer) return;
    const CString key = CString(PenKeyPrefix(line->GetTypeName())) + number;
    layer->GetPropertyManager()->GetPenProperty(key, &pen);
}
