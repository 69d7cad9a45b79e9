#include "section/SectionItems.h"

#include <cmath>

#include "hosttypes/Oriel/ScUtility.h"
#include "planemap/PlaneItems.h"
#include "win32/Win32.h"

namespace section {

bool ReadItemNumber(CBCGPProp* item, double scale, double* value) {
    if (!item) return false;
    const double number = ScUtility::JudgeFigure(planemap::ItemText(item), false);
    if (number == kFltMax) return false;
    const double scaled = number * scale;
    if (!std::isfinite(scaled)) return false;
    *value = scaled;
    return true;
}

TemplateManager::TemplateType TemplateTypeOfKind(int kind) {
    using namespace TemplateManager;
    static const TemplateType kTypes[] = {TPL_CORRELATION, TPL_CONNECTION, TPL_RESERVOIR, TPL_FENCE};
    return (kind >= 1 && kind <= 4) ? kTypes[kind - 1] : TPL_GENERAL;
}

}  // namespace section
