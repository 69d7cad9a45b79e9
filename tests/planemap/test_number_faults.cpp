// Numbers a plane list cannot keep: refused texts write nothing and the items show the stored
// values again; a refused float text does not move a line; geometry edits re-read what they change.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "PlaneListFixture.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hosttypes/Parsnip/QXObjectBitmap.h"
#include "hosttypes/Parsnip/QXObjectBorder.h"
#include "hosttypes/Parsnip/QXObjectCell.h"
#include "hosttypes/Parsnip/QXObjectCircle.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "hosttypes/Parsnip/QXObjectQXM.h"
#include "hosttypes/Parsnip/QXObjectRect.h"
#include "hosttypes/Parsnip/QXObjectText.h"
#include "planemap/BorderTexts.h"
#include "planemap/PlaneTexts.h"
#include "planemap/PropListBorderGrid.h"
#include "planemap/PropListEllipse.h"
#include "planemap/PropListLine.h"
#include "planemap/PropListPicture.h"
#include "planemap/PropListRect.h"
#include "planemap/PropListTable.h"
#include "planemap/PropListText.h"
#include "planemap/TableWebShapeTexts.h"

namespace {

const char* const kTooLarge[] = {"1e39", "1e999"};

// The first item with that label, in display order, groups searched too.
CBCGPProp* FindByName(CBCGPProp* item, const char* name) {
    if (item->GetName() == name) return item;
    for (int i = 0; i < item->GetSubItemsCount(); ++i)
        if (CBCGPProp* found = FindByName(item->GetSubItem(i), name)) return found;
    return nullptr;
}

template <class List>
CBCGPProp* ByName(planetest::OpenList<List>& open, const char* name) {
    CBCGPPropList& grid = open.list().GetPropList();
    for (int i = 0; i < grid.GetPropertyCount(); ++i)
        if (CBCGPProp* found = FindByName(grid.GetProperty(i), name)) return found;
    ADD_FAILURE() << "no item " << name;
    return nullptr;
}

template <class List>
bool TypeInto(planetest::OpenList<List>& open, CBCGPProp* item, const std::string& text) {
    return item && open.grid().TypeText(item, text);
}

std::string Shown(CBCGPProp* item) { return item ? platform::GridDriver::Info(item).value : std::string(); }

FLOATPOINT PointOf(CQXObjectPolyline* line, int index) {
    FLOATPOINT p;
    line->GetPoint(index, p);
    return p;
}

struct LineScene {
    parsnip::MapFixture map;
    CQXObjectPolyline* line = map.AddPolyline("线", {{0, 0}, {3, 4}});
    planetest::OpenList<CPropListLine> open;
    LineScene() {
        map.Layer()->SetSelectedObject(line);
        open.Show(line);
    }
};

}  // namespace

// ---- the line list --------------------------------------------------------------------------------

TEST(LineNumberFaults, ARefusedAzimuthDoesNotMoveTheLine) {
    LineScene s;
    TypeInto(s.open, ByName(s.open, "方位角"), "a:b:c");
    EXPECT_EQ(3.0, PointOf(s.line, 1).x);
    EXPECT_EQ(4.0, PointOf(s.line, 1).y);

    // The end point moves; the length and azimuth shown follow it, and a refused azimuth after
    // that still moves nothing.
    ASSERT_TRUE(TypeInto(s.open, ByName(s.open, "终止点Y坐标"), "10"));
    EXPECT_EQ(10.0, PointOf(s.line, 1).y);
    EXPECT_EQ(FormatString("%.2f", std::sqrt(109.0)).str(), Shown(ByName(s.open, planetext::kLength)));
    TypeInto(s.open, ByName(s.open, "方位角"), "abc");
    EXPECT_EQ(3.0, PointOf(s.line, 1).x);
    EXPECT_EQ(10.0, PointOf(s.line, 1).y);
}

TEST(LineNumberFaults, PositionPenAndArrowSizeKeepTheStoredValues) {
    LineScene s;
    s.line->GetBegArrow()->SetArrowLength(1.5);
    // Points and arrow lengths are doubles: only a number beyond a double is refused there.
    for (const char* label : {"起始点X坐标", "终止点Y坐标", planetext::kLength, grouptext::kArrowSize})
        TypeInto(s.open, ByName(s.open, label), "1e999");
    EXPECT_EQ(0.0, PointOf(s.line, 0).x);
    EXPECT_EQ(3.0, PointOf(s.line, 1).x);
    EXPECT_EQ(4.0, PointOf(s.line, 1).y);
    EXPECT_EQ(1.5, s.line->GetBegArrow()->GetArrowLength());
    EXPECT_EQ("5.00", Shown(ByName(s.open, planetext::kLength)));

    // The pen width is a float.
    for (const char* text : kTooLarge) {
        const float width = planetest::PenOf(s.line).width;
        TypeInto(s.open, ByName(s.open, grouptext::kLineWidth), text);
        EXPECT_EQ(width, planetest::PenOf(s.line).width) << text;
    }
    ASSERT_TRUE(TypeInto(s.open, ByName(s.open, grouptext::kArrowSize), "1e39"));
    EXPECT_EQ(1e39, s.line->GetBegArrow()->GetArrowLength());
}

// A stored number that rounds to zero where the list shows it shows unsigned, never "-0.00".
TEST(LineNumberFaults, NumbersThatRoundToZeroShowUnsigned) {
    parsnip::MapFixture map;
    CQXObjectPolyline* line = map.AddPolyline("线", {{-0.001, -0.004}, {-0.002, 3}});
    planetest::OpenList<CPropListLine> open(map, {line});
    for (const char* label : {"起始点X坐标", "起始点Y坐标", "终止点X坐标"})
        EXPECT_EQ("0.00", Shown(ByName(open, label))) << label;

    CQXObjectText* text = map.AddText("文本", "说明", FLOATPOINT(-0.004, -0.001));
    text->SetAngle(-1e-9);
    map.ClearSelection();
    planetest::OpenList<CPropListText> texts(map, {text});
    for (const char* label : {planetext::kX, planetext::kY, planetext::kRotation})
        EXPECT_EQ("0.00", Shown(ByName(texts, label))) << label;
}

// ---- texts, pictures, tables, borders ----------------------------------------------------------------

TEST(ListNumberFaults, TextAngleBeyondADoubleIsRefusedAndShownAgain) {
    CQXLayer layer;
    CQXObjectText text;
    text.SetTypeName("文本");
    text.SetAngle(planetext::kPi / 2);
    layer.AddObject(&text);
    layer.SetSelectedObject(&text);
    planetest::OpenList<CPropListText> open(&text);
    CBCGPProp* angle = ByName(open, planetext::kRotation);
    TypeInto(open, angle, "1e999");
    EXPECT_DOUBLE_EQ(planetext::kPi / 2, text.GetAngle());
    EXPECT_EQ("90.00", Shown(angle));
    layer.RemoveAllSelectedObject();
}

TEST(ListNumberFaults, PictureFieldsRefuseANumberBeyondADouble) {
    CQXLayer layer;
    CQXObjectQXM qxm;
    qxm.SetTypeName("图片");
    qxm.SetFactor(2.5);
    qxm.SetQXMCenter(100, 200);
    qxm.SetRadiusA(12.5);
    qxm.MoveAnchor(QXPOINT(3, 4));
    layer.AddObject(&qxm);
    layer.SetSelectedObject(&qxm);
    planetest::OpenList<CPropListPicture> open(&qxm);
    for (const char* label : {planetext::kX, planetext::kLength, "显示比例", "插入图片的基点坐标X"}) {
        CBCGPProp* item = ByName(open, label);
        const std::string before = Shown(item);
        TypeInto(open, item, "1e999");
        EXPECT_EQ(before, Shown(item)) << label;
    }
    QXPOINT anchor;
    qxm.GetAnchor(&anchor);
    EXPECT_EQ(3.0, anchor.x);
    EXPECT_EQ(12.5, qxm.GetRadiusA());
    EXPECT_EQ(2.5, qxm.GetFactor());
    double x = 0, y = 0;
    qxm.GetQXMCenter(x, y);
    EXPECT_EQ(100.0, x);
    layer.RemoveAllSelectedObject();
}

TEST(ListNumberFaults, TablePenWidthBeyondTheFloatIsRefused) {
    parsnip::MapFixture map;
    CQXObjectCell* table = map.Add<CQXObjectCell>("表格");
    table->CreateCells(2, 2);
    planetest::OpenList<CPropListTable> open(map, {table});
    CBCGPProp* top = ByName(open, shapetext::kTopBorder);
    ASSERT_NE(nullptr, top);
    ASSERT_TRUE(TypeInto(open, top->GetSubItem(1), "1.5"));
    EXPECT_FLOAT_EQ(150.0f, table->GetTopBorderPen().width);
    for (const char* text : kTooLarge) {
        TypeInto(open, top->GetSubItem(1), text);
        EXPECT_FLOAT_EQ(150.0f, table->GetTopBorderPen().width) << text;
    }
}

TEST(ListNumberFaults, GraticuleIntervalTheItemCannotShowIsRefused) {
    parsnip::MapFixture map;
    CQXObjectBorder* border = map.Add<CQXObjectBorder>("图框");
    map.Select(border);
    border->SetDrawGraticule(1);
    planetest::OpenList<CPropListBorderGrid> open(border);
    CBCGPProp* interval = ByName(open, bordertext::kMeridianInterval);
    ASSERT_TRUE(TypeInto(open, interval, "0:90:0"));  // kept below as typed
    ASSERT_EQ(1.5, border->GetGraticuleIntervalX());
    const uint64_t stamp = border->GetTimeStamp();
    const int redraws = open.Redraws();
    // From 2147483647 degrees on the d:m:s conversion splits nothing: the item would show 0:0:0.
    for (const char* text : {"2147967297999982:1:1", "2147483647:0:0", "2147483646:60:0", "0:0:7730941132800",
                             "99999999999999999999999999:0:0"}) {
        TypeInto(open, interval, text);
        EXPECT_EQ(1.5, border->GetGraticuleIntervalX()) << text;
        EXPECT_EQ(stamp, border->GetTimeStamp()) << text;
        EXPECT_EQ(redraws, open.Redraws()) << text;
        EXPECT_EQ("0:90:0", Shown(interval)) << text;
    }
    // The largest interval that still shows, typed in seconds; a refusal keeps that text.
    ASSERT_TRUE(TypeInto(open, interval, "2147483646:0:3599"));
    EXPECT_DOUBLE_EQ(2147483647 - 1.0 / 3600, border->GetGraticuleIntervalX());
    TypeInto(open, interval, "2147483647:0:0");
    EXPECT_EQ("2147483646:0:3599", Shown(interval));
}

// The shown object's angle item: degrees whose radians overflow leave the angle, 180 is π.
template <class List, class T>
void ExpectOverflowingAngleRefused(parsnip::MapFixture& map, T* object, const char* label) {
    object->SetAngle(0.5);
    map.ClearSelection();
    planetest::OpenList<List> open(map, {object});
    TypeInto(open, ByName(open, label), "1e308");
    EXPECT_EQ(0.5, object->GetAngle()) << label;
    ASSERT_TRUE(TypeInto(open, ByName(open, label), "180")) << label;
    EXPECT_DOUBLE_EQ(planetext::kPi, object->GetAngle()) << label;
}

TEST(ListNumberFaults, AnglesWhoseRadiansADoubleCannotHoldAreRefused) {
    parsnip::MapFixture map;
    ExpectOverflowingAngleRefused<CPropListEllipse>(map, map.Add<CQXObjectCircle>("椭圆"), shapetext::kAxisAngle);
    ExpectOverflowingAngleRefused<CPropListRect>(map, map.Add<CQXObjectRect>("矩形"), planetext::kRotation);
}
