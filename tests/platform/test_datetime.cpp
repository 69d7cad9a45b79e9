// COleDateTime: day numbering, validity, ordering that is false for invalid values.
#include <gtest/gtest.h>

#include "mfc/DateTime.h"

namespace {

TEST(DateTime, DaysCountFromTheZeroDate) {
    EXPECT_EQ(COleDateTime(1899, 12, 30, 0, 0, 0).m_dt, 0.0);
    EXPECT_EQ(COleDateTime(1900, 1, 1, 0, 0, 0).m_dt, 2.0);
    EXPECT_EQ(COleDateTime(2000, 1, 1, 18, 0, 0).m_dt, 36526.75);
    EXPECT_EQ(COleDateTime(1899, 12, 29, 6, 0, 0).m_dt, -1.25);  // time adds to the day's magnitude
}

TEST(DateTime, FieldsRoundTrip) {
    COleDateTime d(2024, 2, 29, 13, 45, 30);
    ASSERT_EQ(d.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(d.GetYear(), 2024);
    EXPECT_EQ(d.GetMonth(), 2);
    EXPECT_EQ(d.GetDay(), 29);
    EXPECT_EQ(d.GetHour(), 13);
    EXPECT_EQ(d.GetMinute(), 45);
    EXPECT_EQ(d.GetSecond(), 30);
    COleDateTime early(1850, 7, 4, 23, 59, 59);
    EXPECT_EQ(early.GetDay(), 4);
    EXPECT_EQ(early.GetSecond(), 59);
    EXPECT_EQ(COleDateTime(0.9999999).GetDay(), 31);  // rounds to midnight of 1899-12-31
}

TEST(DateTime, OutOfRangeFieldsMakeAnInvalidValue) {
    COleDateTime d(2023, 2, 29, 0, 0, 0);
    EXPECT_EQ(d.GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(d.GetYear(), -1);
    EXPECT_EQ(d.SetDate(2023, 2, 28), 0);
    EXPECT_EQ(d.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(d.SetDateTime(2023, 1, 1, 24, 0, 0), 1);
    EXPECT_EQ(d.GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(COleDateTime(99, 12, 31, 0, 0, 0).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(COleDateTime(3e6).GetStatus(), COleDateTime::invalid);
}

TEST(DateTime, OrderingByDayAndTime) {
    COleDateTime a(2020, 5, 1, 0, 0, 0), b(2020, 5, 1, 0, 0, 1);
    EXPECT_TRUE(a < b);
    EXPECT_TRUE(b > a);
    EXPECT_FALSE(a > b);
    EXPECT_TRUE(a <= a);
    EXPECT_TRUE(a == COleDateTime(2020, 5, 1, 0, 0, 0));
    // Before the zero date the stored numbers run the other way within a day.
    COleDateTime morning(1899, 12, 29, 6, 0, 0), noon(1899, 12, 29, 12, 0, 0);
    EXPECT_TRUE(morning < noon);
    EXPECT_TRUE(COleDateTime(1899, 12, 28, 23, 0, 0) < morning);
}

TEST(DateTime, InvalidOperandMakesOrderingFalse) {
    COleDateTime good(2020, 5, 1, 0, 0, 0);
    COleDateTime bad(2020, 13, 1, 0, 0, 0);
    COleDateTime nul;
    nul.SetStatus(COleDateTime::null);
    for (const COleDateTime* other : {&bad, &nul}) {
        EXPECT_FALSE(good < *other);
        EXPECT_FALSE(good > *other);
        EXPECT_FALSE(*other < good);
        EXPECT_FALSE(*other > good);
        EXPECT_FALSE(*other <= good);
        EXPECT_FALSE(good >= *other);
        EXPECT_TRUE(good != *other);
    }
    EXPECT_FALSE(bad == nul);
}

TEST(DateTime, Format) {
    COleDateTime d(2024, 3, 7, 8, 5, 9);
    EXPECT_EQ(d.Format("%Y-%m-%d"), "2024-03-07");
    EXPECT_EQ(d.Format("%H:%M:%S %y %%"), "08:05:09 24 %");
    EXPECT_EQ(COleDateTime(2024, 2, 30, 0, 0, 0).Format("%Y"), "Invalid DateTime");
}

TEST(DateTime, CurrentTimeIsValid) {
    COleDateTime now = COleDateTime::GetCurrentTime();
    EXPECT_EQ(now.GetStatus(), COleDateTime::valid);
    EXPECT_GE(now.GetYear(), 2024);
}

}  // namespace
