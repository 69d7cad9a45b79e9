// The plane-map sample of the demo host: a map with a layer of every object kind the plane lists
// show and layers of the kinds whose sheets are built, and the lines that describe an object's and
// a layer's values. The demo's session and the sweep test open them.
#pragma once

#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "bcg/ColorProp.h"
#include "driver/GridDriver.h"
#include "driver/SheetDriver.h"
#include "framework/PropWndMgr.h"
#include "hostlibs/Moraine/MoraineTesting.h"
#include "driver/Responder.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hosttypes/Moraine/BoundLayer.h"
#include "hosttypes/Moraine/CtrlLineLayer.h"
#include "hosttypes/Moraine/LineLayer.h"
#include "hosttypes/Moraine/PieLayer.h"
#include "hosttypes/Moraine/PlaneOption.h"
#include "hosttypes/Moraine/PointLayer.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObjectArrow.h"
#include "hosttypes/Parsnip/QXObjectBitmap.h"
#include "hosttypes/Parsnip/QXObjectBlock.h"
#include "hosttypes/Parsnip/QXObjectBorder.h"
#include "hosttypes/Parsnip/QXObjectCell.h"
#include "hosttypes/Parsnip/QXObjectCircle.h"
#include "hosttypes/Parsnip/QXObjectColorMark.h"
#include "hosttypes/Parsnip/QXObjectContour.h"
#include "hosttypes/Parsnip/QXObjectCoordinate.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "hosttypes/Parsnip/QXObjectFinger.h"
#include "hosttypes/Parsnip/QXObjectHint.h"
#include "hosttypes/Parsnip/QXObjectLegend.h"
#include "hosttypes/Parsnip/QXObjectMultiText.h"
#include "hosttypes/Parsnip/QXObjectPie.h"
#include "hosttypes/Parsnip/QXObjectPoint.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "hosttypes/Parsnip/QXSegment.h"
#include "hosttypes/Parsnip/QXObjectQXM.h"
#include "hosttypes/Parsnip/QXObjectRect.h"
#include "hosttypes/Parsnip/QXObjectScale.h"
#include "hosttypes/Parsnip/QXObjectText.h"
#include "hosttypes/Parsnip/QXObjectWeb.h"
#include "planemap/PropListBorderGrid.h"
#include "planemap/PropListContour.h"
#include "planemap/PropListFaciesLine.h"
#include "planemap/PropListHint.h"
#include "planemap/PropListLine.h"
#include "planemap/PropListMultiText.h"
#include "planemap/PropListPicture.h"
#include "planemap/PropListPoint.h"
#include "planemap/PropListPointText.h"
#include "planemap/PropListText.h"
#include "planemap/SameTypeEdits.h"
#include "planemap/ZoneList.h"
#include "planemap/layers/LayerDataPages.h"
#include "planemap/layers/PlanePropWndCreator.h"
#include "planemap/layers/PropListBoundLayerBound.h"
#include "planemap/layers/PropListCtrlLineLayerData.h"
#include "planemap/layers/PropListCtrlLineLayerLine.h"
#include "planemap/layers/PropListCoordinate.h"
#include "planemap/layers/PropListLineLayerLine.h"
#include "planemap/layers/PropListPie.h"
#include "planemap/layers/PropListPieLayerData.h"
#include "planemap/layers/PropListPieLayerObj.h"
#include "planemap/layers/PropListPointLayerPoint.h"
#include "hostlibs/Osprey/WellStrataTesting.h"
#include "hosttypes/Moraine/StratumLayer.h"
#include "hosttypes/Moraine/WellLayer.h"
#include "hosttypes/Sorrel/TemplateManager.h"
#include "hosttypes/Vireo/QXObjectWellGraph.h"
#include "hosttypes/Zephyr/WpWell.h"
#include "planemap/layers/PropListStratum.h"
#include "planemap/layers/PropListStratumLayerStratum.h"
#include "planemap/layers/PropListWellAbsence.h"
#include "planemap/layers/PropListWellLabel.h"
#include "planemap/layers/PropListWellLayerBaseLine.h"
#include "planemap/layers/PropListWellLayerName.h"
#include "planemap/layers/PropListWellLayerSymbol.h"
#include "planemap/layers/PropListWellPath.h"
#include "planemap/layers/PropListFaultLayerLine.h"
#include "planemap/layers/PropListStratumMapLayerFill.h"
#include "planemap/layers/PropListStratumMapLayerLine.h"
#include "planemap/layers/PropListStratumMapLines.h"
#include "planemap/layers/PropListWellNetLayerFill.h"
#include "planemap/layers/PropListWellNetLayerLine.h"
#include "planemap/layers/PropListAttributeLayerPages.h"
#include "planemap/layers/PropListContourLayerLine.h"
#include "planemap/layers/PropListSandLayerLine.h"
#include "hosttypes/Moraine/FaultLayer.h"
#include "hosttypes/Moraine/WellNetLayer.h"
#include "hosttypes/Parsnip/QXPropertyManager.h"
#include "planemap/layers/PropListWellSymbol.h"

namespace demo {
namespace planesample {


inline std::string Num(double v) {
    std::ostringstream s;
    s << v;
    return s.str();
}

// Multi-line strings print on one line.
inline std::string OneLine(const CString& text) {
    std::string s = text.GetString();
    for (std::size_t at = s.find('\n'); at != std::string::npos; at = s.find('\n', at + 2)) s.replace(at, 1, "\\n");
    return s;
}

inline std::string Describe(CQXObject* object) {
    std::ostringstream out;
    out << object->GetTypeName().GetString() << ": ";
    if (!object->GetName().IsEmpty()) out << "名称=" << object->GetName().GetString() << " ";
    if (auto* contour = dynamic_cast<CQXObjectContour*>(object)) out << "标注=" << contour->GetLabel().GetString() << " ";
    if (auto* line = dynamic_cast<CQXObjectPolyline*>(object)) {
        QXLOGPEN pen;
        line->GetLogPen(&pen);
        out << "闭合=" << line->IsClosed() << " 线宽=" << pen.width << " 点=";
        for (int i = 0; i < line->GetPointCount(); ++i) {
            FLOATPOINT p;
            line->GetPoint(i, p);
            out << "(" << Num(p.x) << "," << Num(p.y) << ")";
        }
    } else if (auto* text = dynamic_cast<CQXObjectText*>(object)) {
        QXLOGFONT font;
        text->GetLogFont(&font);
        QXPOINT p;
        text->GetAnchor(&p);
        out << "文本=" << text->GetString().GetString() << " 大小=" << font.size << " 旋转(弧度)=" << Num(text->GetAngle())
            << " 对齐=" << text->GetHorizontalAlign() << "/" << text->GetVerticalAlign() << " 位置=(" << Num(p.x) << ","
            << Num(p.y) << ")";
    } else if (auto* point = dynamic_cast<CQXObjectPoint*>(object)) {
        QXLOGPOINT style;
        point->GetLogPoint(&style);
        QXPOINT p;
        point->GetAnchor(&p);
        out << "点风格=" << style.style << " 大小=" << style.size << " 内部色=0x" << std::hex << style.innerColor << std::dec
            << " 位置=(" << Num(p.x) << "," << Num(p.y) << ")";
    } else if (auto* fill = dynamic_cast<CQXObjectFill*>(object)) {
        QXLOGBRUSH brush;
        fill->GetLogBrush(&brush);
        out << "样式=" << brush.style << " 背景=" << brush.backMode << " 面积=" << Num(fill->GetArea());
    } else if (auto* multi = dynamic_cast<CQXObjectMultiText*>(object)) {
        out << "文本=" << OneLine(multi->GetString()) << " 方向=" << multi->GetDirection();
    } else if (auto* hint = dynamic_cast<CQXObjectHint*>(object)) {
        out << "风格=" << hint->GetStyle() << " 文本=" << hint->GetString().GetString();
    } else if (auto* bitmap = dynamic_cast<CQXObjectBitmap*>(object)) {
        out << "来源=" << bitmap->GetFileName().GetString() << " 旋转(弧度)=" << Num(bitmap->GetAngle());
    } else if (auto* qxm = dynamic_cast<CQXObjectQXM*>(object)) {
        out << "来源=" << qxm->GetFileName().GetString() << " 比例=" << Num(qxm->GetFactor());
    } else if (auto* border = dynamic_cast<CQXObjectBorder*>(object)) {
        out << "经纬网=" << border->GetDrawGraticule() << " 方里网=" << border->GetDrawKilometerGrid();
    } else if (auto* pie = dynamic_cast<CQXObjectPie*>(object)) {
        QXLOGFONT font;
        pie->GetFont(font);
        out << "形状=" << pie->GetShapeType() << " 半径=" << Num(pie->GetRadius()) << " 列宽=" << Num(pie->GetBarWidth())
            << " 条数=" << pie->GetUpPropCount() << " 字大小=" << font.size << " 字色=0x" << std::hex << font.color
            << std::dec << " 底线=" << pie->GetDrawBotLine();
    } else if (auto* axes = dynamic_cast<CQXObjectCoordinate*>(object)) {
        out << "X=" << Num(axes->m_dXMin) << ".." << Num(axes->m_dXMax) << "/" << Num(axes->m_dXDivision)
            << " Y=" << Num(axes->m_dYMin) << ".." << Num(axes->m_dYMax) << "/" << Num(axes->m_dYDivision)
            << " 高度=" << Num(axes->m_dHeight) << " X标签=" << axes->m_nXLabelShow << " 缩放=" << axes->GetAxisXFactor();
    } else if (auto* well = dynamic_cast<CWpWell*>(object)) {
        out << "起始小层=" << well->GetTopUnit().GetString() << " 顶深=" << Num(well->GetTopDepth())
            << " 终止小层=" << well->GetBottomUnit().GetString() << " 底深=" << Num(well->GetBottomDepth())
            << " 边框线宽=" << well->GetBorderPen().width;
    } else if (auto* graph = dynamic_cast<CQXObjectWellGraph*>(object)) {
        QXLOGPEN pen;
        graph->GetHeadLogPen(&pen);
        out << "井号=" << graph->GetTitle().GetString() << " 起始小层=" << graph->GetStartStratum().GetString()
            << " 终止小层=" << graph->GetStopStratum().GetString() << " 线宽=" << pen.width;
    }
    return out.str();
}

inline std::string PenText(const QXLOGPEN& pen) {
    std::ostringstream out;
    out << "线型=" << pen.style << " 线宽=" << pen.width << " 颜色=0x" << std::hex << pen.color << std::dec;
    return out.str();
}

// A layer's name and kind, and the values its sheet edits.
inline std::string DescribeLayer(CQXLayer* layer) {
    std::ostringstream out;
    const CString kind = layer->GetTypeName();
    out << "图层 " << layer->GetName().GetString() << " (" << kind.GetString() << ")";
    if (kind == "边界") {
        QXLOGPEN pen;
        kel::plane::CBoundLayer(layer).GetPen(pen);
        out << ": " << PenText(pen) << "; 选项边界线: " << PenText(kel::plane::CPlaneOption::Instance()->m_BoundPen);
    } else if (kind == "控制线") {
        kel::plane::CCtrlLineLayer ctrl(layer);
        out << ": 显示=" << ctrl.GetVisible() << " 线型=" << ctrl.GetLineStyle() << " 线宽=" << Num(ctrl.GetLineSize())
            << " 关联边界=" << ctrl.GetBoundaryName().GetString() << " 关联断层=" << ctrl.GetFaultName().GetString();
    } else if (kind == "线") {
        QXLOGPEN pen;
        kel::plane::CLineLayer(layer).GetPen(pen);
        out << ": " << PenText(pen) << "; 线的填充色:";
        for (int i = 0; i < layer->GetObjectCount(); ++i)
            if (auto* line = dynamic_cast<CQXObjectLine*>(layer->GetObjectG(i))) {
                QXLOGBRUSH brush;
                line->GetLogBrush(&brush);
                out << " " << line->GetTypeName().GetString() << "=0x" << std::hex << brush.fillColor << std::dec;
            }
    } else if (kind == "点") {
        kel::plane::CPointLayer points(layer);
        QXLOGPOINT symbol;
        points.GetSymbolPoint(&symbol);
        QXLOGFONT font;
        points.GetFont(&font);
        out << ": 点风格=" << symbol.style << " 大小=" << symbol.size << " 字大小=" << font.size
            << " 小数位数=" << points.GetDecimal() << " 旋转(弧度)=" << Num(points.GetAngle())
            << " 对齐=" << points.GetHAlign() << "/" << points.GetVAlign();
    } else if (kind == "饼图") {
        kel::plane::CPieLayer pie(layer);
        out << ": 形状=" << pie.GetShapeType() << " 来源=" << pie.GetDataType() << " 表=" << pie.GetTableName().GetString()
            << " 层=" << pie.GetDataLayer() << " 属性数=" << pie.GetRecordCount() << " 颜色=";
        for (int i = 0; i < pie.GetRecordCount(); ++i)
            out << (i ? "," : "") << "0x" << std::hex << pie.GetColor(i) << std::dec << (pie.GetColorControl(i) ? "*" : "");
        out << " 半径=" << Num(pie.GetRadius()) << " X偏移=" << pie.GetXMove() << "; 符号:";
        for (int i = 0; i < layer->GetObjectCount(); ++i) out << "\n    " << Describe(layer->GetObjectG(i));
    } else if (kind == "井位") {
        kel::plane::CWellLayer wells(layer);
        out << ": 井名大小=" << Num(wells.GetNameSize()) << " 大小模板=" << wells.GetNameSizeTemplate().GetString()
            << " 符号大小=" << Num(wells.GetSymbolSize()) << " 边界色模板="
            << wells.GetSymbolBorderColorTemplate().GetString() << " 内部色模板="
            << wells.GetSymbolInnerColorTemplate().GetString() << " 基线偏移=" << Num(wells.GetBaseLineOffset());
    } else if (kind == "连通井网") {
        kel::plane::CWellNetLayer net(layer);
        out << ": 显示线=" << net.GetLineVisible() << " 显示区=" << net.GetFillVisible() << "; 箭头:";
        for (int i = 0; i < layer->GetObjectCount(); ++i)
            if (auto* line = dynamic_cast<CQXObjectPolyline*>(layer->GetObjectG(i)))
                out << " " << line->GetBegArrow()->GetArrowType() << "/" << line->GetEndArrow()->GetArrowType();
    } else if (kind == "断层") {
        QXLOGPEN down;
        kel::plane::CFaultLayer(layer).GetDnPen(down);
        QXLOGBRUSH zone;
        kel::plane::CFaultLayer(layer).GetBrush(zone);
        out << ": 下盘 " << PenText(down) << " 断裂带样式=" << zone.style << "; 选项下盘线宽="
            << kel::plane::CPlaneOption::Instance()->m_DnPen.width;
    } else if (kind == "小层平面图") {
        QXLOGPEN pen;
        layer->GetPropertyManager()->GetPenProperty("PINCHOUTLINE_PEN", &pen);
        out << ": 尖灭线 " << PenText(pen) << ";";
        for (int i = 0; i < layer->GetObjectCount(); ++i) {
            CQXObject* object = layer->GetObjectG(i);
            if (auto* line = dynamic_cast<CQXObjectPolyline*>(object)) {
                QXLOGPEN own;
                line->GetLogPen(&own);
                int direction = 1;
                line->GetPropertyManager()->GetBoolProperty("PINCHOUT_DIRECTION", direction);
                out << " " << line->GetTypeName().GetString() << "(线宽=" << own.width << " 方向=" << direction << ")";
            } else if (auto* fill = dynamic_cast<CQXObjectFill*>(object)) {
                QXLOGBRUSH brush;
                fill->GetLogBrush(&brush);
                out << " " << fill->GetTypeName().GetString() << "(填充色=0x" << std::hex << brush.fillColor << std::dec
                    << ")";
            }
        }
    } else if (kind == "剖面") {
        kel::plane::CStratumLayer sections(layer);
        out << ": 模板=" << sections.GetStratumTemplate().GetString()
            << " 纵向比例因子=" << Num(sections.GetStratumDepthFactor())
            << " 偏移距离=" << Num(sections.GetStratumVerticalDistance());
    }
    return out.str();
}

// ---- the sample map ------------------------------------------------------------------------------
// Every object the session shows, with the layers and catalogues the lists look them up in.
struct SampleMap {
    parsnip::MapFixture map;
    CQXObjectPolyline* road1 = map.AddPolyline("道路", {{0, 0}, {3, 4}});
    CQXObjectPolyline* road2 = map.AddPolyline("道路", {{10, 0}, {10, 5}, {12, 8}});
    CQXObjectPolyline* river = map.AddPolyline("河流", {{0, 10}, {5, 12}});
    CQXObjectText* title = map.AddText("标题", "东营凹陷", {50, 90});
    CQXObjectPoint* well1 = map.AddPoint("井点", {100.5, 200.25});
    CQXObjectPoint* well2 = map.AddPoint("井点", {120, 210});
    CQXObjectText* label = map.AddText("数值", "12.345", {100.5, 202}, map.AddLayer("井点标注", "点"));
    CQXObjectFill* area = map.AddFill("区块", {{0, 0}, {4, 0}, {4, 3}, {0, 3}});
    CQXObjectMultiText* note = map.Add<CQXObjectMultiText>("说明");
    CQXObjectHint* hint = map.Add<CQXObjectHint>("注释");
    CQXObjectBitmap* photo = map.Add<CQXObjectBitmap>("图片");
    CQXObjectQXM* inset = map.Add<CQXObjectQXM>("插图");
    CQXObjectBorder* border = map.Add<CQXObjectBorder>("边框");
    CQXObjectContour* contour = map.Add<CQXObjectContour>("等值线");
    CQXObjectFill* contourFill = map.AddFill("等值线填充", {{0, 0}, {2, 0}, {2, 2}});
    CQXLayer* faults = map.AddLayer("断层", "断层");
    CQXObjectPolyline* hangingWall = map.AddPolyline("上盘", {{0, 0}, {5, 1}}, faults);
    CQXObjectBlock* fault = map.Add<CQXObjectBlock>("断层", faults);
    CQXLayer* facies = map.AddLayer("沉积相", "沉积相线");
    CQXObjectPolyline* faciesLine = map.AddPolyline("沉积相线", {{0, 0}, {3, 3}, {6, 0}}, facies);
    CQXObjectFill* faciesArea = map.AddFill("沉积相填充", {{0, 0}, {3, 3}, {6, 0}}, facies);
    CQXObjectPoint* faciesWell = map.AddPoint("虚拟井", {3, 1}, facies);
    CQXObjectPolyline* controlLine = map.AddPolyline("控制线", {{0, 0}, {9, 9}});
    CQXObjectPolyline* bound = map.AddPolyline("边界线", {{0, 0}, {9, 0}, {9, 9}});
    CQXLayer* zones = map.AddLayer("沙二1油水");
    CQXLayer* zoneLines = map.AddLayer("沙二1油水边界线", "油水边界");
    CQXObjectPolyline* zoneLine = map.AddPolyline("油水边界线", {{0, 0}, {10, 0}}, zoneLines);
    CQXObjectFill* zone = map.AddFill("油水填充", {{0, 0}, {2, 0}, {2, 3}, {0, 3}}, zones);
    CQXLayer* regions = map.AddLayer("分区");
    CQXLayer* regionLines = map.AddLayer("分区边界线");
    CQXObjectPolyline* regionLine = map.AddPolyline("区域边界线", {{0, 0}, {10, 0}}, regionLines);
    CQXObjectFill* region = map.AddFill("区域填充", {{0, 0}, {2, 0}, {2, 3}}, regions);
    CQXLayer* sand = map.AddLayer("砂体", "砂体");
    CQXObjectPolyline* sandLine = map.AddPolyline("砂体实线边界", {{0, 0}, {4, 4}}, sand);
    CQXObjectFill* sandArea = map.AddFill("砂体填充", {{0, 0}, {4, 0}, {4, 4}}, sand);
    CQXLayer* scattered = map.AddLayer("离散属性", "离散属性边界线");
    CQXObjectPolyline* scatteredLine = map.AddPolyline("离散属性边界线", {{0, 0}, {5, 5}}, scattered);
    CQXObjectFill* scatteredArea = map.AddFill("离散属性填充", {{0, 0}, {5, 0}, {5, 5}}, scattered);
    CQXObjectPoint* scatteredWell = map.AddPoint("虚拟井", {2, 2}, scattered);
    CQXObjectPolyline* wellNetLine = map.AddPolyline("连通井网线", {{0, 0}, {6, 6}});
    CQXObjectFill* wellNetArea = map.AddFill("连通井网区", {{0, 0}, {6, 0}, {6, 6}});
    std::vector<std::pair<const char*, CQXObject*>> furniture;  // caption and object
    // Layers opened as layers: one of each kind whose sheet is built, and two whose sheets come later.
    CQXLayer* boundLayer = map.AddLayer("边界", "边界");
    CQXLayer* ctrlLayer = map.AddLayer("控制线", "控制线");
    CQXLayer* lineLayer = map.AddLayer("线", "线");
    CQXObjectPolyline* lineA = map.AddPolyline("公路", {{0, 0}, {8, 1}}, lineLayer);
    CQXObjectPolyline* lineB = map.AddPolyline("铁路", {{0, 2}, {8, 3}}, lineLayer);
    CQXObjectText* lineNote = map.AddText("注记", "公路", {1, 1}, lineLayer);
    CQXLayer* pointLayer = label->GetLayer();
    CQXLayer* wellNetLayer = map.AddLayer("井网", "连通井网");
    CQXLayer* generalLayer = map.AddLayer("注记", "通用");
    CQXObjectPolyline* wellNetLink = map.AddPolyline("连通井网线", {{0, 0}, {3, 3}}, wellNetLayer);
    // A stratum map: two pinch-out lines (selected), a valid-thickness line, a reservoir fill.
    CQXLayer* stratumMap = map.AddLayer("沙二1", "小层平面图");
    CQXObjectPolyline* pinchOut1 = map.AddPolyline("砂岩尖灭线", {{0, 0}, {2, 5}}, stratumMap);
    CQXObjectPolyline* pinchOut2 = map.AddPolyline("砂岩尖灭线", {{1, 0}, {3, 5}}, stratumMap);
    CQXObjectPolyline* validThick = map.AddPolyline("有效厚度零线", {{0, 1}, {4, 1}}, stratumMap);
    CQXObjectFill* reservoir = map.AddFill("储层面积", {{0, 0}, {4, 0}, {4, 4}}, stratumMap);
    // A well layer: the three symbols, absence marks, a well-row base line, a vertical and an
    // inclined well with their trajectories and their labels; a stratum-section layer beside it
    // with a well column and a well graph.
    CQXLayer* wellLayer = map.AddLayer("井位", "井位");
    CQXObjectPoint* wellSymbol = map.AddPoint("井位", {500, 500}, wellLayer);
    CQXObjectPoint* wellHead = map.AddPoint("井口", {600, 500}, wellLayer);
    CQXObjectPoint* wellBottom = map.AddPoint("井底", {650, 450}, wellLayer);
    CQXObjectPoint* absence = map.AddPoint("缺失标志", {500, 510}, wellLayer);
    CQXObjectPoint* absence2 = map.AddPoint("缺失标志", {600, 510}, wellLayer);
    CQXObjectPolyline* baseLine = map.AddPolyline("井排基线", {{480, 490}, {700, 490}}, wellLayer);
    CQXObjectPolyline* verticalPath = map.AddPolyline("上部井斜线", {{500, 500}, {500, 400}}, wellLayer);
    CQXObjectPolyline* inclinedPath = map.AddPolyline("上部井斜线", {{600, 500}, {650, 450}}, wellLayer);
    CQXObjectText* wellLabel1 = map.AddText("井名", "直1", {500, 520}, wellLayer);
    CQXObjectText* wellLabel2 = map.AddText("井名", "斜1", {600, 520}, wellLayer);
    CQXLayer* sectionLayer = map.AddLayer("剖面", "剖面");
    CWpWell* column = map.Add<CWpWell>("层段剖面", sectionLayer);
    CQXObjectWellGraph* wellGraph = map.Add<CQXObjectWellGraph>("井柱", sectionLayer);
    // A chart layer of well data (the map has wells), its symbols of three shapes and their axes.
    CQXLayer* pieLayer = map.AddLayer("产量饼图", "饼图");
    CQXObjectPie* pieWhole = map.Add<CQXObjectPie>("饼图", pieLayer);
    CQXObjectPie* pieBars = map.Add<CQXObjectPie>("饼图", pieLayer);
    CQXObjectPie* pieState = map.Add<CQXObjectPie>("饼图", pieLayer);
    CQXObjectCoordinate* pieAxes = map.Add<CQXObjectCoordinate>("坐标系", pieLayer);
    // Layers of the line and fill families opened as layers: a contour map and regions beside the
    // facies, scattered, sand and oil-water layers above.
    CQXLayer* contourLayer = map.AddLayer("构造等值线", "等值线");
    CQXObjectContour* contourInLayer = map.Add<CQXObjectContour>("等值线", contourLayer);
    CQXLayer* regionLayer = map.AddLayer("分区界线", "区域边界");
    CQXObjectPolyline* regionInLayer = map.AddPolyline("区域边界线", {{0, 0}, {8, 0}}, regionLayer);

    SampleMap() {
        note->SetString("第一行\n第二行");
        hint->SetString("高产井");
        photo->SetFileName("井场.bmp");
        photo->SetAngle(0.5);
        inset->SetFileName("区域图.qxm");
        inset->SetFactor(2);
        furniture = {{"色标", map.Add<CQXObjectColorMark>("色标")}, {"指北针", map.Add<CQXObjectFinger>("指北针")},
                     {"图例", map.Add<CQXObjectLegend>("图例")},    {"比例尺", map.Add<CQXObjectScale>("比例尺")},
                     {"表格", map.Add<CQXObjectCell>("表格")},      {"网格", map.Add<CQXObjectWeb>("网格")},
                     {"箭头", map.Add<CQXObjectArrow>("箭头")},     {"矩形", map.Add<CQXObjectRect>("矩形")},
                     {"椭圆", map.Add<CQXObjectCircle>("椭圆")}};
        static_cast<CQXObjectCell*>(furniture[4].second)->CreateCells(2, 2);
        contour->SetLabel("1500");
        // A fault block holds both walls and the fault zone.
        for (const char* part : {"上盘", "下盘"}) {
            auto* wall = new CQXObjectLine;
            wall->SetTypeName(part);
            fault->AddObject(wall);
        }
        auto* faultZone = new CQXObjectFill;
        faultZone->SetTypeName("断层多边形");
        fault->AddObject(faultZone);
        // The zone lines' layer keeps the distribution types and the fill of "油区".
        moraine::testing::SetDistributionTypes(zoneLines, {"油区", "水区"});
        QXLOGBRUSH oil;
        oil.style = 1001;
        oil.fillColor = RGB(200, 0, 0);
        zoneLines->GetPropertyManager()->SetBrushProperty("LOGBRUSH_油区", &oil);
        moraine::testing::SetDistributionTypes(regionLines, {"一区", "二区"});
        // The control lines relate to the boundary and fault layers by their names.
        kel::plane::CCtrlLineLayer ctrl(ctrlLayer);
        ctrl.SetBoundaryName("边界");
        ctrl.SetFaultName("断层");
        // The chart symbols: a whole pie, gapped bars and a current-state chart, three records each.
        const int shapes[] = {0, 4, 7};
        CQXObjectPie* pies[] = {pieWhole, pieBars, pieState};
        for (int i = 0; i < 3; ++i) {
            pies[i]->SetShapeType(shapes[i]);
            pies[i]->SetRecordCount(3);
        }
        pieAxes->AddSegment(new CQXSegment(std::vector<FLOATPOINT>{{10, 10}}));
        pieAxes->m_dHeight = 40;
        pieAxes->m_dXMax = 100;
        pieAxes->m_dXDivision = 20;
        pieAxes->m_dYMax = 50;
        pieAxes->m_dYDivision = 10;
        pieAxes->SetAxisXFactor(2);
        kel::plane::CPieLayer chart(pieLayer);
        chart.SetRecordCount(3);
        chart.SetTableName("小层数据表");
        chart.SetDataLayer(0);
        chart.SetRadius(5);
        for (int i = 0; i < 3; ++i) {
            chart.SetRecordName(i, i == 0 ? "砂岩厚度" : i == 1 ? "有效厚度" : "孔隙度");
            chart.SetColor(i, CPropListPieLayerData::DefaultColor(i));
        }
        // The wells: 直1 vertical, 斜1 inclined, with their strata of grade 1.
        wellSymbol->SetName("直1");
        absence->SetName("直1");
        absence->GetPropertyManager()->SetStringProperty("缺失类型", "剥蚀");
        absence2->SetName("斜1");
        absence2->GetPropertyManager()->SetStringProperty("缺失类型", "断失");
        baseLine->SetName("1");
        for (auto [path, name] : {std::pair{verticalPath, "直1"}, std::pair{inclinedPath, "斜1"}}) path->SetName(name);
        wellLabel1->SetName("直1");
        wellLabel2->SetName("斜1");
        WELLPOSITION vertical, inclined;
        vertical.wellName = "直1";
        vertical.x = 500;
        vertical.y = 500;
        inclined.wellName = "斜1";
        inclined.x = 600;
        inclined.y = 500;
        inclined.type = 1;
        osprey::testing::SetWellPositions({vertical, inclined});
        osprey::testing::SetWellStrata(1, "直1", {{"1", 1200, 12}, {"2", 1212, 6}, {"3", 1218, 9}});
        kel::plane::CWellLayer(wellLayer).SetSymbolBorderColorTemplate("蓝色");
        kel::plane::CWellLayer(wellLayer).SetSymbolInnerColorTemplate("蓝色");
        kel::plane::CStratumLayer(sectionLayer).SetStratumTemplate("层段剖面[系统]");
        kel::plane::CPlaneOption::Instance()->m_nStratumGrade = 1;
        column->SetName("直1");
        column->SetUnitClass(1);
        column->SetBottomUnit("3");
        wellGraph->SetTitle("斜1");
        wellGraph->SetStartStratum("1");
    }
};

}  // namespace planesample
}  // namespace demo
