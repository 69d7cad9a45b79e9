// Test hooks of the plane-map library's stand-in. Its calls are logged in the map-object
// library's call log (parsnip::testing).
#pragma once

#include <vector>

#include "mfc/String.h"

class CQXLayer;

namespace moraine::testing {
// Back to defaults: the plane options and every layer's settings (call between tests only:
// wrappers alive at that moment would point at dropped settings).
void Reset();
// The stratum a layer was made for, as the library learns it when it builds the layer.
void SetLayerStratum(CQXLayer* layer, int grade, const char* stratumName, const char* wellGroup);
// Read-only facts of a layer: "TableName", "DataName", "ControlName".
void SetLayerText(CQXLayer* layer, const char* name, const char* text);
// The distribution types of an oil-water or region line layer, in order.
void SetDistributionTypes(CQXLayer* layer, const std::vector<CString>& types);
// While on, CPlaneUtility::ReCalOneWellPathLine builds nothing and answers NULL.
void FailWellPathLines(bool fail);
// Frees the trajectory lines the library built (their layers must not list them any more) and
// ends a scripted failure; Reset does the same.
void DropWellPathLines();
}  // namespace moraine::testing
