// Standard controls: combo box state, reflection of CBN_SELCHANGE, owner draw, buttons, edits.
#include <gtest/gtest.h>

#include <vector>

#include "mfc/Controls.h"

namespace {

// A parent that records every WM_COMMAND it sees (id, code).
class CommandParent : public CWnd {
public:
    struct Cmd {
        UINT id;
        UINT code;
    };
    std::vector<Cmd> commands;
    int clicked = 0;
    void OnClicked() { ++clicked; }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        commands.push_back({static_cast<UINT>(wParam & 0xFFFF), static_cast<UINT>((wParam >> 16) & 0xFFFF)});
        return CWnd::OnCommand(wParam, lParam);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CommandParent, CWnd)
ON_BN_CLICKED(7, OnClicked)
END_MESSAGE_MAP()

// A combo that reflects its selection change to itself, owner-drawn with 30-pixel entries.
class ReflectingCombo : public CComboBox {
public:
    int selChanges = 0;
    DWORD_PTR lastData = 0;
    std::vector<DRAWITEMSTRUCT> drawn;
    void OnSelChange() {
        ++selChanges;
        lastData = GetItemData(GetCurSel());
    }
    void MeasureItem(LPMEASUREITEMSTRUCT mis) override { mis->itemHeight = 30; }
    void DrawItem(LPDRAWITEMSTRUCT dis) override { drawn.push_back(*dis); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ReflectingCombo, CComboBox)
ON_CONTROL_REFLECT(CBN_SELCHANGE, OnSelChange)
END_MESSAGE_MAP()

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(parent.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 300, 300), nullptr, 0));
    }
    CommandParent parent;
};

constexpr DWORD kComboStyle =
    WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | CBS_NOINTEGRALHEIGHT;

TEST_F(ControlsTest, ComboEntriesSelectionAndData) {
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST, CRect(0, 0, 100, 220), &parent, 3));
    EXPECT_EQ(combo.AddString("a"), 0);
    EXPECT_EQ(combo.AddString("c"), 1);
    EXPECT_EQ(combo.InsertString(1, "b"), 1);
    EXPECT_EQ(combo.InsertString(9, "x"), CB_ERR);
    EXPECT_EQ(combo.GetCount(), 3);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    combo.SetItemData(2, 42);
    EXPECT_EQ(combo.GetItemData(2), 42u);
    EXPECT_EQ(combo.SetCurSel(2), 2);
    EXPECT_EQ(combo.GetWindowTextString(), "c");
    EXPECT_EQ(combo.SetCurSel(5), CB_ERR);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    EXPECT_EQ(combo.FindStringExact(-1, "b"), 1);
    EXPECT_EQ(combo.FindStringExact(1, "a"), 0);  // wraps round
    EXPECT_EQ(combo.FindStringExact(-1, "B"), CB_ERR);
    combo.SetCurSel(2);
    EXPECT_EQ(combo.DeleteString(0), 2);
    EXPECT_EQ(combo.GetCurSel(), 1);  // the selection follows its entry
    EXPECT_EQ(combo.GetLBText(1), "c");
    combo.SendMessage(CB_RESETCONTENT);
    EXPECT_EQ(combo.GetCount(), 0);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    // Setting the selection in code sends no notification.
    EXPECT_TRUE(parent.commands.empty());
}

TEST_F(ControlsTest, UserPickIsReflectedToTheComboBeforeTheParentHearsTheEnd) {
    ReflectingCombo combo;
    ASSERT_TRUE(combo.Create(kComboStyle, CRect(0, 0, 100, 220), &parent, 3));
    combo.AddString("10");
    combo.AddString("20");
    combo.SetItemData(1, 0xFF00);
    EXPECT_FALSE(combo.SelectAsUser(2));
    ASSERT_TRUE(combo.SelectAsUser(1));
    EXPECT_EQ(combo.selChanges, 1);
    EXPECT_EQ(combo.lastData, 0xFF00u);
    // The parent's OnCommand sees both codes; the reflected one is consumed by the combo.
    ASSERT_EQ(parent.commands.size(), 2u);
    EXPECT_EQ(parent.commands[0].code, static_cast<UINT>(CBN_SELCHANGE));
    EXPECT_EQ(parent.commands[1].code, static_cast<UINT>(CBN_SELENDOK));
    EXPECT_EQ(parent.commands[1].id, 3u);
    combo.EnableWindow(FALSE);
    EXPECT_FALSE(combo.SelectAsUser(0));
    EXPECT_EQ(combo.selChanges, 1);
}

TEST_F(ControlsTest, OwnerDrawnComboMeasuresOnceAndDrawsEntriesWithTheirData) {
    ReflectingCombo combo;
    ASSERT_TRUE(combo.Create(kComboStyle, CRect(0, 0, 100, 220), &parent, 3));
    EXPECT_EQ(combo.GetItemHeight(), 30);
    combo.AddString("0");
    combo.SetItemData(0, 50000);
    combo.DrawEntry(0, ODA_DRAWENTIRE, ODS_SELECTED, nullptr, CRect(0, 0, 100, 30));
    ASSERT_EQ(combo.drawn.size(), 1u);
    EXPECT_EQ(combo.drawn[0].itemData, 50000u);
    EXPECT_EQ(combo.drawn[0].itemState, static_cast<UINT>(ODS_SELECTED));
    EXPECT_EQ(combo.drawn[0].hwndItem, combo.m_hWnd);
}

TEST_F(ControlsTest, ButtonClickReachesTheParentOnlyWhenEnabled) {
    CButton button;
    ASSERT_TRUE(button.Create("确定", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &parent, 7));
    EXPECT_TRUE(button.Click());
    EXPECT_EQ(parent.clicked, 1);
    button.EnableWindow(FALSE);
    EXPECT_FALSE(button.Click());
    EXPECT_EQ(parent.clicked, 1);
    CButton check;
    ASSERT_TRUE(check.Create("x", WS_CHILD | BS_AUTOCHECKBOX, CRect(0, 0, 50, 20), &parent, 8));
    check.Click();
    EXPECT_EQ(check.GetCheck(), BST_CHECKED);
}

TEST_F(ControlsTest, EditTypingReplacesTheSelection) {
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 80, 20), &parent, 3));
    edit.SetWindowText("abc");
    edit.SetSel(0, -1);
    edit.ReplaceSel("中");
    EXPECT_EQ(edit.GetWindowTextString(), "中");
    edit.ReplaceSel("x");
    EXPECT_EQ(edit.GetWindowTextString(), "中x");
    edit.SetReadOnly(TRUE);
    EXPECT_TRUE(edit.IsReadOnly());
    CStatic label;
    ASSERT_TRUE(label.Create("标签", WS_CHILD, CRect(0, 0, 80, 20), &parent, 4));
    EXPECT_EQ(label.GetWindowTextString(), "标签");
}

}  // namespace
