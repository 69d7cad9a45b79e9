#include "PlaneMapDemo.h"

#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "WindowPrinter.h"
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
namespace {

std::string Num(double v) {
    std::ostringstream s;
    s << v;
    return s.str();
}

// Multi-line strings print on one line.
std::string OneLine(const CString& text) {
    std::string s = text.GetString();
    for (std::size_t at = s.find('\n'); at != std::string::npos; at = s.find('\n', at + 2)) s.replace(at, 1, "\\n");
    return s;
}

std::string Describe(CQXObject* object) {
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

std::string PenText(const QXLOGPEN& pen) {
    std::ostringstream out;
    out << "线型=" << pen.style << " 线宽=" << pen.width << " 颜色=0x" << std::hex << pen.color << std::dec;
    return out.str();
}

// A layer's name and kind, and the values its sheet edits.
std::string DescribeLayer(CQXLayer* layer) {
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

// ---- the session ---------------------------------------------------------------------------------
// One thing the user does in the open window, on the item with that data.
struct Action {
    enum Kind { kType, kPick, kPickNth, kColour, kTab, kPrintWindow, kPrint, kAside, kAsideLayer, kRename, kReselect };
    Kind kind;
    DWORD_PTR item = 0;
    std::string text;  // typed text, option, or the note of an aside
    int number = 0;    // option index or tab
    COLORREF colour = 0;
    CQXObject* object = nullptr;  // the object an aside describes
    CQXLayer* layer = nullptr;    // the layer an aside describes
};

Action Act(Action::Kind kind, DWORD_PTR item = 0, const char* text = "", int number = 0, COLORREF colour = 0,
           CQXObject* object = nullptr) {
    return {kind, item, text, number, colour, object};
}
Action Type(DWORD_PTR item, const char* text) { return Act(Action::kType, item, text); }
Action Pick(DWORD_PTR item, const char* option) { return Act(Action::kPick, item, option); }
Action PickNth(DWORD_PTR item, int k) { return Act(Action::kPickNth, item, "", k); }
Action Colour(DWORD_PTR item, COLORREF colour) { return Act(Action::kColour, item, "", 0, colour); }
// Chooses a tab of the open sheet and announces the object again; later actions use its grid.
Action Tab(int page) { return Act(Action::kTab, 0, "", page); }
// Prints the whole open window.
Action PrintWindow() { return Act(Action::kPrintWindow); }
// Describes the selected objects.
Action Print() { return Act(Action::kPrint); }
// Describes another object after a note in brackets.
Action Aside(const char* note, CQXObject* object) { return Act(Action::kAside, 0, note, 0, 0, object); }
// Describes a layer after a note in brackets.
Action AsideLayer(const char* note, CQXLayer* layer) {
    Action action = Act(Action::kAsideLayer, 0, note);
    action.layer = layer;
    return action;
}

// Clicks the template item's "..." button; the template editor renames the template to the text.
Action RenameTemplate(DWORD_PTR item, const char* newName) { return Act(Action::kRename, item, newName); }
// Announces the layer's first selected object again, as the host does after an edit replaced it.
Action Reselect() { return Act(Action::kReselect); }

// One row of the session: an optional heading ("== ") and caption ("-- "), the objects selected
// (the first one's window is opened and printed), then the actions in order.
struct Step {
    const char* heading;
    const char* caption;
    std::vector<CQXObject*> select;
    std::vector<Action> actions;
    CQXLayer* layer = nullptr;  // a layer opened instead of objects
};

// The layers, each opened through its sheet: renames taken, warned about and refused, then the
// pens, fills, point symbol and label place edited on the second tab.
std::vector<Step> LayerSteps(SampleMap& s) {
    using BoundData = CPropListBoundLayerData;
    using Bound = CPropListBoundLayerBound;
    using CtrlLine = CPropListCtrlLineLayerLine;
    using LineData = CPropListLineLayerData;
    using Lines = CPropListLineLayerLine;
    using Points = CPropListPointLayerPoint;
    // clang-format off
    return {
        {"layers: the boundary layer; rename it 边界/北 (warned: no file name), then 北边界 (the control lines follow)",
            nullptr, {}, {Type(BoundData::kLayerNameId, "边界/北"), Print(),
                          Type(BoundData::kLayerNameId, "北边界"), Print(),
                          AsideLayer("the control-line layer", s.ctrlLayer)}, s.boundLayer},
        {"on its 边界 tab type 1.5 into 粗细 and choose blue", nullptr, {},
            {Tab(1), Type(Bound::kWidthId, "1.5"), Colour(Bound::kColorId, RGB(0, 0, 255)), PrintWindow(), Print()},
            s.boundLayer},
        {"the control-line layer: its related layers; on 控制线 type 0.5 into 粗细, then pick 否 for 显示", nullptr, {},
            {Tab(1), Type(CtrlLine::kWidthId, "0.5"), Pick(CtrlLine::kVisibleId, "否"), PrintWindow(), Print()},
            s.ctrlLayer},
        {"the line layer: rename it 北边界 (refused: the boundary layer has that name) and 线路 (its own name "
         "again is refused silently afterwards)", nullptr, {},
            {Type(LineData::kLayerNameId, "北边界"), Print(), Type(LineData::kLayerNameId, "线路"),
             Type(LineData::kLayerNameId, "线路"), Print()}, s.lineLayer},
        {"on its 线 tab type 2 into 粗细, -1 (refused), and choose a green fill colour for every line", nullptr, {},
            {Tab(1), Type(Lines::kWidthId, "2"), Type(Lines::kWidthId, "-1"),
             Colour(Lines::kFillColorId, RGB(0, 160, 0)), PrintWindow(), Print()}, s.lineLayer},
        {"the point layer: on 点 type 2.5 into the symbol's 大小, 30 into 旋转角, pick 左下 for 位置", nullptr, {},
            {Tab(1), Type(Points::kSymbolSizeId, "2.5"), Type(Points::kAngleId, "30"), Pick(Points::kPlaceId, "左下"),
             PrintWindow(), Print()}, s.pointLayer},
        {"the general layer: rename it 注记2", nullptr, {},
            {Type(CPropListGeneralLayerData::kLayerNameId, "注记2"), Print()}, s.generalLayer},
        {"the well-net layer: on 连通井网线 pick 简单样式 for 结束样式 (every polyline), type 0 into 尺寸 (nothing); "
         "on 连通井网区 pick 否 for 显示", nullptr, {},
            {Tab(1), Pick(CPropListWellNetLayerLine::kEndArrowId, "简单样式"),
             Type(CPropListWellNetLayerLine::kArrowLengthId, "0"), PrintWindow(), Tab(2),
             Pick(CPropListWellNetLayerFill::kVisibleId, "否"), PrintWindow(), Print()}, s.wellNetLayer},
        {"the fault layer: on 断层线 type 0.25 into 下盘宽度 (also the plane options), pick 否 for 断裂带填充", nullptr, {},
            {Tab(1), Type(CPropListFaultLayerLine::kDnWidthId, "0.25"), Pick(CPropListFaultLayerLine::kZoneFillId, "否"),
             PrintWindow(), Print()}, s.faults},
        {"the stratum map: on 线 type 0.6 into the pinch-out lines' 粗细; on 填充 choose red for 储量面积's 填充色",
            nullptr, {},
            {Tab(1), Type(CPropListStratumMapLayerLine::kPinchOutWidthId, "0.6"), PrintWindow(), Tab(2),
             Colour(CPropListStratumMapLayerFill::kStoreFillColorId, RGB(255, 0, 0)), PrintWindow(), Print()},
            s.stratumMap},
        {"a pinch-out line of the stratum map: pick 反向 for 尖灭方向 (both selected lines reversed)", nullptr,
            {s.pinchOut1, s.pinchOut2}, {Pick(CPropListPinchOutLine::kDirectionId, "反向"), PrintWindow(), Print()}},
    };
    // clang-format on
}

// The line and fill layer families, each opened as a layer with every tab shown and a line width
// typed on its line tab.
std::vector<Step> FamilyLayerSteps(SampleMap& s) {
    // clang-format off
    return {
        {"layer families: the contour layer; on 等值线 type 0.3 into 粗细, then show 等值线区域", nullptr, {},
            {Tab(1), Type(CPropListContourLayerLine::kWidthId, "0.3"), PrintWindow(), Tab(2), PrintWindow(), Print()},
            s.contourLayer},
        {"the facies layer; on 沉积相线 type 0.4 into 粗细, then show 虚拟井", nullptr, {},
            {Tab(1), Type(CPropListFaciesLayerLine::kWidthId, "0.4"), PrintWindow(), Tab(2), PrintWindow(), Print()},
            s.facies},
        {"the scattered layer; on 离散属性边界线 type 0.4 into 粗细, then show 虚拟井", nullptr, {},
            {Tab(1), Type(CPropListScatteredLayerLine::kWidthId, "0.4"), PrintWindow(), Tab(2), PrintWindow(),
             Print()}, s.scattered},
        {"the sand layer; on its line tab type 0.5 into 粗细", nullptr, {},
            {Tab(1), Type(CPropListSandLayerLine::kWidthId, "0.5"), PrintWindow(), Print()}, s.sand},
        {"the oil-water layer; on its line tab type 0.6 into 粗细", nullptr, {},
            {Tab(1), Type(CPropListOilWaterLayerLine::kWidthId, "0.6"), PrintWindow(), Print()}, s.zoneLines},
        {"the region layer; on its line tab type 0.6 into 粗细", nullptr, {},
            {Tab(1), Type(CPropListRegionLayerLine::kWidthId, "0.6"), PrintWindow(), Print()}, s.regionLayer},
    };
    // clang-format on
}

// The well layer and its objects, the stratum-section layer and its well graphs.
std::vector<Step> WellSteps(SampleMap& s) {
    using Symbol = CPropListWellSymbol;
    using Label = CPropListWellLabel;
    using Path = CPropListWellPath;
    using Names = CPropListWellLayerName;
    using Symbols = CPropListWellLayerSymbol;
    using Rows = CPropListWellLayerBaseLine;
    using Sections = CPropListStratumLayerStratum;
    // clang-format off
    return {
        {"wells: select the 井口 and the 井底; choose a green inner colour (only the 井口 takes it)", nullptr,
            {s.wellHead, s.wellBottom}, {Colour(Symbol::kInnerColorId, RGB(0, 160, 0)), Print()}},
        {"select the 井位 symbol alone; type 2.4 into 符号/大小", nullptr, {s.wellSymbol},
            {Type(Symbol::kSizeId, "2.4"), Print()}},
        {"select both absence marks; type 0.8 into 大小", nullptr, {s.absence, s.absence2},
            {Type(CPropListWellAbsence::kSizeId, "0.8"), Print()}},
        {"select the well-row base line", nullptr, {s.baseLine}, {}},
        {"select both labels; type 9 into 字型/大小", nullptr, {s.wellLabel1, s.wellLabel2},
            {Type(Label::kSizeId, "9"), Print()}},
        {"select the 直1 label; type -12.5 into 横坐标, 直井1 into 文本", nullptr, {s.wellLabel1},
            {Type(Label::kXId, "-12.5"), Type(Label::kTextId, "直井1"), Print()}},
        {"select the vertical well's trajectory; pick 直线 (nothing changes)", nullptr, {s.verticalPath},
            {Pick(Path::kTrackModeId, "直线"), Print()}},
        {"select the inclined well's trajectory; pick 直线: a new line replaces it; reselect it", nullptr,
            {s.inclinedPath}, {Pick(Path::kTrackModeId, "直线"), Reselect(), Type(Path::kWidthId, "0.35"), Print()}},
        {"the well layer's sheet: on 井名 pick 中号 for 大小模板, then rename it by ...", nullptr, {},
            {Tab(1), Pick(Names::kSizeTemplateId, "中号"), RenameTemplate(Names::kSizeTemplateId, "中号井名"),
             PrintWindow(), Print()}, s.wellLayer},
        {"on 井符号 rename the inner-colour template by ... (the border colour named it too)", nullptr, {},
            {Tab(2), RenameTemplate(Symbols::kSymbolInnerTemplateId, "深蓝"), PrintWindow(), Print()}, s.wellLayer},
        {"on 井排线 type -0.75 into 纵向偏移 and -0.75 into 粗细 (refused)", nullptr, {},
            {Tab(3), Type(Rows::kOffsetId, "-0.75"), Type(Rows::kBaseWidthId, "-0.75"), PrintWindow(), Print()},
            s.wellLayer},
        {"and its 缺失标志 page", nullptr, {}, {Tab(4), PrintWindow()}, s.wellLayer},
        {"the stratum-section layer: on 层段剖面 type 4 into 纵向比例 1：", nullptr, {},
            {Tab(1), Type(Sections::kDepthScaleId, "4"), PrintWindow(), Print()}, s.sectionLayer},
        {"and its 连通线 page", nullptr, {}, {Tab(2), PrintWindow()}, s.sectionLayer},
        {"select the well column; pick 2 for 起始小层", nullptr, {s.column},
            {Pick(CPropListStratum::kStartId, "2"), Print()}},
        {"select the well graph; type 0.5 into 粗细", nullptr, {s.wellGraph},
            {Type(CPropListStratum::kWidthId, "0.5"), Print()}},
    };
    // clang-format on
}

// The chart layer: both tabs and the symbols after each step; a symbol and the axes edited, then
// the shape, the property count, a colour control point and the source changed.
std::vector<Step> PieSteps(SampleMap& s) {
    using Pie = CPropListPie;
    using Axes = CPropListCoordinate;
    using Data = CPropListPieLayerData;
    using Show = CPropListPieLayerObj;
    const std::vector<Action> bothTabs = {Tab(1), Tab(0), PrintWindow(), Print()};
    auto then = [&bothTabs](std::vector<Action> actions) {
        actions.insert(actions.end(), bothTabs.begin(), bothTabs.end());
        return actions;
    };
    // clang-format off
    return {
        {"the chart layer 产量饼图: its 数据 and 显示 tabs and its symbols", nullptr, {}, bothTabs, s.pieLayer},
        {"select the current-state symbol with the gapped bars; choose a blue font, type 6 into 半径 and -2 into "
         "X偏移 (refused)", nullptr, {s.pieState, s.pieBars},
            {Colour(Pie::kFontColorId, RGB(0, 0, 255)), Type(Pie::kRadiusId, "6"), Type(Pie::kXMoveId, "-2"), Print(),
             AsideLayer("the chart layer", s.pieLayer)}},
        {"select the axes; type 80 into X 最小值 (refused), 25 into X 分隔数, pick 否 for Y 显示", nullptr, {s.pieAxes},
            {Type(Axes::kXMinId, "80"), Type(Axes::kXDivisionId, "25"), Pick(Axes::kYLabelShowId, "否"),
             PrintWindow(), Print()}},
        {"the chart layer: pick 饼状图(半圆) and 4 properties, make 属性2 a colour control point, colour 属性4 red",
            nullptr, {},
            then({Pick(Data::kShapeId, "饼状图(半圆)"), Pick(Data::kCountId, "4"), Pick(Data::kFirstControlId + 1, "是"),
                  Colour(Data::kFirstColorId + 3, RGB(255, 0, 0))}), s.pieLayer},
        {"on 显示 type -7 into X偏移 and 2 into 上半圆半径", nullptr, {},
            then({Tab(1), Type(Show::kXMoveId, "-7"), Type(Show::kUpRadiusId, "2")}), s.pieLayer},
        {"on 数据 pick 散点数据: the layer's symbols go and the layer starts afresh", nullptr, {},
            then({Pick(Data::kSourceId, "散点数据")}), s.pieLayer},
    };
    // clang-format on
}

std::vector<Step> SessionSteps(SampleMap& s) {
    using Line = CPropListLine;
    using Text = CPropListText;
    using PointText = CPropListPointText;
    // clang-format off
    std::vector<Step> steps = {
        {"select both roads; type 1.5 into 线型/粗细; pick 是 for 闭合", nullptr, {s.road1, s.road2},
            {Type(Line::kPenWidthId, "1.5"), Pick(Line::kClosedId, "是"), Print(),
             Aside("the river keeps its pen", s.river)}},
        {"select the straight road alone; type 10 into 长度", nullptr, {s.road1},
            {Type(Line::kLengthId, "10"), Print()}},
        {"select a road and the title together: a mixed selection disables the list", nullptr, {s.road1, s.title},
            {}},
        {"select the title; type 12 into 大小, 90 into 旋转角, pick 居中 for 横向对齐", nullptr, {s.title},
            {Type(Text::kSizeId, "12"), Type(Text::kAngleId, "90"), Pick(Text::kHAlignId, "居中"), Print()}},
        {"select both wells; choose a red inner colour", nullptr, {s.well1, s.well2},
            {Colour(CPropListPoint::kInnerColorId, RGB(255, 0, 0)), Print()}},
        {"select the well label; pick 1 for 小数位数 and 左下 for 位置", nullptr, {s.label},
            {Pick(PointText::kDecimalsId, "1"), Pick(PointText::kPlaceId, "左下"), Print()}},
        {"select the block; pick 否 for 填充/背景透明", nullptr, {s.area},
            {Pick(kPlaneFillTransparentId, "否"), Print()}},
        {"select the note; pick 纵向 for 文本方向", nullptr, {s.note},
            {Pick(CPropListMultiText::kDirectionId, "纵向"), Print()}},
        {"select the hint; pick 风格3", nullptr, {s.hint},
            {Pick(CPropListHint::kStyleId, "风格3"), Print()}},
        {"select the photo; type 90 into 旋转角", nullptr, {s.photo},
            {Type(CPropListPicture::kRotationId, "90"), Print()}},
        {"select the inset map; type 1.5 into 显示比例", nullptr, {s.inset},
            {Type(CPropListPicture::kScaleId, "1.5"), Print()}},
        {"select the border: its sheet 边框 / 格网 / 标注; pick 方里网 on 格网, then open 标注", nullptr, {s.border},
            {Tab(1), Pick(CPropListBorderGrid::kGridTypeId, "方里网"), Tab(2), PrintWindow(), Print()}},
    };
    const char* heading = "the other map furniture, each in its own list";
    for (const auto& [caption, object] : s.furniture) {
        steps.push_back({heading, caption, {object}, {}});
        heading = nullptr;
    }
    const std::vector<Step> rest = {
        {"the geology: a contour, its fill, a fault and its block, facies, a control line and a bound", nullptr,
            {s.contour}, {Type(CPropListContour::kValueId, "1600"), Print()}},
        {nullptr, nullptr, {s.contourFill}, {}},
        {nullptr, nullptr, {s.hangingWall}, {}},
        {nullptr, nullptr, {s.fault}, {}},
        {nullptr, nullptr, {s.faciesLine}, {PickNth(CPropListFaciesLine::kCodeId, 0), Print()}},
        {nullptr, nullptr, {s.faciesArea}, {}},
        {nullptr, nullptr, {s.faciesWell}, {}},
        {nullptr, nullptr, {s.controlLine}, {}},
        {nullptr, nullptr, {s.bound}, {}},
        {"boundaries: oil-water zones with their line layer; pick 油区 for a zone", nullptr, {s.zoneLine}, {}},
        {nullptr, nullptr, {s.zone}, {Pick(zonelist::kZoneTypeId, "油区"), Print()}},
        {"boundaries: regions, sand bodies, scattered data and the well net", nullptr, {s.regionLine}, {}},
        {nullptr, nullptr, {s.region}, {}},
        {nullptr, nullptr, {s.sandLine}, {}},
        {nullptr, nullptr, {s.sandArea}, {}},
        {nullptr, nullptr, {s.scatteredLine}, {}},
        {nullptr, nullptr, {s.scatteredArea}, {}},
        {nullptr, nullptr, {s.scatteredWell}, {}},
        {nullptr, nullptr, {s.wellNetLine}, {}},
        {nullptr, nullptr, {s.wellNetArea}, {}},
    };
    // clang-format on
    steps.insert(steps.end(), rest.begin(), rest.end());
    const std::vector<Step> layers = LayerSteps(s);
    steps.insert(steps.end(), layers.begin(), layers.end());
    const std::vector<Step> wells = WellSteps(s);
    steps.insert(steps.end(), wells.begin(), wells.end());
    const std::vector<Step> pies = PieSteps(s);
    steps.insert(steps.end(), pies.begin(), pies.end());
    const std::vector<Step> families = FamilyLayerSteps(s);
    steps.insert(steps.end(), families.begin(), families.end());
    return steps;
}

class Session {
public:
    Session(parsnip::MapFixture& map, CWnd& frame, CWnd& view, std::ostream& out)
        : map_(map), frame_(frame), view_(view), out_(out) {}
    ~Session() { Close(); }

    void Run(const Step& step) {
        if (step.heading) out_ << "\n== " << step.heading << "\n";
        if (step.caption) out_ << "-- " << step.caption << "\n";
        const std::size_t messages = platform::Responder::Instance().MessageBoxes().size();
        if (step.layer)
            OpenLayer(step.layer);
        else
            Select(step.select);
        for (const Action& action : step.actions) Do(action);
        const auto& boxes = platform::Responder::Instance().MessageBoxes();
        for (std::size_t i = messages; i < boxes.size(); ++i) out_ << "  [message] " << boxes[i].text << "\n";
    }
    void Close() {
        if (window_) platform::DestroyAndDelete(window_);
        window_ = nullptr;
    }

private:
    // Selects objects (in order), opens the first one's window and announces it as the host does.
    void Select(const std::vector<CQXObject*>& objects) {
        for (CQXObject* o : shown_) map_.ClearSelection(o->GetLayer());
        for (CQXObject* o : objects) map_.Select(o);
        shown_ = objects;
        layer_ = nullptr;
        Close();
        page_ = -1;
        if (objects.empty()) return;
        target_ = objects.front();
        window_ = CPlanePropWndCreator::CreateObjProp(objects.front(), &frame_);
        // A single list is made empty: the host gives it its place.
        if (window_ && !dynamic_cast<CPropWndMgr*>(window_)) platform::ResizeWindow(*window_, 360, 1200);
        Show();
    }
    // Opens the layer's sheet and announces the layer as the host does.
    void OpenLayer(CQXLayer* layer) {
        for (CQXObject* o : shown_) map_.ClearSelection(o->GetLayer());
        shown_.clear();
        layer_ = layer;
        Close();
        page_ = -1;
        target_ = layer;
        window_ = CPlanePropWndCreator::CreateLayerProp(layer, &frame_);
        Show();
    }
    void Show() {
        if (!window_) {
            out_ << "[no window]\n";
            return;
        }
        Announce(*window_);
        hostapp::PrintPropertyWindow(out_, *window_);
    }
    void Announce(CWnd& window) {
        platform::SendSelectionChanged(window, &view_, reinterpret_cast<LPARAM>(target_));
    }
    platform::GridDriver Grid() {
        auto* sheet = dynamic_cast<CPropWndMgr*>(window_);
        CWnd* page = sheet && page_ >= 0 ? sheet->GetPage(page_) : nullptr;
        return platform::GridDriver(hostapp::FindGrid(page ? *page : *window_));
    }
    CBCGPProp* Item(DWORD_PTR id) { return Grid().FindByData(id); }

    void Do(const Action& a) {
        if (!window_) return;
        switch (a.kind) {
            case Action::kType:
                Grid().TypeText(Item(a.item), a.text);
                break;
            case Action::kPick:
                Grid().PickOption(Item(a.item), a.text);
                break;
            case Action::kPickNth:
                Grid().PickOption(Item(a.item), a.number);
                break;
            case Action::kColour:
                Grid().ChooseColor(dynamic_cast<CBCGPColorProp*>(Item(a.item)), a.colour);
                break;
            case Action::kTab:
                if (auto* sheet = dynamic_cast<CPropWndMgr*>(window_)) {
                    platform::ChooseTab(*sheet, a.number);
                    Announce(*sheet);
                    page_ = a.number;
                }
                break;
            case Action::kPrintWindow:
                hostapp::PrintPropertyWindow(out_, *window_);
                break;
            case Action::kPrint:
                for (CQXObject* o : shown_) out_ << "  " << Describe(o) << "\n";
                if (layer_) out_ << "  " << DescribeLayer(layer_) << "\n";
                break;
            case Action::kAside:
                out_ << "  (" << a.text << ") " << Describe(a.object) << "\n";
                break;
            case Action::kAsideLayer:
                out_ << "  (" << a.text << ") " << DescribeLayer(a.layer) << "\n";
                break;
            case Action::kRename: {
                const std::string newName = a.text;
                sorrel::testing::SetEditScript([newName](CStyleTemplate& t) { t.SetName(newName.c_str()); });
                Grid().ClickSecondButton(Item(a.item));
                sorrel::testing::SetEditScript(nullptr);
                break;
            }
            case Action::kReselect:
                if (CQXObject* shown = target_ ? static_cast<CQXObject*>(shown_.empty() ? nullptr : shown_.front())
                                               : nullptr) {
                    if (CQXObject* now = shown->GetLayer()->GetSelectedObject(0)) {
                        shown_ = {now};
                        target_ = now;
                        Announce(*window_);
                        hostapp::PrintPropertyWindow(out_, *window_);
                        out_ << "  " << Describe(now) << "\n";
                    }
                }
                break;
        }
    }

    parsnip::MapFixture& map_;
    CWnd& frame_;
    CWnd& view_;
    std::ostream& out_;
    CWnd* window_ = nullptr;
    int page_ = -1;  // the sheet's page the actions use; -1 for a single list
    std::vector<CQXObject*> shown_;
    CQXLayer* layer_ = nullptr;   // the layer shown, when a layer's sheet is open
    CObject* target_ = nullptr;   // what the host announces to the window
};

}  // namespace

void RunPlaneMapDemo(CWnd& frame, CWnd& view, std::ostream& out) {
    SampleMap sample;
    Session session(sample.map, frame, view, out);
    for (const Step& step : SessionSteps(sample)) session.Run(step);
    session.Close();
}

}  // namespace demo
