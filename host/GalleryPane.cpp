#include "GalleryPane.h"

#include "bcg/ColorProp.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropDigits.h"
#include "mfc/Variant.h"

namespace demo {
namespace {

// The group an item belongs to: the top-level item above it.
CBCGPProp* TopGroup(CBCGPProp* item) {
    while (item->GetParent()) item = item->GetParent();
    return item;
}

}  // namespace

int GalleryPane::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    CBCGPPropListEx& grid = m_wndPropList;
    grid.AddProperty(CreateYesNoProp("显示", kYesNo, _variant_t("是"), "是否显示"));
    grid.AddProperty(CreateOrientationProp("方向", kOrientation, _variant_t("自动"), "文字方向"));
    grid.AddProperty(CreateFontProp("字体", kFont));
    grid.AddProperty(CreateFontPropFloatSize("标注字体", kFloatFont));
    grid.AddProperty(CreateColorProp("颜色", kColor, "颜色"));
    grid.AddProperty(CreateIndexProp("序号", kIndex, "序号", 5));
    grid.AddProperty(CreateHAlignProp("水平对齐", kHAlign, "水平对齐"));
    grid.AddProperty(CreateVAlignProp("垂直对齐"));
    grid.AddProperty(CreateLineProp("线", kLine, true));
    grid.AddProperty(CreateLineFloatProp("边线", kFloatLine));
    grid.AddProperty(CreateShowLineProp("轮廓线", kShowLine));
    grid.AddProperty(CreatePointProp("点", kPoint));
    grid.AddProperty(CreatePointFloatProp("符号", kFloatPoint));
    grid.AddProperty(CreateShowPointProp("井点", kShowPoint));
    grid.AddProperty(CreateFillProp("填充", kFill));
    auto* flagged = new CBCGPProp("区域填充", kFillFlag, FALSE);
    CreateFillFlagProp(flagged, kFillFlag);
    grid.AddProperty(flagged);
    grid.AddProperty(CreateSymbolTemplateProp("符号模板"));
    grid.AdjustLayout();
    return 0;
}

void GalleryPane::UpdateBCGPProperty(long, CString) {
    StyleSample& s = *m_pSample;
    SetYesNoProp(m_wndPropList.FindItemByData(kYesNo), s.visible);
    SetOrientationProp(m_wndPropList.FindItemByData(kOrientation), s.orientation);
    SetFontProp(m_wndPropList.FindItemByData(kFont), s.font);
    SetFontProp(m_wndPropList.FindItemByData(kFloatFont), s.floatFont);
    SetLineProp(m_wndPropList.FindItemByData(kLine), s.pen);
    SetLineProp(m_wndPropList.FindItemByData(kFloatLine), s.floatPen);
    SetShowLineProp(m_wndPropList.FindItemByData(kShowLine), s.pen, true);
    SetPointProp(m_wndPropList.FindItemByData(kPoint), s.point);
    SetPointFloatProp(m_wndPropList.FindItemByData(kFloatPoint), s.point);
    SetShowPointProp(m_wndPropList.FindItemByData(kShowPoint), s.point, true);
    SetFillProp(m_wndPropList.FindItemByData(kFill), "", s.brush);
    SetFillFlagProp(m_wndPropList.FindItemByData(kFillFlag), "", s.brush, true);
}

LRESULT GalleryPane::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CBCGPProp* group = TopGroup(item);
    const int index = static_cast<int>(item->GetData() - group->GetData()) - 1;
    StyleSample& s = *m_pSample;
    switch (group->GetData()) {
        case kYesNo: s.visible = GetYesNoProp(item); break;
        case kOrientation: s.orientation = GetOrientationProp(item); break;
        case kFont: GetFontProp(group, s.font); break;
        case kFloatFont: GetFontSubProp(item, s.floatFont, index); break;
        case kLine: GetLineProp(group, s.pen); break;
        case kFloatLine: GetLineSubProp(item, s.floatPen, index); break;
        case kPoint: GetPointProp(group, s.point); break;
        case kFloatPoint: GetPointSubProp(item, s.point, index); break;
        case kFill: GetFillSubProp(item, nullptr, index, s.brush); break;
        case kFillFlag: {
            bool fill = true;
            GetFillFlagSubProp(item, &fill, index, nullptr, s.brush);
            break;
        }
        default: return 0;
    }
    UpdateView();
    return 0;
}

}  // namespace demo
