// Dialogs made from templates, data exchange, and headless modal runs played by scripts.
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>

#include "driver/DialogDriver.h"
#include "driver/Responder.h"
#include "mfc/Controls.h"
#include "mfc/Dialog.h"
#include "mfc/FileDialog.h"

namespace {

constexpr UINT kRangeDialog = 2004;
constexpr UINT kOuterDialog = 2003;
const char kRefusal[] = "左值必须小于右值！";

platform::DialogControlTemplate Control(UINT id, const char* cls, const char* text, RECT rect, DWORD style = 0) {
    platform::DialogControlTemplate c;
    c.id = id;
    c.className = cls;
    c.text = text;
    c.rect = rect;
    c.style = style | WS_VISIBLE | WS_TABSTOP;
    return c;
}

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        windows_ = AfxLiveWindowCount();
        module_ = platform::LoadModuleImage("Dialogs");
        platform::DialogTemplate range;
        range.id = kRangeDialog;
        range.caption = "范围";
        range.style = WS_POPUP | WS_CAPTION;
        range.cx = 158;
        range.cy = 57;
        range.controls = {
            Control(IDOK, "BUTTON", "确定", {10, 38, 60, 52}), Control(IDCANCEL, "BUTTON", "取消", {90, 38, 140, 52}),
            Control(2009, "EDIT", "", {10, 10, 60, 22}), Control(0xFFFF, "STATIC", "------", {64, 12, 90, 20}),
            Control(2010, "EDIT", "", {94, 10, 144, 22})};
        ASSERT_TRUE(platform::RegisterDialogTemplate(module_, range));
        platform::DialogTemplate outer;
        outer.id = kOuterDialog;
        outer.caption = "分类设置";
        outer.cx = 269;
        outer.cy = 174;
        outer.controls = {Control(IDOK, "BUTTON", "确定", {10, 150, 60, 164}),
                          Control(2000, "COMBOBOX", "", {10, 10, 100, 100}, CBS_DROPDOWNLIST),
                          Control(2006, "BUTTON", "统计", {110, 10, 160, 24}),
                          Control(2005, "MFCGridCtrl", "", {10, 30, 250, 140})};
        ASSERT_TRUE(platform::RegisterDialogTemplate(module_, outer));
        ASSERT_TRUE(AfxInitExtensionModule(record_, module_));
        new CDynLinkLibrary(record_, FALSE);
    }
    void TearDown() override {
        AfxTermExtensionModule(record_, FALSE);
        platform::UnloadModuleImage(module_);
        EXPECT_EQ(AfxLiveWindowCount(), windows_) << "a dialog left a window behind";
    }

    std::size_t windows_ = 0;
    HINSTANCE module_ = nullptr;
    AFX_EXTENSION_MODULE record_;
};

// Two bound doubles; OK refuses a right value below the left one and stays open.
class RangeDialog : public CDialog {
public:
    RangeDialog() : CDialog(kRangeDialog) {}
    double left = 1.5;
    double right = 2.25;
    int initCalls = 0;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        ++initCalls;
        return TRUE;
    }
    void DoDataExchange(CDataExchange* dx) override {
        CDialog::DoDataExchange(dx);
        DDX_Text(dx, 2009, left);
        DDX_Text(dx, 2010, right);
    }
    void OnOK() override {
        if (!UpdateData(TRUE)) return;
        if (right < left) {
            AfxMessageBox(kRefusal);
            return;
        }
        CDialog::OnOK();
    }
};

TEST_F(DialogTest, ModalScriptIsRefusedOnceThenClosesWithOK) {
    RangeDialog dialog;
    platform::Responder::Instance().QueueDialogScript(kRangeDialog, [](CDialog& d) {
        // OnInitDialog moved the members into the edits.
        EXPECT_EQ(platform::ControlText(d, 2009), "1.5");
        EXPECT_EQ(platform::ControlText(d, 2010), "2.25");
        platform::SetControlText(d, 2009, "5");
        platform::SetControlText(d, 2010, "3");
        EXPECT_TRUE(platform::PressButton(d, IDOK));
        EXPECT_TRUE(d.IsModalRunning()) << "the refusal keeps the dialog open";
        platform::SetControlText(d, 2010, " 7.5 ");
        EXPECT_TRUE(platform::PressButton(d, IDOK));
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.initCalls, 1);
    EXPECT_DOUBLE_EQ(dialog.left, 5.0);
    EXPECT_DOUBLE_EQ(dialog.right, 7.5);
    const auto& boxes = platform::Responder::Instance().MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, kRefusal);
    const auto& runs = platform::Responder::Instance().Dialogs();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].templateId, kRangeDialog);
    EXPECT_EQ(runs[0].caption, "范围");
    EXPECT_EQ(runs[0].result, IDOK);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST_F(DialogTest, ScriptThatNeverClosesFailsAndDestroysTheDialog) {
    RangeDialog dialog;
    platform::Responder::Instance().QueueDialogScript(kRangeDialog, [](CDialog& d) {
        platform::SetControlText(d, 2009, "9");
        platform::SetControlText(d, 2010, "1");
        platform::PressButton(d, IDOK);  // refused
    });
    EXPECT_THROW(dialog.DoModal(), platform::DialogLeftOpen);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    ASSERT_EQ(platform::Responder::Instance().Dialogs().size(), 1u);
    EXPECT_EQ(platform::Responder::Instance().Dialogs()[0].result, -1);
}

TEST_F(DialogTest, DialogWithNoScriptIsAnUnansweredQuestion) {
    RangeDialog dialog;
    EXPECT_THROW(dialog.DoModal(), platform::UnansweredQuestion);
    EXPECT_EQ(dialog.initCalls, 0);
    CDialog missing(4242);
    EXPECT_EQ(missing.DoModal(), -1);
}

TEST_F(DialogTest, CancelClosesAndLaterActionsAreScriptFaults) {
    RangeDialog dialog;
    platform::Responder::Instance().QueueDialogScript(kRangeDialog, [](CDialog& d) {
        platform::SetControlText(d, 2009, "9");
        d.GetDlgItem(IDOK)->EnableWindow(FALSE);
        EXPECT_FALSE(platform::PressButton(d, IDOK));
        EXPECT_THROW(platform::PressButton(d, 77), std::logic_error);
        platform::PressButton(d, IDCANCEL);
        platform::SetControlText(d, 2009, "3");
    });
    EXPECT_THROW(dialog.DoModal(), std::logic_error);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_DOUBLE_EQ(dialog.left, 1.5) << "Cancel reads no control";
}

TEST_F(DialogTest, TextThatIsNotANumberFailsTheExchangeWithThePrompt) {
    RangeDialog dialog;
    bool stillOpen = false;
    platform::Responder::Instance().QueueDialogScript(kRangeDialog, [&](CDialog& d) {
        platform::SetControlText(d, 2009, "4");
        platform::SetControlText(d, 2010, "7abc");
        EXPECT_FALSE(d.UpdateData(TRUE));
        platform::PressButton(d, IDOK);
        stillOpen = d.IsModalRunning();
        EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(2010));
        platform::SetControlText(d, 2010, "");  // empty is not a number either
        platform::PressButton(d, IDOK);
        platform::SetControlText(d, 2010, "1e400");  // a double cannot hold it
        platform::PressButton(d, IDOK);
        platform::PressButton(d, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(stillOpen);
    EXPECT_DOUBLE_EQ(dialog.left, 4.0) << "members before the failing one are stored";
    EXPECT_DOUBLE_EQ(dialog.right, 2.25);
    const auto& boxes = platform::Responder::Instance().MessageBoxes();
    ASSERT_EQ(boxes.size(), 4u);
    for (const auto& box : boxes) EXPECT_EQ(box.text, platform::kParseRealPrompt);
}

TEST(DataExchange, ADoubleShowsATextThatReadsBackToIt) {
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, nullptr, "host", WS_POPUP, CRect(0, 0, 100, 100), nullptr, 0));
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD, CRect(0, 0, 50, 20), &host, 7));
    CDataExchange out(&host, FALSE), in(&host, TRUE);
    for (double value : {DBL_MAX, -DBL_MAX, 0.1, 1.0 / 3, 0.1 + 0.2, DBL_MIN, 5e-324, 2.5, 0.0}) {
        double shown = value;
        DDX_Text(&out, 7, shown);
        double back = -1;
        ASSERT_NO_THROW(DDX_Text(&in, 7, back)) << edit.GetWindowTextString();
        EXPECT_EQ(back, value) << edit.GetWindowTextString();
    }
    double big = DBL_MAX;
    DDX_Text(&out, 7, big);
    EXPECT_EQ(edit.GetWindowTextString(), "1.7976931348623157e+308");
    double plain = 2.5;
    DDX_Text(&out, 7, plain);
    EXPECT_EQ(edit.GetWindowTextString(), "2.5");
    EXPECT_TRUE(platform::Responder::Instance().MessageBoxes().empty());
    host.DestroyWindow();
}

TEST(DataExchange, IntegersTakeNoFraction) {
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, nullptr, "host", WS_POPUP, CRect(0, 0, 100, 100), nullptr, 0));
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD, CRect(0, 0, 50, 20), &host, 7));
    int n = -12;
    CDataExchange out(&host, FALSE), in(&host, TRUE);
    DDX_Text(&out, 7, n);
    EXPECT_EQ(edit.GetWindowTextString(), "-12");
    edit.SetWindowText(" +34 ");
    DDX_Text(&in, 7, n);
    EXPECT_EQ(n, 34);
    edit.SetWindowText(" -2147483648 ");
    DDX_Text(&in, 7, n);
    EXPECT_EQ(n, INT_MIN);
    for (const char* refused : {"3.5", "2147483648", "-2147483649", "99999999999999999999"}) {
        n = 34;
        edit.SetWindowText(refused);
        EXPECT_THROW(DDX_Text(&in, 7, n), platform::DataExchangeFailure) << refused;
        EXPECT_EQ(n, 34) << refused;
    }
    ASSERT_EQ(platform::Responder::Instance().MessageBoxes().size(), 4u);
    EXPECT_EQ(platform::Responder::Instance().MessageBoxes()[0].text, platform::kParseIntPrompt);
    EXPECT_THROW(DDX_Text(&in, 8, n), std::logic_error);
    host.DestroyWindow();
}

// Binds a member combo to 2000 and a custom control to placeholder 2005; button 2006 runs
// the range dialog from inside this one.
class OuterDialog : public CDialog {
public:
    OuterDialog() : CDialog(kOuterDialog) {}
    CComboBox combo;
    CWnd grid;
    int innerResult = 0;
    int selChanges = 0;

    void DoDataExchange(CDataExchange* dx) override {
        DDX_Control(dx, 2000, combo);
        DDX_Control(dx, 2005, grid);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        combo.AddString("数值");
        combo.AddString("字符型");
        return TRUE;
    }
    void OnStatistics() {
        RangeDialog inner;
        innerResult = static_cast<int>(inner.DoModal());
    }
    void OnTypeChanged() { ++selChanges; }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(OuterDialog, CDialog)
ON_BN_CLICKED(2006, OnStatistics)
ON_CBN_SELCHANGE(2000, OnTypeChanged)
END_MESSAGE_MAP()

TEST_F(DialogTest, BoundControlsTakeOverTheirPlaceholdersAndNestedDialogsRun) {
    OuterDialog dialog;
    auto& responder = platform::Responder::Instance();
    responder.QueueDialogScript(kOuterDialog, [&](CDialog& d) {
        EXPECT_EQ(d.GetDlgItem(2000), &dialog.combo);
        EXPECT_EQ(d.GetDlgItem(2005), &dialog.grid);
        CRect r;
        dialog.grid.GetWindowRect(&r);
        d.ScreenToClient(&r);
        EXPECT_EQ(r, CRect(15, 49, 375, 228)) << "the placeholder's rectangle in pixels";
        EXPECT_TRUE(platform::PickComboEntry(d, 2000, 1));
        EXPECT_EQ(dialog.combo.GetCurSel(), 1);
        EXPECT_TRUE(platform::PressButton(d, 2006));
        platform::PressButton(d, IDOK);
    });
    responder.QueueDialogScript(kRangeDialog, [](CDialog& d) { platform::PressButton(d, IDCANCEL); });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.innerResult, IDCANCEL);
    EXPECT_EQ(dialog.selChanges, 1);
    ASSERT_EQ(responder.Dialogs().size(), 2u);
    EXPECT_EQ(responder.Dialogs()[0].templateId, kRangeDialog);  // the inner one ends first
    EXPECT_EQ(dialog.combo.m_hWnd, nullptr);
}

TEST_F(DialogTest, ModelessCreateBuildsTheTemplateInPixels) {
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "host", WS_POPUP, CRect(0, 0, 400, 300), nullptr, 0));
    RangeDialog dialog;
    ASSERT_TRUE(dialog.Create(kRangeDialog, &parent));
    EXPECT_EQ(dialog.initCalls, 1);
    CRect client;
    dialog.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 237, 93));  // 158 x 57 DLU
    ASSERT_NE(DYNAMIC_DOWNCAST(CEdit, dialog.GetDlgItem(2009)), nullptr);
    ASSERT_NE(DYNAMIC_DOWNCAST(CButton, dialog.GetDlgItem(IDOK)), nullptr);
    EXPECT_EQ(dialog.GetDlgItem(IDOK)->GetWindowTextString(), "确定");
    CRect edit;
    dialog.GetDlgItem(2009)->GetWindowRect(&edit);
    dialog.ScreenToClient(&edit);
    EXPECT_EQ(edit, CRect(15, 16, 90, 36));
    EXPECT_EQ(dialog.GetWindowTextString(), "范围");
    parent.DestroyWindow();
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

}  // namespace

namespace {

TEST(FileDialog, ScriptsChooseOrCancelAndBareNamesGetTheDefaultExtension) {
    platform::Responder& responder = platform::Responder::Instance();
    CFileDialog dialog(TRUE, "打开统计数据", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "(*.txt)|*.txt|");
    EXPECT_THROW(dialog.DoModal(), platform::UnansweredQuestion);
    responder.QueueDialogScript(platform::kFileDialogTemplateId, [](CDialog& d) { platform::ChooseFile(d, "/data/well"); });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetPathName(), "/data/well.打开统计数据");
    EXPECT_EQ(dialog.GetFileName(), "well.打开统计数据");
    responder.QueueDialogScript(platform::kFileDialogTemplateId,
                                [](CDialog& d) { platform::ChooseFile(d, "/data.v1/well.txt"); });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetPathName(), "/data.v1/well.txt");
    responder.QueueDialogScript(platform::kFileDialogTemplateId, [](CDialog& d) { platform::CancelFileDialog(d); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.GetPathName(), "");
    responder.QueueDialogScript(platform::kFileDialogTemplateId, [](CDialog&) {});
    EXPECT_THROW(dialog.DoModal(), platform::DialogLeftOpen);
}

}  // namespace
