// Geometry values and style records: the bounds, comparisons, conversions and byte layouts
// that map objects and property lists rely on.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstring>
#include <limits>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Parsnip/Geometry.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(RectPointInRect, EdgesAreInclusive) {
    QXRECT r(0, 10, 10, 0);
    EXPECT_EQ(1, r.PointInRect(QXPOINT(10, 0, 0)));
    EXPECT_EQ(1, r.PointInRect(QXPOINT(0, 10, 0)));
    EXPECT_EQ(1, r.PointInRect(QXPOINT(5, 5, 0)));
    EXPECT_EQ(0, r.PointInRect(QXPOINT(10.000001, 5, 0)));
    EXPECT_EQ(0, r.PointInRect(QXPOINT(5, -0.000001, 0)));

    FLOATRECT f(-1, 1, 1, -1);
    EXPECT_EQ(1, f.PointInRect(FLOATPOINT(-1, -1)));
    EXPECT_EQ(1, f.PointInRect(FLOATPOINT(1, 1)));
    EXPECT_EQ(0, f.PointInRect(FLOATPOINT(1, 1.5)));
}

TEST(RectPointInRect, InvertedRectanglesHoldNoPoint) {
    QXRECT topBelowBottom(0, 0, 10, 10);
    EXPECT_EQ(0, topBelowBottom.PointInRect(QXPOINT(5, 5, 0)));
    EXPECT_EQ(0, topBelowBottom.PointInRect(QXPOINT(0, 0, 0)));
    EXPECT_DOUBLE_EQ(10.0, topBelowBottom.GetHeight());

    FLOATRECT leftBeyondRight(10, 10, 0, 0);
    EXPECT_EQ(0, leftBeyondRight.PointInRect(FLOATPOINT(5, 5)));
    EXPECT_DOUBLE_EQ(10.0, leftBeyondRight.GetWidth());
    FLOATSIZE size = leftBeyondRight.GetSize();
    EXPECT_EQ(1, size == FLOATSIZE(10, 10));
}

TEST(RectPointInRect, NaNIsOutside) {
    QXRECT r(0, 10, 10, 0);
    EXPECT_EQ(0, r.PointInRect(QXPOINT(kNaN, 5, 0)));
    EXPECT_EQ(0, r.PointInRect(QXPOINT(5, kNaN, 0)));
    FLOATRECT withNaN(kNaN, 10, 10, 0);
    EXPECT_EQ(0, withNaN.PointInRect(FLOATPOINT(5, 5)));
}

TEST(GeometryEquality, ExactAndNaNNeverEqual) {
    FLOATRECT r(kNaN, 1, 2, 0);
    EXPECT_EQ(0, r == r);
    EXPECT_EQ(1, r != r);
    QXRECT q(0, 1, 2, kNaN);
    EXPECT_EQ(1, q != q);
    FLOATPOINT p(kNaN, 0);
    EXPECT_EQ(1, p != p);
    QXSIZE s(0, kNaN);
    EXPECT_EQ(0, s == s);
    // No tolerance: the smallest difference counts.
    EXPECT_EQ(1, FLOATPOINT(0.1 + 0.2, 0) != FLOATPOINT(0.3, 0));
    EXPECT_EQ(1, QXRECT(1, 2, 3, 4) == QXRECT(1, 2, 3, 4));
}

TEST(GeometryEquality, QXPointIgnoresItsBytes) {
    EXPECT_EQ(1, QXPOINT(1, 2, 5) == QXPOINT(1, 2, 0));
    QXPOINT a(1, 2, 5), b(1, 2, 9);
    b.reserved = 7;
    EXPECT_EQ(1, a == b);  // non-const form
    EXPECT_EQ(0, a != b);
    const QXPOINT& ca = a;
    EXPECT_EQ(1, ca == b);  // const form
    EXPECT_EQ(1, QXPOINT(1, 2, 0) != QXPOINT(1, 2.5, 0));
}

TEST(GeometryQXPoint, BytesSurviveAssignmentAndAddition) {
    QXPOINT src(3, 4, 0x81);
    src.reserved = 0x42;
    QXPOINT dst;
    dst = src;
    EXPECT_EQ(0x81, dst.flag);
    EXPECT_EQ(0x42, dst.reserved);
    QXPOINT copy(src);
    EXPECT_EQ(0x42, copy.reserved);

    dst += QXPOINT(1, 1, 0);
    dst += QXSIZE(10, 20);
    EXPECT_DOUBLE_EQ(14.0, dst.x);
    EXPECT_DOUBLE_EQ(25.0, dst.y);
    EXPECT_EQ(0x81, dst.flag);
    EXPECT_EQ(0x42, dst.reserved);

    dst *= 2;
    EXPECT_DOUBLE_EQ(28.0, dst.x);
    EXPECT_EQ(0x42, dst.reserved);

    EXPECT_EQ(0, QXPOINT(1, 1, 3).reserved);  // constructors clear the second byte
}

TEST(GeometryRect, ScaleAndShiftMoveEveryEdge) {
    QXRECT r(1, 4, 3, 2);
    r *= 2;
    EXPECT_EQ(1, r == QXRECT(2, 8, 6, 4));
    r += QXPOINT(3, 4, 0);
    EXPECT_EQ(1, r == QXRECT(5, 12, 9, 8));
    r += QXSIZE(-5, -8);
    EXPECT_EQ(1, r == QXRECT(0, 4, 4, 0));

    FLOATRECT f(0, 1, 1, 0);
    f += FLOATPOINT(0.5, -1);
    EXPECT_EQ(1, f == FLOATRECT(0.5, 0, 1.5, -1));
    f += FLOATSIZE(1, 1);
    EXPECT_EQ(1, f == FLOATRECT(1.5, 1, 2.5, 0));

    FLOATPOINT p(1, 2);
    p += FLOATSIZE(1, 1);
    p += FLOATPOINT(1, 1);
    p *= 0.5;
    EXPECT_EQ(1, p == FLOATPOINT(1.5, 2));
}

TEST(GeometryRect, CentreIsTheMidpointOfTheStoredEdges) {
    QXRECT r(10, 0, 0, 10);  // inverted both ways
    QXPOINT c = r.GetCenter();
    EXPECT_DOUBLE_EQ(5.0, c.x);
    EXPECT_DOUBLE_EQ(5.0, c.y);
    EXPECT_EQ(0, c.flag);
    EXPECT_EQ(0, c.reserved);
    QXSIZE s = r.GetSize();
    EXPECT_EQ(1, s == QXSIZE(10, 10));

    FLOATRECT f(-3, 5, 1, -1);
    EXPECT_EQ(1, f.GetCenter() == FLOATPOINT(-1, 2));
}

TEST(GeometryRect, NodePointsGoClockwiseFromTopLeft) {
    FLOATRECT r(1, 4, 3, 2);
    FLOATPOINT nodes[5];
    nodes[4] = FLOATPOINT(99, 99);
    r.GetNodePointArray(nodes);
    EXPECT_EQ(1, nodes[0] == FLOATPOINT(1, 4));
    EXPECT_EQ(1, nodes[1] == FLOATPOINT(3, 4));
    EXPECT_EQ(1, nodes[2] == FLOATPOINT(3, 2));
    EXPECT_EQ(1, nodes[3] == FLOATPOINT(1, 2));
    EXPECT_EQ(1, nodes[4] == FLOATPOINT(99, 99));  // nothing beyond the four corners
    r.GetNodePointArray(nullptr);                  // no target, nothing written
}

TEST(GeometryConvert, TruncatesTowardZero) {
    RECT r = FLOATRECT(-1.7, 2.9, 3.2, -0.5).ConvertToRECT();
    EXPECT_EQ(-1, r.left);
    EXPECT_EQ(2, r.top);
    EXPECT_EQ(3, r.right);
    EXPECT_EQ(0, r.bottom);

    POINT p = QXPOINT(-2.99, 2.99, 0).ConvertToPOINT();
    EXPECT_EQ(-2, p.x);
    EXPECT_EQ(2, p.y);
    SIZE s = FLOATSIZE(-0.9, 7.9999).ConvertToSIZE();
    EXPECT_EQ(0, s.cx);
    EXPECT_EQ(7, s.cy);
    RECT q = QXRECT(-1.5, 1.5, 2147483647.9, -2147483648.9).ConvertToRECT();
    EXPECT_EQ(-1, q.left);
    EXPECT_EQ(2147483647, q.right);
    EXPECT_EQ(std::numeric_limits<LONG>::min(), q.bottom);
}

TEST(GeometryConvert, OutOfRangeAndNaNAreDefined) {
    RECT r = QXRECT(kNaN, 1e300, -1e300, 4e9).ConvertToRECT();
    EXPECT_EQ(0, r.left);
    EXPECT_EQ(std::numeric_limits<LONG>::max(), r.top);
    EXPECT_EQ(std::numeric_limits<LONG>::min(), r.right);
    EXPECT_EQ(std::numeric_limits<LONG>::max(), r.bottom);
    SIZE s = QXSIZE(-std::numeric_limits<double>::infinity(), kNaN).ConvertToSIZE();
    EXPECT_EQ(std::numeric_limits<LONG>::min(), s.cx);
    EXPECT_EQ(0, s.cy);
}

TEST(GeometryDefaults, EverythingStartsAtZero) {
    QXPOINT3D p3;
    EXPECT_EQ(0.0, p3.x + p3.y + p3.z);
    QXPOINT3D q3(1, 2, 3);
    QXPOINT3D r3;
    (r3 = q3).z += 1;  // assignment answers the target
    EXPECT_EQ(4.0, r3.z);
    EXPECT_EQ(1, QXRECT() == QXRECT(0, 0, 0, 0));
    QXPOINT p;
    EXPECT_EQ(0, p.flag);
    EXPECT_EQ(1, p == QXPOINT(0, 0, 0));
}

// ---- style records ----------------------------------------------------------------------------------

TEST(StyleRecords, LayoutIsFixed) {
    EXPECT_EQ(20u, sizeof(QXLOGPEN));
    EXPECT_EQ(20u, sizeof(QXLOGBRUSH));
    EXPECT_EQ(20u, sizeof(QXLOGPOINT));
    EXPECT_EQ(84u, sizeof(QXLOGFONT));
    EXPECT_EQ(8u, offsetof(QXLOGPEN, color));
    EXPECT_EQ(12u, offsetof(QXLOGPEN, width));
    EXPECT_EQ(16u, offsetof(QXLOGBRUSH, backMode));
    EXPECT_EQ(12u, offsetof(QXLOGPOINT, size));
    EXPECT_EQ(12u, offsetof(QXLOGFONT, size));
    EXPECT_EQ(20u, offsetof(QXLOGFONT, faceName));
}

TEST(StyleRecords, DefaultsAreZeroAndCopiesCarryEveryWord) {
    QXLOGFONT font;
    const unsigned char zero[sizeof(QXLOGFONT)] = {};
    EXPECT_EQ(0, std::memcmp(&font, zero, sizeof font));

    QXLOGPEN pen;
    pen.style = 7;
    pen.reserved1 = 0xDEADBEEF;
    pen.reserved4 = 10;
    pen.width = 25.5f;
    QXLOGPEN other;
    other = pen;
    EXPECT_EQ(0, std::memcmp(&pen, &other, sizeof pen));

    font.reserved4 = 0x12345678;
    font.SetFaceName("宋体");
    font.faceName[60] = 'x';  // bytes past the terminator travel too
    QXLOGFONT copy(font);
    EXPECT_EQ(0, std::memcmp(&font, &copy, sizeof font));
}

TEST(StyleRecords, FaceNameIsCutAtACharacterBoundary) {
    QXLOGFONT font;
    font.SetFaceName("宋体");
    EXPECT_STREQ("宋体", font.GetFaceName());

    // 21 three-byte characters fill 63 bytes exactly; a 22nd does not fit.
    std::string face;
    for (int i = 0; i < 22; ++i) face += "体";
    font.SetFaceName(face.c_str());
    EXPECT_EQ(63, font.GetFaceName().GetLength());
    EXPECT_EQ('\0', font.faceName[63]);

    // "a" then three-byte characters: the last whole one ends at byte 61, so 62 and 63 stay zero.
    font.SetFaceName(("a" + face).c_str());
    EXPECT_EQ(61, font.GetFaceName().GetLength());
    EXPECT_EQ('\0', font.faceName[61]);
    EXPECT_EQ('\0', font.faceName[62]);

    // A shorter name clears the rest of the field.
    font.SetFaceName("Arial");
    EXPECT_STREQ("Arial", font.GetFaceName());
    EXPECT_EQ('\0', font.faceName[40]);

    font.SetFaceName(nullptr);
    EXPECT_STREQ("", font.GetFaceName());
}

TEST(StyleRecords, FaceNameReadStopsAtTheFieldAndDropsBrokenTails) {
    QXLOGFONT font;
    std::memset(font.faceName, 'a', sizeof font.faceName);  // no terminator at all
    EXPECT_EQ(63, font.GetFaceName().GetLength());

    std::memset(font.faceName, 0, sizeof font.faceName);
    std::memcpy(font.faceName, "宋体", 5);  // the second character cut after two bytes
    EXPECT_STREQ("宋", font.GetFaceName());

    // A full field whose 63rd byte starts a character that the 64th byte would finish.
    std::memset(font.faceName, 'a', sizeof font.faceName);
    std::memcpy(font.faceName + 62, "\xC3\xA9", 2);
    EXPECT_EQ(62, font.GetFaceName().GetLength());
}

}  // namespace
