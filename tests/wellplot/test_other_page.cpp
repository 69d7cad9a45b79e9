// The page "其它": width options, frame style owner, border modes and edges, the border line and
// the client fill, the refresh gate and the write-back's ending, and a refused cell size on a kit's
// sheet.
#include "WellPlotFixture.h"
#include "framework/FillSubItems.h"
#include "framework/PropItems.h"
#include "framework/PropWndMgr.h"
#include "framework/WndPag.h"
#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "hosttypes/Zephyr/WpSymble.h"
#include "wellplot/LstOther.h"
#include "wellplot/intervals/PropWnd.h"

using wptest::CallsOn;
using wptest::Names;

namespace {

using OtherPage = wptest::OpenPage<CLstOther>;

std::vector<std::string> Texts(const std::vector<CString>& options) {
    std::vector<std::string> texts;
    for (const CString& option : options) texts.push_back(option.GetString());
    return texts;
}

TEST(OtherPage, WidthOptionsStartAtTheBaseThenRunByHalfCentimetres) {
    EXPECT_EQ(Texts(WidthOptions(4.27)),
              (Names{"4.37", "4.5", "5.0", "5.5", "6.0", "6.5", "7.0", "7.5", "8.0", "8.5", "9.0"}));
    const Names a = Texts(WidthOptions(2.36));
    EXPECT_EQ(a.front(), "2.46");
    EXPECT_EQ(a[1], "2.5");
    EXPECT_EQ(a.back(), "7.0");
    const Names b = Texts(WidthOptions(2.0));
    EXPECT_EQ(b.front(), "2.00");
    EXPECT_EQ(b.back(), "7.0");
    const Names c = Texts(WidthOptions(3.1));
    EXPECT_EQ(c.front(), "3.10");
    EXPECT_EQ(c[1], "3.5");
    EXPECT_EQ(c.back(), "8.0");
    const Names whole = Texts(WidthOptions(2.6));  // the next half is a whole centimetre: eleven steps
    EXPECT_EQ(whole[1], "3.0");
    EXPECT_EQ(whole.back(), "8.0");
    EXPECT_EQ(whole.size(), 12u);
}

TEST(OtherPage, WidthShownInCentimetresAndTypedBackThenParentResized) {
    OtherPage page;
    CWpTrack* track = page.track();
    track->SetBaseWidth(4270);
    track->SetWidth(3000);
    page.Show(track);
    EXPECT_EQ(page.Value(CLstOther::kWidthId), "3.00");
    const Names options = OtherPage::Options(page.Item(CLstOther::kWidthId));
    ASSERT_EQ(options.size(), 11u);
    EXPECT_EQ(options.front(), "4.37");
    EXPECT_EQ(options[1], "4.5");
    EXPECT_EQ(options.back(), "9.0");

    ASSERT_TRUE(page.Type(CLstOther::kWidthId, "4.5"));
    EXPECT_FLOAT_EQ(track->GetWidth(), 4500);
    EXPECT_EQ(CallsOn(track), (Names{"CWpKit::SetWidth", "CWpKit::UpdateParentForWidth", "CWpKit::Recalculate",
                                     "CWpKit::InvalidSelf"}));
    EXPECT_GT(page.Redraws(), 0);

    parsnip::testing::ClearCallLog();
    const int redraws = page.Redraws();
    ASSERT_TRUE(page.Type(CLstOther::kWidthId, "1e300"));  // no float holds it: nothing is written nor redrawn
    EXPECT_FLOAT_EQ(track->GetWidth(), 4500);
    EXPECT_EQ(page.Value(CLstOther::kWidthId), "4.5");  // the text from before the edit
    EXPECT_EQ(CallsOn(track), Names());
    EXPECT_EQ(page.Redraws(), redraws);

    // A text that is no number is taken as 0, and the item shows the 0 taken, not the text.
    ASSERT_TRUE(page.Type(CLstOther::kWidthId, "abc"));
    EXPECT_FLOAT_EQ(track->GetWidth(), 0);
    EXPECT_EQ(page.Value(CLstOther::kWidthId), "0.00");
}

TEST(OtherPage, StyleBelongsToTheKitOnlyWhenItsParentHoldsMoreKits) {
    OtherPage page;
    CWpWell* well = page.well();
    CWpCurve* curve = page.plot().First<CWpCurve>();  // one of two curves of a track
    well->SetStyle(CWpKit::STYLE_SIMPLE, true);
    page.Show(curve);
    EXPECT_EQ(page.Value(CLstOther::kStyleId), "完整样式");
    ASSERT_TRUE(page.Pick(CLstOther::kStyleId, "全隐样式"));
    EXPECT_EQ(curve->GetStyle(), CWpKit::STYLE_HIDDEN);
    EXPECT_EQ(well->GetStyle(), CWpKit::STYLE_SIMPLE);

    page.Show(well);  // the well has no parent: its plot style
    EXPECT_EQ(page.Value(CLstOther::kStyleId), "简单样式");
    ASSERT_TRUE(page.Pick(CLstOther::kStyleId, "完整样式"));
    EXPECT_EQ(well->GetStyle(), CWpKit::STYLE_FULL);
    EXPECT_EQ(CallsOn(well), (Names{"CWpWell::SetStyle", "CWpKit::Recalculate", "CWpKit::InvalidSelf"}));
}

TEST(OtherPage, BorderModesShowAndStoreThroughOneTable) {
    OtherPage page;
    CWpTrack* track = page.track();
    track->SetBorderMode(11);
    page.Show(track);
    EXPECT_EQ(page.Value(CLstOther::kBorderModeId), "自动");
    EXPECT_EQ(OtherPage::Options(page.Item(CLstOther::kBorderModeId)).size(), 10u);
    ASSERT_TRUE(page.Pick(CLstOther::kBorderModeId, "只显示纵边"));
    EXPECT_EQ(track->GetBorderMode(), 3);
    ASSERT_TRUE(page.Pick(CLstOther::kBorderModeId, "自动"));
    EXPECT_EQ(track->GetBorderMode(), -1);
    track->SetBorderMode(9);
    page.Show(track);
    EXPECT_EQ(page.Value(CLstOther::kBorderModeId), "井内各道不等高模式");
    EXPECT_STREQ(BorderModeText(-7), "自动");

    // Reported from code, the mode no option offers still names its mode; any other text is
    // automatic, shown as the option taken.
    page.Report(page.Item(CLstOther::kBorderModeId), _variant_t("只显示纵边"));
    page.Report(page.Item(CLstOther::kBorderModeId), _variant_t("井内各道不等高模式"));
    EXPECT_EQ(track->GetBorderMode(), 9);
    EXPECT_EQ(page.Value(CLstOther::kBorderModeId), "井内各道不等高模式");
    page.Report(page.Item(CLstOther::kBorderModeId), _variant_t("无此选项"));
    EXPECT_EQ(track->GetBorderMode(), -1);
    EXPECT_EQ(page.Value(CLstOther::kBorderModeId), "自动");
}

// Each list reads any other text reported from code by its rule: a scope is the kit itself, an edge
// or the title area is hidden, each shown as the option taken; a style no option names is refused.
TEST(OtherPage, AnyOtherTextIsTheListsRuleAndAStyleNoOptionNamesIsRefused) {
    OtherPage page;
    CWpTrack* track = page.track();
    track->SetTitleScope(2);
    track->SetTitleVisible(1);
    page.Show(track);
    page.Report(page.Item(CLstOther::kTitleScopeId), _variant_t("无此选项"));
    EXPECT_EQ(track->GetTitleScope(), 0);
    EXPECT_EQ(page.Value(CLstOther::kTitleScopeId), OtherPage::Options(page.Item(CLstOther::kTitleScopeId)).front());
    page.Report(page.Item(CLstOther::kTitleVisibleId), _variant_t(""));
    EXPECT_EQ(track->GetTitleVisible(), 0);
    EXPECT_EQ(page.Value(CLstOther::kTitleVisibleId), "隐藏");
    page.Report(page.Item(CLstOther::kFirstEdgeId), _variant_t("无此选项"));
    EXPECT_EQ(track->GetBorderVisible(2), 0);
    EXPECT_EQ(page.Value(CLstOther::kFirstEdgeId), "隐藏");
    for (const char* refused : {"无此选项", ""})
        wptest::ExpectShownAgain(page, CLstOther::kStyleId, _variant_t(refused), refused);
}

TEST(OtherPage, ClientSideEdgesBelongToEveryKitButDepthTracksAndPlainContent) {
    OtherPage page;
    const DWORD_PTR clientLeft = CLstOther::kFirstEdgeId + 5;
    const DWORD_PTR clientRight = CLstOther::kFirstEdgeId + 6;
    page.Show(page.depth());
    EXPECT_FALSE(page.Enabled(clientLeft));
    EXPECT_FALSE(page.Enabled(clientRight));
    EXPECT_TRUE(page.Enabled(CLstOther::kFirstEdgeId));
    page.Show(page.plot().First<CWpContent>());
    EXPECT_FALSE(page.Enabled(clientLeft));
    page.Show(page.plot().First<CWpCurve>());
    EXPECT_TRUE(page.Enabled(clientLeft));
    EXPECT_TRUE(page.Enabled(clientRight));
}

TEST(OtherPage, EdgesAreToldByTheirCaptionsAndStoredByEdgeCode) {
    EXPECT_TRUE(IsEdgeCaption("标题区左边"));
    EXPECT_FALSE(IsEdgeCaption("设置应用到"));
    EXPECT_FALSE(IsEdgeCaption("模式"));
    EXPECT_EQ(EdgeCodeOfCaption("绘图区右边"), 8);
    EXPECT_EQ(EdgeCodeOfCaption("别的区的边"), 0);

    OtherPage page;
    CWpTrack* track = page.track();
    page.Show(track);
    ASSERT_TRUE(page.Pick(CLstOther::kFirstEdgeId + 2, "隐藏"));  // "标题区左边"
    EXPECT_EQ(track->GetBorderVisible(5), 0);
    EXPECT_EQ(track->GetBorderVisible(6), 1);
    ASSERT_FALSE(parsnip::testing::CallLog().empty());
    EXPECT_EQ(parsnip::testing::CallLog().front().arguments, "0,5");
}

TEST(OtherPage, ScopesOfferTheKitsLabelAndStoreByText) {
    OtherPage page;
    CWpTrack* track = page.track();
    track->SetBoderScope(2);
    page.Show(track);
    EXPECT_EQ(OtherPage::Options(page.Item(CLstOther::kTitleScopeId)),
              (Names{"当前内容道[曲线道1]", "当前图内同类对象", "当前图内所有对象"}));
    EXPECT_EQ(page.Value(CLstOther::kTitleScopeId), "当前内容道[曲线道1]");
    EXPECT_EQ(page.Value(CLstOther::kBorderScopeId), "当前图内所有对象");
    ASSERT_TRUE(page.Pick(CLstOther::kLineScopeId, "当前图内同类对象"));
    EXPECT_EQ(track->GetBdrLnScope(), 1);
    ASSERT_TRUE(page.Pick(CLstOther::kBorderScopeId, "当前内容道[曲线道1]"));
    EXPECT_EQ(track->GetBoderScope(), 0);

    page.Show(page.well());
    EXPECT_EQ(page.Value(CLstOther::kTitleScopeId), "当前柱状图[井1]");
    page.Show(page.depth());
    EXPECT_EQ(page.Value(CLstOther::kTitleScopeId), "当前深度道");
    page.Show(page.plot().First<CWpProgram>());
    EXPECT_EQ(page.Value(CLstOther::kTitleScopeId), "当前对象");
}

TEST(OtherPage, FillColourChangesOnlyTheClientBrush) {
    OtherPage page;
    CWpTrack* track = page.track();
    const QXLOGPEN pen = track->GetBorderPen();
    page.Show(track);
    ASSERT_TRUE(page.Color(page.Item(CLstOther::kFillGroupId + 4), RGB(10, 20, 30)));
    EXPECT_EQ(track->GetClientBrush().fillColor, RGB(10, 20, 30));
    EXPECT_EQ(track->GetBorderPen().color, pen.color);
    EXPECT_EQ(CallsOn(track), (Names{"CWpKit::SetClientBrush", "CWpKit::Recalculate", "CWpKit::InvalidSelf"}));

    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(page.Type(page.Item(CLstOther::kFillGroupId + 5), "abc"));  // cell size: no number
    EXPECT_EQ(page.Value(CLstOther::kFillGroupId + 5), "0.00");
    EXPECT_FLOAT_EQ(track->GetClientBrush().size, 0);
    ASSERT_TRUE(page.Type(page.Item(CLstOther::kFillGroupId + 5), "2.5"));
    EXPECT_FLOAT_EQ(track->GetClientBrush().size, 250);
}

TEST(OtherPage, BorderLineItemsEditTheBorderPen) {
    OtherPage page;
    CWpTrack* track = page.track();
    page.Show(track);
    ASSERT_TRUE(page.Type(CLstOther::kLineWidthId, "0.5"));
    EXPECT_FLOAT_EQ(track->GetBorderPen().width, 50);
    ASSERT_TRUE(page.Color(page.Item(CLstOther::kLineInnerColorId), RGB(1, 2, 3)));
    EXPECT_EQ(track->GetBorderPen().reserved1, RGB(1, 2, 3));
    EXPECT_EQ(track->GetClientBrush().fillColor, 0u);
    EXPECT_EQ(OtherPage::Options(page.Item(CLstOther::kLineWidthId)).back(), "3.0");
    EXPECT_EQ(OtherPage::Options(page.Item(CLstOther::kLineWidthId)).size(), 30u);
}

TEST(OtherPage, AnUnchangedKitReselectedIsNotReadAgain) {
    OtherPage page;
    CWpTrack* track = page.track();
    page.Show(track);
    SetItemText(page.Item(CLstOther::kWidthId), "x");
    page.ShowKeepingLog(track);
    EXPECT_EQ(page.Value(CLstOther::kWidthId), "x");
    EXPECT_TRUE(parsnip::testing::CallLog().empty());
    zephyr::testing::Touch(track);
    page.Show(track);
    EXPECT_EQ(page.Value(CLstOther::kWidthId), "2.00");
}

TEST(OtherPage, WithoutASelectedKitAnEditChangesNothing) {
    OtherPage page;  // a tab first shown after the host's last selection
    ASSERT_TRUE(page.Type(CLstOther::kWidthId, "5"));
    ASSERT_TRUE(page.Pick(CLstOther::kBorderModeId, "全显示"));
    EXPECT_TRUE(parsnip::testing::CallLog().empty());
    EXPECT_EQ(page.Redraws(), 0);
}

// A symbol texture kit's sheet opened on its page "其它" (tab 1), as the host opens it.
class TextureOtherPage {
public:
    TextureOtherPage() {
        plot_.BuildSample();
        kit_ = plot_.First<CWpSymbleTexture>();
        sheet_ = dynamic_cast<CPropWndMgr*>(CPropWnd::Create(kit_, &host_.frame));
        EXPECT_TRUE(sheet_ && platform::ChooseTab(*sheet_, 1));
        auto* page = sheet_ ? dynamic_cast<CWndPag*>(sheet_->GetPage(1)) : nullptr;
        list_ = page ? dynamic_cast<CLstOther*>(page->GetWndLst()) : nullptr;
        EXPECT_NE(list_, nullptr);
        if (sheet_) platform::SendSelectionChanged(*sheet_, &host_.view, reinterpret_cast<LPARAM>(kit_));
        parsnip::testing::ClearCallLog();
    }
    ~TextureOtherPage() {
        if (sheet_) platform::DestroyAndDelete(sheet_);
    }
    CWpSymbleTexture* kit() { return kit_; }
    CBCGPProp* CellSize() { return list_ ? list_->GetPropList().FindItemByData(kPlaneFillCellSizeId, TRUE) : nullptr; }
    bool Type(const std::string& text) {
        return platform::GridDriver(&list_->GetPropList()).TypeText(CellSize(), text);
    }
    void Report(const _variant_t& value) { tsltest::ReportFromCode(list_->GetPropList(), CellSize(), value); }
    int Redraws() const { return host_.view.GetPaintCounters().invalidate; }

private:
    wptest::HostWindows host_;
    zephyr::PlotFixture plot_;
    CWpSymbleTexture* kit_ = nullptr;
    CPropWndMgr* sheet_ = nullptr;
    CLstOther* list_ = nullptr;
};

// "图元大小" shows the size its refresh wrote as a number. "2e345" typed is refused and shows "0.00"
// again; the empty text then reported from code is taken as on a fresh window: an earlier refusal
// decides nothing about a later text.
TEST(OtherPage, AfterARefusedCellSizeAReportedTextIsTakenAsOnAFreshWindow) {
    for (const bool refusedFirst : {false, true}) {
        SCOPED_TRACE(refusedFirst ? "after \"2e345\"" : "fresh window");
        TextureOtherPage page;
        ASSERT_NE(page.CellSize(), nullptr);
        EXPECT_EQ(OtherPage::Value(page.CellSize()), "0.00");
        if (refusedFirst) {
            ASSERT_TRUE(page.Type("2e345"));
            EXPECT_EQ(OtherPage::Value(page.CellSize()), "0.00");
            EXPECT_EQ(CallsOn(page.kit()), Names());
            EXPECT_EQ(page.CellSize()->GetValue().vt, VT_R8);
        }
        const int redraws = page.Redraws();
        page.Report(_variant_t(""));
        EXPECT_EQ(CallsOn(page.kit()), (Names{"CWpKit::SetClientBrush", "CWpKit::Recalculate", "CWpKit::InvalidSelf"}));
        EXPECT_FLOAT_EQ(page.kit()->GetClientBrush().size, 0);
        EXPECT_GT(page.Redraws(), redraws);
    }
}

}  // namespace
