// A text set by code and reported by the grid gets the answer the same text typed gets, whatever
// the item held before: a number reported as a double, a text, a refusal. Each number item reads
// every text into its own type, the type of the value it was made with.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>

#include "ItemPane.h"
#include "bcg/PropList.h"
#include "driver/GridDriver.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/NumberText.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "framework/PropSizeText.h"
#include "support/ReportFromCode.h"

using tsltest::HostWindow;
using tsltest::ItemPane;

namespace {

enum : DWORD_PTR { kNumberId = 1, kWholeId, kSizeId, kCountId };

// A length read whole: the entire text one number of 0 or more.
bool ReadWholeLength(const CString& text, double* value) {
    double v = 0;
    if (!numtext::WholeNumber(text, &v) || v < 0) return false;
    *value = v;
    return true;
}
// A size read by its leading number, 0 or more.
bool ReadLeadingSize(const CString& text, double* value) {
    double v = 0;
    if (!numtext::LeadingNumber(text, &v) || v < 0) return false;
    *value = v;
    return true;
}

// One pane of the four kinds of number item: a double with the hundredths rule, a text read whole,
// a text read by its leading number, an unsigned count read whole.
struct Pane {
    HostWindow host;
    ItemPane pane{[](CBCGPPropList& grid) {
        auto* number = new CBCGPropFloat("大小", _variant_t(0.0), 2, "", FALSE, kNumberId);
        number->SetTextRule(HundredthsItemRule());
        grid.AddProperty(number);
        auto* whole = new CBCGPropFloat("长度", _variant_t(""), 1, "", FALSE, kWholeId);
        whole->SetTextRule(ReaderRule(ReadWholeLength));
        grid.AddProperty(whole);
        grid.AddProperty(new CBCGPropSizeText("粗细", _variant_t(""), "", kSizeId, ReaderRule(ReadLeadingSize)));
        grid.AddProperty(new CBCGPropSizeText("格数", _variant_t(5u), "", kCountId, [](const CString& text) {
            unsigned n = 0;
            return numtext::WholeUnsigned(text, &n);
        }));
    }};
    platform::GridDriver driver{&pane.GetPropList()};

    Pane() { EXPECT_TRUE(pane.Open(host)); }
    ~Pane() { pane.DestroyWindow(); }
    CBCGPProp* Item(DWORD_PTR id) { return pane.GetPropList().FindItemByData(id, TRUE); }
    std::string Shown(DWORD_PTR id) { return platform::GridDriver::Info(Item(id)).value; }
    void Type(DWORD_PTR id, const std::string& text) { driver.TypeText(Item(id), text); }
    void Report(DWORD_PTR id, const _variant_t& value) { tsltest::ReportFromCode(pane.GetPropList(), Item(id), value); }
};

// What the item made of a text: whether its list heard of it, the value text the list read, and
// what the item shows after.
using Answer = std::tuple<bool, std::string, std::string>;

// What the item held before the text.
struct State {
    const char* name;
    std::function<void(Pane&, DWORD_PTR)> reach;
};
const State kStates[] = {
    {"fresh", [](Pane&, DWORD_PTR) {}},
    {"after a number reported as a double", [](Pane& p, DWORD_PTR id) { p.Report(id, _variant_t(2.0)); }},
    {"after a refused typed text", [](Pane& p, DWORD_PTR id) { p.Type(id, "-1"); }},
    {"after a refused report", [](Pane& p, DWORD_PTR id) { p.Report(id, "-1"); }},
    {"after a text reported", [](Pane& p, DWORD_PTR id) { p.Report(id, "4"); }},
};

// The answer to text in a fresh pane brought to the state, typed or reported; nullopt-like false
// when typing it would be no edit (the text the item shows).
bool AnswerTo(const State& state, DWORD_PTR id, const char* text, bool typed, Answer* answer) {
    Pane p;
    state.reach(p, id);
    if (typed && p.Shown(id) == text) return false;
    p.pane.changes.clear();
    if (typed)
        p.Type(id, text);
    else
        p.Report(id, text);
    const bool heard = !p.pane.changes.empty();
    *answer = Answer(heard, heard ? p.pane.changes.back().value : std::string(), p.Shown(id));
    return true;
}

TEST(ReportsAsTyped, EveryNumberItemGivesAReportTheAnswerOfTheSameTextTypedInEveryState) {
    for (const State& state : kStates)
        for (DWORD_PTR id : {kNumberId, kWholeId, kSizeId, kCountId})
            for (const char* text : {"", "3x", "1:2", "1.2.3", "0:1", "7", "-0", "1e39", "abc"}) {
                Answer typed, reported;
                if (!AnswerTo(state, id, text, true, &typed)) continue;
                ASSERT_TRUE(AnswerTo(state, id, text, false, &reported));
                EXPECT_EQ(typed, reported) << state.name << ", item " << id << ": \"" << text << "\"";
            }
}

// The numbers themselves: "3x" is 3 and "" is 0 for the number item, in every state; the item
// read whole refuses both, also after a number reported as a double made it hold a double.
TEST(ReportsAsTyped, ANumberItemReadsTheLeadingNumberAndATextItemReadWholeRefusesIt) {
    for (const State& state : kStates)
        for (bool typed : {true, false}) {
            const std::string how = std::string(state.name) + (typed ? ", typed" : ", reported");
            Answer answer;
            AnswerTo(state, kNumberId, "3x", typed, &answer);
            EXPECT_EQ(answer, Answer(true, "3", "3.00")) << how;
            AnswerTo(state, kNumberId, "1:2", typed, &answer);
            EXPECT_EQ(answer, Answer(true, "1", "1.00")) << how;
            if (AnswerTo(state, kNumberId, "", typed, &answer)) EXPECT_EQ(answer, Answer(true, "0", "0.00")) << how;
            for (const char* text : {"3x", "1:2", "1.2.3"}) {
                Pane p;
                state.reach(p, kWholeId);
                const std::string before = p.Shown(kWholeId);
                p.pane.changes.clear();
                typed ? p.Type(kWholeId, text) : p.Report(kWholeId, text);
                EXPECT_TRUE(p.pane.changes.empty()) << how << ": " << text;
                EXPECT_EQ(before, p.Shown(kWholeId)) << how << ": " << text;
            }
        }
}

// A number reported as a double into an item kept as a text is taken as the text of that number,
// as typed; a count reported as text is held as the count typed.
TEST(ReportsAsTyped, ATakenReportIsHeldInTheItemsOwnType) {
    Pane p;
    p.Report(kWholeId, _variant_t(2.5));
    ASSERT_EQ(1u, p.pane.changes.size());
    EXPECT_EQ("2.5", p.pane.changes[0].value);
    EXPECT_EQ(VT_BSTR, p.Item(kWholeId)->GetValue().vt);
    p.Report(kCountId, "12");
    EXPECT_EQ(VT_UI4, p.Item(kCountId)->GetValue().vt);
    EXPECT_EQ(12u, p.Item(kCountId)->GetValue().ulVal);
    p.Report(kNumberId, "2.5abc");
    EXPECT_EQ(VT_R8, p.Item(kNumberId)->GetValue().vt);
    EXPECT_EQ(2.5, p.Item(kNumberId)->GetValue().dblVal);
    // Code that converts the item's value makes that type its own: texts are read into it after.
    static_cast<CBCGPropFloat*>(p.Item(kNumberId))->ChangeType(VT_I4);
    p.Report(kNumberId, _variant_t(7.9));
    EXPECT_EQ(VT_I4, p.Item(kNumberId)->GetValue().vt);
    EXPECT_EQ(7, p.Item(kNumberId)->GetValue().lVal);
    p.Type(kNumberId, "3x");
    EXPECT_EQ(VT_I4, p.Item(kNumberId)->GetValue().vt);
    EXPECT_EQ(3, p.Item(kNumberId)->GetValue().lVal);
}

// A refresh sets what the page shows and reports nothing: an empty number item stays empty (no
// typing would leave it so), and a refused report after it puts back that empty text.
TEST(ReportsAsTyped, ARefreshShowsWhatItSetAndARefusalPutsBackTheTextFromBeforeTheReport) {
    Pane p;
    p.Item(kNumberId)->SetValue(_variant_t(""));
    EXPECT_EQ("", p.Shown(kNumberId));
    p.Report(kNumberId, "-1");
    EXPECT_TRUE(p.pane.changes.empty());
    EXPECT_EQ("", p.Shown(kNumberId));
    // A report taken, then refused by the list itself: the item shows the text from before it.
    p.Report(kNumberId, "3x");
    ASSERT_EQ(1u, p.pane.changes.size());
    EXPECT_EQ("3.00", p.Shown(kNumberId));
    ShowTextBefore(p.Item(kNumberId));
    EXPECT_EQ("", p.Shown(kNumberId));
}

}  // namespace
