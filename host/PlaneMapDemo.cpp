#include "PlaneMapDemo.h"

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "WindowPrinter.h"
#include "bcg/ColorProp.h"
#include "driver/GridDriver.h"
#include "driver/SheetDriver.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObjectBitmap.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "hosttypes/Parsnip/QXObjectHint.h"
#include "hosttypes/Parsnip/QXObjectMultiText.h"
#include "hosttypes/Parsnip/QXObjectPoint.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "hosttypes/Parsnip/QXObjectQXM.h"
#include "hosttypes/Parsnip/QXObjectText.h"
#include "planemap/PropListFill.h"
#include "planemap/PropListHint.h"
#include "planemap/PropListLine.h"
#include "planemap/PropListMultiText.h"
#include "planemap/PropListPicture.h"
#include "planemap/PropListPoint.h"
#include "planemap/PropListPointText.h"
#include "planemap/PropListText.h"

namespace demo {
namespace {

// Texts labelling a point with a number carry this type name in the sample map.
const char kPointLabelType[] = "点文本";

struct KindRow {
    std::function<bool(CQXObject*)> matches;
    std::function<CWndLstPlane*()> create;
};

template <class T>
bool Is(CQXObject* object) {
    return object->IsKindOf(RUNTIME_CLASS(T));
}

// First match wins, so the narrower kinds come first.
const std::vector<KindRow>& KindTable() {
    static const std::vector<KindRow> table = {
        {Is<CQXObjectPoint>, [] { return new CPropListPoint; }},
        {[](CQXObject* o) { return Is<CQXObjectText>(o) && o->GetTypeName() == kPointLabelType; },
         [] { return new CPropListPointText; }},
        {Is<CQXObjectText>, [] { return new CPropListText; }},
        {Is<CQXObjectPolyline>, [] { return new CPropListLine; }},
        {Is<CQXObjectFill>, [] { return new CPropListFill; }},
        {[](CQXObject* o) { return Is<CQXObjectBitmap>(o) || Is<CQXObjectQXM>(o); },
         [] { return new CPropListPicture; }},
        {Is<CQXObjectMultiText>, [] { return new CPropListMultiText; }},
        {Is<CQXObjectHint>, [] { return new CPropListHint; }},
    };
    return table;
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
        map.ClearSelection();
        for (CQXObject* o : objects) map.Select(o);
        shown_ = objects;
        CWnd* window = nullptr;
        for (const KindRow& row : KindTable())
            if (row.matches(objects.front())) {
                Close();
                CWndLstPlane* list = row.create();
                list->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 360, 1200), &frame_, 2);
                window = list;
                break;
            }
        window_ = window;
        if (!window_) return;
        platform::SendSelectionChanged(*window_, &view_, reinterpret_cast<LPARAM>(objects.front()));
        hostapp::PrintPropertyWindow(out_, *window_);
    }
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
    for (const KindRow& row : KindTable())
        if (row.matches(object)) {
            CWndLstPlane* list = row.create();
            list->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 360, 1200), parent, 2);
            return list;
        }
    return nullptr;
}

void RunPlaneMapDemo(CWnd& frame, CWnd& view, std::ostream& out) {
    parsnip::MapFixture map;
    auto* road1 = map.AddPolyline("道路", {{0, 0}, {3, 4}});
    auto* road2 = map.AddPolyline("道路", {{10, 0}, {10, 5}, {12, 8}});
    auto* river = map.AddPolyline("河流", {{0, 10}, {5, 12}});
    auto* title = map.AddText("标题", "东营凹陷", {50, 90});
    auto* well1 = map.AddPoint("井点", {100.5, 200.25});
    auto* well2 = map.AddPoint("井点", {120, 210});
    auto* label = map.AddText(kPointLabelType, "12.345", {100.5, 202});
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
    session.Close();
}

}  // namespace demo
