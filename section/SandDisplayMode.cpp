#include "section/SandDisplayMode.h"

#include "framework/OptionTables.h"
#include "section/SectionItems.h"
#include "section/SectionTexts.h"

namespace {
constexpr int kAllUnits = 0;
constexpr int kOtherMode = -1;
const TextValue kSandDisplayModes[] = {
    {sectiontext::kSandAll, kAllUnits},
    {sectiontext::kSandPerforated, 1},
    {sectiontext::kSandConnected, 2},
};
}  // namespace

CString SandDisplayModeText(int mode) { return TextOfValue(kSandDisplayModes, mode, ""); }

int SandDisplayModeFromText(const CString& text) {
    const int mode = ValueOfText(kSandDisplayModes, text, kOtherMode);
    return mode == kAllUnits ? kOtherMode : mode;
}

CFixedListProp* NewSandDisplayList(const char* name, const char* description, DWORD_PTR id) {
    // "全部" is the pages' own 0; any other text is the conversion's -1, shown empty.
    return section::NewList(name, "", description, id, kSandDisplayModes, OtherTakenAs(kOtherMode));
}
