// Editors the user opens and pickers he drops down, on any open page that gives its items (Item)
// and a driver of its grid (grid()).
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "bcg/PropList.h"

namespace tsltest {

// Opens the item's editor: it stays open while the host announces other objects.
template <class Page>
CBCGPProp* OpenEditor(Page& page, DWORD_PTR id) {
    CBCGPProp* item = page.Item(id);
    EXPECT_TRUE(page.grid().OpenEditor(item)) << id;
    return item;
}

// Picks the style whose entry reads style in the item's drop-down.
template <class Page>
bool PickStyle(Page& page, DWORD_PTR id, UINT style) {
    return page.grid().PickDropDownEntry(page.Item(id), std::to_string(style));
}

}  // namespace tsltest
