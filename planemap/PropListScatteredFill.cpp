#include "planemap/PropListScatteredFill.h"

#include "planemap/CodeItems.h"
#include "planemap/GeologyTexts.h"

CPropListScatteredFill::CPropListScatteredFill() = default;
CPropListScatteredFill::~CPropListScatteredFill() = default;

CPropListFaciesFill::CodeRules CPropListScatteredFill::Rules() const {
    return {codeitems::Catalogue::kScattered, geotext::kScatteredType, true};
}
