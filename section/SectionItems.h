// What the section pages share in reading and writing their items: numbers typed into an item,
// read by the section library's check, and the section kinds' template types.
#pragma once

#include "bcg/Prop.h"
#include "hosttypes/Tamarind/TemplateManagerFacade.h"

namespace section {

// The number in the item's text (ScUtility::JudgeFigure) times scale; false, value untouched,
// when the text is no number or the scaled value is not finite.
bool ReadItemNumber(CBCGPProp* item, double scale, double* value);

// The drawing-template type of a section kind (1 correlation, 2 connection, 3 reservoir,
// 4 fence); 19 for any other kind.
TemplateManager::TemplateType TemplateTypeOfKind(int kind);

}  // namespace section
