#include <memory>

#include "ItemPane.h"
#include "driver/GridDriver.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropDigits.h"
#include "framework/PropFloat.h"
#include "framework/PropStyleCombox.h"
#include "hosttypes/Sorrel/TemplateManager.h"

using tsltest::HostWindow;
using tsltest::ItemPane;

namespace {

std::string Text(CBCGPProp* item) { return std::string(VariantToText(item->GetValue())); }

std::vector<std::string> Options(CBCGPProp* item) {
    std::vector<std::string> out;
    for (int i = 0; i < item->GetOptionCount(); ++i) out.emplace_back(item->GetOption(i));
    return out;
}

QXLOGFONT MakeFont(const char* face, float size, COLORREF color) {
    QXLOGFONT font;
    font.SetFaceName(face);
    font.size = size;
    font.color = color;
    return font;
}

// ---- yes/no and orientation ---------------------------------------------------------------------------

TEST(YesNoItems, BuiltWithTwoFixedOptionsAndReadYesOnlyForExactYes) {
    std::unique_ptr<CBCGPProp> item(CreateYesNoProp("显示", 4001, _variant_t(""), "d"));
    EXPECT_EQ(item->GetData(), 4001u);
    EXPECT_EQ(Options(item.get()), (std::vector<std::string>{"是", "否"}));
    EXPECT_FALSE(item->IsAllowEdit());
    EXPECT_FALSE(GetYesNoProp(item.get()));  // empty

    SetYesNoProp(item.get(), true);
    EXPECT_EQ(Text(item.get()), "是");
    EXPECT_TRUE(GetYesNoProp(item.get()));
    SetYesNoProp(item.get(), false);
    EXPECT_FALSE(GetYesNoProp(item.get()));
    for (const char* other : {"是 ", "yes", "1", "True"}) {
        item->SetValue(_variant_t(other));
        EXPECT_FALSE(GetYesNoProp(item.get())) << other;
    }
    item->SetValue(_variant_t(true));
    EXPECT_FALSE(GetYesNoProp(item.get()));
}

TEST(OrientationItems, WriteAndReadTheThreeChoices) {
    std::unique_ptr<CBCGPProp> item(CreateOrientationProp("方向", 4002, _variant_t(""), "d"));
    EXPECT_EQ(Options(item.get()), (std::vector<std::string>{"自动", "横向", "纵向"}));
    EXPECT_FALSE(item->IsAllowEdit());
    const std::pair<int, const char*> writes[] = {{0, "自动"}, {1, "横向"}, {2, "纵向"}, {7, "纵向"}, {-1, "纵向"}};
    for (const auto& [value, text] : writes) {
        SetOrientationProp(item.get(), value);
        EXPECT_EQ(Text(item.get()), text) << value;
    }
    const std::pair<const char*, int> reads[] = {{"自动", 0}, {"横向", 1}, {"纵向", 2}, {"", 2}, {"abc", 2}};
    for (const auto& [text, value] : reads) {
        item->SetValue(_variant_t(text));
        EXPECT_EQ(GetOrientationProp(item.get()), value) << text;
    }
}

// ---- font groups ----------------------------------------------------------------------------------------

TEST(FontGroups, Shapes) {
    std::unique_ptr<CBCGPProp> group(CreateFontProp("字体", 5000));
    EXPECT_FALSE(group->IsExpanded());
    ASSERT_EQ(group->GetSubItemsCount(), 3);
    auto* face = dynamic_cast<CPropStyleCombox*>(group->GetSubItem(0));
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->GetKind(), CPropStyleCombox::kFontFace);
    CBCGPProp* size = group->GetSubItem(1);
    EXPECT_EQ(Text(size), "33");  // shown until the first write, although not an option
    EXPECT_EQ(size->GetOptionCount(), 32);
    EXPECT_STREQ(size->GetOption(31), "32");
    for (int i = 0; i < 3; ++i) EXPECT_EQ(group->GetSubItem(i)->GetData(), 5001u + i);
    auto* color = dynamic_cast<CBCGPColorProp*>(group->GetSubItem(2));
    ASSERT_NE(color, nullptr);
    EXPECT_EQ(color->GetAutomaticColor(), GetSysColor(COLOR_WINDOWTEXT));

    std::unique_ptr<CBCGPProp> floatGroup(CreateFontPropFloatSize("标注字体", 5100));
    EXPECT_TRUE(floatGroup->IsExpanded());
    auto* floatSize = dynamic_cast<CBCGPropFloat*>(floatGroup->GetSubItem(1));
    ASSERT_NE(floatSize, nullptr);
    EXPECT_EQ(floatSize->FormatProperty(), "33.00");
    EXPECT_FALSE(floatSize->IsNegativeAllowed());
    auto* floatColor = dynamic_cast<CBCGPColorProp*>(floatGroup->GetSubItem(2));
    ASSERT_NE(floatColor, nullptr);
    EXPECT_EQ(floatColor->GetAutomaticColor(), 0u);
}

TEST(FontGroups, SetAndReadBack) {
    std::unique_ptr<CBCGPProp> group(CreateFontProp("字体", 5000));
    SetFontProp(group.get(), MakeFont("黑体", 1250, RGB(10, 20, 30)));
    EXPECT_EQ(Text(group->GetSubItem(0)), "黑体");
    EXPECT_EQ(Text(group->GetSubItem(1)), "12.50");

    QXLOGFONT font;
    ASSERT_TRUE(GetFontProp(group.get(), font));
    EXPECT_EQ(font.GetFaceName(), "黑体");
    EXPECT_FLOAT_EQ(font.size, 1250);
    EXPECT_EQ(font.color, RGB(10, 20, 30));
}

TEST(FontGroups, RefusedSizeRestoresTheShownSizeButTakesTheFace) {
    std::unique_ptr<CBCGPProp> group(CreateFontProp("字体", 5000));
    for (const char* text : {"abc", "-2", "1e60"}) {
        QXLOGFONT font = MakeFont("宋体", 900, RGB(1, 1, 1));
        group->GetSubItem(0)->SetValue(_variant_t("楷体"));
        group->GetSubItem(1)->SetValue(_variant_t(text));
        EXPECT_FALSE(GetFontProp(group.get(), font)) << text;
        EXPECT_EQ(Text(group->GetSubItem(1)), "9.00");
        EXPECT_FLOAT_EQ(font.size, 900);
        EXPECT_EQ(font.color, RGB(1, 1, 1));
        EXPECT_EQ(font.GetFaceName(), "楷体");
    }
    for (const char* text : {"0", "0.00", "  ", "5abc"}) {
        QXLOGFONT font = MakeFont("宋体", 900, 0);
        group->GetSubItem(1)->SetValue(_variant_t(text));
        EXPECT_TRUE(GetFontProp(group.get(), font)) << text;
        EXPECT_FLOAT_EQ(font.size, text[0] == '5' ? 500 : 0) << text;
    }
}

TEST(FontGroups, LongFaceNameIsCutAtAWholeCharacter) {
    std::unique_ptr<CBCGPProp> group(CreateFontProp("字体", 5000));
    std::string face;
    for (int i = 0; i < 30; ++i) face += "宋";  // 90 bytes
    group->GetSubItem(0)->SetValue(_variant_t(face.c_str()));
    QXLOGFONT font;
    GetFontProp(group.get(), font);
    EXPECT_EQ(std::string(font.GetFaceName()), face.substr(0, 63));  // 21 whole characters
}

TEST(FontGroups, EnableWritesOnlyWhenEnabling) {
    std::unique_ptr<CBCGPProp> group(CreateFontPropFloatSize("字体", 5100));
    EnableFontProp(group.get(), MakeFont("黑体", 1050, RGB(9, 9, 9)), false);
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(group->GetSubItem(i)->IsEnabled());
    EXPECT_EQ(Text(group->GetSubItem(0)), "宋体");

    EnableFontProp(group.get(), MakeFont("黑体", 1050, RGB(9, 9, 9)), true);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(group->GetSubItem(i)->IsEnabled());
    EXPECT_EQ(Text(group->GetSubItem(0)), "黑体");
    EXPECT_EQ(group->GetSubItem(1)->GetValue().vt, VT_R8);
    EXPECT_DOUBLE_EQ(group->GetSubItem(1)->GetValue().dblVal, 10.5);
    EXPECT_EQ(static_cast<CBCGPColorProp*>(group->GetSubItem(2))->GetColor(), RGB(9, 9, 9));
}

TEST(FontGroups, CheckedEnableSkipsSubItemsOfOtherClasses) {
    std::unique_ptr<CBCGPProp> group(CreateFontProp("字体", 5000));  // size is a plain option item
    EnableFontPropChecked(group.get(), MakeFont("黑体", 1050, RGB(9, 9, 9)), false);
    EXPECT_FALSE(group->GetSubItem(0)->IsEnabled());
    EXPECT_TRUE(group->GetSubItem(1)->IsEnabled());
    EXPECT_FALSE(group->GetSubItem(2)->IsEnabled());
    EnableFontPropChecked(group.get(), MakeFont("黑体", 1050, RGB(9, 9, 9)), true);
    EXPECT_EQ(Text(group->GetSubItem(0)), "黑体");
    EXPECT_EQ(Text(group->GetSubItem(1)), "33");
}

TEST(FontGroups, SubItemReader) {
    std::unique_ptr<CBCGPProp> group(CreateFontPropFloatSize("字体", 5100));
    QXLOGFONT font = MakeFont("宋体", 900, 0);
    group->GetSubItem(0)->SetValue(_variant_t("仿宋"));
    group->GetSubItem(1)->SetValue(_variant_t(14.25));
    static_cast<CBCGPColorProp*>(group->GetSubItem(2))->SetColor(RGB(7, 8, 9));
    for (int i = 0; i < 3; ++i) GetFontSubProp(group->GetSubItem(i), font, i);
    EXPECT_EQ(font.GetFaceName(), "仿宋");
    EXPECT_FLOAT_EQ(font.size, 1425);
    EXPECT_EQ(font.color, RGB(7, 8, 9));

    // A size that is not a number leaves the size; other indexes and wrong classes change nothing.
    group->GetSubItem(1)->SetValue(_variant_t("abc"));
    GetFontSubProp(group->GetSubItem(1), font, 1);
    EXPECT_FLOAT_EQ(font.size, 1425);
    const QXLOGFONT before = font;
    GetFontSubProp(group->GetSubItem(1), font, 3);
    GetFontSubProp(group->GetSubItem(2), font, 1);
    EXPECT_TRUE(font == before);
}

TEST(FontGroups, RefusedSizeTypedOnAPaneKeepsTheValue) {
    HostWindow host;
    constexpr DWORD_PTR kFontGroupId = 5100;  // face +1, size +2, colour +3
    CBCGPProp* group = nullptr;
    ItemPane pane([&](CBCGPPropList& grid) {
        group = CreateFontPropFloatSize("字体", kFontGroupId);
        grid.AddProperty(group);
    });
    ASSERT_TRUE(pane.Open(host));
    platform::GridDriver driver(&pane.GetPropList());
    CBCGPProp* size = driver.FindByData(kFontGroupId + 2);
    ASSERT_NE(size, nullptr);
    EXPECT_TRUE(driver.TypeText(size, "-4"));
    EXPECT_EQ(size->FormatProperty(), "33.00");
    EXPECT_TRUE(driver.TypeText(size, "12.5"));
    ASSERT_FALSE(pane.changes.empty());
    QXLOGFONT font;
    const CBCGPProp* changed = pane.changes.back().item;
    GetFontSubProp(const_cast<CBCGPProp*>(changed), font, static_cast<int>(changed->GetData() - 5100 - 1));
    EXPECT_FLOAT_EQ(font.size, 1250);
    pane.DestroyWindow();
}

// A float size or width that a writer gave its "%.2f" text holds a text: a number typed then stays
// the text typed, as the value's type is ("14", not "14.00"), and the reader reads it.
TEST(FontGroups, ANumberTypedOverTheTextAWriterShowedStaysText) {
    HostWindow host;
    constexpr DWORD_PTR kFontGroupId = 5100, kLineGroupId = 5200;
    CBCGPProp* fontGroup = nullptr;
    CBCGPProp* lineGroup = nullptr;
    ItemPane pane([&](CBCGPPropList& grid) {
        fontGroup = CreateFontPropFloatSize("字体", kFontGroupId);
        grid.AddProperty(fontGroup);
        lineGroup = CreateLineFloatProp("线", kLineGroupId);
        grid.AddProperty(lineGroup);
    });
    ASSERT_TRUE(pane.Open(host));
    platform::GridDriver driver(&pane.GetPropList());
    QXLOGFONT font;
    font.size = 1200;
    SetFontProp(fontGroup, font);
    QXLOGPEN pen;
    pen.width = 25;
    SetLineProp(lineGroup, pen);
    CBCGPProp* size = fontGroup->GetSubItem(1);
    CBCGPProp* width = lineGroup->GetSubItem(1);
    EXPECT_EQ(size->FormatProperty(), "12.00");
    EXPECT_EQ(width->FormatProperty(), "0.25");
    for (CBCGPProp* item : {size, width}) {
        EXPECT_TRUE(driver.TypeText(item, "14"));
        EXPECT_EQ(item->FormatProperty(), "14");
        EXPECT_EQ(item->GetValue().vt, VT_BSTR);
    }
    GetFontSubProp(size, font, 1);
    EXPECT_FLOAT_EQ(font.size, 1400);
    ASSERT_TRUE(GetLineSubProp(width, pen, 1));
    EXPECT_FLOAT_EQ(pen.width, 1400);
    // Written as a number (EnableFontProp), a number typed is a number again.
    EnableFontProp(fontGroup, font, true);
    EXPECT_TRUE(driver.TypeText(size, "15"));
    EXPECT_EQ(size->FormatProperty(), "15.00");
    pane.DestroyWindow();
}

// ---- template option lists ---------------------------------------------------------------------------------

TEST(TemplateLists, EmptyOptionFirstThenTheManagersNames) {
    CTemplateManager* manager = _AfxGetTemplateManager();
    manager->RemoveAll();
    manager->AddTemplateColor("红", RGB(255, 0, 0));
    manager->AddTemplateColor("蓝", RGB(0, 0, 255));
    manager->AddTemplateSize("小", 100);
    manager->AddTemplatePointStyle("井", QXLOGPOINT());
    manager->AddTemplateLineStyle("实线", QXLOGPEN());
    manager->AddTemplateFillStyle("网格", QXLOGBRUSH());
    manager->AddTemplateFontStyle("标题", QXLOGFONT());

    CBCGPProp item("模板", _variant_t(""));
    item.AddOption("旧");
    FillColorTemplates(&item);
    EXPECT_EQ(Options(&item), (std::vector<std::string>{"", "红", "蓝"}));
    EXPECT_FALSE(item.IsAllowEdit());
    FillSizeTemplates(&item);
    EXPECT_EQ(Options(&item), (std::vector<std::string>{"", "小"}));
    FillPointStyleTemplates(&item);
    EXPECT_EQ(Options(&item), (std::vector<std::string>{"", "井"}));
    FillLineStyleTemplates(&item);
    EXPECT_EQ(Options(&item), (std::vector<std::string>{"", "实线"}));
    FillFillStyleTemplates(&item);
    EXPECT_EQ(Options(&item), (std::vector<std::string>{"", "网格"}));
    FillFontStyleTemplates(&item);
    EXPECT_EQ(Options(&item), (std::vector<std::string>{"", "标题"}));

    sorrel::testing::ClearTemplates();
    FillColorTemplates(&item);
    EXPECT_EQ(Options(&item), (std::vector<std::string>{""}));
}

// ---- numbers ---------------------------------------------------------------------------------------------

TEST(Numbers, IsNumberTextAllowsDigitsBlanksAndPointsOnly) {
    for (const char* yes : {"", "0", "12.5", " 1 ", "..", "\t3"}) EXPECT_EQ(IsNumberText(yes), 1) << yes;
    for (const char* no : {"-1", "+1", "1e5", "a", "１", "\xA0"}) EXPECT_EQ(IsNumberText(no), 0) << no;
}

TEST(Numbers, GetNumberPropTakesZeroOrMore) {
    CBCGPProp item("n", _variant_t(""));
    double v = 99;
    EXPECT_FALSE(GetNumberProp(&item, &v));  // empty
    EXPECT_EQ(v, 99);
    const std::pair<const char*, double> accepted[] = {{"0.0", 0}, {"0", 0}, {"3.5", 3.5}, {"5abc", 5}, {" 2", 2}};
    for (const auto& [text, value] : accepted) {
        item.SetValue(_variant_t(text));
        EXPECT_TRUE(GetNumberProp(&item, &v)) << text;
        EXPECT_DOUBLE_EQ(v, value) << text;
    }
    for (const char* text : {"-2", "abc", "-0", "1e999"}) {
        v = 99;
        item.SetValue(_variant_t(text));
        EXPECT_FALSE(GetNumberProp(&item, &v)) << text;
        EXPECT_EQ(v, 99) << text;
    }
    item.SetValue(_variant_t(4.0));
    EXPECT_TRUE(GetNumberProp(&item, &v));
    EXPECT_EQ(v, 4);
}

// ---- single items ------------------------------------------------------------------------------------------

TEST(SingleItems, IndexAndAlignmentOptions) {
    std::unique_ptr<CBCGPropDigits> index(CreateIndexProp("序号", 4101, "d", 3));
    EXPECT_EQ(Options(index.get()), (std::vector<std::string>{"0", "1", "2"}));
    EXPECT_FALSE(index->IsAllowEdit());
    std::unique_ptr<CBCGPropDigits> none(CreateIndexProp("序号", 4102, "d", -1));
    EXPECT_EQ(none->GetOptionCount(), 0);

    std::unique_ptr<CBCGPProp> v(CreateVAlignProp("纵向对齐"));
    EXPECT_EQ(Options(v.get()), (std::vector<std::string>{"顶对齐", "居中", "底对齐"}));
    EXPECT_EQ(Text(v.get()), "居中");
    EXPECT_EQ(v->GetData(), 1055u);
}

// ---- enable ranges ------------------------------------------------------------------------------------------

std::unique_ptr<CBCGPProp> GroupOf(int count) {
    auto group = std::make_unique<CBCGPProp>("g", 1, FALSE);
    for (int i = 0; i < count; ++i) {
        CBCGPProp* sub = new CBCGPProp("s", _variant_t(""));
        sub->AddSubItem(new CBCGPProp("t", _variant_t("")));
        group->AddSubItem(sub);
    }
    return group;
}

std::string EnabledMask(CBCGPProp* group, int level) {
    std::string mask;
    for (int i = 0; i < group->GetSubItemsCount(); ++i) {
        CBCGPProp* item = level == 0 ? group->GetSubItem(i) : group->GetSubItem(i)->GetSubItem(0);
        mask += item->IsEnabled() ? '1' : '0';
    }
    return mask;
}

TEST(EnableRanges, RangesAreCutToTheSubItems) {
    auto group = GroupOf(4);
    EnableSubItems(group.get(), 2, 10, FALSE);
    EXPECT_EQ(EnabledMask(group.get(), 0), "1100");
    EXPECT_EQ(EnabledMask(group.get(), 1), "1111");
    EnableSubItems(group.get(), 4, 10, TRUE);
    EXPECT_EQ(EnabledMask(group.get(), 0), "1100");
    EnableSubItems(group.get(), 0, -1, FALSE);
    EXPECT_EQ(EnabledMask(group.get(), 0), "0000");
    EnableAllSubItems(group.get(), TRUE);
    EXPECT_EQ(EnabledMask(group.get(), 0), "1111");
    EnableSubItemsDeep(group.get(), 1, 3, FALSE);
    EXPECT_EQ(EnabledMask(group.get(), 0), "1001");
    EXPECT_EQ(EnabledMask(group.get(), 1), "1001");
}

}  // namespace
