// The facies lists (codes from the facies catalogue naming lines and areas and bringing their
// standard pens and brushes), control lines (value and pen), appended control points (codes
// announced to the map file, symbols written to every selected point) and boundary lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PlaneListFixture.h"
#include "framework/PropStyleCombox.h"
#include "hostlibs/Osprey/WellDataTesting.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Osprey/WellDataManager.h"
#include "hosttypes/Parsnip/QXObjectCtrlLine.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "hosttypes/Parsnip/QXObjectPoint.h"
#include "planemap/PropListAppendControlPoint.h"
#include "planemap/PropListBound.h"
#include "planemap/PropListCtrlLine.h"
#include "planemap/PropListFaciesFill.h"
#include "planemap/PropListFaciesLine.h"

namespace {

using planetest::BrushOf;
using planetest::MakePen;
using planetest::PenOf;
using planetest::PointOf;

using parsnip::MapFixture;
using parsnip::testing::ClearCallLog;
using parsnip::testing::CountCalls;

const std::vector<std::string> kSampleCodes = {"HD", "HKB", "XZS", "JW"};

bool SamePen(const QXLOGPEN& a, const QXLOGPEN& b) {
    return a.style == b.style && a.color == b.color && a.width == b.width;
}

bool SameBrush(const QXLOGBRUSH& a, const QXLOGBRUSH& b) {
    return a.style == b.style && a.fillColor == b.fillColor && a.lineColor == b.lineColor && a.size == b.size &&
           a.backMode == b.backMode;
}

bool SameSymbol(const QXLOGPOINT& a, const QXLOGPOINT& b) {
    return a.style == b.style && a.innerColor == b.innerColor && a.borderColor == b.borderColor && a.size == b.size;
}

template <class Line = CQXObjectLine>
Line* AddLine(MapFixture& map, const char* typeName, const QXLOGPEN& pen, const char* name = "") {
    auto* line = map.Add<Line>(typeName);
    QXLOGPEN copy = pen;
    line->SetLogPen(&copy);
    line->SetName(name);
    return line;
}

CQXObjectPoint* AddWell(MapFixture& map, const char* typeName, const char* name, float size,
                        CQXLayer* layer = nullptr) {
    CQXObjectPoint* point = map.AddPoint(typeName, FLOATPOINT(1, 1), layer);
    point->SetName(name);
    QXLOGPOINT symbol;
    symbol.style = 7;
    symbol.innerColor = RGB(1, 2, 3);
    symbol.borderColor = RGB(4, 5, 6);
    symbol.size = size;
    point->SetLogPoint(&symbol);
    return point;
}

std::vector<std::string> Options(CBCGPProp* item) {
    std::vector<std::string> options;
    for (int i = 0; item && i < item->GetOptionCount(); ++i) options.emplace_back(item->GetOption(i));
    return options;
}

CFaciesTypeManager* Catalogue() { return CWellDataManager::Instance()->GetFaciesTypeManager(); }

}  // namespace

// ---- facies lines ------------------------------------------------------------------------------------

TEST(FaciesLineList, OffersTheCatalogueCodesAndShowsTheCodeOfOneLine) {
    MapFixture map;
    CQXObjectLine* a = AddLine(map, "相边界", MakePen(1, 0, 10), "HD");
    planetest::OpenList<CPropListFaciesLine> open(map, {a});
    EXPECT_EQ("相边界", open.Value(CPropListFaciesLine::kTypeId));
    EXPECT_EQ(kSampleCodes, Options(open.Item(CPropListFaciesLine::kCodeId)));
    EXPECT_EQ("HD", open.Value(CPropListFaciesLine::kCodeId));
    EXPECT_TRUE(open.Enabled(CPropListFaciesLine::kCodeId));

    map.Select(AddLine(map, "相边界", MakePen(1, 0, 10), "JW"));
    open.Show(a);
    EXPECT_EQ("", open.Value(CPropListFaciesLine::kCodeId));
    EXPECT_FALSE(open.Enabled(CPropListFaciesLine::kCodeId));
    EXPECT_EQ(kSampleCodes, Options(open.Item(CPropListFaciesLine::kCodeId)));  // rebuilt, not doubled

    open.ShowAlone(map, a);
    EXPECT_EQ("HD", open.Value(CPropListFaciesLine::kCodeId));
    EXPECT_TRUE(open.Enabled(CPropListFaciesLine::kCodeId));
}

TEST(FaciesLineList, ACodeNamesAndPensEverySelectedLineOfTheTypeName) {
    MapFixture map;
    const QXLOGPEN old = MakePen(1, RGB(9, 9, 9), 5);
    CQXObjectLine* a = AddLine(map, "相边界", old);
    CQXObjectLine* b = AddLine(map, "相边界", old);
    CQXObjectLine* other = AddLine(map, "断层", old);
    CQXObjectPoint* sameNamePoint = map.AddPoint("相边界", FLOATPOINT(0, 0));
    planetest::OpenList<CPropListFaciesLine> open(map, {a, b, other, sameNamePoint});
    const int redraws = open.Redraws();
    ClearCallLog();

    open.Report(CPropListFaciesLine::kCodeId, "HKB");
    const QXLOGPEN standard = Catalogue()->GetFaciesLogPenByCode("HKB");
    for (CQXObjectLine* line : {a, b}) {
        EXPECT_EQ("HKB", line->GetName());
        EXPECT_TRUE(SamePen(standard, PenOf(line)));
        EXPECT_EQ(1, CountCalls("CQXObject::OnChanged", line));
    }
    EXPECT_EQ("HKB", sameNamePoint->GetName());  // the name is every object's, the pen only a line's
    EXPECT_EQ("", other->GetName());
    EXPECT_TRUE(SamePen(old, PenOf(other)));
    EXPECT_EQ(redraws + 1, open.Redraws());
}

// A code the catalogue does not hold still names the line, but brings no pen: the line keeps its own.
TEST(FaciesLineList, AnUnknownCodeNamesTheLineAndKeepsItsPen) {
    MapFixture map;
    const QXLOGPEN own = MakePen(3, RGB(10, 20, 30), 45);
    CQXObjectLine* line = AddLine(map, "相边界", own, "HD");
    planetest::OpenList<CPropListFaciesLine> open(map, {line});
    ClearCallLog();

    ASSERT_TRUE(open.Type(CPropListFaciesLine::kCodeId, "ZZ"));
    EXPECT_EQ("ZZ", line->GetName());
    EXPECT_TRUE(SamePen(own, PenOf(line)));
    EXPECT_EQ(0, CountCalls("CQXObjectLine::SetLogPen"));
}

TEST(FaciesLineList, WithoutACatalogueOffersNoCodesAndACodeOnlyNames) {
    MapFixture map;
    const QXLOGPEN own = MakePen(3, RGB(10, 20, 30), 45);
    CQXObjectLine* line = AddLine(map, "相边界", own, "HD");
    planetest::OpenList<CPropListFaciesLine> open(map, {line});
    ASSERT_EQ(4, open.Item(CPropListFaciesLine::kCodeId)->GetOptionCount());

    osprey::testing::RemoveFaciesTypeManager();  // newer well data: the next showing re-reads
    open.Show(line);
    EXPECT_EQ(0, open.Item(CPropListFaciesLine::kCodeId)->GetOptionCount());
    EXPECT_EQ("HD", open.Value(CPropListFaciesLine::kCodeId));
    ASSERT_TRUE(open.Type(CPropListFaciesLine::kCodeId, "HKB"));
    EXPECT_EQ("HKB", line->GetName());
    EXPECT_TRUE(SamePen(own, PenOf(line)));
}

// ---- facies areas ------------------------------------------------------------------------------------

TEST(FaciesFillList, ShowsTheStoredCodeOrTheNameAndTheAreaOfOneFill) {
    MapFixture map;
    CQXObjectFill* coded = map.AddFill("沉积相", {{0, 0}, {10, 0}, {10, 20}, {0, 20}});
    coded->SetName("河口坝");
    coded->GetPropertyManager()->SetStringProperty("数据库代码", "HKB");
    CQXObjectFill* named = map.AddFill("沉积相", {{0, 0}, {3, 0}, {0, 1}});
    named->SetName("JW");
    planetest::OpenList<CPropListFaciesFill> open(map, {coded});
    EXPECT_EQ("沉积相", open.Value(CPropListFaciesFill::kTypeId));
    EXPECT_EQ("HKB", open.Value(CPropListFaciesFill::kCodeId));
    EXPECT_EQ(kSampleCodes, Options(open.Item(CPropListFaciesFill::kCodeId)));
    EXPECT_EQ("200.00", open.Value(CPropListFaciesFill::kAreaId));

    open.ShowAlone(map, named);
    EXPECT_EQ("JW", open.Value(CPropListFaciesFill::kCodeId));
    EXPECT_EQ("1.50", open.Value(CPropListFaciesFill::kAreaId));

    map.Select(coded);
    open.Show(named);
    EXPECT_EQ("", open.Value(CPropListFaciesFill::kCodeId));
    EXPECT_FALSE(open.Enabled(CPropListFaciesFill::kCodeId));
    EXPECT_EQ("", open.Value(CPropListFaciesFill::kAreaId));
}

TEST(FaciesFillList, ACodeGivesOnlyTheShownAreaTheFacies) {
    MapFixture map;
    CQXObjectFill* shown = map.AddFill("沉积相", {{0, 0}, {1, 0}, {1, 1}});
    CQXObjectFill* twin = map.AddFill("沉积相", {{0, 0}, {1, 0}, {1, 1}});
    const QXLOGBRUSH twinBrush = BrushOf(twin);
    planetest::OpenList<CPropListFaciesFill> open(map, {shown, twin});
    const int redraws = open.Redraws();
    ClearCallLog();

    open.Report(CPropListFaciesFill::kCodeId, "XZS");
    const int index = Catalogue()->FindFaciesTypeByCode("XZS");
    EXPECT_EQ(CString("席状砂"), shown->GetName());
    EXPECT_TRUE(SameBrush(Catalogue()->GetFaciesLogBrush(index), BrushOf(shown)));
    CString code;
    EXPECT_TRUE(shown->GetPropertyManager()->GetStringProperty("数据库代码", code));
    EXPECT_EQ(CString("XZS"), code);

    EXPECT_EQ("", twin->GetName());
    EXPECT_TRUE(SameBrush(twinBrush, BrushOf(twin)));
    EXPECT_FALSE(twin->GetPropertyManager()->HasProperty("数据库代码"));
    EXPECT_EQ(1, CountCalls("CQXObject::OnChanged", twin));  // the same-type update reaches both
    EXPECT_EQ(1, CountCalls("CQXObject::OnChanged", shown));
    EXPECT_EQ(redraws + 1, open.Redraws());
}

TEST(FaciesFillList, AnUnknownCodeOrAMissingCatalogueChangesNothing) {
    MapFixture map;
    CQXObjectFill* fill = map.AddFill("沉积相", {{0, 0}, {1, 0}, {1, 1}});
    fill->SetName("河道");
    fill->GetPropertyManager()->SetStringProperty("数据库代码", "HD");
    const QXLOGBRUSH brush = BrushOf(fill);
    planetest::OpenList<CPropListFaciesFill> open(map, {fill});
    ClearCallLog();
    const int redraws = open.Redraws();

    // Refused: nothing written, nobody told, no redraw, and the stored code shows again.
    ASSERT_TRUE(open.Type(CPropListFaciesFill::kCodeId, "ZZ"));
    EXPECT_EQ("HD", open.Value(CPropListFaciesFill::kCodeId));
    osprey::testing::RemoveFaciesTypeManager();
    ASSERT_TRUE(open.Type(CPropListFaciesFill::kCodeId, "JW"));
    EXPECT_EQ("HD", open.Value(CPropListFaciesFill::kCodeId));
    EXPECT_EQ(0, CountCalls("CQXObject::SetName"));
    EXPECT_EQ(0, CountCalls("CQXObjectFill::SetLogBrush"));
    EXPECT_EQ(0, CountCalls("CQXObject::OnChanged"));
    EXPECT_EQ(redraws, open.Redraws());
    EXPECT_EQ("河道", fill->GetName());
    EXPECT_TRUE(SameBrush(brush, BrushOf(fill)));
    CString code;
    fill->GetPropertyManager()->GetStringProperty("数据库代码", code);
    EXPECT_EQ(CString("HD"), code);

    open.Show(fill);
    EXPECT_EQ(0, open.Item(CPropListFaciesFill::kCodeId)->GetOptionCount());
    EXPECT_EQ("HD", open.Value(CPropListFaciesFill::kCodeId));
}

// ---- control lines -----------------------------------------------------------------------------------

TEST(CtrlLineList, ShowsValueAndPenWithOneDecimalOptionsAndTwoDecimalWidth) {
    MapFixture map;
    auto* line = AddLine<CQXObjectCtrlLine>(map, "控制线层", MakePen(4, RGB(0, 0, 200), 150), "1200");
    map.Select(line);
    planetest::OpenList<CPropListCtrlLine> open;
    EXPECT_EQ("控制线", open.Value(CPropListCtrlLine::kTypeId));
    const std::vector<std::string> options = Options(open.Item(CPropListCtrlLine::kPenWidthId));
    ASSERT_EQ(60u, options.size());
    EXPECT_EQ("0.0", options.front());
    EXPECT_EQ("0.5", options[1]);
    EXPECT_EQ("29.5", options.back());

    open.Show(line);
    EXPECT_EQ("控制线层", open.Value(CPropListCtrlLine::kTypeId));
    EXPECT_EQ("1200", open.Value(CPropListCtrlLine::kValueId));
    EXPECT_EQ("1.50", open.Value(CPropListCtrlLine::kPenWidthId));
    EXPECT_EQ(4u, dynamic_cast<CPropStyleCombox*>(open.Item(CPropListCtrlLine::kPenStyleId))->GetVal());
    EXPECT_EQ(RGB(0, 0, 200), dynamic_cast<CBCGPColorProp*>(open.Item(CPropListCtrlLine::kPenColorId))->GetColor());
}

TEST(CtrlLineList, TheValueBelongsToTheShownLineOnly) {
    MapFixture map;
    auto* a = AddLine<CQXObjectCtrlLine>(map, "控制线层", MakePen(1, 0, 10), "10");
    auto* b = AddLine<CQXObjectCtrlLine>(map, "控制线层", MakePen(1, 0, 10), "20");
    planetest::OpenList<CPropListCtrlLine> open(map, {a, b});
    EXPECT_EQ("", open.Value(CPropListCtrlLine::kValueId));
    EXPECT_FALSE(open.Enabled(CPropListCtrlLine::kValueId));
    open.Report(CPropListCtrlLine::kValueId, "30");
    EXPECT_EQ("30", a->GetName());
    EXPECT_EQ("20", b->GetName());

    open.ShowAlone(map, b);
    EXPECT_EQ("20", open.Value(CPropListCtrlLine::kValueId));
    EXPECT_TRUE(open.Enabled(CPropListCtrlLine::kValueId));
}

TEST(CtrlLineList, PenEditsReachEverySelectedLineOfTheTypeName) {
    MapFixture map;
    const QXLOGPEN old = MakePen(1, RGB(1, 1, 1), 10);
    auto* a = AddLine<CQXObjectCtrlLine>(map, "控制线层", old);
    auto* b = AddLine<CQXObjectCtrlLine>(map, "控制线层", old);
    CQXObjectLine* other = AddLine(map, "等值线", old);
    planetest::OpenList<CPropListCtrlLine> open(map, {a, b, other});
    const int redraws = open.Redraws();
    ClearCallLog();

    ASSERT_TRUE(open.Pick(CPropListCtrlLine::kPenWidthId, "2.5"));
    ASSERT_TRUE(open.Color(CPropListCtrlLine::kPenColorId, RGB(200, 0, 0)));
    ASSERT_TRUE(open.PickEntry(CPropListCtrlLine::kPenStyleId, 2));
    const UINT style = dynamic_cast<CPropStyleCombox*>(open.Item(CPropListCtrlLine::kPenStyleId))->GetVal();
    for (CQXObjectLine* line : {static_cast<CQXObjectLine*>(a), static_cast<CQXObjectLine*>(b)})
        EXPECT_TRUE(SamePen(MakePen(style, RGB(200, 0, 0), 250), PenOf(line)));
    EXPECT_TRUE(SamePen(old, PenOf(other)));
    EXPECT_EQ(3, CountCalls("CQXObject::OnChanged", b));
    EXPECT_EQ(0, CountCalls("CQXObject::OnChanged", other));
    EXPECT_EQ(redraws + 3, open.Redraws());

    ASSERT_TRUE(open.Type(CPropListCtrlLine::kPenWidthId, "-1"));  // a negative width: nothing written
    EXPECT_FLOAT_EQ(250.0f, PenOf(b).width);
    ASSERT_TRUE(open.Type(CPropListCtrlLine::kPenWidthId, "1e39"));  // beyond the pen record: nothing written
    EXPECT_FLOAT_EQ(250.0f, PenOf(b).width);
}

// ---- appended control points ----------------------------------------------------------------------------

TEST(AppendControlPointList, ShowsCodeAndSymbolWithTheWellSymbolGroups) {
    MapFixture map;
    CQXObjectPoint* well = AddWell(map, "虚拟井", "HD", 250);
    planetest::OpenList<CPropListAppendControlPoint> open(map, {well});
    EXPECT_EQ("虚拟井", open.Value(CPropListAppendControlPoint::kTypeId));
    EXPECT_EQ(kSampleCodes, Options(open.Item(CPropListAppendControlPoint::kCodeId)));
    EXPECT_EQ("HD", open.Value(CPropListAppendControlPoint::kCodeId));
    EXPECT_TRUE(open.Enabled(CPropListAppendControlPoint::kCodeId));
    auto* style = dynamic_cast<CPropStyleCombox*>(open.Item(CPropListAppendControlPoint::kStyleId));
    ASSERT_NE(nullptr, style);
    EXPECT_EQ(7u, style->GetVal());
    ASSERT_EQ(2u, style->GetStyleGroups().size());
    EXPECT_EQ(CString("常用点"), style->GetStyleGroups()[0].second);
    EXPECT_EQ(CString("井符号"), style->GetStyleGroups()[1].second);
    EXPECT_EQ("2.50", open.Value(CPropListAppendControlPoint::kSizeId));
    EXPECT_EQ(RGB(4, 5, 6),
              dynamic_cast<CBCGPColorProp*>(open.Item(CPropListAppendControlPoint::kBorderColorId))->GetColor());
    EXPECT_EQ(RGB(1, 2, 3),
              dynamic_cast<CBCGPColorProp*>(open.Item(CPropListAppendControlPoint::kInnerColorId))->GetColor());

    osprey::testing::RemoveFaciesTypeManager();
    open.Show(well);
    EXPECT_EQ(0, open.Item(CPropListAppendControlPoint::kCodeId)->GetOptionCount());
}

TEST(AppendControlPointList, ACodeNamesTheTypeNameAndIsAnnouncedToTheMapFile) {
    MapFixture map;
    CQXObjectPoint* well = AddWell(map, "虚拟井", "HD", 250);
    CQXObjectPoint* twin = AddWell(map, "虚拟井", "JW", 100);
    CQXObjectPoint* stranger = AddWell(map, "井点", "", 100);
    planetest::OpenList<CPropListAppendControlPoint> open(map, {well, twin, stranger});
    parsnip::testing::ClearNotifications();

    open.Report(CPropListAppendControlPoint::kCodeId, "XZS");
    EXPECT_EQ("XZS", well->GetName());
    EXPECT_EQ("XZS", twin->GetName());
    EXPECT_EQ("", stranger->GetName());
    const auto& sent = parsnip::testing::Notifications();
    ASSERT_EQ(1u, sent.size());
    EXPECT_EQ(2u, sent[0].code);
    EXPECT_EQ(well, sent[0].object);
    EXPECT_EQ(map.Layer(), sent[0].layer);
    EXPECT_EQ(map.Map(), sent[0].map);
    EXPECT_EQ(map.MapFile(), sent[0].mapFile);
    // Every edit carries the shown symbol to all selected points.
    EXPECT_TRUE(SameSymbol(PointOf(well), PointOf(stranger)));
}

TEST(AppendControlPointList, APointOutsideAMapDocumentIsNamedWithoutNotice) {
    CQXLayer loose;
    CQXObjectPoint point;
    point.SetTypeName("虚拟井");
    loose.AddObject(&point);
    loose.SetSelectedObject(&point);
    planetest::OpenList<CPropListAppendControlPoint> open(&point);
    parsnip::testing::ClearNotifications();
    ASSERT_TRUE(open.Type(CPropListAppendControlPoint::kCodeId, "HD"));
    EXPECT_EQ("HD", point.GetName());
    EXPECT_TRUE(parsnip::testing::Notifications().empty());
}

TEST(AppendControlPointList, SizesAboveZeroAreTakenAndSymbolsReachEverySelectedPoint) {
    MapFixture map;
    CQXObjectPoint* well = AddWell(map, "虚拟井", "HD", 250);
    CQXObjectPoint* ordinary = AddWell(map, "井点", "", 90);
    CQXObjectLine* line = AddLine(map, "虚拟井", MakePen(1, 0, 10));
    planetest::OpenList<CPropListAppendControlPoint> open(map, {well});

    for (const char* refused : {"0", "-2", "abc"}) {
        ASSERT_TRUE(open.Type(CPropListAppendControlPoint::kSizeId, refused));
        EXPECT_FLOAT_EQ(250.0f, PointOf(well).size) << refused;
    }
    ASSERT_TRUE(open.Type(CPropListAppendControlPoint::kSizeId, "1.5"));
    EXPECT_FLOAT_EQ(150.0f, PointOf(well).size);

    map.Select({ordinary, line});
    open.Show(well);
    ClearCallLog();
    ASSERT_TRUE(open.Color(CPropListAppendControlPoint::kBorderColorId, RGB(0, 90, 0)));
    ASSERT_TRUE(open.Color(CPropListAppendControlPoint::kInnerColorId, RGB(90, 0, 0)));
    for (CQXObjectPoint* point : {well, ordinary}) {
        const QXLOGPOINT symbol = PointOf(point);
        EXPECT_EQ(RGB(0, 90, 0), symbol.borderColor);
        EXPECT_EQ(RGB(90, 0, 0), symbol.innerColor);
        EXPECT_FLOAT_EQ(150.0f, symbol.size);  // the shown point's size, not the ordinary point's
        EXPECT_EQ(2, CountCalls("CQXObjectPoint::SetLogPoint", point));
    }
    EXPECT_EQ(0, CountCalls("CQXObjectLine::SetLogPen", line));
}

// ---- boundary lines ------------------------------------------------------------------------------------

TEST(BoundList, ShowsThePenInItsGroupUnderAFixedKind) {
    MapFixture map;
    CQXObjectLine* line = AddLine(map, "工区边界", MakePen(5, RGB(0, 60, 0), 150));
    planetest::OpenList<CPropListBound> open(map, {line});
    EXPECT_EQ("边界线", open.Value(CPropListBound::kTypeId));
    EXPECT_EQ(RGB(0, 60, 0), dynamic_cast<CBCGPColorProp*>(open.Item(CPropListBound::kPenColorId))->GetColor());
    EXPECT_EQ(5u, dynamic_cast<CPropStyleCombox*>(open.Item(CPropListBound::kPenStyleId))->GetVal());
    EXPECT_EQ("1.50", open.Value(CPropListBound::kPenWidthId));
    const std::vector<std::string> options = Options(open.Item(CPropListBound::kPenWidthId));
    ASSERT_EQ(60u, options.size());
    EXPECT_EQ("0.00", options.front());
    EXPECT_EQ("29.50", options.back());
}

TEST(BoundList, WidthsAreFreeTextForEverySelectedLineOfTheTypeName) {
    MapFixture map;
    const QXLOGPEN old = MakePen(5, RGB(0, 60, 0), 150);
    CQXObjectLine* a = AddLine(map, "工区边界", old);
    CQXObjectLine* b = AddLine(map, "工区边界", old);
    CQXObjectLine* other = AddLine(map, "断层", old);
    planetest::OpenList<CPropListBound> open(map, {a, b, other});

    ASSERT_TRUE(open.Type(CPropListBound::kPenWidthId, "45"));
    EXPECT_FLOAT_EQ(4500.0f, PenOf(a).width);
    EXPECT_FLOAT_EQ(4500.0f, PenOf(b).width);
    ASSERT_TRUE(open.Type(CPropListBound::kPenWidthId, "wide"));
    EXPECT_FLOAT_EQ(0.0f, PenOf(a).width);
    EXPECT_FLOAT_EQ(0.0f, PenOf(b).width);
    ASSERT_TRUE(open.Color(CPropListBound::kPenColorId, RGB(7, 7, 7)));
    EXPECT_EQ(RGB(7, 7, 7), PenOf(b).color);
    EXPECT_TRUE(SamePen(old, PenOf(other)));
}
