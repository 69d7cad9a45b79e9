// Fixed lists: every option item whose texts stand for values reads a text in one place. An option
// or a text the list takes stores its value and the item shows the entry standing for it; a text the
// list refuses writes nothing and only that item shows its text from before again.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "ItemPane.h"
#include "bcg/PropList.h"
#include "driver/GridDriver.h"
#include "framework/FillSubItems.h"
#include "framework/FixedList.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropItems.h"
#include "support/ReportFromCode.h"

using tsltest::HostWindow;
using tsltest::ItemPane;

namespace {

constexpr TextValue kSides[] = {{"左", 2}, {"右", 0}};

// The item first shows shown, then the text given it (typed, picked or set by code).
void Give(CBCGPProp* item, const char* shown, const char* text) {
    item->SetValue(_variant_t(shown));
    item->SetValue(_variant_t(text));
}

std::string Shown(CBCGPProp* item) { return ItemText(item).str(); }

constexpr int kRefused = -99;

// The list, showing before, given text: read as value (kRefused: refused, nothing written), the
// item showing shown after (before, where refused).
void ExpectRead(CBCGPProp* list, const char* before, const char* text, int value, const char* shown) {
    int read = kRefused;
    Give(list, before, text);
    EXPECT_EQ(value != kRefused, ReadFixedList(list, &read)) << before << " -> " << text;
    EXPECT_EQ(value, read) << before << " -> " << text;
    EXPECT_EQ(value == kRefused ? before : shown, Shown(list)) << before << " -> " << text;
}

TEST(FixedList, AnOptionGivesItsValueAndAnyOtherTextTheListsRule) {
    std::unique_ptr<CFixedListProp> taken(NewFixedListItem("位置", "右", "", 1, kSides, OtherTakenAs(0)));
    std::unique_ptr<CFixedListProp> refused(NewFixedListItem("位置", "右", "", 2, kSides, kOtherRefused));
    ASSERT_EQ(2, taken->GetOptionCount());
    EXPECT_FALSE(taken->IsAllowEdit());
    EXPECT_TRUE(std::unique_ptr<CFixedListProp>(NewFixedListItem("位置", "", "", 3, kSides, kOtherRefused, true))
                    ->IsAllowEdit());
    ExpectRead(taken.get(), "右", "左", 2, "左");
    ExpectRead(refused.get(), "右", "左", 2, "左");
    // Taken by the rule, the item shows the option standing for the value taken; refused, the text
    // it showed before.
    for (const char* other : {"无此选项", "", "左 "}) {
        ExpectRead(taken.get(), "左", other, 0, "右");
        ExpectRead(refused.get(), "左", other, kRefused, nullptr);
    }
}

TEST(FixedList, EntriesStandingForOneValueEachShowThemselvesAndAValueNoEntryHoldsKeepsTheText) {
    constexpr TextValue kDirections[] = {{"横向", 1}, {"纵向", 0}, {"随刻度线", 0}};
    std::unique_ptr<CFixedListProp> list(NewFixedListItem("方向", "横向", "", 1, kDirections, OtherTakenAs(0)));
    ExpectRead(list.get(), "横向", "随刻度线", 0, "随刻度线");
    ExpectRead(list.get(), "横向", "斜向", 0, "纵向");  // the first entry of the value
    EXPECT_EQ(nullptr, list->TextOf(5));
    // An entry the item no longer offers shows as the first entry of its value.
    list->RemoveAllOptions();
    list->AddOption("横向");
    ExpectRead(list.get(), "横向", "随刻度线", 0, "纵向");
    // A value no entry stands for: the item keeps the text, for its list to show as its refresh does.
    list->SetOther(OtherTakenAs(5));
    ExpectRead(list.get(), "横向", "斜向", 5, "斜向");
}

TEST(FixedList, AnUnofferedEntryIsReadAndShownButNotOffered) {
    auto list = std::make_unique<CFixedListProp>("风格", "", "", 1, OtherTakenAs(2));
    list->AddEntry("风格1", 0);
    list->AddEntry("风格2", 1);
    list->AddUnofferedEntry("风格3", 2);
    EXPECT_EQ(2, list->GetOptionCount());
    ASSERT_EQ(1u, list->UnofferedEntries().size());
    ExpectRead(list.get(), "风格1", "无此选项", 2, "风格3");
    ExpectRead(list.get(), "风格1", "风格3", 2, "风格3");

    // Options that follow the data go with every entry.
    list->ClearEntries();
    EXPECT_EQ(0, list->GetOptionCount());
    EXPECT_TRUE(list->Entries().empty());
    EXPECT_TRUE(list->UnofferedEntries().empty());
    list->AddEntries(kSides);
    EXPECT_EQ(2, list->GetOptionCount());
    int value = 0;
    EXPECT_TRUE(list->EntryValue("左", &value));
    EXPECT_EQ(2, value);
    EXPECT_FALSE(list->EntryValue("风格3", &value));
}

TEST(FixedList, OfferedOptionsAreASubsetAndEveryEntryIsStillRead) {
    constexpr TextValue kModes[] = {{"自动", 0}, {"手动", 1}, {"隐藏", 2}};
    std::unique_ptr<CFixedListProp> list(NewFixedListItem("模式", "自动", "", 1, kModes, kOtherRefused));
    list->OfferOnly({"手动", "自动"});
    ASSERT_EQ(2, list->GetOptionCount());
    EXPECT_STREQ("手动", list->GetOption(0));
    ExpectRead(list.get(), "自动", "隐藏", 2, "隐藏");  // reported from code
    ExpectRead(list.get(), "自动", "无此模式", kRefused, nullptr);
    list->OfferOnly(std::vector<CString>{});
    EXPECT_EQ(0, list->GetOptionCount());

    // Texts of another option set of the same values: those no entry holds are read, not offered.
    constexpr TextValue kAllModes[] = {{"自动", 0}, {"人工", 1}, {"手动", 1}};
    list->AddUnofferedEntries(kAllModes);
    ASSERT_EQ(1u, list->UnofferedEntries().size());
    EXPECT_EQ(0, list->GetOptionCount());
    ExpectRead(list.get(), "自动", "人工", 1, "手动");  // the entry standing for the value
}

TEST(FixedList, AValueNoEntryStandsForShowsTheListsTextForItAndARuleComputesOtherValues) {
    constexpr TextValue kKinds[] = {{"甲", 0}, {"乙", 1}};
    std::unique_ptr<CFixedListProp> list(NewFixedListItem("类型", "甲", "", 1, kKinds, OtherTakenAs(-1)));
    EXPECT_EQ(nullptr, list->UnlistedShown());
    list->ShowUnlistedAs("");
    ExpectRead(list.get(), "甲", "丙", -1, "");
    list->AddOption("丁");  // also an offered text that is no entry, read by the rule
    ExpectRead(list.get(), "甲", "丁", -1, "");
    list->ShowUnlistedAs("未知");
    ExpectRead(list.get(), "甲", "丙", -1, "未知");
    ExpectRead(list.get(), "甲", "乙", 1, "乙");  // an entry's value still shows the entry

    // A rule: "第N" is 10 + N, an empty text refused, anything else 0; it replaces the OtherText.
    list->SetOtherRule([](const CString& text, int* taken) {
        if (text.IsEmpty()) return false;
        *taken = text.str().rfind("第", 0) == 0 ? 10 + std::atoi(text.str().c_str() + 3) : 0;
        return true;
    });
    list->ShowUnlistedAs(nullptr);
    ExpectRead(list.get(), "甲", "第3", 13, "第3");  // no entry stands for 13: the text stays
    ExpectRead(list.get(), "乙", "其他", 0, "甲");
    ExpectRead(list.get(), "乙", "", kRefused, nullptr);
    list->SetOtherRule(nullptr);  // back to the OtherText
    ExpectRead(list.get(), "乙", "", -1, "");
}

// A text that follows the value taken ("%d" of a number the rule reads) comes before the fixed one.
TEST(FixedList, AValueNoEntryStandsForMayShowAsItsNumber) {
    constexpr TextValue kCounts[] = {{"1", 1}, {"2", 2}};
    std::unique_ptr<CFixedListProp> list(NewFixedListItem("个数", "1", "", 1, kCounts, kOtherRefused));
    list->SetOtherRule([](const CString& text, int* taken) {
        *taken = std::atoi(text.str().c_str());
        return *taken > 0;
    });
    list->ShowUnlistedAs("多");
    list->ShowUnlistedBy([](int taken) { return FormatString("%d", taken); });
    ExpectRead(list.get(), "1", "12.99", 12, "12");
    ExpectRead(list.get(), "1", "2.5", 2, "2");  // an entry stands for 2: it shows
    ExpectRead(list.get(), "2", "零", kRefused, nullptr);
    list->ShowUnlistedBy(nullptr);  // back to the fixed text
    ExpectRead(list.get(), "1", "30", 30, "多");
}

TEST(FixedList, OnlyAFixedListIsOneAndAnyOtherItemIsRefused) {
    CBCGPProp plain("名称", _variant_t("a"), "", 1);
    plain.AddOption("a");
    EXPECT_EQ(nullptr, FixedListOf(&plain));
    EXPECT_EQ(nullptr, FixedListOf(nullptr));
    ExpectRead(&plain, "a", "b", kRefused, nullptr);
    int value = 3;
    EXPECT_FALSE(ReadFixedList(nullptr, &value));
    std::unique_ptr<CBCGPProp> list(NewFixedListItem("位置", "", "", 1, kSides, kOtherRefused));
    EXPECT_EQ(list.get(), FixedListOf(list.get()));
}

// ---- the framework's group items are fixed lists --------------------------------------------------

// Every yes/no list reads its yes as yes and shows it; any other text is no, shown as its no, unless
// the list refuses it: then nothing is read and the item shows its text from before.
TEST(FixedListGroups, YesNoListsReadTheirAnswerAndMayRefuseAnyOtherText) {
    constexpr TextValue kAllowed[] = {{"允许", 1}, {"不允许", 0}};
    struct Case {
        std::unique_ptr<CBCGPProp> item;
        const char* yes;
        const char* no;
        bool refuses;
    } cases[] = {
        {std::unique_ptr<CBCGPProp>(CreateYesNoProp("显示", 1, _variant_t(""), "")), "是", "否", false},
        {std::unique_ptr<CBCGPProp>(NewYesNoList("显示", "否", "", 2)), "是", "否", false},
        {std::unique_ptr<CBCGPProp>(NewYesNoList("显示", "否", "", 3, kOtherRefused)), "是", "否", true},
        {std::unique_ptr<CBCGPProp>(NewFixedListItem("编辑", "允许", "", 4, kAllowed, OtherTakenAs(0))), "允许",
         "不允许", false},
    };
    for (Case& c : cases) {
        CBCGPProp* item = c.item.get();
        const DWORD_PTR id = item->GetData();
        ASSERT_NE(nullptr, FixedListOf(item)) << id;
        EXPECT_FALSE(item->IsAllowEdit()) << id;
        Give(item, c.no, c.yes);
        EXPECT_TRUE(ReadYesNo(item)) << id;
        EXPECT_EQ(c.yes, Shown(item)) << id;
        for (const char* other : {"无此选项", "", "yes"}) {
            bool answer = true;
            Give(item, c.yes, other);
            EXPECT_EQ(!c.refuses, ReadYesNo(item, &answer)) << id << " " << other;
            EXPECT_EQ(c.refuses, answer) << id << " " << other;
            EXPECT_EQ(c.refuses ? c.yes : c.no, Shown(item)) << id << " " << other;
        }
    }

    // A switch some group builds as a plain item: "是" yes, anything else no, never refused; the
    // plain reader only reads.
    CBCGPProp plain("显示", _variant_t("否"), "", 5);
    bool answer = false;
    Give(&plain, "否", "是");
    ASSERT_TRUE(ReadYesNo(&plain, &answer));
    EXPECT_TRUE(answer);
    Give(&plain, "是", "yes");
    ASSERT_TRUE(ReadYesNo(&plain, &answer));
    EXPECT_FALSE(answer);
    EXPECT_EQ("yes", Shown(&plain));
    EXPECT_FALSE(ReadYesNo(nullptr));
    std::unique_ptr<CBCGPProp> yes(CreateYesNoProp("显示", 6, _variant_t(""), ""));
    Give(yes.get(), "是", "无此选项");
    EXPECT_FALSE(GetYesNoProp(yes.get()));
    EXPECT_EQ("无此选项", Shown(yes.get()));
}

TEST(FixedListGroups, OrientationReadsAnyOtherTextAsVerticalAndShowsIt) {
    std::unique_ptr<CBCGPProp> orientation(CreateOrientationProp("方向", 1, _variant_t("自动"), ""));
    ASSERT_NE(nullptr, FixedListOf(orientation.get()));
    Give(orientation.get(), "自动", "斜");
    EXPECT_EQ(2, GetOrientationProp(orientation.get()));
    EXPECT_EQ("纵向", Shown(orientation.get()));
    Give(orientation.get(), "自动", "横向");
    EXPECT_EQ(1, GetOrientationProp(orientation.get()));
    SetOrientationProp(orientation.get(), 7);
    EXPECT_EQ("纵向", Shown(orientation.get()));
    // An item of another kind is read as before, and keeps its text.
    CBCGPProp plain("方向", _variant_t("自动"), "", 2);
    EXPECT_EQ(0, GetOrientationProp(&plain));
    plain.SetValue(_variant_t("斜"));
    EXPECT_EQ(2, GetOrientationProp(&plain));
    EXPECT_EQ("斜", Shown(&plain));
}

TEST(FixedListGroups, AlignmentsRefuseAnyOtherTextUnlessTheirListTakesIt) {
    std::unique_ptr<CBCGPProp> h(CreateHAlignProp("对齐", 1, ""));
    std::unique_ptr<CBCGPProp> v(CreateVAlignProp("纵向对齐"));
    FixedListOf(v.get())->SetOther(OtherTakenAs(2));
    EXPECT_EQ(kVAlignPropId, v->GetData());
    ExpectRead(h.get(), "居中", "右对齐", 2, "右对齐");
    ExpectRead(h.get(), "居中", "无此选项", kRefused, nullptr);
    ExpectRead(v.get(), "顶对齐", "无此选项", 2, "底对齐");
}

// Each group's switch reads any other text as no and shows "否": the shown flags of lines and
// points, the fill flag, and the transparent background of both fill groups.
TEST(FixedListGroups, ShownFlagsAndTransparentBackgroundsShowTheAnswerTaken) {
    std::unique_ptr<CBCGPProp> line(CreateShowLineProp("线", 100));
    std::unique_ptr<CBCGPProp> point(CreateShowPointProp("点", 200));
    std::unique_ptr<CBCGPProp> fill(CreateFillProp("填充", 300));
    std::unique_ptr<CBCGPProp> planeFill(CreateFillProp("填充", kPlaneFillGroupId));
    auto flags = std::make_unique<CBCGPProp>("填充", 400, FALSE);
    CreateFillFlagProp(flags.get(), 400);
    ASSERT_EQ(kPlaneFillTransparentId, planeFill->GetSubItem(5)->GetData());
    CBCGPProp* const switches[] = {line->GetSubItem(0), point->GetSubItem(0), fill->GetSubItem(5),
                                   planeFill->GetSubItem(5), flags->GetSubItem(0)};
    for (const char* text : {"无此选项", "", "是"}) {
        const bool yes = std::string(text) == "是";
        for (CBCGPProp* item : switches) Give(item, yes ? "否" : "是", text);
        QXLOGPEN pen;
        QXLOGPOINT symbol;
        QXLOGBRUSH brush, planeBrush;
        brush.backMode = planeBrush.backMode = yes ? kBackModeOpaque : kBackModeTransparent;
        bool lineShown = !yes, pointShown = !yes, filled = !yes;
        GetShowLineSubProp(switches[0], pen, 0, &lineShown);
        GetShowPointSubProp(switches[1], symbol, 0, &pointShown);
        ASSERT_TRUE(GetFillSubProp(switches[2], nullptr, 5, brush)) << text;
        ASSERT_TRUE(ReadFillSubItem(switches[3], &planeBrush)) << text;
        GetFillFlagSubProp(switches[4], &filled, 0, nullptr, brush);
        EXPECT_EQ(yes, lineShown) << text;
        EXPECT_EQ(yes, pointShown) << text;
        EXPECT_EQ(yes, filled) << text;
        EXPECT_EQ(yes ? kBackModeTransparent : kBackModeOpaque, brush.backMode) << text;
        EXPECT_EQ(yes ? kBackModeTransparent : kBackModeOpaque, planeBrush.backMode) << text;
        for (CBCGPProp* item : switches) EXPECT_EQ(yes ? "是" : "否", Shown(item)) << item->GetData() << " " << text;
    }
}

TEST(FixedListGroups, ArrowStylesAreFixedListsReadingAnyOtherTextAsNoArrow) {
    std::unique_ptr<CBCGPProp> group(CreateLineProp("线", 10, true));
    for (int i : {3, 4}) {
        ASSERT_NE(nullptr, FixedListOf(group->GetSubItem(i))) << i;
        ExpectRead(group->GetSubItem(i), "直角样式", "无此选项", 0, "空");
    }
}

// ---- on a pane: a list refusing a text from code reads it once and the item alone changes -------------

TEST(FixedListOnPane, AListReadsTheReportedTextAndARefusalLeavesOnlyTheItem) {
    HostWindow host;
    CFixedListProp* side = nullptr;
    CBCGPProp* other = nullptr;
    std::vector<int> written;
    struct ReadingPane : ItemPane {
        using ItemPane::ItemPane;
        std::vector<int>* written = nullptr;
        LRESULT OnPropertyChanged(WPARAM w, LPARAM l) override {
            ItemPane::OnPropertyChanged(w, l);
            int value = 0;
            if (ReadFixedList(reinterpret_cast<CBCGPProp*>(l), &value)) written->push_back(value);
            return 0;
        }
    } pane([&](CBCGPPropList& grid) {
        side = NewFixedListItem("位置", "右", "", 2001, kSides, kOtherRefused);
        other = new CBCGPProp("名称", _variant_t("a"), "", 2002);
        grid.AddProperty(side);
        grid.AddProperty(other);
    });
    pane.written = &written;
    ASSERT_TRUE(pane.Open(host));
    platform::GridDriver driver(&pane.GetPropList());
    ASSERT_TRUE(driver.PickOption(side, "左"));
    ASSERT_EQ(1u, written.size());
    EXPECT_EQ(2, written[0]);
    tsltest::ReportFromCode(pane.GetPropList(), side, _variant_t("无此选项"));
    EXPECT_EQ(1u, written.size());
    EXPECT_EQ("左", Shown(side));
    EXPECT_EQ("a", Shown(other));
    EXPECT_EQ(0, pane.refreshes);
    // The refusal decides nothing about the next text.
    tsltest::ReportFromCode(pane.GetPropList(), side, _variant_t("右"));
    ASSERT_EQ(2u, written.size());
    EXPECT_EQ(0, written[1]);
    pane.DestroyWindow();
}

}  // namespace
