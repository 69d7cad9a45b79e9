// The perforation configuration page: the manager's two symbols, accepted and refused picks,
// a kit without a manager and the kit-class guard.
#include "IntervalFixture.h"
#include "framework/PropStyleCombox.h"
#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "hosttypes/Zephyr/WpShoot.h"
#include "hosttypes/Zephyr/WpText.h"
#include "wellplot/intervals/LstShootMgr.h"

using wptest::Names;

namespace {

// A manager that refuses every symbol.
class RefusingMgr : public LogShootMgrIO {
public:
    RefusingMgr(UINT shoot = 0, UINT reShoot = 1) {
        m_nShootSymbol = shoot;
        m_nReShootSymbol = reShoot;
    }
    bool SetShootSymbol(UINT) override { return false; }
    bool SetReShootSymbol(UINT) override { return false; }
};

struct ShootMgrPage : wptest::IntervalPage<CLstShootMgr> {
    CWpShoot* kit() { return plot().First<CWpShoot>(); }
    CPropStyleCombox* picker(int i) {
        CBCGPProp* group = Item(CLstShootMgr::kGroupId);
        return group ? dynamic_cast<CPropStyleCombox*>(group->GetSubItem(i)) : nullptr;
    }
};

TEST(ShootMgrPageTest, PickersHoldZeroAndOneUntilTheFirstSelectionThenTheManagersSymbols) {
    ShootMgrPage page;
    auto* mgr = new LogShootMgrIO;
    ASSERT_TRUE(mgr->SetShootSymbol(5));
    ASSERT_TRUE(mgr->SetReShootSymbol(7));
    page.kit()->SetShootMgr(mgr);
    ASSERT_NE(page.picker(1), nullptr);
    EXPECT_EQ(page.picker(0)->GetVal(), 0u);
    EXPECT_EQ(page.picker(1)->GetVal(), 1u);
    page.Show(page.kit());
    EXPECT_EQ(page.picker(0)->GetVal(), 5u);
    EXPECT_EQ(page.picker(1)->GetVal(), 7u);
}

TEST(ShootMgrPageTest, AnAcceptedPickNotifiesAndARefusedOneShowsTheManagersSymbolAgain) {
    ShootMgrPage page;
    CWpShoot* kit = page.kit();
    kit->SetShootMgr(new LogShootMgrIO);
    page.Show(kit);
    ASSERT_TRUE(page.grid().PickDropDownEntry(page.picker(0), 2));
    EXPECT_EQ(*kit->GetShootMgr()->GetShootSymbol(), page.picker(0)->GetVal());
    EXPECT_EQ(wptest::AllCalls(), (Names{"LogShootMgrIO::SetShootSymbol", "Observee::Notify", "CWpKit::OnDataChanged"}));

    kit->SetShootMgr(new RefusingMgr);
    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(page.grid().PickDropDownEntry(page.picker(1), 3));
    EXPECT_EQ(page.picker(1)->GetVal(), 1u);
    EXPECT_EQ(wptest::AllCalls(), Names());
}

// A refused symbol shows its own picker again; the other picker keeps what it shows, even where the
// manager holds another symbol by now.
TEST(ShootMgrPageTest, ARefusedSymbolShowsOnlyItsOwnPickerAgain) {
    ShootMgrPage page;
    CWpShoot* kit = page.kit();
    kit->SetShootMgr(new RefusingMgr(5, 7));
    page.Show(kit);
    kit->SetShootMgr(new RefusingMgr(9, 7));  // changed elsewhere, not announced yet
    ASSERT_TRUE(page.grid().PickDropDownEntry(page.picker(1), 3));
    EXPECT_EQ(page.picker(1)->GetVal(), 7u);
    EXPECT_EQ(page.picker(0)->GetVal(), 5u);
    ASSERT_TRUE(page.grid().PickDropDownEntry(page.picker(0), 2));
    EXPECT_EQ(page.picker(0)->GetVal(), 9u);
    EXPECT_EQ(page.picker(1)->GetVal(), 7u);
    EXPECT_EQ(wptest::AllCalls(), Names());
}

TEST(ShootMgrPageTest, NoManagerAnotherKitOrAnEditBeforeAnySelectionChangesNothing) {
    ShootMgrPage page;
    CWpShoot* kit = page.kit();
    kit->SetShootMgr(new LogShootMgrIO);
    ASSERT_TRUE(page.grid().PickDropDownEntry(page.picker(0), 2));  // before any selection
    page.Show(page.plot().First<CWpText>());
    ASSERT_TRUE(page.grid().PickDropDownEntry(page.picker(0), 2));
    EXPECT_EQ(*kit->GetShootMgr()->GetShootSymbol(), 0u);
    EXPECT_EQ(wptest::AllCalls(), Names());

    kit->SetShootMgr(nullptr);
    page.Show(kit);
    ASSERT_TRUE(page.grid().PickDropDownEntry(page.picker(0), 2));
    EXPECT_EQ(wptest::AllCalls(), Names());
}

}  // namespace
