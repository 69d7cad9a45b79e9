#include <cmath>
#include <memory>

#include "ItemPane.h"
#include "bcg/PropList.h"
#include "driver/GridDriver.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/PenFontEdits.h"
#include "framework/PropFloat.h"
#include "framework/PropSizeText.h"
#include "support/ReportFromCode.h"

using tsltest::HostWindow;
using tsltest::ItemPane;

namespace {

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
    CBCGPProp* fixed = nullptr;
    ItemPane pane{[this](CBCGPPropList& grid) {
        fixed = CreateYesNoProp("显示", 3103, _variant_t("是"), "");
        grid.AddProperty(fixed);
        width = new CBCGPropSizeText("粗细", _variant_t("0.50"), "", 3101, penfont::GroupSizeRule());
        for (const char* option : {"0.1", "0.2", "3.0"}) width->AddOption(option);
        width->AllowEdit(TRUE);
        // A list that reads no number as 0 and refuses only negatives.
        lenient = new CBCGPropSizeText("大小", _variant_t("12.00"), "", 3102, [](const CString& text) {
            double value = 0;
            return numtext::LeadingNumber(text, &value) && value >= 0;
        });
        grid.AddProperty(width);
        grid.AddProperty(lenient);
    }};
    platform::GridDriver driver{&pane.GetPropList()};
};

TEST_F(SizeTextOnPane, ARefusedTextClosesTheEditReachesNoListAndTheTextFromBeforeShowsAgain) {
    // The stored width, as the pane's refresh would show it: the refresh must not run.
    pane.refresh = [this](CBCGPPropList&) { width->SetValue(_variant_t("0.50")); };
    for (const char* text : {"nan", "inf", "abc", "-1", "1e400", "-1e308", "1e39"}) {
        pane.changes.clear();
        width->SetValue(_variant_t("0.5"));  // what the pane showed before the text was typed
        const int refreshes = pane.refreshes;
        EXPECT_TRUE(driver.TypeText(width, text)) << text;  // the editor closes
        EXPECT_EQ(pane.GetPropList().GetEditedItem(), nullptr) << text;
        EXPECT_TRUE(width->IsTextRefused()) << text;
        EXPECT_TRUE(ItemRefusedText(width)) << text;
        EXPECT_TRUE(pane.changes.empty()) << text;     // the grid reports it, the pane base stops it
        EXPECT_EQ(pane.refreshes, refreshes) << text;  // and nothing else on the pane runs
        EXPECT_EQ(driver.Info(width).value, "0.5") << text;
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

    // A report from code after a typed refusal is judged by its own text: it reaches the list.
    EXPECT_TRUE(driver.TypeText(width, "abc"));
    pane.changes.clear();
    width->SetValue(_variant_t("7"));
    pane.GetPropList().OnPropertyChanged(width);
    ASSERT_EQ(pane.changes.size(), 1u);
    EXPECT_EQ(pane.changes[0].value, "7");
    // Bytes that are not UTF-8 (a cut character) are refused as a typed text is, and never kept.
    pane.changes.clear();
    for (const char* cut : {"7\xE4\xB8", "\xE4\xB8"}) {
        width->SetValue(_variant_t(cut));
        EXPECT_TRUE(width->IsValueRefused());
        pane.GetPropList().OnPropertyChanged(width);
        EXPECT_TRUE(pane.changes.empty());
        EXPECT_EQ(driver.Info(width).value, "7");  // its text from before, never blank
    }
    width->SetValue(_variant_t("8"));
    EXPECT_FALSE(width->IsValueRefused());

    // A report the item's own rule refuses is refused as the typed text is: the list never sees it
    // and the item shows the text it replaced.
    pane.changes.clear();
    width->SetValue(_variant_t("-1"));
    EXPECT_TRUE(width->IsTextRefused());
    pane.GetPropList().OnPropertyChanged(width);
    EXPECT_TRUE(pane.changes.empty());
    EXPECT_EQ(driver.Info(width).value, "8");
    // ... and the mark is gone with the next text.
    EXPECT_TRUE(driver.TypeText(width, "9"));
    ASSERT_EQ(pane.changes.size(), 1u);
    EXPECT_EQ(pane.changes[0].value, "9");

    // A fixed list set by code to a text none of its options holds: the list reads it, as it reads
    // any text (its own rule maps it or refuses it).
    ASSERT_FALSE(fixed->IsAllowEdit());
    pane.changes.clear();
    for (const char* other : {"", "无此选项", "否"}) {
        fixed->SetValue(_variant_t(other));
        pane.GetPropList().OnPropertyChanged(fixed);
    }
    ASSERT_EQ(pane.changes.size(), 3u);
    EXPECT_EQ(pane.changes[1].value, "无此选项");
    EXPECT_EQ(pane.changes[2].value, "否");

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

// A number reported as a double into a width kept as text is held as the text typed would be, and a
// text typed after it is kept as the text itself, as in a fresh window: the list reads "3x", not 3.
TEST_F(SizeTextOnPane, ATextAfterANumberReportedAsADoubleIsKeptAsTyped) {
    tsltest::ReportFromCode(pane.GetPropList(), width, _variant_t(2.5));
    ASSERT_EQ(1u, pane.changes.size());
    EXPECT_EQ("2.5", pane.changes[0].value);
    EXPECT_EQ(VT_BSTR, width->GetValue().vt);
    EXPECT_TRUE(driver.TypeText(width, "3x"));
    ASSERT_EQ(2u, pane.changes.size());
    EXPECT_EQ("3x", pane.changes[1].value);
    tsltest::ReportFromCode(pane.GetPropList(), width, _variant_t(-2.5));  // refused as "-2.5" typed
    EXPECT_EQ(2u, pane.changes.size());
    EXPECT_EQ("3x", driver.Info(width).value);
}

TEST(SizeText, OtherItemsNeverCountAsRefusing) {
    CBCGPProp plain("文字", _variant_t("abc"));
    EXPECT_FALSE(ItemRefusedText(&plain));
    EXPECT_FALSE(ItemRefusedText(nullptr));
    CBCGPropSizeText size("粗细", _variant_t("1"), "", 0, penfont::GroupSizeRule());
    EXPECT_TRUE(size.TextToVar("-1"));
    EXPECT_TRUE(ItemRefusedText(&size));
    EXPECT_EQ(VariantToText(size.GetValue()), "1");
    EXPECT_TRUE(size.TextToVar("2"));
    EXPECT_FALSE(ItemRefusedText(&size));
    EXPECT_EQ(VariantToText(size.GetValue()), "2");
    // Each report is judged by its own text: a value set by code after a refusal is a new report.
    EXPECT_TRUE(size.TextToVar("-1"));
    size.SetValue(_variant_t("7"));
    EXPECT_FALSE(ItemRefusedText(&size));
    CBCGPropFloat number("间距", _variant_t(500.0), 2, "", FALSE);
    EXPECT_TRUE(number.TextToVar("-3"));
    EXPECT_TRUE(ItemRefusedText(&number));
    number.SetValue(_variant_t(7.0));
    EXPECT_FALSE(ItemRefusedText(&number));
}

// ---- the shared builders ------------------------------------------------------------------------------

// Whether the item takes the typed text (a text item keeps every text it takes).
bool Takes(CBCGPProp* item, const char* text) {
    item->TextToVar(text);
    return !ItemRefusedText(item);
}

TEST(SizeText, SharedBuildersRefuseWhatTheirGroupReadersRefuse) {
    std::unique_ptr<CBCGPProp> line(CreateLineProp("线", 300, true));
    ASSERT_NE(dynamic_cast<CBCGPropSizeText*>(line->GetSubItem(1)), nullptr);
    EXPECT_EQ(line->GetSubItem(1)->GetOptionCount(), 30);
    EXPECT_TRUE(line->GetSubItem(1)->IsAllowEdit());
    // Each text the group reader refuses, the width item refuses; what it takes, the reader takes.
    for (const char* text : {"-1", "abc", "1e39", "1e400", "-", "0abc", "nan", "1.5", "3x", "0", " ", "-0"}) {
        float width = 0;
        EXPECT_EQ(Takes(line->GetSubItem(1), text), penfont::ReadGroupSize(text, &width)) << text;
    }
    EXPECT_FALSE(Takes(line->GetSubItem(5), "0"));  // the arrow size is above 0
    EXPECT_TRUE(Takes(line->GetSubItem(5), "2"));

    std::unique_ptr<CBCGPProp> font(CreateFontProp("字体", 400));
    EXPECT_EQ(VariantToText(font->GetSubItem(1)->GetValue()), "33");
    EXPECT_EQ(font->GetSubItem(1)->GetOptionCount(), 32);
    for (const char* text : {"-3", "x", "1e37", "12", "0.0", "0abc"}) {
        float size = 0;
        EXPECT_EQ(Takes(font->GetSubItem(1), text), penfont::ReadGroupSize(text, &size)) << text;
    }

    // A list that reads by another rule builds the item with it.
    std::unique_ptr<CBCGPProp> strict(
        CreateLineProp("线", 300, false, [](const CString& text) { return text == "1"; }));
    EXPECT_FALSE(Takes(strict->GetSubItem(1), "2"));
    EXPECT_TRUE(Takes(strict->GetSubItem(1), "1"));

    std::unique_ptr<CBCGPProp> point(CreatePointProp("点", 500));
    EXPECT_FALSE(Takes(point->GetSubItem(1), "-0.5"));
    EXPECT_TRUE(Takes(point->GetSubItem(1), "3x"));
}

// The pen and font edits judge a width or size as the record's float keeps it.
TEST(SizeText, APenWidthOrFontSizeIsJudgedAsTheFieldKeepsIt) {
    using penfont::Accept;
    float kept = 7;
    for (const char* text : {"1e-50", "0", "-1", "abc", "1e37"})
        EXPECT_FALSE(penfont::ReadHundredths(text, Accept::AboveZero, &kept)) << text;
    EXPECT_EQ(kept, 7.0f);
    EXPECT_TRUE(penfont::ReadHundredths("0.01", Accept::AboveZero, &kept));
    EXPECT_EQ(kept, 1.0f);
    // Below the float's reach a width is 0, never -0; a negative width is refused.
    EXPECT_TRUE(penfont::ReadHundredths("-1e-50", Accept::ZeroOrMore, &kept));
    EXPECT_EQ(kept, 0.0f);
    EXPECT_FALSE(std::signbit(kept));
    EXPECT_FALSE(penfont::ReadHundredths("-0.5", Accept::ZeroOrMore, &kept));
    const TextRule rule = penfont::HundredthsRule(Accept::AboveZero);
    EXPECT_FALSE(rule("1e-50"));
    EXPECT_TRUE(rule("3x"));
}

TEST(SizeText, AFloatItemAlsoRefusesWhatItsListsRuleRefuses) {
    CBCGPropFloat depth("深度", _variant_t(12.5), 2);
    depth.SetTextRule([](const CString& text) {
        double value = 0;
        return numtext::LeadingNumber(text, &value) && value < 1000;
    });
    EXPECT_TRUE(depth.TextToVar("2000"));
    EXPECT_TRUE(ItemRefusedText(&depth));
    EXPECT_EQ(depth.FormatProperty(), "12.50");
    EXPECT_TRUE(depth.TextToVar("-5"));
    EXPECT_FALSE(ItemRefusedText(&depth));
    EXPECT_EQ(depth.FormatProperty(), "-5.00");
}

}  // namespace
