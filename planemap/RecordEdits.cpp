#include "planemap/RecordEdits.h"

#include "framework/NumberText.h"
#include "framework/PropStyleCombox.h"
#include "hosttypes/Parsnip/QXObjectLine.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"

namespace planemap {

namespace {

bool IsAccepted(double value, Accept accept) {
    switch (accept) {
    case Accept::ZeroOrMore: return value >= 0;
    case Accept::AboveZero: return value > 0;
    default: return true;
    }
}

// A width or size typed in units shown and kept ×100 in a float field: the rule is tested on the
// number read, before it is rounded to the field.
bool ReadHundredths(const CString& text, Accept accept, float* value) {
    double v = 0;
    return ReadNumber(text, 100, &v) && IsAccepted(v, accept) && numtext::FitFloat(v, 1, value);
}

}  // namespace

bool EditPen(QXLOGPEN& pen, CBCGPProp* item, int position, Accept width) {
    switch (position) {
    case 0: {
        auto* picker = dynamic_cast<CPropStyleCombox*>(item);
        if (!picker) return false;
        pen.style = picker->GetVal();
        return true;
    }
    case 1: {
        float w = 0;
        if (!ReadHundredths(ItemText(item), width, &w)) return false;
        pen.width = w;
        return true;
    }
    case 2:
        return ReadColor(item, &pen.color);
    default:
        return false;
    }
}

bool EditFont(QXLOGFONT& font, CBCGPProp* item, int position, Accept size) {
    switch (position) {
    case 0:
        if (!item) return false;
        font.SetFaceName(ItemText(item));
        return true;
    case 1: {
        float s = 0;
        if (!ReadHundredths(ItemText(item), size, &s)) return false;
        font.size = s;
        return true;
    }
    case 2:
        return ReadColor(item, &font.color);
    default:
        return false;
    }
}

void EditOwnPens(CQXLayer* layer, const CString& typeName, CBCGPProp* item, int position, Accept width) {
    ForSameTypeObjects<CQXObjectLine>(layer, typeName, [&](CQXObjectLine* line) {
        QXLOGPEN pen;
        line->GetLogPen(&pen);
        if (EditPen(pen, item, position, width)) line->SetLogPen(&pen);
    });
}

bool EditWidth(CBCGPProp* item, float* width) {
    if (ReadWidth(ItemText(item), width)) return true;
    SetItemText(item, FormatString("%.2f", *width / 100.0));
    return false;
}

}  // namespace planemap
