// Numbers an item group or float item cannot keep: refused, the stored value untouched.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>

#include "ItemPane.h"
#include "bcg/PropList.h"
#include "driver/GridDriver.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropFloat.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"

using tsltest::HostWindow;
using tsltest::ItemPane;

namespace {

std::string Text(CBCGPProp* item) { return std::string(VariantToText(item->GetValue())); }

const char* const kTooLarge[] = {"1e39", "1e999"};

double AsDouble(const _variant_t& v) {
    _variant_t copy(v);
    copy.ChangeType(VT_R8);
    return copy.dblVal;
}

// ---- the float item ------------------------------------------------------------------------------------

TEST(FloatItemFaults, ValuesOutsideTheTypeAreRefusedNotWrapped) {
    struct Case {
        _variant_t value;
        const char* text;
    };
    const Case cases[] = {
        {_variant_t(static_cast<short>(5)), "70000"},
        {_variant_t(static_cast<short>(5)), "-40000"},
        {_variant_t(static_cast<BYTE>(5)), "256"},
        {_variant_t(5.0f), "1e39"},
        {_variant_t(5.0f), "70000e90"},
        {_variant_t(5.0), "-1e40099"},
        {_variant_t(5), "99999999999"},
    };
    for (const Case& c : cases) {
        CBCGPropFloat item("w", c.value, 2);
        EXPECT_TRUE(item.TextToVar(c.text)) << c.text;  // taken, like any refused text
        EXPECT_TRUE(item.IsTextRefused()) << c.text;
        EXPECT_EQ(item.GetValue(), c.value) << c.text;
        EXPECT_TRUE(item.TextToVar("7")) << c.text;
        EXPECT_FALSE(item.IsTextRefused()) << c.text;
        EXPECT_EQ(AsDouble(item.GetValue()), 7.0) << c.text;
        // Reported from code, as a text or as the double it means, after the item held a double: the
        // same refusal, judged in the item's own type.
        item.SetValue(_variant_t(2.0));
        for (const _variant_t& reported : {_variant_t(c.text), _variant_t(std::atof(c.text))}) {
            item.SetValue(reported);
            EXPECT_TRUE(item.IsTextRefused()) << c.text;
            item.TakeReport();
            EXPECT_EQ(reported, item.GetValue()) << c.text << ": held as it came until the pane puts back";
        }
    }
}

TEST(FloatItemFaults, FilterRefusalIsRecordedToo) {
    CBCGPropFloat item("w", _variant_t(2.5), 2, "", FALSE);
    EXPECT_FALSE(item.IsTextRefused());
    for (const char* text : {"abc", "-3", "1e999", "nan", "inf"}) {
        EXPECT_TRUE(item.TextToVar(text));
        EXPECT_TRUE(item.IsTextRefused()) << text;
        EXPECT_EQ(item.GetValue().dblVal, 2.5) << text;
    }
    EXPECT_TRUE(item.TextToVar("1e39"));  // a double item holds it
    EXPECT_FALSE(item.IsTextRefused());
    EXPECT_EQ(item.GetValue().dblVal, 1e39);
}

TEST(FloatItemFaults, ARefusedTypedTextIsMarkedAndNeverReachesTheList) {
    HostWindow host;
    CBCGPropFloat* item = nullptr;
    ItemPane pane([&](CBCGPPropList& grid) {
        item = new CBCGPropFloat("宽度", _variant_t(static_cast<short>(12)), 0, "", TRUE, 3001);
        grid.AddProperty(item);
    });
    ASSERT_TRUE(pane.Open(host));
    platform::GridDriver driver(&pane.GetPropList());
    EXPECT_TRUE(driver.TypeText(item, "70000"));
    EXPECT_TRUE(pane.changes.empty());
    EXPECT_TRUE(item->IsTextRefused());
    EXPECT_EQ(item->GetValue().iVal, 12);
    EXPECT_TRUE(driver.TypeText(item, "-300"));
    EXPECT_FALSE(item->IsTextRefused());
    EXPECT_EQ(pane.changes.size(), 1u);
    EXPECT_EQ(item->GetValue().iVal, -300);
    pane.DestroyWindow();
}

// ---- group readers --------------------------------------------------------------------------------------

TEST(GroupReaderFaults, WholeGroupReadersRefuseWhatTheRecordCannotHold) {
    std::unique_ptr<CBCGPProp> line(CreateLineProp("线", 300, false));
    std::unique_ptr<CBCGPProp> point(CreatePointProp("点", 80));
    std::unique_ptr<CBCGPProp> font(CreateFontPropFloatSize("字体", 5100));
    for (const char* text : kTooLarge) {
        QXLOGPEN pen;
        pen.width = 70;
        line->GetSubItem(1)->SetValue(_variant_t(text));
        EXPECT_FALSE(GetLineProp(line.get(), pen)) << text;
        EXPECT_EQ(pen.width, 70.0f);

        QXLOGPOINT p;
        p.size = 380;
        point->GetSubItem(1)->SetValue(_variant_t(text));
        EXPECT_FALSE(GetPointProp(point.get(), p)) << text;
        EXPECT_EQ(p.size, 380.0f);

        QXLOGFONT f;
        f.size = 900;
        font->GetSubItem(1)->SetValue(_variant_t(text));
        EXPECT_FALSE(GetFontProp(font.get(), f)) << text;
        EXPECT_EQ(f.size, 900.0f);
        EXPECT_EQ(Text(font->GetSubItem(1)), "9.00");  // shows the stored size again
    }
    // Within a double but not within the record's float once in hundredths.
    QXLOGPEN pen;
    pen.width = 70;
    line->GetSubItem(1)->SetValue(_variant_t("1e37"));
    EXPECT_FALSE(GetLineProp(line.get(), pen));
    EXPECT_EQ(pen.width, 70.0f);
}

// Each sub-item reader on its width or size item: the field after reading, starting from start.
float LineWidth(CBCGPProp* item, float start) {
    QXLOGPEN pen;
    pen.width = start;
    GetLineSubProp(item, pen, 1);
    return pen.width;
}
float PointSize(CBCGPProp* item, float start) {
    QXLOGPOINT point;
    point.size = start;
    GetPointSubProp(item, point, 1);
    return point.size;
}
float CellSize(CBCGPProp* item, float start) {
    QXLOGBRUSH brush;
    brush.size = start;
    GetFillSubProp(item, nullptr, 4, brush);
    return brush.size;
}
float FontSize(CBCGPProp* item, float start) {
    QXLOGFONT font;
    font.size = start;
    GetFontSubProp(item, font, 1);
    return font.size;
}

TEST(GroupReaderFaults, SubItemReadersKeepTheFieldForBadOrHeldValues) {
    std::unique_ptr<CBCGPProp> line(CreateLineFloatProp("线", 40));
    std::unique_ptr<CBCGPProp> point(CreatePointFloatProp("点", 80));
    std::unique_ptr<CBCGPProp> fill(CreateFillProp("填充", 7000));
    std::unique_ptr<CBCGPProp> font(CreateFontPropFloatSize("字体", 5100));
    const struct {
        CBCGPProp* item;
        float (*read)(CBCGPProp*, float);
    } readers[] = {{line->GetSubItem(1), LineWidth},
                   {point->GetSubItem(1), PointSize},
                   {fill->GetSubItem(4), CellSize},
                   {font->GetSubItem(1), FontSize}};
    // Typed texts, and values an item may hold (set by a program) that are no width.
    const _variant_t bad[] = {_variant_t("1e39"),   _variant_t("1e999"), _variant_t(1e37),  _variant_t(NAN),
                              _variant_t(INFINITY), _variant_t(-0.1),    _variant_t("-.1"), _variant_t("nan")};
    for (const auto& reader : readers) {
        for (const _variant_t& value : bad) {
            reader.item->SetValue(value);
            EXPECT_EQ(reader.read(reader.item, 125), 125.0f) << reader.item->GetName() << " " << VariantToText(value);
        }
        reader.item->SetValue(_variant_t(0.0));
        EXPECT_EQ(reader.read(reader.item, 125), 0.0f) << reader.item->GetName();
        reader.item->SetValue(_variant_t(2.5));
        EXPECT_EQ(reader.read(reader.item, 125), 250.0f) << reader.item->GetName();
    }
}

TEST(GroupReaderFaults, NumberItemAndArrowSizeRefuseAnOverflow) {
    CBCGPProp item("尺寸", _variant_t("1e999"));
    double value = 4;
    EXPECT_FALSE(GetNumberProp(&item, &value));
    EXPECT_EQ(value, 4);

    CQXLayer layer;
    CQXObjectPolyline line(&layer);
    line.SetTypeName("井网线");
    layer.SetSelectedObject(&line);
    line.GetBegArrow()->SetArrowLength(1.5);
    ApplyArrowProp(&item, &line, 2);
    EXPECT_EQ(line.GetBegArrow()->GetArrowLength(), 1.5);
    EXPECT_EQ(line.GetEndArrow()->GetArrowLength(), 0.0);
}

}  // namespace
