#include "planemap/RecordEdits.h"

#include "framework/NumberText.h"
#include "hosttypes/Parsnip/QXObjectLine.h"
#include "planemap/PlaneItems.h"

namespace planemap {

void EditOwnPens(CQXLayer* layer, const CString& typeName, CBCGPProp* item, int position, Accept width) {
    ForSameTypeObjects<CQXObjectLine>(layer, typeName, [&](CQXObjectLine* line) {
        QXLOGPEN pen;
        line->GetLogPen(&pen);
        if (EditPen(pen, item, position, width)) line->SetLogPen(&pen);
    });
}

void ShowStoredHundredths(CBCGPProp* item, double stored) { ShowFixed(item, stored / 100.0, 2); }

}  // namespace planemap
