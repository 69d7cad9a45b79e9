#include "section/SandDisplayMode.h"

#include "framework/OptionTables.h"
#include "section/SectionItems.h"
#include "section/SectionTexts.h"

namespace {
const TextValue kSandDisplayModes[] = {
    {sectiontext::kSandAll, 0},
    {sectiontext::kSandPerforated, 1},
    {sectiontext::kSandConnected, 2},
};
}  // namespace

CString SandDisplayModeText(int mode) { return TextOfValue(kSandDisplayModes, mode, ""); }

CFixedListProp* NewSandDisplayList(const char* name, const char* description, DWORD_PTR id) {
    return section::NewList(name, "", description, id, kSandDisplayModes, OtherTakenAs(-1));
}
