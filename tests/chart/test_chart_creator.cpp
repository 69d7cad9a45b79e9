// The chart creator's sheets by object kind, and when a chart page reads its object again.
#include <gtest/gtest.h>

#include <memory>

#include "chart/ChartGraphProp.h"
#include "chart/KelCgPropWndCreator.h"
#include "chart/WndLstChart.h"
#include "ChartFixture.h"
#include "driver/SheetDriver.h"
#include "framework/FrameworkFixtures.h"
#include "framework/PropWndMgr.h"
#include "hostlibs/Thistle/ThistleTesting.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "mfc/Variant.h"

using tsltest::ActiveObjectManager;
using tsltest::HostWindow;
using tsltest::SampleChart;
using Captions = std::vector<std::string>;

namespace {

std::unique_ptr<CWnd> Open(CQXObject* object, CWnd* parent) {
    ActiveObjectManager manager(object);
    return std::unique_ptr<CWnd>(CKelCgPropWndCreator::CreateObjProp(&manager, parent));
}

Captions CaptionsOf(CQXObject* object, CWnd* parent) {
    std::unique_ptr<CWnd> sheet = Open(object, parent);
    if (!sheet) return {"(none)"};
    return platform::TabCaptions(*sheet);
}

TEST(ChartCreator, EachKindGetsItsTabsInOrder) {
    HostWindow host;
    SampleChart s;
    const Captions axis = {"轴", "刻度线", "标签", "网格"};
    for (CQXObject* a : std::vector<CQXObject*>{&s.x, &s.y, &s.ternary, &s.radius, &s.angle})
        EXPECT_EQ(CaptionsOf(a, &host.frame), axis);
    EXPECT_EQ(CaptionsOf(&s.line, &host.frame), (Captions{"常规", "图形设置", "标签和符号"}));
    EXPECT_EQ(CaptionsOf(&s.classes, &host.frame), (Captions{"常规", "标签和符号"}));
    EXPECT_EQ(CaptionsOf(&s.bar, &host.frame), (Captions{"常规", "标签", "填充"}));
    EXPECT_EQ(CaptionsOf(&s.histogram, &host.frame), (Captions{"常规", "标签", "填充"}));
    EXPECT_EQ(CaptionsOf(&s.pie, &host.frame), (Captions{"常规", "标签", "填充"}));
    EXPECT_EQ(CaptionsOf(&s.ternaryPlot, &host.frame), (Captions{"常规", "标签和符号"}));
    EXPECT_EQ(CaptionsOf(&s.rose, &host.frame), (Captions{"常规", "填充"}));
    EXPECT_EQ(CaptionsOf(&s.chart, &host.frame), (Captions{"图设置", "图案"}));
    EXPECT_EQ(CaptionsOf(&s.legend, &host.frame), (Captions{"图例"}));
}

TEST(ChartCreator, NothingForWhatItCannotShow) {
    HostWindow host;
    SampleChart s;
    EXPECT_EQ(CKelCgPropWndCreator::CreateObjProp(nullptr, &host.frame), nullptr);
    EXPECT_EQ(Open(nullptr, &host.frame), nullptr) << "no active object";
    EXPECT_EQ(Open(&s.dateTime, &host.frame), nullptr) << "a date-time axis is no listed kind";
    CQXObject plain;
    EXPECT_EQ(Open(&plain, &host.frame), nullptr);
    const std::size_t windows = AfxLiveWindowCount();
    CWnd unmade;  // a parent without a window: the sheet cannot be made and is not handed out
    EXPECT_EQ(Open(&s.bar, &unmade), nullptr);
    EXPECT_EQ(AfxLiveWindowCount(), windows);
}

TEST(ChartCreator, PagesAreChartPagesMadeWithoutAnObject) {
    HostWindow host;
    SampleChart s;
    std::unique_ptr<CWnd> sheet = Open(&s.chart, &host.frame);
    ASSERT_TRUE(sheet);
    auto* mgr = dynamic_cast<CPropWndMgr*>(sheet.get());
    ASSERT_NE(mgr, nullptr);
    CWnd* pageWnd = mgr->GetPage(0)->GetDlgItem(2);
    auto* page = dynamic_cast<CWndLstChart*>(pageWnd);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->GetTarget(), nullptr);
    EXPECT_TRUE(page->IsKindOf(RUNTIME_CLASS(CWndLstChart)));
    EXPECT_STREQ(page->GetRuntimeClass()->m_lpszClassName, "CWndLstChart");
    // The items are built when the page's window is made; their values wait for the selection.
    ASSERT_GT(page->GetPropList().GetPropertyCount(), 0);
    CBCGPProp* title = page->GetPropList().FindItemByData(CChartGraphProp::kTitleTextId);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(VariantToText(title->GetValue()), "");
}

// ---- the page base ---------------------------------------------------------------------------------

TEST(ChartPageBase, RefreshesForANewObjectOrANewStamp) {
    CWndLstChart page;
    SampleChart s;
    EXPECT_EQ(page.GetTimeStamp(), 0u);
    EXPECT_EQ(page.CheckTargetChanged(&s.bar), 1) << "a new page refreshes at its first selection";
    EXPECT_EQ(page.CheckTargetChanged(&s.bar), 0);
    thistle::testing::Touch(&s.bar);
    EXPECT_EQ(page.CheckTargetChanged(&s.bar), 1);
    EXPECT_EQ(page.CheckTargetChanged(&s.bar), 0);
    EXPECT_EQ(page.CheckTargetChanged(&s.line), 1);
    EXPECT_EQ(page.GetTargetKind(), 0);
}

TEST(ChartPageBase, LayersSetKindOneAndNoObjectChangesNothing) {
    CWndLstChart page;
    SampleChart s;
    CQXLayer layer;
    EXPECT_EQ(page.CheckTargetChanged(&layer), 1);
    EXPECT_EQ(page.GetTargetKind(), 1);
    EXPECT_EQ(page.CheckTargetChanged(&layer), 0);
    EXPECT_EQ(page.CheckTargetChanged(nullptr), 0) << "a selection without an object leaves the page";
    EXPECT_EQ(page.GetTarget(), &layer);
    EXPECT_EQ(page.CheckTargetChanged(&s.x), 1);
    EXPECT_EQ(page.GetTargetKind(), 0);
    CStringArray other;  // neither a map object nor a layer: stamp 0, refreshed once
    EXPECT_EQ(page.CheckTargetChanged(&other), 1);
    EXPECT_EQ(page.CheckTargetChanged(&other), 0);
}

}  // namespace
