#include "hostlibs/Moraine/LayerStyleWords.h"

#include <string>

namespace moraine::detail {
namespace {
// Reads the layer's record, changes one word and writes the record back.
template <class Record, class Word>
void SetWord(CQXLayer* layer, Word Record::*word, Word value, const char* operation, Record (*read)(CQXLayer*),
             void (*write)(CQXLayer*, const Record&, const char*, const std::string&)) {
    Record record = read(layer);
    record.*word = value;
    write(layer, record, operation, std::to_string(value));
}
}  // namespace

unsigned PenStyle(CQXLayer* layer) { return LayerPen(layer).style; }
void SetPenStyle(CQXLayer* layer, unsigned style, const char* operation) {
    SetWord(layer, &QXLOGPEN::style, style, operation, LayerPen, SetLayerPen);
}

COLORREF PenColor(CQXLayer* layer) { return LayerPen(layer).color; }
void SetPenColor(CQXLayer* layer, COLORREF color, const char* operation) {
    SetWord(layer, &QXLOGPEN::color, color, operation, LayerPen, SetLayerPen);
}

float PenWidth(CQXLayer* layer) { return LayerPen(layer).width; }
void SetPenWidth(CQXLayer* layer, float width, const char* operation) {
    SetWord(layer, &QXLOGPEN::width, width, operation, LayerPen, SetLayerPen);
}

void SetPointStyle(CQXLayer* layer, unsigned style, const char* operation) {
    SetWord(layer, &QXLOGPOINT::style, style, operation, LayerPoint, SetLayerPoint);
}
void SetPointSize(CQXLayer* layer, float size, const char* operation) {
    SetWord(layer, &QXLOGPOINT::size, size, operation, LayerPoint, SetLayerPoint);
}
void SetPointBorderColor(CQXLayer* layer, COLORREF color, const char* operation) {
    SetWord(layer, &QXLOGPOINT::borderColor, color, operation, LayerPoint, SetLayerPoint);
}
void SetPointInnerColor(CQXLayer* layer, COLORREF color, const char* operation) {
    SetWord(layer, &QXLOGPOINT::innerColor, color, operation, LayerPoint, SetLayerPoint);
}

void SetFontSize(CQXLayer* layer, float size, const char* operation) {
    SetWord(layer, &QXLOGFONT::size, size, operation, LayerFont, SetLayerFont);
}
void SetFontColor(CQXLayer* layer, COLORREF color, const char* operation) {
    SetWord(layer, &QXLOGFONT::color, color, operation, LayerFont, SetLayerFont);
}
void SetFontTransparent(CQXLayer* layer, UINT transparent, const char* operation) {
    SetWord(layer, &QXLOGFONT::transparent, transparent, operation, LayerFont, SetLayerFont);
}
void SetFontBackColor(CQXLayer* layer, COLORREF color, const char* operation) {
    SetWord(layer, &QXLOGFONT::backColor, color, operation, LayerFont, SetLayerFont);
}

}  // namespace moraine::detail
