// What the plane-map lists share across families: the style and angle texts, the colour items,
// and the edit of one field of the shown object's pen that every selected object of its type takes.
#include <gtest/gtest.h>

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

    EXPECT_EQ("2.50", VariantToText(refused.GetValue()));  // the shown arrow's width again
    // A negative width is never taken, whatever the rule.
    refused.SetValue(_variant_t("-1"));
    EXPECT_FALSE(EditSameTypeRecord(fx.objects[2].get(), &CQXObjectLine::GetLogPen, &CQXObjectLine::SetLogPen,
                                    &refused, 1, Accept::ZeroOrMore));
    EXPECT_FLOAT_EQ(250.0f, fx.Pen(1).width);

    // Read through the lines' class, every line of "A" takes it.
    CBCGPProp zero("w", _variant_t("0"), "", 1);
    EXPECT_TRUE(EditSameTypeRecord(fx.objects[2].get(), &CQXObjectLine::GetLogPen, &CQXObjectLine::SetLogPen, &zero,
                                   1, Accept::ZeroOrMore));
    for (std::size_t i : {0u, 1u, 2u}) EXPECT_FLOAT_EQ(0.0f, fx.Pen(i).width);
    EXPECT_FLOAT_EQ(400.0f, fx.Pen(3).width);
}
