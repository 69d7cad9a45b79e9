// The text, point-text and multi-line text lists: font fields edited across same-type texts,
// units of angle and size, positions, label decimals and places, backgrounds, and the items'
// enabled state after a mixed selection.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "PlaneListFixture.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Parsnip/QXObjectMultiText.h"
#include "hosttypes/Parsnip/QXObjectText.h"
#include "planemap/PropListMultiText.h"
#include "planemap/PropListPointText.h"
#include "planemap/PropListText.h"

namespace {

constexpr double kPi = 3.14159265358979;

QXLOGFONT MakeFont(const char* face, float size) {
    QXLOGFONT font;
    font.SetFaceName(face);
    font.size = size;
    return font;
}

using planetest::BrushOf;
using planetest::FontOf;

struct TextLayer {
    CQXLayer layer;
    std::vector<std::unique_ptr<CQXObject>> objects;

    template <class T = CQXObjectText>
    T* Add(const char* label, const char* typeName = "文本", bool select = true) {
        objects.push_back(std::make_unique<T>());
        T* text = static_cast<T*>(objects.back().get());
        text->SetTypeName(typeName);
        text->SetString(label);
        layer.AddObject(text);
        if (select) layer.SetSelectedObject(text);
        return text;
    }
    void SelectOnly(CQXObject* object) {
        layer.RemoveAllSelectedObject();
        layer.SetSelectedObject(object);
    }
};

}  // namespace

// ---- text list ----------------------------------------------------------------------------------

TEST(TextList, FontColourEditKeepsEachTextsFaceAndSize) {
    TextLayer fx;
    CQXObjectText* a = fx.Add("甲");
    CQXObjectText* b = fx.Add("乙");
    CQXObjectText* other = fx.Add("丙", "注记");
    QXLOGFONT fa = MakeFont("宋体", 1200), fb = MakeFont("黑体", 800);
    a->SetLogFont(&fa);
    b->SetLogFont(&fb);
    planetest::OpenList<CPropListText> open(a);
    EXPECT_EQ("", open.Value(CPropListText::kStringId));
    EXPECT_FALSE(open.Enabled(CPropListText::kStringId));

    ASSERT_TRUE(open.Color(CPropListText::kColorId, RGB(200, 10, 10)));
    EXPECT_EQ(RGB(200, 10, 10), FontOf(a).color);
    EXPECT_EQ(RGB(200, 10, 10), FontOf(b).color);
    EXPECT_EQ(CString("宋体"), FontOf(a).GetFaceName());
    EXPECT_EQ(1200.0f, FontOf(a).size);
    EXPECT_EQ(CString("黑体"), FontOf(b).GetFaceName());
    EXPECT_EQ(800.0f, FontOf(b).size);
    EXPECT_EQ(0u, FontOf(other).color);

    ASSERT_TRUE(open.Pick(CPropListText::kTransparentId, "是"));  // one more field, the rest kept
    EXPECT_EQ(1u, FontOf(b).transparent);
    EXPECT_EQ(RGB(200, 10, 10), FontOf(b).color);
}

TEST(TextList, AngleAndSizeUnits) {
    TextLayer fx;
    CQXObjectText* text = fx.Add("甲");
    text->SetAngle(0.5236);
    planetest::OpenList<CPropListText> open(text);
    EXPECT_EQ("30.00", open.Value(CPropListText::kAngleId));

    ASSERT_TRUE(open.Type(CPropListText::kAngleId, "90"));
    EXPECT_EQ(90 * kPi / 180.0, text->GetAngle());

    ASSERT_TRUE(open.Type(CPropListText::kSizeId, "12"));
    EXPECT_EQ(1200.0f, FontOf(text).size);
    open.Show(text);
    EXPECT_EQ("12.00", open.Value(CPropListText::kSizeId));

    parsnip::testing::ClearCallLog();
    const int redraws = open.Redraws();
    for (const char* refused : {"0", "-3", "x", "1e300"}) open.Type(CPropListText::kSizeId, refused);
    EXPECT_EQ(0, parsnip::testing::CountCalls("CQXObjectText::SetLogFont"));
    EXPECT_EQ(1200.0f, FontOf(text).size);
    // The size item itself refuses each of them, so none reaches the list (nothing to redraw) and
    // the stored size shows again.
    EXPECT_EQ(redraws, open.Redraws());
    EXPECT_EQ("12.00", open.Value(CPropListText::kSizeId));
}

TEST(TextList, PositionMovesTheShownTextOnlyAndIgnoresNonNumbers) {
    TextLayer fx;
    CQXObjectText* text = fx.Add("甲");
    CQXObjectText* second = fx.Add("乙");
    text->MoveAnchor(QXPOINT(100.5, 200.25));
    fx.SelectOnly(text);
    planetest::OpenList<CPropListText> open(text);
    EXPECT_EQ("100.50", open.Value(CPropListText::kXId));
    EXPECT_EQ("200.25", open.Value(CPropListText::kYId));

    open.Type(CPropListText::kXId, "abc");
    open.Type(CPropListText::kXId, "1e400");  // past a double's range
    QXPOINT p;
    text->GetAnchor(&p);
    EXPECT_EQ(100.5, p.x);
    EXPECT_EQ(200.25, p.y);

    fx.layer.SetSelectedObject(second);
    open.Show(text);
    ASSERT_TRUE(open.Type(CPropListText::kYId, "-7.5"));
    text->GetAnchor(&p);
    EXPECT_EQ(100.5, p.x);
    EXPECT_EQ(-7.5, p.y);
    second->GetAnchor(&p);
    EXPECT_EQ(0.0, p.y);
}

TEST(TextList, AlignmentsOutsideTheOptionsShowTheLastOne) {
    TextLayer fx;
    CQXObjectText* a = fx.Add("甲");
    CQXObjectText* b = fx.Add("乙");
    a->SetHorizontalAlign(3);
    a->SetVerticalAlign(3);
    planetest::OpenList<CPropListText> open(a);
    EXPECT_EQ("右对齐", open.Value(CPropListText::kHAlignId));
    EXPECT_EQ("下对齐", open.Value(CPropListText::kVAlignId));

    ASSERT_TRUE(open.Pick(CPropListText::kHAlignId, "居中"));
    ASSERT_TRUE(open.Pick(CPropListText::kVAlignId, "上对齐"));
    for (CQXObjectText* t : {a, b}) {
        EXPECT_EQ(1, t->GetHorizontalAlign());
        EXPECT_EQ(0, t->GetVerticalAlign());
    }

    // Any other text reported from code is the last alignment, and the item shows it as taken.
    const int redraws = open.Redraws();
    open.Report(CPropListText::kHAlignId, "");
    open.Report(CPropListText::kVAlignId, "无此选项");
    for (CQXObjectText* t : {a, b}) {
        EXPECT_EQ(2, t->GetHorizontalAlign());
        EXPECT_EQ(2, t->GetVerticalAlign());
    }
    EXPECT_EQ("右对齐", open.Value(CPropListText::kHAlignId));
    EXPECT_EQ("下对齐", open.Value(CPropListText::kVAlignId));
    EXPECT_EQ(redraws + 2, open.Redraws());
}

TEST(TextList, UniformSelectionAfterAMixedOneEnablesTheItemsAgain) {
    TextLayer fx;
    CQXObjectText* text = fx.Add("甲");
    fx.Add<CQXObjectMultiText>("乙");  // mixed classes
    planetest::OpenList<CPropListText> open;
    EXPECT_EQ("横向", open.Value(CPropListText::kDirectionId));
    EXPECT_FALSE(open.Enabled(CPropListText::kDirectionId));
    open.Show(text);
    EXPECT_FALSE(open.Enabled(CPropListText::kAngleId));
    EXPECT_FALSE(open.Enabled(CPropListText::kSizeId));

    fx.layer.RemoveAllSelectedObject();
    fx.layer.SetSelectedObject(text);
    fx.layer.SetSelectedObject(fx.Add("丙"));
    open.Show(text);
    EXPECT_TRUE(open.Enabled(CPropListText::kAngleId));
    EXPECT_TRUE(open.Enabled(CPropListText::kSizeId));
    EXPECT_TRUE(open.Enabled(CPropListText::kXId));
    EXPECT_FALSE(open.Enabled(CPropListText::kStringId));  // two texts
    EXPECT_FALSE(open.Enabled(CPropListText::kDirectionId));

    fx.SelectOnly(text);
    open.Show(text);
    EXPECT_TRUE(open.Enabled(CPropListText::kStringId));
    EXPECT_EQ("甲", open.Value(CPropListText::kStringId));
}

TEST(TextList, FaceNameIsCutAtACharacterBoundary) {
    TextLayer fx;
    CQXObjectText* a = fx.Add("甲");
    CQXObjectText* b = fx.Add("乙");
    planetest::OpenList<CPropListText> open(a);
    std::string face = "A";
    for (int i = 0; i < 30; ++i) face += "楷";  // 91 bytes: byte 63 falls inside a character
    open.Report(CPropListText::kFaceId, face.c_str());
    for (CQXObjectText* t : {a, b}) {
        const QXLOGFONT font = FontOf(t);
        EXPECT_EQ(face.substr(0, 61), std::string(font.faceName));  // "A" and 20 whole characters
    }
}

// ---- point-text list ------------------------------------------------------------------------------

TEST(PointTextList, DecimalsAreCountedAndRewrittenOnNumericLabels) {
    TextLayer fx;
    CQXObjectText* label = fx.Add("12.345");
    fx.SelectOnly(label);
    planetest::OpenList<CPropListPointText> open(label);
    EXPECT_EQ("3", open.Value(CPropListPointText::kDecimalsId));
    ASSERT_TRUE(open.Pick(CPropListPointText::kDecimalsId, "1"));
    EXPECT_EQ(CString("12.3"), label->GetString());
    open.Show(label);
    EXPECT_EQ("1", open.Value(CPropListPointText::kDecimalsId));

    label->SetString("12");
    open.Show(label);
    EXPECT_EQ("0", open.Value(CPropListPointText::kDecimalsId));
    label->SetString("1.5米");  // characters, not bytes
    open.Show(label);
    EXPECT_EQ("2", open.Value(CPropListPointText::kDecimalsId));
}

// A label is read by its leading number: one that starts with none (a word, the empty label) is 0;
// one whose number no double holds keeps its text.
TEST(PointTextList, NoDecimalsRoundsHalfAwayFromZeroAndLabelsWithoutANumberAreZero) {
    TextLayer fx;
    CQXObjectText* negative = fx.Add("-2.5");
    CQXObjectText* positive = fx.Add("2.5");
    CQXObjectText* small = fx.Add("-0.4");
    CQXObjectText* word = fx.Add("井A");
    CQXObjectText* empty = fx.Add("");
    CQXObjectText* unit = fx.Add("12.345米");
    CQXObjectText* huge = fx.Add("1e400");
    CQXObjectText* other = fx.Add("7.77", "其它");
    planetest::OpenList<CPropListPointText> open(negative);
    ASSERT_TRUE(open.Pick(CPropListPointText::kDecimalsId, "0"));
    EXPECT_EQ(CString("-3"), negative->GetString());
    EXPECT_EQ(CString("3"), positive->GetString());
    EXPECT_EQ(CString("0"), small->GetString());
    EXPECT_EQ(CString("0"), word->GetString());
    EXPECT_EQ(CString("0"), empty->GetString());
    EXPECT_EQ(CString("12"), unit->GetString());
    EXPECT_EQ(CString("1e400"), huge->GetString());
    EXPECT_EQ(CString("7.77"), other->GetString());

    ASSERT_TRUE(open.Pick(CPropListPointText::kDecimalsId, "2"));
    EXPECT_EQ(CString("-3.00"), negative->GetString());
    EXPECT_EQ(CString("0.00"), word->GetString());
    EXPECT_EQ(CString("1e400"), huge->GetString());

    empty->SetString("");
    ASSERT_TRUE(open.Pick(CPropListPointText::kDecimalsId, "1"));
    EXPECT_EQ(CString("0.0"), empty->GetString());
}

TEST(PointTextList, PlacesMapToAlignmentPairs) {
    TextLayer fx;
    CQXObjectText* a = fx.Add("1");
    CQXObjectText* b = fx.Add("2");
    CQXObjectText* other = fx.Add("3", "其它");
    a->SetHorizontalAlign(0);
    a->SetVerticalAlign(2);
    planetest::OpenList<CPropListPointText> open(a);
    EXPECT_EQ("右上", open.Value(CPropListPointText::kPlaceId));
    const auto options = platform::GridDriver::Info(open.Item(CPropListPointText::kPlaceId)).options;
    EXPECT_EQ((std::vector<std::string>{"左上", "上", "右上", "左", "右", "左下", "下", "右下"}), options);

    ASSERT_TRUE(open.Pick(CPropListPointText::kPlaceId, "左下"));
    for (CQXObjectText* t : {a, b}) {
        EXPECT_EQ(2, t->GetHorizontalAlign());
        EXPECT_EQ(0, t->GetVerticalAlign());
    }
    EXPECT_EQ(0, other->GetHorizontalAlign());

    // "中", no option offered, is taken from code: both alignments 1, shown as "中".
    int redraws = open.Redraws();
    open.Report(CPropListPointText::kPlaceId, "中");
    for (CQXObjectText* t : {a, b}) {
        EXPECT_EQ(1, t->GetHorizontalAlign());
        EXPECT_EQ(1, t->GetVerticalAlign());
    }
    EXPECT_EQ("中", open.Value(CPropListPointText::kPlaceId));
    EXPECT_EQ(redraws + 1, open.Redraws());

    a->SetHorizontalAlign(1);
    a->SetVerticalAlign(1);
    open.Show(a);
    EXPECT_EQ("中", open.Value(CPropListPointText::kPlaceId));
    a->SetHorizontalAlign(7);  // no place: the item keeps its text
    open.Show(a);
    EXPECT_EQ("中", open.Value(CPropListPointText::kPlaceId));

    // A text no place holds writes nothing and redraws nothing; with no place stored, the item
    // shows the place it showed before.
    parsnip::testing::ClearCallLog();
    redraws = open.Redraws();
    open.Report(CPropListPointText::kPlaceId, "外");
    EXPECT_EQ(0, parsnip::testing::CountCalls("CQXObjectText::SetHorizontalAlign"));
    EXPECT_EQ("中", open.Value(CPropListPointText::kPlaceId));
    EXPECT_EQ(redraws, open.Redraws());
}

TEST(PointTextList, TransparentBackgroundDisablesItsColour) {
    TextLayer fx;
    CQXObjectText* label = fx.Add("1.5");
    planetest::OpenList<CPropListPointText> open(label);
    EXPECT_TRUE(open.Enabled(CPropListPointText::kBackColorId));
    ASSERT_TRUE(open.Pick(CPropListPointText::kTransparentId, "是"));
    EXPECT_EQ(1u, FontOf(label).transparent);
    EXPECT_FALSE(open.Enabled(CPropListPointText::kBackColorId));
    ASSERT_TRUE(open.Pick(CPropListPointText::kTransparentId, "否"));
    EXPECT_TRUE(open.Enabled(CPropListPointText::kBackColorId));
    ASSERT_TRUE(open.Color(CPropListPointText::kBackColorId, RGB(1, 2, 3)));
    EXPECT_EQ(RGB(1, 2, 3), FontOf(label).backColor);

    QXLOGFONT font = FontOf(label);
    font.transparent = 1;
    label->SetLogFont(&font);
    open.Show(label);
    EXPECT_FALSE(open.Enabled(CPropListPointText::kBackColorId));
}

TEST(PointTextList, MixedSelectionDisablesAllAndAUniformOneKeepsTheListsRules) {
    TextLayer fx;
    CQXObjectText* label = fx.Add("1.5");
    fx.Add<CQXObjectMultiText>("多行");
    QXLOGFONT font = FontOf(label);
    font.transparent = 1;
    label->SetLogFont(&font);
    planetest::OpenList<CPropListPointText> open(label);
    EXPECT_FALSE(open.Enabled(CPropListPointText::kAngleId));
    EXPECT_FALSE(open.Enabled(CPropListPointText::kDecimalsId));

    fx.SelectOnly(label);
    open.Show(label);
    EXPECT_TRUE(open.Enabled(CPropListPointText::kAngleId));
    EXPECT_TRUE(open.Enabled(CPropListPointText::kDecimalsId));
    EXPECT_TRUE(open.Enabled(CPropListPointText::kStringId));
    EXPECT_FALSE(open.Enabled(CPropListPointText::kDirectionId));
    EXPECT_FALSE(open.Enabled(CPropListPointText::kBackColorId));  // transparent
}

// ---- multi-line text list -------------------------------------------------------------------------

TEST(MultiTextList, DirectionAndStringEdits) {
    TextLayer fx;
    auto* a = fx.Add<CQXObjectMultiText>("第一行");
    auto* b = fx.Add<CQXObjectMultiText>("第二行");
    planetest::OpenList<CPropListMultiText> open(a);
    EXPECT_EQ("", open.Value(CPropListMultiText::kStringId));
    EXPECT_FALSE(open.Enabled(CPropListMultiText::kStringId));
    EXPECT_EQ("横向", open.Value(CPropListMultiText::kDirectionId));
    ASSERT_TRUE(open.Pick(CPropListMultiText::kDirectionId, "纵向"));
    EXPECT_EQ(1, a->GetDirection());
    EXPECT_EQ(1, b->GetDirection());
    // Any text but "横向" reported from code is down: taken as "纵向", which the item shows.
    const int redraws = open.Redraws();
    open.Report(CPropListMultiText::kDirectionId, "");
    EXPECT_EQ(1, a->GetDirection());
    EXPECT_EQ("纵向", open.Value(CPropListMultiText::kDirectionId));
    EXPECT_EQ(redraws + 1, open.Redraws());

    fx.SelectOnly(a);
    open.Show(a);
    EXPECT_EQ("纵向", open.Value(CPropListMultiText::kDirectionId));
    EXPECT_TRUE(open.Enabled(CPropListMultiText::kStringId));
    fx.layer.SetSelectedObject(b);  // the string is the shown text's own, even with b selected
    open.Report(CPropListMultiText::kStringId, "新");
    EXPECT_EQ(CString("新"), a->GetString());
    EXPECT_EQ(CString("第二行"), b->GetString());
}

TEST(MultiTextList, BackgroundLivesInTheBrush) {
    TextLayer fx;
    auto* a = fx.Add<CQXObjectMultiText>("一");
    auto* b = fx.Add<CQXObjectMultiText>("二");
    QXLOGFONT fa = MakeFont("宋体", 900);
    a->SetLogFont(&fa);
    QXLOGBRUSH opaque;
    opaque.style = 1001;
    a->SetLogBrush(&opaque);
    b->SetLogBrush(&opaque);
    planetest::OpenList<CPropListMultiText> open(a);
    EXPECT_EQ("否", open.Value(CPropListMultiText::kTransparentId));

    ASSERT_TRUE(open.Pick(CPropListMultiText::kTransparentId, "是"));
    EXPECT_EQ(1000u, BrushOf(a).style);
    EXPECT_EQ(1000u, BrushOf(b).style);
    open.Show(a);
    EXPECT_EQ("是", open.Value(CPropListMultiText::kTransparentId));
    ASSERT_TRUE(open.Pick(CPropListMultiText::kTransparentId, "否"));
    EXPECT_EQ(1001u, BrushOf(b).style);

    QXLOGBRUSH odd;
    odd.style = 5;
    a->SetLogBrush(&odd);
    open.Show(a);
    EXPECT_EQ("否", open.Value(CPropListMultiText::kTransparentId));

    ASSERT_TRUE(open.Color(CPropListMultiText::kBackColorId, RGB(9, 8, 7)));
    EXPECT_EQ(RGB(9, 8, 7), BrushOf(a).fillColor);
    EXPECT_EQ(RGB(9, 8, 7), BrushOf(b).fillColor);
    EXPECT_EQ(5u, BrushOf(a).style);
    EXPECT_EQ(1, FontOf(a) == fa);
}

TEST(MultiTextList, SizeAndRotation) {
    TextLayer fx;
    auto* text = fx.Add<CQXObjectMultiText>("一");
    text->SetAngle(1.0);
    planetest::OpenList<CPropListMultiText> open(text);
    ASSERT_TRUE(open.Type(CPropListMultiText::kSizeId, "12"));
    EXPECT_EQ(1200.0f, FontOf(text).size);
    open.Show(text);
    EXPECT_EQ("12.00", open.Value(CPropListMultiText::kSizeId));
    EXPECT_EQ("", open.Value(CPropListMultiText::kAngleId));
    EXPECT_FALSE(open.Enabled(CPropListMultiText::kAngleId));

    open.Report(CPropListMultiText::kAngleId, "90");  // reachable from code only
    EXPECT_EQ(90 * kPi / 180.0, text->GetAngle());
}

TEST(MultiTextList, UniformSelectionAfterAMixedOneKeepsRotationDisabled) {
    TextLayer fx;
    auto* text = fx.Add<CQXObjectMultiText>("一");
    fx.Add("单行");
    planetest::OpenList<CPropListMultiText> open(text);
    EXPECT_FALSE(open.Enabled(CPropListMultiText::kDirectionId));
    EXPECT_FALSE(open.Enabled(CPropListMultiText::kHAlignId));

    fx.SelectOnly(text);
    open.Show(text);
    EXPECT_TRUE(open.Enabled(CPropListMultiText::kDirectionId));
    EXPECT_TRUE(open.Enabled(CPropListMultiText::kHAlignId));
    EXPECT_TRUE(open.Enabled(CPropListMultiText::kStringId));
    EXPECT_FALSE(open.Enabled(CPropListMultiText::kAngleId));
}
