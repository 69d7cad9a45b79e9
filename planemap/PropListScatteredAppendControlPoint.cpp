#include "planemap/PropListScatteredAppendControlPoint.h"

CPropListScatteredAppendControlPoint::CPropListScatteredAppendControlPoint() = default;
CPropListScatteredAppendControlPoint::~CPropListScatteredAppendControlPoint() = default;

codeitems::Catalogue CPropListScatteredAppendControlPoint::CodeCatalogue() const {
    return codeitems::Catalogue::kScattered;
}
