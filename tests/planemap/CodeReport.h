// A change a list learns of from code (the item's value set, then the grid's change report) with a
// text the list's reader refuses: the item took the text without judging it, so the list alone
// must put the stored value back.
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

// Reports text for item id from code. The item, which showed stored before, stays alive and shows
// it again; the whole pane (every item, the current item) is as it was, nothing is redrawn and the
// map libraries saw no call but getters.
template <class List>
void ExpectCodeReportRefused(OpenList<List>& list, DWORD_PTR id, const char* text, const std::string& stored) {
    CBCGPProp* item = list.Item(id);
    ASSERT_NE(nullptr, item);
    ASSERT_EQ(stored, list.Value(id)) << id;
    const std::string before = list.grid().Dump();
    CBCGPProp* current = list.list().GetPropList().GetCurSel();
    const int redraws = list.Redraws();
    parsnip::testing::ClearCallLog();
    item->SetValue(_variant_t(text));
    list.list().GetPropList().OnPropertyChanged(item);
    EXPECT_EQ(item, list.Item(id)) << id << " " << text;
    EXPECT_EQ(stored, list.Value(id)) << id << " " << text;
    EXPECT_EQ(before, list.grid().Dump()) << id << " " << text;
    EXPECT_EQ(current, list.list().GetPropList().GetCurSel()) << id << " " << text;
    EXPECT_EQ(redraws, list.Redraws()) << id << " " << text;
    for (const parsnip::testing::Call& call : parsnip::testing::CallLog())
        EXPECT_TRUE(IsGetter(call.operation)) << call.operation << " after " << id << " " << text;
}

}  // namespace planetest
