// The layer pages of a profile-line graph: where the wells are placed, how the lines, names,
// symbols and tracks are drawn, what each edit writes and which edits renew the entity's stamp.
#include <boost/filesystem.hpp>
#include <fstream>

#include "ProfileFixture.h"
#include "ProfilelineProp/PlPageSupport.h"
#include "ProfilelineProp/dataprop.h"
#include "ProfilelineProp/profilelineprop.h"
#include "ProfilelineProp/wellnameprop.h"
#include "ProfilelineProp/wellsymbolprop.h"
#include "hostlibs/Osprey/WellDataTesting.h"
#include "hosttypes/Tinder/TimeStamp.h"

using namespace pltest;
using Texts = std::vector<std::string>;

namespace {

// The four layer pages of the graph, each open and showing the entity.
struct LayerPages {
    explicit LayerPages(SampleGraph& g)
        : data(new CPlLayerData(&g.entity)),
          line(new CPlLayerLine(&g.entity)),
          name(new CPlLayerWellName(&g.entity)),
          symbol(new CPlLayerWellSymbol(&g.entity)) {
        data.Show(&g.entity);
        line.Show(&g.entity);
        name.Show(&g.entity);
        symbol.Show(&g.entity);
    }
    OpenList<CPlLayerData> data;
    OpenList<CPlLayerLine> line;
    OpenList<CPlLayerWellName> name;
    OpenList<CPlLayerWellSymbol> symbol;
};

// ---- data page -----------------------------------------------------------------------------------------

TEST(ProfileDataPage, OffersTheLevelsTheWellDataHolds) {
    SampleGraph g;
    OpenList<CPlLayerData> page(new CPlLayerData(&g.entity));
    ASSERT_TRUE(page.Created());
    EXPECT_FALSE(page.Enabled(CPlLayerData::kStratumNameId));
    EXPECT_FALSE(page.Enabled(CPlLayerData::kSeaLevelDepthId));
    page.Show(&g.entity);
    EXPECT_EQ(page.Options(CPlLayerData::kWellPlaceId),
              (Texts{"井口", "井底", "目的层(一级)", "目的层(二级)", "目的层(三级)", "井海拔深"}));
    EXPECT_EQ(page.Value(CPlLayerData::kWellPlaceId), "井口");
    EXPECT_EQ(g.entity.m_nStratumGrade, -1);

    osprey::testing::SetStrata({});
    g.entity.ProChanged();
    page.Show(&g.entity);
    EXPECT_EQ(page.Options(CPlLayerData::kWellPlaceId), (Texts{"井口", "井底", "井海拔深"}));

    Layer()->m_nDataTarget = 11;  // no target of the page
    g.entity.ProChanged();
    page.Show(&g.entity);
    EXPECT_EQ(page.Value(CPlLayerData::kWellPlaceId), "");
    EXPECT_FALSE(page.Enabled(CPlLayerData::kStratumNameId));
    EXPECT_FALSE(page.Enabled(CPlLayerData::kSeaLevelDepthId));
}

TEST(ProfileDataPage, ATargetStratumThenItsNameThenASeaLevelDepth) {
    SampleGraph g;
    OpenList<CPlLayerData> page(new CPlLayerData(&g.entity));
    page.Show(&g.entity);
    const uint64_t before = g.entity.GetObjTimeStamp();
    lodestar::testing::ClearCallLog();

    ASSERT_TRUE(page.Pick(CPlLayerData::kWellPlaceId, "目的层(三级)"));
    EXPECT_EQ(Layer()->m_nDataTarget, 5);
    EXPECT_EQ(Layer()->m_nStratumIndex, 0);
    EXPECT_NE(g.entity.GetObjTimeStamp(), before);
    EXPECT_TRUE(lodestar::testing::CallLog().empty()) << "the refresh asks for the update, not the edit";

    page.Show(&g.entity);
    EXPECT_EQ(g.entity.m_nStratumGrade, 2);
    EXPECT_EQ(CountLogged("CPlContainer::UpdateProperty"), 1);
    EXPECT_TRUE(page.Enabled(CPlLayerData::kStratumNameId));
    EXPECT_EQ(page.Options(CPlLayerData::kStratumNameId), (Texts{"1", "2", "3"}));
    EXPECT_EQ(page.Value(CPlLayerData::kStratumNameId), "1");

    ASSERT_TRUE(page.Pick(CPlLayerData::kStratumNameId, "2"));
    EXPECT_EQ(Layer()->m_nStratumIndex, 1);
    EXPECT_EQ(CountLogged("CPlContainer::UpdateProperty"), 2);

    Layer()->m_dSeaLevelDepth = -1234.5;
    ASSERT_TRUE(page.Pick(CPlLayerData::kWellPlaceId, "井海拔深"));
    EXPECT_EQ(Layer()->m_nStratumIndex, 1) << "only a stratum target resets the index";
    page.Show(&g.entity);
    EXPECT_EQ(g.entity.m_nStratumGrade, -1);
    EXPECT_TRUE(page.Enabled(CPlLayerData::kSeaLevelDepthId));
    EXPECT_EQ(page.Value(CPlLayerData::kSeaLevelDepthId), "-1234.50");
    EXPECT_FALSE(page.Enabled(CPlLayerData::kStratumNameId));

    ASSERT_TRUE(page.Type(CPlLayerData::kSeaLevelDepthId, "-20.25"));
    EXPECT_DOUBLE_EQ(Layer()->m_dSeaLevelDepth, -20.25);
    lodestar::testing::ClearCallLog();
    for (const char* text : {"1e999", "abc", "--2"}) {
        ASSERT_TRUE(page.Type(CPlLayerData::kSeaLevelDepthId, text));
        EXPECT_DOUBLE_EQ(Layer()->m_dSeaLevelDepth, -20.25) << "refused: " << text;
        EXPECT_EQ(page.Value(CPlLayerData::kSeaLevelDepthId), "-20.25") << text;
    }
    EXPECT_TRUE(lodestar::testing::CallLog().empty()) << "a refused depth has the graph read nothing";
}

// Texts reported from code into the layer pages' lists: a target the list does not offer is still
// its code and shows as its option; any other text is no target (0), shown empty as the refresh
// shows it; the switches are on only for "是", the track mode straight only for "直线".
TEST(ProfileLayerPages, ListsReadAnyOtherTextAsTheirPagesDo) {
    SampleGraph g;
    Layer()->m_bShowProfileLine = true;
    Layer()->m_bRandomLineColor = true;
    Layer()->m_bShowWellName = true;
    Layer()->m_bStraightTrack = true;
    g.entity.ProChanged();
    LayerPages pages(g);
    auto& [data, line, names, symbols] = pages;
    ASSERT_EQ(data.Options(CPlLayerData::kWellPlaceId).size(), 6u);  // up to the third level
    data.Report(CPlLayerData::kWellPlaceId, "目的层(五级)");
    EXPECT_EQ(Layer()->m_nDataTarget, 7);
    EXPECT_EQ(Layer()->m_nStratumIndex, 0);
    EXPECT_EQ(data.Value(CPlLayerData::kWellPlaceId), "目的层(五级)");
    data.Report(CPlLayerData::kWellPlaceId, "井中");
    EXPECT_EQ(Layer()->m_nDataTarget, 0);
    EXPECT_EQ(data.Value(CPlLayerData::kWellPlaceId), "");

    line.Report(CPlLayerLine::kShowId, "显示");
    EXPECT_FALSE(Layer()->m_bShowProfileLine);
    EXPECT_EQ(line.Value(CPlLayerLine::kShowId), "否");
    line.Report(CPlLayerLine::kRandomColorId, "随机");
    EXPECT_FALSE(Layer()->m_bRandomLineColor);
    EXPECT_EQ(line.Value(CPlLayerLine::kRandomColorId), "否");
    names.Report(CPlLayerWellName::kShowId, "");
    EXPECT_FALSE(Layer()->m_bShowWellName);
    EXPECT_EQ(names.Value(CPlLayerWellName::kShowId), "否");
    symbols.Report(CPlLayerWellSymbol::kTrackModeId, "曲线");
    EXPECT_FALSE(Layer()->m_bStraightTrack);
    EXPECT_EQ(symbols.Value(CPlLayerWellSymbol::kTrackModeId), "实际轨迹");
    // The symbol and track groups' switches: any other text hides the kind and shows "否".
    const std::pair<DWORD_PTR, bool (*)()> switches[] = {
        {CPlLayerWellSymbol::kHeadGroupId + 1, [] { return Layer()->GetSymbolVisible(PL_SYMBOL_HEAD); }},
        {CPlLayerWellSymbol::kBottomGroupId + 1, [] { return Layer()->GetSymbolVisible(PL_SYMBOL_BOTTOM); }},
        {CPlLayerWellSymbol::kUpperTrackGroupId + 1, [] { return Layer()->GetWellTrackVisible(PL_TRACK_UPPER); }},
        {CPlLayerWellSymbol::kLowerTrackGroupId + 1, [] { return Layer()->GetWellTrackVisible(PL_TRACK_LOWER); }},
    };
    for (const auto& [id, shown] : switches) {
        ASSERT_TRUE(symbols.Pick(id, "是")) << id;
        ASSERT_TRUE(shown()) << id;
        symbols.Report(id, "无此选项");
        EXPECT_FALSE(shown()) << id;
        EXPECT_EQ(symbols.Value(id), "否") << id;
    }
}

// ---- line page -----------------------------------------------------------------------------------------

TEST(ProfileLinePage, PenEditsReachEveryLineAndOnlyFlagsStamp) {
    SampleGraph g;
    OpenList<CPlLayerLine> page(new CPlLayerLine(&g.entity));
    page.Show(&g.entity);
    const uint64_t shown = g.entity.GetObjTimeStamp();
    lodestar::testing::ClearCallLog();

    ASSERT_TRUE(page.Type(CPlLayerLine::kWidthId, "0.5"));
    EXPECT_FLOAT_EQ(Layer()->m_profileLinePen.width, 50.0f);
    EXPECT_FLOAT_EQ(g.sequence.GetLinePen().width, 50.0f);
    EXPECT_FLOAT_EQ(g.projected.GetLinePen().width, 50.0f);
    EXPECT_EQ(CountLogged("CPlProfilelineMgr::SetLinePen"), 1);
    EXPECT_EQ(CountLogged("CPlContainer::UpdateWnd"), 1);
    EXPECT_EQ(g.entity.GetObjTimeStamp(), shown) << "pen edits leave the stamp";

    ASSERT_TRUE(page.Type(CPlLayerLine::kWidthId, "1e39"));
    EXPECT_FLOAT_EQ(Layer()->m_profileLinePen.width, 50.0f) << "beyond a float: refused";
    EXPECT_EQ(page.Value(CPlLayerLine::kWidthId), "0.50");

    ASSERT_TRUE(page.ChooseColor(CPlLayerLine::kColorId, RGB(255, 0, 0)));
    EXPECT_EQ(g.projected.GetLinePen().color, RGB(255, 0, 0));

    lodestar::testing::ClearCallLog();
    ASSERT_TRUE(page.Pick(CPlLayerLine::kRandomColorId, "是"));
    EXPECT_TRUE(Layer()->m_bRandomLineColor);
    EXPECT_NE(g.entity.GetObjTimeStamp(), shown);
    EXPECT_EQ(CountLogged("CPlContainer::UpdateWnd"), 0);
    page.Show(&g.entity);
    EXPECT_FALSE(page.Enabled(CPlLayerLine::kColorId)) << "random colour leaves no colour to choose";
    EXPECT_TRUE(page.Enabled(CPlLayerLine::kWidthId));
}

TEST(ProfileLinePage, AHiddenLineDisablesItsItems) {
    SampleGraph g;
    OpenList<CPlLayerLine> page(new CPlLayerLine(&g.entity));
    page.Show(&g.entity);
    ASSERT_TRUE(page.Pick(CPlLayerLine::kShowId, "否"));
    EXPECT_FALSE(Layer()->m_bShowProfileLine);
    EXPECT_EQ(CountLogged("CPlContainer::UpdateWnd"), 1);
    page.Show(&g.entity);
    for (DWORD_PTR id :
         {CPlLayerLine::kStyleId, CPlLayerLine::kWidthId, CPlLayerLine::kRandomColorId, CPlLayerLine::kColorId})
        EXPECT_FALSE(page.Enabled(id)) << id;
    EXPECT_TRUE(page.Enabled(CPlLayerLine::kShowId));
}

// ---- well-name page --------------------------------------------------------------------------------------

TEST(ProfileWellNamePage, TemplatesNeedAStratumAndFontEditsReachTheLabels) {
    SampleGraph g;
    OpenList<CPlLayerWellName> page(new CPlLayerWellName(&g.entity));
    page.Show(&g.entity);
    for (DWORD_PTR id :
         {CPlLayerWellName::kFontTemplateId, CPlLayerWellName::kSizeTemplateId, CPlLayerWellName::kColorTemplateId}) {
        EXPECT_FALSE(page.Enabled(id)) << id;
        EXPECT_EQ(page.Value(id), "") << id;
    }
    for (DWORD_PTR id : {CPlLayerWellName::kFaceId, CPlLayerWellName::kSizeId, CPlLayerWellName::kColorId})
        EXPECT_TRUE(page.Enabled(id)) << id;

    const uint64_t shown = g.entity.GetObjTimeStamp();
    lodestar::testing::ClearCallLog();
    ASSERT_TRUE(page.Type(CPlLayerWellName::kSizeId, "9"));
    EXPECT_FLOAT_EQ(Layer()->m_nameFont.size, 900.0f);
    EXPECT_FLOAT_EQ(g.Label(1)->GetLabelFont().size, 900.0f);
    EXPECT_EQ(CountLogged("CPlWellMgr::SetLabelFont"), 1);
    EXPECT_EQ(g.entity.GetObjTimeStamp(), shown);

    ASSERT_TRUE(page.Pick(CPlLayerWellName::kRelativePosId, "左上"));
    EXPECT_EQ(Layer()->m_strNameRelativePos, "左上");
    EXPECT_EQ(CountLogged("CPlWellMgr::SetWellLabelAlign(左上)"), 1);

    lodestar::testing::ClearCallLog();
    ASSERT_TRUE(page.Pick(CPlLayerWellName::kReferObjectId, "井排基线"));
    EXPECT_EQ(lodestar::testing::CallLog(),
              (Texts{"CPlContainer::SetWellDrainLinePos", "CPlWellMgr::SetWellLabelRefertype(井排基线)",
                     "CPlContainer::UpdateWnd"}));

    // A change reported for a group row writes nothing and still ends with the redraw.
    const uint64_t before = g.entity.GetObjTimeStamp();
    page.ExpectRowReportsOnlyRedraw({CPlLayerWellName::kFontGroupId, CPlLayerWellName::kPositionGroupId});
    EXPECT_EQ(g.entity.GetObjTimeStamp(), before);
    EXPECT_FLOAT_EQ(Layer()->m_nameFont.size, 900.0f);
}

TEST(ProfileWellNamePage, OnAStratumAChosenTemplateTakesThePlaceOfTheFace) {
    SampleGraph g;
    g.entity.m_nStratumGrade = 1;
    Layer()->m_nStratumIndex = 0;
    OpenList<CPlLayerWellName> page(new CPlLayerWellName(&g.entity));
    page.Show(&g.entity);
    EXPECT_TRUE(page.Enabled(CPlLayerWellName::kFontTemplateId));
    const Texts options = page.Options(CPlLayerWellName::kFontTemplateId);
    ASSERT_GE(options.size(), 2u) << "the template manager's font templates after the empty option";
    ASSERT_TRUE(page.Pick(CPlLayerWellName::kFontTemplateId, options[1]));
    EXPECT_EQ(Layer()->m_strNameFontTemplate, options[1]);
    EXPECT_EQ(CountLogged("CPlContainer::ChangeWellNameFontTemplate(" + options[1] + ")"), 1);
    page.Show(&g.entity);
    EXPECT_FALSE(page.Enabled(CPlLayerWellName::kFaceId));
    EXPECT_EQ(page.Options(CPlLayerWellName::kFontTemplateId), options) << "refilled, not added to";

    ASSERT_TRUE(page.Pick(CPlLayerWellName::kShowId, "否"));
    page.Show(&g.entity);
    EXPECT_FALSE(page.Enabled(CPlLayerWellName::kFontTemplateId));
    EXPECT_FALSE(page.Enabled(CPlLayerWellName::kOffsetId));
    EXPECT_TRUE(page.Enabled(CPlLayerWellName::kShowId));
}

// ---- well-symbol page -------------------------------------------------------------------------------------

TEST(ProfileWellSymbolPage, SymbolAndTrackGroupsWriteTheirOwnKind) {
    SampleGraph g;
    OpenList<CPlLayerWellSymbol> page(new CPlLayerWellSymbol(&g.entity));
    page.Show(&g.entity);
    for (DWORD_PTR id : {CPlLayerWellSymbol::kPointTemplateId, CPlLayerWellSymbol::kSizeTemplateId,
                         CPlLayerWellSymbol::kBorderTemplateId, CPlLayerWellSymbol::kInnerTemplateId})
        EXPECT_FALSE(page.Enabled(id)) << id;

    uint64_t stamp = g.entity.GetObjTimeStamp();
    ASSERT_TRUE(page.Type(CPlLayerWellSymbol::kHeadGroupId + 3, "2"));  // "大小" of "井口符号"
    EXPECT_FLOAT_EQ(Layer()->GetSymbolPoint(PL_SYMBOL_HEAD).size, 200.0f);
    EXPECT_FLOAT_EQ(g.Head(1)->GetSymbolLogPoint().size, 200.0f);
    EXPECT_FLOAT_EQ(Layer()->GetSymbolPoint(PL_SYMBOL_BOTTOM).size, 0.0f);
    EXPECT_NE(g.entity.GetObjTimeStamp(), stamp);

    const QXLOGPEN upper = Layer()->GetWellTrackPen(PL_TRACK_UPPER);
    const DWORD_PTR lowerColour = CPlLayerWellSymbol::kLowerTrackGroupId + 4;
    ASSERT_TRUE(page.ChooseColor(lowerColour, RGB(0, 0, 255)));
    EXPECT_EQ(Layer()->GetWellTrackPen(PL_TRACK_LOWER).color, RGB(0, 0, 255));
    EXPECT_EQ(g.well[0]->GetTrack(PL_TRACK_LOWER)->GetLogPen().color, RGB(0, 0, 255));
    EXPECT_EQ(Layer()->GetWellTrackPen(PL_TRACK_UPPER).color, upper.color);
    EXPECT_EQ(g.Upper(0)->GetLogPen().color, upper.color);

    stamp = g.entity.GetObjTimeStamp();
    lodestar::testing::ClearCallLog();
    ASSERT_TRUE(page.Pick(CPlLayerWellSymbol::kTrackModeId, "直线"));
    EXPECT_TRUE(Layer()->m_bStraightTrack);
    EXPECT_EQ(lodestar::testing::CallLog(), (Texts{"CPlContainer::UpdateProperty", "CPlContainer::UpdateWnd"}));
    EXPECT_EQ(g.entity.GetObjTimeStamp(), stamp);

    // A change reported for a group row writes nothing and still ends with the redraw.
    page.ExpectRowReportsOnlyRedraw({CPlLayerWellSymbol::kCurrentGroupId, CPlLayerWellSymbol::kHeadGroupId,
                                     CPlLayerWellSymbol::kBottomGroupId, CPlLayerWellSymbol::kUpperTrackGroupId,
                                     CPlLayerWellSymbol::kLowerTrackGroupId});
    EXPECT_EQ(g.entity.GetObjTimeStamp(), stamp);
    EXPECT_FLOAT_EQ(Layer()->GetSymbolPoint(PL_SYMBOL_HEAD).size, 200.0f);

    ASSERT_TRUE(page.Pick(CPlLayerWellSymbol::kHeadGroupId + 1, "否"));
    EXPECT_FALSE(Layer()->GetSymbolVisible(PL_SYMBOL_HEAD));
    page.Show(&g.entity);
    EXPECT_FALSE(page.Enabled(CPlLayerWellSymbol::kHeadGroupId + 3));
    EXPECT_EQ(page.Value(CPlLayerWellSymbol::kTrackModeId), "直线");

    // Only the edited field decides: a size shown rounded ("2.50" for 249.96) stays as stored, a
    // stored width that does not read (-100) never blocks a picked colour, "自动" reads black.
    QXLOGPOINT bottom = Layer()->GetSymbolPoint(PL_SYMBOL_BOTTOM);
    bottom.size = 249.96f;
    Layer()->SetSymbolPoint(PL_SYMBOL_BOTTOM, bottom);
    QXLOGPEN lower = Layer()->GetWellTrackPen(PL_TRACK_LOWER);
    lower.width = -100;
    Layer()->SetWellTrackPen(PL_TRACK_LOWER, lower);
    plpage::Stamp(&g.entity);
    page.Show(&g.entity);
    ASSERT_EQ(page.Value(CPlLayerWellSymbol::kBottomGroupId + 3), "2.50");
    ASSERT_TRUE(page.ChooseColor(CPlLayerWellSymbol::kBottomGroupId + 4, RGB(0, 200, 0)));
    EXPECT_EQ(Layer()->GetSymbolPoint(PL_SYMBOL_BOTTOM).borderColor, RGB(0, 200, 0));
    EXPECT_EQ(Layer()->GetSymbolPoint(PL_SYMBOL_BOTTOM).size, 249.96f);
    ASSERT_TRUE(page.ChooseColor(lowerColour, RGB(200, 0, 0)));
    EXPECT_EQ(Layer()->GetWellTrackPen(PL_TRACK_LOWER).color, RGB(200, 0, 0));
    EXPECT_EQ(Layer()->GetWellTrackPen(PL_TRACK_LOWER).width, -100);
    ASSERT_TRUE(page.ChooseAutomatic(lowerColour));
    EXPECT_EQ(Layer()->GetWellTrackPen(PL_TRACK_LOWER).color, 0u);
}

TEST(ProfileWellSymbolPage, TheCurrentLayerSymbolFollowsItsTemplates) {
    SampleGraph g;
    g.entity.m_nStratumGrade = 0;
    Layer()->m_nStratumIndex = 1;
    OpenList<CPlLayerWellSymbol> page(new CPlLayerWellSymbol(&g.entity));
    page.Show(&g.entity);
    const Texts colors = page.Options(CPlLayerWellSymbol::kBorderTemplateId);
    ASSERT_GE(colors.size(), 2u);
    ASSERT_TRUE(page.Pick(CPlLayerWellSymbol::kBorderTemplateId, colors[1]));
    EXPECT_EQ(Layer()->m_strPointOutColorTemplate, colors[1]);
    page.Show(&g.entity);
    EXPECT_FALSE(page.Enabled(CPlLayerWellSymbol::kBorderColorId));
    EXPECT_TRUE(page.Enabled(CPlLayerWellSymbol::kInnerColorId));
    ASSERT_TRUE(page.Pick(CPlLayerWellSymbol::kBorderTemplateId, ""));
    page.Show(&g.entity);
    EXPECT_TRUE(page.Enabled(CPlLayerWellSymbol::kBorderColorId));

    ASSERT_TRUE(page.Type(CPlLayerWellSymbol::kSizeId, "3.5"));
    EXPECT_FLOAT_EQ(Layer()->GetSymbolPoint(PL_SYMBOL_CURRENT).size, 350.0f);
    EXPECT_EQ(CountLogged("CPlWellMgr::SetSymbolLogPoint(2)"), 1);
}

// A size or width the layer's single-precision field cannot hold in hundredths is refused: the
// layer keeps its point and pen, the wells keep their own symbols and tracks, and the item shows
// the layer's value again.
TEST(ProfileWellSymbolPage, ARefusedSizeOrWidthWritesNothing) {
    SampleGraph g;
    QXLOGPOINT own;
    own.size = 200;
    g.Head(1)->SetSymbolLogPoint(own);
    QXLOGPEN pen;
    pen.width = 30;
    g.Upper(1)->SetLogPen(pen);
    OpenList<CPlLayerWellSymbol> page(new CPlLayerWellSymbol(&g.entity));
    page.Show(&g.entity);
    const uint64_t stamp = g.entity.GetObjTimeStamp();
    lodestar::testing::ClearCallLog();
    for (const char* text : {"1e39", "3.5e38", "9e296", "abc", "-1"}) {
        ASSERT_TRUE(page.Type(CPlLayerWellSymbol::kHeadGroupId + 3, text));
        ASSERT_TRUE(page.Type(CPlLayerWellSymbol::kUpperTrackGroupId + 3, text));
        ASSERT_TRUE(page.Type(CPlLayerWellSymbol::kSizeId, text));
        EXPECT_EQ(page.Value(CPlLayerWellSymbol::kHeadGroupId + 3), "0.00") << text;
        EXPECT_EQ(page.Value(CPlLayerWellSymbol::kUpperTrackGroupId + 3), "0.00") << text;
    }
    EXPECT_FLOAT_EQ(g.Head(1)->GetSymbolLogPoint().size, 200.0f);
    EXPECT_FLOAT_EQ(g.Upper(1)->GetLogPen().width, 30.0f);
    EXPECT_FLOAT_EQ(Layer()->GetSymbolPoint(PL_SYMBOL_HEAD).size, 0.0f);
    EXPECT_EQ(g.entity.GetObjTimeStamp(), stamp);
    EXPECT_EQ(lodestar::testing::CallLog(), Texts{});
}

// A change reported from code with a text no reader takes (the readers read a text as atof does, so
// a word reads as 0 and is taken), on every layer page: the layer settings
// keep their values, nothing is drawn or stamped, and the item alone shows the stored value again.
// A text refused, reported or typed, writes nothing and shows the stored value again, whoever
// refused it.
TEST(ProfileLayerPages, ARefusedTextShowsTheStoredValue) {
    SampleGraph g;
    Layer()->m_nDataTarget = 8;  // the sea-level depth
    Layer()->m_dSeaLevelDepth = -20.25;
    Layer()->m_profileLinePen.width = 35;
    Layer()->m_nameFont.size = 900;
    Layer()->m_dNameOffset = 1.5;
    LayerPages pages(g);
    auto& [data, line, name, symbol] = pages;
    name.Item(CPlLayerWellName::kRelativePosId)->SetValue(_variant_t("typed"));
    const uint64_t stamp = g.entity.GetObjTimeStamp();
    lodestar::testing::ClearCallLog();

    const std::string depth = data.Value(CPlLayerData::kSeaLevelDepthId);
    data.Report(CPlLayerData::kSeaLevelDepthId, "1e999");
    EXPECT_EQ(depth, data.Value(CPlLayerData::kSeaLevelDepthId));
    line.Report(CPlLayerLine::kWidthId, "-1");
    EXPECT_EQ("0.35", line.Value(CPlLayerLine::kWidthId));
    name.Report(CPlLayerWellName::kSizeId, "-1");
    EXPECT_EQ("9.00", name.Value(CPlLayerWellName::kSizeId));
    name.Report(CPlLayerWellName::kOffsetId, "1e999");
    EXPECT_EQ("1.50", name.Value(CPlLayerWellName::kOffsetId));
    for (DWORD_PTR id : {static_cast<DWORD_PTR>(CPlLayerWellSymbol::kSizeId),
                         static_cast<DWORD_PTR>(CPlLayerWellSymbol::kHeadGroupId + 3),
                         static_cast<DWORD_PTR>(CPlLayerWellSymbol::kUpperTrackGroupId + 3)}) {
        symbol.Report(id, "1e39");
        EXPECT_EQ("0.00", symbol.Value(id)) << id;
    }
    EXPECT_EQ("typed", name.Value(CPlLayerWellName::kRelativePosId)) << "another item is left as it shows";
    EXPECT_EQ(lodestar::testing::CallLog(), Texts{});
    EXPECT_EQ(g.entity.GetObjTimeStamp(), stamp);
    EXPECT_DOUBLE_EQ(-20.25, Layer()->m_dSeaLevelDepth);
    EXPECT_FLOAT_EQ(35, Layer()->m_profileLinePen.width);
    EXPECT_FLOAT_EQ(900, Layer()->m_nameFont.size);
    EXPECT_DOUBLE_EQ(1.5, Layer()->m_dNameOffset);
    Layer()->m_profileLinePen.width = 55;  // changed elsewhere, not refreshed
    Layer()->m_nameFont.size = 1250;
    line.Type(CPlLayerLine::kWidthId, "-1");
    EXPECT_EQ("0.55", line.Value(CPlLayerLine::kWidthId));
    name.Type(CPlLayerWellName::kSizeId, "-1");
    EXPECT_EQ("12.50", name.Value(CPlLayerWellName::kSizeId));
    EXPECT_FLOAT_EQ(55, Layer()->m_profileLinePen.width);
}

}  // namespace
