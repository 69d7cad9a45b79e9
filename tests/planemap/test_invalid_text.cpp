// Text that is not UTF-8, typed into a plane-map list: the grid refuses it when the edit ends, so
// the list never writes it, and a later edit of another item writes nothing of it either.
#include <gtest/gtest.h>

#include "PlaneListFixture.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "planemap/PropListFaultLine.h"

namespace {

using parsnip::MapFixture;

TEST(InvalidText, BytesThatAreNotUtf8NeverReachAFaultLinesName) {
    MapFixture map;
    CQXObjectPolyline* line = map.AddPolyline("上盘", {{0, 0}, {1, 0}, {1, 1}});
    CQXObjectPolyline* other = map.AddPolyline("上盘", {{0, 2}, {1, 2}});
    line->SetName("F1");
    other->SetName("F2");
    planetest::OpenList<CPropListFaultLine> open(map, {line, other});
    ASSERT_EQ("F1", open.Value(CPropListFaultLine::kNameId));

    EXPECT_FALSE(open.Type(CPropListFaultLine::kNameId, "\xFF\xFE"));  // refused when the edit ends
    EXPECT_EQ("F1", open.Value(CPropListFaultLine::kNameId));          // the stored text shows again
    EXPECT_EQ("F1", line->GetName());
    EXPECT_EQ("F2", other->GetName());

    ASSERT_TRUE(open.Pick(CPropListFaultLine::kKindId, "下盘"));
    EXPECT_EQ("下盘", line->GetTypeName());
    EXPECT_EQ("F1", line->GetName());
    EXPECT_EQ("F2", other->GetName());
    open.Show(line);
    EXPECT_EQ("F1", open.Value(CPropListFaultLine::kNameId));

    // A well-formed name is still taken.
    ASSERT_TRUE(open.Type(CPropListFaultLine::kNameId, "断层甲"));
    EXPECT_EQ("断层甲", line->GetName());
}

}  // namespace
