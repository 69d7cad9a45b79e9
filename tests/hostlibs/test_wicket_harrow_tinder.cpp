// The scattered-data library's helpers (boundary-line layer, number texts), the map-core
// library's project and spatial reference, and the utility library's degree conversion.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "hostlibs/Harrow/HarrowTesting.h"
#include "hosttypes/Harrow/KelProject.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXMap.h"
#include "hosttypes/Tinder/DegreeConvert.h"
#include "hosttypes/Wicket/ScatteredFunc.h"

namespace {

struct Dms {
    int d, m, s;
};

Dms Convert(double value) {
    Dms r{-7, -7, -7};
    ConvertDegToDegMintSec(value, r.d, r.m, r.s);
    return r;
}

#define EXPECT_DMS(value, D, M, S)                                \
    do {                                                          \
        const Dms r_ = Convert(value);                            \
        EXPECT_EQ(D, r_.d) << "degrees of " << (value);           \
        EXPECT_EQ(M, r_.m) << "minutes of " << (value);           \
        EXPECT_EQ(S, r_.s) << "seconds of " << (value);           \
    } while (0)

// ---- ConvertDegToDegMintSec ----

TEST(DegreeConvertTest, SplitsAndRoundsToTheNearestSecond) {
    EXPECT_DMS(1.5, 1, 30, 0);
    EXPECT_DMS(0.0, 0, 0, 0);
    EXPECT_DMS(10.0 + 30.0 / 60 + 30.0 / 3600, 10, 30, 30);
    // 1.1 degrees is a hair under 3960 seconds in binary: truncating would show 1:5:59.
    EXPECT_DMS(1.1, 1, 6, 0);
    EXPECT_DMS(1.0 + 0.4 / 3600, 1, 0, 0);
    EXPECT_DMS(1.0 + 0.6 / 3600, 1, 0, 1);
}

TEST(DegreeConvertTest, SecondsNeverShowSixtyTheyCarry) {
    EXPECT_DMS(10.0 + 59.0 / 60 + 59.9999 / 3600, 11, 0, 0);  // into minutes and degrees
    EXPECT_DMS(2.0 + 14.0 / 60 + 59.9999 / 3600, 2, 15, 0);   // into minutes only
    EXPECT_DMS(359.99999, 360, 0, 0);
    EXPECT_DMS(59.9999 / 3600, 0, 1, 0);
}

TEST(DegreeConvertTest, EveryWholeSecondRoundTrips) {
    for (int total = 0; total <= 3 * 3600; ++total) {
        int d = 0, m = 0, s = 0;
        ConvertDegToDegMintSec(total / 3600.0, d, m, s);
        ASSERT_TRUE(m >= 0 && m < 60 && s >= 0 && s < 60) << total;
        ASSERT_EQ(total, d * 3600 + m * 60 + s) << total;
    }
}

TEST(DegreeConvertTest, NegativeValuesKeepTheirSignInEveryPart) {
    EXPECT_DMS(-1.5, -1, -30, 0);
    EXPECT_DMS(-0.5, 0, -30, 0);  // the sign is not lost with zero degrees
    EXPECT_DMS(-(1.0 + 59.9999 / 3600 + 59.0 / 60), -2, 0, 0);
    EXPECT_DMS(-1e-9, 0, 0, 0);
}

TEST(DegreeConvertTest, AnAngleItCannotShowIsRefusedAndThePartsKept) {
    for (double value : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                         -std::numeric_limits<double>::infinity(), 1e12, -1e300, 2147483647.0}) {
        int d = -7, m = -7, s = -7;
        EXPECT_FALSE(ConvertDegToDegMintSec(value, d, m, s)) << value;
        EXPECT_EQ(d, -7) << value;  // not 0:0:0, which would read as an angle of 0
        EXPECT_EQ(m, -7) << value;
        EXPECT_EQ(s, -7) << value;
    }
    int d = 0, m = 0, s = 0;
    EXPECT_TRUE(ConvertDegToDegMintSec(2147483646.0, d, m, s));
    EXPECT_EQ(d, 2147483646);
    EXPECT_TRUE(ConvertDegToDegMintSec(0.0, d, m, s));
    EXPECT_EQ(d, 0);
}

// ---- CScatteredFunc::TruncFloatString ----

CString Trunc(const char* text) {
    CString s(text);
    CScatteredFunc::TruncFloatString(s);
    return s;
}

TEST(TruncFloatStringTest, DropsTrailingZerosOfTheFraction) {
    EXPECT_EQ(CString("1.5"), Trunc("1.50"));
    EXPECT_EQ(CString("2"), Trunc("2.00"));
    EXPECT_EQ(CString("100"), Trunc("100.000"));
    EXPECT_EQ(CString("10.05"), Trunc("10.05"));
    EXPECT_EQ(CString("-3.1"), Trunc("-3.10"));
    EXPECT_EQ(CString("0.5"), Trunc("0.50"));
    EXPECT_EQ(CString("5"), Trunc("5."));
    EXPECT_EQ(CString(".5"), Trunc(".500"));
    EXPECT_EQ(CString("1.5e+03"), Trunc("1.500e+03"));
    EXPECT_EQ(CString("1e-05"), Trunc("1.000e-05"));
}

TEST(TruncFloatStringTest, LeavesIntegersAndNonNumbersAlone) {
    // Zeros before the units are digits of the value, not padding.
    EXPECT_EQ(CString("100"), Trunc("100"));
    EXPECT_EQ(CString("0"), Trunc("0"));
    EXPECT_EQ(CString(""), Trunc(""));
    EXPECT_EQ(CString("."), Trunc("."));
    EXPECT_EQ(CString("abc.00"), Trunc("abc.00"));
    EXPECT_EQ(CString("1.50 mm"), Trunc("1.50 mm"));
    EXPECT_EQ(CString("1.2.0"), Trunc("1.2.0"));
    EXPECT_EQ(CString("1.50e"), Trunc("1.50e"));
}

TEST(TruncFloatStringTest, ZeroShowsWithoutSign) {
    EXPECT_EQ(CString("0"), Trunc("0.00"));
    EXPECT_EQ(CString("0"), Trunc("-0.00"));
    EXPECT_EQ(CString("0"), Trunc("-.000"));
    EXPECT_EQ(CString("0"), Trunc("+0.0"));
    EXPECT_EQ(CString("-0.01"), Trunc("-0.010"));
}

// ---- CScatteredFunc::GetLine_Layer ----

CQXLayer* AddLayer(CQXMap& map, const char* name, const char* typeName) {
    CQXLayer* layer = map.AddLayer(new CQXLayer(&map));
    layer->SetName(name);
    layer->SetTypeName(typeName);
    return layer;
}

TEST(GetLineLayerTest, FindsTheLayerNamedAfterTheZoneLayer) {
    CQXMap map;
    CQXLayer* zones = AddLayer(map, "沙二1油水", "油水填充");
    AddLayer(map, "沙二1区域边界线", "区域边界线");
    CQXLayer* lines = AddLayer(map, "沙二1油水边界线", "油水边界");
    AddLayer(map, "沙二1油水边界线", "油水边界");  // a later namesake is not chosen
    EXPECT_EQ(lines, CScatteredFunc::GetLine_Layer(zones->GetMap(), zones->GetName()));
    EXPECT_NE(nullptr, CScatteredFunc::GetLine_Layer(&map, "沙二1区域"));
}

TEST(GetLineLayerTest, AnswersNullWithoutAMatchingLayer) {
    CQXMap map;
    AddLayer(map, "边界线", "离散属性边界线");
    AddLayer(map, "孔隙度边界线", "离散属性边界线");
    EXPECT_EQ(nullptr, CScatteredFunc::GetLine_Layer(&map, "渗透率"));
    EXPECT_EQ(nullptr, CScatteredFunc::GetLine_Layer(&map, "孔隙"));  // names match whole
    EXPECT_EQ(nullptr, CScatteredFunc::GetLine_Layer(&map, ""));       // not the bare suffix
    EXPECT_EQ(nullptr, CScatteredFunc::GetLine_Layer(nullptr, "孔隙度"));
    // A boundary-line layer is not its own line layer.
    EXPECT_EQ(nullptr, CScatteredFunc::GetLine_Layer(&map, "孔隙度边界线"));
}

// ---- Harrow: CKelProject ----

class KelProjectTest : public ::testing::Test {
protected:
    void SetUp() override { harrow::testing::Reset(); }
    void TearDown() override { harrow::testing::Reset(); }
};

TEST_F(KelProjectTest, OneProjectWhoseSpatialReferenceValidatesByDefault) {
    CKelProject* project = CKelProject::Instance();
    ASSERT_NE(nullptr, project);
    EXPECT_EQ(project, CKelProject::Instance());
    EXPECT_TRUE(project->SpatialReference().Validate());
    EXPECT_EQ(&project->SpatialReference(), &CKelProject::Instance()->SpatialReference());
    EXPECT_EQ(CString(harrow::testing::kDefaultProjectPath), project->GetProjectPath());
}

TEST_F(KelProjectTest, HooksSetValidityAndPathUntilReset) {
    harrow::testing::SetSpatialReferenceValid(false);
    harrow::testing::SetProjectPath("D:\\工区\\东营");
    EXPECT_FALSE(CKelProject::Instance()->SpatialReference().Validate());
    EXPECT_EQ(CString("D:\\工区\\东营"), CKelProject::Instance()->GetProjectPath());
    harrow::testing::Reset();
    EXPECT_TRUE(CKelProject::Instance()->SpatialReference().Validate());
    EXPECT_EQ(CString(harrow::testing::kDefaultProjectPath), CKelProject::Instance()->GetProjectPath());
}

}  // namespace
