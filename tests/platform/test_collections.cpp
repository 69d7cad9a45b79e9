// Array collections: index rules, insertion and removal, typed pointer arrays.
#include <gtest/gtest.h>

#include <stdexcept>

#include "mfc/Collections.h"

namespace {

TEST(Collections, StringArrayBasics) {
    CStringArray a;
    EXPECT_TRUE(a.IsEmpty());
    EXPECT_EQ(a.Add("甲"), 0);
    EXPECT_EQ(a.Add(CString("乙")), 1);
    EXPECT_EQ(a.GetSize(), 2);
    EXPECT_EQ(a.GetCount(), 2);
    EXPECT_EQ(a.GetUpperBound(), 1);
    EXPECT_EQ(a[1], "乙");
    a[0] = "丙";
    a.SetAt(1, "丁");
    EXPECT_EQ(a.GetAt(0), "丙");
    EXPECT_EQ(a.ElementAt(1), "丁");
    EXPECT_TRUE(a.IsKindOf(RUNTIME_CLASS(CStringArray)));
    a.RemoveAll();
    EXPECT_EQ(a.GetSize(), 0);
}

TEST(Collections, IndexOutsideTheArrayThrows) {
    CUIntArray a;
    a.Add(1);
    EXPECT_THROW(a.GetAt(1), std::out_of_range);
    EXPECT_THROW(a[-1], std::out_of_range);
    EXPECT_THROW(a.SetAt(5, 0), std::out_of_range);
    EXPECT_THROW(a.RemoveAt(0, 2), std::out_of_range);
    EXPECT_EQ(a.GetSize(), 1);
}

TEST(Collections, InsertAndRemoveRanges) {
    CDWordArray a;
    for (DWORD v : {10u, 20u, 30u, 40u}) a.Add(v);
    a.RemoveAt(1, 2);
    ASSERT_EQ(a.GetSize(), 2);
    EXPECT_EQ(a[1], 40u);
    a.InsertAt(1, 7, 2);
    EXPECT_EQ(a.GetSize(), 4);
    EXPECT_EQ(a[2], 7u);
    EXPECT_EQ(a[3], 40u);
    a.InsertAt(6, 9);  // past the end: grows with zeros first
    ASSERT_EQ(a.GetSize(), 7);
    EXPECT_EQ(a[4], 0u);
    EXPECT_EQ(a[6], 9u);

    CStringArray s;
    s.Add("a");
    s.Add("b");
    s.InsertAt(0, s[1]);  // the inserted value is an element of the array itself
    EXPECT_EQ(s[0], "b");
    EXPECT_EQ(s[2], "b");
}

TEST(Collections, SizeAppendAndCopy) {
    CStringArray a;
    a.SetSize(2);
    EXPECT_EQ(a[1], "");
    a[0] = "x";
    a[1] = "y";
    EXPECT_EQ(a.Append(a), 2);  // appending an array to itself doubles it
    ASSERT_EQ(a.GetSize(), 4);
    EXPECT_EQ(a[3], "y");
    CStringArray b;
    b.Copy(a);
    a.SetSize(1);
    EXPECT_EQ(a.GetSize(), 1);
    EXPECT_EQ(b.GetSize(), 4);
    b.InsertAt(1, &a);
    EXPECT_EQ(b[1], "x");
    EXPECT_EQ(b.GetSize(), 5);
}

struct Item {
    int id;
};

TEST(Collections, TypedPointerArray) {
    Item one{1}, two{2};
    CTypedPtrArray<CPtrArray, Item*> a;
    a.Add(&one);
    a.Add(&two);
    EXPECT_EQ(a[1]->id, 2);
    EXPECT_EQ(a.GetAt(0), &one);
    a[0] = &two;  // writes through to the pointer array
    EXPECT_EQ(a.GetAt(0), &two);
    a.ElementAt(1) = &one;
    CPtrArray& base = a;
    EXPECT_EQ(base[1], static_cast<void*>(&one));
    CTypedPtrArray<CPtrArray, Item*> copy;
    copy.Copy(a);
    copy.RemoveAt(0);
    EXPECT_EQ(copy.GetSize(), 1);
    EXPECT_EQ(a.GetSize(), 2);
}

}  // namespace
