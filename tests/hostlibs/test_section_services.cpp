// Services the section pages call: the stratification system of a level, the section library's
// number check and the template facade.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hostlibs/Osprey/WellDataTesting.h"
#include "hostlibs/Tamarind/Testing.h"
#include "hosttypes/Oriel/CMapProperty.h"
#include "hosttypes/Oriel/CStratumSysAdapter.h"
#include "hosttypes/Oriel/ScUtility.h"
#include "hosttypes/Sorrel/TemplateManager.h"
#include "hosttypes/Tamarind/TemplateManagerFacade.h"
#include "win32/Win32.h"

namespace {

using TemplateManager::CTemplateManagerFacade;

TEST(StratumSystem, ReadsOneLevelOfTheWellData) {
    CStratumSysAdapter level1(1);
    EXPECT_TRUE(level1.IsValidGrade());
    ASSERT_EQ(3, level1.GetSize());
    EXPECT_EQ("1", level1.GetName(0));
    EXPECT_EQ("", level1.GetName(3));
    EXPECT_EQ("", level1.GetName(-1));
    EXPECT_EQ(2, level1.FindIndex("3"));
    EXPECT_EQ(-1, level1.FindIndex("沙一段"));
    EXPECT_EQ("1", level1.GetTopStratum());
    EXPECT_EQ("3", level1.GetBotStraum());

    CStratumSysAdapter empty(4);
    EXPECT_TRUE(empty.IsValidGrade());
    EXPECT_EQ(0, empty.GetSize());
    EXPECT_EQ("", empty.GetTopStratum());
    EXPECT_EQ("", empty.GetBotStraum());
    CStratumSysAdapter outside(5);
    EXPECT_FALSE(outside.IsValidGrade());
    EXPECT_EQ(0, outside.GetSize());
}

TEST(JudgeFigure, AWholeNumberOrTheFloatLimit) {
    EXPECT_DOUBLE_EQ(2.5, ScUtility::JudgeFigure(" 2.5 ", false));
    EXPECT_DOUBLE_EQ(-1485, ScUtility::JudgeFigure("-1485", true));
    EXPECT_DOUBLE_EQ(1e3, ScUtility::JudgeFigure("1e3", false));
    for (const char* bad : {"", "  ", "abc", "7abc", "nan", "inf", "0x10", "1,5", "1e39", "-1e300", "1e400"})
        EXPECT_EQ(kFltMax, ScUtility::JudgeFigure(bad, false)) << bad;
}

TEST(TemplateFacade, NamesPathsAndPlaces) {
    CTemplateManagerFacade* facade = CTemplateManagerFacade::Instance();
    std::vector<CString> names{"<不使用>"};
    facade->GetAllTemplateByTplType(names, TemplateManager::TPL_CONNECTION);
    ASSERT_EQ(3u, names.size());
    EXPECT_EQ("标准连井[系统]", names[1].str());
    EXPECT_EQ("连井模板[工区]", names[2].str());

    const CString path = facade->GetTemplateFileFullPath("连井模板[工区]", TemplateManager::TPL_CONNECTION, 2);
    EXPECT_EQ("/kel/project/templates/12/连井模板.tpl", path.str());
    EXPECT_EQ(path, facade->GetTemplateFileFullPath("连井模板", TemplateManager::TPL_CONNECTION, 1));
    EXPECT_EQ("", facade->GetTemplateFileFullPath("连井模板", TemplateManager::TPL_CONNECTION, 0).str());
    EXPECT_EQ("", facade->GetTemplateFileFullPath("<不使用>", TemplateManager::TPL_CONNECTION, 2).str());
    EXPECT_EQ("", facade->GetTemplateFileFullPath("连井模板[工区]", TemplateManager::TPL_FENCE, 2).str());

    CString name;
    int place = 9;
    facade->ParserFileNameByPath(path, name, place, false);
    EXPECT_EQ("连井模板", name.str());
    EXPECT_EQ(1, place);
    facade->ParserFileNameByPath("D:\\other\\a.b.tpl", name, place, true);
    EXPECT_EQ("a.b.tpl", name.str());
    EXPECT_EQ(-1, place);
    EXPECT_EQ("x", facade->AppendTemplatePosStr("x", -1).str());
}

TEST(TemplateFacade, ATypeCodeBeyondTheNamedOnesHasNoTemplates) {
    // The host may hand any code; those the facade does not name answer nothing.
    const auto unnamed = static_cast<TemplateManager::TemplateType>(99);
    CTemplateManagerFacade* facade = CTemplateManagerFacade::Instance();
    CTemplateColor* colour = _AfxGetTemplateManager()->GetTemplateColor(0);
    ASSERT_NE(colour, nullptr);
    const CString name = colour->GetName();
    EXPECT_EQ(facade->GetGeneralTemplate(name, TemplateManager::TPL_COLOR), colour);
    EXPECT_EQ(facade->GetGeneralTemplate(name, unnamed), nullptr);
    std::vector<CString> names{"<不使用>"};
    facade->GetAllTemplateByTplType(names, unnamed);
    EXPECT_EQ(std::vector<CString>{"<不使用>"}, names);
    EXPECT_EQ("", facade->GetTemplateFileFullPath("通用模板[系统]", unnamed, TemplateManager::TPL_POS_BYNAME).str());
    EXPECT_NE("", facade->GetTemplateFileFullPath("通用模板[系统]", TemplateManager::TPL_GENERAL, 2).str());

    // A store that holds templates of such a code keeps and lists them like any other; a style
    // template is still none of them.
    tamarind::testing::SetTemplates(unnamed, {{name.str(), 0}});
    names.clear();
    facade->GetAllTemplateByTplType(names, unnamed);
    EXPECT_EQ(std::vector<CString>{name + "[系统]"}, names);
    EXPECT_EQ("/kel/templates/system/99/" + name.str() + ".tpl",
              facade->GetTemplateFileFullPath(name, unnamed, TemplateManager::TPL_POS_SYSTEM).str());
    EXPECT_EQ(facade->GetGeneralTemplate(name, unnamed), nullptr);
}

TEST(TemplateFacade, TestHookReplacesATypeUntilReset) {
    tamarind::testing::SetTemplates(TemplateManager::TPL_FENCE, {{"A", 1}, {"B", 0}});
    std::vector<CString> names;
    CTemplateManagerFacade::Instance()->GetAllTemplateByTplType(names, TemplateManager::TPL_FENCE);
    EXPECT_EQ((std::vector<CString>{"A[工区]", "B[系统]"}), names);
    tamarind::testing::Reset();
    names.clear();
    CTemplateManagerFacade::Instance()->GetAllTemplateByTplType(names, TemplateManager::TPL_FENCE);
    EXPECT_EQ(std::vector<CString>{"栅状图[系统]"}, names);
}

}  // namespace

namespace {

TEST(DisplayRecord, StratumSettingsFollowTheListAsItChanges) {
    CMapProperty record;
    record.m_content.strata = {{"A", 0x01}, {"B", 0x02}, {"A", 0x04}};
    unsigned char byte = 0;
    ASSERT_TRUE(record.GetStratumSetorInfo("A", byte));
    EXPECT_EQ(0x01, byte);  // the first of the name
    record.m_content.strata[0].first = "C";  // renamed in place: same size
    ASSERT_TRUE(record.GetStratumSetorInfo("A", byte));
    EXPECT_EQ(0x04, byte);
    EXPECT_TRUE(record.GetStratumSetorInfo("C", byte));
    record.SetStratumSetorInfo("D", 0x10);
    record.SetStratumSetorInfo("B", 0x08);
    ASSERT_EQ(4u, record.m_content.strata.size());
    EXPECT_EQ(0x08, record.m_content.strata[1].second);
    const CMapProperty copy = record;
    EXPECT_TRUE(copy.GetStratumSetorInfo("D", byte));
    EXPECT_EQ(0x10, byte);
    EXPECT_FALSE(copy.GetStratumSetorInfo("E", byte));
}

}  // namespace
