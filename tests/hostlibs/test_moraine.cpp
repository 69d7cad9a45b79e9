// The plane-map library stand-in: the number test, the wrappers' copies, where the wrappers
// keep their values (the layer's own pen, brush and font, or its settings), and NULL layers.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "hostlibs/Moraine/MoraineTesting.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Moraine/BoundLayer.h"
#include "hosttypes/Moraine/ContourLayer.h"
#include "hosttypes/Moraine/CtrlLineLayer.h"
#include "hosttypes/Moraine/FaciesLayer.h"
#include "hosttypes/Moraine/FaultLayer.h"
#include "hosttypes/Moraine/OilWaterLayer.h"
#include "hosttypes/Moraine/PieLayer.h"
#include "hosttypes/Moraine/PlaneFunc.h"
#include "hosttypes/Moraine/PlaneOption.h"
#include "hosttypes/Moraine/PointLayer.h"
#include "hosttypes/Moraine/RegionLayer.h"
#include "hosttypes/Moraine/SandLayer.h"
#include "hosttypes/Moraine/ScatteredLayer.h"
#include "hosttypes/Moraine/StratumLayer.h"
#include "hosttypes/Moraine/StratumMapLayer.h"
#include "hosttypes/Moraine/WellLayer.h"
#include "hosttypes/Moraine/WellNetLayer.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXMap.h"

namespace {

using namespace kel::plane;

class Moraine : public ::testing::Test {
protected:
    void SetUp() override { moraine::testing::Reset(); }
    void TearDown() override { moraine::testing::Reset(); }
};

// ---- number test -----------------------------------------------------------------------------

TEST_F(Moraine, IsEffectiveFigureWantsTheWholeTextToBeOneNumber) {
    struct Case {
        const char* text;
        int number;
    };
    const Case cases[] = {
        {"0", 1},    {" 0 ", 1}, {"\t3\n", 1}, {"-1.5e3", 1}, {"+.5", 1}, {"1.", 1},  {"2E-2", 1},
        {"", 0},     {"  ", 0},  {"abc", 0},   {"1a", 0},     {"1 2", 0}, {"nan", 0}, {"inf", 0},
        {"0x10", 0}, {".", 0},   {"-", 0},     {"1e", 0},     {"1e+", 0}, {"--1", 0}, {"1,5", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(c.number, CPlaneFunc::IsEffectiveFigure(c.text)) << '"' << c.text << '"';
}

// ---- copies ----------------------------------------------------------------------------------

TEST_F(Moraine, CopiesAndAssignmentsWrapTheSameLayer) {
    CQXLayer layer;
    CQXLayer other;
    CContourLayer contour(&layer);
    CContourLayer copy(contour);
    EXPECT_EQ(&layer, copy.GetLayer());
    copy.SetLineMode(1);
    EXPECT_EQ(1, contour.GetLineMode());

    CContourLayer assigned(&other);
    assigned = contour;
    EXPECT_EQ(&layer, assigned.GetLayer());
    EXPECT_EQ(1, assigned.GetLineMode());

    CFaciesLayer facies(&layer);
    CFaciesLayer faciesCopy(&other);
    faciesCopy = facies;
    EXPECT_EQ(&layer, faciesCopy.GetLayer());

    CPieLayer pie(&layer);
    CPieLayer pieCopy(pie);
    EXPECT_EQ(&layer, pieCopy.GetLayer());

    // The destructors are virtual: a wrapper freed through its base runs its own.
    std::unique_ptr<IProfLayer> owned(new CSandLayer(&layer));
    owned.reset(new CPieLayer(pie));
    EXPECT_EQ(&layer, owned->GetLayer());
}

// ---- where values live -------------------------------------------------------------------------

TEST_F(Moraine, PenAndBrushSettersChangeTheLayersOwnValuesAndStamp) {
    CQXLayer layer;
    CContourLayer contour(&layer);
    uint64_t stamp = layer.GetTimeStamp();
    contour.SetLineColor(0x00FF00);
    contour.SetLineStyle(3);
    contour.SetLineSize(150);
    EXPECT_GT(layer.GetTimeStamp(), stamp);
    QXLOGPEN pen;
    layer.GetLogPen(&pen);
    EXPECT_EQ(0x00FF00u, pen.color);
    EXPECT_EQ(3u, pen.style);
    EXPECT_FLOAT_EQ(150, pen.width);
    EXPECT_DOUBLE_EQ(150, contour.GetLineSize());

    contour.SetLabelFontTransParent(1);
    contour.SetLabelFontName("黑体");
    QXLOGFONT font;
    layer.GetLogFont(&font);
    EXPECT_EQ(1u, font.transparent);
    EXPECT_EQ(CString("黑体"), font.GetFaceName());

    CWellNetLayer wellNet(&layer);
    QXLOGBRUSH brush;
    brush.fillColor = 0xABCDEF;
    stamp = layer.GetTimeStamp();
    wellNet.SetBrush(brush);
    QXLOGBRUSH seen;
    layer.GetLogBrush(&seen);
    EXPECT_EQ(0xABCDEFu, seen.fillColor);
    EXPECT_GT(layer.GetTimeStamp(), stamp);
    EXPECT_EQ(1, parsnip::testing::CountCalls("kel::plane::CWellNetLayer::SetBrush", &layer));
}

// A width or size handed as a double that the float record cannot hold, or NaN, is ignored.
TEST_F(Moraine, WidthsAndSizesAFloatCannotHoldAreIgnored) {
    CQXLayer layer;
    CContourLayer contour(&layer);
    CCtrlLineLayer ctrl(&layer);
    contour.SetLineSize(150);
    const uint64_t stamp = layer.GetTimeStamp();
    contour.SetLineSize(1e39);
    ctrl.SetLineSize(-1e300);
    contour.SetLineSize(std::nan(""));
    EXPECT_DOUBLE_EQ(150, contour.GetLineSize());
    EXPECT_EQ(stamp, layer.GetTimeStamp());

    CQXLayer wells;
    CWellLayer well(&wells);
    well.SetWellTopPointSize(300);
    well.SetWellTopLineSize(40);
    well.SetWellTopPointSize(1e39);
    well.SetWellTopLineSize(std::nan(""));
    EXPECT_DOUBLE_EQ(300, well.GetWellTopPointSize());
    EXPECT_DOUBLE_EQ(40, well.GetWellTopLineSize());

    CQXLayer strata;
    CStratumLayer stratum(&strata);
    stratum.SetRiverLineSize(25);
    stratum.SetRiverLineSize(-3.5e38);
    QXLOGPEN pen;
    stratum.GetRiverPen(&pen);
    EXPECT_FLOAT_EQ(25, pen.width);
}

TEST_F(Moraine, SettingsBelongToOneLayerAndDefaultToOnForSwitches) {
    CQXLayer first;
    CQXLayer second;
    COilWaterLayer a(&first);
    COilWaterLayer b(&second);
    EXPECT_EQ(1, a.GetLineVisible());
    EXPECT_EQ(1, a.GetLineSameColor());
    a.SetLineVisible(0);
    EXPECT_EQ(0, COilWaterLayer(&first).GetLineVisible());
    EXPECT_EQ(1, b.GetLineVisible());

    CSandLayer sand(&first);
    sand.SetLineValidSize(75);
    sand.SetLineValidColor(0x0000FF);
    EXPECT_FLOAT_EQ(75, sand.GetLineValidSize());
    EXPECT_EQ(0x0000FFu, sand.GetLineValidColor());
    EXPECT_FLOAT_EQ(0, sand.GetLineSize());  // the sand-body lines keep their own width
}

TEST_F(Moraine, AFreshLayerDoesNotInheritSettingsAfterAReset) {
    auto layer = std::make_unique<CQXLayer>();
    CCtrlLineLayer(layer.get()).SetVisible(0);
    moraine::testing::Reset();
    EXPECT_EQ(1, CCtrlLineLayer(layer.get()).GetVisible());
}

TEST_F(Moraine, FaultPensAreTheLayersStandardPens) {
    CQXLayer layer;
    CFaultLayer fault(&layer);
    QXLOGPEN pen;
    pen.color = 0x112233;
    fault.SetUpPen(pen);
    QXLOGPEN stored;
    EXPECT_NE(0, layer.GetPropertyManager()->GetPenProperty("FAULT_UP_PEN", &stored));
    EXPECT_EQ(0x112233u, stored.color);
    QXLOGPEN read;
    fault.GetDnPen(read);  // never set: a zero pen
    EXPECT_EQ(0u, read.color);
}

TEST_F(Moraine, DistributionTypesComeInOrderIntoAnEmptiedArray) {
    CQXLayer layer;
    moraine::testing::SetDistributionTypes(&layer, {"油", "水", "油水同层"});
    CStringArray types;
    types.Add("旧");
    COilWaterLayer(&layer).GetAllOilWaterType(types);
    ASSERT_EQ(3, types.GetSize());
    EXPECT_EQ(CString("油"), types[0]);
    EXPECT_EQ(CString("油水同层"), types[2]);
    CRegionLayer(nullptr).GetAllRegionType(types);
    EXPECT_EQ(0, types.GetSize());
}

TEST_F(Moraine, PointLabelPositionTextsMapBackToTheirCodes) {
    CQXLayer layer;
    CPointLayer point(&layer);
    const struct {
        const char* text;
        int vertical;
        int horizontal;
    } positions[] = {{"右下", 0, 0}, {"下", 0, 1},   {"左下", 0, 2}, {"右", 1, 0},  {"中", 1, 1},
                     {"左", 1, 2},   {"右上", 2, 0}, {"上", 2, 1},   {"左上", 2, 2}};
    for (const auto& p : positions) {
        point.SetAlign(p.text);
        EXPECT_EQ(p.vertical, point.GetVAlign()) << p.text;
        EXPECT_EQ(p.horizontal, point.GetHAlign()) << p.text;
    }
    point.SetAlign("中间");
    EXPECT_EQ(2, point.GetVAlign());
    EXPECT_EQ(2, point.GetHAlign());
}

// ---- shared accessor blocks ---------------------------------------------------------------------

// The blocks keep nothing of their own: a wrapper is still its base words (and its reserved ones).
static_assert(sizeof(CSandLayer) == sizeof(IProfLayer), "the accessor blocks add no word");
static_assert(sizeof(CWellNetLayer) == sizeof(IProfLayer), "the accessor blocks add no word");

TEST_F(Moraine, SharedAccessorsWorkOnTheLayerAndLogUnderEachWrappersName) {
    CQXLayer layer;
    layer.SetName("相1");
    auto lineVisibleSetBy = [&](auto wrapper, const char* name) {
        EXPECT_EQ(CString("相1"), wrapper.GetLayerName()) << name;
        wrapper.SetLineVisible(0);
        EXPECT_EQ(1, parsnip::testing::CountCalls(std::string("kel::plane::") + name + "::SetLineVisible", &layer))
            << name;
        EXPECT_EQ(0, decltype(wrapper)(&layer).GetLineVisible()) << name;
        wrapper.SetLineVisible(1);
    };
    lineVisibleSetBy(CContourLayer(&layer), "CContourLayer");
    lineVisibleSetBy(CFaciesLayer(&layer), "CFaciesLayer");
    lineVisibleSetBy(CScatteredLayer(&layer), "CScatteredLayer");
    lineVisibleSetBy(COilWaterLayer(&layer), "COilWaterLayer");
    lineVisibleSetBy(CRegionLayer(&layer), "CRegionLayer");
    lineVisibleSetBy(CSandLayer(&layer), "CSandLayer");
    EXPECT_EQ(CString("相1"), CStratumMapLayer(&layer).GetLayerName());

    CFaciesLayer facies(&layer);
    facies.SetLineColor(0x123456);
    facies.SetLineSize(120);
    facies.SetLineSameSize(0);
    EXPECT_EQ(0x123456u, CCtrlLineLayer(&layer).GetLineColor());  // one pen, whichever wrapper reads it
    EXPECT_DOUBLE_EQ(120, CCtrlLineLayer(&layer).GetLineSize());
    EXPECT_EQ(0, CFaciesLayer(&layer).GetLineSameSize());
    EXPECT_EQ(1, CFaciesLayer(&layer).GetLineSameColor());
    EXPECT_EQ(1, parsnip::testing::CountCalls("kel::plane::CFaciesLayer::SetLineSameSize", &layer));

    CScatteredLayer scattered(&layer);
    scattered.SetAppendControlPointSize(40);
    scattered.SetAppendControlPointInnerColor(0xFF);
    QXLOGPOINT point;
    layer.GetLogPoint(&point);
    EXPECT_FLOAT_EQ(40, point.size);
    EXPECT_EQ(0xFFu, point.innerColor);
    scattered.GetAppendControlPoint(nullptr);  // no record asked for: nothing happens
    EXPECT_EQ(1, parsnip::testing::CountCalls("kel::plane::CScatteredLayer::SetAppendControlPointInnerColor", &layer));

    CRegionLayer(&layer).SetLayerName("相2");
    EXPECT_EQ(CString("相2"), layer.GetName());
    EXPECT_EQ(1, parsnip::testing::CountCalls("kel::plane::CRegionLayer::SetLayerName", &layer));
}

TEST_F(Moraine, SharedAccessorsOverNoLayerReadDefaultsAndWriteNothing) {
    CFaciesLayer facies(nullptr);
    EXPECT_EQ(CString(), facies.GetLayerName());
    EXPECT_EQ(1, facies.GetFillVisible());
    EXPECT_EQ(1, facies.GetLineSameStyle());
    EXPECT_EQ(1, facies.GetAppendControlPointVisible());
    EXPECT_FLOAT_EQ(0, facies.GetLineSize());
    facies.SetLayerName("x");
    facies.SetFillVisible(0);
    facies.SetLineSameStyle(0);
    facies.SetLineStyle(2);
    facies.SetAppendControlPointStyle(3);
    EXPECT_EQ(1, facies.GetFillVisible());
    EXPECT_EQ(0u, facies.GetLineStyle());
    CWellNetLayer(nullptr).SetFillVisible(0);
    EXPECT_TRUE(parsnip::testing::CallLog().empty());
}

// ---- NULL layers and names ----------------------------------------------------------------------

TEST_F(Moraine, AWrapperOverNoLayerReadsDefaultsAndWritesNothing) {
    CContourLayer contour(nullptr);
    EXPECT_EQ(nullptr, contour.GetLayer());
    EXPECT_EQ(-1, contour.GetStratumGrade());
    EXPECT_EQ(CString(), contour.GetLayerName());
    contour.SetLineColor(5);
    contour.SetLayerName("x");
    contour.SetBoundaryName("边界");
    EXPECT_EQ(CString(), contour.GetBoundaryName());
    CBoundLayer bound(nullptr);
    QXLOGPEN pen;
    pen.color = 7;
    bound.SetPen(pen);
    bound.GetPen(pen);
    EXPECT_EQ(0u, pen.color);
    EXPECT_TRUE(parsnip::testing::CallLog().empty());
}

TEST_F(Moraine, StratumFactsAndRelatedNamesFollowTheLayer) {
    CQXMap map;
    CQXLayer* bound = map.AddLayer(new CQXLayer(&map));
    CQXLayer* contour = map.AddLayer(new CQXLayer(&map));
    bound->SetName("边界1");
    moraine::testing::SetLayerStratum(contour, 2, "S1", "G1");
    CContourLayer(contour).SetBoundaryName("边界1");
    EXPECT_EQ(2, CContourLayer(contour).GetStratumGrade());
    EXPECT_EQ(CString("S1"), CContourLayer(contour).GetStratumName());

    EXPECT_FALSE(CPlaneFunc::IsSameLayerName(&map, "边界1"));
    EXPECT_FALSE(CPlaneFunc::IsSameLayerName(&map, ""));
    EXPECT_TRUE(CPlaneFunc::IsSameLayerName(&map, "边界2"));
    bound->SetName("边界2");
    CPlaneFunc::UpdateRelateLayerName(bound, "边界1");
    EXPECT_EQ(CString("边界2"), CContourLayer(contour).GetBoundaryName());
}

TEST_F(Moraine, PlaneOptionsResetToZero) {
    CPlaneOption::Instance()->m_BoundPen.width = 150;
    CPlaneOption::Instance()->m_nStratumGrade = 3;
    moraine::testing::Reset();
    EXPECT_FLOAT_EQ(0, CPlaneOption::Instance()->m_BoundPen.width);
    EXPECT_EQ(-1, CPlaneOption::Instance()->m_nStratumGrade);
}

}  // namespace
