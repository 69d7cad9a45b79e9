// Texts of the plane-map creator and the layer pages, each defined once: the layer kinds the
// creator tells apart, the tab captions of the layer sheets and the items of the data pages.
#pragma once

namespace layertext {

// Layer kinds (CQXLayer type names), compared whole.
inline constexpr const char* kWellLayer = "井位";
inline constexpr const char* kStratumLayer = "剖面";
inline constexpr const char* kFaciesLineLayer = "沉积相线";
inline constexpr const char* kFaciesFillLayer = "沉积相填充";
inline constexpr const char* kScatteredLineLayer = "离散属性边界线";
inline constexpr const char* kScatteredFillLayer = "离散属性填充";
inline constexpr const char* kContourLayer = "等值线";
inline constexpr const char* kContourFillLayer = "等值填充";
inline constexpr const char* kBoundLayer = "边界";
inline constexpr const char* kFaultLayer = "断层";
inline constexpr const char* kSandLayer = "砂体";
inline constexpr const char* kOilWaterLayer = "油水边界";
inline constexpr const char* kOilWaterFillLayer = "油水填充";
inline constexpr const char* kRegionLayer = "区域边界";
inline constexpr const char* kRegionFillLayer = "区域填充";
inline constexpr const char* kCtrlLineLayer = "控制线";
inline constexpr const char* kPointLayer = "点";
inline constexpr const char* kLineLayer = "线";
inline constexpr const char* kPieLayer = "饼图";
inline constexpr const char* kWellNetLayer = "连通井网";
inline constexpr const char* kStratumMapLayer = "小层平面图";
inline constexpr const char* kGeneralLayer = "通用";

// Tab captions that are not a layer kind's name.
inline constexpr const char* kDataPage = "数据";
inline constexpr const char* kWellNamePage = "井名";
inline constexpr const char* kWellSymbolPage = "井符号";
inline constexpr const char* kWellRowPage = "井排线";
inline constexpr const char* kAbsencePage = "缺失标志";
inline constexpr const char* kStratumSectionPage = "层段剖面";
inline constexpr const char* kConnectionPage = "连通线";
inline constexpr const char* kFaciesLinePage = "相带线";
inline constexpr const char* kVirtualWellPage = "虚拟井";
inline constexpr const char* kContourAreaPage = "等值区";
inline constexpr const char* kFaultLinePage = "断层线";
inline constexpr const char* kSandLinePage = "砂体分布线";
inline constexpr const char* kOilWaterLinePage = "油水分布线";
inline constexpr const char* kRegionLinePage = "区划线";
inline constexpr const char* kShowPage = "显示";
inline constexpr const char* kWellNetLinePage = "连通井网线";
inline constexpr const char* kWellNetAreaPage = "连通井网区";
inline constexpr const char* kFillPage = "填充";

// Map-object type names the creator's tables name more than once (the fault lines' and the other
// geology kinds' are in planemap/GeologyTexts.h).
inline constexpr const char* kVirtualWell = "虚拟井";
inline constexpr const char* kOilWaterLine = "油水边界线";
inline constexpr const char* kFaultBlock = "断层";
// The old name of a fault's middle line, renamed on sight.
inline constexpr const char* kDip = "倾向";

// The layer-name item and its description on the boundary and fault data pages.
inline constexpr const char* kLayerName = "图层名";
inline constexpr const char* kLayerNameDescription = "当前图层的图层名";

// The control-line data page's related layers.
inline constexpr const char* kRelatedLayers = "关联图层";
inline constexpr const char* kBoundLayerDescription = "边界图层";
inline constexpr const char* kFaultLayerDescription = "断层图层";

// The well and stratum data pages.
inline constexpr const char* kStratumGrade = "分层级别";
inline constexpr const char* kStratumName = "层名";
inline constexpr const char* kWellGroup = "井组";

// The file names of the digitising host begin with this, in any letter case.
inline constexpr const char* kDigitisingHostPrefix = "quillmark";

}  // namespace layertext

namespace layertext {
// The line group of the control-line page.
inline constexpr const char* kLineSettings = "线设置";
}  // namespace layertext

namespace layertext {
// The stratum a contour or stratum-map layer was made for, on their data pages.
inline constexpr const char* kStratumNumber = "层号";
}  // namespace layertext
