// The texts the conversions from text that the pages name read, each with the value it gives; the
// last row of each is a text no option holds.
#pragma once

#include <utility>
#include <vector>

namespace planetest {

using ConversionRows = std::vector<std::pair<const char*, int>>;

// GridLineStyleFromName, the border grid's line styles.
inline const ConversionRows kGridLineStyleRows = {{"无", 0}, {"网格线", 1}, {"十字标记", 2}, {"虚线", 0}};
// CPropListPieLayerObj::TextShowStyleFromName, the pie layer's label contents.
inline const ConversionRows kLabelContentRows = {{"不显示", 0}, {"百分比", 1},     {"横向百分比", 1}, {"属性名", 2},
                                                 {"属性值", 3}, {"纵向百分比", 4}, {"百分之", 0}};

}  // namespace planetest
