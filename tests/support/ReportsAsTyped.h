// A text typed into an item and the same text reported from code, each on a page opened afresh and
// brought to the same state first: the two answers (what the page wrote and did, what the item
// shows) must be one.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "bcg/PropList.h"
#include "mfc/Variant.h"
#include "support/ReportFromCode.h"

namespace tsltest {

// One open page, driven through its item ids.
struct DrivenPage {
    std::function<void(DWORD_PTR, const std::string&)> type;
    std::function<void(DWORD_PTR, const _variant_t&)> report;
    std::function<std::string(DWORD_PTR)> value;
    std::function<void()> trace;        // starts following what the page does
    std::function<std::string()> dump;  // the values the page writes, and what it did since the trace began
    std::shared_ptr<void> keep;         // the world the page lives in
};

// A page driven through a test's open list (Type, Item, Value) that lives in world: trace(world)
// starts following what the page does, dump(world) tells it.
template <class Open, class World, class Trace, class Dump>
DrivenPage Drive(Open& open, std::shared_ptr<World> world, Trace trace, Dump dump) {
    DrivenPage page;
    page.type = [&open](DWORD_PTR id, const std::string& text) { open.Type(id, text); };
    page.report = [&open](DWORD_PTR id, const _variant_t& value) {
        CBCGPProp* item = open.Item(id);
        if (item && item->GetPropList()) ReportFromCode(*item->GetPropList(), item, value);
    };
    page.value = [&open](DWORD_PTR id) { return open.Value(id); };
    World* w = world.get();
    page.trace = [w, trace] { trace(*w); };
    page.dump = [w, dump] { return dump(*w); };
    page.keep = std::move(world);
    return page;
}

// What a number item held before the text: nothing yet, a number reported as a double, a refused
// text typed or reported.
struct ItemState {
    const char* name;
    std::function<void(DrivenPage&, DWORD_PTR)> reach;
};
inline const std::vector<ItemState> kNumberStates = {
    {"fresh", [](DrivenPage&, DWORD_PTR) {}},
    {"after a number reported as a double", [](DrivenPage& p, DWORD_PTR id) { p.report(id, _variant_t(2.0)); }},
    {"after a refused typed text", [](DrivenPage& p, DWORD_PTR id) { p.type(id, "1e999"); }},
    {"after a refused report", [](DrivenPage& p, DWORD_PTR id) { p.report(id, "1e999"); }},
};

// What the page did with text, typed or reported, on item id brought to the state; false when
// typing it would be no edit (the text the item shows).
inline bool AnswerTo(const std::function<DrivenPage()>& open, DWORD_PTR id, const ItemState& state, const char* text,
                     bool typed, std::string* answer) {
    DrivenPage page = open();
    state.reach(page, id);
    if (typed && page.value(id) == text) return false;
    page.trace();
    if (typed)
        page.type(id, text);
    else
        page.report(id, text);
    *answer = page.dump() + "\nshown " + page.value(id);
    return true;
}

// Each text reported into item id gets the answer the same text typed gets, in every state.
inline void ExpectReportsAnswerAsTyped(const std::string& name, DWORD_PTR id, const std::function<DrivenPage()>& open,
                                       std::initializer_list<const char*> texts,
                                       const std::vector<ItemState>& states = kNumberStates) {
    for (const ItemState& state : states)
        for (const char* text : texts) {
            std::string typed, reported;
            if (!AnswerTo(open, id, state, text, true, &typed)) continue;
            ASSERT_TRUE(AnswerTo(open, id, state, text, false, &reported));
            EXPECT_EQ(typed, reported) << name << ", " << state.name << ": \"" << text << "\"";
        }
}

}  // namespace tsltest
