// The utility library's stamp counter and the style-template manager stand-in.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "hosttypes/Sorrel/TemplateManager.h"
#include "hosttypes/Tinder/TimeStamp.h"

namespace {

class TimeStampTest : public ::testing::Test {
protected:
    void TearDown() override { tinder::testing::ResetTimeStamp(); }
};

TEST_F(TimeStampTest, StrictlyIncreasesFromTheReset) {
    tinder::testing::ResetTimeStamp();
    const uint64_t first = AfxGetTimeStamp();
    EXPECT_EQ(1u, first);
    uint64_t last = first;
    for (int i = 0; i < 1000; ++i) {
        const uint64_t next = AfxGetTimeStamp();
        ASSERT_GT(next, last);
        last = next;
    }
}

TEST_F(TimeStampTest, ResetSetsTheNextValue) {
    tinder::testing::ResetTimeStamp(500);
    EXPECT_EQ(500u, AfxGetTimeStamp());
    EXPECT_EQ(501u, AfxGetTimeStamp());
    // Stamps past 32 bits stay ordered (panes compare them as 64-bit values).
    tinder::testing::ResetTimeStamp(0xFFFFFFFFull);
    const uint64_t a = AfxGetTimeStamp();
    const uint64_t b = AfxGetTimeStamp();
    EXPECT_EQ(0x100000000ull, b);
    EXPECT_LT(a, b);
}

class TemplateManagerTest : public ::testing::Test {
protected:
    void SetUp() override { sorrel::testing::Reset(); }
    void TearDown() override { sorrel::testing::Reset(); }
    CTemplateManager* mgr() { return _AfxGetTemplateManager(); }
};

TEST_F(TemplateManagerTest, OneManagerWithAStockCatalogue) {
    EXPECT_EQ(mgr(), _AfxGetTemplateManager());
    EXPECT_GT(mgr()->GetTemplateColorCount(), 0);
    EXPECT_GT(mgr()->GetTemplateSizeCount(), 0);
    EXPECT_GT(mgr()->GetTemplatePointStyleCount(), 0);
    EXPECT_GT(mgr()->GetTemplateLineStyleCount(), 0);
    EXPECT_GT(mgr()->GetTemplateFillStyleCount(), 0);
    ASSERT_GT(mgr()->GetTemplateFontStyleCount(), 0);
    // Every stock template is found again by its name, and font templates name a face.
    for (int i = 0; i < mgr()->GetTemplateFontStyleCount(); ++i) {
        CTemplateFontStyle* t = mgr()->GetTemplateFontStyle(i);
        ASSERT_NE(nullptr, t);
        EXPECT_FALSE(t->GetName().IsEmpty());
        EXPECT_EQ(t, mgr()->GetTemplateFontStyle(t->GetName()));
        EXPECT_FALSE(t->GetLogFont().GetFaceName().IsEmpty());
    }
    for (int i = 0; i < mgr()->GetTemplateColorCount(); ++i) {
        CTemplateColor* t = mgr()->GetTemplateColor(i);
        EXPECT_EQ(t, mgr()->GetTemplateColor(t->GetName()));
    }
}

TEST_F(TemplateManagerTest, ClearedCatalogueAnswersNothing) {
    sorrel::testing::ClearTemplates();
    EXPECT_EQ(0, mgr()->GetTemplateColorCount());
    EXPECT_EQ(0, mgr()->GetTemplateSizeCount());
    EXPECT_EQ(0, mgr()->GetTemplatePointStyleCount());
    EXPECT_EQ(0, mgr()->GetTemplateLineStyleCount());
    EXPECT_EQ(0, mgr()->GetTemplateFillStyleCount());
    EXPECT_EQ(0, mgr()->GetTemplateFontStyleCount());
    EXPECT_EQ(nullptr, mgr()->GetTemplateColor(0));
    EXPECT_EQ(nullptr, mgr()->GetTemplateFontStyle("标题"));
}

TEST_F(TemplateManagerTest, AddedTemplatesKeepOrderAndValues) {
    sorrel::testing::ClearTemplates();
    mgr()->AddTemplateColor("甲", RGB(1, 2, 3));
    mgr()->AddTemplateColor("乙", RGB(4, 5, 6));
    mgr()->AddTemplateColor("甲", RGB(7, 8, 9));  // a repeated name: lookups find the first
    QXLOGFONT font;
    font.size = 1200.0f;
    font.SetFaceName("黑体");
    mgr()->AddTemplateFontStyle("大标题", font);
    mgr()->AddTemplateSize("小", 150.0);

    ASSERT_EQ(3, mgr()->GetTemplateColorCount());
    EXPECT_STREQ("甲", mgr()->GetTemplateColor(0)->GetName());
    EXPECT_STREQ("乙", mgr()->GetTemplateColor(1)->GetName());
    EXPECT_EQ(RGB(1, 2, 3), mgr()->GetTemplateColor("甲")->GetColor());
    EXPECT_EQ(RGB(7, 8, 9), mgr()->GetTemplateColor(2)->GetColor());
    EXPECT_EQ(nullptr, mgr()->GetTemplateColor(3));
    EXPECT_EQ(nullptr, mgr()->GetTemplateColor(-1));
    EXPECT_EQ(nullptr, mgr()->GetTemplateColor("丙"));
    EXPECT_EQ(nullptr, mgr()->GetTemplateColor(static_cast<const char*>(nullptr)));

    ASSERT_EQ(1, mgr()->GetTemplateFontStyleCount());
    EXPECT_STREQ("黑体", mgr()->GetTemplateFontStyle(0)->GetLogFont().GetFaceName());
    EXPECT_FLOAT_EQ(1200.0f, mgr()->GetTemplateFontStyle("大标题")->GetLogFont().size);
    EXPECT_DOUBLE_EQ(150.0, mgr()->GetTemplateSize("小")->GetSize());
    // Kinds are separate catalogues.
    EXPECT_EQ(nullptr, mgr()->GetTemplateSize("甲"));
}

TEST_F(TemplateManagerTest, ResetRestoresTheStockCatalogue) {
    const int colors = mgr()->GetTemplateColorCount();
    const CString firstFont = mgr()->GetTemplateFontStyle(0)->GetName();
    sorrel::testing::ClearTemplates();
    mgr()->AddTemplateColor("甲", 0);
    sorrel::testing::Reset();
    EXPECT_EQ(colors, mgr()->GetTemplateColorCount());
    EXPECT_EQ(firstFont, mgr()->GetTemplateFontStyle(0)->GetName());
    EXPECT_EQ(nullptr, mgr()->GetTemplateColor("甲"));
}

TEST_F(TemplateManagerTest, EditRunsTheScriptAndIsLogged) {
    CTemplateSize* t = mgr()->GetTemplateSize(0);
    ASSERT_NE(nullptr, t);
    const std::string before = t->GetName().GetString();
    t->Edit();  // no script: the user cancels
    EXPECT_EQ(before, t->GetName().str());

    sorrel::testing::SetEditScript([](CStyleTemplate& edited) { edited.SetName("新名称"); });
    t->Edit();
    EXPECT_STREQ("新名称", t->GetName());
    EXPECT_EQ(t, mgr()->GetTemplateSize("新名称"));
    EXPECT_EQ(nullptr, mgr()->GetTemplateSize(before.c_str()));

    ASSERT_EQ(2u, sorrel::testing::CallLog().size());
    EXPECT_EQ("Edit " + before, sorrel::testing::CallLog()[0]);
    EXPECT_EQ("Edit " + before, sorrel::testing::CallLog()[1]);
    sorrel::testing::ClearCallLog();
    EXPECT_TRUE(sorrel::testing::CallLog().empty());
}

}  // namespace
