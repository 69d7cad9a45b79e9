// Changes reported from code with a text the list's reader refuses, on the layer pages and the
// lists of layer objects: the item took the text without judging it, so the list writes nothing,
// redraws nothing and shows the stored value in the refresh's format for that one item.
#include <gtest/gtest.h>

#include "CodeReport.h"
#include "PieFixture.h"
#include "PlaneListFixture.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hosttypes/Moraine/FaultLayer.h"
#include "hosttypes/Moraine/PieLayer.h"
#include "hosttypes/Moraine/WellLayer.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObjectPoint.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "hosttypes/Parsnip/QXObjectText.h"
#include "hosttypes/Parsnip/QXPropertyManager.h"
#include "planemap/layers/PropListFaultLayerLine.h"
#include "planemap/layers/PropListPieLayerData.h"
#include "planemap/layers/PropListPieLayerObj.h"
#include "planemap/layers/PropListStratumMapLayerLine.h"
#include "planemap/layers/PropListStratumMapLines.h"
#include "planemap/layers/PropListWellAbsence.h"
#include "planemap/layers/PropListWellLabel.h"
#include "planemap/layers/PropListWellLayerAbsence.h"
#include "planemap/layers/PropListWellLayerName.h"
#include "planemap/layers/PropListWellLayerSymbol.h"
#include "planemap/layers/PropListWellPath.h"

using planetest::ExpectCodeReportRefused;
using planetest::OpenList;

namespace {

QXLOGPEN PenOfWidth(float width) {
    QXLOGPEN pen;
    pen.width = width;
    return pen;
}

// A line of the kind alone selected, its width 0.40 kept through a refused text.
template <class List>
void ExpectLineWidthKept(parsnip::MapFixture& map, const char* kind, DWORD_PTR id, const char* text) {
    CQXObjectPolyline* line = map.AddPolyline(kind, {{0, 0}, {5, 5}});
    QXLOGPEN pen = PenOfWidth(40);
    line->SetLogPen(&pen);
    map.ClearSelection();
    OpenList<List> list(map, {line});
    ExpectCodeReportRefused(list, id, text, "0.40");
}

}  // namespace

TEST(LayerCodeReports, PieLayerDisplayShowsEachStoredNumberInItsOwnFormat) {
    using O = CPropListPieLayerObj;
    pietest::PieWorld w(7, 4);
    w.pie.SetRadius(8);
    w.pie.SetBarWidth(2.5);
    w.pie.SetUpPropCount(2);
    w.pie.SetDotCount(2);
    w.pie.SetXMove(4);
    w.pie.SetBotWidth(6);
    QXLOGFONT font;
    w.pie.GetFont(font);
    font.size = 300;
    w.pie.SetFont(font);
    QXLOGPEN outline = PenOfWidth(150);
    w.pie.SetPen(outline);
    QXLOGPEN indicator = PenOfWidth(2);
    w.pie.SetDrawOrgLine(indicator);
    OpenList<O> page(w.layer);

    struct Case {
        DWORD_PTR id;
        const char* text;
        const char* stored;
    };
    for (const Case& c : {Case{O::kFontSizeId, "-1", "3.00"}, Case{O::kDecimalsId, "1e30", "2"},
                          Case{O::kXMoveId, "x", "4"}, Case{O::kBottomLengthId, "-1", "6.00"},
                          Case{O::kPenWidthId, "-1", "1.50"}, Case{O::kIndicatorWidthId, "-1", "2.00"},
                          Case{O::kRadiusId, "-1", "8.00"}, Case{O::kBarWidthId, "-1", "2.50"},
                          Case{O::kBarCountId, "-1", "2"}})
        ExpectCodeReportRefused(page, c.id, c.text, c.stored);
    EXPECT_DOUBLE_EQ(8, w.pie.GetRadius());
    EXPECT_EQ(2, w.pie.GetUpPropCount());
}

TEST(LayerCodeReports, PieLayerDataKeepsItsRecordCount) {
    using D = CPropListPieLayerData;
    pietest::PieWorld w(0, 3);
    OpenList<D> page(w.layer);
    for (const char* text : {"99", "x"}) ExpectCodeReportRefused(page, D::kCountId, text, "3");
    EXPECT_EQ(3, w.pie.GetRecordCount());
}

TEST(LayerCodeReports, WellLayerPagesShowTheStoredSizesAndDistances) {
    parsnip::MapFixture map;
    CQXLayer* layer = map.AddLayer("井位1", "井位");
    kel::plane::CWellLayer well(layer);
    well.SetNameSize(150);
    well.SetNameLabelDistance(200);
    well.SetAbsenceDistance(250);
    well.SetSymbolSize(120);
    well.SetWellTopPointSize(80);
    well.SetWellTopLineSize(30);

    OpenList<CPropListWellLayerName> name(layer);
    ExpectCodeReportRefused(name, CPropListWellLayerName::kSizeId, "-1", "1.50");
    ExpectCodeReportRefused(name, CPropListWellLayerName::kOffsetId, "-2", "2.00");

    OpenList<CPropListWellLayerAbsence> absence(layer);
    const std::string size = absence.Value(CPropListWellLayerAbsence::kSizeId);
    ExpectCodeReportRefused(absence, CPropListWellLayerAbsence::kSizeId, "-1", size);
    ExpectCodeReportRefused(absence, CPropListWellLayerAbsence::kDistanceId, "-1", "2.50");
    // A reference or place that is no option writes nothing and keeps its text from before.
    for (DWORD_PTR id : {CPropListWellLayerAbsence::kReferId, CPropListWellLayerAbsence::kAlignId})
        ExpectCodeReportRefused(absence, id, "", absence.Value(id));

    OpenList<CPropListWellLayerSymbol> symbol(layer);
    ExpectCodeReportRefused(symbol, CPropListWellLayerSymbol::kSymbolSizeId, "-1", "1.20");
    ExpectCodeReportRefused(symbol, CPropListWellLayerSymbol::kHeadSizeId, "x-", "0.80");
    ExpectCodeReportRefused(symbol, CPropListWellLayerSymbol::kUpperWidthId, "-1", "0.30");

    EXPECT_DOUBLE_EQ(150, well.GetNameSize());
    EXPECT_DOUBLE_EQ(120, well.GetSymbolSize());
    EXPECT_DOUBLE_EQ(30, well.GetWellTopLineSize());
}

TEST(LayerCodeReports, FaultAndStratumMapLinePagesShowTheStoredWidth) {
    parsnip::MapFixture map;
    CQXLayer* fault = map.AddLayer("断层A", "断层");
    QXLOGPEN up = PenOfWidth(70);
    kel::plane::CFaultLayer(fault).SetUpPen(up);
    OpenList<CPropListFaultLayerLine> faultPage(fault);
    ExpectCodeReportRefused(faultPage, CPropListFaultLayerLine::kUpWidthId, "-1", "0.70");

    CQXLayer* stratumMap = map.AddLayer("小层", "小层平面图");
    QXLOGPEN pinch = PenOfWidth(90);
    stratumMap->GetPropertyManager()->SetPenProperty("PINCHOUTLINE_PEN", &pinch);
    CQXObjectPolyline* line = map.AddPolyline("砂岩尖灭线", {{0, 0}, {1, 1}}, stratumMap);
    line->SetLogPen(&pinch);
    OpenList<CPropListStratumMapLayerLine> linePage(stratumMap);
    ExpectCodeReportRefused(linePage, CPropListStratumMapLayerLine::kPinchOutWidthId, "-1", "0.90");
    EXPECT_EQ(90.0f, planetest::PenOf(line).width);
}

// The object lists: a refused text no longer writes the shown symbol's style or font to the others
// of its type, or reaches the map.
TEST(LayerCodeReports, LayerObjectListsWriteNothingForARefusedText) {
    parsnip::MapFixture map;
    CQXObjectPoint* mark = map.AddPoint("缺失标志", {0, 0});
    CQXObjectPoint* other = map.AddPoint("缺失标志", {1, 0});
    QXLOGPOINT big;
    big.size = 400;
    other->SetLogPoint(&big);
    QXLOGPOINT small;
    small.size = 150;
    mark->SetLogPoint(&small);
    map.ClearSelection();
    map.Select({mark, other});
    {
        OpenList<CPropListWellAbsence> list(mark);
        ExpectCodeReportRefused(list, CPropListWellAbsence::kSizeId, "0", "1.50");
        QXLOGPOINT kept;
        other->GetLogPoint(&kept);
        EXPECT_EQ(400.0f, kept.size);
    }

    CQXObjectText* label = map.AddText("井名", "W1", {1, 2});
    map.ClearSelection();
    map.Select(label);
    {
        OpenList<CPropListWellLabel> list(label);
        const std::string size = list.Value(CPropListWellLabel::kSizeId);
        ExpectCodeReportRefused(list, CPropListWellLabel::kSizeId, "-1", size);
        ExpectCodeReportRefused(list, CPropListWellLabel::kXId, "x", "1.00");
    }

    ExpectLineWidthKept<CPropListWellPath>(map, "上部井斜线", CPropListWellPath::kWidthId, "0");
    ExpectLineWidthKept<CPropListPinchOutLine>(map, "砂岩尖灭线", CPropListPinchOutLine::kWidthId, "-1");
}
