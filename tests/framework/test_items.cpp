#include <cfloat>

#include "ItemPane.h"
#include "bcg/PropList.h"
#include "driver/GridDriver.h"
#include "framework/DateTimePropExt.h"
#include "framework/PropDigits.h"
#include "framework/PropFloat.h"
#include "framework/TwoButtonProp.h"

using tsltest::HostWindow;
using tsltest::ItemPane;

namespace {

// ---- what a typed text means to a float item ------------------------------------------------------

struct Judged {
    const char* text;
    BOOL allowNegative;
    bool accepted;
    double value;
};

TEST(FloatItem, JudgeFigureAcceptanceTable) {
    const Judged table[] = {
        {"1-2", TRUE, false, 0},       {"abc", TRUE, false, 0}, {"00", TRUE, false, 0},     {" 0", TRUE, false, 0},
        {"-3", FALSE, false, 0},       {"-0", TRUE, false, 0},  {"0a", TRUE, false, 0},     {"1e400", TRUE, false, 0},
        {"0", TRUE, true, 0},          {"0.0", TRUE, true, 0},  {"0.", TRUE, true, 0},      {".5", TRUE, true, 0.5},
        {"7abc", TRUE, true, 7},       {"", FALSE, true, 0},    {"-2.5", TRUE, true, -2.5}, {" 3", FALSE, true, 3},
        {"12.75", FALSE, true, 12.75},
    };
    for (const Judged& row : table) {
        const double r = JudgeFloatText(row.text, row.allowNegative);
        if (row.accepted)
            EXPECT_DOUBLE_EQ(r, row.value) << '"' << row.text << '"';
        else
            EXPECT_EQ(r, FLT_MAX) << '"' << row.text << '"';
    }
}

// ---- display ------------------------------------------------------------------------------------

TEST(FloatItem, ShowsTheValueWithItsDigitCount) {
    CBCGPropFloat three("w", _variant_t(2.5), 3);
    EXPECT_EQ(three.FormatProperty(), "2.500");
    CBCGPropFloat none("w", _variant_t(2.5), 0);
    EXPECT_EQ(none.FormatProperty(), FormatString("%.0f", 2.5));
    none.SetDecimalDigit(-4);
    EXPECT_EQ(none.GetDecimalDigit(), 0);
    CBCGPropFloat negative("w", _variant_t(3.25), -2);  // a constructor keeps any count
    EXPECT_EQ(negative.FormatProperty(), "3");
}

TEST(FloatItem, SingleValueIsTurnedIntoDoubleOnFirstDisplay) {
    CBCGPropFloat item("w", _variant_t(1.5f), 2);
    EXPECT_EQ(item.FormatProperty(), "1.50");
    EXPECT_EQ(item.GetValue().vt, VT_R8);
    EXPECT_DOUBLE_EQ(item.GetValue().dblVal, 1.5);
}

TEST(FloatItem, ChangeTypeConvertsOrThrows) {
    CBCGPropFloat item("w", _variant_t("4.5"), 2);
    item.ChangeType(VT_R8);
    EXPECT_EQ(item.GetValue().vt, VT_R8);
    EXPECT_DOUBLE_EQ(item.GetValue().dblVal, 4.5);

    CBCGPropFloat bad("w", _variant_t("abc"), 2);
    EXPECT_THROW(bad.ChangeType(VT_R8), _com_error);
    EXPECT_EQ(bad.GetValue().vt, VT_BSTR);
}

TEST(Items, RunTimeClasses) {
    CBCGPropFloat number("w", _variant_t(1.0), 2);
    EXPECT_EQ(number.GetRuntimeClass(), RUNTIME_CLASS(CBCGPProp));
    CBCGPropDigits digits("d", _variant_t(""));
    EXPECT_STREQ(digits.GetRuntimeClass()->m_lpszClassName, "CBCGPropDigits");
    EXPECT_EQ(digits.GetRuntimeClass()->GetBaseClass(), RUNTIME_CLASS(CBCGPProp));
}

// ---- typing into a float item on a real pane -------------------------------------------------------

class FloatOnPane : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(pane.Open(host)); }
    void TearDown() override { pane.DestroyWindow(); }

    HostWindow host;
    CBCGPropFloat* positive = nullptr;
    CBCGPropFloat* signedItem = nullptr;
    ItemPane pane{[this](CBCGPPropList& grid) {
        positive = new CBCGPropFloat("宽度", _variant_t(2.5), 2, "", FALSE, 3001);
        signedItem = new CBCGPropFloat("偏移", _variant_t(1.0), 1, "", TRUE, 3002);
        grid.AddProperty(positive);
        grid.AddProperty(signedItem);
    }};
    platform::GridDriver driver{&pane.GetPropList()};
};

TEST_F(FloatOnPane, RefusedTextsCloseTheEditAndKeepTheValue) {
    for (const char* text : {"1-2", "abc", "00", " 0", "-3"}) {
        pane.changes.clear();
        EXPECT_TRUE(driver.TypeText(positive, text)) << text;  // the editor closes
        EXPECT_EQ(pane.GetPropList().GetEditedItem(), nullptr);
        EXPECT_DOUBLE_EQ(positive->GetValue().dblVal, 2.5) << text;
        EXPECT_EQ(positive->FormatProperty(), "2.50");
        EXPECT_TRUE(positive->IsTextRefused()) << text;
        EXPECT_TRUE(pane.changes.empty()) << text;  // the grid reports it, the pane base stops it
    }
    // Reported from code, the same texts are judged by the same rule: the pane stops them and the
    // item shows the value they replaced; the next text is judged afresh.
    for (const _variant_t& value : {_variant_t(-687.876), _variant_t("abc"), _variant_t("1-2")}) {
        pane.changes.clear();
        positive->SetValue(value);
        EXPECT_TRUE(positive->IsTextRefused()) << VariantToText(value);
        pane.GetPropList().OnPropertyChanged(positive);
        EXPECT_TRUE(pane.changes.empty()) << VariantToText(value);
        EXPECT_EQ(positive->FormatProperty(), "2.50") << VariantToText(value);
    }
    positive->SetValue(_variant_t(3.0));
    EXPECT_FALSE(positive->IsTextRefused());
    pane.GetPropList().OnPropertyChanged(positive);
    EXPECT_EQ(pane.changes.size(), 1u);
}

TEST_F(FloatOnPane, AcceptedTextsBecomeTheValue) {
    EXPECT_TRUE(driver.TypeText(positive, "7abc"));
    EXPECT_DOUBLE_EQ(positive->GetValue().dblVal, 7.0);
    EXPECT_EQ(positive->FormatProperty(), "7.00");
    EXPECT_TRUE(driver.TypeText(positive, ""));
    EXPECT_DOUBLE_EQ(positive->GetValue().dblVal, 0.0);
    EXPECT_TRUE(driver.TypeText(signedItem, "-2.5"));
    EXPECT_DOUBLE_EQ(signedItem->GetValue().dblVal, -2.5);
    EXPECT_TRUE(driver.TypeText(signedItem, "-0"));
    EXPECT_DOUBLE_EQ(signedItem->GetValue().dblVal, -2.5);
}

TEST(FloatItemShown, ANegativeThatRoundsToZeroShowsZeroWhichTheItemTakesBack) {
    HostWindow host;
    CBCGPropFloat* two = nullptr;
    CBCGPropFloat* none = nullptr;
    ItemPane pane([&](CBCGPPropList& grid) {
        two = new CBCGPropFloat("偏移", _variant_t(1.0), 2, "", TRUE, 3003);
        none = new CBCGPropFloat("角度", _variant_t(1.0), 0, "", TRUE, 3004);
        grid.AddProperty(two);
        grid.AddProperty(none);
    });
    ASSERT_TRUE(pane.Open(host));
    platform::GridDriver driver(&pane.GetPropList());

    ASSERT_TRUE(driver.TypeText(two, "-0.001"));
    EXPECT_FALSE(two->IsTextRefused());
    EXPECT_EQ(two->FormatProperty(), "0.00");  // not "-0.00", a text the item refuses
    EXPECT_EQ(driver.Info(two).value, "0.00");
    ASSERT_TRUE(driver.TypeText(none, "-.256e+"));
    EXPECT_FALSE(none->IsTextRefused());
    EXPECT_DOUBLE_EQ(none->GetValue().dblVal, -0.256);
    EXPECT_EQ(none->FormatProperty(), "0");
    // Whatever it shows, the item takes back.
    for (CBCGPropFloat* item : {two, none}) {
        const CString shown = item->FormatProperty();
        ASSERT_TRUE(driver.TypeText(item, shown.str()));
        EXPECT_FALSE(item->IsTextRefused()) << shown;
    }
    // A negative that does not round to zero keeps its sign.
    ASSERT_TRUE(driver.TypeText(two, "-.256e+"));
    EXPECT_EQ(two->FormatProperty(), "-0.26");
    pane.DestroyWindow();
}

TEST(FloatItemShown, NoShownTextIsOneTheItemRefuses) {
    for (int digits : {0, 1, 2, 4}) {
        for (double value : {-0.0, -0.001, -0.004999, -0.4, -0.5, -1e-300, 0.001, -2.5, 1e300, -1e300}) {
            CBCGPropFloat item("w", _variant_t(value), digits);
            const CString shown = item.FormatProperty();
            EXPECT_NE(JudgeFloatText(shown, TRUE), FLT_MAX) << value << " with " << digits << " shows " << shown;
        }
    }
}

// ---- an item that ignores typed characters -------------------------------------------------------

TEST(DigitsItem, TypedCharacterNeitherEditsNorChanges) {
    HostWindow host;
    CBCGPropDigits* digits = nullptr;
    CBCGPProp* plain = nullptr;
    ItemPane pane([&](CBCGPPropList& grid) {
        digits = new CBCGPropDigits("序号", _variant_t("1"), "", 3101);
        plain = new CBCGPProp("名称", _variant_t("1"), "", 3102);
        grid.AddProperty(digits);
        grid.AddProperty(plain);
    });
    ASSERT_TRUE(pane.Open(host));
    platform::GridDriver driver(&pane.GetPropList());

    EXPECT_TRUE(driver.TypeChar(digits, 'a'));
    EXPECT_EQ(pane.GetPropList().GetEditedItem(), nullptr);
    EXPECT_EQ(VariantToText(digits->GetValue()), "1");
    EXPECT_TRUE(pane.changes.empty());
    EXPECT_TRUE(digits->PushChar('5'));

    // A plain item starts editing on the same key.
    EXPECT_TRUE(driver.TypeChar(plain, 'a'));
    EXPECT_EQ(pane.GetPropList().GetEditedItem(), plain);
    pane.DestroyWindow();
}

// ---- the date item's editor -------------------------------------------------------------------------

TEST(DateTimeItem, EditorShowsNumericMonthsInTheGridsColours) {
    HostWindow host;
    CBCGPDateTimePropExt* date = nullptr;
    ItemPane pane([&](CBCGPPropList& grid) {
        date =
            new CBCGPDateTimePropExt("日期", COleDateTime(2024, 3, 5, 0, 0, 0), "", 3201, CBCGPDateTimeCtrl::DTM_DATE);
        grid.AddProperty(date);
    });
    ASSERT_TRUE(pane.Open(host));
    EXPECT_EQ(date->m_wndDateTime.GetMonthFormat(), 2);
    CBCGPPropList& grid = pane.GetPropList();

    ASSERT_TRUE(grid.EditItem(date));
    auto* ctrl = DYNAMIC_DOWNCAST(CBCGPDateTimeCtrl, date->GetInPlaceWnd());
    ASSERT_NE(ctrl, nullptr);
    EXPECT_EQ(ctrl->GetDlgCtrlID(), 3);
    EXPECT_EQ(ctrl->GetMonthFormat(), 2);
    EXPECT_FALSE(ctrl->GetAutoResize());
    EXPECT_EQ(ctrl->GetState(), static_cast<UINT>(CBCGPDateTimeCtrl::DTM_DATE));
    EXPECT_EQ(ctrl->GetDate(), COleDateTime(2024, 3, 5, 0, 0, 0));
    EXPECT_EQ(ctrl->GetTextColor(), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(ctrl->GetBackgroundColor(), GetSysColor(COLOR_WINDOW));
    grid.EndEditItem(FALSE);

    grid.SetCustomColors(RGB(1, 2, 3), RGB(4, 5, 6));
    ASSERT_TRUE(grid.EditItem(date));
    ctrl = DYNAMIC_DOWNCAST(CBCGPDateTimeCtrl, date->GetInPlaceWnd());
    ASSERT_NE(ctrl, nullptr);
    EXPECT_EQ(ctrl->GetTextColor(), RGB(4, 5, 6));
    EXPECT_EQ(ctrl->GetBackgroundColor(), RGB(1, 2, 3));
    grid.EndEditItem(FALSE);
    pane.DestroyWindow();
}

// ---- two-button items ---------------------------------------------------------------------------------

// The shape later subsystems give their two-button items: the first button is the left half of
// the button area.
class TwoButtonItem : public CBCGPProp {
public:
    TwoButtonItem() : CBCGPProp("符号", _variant_t("a"), "", 3301) { AddOption("a"); }
    void AdjustButtonRect() override {
        m_rectButton = TwoButtonRect(m_Rect);
        m_rectFirst = m_rectButton;
        m_rectFirst.right = m_rectFirst.left + m_rectFirst.Width() / 2;
    }
    void OnClickButton(CPoint point) override { TwoButtonClick(this, m_rectFirst, point); }
    virtual void OnClickButtonEx(CPoint) { ++secondClicks; }

    CRect m_rectFirst;
    int secondClicks = 0;
};

TEST(TwoButtonItems, ButtonAreaIsTwelvePixelsWiderThanTheRowIsHigh) {
    EXPECT_EQ(TwoButtonRect(CRect(0, 40, 200, 60)), CRect(168, 41, 200, 60));
}

TEST(TwoButtonItems, ClicksGoToTheLibraryButtonOrTheSecondButton) {
    HostWindow host;
    TwoButtonItem* item = nullptr;
    ItemPane pane([&](CBCGPPropList& grid) {
        item = new TwoButtonItem;
        grid.AddProperty(item);
    });
    ASSERT_TRUE(pane.Open(host));
    platform::GridDriver driver(&pane.GetPropList());
    const CRect row = item->GetRect();
    EXPECT_EQ(item->GetButtonRect(), TwoButtonRect(row));

    EXPECT_TRUE(driver.ClickSecondButton(item));
    EXPECT_EQ(item->secondClicks, 1);
    EXPECT_EQ(pane.GetPropList().GetEditedItem(), nullptr);

    EXPECT_TRUE(driver.ClickFirstButton(item));
    EXPECT_EQ(item->secondClicks, 1);
    EXPECT_EQ(pane.GetPropList().GetEditedItem(), item);  // the library's button opened the drop-down
    pane.DestroyWindow();
}

}  // namespace
