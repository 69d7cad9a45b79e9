// The perforation page: its sources and discrete binding, dates, the active interval and the
// kit-class guard.
#include "IntervalFixture.h"
#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "hosttypes/Zephyr/WpShoot.h"
#include "hosttypes/Zephyr/WpText.h"
#include "wellplot/intervals/LstShoot.h"

using wptest::CallsOn;
using wptest::Names;

namespace {

struct ShootPage : wptest::IntervalPage<CLstShoot> {
    CWpShoot* kit() { return plot().First<CWpShoot>(); }
};

TEST(ShootPageTest, DiscreteDataKeepsTheBindingUntilTableAndFieldThenBindsByTableBlankField) {
    ShootPage page;
    CWpShoot* kit = page.kit();
    LogShootDIO* well = page.data()->GetShoot(SHOOT_WELL, "");
    kit->SetData(well);
    kit->GetAllDateTime() = {"2001-01-01", "2002-02-02"};
    page.Show(kit);
    EXPECT_EQ(page.Value(CLstShoot::kSourceTypeId), "井数据");
    EXPECT_EQ(page.Options(page.Item(CLstShoot::kStartDateId)), (Names{"2001-01-01", "2002-02-02"}));
    EXPECT_FALSE(page.Enabled(CLstShoot::kTableId));

    ASSERT_TRUE(page.Pick(CLstShoot::kSourceTypeId, "离散数据"));
    EXPECT_EQ(kit->GetData(), well);
    EXPECT_TRUE(page.Enabled(CLstShoot::kTableId));
    ASSERT_TRUE(page.Pick(CLstShoot::kTableId, "试油成果"));
    EXPECT_EQ(kit->GetData(), well);
    ASSERT_TRUE(page.Pick(CLstShoot::kFieldId, "结论"));
    LOGSHOOT record;
    ASSERT_TRUE(page.data()->FindData(kit->GetData(), record));
    EXPECT_EQ(record.source, SHOOT_DISCRETE);
    EXPECT_EQ(record.name, "试油成果 结论");

    page.Show(kit);
    EXPECT_EQ(page.Value(CLstShoot::kSourceTypeId), "离散数据");
    EXPECT_EQ(page.Value(CLstShoot::kTableId), "试油成果");
    EXPECT_EQ(page.Value(CLstShoot::kFieldId), "结论");

    // Graphics unbinds and reads the kit again at once.
    ASSERT_TRUE(page.Pick(CLstShoot::kSourceTypeId, "图形"));
    EXPECT_EQ(kit->GetData(), nullptr);
    EXPECT_EQ(page.Value(CLstShoot::kSourceTypeId), "图形");
    EXPECT_FALSE(page.Enabled(CLstShoot::kTableId));
    EXPECT_EQ(page.Value(CLstShoot::kTableId), "");
}

TEST(ShootPageTest, ActiveIntervalItemsAndRefusedEdits) {
    ShootPage page;
    CWpShoot* kit = page.kit();
    page.Show(kit);
    for (DWORD_PTR id : {CLstShoot::kTopId, CLstShoot::kBottomId, CLstShoot::kSegTypeId}) EXPECT_EQ(page.Value(id), "");
    const uint64_t before = kit->GetTimeStamp();
    ASSERT_TRUE(page.Type(CLstShoot::kTopId, "5"));  // no active interval: refused
    EXPECT_EQ(page.Value(CLstShoot::kTopId), "");
    EXPECT_EQ(kit->GetSegCount(), 0);
    (void)before;

    page.KitWithInterval<CWpShoot>(10, 20);
    page.Show(kit);
    EXPECT_EQ(page.Value(CLstShoot::kTopId), "10.00");
    EXPECT_EQ(page.Value(CLstShoot::kSegTypeId), "射孔");
    ASSERT_TRUE(page.Pick(CLstShoot::kSegTypeId, "补孔"));
    EXPECT_EQ(kit->GetSegType(0), SHOOT_REPERFORATION);
    EXPECT_EQ(CallsOn(kit), (Names{"CQXObject::SetModifyFlag", "CWpShoot::SetSegType", "CWpKit::OnDataChanged"}));
    ASSERT_TRUE(page.Type(CLstShoot::kBottomId, "abc"));  // 0: above the top, refused
    EXPECT_EQ(kit->GetSegBottomDpth(0), 20);
    EXPECT_EQ(page.Value(CLstShoot::kBottomId), "20.00");
}

TEST(ShootPageTest, ATextKitOrAnEditBeforeAnySelectionChangesNothing) {
    ShootPage page;
    CWpShoot* kit = page.kit();
    CWpText* text = page.plot().First<CWpText>();
    const uint64_t shootStamp = kit->GetTimeStamp();
    const uint64_t textStamp = text->GetTimeStamp();
    ASSERT_TRUE(page.Pick(CLstShoot::kSourceTypeId, "井数据"));
    page.Show(text);
    ASSERT_TRUE(page.Pick(CLstShoot::kSourceTypeId, "井数据"));
    ASSERT_TRUE(page.Type(CLstContent::kTitleNameId, "改"));
    EXPECT_EQ(wptest::AllCalls(), Names());
    EXPECT_EQ(kit->GetTimeStamp(), shootStamp);
    EXPECT_EQ(text->GetTimeStamp(), textStamp);
    EXPECT_EQ(kit->GetData(), nullptr);
}

}  // namespace
