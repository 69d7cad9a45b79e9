// Map-object kinds that the map-furniture and geology lists edit: the guarded setters, the
// comparing setters, the class tree the property creator dispatches on, the table's cells and
// the coordinate object's origin.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Parsnip/QXObjectArrow.h"
#include "hosttypes/Parsnip/QXObjectBorder.h"
#include "hosttypes/Parsnip/QXObjectCell.h"
#include "hosttypes/Parsnip/QXObjectCircle.h"
#include "hosttypes/Parsnip/QXObjectColorMark.h"
#include "hosttypes/Parsnip/QXObjectContour.h"
#include "hosttypes/Parsnip/QXObjectCoordinate.h"
#include "hosttypes/Parsnip/QXObjectCtrlLine.h"
#include "hosttypes/Parsnip/QXObjectCurveText.h"
#include "hosttypes/Parsnip/QXObjectLegend.h"
#include "hosttypes/Parsnip/QXObjectPie.h"
#include "hosttypes/Parsnip/QXObjectPoint.h"
#include "hosttypes/Parsnip/QXObjectRect.h"
#include "hosttypes/Parsnip/QXObjectScale.h"
#include "hosttypes/Parsnip/QXSegment.h"

namespace {

using parsnip::testing::CountCalls;

// ---- guarded setters ----------------------------------------------------------------------

TEST(ParsnipScale, GuardedSettersRefuseWithoutChange) {
    CQXObjectScale scale;
    scale.SetStep(4);
    scale.SetStep(0);
    scale.SetStep(-3);
    EXPECT_EQ(4, scale.GetStep());
    scale.SetStep(1);
    EXPECT_EQ(1, scale.GetStep());

    scale.SetHeight(200);
    scale.SetHeight(0.0);
    scale.SetHeight(-5);
    scale.SetHeight(std::numeric_limits<double>::quiet_NaN());
    EXPECT_DOUBLE_EQ(200, scale.GetHeight());

    scale.SetDecimalNum(2);
    scale.SetDecimalNum(-1);
    EXPECT_EQ(2, scale.GetDecimalNum());
    scale.SetDecimalNum(0);
    EXPECT_EQ(0, scale.GetDecimalNum());
}

TEST(ParsnipScale, SizeRoundTripsThroughTheStoredTenfold) {
    CQXObjectScale scale;
    scale.SetSize(2.5);
    EXPECT_DOUBLE_EQ(2.5, scale.GetSize());
    EXPECT_EQ(1, CountCalls("CQXObjectScale::SetSize", &scale));
}

TEST(ParsnipBorder, KilometreFrequencyTakesZeroAsOneGraticuleStoresIt) {
    CQXObjectBorder border;
    border.SetKFrequency(0);
    EXPECT_EQ(1u, border.GetKFrequency());
    border.SetKFrequency(3);
    EXPECT_EQ(3u, border.GetKFrequency());
    border.SetGFrequency(0);
    EXPECT_EQ(0u, border.GetGFrequency());
}

TEST(ParsnipBorder, ExtentMovesOneEdgePerNodeAndIgnoresOtherNodes) {
    CQXObjectBorder border;
    border.SetBorderExtent(CQXObject::NODE_LEFT, 1);
    border.SetBorderExtent(CQXObject::NODE_RIGHT, 2);
    border.SetBorderExtent(CQXObject::NODE_TOP, 4);
    border.SetBorderExtent(CQXObject::NODE_BOTTOM, 3);
    const uint64_t stamp = border.GetTimeStamp();
    border.SetBorderExtent(CQXObject::NODE_BODY, 99);
    EXPECT_EQ(FLOATRECT(1, 4, 2, 3), border.GetBorderExtent());
    EXPECT_EQ(stamp, border.GetTimeStamp());
    EXPECT_EQ(4, CountCalls("CQXObjectBorder::SetBorderExtent", &border));
}

TEST(ParsnipBorder, LowOrderDigitCountsStayWithinTheExtentsDigits) {
    CQXObjectBorder border;
    border.SetBorderExtent(CQXObject::NODE_LEFT, 20500000);
    border.SetBorderExtent(CQXObject::NODE_RIGHT, 20600000.5);
    border.SetBorderExtent(CQXObject::NODE_TOP, -4512345);
    EXPECT_EQ(8u, border.GetKMaxNumCountX2());
    EXPECT_EQ(7u, border.GetKMaxNumCountY2());
    border.SetKNumCountX2(5);
    border.SetKNumCountY2(40);
    EXPECT_EQ(5u, border.GetKNumCountX2());
    EXPECT_EQ(7u, border.GetKNumCountY2());

    border.SetBorderExtent(CQXObject::NODE_LEFT, std::numeric_limits<double>::quiet_NaN());
    border.SetBorderExtent(CQXObject::NODE_RIGHT, 0.25);
    EXPECT_EQ(1u, border.GetKMaxNumCountX2());
}

// ---- comparing setters ----------------------------------------------------------------------

TEST(ParsnipLegend, EqualFontOrPenDoesNotNotify) {
    CQXObjectLegend legend;
    QXLOGFONT font;
    legend.GetLegendFont(&font);
    QXLOGPEN pen;
    legend.GetOuterLineLogPen(&pen);
    const uint64_t stamp = legend.GetTimeStamp();
    legend.SetLegendFont(&font);
    legend.SetOuterLineLogPen(&pen);
    legend.SetLegendFont(nullptr);
    EXPECT_EQ(0, CountCalls("CQXObject::OnChanged", &legend));
    EXPECT_EQ(stamp, legend.GetTimeStamp());

    font.size = 1200;
    legend.SetLegendFont(&font);
    pen.width = 25;
    legend.SetOuterLineLogPen(&pen);
    EXPECT_EQ(2, CountCalls("CQXObject::OnChanged", &legend));
    EXPECT_GT(legend.GetTimeStamp(), stamp);
    QXLOGFONT stored;
    legend.GetLegendFont(&stored);
    EXPECT_FLOAT_EQ(1200, stored.size);
}

// ---- library setters stamp and log --------------------------------------------------------------

TEST(ParsnipKinds, LibrarySettersRenewTheStampAndLog) {
    CQXObjectColorMark mark;
    uint64_t stamp = mark.GetTimeStamp();
    mark.SetRadiusB(12.5);
    EXPECT_GT(mark.GetTimeStamp(), stamp);
    EXPECT_DOUBLE_EQ(12.5, mark.GetRadiusB());
    EXPECT_EQ(1, CountCalls("CQXObjectColorMark::SetRadiusB", &mark));

    mark.SetDirection(-1);
    EXPECT_EQ(-1, mark.GetDirection());
    mark.SetDirection(5);
    EXPECT_EQ(1, mark.GetDirection());

    CQXObjectArrow arrow;
    stamp = arrow.GetTimeStamp();
    arrow.CreateModel();
    EXPECT_GT(arrow.GetTimeStamp(), stamp);
    EXPECT_EQ(1, CountCalls("CQXObjectArrow::CreateModel", &arrow));

    // The arrow's fill is the brush a CQXObjectLine view of it sees.
    QXLOGBRUSH brush;
    brush.fillColor = 0x123456;
    arrow.SetLogBrush(&brush);
    QXLOGBRUSH seen;
    static_cast<CQXObjectLine&>(arrow).GetLogBrush(&seen);
    EXPECT_EQ(0x123456u, seen.fillColor);
}

TEST(ParsnipContour, DecimalsRewriteANumericLabelOnly) {
    CQXObjectContour contour;
    contour.SetLabel(" 12.5 ");
    contour.SetDecimal(2);
    EXPECT_EQ(CString("12.50"), contour.GetLabel());
    contour.SetDecimal(0);
    EXPECT_EQ(CString("12"), contour.GetLabel());
    contour.SetDecimal(-1);
    EXPECT_EQ(0, contour.GetDecimal());

    contour.SetLabel("12a");
    contour.SetDecimal(3);
    EXPECT_EQ(CString("12a"), contour.GetLabel());
    EXPECT_EQ(3, contour.GetDecimal());

    // A number beyond a double's range is kept as typed, never rewritten as "-inf".
    contour.SetLabel("-4e358");
    contour.SetDecimal(2);
    EXPECT_EQ(CString("-4e358"), contour.GetLabel());
    EXPECT_EQ(2, contour.GetDecimal());
    contour.SetLabel("nan");
    contour.SetDecimal(1);
    EXPECT_EQ(CString("nan"), contour.GetLabel());
}

// ---- class tree ------------------------------------------------------------------------------

TEST(ParsnipKinds, ClassTreeKeepsEveryDispatchRowReachable) {
    CQXObjectContour contour;
    CQXObjectCtrlLine ctrlLine;
    CQXObjectArrow arrow;
    CQXObjectRect rect;
    CQXObjectCircle circle;
    CQXObjectPie pie;
    CQXObjectCurveText curveText;
    EXPECT_TRUE(contour.IsKindOf(RUNTIME_CLASS(CQXObjectPolyline)));
    EXPECT_TRUE(ctrlLine.IsKindOf(RUNTIME_CLASS(CQXObjectPolyline)));
    for (CQXObjectLine* line : {static_cast<CQXObjectLine*>(&arrow), static_cast<CQXObjectLine*>(&rect),
                                static_cast<CQXObjectLine*>(&circle)}) {
        EXPECT_TRUE(line->IsKindOf(RUNTIME_CLASS(CQXObjectLine)));
        EXPECT_FALSE(line->IsKindOf(RUNTIME_CLASS(CQXObjectPolyline))) << line->GetClassNameG().GetString();
    }
    EXPECT_FALSE(pie.IsKindOf(RUNTIME_CLASS(CQXObjectPoint)));
    EXPECT_FALSE(curveText.IsKindOf(RUNTIME_CLASS(CQXObjectLine)));
    EXPECT_EQ(CString("CQXObjectContour"), contour.GetClassNameG());
    EXPECT_EQ(CString("CQXObjectPie"), pie.GetClassNameG());
}

// ---- table ---------------------------------------------------------------------------------

TEST(ParsnipCell, CellsInsideTheTableOnly) {
    CQXObjectCell table;
    EXPECT_EQ(nullptr, table.GetCell(0, 0));
    table.CreateCells(3, 2);
    EXPECT_EQ(3, table.GetColumnCount());
    EXPECT_EQ(2, table.GetRowCount());
    EXPECT_NE(nullptr, table.GetCell(2, 1));
    EXPECT_NE(table.GetCell(0, 1), table.GetCell(1, 0));
    EXPECT_EQ(nullptr, table.GetCell(3, 0));
    EXPECT_EQ(nullptr, table.GetCell(0, 2));
    EXPECT_EQ(nullptr, table.GetCell(-1, 0));
    table.CreateCells(-1, 4);
    EXPECT_EQ(0, table.GetColumnCount());
    EXPECT_EQ(0, table.GetRowCount());
}

TEST(ParsnipCell, CellEditsStampTheTableSelectionDoesNot) {
    CQXObjectCell table;
    table.GetDefaultFont()->size = 900;
    table.CreateCells(2, 2);
    QXLOGFONT font;
    table.GetCell(1, 1)->GetLogFont(&font);
    EXPECT_FLOAT_EQ(900, font.size);

    int firstColumn = 0, lastColumn = 0, firstRow = 0, lastRow = 0;
    table.GetSelectedRange(firstColumn, lastColumn, firstRow, lastRow);
    EXPECT_EQ(-1, firstColumn);
    EXPECT_EQ(-1, firstRow);
    uint64_t stamp = table.GetTimeStamp();
    table.SetSelectedRange(0, 1, 0, 1);
    EXPECT_EQ(stamp, table.GetTimeStamp());

    table.GetCell(0, 1)->SetAlign(1, 2);
    EXPECT_GT(table.GetTimeStamp(), stamp);
    EXPECT_EQ(1, table.GetCell(0, 1)->GetHAlign());
    EXPECT_EQ(2, table.GetCell(0, 1)->GetVAlign());

    table.CenterBorderPen().color = 0xFF;
    EXPECT_EQ(0xFFu, table.GetCenterBorderPen().color);
    EXPECT_EQ(0u, table.GetTopBorderPen().color);
}

// ---- coordinate object ------------------------------------------------------------------------

TEST(ParsnipCoordinate, OriginIsPointZeroOfTheFirstSegment) {
    CQXObjectCoordinate coordinate;
    EXPECT_EQ(FLOATPOINT(0, 0), coordinate.GetOrigin());
    coordinate.SetOrigin(FLOATPOINT(5, 6));  // no segment: nothing to move
    EXPECT_EQ(FLOATPOINT(0, 0), coordinate.GetOrigin());

    coordinate.AddSegment(new CQXSegment());
    coordinate.SetOrigin(FLOATPOINT(5, 6));  // a segment without points
    EXPECT_EQ(FLOATPOINT(0, 0), coordinate.GetOrigin());

    coordinate.GetSegment(0)->AddPoint(FLOATPOINT(1, 2));
    coordinate.GetSegment(0)->AddPoint(FLOATPOINT(3, 4));
    EXPECT_EQ(FLOATPOINT(1, 2), coordinate.GetOrigin());
    coordinate.SetOrigin(FLOATPOINT(-7.5, 8));
    EXPECT_EQ(FLOATPOINT(-7.5, 8), coordinate.GetOrigin());
    FLOATPOINT second;
    coordinate.GetSegment(0)->GetPoint(1, second);
    EXPECT_EQ(FLOATPOINT(3, 4), second);
}

TEST(ParsnipCoordinate, AxisFactorIsALibrarySetter) {
    CQXObjectCoordinate coordinate;
    EXPECT_EQ(1u, coordinate.GetAxisXFactor());
    coordinate.SetAxisXFactor(4);
    EXPECT_EQ(4u, coordinate.GetAxisXFactor());
    EXPECT_EQ(1, CountCalls("CQXObjectCoordinate::SetAxisXFactor", &coordinate));
}

TEST(ParsnipPie, RecordCountIsNeverNegative) {
    CQXObjectPie pie;
    pie.SetRecordCount(-2);
    EXPECT_EQ(0, pie.GetRecordCount());
    QXLOGPEN pen;
    pen.width = 30;
    pie.SetDrawOrgLine(pen);
    pie.SetDrawOrgLine(1);
    QXLOGPEN stored;
    pie.GetDrawOrgLine(&stored);
    EXPECT_FLOAT_EQ(30, stored.width);
    EXPECT_EQ(1, pie.GetDrawOrgLine());
}

}  // namespace
