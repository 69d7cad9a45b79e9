// CPropListScatteredFill: an area of a scattered-attribute distribution: its attribute type code,
// chosen among the catalogue's codes, and its size. Choosing a code gives the shown area the
// type's name and standard fill and keeps the code in the area's attributes. It is the facies
// area's list over the other catalogue; an area outside any layer is shown alone.
#pragma once

#include "planemap/PropListFaciesFill.h"

class CPropListScatteredFill : public CPropListFaciesFill {
public:
    CPropListScatteredFill();
    ~CPropListScatteredFill() override;

protected:
    CodeRules Rules() const override;
};
