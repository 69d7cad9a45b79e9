// A text the list refuses, typed or reported from code (the item's value set, then the grid's
// change report, so the item took a text it did not judge): the list writes nothing and only that
// item shows the stored value again.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "PlaneListFixture.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"

namespace planetest {

// A library call that only reads: its operation's name starts with Get, Is or Find.
inline bool IsGetter(const std::string& operation) {
    const std::string::size_type colon = operation.rfind("::");
    const std::string name = colon == std::string::npos ? operation : operation.substr(colon + 2);
    return name.rfind("Get", 0) == 0 || name.rfind("Is", 0) == 0 || name.rfind("Find", 0) == 0;
}

// Runs edit on item id, which shows stored. The item stays alive and shows stored again; the whole
// pane (every item, the current item) is as it was, nothing is redrawn and the map libraries saw no
// call but getters.
template <class List, class Edit>
void ExpectOnlyItemShowsStored(OpenList<List>& list, DWORD_PTR id, const std::string& text, const std::string& stored,
                               Edit edit) {
    CBCGPProp* item = list.Item(id);
    ASSERT_NE(nullptr, item);
    ASSERT_EQ(stored, list.Value(id)) << id;
    const std::string before = list.grid().Dump();
    CBCGPProp* current = list.list().GetPropList().GetCurSel();
    const int redraws = list.Redraws();
    parsnip::testing::ClearCallLog();
    edit(item);
    EXPECT_EQ(item, list.Item(id)) << id << " " << text;
    EXPECT_EQ(stored, list.Value(id)) << id << " " << text;
    EXPECT_EQ(before, list.grid().Dump()) << id << " " << text;
    EXPECT_EQ(current, list.list().GetPropList().GetCurSel()) << id << " " << text;
    EXPECT_EQ(redraws, list.Redraws()) << id << " " << text;
    for (const parsnip::testing::Call& call : parsnip::testing::CallLog())
        EXPECT_TRUE(IsGetter(call.operation)) << call.operation << " after " << id << " " << text;
}

// Reports text for item id from code.
template <class List>
void ExpectCodeReportRefused(OpenList<List>& list, DWORD_PTR id, const char* text, const std::string& stored) {
    ExpectOnlyItemShowsStored(list, id, text, stored, [&](CBCGPProp*) { list.Report(id, text); });
}

// Types text into item id, selected first as the user's click on it selects it.
template <class List>
void ExpectTypedRefused(OpenList<List>& list, DWORD_PTR id, const std::string& text, const std::string& stored) {
    if (CBCGPProp* item = list.Item(id)) list.list().GetPropList().SetCurSel(item);
    ExpectOnlyItemShowsStored(list, id, text, stored, [&](CBCGPProp* item) { list.grid().TypeText(item, text); });
}

// Picks option in item id, selected first as the user's click on it selects it.
template <class List>
void ExpectPickRefused(OpenList<List>& list, DWORD_PTR id, const std::string& option, const std::string& stored) {
    if (CBCGPProp* item = list.Item(id)) list.list().GetPropList().SetCurSel(item);
    ExpectOnlyItemShowsStored(list, id, option, stored,
                              [&](CBCGPProp* item) { EXPECT_TRUE(list.grid().PickOption(item, option)) << option; });
}

}  // namespace planetest
