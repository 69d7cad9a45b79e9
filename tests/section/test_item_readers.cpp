// The readers the section pages share for typed numbers: whatever the item, a width, size or
// length is never negative and a value the kept field cannot hold is refused, output untouched.
#include <gtest/gtest.h>

#include <memory>

#include "bcg/Prop.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/PropFloat.h"
#include "section/ObjectPageItems.h"
#include "section/SectionItems.h"

namespace {

// A plain text item, which takes any text (no number filter of its own).
std::unique_ptr<CBCGPProp> Typed(const char* text) {
    return std::make_unique<CBCGPProp>("大小", _variant_t(text), "", 1);
}

TEST(SectionReaders, SizesRefuseNegativesAndUnfitValues) {
    double value = 7;
    EXPECT_TRUE(section::ReadItemSize(Typed("2.5").get(), 100, &value));
    EXPECT_DOUBLE_EQ(250, value);
    for (const char* text : {"-1", "-0.5", "abc", "1e400", "nan", "inf"}) {
        value = 7;
        EXPECT_FALSE(section::ReadItemSize(Typed(text).get(), 100, &value)) << text;
        EXPECT_DOUBLE_EQ(7, value) << text;
    }
    EXPECT_FALSE(section::ReadItemSize(Typed("1e307").get(), 100, &value));  // the scaled value overflows
    EXPECT_TRUE(section::ReadItemNumber(Typed("-1").get(), 1, &value));      // depths may be negative
    EXPECT_DOUBLE_EQ(-1, value);
}

TEST(SectionReaders, HundredthsFitSinglePrecisionAndAreNeverNegative) {
    float field = 3;
    double wide = 3;
    EXPECT_TRUE(section::ReadHundredths(Typed("1.5").get(), &field));
    EXPECT_FLOAT_EQ(150, field);
    EXPECT_TRUE(section::ReadHundredths(Typed("1.5").get(), &wide));
    EXPECT_DOUBLE_EQ(150, wide);
    for (const char* text : {"-1", "-3e87", "1e37", "9e296", "abc"}) {
        field = 3;
        wide = 3;
        EXPECT_FALSE(section::ReadHundredths(Typed(text).get(), &field)) << text;
        EXPECT_FALSE(section::ReadHundredths(Typed(text).get(), &wide)) << text;
        EXPECT_FLOAT_EQ(3, field) << text;
        EXPECT_DOUBLE_EQ(3, wide) << text;
    }
}

// A number item built with the rule of its list's reader refuses what the reader refuses of the
// number the item keeps (it keeps "3x" as 3, which the section library's check takes), and keeps
// showing its value.
TEST(SectionRules, ANumberItemRefusesWhatItsReaderRefuses) {
    using namespace section;
    const struct {
        TextRule rule;
        const char* text;
        bool taken;
    } kCases[] = {
        {ItemNumberRule(), "3x", true},          {ItemNumberRule(), "-2.5", true},
        {ItemNumberRule(), "1e39", false},       {ItemNumberRule(-1), "0", true},
        {ItemSizeRule(100), "2", true},          {ItemSizeRule(100), "1e307", false},
        {HundredthsRule(), "1.5", true},         {HundredthsRule(), "1e37", false},
        {HundredthsItemRule(), "0.5", true},     {HundredthsItemRule(), "3.5e36", false},
        {HundredthsItemRule(), "3.5e38", false},
    };
    for (const auto& c : kCases) {
        std::unique_ptr<CBCGPProp> item(NewFloatItem("数", 1.25, 2, true, nullptr, 1, c.rule));
        item->TextToVar(c.text);
        EXPECT_EQ(!c.taken, ItemRefusedText(item.get())) << c.text;
        if (!c.taken) {
            EXPECT_EQ("1.25", item->FormatProperty().str()) << c.text;
        }
    }
}

}  // namespace
