// Text that is not UTF-8, typed into a plane-map list or reported from code: the grid refuses it,
// so the list never writes it, a later edit of another item writes nothing of it either, and the
// next text of the same item is judged by itself.
#include <gtest/gtest.h>

#include "PlaneListFixture.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "hosttypes/Parsnip/QXObjectText.h"
#include "planemap/PropListFaultLine.h"
#include "planemap/PropListPointText.h"
#include "planemap/PropListText.h"

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

// A cut character (E4 B8) reported from code is refused: nothing written, nothing redrawn. The
// refusal decides nothing about the item's next text: the string typed after it into "文本" is
// stored, the place picked after it in "位置" writes its alignment pair, each with one redraw.
TEST(InvalidText, ARefusedReportDropsNoLaterTextOfItsItem) {
    MapFixture map;
    CQXObjectText* text = map.AddText("文本", "旧文本", FLOATPOINT(0, 0));
    planetest::OpenList<CPropListText> texts(map, {text});
    int redraws = texts.Redraws();
    texts.Report(CPropListText::kStringId, "\xE4\xB8");
    EXPECT_EQ("旧文本", texts.Value(CPropListText::kStringId));
    EXPECT_EQ(redraws, texts.Redraws());
    ASSERT_TRUE(texts.Type(CPropListText::kStringId, "新文本"));
    EXPECT_EQ(CString("新文本"), text->GetString());
    EXPECT_EQ(redraws + 1, texts.Redraws());

    CQXObjectText* label = map.AddText("注记", "12.5", FLOATPOINT(0, 0));
    label->SetHorizontalAlign(0);
    label->SetVerticalAlign(2);
    map.ClearSelection();
    planetest::OpenList<CPropListPointText> labels(map, {label});
    redraws = labels.Redraws();
    parsnip::testing::ClearCallLog();
    labels.Report(CPropListPointText::kPlaceId, "\xE4\xB8");
    EXPECT_EQ("右上", labels.Value(CPropListPointText::kPlaceId));
    EXPECT_EQ(0, parsnip::testing::CountCalls("CQXObjectText::SetHorizontalAlign"));
    EXPECT_EQ(redraws, labels.Redraws());
    ASSERT_TRUE(labels.Pick(CPropListPointText::kPlaceId, "左下"));
    EXPECT_EQ(2, label->GetHorizontalAlign());
    EXPECT_EQ(0, label->GetVerticalAlign());
    EXPECT_EQ(redraws + 1, labels.Redraws());
}

}  // namespace
