#include "planemap/RecordEdits.h"

#include "framework/NumberText.h"
#include "hosttypes/Parsnip/QXObjectLine.h"
#include "planemap/PlaneItems.h"

namespace planemap {

// Whether a field is refused depends on the text alone: the shown line's pen decides for all.
bool EditOwnPens(CQXObjectLine* shown, CBCGPProp* item, int position, Accept width) {
    QXLOGPEN pen;
    shown->GetLogPen(&pen);
    if (!EditPen(pen, item, position, width)) {
        ShowStoredField(item, position, pen);
        return false;
    }
    ForSameTypeObjects<CQXObjectLine>(shown->GetLayer(), shown->GetTypeName(), [&](CQXObjectLine* line) {
        line->GetLogPen(&pen);
        if (EditPen(pen, item, position, width)) line->SetLogPen(&pen);
    });
    return true;
}

void ShowStoredHundredths(CBCGPProp* item, double stored, int decimals) { ShowFixed(item, stored / 100.0, decimals); }

}  // namespace planemap
