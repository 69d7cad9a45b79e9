#include "framework/ItemGroupsLine.h"

#include "framework/FixedList.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/NumberText.h"
#include "framework/PenFontEdits.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Kestrel/GraphStyleManager.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "mfc/Variant.h"

using namespace grouptext;

namespace {

constexpr UINT kInitialLineStyle = 1;

CString WidthText(const QXLOGPEN& pen) { return numtext::Fixed(pen.width / 100.0, 2); }

CPropStyleCombox* NewLineStylePicker(const char* name, const char* group, const char* description, DWORD_PTR data) {
    return new CPropStyleCombox(name, kInitialLineStyle, CPropStyleCombox::kLineStyle, group, description, data);
}

CBCGPropFloat* NewWidthFloat(DWORD_PTR data) {
    CBCGPropFloat* width = new CBCGPropFloat(kLineWidthMm, _variant_t(0.0), 2, kLineWidthDescription, FALSE, data);
    width->AllowEdit(TRUE);
    width->SetTextRule(HundredthsItemRule());  // the group readers keep it in hundredths
    return width;
}

CBCGPColorProp* NewLineColor(const char* description, DWORD_PTR data) {
    return NewGroupColorProp(kColor, description, data, 0);
}

// The arrow types of a polyline's end: any other text is no arrow.
constexpr TextValue kArrowTypes[] = {{kArrowNone, 0}, {kArrowSimple, 1}, {kArrowRightAngle, 2}};
constexpr OtherText kArrowOther = OtherTakenAs(0);

// Style, width and colour written into three consecutive sub-items.
void WriteLineItems(CBCGPProp* group, int first, const QXLOGPEN& pen) {
    if (!group) return;
    if (CPropStyleCombox* style = DYNAMIC_DOWNCAST(CPropStyleCombox, group->GetSubItem(first))) {
        UINT value = pen.style;
        style->SetVal(value);
    }
    if (CBCGPProp* width = group->GetSubItem(first + 1)) width->SetValue(_variant_t(WidthText(pen)));
    if (CBCGPColorProp* colour = DYNAMIC_DOWNCAST(CBCGPColorProp, group->GetSubItem(first + 2)))
        colour->SetColor(pen.color);
}

// Style picker, float width and colour at positions first .. first+2, each only when it is of
// that class: written when write is set, then enabled as asked.
void TouchFloatLineItems(CBCGPProp* group, int first, const QXLOGPEN& pen, bool write, bool enable) {
    if (!group) return;
    if (CPropStyleCombox* style = DYNAMIC_DOWNCAST(CPropStyleCombox, group->GetSubItem(first))) {
        if (write) {
            UINT value = pen.style;
            style->SetVal(value);
        }
        style->Enable(enable);
    }
    if (CBCGPropFloat* width = dynamic_cast<CBCGPropFloat*>(group->GetSubItem(first + 1))) {
        if (write) width->SetValue(_variant_t(static_cast<double>(pen.width) / 100.0));
        width->Enable(enable);
    }
    if (CBCGPColorProp* colour = DYNAMIC_DOWNCAST(CBCGPColorProp, group->GetSubItem(first + 2))) {
        if (write) colour->SetColor(pen.color);
        colour->Enable(enable);
    }
}

}  // namespace

// ---- shared helpers ------------------------------------------------------------------------------

CBCGPColorProp* NewGroupColorProp(const CString& name, const char* description, DWORD_PTR data,
                                  COLORREF automaticColor) {
    CBCGPColorProp* colour = new CBCGPColorProp(name, 0, nullptr, description, data);
    colour->EnableOtherButton(kOtherColor, TRUE, TRUE);
    colour->EnableAutomaticButton(kAutomaticColor, automaticColor, TRUE);
    return colour;
}

// ---- builders ------------------------------------------------------------------------------------

// ---- rules ---------------------------------------------------------------------------------------------

bool ReadArrowSize(const CString& text, double* length) {
    double typed = 0;
    if (!numtext::LeadingNumber(text, &typed) || !(typed > 0)) return false;
    *length = typed;
    return true;
}

TextRule ArrowSizeRule() { return ReaderRule(&ReadArrowSize); }

CBCGPProp* CreateLineProp(const CString& name, DWORD_PTR id, bool withArrows) {
    return CreateLineProp(name, id, withArrows, penfont::GroupSizeRule());
}

CBCGPProp* CreateLineProp(const CString& name, DWORD_PTR id, bool withArrows, TextRule widthRule) {
    CBCGPProp* group = new CBCGPProp(name, id, FALSE);
    group->AddSubItem(NewLineStylePicker(kLineStyle, kestrel::kLineSetCommon, kLineStyleDescription, id + 1));

    CBCGPProp* width = NewSizeTextItem(kLineWidth, kLineWidthDescription, id + 2, std::move(widthRule));
    for (int i = 1; i <= 30; ++i) {
        CString option;
        option.Format("%.1f", i / 10.0);
        width->AddOption(option);
    }
    width->AllowEdit(TRUE);
    group->AddSubItem(width);
    group->AddSubItem(NewLineColor(kLineColorDescription, id + 3));
    group->Expand(FALSE);

    if (withArrows) {
        group->AddSubItem(
            NewFixedListItem(kArrowBegin, "", kArrowBeginDescription, id + 4, kArrowTypes, kArrowOther, true));
        group->AddSubItem(
            NewFixedListItem(kArrowEnd, "", kArrowEndDescription, id + 5, kArrowTypes, kArrowOther, true));
        group->AddSubItem(NewSizeTextItem(kArrowSize, kArrowSizeDescription, id + 6, ArrowSizeRule()));
    }
    return group;
}

void AddLineSubItems(CBCGPProp* group, DWORD_PTR id) {
    if (!group) return;
    group->AddSubItem(NewLineStylePicker(kLineStyle, kestrel::kLineSetCommon, kLineStyleDescription, id + 1));
    group->AddSubItem(NewWidthFloat(id + 2));
    group->AddSubItem(NewLineColor(kLineColorDescription, id + 3));
}

CBCGPProp* CreateLineFloatProp(const std::string& name, DWORD_PTR id) {
    CBCGPProp* group = new CBCGPProp(CString(name.c_str()), id, FALSE);
    group->AddSubItem(NewLineStylePicker(kLineStyleShort, kestrel::kLineSetCommon, kLineStyleDescription, id + 1));
    group->AddSubItem(NewWidthFloat(id + 2));
    group->AddSubItem(NewLineColor(kLineColorDescription, id + 3));
    return group;
}

CBCGPProp* CreateShowLineProp(const std::string& name, DWORD_PTR id) {
    CBCGPProp* group = new CBCGPProp(CString(name.c_str()), id, FALSE);
    group->AddSubItem(CreateYesNoProp(kShow, id + 1, _variant_t(kYes), ""));
    group->AddSubItem(NewLineStylePicker(kLineStyle, kestrel::kLineSetCommon, kLineStyleDescription, id + 2));
    group->AddSubItem(NewWidthFloat(id + 3));
    group->AddSubItem(NewLineColor(kLineColorDescription, id + 4));
    return group;
}

void AddLineSubItemsWithIds(CBCGPProp* group, DWORD_PTR styleId, DWORD_PTR widthId, DWORD_PTR colorId) {
    if (!group) return;
    group->AddSubItem(NewLineStylePicker(kLineStyle, "", kLineStylePlainDescription, styleId));
    CBCGPProp* width = NewSizeTextItem(kLineWidth, kLineWidthMmDescription, widthId,
                                       penfont::HundredthsRule(penfont::Accept::ZeroOrMore));
    for (int i = 0; i < 60; ++i) {
        CString option;
        option.Format("%.1f", i * 0.5);
        width->AddOption(option);
    }
    width->AllowEdit(TRUE);
    group->AddSubItem(width);
    group->AddSubItem(NewLineColor(kLineColorShortDescription, colorId));
}

// ---- writers ---------------------------------------------------------------------------------------

void SetLineProp(CBCGPProp* group, const QXLOGPEN& pen) { WriteLineItems(group, 0, pen); }

void SetLineSubItems(CBCGPProp* group, int first, const QXLOGPEN& pen) { WriteLineItems(group, first, pen); }

void EnableLineProp(CBCGPProp* group, const QXLOGPEN& pen, bool enable) {
    TouchFloatLineItems(group, 0, pen, true, enable);
}

void SetShowLineProp(CBCGPProp* group, const QXLOGPEN& pen, bool show) {
    if (!group) return;
    if (CBCGPProp* shown = group->GetSubItem(0)) shown->SetValue(_variant_t(show ? kYes : kNo));
    TouchFloatLineItems(group, 1, pen, show, show);
}

// ---- readers -----------------------------------------------------------------------------------------

bool GetLineProp(CBCGPProp* group, QXLOGPEN& pen) {
    if (!group) return false;
    ReadStyle(group->GetSubItem(0), &pen.style);
    float kept = 0;
    const CString width = ItemText(group->GetSubItem(1));
    if (!penfont::ReadGroupSize(width, &kept)) return false;
    // A width still shown as the refresh showed it stands for the stored width, unrounded.
    if (!numtext::ShowsStored(width, pen.width / numtext::kHundredths, 2)) pen.width = kept;
    ReadColor(group->GetSubItem(2), &pen.color);
    return true;
}

bool GetLineSubProp(CBCGPProp* item, QXLOGPEN& pen, int index) {
    switch (index) {
        case 0:
            ReadStyle(item, &pen.style);
            break;
        case 1:
            return ReadHundredthsItem(item, &pen.width);
        case 2:
            if (CBCGPColorProp* colour = DYNAMIC_DOWNCAST(CBCGPColorProp, item)) {
                const COLORREF value = colour->GetColor();
                pen.color = value == CBCGPColorProp::kAutomatic ? 0 : value;
            }
            break;
        default:
            break;
    }
    return true;
}

void GetShowLineSubProp(CBCGPProp* item, QXLOGPEN& pen, int index, bool* show) {
    if (!item) return;
    if (index == 0) {
        if (show) *show = ReadYesNo(item);
    } else if (index >= 1 && index <= 3) {
        GetLineSubProp(item, pen, index - 1);
    }
}

// ---- arrows ---------------------------------------------------------------------------------------------

int ReadArrowType(CBCGPProp* item) {
    const int type = ArrowTypeFromText(ItemText(item));
    // A fixed list, read through its one reader, shows the option standing for the type taken.
    int read = type;
    if (FixedListOf(item)) ReadFixedList(item, &read);
    return type;
}

int ArrowTypeFromText(CString text) { return ValueOfText(kArrowTypes, text, kArrowOther.value); }

CString ArrowTypeToText(int type) { return TextOfValue(kArrowTypes, type, kArrowNone); }

void SetArrowLineProp(CBCGPProp* group, CQXObjectPolyline* line) {
    if (!group || !line) return;
    CArrow* arrows[] = {line->GetBegArrow(), line->GetEndArrow()};
    for (int i = 0; i < 2; ++i) {
        CBCGPProp* item = group->GetSubItem(3 + i);
        if (!item) continue;
        // Every arrow type is offered again, whatever options the item held.
        item->RemoveAllOptions();
        for (const TextValue& type : kArrowTypes) item->AddOption(type.text);
        item->SetValue(_variant_t(ArrowTypeToText(arrows[i]->GetArrowType())));
    }
    if (CBCGPProp* size = group->GetSubItem(5))
        size->SetValue(_variant_t(numtext::Fixed(arrows[0]->GetArrowLength(), 2)));
}

void ApplyArrowProp(CBCGPProp* item, CQXObject* object, int index) {
    if (!item || !object || index < 0 || index > 2) return;
    // The type is the item's text read as an arrow type, whatever kind of item holds it.
    const int type = index == 2 ? 0 : ReadArrowType(item);
    CQXLayer* layer = object->GetLayer();
    if (!layer) return;
    double length = 0;
    if (index == 2 && !ReadArrowSize(ItemText(item), &length)) return;
    const CString typeName = object->GetTypeName();
    const int count = layer->GetSelectedObjectCount();
    for (int i = 0; i < count; ++i) {
        CQXObject* selected = layer->GetSelectedObject(i);
        if (!selected || selected->GetTypeName() != typeName) continue;
        // Only polylines have arrows: an object of another class with that type name is skipped.
        CQXObjectPolyline* line = DYNAMIC_DOWNCAST(CQXObjectPolyline, selected);
        if (!line) continue;
        if (index == 0) {
            line->GetBegArrow()->SetArrowType(type);
        } else if (index == 1) {
            line->GetEndArrow()->SetArrowType(type);
        } else {
            line->GetBegArrow()->SetArrowLength(length);
            line->GetEndArrow()->SetArrowLength(length);
        }
    }
}
