// A text set by code and reported by the grid gets the answer the same text typed gets, whatever
// the item held before: a number reported as a double, a text, a refusal. A size text item reads
// every text into its own type, the type of the value it was made with; a float item into the type
// of the value it holds when the text comes (for a text set by code, the value it replaced).
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ItemPane.h"
#include "bcg/PropList.h"
#include "driver/GridDriver.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/NumberText.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "framework/PropSizeText.h"
#include "support/ReportFromCode.h"
#include "support/ReportsAsTyped.h"

using tsltest::DrivenPage;
using tsltest::HostWindow;
using tsltest::ItemPane;
using tsltest::ItemState;

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
    std::string Value(DWORD_PTR id) { return platform::GridDriver::Info(Item(id)).value; }
    void Type(DWORD_PTR id, const std::string& text) { driver.TypeText(Item(id), text); }
    void Report(DWORD_PTR id, const _variant_t& value) { tsltest::ReportFromCode(pane.GetPropList(), Item(id), value); }
};

// A fresh pane; its answer is the value text its list last heard of ("-" for none).
DrivenPage OpenPane() {
    auto pane = std::make_shared<Pane>();
    return tsltest::Drive(
        *pane, pane, [](Pane& p) { p.pane.changes.clear(); },
        [](Pane& p) { return p.pane.changes.empty() ? std::string("-") : p.pane.changes.back().value; });
}

// What the item held before the text.
const std::vector<ItemState> kStates = {
    {"fresh", [](DrivenPage&, DWORD_PTR) {}},
    {"after a number reported as a double", [](DrivenPage& p, DWORD_PTR id) { p.report(id, _variant_t(2.0)); }},
    {"after a refused typed text", [](DrivenPage& p, DWORD_PTR id) { p.type(id, "-1"); }},
    {"after a refused report", [](DrivenPage& p, DWORD_PTR id) { p.report(id, "-1"); }},
    {"after a text reported", [](DrivenPage& p, DWORD_PTR id) { p.report(id, "4"); }},
};

TEST(ReportsAsTyped, EveryNumberItemGivesAReportTheAnswerOfTheSameTextTypedInEveryState) {
    for (DWORD_PTR id : {kNumberId, kWholeId, kSizeId, kCountId})
        tsltest::ExpectReportsAnswerAsTyped("item " + std::to_string(id), id, OpenPane,
                                            {"", "3x", "1:2", "1.2.3", "0:1", "7", "-0", "1e39", "abc"}, kStates);
}

// The numbers themselves: "3x" is 3 and "" is 0 for the number item, in every state; the item
// read whole refuses both, also after a number reported as a double made it hold a double.
TEST(ReportsAsTyped, ANumberItemReadsTheLeadingNumberAndATextItemReadWholeRefusesIt) {
    for (const ItemState& state : kStates)
        for (bool typed : {true, false}) {
            const std::string how = std::string(state.name) + (typed ? ", typed" : ", reported");
            std::string answer;
            tsltest::AnswerTo(OpenPane, kNumberId, state, "3x", typed, &answer);
            EXPECT_EQ("3\nshown 3.00", answer) << how;
            tsltest::AnswerTo(OpenPane, kNumberId, state, "1:2", typed, &answer);
            EXPECT_EQ("1\nshown 1.00", answer) << how;
            if (tsltest::AnswerTo(OpenPane, kNumberId, state, "", typed, &answer)) {
                EXPECT_EQ("0\nshown 0.00", answer) << how;
            }
            DrivenPage before = OpenPane();
            state.reach(before, kWholeId);
            for (const char* text : {"3x", "1:2", "1.2.3"}) {
                ASSERT_TRUE(tsltest::AnswerTo(OpenPane, kWholeId, state, text, typed, &answer)) << how;
                EXPECT_EQ("-\nshown " + before.value(kWholeId), answer) << how << ": " << text;
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
    EXPECT_EQ("", p.Value(kNumberId));
    p.Report(kNumberId, "-1");
    EXPECT_TRUE(p.pane.changes.empty());
    EXPECT_EQ("", p.Value(kNumberId));
    // The item holds the text the refresh wrote: a text taken stays a text, which the list reads
    // whole ("3x" is refused, "3" shows "3"). A report taken, then refused by the list itself: the
    // item shows the text from before it.
    p.Report(kNumberId, "3x");
    EXPECT_TRUE(p.pane.changes.empty());
    EXPECT_EQ("", p.Value(kNumberId));
    p.Report(kNumberId, "3");
    ASSERT_EQ(1u, p.pane.changes.size());
    EXPECT_EQ("3", p.Value(kNumberId));
    EXPECT_EQ(VT_BSTR, p.Item(kNumberId)->GetValue().vt);
    ShowTextBefore(p.Item(kNumberId));
    EXPECT_EQ("", p.Value(kNumberId));
    // Or the stored number shown again: held as a text, as the refresh holds it, so that the list's
    // refusal decides nothing about the next text ("3x" is still read whole).
    p.Report(kNumberId, "3");
    ShowStoredValueOf(p.Item(kNumberId), {{kNumberId, 2.5}});
    EXPECT_EQ("2.50", p.Value(kNumberId));
    EXPECT_EQ(VT_BSTR, p.Item(kNumberId)->GetValue().vt);
    p.pane.changes.clear();
    p.Report(kNumberId, "3x");
    EXPECT_TRUE(p.pane.changes.empty());
}

}  // namespace
