// The fill list (style set naming, shown-object-only brush edits, refused cell sizes) and the
// picture list (raster and embedded-map items, anchor edits, layer targets).
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "PlaneListFixture.h"
#include "framework/PropStyleCombox.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Parsnip/QXObjectBitmap.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "hosttypes/Parsnip/QXObjectQXM.h"
#include "hosttypes/Parsnip/QXSegment.h"
#include "planemap/PropListFill.h"
#include "planemap/PropListPicture.h"

namespace {

using planetest::BrushOf;

using parsnip::testing::ClearCallLog;
using parsnip::testing::CountCalls;

struct FillLayer {
    CQXLayer layer;
    std::vector<std::unique_ptr<CQXObjectFill>> fills;
    CQXObjectFill* Add(UINT style, const char* typeName = "填充") {
        fills.push_back(std::make_unique<CQXObjectFill>());
        CQXObjectFill* fill = fills.back().get();
        fill->SetTypeName(typeName);
        QXLOGBRUSH brush;
        brush.style = style;
        brush.fillColor = RGB(10, 20, 30);
        brush.size = 200;
        brush.backMode = kBackModeOpaque;
        fill->SetLogBrush(&brush);
        layer.AddObject(fill);
        layer.SetSelectedObject(fill);
        return fill;
    }
};

}  // namespace

TEST(FillList, StyleSetNameIsTheSetHoldingTheStyleElseAllStyles) {
    QXLOGBRUSH brush;
    brush.style = 1102;
    EXPECT_EQ("岩性填充", GetFillStyleName(brush));
    brush.style = 1001;
    EXPECT_EQ("常用填充", GetFillStyleName(brush));
    brush.style = 4242;
    EXPECT_EQ("所有样式", GetFillStyleName(brush));
}

TEST(FillList, ShowsTypeNameBrushAndArea) {
    FillLayer fx;
    CQXObjectFill* fill = fx.Add(4242, "湖泊");
    fill->AddSegment(new CQXSegment({{0, 0}, {4, 0}, {4, 3}, {0, 3}}));
    planetest::OpenList<CPropListFill> open(fill);
    EXPECT_EQ("湖泊", open.Value(0));
    EXPECT_EQ("所有样式", open.Value(kPlaneFillStyleSetId));  // a style no set holds
    EXPECT_EQ("2.00", open.Value(kPlaneFillCellSizeId));
    EXPECT_EQ("否", open.Value(kPlaneFillTransparentId));
    EXPECT_EQ("12.00", open.Value(8));
}

TEST(FillList, ChangingTheSetAloneRewritesTheUnchangedBrushAndRedraws) {
    FillLayer fx;
    CQXObjectFill* fill = fx.Add(1001);
    planetest::OpenList<CPropListFill> open(fill);
    EXPECT_EQ("常用填充", open.Value(kPlaneFillStyleSetId));
    const QXLOGBRUSH before = BrushOf(fill);
    const int redraws = open.Redraws();
    ClearCallLog();

    ASSERT_TRUE(open.Pick(kPlaneFillStyleSetId, "岩性填充"));
    EXPECT_EQ(1, CountCalls("CQXObjectFill::SetLogBrush", fill));
    const QXLOGBRUSH after = BrushOf(fill);
    EXPECT_EQ(before.style, after.style);
    EXPECT_EQ(before.fillColor, after.fillColor);
    EXPECT_EQ(before.size, after.size);
    EXPECT_EQ(redraws + 1, open.Redraws());
    auto* picker = dynamic_cast<CPropStyleCombox*>(open.Item(kPlaneFillStyleId));
    ASSERT_NE(nullptr, picker);
    ASSERT_FALSE(picker->GetStyleGroups().empty());
    EXPECT_EQ(CString("岩性填充"), picker->GetStyleGroups().back().second);
}

// A refused cell size runs no refresh: a style set just picked stays shown, and the style picker
// keeps the set's group.
TEST(FillList, ARefusedCellSizeKeepsAPickedStyleSet) {
    FillLayer fx;
    CQXObjectFill* fill = fx.Add(1001);
    planetest::OpenList<CPropListFill> open(fill);
    ASSERT_TRUE(open.Pick(kPlaneFillStyleSetId, "岩性填充"));
    auto* picker = dynamic_cast<CPropStyleCombox*>(open.Item(kPlaneFillStyleId));
    ASSERT_NE(nullptr, picker);
    const auto groups = picker->GetStyleGroups();
    const std::string size = open.Value(kPlaneFillCellSizeId);
    const int redraws = open.Redraws();
    ClearCallLog();

    open.Type(kPlaneFillCellSizeId, "-1");
    EXPECT_EQ("岩性填充", open.Value(kPlaneFillStyleSetId));
    EXPECT_EQ(groups, picker->GetStyleGroups());
    EXPECT_EQ(size, open.Value(kPlaneFillCellSizeId));
    EXPECT_EQ(0, CountCalls("CQXObjectFill::SetLogBrush"));
    EXPECT_EQ(redraws, open.Redraws());
}

TEST(FillList, EditsReachTheShownFillOnlyWhateverIsSelected) {
    FillLayer fx;
    CQXObjectFill* shown = fx.Add(1002);
    CQXObjectFill* twin = fx.Add(1002);  // same type name, also selected
    planetest::OpenList<CPropListFill> open(shown);

    ASSERT_TRUE(open.Type(kPlaneFillCellSizeId, "1.5"));
    ASSERT_TRUE(open.Color(kPlaneFillLineColorId, RGB(200, 0, 0)));
    ASSERT_TRUE(open.Pick(kPlaneFillTransparentId, "是"));
    const QXLOGBRUSH edited = BrushOf(shown);
    EXPECT_FLOAT_EQ(150.0f, edited.size);
    EXPECT_EQ(RGB(200, 0, 0), edited.lineColor);
    EXPECT_EQ(RGB(10, 20, 30), edited.fillColor);
    EXPECT_EQ(kBackModeTransparent, edited.backMode);

    const QXLOGBRUSH untouched = BrushOf(twin);
    EXPECT_FLOAT_EQ(200.0f, untouched.size);
    EXPECT_EQ(0u, untouched.lineColor);
    EXPECT_EQ(kBackModeOpaque, untouched.backMode);

    ASSERT_TRUE(open.Pick(kPlaneFillTransparentId, "否"));
    EXPECT_EQ(13u, BrushOf(shown).backMode);
}

// The cell size is read as typed; a text that is no number, a negative size or one past the
// record's float range is refused, typed or reported from code alike: nothing written, no redraw,
// and the item shows its text from before.
TEST(FillList, CellSizeIsReadAsTypedAndANegativeOrAnOverflowWritesNothing) {
    FillLayer fx;
    CQXObjectFill* fill = fx.Add(1002);
    planetest::OpenList<CPropListFill> open(fill);
    ASSERT_TRUE(open.Type(kPlaneFillCellSizeId, "2.5"));
    EXPECT_FLOAT_EQ(250.0f, BrushOf(fill).size);

    ClearCallLog();
    const int redraws = open.Redraws();
    for (const char* refused : {"abc", "-3", "1e300", "1e39"}) {
        open.Type(kPlaneFillCellSizeId, refused);
        EXPECT_EQ("2.50", open.Value(kPlaneFillCellSizeId)) << refused;
        open.Report(kPlaneFillCellSizeId, refused);
        EXPECT_EQ("2.50", open.Value(kPlaneFillCellSizeId)) << refused;
    }
    EXPECT_EQ(0, CountCalls("CQXObjectFill::SetLogBrush"));
    EXPECT_FLOAT_EQ(250.0f, BrushOf(fill).size);
    EXPECT_EQ(redraws, open.Redraws());
}

// ---- pictures -----------------------------------------------------------------------------------

namespace {

constexpr double kShortPi = 3.14159265358979;

struct PictureLayer {
    CQXLayer layer;
    std::vector<std::unique_ptr<CQXObject>> objects;
    template <class T>
    T* Add(const char* typeName = "图片") {
        objects.push_back(std::make_unique<T>());
        T* picture = static_cast<T*>(objects.back().get());
        picture->SetTypeName(typeName);
        layer.AddObject(picture);
        layer.SetSelectedObject(picture);
        return picture;
    }
};

}  // namespace

TEST(PictureList, RasterShowsRotationInDegreesAndStoresTypedDegreesAsRadians) {
    PictureLayer fx;
    auto* bitmap = fx.Add<CQXObjectBitmap>();
    bitmap->SetFileName("井位图.bmp");
    bitmap->SetRadiusA(12.5);
    bitmap->SetAngle(0.5);
    planetest::OpenList<CPropListPicture> open(bitmap);
    EXPECT_EQ("图片", open.Value(CPropListPicture::kTypeId));
    EXPECT_EQ("井位图.bmp", open.Value(CPropListPicture::kSourceId));
    EXPECT_EQ("12.50", open.Value(CPropListPicture::kLengthId));
    EXPECT_EQ("28.65", open.Value(CPropListPicture::kRotationId));
    EXPECT_TRUE(open.Enabled(CPropListPicture::kRotationId));
    for (DWORD_PTR id : {CPropListPicture::kScaleId, CPropListPicture::kBaseXId, CPropListPicture::kBaseYId}) {
        EXPECT_EQ("", open.Value(id)) << id;
        EXPECT_FALSE(open.Enabled(id)) << id;
    }
    ASSERT_TRUE(open.Type(CPropListPicture::kRotationId, "90"));
    EXPECT_DOUBLE_EQ(90 * kShortPi / 180.0, bitmap->GetAngle());
    EXPECT_DOUBLE_EQ(1.570796326794895, bitmap->GetAngle());
    // Degrees whose radians a double cannot hold are refused, never stored as infinity.
    ASSERT_TRUE(open.Type(CPropListPicture::kRotationId, "1e308"));
    EXPECT_DOUBLE_EQ(1.570796326794895, bitmap->GetAngle());
    EXPECT_EQ("90", open.Value(CPropListPicture::kRotationId));
}

TEST(PictureList, EmbeddedMapHasScaleAndBasePointInsteadOfRotation) {
    PictureLayer fx;
    auto* qxm = fx.Add<CQXObjectQXM>();
    qxm->SetFactor(2.5);
    qxm->SetQXMCenter(100, 200);
    planetest::OpenList<CPropListPicture> open(qxm);
    EXPECT_EQ("", open.Value(CPropListPicture::kRotationId));
    EXPECT_FALSE(open.Enabled(CPropListPicture::kRotationId));
    EXPECT_EQ("2.50", open.Value(CPropListPicture::kScaleId));
    EXPECT_EQ("100.00", open.Value(CPropListPicture::kBaseXId));
    EXPECT_EQ("200.00", open.Value(CPropListPicture::kBaseYId));
    for (DWORD_PTR id : {CPropListPicture::kScaleId, CPropListPicture::kBaseXId, CPropListPicture::kBaseYId})
        EXPECT_TRUE(open.Enabled(id)) << id;

    ASSERT_TRUE(open.Type(CPropListPicture::kBaseXId, "150"));
    double x = 0, y = 0;
    qxm->GetQXMCenter(x, y);
    EXPECT_EQ(150.0, x);
    EXPECT_EQ(200.0, y);
    ASSERT_TRUE(open.Type(CPropListPicture::kScaleId, "0.5"));
    EXPECT_EQ(0.5, qxm->GetFactor());
}

TEST(PictureList, CoordinateEditKeepsTheOtherCoordinateAndBothBytesAndNoNumberReadsZero) {
    PictureLayer fx;
    auto* bitmap = fx.Add<CQXObjectBitmap>();
    bitmap->SetRadiusA(5);
    QXPOINT start(3, 4, 7);
    start.reserved = 9;
    bitmap->MoveAnchor(start);
    planetest::OpenList<CPropListPicture> open(bitmap);
    EXPECT_EQ("3.00", open.Value(CPropListPicture::kXId));
    EXPECT_EQ("4.00", open.Value(CPropListPicture::kYId));

    ASSERT_TRUE(open.Type(CPropListPicture::kXId, "10.25"));
    QXPOINT moved;
    bitmap->GetAnchor(&moved);
    EXPECT_EQ(10.25, moved.x);
    EXPECT_EQ(4.0, moved.y);
    EXPECT_EQ(7, moved.flag);
    EXPECT_EQ(9, moved.reserved);

    ASSERT_TRUE(open.Type(CPropListPicture::kLengthId, "abc"));
    EXPECT_EQ(0.0, bitmap->GetRadiusA());
}

TEST(PictureList, LayerTargetDisablesAllAndAPictureAfterItEnablesThemAgain) {
    PictureLayer fx;
    auto* bitmap = fx.Add<CQXObjectBitmap>();
    auto* qxm = fx.Add<CQXObjectQXM>();
    planetest::OpenList<CPropListPicture> open(&fx.layer);
    for (DWORD_PTR id = CPropListPicture::kTypeId; id <= CPropListPicture::kBaseYId; ++id)
        EXPECT_FALSE(open.Enabled(id)) << id;

    open.Show(bitmap);
    for (DWORD_PTR id = CPropListPicture::kTypeId; id <= CPropListPicture::kRotationId; ++id)
        EXPECT_TRUE(open.Enabled(id)) << id;
    for (DWORD_PTR id = CPropListPicture::kScaleId; id <= CPropListPicture::kBaseYId; ++id)
        EXPECT_FALSE(open.Enabled(id)) << id;
    ASSERT_TRUE(open.Type(CPropListPicture::kWidthId, "8"));  // the user can edit again
    EXPECT_EQ(8.0, bitmap->GetRadiusB());

    open.Show(qxm);  // the kind rule follows the new picture
    for (DWORD_PTR id = CPropListPicture::kTypeId; id <= CPropListPicture::kWidthId; ++id)
        EXPECT_TRUE(open.Enabled(id)) << id;
    EXPECT_FALSE(open.Enabled(CPropListPicture::kRotationId));
    for (DWORD_PTR id = CPropListPicture::kScaleId; id <= CPropListPicture::kBaseYId; ++id)
        EXPECT_TRUE(open.Enabled(id)) << id;
}

TEST(PictureList, EditChangesOnlyTheShownPicture) {
    PictureLayer fx;
    auto* shown = fx.Add<CQXObjectBitmap>();
    auto* twin = fx.Add<CQXObjectBitmap>();
    twin->SetRadiusA(1);
    planetest::OpenList<CPropListPicture> open(shown);
    ClearCallLog();
    const int redraws = open.Redraws();
    ASSERT_TRUE(open.Type(CPropListPicture::kLengthId, "30"));
    ASSERT_TRUE(open.Type(CPropListPicture::kRotationId, "45"));
    EXPECT_EQ(30.0, shown->GetRadiusA());
    EXPECT_EQ(1.0, twin->GetRadiusA());
    EXPECT_EQ(0.0, twin->GetAngle());
    EXPECT_EQ(0, CountCalls("CQXObjectBitmap::SetRadiusA", twin));
    EXPECT_EQ(0, CountCalls("CQXObject::OnChanged"));
    EXPECT_EQ(redraws + 2, open.Redraws());
}
