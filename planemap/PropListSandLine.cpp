#include "planemap/PropListSandLine.h"

#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObjectLine.h"
#include "planemap/BoundaryPen.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneTexts.h"
#include "planemap/SandList.h"

using namespace planemap;

namespace {

// The line classes with the prefix of their standard pens' keys; any other class is a dashed
// effective-area boundary.
struct PenKey {
    const char* lineClass;
    const char* prefix;
};
const PenKey kPenKeys[] = {
    {geotext::kSandSolidBoundary, geotext::kPenKeyPrefix},
    {geotext::kSandDashedBoundary, geotext::kDotPenKeyPrefix},
    {geotext::kValidSolidBoundary, geotext::kValidPenKeyPrefix},
};

const char* PenKeyPrefix(const CString& lineClass) {
    for (const PenKey& key : kPenKeys)
        if (lineClass == key.lineClass) return key.prefix;
    return geotext::kDotValidPenKeyPrefix;
}

bool IsValidAreaClass(const CString& lineClass) { return lineClass.str().rfind(geotext::kValidPrefix, 0) == 0; }

}  // namespace

CPropListSandLine::CPropListSandLine() = default;
CPropListSandLine::~CPropListSandLine() = default;

CQXObjectLine* CPropListSandLine::Line() const { return dynamic_cast<CQXObjectLine*>(m_pTarget); }

int CPropListSandLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(NewOptionItem(planetext::kType, "", "", kTypeId, {}, false), TRUE, TRUE);
    m_wndPropList.AddProperty(sandlist::NewBodyItem(kBodyNumberId), TRUE, TRUE);
    // Shows the line class; it offers nothing to pick, so it cannot be changed here.
    m_wndPropList.AddProperty(NewOptionItem(geotext::kLineClass, "", "", kLineClassId, {}, false), TRUE, TRUE);
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
    SetItemText(FindItem(kTypeId), IsValidAreaClass(lineClass) ? geotext::kValidSandLine : geotext::kSandLine);
    sandlist::ShowBody(FindItem(kBodyNumberId), line);
    boundarypen::ShowPenGroup(FindItem(kPenGroupId), line);
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
                ApplyBodyNumber(line, ItemText(item), pen);
                break;
            case boundarypen::kStyleId:
            case boundarypen::kWidthId:
            case boundarypen::kColorId:
                // A refused width writes nothing and redraws nothing.
                if (!boundarypen::EditPenItem(pen, item)) return 0;
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
    if (CQXPropertyManager* store = sandlist::JoinBody(line, number))
        store->GetPenProperty(CString(PenKeyPrefix(line->GetTypeName())) + number, &pen);
}
