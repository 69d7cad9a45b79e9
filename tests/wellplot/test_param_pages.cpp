// The parameter kit's pages: the three-step source choice of "常规" ("当前井" shown as "井数据"),
// the style pages' template names that disable their values, sizes in hundredths, and the
// template item's second button with the name landing in the owning page's field.
#include "WellPlotFixture.h"
#include "framework/PropStyleCombox.h"
#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "hosttypes/Sorrel/TemplateManager.h"
#include "hosttypes/Zephyr/LogParaDMgrIO.h"
#include "hosttypes/Zephyr/WpParam.h"
#include "wellplot/intervals/LstParam.h"
#include "wellplot/intervals/LstParamStyle.h"
#include "wellplot/intervals/PropLstEx.h"
#include "wellplot/intervals/PropWnd.h"

using wptest::CallsOn;
using wptest::Names;

namespace {

template <class List>
class ParamPage : public wptest::OpenPage<List> {
public:
    ParamPage() : wptest::OpenPage<List>(wptest::ForFirst<List, CWpParam>()) {
        sorrel::testing::Reset();
        zephyr::testing::ResetDataCatalogue();
    }
    ~ParamPage() {
        sorrel::testing::Reset();
        zephyr::testing::ResetDataCatalogue();
    }
    CWpParam* kit() { return this->plot().template First<CWpParam>(); }
    void Open() { this->Show(kit()); }
};

using General = ParamPage<CLstParam>;
using P = CLstParam;

// ---- "常规": the data source ---------------------------------------------------------------------------

TEST(ParamGeneralPage, WellDataIsShownAsWellDataAndStoredAsCurrentWellAtTableAndField) {
    General page;
    page.kit()->SetData("当前井", "测井解释", "孔隙度");
    page.Open();
    EXPECT_EQ(page.Value(P::kSourceTypeId), "井数据");
    EXPECT_EQ(page.Options(page.Item(P::kTableId)), (Names{"测井解释", "分层数据"}));
    EXPECT_EQ(page.Options(page.Item(P::kFieldId)), (Names{"解释结论", "孔隙度", "渗透率"}));
    EXPECT_TRUE(page.Enabled(P::kNullDisplayId));

    // A text that names no type, reported from code, is refused: the type shows again and the
    // table and field keep their choices.
    for (const char* refused : {"无此选项", ""})
        wptest::ExpectShownAgain(page, page.Item(P::kSourceTypeId), _variant_t(refused), "井数据", refused);
    EXPECT_EQ(page.Options(page.Item(P::kTableId)), (Names{"测井解释", "分层数据"}));
    EXPECT_EQ(page.Value(P::kFieldId), "孔隙度");
    page.Report(page.Item(P::kSourceTypeId), _variant_t("井数据"));  // the type shown, named again
    EXPECT_EQ(page.kit()->GetDataTable(), "测井解释");               // the type alone stores nothing
    EXPECT_EQ(page.Value(P::kTableId), "");
    ASSERT_TRUE(page.Pick(P::kTableId, "分层数据"));
    EXPECT_EQ(page.kit()->GetDataType(), "当前井");
    EXPECT_EQ(page.kit()->GetDataTable(), "分层数据");
    EXPECT_EQ(page.kit()->GetDataField(), "");
    EXPECT_EQ(page.Value(P::kNullDisplayId), "");
    EXPECT_FALSE(page.Enabled(P::kNullDisplayId));
    ASSERT_TRUE(page.Pick(P::kFieldId, "层号"));
    EXPECT_EQ(page.kit()->GetDataType(), "当前井");
    EXPECT_EQ(page.kit()->GetDataField(), "层号");
    EXPECT_TRUE(page.Enabled(P::kNullDisplayId));
    EXPECT_EQ(page.Value(P::kNullDisplayId), "否");
    // An empty switch reported from code says nothing: the stored "否" shows again, nothing redraws.
    wptest::ExpectShownAgain(page, page.Item(P::kNullDisplayId), _variant_t(""), "否", "null display");
    ASSERT_TRUE(page.Pick(P::kNullDisplayId, "是"));
    EXPECT_TRUE(page.kit()->IsNullDisplay());
    // Any other text means no, and the item shows the answer taken.
    page.Report(page.Item(P::kNullDisplayId), _variant_t("显示"));
    EXPECT_FALSE(page.kit()->IsNullDisplay());
    EXPECT_EQ(page.Value(P::kNullDisplayId), "否");
}

TEST(ParamGeneralPage, GraphicsIsStoredAtOnceWithoutRedrawAndDisablesTableAndField) {
    General page;
    page.kit()->SetData("当前井", "测井解释", "孔隙度");
    page.Open();
    const int redraws = page.Redraws();
    ASSERT_TRUE(page.Pick(P::kSourceTypeId, "图形"));
    EXPECT_EQ(CallsOn(page.kit()), (Names{"CWpParam::SetData"}));
    EXPECT_EQ(page.kit()->GetDataType(), "图形");
    EXPECT_EQ(page.kit()->GetDataTable(), "");
    EXPECT_EQ(page.kit()->GetDataField(), "");
    EXPECT_FALSE(page.Enabled(P::kTableId));
    EXPECT_FALSE(page.Enabled(P::kFieldId));
    EXPECT_EQ(page.Value(P::kTableId), "");
    EXPECT_EQ(redraws, page.Redraws());

    // "井数据" reported from code over the graphics source is that type: it changes only the page
    // (the kit keeps "图形" until a table is chosen, nothing redraws): table and field are enabled
    // and the table offers the tables of the current well.
    parsnip::testing::ClearCallLog();
    page.Report(page.Item(P::kSourceTypeId), _variant_t("井数据"));
    EXPECT_EQ(page.Value(P::kSourceTypeId), "井数据");
    EXPECT_EQ(page.kit()->GetDataType(), "图形");
    EXPECT_EQ(CallsOn(page.kit()), Names());
    EXPECT_EQ(redraws, page.Redraws());
    EXPECT_TRUE(page.Enabled(P::kTableId));
    EXPECT_TRUE(page.Enabled(P::kFieldId));
    EXPECT_EQ(page.Options(page.Item(P::kTableId)), (Names{"测井解释", "分层数据"}));
    ASSERT_TRUE(page.Pick(P::kTableId, "分层数据"));
    EXPECT_EQ(page.kit()->GetDataType(), "当前井");
    EXPECT_EQ(page.kit()->GetDataTable(), "分层数据");
}

TEST(ParamGeneralPage, DiscreteDataIsStoredOnlyWhenAFieldIsChosen) {
    General page;
    page.kit()->SetData("当前井", "测井解释", "孔隙度");
    page.Open();
    ASSERT_TRUE(page.Pick(P::kSourceTypeId, "离散数据"));
    EXPECT_EQ(page.Options(page.Item(P::kTableId)), (Names{"离散表1", "离散表2"}));
    ASSERT_TRUE(page.Pick(P::kTableId, "离散表1"));
    EXPECT_EQ(page.kit()->GetDataType(), "当前井");
    EXPECT_EQ(page.Options(page.Item(P::kFieldId)), (Names{"值1", "值2"}));
    EXPECT_FALSE(page.Enabled(P::kNullDisplayId));
    ASSERT_TRUE(page.Pick(P::kFieldId, "值2"));
    EXPECT_EQ(page.kit()->GetDataType(), "离散数据");
    EXPECT_EQ(page.kit()->GetDataTable(), "离散表1");
    EXPECT_EQ(page.kit()->GetDataField(), "值2");
    EXPECT_EQ(CallsOn(page.kit()).back(), "CWpKit::UpdateParent");
}

TEST(ParamGeneralPage, WithoutACatalogueTablesAndFieldsOfferNothing) {
    General page;
    page.kit()->SetData("当前井", "测井解释", "");
    page.kit()->SetDataInfo(nullptr);
    page.Open();
    EXPECT_TRUE(page.Options(page.Item(P::kTableId)).empty());
    EXPECT_EQ(page.Value(P::kTableId), "测井解释");
    EXPECT_EQ(page.Value(P::kNullDisplayId), "");
    EXPECT_FALSE(page.Enabled(P::kNullDisplayId));
}

TEST(ParamGeneralPage, ActiveIntervalTitleAndNullDisplay) {
    General page;
    page.Open();
    EXPECT_EQ(page.Value(P::kTopDepthId), "");  // no interval
    page.kit()->SetActiveSeg(0, 12.5, "");
    page.kit()->SetTitleText("参数\n曲线");
    QXLOGFONT font = wellplot::TitleFontOf(page.kit());
    font.size = 1050;
    page.kit()->SetTitleFont(&font);
    page.Show(page.kit());
    EXPECT_EQ(page.Value(P::kTopDepthId), "0.00");
    EXPECT_EQ(page.Value(P::kBottomDepthId), "12.50");
    EXPECT_EQ(page.Value(P::kTitleTextId), "参数\\n曲线");
    EXPECT_EQ(page.Value(P::kFontSizeId), "10");
    ASSERT_TRUE(page.Pick(P::kFontSizeId, "12"));
    EXPECT_FLOAT_EQ(wellplot::TitleFontOf(page.kit()).size, 1200);
    ASSERT_TRUE(page.Type(P::kValueId, "35.2"));
    EXPECT_EQ(page.kit()->GetActiveSegValue(), "35.2");
}

TEST(ParamGeneralPage, ARefreshForAnotherObjectOrAnUnchangedKitChangesNothing) {
    General page;
    page.Open();
    const std::string shown = page.Value(P::kTitleTextId);
    page.Show(page.kit());  // the same kit again, unchanged
    EXPECT_TRUE(wptest::AllCalls().empty());
    page.kit()->SetTitleText("新");  // stamps the kit
    page.Show(page.well());          // another object: not a parameter kit
    EXPECT_EQ(page.Value(P::kTitleTextId), shown);
}

TEST(ParamGeneralPage, AnotherKindOfObjectSelectedIsNeitherShownNorWritten) {
    General page;
    page.Show(page.well());
    ASSERT_TRUE(page.Type(P::kTitleTextId, "x"));
    EXPECT_TRUE(wptest::AllCalls().empty());
}

// ---- style pages ---------------------------------------------------------------------------------------------

using Line = CLstParamLine;

TEST(ParamLinePage, AColourTemplateDisablesTheColourAndTheEmptyOptionEnablesIt) {
    ParamPage<Line> page;
    page.kit()->SetLineColorTemp("红色");
    page.Open();
    EXPECT_EQ(page.Value(Line::kLineColorTemplateId), "红色");
    EXPECT_FALSE(page.Enabled(Line::kLineColorId));
    EXPECT_TRUE(page.Enabled(Line::kLineSizeId));
    ASSERT_TRUE(page.Pick(Line::kLineColorTemplateId, ""));
    EXPECT_EQ(page.kit()->GetLineColorTemp(), "");
    EXPECT_TRUE(page.Enabled(Line::kLineColorId));
    EXPECT_EQ(CallsOn(page.kit()), (Names{"CWpKit::InvalidSelf", "CWpKit::UpdateParent"}));
}

TEST(ParamLinePage, PenSizeIsStoredInHundredthsOnlyWhenPositive) {
    ParamPage<Line> page;
    page.kit()->GetLineType().width = 35;
    page.Open();
    EXPECT_EQ(page.Value(Line::kLineSizeId), "0.35");
    ASSERT_TRUE(page.Type(Line::kLineSizeId, "0.75"));
    EXPECT_FLOAT_EQ(page.kit()->GetLineType().width, 75);
    for (const char* refused : {"0", "-1", "x", "1e999"}) {
        ASSERT_TRUE(page.Type(Line::kLineSizeId, refused));
        EXPECT_FLOAT_EQ(page.kit()->GetLineType().width, 75) << refused;
    }
    ASSERT_TRUE(page.Type(Line::kLineSizeId, "1.5mm"));
    EXPECT_FLOAT_EQ(page.kit()->GetLineType().width, 150);
}

TEST(ParamLinePage, SwitchesAndTheGroupRedrawAndThePickerFollowsOnlyAChangedStyle) {
    ParamPage<Line> page;
    page.kit()->SetMidHLine(true);
    page.Open();
    EXPECT_EQ(page.Value(Line::kMidHLineId), "是");
    ASSERT_TRUE(page.Pick(Line::kMidHLineId, "否"));
    EXPECT_FALSE(page.kit()->IsMidHLine());
    auto* picker = dynamic_cast<CPropStyleCombox*>(page.Item(Line::kLineTypeId));
    ASSERT_NE(nullptr, picker);
    page.kit()->GetLineType().style = 7;
    zephyr::testing::Touch(page.kit());
    page.Show(page.kit());
    EXPECT_EQ(7u, picker->GetVal());
}

TEST(ParamPointPage, ATypedUnknownTemplateIsStoredAndDisablesThePointStyle) {
    ParamPage<CLstParamPoint> page;
    page.Open();
    ASSERT_TRUE(page.Type(CLstParamPoint::kPointTypeTemplateId, "自定点"));
    EXPECT_EQ(page.kit()->GetPointTypeTemp(), "自定点");
    EXPECT_FALSE(page.Enabled(CLstParamPoint::kPointTypeId));
    ASSERT_TRUE(page.Color(page.Item(CLstParamPoint::kPointColorId), RGB(1, 2, 3)));
    EXPECT_EQ(page.kit()->GetPointType().innerColor, RGB(1, 2, 3));
}

TEST(ParamTextPage, FontSizeIsWrittenBackWholeAndARefusedOneWritesNothing) {
    ParamPage<CLstParamText> page;
    page.kit()->GetTextFont().size = 1200;
    page.Open();
    EXPECT_EQ(page.Value(CLstParamText::kFontSizeId), "12.00");
    ASSERT_TRUE(page.Type(CLstParamText::kFontSizeId, "9.5"));
    EXPECT_FLOAT_EQ(page.kit()->GetTextFont().size, 950);
    parsnip::testing::ClearCallLog();
    const int redraws = page.Redraws();
    ASSERT_TRUE(page.Type(CLstParamText::kFontSizeId, "0"));
    EXPECT_FLOAT_EQ(page.kit()->GetTextFont().size, 950);
    EXPECT_EQ(CallsOn(page.kit()), Names());
    EXPECT_EQ(page.Redraws(), redraws);
    EXPECT_EQ(page.Value(CLstParamText::kFontSizeId), "9.5");
    ASSERT_TRUE(page.Pick(CLstParamText::kFontTemplateId, "正文"));
    EXPECT_FALSE(page.Enabled(CLstParamText::kFontFaceId));
}

using Fill = CLstParamRectFill;

TEST(ParamRectFillPage, OneColourTemplateForBothColoursStoresBothAndNewTemplatesShowAtTheNextRefresh) {
    ParamPage<Fill> page;
    page.Open();
    ASSERT_TRUE(page.Pick(Fill::kBorderColorTemplateId, "蓝色"));
    ASSERT_TRUE(page.Pick(Fill::kInnerColorTemplateId, "蓝色"));
    EXPECT_EQ(page.kit()->GetRectBColorTemp(), "蓝色");
    EXPECT_EQ(page.kit()->GetRectIColorTemp(), "蓝色");
    EXPECT_FALSE(page.Enabled(Fill::kBorderColorId));
    EXPECT_FALSE(page.Enabled(Fill::kInnerColorId));

    _AfxGetTemplateManager()->AddTemplateColor("青色", RGB(0, 255, 255));
    zephyr::testing::Touch(page.kit());
    page.Show(page.kit());
    EXPECT_EQ(page.Options(page.Item(Fill::kInnerColorTemplateId)).back(), "青色");
    EXPECT_EQ(page.Value(Fill::kInnerColorTemplateId), "蓝色");
    ASSERT_TRUE(page.Pick(Fill::kFillVisibleId, "否"));
    EXPECT_FALSE(page.kit()->IsFillVisible());
}

// ---- the template item's second button -------------------------------------------------------------------

TEST(ParamTemplateButton, AnEmptyValueOrAnUnknownNameDoesNothing) {
    ParamPage<Fill> page;
    page.kit()->SetRectSizeTemp("无此模板");
    page.Open();
    const int redraws = page.Redraws();
    ASSERT_TRUE(page.grid().ClickSecondButton(page.Item(Fill::kFillSizeTemplateId)));
    ASSERT_TRUE(page.grid().ClickSecondButton(page.Item(Fill::kBorderColorTemplateId)));  // empty
    EXPECT_TRUE(sorrel::testing::CallLog().empty());
    EXPECT_TRUE(CallsOn(page.kit()).empty());
    EXPECT_EQ(redraws, page.Redraws());
}

TEST(ParamTemplateButton, ARenameOfTheColourUsedForBorderAndInnerRenamesBoth) {
    ParamPage<Fill> page;
    page.kit()->SetRectBColorTemp("红色");
    page.kit()->SetRectIColorTemp("红色");
    page.Open();
    sorrel::testing::SetEditScript([](CStyleTemplate& t) { t.SetName("朱红"); });
    const int redraws = page.Redraws();
    ASSERT_TRUE(page.grid().ClickSecondButton(page.Item(Fill::kBorderColorTemplateId)));
    EXPECT_EQ(sorrel::testing::CallLog(), (std::vector<std::string>{"Edit 红色"}));
    EXPECT_EQ(page.kit()->GetRectBColorTemp(), "朱红");
    EXPECT_EQ(page.kit()->GetRectIColorTemp(), "朱红");
    EXPECT_EQ(page.Value(Fill::kBorderColorTemplateId), "朱红");
    EXPECT_EQ(CallsOn(page.kit()), (Names{"CWpKit::OnSettingChanged"}));
    EXPECT_GT(page.Redraws(), redraws);
}

TEST(ParamTemplateButton, TheNameLandsInTheFieldOfTheOwningPage) {
    ParamPage<CLstParamPoint> page;
    page.kit()->SetPointSizeTemp("中号");
    page.kit()->SetLineSizeTemp("中号");
    page.Open();
    sorrel::testing::SetEditScript([](CStyleTemplate& t) { t.SetName("标准号"); });
    ASSERT_TRUE(page.grid().ClickSecondButton(page.Item(CLstParamPoint::kPointSizeTemplateId)));
    EXPECT_EQ(page.kit()->GetPointSizeTemp(), "标准号");
    EXPECT_EQ(page.kit()->GetLineSizeTemp(), "中号");
}

TEST(ParamTemplateButton, TheFirstButtonActsAsForAPlainItem) {
    ParamPage<Line> page;
    page.kit()->SetLineSizeTemp("中号");
    page.Open();
    ASSERT_TRUE(page.grid().ClickFirstButton(page.Item(Line::kLineSizeTemplateId)));
    EXPECT_TRUE(sorrel::testing::CallLog().empty());
    EXPECT_EQ(page.Item(Line::kLineSizeTemplateId), page.list().GetPropList().GetEditedItem());
}

TEST(ParamTemplateButton, WithoutAKitTheClickEndsAfterTheEdit) {
    wptest::HostWindows host;
    ParamPage<Line> page;
    auto* item = dynamic_cast<CPropLstEx*>(page.Item(Line::kLineColorTemplateId));
    ASSERT_NE(nullptr, item);
    EXPECT_EQ(nullptr, item->GetWpKit());
    item->SetValue(_variant_t("红色"));
    const int redraws = page.Redraws();
    ASSERT_TRUE(page.grid().ClickSecondButton(item));
    EXPECT_EQ(sorrel::testing::CallLog(), (std::vector<std::string>{"Edit 红色"}));
    EXPECT_EQ(redraws, page.Redraws());
}

// ---- the sheet -------------------------------------------------------------------------------------------------

TEST(ParamSheet, AParameterKitOpensItsFivePagesAndOther) {
    wptest::HostWindows host;
    zephyr::PlotFixture plot;
    plot.BuildSample();
    CWnd* sheet = CPropWnd::Create(plot.First<CWpParam>(), &host.frame);
    EXPECT_EQ(platform::TabCaptions(*sheet), (Names{"常规", "线", "点", "文本", "矩形填充", "其它"}));
    platform::DestroyAndDelete(sheet);
}

}  // namespace
