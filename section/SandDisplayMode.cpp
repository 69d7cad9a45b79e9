#include "section/SandDisplayMode.h"

#include "planemap/PlaneNumbers.h"
#include "section/SectionTexts.h"

namespace {
const planemap::TextValue kSandDisplayModes[] = {
    {sectiontext::kSandAll, 0},
    {sectiontext::kSandPerforated, 1},
    {sectiontext::kSandConnected, 2},
};
}  // namespace

CString SandDisplayModeText(int mode) { return planemap::TextOfValue(kSandDisplayModes, mode, ""); }

int SandDisplayModeFromText(const CString& text) {
    const int mode = planemap::ValueOfText(kSandDisplayModes, text, -1);
    return mode == 0 ? -1 : mode;
}
