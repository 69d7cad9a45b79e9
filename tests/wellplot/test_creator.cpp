// The kit property sheet: pages by the first kit class that matches, "其它" last, the binding of
// each list to its kit, and the opening page of an oil test.
#include "WellPlotFixture.h"
#include "framework/PropWndMgr.h"
#include "framework/WndPag.h"
#include "hosttypes/Zephyr/WpCorelith.h"
#include "hosttypes/Zephyr/WpFacies.h"
#include "hosttypes/Zephyr/WpIntegratedCore.h"
#include "hosttypes/Zephyr/WpLthSample.h"
#include "hosttypes/Zephyr/WpOilTest.h"
#include "hosttypes/Zephyr/WpSand.h"
#include "hosttypes/Zephyr/WpShoot.h"
#include "hosttypes/Zephyr/WpStratum.h"
#include "hosttypes/Zephyr/WpParam.h"
#include "hosttypes/Zephyr/WpResult.h"
#include "hosttypes/Zephyr/WpSandStratum.h"
#include "hosttypes/Zephyr/WpSidewallCore.h"
#include "hosttypes/Zephyr/WpSymble.h"
#include "hosttypes/Zephyr/WpText.h"
#include "hosttypes/Zephyr/WpWaterEntry.h"
#include "wellplot/LstDepth.h"
#include "wellplot/LstHead.h"
#include "hosttypes/Zephyr/WpPicture.h"
#include "wellplot/intervals/LstOilTestPie.h"
#include "wellplot/intervals/LstPicture.h"
#include "wellplot/intervals/LstProgram.h"
#include "wellplot/intervals/OilTestPage.h"
#include "wellplot/intervals/PropWnd.h"

using wptest::Names;

namespace {

class Creator : public ::testing::Test {
protected:
    Creator() { plot.BuildSample(); }
    ~Creator() override {
        for (CWnd* sheet : sheets) platform::DestroyAndDelete(sheet);
    }
    CPropWndMgr* Open(CWpKit* kit) {
        CWnd* wnd = CPropWnd::Create(kit, &host.frame);
        sheets.push_back(wnd);
        auto* sheet = dynamic_cast<CPropWndMgr*>(wnd);
        EXPECT_NE(nullptr, sheet);
        EXPECT_NE(nullptr, wnd ? wnd->GetSafeHwnd() : nullptr);
        return sheet;
    }
    Names Tabs(CWpKit* kit) {
        CPropWndMgr* sheet = Open(kit);
        return sheet ? platform::TabCaptions(*sheet) : Names();
    }
    template <class List>
    List* ListOf(CPropWndMgr* sheet, int page) {
        auto* pag = dynamic_cast<CWndPag*>(sheet->GetPage(page));
        return pag ? dynamic_cast<List*>(pag->GetWndLst()) : nullptr;
    }

    wptest::HostWindows host;
    zephyr::PlotFixture plot;
    std::vector<CWnd*> sheets;
};

TEST_F(Creator, EachKitGetsThePagesOfItsFirstMatchingClassThenOther) {
    EXPECT_EQ(Tabs(plot.First<CWpDepth>()), (Names{"深度道", "其它"}));
    EXPECT_EQ(Tabs(plot.First<CWpTrack>()), (Names{"内容道", "网格线", "其它"}));
    EXPECT_EQ(Tabs(plot.First<CWpProgram>()), (Names{"程序", "其它"}));
    EXPECT_EQ(Tabs(plot.Well()), (Names{"柱状图", "图头", "其它"}));
    EXPECT_EQ(Tabs(plot.First<CWpCurve>()), (Names{"曲线", "其它"}));
    EXPECT_EQ(Tabs(plot.First<CWpSand>()), (Names{"砂岩", "其它"}));
    EXPECT_EQ(Tabs(plot.First<CWpFacies>()), (Names{"沉积相", "其它"}));
    EXPECT_EQ(Tabs(plot.First<CWpCorelith>()), (Names{"岩性", "其它"}));
    EXPECT_EQ(Tabs(plot.First<CWpLthSample>()), (Names{"岩样", "其它"}));
    EXPECT_EQ(Tabs(plot.First<CWpIntegratedCore>()), (Names{"取芯综合", "其它"}));
    EXPECT_EQ(Tabs(plot.First<CWpShoot>()), (Names{"射孔", "射孔配置", "其它"}));
    EXPECT_EQ(Tabs(plot.First<CWpStratum>()), (Names{"地层", "其它"}));
    EXPECT_EQ(Tabs(plot.First<CWpSymbleShoot>()), (Names{"射孔", "其它"}));
    EXPECT_EQ(Tabs(plot.First<CWpSymbleCycle>()), (Names{"旋回", "其它"}));
    EXPECT_EQ(Tabs(plot.First<CWpSymbleTexture>()), (Names{"层理", "其它"}));
    EXPECT_EQ(Tabs(plot.First<CWpPicture>()), (Names{"图片", "其它"}));
    EXPECT_EQ(Tabs(plot.First<CWpText>()), (Names{"文本", "其它"}));
    EXPECT_EQ(Tabs(plot.First<CWpParam>()), (Names{"常规", "线", "点", "文本", "矩形填充", "其它"}));
    EXPECT_EQ(Tabs(plot.First<CWpResult>()), (Names{"解释结果", "其它"}));
    EXPECT_EQ(Tabs(plot.First<CWpSandStratum>()), (Names{"常规", "填充", "线", "文本", "其它"}));
    EXPECT_EQ(Tabs(plot.First<CWpSidewallCore>()), (Names{"井壁取芯", "其它"}));
    auto* profile = plot.First<CWpWaterEntry>();
    EXPECT_EQ(Tabs(profile), (Names{"产液", "其它"}));
    profile->SetProductedFluid(false);
    EXPECT_EQ(Tabs(profile), (Names{"吸水", "其它"}));
    EXPECT_EQ(Tabs(plot.First<CWpKit>()), (Names{"其它"}));
    EXPECT_EQ(Tabs(plot.First<CWpInWell>()), (Names{"其它"}));
    EXPECT_EQ(CPropWnd::Create(nullptr, &host.frame), nullptr);
}

TEST_F(Creator, ListsAreBoundToTheKitAsTheirRowsSay) {
    CPropWndMgr* well = Open(plot.Well());
    ASSERT_NE(well, nullptr);
    auto* head = ListOf<CLstHead>(well, 1);
    ASSERT_NE(head, nullptr);
    // "图头" keeps the kit: its first selection shows the kit's header.
    ASSERT_TRUE(platform::ChooseTab(*well, 1));
    plot.Well()->SetTitleHeight(1500);
    platform::SendSelectionChanged(*well, &host.view, reinterpret_cast<LPARAM>(plot.Well()));
    EXPECT_EQ(wptest::OpenPage<CLstHead>::Value(head->GetPropList().FindItemByData(CLstHead::kTitleHeightId)),
              "1.50");

    // "深度道" is made empty and works on the object the selection brings.
    CPropWndMgr* depthSheet = Open(plot.First<CWpDepth>());
    auto* depth = ListOf<CLstDepth>(depthSheet, 0);
    ASSERT_NE(depth, nullptr);
    EXPECT_EQ(depth->GetCurrentObject(), 0);
    platform::SendSelectionChanged(*depthSheet, &host.view, reinterpret_cast<LPARAM>(plot.First<CWpDepth>()));
    EXPECT_EQ(depth->GetCurrentObject(), reinterpret_cast<long>(plot.First<CWpDepth>()));

    // "程序" keeps the kit as a program kit; any other kit leaves it without one.
    CPropWndMgr* programSheet = Open(plot.First<CWpProgram>());
    EXPECT_EQ(ListOf<CLstProgram>(programSheet, 0)->GetKit(), plot.First<CWpProgram>());
    CLstProgram other(plot.Well());
    EXPECT_EQ(other.GetKit(), nullptr);
}

TEST_F(Creator, AnOilTestOpensOnItsPieWhenItsFlagIsSetAndOtherStaysThird) {
    auto* oilTest = plot.First<CWpOilTest>();
    CPropWndMgr* plain = Open(oilTest);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(platform::TabCaptions(*plain), (Names{"试油", "饼图", "其它"}));
    EXPECT_EQ(platform::ActiveTab(*plain), 0);
    EXPECT_NE(dynamic_cast<COilTestPage*>(plain->GetPage(0)), nullptr);
    EXPECT_EQ(ListOf<CLstOilTestPie>(plain, 1)->GetKit(), oilTest);

    oilTest->m_bPieActive = true;
    CPropWndMgr* pie = Open(oilTest);
    ASSERT_NE(pie, nullptr);
    EXPECT_EQ(platform::TabCaptions(*pie), (Names{"试油", "饼图", "其它"}));
    EXPECT_EQ(platform::ActiveTab(*pie), 1);
}

TEST_F(Creator, APictureKitGetsItsPictureListKeepingTheKit) {
    auto* picture = plot.First<CWpPicture>();
    CPropWndMgr* sheet = Open(picture);
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(platform::TabCaptions(*sheet), (Names{"图片", "其它"}));
    EXPECT_EQ(ListOf<CLstPicture>(sheet, 0)->GetKit(), picture);
}

}  // namespace
