// The well-data library stand-in's services: the manager's stamp, the stratum table's alias
// lookup and the facies and scattered-type catalogues, with their test hooks.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "hostlibs/Osprey/WellDataTesting.h"
#include "hosttypes/Osprey/WellDataManager.h"
#include "hosttypes/Tinder/TimeStamp.h"

namespace {

class OspreyServicesTest : public ::testing::Test {
protected:
    void SetUp() override { osprey::testing::ResetWellDataManager(); }
    void TearDown() override { osprey::testing::ResetWellDataManager(); }
    static CWellDataManager* wdm() { return CWellDataManager::Instance(); }
    static CStratumManager* strata() { return wdm()->GetStratumManager(); }
};

QXLOGBRUSH Brush(UINT style, COLORREF fill) {
    QXLOGBRUSH brush;
    brush.style = style;
    brush.fillColor = fill;
    return brush;
}

bool SameBrush(const QXLOGBRUSH& a, const QXLOGBRUSH& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// ---- strata ----

TEST_F(OspreyServicesTest, StratumLookupMatchesGradeAndWholeName) {
    // "1" is a sand group (grade 1) and a layer (grade 2) with different aliases.
    STRATUM* group = strata()->GetStratum(1, "1");
    STRATUM* layer = strata()->GetStratum(2, "1");
    ASSERT_NE(nullptr, group);
    ASSERT_NE(nullptr, layer);
    EXPECT_STREQ("沙二1砂组", group->alias);
    EXPECT_STREQ("沙二1-1", layer->alias);
    EXPECT_STREQ("沙二段", group->parent);
    EXPECT_STREQ("Es1", strata()->GetStratum(0, "沙一段")->alias);

    // Misses: another grade, a prefix, an alias instead of a name, NULL, an unknown grade.
    EXPECT_EQ(nullptr, strata()->GetStratum(2, "沙一段"));
    EXPECT_EQ(nullptr, strata()->GetStratum(0, "沙一"));
    EXPECT_EQ(nullptr, strata()->GetStratum(0, "Es1"));
    EXPECT_EQ(nullptr, strata()->GetStratum(0, "沙一段 "));
    EXPECT_EQ(nullptr, strata()->GetStratum(0, nullptr));
    EXPECT_EQ(nullptr, strata()->GetStratum(7, "1"));
    EXPECT_EQ(nullptr, strata()->GetStratum(-1, "1"));
}

TEST_F(OspreyServicesTest, StratumNamesFilledToTheBrimAreReadWithinTheField) {
    STRATUM full = osprey::testing::MakeStratum(3, "", "别名");
    std::memset(full.name, 'A', STRATUM::kTextSize);  // no terminator
    osprey::testing::SetStrata({full});
    const std::string name(STRATUM::kTextSize, 'A');
    ASSERT_NE(nullptr, strata()->GetStratum(3, name.c_str()));
    EXPECT_EQ(nullptr, strata()->GetStratum(3, (name + "A").c_str()));
    EXPECT_EQ(CString(name.c_str()), strata()->GetStratumName(3, 0));
}

TEST_F(OspreyServicesTest, MakeStratumCutsLongTextsAtACharacterBoundary) {
    // Eleven three-byte characters do not fit 31 bytes: ten are kept, none is cut in half.
    const STRATUM s = osprey::testing::MakeStratum(0, "一二三四五六七八九十百", "x");
    EXPECT_STREQ("一二三四五六七八九十", s.name);
}

TEST_F(OspreyServicesTest, StratumCountAndNamesFollowTableOrderPerGrade) {
    EXPECT_EQ(2, strata()->GetStratumCount(0));
    EXPECT_EQ(3, strata()->GetStratumCount(1));
    EXPECT_EQ(3, strata()->GetStratumCount(2));
    EXPECT_EQ(0, strata()->GetStratumCount(4));
    EXPECT_EQ(0, strata()->GetStratumCount(-1));
    EXPECT_EQ(CString("沙二段"), strata()->GetStratumName(0, 1));
    EXPECT_EQ(CString("3"), strata()->GetStratumName(1, 2));
    EXPECT_EQ(CString(), strata()->GetStratumName(1, 3));
    EXPECT_EQ(CString(), strata()->GetStratumName(1, -1));
    EXPECT_EQ(CString(), strata()->GetStratumName(4, 0));
}

// ---- stamps ----

TEST_F(OspreyServicesTest, ChangingStrataMovesTheTableAndManagerStamps) {
    CStratumManager* table = strata();
    EXPECT_EQ(0u, wdm()->GetTimeStamp());
    EXPECT_EQ(0u, table->GetTimeStamp());

    osprey::testing::SetStrata({osprey::testing::MakeStratum(0, "新层", "新别名")});
    EXPECT_EQ(table, strata());  // the same table, new content
    EXPECT_GT(table->GetTimeStamp(), 0u);
    EXPECT_EQ(table->GetTimeStamp(), wdm()->GetTimeStamp());
    EXPECT_EQ(nullptr, table->GetStratum(0, "沙一段"));
    EXPECT_STREQ("新别名", table->GetStratum(0, "新层")->alias);

    // A change elsewhere moves the manager only.
    const uint64_t tableStamp = table->GetTimeStamp();
    osprey::testing::TouchWellData();
    EXPECT_GT(wdm()->GetTimeStamp(), tableStamp);
    EXPECT_EQ(tableStamp, table->GetTimeStamp());

    osprey::testing::SetStrata({});
    EXPECT_EQ(0, table->GetStratumCount(0));
}

TEST_F(OspreyServicesTest, ResetRestoresTheSampleAndStampZero) {
    osprey::testing::SetStrata({});
    osprey::testing::RemoveFaciesTypeManager();
    osprey::testing::RemoveScatteredTypeManager();
    osprey::testing::ResetWellDataManager();
    EXPECT_EQ(0u, wdm()->GetTimeStamp());
    EXPECT_NE(nullptr, strata()->GetStratum(0, "沙一段"));
    ASSERT_NE(nullptr, wdm()->GetFaciesTypeManager());
    ASSERT_NE(nullptr, wdm()->GetScatteredTypeManager());
    EXPECT_EQ(0, wdm()->GetFaciesTypeManager()->FindFaciesTypeByCode("HD"));
    EXPECT_EQ(0, wdm()->GetScatteredTypeManager()->FindScatteredTypeByCode("1"));
}

// ---- facies catalogue ----

TEST_F(OspreyServicesTest, FaciesCatalogueAnswersByCodeAndIndex) {
    CFaciesTypeManager* facies = wdm()->GetFaciesTypeManager();
    ASSERT_NE(nullptr, facies);
    CStringArray codes;
    codes.Add("stale");  // replaced, not appended to
    facies->GetFaciesCode(codes);
    ASSERT_EQ(4, codes.GetSize());
    EXPECT_EQ(CString("HD"), codes[0]);
    EXPECT_EQ(CString("JW"), codes[3]);

    const int index = facies->FindFaciesTypeByCode("XZS");
    ASSERT_EQ(2, index);
    EXPECT_EQ(CString("席状砂"), facies->GetFaciesName(index));
    EXPECT_EQ(kBrushStyleSolid, facies->GetFaciesLogBrush(index).style);
    EXPECT_EQ(RGB(0, 0, 255), facies->GetFaciesLogPenByCode("XZS").color);

    EXPECT_LT(facies->FindFaciesTypeByCode("xzs"), 0);
    EXPECT_LT(facies->FindFaciesTypeByCode(""), 0);
    EXPECT_LT(facies->FindFaciesTypeByCode(nullptr), 0);
    EXPECT_EQ(CString(), facies->GetFaciesName(4));
    EXPECT_EQ(CString(), facies->GetFaciesName(-1));
    EXPECT_TRUE(SameBrush(QXLOGBRUSH(), facies->GetFaciesLogBrush(99)));
    EXPECT_TRUE(QXLOGPEN() == facies->GetFaciesLogPenByCode("无此相"));
}

TEST_F(OspreyServicesTest, FaciesCatalogueCanBeReplacedRemovedAndRestored) {
    QXLOGPEN pen;
    pen.width = 55;
    osprey::testing::SetFaciesTypes({osprey::testing::MakeFaciesType("A", "甲相", Brush(7, 1), pen),
                                     osprey::testing::MakeFaciesType("B", "乙相", Brush(8, 2), pen)});
    CFaciesTypeManager* facies = wdm()->GetFaciesTypeManager();
    EXPECT_EQ(1, facies->FindFaciesTypeByCode("B"));
    EXPECT_LT(facies->FindFaciesTypeByCode("HD"), 0);
    EXPECT_EQ(8u, facies->GetFaciesLogBrush(1).style);
    EXPECT_FLOAT_EQ(55.f, facies->GetFaciesLogPenByCode("A").width);
    EXPECT_EQ(facies->GetTimeStamp(), wdm()->GetTimeStamp());

    const uint64_t before = wdm()->GetTimeStamp();
    osprey::testing::RemoveFaciesTypeManager();
    EXPECT_EQ(nullptr, wdm()->GetFaciesTypeManager());
    EXPECT_GT(wdm()->GetTimeStamp(), before);
    EXPECT_NE(nullptr, wdm()->GetScatteredTypeManager());  // the other catalogue stays

    osprey::testing::SetFaciesTypes({});
    ASSERT_NE(nullptr, wdm()->GetFaciesTypeManager());
    CStringArray codes;
    codes.Add("stale");
    wdm()->GetFaciesTypeManager()->GetFaciesCode(codes);
    EXPECT_EQ(0, codes.GetSize());
}

// ---- scattered-type catalogue ----

TEST_F(OspreyServicesTest, ScatteredCatalogueAnswersByCodeAndIndex) {
    CScatteredTypeManager* types = wdm()->GetScatteredTypeManager();
    ASSERT_NE(nullptr, types);
    CStringArray codes;
    types->GetScatteredTypeCode(codes);
    ASSERT_EQ(3, codes.GetSize());
    EXPECT_EQ(CString("1"), codes[0]);
    EXPECT_EQ(CString("3"), codes[2]);

    const int index = types->FindScatteredTypeByCode("2");
    ASSERT_EQ(1, index);
    EXPECT_EQ(CString("二类储层"), types->GetScatteredTypeName(index));
    EXPECT_EQ(RGB(255, 165, 0), types->GetScatteredTypeLogBrush(index).fillColor);
    EXPECT_LT(types->FindScatteredTypeByCode("二类储层"), 0);  // a name is not a code
    EXPECT_LT(types->FindScatteredTypeByCode(nullptr), 0);
    EXPECT_EQ(CString(), types->GetScatteredTypeName(3));
    EXPECT_TRUE(SameBrush(QXLOGBRUSH(), types->GetScatteredTypeLogBrush(-1)));
}

TEST_F(OspreyServicesTest, ScatteredCatalogueCanBeRemovedAndReplaced) {
    osprey::testing::RemoveScatteredTypeManager();
    EXPECT_EQ(nullptr, wdm()->GetScatteredTypeManager());
    EXPECT_NE(nullptr, wdm()->GetFaciesTypeManager());

    osprey::testing::SetScatteredTypes({osprey::testing::MakeScatteredType("S9", "九类", Brush(3, 4))});
    CScatteredTypeManager* types = wdm()->GetScatteredTypeManager();
    ASSERT_NE(nullptr, types);
    EXPECT_EQ(0, types->FindScatteredTypeByCode("S9"));
    EXPECT_LT(types->FindScatteredTypeByCode("1"), 0);
    EXPECT_EQ(types->GetTimeStamp(), wdm()->GetTimeStamp());
}

}  // namespace
