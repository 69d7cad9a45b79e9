// The list templates: index rules, searches by address, shared ownership and copies.
#include <gtest/gtest.h>

#include <boost/make_shared.hpp>

#include "hosttypes/Oriel/ConnectionGroups.h"
#include "hosttypes/Oriel/Manager.h"

namespace {

struct Item {
    int value = 7;
    bool operator==(const Item& o) const { return value == o.value; }
};

// Counts live instances, so tests see when the list releases an element.
struct Tracked {
    static int live;
    Tracked() { ++live; }
    ~Tracked() { --live; }
};
int Tracked::live = 0;

CManager<Item> ListOfThree() {
    CManager<Item> m;
    for (int i = 0; i < 3; ++i) m.CreateObj()->value = i;
    return m;
}

TEST(ManagerTest, CreateObjAppendsDefaultElementAndReturnsItsPointer) {
    CManager<Item> m;
    EXPECT_TRUE(m.empty());
    EXPECT_EQ(0u, m.GetNum());
    boost::shared_ptr<Item> p = m.CreateObj();
    ASSERT_TRUE(p);
    EXPECT_EQ(7, p->value);
    EXPECT_EQ(1u, m.GetNum());
    EXPECT_EQ(p.get(), m.GetObj(0).get());
    EXPECT_EQ(p.get(), m[0].get());
}

TEST(ManagerTest, IndexOutOfRangeAnswersEmptyAndChangesNothing) {
    CManager<Item> m = ListOfThree();
    EXPECT_FALSE(m.GetObj(3));
    EXPECT_FALSE(m.GetObj(0xFFFFFFFFu));
    EXPECT_FALSE(m.DelObj(3u));
    EXPECT_EQ(3u, m.GetNum());
    CManager<Item> none;
    EXPECT_FALSE(none.GetObj(0));
    EXPECT_FALSE(none.DelObj(0u));
}

TEST(ManagerTest, DelObjByIndexKeepsOrderOfTheRest) {
    CManager<Item> m = ListOfThree();
    EXPECT_TRUE(m.DelObj(1u));
    ASSERT_EQ(2u, m.GetNum());
    EXPECT_EQ(0, m.GetObj(0)->value);
    EXPECT_EQ(2, m.GetObj(1)->value);
}

TEST(ManagerTest, DelObjAndFindObjCompareAddressesNotValues) {
    CManager<Item> m = ListOfThree();
    boost::shared_ptr<Item> lookalike = boost::make_shared<Item>();
    lookalike->value = 1;
    EXPECT_FALSE(m.FindObj(lookalike));
    EXPECT_FALSE(m.DelObj(lookalike));
    EXPECT_EQ(3u, m.GetNum());

    boost::shared_ptr<Item> second = m.GetObj(1);  // a second copy of a held pointer
    EXPECT_TRUE(m.FindObj(second));
    EXPECT_TRUE(m.DelObj(second));
    EXPECT_EQ(2u, m.GetNum());
    EXPECT_FALSE(m.FindObj(second));
}

TEST(ManagerTest, RemoveAllReleasesOnlyTheListsShare) {
    Tracked::live = 0;
    boost::shared_ptr<Tracked> kept;
    {
        CManager<Tracked> m;
        kept = m.CreateObj();
        m.CreateObj();
        EXPECT_EQ(2, Tracked::live);
        m.RemoveAll();
        EXPECT_EQ(0u, m.GetNum());
        EXPECT_TRUE(m.empty());
        EXPECT_EQ(1, Tracked::live);
        m.CreateObj();
    }
    EXPECT_EQ(1, Tracked::live);  // the destructor released the rest
    kept.reset();
    EXPECT_EQ(0, Tracked::live);
}

TEST(ManagerTest, PlainManagerPersistsNothing) {
    CManager<Item> m = ListOfThree();
    EXPECT_EQ(1, m.ReadFromFile(nullptr));
    EXPECT_EQ(1, m.SaveToFile(nullptr));
    EXPECT_EQ(3u, m.GetNum());
}

TEST(ManagerTest, CopiesShareElements) {
    CStratumGroupManager source;
    source.CreateObj()->SetLeftWellName("W1");
    source.SetSmooth(true);
    CStratumGroupManager copy(source);
    ASSERT_EQ(1u, copy.GetNum());
    EXPECT_EQ(source.GetObj(0).get(), copy.GetObj(0).get());
    EXPECT_TRUE(copy.IfSmooth());
    copy.GetObj(0)->SetRightWellName("W2");
    EXPECT_EQ("W2", source.GetObj(0)->GetRightWellName());
    copy.CreateObj();
    EXPECT_EQ(1u, source.GetNum());  // the lists themselves are separate

    CStratumGroupManager assigned;
    assigned = source;
    EXPECT_EQ(source.GetObj(0).get(), assigned.GetObj(0).get());
}

TEST(ManagerWithObjTest, ValueListRules) {
    CManagerWithObj<Item> m;
    EXPECT_TRUE(m.IsEmpty());
    Item a, b;
    b.value = 9;
    m.AddObj(a);
    m.AddObj(b);
    m.AddObj(b);
    EXPECT_TRUE(m.FindObj(b));
    EXPECT_TRUE(m.DelObj(b));  // the first equal one
    ASSERT_EQ(2u, m.GetNum());
    EXPECT_EQ(9, m.GetObj(1).value);

    Item c;
    c.value = 42;
    EXPECT_FALSE(m.DelObj(c));
    EXPECT_FALSE(m.UpdateObj(2, c));  // index equal to the count appends nothing
    EXPECT_EQ(2u, m.GetNum());
    EXPECT_TRUE(m.UpdateObj(0, c));
    EXPECT_EQ(42, m[0].value);
    EXPECT_FALSE(m.DelObj(2u));
    EXPECT_TRUE(m.DelObj(0u));
    m.RemoveAll();
    EXPECT_TRUE(m.IsEmpty());
}

TEST(ManagerWithObjTest, SharedPointerElementsCompareByAddress) {
    CManagerWithObj<boost::shared_ptr<Item>> m;
    boost::shared_ptr<Item> held = boost::make_shared<Item>();
    m.AddObj(held);
    EXPECT_FALSE(m.FindObj(boost::make_shared<Item>()));  // equal value, other object
    EXPECT_FALSE(m.DelObj(boost::make_shared<Item>()));
    EXPECT_TRUE(m.DelObj(held));
    EXPECT_TRUE(m.IsEmpty());
}

TEST(ManagerWithoutCreateTest, HoldsPointersItNeverDeletes) {
    Tracked::live = 0;
    Tracked a, b;
    {
        CManagerWithoutCreate<Tracked> m;
        m.AddObj(&a);
        m.AddObj(&b);
        EXPECT_TRUE(m.FindObj(&b));
        EXPECT_EQ(&a, m.GetObj(0));
        EXPECT_EQ(nullptr, m.GetObj(2));
        EXPECT_TRUE(m.DelObj(&a));
        EXPECT_FALSE(m.FindObj(&a));
        EXPECT_FALSE(m.DelObj(&a));
    }
    EXPECT_EQ(2, Tracked::live);
}

}  // namespace
