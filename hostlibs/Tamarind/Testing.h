// Test hooks of the template library's stand-in.
#pragma once

#include <string>
#include <vector>

#include "hosttypes/Tamarind/TemplateManagerFacade.h"

namespace tamarind::testing {
struct Template {
    std::string name;  // file name without extension
    int posType;       // TPL_POS_SYSTEM or TPL_POS_PROJECT
};
// Replaces the templates of one type (an empty list removes them): a change made elsewhere.
void SetTemplates(TemplateManager::TemplateType type, const std::vector<Template>& templates);
// The sample store again.
void Reset();
}  // namespace tamarind::testing
