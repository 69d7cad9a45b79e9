#include "PlaneMapDemo.h"

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "WindowPrinter.h"
#include "bcg/ColorProp.h"
#include "driver/GridDriver.h"
#include "driver/SheetDriver.h"
#include "hostlibs/Moraine/MoraineTesting.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObjectBitmap.h"
#include "hosttypes/Parsnip/QXObjectArrow.h"
#include "hosttypes/Parsnip/QXObjectBlock.h"
#include "hosttypes/Parsnip/QXObjectBorder.h"
#include "hosttypes/Parsnip/QXObjectCell.h"
#include "hosttypes/Parsnip/QXObjectCircle.h"
#include "hosttypes/Parsnip/QXObjectColorMark.h"
#include "hosttypes/Parsnip/QXObjectContour.h"
#include "hosttypes/Parsnip/QXObjectFinger.h"
#include "hosttypes/Parsnip/QXObjectLegend.h"
#include "hosttypes/Parsnip/QXObjectRect.h"
#include "hosttypes/Parsnip/QXObjectScale.h"
#include "hosttypes/Parsnip/QXObjectWeb.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "hosttypes/Parsnip/QXObjectHint.h"
#include "hosttypes/Parsnip/QXObjectMultiText.h"
#include "hosttypes/Parsnip/QXObjectPoint.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "hosttypes/Parsnip/QXObjectQXM.h"
#include "hosttypes/Parsnip/QXObjectText.h"
#include "framework/PropWndMgr.h"
#include "planemap/BorderSheet.h"
#include "planemap/PropListAppendControlPoint.h"
#include "planemap/PropListArrow.h"
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

namespace demo {
namespace {

// The host's choice of window for an object: the class first (the first matching row wins),
// then, for some classes, the type name or the layer's type name.
template <class T>
bool Is(CQXObject* object) {
    return object->IsKindOf(RUNTIME_CLASS(T));
}

bool TypeIs(CQXObject* object, std::initializer_list<const char*> names) {
    for (const char* name : names)
        if (object->GetTypeName() == name) return true;
    return false;
}

CString LayerType(CQXObject* object) { return object->GetLayer() ? object->GetLayer()->GetTypeName() : CString(); }

// Lines are told apart by their type name.
CWndLstPlane* NewLineList(CQXObject* object) {
    if (TypeIs(object, {"沉积相线"})) return new CPropListFaciesLine;
    if (TypeIs(object, {"离散属性边界线"})) return new CPropListScatteredLine;
    if (TypeIs(object, {"有效虚线边界", "有效实线边界", "砂体虚线边界", "砂体实线边界"})) return new CPropListSandLine;
    if (TypeIs(object, {"油水边界线"}) && LayerType(object) == "油水边界") return new CPropListOWLine;
    if (TypeIs(object, {"区域边界线"})) return new CPropListRegionLine;
    if (TypeIs(object, {"下盘", "上盘", "断层多边形", "断层中线"})) return new CPropListFaultLine;
    if (TypeIs(object, {"控制线"})) return new CPropListCtrlLine;
    if (TypeIs(object, {"边界线"})) return new CPropListBound;
    if (TypeIs(object, {"连通井网线"})) return new CPropListWellNetLine;
    return new CPropListLine;
}

CWndLstPlane* NewFillList(CQXObject* object) {
    if (TypeIs(object, {"等值填充", "等值线填充"})) return new CPropListContourFill;
    if (TypeIs(object, {"沉积相填充"})) return new CPropListFaciesFill;
    if (TypeIs(object, {"离散属性填充"})) return new CPropListScatteredFill;
    if (TypeIs(object, {"有效区域", "砂体填充"})) return new CPropListSandFill;
    if (TypeIs(object, {"油水填充"})) return new CPropListOWFill;
    if (TypeIs(object, {"区域填充"})) return new CPropListRegionFill;
    if (TypeIs(object, {"连通井网区"})) return new CPropListWellNetFill;
    return new CPropListFill;
}

CWndLstPlane* NewPointList(CQXObject* object) {
    if (TypeIs(object, {"虚拟井"}) && LayerType(object) == "沉积相线") return new CPropListAppendControlPoint;
    if (TypeIs(object, {"虚拟井"}) && LayerType(object) == "离散属性边界线") return new CPropListScatteredAppendControlPoint;
    return new CPropListPoint;
}

CWndLstPlane* NewPlaneList(CQXObject* o) {
    if (Is<CQXObjectPoint>(o)) return NewPointList(o);
    if (Is<CQXObjectContour>(o)) return TypeIs(o, {"等值线"}) ? new CPropListContour : NewLineList(o);
    if (Is<CQXObjectText>(o)) return LayerType(o) == "点" ? static_cast<CWndLstPlane*>(new CPropListPointText)
                                                            : new CPropListText;
    if (Is<CQXObjectPolyline>(o)) return NewLineList(o);
    if (Is<CQXObjectFill>(o)) return NewFillList(o);
    if (Is<CQXObjectColorMark>(o)) return new CPropListColorMark;
    if (Is<CQXObjectCell>(o)) return new CPropListTable;
    if (Is<CQXObjectBitmap>(o) || Is<CQXObjectQXM>(o)) return new CPropListPicture;
    if (Is<CQXObjectBlock>(o)) {
        auto* block = static_cast<CQXObjectBlock*>(o);
        const bool whole = block->GetObjectByTypeName("上盘") && block->GetObjectByTypeName("下盘") &&
                           block->GetObjectByTypeName("断层多边形");
        return TypeIs(o, {"断层"}) && whole ? new CPropListFaultBlock : nullptr;
    }
    if (Is<CQXObjectMultiText>(o)) return new CPropListMultiText;
    if (Is<CQXObjectCircle>(o)) return new CPropListEllipse;
    if (Is<CQXObjectRect>(o)) return new CPropListRect;
    if (Is<CQXObjectArrow>(o)) return new CPropListArrow;
    if (Is<CQXObjectWeb>(o)) return new CPropListWeb;
    if (Is<CQXObjectLine>(o)) return new CPropListLine;
    if (Is<CQXObjectLegend>(o)) return new CPropListLegend;
    if (Is<CQXObjectScale>(o)) return new CPropListScale;
    if (Is<CQXObjectFinger>(o)) return new CPropListFinger;
    if (Is<CQXObjectHint>(o)) return new CPropListHint;
    return nullptr;
}

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
    }
    return out.str();
}

class Session {
public:
    Session(CWnd& frame, CWnd& view, std::ostream& out) : frame_(frame), view_(view), out_(out) {}
    ~Session() { Close(); }

    // Selects objects (in order), opens the first one's window if its kind differs from the
    // open one's, and announces the first as the host does.
    void Select(parsnip::MapFixture& map, std::vector<CQXObject*> objects) {
        for (CQXObject* o : shown_) map.ClearSelection(o->GetLayer());
        for (CQXObject* o : objects) map.Select(o);
        shown_ = objects;
        Close();
        window_ = OpenPlaneWindow(objects.front(), &frame_);
        if (!window_) return;
        platform::SendSelectionChanged(*window_, &view_, reinterpret_cast<LPARAM>(objects.front()));
        hostapp::PrintPropertyWindow(out_, *window_);
    }
    CWnd* Window() { return window_; }
    platform::GridDriver Grid() { return platform::GridDriver(hostapp::FindGrid(*window_)); }
    CBCGPProp* Item(DWORD_PTR id) { return Grid().FindByData(id); }
    void Print() {
        for (CQXObject* o : shown_) out_ << "  " << Describe(o) << "\n";
    }
    void Close() {
        if (window_) platform::DestroyAndDelete(window_);
        window_ = nullptr;
    }

private:
    CWnd& frame_;
    CWnd& view_;
    std::ostream& out_;
    CWnd* window_ = nullptr;
    std::vector<CQXObject*> shown_;
};

}  // namespace

CWnd* OpenPlaneWindow(CQXObject* object, CWnd* parent) {
    if (object->IsKindOf(RUNTIME_CLASS(CQXObjectBorder))) return CreateBorderSheet(parent);
    CWndLstPlane* list = NewPlaneList(object);
    if (list) list->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 360, 1200), parent, 2);
    return list;
}

void RunPlaneMapDemo(CWnd& frame, CWnd& view, std::ostream& out) {
    parsnip::MapFixture map;
    auto* road1 = map.AddPolyline("道路", {{0, 0}, {3, 4}});
    auto* road2 = map.AddPolyline("道路", {{10, 0}, {10, 5}, {12, 8}});
    auto* river = map.AddPolyline("河流", {{0, 10}, {5, 12}});
    auto* title = map.AddText("标题", "东营凹陷", {50, 90});
    auto* well1 = map.AddPoint("井点", {100.5, 200.25});
    auto* well2 = map.AddPoint("井点", {120, 210});
    CQXLayer* labels = map.AddLayer("井点标注", "点");
    auto* label = map.AddText("数值", "12.345", {100.5, 202}, labels);
    auto* area = map.AddFill("区块", {{0, 0}, {4, 0}, {4, 3}, {0, 3}});
    auto* note = map.Add<CQXObjectMultiText>("说明");
    note->SetString("第一行\n第二行");
    auto* hint = map.Add<CQXObjectHint>("注释");
    hint->SetString("高产井");
    auto* photo = map.Add<CQXObjectBitmap>("图片");
    photo->SetFileName("井场.bmp");
    photo->SetAngle(0.5);
    auto* inset = map.Add<CQXObjectQXM>("插图");
    inset->SetFileName("区域图.qxm");
    inset->SetFactor(2);

    Session session(frame, view, out);
    auto step = [&out](const char* what) { out << "\n== " << what << "\n"; };

    step("select both roads; type 1.5 into 线型/粗细; pick 是 for 闭合");
    session.Select(map, {road1, road2});
    session.Grid().TypeText(session.Item(2004), "1.5");
    session.Grid().PickOption(session.Item(2001), "是");
    session.Print();
    out << "  (the river keeps its pen) " << Describe(river) << "\n";

    step("select the straight road alone; type 10 into 长度");
    session.Select(map, {road1});
    session.Grid().TypeText(session.Item(2014), "10");
    session.Print();

    step("select a road and the title together: a mixed selection disables the list");
    session.Select(map, {road1, title});

    step("select the title; type 12 into 大小, 90 into 旋转角, pick 居中 for 横向对齐");
    session.Select(map, {title});
    session.Grid().TypeText(session.Item(2005), "12");
    session.Grid().TypeText(session.Item(2009), "90");
    session.Grid().PickOption(session.Item(2010), "居中");
    session.Print();

    step("select both wells; choose a red inner colour");
    session.Select(map, {well1, well2});
    session.Grid().ChooseColor(dynamic_cast<CBCGPColorProp*>(session.Item(2008)), RGB(255, 0, 0));
    session.Print();

    step("select the well label; pick 1 for 小数位数 and 左下 for 位置");
    session.Select(map, {label});
    session.Grid().PickOption(session.Item(2007), "1");
    session.Grid().PickOption(session.Item(2011), "左下");
    session.Print();

    step("select the block; pick 否 for 填充/背景透明");
    session.Select(map, {area});
    session.Grid().PickOption(session.Item(7006), "否");
    session.Print();

    step("select the note; pick 纵向 for 文本方向");
    session.Select(map, {note});
    session.Grid().PickOption(session.Item(2002), "纵向");
    session.Print();

    step("select the hint; pick 风格3");
    session.Select(map, {hint});
    session.Grid().PickOption(session.Item(2002), "风格3");
    session.Print();

    step("select the photo; type 90 into 旋转角");
    session.Select(map, {photo});
    session.Grid().TypeText(session.Item(2006), "90");
    session.Print();

    step("select the inset map; type 1.5 into 显示比例");
    session.Select(map, {inset});
    session.Grid().TypeText(session.Item(2007), "1.5");
    session.Print();

    step("select the border: its sheet 边框 / 格网 / 标注; pick 方里网 on 格网, then open 标注");
    auto* border = map.Add<CQXObjectBorder>("边框");
    session.Select(map, {border});
    auto* sheet = static_cast<CPropWndMgr*>(session.Window());
    platform::ChooseTab(*sheet, 1);
    platform::SendSelectionChanged(*sheet, &view, reinterpret_cast<LPARAM>(border));
    platform::GridDriver gridPage(hostapp::FindGrid(*sheet->GetPage(1)));
    gridPage.PickOption(gridPage.FindByData(2000), "方里网");
    platform::ChooseTab(*sheet, 2);
    platform::SendSelectionChanged(*sheet, &view, reinterpret_cast<LPARAM>(border));
    hostapp::PrintPropertyWindow(out, *sheet);
    out << "  边框: 经纬网=" << border->GetDrawGraticule() << " 方里网=" << border->GetDrawKilometerGrid() << "\n";

    step("the other map furniture, each in its own list");
    map.Add<CQXObjectColorMark>("色标");
    map.Add<CQXObjectFinger>("指北针");
    map.Add<CQXObjectLegend>("图例");
    map.Add<CQXObjectScale>("比例尺");
    map.Add<CQXObjectCell>("表格")->CreateCells(2, 2);
    map.Add<CQXObjectWeb>("网格");
    map.Add<CQXObjectArrow>("箭头");
    map.Add<CQXObjectRect>("矩形");
    map.Add<CQXObjectCircle>("椭圆");
    for (const char* type : {"色标", "指北针", "图例", "比例尺", "表格", "网格", "箭头", "矩形", "椭圆"}) {
        out << "-- " << type << "\n";
        session.Select(map, {map.Layer()->GetObjectG("", type)});
    }

    step("the geology: a contour, its fill, a fault and its block, facies, a control line and a bound");
    auto* contour = map.Add<CQXObjectContour>("等值线");
    contour->SetLabel("1500");
    session.Select(map, {contour});
    session.Grid().TypeText(session.Item(2001), "1600");
    session.Print();
    session.Select(map, {map.AddFill("等值线填充", {{0, 0}, {2, 0}, {2, 2}})});

    CQXLayer* faults = map.AddLayer("断层", "断层");
    auto* up = map.AddPolyline("上盘", {{0, 0}, {5, 1}}, faults);
    session.Select(map, {up});
    auto* block = map.Add<CQXObjectBlock>("断层", faults);
    for (const char* part : {"上盘", "下盘"}) {
        auto* wall = new CQXObjectLine;
        wall->SetTypeName(part);
        block->AddObject(wall);
    }
    auto* faultZone = new CQXObjectFill;
    faultZone->SetTypeName("断层多边形");
    block->AddObject(faultZone);
    session.Select(map, {block});

    CQXLayer* facies = map.AddLayer("沉积相", "沉积相线");
    auto* faciesLine = map.AddPolyline("沉积相线", {{0, 0}, {3, 3}, {6, 0}}, facies);
    session.Select(map, {faciesLine});
    session.Grid().PickOption(session.Item(2001), 0);
    session.Print();
    session.Select(map, {map.AddFill("沉积相填充", {{0, 0}, {3, 3}, {6, 0}}, facies)});
    session.Select(map, {map.AddPoint("虚拟井", {3, 1}, facies)});
    session.Select(map, {map.AddPolyline("控制线", {{0, 0}, {9, 9}})});
    session.Select(map, {map.AddPolyline("边界线", {{0, 0}, {9, 0}, {9, 9}})});

    step("boundaries: oil-water zones with their line layer; pick 油区 for a zone");
    CQXLayer* zones = map.AddLayer("沙二1油水");
    CQXLayer* zoneLines = map.AddLayer("沙二1油水边界线", "油水边界");
    moraine::testing::SetDistributionTypes(zoneLines, {"油区", "水区"});
    QXLOGBRUSH oil;
    oil.style = 1001;
    oil.fillColor = RGB(200, 0, 0);
    zoneLines->GetPropertyManager()->SetBrushProperty("LOGBRUSH_油区", &oil);
    session.Select(map, {map.AddPolyline("油水边界线", {{0, 0}, {10, 0}}, zoneLines)});
    auto* zone = map.AddFill("油水填充", {{0, 0}, {2, 0}, {2, 3}, {0, 3}}, zones);
    session.Select(map, {zone});
    session.Grid().PickOption(session.Item(2001), "油区");
    session.Print();

    step("boundaries: regions, sand bodies, scattered data and the well net");
    CQXLayer* regions = map.AddLayer("分区");
    CQXLayer* regionLines = map.AddLayer("分区边界线");
    moraine::testing::SetDistributionTypes(regionLines, {"一区", "二区"});
    session.Select(map, {map.AddPolyline("区域边界线", {{0, 0}, {10, 0}}, regionLines)});
    session.Select(map, {map.AddFill("区域填充", {{0, 0}, {2, 0}, {2, 3}}, regions)});
    CQXLayer* sand = map.AddLayer("砂体", "砂体");
    session.Select(map, {map.AddPolyline("砂体实线边界", {{0, 0}, {4, 4}}, sand)});
    session.Select(map, {map.AddFill("砂体填充", {{0, 0}, {4, 0}, {4, 4}}, sand)});
    CQXLayer* scattered = map.AddLayer("离散属性", "离散属性边界线");
    session.Select(map, {map.AddPolyline("离散属性边界线", {{0, 0}, {5, 5}}, scattered)});
    session.Select(map, {map.AddFill("离散属性填充", {{0, 0}, {5, 0}, {5, 5}}, scattered)});
    session.Select(map, {map.AddPoint("虚拟井", {2, 2}, scattered)});
    session.Select(map, {map.AddPolyline("连通井网线", {{0, 0}, {6, 6}})});
    session.Select(map, {map.AddFill("连通井网区", {{0, 0}, {6, 0}, {6, 6}})});
    session.Close();
}

}  // namespace demo
