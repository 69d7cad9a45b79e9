// CPropListScatteredAppendControlPoint: a virtual well added as a control point of a
// scattered-attribute distribution: its code (its name), chosen among the codes of the
// scattered-type catalogue, and its symbol. It is the facies map's control-point list offering
// the other catalogue's codes: a code reaches every selected point of the type name and is
// announced to the map's views; the symbol is written to every selected point after each edit.
#pragma once

#include "planemap/CodeItems.h"
#include "planemap/PropListAppendControlPoint.h"

class CPropListScatteredAppendControlPoint : public CPropListAppendControlPoint {
public:
    CPropListScatteredAppendControlPoint();
    ~CPropListScatteredAppendControlPoint() override;

protected:
    codeitems::Catalogue CodeCatalogue() const override;
};
