#include "DemoPanes.h"

#include "bcg/ColorProp.h"
#include "bcg/Prop.h"
#include "hosttypes/Tinder/TimeStamp.h"
#include "mfc/Variant.h"

namespace demo {
namespace {

const char kYes[] = "是";
const char kNo[] = "否";
const char* const kAlignments[] = {"左对齐", "居中", "右对齐"};

SampleObject* Target(CWndProp& pane, long object) {
    return object ? reinterpret_cast<SampleObject*>(object) : nullptr;
}

// The stamp rule of the demo object: re-read when the object's stamp differs from the pane's.
bool Changed(SampleObject* obj, CWndProp& pane) {
    if (!obj || obj->stamp == pane.GetTimeStamp()) return false;
    pane.SetTimeStamp(obj->stamp);
    return true;
}

}  // namespace

int GeneralList::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    auto* group = new CBCGPProp("常规", 0, FALSE);
    group->AddSubItem(new CBCGPProp("名称", _variant_t(""), "对象的名称", kNameId));
    group->AddSubItem(new CBCGPProp("线宽", _variant_t(0.0), "线的宽度（毫米）", kWidthId));
    auto* visible = new CBCGPProp("可见", _variant_t(kYes), "", kVisibleId);
    visible->AddOption(kYes);
    visible->AddOption(kNo);
    visible->AllowEdit(FALSE);
    group->AddSubItem(visible);
    m_wndPropList.AddProperty(group);
    return 0;
}

void GeneralList::UpdateBCGPProperty(long object, CString) {
    SampleObject* obj = Target(*this, object);
    if (!Changed(obj, *this)) return;
    m_wndPropList.FindItemByData(kNameId)->SetValue(_variant_t(obj->name));
    m_wndPropList.FindItemByData(kWidthId)->SetValue(_variant_t(obj->width));
    m_wndPropList.FindItemByData(kVisibleId)->SetValue(_variant_t(obj->visible ? kYes : kNo));
}

LRESULT GeneralList::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    SampleObject* obj = Target(*this, m_curObject);
    if (!obj) return 0;
    switch (item->GetData()) {
        case kNameId:
            obj->name = VariantToText(item->GetValue());
            break;
        case kWidthId:
            obj->width = static_cast<double>(item->GetValue());
            break;
        case kVisibleId:
            obj->visible = VariantToText(item->GetValue()) == kYes;
            break;
        default: return 0;
    }
    obj->stamp = AfxGetTimeStamp();
    UpdateView();
    return 0;
}

int StyleList::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    auto* group = new CBCGPProp("样式", 0, FALSE);
    auto* color = new CBCGPColorProp("颜色", RGB(0, 0, 0), nullptr, "线的颜色", kColorId);
    color->EnableOtherButton("其它...");
    color->EnableAutomaticButton("自动", RGB(0, 0, 0));
    group->AddSubItem(color);
    auto* align = new CBCGPProp("对齐", _variant_t(kAlignments[1]), "", kAlignId);
    for (const char* a : kAlignments) align->AddOption(a);
    align->AllowEdit(FALSE);
    group->AddSubItem(align);
    m_wndPropList.AddProperty(group);
    return 0;
}

void StyleList::UpdateBCGPProperty(long object, CString) {
    SampleObject* obj = Target(*this, object);
    if (!Changed(obj, *this)) return;
    static_cast<CBCGPColorProp*>(m_wndPropList.FindItemByData(kColorId))->SetColor(obj->color);
    m_wndPropList.FindItemByData(kAlignId)->SetValue(_variant_t(obj->align));
}

LRESULT StyleList::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    SampleObject* obj = Target(*this, m_curObject);
    if (!obj) return 0;
    switch (item->GetData()) {
        // The automatic choice passes the item's automatic colour (black).
        case kColorId:
            obj->color = static_cast<CBCGPColorProp*>(item)->GetDisplayColor();
            break;
        case kAlignId:
            obj->align = VariantToText(item->GetValue());
            break;
        default: return 0;
    }
    obj->stamp = AfxGetTimeStamp();
    UpdateView();
    return 0;
}

}  // namespace demo
