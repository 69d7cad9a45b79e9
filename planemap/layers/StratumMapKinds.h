// The kinds of boundary lines and area fills a stratum map ("小层平面图") holds, told apart by type
// name, and the walk over every object of one kind in the layer, selected or not.
#pragma once

#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObject.h"
#include "mfc/String.h"

namespace stratummap {

// Boundary line kinds: the type name of the lines, and the attribute key of the layer's pen for them.
inline constexpr const char* kPinchOutLine = "砂岩尖灭线";
inline constexpr const char* kValidThickLine = "有效厚度零线";
inline constexpr const char* kOilWaterBorderLine = "油水边界线";
inline constexpr const char* kPinchOutPenKey = "PINCHOUTLINE_PEN";
inline constexpr const char* kValidThickPenKey = "VALIDTHICKLINE_PEN";
inline constexpr const char* kOilWaterBorderPenKey = "OILWATERBORDERLINE_PEN";
// The direction of a pinch-out or oil-water border line, a boolean attribute of the line (1 forward).
inline constexpr const char* kDirectionKey = "PINCHOUT_DIRECTION";
inline constexpr const char* kDirection = "尖灭方向";
inline constexpr const char* kDirectionDescription = "设置尖灭方向";
inline constexpr const char* kBorderDirectionDescription = "设置方向";

// Area fill kinds (type names). The group of the store areas is labelled otherwise than its fills.
inline constexpr const char* kStoreAreaFill = "储层面积";
inline constexpr const char* kOilAreaFill = "含油面积";
inline constexpr const char* kOilBeltFill = "含油带";
inline constexpr const char* kWaterBeltFill = "含水带";
inline constexpr const char* kStoreAreaGroup = "储量面积";
inline constexpr const char* kBeltGroup = "油水带";
inline constexpr const char* kOilBeltDescription = "指定含油带颜色";
inline constexpr const char* kWaterBeltDescription = "指定含水带颜色";
inline constexpr const char* kShowDescription = "是否显示";
inline constexpr const char* kFillStyleSet = "常用填充";

// Calls fn(object) on every object of the layer, in index order, that is a T and whose type name is
// typeName exactly.
template <class T, class Fn>
void ForEachOfKind(CQXLayer* layer, const char* typeName, Fn fn) {
    const int count = layer ? layer->GetObjectCount() : 0;
    for (int i = 0; i < count; ++i) {
        auto* object = dynamic_cast<T*>(layer->GetObjectG(i));
        if (object && object->GetTypeName() == typeName) fn(object);
    }
}

// The first object of the kind, or NULL.
template <class T>
T* FirstOfKind(CQXLayer* layer, const char* typeName) {
    const int count = layer ? layer->GetObjectCount() : 0;
    for (int i = 0; i < count; ++i) {
        auto* object = dynamic_cast<T*>(layer->GetObjectG(i));
        if (object && object->GetTypeName() == typeName) return object;
    }
    return nullptr;
}

}  // namespace stratummap
