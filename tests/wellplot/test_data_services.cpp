// What the well-plot pages read of the well-data and general-data libraries, and of a well's data.
#include <gtest/gtest.h>

#include "hostlibs/Osprey/WellDataTesting.h"
#include "hostlibs/Osprey/WellPlotServicesTesting.h"
#include "hostlibs/Rivet/RivetTesting.h"
#include "hosttypes/Osprey/WellDataManager.h"
#include "hosttypes/Rivet/GeneralDataManager.h"
#include "hosttypes/Zephyr/WDMgrIO.h"

namespace {

class DataServices : public ::testing::Test {
protected:
    void SetUp() override { rivet::testing::Reset(); }
    void TearDown() override { rivet::testing::Reset(); }
};

TEST_F(DataServices, WellDataAnswersSchemasCountsAndDepths) {
    CWellDataManager* wells = CWellDataManager::Instance();
    CTableDefinition* logs = wells->GetTableDefinitionManager()->GetTableDefinition("测井曲线");
    ASSERT_NE(logs, nullptr);
    EXPECT_EQ(logs->GetColumnDefinitionCount(), 5);
    EXPECT_EQ(logs->GetColumnDefinition(1)->GetName(), "GR");
    EXPECT_EQ(logs->GetColumnDefinition(4)->GetType(), 0);
    EXPECT_EQ(wells->GetTableDefinitionManager()->GetTableDefinition("无此表"), nullptr);
    EXPECT_EQ(wells->GetStratumCount(1), 3);
    EXPECT_EQ(wells->GetStratumCount(7), 0);
    EXPECT_NE(wells->GetWellPosition(), nullptr);

    EXPECT_DOUBLE_EQ(wells->ConvertZToDepth("井1", 1200, false), 1200);
    EXPECT_TRUE(osprey::testing::SetDepthFactor("井1", 1.25));
    EXPECT_FALSE(osprey::testing::SetDepthFactor("井1", 0.5));
    EXPECT_DOUBLE_EQ(wells->ConvertZToDepth("井1", 1200, false), 1500);
    EXPECT_DOUBLE_EQ(wells->ConvertDepthToZ("井1", 1500), 1200);
    EXPECT_DOUBLE_EQ(wells->ConvertDepthToZ("井2", 1500), 1500);
    osprey::testing::ResetWellDataManager();
    EXPECT_DOUBLE_EQ(CWellDataManager::Instance()->ConvertZToDepth("井1", 1200, false), 1200);
}

TEST_F(DataServices, GeneralDataAnswersItsSetsByIndexAndName) {
    CMutiColPtDataManager* sets = CGeneralDataManager::Instance()->GetColPtDataManager();
    ASSERT_NE(sets, nullptr);
    ASSERT_EQ(sets->GetCount(), 2);
    EXPECT_EQ(sets->GetName(1), "试油成果");
    EXPECT_EQ(sets->GetName(2), "");
    EXPECT_EQ(sets->GetData(-1), nullptr);
    CMutiColPtData* tests = sets->GetData("试油成果");
    ASSERT_NE(tests, nullptr);
    EXPECT_TRUE(tests->IsSegmentData());
    EXPECT_EQ(tests->GetValNames().size(), tests->GetType().size());
    EXPECT_EQ(tests->GetType()[0], 0);
    EXPECT_EQ(sets->GetData(static_cast<const char*>(nullptr)), nullptr);

    rivet::testing::SetColPtData({rivet::testing::MakeColPtData("物性", {"A", "B"}, {1}, false)});
    sets = CGeneralDataManager::Instance()->GetColPtDataManager();
    ASSERT_EQ(sets->GetCount(), 1);
    EXPECT_EQ(sets->GetData(0)->GetType(), (std::vector<BYTE>{1, 0}));
    rivet::testing::RemoveColPtDataManager();
    EXPECT_EQ(CGeneralDataManager::Instance()->GetColPtDataManager(), nullptr);
}

TEST_F(DataServices, AWellsDataSetsAreFoundByKindAndNameAndFillTheirRecords) {
    WDMgrIO data;
    EXPECT_EQ(data.GetSand(1, ""), nullptr);
    LogSandDIO* sand = data.AddSand(1, "");
    sand->m_records.push_back(LOGSAND{1, "砂1", 3, 0});
    EXPECT_EQ(data.GetSand(1, ""), sand);
    EXPECT_EQ(data.GetSand(2, ""), nullptr);
    LOGSAND record;
    ASSERT_TRUE(data.FindData(sand, record));
    EXPECT_EQ(record.type, 3);
    EXPECT_EQ(data.AddSand(1, ""), sand);  // replaced in place
    EXPECT_EQ(sand->GetRecordCount(), 0);
    EXPECT_FALSE(data.FindData(sand, record));

    WDMgrIO other;
    LogCorelithDIO* lith = data.AddCorelith(CORELITH_GRAPHIC, "");
    lith->m_record.oilKind = 2;
    LOGCORELITH fromOther;
    EXPECT_FALSE(other.FindData(lith, fromOther));
    ASSERT_TRUE(data.FindData(lith, fromOther));
    EXPECT_EQ(fromOther.oilKind, 2);
    EXPECT_EQ(data.GetStratum(1, ""), nullptr);
    EXPECT_EQ(data.AddStratum(1, "")->GetUnitCount(), 0);
}

}  // namespace
