#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "framework/NumberText.h"

namespace {

using Answer = std::optional<double>;  // the number read, or nothing for a refused text
const Answer R;                        // refused

double AsDouble(const _variant_t& v) {
    switch (v.vt) {
        case VT_R8:
            return v.dblVal;
        case VT_R4:
            return v.fltVal;
        case VT_I4:
            return v.lVal;
        case VT_I2:
            return v.iVal;
        case VT_UI1:
            return v.bVal;
        case VT_UI4:
            return v.ulVal;
        default:
            return NAN;
    }
}

// One rule under a name, answering what it made of a text.
struct Rule {
    const char* name;
    std::function<Answer(const CString&)> read;
};

template <class T, class F>
Rule Reader(const char* name, F f) {
    return {name, [f](const CString& text) -> Answer {
                T value{};
                if (!f(text, &value)) return R;
                return static_cast<double>(value);
            }};
}

Rule VariantRule(const char* name, VARTYPE type) {
    return {name, [name, type](const CString& text) -> Answer {
                _variant_t value;
                if (!numtext::TextToVariant(text, type, &value)) return R;
                EXPECT_EQ(value.vt, type) << name;
                return AsDouble(value);
            }};
}

std::vector<Rule> Rules() {
    using namespace numtext;
    return {
        Reader<double>("leading", LeadingNumber),
        Reader<long long>("leading integer", LeadingInteger),
        Reader<int>("leading int", LeadingInt),
        Reader<double>("whole", WholeNumber),
        Reader<unsigned>("whole unsigned", WholeUnsigned),
        {"is number text", [](const CString& t) -> Answer { return IsNumberText(t) ? 1 : 0; }},
        Reader<double>("number item", PositiveOrZeroNumber),
        Reader<double>("float item -", [](const CString& t, double* v) { return FloatItemNumber(t, true, v); }),
        Reader<double>("float item +", [](const CString& t, double* v) { return FloatItemNumber(t, false, v); }),
        Reader<float>("lexical float", LexicalFloat),
        Reader<double>("lexical double", LexicalDouble),
        VariantRule("R8", VT_R8),
        VariantRule("R4", VT_R4),
        VariantRule("I4", VT_I4),
        VariantRule("I2", VT_I2),
        VariantRule("UI1", VT_UI1),
        VariantRule("UI4", VT_UI4),
    };
}

struct Row {
    const char* text;
    std::vector<Answer> answers;  // in the order of Rules()
};

TEST(NumberText, EveryRuleOnTheSameTexts) {
    // clang-format off
    //             lead  int64 int   whole wholU isNum numIt fl-   fl+   lexF  lexD  R8    R4    I4    I2    UI1   UI4
    const Row table[] = {
        {"",      {0,    0,    0,    R,    R,    1,    R,    0,    0,    R,    R,    0,    0,    0,    0,    0,    0}},
        {"abc",   {0,    0,    0,    R,    R,    0,    R,    R,    R,    R,    R,    0,    0,    0,    0,    0,    0}},
        {"0",     {0,    0,    0,    0,    0,    1,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0}},
        {"-0.5",  {-0.5, 0,    0,    -0.5, R,    0,    R,    -0.5, R,    -0.5, -0.5, -0.5, -0.5, 0,    0,    0,    0}},
        {"2.25",  {2.25, 2,    2,    2.25, R,    1,    2.25, 2.25, 2.25, 2.25, 2.25, 2.25, 2.25, 2,    2,    2,    2}},
        {"1e39",  {1e39, 1,    1,    1e39, R,    0,    1e39, 1e39, 1e39, R,    1e39, 1e39, R,    1,    1,    1,    1}},
        {"1e400", {R,    1,    1,    R,    R,    0,    R,    R,    R,    R,    R,    R,    R,    1,    1,    1,    1}},
        {"1e999", {R,    1,    1,    R,    R,    0,    R,    R,    R,    R,    R,    R,    R,    1,    1,    1,    1}},
        {"nan",   {0,    0,    0,    R,    R,    0,    R,    R,    R,    R,    R,    0,    0,    0,    0,    0,    0}},
        {"inf",   {0,    0,    0,    R,    R,    0,    R,    R,    R,    R,    R,    0,    0,    0,    0,    0,    0}},
        {"0x10",  {0,    0,    0,    R,    R,    0,    R,    R,    R,    R,    R,    0,    0,    0,    0,    0,    0}},
        {"70000", {7e4,  7e4,  7e4,  7e4,  7e4,  1,    7e4,  7e4,  7e4,  7e4,  7e4,  7e4,  7e4,  7e4,  R,    R,    7e4}},
        {"256",   {256,  256,  256,  256,  256,  1,    256,  256,  256,  256,  256,  256,  256,  256,  256,  R,    256}},
        {" 7 ",   {7,    7,    7,    7,    7,    1,    7,    7,    7,    R,    R,    7,    7,    7,    7,    7,    7}},
        {"7x",    {7,    7,    7,    R,    R,    0,    7,    7,    7,    R,    R,    7,    7,    7,    7,    7,    7}},
    };
    // clang-format on
    const std::vector<Rule> rules = Rules();
    for (const Row& row : table) {
        ASSERT_EQ(row.answers.size(), rules.size()) << row.text;
        for (std::size_t i = 0; i < rules.size(); ++i)
            EXPECT_EQ(rules[i].read(row.text), row.answers[i]) << "\"" << row.text << "\" by " << rules[i].name;
    }
}

TEST(NumberText, IntegerTypesRefuseWhatTheyCannotHold) {
    using numtext::TextToVariant;
    _variant_t v;
    EXPECT_FALSE(TextToVariant("-40000", VT_I2, &v));
    EXPECT_FALSE(TextToVariant("32768", VT_I2, &v));
    ASSERT_TRUE(TextToVariant("-32768", VT_I2, &v));
    EXPECT_EQ(v.iVal, -32768);
    EXPECT_FALSE(TextToVariant("-1", VT_UI1, &v));
    EXPECT_FALSE(TextToVariant("-1", VT_UI4, &v));
    ASSERT_TRUE(TextToVariant("4294967295", VT_UI4, &v));
    EXPECT_EQ(v.ulVal, 4294967295u);
    EXPECT_FALSE(TextToVariant("4294967296", VT_UI4, &v));
    EXPECT_FALSE(TextToVariant("2147483648", VT_I4, &v));
    ASSERT_TRUE(TextToVariant(" -2147483648x", VT_I4, &v));
    EXPECT_EQ(v.lVal, INT_MIN);
    EXPECT_FALSE(TextToVariant("99999999999999999999", VT_I4, &v));

    int i = 5;
    EXPECT_FALSE(numtext::LeadingInt("2147483648", &i));
    EXPECT_EQ(i, 5);

    long long n = 5;
    EXPECT_TRUE(numtext::LeadingInteger("-9223372036854775808", &n));
    EXPECT_EQ(n, LLONG_MIN);
    EXPECT_FALSE(numtext::LeadingInteger("9223372036854775808", &n));
    EXPECT_EQ(n, LLONG_MIN);  // untouched
}

TEST(NumberText, OtherVariantTypes) {
    using numtext::TextToVariant;
    _variant_t v;
    ASSERT_TRUE(TextToVariant(" 1e999 ", VT_BSTR, &v));
    EXPECT_EQ(VariantToText(v), " 1e999 ");
    ASSERT_TRUE(TextToVariant("TRUE ", VT_BOOL, &v));
    EXPECT_EQ(v.boolVal, VARIANT_TRUE);
    ASSERT_TRUE(TextToVariant("false", VT_BOOL, &v));
    EXPECT_EQ(v.boolVal, VARIANT_FALSE);
    ASSERT_TRUE(TextToVariant("2x", VT_BOOL, &v));
    EXPECT_EQ(v.boolVal, VARIANT_TRUE);
    EXPECT_FALSE(TextToVariant("1", static_cast<VARTYPE>(99), &v));
}

TEST(NumberText, DegreesMinutesSeconds) {
    double d = -1;
    ASSERT_TRUE(numtext::DegMinSec("10:30:36", &d));
    EXPECT_DOUBLE_EQ(d, 10.51);
    for (const char* bad : {"", "10:30", "10:30:36:1", "a:b:c", "10::36", "-1:0:0", " 1:0:0", "1e3:0:0"})
        EXPECT_FALSE(numtext::DegMinSec(bad, &d)) << bad;
    EXPECT_FALSE(numtext::DegMinSec((std::string(400, '9') + ":0:0").c_str(), &d));
    EXPECT_DOUBLE_EQ(d, 10.51);
}

TEST(NumberText, AWholeNumberIsTheOneAtoiAndAtofAgreeOn) {
    long long n = -1;
    for (auto [text, whole] :
         {std::pair<const char*, long long>{"12.7", 12}, {"abc", 0}, {" 7x", 7}, {"-3.9", -3}, {"1e0", 1}}) {
        EXPECT_TRUE(numtext::LeadingWhole(text, &n)) << text;
        EXPECT_EQ(n, whole) << text;
    }
    for (const char* text : {"1e39", "1e2", "1e400", "99999999999999999999"})
        EXPECT_FALSE(numtext::LeadingWhole(text, &n)) << text;
}

TEST(NumberText, NothingIsStoredOrShownAsANegativeZero) {
    using namespace numtext;
    double d = 1;
    for (const char* text : {"-0", "-0.0", " -0e5", "-0abc"}) {
        ASSERT_TRUE(LeadingNumber(text, &d)) << text;
        EXPECT_FALSE(std::signbit(d)) << text;
    }
    ASSERT_TRUE(WholeNumber("-0", &d));
    EXPECT_FALSE(std::signbit(d));
    float f = 1;
    ASSERT_TRUE(LexicalFloat("-0", &f));
    EXPECT_FALSE(std::signbit(f));
    // Thousandths too small for a float underflow to +0 ("-5e-216" cm of a kit's width).
    ASSERT_TRUE(FitFloat(-5e-216, kThousandths, &f));
    EXPECT_FALSE(std::signbit(f));
    ASSERT_TRUE(FitFloatThenScale(-1e-30, 1e-30f, &f));
    EXPECT_FALSE(std::signbit(f));
    ASSERT_TRUE(Scale(-0.0, 5, &d));
    EXPECT_FALSE(std::signbit(d));
    _variant_t v;
    ASSERT_TRUE(TextToVariant("-0", VT_R8, &v));
    EXPECT_FALSE(std::signbit(v.dblVal));
    ASSERT_TRUE(TextToVariant("-0", VT_R4, &v));
    EXPECT_FALSE(std::signbit(v.fltVal));

    // Shown: what rounds to zero at the shown decimals shows unsigned; anything else as it is.
    CString text;
    for (double tiny : {-9e-96 * kRadiansPerDegree, -6e-50, -7e-271, -0.004, -0.0}) {
        text.Format("%.2f", Shown(tiny, 2));
        EXPECT_EQ(text, "0.00") << tiny;
    }
    text.Format("%.1f", Shown(-0.04, 1));
    EXPECT_EQ(text, "0.0");
    EXPECT_EQ(Shown(-0.006, 2), -0.006);  // shows "-0.01"
    EXPECT_EQ(Shown(-0.4, 0), 0.0);
    EXPECT_EQ(Shown(-2.5, 2), -2.5);
    EXPECT_EQ(Shown(-1e300, 2), -1e300);
}

TEST(NumberText, ATextStillShowingTheStoredValueStandsForIt) {
    using numtext::ShowsStored;
    // At the text's own count of decimals, as any refresh format shows it.
    EXPECT_TRUE(ShowsStored("0.2", 0.25));  // "%.1f"
    EXPECT_TRUE(ShowsStored("2.50", 2.4996));
    EXPECT_TRUE(ShowsStored("100.0", 99.96));
    EXPECT_TRUE(ShowsStored("12.35", 12.345));
    EXPECT_TRUE(ShowsStored(" 1235 ", 1234.6));
    EXPECT_TRUE(ShowsStored("-0.30", -0.3));
    EXPECT_TRUE(ShowsStored("0.00", -0.001));  // shown unsigned
    // Another number, another format or no number: the text is read as it stands.
    EXPECT_FALSE(ShowsStored("2.51", 2.4996));
    EXPECT_TRUE(ShowsStored("2.5", 2.4996));  // how "%.1f" shows it
    EXPECT_FALSE(ShowsStored("3", 2.4));
    EXPECT_FALSE(ShowsStored("2.50mm", 2.5));
    EXPECT_FALSE(ShowsStored("", 0));
    EXPECT_FALSE(ShowsStored("abc", 0));
    EXPECT_FALSE(ShowsStored("inf", HUGE_VAL));
    EXPECT_FALSE(ShowsStored("nan", NAN));
    // Against one format: a text that may have been typed.
    EXPECT_TRUE(ShowsStored(" 2.50", 2.4996, 2));
    EXPECT_FALSE(ShowsStored("0", 0.5, 2));
    EXPECT_FALSE(ShowsStored("2.5", 2.4996, 2));
}

TEST(NumberText, StoreStepScalesThenFitsTheField) {
    using namespace numtext;
    float f = -1;
    EXPECT_TRUE(FitFloat(2.25, kHundredths, &f));
    EXPECT_EQ(f, 225.0f);
    EXPECT_FALSE(FitFloat(1e39, 1, &f));
    EXPECT_FALSE(FitFloat(1e37, kHundredths, &f));
    EXPECT_FALSE(FitFloat(1e307, kThousandths, &f));
    EXPECT_FALSE(FitFloat(NAN, 1, &f));
    EXPECT_EQ(f, 225.0f);
    // The shortest text of FLT_MAX reads a little above it and still rounds to it.
    EXPECT_TRUE(LexicalFloat("3.4028235e+38", &f));
    EXPECT_EQ(f, FLT_MAX);
    EXPECT_TRUE(FitFloat(-3.40282356e38, 1, &f));
    EXPECT_EQ(f, -FLT_MAX);
    EXPECT_FALSE(FitFloat(3.4028236e38, 1, &f));
    EXPECT_TRUE(FitFloat(180, kRadiansPerDegree, &f));
    EXPECT_FLOAT_EQ(f, 3.14159265f);
    // Single precision first: 0.1f × 100 in floats, as the pen widths are kept.
    EXPECT_TRUE(FitFloatThenScale(0.1, 100.0f, &f));
    EXPECT_EQ(f, 0.1f * 100.0f);
    EXPECT_FALSE(FitFloatThenScale(1e37, 100.0f, &f));

    int i = 7;
    EXPECT_TRUE(FitInt(2147483647.9, 1, &i));
    EXPECT_EQ(i, INT_MAX);
    EXPECT_TRUE(FitInt(-2.9, 1, &i));
    EXPECT_EQ(i, -2);
    EXPECT_FALSE(FitInt(21474837, kHundredths, &i));
    EXPECT_FALSE(FitInt(INFINITY, 1, &i));
    EXPECT_EQ(i, -2);

    short s = 7;
    EXPECT_FALSE(FitShort(70000, 1, &s));
    EXPECT_FALSE(FitShort(-40000, 1, &s));
    EXPECT_TRUE(FitShort(-327.68, kHundredths, &s));
    EXPECT_EQ(s, -32768);

    BYTE b = 7;
    EXPECT_FALSE(FitByte(256, 1, &b));
    EXPECT_FALSE(FitByte(-1, 1, &b));
    EXPECT_TRUE(FitByte(255.5, 1, &b));
    EXPECT_EQ(b, 255);

    double d = 1;
    EXPECT_FALSE(Scale(1e308, kThousandths, &d));
    EXPECT_EQ(d, 1);
}

}  // namespace
