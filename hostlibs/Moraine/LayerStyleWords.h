// Single words of a layer's own pen, point style and font, read and written by the wrappers
// whose line values, control-point symbols and label fonts are those of the layer. Each setter
// changes that one word and is logged with its value.
#pragma once

#include "hostlibs/Moraine/LayerSettings.h"

namespace moraine::detail {

unsigned PenStyle(CQXLayer* layer);
void SetPenStyle(CQXLayer* layer, unsigned style, const char* operation);
COLORREF PenColor(CQXLayer* layer);
void SetPenColor(CQXLayer* layer, COLORREF color, const char* operation);
float PenWidth(CQXLayer* layer);
void SetPenWidth(CQXLayer* layer, float width, const char* operation);

void SetPointStyle(CQXLayer* layer, unsigned style, const char* operation);
void SetPointSize(CQXLayer* layer, float size, const char* operation);
void SetPointBorderColor(CQXLayer* layer, COLORREF color, const char* operation);
void SetPointInnerColor(CQXLayer* layer, COLORREF color, const char* operation);

void SetFontSize(CQXLayer* layer, float size, const char* operation);
void SetFontColor(CQXLayer* layer, COLORREF color, const char* operation);
void SetFontTransparent(CQXLayer* layer, UINT transparent, const char* operation);
void SetFontBackColor(CQXLayer* layer, COLORREF color, const char* operation);

}  // namespace moraine::detail
