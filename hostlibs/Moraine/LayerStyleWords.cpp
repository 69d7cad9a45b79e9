#include "hostlibs/Moraine/LayerStyleWords.h"

#include <string>

namespace moraine::detail {

unsigned PenStyle(CQXLayer* layer) { return LayerPen(layer).style; }

void SetPenStyle(CQXLayer* layer, unsigned style, const char* operation) {
    QXLOGPEN pen = LayerPen(layer);
    pen.style = style;
    SetLayerPen(layer, pen, operation, std::to_string(style));
}

COLORREF PenColor(CQXLayer* layer) { return LayerPen(layer).color; }

void SetPenColor(CQXLayer* layer, COLORREF color, const char* operation) {
    QXLOGPEN pen = LayerPen(layer);
    pen.color = color;
    SetLayerPen(layer, pen, operation, std::to_string(color));
}

float PenWidth(CQXLayer* layer) { return LayerPen(layer).width; }

void SetPenWidth(CQXLayer* layer, float width, const char* operation) {
    QXLOGPEN pen = LayerPen(layer);
    pen.width = width;
    SetLayerPen(layer, pen, operation, std::to_string(width));
}

void SetPointStyle(CQXLayer* layer, unsigned style, const char* operation) {
    QXLOGPOINT point = LayerPoint(layer);
    point.style = style;
    SetLayerPoint(layer, point, operation, std::to_string(style));
}

void SetPointSize(CQXLayer* layer, float size, const char* operation) {
    QXLOGPOINT point = LayerPoint(layer);
    point.size = size;
    SetLayerPoint(layer, point, operation, std::to_string(size));
}

void SetPointBorderColor(CQXLayer* layer, COLORREF color, const char* operation) {
    QXLOGPOINT point = LayerPoint(layer);
    point.borderColor = color;
    SetLayerPoint(layer, point, operation, std::to_string(color));
}

void SetPointInnerColor(CQXLayer* layer, COLORREF color, const char* operation) {
    QXLOGPOINT point = LayerPoint(layer);
    point.innerColor = color;
    SetLayerPoint(layer, point, operation, std::to_string(color));
}

}  // namespace moraine::detail
