#include "planemap/GeoPenItems.h"

#include <utility>

#include "framework/GroupTexts.h"
#include "framework/NumberText.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Kestrel/GraphStyleManager.h"
#include "hosttypes/Parsnip/QXObjectLine.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"

using namespace planemap;

namespace geoitems {

CBCGPProp* NewStylePicker(const char* name, const char* description, DWORD_PTR id) {
    return new CPropStyleCombox(name, 0, CPropStyleCombox::kLineStyle, kestrel::kLineSetCommon, description, id);
}

CBCGPProp* NewWidthItem(const char* name, double first, double step, int count, const char* format, DWORD_PTR id,
                        TextRule rule) {
    CBCGPProp* width = NewSizeTextItem(name, grouptext::kLineWidthMmDescription, id, std::move(rule));
    for (int i = 0; i < count; ++i) {
        CString option;
        option.Format(format, first + i * step);
        width->AddOption(option);
    }
    width->AllowEdit(TRUE);
    return width;
}

void ShowPen(CBCGPProp* style, CBCGPProp* colour, CBCGPProp* width, const QXLOGPEN& pen, int widthDecimals) {
    if (auto* picker = dynamic_cast<CPropStyleCombox*>(style)) {
        UINT value = pen.style;
        picker->SetVal(value);
    }
    ShowColor(colour, pen.color);
    if (width) SetItemText(width, numtext::Fixed(pen.width / 100.0, widthDecimals));
}

bool ApplyPenItem(CQXObjectLine* line, CBCGPProp* item, int position, Accept width, int decimals) {
    return EditSameTypeRecord(line, &CQXObjectLine::GetLogPen, &CQXObjectLine::SetLogPen, item, position, width,
                              decimals);
}

bool ApplyFloatPenWidth(CQXObjectLine* line, CBCGPProp* item) {
    QXLOGPEN pen;
    line->GetLogPen(&pen);
    if (!ReadFloatLengthThenScale(ItemText(item), 100, &pen.width)) {
        ShowStoredHundredths(item, pen.width);
        return false;
    }
    SetSameTypeObjects(line->GetLayer(), &CQXObjectLine::SetLogPen, &pen, line->GetTypeName());
    return true;
}

bool ReadPenField(CBCGPProp* item, PenField field, QXLOGPEN* pen) {
    switch (field) {
        case PenField::kStyle:
            if (auto* picker = dynamic_cast<CPropStyleCombox*>(item)) {
                pen->style = picker->GetVal();
                return true;
            }
            return false;
        case PenField::kWidth:
            return item && planemap::ReadWidth(ItemText(item), &pen->width);
        case PenField::kColor:
            return ReadColor(item, &pen->color);
    }
    return false;
}

void CopyPenField(PenField field, const QXLOGPEN& from, QXLOGPEN* to) {
    switch (field) {
        case PenField::kStyle:
            to->style = from.style;
            break;
        case PenField::kWidth:
            to->width = from.width;
            break;
        case PenField::kColor:
            to->color = from.color;
            break;
    }
}

}  // namespace geoitems
