// Operations of the graph-tool library's style values: assignment, comparison, the face field.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "hosttypes/Kestrel/StyleRecords.h"

namespace {

TEST(KestrelRecords, PenComparisonCoversEveryWord) {
    QXLOGPEN a;
    a.style = 3;
    a.color = RGB(1, 2, 3);
    a.width = 150.0f;
    QXLOGPEN b;
    b = a;
    EXPECT_EQ(1, a == b);

    b.reserved1 = 0xC0C0C0;  // a word this module never reads still counts
    EXPECT_EQ(0, a == b);
    b = a;
    b.reserved4 = 1;
    EXPECT_EQ(0, a == b);
    b = a;
    b.width = 150.5f;
    EXPECT_EQ(0, a == b);

    // A NaN width compares by its word: the copy of such a pen is equal to it.
    a.width = std::numeric_limits<float>::quiet_NaN();
    b = a;
    EXPECT_EQ(1, a == b);
}

TEST(KestrelRecords, AssignmentCopiesTheWordsNobodyReads) {
    QXLOGBRUSH brush;
    brush.style = 1004;
    brush.fillColor = 1;
    brush.lineColor = 2;
    brush.size = 980.0f;
    brush.backMode = kBackModeOpaque;
    QXLOGBRUSH brushCopy;
    brushCopy = brush;
    EXPECT_EQ(0, std::memcmp(&brush, &brushCopy, sizeof brush));

    QXLOGPOINT point;
    point.style = 1002;
    point.innerColor = 5;
    point.borderColor = 6;
    point.size = 380.0f;
    point.reserved4 = 0xABCDEF;
    QXLOGPOINT pointCopy(point);
    EXPECT_EQ(0, std::memcmp(&point, &pointCopy, sizeof point));

    QXLOGFONT font;
    font.SetFaceName("黑体");
    font.faceName[50] = 'z';
    font.reserved4 = 9;
    QXLOGFONT fontCopy;
    fontCopy = font;
    EXPECT_EQ(0, std::memcmp(&font, &fontCopy, sizeof font));
    const QXLOGFONT& same = font;
    font = same;  // self-assignment leaves the value alone
    EXPECT_EQ(0, std::memcmp(&font, &fontCopy, sizeof font));
}

TEST(KestrelRecords, FontComparisonReadsTheFaceAsText) {
    QXLOGFONT a;
    a.SetFaceName("宋体");
    a.size = 900.0f;
    QXLOGFONT b;
    b = a;
    b.faceName[40] = 'x';  // junk past the terminator is not part of the name
    EXPECT_EQ(1, a == b);

    b.SetFaceName("黑体");
    EXPECT_EQ(0, a == b);
    b = a;
    b.transparent = 1;
    EXPECT_EQ(0, a == b);
    b = a;
    b.backColor = RGB(255, 255, 255);
    EXPECT_EQ(0, a == b);
    b = a;
    b.size = 901.0f;
    EXPECT_EQ(0, a == b);
}

TEST(KestrelRecords, LongFaceNameIsCutBetweenCharacters) {
    // One byte, then four-byte characters: fifteen of them end at byte 61, a sixteenth would
    // need bytes 61 to 64 and does not fit beside the terminator.
    std::string face = "a";
    for (int i = 0; i < 20; ++i) face += "\xF0\x9F\x98\x80";
    QXLOGFONT font;
    font.SetFaceName(face.c_str());
    EXPECT_EQ(61, font.GetFaceName().GetLength());
    EXPECT_EQ(face.substr(0, 61), std::string(font.GetFaceName().GetString()));
    for (std::size_t i = 61; i < QXLOGFONT::kFaceNameSize; ++i) EXPECT_EQ('\0', font.faceName[i]) << i;

    // A name of exactly 63 bytes is kept whole.
    const std::string full(63, 'f');
    font.SetFaceName(full.c_str());
    EXPECT_EQ(full, std::string(font.GetFaceName().GetString()));

    // Two fonts given the same over-long name compare equal.
    QXLOGFONT other;
    other.SetFaceName(face.c_str());
    font.SetFaceName(face.c_str());
    EXPECT_EQ(1, font == other);
}

}  // namespace
