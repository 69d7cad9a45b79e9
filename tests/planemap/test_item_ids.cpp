// Every plane list, opened on an object of the kind it shows, gives each of its items its own
// item data: lookups by id, and the switches of the edit handlers, would otherwise reach the
// wrong item. Data 0 marks items that are never looked up and may repeat.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "PlaneListFixture.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObjectArrow.h"
#include "hosttypes/Parsnip/QXObjectBitmap.h"
#include "hosttypes/Parsnip/QXObjectBlock.h"
#include "hosttypes/Parsnip/QXObjectBorder.h"
#include "hosttypes/Parsnip/QXObjectCell.h"
#include "hosttypes/Parsnip/QXObjectCircle.h"
#include "hosttypes/Parsnip/QXObjectColorMark.h"
#include "hosttypes/Parsnip/QXObjectContour.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "hosttypes/Parsnip/QXObjectFinger.h"
#include "hosttypes/Parsnip/QXObjectHint.h"
#include "hosttypes/Parsnip/QXObjectLegend.h"
#include "hosttypes/Parsnip/QXObjectMultiText.h"
#include "hosttypes/Parsnip/QXObjectPoint.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "hosttypes/Parsnip/QXObjectRect.h"
#include "hosttypes/Parsnip/QXObjectScale.h"
#include "hosttypes/Parsnip/QXObjectText.h"
#include "hosttypes/Parsnip/QXObjectWeb.h"
#include "planemap/PropListAppendControlPoint.h"
#include "planemap/PropListArrow.h"
#include "planemap/PropListBorder.h"
#include "planemap/PropListBorderGrid.h"
#include "planemap/PropListBorderLabel.h"
#include "planemap/PropListBound.h"
#include "planemap/PropListColorMark.h"
#include "planemap/PropListContour.h"
#include "planemap/PropListContourFill.h"
#include "planemap/PropListCtrlLine.h"
#include "planemap/PropListEllipse.h"
#include "planemap/PropListFaciesFill.h"
#include "planemap/PropListFaciesLine.h"
#include "planemap/PropListFaultBlock.h"
#include "planemap/PropListFaultLine.h"
#include "planemap/PropListFill.h"
#include "planemap/PropListFinger.h"
#include "planemap/PropListHint.h"
#include "planemap/PropListLegend.h"
#include "planemap/PropListLine.h"
#include "planemap/PropListMultiText.h"
#include "planemap/PropListOilWaterFill.h"
#include "planemap/PropListOilWaterLine.h"
#include "planemap/PropListPicture.h"
#include "planemap/PropListPoint.h"
#include "planemap/PropListPointText.h"
#include "planemap/PropListRect.h"
#include "planemap/PropListRegionFill.h"
#include "planemap/PropListRegionLine.h"
#include "planemap/PropListSandFill.h"
#include "planemap/PropListSandLine.h"
#include "planemap/PropListScale.h"
#include "planemap/PropListScatteredAppendControlPoint.h"
#include "planemap/PropListScatteredFill.h"
#include "planemap/PropListScatteredLine.h"
#include "planemap/PropListTable.h"
#include "planemap/PropListText.h"
#include "planemap/PropListWeb.h"
#include "planemap/PropListWellNetFill.h"
#include "planemap/PropListWellNetLine.h"
#include "planemap/layers/LayerDataPages.h"
#include "planemap/layers/PropListBoundLayerBound.h"
#include "planemap/layers/PropListCtrlLineLayerData.h"
#include "planemap/layers/PropListCtrlLineLayerLine.h"
#include "planemap/layers/PropListLineLayerLine.h"
#include "planemap/layers/PropListPointLayerPoint.h"
#include "planemap/layers/PropListStratum.h"
#include "planemap/layers/PropListStratumLayerConnection.h"
#include "planemap/layers/PropListStratumLayerStratum.h"
#include "planemap/layers/PropListWellAbsence.h"
#include "planemap/layers/PropListWellBaseLine.h"
#include "planemap/layers/PropListWellLabel.h"
#include "planemap/layers/PropListWellLayerAbsence.h"
#include "planemap/layers/PropListWellLayerBaseLine.h"
#include "planemap/layers/PropListWellLayerName.h"
#include "planemap/layers/PropListWellLayerSymbol.h"
#include "planemap/layers/PropListWellPath.h"
#include "planemap/layers/PropListWellSymbol.h"
#include "hosttypes/Vireo/QXObjectWellGraph.h"
#include "planemap/layers/StratumDataPages.h"

namespace {

// Records each item's data with its name; reports an id met twice.
void CollectIds(CBCGPProp* item, std::map<DWORD_PTR, std::string>& seen, int& items) {
    ++items;
    const DWORD_PTR id = item->GetData();
    const std::string name = item->GetName().GetString();
    if (id != 0) {
        auto [at, fresh] = seen.emplace(id, name);
        EXPECT_TRUE(fresh) << "id " << id << " held by \"" << at->second << "\" and \"" << name << "\"";
    }
    for (int i = 0; i < item->GetSubItemsCount(); ++i) CollectIds(item->GetSubItem(i), seen, items);
}

template <class List>
void ExpectUniqueIds(CObject* object, const char* list) {
    SCOPED_TRACE(list);
    ASSERT_NE(nullptr, object);
    planetest::OpenList<List> open(object);
    CBCGPPropList& grid = open.list().GetPropList();
    std::map<DWORD_PTR, std::string> seen;
    int items = 0;
    for (int i = 0; i < grid.GetPropertyCount(); ++i) CollectIds(grid.GetProperty(i), seen, items);
    EXPECT_GT(items, 1);
}

CQXObjectPolyline* Line(parsnip::MapFixture& map, const char* typeName, CQXLayer* layer = nullptr) {
    return map.AddPolyline(typeName, {{0, 0}, {3, 4}}, layer);
}
CQXObjectFill* Area(parsnip::MapFixture& map, const char* typeName, CQXLayer* layer = nullptr) {
    return map.AddFill(typeName, {{0, 0}, {4, 0}, {4, 3}, {0, 3}}, layer);
}

CQXObjectBlock* FaultBlock(parsnip::MapFixture& map) {
    auto* block = map.Add<CQXObjectBlock>("断层", map.AddLayer("断层", "断层"));
    for (const char* part : {"上盘", "下盘"}) {
        auto* wall = new CQXObjectLine;
        wall->SetTypeName(part);
        block->AddObject(wall);
    }
    auto* zone = new CQXObjectFill;
    zone->SetTypeName("断层多边形");
    block->AddObject(zone);
    return block;
}

}  // namespace

TEST(PlaneItemIds, NoTwoItemsOfAListShareAnId) {
    parsnip::MapFixture map;
    CQXLayer* facies = map.AddLayer("沉积相", "沉积相线");
    CQXLayer* scattered = map.AddLayer("离散属性", "离散属性边界线");
    CQXLayer* zoneLines = map.AddLayer("沙二1油水边界线", "油水边界");
    CQXLayer* sand = map.AddLayer("砂体", "砂体");
    CQXLayer* points = map.AddLayer("井点标注", "点");

    ExpectUniqueIds<CPropListLine>(Line(map, "道路"), "line");
    ExpectUniqueIds<CPropListBound>(Line(map, "边界线"), "bound");
    ExpectUniqueIds<CPropListCtrlLine>(Line(map, "控制线"), "control line");
    ExpectUniqueIds<CPropListWellNetLine>(Line(map, "连通井网线"), "well-net line");
    ExpectUniqueIds<CPropListFaultLine>(Line(map, "上盘"), "fault line");
    ExpectUniqueIds<CPropListFaciesLine>(Line(map, "沉积相线", facies), "facies line");
    ExpectUniqueIds<CPropListScatteredLine>(Line(map, "离散属性边界线", scattered), "scattered line");
    ExpectUniqueIds<CPropListOWLine>(Line(map, "油水边界线", zoneLines), "oil-water line");
    ExpectUniqueIds<CPropListRegionLine>(Line(map, "区域边界线"), "region line");
    ExpectUniqueIds<CPropListSandLine>(Line(map, "砂体实线边界", sand), "sand line");

    ExpectUniqueIds<CPropListFill>(Area(map, "区块"), "fill");
    ExpectUniqueIds<CPropListContourFill>(Area(map, "等值线填充"), "contour fill");
    ExpectUniqueIds<CPropListFaciesFill>(Area(map, "沉积相填充", facies), "facies fill");
    ExpectUniqueIds<CPropListScatteredFill>(Area(map, "离散属性填充", scattered), "scattered fill");
    ExpectUniqueIds<CPropListSandFill>(Area(map, "砂体填充", sand), "sand fill");
    ExpectUniqueIds<CPropListOWFill>(Area(map, "油水填充"), "oil-water fill");
    ExpectUniqueIds<CPropListRegionFill>(Area(map, "区域填充"), "region fill");
    ExpectUniqueIds<CPropListWellNetFill>(Area(map, "连通井网区"), "well-net fill");

    ExpectUniqueIds<CPropListPoint>(map.AddPoint("井点", {1, 2}), "point");
    ExpectUniqueIds<CPropListAppendControlPoint>(map.AddPoint("虚拟井", {1, 2}, facies), "control point");
    ExpectUniqueIds<CPropListScatteredAppendControlPoint>(map.AddPoint("虚拟井", {1, 2}, scattered),
                                                          "scattered control point");
    ExpectUniqueIds<CPropListText>(map.AddText("标题", "东营凹陷", {5, 9}), "text");
    ExpectUniqueIds<CPropListPointText>(map.AddText("数值", "12.345", {1, 2}, points), "point text");
    ExpectUniqueIds<CPropListMultiText>(map.Add<CQXObjectMultiText>("说明"), "multi-line text");
    ExpectUniqueIds<CPropListHint>(map.Add<CQXObjectHint>("注释"), "hint");
    ExpectUniqueIds<CPropListPicture>(map.Add<CQXObjectBitmap>("图片"), "picture");

    auto* contour = map.Add<CQXObjectContour>("等值线");
    ExpectUniqueIds<CPropListContour>(contour, "contour");
    ExpectUniqueIds<CPropListFaultBlock>(FaultBlock(map), "fault block");

    ExpectUniqueIds<CPropListColorMark>(map.Add<CQXObjectColorMark>("色标"), "colour mark");
    ExpectUniqueIds<CPropListFinger>(map.Add<CQXObjectFinger>("指北针"), "compass");
    ExpectUniqueIds<CPropListLegend>(map.Add<CQXObjectLegend>("图例"), "legend");
    ExpectUniqueIds<CPropListScale>(map.Add<CQXObjectScale>("比例尺"), "scale");
    auto* table = map.Add<CQXObjectCell>("表格");
    table->CreateCells(2, 2);
    ExpectUniqueIds<CPropListTable>(table, "table");
    ExpectUniqueIds<CPropListWeb>(map.Add<CQXObjectWeb>("网格"), "web");
    ExpectUniqueIds<CPropListArrow>(map.Add<CQXObjectArrow>("箭头"), "arrow");
    ExpectUniqueIds<CPropListRect>(map.Add<CQXObjectRect>("矩形"), "rectangle");
    ExpectUniqueIds<CPropListEllipse>(map.Add<CQXObjectCircle>("椭圆"), "ellipse");

    // Both grids drawn, so the grid and label pages hold both settings groups.
    auto* border = map.Add<CQXObjectBorder>("边框");
    border->SetDrawGraticule(1);
    border->SetDrawKilometerGrid(1);
    map.Select(border);
    ExpectUniqueIds<CPropListBorder>(border, "border frame page");
    ExpectUniqueIds<CPropListBorderGrid>(border, "border grid page");
    ExpectUniqueIds<CPropListBorderLabel>(border, "border label page");
}

TEST(PlaneItemIds, NoTwoItemsOfALayerPageShareAnId) {
    parsnip::MapFixture map;
    CQXLayer* ctrl = map.AddLayer("控制线", "控制线");
    CQXLayer* points = map.AddLayer("点", "点");
    CQXLayer* wells = map.AddLayer("井位", "井位");
    ExpectUniqueIds<CPropListCtrlLineLayerData>(ctrl, "control-line data page");
    ExpectUniqueIds<CPropListCtrlLineLayerLine>(ctrl, "control-line page");
    ExpectUniqueIds<CPropListBoundLayerBound>(map.AddLayer("边界", "边界"), "boundary page");
    ExpectUniqueIds<CPropListLineLayerLine>(map.AddLayer("线", "线"), "line page");
    ExpectUniqueIds<CPropListPointLayerPoint>(points, "point page");
    ExpectUniqueIds<CPropListWellLayerData>(wells, "well data page");
    ExpectUniqueIds<CPropListWellLayerName>(wells, "well name page");
    ExpectUniqueIds<CPropListWellLayerSymbol>(wells, "well symbol page");
    ExpectUniqueIds<CPropListWellLayerBaseLine>(wells, "well-row page");
    ExpectUniqueIds<CPropListWellLayerAbsence>(wells, "absence page");
    CQXLayer* sections = map.AddLayer("剖面", "剖面");
    ExpectUniqueIds<CPropListStratumLayerStratum>(sections, "stratum-section page");
    ExpectUniqueIds<CPropListStratumLayerConnection>(sections, "connection page");
}

TEST(PlaneItemIds, NoTwoItemsOfAWellListShareAnId) {
    parsnip::MapFixture map;
    CQXLayer* wells = map.AddLayer("井位", "井位");
    ExpectUniqueIds<CPropListWellSymbol>(map.AddPoint("井位", {1, 1}, wells), "well symbol");
    ExpectUniqueIds<CPropListWellAbsence>(map.AddPoint("缺失标志", {1, 1}, wells), "absence mark");
    ExpectUniqueIds<CPropListWellBaseLine>(Line(map, "井排基线", wells), "well-row line");
    ExpectUniqueIds<CPropListWellPath>(Line(map, "上部井斜线", wells), "trajectory");
    ExpectUniqueIds<CPropListWellLabel>(map.AddText("井名", "W1", {1, 1}, wells), "well label");
    ExpectUniqueIds<CPropListStratum>(map.Add<CQXObjectWellGraph>("井柱", wells), "stratum well graph");
}
