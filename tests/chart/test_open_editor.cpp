// Chart pages whose editors are open while the host shows another object: a commit is judged
// against what the item shows when it is committed, and a style picker's value is the style drawn.
#include <gtest/gtest.h>

#include <string>

#include "ChartPageFixture.h"
#include "chart/KelPropListLinePlotSet.h"
#include "chart/PropListAxis.h"
#include "framework/PropStyleCombox.h"
#include "support/OpenEditor.h"

using charttest::OpenChartPage;
using charttest::ShapedAxis;
using namespace chart;

namespace {

using tsltest::OpenEditor;
using tsltest::PickStyle;

template <class Object>
UINT PenStyle(Object& object) {
    QXLOGPEN pen;
    object.GetLogPen(&pen);
    return pen.style;
}

template <class Object>
void SetPenStyle(Object& object, UINT style) {
    QXLOGPEN pen;
    object.GetLogPen(&pen);
    pen.style = style;
    object.SetLogPen(&pen);
}

}  // namespace

// An axis maximum of 99.96 shown "100.0" while the editor was open on another axis: left as it
// shows, the maximum keeps its digits; typed "100", it is 100.
TEST(OpenEditor, AnAxisMaximumShownWhileTheEditorIsOpenKeepsItsDigits) {
    OpenChartPage<CPropListAxis> p;
    ShapedAxis first(0), second(0);
    for (ShapedAxis* axis : {&first, &second}) {
        axis->SetIsRangeAuto(false);
        axis->SetMin(0);
    }
    first.SetMax(50);
    second.SetMax(99.96);
    p.Show(&first);
    CBCGPProp* max = OpenEditor(p, kMaxId);
    p.Show(&second);
    ASSERT_EQ(max, p.page().GetPropList().GetEditedItem());
    EXPECT_EQ(p.Value(kMaxId), "100.0");
    const int repaints = p.Repaints();
    p.grid().PressKey(VK_RETURN);
    EXPECT_EQ(nullptr, p.page().GetPropList().GetEditedItem());
    EXPECT_DOUBLE_EQ(second.GetMax(), 99.96);
    EXPECT_DOUBLE_EQ(first.GetMax(), 50);
    EXPECT_EQ(repaints, p.Repaints());

    // The text the editor opened with ("50.0"), typed after the host showed "100.0": an edit.
    p.Show(&first);
    OpenEditor(p, kMaxId);
    p.Show(&second);
    ASSERT_TRUE(p.Type(kMaxId, "50.0"));
    EXPECT_DOUBLE_EQ(second.GetMax(), 50);
}

// The axis line's style picker and the line plot's: a pick is judged against the style drawn.
TEST(OpenEditor, StylePickersTakeEveryStyleButTheOneDrawn) {
    OpenChartPage<CPropListAxis> axes;
    ShapedAxis a(0), b(0);
    SetPenStyle(a, 2);
    SetPenStyle(b, 3);
    axes.Show(&a);
    ASSERT_TRUE(PickStyle(axes, CPropListAxis::kLineStyleId, 4));
    EXPECT_EQ(4u, PenStyle(a));
    axes.Show(&b);
    ASSERT_TRUE(PickStyle(axes, CPropListAxis::kLineStyleId, 4));  // the style the picker last took, on another axis
    EXPECT_EQ(4u, PenStyle(b));
    SetPenStyle(b, 3);
    axes.Show(&a);
    OpenEditor(axes, CPropListAxis::kLineStyleId);
    axes.Show(&b);
    const int repaints = axes.Repaints();
    ASSERT_TRUE(PickStyle(axes, CPropListAxis::kLineStyleId, 3));  // drawn when picked: no edit
    EXPECT_EQ(repaints, axes.Repaints());
    EXPECT_EQ(3u, PenStyle(b));

    OpenChartPage<CkelPropListLinePlotSet> lines;
    CkelLinePlot& line = lines.chart().line;
    SetPenStyle(line, 5);
    lines.Show(&line);
    EXPECT_EQ(5u, dynamic_cast<CPropStyleCombox*>(lines.Item(CkelPropListLinePlotSet::kLineStyleId))->GetVal());
    ASSERT_TRUE(PickStyle(lines, CkelPropListLinePlotSet::kLineStyleId, 1));  // the picker's first value
    EXPECT_EQ(1u, PenStyle(line));
}
