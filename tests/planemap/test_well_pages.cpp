// The well-layer pages ("井名", "井符号", "井排线", "缺失标志"), the stratum-section pages
// ("层段剖面", "连通线") and the template-button item: creation flags, template rules, the number
// rules with their refusals, and what a click on the item's second button writes.
#include <gtest/gtest.h>

#include <string>

#include "CodeReport.h"
#include "PlaneListFixture.h"
#include "WellFixture.h"
#include "driver/Responder.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Moraine/StratumLayer.h"
#include "hosttypes/Moraine/WellLayer.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObjectPoint.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "hosttypes/Sorrel/TemplateManager.h"
#include "planemap/layers/PropListStratumLayerConnection.h"
#include "planemap/layers/PropListStratumLayerStratum.h"
#include "planemap/layers/PropListWellLayerAbsence.h"
#include "planemap/layers/PropListWellLayerBaseLine.h"
#include "planemap/layers/PropListWellLayerName.h"
#include "planemap/layers/PropListWellLayerSymbol.h"
#include "planemap/layers/PropLstPlaneEx.h"
#include "planemap/layers/PropLstPlaneExContour.h"

namespace {

using kel::plane::CStratumLayer;
using kel::plane::CWellLayer;
using planetest::OpenList;

using welltest::WellWorld;

size_t MessageBoxes() { return platform::Responder::Instance().MessageBoxes().size(); }

}  // namespace

// ---- the name page ----------------------------------------------------------------------------------

TEST(WellLayerNamePage, ALayerNotCreatedYetShowsItsValuesGreyed) {
    WellWorld w;
    CWellLayer(w.wells).SetNameSize(250);
    OpenList<CPropListWellLayerName> page(w.wells);
    EXPECT_TRUE(page.Enabled(CPropListWellLayerName::kShowId));
    EXPECT_TRUE(page.Enabled(CPropListWellLayerName::kSizeId));

    w.wells->GetPropertyManager()->SetBoolProperty("NAME_ISCREATED", FALSE);
    w.wells->ProChanged();
    page.Show(w.wells);
    EXPECT_EQ("2.50", page.Value(CPropListWellLayerName::kSizeId));
    for (DWORD_PTR id : {CPropListWellLayerName::kShowId, CPropListWellLayerName::kSizeId,
                         CPropListWellLayerName::kFontTemplateId, CPropListWellLayerName::kOffsetId})
        EXPECT_FALSE(page.Enabled(id)) << id;
}

TEST(WellLayerNamePage, ABaseLineGoneSinceTheRefreshCannotBeTheReference) {
    WellWorld w;
    CQXObjectPolyline* base = w.AddBaseLine();
    OpenList<CPropListWellLayerName> page(w.wells);
    EXPECT_TRUE(page.Enabled(CPropListWellLayerName::kReferId));
    w.wells->DeleteObject(base);

    // Refused with its message, once: the item shows "井", nothing else changes or is redrawn.
    planetest::ExpectPickRefused(page, CPropListWellLayerName::kReferId, "井排基线", "井");
    ASSERT_EQ(1u, MessageBoxes());
    EXPECT_EQ("未找到井排基线！", platform::Responder::Instance().MessageBoxes()[0].text);
    EXPECT_EQ("井", page.Value(CPropListWellLayerName::kReferId));
    EXPECT_EQ(0, CWellLayer(w.wells).GetNameLabelReferType());

    page.Show(w.wells);  // the layer changed: re-read
    EXPECT_EQ("井", page.Value(CPropListWellLayerName::kReferId));
    EXPECT_FALSE(page.Enabled(CPropListWellLayerName::kReferId));
}

// Texts reported from code that no option holds change only their item, which shows the stored
// option, on the name, absence and base-line pages. A switch takes any text as its pages read it,
// "是" as shown and every other as hidden: the item shows "否", the group's items are greyed and
// the view is redrawn.
template <class Page>
void ExpectSwitchHidesForAnyText(OpenList<Page>& page, DWORD_PTR id, const char* text, CQXLayer* layer,
                                 int (CWellLayer::*visible)() const, DWORD_PTR greyed) {
    ASSERT_EQ("是", page.Value(id));
    const int redraws = page.Redraws();
    page.Report(id, text);
    EXPECT_EQ("否", page.Value(id)) << text;
    EXPECT_EQ(0, (CWellLayer(layer).*visible)()) << text;
    EXPECT_FALSE(page.Enabled(greyed)) << text;
    EXPECT_EQ(redraws + 1, page.Redraws()) << text;
}

TEST(WellLayerNamePage, OptionTextsNoOptionHoldsChangeOnlyTheirItemAndASwitchTakesAnyText) {
    WellWorld w;
    w.AddBaseLine();
    CWellLayer(w.wells).SetNameLabelAlign(4);
    CWellLayer(w.wells).SetAbsenceAlign(2);
    CWellLayer(w.wells).SetBaseLineOffsetType(2);
    OpenList<CPropListWellLayerName> name(w.wells);
    planetest::ExpectCodeReportRefused(name, CPropListWellLayerName::kReferId, "左", "井");
    planetest::ExpectCodeReportRefused(name, CPropListWellLayerName::kAlignId, "中间", "中");
    ExpectSwitchHidesForAnyText(name, CPropListWellLayerName::kShowId, "TRUE", w.wells, &CWellLayer::GetNameVisible,
                                CPropListWellLayerName::kAlignId);

    // The absence page's reference stays the base line, and "相对位置" stays greyed.
    OpenList<CPropListWellLayerAbsence> absence(w.wells);
    ASSERT_FALSE(absence.Enabled(CPropListWellLayerAbsence::kAlignId));
    planetest::ExpectCodeReportRefused(absence, CPropListWellLayerAbsence::kReferId, "井位", "井排基线");
    planetest::ExpectCodeReportRefused(absence, CPropListWellLayerAbsence::kAlignId, "中间", "右上");
    ExpectSwitchHidesForAnyText(absence, CPropListWellLayerAbsence::kShowId, "显示", w.wells,
                                &CWellLayer::GetAbsenceVisible, CPropListWellLayerAbsence::kDistanceId);

    OpenList<CPropListWellLayerBaseLine> baseLine(w.wells);
    planetest::ExpectCodeReportRefused(baseLine, CPropListWellLayerBaseLine::kOffsetTypeId, "上", "偏下侧");
    ExpectSwitchHidesForAnyText(baseLine, CPropListWellLayerBaseLine::kQueueShowId, "", w.wells,
                                &CWellLayer::GetWellQueueVisible, CPropListWellLayerBaseLine::kQueueWidthId);
}

TEST(WellLayerNamePage, ASizeTemplateGovernsTheSizeUntilCleared) {
    WellWorld w;
    OpenList<CPropListWellLayerName> page(w.wells);
    ASSERT_TRUE(page.Pick(CPropListWellLayerName::kSizeTemplateId, "中号"));
    EXPECT_EQ("中号", std::string(CWellLayer(w.wells).GetNameSizeTemplate().GetString()));
    page.Show(w.wells);
    EXPECT_FALSE(page.Enabled(CPropListWellLayerName::kSizeId));
    ASSERT_TRUE(page.Pick(CPropListWellLayerName::kSizeTemplateId, ""));
    page.Show(w.wells);
    EXPECT_TRUE(page.Enabled(CPropListWellLayerName::kSizeId));

    ASSERT_TRUE(page.Type(CPropListWellLayerName::kSizeId, "1.5"));
    EXPECT_EQ(150.0, CWellLayer(w.wells).GetNameSize());
    ASSERT_TRUE(page.Type(CPropListWellLayerName::kSizeId, "-1"));
    EXPECT_EQ("1.50", page.Value(CPropListWellLayerName::kSizeId));  // the stored size, as shown
    EXPECT_EQ(150.0, CWellLayer(w.wells).GetNameSize());
    ASSERT_TRUE(page.Type(CPropListWellLayerName::kSizeId, "0"));
    EXPECT_EQ(0.0, CWellLayer(w.wells).GetNameSize());
}

// ---- the template-button item -----------------------------------------------------------------------

TEST(TemplateButton, TheOrdinaryButtonOnlyDropsTheList) {
    WellWorld w;
    CWellLayer(w.wells).SetNameSizeTemplate("中号");
    OpenList<CPropListWellLayerName> page(w.wells);
    ASSERT_TRUE(page.grid().ClickFirstButton(page.Item(CPropListWellLayerName::kSizeTemplateId)));
    EXPECT_TRUE(sorrel::testing::CallLog().empty());
    EXPECT_EQ(page.Item(CPropListWellLayerName::kSizeTemplateId), page.list().GetPropList().GetEditedItem());
}

TEST(TemplateButton, ASizeTemplateEditOnTheNamePageWritesTheNameSizeTemplate) {
    WellWorld w;
    CWellLayer(w.wells).SetNameSizeTemplate("中号");
    OpenList<CPropListWellLayerName> page(w.wells);
    sorrel::testing::SetEditScript([](CStyleTemplate& t) { t.SetName("标准号"); });
    const int redraws = page.Redraws();
    ASSERT_TRUE(page.grid().ClickSecondButton(page.Item(CPropListWellLayerName::kSizeTemplateId)));
    EXPECT_EQ(std::vector<std::string>{"Edit 中号"}, sorrel::testing::CallLog());
    EXPECT_EQ("标准号", std::string(CWellLayer(w.wells).GetNameSizeTemplate().GetString()));
    EXPECT_GT(page.Redraws(), redraws);
}

TEST(TemplateButton, AnInnerColourRenameRenamesTheBorderTemplateWhenBothNamedIt) {
    WellWorld w;
    CWellLayer(w.wells).SetSymbolInnerColorTemplate("红色");
    CWellLayer(w.wells).SetSymbolBorderColorTemplate("红色");
    OpenList<CPropListWellLayerSymbol> page(w.wells);
    CBCGPProp* inner = page.Item(CPropListWellLayerSymbol::kSymbolInnerTemplateId);
    const int options = inner->GetOptionCount();

    sorrel::testing::SetEditScript([](CStyleTemplate& t) { t.SetName("朱红"); });
    ASSERT_TRUE(page.grid().ClickSecondButton(inner));
    EXPECT_EQ("朱红", std::string(CWellLayer(w.wells).GetSymbolInnerColorTemplate().GetString()));
    EXPECT_EQ("朱红", std::string(CWellLayer(w.wells).GetSymbolBorderColorTemplate().GetString()));
    EXPECT_EQ(options, inner->GetOptionCount());
    EXPECT_STREQ("朱红", inner->GetOption(2));  // refilled after the rename

    // Without a rename the options are left as they were.
    inner->AddOption("旧的");
    sorrel::testing::SetEditScript(nullptr);
    inner->SetValue(_variant_t("朱红"));
    ASSERT_TRUE(page.grid().ClickSecondButton(inner));
    EXPECT_EQ(options + 1, inner->GetOptionCount());
}

TEST(TemplateButton, LineAndFillTemplatesWriteNothingButRedraw) {
    WellWorld w;
    OpenList<CPropListWellLayerName> page(w.wells);
    auto* line = new CPropLstPlaneEx("线", CString("细线"), "", 9001, CPropLstPlaneEx::kLineStyle, "...");
    auto* fill = new CPropLstPlaneEx("填充", CString("实心填充"), "", 9002, CPropLstPlaneEx::kFillStyle, "...");
    for (CPropLstPlaneEx* item : {line, fill}) {
        item->SetPlaneProplist(&page.list());
        item->SetWellLayer(w.wells);
        item->AddOption("");
        page.list().GetPropList().AddProperty(item, TRUE, TRUE);
    }
    page.list().GetPropList().AdjustLayout();
    parsnip::testing::ClearCallLog();
    const int redraws = page.Redraws();
    sorrel::testing::SetEditScript([](CStyleTemplate& t) { t.SetName("改名"); });
    ASSERT_TRUE(page.grid().ClickSecondButton(line));
    ASSERT_TRUE(page.grid().ClickSecondButton(fill));
    EXPECT_EQ(2u, sorrel::testing::CallLog().size());
    EXPECT_TRUE(parsnip::testing::CallLog().empty());
    EXPECT_EQ(redraws + 2, page.Redraws());
}

namespace {

// A kind of template or contour item that draws or answers its second button its own way: the row's
// buttons reach its own operations.
template <class Item>
struct OwnButtonItem : Item {
    using Item::Item;
    void OnDrawButtonEX(CDC* dc, CRect rect) override {
        ++draws;
        Item::OnDrawButtonEX(dc, rect);
    }
    void OnClickButtonEx(CPoint) override { ++clicks; }
    int draws = 0;
    int clicks = 0;
};

}  // namespace

TEST(TemplateButton, TheSecondButtonIsDrawnAndAnsweredByTheItemsOwnOperations) {
    WellWorld w;
    OpenList<CPropListWellLayerName> page(w.wells);
    auto* plane = new OwnButtonItem<CPropLstPlaneEx>("模板", CString("中号"), "", 9001, CPropLstPlaneEx::kSize, "...");
    auto* contour = new OwnButtonItem<CPropLstPlaneExContour>("模式", CString("自定义"), "", 9002,
                                                              CPropLstPlaneExContour::kLineMode, "...");
    for (CBCGPProp* item : {static_cast<CBCGPProp*>(plane), static_cast<CBCGPProp*>(contour)}) {
        item->AddOption("");
        page.list().GetPropList().AddProperty(item, TRUE, TRUE);
    }
    page.list().GetPropList().AdjustLayout();
    const std::size_t calls = sorrel::testing::CallLog().size();
    const auto expectOwn = [&page](auto* item) {
        item->OnDrawButton(nullptr, item->GetButtonRect());
        EXPECT_EQ(1, item->draws) << item->GetName().str();
        ASSERT_TRUE(page.grid().ClickSecondButton(item));
        EXPECT_EQ(1, item->clicks) << item->GetName().str();
    };
    expectOwn(plane);
    expectOwn(contour);
    EXPECT_EQ(calls, sorrel::testing::CallLog().size());  // no template was opened
}

// ---- the symbol page --------------------------------------------------------------------------------

TEST(WellLayerSymbolPage, TemplatesGovernTheirValuesAndTheTrackModeShowsBothSegments) {
    WellWorld w;
    CWellLayer layer(w.wells);
    layer.SetSymbolPointStyleTemplate("井点");
    layer.SetWellTopLineVisible(0);
    OpenList<CPropListWellLayerSymbol> page(w.wells);
    EXPECT_FALSE(page.Enabled(CPropListWellLayerSymbol::kSymbolStyleId));
    EXPECT_TRUE(page.Enabled(CPropListWellLayerSymbol::kSymbolSizeId));
    EXPECT_FALSE(page.Enabled(CPropListWellLayerSymbol::kUpperWidthId));

    ASSERT_TRUE(page.Pick(CPropListWellLayerSymbol::kSymbolShowId, "否"));
    EXPECT_FALSE(page.Enabled(CPropListWellLayerSymbol::kSymbolSizeTemplateId));
    ASSERT_TRUE(page.Pick(CPropListWellLayerSymbol::kSymbolShowId, "是"));
    EXPECT_TRUE(page.Enabled(CPropListWellLayerSymbol::kSymbolStyleId));  // until the next refresh

    ASSERT_TRUE(page.Type(CPropListWellLayerSymbol::kHeadSizeId, "2.4"));
    EXPECT_EQ(240.0, layer.GetWellTopPointSize());
    ASSERT_TRUE(page.Type(CPropListWellLayerSymbol::kLowerWidthId, "x"));
    EXPECT_EQ("0.00", page.Value(CPropListWellLayerSymbol::kLowerWidthId));

    ASSERT_TRUE(page.Pick(CPropListWellLayerSymbol::kTrackModeId, "实际轨迹"));
    EXPECT_EQ(1, layer.GetSymbolLineShowTrack());
    EXPECT_EQ(1, layer.GetWellTopLineVisible());
}

// A colour picked in a symbol or trajectory group is written alone: a stored size or width that
// does not read (-100) neither blocks it nor changes.
TEST(WellLayerSymbolPage, AColourPickedKeepsAStoredNegativeSizeOrWidth) {
    WellWorld w;
    CWellLayer layer(w.wells);
    layer.SetWellTopPointSize(-100);
    layer.SetWellBottomLineSize(-100);
    OpenList<CPropListWellLayerSymbol> page(w.wells);
    ASSERT_TRUE(page.Color(CPropListWellLayerSymbol::kHeadBorderId, RGB(10, 20, 30)));
    ASSERT_TRUE(page.Color(CPropListWellLayerSymbol::kLowerColorId, RGB(40, 50, 60)));
    EXPECT_EQ(RGB(10, 20, 30), layer.GetWellTopPointBorderColor());
    EXPECT_EQ(-100.0, layer.GetWellTopPointSize());
    EXPECT_EQ(RGB(40, 50, 60), layer.GetWellBottomLineColor());
    EXPECT_EQ(-100.0, layer.GetWellBottomLineSize());
    planetest::ExpectCodeReportRefused(page, CPropListWellLayerSymbol::kLowerWidthId, "-2", "-1.00");
}

TEST(WellLayerSymbolPage, ARefreshAddsNewTemplateNamesOnce) {
    WellWorld w;
    OpenList<CPropListWellLayerSymbol> page(w.wells);
    CBCGPProp* points = page.Item(CPropListWellLayerSymbol::kSymbolStyleTemplateId);
    const int offered = points->GetOptionCount();
    _AfxGetTemplateManager()->AddTemplatePointStyle("新井点", QXLOGPOINT());
    w.wells->ProChanged();
    page.Show(w.wells);
    ASSERT_EQ(offered + 1, points->GetOptionCount());
    EXPECT_STREQ("新井点", points->GetOption(offered));
}

// ---- the base-line and absence pages ---------------------------------------------------------------

TEST(WellLayerBaseLinePage, AnOffsetMayBeNegativeAWidthMayNot) {
    WellWorld w;
    OpenList<CPropListWellLayerBaseLine> page(w.wells);
    ASSERT_TRUE(page.Type(CPropListWellLayerBaseLine::kOffsetId, "-0.75"));
    EXPECT_EQ(-75.0, CWellLayer(w.wells).GetBaseLineOffset());
    ASSERT_TRUE(page.Type(CPropListWellLayerBaseLine::kBaseWidthId, "0.3"));
    ASSERT_TRUE(page.Type(CPropListWellLayerBaseLine::kBaseWidthId, "-0.75"));
    EXPECT_EQ("0.30", page.Value(CPropListWellLayerBaseLine::kBaseWidthId));  // the stored width, as shown
    EXPECT_FLOAT_EQ(30.0f, static_cast<float>(CWellLayer(w.wells).GetBaseLineSize()));

    ASSERT_TRUE(page.Pick(CPropListWellLayerBaseLine::kQueueShowId, "否"));
    EXPECT_FALSE(page.Enabled(CPropListWellLayerBaseLine::kQueueWidthId));
    EXPECT_TRUE(page.Enabled(CPropListWellLayerBaseLine::kQueueShowId));
    CWellLayer(w.wells).SetBaseLineOffsetType(-1);
    page.Show(w.wells);
    EXPECT_EQ("中间位置", page.Value(CPropListWellLayerBaseLine::kOffsetTypeId));
}

TEST(WellLayerAbsencePage, EachTypeHasItsSymbolAndTheAlignmentFollowsTheReference) {
    WellWorld w;
    w.AddBaseLine();
    for (const char* type : {"剥蚀", "断失", "剥蚀"}) {
        CQXObjectPoint* mark = w.map.AddPoint("缺失标志", {0, 0}, w.wells);
        mark->GetPropertyManager()->SetStringProperty("缺失类型", type);
    }
    OpenList<CPropListWellLayerAbsence> page(w.wells);
    ASSERT_EQ(2, page.Item(CPropListWellLayerAbsence::kTypeId)->GetOptionCount());
    ASSERT_TRUE(page.Pick(CPropListWellLayerAbsence::kTypeId, "断失"));
    ASSERT_TRUE(page.Type(CPropListWellLayerAbsence::kSizeId, "1.5"));
    QXLOGPOINT symbol;
    CWellLayer(w.wells).GetAbsenceSymbol(&symbol, "断失");
    EXPECT_EQ(150.0f, symbol.size);
    CWellLayer(w.wells).GetAbsenceSymbol(&symbol, "剥蚀");
    EXPECT_EQ(0.0f, symbol.size);
    ASSERT_TRUE(page.Type(CPropListWellLayerAbsence::kSizeId, "-2"));
    EXPECT_EQ("1.50", page.Value(CPropListWellLayerAbsence::kSizeId));  // the stored size, as shown

    ASSERT_TRUE(page.Pick(CPropListWellLayerAbsence::kReferId, "井排基线"));
    EXPECT_FALSE(page.Enabled(CPropListWellLayerAbsence::kAlignId));
    ASSERT_TRUE(page.Pick(CPropListWellLayerAbsence::kReferId, "井"));
    EXPECT_TRUE(page.Enabled(CPropListWellLayerAbsence::kAlignId));
    EXPECT_EQ(1, CWellLayer(w.wells).GetAbsenceReferType());
}

// ---- the stratum-section pages ---------------------------------------------------------------------

TEST(StratumSectionPage, TheDepthScaleIsTheReciprocalOfTheFactorAndMustBeAboveZero) {
    parsnip::MapFixture map;
    CQXLayer* sections = map.AddLayer("剖面", "剖面");
    OpenList<CPropListStratumLayerStratum> page(sections);
    EXPECT_EQ(3, page.Item(CPropListStratumLayerStratum::kTemplateId)->GetOptionCount() + 1);
    parsnip::testing::ClearCallLog();

    ASSERT_TRUE(page.Type(CPropListStratumLayerStratum::kDepthScaleId, "4"));
    EXPECT_EQ(0.25, CStratumLayer(sections).GetStratumDepthFactor());
    EXPECT_EQ(1, parsnip::testing::CountCalls("kel::plane::CStratumLayer::ReCreateStratum", sections));
    page.Show(sections);
    EXPECT_EQ("4.00", page.Value(CPropListStratumLayerStratum::kDepthScaleId));
    for (const char* refused : {"0", "-1", "abc"}) {
        ASSERT_TRUE(page.Type(CPropListStratumLayerStratum::kDepthScaleId, refused));
        EXPECT_EQ("4.00", page.Value(CPropListStratumLayerStratum::kDepthScaleId)) << refused;
    }
    EXPECT_EQ(1, parsnip::testing::CountCalls("kel::plane::CStratumLayer::ReCreateStratum", sections));

    CStratumLayer(sections).SetStratumVerticalType(1);  // placed by the well: the offset counts
    page.Show(sections);
    ASSERT_TRUE(page.Type(CPropListStratumLayerStratum::kDistanceId, "-2.5"));
    EXPECT_EQ(-250.0, CStratumLayer(sections).GetStratumVerticalDistance());
}

TEST(StratumSectionPage, TheVerticalReferenceNeedsTheWellLayersBaseLine) {
    WellWorld w;
    CQXLayer* sections = w.map.AddLayer("剖面", "剖面");
    OpenList<CPropListStratumLayerStratum> page(sections);
    EXPECT_EQ("井", page.Value(CPropListStratumLayerStratum::kVerticalReferId));
    EXPECT_FALSE(page.Enabled(CPropListStratumLayerStratum::kVerticalReferId));

    w.AddBaseLine();
    CStratumLayer(sections).SetStratumVerticalType(1);
    page.Show(sections);
    EXPECT_EQ("井位", page.Value(CPropListStratumLayerStratum::kVerticalReferId));
    EXPECT_FALSE(page.Enabled(CPropListStratumLayerStratum::kTopAlignId));
    ASSERT_TRUE(page.Pick(CPropListStratumLayerStratum::kVerticalReferId, "井排基线"));
    EXPECT_TRUE(page.Enabled(CPropListStratumLayerStratum::kTopAlignId));
    EXPECT_FALSE(page.Enabled(CPropListStratumLayerStratum::kDistanceId));

    sections->GetPropertyManager()->SetBoolProperty("STRATUM_ISCREATED", FALSE);
    sections->ProChanged();
    page.Show(sections);
    EXPECT_FALSE(page.Enabled(CPropListStratumLayerStratum::kShowId));
}

TEST(StratumConnectionPage, OnlyTheSwitchStaysUsableBeforeTheLinesAreCreated) {
    parsnip::MapFixture map;
    CQXLayer* sections = map.AddLayer("剖面", "剖面");
    sections->GetPropertyManager()->SetBoolProperty("CONNECTION_ISCREATED", FALSE);
    OpenList<CPropListStratumLayerConnection> page(sections);
    EXPECT_TRUE(page.Enabled(CPropListStratumLayerConnection::kShowId));
    EXPECT_FALSE(page.Enabled(CPropListStratumLayerConnection::kRiverWidthId));

    sections->GetPropertyManager()->SetBoolProperty("CONNECTION_ISCREATED", TRUE);
    sections->ProChanged();
    page.Show(sections);
    ASSERT_TRUE(page.Type(CPropListStratumLayerConnection::kOtherWidthId, "0.4"));
    QXLOGPEN pen;
    CStratumLayer(sections).GetOtherPen(&pen);
    EXPECT_EQ(40.0f, pen.width);
    EXPECT_EQ(0, parsnip::testing::CountCalls("kel::plane::CStratumLayer::ReCreateStratum"));

    // A colour picked is written alone, whatever width is stored.
    CStratumLayer(sections).SetRiverLineSize(-100);
    sections->ProChanged();
    page.Show(sections);
    ASSERT_TRUE(page.Color(CPropListStratumLayerConnection::kRiverColorId, RGB(1, 2, 3)));
    CStratumLayer(sections).GetRiverPen(&pen);
    EXPECT_EQ(RGB(1, 2, 3), pen.color);
    EXPECT_EQ(-100.0f, pen.width);
    planetest::ExpectCodeReportRefused(page, CPropListStratumLayerConnection::kOtherWidthId, "-1", "0.40");
}
