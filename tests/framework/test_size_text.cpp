#include <memory>

#include "ItemPane.h"
#include "bcg/PropList.h"
#include "driver/GridDriver.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/PropFloat.h"
#include "framework/PropSizeText.h"

using tsltest::HostWindow;
using tsltest::ItemPane;

namespace {

// ---- what each rule refuses ---------------------------------------------------------------------------

struct Ruled {
    const char* text;
    bool anyNumber, zeroOrMore, numberRequired, aboveZero, wholeAboveZero;
};

TEST(SizeText, EachRuleRefusesWhatItsReadersRefuse) {
    // refused by:           any number, zero or more, number required, above zero, whole above zero
    const Ruled table[] = {
        {"1.5", false, false, false, false, false},
        {"12abc", false, false, false, false, false},  // the leading number
        {"0", false, false, false, true, true},
        {"0.5", false, false, false, false, true},
        {"-0", false, false, false, true, true},
        {"", false, false, false, true, true},
        {" ", false, false, false, true, true},
        {".", false, false, false, true, true},
        {"abc", false, false, true, true, true},
        {"nan", false, false, true, true, true},
        {"inf", false, false, true, true, true},
        {"-x", false, false, true, true, true},
        {"-1", false, true, true, true, true},
        {"-1e308", false, true, true, true, true},
        {"1e400", true, true, true, true, false},  // "1" as a whole number
        {"-1e400", true, true, true, true, true},
        {"2147483648", false, false, false, false, true},  // beyond an int
    };
    for (const Ruled& r : table) {
        const CString text(r.text);
        EXPECT_FALSE(SizeTextRefused(text, SizeRule::kAnyText)) << r.text;
        EXPECT_EQ(r.anyNumber, SizeTextRefused(text, SizeRule::kAnyNumber)) << r.text;
        EXPECT_EQ(r.zeroOrMore, SizeTextRefused(text, SizeRule::kZeroOrMore)) << r.text;
        EXPECT_EQ(r.numberRequired, SizeTextRefused(text, SizeRule::kNumberRequired)) << r.text;
        EXPECT_EQ(r.aboveZero, SizeTextRefused(text, SizeRule::kAboveZero)) << r.text;
        EXPECT_EQ(r.wholeAboveZero, SizeTextRefused(text, SizeRule::kWholeAboveZero)) << r.text;
    }
}

TEST(SizeText, HundredthsInAFloatRefuseOnlyWhatNoFloatFieldHolds) {
    // Every reader keeping hundredths in a float refuses these; the rule alone takes them.
    for (const char* text : {"1e39", "9e296", "1e300", "1.7976931348623157e308", "1e37"}) {
        EXPECT_TRUE(SizeTextRefused(text, kHundredthsZeroOrMore)) << text;
        EXPECT_FALSE(SizeTextRefused(text, SizeRule::kZeroOrMore)) << text;
    }
    // Up to the float range, and a little beyond where the readers' own limits differ, it is the
    // readers' to refuse.
    for (const char* text : {"3.4e36", "3.4028234e36", "6e36", "70000", "0"}) {
        EXPECT_FALSE(SizeTextRefused(text, kHundredthsZeroOrMore)) << text;
    }
    EXPECT_TRUE(SizeTextRefused("abc", kHundredthsNumberRequired));
    EXPECT_TRUE(SizeTextRefused("0", kHundredthsAboveZero));
    EXPECT_FALSE(SizeTextRefused("0", kHundredthsNumberRequired));
}

TEST(SizeText, NumberTextStartsWithANumberByTheLeadingNumberRule) {
    for (const char* text : {"1", " 2", "-3", "+.5", "-0", "1e400", "5abc"})
        EXPECT_TRUE(numtext::StartsWithNumber(text)) << text;
    for (const char* text : {"", " ", ".", "-", "abc", "nan", "inf", "-x", "e5"})
        EXPECT_FALSE(numtext::StartsWithNumber(text)) << text;
}

// ---- typing into a size text item on a real pane --------------------------------------------------------

class SizeTextOnPane : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(pane.Open(host)); }
    void TearDown() override { pane.DestroyWindow(); }

    HostWindow host;
    CBCGPropSizeText* width = nullptr;
    CBCGPropSizeText* lenient = nullptr;
    ItemPane pane{[this](CBCGPPropList& grid) {
        width = new CBCGPropSizeText("粗细", _variant_t("0.50"), "", 3101, kHundredthsNumberRequired);
        for (const char* option : {"0.1", "0.2", "3.0"}) width->AddOption(option);
        width->AllowEdit(TRUE);
        lenient = new CBCGPropSizeText("大小", _variant_t("12.00"), "", 3102, SizeRule::kZeroOrMore);
        grid.AddProperty(width);
        grid.AddProperty(lenient);
    }};
    platform::GridDriver driver{&pane.GetPropList()};
};

TEST_F(SizeTextOnPane, ARefusedTextClosesTheEditReachesNoListAndTheStoredTextShowsAgain) {
    for (const char* text : {"nan", "inf", "abc", "-1", "1e400", "-1e308", "1e39"}) {
        pane.changes.clear();
        EXPECT_TRUE(driver.TypeText(width, text)) << text;  // the editor closes
        EXPECT_EQ(pane.GetPropList().GetEditedItem(), nullptr) << text;
        EXPECT_TRUE(width->IsTextRefused()) << text;
        EXPECT_TRUE(ItemRefusedText(width)) << text;
        EXPECT_TRUE(pane.changes.empty()) << text;  // the grid reports it, the pane base stops it
        EXPECT_EQ(driver.Info(width).value, "0.50") << text;
    }
}

TEST_F(SizeTextOnPane, AnAcceptedTextOrAPickedOptionIsReportedAsBefore) {
    EXPECT_TRUE(driver.TypeText(width, "2.5"));
    EXPECT_FALSE(width->IsTextRefused());
    ASSERT_EQ(pane.changes.size(), 1u);
    EXPECT_EQ(pane.changes[0].item, width);
    EXPECT_EQ(pane.changes[0].value, "2.5");  // the text as typed, for the list to read
    EXPECT_EQ(driver.Info(width).value, "2.5");

    // After a refusal, the next text or pick is judged afresh.
    EXPECT_TRUE(driver.TypeText(width, "abc"));
    EXPECT_TRUE(width->IsTextRefused());
    pane.changes.clear();
    EXPECT_TRUE(driver.PickOption(width, "3.0"));
    EXPECT_FALSE(width->IsTextRefused());
    ASSERT_EQ(pane.changes.size(), 1u);
    EXPECT_EQ(pane.changes[0].value, "3.0");

    // A rule that reads no number as 0 lets such a text through to the list.
    pane.changes.clear();
    EXPECT_TRUE(driver.TypeText(lenient, "abc"));
    EXPECT_FALSE(lenient->IsTextRefused());
    ASSERT_EQ(pane.changes.size(), 1u);
    EXPECT_EQ(pane.changes[0].value, "abc");
    EXPECT_TRUE(driver.TypeText(lenient, "-1"));
    EXPECT_TRUE(lenient->IsTextRefused());
    EXPECT_EQ(driver.Info(lenient).value, "abc");  // what showed before
}

TEST(SizeText, OtherItemsNeverCountAsRefusing) {
    CBCGPProp plain("文字", _variant_t("abc"));
    EXPECT_FALSE(ItemRefusedText(&plain));
    EXPECT_FALSE(ItemRefusedText(nullptr));
    CBCGPropSizeText size("粗细", _variant_t("1"));
    EXPECT_TRUE(size.TextToVar("-1"));
    EXPECT_TRUE(ItemRefusedText(&size));
    EXPECT_EQ(VariantToText(size.GetValue()), "1");
    EXPECT_TRUE(size.TextToVar("2"));
    EXPECT_FALSE(ItemRefusedText(&size));
    EXPECT_EQ(VariantToText(size.GetValue()), "2");
}

// ---- the shared builders ------------------------------------------------------------------------------

SizeRule RuleOf(CBCGPProp* item) {
    auto* size = dynamic_cast<CBCGPropSizeText*>(item);
    return size ? size->GetRule() : SizeRule::kAnyText;
}

TEST(SizeText, SharedBuildersMakeWidthsAndSizesSizeTextItemsWithTheListsRule) {
    std::unique_ptr<CBCGPProp> line(CreateLineProp("线", 300, true));
    ASSERT_NE(dynamic_cast<CBCGPropSizeText*>(line->GetSubItem(1)), nullptr);
    EXPECT_EQ(RuleOf(line->GetSubItem(1)), SizeRule::kZeroOrMore);  // never stricter than any reader
    EXPECT_EQ(line->GetSubItem(1)->GetOptionCount(), 30);
    EXPECT_TRUE(line->GetSubItem(1)->IsAllowEdit());
    EXPECT_EQ(RuleOf(line->GetSubItem(5)), SizeRule::kAboveZero);  // the arrow size

    std::unique_ptr<CBCGPProp> strict(CreateLineProp("线", 300, false, kHundredthsNumberRequired));
    EXPECT_EQ(RuleOf(strict->GetSubItem(1)), kHundredthsNumberRequired);

    std::unique_ptr<CBCGPProp> font(CreateFontProp("字体", 400, kHundredthsAboveZero));
    EXPECT_EQ(RuleOf(font->GetSubItem(1)), kHundredthsAboveZero);
    EXPECT_EQ(VariantToText(font->GetSubItem(1)->GetValue()), "33");
    EXPECT_EQ(font->GetSubItem(1)->GetOptionCount(), 32);

    std::unique_ptr<CBCGPProp> point(CreatePointProp("点", 500));
    EXPECT_EQ(RuleOf(point->GetSubItem(1)), SizeRule::kZeroOrMore);
}

}  // namespace
