// Single words of a layer's own pen and point style, read and written by the wrappers whose
// line values and control-point symbols are those of the layer.
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

}  // namespace moraine::detail
