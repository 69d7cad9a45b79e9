// Test hooks of the well-data library stand-in's manager and its catalogues.
#pragma once

#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Osprey/SymbolManager.h"
#include "hosttypes/Osprey/WellRecords.h"
#include "hosttypes/Osprey/WellStyleRecords.h"

namespace osprey::testing {
// The next CWellDataManager::Instance() is a new manager holding the sample catalogues
// (strata, facies and scattered types; see the README); pointers handed out before are invalid.
void ResetWellDataManager();
// A change of the well data made elsewhere: the manager's stamp moves to a new time stamp.
void TouchWellData();

// Replace a catalogue's content. Each is a change of the well data: the manager's stamp and the
// catalogue's table stamp move to one new time stamp. Setting the facies or scattered types
// gives the manager that catalogue again when it had been removed.
void SetStrata(const std::vector<STRATUM>& strata);
void SetFaciesTypes(const std::vector<FACIESTYPE>& types);
void SetScatteredTypes(const std::vector<SCATTEREDTYPE>& types);
// The project then has no such catalogue: the getter answers NULL (the manager's stamp moves).
void RemoveFaciesTypeManager();
void RemoveScatteredTypeManager();

// Records with their texts cut to the 32-byte fields at a character boundary.
STRATUM MakeStratum(int grade, const char* name, const char* alias, const char* parent = "");
FACIESTYPE MakeFaciesType(const char* code, const char* name, const QXLOGBRUSH& brush, const QXLOGPEN& pen);
SCATTEREDTYPE MakeScatteredType(const char* code, const char* name, const QXLOGBRUSH& brush,
                                const QXLOGPEN& pen = QXLOGPEN());

// ---- oil-bearing symbols (OilSymbols.cpp) ----
// A solid, opaque brush of that fill colour with black lines (the samples' brushes).
QXLOGBRUSH SolidBrush(COLORREF fill);
// The brush of every code the catalogue does not know, "缺省填充" among them.
QXLOGBRUSH DefaultOilFill();
// The sample catalogue a new manager holds: "油层", "油水同层", "水层", "干层", solid fills of
// distinct colours.
std::vector<SYMBOLTYPE> SampleOilSymbols();
SYMBOLTYPE MakeOilSymbol(int code, const char* name, const QXLOGBRUSH& brush);
// Replaces the catalogue's entries (the manager's stamp does not move).
void SetOilSymbols(CSymbolManager& symbols, const std::vector<SYMBOLTYPE>& catalogue);
}  // namespace osprey::testing
