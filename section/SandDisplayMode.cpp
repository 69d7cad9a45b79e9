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
    CFixedListProp* item = section::NewList(name, "", description, id, nullptr, 0, kOtherRefused);
    // Every mode is offered; "全部" is the pages' own 0, every other text goes through the conversion.
    for (const TextValue& mode : kSandDisplayModes) {
        if (mode.value == kAllUnits)
            item->AddEntry(mode.text, mode.value);
        else
            item->AddOption(mode.text);
    }
    item->SetOtherRule([](const CString& text, int* mode) {
        *mode = SandDisplayModeFromText(text);
        return true;
    });
    item->ShowUnlistedBy(SandDisplayModeText);
    return item;
}
