// What the plane-map lists share across families: the style and angle texts, the colour items, the
// whole-number readers with their item rules, and the edit of one field of the shown object's pen
// that every selected object of its type takes.
#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <vector>

#include "bcg/ColorProp.h"
#include "hosttypes/Parsnip/QXObjectArrow.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/PlaneTexts.h"
#include "planemap/RecordEdits.h"

using namespace planemap;

TEST(PlaneShared, StyleAndAngleTexts) {
    EXPECT_EQ("风格1", StyleText(0));
    EXPECT_EQ("风格7", StyleText(6));
    EXPECT_EQ("180.00", AngleText(planetext::kPi));
    EXPECT_EQ("-90.00", AngleText(-planetext::kPi / 2));
    EXPECT_DOUBLE_EQ(planetext::kPi / 2, AngleFromText("90"));
    EXPECT_DOUBLE_EQ(planetext::kPi / 4, AngleFromText("45deg"));  // the leading number
    EXPECT_EQ(0.0, AngleFromText("abc"));
    double radians = 0;
    ASSERT_TRUE(ToRadians(30.0, &radians));
    EXPECT_DOUBLE_EQ(30.0, ToDegrees(radians));
    EXPECT_FALSE(ToRadians(1e308, &radians));  // the product with π is no double
    EXPECT_DOUBLE_EQ(30.0, ToDegrees(radians));
}

TEST(PlaneShared, ColorItemsAreReadAndShownOnlyWhenTheyAreColourItems) {
    CBCGPColorProp colour("c", RGB(1, 2, 3), nullptr, "", 1);
    CBCGPProp text("t", _variant_t("x"), "", 2);
    COLORREF read = 7;
    EXPECT_TRUE(ReadColor(&colour, &read));
    EXPECT_EQ(RGB(1, 2, 3), read);
    read = 7;
    EXPECT_FALSE(ReadColor(&text, &read));
    EXPECT_FALSE(ReadColor(nullptr, &read));
    EXPECT_EQ(7u, read);
    ShowColor(&colour, RGB(9, 8, 7));
    EXPECT_EQ(RGB(9, 8, 7), colour.GetColor());
    ShowColor(&text, RGB(9, 8, 7));  // passed over
    ShowColor(nullptr, RGB(9, 8, 7));
    EXPECT_TRUE(IsDigits("0123"));
    EXPECT_FALSE(IsDigits(""));
    EXPECT_FALSE(IsDigits("12a"));
}

// A whole number is read as atoi reads it, but a number no int holds is refused, not cut to its
// leading digits ("1e39" is no 1); each item built with the reader's rule refuses the same texts.
TEST(PlaneShared, WholeNumberReadersRefuseANumberNoIntHolds) {
    struct Case {
        const char* text;
        bool taken;
        int value;
    };
    const Case cases[] = {
        {"12.9", true, 12},
        {"abc", true, 0},
        {"-7", true, -7},
        {"2147483647.9", true, INT_MAX},
        {"-2147483648", true, INT_MIN},
        {"2147483648", false, 0},
        {"1e39", false, 0},
        {"1e400", false, 0},
        {"-3e9", false, 0},
    };
    for (const Case& c : cases) {
        int value = 99;
        EXPECT_EQ(c.taken, ReadInt(c.text, &value)) << c.text;
        EXPECT_EQ(c.taken ? c.value : 99, value) << c.text;
        EXPECT_EQ(c.taken, CBCGPropSizeText("n", _variant_t(""), "", 1, IntRule()).Takes(c.text)) << c.text;
    }
    int count = 99;
    EXPECT_TRUE(ReadCount("0", &count));
    EXPECT_EQ(0, count);
    for (const char* refused : {"abc", "-1", "1e39"}) {
        EXPECT_FALSE(ReadCount(refused, &count)) << refused;
        EXPECT_FALSE(CBCGPropSizeText("n", _variant_t(""), "", 1, CountRule()).Takes(refused)) << refused;
    }
    EXPECT_TRUE(ReadWholeAboveZero("3.9", &count));
    EXPECT_EQ(3, count);
    for (const char* refused : {"0", "abc", "1e400"})
        EXPECT_FALSE(CBCGPropSizeText("n", _variant_t(""), "", 1, WholeAboveZeroRule()).Takes(refused)) << refused;
}

namespace {

// Two arrows and a plain line of one type name, and an arrow of another, all selected.
struct SameTypeLines {
    CQXLayer layer;
    std::vector<std::unique_ptr<CQXObjectLine>> objects;
    SameTypeLines() {
        Add(new CQXObjectArrow, "A", 100);
        Add(new CQXObjectArrow, "A", 200);
        Add(new CQXObjectPolyline, "A", 300);
        Add(new CQXObjectArrow, "B", 400);
    }
    void Add(CQXObjectLine* line, const char* typeName, float width) {
        line->SetTypeName(typeName);
        QXLOGPEN pen;
        pen.width = width;
        pen.color = RGB(0, 0, static_cast<int>(width / 100));
        line->SetLogPen(&pen);
        layer.AddObject(line);
        layer.SetSelectedObject(line);
        objects.emplace_back(line);
    }
    QXLOGPEN Pen(std::size_t i) const {
        QXLOGPEN pen;
        objects[i]->GetLogPen(&pen);
        return pen;
    }
};

}  // namespace

TEST(PlaneShared, RecordEditGivesTheShownPenToEverySelectedObjectOfItsClassAndType) {
    SameTypeLines fx;
    auto* shown = static_cast<CQXObjectArrow*>(fx.objects[0].get());
    CBCGPProp width("w", _variant_t("2.5"), "", 1);
    EXPECT_TRUE(EditSameTypeRecord(shown, &CQXObjectArrow::GetLogPen, &CQXObjectArrow::SetLogPen, &width, 1,
                                   Accept::AboveZero));
    for (std::size_t i : {0u, 1u}) {  // both arrows of "A" take the shown arrow's whole pen
        EXPECT_FLOAT_EQ(250.0f, fx.Pen(i).width);
        EXPECT_EQ(RGB(0, 0, 1), fx.Pen(i).color);
    }
    EXPECT_FLOAT_EQ(300.0f, fx.Pen(2).width);  // a line of "A" that is no arrow
    EXPECT_FLOAT_EQ(400.0f, fx.Pen(3).width);  // an arrow of another type name

    CBCGPProp refused("w", _variant_t("-1"), "", 1);
    EXPECT_FALSE(EditSameTypeRecord(shown, &CQXObjectArrow::GetLogPen, &CQXObjectArrow::SetLogPen, &refused, 1,
                                    Accept::AboveZero));
    EXPECT_FLOAT_EQ(250.0f, fx.Pen(1).width);

    // A negative width is never taken, whatever the rule.
    refused.SetValue(_variant_t("-1"));
    EXPECT_FALSE(EditSameTypeRecord(fx.objects[2].get(), &CQXObjectLine::GetLogPen, &CQXObjectLine::SetLogPen, &refused,
                                    1, Accept::ZeroOrMore));
    EXPECT_FLOAT_EQ(250.0f, fx.Pen(1).width);

    // Read through the lines' class, every line of "A" takes it.
    CBCGPProp zero("w", _variant_t("0"), "", 1);
    EXPECT_TRUE(EditSameTypeRecord(fx.objects[2].get(), &CQXObjectLine::GetLogPen, &CQXObjectLine::SetLogPen, &zero, 1,
                                   Accept::ZeroOrMore));
    for (std::size_t i : {0u, 1u, 2u}) EXPECT_FLOAT_EQ(0.0f, fx.Pen(i).width);
    EXPECT_FLOAT_EQ(400.0f, fx.Pen(3).width);
}
