// _variant_t: construction types, text that reads back, equality in type and value, and
// conversions that fail by throwing _com_error.
#include <gtest/gtest.h>

#include <boost/lexical_cast.hpp>
#include <cfloat>
#include <cmath>

#include "mfc/Variant.h"
#include "win32/Crt.h"

namespace {

std::string Text(const _variant_t& v) { return VariantToText(v).str(); }

TEST(Variant, ConstructionPicksTheType) {
    EXPECT_EQ(_variant_t().vt, VT_EMPTY);
    EXPECT_EQ(_variant_t("a").vt, VT_BSTR);
    EXPECT_EQ(_variant_t(CString("a")).vt, VT_BSTR);
    EXPECT_EQ(_variant_t(std::string("a")).vt, VT_BSTR);
    EXPECT_EQ(_variant_t(1.5).vt, VT_R8);
    EXPECT_EQ(_variant_t(1.5f).vt, VT_R4);
    EXPECT_EQ(_variant_t(3).vt, VT_I4);
    EXPECT_EQ(_variant_t(3L).vt, VT_I4);
    EXPECT_EQ(_variant_t(3u).vt, VT_UI4);
    EXPECT_EQ(_variant_t(static_cast<DWORD>(3)).vt, VT_UI4);
    _variant_t yes(true), no(false);
    EXPECT_EQ(yes.vt, VT_BOOL);
    EXPECT_EQ(yes.boolVal, VARIANT_TRUE);
    EXPECT_EQ(no.boolVal, VARIANT_FALSE);
    EXPECT_STREQ(_variant_t(static_cast<const char*>(nullptr)).bstrVal, "");
}

TEST(Variant, TextOwnershipSurvivesCopiesAndMoves) {
    _variant_t a("风格1");
    _variant_t b(a);
    a = 2.0;
    EXPECT_EQ(Text(b), "风格1");
    _variant_t c(std::move(b));
    EXPECT_EQ(b.vt, VT_EMPTY);
    EXPECT_EQ(Text(c), "风格1");
    c = c;
    EXPECT_EQ(Text(c), "风格1");
}

TEST(Variant, NumbersBecomeShortCLocaleText) {
    EXPECT_EQ(Text(_variant_t(5.0)), "5");
    EXPECT_EQ(Text(_variant_t(0.1)), "0.1");
    EXPECT_EQ(Text(_variant_t(1e-05)), "1e-05");
    EXPECT_EQ(Text(_variant_t(-1234.5)), "-1234.5");
    EXPECT_EQ(Text(_variant_t(0.1 + 0.2)), "0.30000000000000004");  // needs 17 digits
    EXPECT_EQ(Text(_variant_t(0.1f)), "0.1");
    EXPECT_EQ(Text(_variant_t(-7)), "-7");
    EXPECT_EQ(Text(_variant_t(4000000000u)), "4000000000");
    EXPECT_EQ(Text(_variant_t(true)), "-1");
    EXPECT_EQ(Text(_variant_t(false)), "0");
    EXPECT_EQ(Text(_variant_t()), "");
}

TEST(Variant, DoubleTextReadsBackExactly) {
    const double values[] = {0.1,     1.0 / 3,     2.0 / 3,          1e-05,    123456789.125, -2.5e300, 5e-324, 1e20,
                             kFltMax, kFltEpsilon, 3.14159265358979, 1e16 + 2, -0.0};
    for (double d : values) {
        std::string t = Text(_variant_t(d));
        EXPECT_EQ(crt::Atof(t.c_str()), d) << t;
        EXPECT_EQ(boost::lexical_cast<double>(t), d) << t;
    }
}

TEST(Variant, FloatTextReadsBackAsFloat) {
    const float values[] = {0.1f, 1.0f / 3, 16777216.0f, FLT_MAX, FLT_MIN, -2.75f};
    for (float f : values) {
        std::string t = Text(_variant_t(f));
        EXPECT_EQ(boost::lexical_cast<float>(t), f) << t;
        EXPECT_EQ(static_cast<float>(crt::Atof(t.c_str())), f) << t;
    }
}

TEST(Variant, EqualityNeedsTypeAndValue) {
    EXPECT_EQ(_variant_t(1.5), _variant_t(1.5));
    EXPECT_NE(_variant_t(1.0), _variant_t(1.0f));
    EXPECT_NE(_variant_t(1), _variant_t(1u));
    EXPECT_NE(_variant_t("1"), _variant_t(1));
    EXPECT_EQ(_variant_t("中"), _variant_t(CString("中")));
    EXPECT_NE(_variant_t("a"), _variant_t("A"));
    EXPECT_EQ(_variant_t(), _variant_t());
    EXPECT_NE(_variant_t(), _variant_t(""));
    EXPECT_EQ(_variant_t(true), _variant_t(true));
    EXPECT_NE(_variant_t(true), _variant_t(false));
}

TEST(Variant, ChangeTypeInPlace) {
    _variant_t v(0.5f);
    v.ChangeType(VT_R8);
    EXPECT_EQ(v.vt, VT_R8);
    EXPECT_EQ(v.dblVal, 0.5);

    _variant_t text(" 12.5 ");
    text.ChangeType(VT_R8);
    EXPECT_EQ(text.dblVal, 12.5);

    _variant_t n(7);
    _variant_t out;
    out.ChangeType(VT_BSTR, &n);
    EXPECT_EQ(Text(out), "7");
    EXPECT_EQ(n.vt, VT_I4);
}

TEST(Variant, TextThatIsNotWhollyANumberThrows) {
    for (const char* bad : {"7abc", "", "   ", "abc", "nan", "inf", "0x10", "1,5"}) {
        _variant_t v(bad);
        try {
            v.ChangeType(VT_R8);
            ADD_FAILURE() << "accepted \"" << bad << "\"";
        } catch (const _com_error& e) {
            EXPECT_EQ(e.Error(), DISP_E_TYPEMISMATCH) << bad;
        }
        EXPECT_EQ(v.vt, VT_BSTR);  // unchanged by the failure
        EXPECT_EQ(Text(v), bad);
    }
    EXPECT_THROW(static_cast<double>(_variant_t("7abc")), _com_error);
    EXPECT_EQ(static_cast<double>(_variant_t("-3.25e2")), -325.0);
}

TEST(Variant, IntegerTargetsRoundHalfToEvenAndCheckRange) {
    EXPECT_EQ(static_cast<long>(_variant_t(2.5)), 2);
    EXPECT_EQ(static_cast<long>(_variant_t(3.5)), 4);
    EXPECT_EQ(static_cast<int>(_variant_t("-2.6")), -3);
    EXPECT_EQ(static_cast<UINT>(_variant_t(4000000000.0)), 4000000000u);
    try {
        _variant_t v(-1);
        v.ChangeType(VT_UI4);
        ADD_FAILURE() << "-1 became unsigned";
    } catch (const _com_error& e) {
        EXPECT_EQ(e.Error(), DISP_E_OVERFLOW);
    }
    EXPECT_THROW(static_cast<long>(_variant_t(3e9)), _com_error);
    EXPECT_THROW(static_cast<double>(_variant_t("1e400")), _com_error);
    EXPECT_THROW(static_cast<float>(_variant_t(1e300)), _com_error);
}

TEST(Variant, BooleanConversions) {
    EXPECT_TRUE(static_cast<bool>(_variant_t("True")));
    EXPECT_FALSE(static_cast<bool>(_variant_t(" false ")));
    EXPECT_FALSE(static_cast<bool>(_variant_t("0")));
    EXPECT_TRUE(static_cast<bool>(_variant_t(2.5)));
    EXPECT_EQ(static_cast<long>(_variant_t(true)), -1);
    EXPECT_THROW(static_cast<bool>(_variant_t("yes")), _com_error);
}

TEST(Variant, FreeChangeTypeAnswersInsteadOfThrowing) {
    _variant_t v("x");
    EXPECT_EQ(VariantChangeType(&v, &v, 0, VT_I4), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(Text(v), "x");
    _variant_t d(1.25f);
    EXPECT_EQ(VariantChangeType(&d, &d, 0, VT_R8), S_OK);
    EXPECT_EQ(d.vt, VT_R8);
    EXPECT_EQ(VariantChangeType(&d, &d, 0, 99), DISP_E_BADVARTYPE);
}

TEST(Variant, BstrTextConversion) {
    _bstr_t b = static_cast<_bstr_t>(_variant_t(2.5));
    EXPECT_STREQ(static_cast<const char*>(b), "2.5");
    CString s(static_cast<const char*>(static_cast<_bstr_t>(_variant_t("深度"))));
    EXPECT_EQ(s, "深度");
}

}  // namespace
