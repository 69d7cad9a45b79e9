// Catalogue code items of the facies and scattered-attribute lines, areas and control points.
#pragma once

#include "bcg/Prop.h"
#include "hosttypes/Parsnip/QXObject.h"
#include "mfc/String.h"

class CFaciesTypeManager;

namespace codeitems {

// The catalogues of the well data whose codes the lists offer.
enum class Catalogue { kFacies, kScattered };

// A code item with that label: a text item offering the codes as options.
CBCGPProp* NewCodeItem(const char* label, DWORD_PTR id);
// Rebuilds the options from the catalogue's codes in catalogue order (none without a catalogue),
// then shows code, enabled, for an object shown alone, and empty text, disabled, otherwise.
void ShowCodes(CBCGPProp* item, Catalogue catalogue, bool alone, const CString& code);
// An area's code: the one kept in its attributes, or its name when none is kept.
CString AreaCode(CQXObject* area);
// The area takes the name and the standard fill (when it is a fill) of the catalogue's type of
// that code and keeps the code in its attributes. False, nothing changed, when there is no
// catalogue or the code is not in it.
bool GiveAreaType(CQXObject* area, Catalogue catalogue, const CString& code);
// The facies catalogue of the well data; NULL when the project has none.
CFaciesTypeManager* FaciesCatalogue();

}  // namespace codeitems
