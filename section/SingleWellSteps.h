// What the single-well section pages share: the section an object belongs to, the steps that
// make the section show an edit, and the walk over its sand units.
#pragma once

#include <functional>

class CSingleWellSection;
namespace Sand {
class CSandUnit;
}
namespace Stratum {
class CStratumUnit;
}

namespace single {

// The section the unit's manager vector belongs to; NULL where the chain breaks.
CSingleWellSection* SectionOf(const Sand::CSandUnit* unit);
CSingleWellSection* SectionOf(const Stratum::CStratumUnit* unit);

// The section's object stamp renewed, so that every page of it reads it again.
void Stamp(CSingleWellSection* section);
// The section redraws its window and its map object is marked modified; nothing for NULL.
void Redraw(CSingleWellSection* section);

// Every sand unit of every sand-unit manager of the section, in order.
void ForEachSandUnit(CSingleWellSection* section, const std::function<void(Sand::CSandUnit&)>& visit);

}  // namespace single
