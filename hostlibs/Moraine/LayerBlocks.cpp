// The accessor blocks several wrappers share (hosttypes/Moraine/LayerBlocks.h), defined once and
// built for each wrapper that offers them (the list at the end).
#include "hosttypes/Moraine/LayerBlocks.h"

#include <string>

#include "hostlibs/Moraine/LayerStyleWords.h"
#include "hosttypes/Moraine/ContourLayer.h"
#include "hosttypes/Moraine/CtrlLineLayer.h"
#include "hosttypes/Moraine/FaciesLayer.h"
#include "hosttypes/Moraine/OilWaterLayer.h"
#include "hosttypes/Moraine/RegionLayer.h"
#include "hosttypes/Moraine/SandLayer.h"
#include "hosttypes/Moraine/ScatteredLayer.h"
#include "hosttypes/Moraine/StratumMapLayer.h"
#include "hosttypes/Moraine/WellNetLayer.h"
#include "hosttypes/Parsnip/QXLayer.h"

namespace moraine::detail {

struct WrapperAccess {
    static CQXLayer* Layer(const kel::plane::IProfLayer& wrapper) { return wrapper.m_pLayer; }
    static LayerSettings* Settings(const kel::plane::IProfLayer& wrapper) { return wrapper.m_pSettings; }
};

}  // namespace moraine::detail

namespace kel::plane {
namespace {

using namespace moraine::detail;

// The name a wrapper's logged operations start with.
template <class Self>
constexpr const char* kWrapperName = nullptr;
template <>
constexpr const char* kWrapperName<CContourLayer> = "kel::plane::CContourLayer";
template <>
constexpr const char* kWrapperName<CCtrlLineLayer> = "kel::plane::CCtrlLineLayer";
template <>
constexpr const char* kWrapperName<CFaciesLayer> = "kel::plane::CFaciesLayer";
template <>
constexpr const char* kWrapperName<COilWaterLayer> = "kel::plane::COilWaterLayer";
template <>
constexpr const char* kWrapperName<CRegionLayer> = "kel::plane::CRegionLayer";
template <>
constexpr const char* kWrapperName<CSandLayer> = "kel::plane::CSandLayer";
template <>
constexpr const char* kWrapperName<CScatteredLayer> = "kel::plane::CScatteredLayer";
template <>
constexpr const char* kWrapperName<CStratumMapLayer> = "kel::plane::CStratumMapLayer";
template <>
constexpr const char* kWrapperName<CWellNetLayer> = "kel::plane::CWellNetLayer";

// "kel::plane::<wrapper>::<setter>".
template <class Self>
std::string Operation(const std::string& setter) {
    static_assert(kWrapperName<Self> != nullptr, "a wrapper offering a block needs its name above");
    return std::string(kWrapperName<Self>) + "::" + setter;
}

// The wrapper's layer and settings, seen from one of its blocks.
template <class Self, class Block>
CQXLayer* WrapperLayer(const Block* block) {
    return WrapperAccess::Layer(*static_cast<const Self*>(block));
}
template <class Self, class Block>
LayerSettings* WrapperSettings(const Block* block) {
    return WrapperAccess::Settings(*static_cast<const Self*>(block));
}

// A switch kept with the settings (default 1); its setter is "Set" followed by the switch's name.
template <class Self, class Block>
int Switch(const Block* block, const char* name) {
    return Read<int>(WrapperSettings<Self>(block), name, 1);
}
template <class Self, class Block>
void SetSwitch(const Block* block, const char* name, int value) {
    const std::string operation = Operation<Self>("Set" + std::string(name));
    WriteInt(WrapperLayer<Self>(block), WrapperSettings<Self>(block), name, value, operation.c_str());
}

}  // namespace

template <class Self>
CString TLayerName<Self>::GetLayerName() const {
    CQXLayer* layer = WrapperLayer<Self>(this);
    return layer ? layer->GetName() : CString();
}

template <class Self>
void TLayerRename<Self>::SetLayerName(CString name) {
    CQXLayer* layer = WrapperLayer<Self>(this);
    if (!layer) return;
    layer->SetName(name);
    Changed(layer, Operation<Self>("SetLayerName").c_str(), name.str());
}

template <class Self>
int TLineFillSwitches<Self>::GetLineVisible() const {
    return Switch<Self>(this, "LineVisible");
}
template <class Self>
void TLineFillSwitches<Self>::SetLineVisible(int visible) {
    SetSwitch<Self>(this, "LineVisible", visible);
}
template <class Self>
int TLineFillSwitches<Self>::GetFillVisible() const {
    return Switch<Self>(this, "FillVisible");
}
template <class Self>
void TLineFillSwitches<Self>::SetFillVisible(int visible) {
    SetSwitch<Self>(this, "FillVisible", visible);
}

template <class Self>
unsigned TLinePen<Self>::GetLineStyle() const {
    return PenStyle(WrapperLayer<Self>(this));
}
template <class Self>
void TLinePen<Self>::SetLineStyle(unsigned style) {
    SetPenStyle(WrapperLayer<Self>(this), style, Operation<Self>("SetLineStyle").c_str());
}
template <class Self>
COLORREF TLinePen<Self>::GetLineColor() const {
    return PenColor(WrapperLayer<Self>(this));
}
template <class Self>
void TLinePen<Self>::SetLineColor(COLORREF color) {
    SetPenColor(WrapperLayer<Self>(this), color, Operation<Self>("SetLineColor").c_str());
}

template <class Self>
int TLineValues<Self>::GetLineSameStyle() const {
    return Switch<Self>(this, "LineSameStyle");
}
template <class Self>
void TLineValues<Self>::SetLineSameStyle(int same) {
    SetSwitch<Self>(this, "LineSameStyle", same);
}
template <class Self>
int TLineValues<Self>::GetLineSameColor() const {
    return Switch<Self>(this, "LineSameColor");
}
template <class Self>
void TLineValues<Self>::SetLineSameColor(int same) {
    SetSwitch<Self>(this, "LineSameColor", same);
}
template <class Self>
int TLineValues<Self>::GetLineSameSize() const {
    return Switch<Self>(this, "LineSameSize");
}
template <class Self>
void TLineValues<Self>::SetLineSameSize(int same) {
    SetSwitch<Self>(this, "LineSameSize", same);
}
template <class Self>
float TLineValues<Self>::GetLineSize() const {
    return PenWidth(WrapperLayer<Self>(this));
}
template <class Self>
void TLineValues<Self>::SetLineSize(float size) {
    SetPenWidth(WrapperLayer<Self>(this), size, Operation<Self>("SetLineSize").c_str());
}

template <class Self>
int TAppendControlPoint<Self>::GetAppendControlPointVisible() const {
    return Switch<Self>(this, "AppendControlPointVisible");
}
template <class Self>
void TAppendControlPoint<Self>::SetAppendControlPointVisible(int visible) {
    SetSwitch<Self>(this, "AppendControlPointVisible", visible);
}
template <class Self>
void TAppendControlPoint<Self>::GetAppendControlPoint(QXLOGPOINT* point) const {
    if (point) *point = LayerPoint(WrapperLayer<Self>(this));
}
template <class Self>
void TAppendControlPoint<Self>::SetAppendControlPointStyle(unsigned style) {
    SetPointStyle(WrapperLayer<Self>(this), style, Operation<Self>("SetAppendControlPointStyle").c_str());
}
template <class Self>
float TAppendControlPoint<Self>::GetAppendControlPointSize() const {
    return LayerPoint(WrapperLayer<Self>(this)).size;
}
template <class Self>
void TAppendControlPoint<Self>::SetAppendControlPointSize(float size) {
    SetPointSize(WrapperLayer<Self>(this), size, Operation<Self>("SetAppendControlPointSize").c_str());
}
template <class Self>
void TAppendControlPoint<Self>::SetAppendControlPointBorderColor(COLORREF color) {
    SetPointBorderColor(WrapperLayer<Self>(this), color, Operation<Self>("SetAppendControlPointBorderColor").c_str());
}
template <class Self>
void TAppendControlPoint<Self>::SetAppendControlPointInnerColor(COLORREF color) {
    SetPointInnerColor(WrapperLayer<Self>(this), color, Operation<Self>("SetAppendControlPointInnerColor").c_str());
}

// Which wrapper offers which block.
template class TLayerName<CContourLayer>;
template class TLayerRename<CContourLayer>;
template class TLineFillSwitches<CContourLayer>;

template class TLayerName<CCtrlLineLayer>;
template class TLinePen<CCtrlLineLayer>;

template class TLayerName<CFaciesLayer>;
template class TLayerRename<CFaciesLayer>;
template class TLineFillSwitches<CFaciesLayer>;
template class TLinePen<CFaciesLayer>;
template class TLineValues<CFaciesLayer>;
template class TAppendControlPoint<CFaciesLayer>;

template class TLayerName<COilWaterLayer>;
template class TLayerRename<COilWaterLayer>;
template class TLineFillSwitches<COilWaterLayer>;
template class TLinePen<COilWaterLayer>;
template class TLineValues<COilWaterLayer>;

template class TLayerName<CRegionLayer>;
template class TLayerRename<CRegionLayer>;
template class TLineFillSwitches<CRegionLayer>;
template class TLinePen<CRegionLayer>;
template class TLineValues<CRegionLayer>;

template class TLayerName<CSandLayer>;
template class TLineFillSwitches<CSandLayer>;
template class TLinePen<CSandLayer>;
template class TLineValues<CSandLayer>;

template class TLayerName<CScatteredLayer>;
template class TLayerRename<CScatteredLayer>;
template class TLineFillSwitches<CScatteredLayer>;
template class TLinePen<CScatteredLayer>;
template class TLineValues<CScatteredLayer>;
template class TAppendControlPoint<CScatteredLayer>;

template class TLayerName<CStratumMapLayer>;

template class TLineFillSwitches<CWellNetLayer>;

}  // namespace kel::plane
