// The utility library's file-name check and layer-name warning, its shared buffer, and the well-data
// library's stratum grade names: the services the plane-map layer pages use.
#include <gtest/gtest.h>

#include <string>

#include "driver/Responder.h"
#include "hosttypes/Osprey/WellDataManager.h"
#include "hosttypes/Tinder/CommonUtility.h"

TEST(CommonUtility, FileNameCheckRefusesEmptyControlAndReservedCharacters) {
    for (const char* good : {"断层A", "layer 1", "a.b", "图层-2_x"})
        EXPECT_TRUE(CCommonUtility::IsFileNameValide(good)) << good;
    for (const char* bad : {"", "a/b", "a\\b", "C:", "a*", "a?", "\"a\"", "<a>", "a|b", "a\tb"})
        EXPECT_FALSE(CCommonUtility::IsFileNameValide(bad)) << bad;
    EXPECT_FALSE(CCommonUtility::IsFileNameValide(std::string("a\0b", 3)));
}

TEST(CommonUtility, LayerNameWarningIsOneMessageBox) {
    CCommonUtility::LayerNameWarning();
    const auto& boxes = platform::Responder::Instance().MessageBoxes();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(tinder::kLayerNameWarning, boxes[0].text);
}

TEST(CommonUtility, SharedBufferIsOneWritableBufferOfAtLeast200Bytes) {
    char* buffer = AfxGetBufA();
    ASSERT_NE(nullptr, buffer);
    EXPECT_EQ(buffer, AfxGetBufA());
    EXPECT_GE(tinder::kSharedBufferSize, 200u);
    buffer[tinder::kSharedBufferSize - 1] = 0;
}

TEST(WellDataManager, StratumGradeNamesForTheFiveGradesOnly) {
    EXPECT_EQ("段", std::string(CWellDataManager::ConvertStratumGradeToStratumType(0).GetString()));
    EXPECT_EQ("小层", std::string(CWellDataManager::ConvertStratumGradeToStratumType(2).GetString()));
    EXPECT_EQ("韵律层", std::string(CWellDataManager::ConvertStratumGradeToStratumType(4).GetString()));
    EXPECT_TRUE(CWellDataManager::ConvertStratumGradeToStratumType(-1).IsEmpty());
    EXPECT_TRUE(CWellDataManager::ConvertStratumGradeToStratumType(5).IsEmpty());
}
