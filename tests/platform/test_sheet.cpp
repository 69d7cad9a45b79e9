// Property sheets: lazy page windows, the opening page, tab captions, the tab control's
// messages and layout.
#include <gtest/gtest.h>

#include "bcg/PropertyPage.h"
#include "driver/SheetDriver.h"
#include "mfc/PropertySheet.h"

namespace {

constexpr UINT kListPage = 7501;
constexpr UINT kNamedPage = 7600;
constexpr UINT kMissingPage = 7999;

class SheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        windows_ = AfxLiveWindowCount();
        module_ = platform::LoadModuleImage("Sheets");
        platform::DialogTemplate page;
        page.id = kListPage;
        page.extended = true;
        page.language = 2052;
        page.style = 0x48C00048u;
        page.cx = 111;
        page.cy = 200;
        page.fontFace = "MS Shell Dlg";
        page.fontPointSize = 8;
        page.fontWeight = 400;
        page.fontCharset = 1;
        ASSERT_TRUE(platform::RegisterDialogTemplate(module_, page));
        page.id = kNamedPage;
        page.caption = "图片";
        page.cx = 80;
        page.cy = 40;
        ASSERT_TRUE(platform::RegisterDialogTemplate(module_, page));
        ASSERT_TRUE(AfxInitExtensionModule(record_, module_));
        new CDynLinkLibrary(record_, FALSE);
        ASSERT_TRUE(host_.CreateEx(0, nullptr, "host", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0));
    }
    void TearDown() override {
        host_.DestroyWindow();
        AfxTermExtensionModule(record_, FALSE);
        platform::UnloadModuleImage(module_);
        EXPECT_EQ(AfxLiveWindowCount(), windows_) << "a sheet left a window behind";
    }

    std::size_t windows_ = 0;
    HINSTANCE module_ = nullptr;
    AFX_EXTENSION_MODULE record_;
    CWnd host_;
};

// A page that records what reaches it.
class ProbePage : public CBCGPPropertyPage {
public:
    explicit ProbePage(UINT id = kListPage) : CBCGPPropertyPage(id) {}
    int creates = 0, inits = 0, activations = 0;
    std::vector<CSize> sizesAfterInit;
    BOOL refuseActivation = FALSE;

    BOOL OnInitDialog() override {
        CBCGPPropertyPage::OnInitDialog();
        ++inits;
        return TRUE;
    }
    BOOL OnSetActive() override {
        ++activations;
        return !refuseActivation;
    }

protected:
    int OnCreate(LPCREATESTRUCT cs) {
        ++creates;
        return CBCGPPropertyPage::OnCreate(cs);
    }
    void OnSize(UINT type, int cx, int cy) {
        CBCGPPropertyPage::OnSize(type, cx, cy);
        if (inits) sizesAfterInit.push_back(CSize(cx, cy));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ProbePage, CBCGPPropertyPage)
ON_WM_CREATE()
ON_WM_SIZE()
END_MESSAGE_MAP()

TEST_F(SheetTest, OnlyTheOpeningPageGetsAWindowUntilItsTabIsChosen) {
    ProbePage p0, p1, p2;
    CPropertySheet sheet("Property List");
    sheet.AddPage(&p0);
    sheet.AddPage(&p1);
    sheet.AddPage(&p2);
    ASSERT_TRUE(sheet.Create(&host_, WS_CHILD | WS_VISIBLE, 0));

    EXPECT_NE(p0.m_hWnd, nullptr);
    EXPECT_EQ(p1.m_hWnd, nullptr);
    EXPECT_EQ(p2.m_hWnd, nullptr);
    EXPECT_EQ(p0.GetParent(), &sheet);
    EXPECT_EQ(p0.creates, 1);
    EXPECT_EQ(p0.inits, 1);
    EXPECT_EQ(p0.activations, 1);

    // The page template (111 x 200 DLU) makes the sheet 171 x 345: the page area is the
    // template's size, and the new page still hears WM_SIZE after its initialisation.
    CRect client;
    sheet.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 171, 345));
    EXPECT_EQ(sheet.GetPageArea(), CRect(2, 20, 169, 345));
    EXPECT_EQ(p0.sizesAfterInit, (std::vector<CSize>{CSize(167, 325)}));
    EXPECT_EQ(p0.GetStyle(), WS_CHILD | WS_VISIBLE | DS_SETFONT | DS_FIXEDSYS) << "no caption, enabled";

    EXPECT_TRUE(platform::ChooseTab(sheet, 2));
    EXPECT_NE(p2.m_hWnd, nullptr);
    EXPECT_EQ(p1.m_hWnd, nullptr);
    EXPECT_EQ(sheet.GetActiveIndex(), 2);
    EXPECT_EQ(platform::ActiveTab(sheet), 2);
    EXPECT_FALSE(p0.IsWindowVisible());
    EXPECT_TRUE(p2.IsWindowVisible());

    EXPECT_TRUE(platform::ChooseTab(sheet, 0));
    EXPECT_EQ(p0.inits, 1) << "a page window is made once";
    EXPECT_EQ(p0.activations, 2);
    EXPECT_TRUE(p0.IsWindowVisible());
    EXPECT_FALSE(p2.IsWindowVisible());

    // Destroying the sheet window takes the page windows with it; the page objects live on.
    sheet.DestroyWindow();
    EXPECT_EQ(p0.m_hWnd, nullptr);
    EXPECT_EQ(p2.m_hWnd, nullptr);
    EXPECT_EQ(sheet.GetTabControl(), nullptr);
}

TEST_F(SheetTest, SetActivePageBeforeCreateOnlyChoosesTheOpeningPage) {
    ProbePage p0, p1;
    CPropertySheet sheet("Property List");
    sheet.AddPage(&p0);
    sheet.AddPage(&p1);
    EXPECT_TRUE(sheet.SetActivePage(1));
    EXPECT_FALSE(sheet.SetActivePage(2));
    EXPECT_EQ(p1.m_hWnd, nullptr);
    EXPECT_EQ(sheet.GetActivePage(), &p1);

    ASSERT_TRUE(sheet.Create(&host_, WS_CHILD | WS_VISIBLE, 0));
    EXPECT_EQ(p0.m_hWnd, nullptr);
    EXPECT_NE(p1.m_hWnd, nullptr);
    EXPECT_EQ(platform::ActiveTab(sheet), 1);
    EXPECT_EQ(sheet.GetActiveIndex(), 1);
}

TEST_F(SheetTest, TabCaptionsStartAsTemplateCaptionsAndFollowSetItem) {
    ProbePage p0, p1(kNamedPage);
    CPropertySheet sheet("Property List");
    sheet.AddPage(&p0);
    sheet.AddPage(&p1);
    EXPECT_TRUE(platform::TabCaptions(sheet).empty());
    EXPECT_EQ(sheet.GetTabControl(), nullptr);
    EXPECT_EQ(sheet.SendMessage(PSM_GETTABCONTROL), 0);
    EXPECT_FALSE(platform::ChooseTab(sheet, 0));
    ASSERT_TRUE(sheet.Create(&host_, WS_CHILD | WS_VISIBLE, 0));
    EXPECT_EQ(platform::TabCaptions(sheet), (std::vector<std::string>{"", "图片"}));

    HWND tab = reinterpret_cast<HWND>(sheet.SendMessage(PSM_GETTABCONTROL));
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(tab, sheet.GetTabControl()->m_hWnd);
    TCITEM item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>("图形");
    EXPECT_EQ(::SendMessage(tab, TCM_SETITEM, 0, reinterpret_cast<LPARAM>(&item)), TRUE);
    EXPECT_EQ(::SendMessage(tab, TCM_SETITEM, 2, reinterpret_cast<LPARAM>(&item)), FALSE);
    item.mask = 0;
    ::SendMessage(tab, TCM_SETITEM, 1, reinterpret_cast<LPARAM>(&item));  // no text flag: unchanged
    EXPECT_EQ(platform::TabCaptions(sheet), (std::vector<std::string>{"图形", "图片"}));

    // A page added to a live sheet gets its tab at once.
    ProbePage p2(kNamedPage);
    sheet.AddPage(&p2);
    EXPECT_EQ(::SendMessage(tab, TCM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(p2.m_hWnd, nullptr);
}

TEST_F(SheetTest, TabRowsWrapAtTheControlWidth) {
    CTabCtrl tab;
    ASSERT_TRUE(tab.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 60), &host_, 1));
    RECT r{-1, -1, -1, -1};
    EXPECT_EQ(tab.SendMessage(TCM_GETROWCOUNT), 0);
    EXPECT_EQ(tab.SendMessage(TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r)), FALSE);
    EXPECT_EQ(r.left, -1) << "no item rectangle without items";

    tab.InsertItem(0, "");      // 12 px
    tab.InsertItem(1, "abc");   // 12 + 3 x 6 = 30 px
    tab.InsertItem(2, "图片");  // 12 + 4 GBK bytes x 6 = 36 px
    EXPECT_EQ(tab.SendMessage(TCM_GETROWCOUNT), 1);
    tab.SendMessage(TCM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&r));
    EXPECT_EQ(CRect(r), CRect(42, 0, 78, 20));

    tab.InsertItem(3, "abcdefghij");  // 72 px: passes 100, starts row 2
    EXPECT_EQ(tab.SendMessage(TCM_GETROWCOUNT), 2);
    tab.SendMessage(TCM_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&r));
    EXPECT_EQ(CRect(r), CRect(0, 20, 72, 40));

    // Wider than the control on its own: it still sits first in its row.
    tab.InsertItem(4, "abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(tab.SendMessage(TCM_GETROWCOUNT), 3);

    // Widening the control puts everything back on fewer rows.
    platform::ResizeWindow(tab, 400, 60);
    EXPECT_EQ(tab.SendMessage(TCM_GETROWCOUNT), 1);

    EXPECT_EQ(tab.SendMessage(TCM_GETCURSEL), 0);
    EXPECT_EQ(tab.SendMessage(TCM_SETCURSEL, 3), 0);
    EXPECT_EQ(tab.SendMessage(TCM_SETCURSEL, 9), -1);
    EXPECT_EQ(tab.SendMessage(TCM_GETCURSEL), 3);
    tab.DestroyWindow();
}

TEST_F(SheetTest, SheetWhoseOpeningPageHasNoTemplateIsNotCreated) {
    ProbePage missing(kMissingPage);
    CPropertySheet sheet("Property List");
    sheet.AddPage(&missing);
    EXPECT_FALSE(sheet.Create(&host_, WS_CHILD | WS_VISIBLE, 0));
    EXPECT_EQ(sheet.m_hWnd, nullptr);
    EXPECT_EQ(host_.GetChildren().size(), 0u);
}

TEST_F(SheetTest, PageThatCannotBeShownKeepsThePreviousOne) {
    ProbePage p0, missing(kMissingPage), refusing;
    refusing.refuseActivation = TRUE;
    CPropertySheet sheet("Property List");
    sheet.AddPage(&p0);
    sheet.AddPage(&missing);
    sheet.AddPage(&refusing);
    ASSERT_TRUE(sheet.Create(&host_, WS_CHILD | WS_VISIBLE, 0));

    EXPECT_FALSE(platform::ChooseTab(sheet, 1));
    EXPECT_EQ(sheet.GetActiveIndex(), 0);
    EXPECT_EQ(platform::ActiveTab(sheet), 0) << "the tab selection is put back";

    EXPECT_FALSE(platform::ChooseTab(sheet, 2));
    EXPECT_EQ(refusing.activations, 1);
    EXPECT_FALSE(refusing.IsWindowVisible());
    EXPECT_TRUE(p0.IsWindowVisible());
    EXPECT_EQ(sheet.GetActiveIndex(), 0);
}

}  // namespace
