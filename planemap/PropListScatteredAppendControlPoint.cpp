#include "planemap/PropListScatteredAppendControlPoint.h"

#include "planemap/CodeItems.h"

CPropListScatteredAppendControlPoint::CPropListScatteredAppendControlPoint() = default;
CPropListScatteredAppendControlPoint::~CPropListScatteredAppendControlPoint() = default;

codeitems::Catalogue CPropListScatteredAppendControlPoint::CodeCatalogue() const {
    return codeitems::Catalogue::kScattered;
}
