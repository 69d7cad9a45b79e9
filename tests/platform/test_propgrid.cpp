// The property grid and its items, driven as a user drives them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "bcg/Bcg.h"
#include "driver/GridDriver.h"
#include "win32/Text.h"

namespace {

std::vector<std::string>* g_log = nullptr;
void Log(const std::string& s) {
    if (g_log) g_log->push_back(s);
}

// The grid's owner: records every change message and runs an optional reaction.
class Owner : public CWnd {
public:
    struct Note {
        WPARAM id;
        CBCGPProp* item;
        std::string value;
    };
    std::vector<Note> notes;
    std::function<void(CBCGPProp*)> react;
    LRESULT OnChanged(WPARAM wParam, LPARAM lParam) {
        CBCGPProp* item = reinterpret_cast<CBCGPProp*>(lParam);
        notes.push_back({wParam, item, item->FormatProperty().str()});
        Log("notify");
        if (react) react(item);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Owner, CWnd)
ON_REGISTERED_MESSAGE(BCGM_PROPERTY_CHANGED, OnChanged)
END_MESSAGE_MAP()

// An item that logs the virtual calls the grid makes.
class LoggingProp : public CBCGPProp {
public:
    using CBCGPProp::CBCGPProp;
    bool refuseEnd = false;
    std::vector<CPoint> rclicks;
    CWnd* CreateInPlaceEdit(CRect r, BOOL& f) override {
        Log("CreateInPlaceEdit");
        return CBCGPProp::CreateInPlaceEdit(r, f);
    }
    CComboBox* CreateCombo(CWnd* p, CRect r) override {
        Log("CreateCombo");
        return CBCGPProp::CreateCombo(p, r);
    }
    void OnSelectCombo() override {
        Log("OnSelectCombo");
        CBCGPProp::OnSelectCombo();
    }
    BOOL TextToVar(const CString& t) override {
        Log("TextToVar");
        return CBCGPProp::TextToVar(t);
    }
    BOOL OnEndEdit() override {
        Log("OnEndEdit");
        if (refuseEnd) return FALSE;
        return CBCGPProp::OnEndEdit();
    }
    void OnRClickValue(CPoint p, BOOL) override { rclicks.push_back(p); }
};

// An item that swallows typed characters.
class QuietProp : public CBCGPProp {
public:
    using CBCGPProp::CBCGPProp;
    BOOL PushChar(UINT) override { return TRUE; }
};

class DateProp : public CBCGPDateTimeProp {
public:
    using CBCGPDateTimeProp::CBCGPDateTimeProp;
    bool refuse = false;
    int ends = 0;
    BOOL OnEndEdit() override {
        ++ends;
        if (refuse) return FALSE;
        return CBCGPDateTimeProp::OnEndEdit();
    }
};

// A derived grid that handles F2 itself and chains every other key to the base.
class KeyGrid : public CBCGPPropList {
public:
    int f2 = 0;
    void OnKeyDown(UINT ch, UINT repeat, UINT flags) {
        if (ch == VK_F2) {
            ++f2;
            return;
        }
        CBCGPPropList::OnKeyDown(ch, repeat, flags);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(KeyGrid, CBCGPPropList)
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

class PropGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_log = &log;
        ASSERT_TRUE(owner.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 400, 600), nullptr, 0));
        ASSERT_TRUE(grid.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &owner, 2));
        grid.EnableHeaderCtrl(TRUE, "属性名", "值");
        grid.EnableDescriptionArea(TRUE);
        grid.MoveWindow(0, 0, 300, 500);
    }
    void TearDown() override { g_log = nullptr; }

    CBCGPProp* AddText(const char* name, const char* value, DWORD_PTR data, CBCGPProp* group = nullptr) {
        CBCGPProp* p = new CBCGPProp(name, _variant_t(value), "", data);
        if (group)
            group->AddSubItem(p);
        else
            grid.AddProperty(p);
        return p;
    }

    std::vector<std::string> log;
    Owner owner;
    CBCGPPropList grid;
    platform::GridDriver driver{&grid};
};

// ---- editing and notification -----------------------------------------------------------

TEST_F(PropGridTest, TypedTextIsStoredThenReportedWithGridIdAndItem) {
    CBCGPProp* item = AddText("名称", "a", 10);
    ASSERT_TRUE(driver.TypeText(item, "图片"));
    ASSERT_EQ(owner.notes.size(), 1u);
    EXPECT_EQ(owner.notes[0].id, 2);
    EXPECT_EQ(owner.notes[0].item, item);
    EXPECT_EQ(owner.notes[0].value, "图片");  // stored before the message
    EXPECT_EQ(grid.GetEditedItem(), nullptr);
    EXPECT_TRUE(item->IsModified());
}

// Entering an item and leaving it, or picking the option shown, is no edit: nothing is read or
// reported, so a value shown rounded keeps its digits. Another text of the same value is an edit.
TEST_F(PropGridTest, ACommitOfTheTextTheItemShowsIsNoEdit) {
    CBCGPProp* item = AddText("名称", "same", 10);
    LoggingProp* number = new LoggingProp("n", _variant_t(2.4996), "", 11);
    grid.AddProperty(number);
    ASSERT_TRUE(driver.TypeText(item, "same"));
    ASSERT_TRUE(driver.TypeText(number, "2.4996"));
    EXPECT_TRUE(owner.notes.empty());
    EXPECT_EQ(std::count(log.begin(), log.end(), "TextToVar"), 0);
    EXPECT_DOUBLE_EQ(number->GetValue().dblVal, 2.4996);
    EXPECT_EQ(grid.GetEditedItem(), nullptr);
    ASSERT_TRUE(driver.TypeText(number, "2.49960"));
    ASSERT_EQ(owner.notes.size(), 1u);
    EXPECT_FALSE(number->IsModified());

    CBCGPProp* list = AddText("方向", "右", 12);
    for (const char* o : {"左", "右"}) list->AddOption(o);
    list->AllowEdit(FALSE);
    ASSERT_TRUE(driver.PickOption(list, std::string("右")));  // the drop-down closes, nothing is reported
    EXPECT_EQ(grid.GetEditedItem(), nullptr);
    EXPECT_EQ(owner.notes.size(), 1u);
    ASSERT_TRUE(driver.PickOption(list, std::string("左")));
    EXPECT_EQ(owner.notes.size(), 2u);

    // A change from code names its text: it is reported whatever it holds.
    list->SetValue(_variant_t("左"));
    grid.OnPropertyChanged(list);
    EXPECT_EQ(owner.notes.size(), 3u);
}

// What the item shows decides, not what its editor opened with: code that writes into an item
// while its editor is open rewrites the editor, so leaving it as it shows moves nothing (no
// rounding of the shown text reaches the value), and the text the editor opened with is an edit.
TEST_F(PropGridTest, ACommitIsJudgedAgainstWhatTheItemShowsWhenItIsCommitted) {
    LoggingProp* size = new LoggingProp("大小", _variant_t(1.0), "", 11);
    grid.AddProperty(size);
    ASSERT_TRUE(driver.OpenEditor(size));
    size->SetValue(_variant_t(249.96));  // the host shows another object
    CString editor;
    size->GetInPlaceWnd()->GetWindowText(editor);
    EXPECT_EQ(editor, "249.96");
    driver.PressKey(VK_RETURN);
    EXPECT_EQ(grid.GetEditedItem(), nullptr);
    EXPECT_TRUE(owner.notes.empty());
    EXPECT_EQ(std::count(log.begin(), log.end(), "TextToVar"), 0);
    EXPECT_DOUBLE_EQ(size->GetValue().dblVal, 249.96);
    EXPECT_TRUE(size->IsCommitUnchanged());

    // Opened on 3, code shows 6, the user types 3 again: an edit, stored and reported.
    size->SetValue(_variant_t(3.0));
    ASSERT_TRUE(driver.OpenEditor(size));
    size->SetValue(_variant_t(6.0));
    ASSERT_TRUE(driver.TypeText(size, "3"));
    ASSERT_EQ(owner.notes.size(), 1u);
    EXPECT_DOUBLE_EQ(size->GetValue().dblVal, 3.0);
    EXPECT_FALSE(size->IsCommitUnchanged());

    // An option list opened on "否": code shows "是", the user picks "否" (an edit), then "否" again (none).
    CBCGPProp* yes = AddText("显示", "否", 12);
    for (const char* o : {"是", "否"}) yes->AddOption(o);
    yes->AllowEdit(FALSE);
    ASSERT_TRUE(driver.OpenEditor(yes));
    yes->SetValue(_variant_t("是"));
    EXPECT_EQ(yes->GetComboWnd()->GetCurSel(), 0);  // the drop-down marks what the item shows
    ASSERT_TRUE(driver.PickOption(yes, std::string("否")));
    ASSERT_EQ(owner.notes.size(), 2u);
    EXPECT_EQ(owner.notes[1].value, "否");
    ASSERT_TRUE(driver.OpenEditor(yes));
    yes->SetValue(_variant_t("是"));
    ASSERT_TRUE(driver.PickOption(yes, std::string("是")));
    EXPECT_EQ(owner.notes.size(), 2u);
    EXPECT_EQ(yes->GetShownText(), "是");
}

// A date item left as it shows after code set its date while the editor was open keeps that
// date; a date-only item picked at the day it shows keeps the time it holds.
TEST_F(PropGridTest, ADateSetByCodeWhileTheEditorIsOpenStays) {
    DateProp* date = new DateProp("日期", COleDateTime(2020, 1, 1, 0, 0, 0), "", 1061,
                                  CBCGPDateTimeCtrl::DTM_DATE | CBCGPDateTimeCtrl::DTM_DROPCALENDAR);
    grid.AddProperty(date);
    ASSERT_TRUE(driver.OpenEditor(date));
    date->SetDate(COleDateTime(2021, 6, 1, 0, 0, 0));
    auto* ctrl = DYNAMIC_DOWNCAST(CBCGPDateTimeCtrl, date->GetInPlaceWnd());
    ASSERT_NE(ctrl, nullptr);
    EXPECT_EQ(ctrl->GetDisplayText(), "2021-06-01");
    driver.PressKey(VK_RETURN);
    EXPECT_EQ(grid.GetEditedItem(), nullptr);
    EXPECT_TRUE(owner.notes.empty());
    EXPECT_EQ(date->FormatProperty(), "2021-06-01");

    // Opened on 2021-06-01, code shows 2022-03-04, 2021-06-01 picked: an edit.
    ASSERT_TRUE(driver.OpenEditor(date));
    date->SetDate(COleDateTime(2022, 3, 4, 0, 0, 0));
    ASSERT_TRUE(driver.PickDate(date, COleDateTime(2021, 6, 1, 0, 0, 0)));
    ASSERT_EQ(owner.notes.size(), 1u);
    EXPECT_EQ(owner.notes[0].value, "2021-06-01");

    date->SetDate(COleDateTime(2021, 6, 1, 10, 30, 0));
    ASSERT_TRUE(driver.PickDate(date, COleDateTime(2021, 6, 1, 0, 0, 0)));
    EXPECT_EQ(owner.notes.size(), 1u);
    EXPECT_TRUE(date->GetDate() == COleDateTime(2021, 6, 1, 10, 30, 0));
}

// Code that turns typing off, disables or removes an item while its editor is open ends the edit
// with nothing taken; a colour item disabled while its palette is open takes no colour.
TEST_F(PropGridTest, AnItemMadeReadOnlyDisabledOrRemovedWhileOpenTakesNothing) {
    CBCGPProp* text = AddText("文本", "直1", 10);
    ASSERT_TRUE(driver.OpenEditor(text));
    text->GetInPlaceWnd()->SetWindowText("typed");
    text->SetValue(_variant_t(""));
    text->AllowEdit(FALSE);
    EXPECT_EQ(grid.GetEditedItem(), nullptr);
    driver.PressKey(VK_RETURN);  // opens the read-only editor on ""
    driver.PressKey(VK_RETURN);  // and leaves it: no edit
    EXPECT_TRUE(owner.notes.empty());
    EXPECT_EQ(text->GetShownText(), "");
    text->AllowEdit(FALSE);  // no change: nothing to end
    EXPECT_EQ(grid.GetEditedItem(), nullptr);

    CBCGPProp* other = AddText("名称", "a", 11);
    ASSERT_TRUE(driver.OpenEditor(other));
    other->GetInPlaceWnd()->SetWindowText("b");
    other->Enable(FALSE);
    EXPECT_EQ(grid.GetEditedItem(), nullptr);
    EXPECT_EQ(other->GetShownText(), "a");

    CBCGPProp* gone = AddText("删除", "a", 12);
    ASSERT_TRUE(driver.OpenEditor(gone));
    gone->GetInPlaceWnd()->SetWindowText("b");
    grid.DeleteProperty(gone);
    driver.PressKey(VK_RETURN);
    EXPECT_TRUE(owner.notes.empty());

    CBCGPColorProp* colour = new CBCGPColorProp("颜色", RGB(255, 0, 0), nullptr, "", 13);
    grid.AddProperty(colour);
    ASSERT_TRUE(driver.ClickButton(colour));
    ASSERT_TRUE(colour->IsPopupOpen());
    colour->Enable(FALSE);
    EXPECT_FALSE(colour->PickColor(RGB(0, 0, 255)));
    EXPECT_FALSE(colour->IsPopupOpen());
    EXPECT_EQ(colour->GetColor(), RGB(255, 0, 0));
    EXPECT_TRUE(owner.notes.empty());
}

TEST_F(PropGridTest, EscapeClosesTheEditorWithoutTakingTheText) {
    CBCGPProp* item = AddText("名称", "old", 10);
    ASSERT_TRUE(driver.Select(item));
    driver.PressKey(VK_F2);
    ASSERT_EQ(grid.GetEditedItem(), item);
    item->GetInPlaceWnd()->SetWindowText("new");
    driver.PressKey(VK_ESCAPE);
    EXPECT_EQ(grid.GetEditedItem(), nullptr);
    EXPECT_EQ(item->FormatProperty(), "old");
    EXPECT_TRUE(owner.notes.empty());
    EXPECT_EQ(item->GetInPlaceWnd(), nullptr);
}

TEST_F(PropGridTest, TextToVarFollowsTheValueType) {
    CBCGPProp* real = new CBCGPProp("r", _variant_t(1.5), "", 1);
    CBCGPProp* integer = new CBCGPProp("i", _variant_t(3), "", 2);
    CBCGPProp* unsign = new CBCGPProp("u", _variant_t(7u), "", 3);
    CBCGPProp* flag = new CBCGPProp("b", _variant_t(false), "", 4);
    for (CBCGPProp* p : {real, integer, unsign, flag}) grid.AddProperty(p);

    ASSERT_TRUE(driver.TypeText(real, "7abc"));
    EXPECT_EQ(real->GetValue().vt, VT_R8);
    EXPECT_DOUBLE_EQ(real->GetValue().dblVal, 7.0);
    ASSERT_TRUE(driver.TypeText(real, ""));
    EXPECT_DOUBLE_EQ(real->GetValue().dblVal, 0.0);
    ASSERT_TRUE(driver.TypeText(real, " 1e-05"));
    EXPECT_DOUBLE_EQ(real->GetValue().dblVal, 1e-05);
    ASSERT_TRUE(driver.TypeText(real, "nan"));  // not a number by the leading-number rule
    EXPECT_DOUBLE_EQ(real->GetValue().dblVal, 0.0);

    ASSERT_TRUE(driver.TypeText(integer, "abc"));
    EXPECT_EQ(integer->GetValue().vt, VT_I4);
    EXPECT_EQ(integer->GetValue().lVal, 0);
    ASSERT_TRUE(driver.TypeText(integer, "-12.9x"));
    EXPECT_EQ(integer->GetValue().lVal, -12);

    ASSERT_TRUE(driver.TypeText(unsign, "42"));
    EXPECT_EQ(unsign->GetValue().ulVal, 42u);
    const std::size_t before = owner.notes.size();
    EXPECT_FALSE(driver.TypeText(unsign, "-1"));  // refused: nothing stored, nothing reported
    EXPECT_EQ(unsign->GetValue().vt, VT_UI4);
    EXPECT_EQ(unsign->GetValue().ulVal, 42u);
    EXPECT_EQ(owner.notes.size(), before);
    EXPECT_EQ(grid.GetEditedItem(), nullptr);

    ASSERT_TRUE(driver.TypeText(flag, "True"));
    EXPECT_EQ(flag->GetValue().vt, VT_BOOL);
    EXPECT_EQ(flag->FormatProperty(), "True");
}

TEST_F(PropGridTest, ANumberItsTypeCannotHoldIsRefusedNotWrapped) {
    CBCGPProp* single = new CBCGPProp("f", _variant_t(1.5f), "", 1);
    CBCGPProp* shortInt = new CBCGPProp("s", _variant_t(static_cast<short>(12)), "", 2);
    CBCGPProp* byte = new CBCGPProp("b", _variant_t(static_cast<BYTE>(7)), "", 3);
    CBCGPProp* real = new CBCGPProp("r", _variant_t(2.5), "", 4);
    CBCGPProp* whole = new CBCGPProp("i", _variant_t(5), "", 5);
    CBCGPProp* count = new CBCGPProp("u", _variant_t(5u), "", 6);
    for (CBCGPProp* p : {single, shortInt, byte, real, whole, count}) grid.AddProperty(p);

    const struct {
        CBCGPProp* item;
        const char* text;
    } refused[] = {{single, "1e39"},      {single, "-1e39"},       {single, "1e400"},     {shortInt, "70000"},
                   {shortInt, "32768"},   {shortInt, "-32769"},    {shortInt, "2147483648"}, {byte, "256"},
                   {byte, "-1"},          {byte, "2147483648"},    {real, "1e400"},       {real, "-1e400"},
                   {whole, "2147483648"}, {whole, "-2147483649"},  {count, "4294967296"}, {count, "-1"}};
    for (const auto& r : refused) {
        const _variant_t before = r.item->GetValue();
        const std::size_t notes = owner.notes.size();
        EXPECT_FALSE(driver.TypeText(r.item, r.text)) << r.text;  // refused: the editor stays until Escape
        EXPECT_TRUE(r.item->GetValue() == before) << r.text;
        EXPECT_EQ(r.item->GetValue().vt, before.vt) << r.text;
        EXPECT_EQ(owner.notes.size(), notes) << r.text;
        EXPECT_EQ(grid.GetEditedItem(), nullptr) << r.text;
    }
    // The edges of each type are taken as typed.
    ASSERT_TRUE(driver.TypeText(single, "3.4e38"));
    EXPECT_FLOAT_EQ(single->GetValue().fltVal, 3.4e38f);
    ASSERT_TRUE(driver.TypeText(shortInt, "-32768"));
    EXPECT_EQ(shortInt->GetValue().iVal, -32768);
    ASSERT_TRUE(driver.TypeText(shortInt, "32767"));
    EXPECT_EQ(shortInt->GetValue().iVal, 32767);
    ASSERT_TRUE(driver.TypeText(byte, "255"));
    EXPECT_EQ(byte->GetValue().bVal, 255);
    ASSERT_TRUE(driver.TypeText(real, "1.7976931348623157e308"));
    EXPECT_EQ(real->GetValue().dblVal, DBL_MAX);
    ASSERT_TRUE(driver.TypeText(whole, "-2147483648"));
    EXPECT_EQ(whole->GetValue().lVal, INT_MIN);
    ASSERT_TRUE(driver.TypeText(count, "4294967295"));
    EXPECT_EQ(count->GetValue().ulVal, UINT_MAX);
    ASSERT_TRUE(driver.TypeText(count, "3000000000"));
    EXPECT_EQ(count->GetValue().ulVal, 3000000000u);
}

TEST(Utf8Check, TellsWellFormedTextFromStrayBytes) {
    for (const char* good : {"", "abc", "断层1", "\xC2\x80", "\xED\x9F\xBF", "\xF4\x8F\xBF\xBF"})
        EXPECT_TRUE(text::IsValidUtf8(good)) << good;
    for (const char* bad : {"\xFF\xFE", "a\xFF", "\x80", "\xE6\x96", "\xC0\xAF", "\xE0\x80\xAF",
                            "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xF5\x80\x80\x80"})
        EXPECT_FALSE(text::IsValidUtf8(bad)) << bad;
}

TEST_F(PropGridTest, TextThatIsNotUtf8IsRefusedWhenTheEditEnds) {
    CBCGPProp* name = AddText("名称", "断层1", 2002);
    ASSERT_TRUE(driver.Select(name));
    driver.PressKey(VK_F2);
    ASSERT_EQ(grid.GetEditedItem(), name);
    name->GetInPlaceWnd()->SetWindowText("\xFF\xFE");
    driver.PressKey(VK_RETURN);
    // Refused the way any refused text is: nothing stored, nothing reported, the editor stays open.
    EXPECT_EQ(grid.GetEditedItem(), name);
    EXPECT_EQ(name->FormatProperty(), "断层1");
    EXPECT_TRUE(owner.notes.empty());
    driver.PressKey(VK_ESCAPE);  // the user leaves it: the stored text shows again
    EXPECT_EQ(grid.GetEditedItem(), nullptr);
    EXPECT_EQ(name->FormatProperty(), "断层1");
    EXPECT_EQ(driver.Info(name).value, "断层1");

    // Through the driver, which leaves a refused edit the same way; a cut character too.
    EXPECT_FALSE(driver.TypeText(name, "断\xE5\xB1"));
    EXPECT_FALSE(driver.TypeText(name, "a\xFF\xFE" "b"));
    EXPECT_EQ(name->FormatProperty(), "断层1");
    EXPECT_TRUE(owner.notes.empty());
    ASSERT_TRUE(driver.TypeText(name, "断层2"));
    EXPECT_EQ(owner.notes.size(), 1u);
    // A number item is refused the same way before it reads anything.
    CBCGPProp* number = new CBCGPProp("n", _variant_t(4.0), "", 3);
    grid.AddProperty(number);
    EXPECT_FALSE(driver.TypeText(number, "5\xFF"));
    EXPECT_DOUBLE_EQ(number->GetValue().dblVal, 4.0);
    EXPECT_EQ(owner.notes.size(), 1u);
}

TEST_F(PropGridTest, SetValueAdoptsTheNewTypeWholeAndNeverNotifies) {
    CBCGPProp* number = new CBCGPProp("n", _variant_t(2.0), "", 1);
    CBCGPProp* text = AddText("t", "", 2);
    grid.AddProperty(number);
    number->SetValue(_variant_t("1.50"));
    EXPECT_EQ(number->GetValue().vt, VT_BSTR);
    EXPECT_EQ(number->FormatProperty(), "1.50");
    text->SetValue(_variant_t(2.5));
    EXPECT_EQ(text->GetValue().vt, VT_R8);
    EXPECT_EQ(text->FormatProperty(), "2.5");
    // Typing now follows the adopted type.
    ASSERT_TRUE(driver.TypeText(text, "3.25abc"));
    EXPECT_DOUBLE_EQ(text->GetValue().dblVal, 3.25);
    EXPECT_EQ(owner.notes.size(), 1u);
    // The value a SetValue replaced is kept; a text that is not UTF-8 is refused and the value stays.
    text->SetValue(_variant_t(7.0));
    EXPECT_DOUBLE_EQ(text->GetValueBefore().dblVal, 3.25);
    text->SetValue(_variant_t("\xE4\xB8"));
    EXPECT_TRUE(text->IsValueRefused());
    EXPECT_DOUBLE_EQ(text->GetValue().dblVal, 7.0);
    text->SetValue(text->GetValueBefore());  // putting back what it showed before
    EXPECT_FALSE(text->IsValueRefused());
    EXPECT_DOUBLE_EQ(text->GetValue().dblVal, 3.25);
    EXPECT_DOUBLE_EQ(text->GetValueBefore().dblVal, 7.0);
    // The refusal holds for that text only: the next typed text is a text of its own, and the value
    // it replaced is the one before it.
    text->SetValue(_variant_t("\xE4\xB8"));
    ASSERT_TRUE(text->IsValueRefused());
    ASSERT_TRUE(driver.TypeText(text, "4.5"));
    EXPECT_FALSE(text->IsValueRefused());
    EXPECT_DOUBLE_EQ(text->GetValue().dblVal, 4.5);
    EXPECT_DOUBLE_EQ(text->GetValueBefore().dblVal, 3.25);
    EXPECT_EQ(owner.notes.size(), 2u);
    // Putting back the value before twice shows it once: the second time changes nothing.
    text->PutBackValueBefore();
    text->PutBackValueBefore();
    EXPECT_DOUBLE_EQ(text->GetValue().dblVal, 3.25);
}

// ---- options ----------------------------------------------------------------------------------

TEST_F(PropGridTest, ListOnlyItemAcceptsValuesOutsideItsOptionsAndRefusesTyping) {
    CBCGPProp* item = AddText("大小", "1", 5);
    for (const char* o : {"1", "2", "3"}) item->AddOption(o, TRUE);
    item->AddOption("2", TRUE);
    EXPECT_EQ(item->GetOptionCount(), 3);
    item->AddOption("2");  // without the flag a duplicate is added
    EXPECT_EQ(item->GetOptionCount(), 4);
    item->AllowEdit(FALSE);
    item->SetValue(_variant_t("35"));
    EXPECT_EQ(item->FormatProperty(), "35");
    EXPECT_FALSE(driver.TypeText(item, "9"));
    EXPECT_TRUE(owner.notes.empty());
    ASSERT_TRUE(driver.PickOption(item, 2));
    EXPECT_EQ(item->FormatProperty(), "3");
    ASSERT_EQ(owner.notes.size(), 1u);
    ASSERT_TRUE(driver.PickOption(item, std::string("1")));
    EXPECT_EQ(item->FormatProperty(), "1");
    EXPECT_FALSE(driver.PickOption(item, std::string("7")));
    EXPECT_EQ(owner.notes.size(), 2u);
    EXPECT_EQ(grid.GetEditedItem(), nullptr);
}

TEST_F(PropGridTest, OptionSearchFindsTheFirstOfDuplicatesAndForgetsRemovedOptions) {
    CBCGPProp* item = AddText("方向", "", 5);
    for (const char* o : {"a", "b", "a"}) item->AddOption(o);
    EXPECT_EQ(item->FindOption("a"), 0);
    EXPECT_EQ(item->FindOption("b"), 1);
    EXPECT_EQ(item->FindOption("A"), -1);
    EXPECT_FALSE(item->AddOption("a", TRUE));
    EXPECT_EQ(item->GetOptionCount(), 3);
    item->RemoveAllOptions();
    EXPECT_EQ(item->FindOption("a"), -1);
    // After removal the same texts are new again and take their new positions.
    EXPECT_TRUE(item->AddOption("b", TRUE));
    EXPECT_TRUE(item->AddOption("a", TRUE));
    EXPECT_EQ(item->FindOption("a"), 1);
    EXPECT_STREQ(item->GetOption(1), "a");
}

TEST_F(PropGridTest, ManyUniqueOptionsKeepTheirOrderAndEachIsFoundOnce) {
    CBCGPProp* item = AddText("编号", "", 5);
    const int n = 1000;
    for (int round = 0; round < 2; ++round)
        for (int i = 0; i < n; ++i) EXPECT_EQ(item->AddOption(FormatString("%d", i), TRUE), round == 0 ? TRUE : FALSE);
    ASSERT_EQ(item->GetOptionCount(), n);
    for (int i = 0; i < n; ++i) {
        EXPECT_EQ(item->FindOption(FormatString("%d", i)), i);
        EXPECT_EQ(CString(item->GetOption(i)), FormatString("%d", i));
    }
    EXPECT_EQ(item->FindOption("1000"), -1);
}

TEST_F(PropGridTest, DropDownPathRunsItsVirtualsInOrderAndNotifiesLast) {
    LoggingProp* item = new LoggingProp("方向", _variant_t("自动"), "", 7);
    for (const char* o : {"自动", "横向", "纵向"}) item->AddOption(o);
    grid.AddProperty(item);
    ASSERT_TRUE(driver.PickOption(item, 1));
    const std::vector<std::string> expected = {"CreateInPlaceEdit", "CreateCombo", "OnSelectCombo",
                                               "TextToVar",         "OnEndEdit",   "notify"};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(item->FormatProperty(), "横向");
    EXPECT_EQ(item->GetComboWnd(), nullptr);
}

TEST_F(PropGridTest, ItemWithoutOptionsAndEditingOffOffersNothing) {
    CBCGPProp* item = AddText("模板", "", 5);
    item->AddOption("a");
    item->RemoveAllOptions();
    item->AllowEdit(FALSE);
    EXPECT_FALSE(driver.PickDropDownEntry(item, 0));
    EXPECT_FALSE(driver.TypeText(item, "x"));
    EXPECT_TRUE(owner.notes.empty());
}

// ---- enabled state, clicks and keys ------------------------------------------------------------

TEST_F(PropGridTest, DisabledItemRefusesInputButHearsRightClicks) {
    LoggingProp* item = new LoggingProp("值", _variant_t("v"), "", 16);
    item->AddOption("v");
    item->AddOption("w");
    grid.AddProperty(item);
    item->Enable(FALSE);
    EXPECT_FALSE(driver.TypeText(item, "x"));
    EXPECT_FALSE(driver.PickOption(item, 1));
    EXPECT_TRUE(driver.TypeChar(item, 'x'));
    EXPECT_EQ(grid.GetEditedItem(), nullptr);
    ASSERT_TRUE(driver.RightClickValue(item));
    ASSERT_EQ(item->rclicks.size(), 1u);
    EXPECT_TRUE(item->GetValueRect().PtInRect(item->rclicks[0]));
    EXPECT_EQ(item->FormatProperty(), "v");
    EXPECT_TRUE(owner.notes.empty());
}

TEST_F(PropGridTest, TypedCharacterStartsEditingUnlessTheItemSwallowsIt) {
    CBCGPProp* plain = AddText("p", "old", 1);
    QuietProp* quiet = new QuietProp("q", _variant_t("0"), "", 2);
    grid.AddProperty(quiet);
    ASSERT_TRUE(driver.TypeChar(plain, 'z'));
    ASSERT_EQ(grid.GetEditedItem(), plain);
    EXPECT_EQ(plain->GetInPlaceWnd()->GetWindowTextString(), "z");
    driver.PressKey(VK_RETURN);
    EXPECT_EQ(plain->FormatProperty(), "z");
    ASSERT_TRUE(driver.TypeChar(quiet, 'a'));
    EXPECT_EQ(grid.GetEditedItem(), nullptr);
    EXPECT_EQ(quiet->FormatProperty(), "0");
}

TEST_F(PropGridTest, DerivedGridChainsKeysToTheBase) {
    KeyGrid keys;
    ASSERT_TRUE(keys.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 300), &owner, 5));
    CBCGPProp* item = new CBCGPProp("k", _variant_t("a"), "", 1);
    keys.AddProperty(item);
    platform::GridDriver d(&keys);
    ASSERT_TRUE(d.Select(item));
    d.PressKey(VK_F2);
    EXPECT_EQ(keys.f2, 1);
    EXPECT_EQ(keys.GetEditedItem(), nullptr);
    d.PressKey(VK_RETURN);  // the base opens the editor
    ASSERT_EQ(keys.GetEditedItem(), item);
    item->GetInPlaceWnd()->SetWindowText("b");
    d.PressKey(VK_RETURN);
    EXPECT_EQ(item->FormatProperty(), "b");
    ASSERT_EQ(owner.notes.size(), 1u);
    EXPECT_EQ(owner.notes[0].id, 5);
}

// ---- deletion from inside the notification -----------------------------------------------------

TEST_F(PropGridTest, OwnerMayRemoveEverythingInsideTheNotification) {
    CBCGPProp* group = new CBCGPProp("组", 100);
    grid.AddProperty(group);
    CBCGPProp* item = AddText("a", "1", 101, group);
    AddText("b", "2", 102, group);
    owner.react = [this](CBCGPProp*) { grid.RemoveAll(); };
    ASSERT_TRUE(driver.TypeText(item, "x"));
    EXPECT_EQ(grid.GetPropertyCount(), 0);
    EXPECT_EQ(grid.GetCurSel(), nullptr);
    EXPECT_EQ(owner.notes.size(), 1u);
}

TEST_F(PropGridTest, OwnerMayDeleteTheEditedItemAfterAPick) {
    CBCGPProp* group = new CBCGPProp("组", 100);
    grid.AddProperty(group);
    CBCGPProp* item = AddText("a", "1", 101, group);
    item->AddOption("1");
    item->AddOption("2");
    AddText("b", "2", 102, group);
    owner.react = [this, group](CBCGPProp* changed) {
        CBCGPProp* doomed = changed;
        group->RemoveSubItem(doomed);  // deletes the edited item while its drop-down is being picked
    };
    const std::size_t windows = AfxLiveWindowCount();
    ASSERT_TRUE(driver.PickOption(item, 1));
    EXPECT_EQ(group->GetSubItemsCount(), 1);
    EXPECT_EQ(grid.FindItemByData(101), nullptr);
    EXPECT_EQ(AfxLiveWindowCount(), windows);  // editor and drop-down are gone
}

TEST_F(PropGridTest, OwnerMayDeleteAColourItemAndItsSiblings) {
    CBCGPProp* group = new CBCGPProp("颜色", 1);
    grid.AddProperty(group);
    CBCGPColorProp* colour = new CBCGPColorProp("c", RGB(1, 2, 3), nullptr, "", 2);
    group->AddSubItem(colour);
    AddText("s", "", 3, group);
    owner.react = [group](CBCGPProp*) {
        while (CBCGPProp* last = group->m_lstSubItems.RemoveTail()) delete last;
    };
    ASSERT_TRUE(driver.ChooseColor(colour, RGB(9, 9, 9)));
    EXPECT_EQ(group->GetSubItemsCount(), 0);
}

TEST_F(PropGridTest, SelectedItemMayBeDeletedAtAnyTime) {
    CBCGPProp* group = new CBCGPProp("组", 1);
    grid.AddProperty(group);
    CBCGPProp* item = AddText("a", "1", 2, group);
    ASSERT_TRUE(driver.Select(item));
    grid.SetCurSel(nullptr);
    EXPECT_EQ(grid.GetCurSel(), nullptr);
    ASSERT_TRUE(driver.Select(item));
    driver.PressKey(VK_F2);
    ASSERT_EQ(grid.GetEditedItem(), item);
    delete group->m_lstSubItems.RemoveTail();  // deleted while selected and edited
    EXPECT_EQ(grid.GetCurSel(), nullptr);
    EXPECT_EQ(grid.GetEditedItem(), nullptr);
    driver.PressKey(VK_RETURN);  // nothing left to commit
    EXPECT_TRUE(owner.notes.empty());
}

TEST_F(PropGridTest, RemoveAllDropsAnOpenEditAndLeavesTheGridUsable) {
    CBCGPProp* group = new CBCGPProp("组", 1);
    grid.AddProperty(group);
    CBCGPProp* item = AddText("a", "1", 2, group);
    grid.AdjustLayout();
    const std::size_t windows = AfxLiveWindowCount();
    ASSERT_TRUE(driver.Select(item));
    driver.PressKey(VK_F2);
    ASSERT_EQ(grid.GetEditedItem(), item);
    grid.RemoveAll();
    EXPECT_EQ(grid.GetCurSel(), nullptr);
    EXPECT_EQ(grid.GetEditedItem(), nullptr);
    EXPECT_EQ(grid.HitTest(CPoint(10, 30)), nullptr);  // no row is left where the group was shown
    driver.PressKey(VK_RETURN);                         // nothing left to commit
    EXPECT_TRUE(owner.notes.empty());
    EXPECT_EQ(AfxLiveWindowCount(), windows);  // the editor is gone

    CBCGPProp* again = AddText("b", "2", 3);  // the grid goes on as before
    grid.AdjustLayout();
    EXPECT_EQ(grid.HitTest(CPoint(10, 30)), again);
    ASSERT_TRUE(driver.TypeText(again, "x"));
    ASSERT_EQ(owner.notes.size(), 1u);
    EXPECT_EQ(owner.notes[0].item, again);
}

TEST_F(PropGridTest, DeletingItemsInAnyOrderKeepsTheOthersInOrder) {
    std::vector<CBCGPProp*> top;
    for (int i = 0; i < 5; ++i) top.push_back(AddText("t", "", 10 + i));
    CBCGPProp* group = top[2];
    std::vector<CBCGPProp*> subs;
    for (int i = 0; i < 5; ++i) subs.push_back(AddText("s", "", 20 + i, group));

    ASSERT_TRUE(group->RemoveSubItem(subs[4]));  // newest
    delete subs[1];                              // a middle one, deleted directly
    ASSERT_TRUE(group->RemoveSubItem(subs[0]));  // oldest
    ASSERT_EQ(group->GetSubItemsCount(), 2);
    EXPECT_EQ(group->GetSubItem(0), subs[2]);
    EXPECT_EQ(group->GetSubItem(1), subs[3]);
    EXPECT_EQ(group->m_lstSubItems.Find(subs[3]), 1);

    ASSERT_TRUE(grid.DeleteProperty(top[4]));
    delete top[0];
    ASSERT_TRUE(grid.DeleteProperty(top[1]));
    ASSERT_EQ(grid.GetPropertyCount(), 2);
    EXPECT_EQ(grid.GetProperty(0), group);
    EXPECT_EQ(grid.GetProperty(1), top[3]);
    EXPECT_EQ(grid.FindProperty(top[3]), 1);
    EXPECT_EQ(grid.FindItemByData(23), subs[3]);
    EXPECT_EQ(grid.FindItemByData(20), nullptr);
}

// ---- structure ---------------------------------------------------------------------------------------

TEST_F(PropGridTest, FindItemByDataSearchesAttachedItemsDepthFirst) {
    CBCGPProp* g1 = new CBCGPProp("g1", 1);
    CBCGPProp* g2 = new CBCGPProp("g2", 2);
    grid.AddProperty(g1);
    grid.AddProperty(g2);
    CBCGPProp* a = AddText("a", "", 0, g1);
    AddText("b", "", 0, g2);
    CBCGPProp* x = AddText("x", "", 2011, g2);
    EXPECT_EQ(grid.FindItemByData(0), a);  // first in display order
    EXPECT_EQ(grid.FindItemByData(2011), x);
    EXPECT_EQ(grid.FindItemByData(2011, FALSE), nullptr);

    ASSERT_TRUE(grid.DetachProperty(g2));
    EXPECT_EQ(grid.GetPropertyCount(), 1);
    EXPECT_EQ(grid.FindItemByData(2011), nullptr);
    EXPECT_EQ(x->GetPropList(), nullptr);
    EXPECT_FALSE(grid.DetachProperty(g2));

    CBCGPProp* g0 = new CBCGPProp("g0", 3);
    EXPECT_EQ(grid.AttachProperty(g0, 0), 0);  // inserted before g1
    EXPECT_EQ(grid.AttachProperty(g2), 2);     // appended
    EXPECT_EQ(grid.AttachProperty(g2), -1);    // already in
    EXPECT_EQ(grid.FindItemByData(2011), x);
    EXPECT_EQ(grid.GetProperty(0), g0);

    ASSERT_TRUE(grid.DetachProperty(g2));
    delete g2;  // a detached item is its holder's to delete
    EXPECT_EQ(grid.GetPropertyCount(), 2);
}

TEST_F(PropGridTest, LayoutGivesFixedRowsBelowTheHeaderAndFollowsCollapse) {
    CBCGPProp* group = new CBCGPProp("组", 1);
    grid.AddProperty(group);
    CBCGPProp* a = AddText("a", "", 2, group);
    CBCGPProp* b = AddText("b", "", 3);
    b->AddOption("x");
    grid.AdjustLayout();
    EXPECT_EQ(group->GetRect(), CRect(0, 20, 300, 40));
    EXPECT_EQ(a->GetRect(), CRect(0, 40, 300, 60));
    EXPECT_EQ(b->GetRect(), CRect(0, 60, 300, 80));
    EXPECT_EQ(b->GetButtonRect(), CRect(280, 61, 300, 80));
    EXPECT_EQ(grid.GetDescriptionRect(), CRect(0, 452, 300, 500));
    group->Expand(FALSE);
    EXPECT_TRUE(a->GetRect().IsRectEmpty());
    EXPECT_EQ(b->GetRect(), CRect(0, 40, 300, 60));
    // A user's edit of a row under a collapsed group opens the group first.
    ASSERT_TRUE(driver.TypeText(a, "v"));
    EXPECT_TRUE(group->IsExpanded());
    a->Show(FALSE);
    EXPECT_TRUE(a->GetRect().IsRectEmpty());
    EXPECT_EQ(grid.FindItemByData(2), a);  // hidden items stay findable
    EXPECT_FALSE(driver.TypeText(a, "w"));
}

TEST_F(PropGridTest, ScrollingMovesRowsAndKeepsTheEditorOnItsRow) {
    std::vector<CBCGPProp*> items;
    for (int i = 0; i < 40; ++i) items.push_back(AddText("n", "", static_cast<DWORD_PTR>(i)));
    grid.AdjustLayout();
    EXPECT_EQ(grid.GetScrollMax(), 40 - (452 - 20) / 20);
    driver.Scroll(SB_LINEDOWN);
    EXPECT_EQ(items[1]->GetRect().top, 20);
    driver.Scroll(SB_BOTTOM);
    EXPECT_EQ(grid.GetScrollPos(), grid.GetScrollMax());
    ASSERT_TRUE(driver.Select(items[39]));
    driver.PressKey(VK_F2);
    ASSERT_EQ(grid.GetEditedItem(), items[39]);
    driver.Scroll(SB_LINEUP);
    CRect editor;
    items[39]->GetInPlaceWnd()->GetWindowRect(&editor);
    grid.ScreenToClient(&editor);
    EXPECT_EQ(editor.top, items[39]->GetRect().top);
    // Reaching a row scrolled out of view scrolls it back.
    ASSERT_TRUE(driver.TypeText(items[0], "top"));
    EXPECT_EQ(items[0]->FormatProperty(), "top");
}

// ---- colour and date items ---------------------------------------------------------------------------

TEST_F(PropGridTest, ColourChoicesAutomaticReadsAsMinusOne) {
    CBCGPColorProp* colour = new CBCGPColorProp("颜色", RGB(255, 0, 0), nullptr, "", 9);
    grid.AddProperty(colour);
    EXPECT_FALSE(driver.ChooseAutomatic(colour));  // not offered yet
    EXPECT_FALSE(driver.ChooseOther(colour, RGB(1, 1, 1)));
    colour->EnableAutomaticButton("自动", GetSysColor(COLOR_WINDOWTEXT));
    colour->EnableOtherButton("其它...");
    ASSERT_TRUE(driver.ChooseAutomatic(colour));
    EXPECT_EQ(colour->GetColor(), static_cast<COLORREF>(-1));
    EXPECT_EQ(colour->FormatProperty(), "自动");
    EXPECT_EQ(colour->GetDisplayColor(), GetSysColor(COLOR_WINDOWTEXT));
    ASSERT_TRUE(driver.ChooseOther(colour, RGB(10, 20, 30)));
    EXPECT_EQ(colour->GetColor(), RGB(10, 20, 30));
    ASSERT_TRUE(driver.ChooseColor(colour, RGB(10, 20, 30)));  // same colour: still reported
    EXPECT_EQ(owner.notes.size(), 3u);
    colour->SetColor(RGB(0, 0, 0));  // programmatic: silent
    EXPECT_EQ(owner.notes.size(), 3u);
    colour->Enable(FALSE);
    EXPECT_FALSE(driver.ChooseColor(colour, RGB(5, 5, 5)));
}

TEST_F(PropGridTest, DatePickIsStoredBeforeTheItemEndsAndIsReported) {
    DateProp* date = new DateProp("日期", COleDateTime(2020, 1, 2, 0, 0, 0), "", 1061,
                                  CBCGPDateTimeCtrl::DTM_DATE | CBCGPDateTimeCtrl::DTM_DROPCALENDAR);
    date->m_wndDateTime.SetMonthFormat(2);
    grid.AddProperty(date);
    EXPECT_EQ(date->FormatProperty(), "2020-01-02");
    ASSERT_TRUE(driver.Select(date));
    driver.PressKey(VK_F2);
    auto* ctrl = DYNAMIC_DOWNCAST(CBCGPDateTimeCtrl, date->GetInPlaceWnd());
    ASSERT_NE(ctrl, nullptr);
    EXPECT_EQ(ctrl->GetMonthFormat(), 2);
    EXPECT_EQ(ctrl->GetState(), static_cast<UINT>(CBCGPDateTimeCtrl::DTM_DATE | CBCGPDateTimeCtrl::DTM_DROPCALENDAR));
    EXPECT_EQ(ctrl->GetDlgCtrlID(), 3);
    driver.PressKey(VK_ESCAPE);
    EXPECT_EQ(date->ends, 0);  // cancelling does not end the item's edit

    ASSERT_TRUE(driver.PickDate(date, COleDateTime(2021, 5, 6, 0, 0, 0)));
    EXPECT_TRUE(date->GetDate() == COleDateTime(2021, 5, 6, 0, 0, 0));
    EXPECT_EQ(date->ends, 1);
    ASSERT_EQ(owner.notes.size(), 1u);
    EXPECT_EQ(owner.notes[0].value, "2021-05-06");
    // The date shown, taken again, is no edit.
    ASSERT_TRUE(driver.PickDate(date, COleDateTime(2021, 5, 6, 0, 0, 0)));
    EXPECT_EQ(owner.notes.size(), 1u);
    EXPECT_EQ(date->ends, 2);

    // An item that will not end its edit: the attempt is given up, nothing is reported.
    date->refuse = true;
    EXPECT_FALSE(driver.PickDate(date, COleDateTime(2022, 1, 1, 0, 0, 0)));
    EXPECT_EQ(grid.GetEditedItem(), nullptr);
    EXPECT_EQ(date->ends, 3);
    EXPECT_EQ(owner.notes.size(), 1u);
}

// ---- fonts and read-back -----------------------------------------------------------------------------

TEST_F(PropGridTest, FontMessagesAndBoldFontOfModifiedItems) {
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, "宋体"));
    grid.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.GetSafeHandle()), TRUE);
    EXPECT_EQ(reinterpret_cast<HFONT>(grid.SendMessage(WM_GETFONT)), font.GetSafeHandle());
    LOGFONT lf{};
    ASSERT_TRUE(grid.GetBoldFont().GetLogFont(&lf));
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_STREQ(lf.lfFaceName, "宋体");
    EXPECT_TRUE(grid.IsMarkModifiedProperties());
    EXPECT_EQ(grid.GetTextColor(), static_cast<COLORREF>(-1));
    EXPECT_EQ(grid.GetEffectiveTextColor(), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(grid.GetEffectiveBkColor(), GetSysColor(COLOR_WINDOW));
    grid.RemoveAll();  // items die before the font in this test
}

TEST_F(PropGridTest, DumpListsEveryItemIndentedWithItsState) {
    CBCGPProp* group = new CBCGPProp("标题", 1200);
    grid.AddProperty(group);
    CBCGPProp* name = AddText("名称", "图片", 1210, group);
    CBCGPProp* dir = AddText("方向", "自动", 1215, group);
    for (const char* o : {"自动", "横向", "纵向"}) dir->AddOption(o);
    dir->AllowEdit(FALSE);
    CBCGPProp* font = new CBCGPProp("字体", 1220);
    group->AddSubItem(font);
    font->Expand(FALSE);
    CBCGPProp* size = new CBCGPProp("大小", _variant_t(33), "", 1223);
    font->AddSubItem(size);
    size->Enable(FALSE);
    name->Show(FALSE);
    EXPECT_EQ(driver.Dump(),
              "标题\n"
              "  名称 = 图片 (hidden)\n"
              "  方向 = 自动 [自动|横向|纵向] (read-only)\n"
              "  字体 (collapsed)\n"
              "    大小 = 33 (disabled)\n");
    EXPECT_EQ(driver.FindByPath("标题/字体/大小"), size);
    EXPECT_EQ(driver.FindByPosition({0, 2, 0}), size);
    const auto info = platform::GridDriver::Info(size);
    EXPECT_EQ(info.type, VT_I4);
    EXPECT_EQ(info.level, 2);
    EXPECT_FALSE(info.enabled);
}

}  // namespace
