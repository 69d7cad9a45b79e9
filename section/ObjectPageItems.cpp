#include "section/ObjectPageItems.h"

#include <cmath>

#include "framework/BmpPropLst.h"
#include "framework/GroupEdits.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Halyard/OSWerLine.h"
#include "hosttypes/Oriel/ScContainer.h"
#include "hosttypes/Oriel/ScUpdateView.h"
#include "mfc/Wnd.h"
#include "section/SectionItems.h"
#include "win32/Win32.h"

namespace section {

namespace {
constexpr const char* kDepthOutOfRange = "设置的深度范围超过其所在的深度范围%f-%f";
constexpr const char* kErrorCaption = "错误";
}  // namespace

CBCGPProp* NewGroupItem(const char* name, DWORD_PTR id, bool expanded) {
    auto* group = new CBCGPProp(name, id, FALSE);
    group->Expand(expanded ? TRUE : FALSE);
    return group;
}

CBCGPProp* NewFloatItem(const char* name, double value, int digits, bool negatives, const char* description,
                        DWORD_PTR id, TextRule rule) {
    auto* item = new CBCGPropFloat(name, _variant_t(value), digits, description, negatives ? TRUE : FALSE, id);
    item->SetTextRule(std::move(rule));
    return item;
}

CBCGPProp* NewTextValueItem(const char* name, const char* value, const char* description, DWORD_PTR id, bool editable) {
    auto* item = new CBCGPProp(name, _variant_t(value), description, id);
    item->AllowEdit(editable ? TRUE : FALSE);
    return item;
}

CBCGPProp* NewBlackColorItem(const char* name, const char* description, DWORD_PTR id) {
    return NewGroupColorProp(name, description, id, RGB(0, 0, 0));
}

CBCGPProp* NewStylePicker(const char* name, int kind, const char* group, const char* description, DWORD_PTR id) {
    return new CPropStyleCombox(name, 1, kind, group, description, id);
}

CBCGPProp* NewRulerNumber(const char* name, double value, DWORD_PTR id, TextRule rule) {
    return NewFloatItem(name, value, 2, false, nullptr, id, std::move(rule));
}

CBCGPProp* NewRulerLineStyle(DWORD_PTR id, bool editable) {
    CBCGPProp* style = NewStylePicker(grouptext::kLineStyle, CPropStyleCombox::kLineStyle, nullptr, nullptr, id);
    style->AllowEdit(editable ? TRUE : FALSE);
    return style;
}

CBCGPProp* NewFacePicker(const char* name, const char* face, const char* description, DWORD_PTR id) {
    return new CPropStyleCombox(name, CString(face), description, id);
}

CBCGPProp* NewTypedFacePicker(const char* name, const char* face, const char* description, DWORD_PTR id) {
    CBCGPProp* picker = NewFacePicker(name, face, description, id);
    picker->AllowEdit(TRUE);
    return picker;
}

bool ReadHundredths(CBCGPProp* item, double* value) {
    float single = 0;
    double typed = 0;
    if (!ReadItemSize(item, 1.0, &typed) || !numtext::FitFloat(typed, numtext::kHundredths, &single)) return false;
    *value = typed * numtext::kHundredths;
    return true;
}

bool ReadHundredths(CBCGPProp* item, float* field) {
    double typed = 0;
    return ReadItemSize(item, 1.0, &typed) && numtext::FitFloat(typed, numtext::kHundredths, field);
}

TextRule HundredthsRule() { return KeptNumberRule<float>(&ReadHundredths); }

bool ReadPenField(CBCGPProp* item, int field, QXLOGPEN& pen) {
    switch (field) {
        case kPenStyle:
            return ReadStyle(item, &pen.style);
        case kPenWidth:
            return ReadHundredths(item, &pen.width);
        default:
            return ReadShownColor(item, &pen.color);
    }
}

void ShowNumber(CBCGPProp* item, double value) {
    if (!item) return;
    const _variant_t& shown = item->GetValue();
    if (shown.vt == VT_R8 && shown.dblVal == value) return;
    item->SetValue(_variant_t(value));
}

void ShowStyle(CBCGPProp* item, UINT style) {
    if (auto* picker = dynamic_cast<CPropStyleCombox*>(item)) picker->SetVal(style);
}

void ShowFace(CBCGPProp* item, const QXLOGFONT& font) { ShowTextIfChanged(item, font.GetFaceName()); }

void ShowPicture(CBCGPProp* item, int index) {
    auto* picker = dynamic_cast<CBmpPropLst*>(item);
    if (!picker) return;
    picker->m_nSelectedIndex = index;
    const _variant_t value(static_cast<long>(index));
    if (picker->GetValue() != value) picker->SetValue(value);
}

void RedrawCurrentSection() {
    ScUpdateView* view = ScUpdateView::Instance();
    view->EnableUpdate();
    if (ScContainer* container = view->GetContainer()) container->UpdateWnd();
}

bool MoveInterfaceLine(CWnd* owner, KelReservoir::SandUnit::CkelOSWerLine* line, CBCGPProp* item) {
    if (!line) return true;
    double depth = 0;
    const bool number = ReadItemNumber(item, 1.0, &depth);
    double lowest = 0, highest = 0;
    if (number) line->GetMoveDepthExtent(lowest, highest);
    if (number && depth >= lowest && depth <= highest) {
        if (KelReservoir::SandUnit::CkelOSWerLineManager* manager = line->GetManager())
            line->setPosY(manager->DpToY(depth));
        return true;
    }
    // Refused: the line stays where it is and the item shows its depth again.
    ShowStoredValueOf(item, {{item->GetData(), line->GetDepth()}});
    if (!number) return false;
    CString text;
    text.Format(kDepthOutOfRange, lowest, highest);
    if (owner)
        owner->MessageBox(text, kErrorCaption, MB_OK);
    else
        AfxMessageBox(text, MB_OK);
    return false;
}

}  // namespace section
