#include <gtest/gtest.h>

#include "hosttypes/Kestrel/GraphStyleManager.h"
#include "hosttypes/Kestrel/KestrelTesting.h"

#include <memory>
#include <string>

#include "bcg/ColorProp.h"
#include "framework/GroupEdits.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropFloat.h"
#include "framework/PropStyleCombox.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "mfc/Variant.h"

namespace {

std::string Text(CBCGPProp* item) { return std::string(VariantToText(item->GetValue())); }

std::vector<std::string> Options(CBCGPProp* item) {
    std::vector<std::string> out;
    for (int i = 0; i < item->GetOptionCount(); ++i) out.emplace_back(item->GetOption(i));
    return out;
}

CPropStyleCombox* Picker(CBCGPProp* item) { return DYNAMIC_DOWNCAST(CPropStyleCombox, item); }
CBCGPColorProp* Colour(CBCGPProp* item) { return DYNAMIC_DOWNCAST(CBCGPColorProp, item); }

// ---- line groups ---------------------------------------------------------------------------------

TEST(LineGroups, LinePropWithArrowsHasSixNumberedSubItems) {
    std::unique_ptr<CBCGPProp> group(CreateLineProp("线", 300, true));
    ASSERT_EQ(group->GetSubItemsCount(), 6);
    EXPECT_FALSE(group->IsExpanded());
    for (int i = 0; i < 6; ++i) EXPECT_EQ(group->GetSubItem(i)->GetData(), 301u + i);
    CPropStyleCombox* style = Picker(group->GetSubItem(0));
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(style->GetKind(), CPropStyleCombox::kLineStyle);
    EXPECT_EQ(style->GetStyleGroups()[0].second, CString("常用线形"));
    const auto widths = Options(group->GetSubItem(1));
    ASSERT_EQ(widths.size(), 30u);
    EXPECT_EQ(widths.front(), "0.1");
    EXPECT_EQ(widths.back(), "3.0");
    EXPECT_TRUE(group->GetSubItem(1)->IsAllowEdit());
    EXPECT_EQ(Options(group->GetSubItem(3)), (std::vector<std::string>{"空", "简单样式", "直角样式"}));
    EXPECT_EQ(Options(group->GetSubItem(5)).size(), 0u);

    std::unique_ptr<CBCGPProp> plain(CreateLineProp("线", 300, false));
    EXPECT_EQ(plain->GetSubItemsCount(), 3);
}

TEST(LineGroups, SubItemsWithIdsOfferSixtyWidths) {
    CBCGPProp group("g", 1);
    AddLineSubItemsWithIds(&group, 11, 22, 33);
    ASSERT_EQ(group.GetSubItemsCount(), 3);
    EXPECT_EQ(group.GetSubItem(0)->GetData(), 11u);
    EXPECT_EQ(group.GetSubItem(1)->GetData(), 22u);
    EXPECT_EQ(group.GetSubItem(2)->GetData(), 33u);
    EXPECT_EQ(Picker(group.GetSubItem(0))->GetStyleGroups()[0].second, CString(""));
    const auto widths = Options(group.GetSubItem(1));
    ASSERT_EQ(widths.size(), 60u);
    EXPECT_EQ(widths.front(), "0.0");
    EXPECT_EQ(widths.back(), "29.5");
}

TEST(LineGroups, GetLinePropAcceptsZeroAndRefusesNegativeOrLetters) {
    std::unique_ptr<CBCGPProp> group(CreateLineProp("线", 300, false));
    QXLOGPEN pen;
    pen.style = 1;
    pen.width = 70;
    pen.color = 5;
    SetLineProp(group.get(), pen);
    EXPECT_EQ(Text(group->GetSubItem(1)), "0.70");
    Colour(group->GetSubItem(2))->SetColor(CBCGPColorProp::kAutomatic);
    UINT style = 4;
    Picker(group->GetSubItem(0))->SetVal(style);

    group->GetSubItem(1)->SetValue(_variant_t("-1"));
    EXPECT_FALSE(GetLineProp(group.get(), pen));
    EXPECT_EQ(pen.style, 4u);  // taken before the width is judged
    EXPECT_EQ(pen.width, 70.0f);
    EXPECT_EQ(pen.color, 5u);
    EXPECT_EQ(Text(group->GetSubItem(1)), "-1");  // left as typed

    group->GetSubItem(1)->SetValue(_variant_t("abc"));
    EXPECT_FALSE(GetLineProp(group.get(), pen));

    group->GetSubItem(1)->SetValue(_variant_t("0"));
    EXPECT_TRUE(GetLineProp(group.get(), pen));
    EXPECT_EQ(pen.width, 0.0f);
    EXPECT_EQ(pen.color, CBCGPColorProp::kAutomatic);  // the whole-group reader keeps -1

    group->GetSubItem(1)->SetValue(_variant_t("1.5mm"));
    EXPECT_TRUE(GetLineProp(group.get(), pen));
    EXPECT_EQ(pen.width, 150.0f);
}

TEST(LineGroups, SubItemReaderMapsAutomaticToBlackAndIgnoresNonNumbers) {
    std::unique_ptr<CBCGPProp> group(CreateLineFloatProp("线", 40));
    ASSERT_EQ(group->GetSubItemsCount(), 3);
    EXPECT_TRUE(group->IsExpanded());
    EXPECT_EQ(group->GetSubItem(0)->GetName(), CString("样式"));
    QXLOGPEN pen;
    pen.width = 10;
    Colour(group->GetSubItem(2))->SetColor(CBCGPColorProp::kAutomatic);
    GetLineSubProp(group->GetSubItem(2), pen, 2);
    EXPECT_EQ(pen.color, 0u);

    group->GetSubItem(1)->SetValue(_variant_t(2.25));
    GetLineSubProp(group->GetSubItem(1), pen, 1);
    EXPECT_FLOAT_EQ(pen.width, 225.0f);

    // A width that holds no number leaves the pen's width alone.
    group->GetSubItem(1)->SetValue(_variant_t(""));
    GetLineSubProp(group->GetSubItem(1), pen, 1);
    EXPECT_FLOAT_EQ(pen.width, 225.0f);
    GetLineSubProp(group->GetSubItem(1), pen, 7);
    EXPECT_FLOAT_EQ(pen.width, 225.0f);
}

TEST(LineGroups, ShowLineWritesOnlyWhenShownWhileEnableLineAlwaysWrites) {
    std::unique_ptr<CBCGPProp> shown(CreateShowLineProp("线", 50));
    ASSERT_EQ(shown->GetSubItemsCount(), 4);
    EXPECT_EQ(Text(shown->GetSubItem(0)), "是");
    QXLOGPEN pen;
    pen.style = 3;
    pen.width = 120;
    pen.color = 0x123456;
    SetShowLineProp(shown.get(), pen, false);
    EXPECT_EQ(Text(shown->GetSubItem(0)), "否");
    for (int i = 1; i <= 3; ++i) EXPECT_FALSE(shown->GetSubItem(i)->IsEnabled());
    EXPECT_EQ(Picker(shown->GetSubItem(1))->GetVal(), 0u);  // nothing written: no style picked yet
    EXPECT_EQ(Colour(shown->GetSubItem(3))->GetColor(), 0u);

    SetShowLineProp(shown.get(), pen, true);
    EXPECT_TRUE(shown->GetSubItem(2)->IsEnabled());
    EXPECT_EQ(Picker(shown->GetSubItem(1))->GetVal(), 3u);
    EXPECT_EQ(shown->GetSubItem(2)->GetValue().vt, VT_R8);
    EXPECT_DOUBLE_EQ(shown->GetSubItem(2)->GetValue().dblVal, 1.2);

    bool show = true;
    shown->GetSubItem(0)->SetValue(_variant_t("否"));
    GetShowLineSubProp(shown->GetSubItem(0), pen, 0, &show);
    EXPECT_FALSE(show);
    QXLOGPEN read;
    GetShowLineSubProp(shown->GetSubItem(3), read, 3, &show);
    EXPECT_EQ(read.color, 0x123456u);

    std::unique_ptr<CBCGPProp> plain(CreateLineFloatProp("线", 60));
    EnableLineProp(plain.get(), pen, false);
    EXPECT_FALSE(plain->GetSubItem(1)->IsEnabled());
    EXPECT_EQ(Picker(plain->GetSubItem(0))->GetVal(), 3u);
    EXPECT_EQ(Colour(plain->GetSubItem(2))->GetColor(), 0x123456u);
}

TEST(LineGroups, EnableLinePropSkipsSubItemsOfOtherClasses) {
    std::unique_ptr<CBCGPProp> group(CreateLineProp("线", 300, false));  // width is a text item
    QXLOGPEN pen;
    pen.width = 250;
    EnableLineProp(group.get(), pen, false);
    EXPECT_TRUE(group->GetSubItem(1)->IsEnabled());
    EXPECT_EQ(Text(group->GetSubItem(1)), "");
    EXPECT_FALSE(group->GetSubItem(0)->IsEnabled());
}

TEST(LineGroups, ArrowTypesAndTexts) {
    std::unique_ptr<CBCGPProp> group(CreateLineProp("线", 300, true));
    CBCGPProp* begin = group->GetSubItem(3);
    for (const auto& [text, type] : {std::pair{"简单样式", 1}, {"直角样式", 2}, {"空", 0}, {"箭头", 0}}) {
        begin->SetValue(_variant_t(text));
        EXPECT_EQ(ReadArrowType(begin), type) << text;
    }
    EXPECT_EQ(Text(begin), "空") << "any other text shows the type taken";
    EXPECT_EQ(ArrowTypeToText(1), CString("简单样式"));
    EXPECT_EQ(ArrowTypeToText(2), CString("直角样式"));
    EXPECT_EQ(ArrowTypeToText(7), CString("空"));
}

// Three selected objects: two polylines of the edited type name and one of another name, plus
// an object of another class sharing the type name.
struct ArrowScene {
    CQXLayer layer;
    CQXObjectPolyline edited{&layer}, sibling{&layer}, other{&layer}, unselected{&layer};
    CQXObject notALine{&layer};
    ArrowScene() {
        for (CQXObject* o : std::initializer_list<CQXObject*>{&edited, &sibling, &unselected, &notALine})
            o->SetTypeName("井网线");
        other.SetTypeName("断层线");
        for (CQXObject* o : std::initializer_list<CQXObject*>{&edited, &notALine, &other, &sibling})
            layer.SetSelectedObject(o);
        for (CQXObjectPolyline* l : {&edited, &sibling, &other, &unselected}) l->GetBegArrow()->SetArrowLength(1.5);
    }
};

TEST(LineGroups, SetArrowLinePropResetsOptionsAndShowsTheBeginLength) {
    std::unique_ptr<CBCGPProp> group(CreateLineProp("线", 300, true));
    CQXObjectPolyline line;
    line.GetBegArrow()->SetArrowType(2);
    line.GetEndArrow()->SetArrowType(1);
    line.GetBegArrow()->SetArrowLength(2.5);
    line.GetEndArrow()->SetArrowLength(9);
    // Whatever options the items held, they offer the three types again.
    group->GetSubItem(3)->AddOption("箭头");
    group->GetSubItem(4)->RemoveAllOptions();
    SetArrowLineProp(group.get(), &line);
    SetArrowLineProp(group.get(), &line);
    EXPECT_EQ(Options(group->GetSubItem(3)), (std::vector<std::string>{"空", "简单样式", "直角样式"}));
    EXPECT_EQ(Options(group->GetSubItem(4)), (std::vector<std::string>{"空", "简单样式", "直角样式"}));
    EXPECT_EQ(Text(group->GetSubItem(3)), "直角样式");
    EXPECT_EQ(Text(group->GetSubItem(4)), "简单样式");
    EXPECT_EQ(Text(group->GetSubItem(5)), "2.50");

    std::unique_ptr<CBCGPProp> plain(CreateLineProp("线", 300, false));
    SetArrowLineProp(plain.get(), &line);  // no arrow items: nothing to fill
    EXPECT_EQ(plain->GetSubItemsCount(), 3);
}

TEST(LineGroups, ApplyArrowPropReachesSelectedPolylinesOfTheTypeName) {
    ArrowScene s;
    std::unique_ptr<CBCGPProp> group(CreateLineProp("线", 300, true));
    CBCGPProp& item = *group->GetSubItem(3);
    item.SetValue(_variant_t("简单样式"));
    ApplyArrowProp(&item, &s.edited, 0);
    EXPECT_EQ(s.edited.GetBegArrow()->GetArrowType(), 1);
    EXPECT_EQ(s.sibling.GetBegArrow()->GetArrowType(), 1);
    EXPECT_EQ(s.other.GetBegArrow()->GetArrowType(), 0);
    EXPECT_EQ(s.unselected.GetBegArrow()->GetArrowType(), 0);
    EXPECT_EQ(s.edited.GetEndArrow()->GetArrowType(), 0);

    item.SetValue(_variant_t("直角样式"));
    ApplyArrowProp(&item, &s.unselected, 1);  // the edited object itself need not be selected
    EXPECT_EQ(s.edited.GetEndArrow()->GetArrowType(), 2);
    EXPECT_EQ(s.unselected.GetEndArrow()->GetArrowType(), 0);

    item.SetValue(_variant_t("3"));
    ApplyArrowProp(&item, &s.edited, 2);
    EXPECT_EQ(s.sibling.GetBegArrow()->GetArrowLength(), 3.0);
    EXPECT_EQ(s.sibling.GetEndArrow()->GetArrowLength(), 3.0);
    EXPECT_EQ(s.other.GetEndArrow()->GetArrowLength(), 0.0);

    // An arrow item of any kind is read by its text: a plain item too.
    for (const auto& [text, type] : {std::pair{"简单样式", 1}, {"直角样式", 2}, {"箭头", 0}}) {
        CBCGPProp plain("开始样式", _variant_t(text));
        ApplyArrowProp(&plain, &s.edited, 0);
        EXPECT_EQ(s.sibling.GetBegArrow()->GetArrowType(), type) << text;
        EXPECT_EQ(Text(&plain), text) << "a plain item keeps its text";
    }
}

TEST(LineGroups, ArrowSizeOfZeroNegativeOrLettersChangesNothing) {
    ArrowScene s;
    CBCGPProp item("尺寸", _variant_t(""));
    for (const char* text : {"0", "-1", "abc", ""}) {
        item.SetValue(_variant_t(text));
        ApplyArrowProp(&item, &s.edited, 2);
        EXPECT_EQ(s.edited.GetBegArrow()->GetArrowLength(), 1.5) << text;
        EXPECT_EQ(s.edited.GetEndArrow()->GetArrowLength(), 0.0) << text;
    }
}

// ---- point groups -----------------------------------------------------------------------------------

TEST(PointGroups, GetPointPropReadsLettersAsZeroAndRefusesNegatives) {
    std::unique_ptr<CBCGPProp> group(CreatePointProp("点", 80));
    ASSERT_EQ(group->GetSubItemsCount(), 4);
    EXPECT_FALSE(group->IsExpanded());
    EXPECT_EQ(group->GetSubItem(3)->GetData(), 84u);
    QXLOGPOINT point;
    point.style = 2;
    point.size = 380;
    point.borderColor = 0x10;
    point.innerColor = 0x20;
    SetPointProp(group.get(), point);
    EXPECT_EQ(Text(group->GetSubItem(1)), "3.80");

    QXLOGPOINT read;
    group->GetSubItem(1)->SetValue(_variant_t("-2"));
    EXPECT_FALSE(GetPointProp(group.get(), read));
    EXPECT_EQ(read.style, 2u);
    EXPECT_EQ(read.size, 0.0f);
    EXPECT_EQ(read.borderColor, 0u);

    read.size = 99;
    group->GetSubItem(1)->SetValue(_variant_t("abc"));
    EXPECT_TRUE(GetPointProp(group.get(), read));
    EXPECT_EQ(read.size, 0.0f);
    EXPECT_EQ(read.borderColor, 0x10u);
    EXPECT_EQ(read.innerColor, 0x20u);
}

// Every group edit: the edited field decides, and no field that was not edited takes its rounded text.
TEST(GroupEdits, OnlyTheEditedFieldIsReadAndNothingElseRounds) {
    // A pen whose stored width does not read (-100): a picked colour and style are still taken.
    std::unique_ptr<CBCGPProp> line(CreateLineProp("线", 300, false));
    QXLOGPEN stored;
    stored.style = 1;
    stored.width = -100;
    stored.color = 5;
    SetLineProp(line.get(), stored);
    Colour(line->GetSubItem(2))->SetColor(RGB(255, 0, 0));
    QXLOGPEN pen = stored;
    ASSERT_TRUE(ReadEditedField(line->GetSubItem(2), pen));
    EXPECT_EQ(pen.color, RGB(255, 0, 0));
    EXPECT_EQ(pen.width, -100.0f);
    UINT style = 4;
    Picker(line->GetSubItem(0))->SetVal(style);
    ASSERT_TRUE(ReadEditedField(line->GetSubItem(0), pen));
    EXPECT_EQ(pen.style, 4u);
    EXPECT_EQ(EditedFieldPosition(line->GetSubItem(1)), 1);
    EXPECT_EQ(EditedFieldPosition(line.get()), -1);
    // The width itself edited: its refusal stops the edit and leaves the record as it was.
    line->GetSubItem(1)->SetValue(_variant_t("-1"));
    pen = stored;
    EXPECT_FALSE(ReadEditedField(line->GetSubItem(1), pen));
    EXPECT_EQ(pen.color, 5u);
    line->GetSubItem(1)->SetValue(_variant_t("1.5"));
    ASSERT_TRUE(ReadEditedField(line->GetSubItem(1), pen));
    EXPECT_EQ(pen.width, 150.0f);
    // The edited width is the number typed, even where it rounds like the stored one.
    pen.width = 50;
    line->GetSubItem(1)->SetValue(_variant_t("0"));
    ASSERT_TRUE(ReadEditedField(line->GetSubItem(1), pen));
    EXPECT_EQ(pen.width, 0.0f);
    pen.width = 50;
    ASSERT_TRUE(GetLineProp(line.get(), pen));  // the whole group too: "0" is not how 0.5 shows
    EXPECT_EQ(pen.width, 0.0f);

    // A font of 1234.5 (shown "12.35"): a colour picked, and the whole group read back, keep it.
    std::unique_ptr<CBCGPProp> fontGroup(CreateFontProp("字体", 5000));
    QXLOGFONT font;
    font.size = 1234.5f;
    SetFontProp(fontGroup.get(), font);
    EXPECT_EQ(Text(fontGroup->GetSubItem(1)), "12.35");
    Colour(fontGroup->GetSubItem(2))->SetColor(RGB(0, 0, 255));
    ASSERT_TRUE(ReadEditedField(fontGroup->GetSubItem(2), font));
    EXPECT_EQ(font.size, 1234.5f);
    EXPECT_EQ(font.color, RGB(0, 0, 255));
    ASSERT_TRUE(GetFontProp(fontGroup.get(), font));
    EXPECT_EQ(font.size, 1234.5f);
    ASSERT_TRUE(ReadEditedField(fontGroup.get(), font));  // the group row reported
    EXPECT_EQ(font.size, 1234.5f);
    fontGroup->GetSubItem(1)->SetValue(_variant_t("12.4"));  // a new size is read
    ASSERT_TRUE(GetFontProp(fontGroup.get(), font));
    EXPECT_EQ(font.size, 1240.0f);

    // A point symbol typed "2.4996" (stored 249.96, shown "2.50"): a colour pick keeps 249.96.
    std::unique_ptr<CBCGPProp> pointGroup(CreatePointProp("点", 80));
    QXLOGPOINT point;
    point.size = 249.96f;
    SetPointProp(pointGroup.get(), point);
    EXPECT_EQ(Text(pointGroup->GetSubItem(1)), "2.50");
    Colour(pointGroup->GetSubItem(3))->SetColor(RGB(0, 255, 0));
    ASSERT_TRUE(ReadEditedField(pointGroup->GetSubItem(3), point));
    EXPECT_EQ(point.size, 249.96f);
    EXPECT_EQ(point.innerColor, RGB(0, 255, 0));
    ASSERT_TRUE(GetPointProp(pointGroup.get(), point));
    EXPECT_EQ(point.size, 249.96f);

    // A pen width of 99.96 in a line group with a "显示" switch first.
    std::unique_ptr<CBCGPProp> shown(CreateShowLineProp("线", 400));
    QXLOGPEN wide;
    wide.width = 9996;
    SetShowLineProp(shown.get(), wide, true);
    Colour(shown->GetSubItem(3))->SetColor(RGB(1, 2, 3));
    ASSERT_TRUE(ReadEditedField(shown->GetSubItem(3), wide, 1));
    EXPECT_EQ(wide.width, 9996.0f);
    EXPECT_EQ(wide.color, RGB(1, 2, 3));
    ASSERT_TRUE(ReadEditedField(shown->GetSubItem(0), wide, 1));  // the switch is no field of the pen
    EXPECT_EQ(wide.width, 9996.0f);

    // "自动" picked: kept as (COLORREF)-1 by the plain reader, the item's automatic colour (black
    // in the line groups) by the pen reader, the width of 99.96 kept by both.
    Colour(shown->GetSubItem(3))->SetColor(CBCGPColorProp::kAutomatic);
    ASSERT_TRUE(ReadEditedField(shown->GetSubItem(3), wide, kAfterShowSwitch));
    EXPECT_EQ(wide.color, CBCGPColorProp::kAutomatic);
    wide.color = RGB(1, 2, 3);
    ASSERT_TRUE(ReadEditedPen(shown->GetSubItem(3), wide, kAfterShowSwitch));
    EXPECT_EQ(wide.color, 0u);
    EXPECT_EQ(wide.width, 9996.0f);
    wide.color = RGB(1, 2, 3);
    ASSERT_TRUE(ReadEditedPen(shown.get(), wide, kAfterShowSwitch));  // the group row reported
    EXPECT_EQ(wide.color, 0u);
    EXPECT_EQ(wide.width, 9996.0f);
    // Another automatic colour is that item's own; an item that is no colour item gives none.
    CBCGPColorProp system("颜色", CBCGPColorProp::kAutomatic);
    system.EnableAutomaticButton("自动", RGB(10, 20, 30));
    COLORREF colour = 7;
    ASSERT_TRUE(ReadShownColor(&system, &colour));
    EXPECT_EQ(colour, RGB(10, 20, 30));
    EXPECT_FALSE(ReadShownColor(shown->GetSubItem(1), &colour));
    EXPECT_EQ(colour, RGB(10, 20, 30));
}

TEST(PointGroups, ShowPointWritesWhateverShowIsThenEnables) {
    std::unique_ptr<CBCGPProp> group(CreateShowPointProp("点", 90));
    ASSERT_EQ(group->GetSubItemsCount(), 5);
    EXPECT_TRUE(group->IsExpanded());
    QXLOGPOINT point;
    point.style = 6;
    point.size = 250;
    point.borderColor = 0x0000FF;
    SetShowPointProp(group.get(), point, false);
    EXPECT_EQ(Text(group->GetSubItem(0)), "否");
    EXPECT_EQ(Picker(group->GetSubItem(1))->GetVal(), 6u);
    EXPECT_DOUBLE_EQ(group->GetSubItem(2)->GetValue().dblVal, 2.5);
    for (int i = 1; i <= 4; ++i) EXPECT_FALSE(group->GetSubItem(i)->IsEnabled());

    Colour(group->GetSubItem(3))->SetColor(CBCGPColorProp::kAutomatic);
    QXLOGPOINT read;
    bool show = false;
    GetShowPointSubProp(group->GetSubItem(0), read, 0, &show);
    EXPECT_FALSE(show);
    GetShowPointSubProp(group->GetSubItem(2), read, 2, &show);
    EXPECT_FLOAT_EQ(read.size, 250.0f);
    GetShowPointSubProp(group->GetSubItem(3), read, 3, &show);
    EXPECT_EQ(read.borderColor, CBCGPColorProp::kAutomatic);  // points keep -1
}

// ---- fill groups ---------------------------------------------------------------------------------------

TEST(FillGroups, StyleSetOptionsLeaveOutEmptySets) {
    std::unique_ptr<CBCGPProp> group(CreateFillProp("填充", 7000));
    ASSERT_EQ(group->GetSubItemsCount(), 6);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(group->GetSubItem(i)->GetData(), 7001u + i);
    EXPECT_EQ(Text(group->GetSubItem(0)), "所有样式");
    EXPECT_EQ(Options(group->GetSubItem(0)), (std::vector<std::string>{"所有样式", "常用填充", "岩性填充", "沉积相"}));
    CPropStyleCombox* style = Picker(group->GetSubItem(1));
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(style->GetKind(), CPropStyleCombox::kFillStyle);
    EXPECT_EQ(style->GetStyleGroups()[0].second, CString("所有样式"));
    EXPECT_EQ(Colour(group->GetSubItem(2))->GetAutomaticColor(), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(Options(group->GetSubItem(5)), (std::vector<std::string>{"是", "否"}));
}

TEST(FillGroups, SetFillPropShowsTheSetHoldingTheStyle) {
    std::unique_ptr<CBCGPProp> group(CreateFillProp("填充", 7000));
    QXLOGBRUSH brush;
    brush.style = 1102;  // a lithology fill
    brush.lineColor = 0x01;
    brush.fillColor = 0x02;
    brush.size = 350;
    brush.backMode = 100;
    SetFillProp(group.get(), "常用填充", brush);
    EXPECT_EQ(Text(group->GetSubItem(0)), "岩性填充");
    EXPECT_EQ(Picker(group->GetSubItem(1))->GetStyleGroups()[0].second, CString("岩性填充"));
    EXPECT_EQ(Picker(group->GetSubItem(1))->GetVal(), 1102u);
    EXPECT_EQ(Colour(group->GetSubItem(2))->GetColor(), 0x01u);
    EXPECT_EQ(Colour(group->GetSubItem(3))->GetColor(), 0x02u);
    EXPECT_DOUBLE_EQ(group->GetSubItem(4)->GetValue().dblVal, 3.5);
    EXPECT_EQ(Text(group->GetSubItem(5)), "是");

    brush.style = 9999;  // in no set: the caller's name
    brush.backMode = 13;
    SetFillProp(group.get(), "常用填充", brush);
    EXPECT_EQ(Text(group->GetSubItem(0)), "常用填充");
    EXPECT_EQ(Text(group->GetSubItem(5)), "否");
    brush.backMode = 101;
    SetFillProp(group.get(), "常用填充", brush);
    EXPECT_EQ(Text(group->GetSubItem(5)), "否");
}

TEST(FillGroups, SubItemReaders) {
    std::unique_ptr<CBCGPProp> group(CreateFillProp("填充", 7000));
    QXLOGBRUSH brush;
    std::string set;
    group->GetSubItem(5)->SetValue(_variant_t("否"));
    GetFillSubProp(group->GetSubItem(5), &set, 5, brush);
    EXPECT_EQ(brush.backMode, 13u);
    group->GetSubItem(5)->SetValue(_variant_t("是"));
    GetFillSubProp(group->GetSubItem(5), &set, 5, brush);
    EXPECT_EQ(brush.backMode, 100u);

    group->GetSubItem(0)->SetValue(_variant_t("所有样式"));
    GetFillSubProp(group->GetSubItem(0), &set, 0, brush);
    EXPECT_EQ(set, "所有样式");
    EXPECT_EQ(brush.style, 1001u);  // the second style of the whole collection
    group->GetSubItem(0)->SetValue(_variant_t("自定义"));
    GetFillSubProp(group->GetSubItem(0), &set, 0, brush);
    EXPECT_EQ(brush.style, 0u);
    group->GetSubItem(0)->SetValue(_variant_t("沉积相"));
    GetFillSubProp(group->GetSubItem(0), &set, 0, brush);
    EXPECT_EQ(brush.style, 1201u);

    group->GetSubItem(4)->SetValue(_variant_t(1.25));
    GetFillSubProp(group->GetSubItem(4), &set, 4, brush);
    EXPECT_FLOAT_EQ(brush.size, 125.0f);
    group->GetSubItem(4)->SetValue(_variant_t("x"));
    GetFillSubProp(group->GetSubItem(4), &set, 4, brush);
    EXPECT_FLOAT_EQ(brush.size, 125.0f);

    EXPECT_EQ(GetFirstFillStyleID("常用填充"), 1000u);
    EXPECT_EQ(GetFirstFillStyleID("没有这个"), 0u);
}

TEST(FillGroups, FirstStyleOfTheWholeCollectionNeedsASecondStyle) {
    kestrel::testing::ClearCatalogues();
    CGraphStyleManager* all = _AfxGetFillStyleManager("");
    ASSERT_NE(all, nullptr);
    EXPECT_EQ(GetFirstFillStyleID("所有样式"), 0u);  // empty
    all->AddStyle(1000, "无填充", 0);
    EXPECT_EQ(GetFirstFillStyleID("所有样式"), 1000u);  // one style: position 0
    all->AddStyle(1001, "实心", 1);
    EXPECT_EQ(GetFirstFillStyleID("所有样式"), 1001u);  // the first style that fills
    kestrel::testing::Reset();
}

TEST(FillGroups, FlagGroupNumbersAndEnablesItsSubItems) {
    CBCGPProp group("填充", 3000);
    CreateFillFlagProp(&group, 3000);
    ASSERT_EQ(group.GetSubItemsCount(), 7);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(group.GetSubItem(i)->GetData(), 3001u + i);
    EXPECT_EQ(group.GetSubItem(0)->GetName(), CString("填充"));
    QXLOGBRUSH brush;
    brush.style = 1001;
    brush.backMode = 100;
    SetFillFlagProp(&group, "所有样式", brush, false);
    EXPECT_EQ(Text(group.GetSubItem(0)), "否");
    EXPECT_TRUE(group.GetSubItem(0)->IsEnabled());
    for (int i = 1; i < 7; ++i) EXPECT_FALSE(group.GetSubItem(i)->IsEnabled());
    EXPECT_EQ(Text(group.GetSubItem(1)), "常用填充");
    EXPECT_EQ(Text(group.GetSubItem(6)), "是");

    bool fill = true;
    std::string set;
    QXLOGBRUSH read;
    GetFillFlagSubProp(group.GetSubItem(0), &fill, 0, &set, read);
    EXPECT_FALSE(fill);
    GetFillFlagSubProp(group.GetSubItem(6), &fill, 6, &set, read);
    EXPECT_EQ(read.backMode, 100u);
}

// ---- symbol templates -------------------------------------------------------------------------------------

TEST(SymbolTemplates, BlockHasFixedIdsAndPointGroups) {
    std::unique_ptr<CBCGPProp> group(CreateSymbolTemplateProp("符号"));
    EXPECT_EQ(group->GetData(), 1011u);
    ASSERT_EQ(group->GetSubItemsCount(), 9);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(group->GetSubItem(i)->GetData(), 1012u + i);
    EXPECT_EQ(Text(group->GetSubItem(0)), "是");
    EXPECT_EQ(Options(group->GetSubItem(1)), std::vector<std::string>{""});
    EXPECT_FALSE(group->GetSubItem(1)->IsAllowEdit());
    CPropStyleCombox* style = Picker(group->GetSubItem(2));
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(style->GetValue().lVal, 1002);
    ASSERT_EQ(style->GetStyleGroups().size(), 2u);
    EXPECT_EQ(style->GetStyleGroups()[0].second, CString("常用点"));
    EXPECT_EQ(style->GetStyleGroups()[1].second, CString("井符号"));
    EXPECT_NE(dynamic_cast<CBCGPropFloat*>(group->GetSubItem(4)), nullptr);
    EXPECT_NE(Colour(group->GetSubItem(8)), nullptr);
}

}  // namespace
