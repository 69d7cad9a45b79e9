// Well-plot pages whose editors are open while the host shows a kit again: a commit is judged
// against what the item shows when it is committed, so a value shown rounded keeps its digits.
#include <gtest/gtest.h>

#include <string>

#include "OilTestFixture.h"
#include "support/OpenEditor.h"
#include "wellplot/LstOther.h"

namespace {

using tsltest::OpenEditor;

void SetBorder(CWpKit* kit, UINT style, float width) {
    QXLOGPEN pen = kit->GetBorderPen();
    pen.style = style;
    pen.width = width;
    kit->SetBorderPen(pen);
}

}  // namespace

// A track's border width of 99.96 hundredths shows "1.00": shown while the editor was open on
// another track and left so, it stays 99.96.
TEST(OpenEditor, ABorderWidthShownWhileTheEditorIsOpenKeepsItsDigits) {
    wptest::OpenPage<CLstOther> page;
    CWpTrack* first = page.track(0);
    CWpTrack* second = page.track(1);
    SetBorder(first, 1, 50);
    SetBorder(second, 1, 99.96f);
    page.Show(first);
    CBCGPProp* width = OpenEditor(page, CLstOther::kLineWidthId);
    page.Show(second);
    ASSERT_EQ(width, page.list().GetPropList().GetEditedItem());
    EXPECT_EQ(page.Value(CLstOther::kLineWidthId), "1.00");
    const int redraws = page.Redraws();
    page.grid().PressKey(VK_RETURN);
    EXPECT_EQ(nullptr, page.list().GetPropList().GetEditedItem());
    EXPECT_FLOAT_EQ(second->GetBorderPen().width, 99.96f);
    EXPECT_FLOAT_EQ(first->GetBorderPen().width, 50);
    EXPECT_EQ(redraws, page.Redraws());
    EXPECT_TRUE(wptest::CallsOn(second).empty());

    // The border style picker: the style drawn is no edit, the one it was made with is.
    SetBorder(second, 5, 99.96f);
    zephyr::testing::Touch(second);
    page.Show(second);
    CBCGPProp* style = page.Item(CLstOther::kLineStyleId);
    ASSERT_TRUE(page.grid().PickDropDownEntry(style, "5"));
    EXPECT_TRUE(wptest::CallsOn(second).empty());
    ASSERT_TRUE(page.grid().PickDropDownEntry(style, "1"));
    EXPECT_EQ(second->GetBorderPen().style, 1u);
    EXPECT_FLOAT_EQ(second->GetBorderPen().width, 99.96f);
}

// A pie radius of 1234.5 hundredths shows "12.35": set while the editor was open and left as it
// shows, it stays 1234.5; the text the editor opened with, typed, is an edit.
TEST(OpenEditor, APieRadiusShownWhileTheEditorIsOpenKeepsItsDigits) {
    wptest::PiePage page;
    CWpOilTest* kit = page.kit();
    kit->m_dPieRadius = 300;
    page.Show(kit);
    CBCGPProp* radius = OpenEditor(page, CLstOilTestPie::kRadiusId);
    kit->m_dPieRadius = 1234.5;
    zephyr::testing::Touch(kit);
    page.Show(kit);
    ASSERT_EQ(radius, page.list().GetPropList().GetEditedItem());
    EXPECT_EQ(page.Value(CLstOilTestPie::kRadiusId), "12.35");
    page.grid().PressKey(VK_RETURN);
    EXPECT_DOUBLE_EQ(kit->m_dPieRadius, 1234.5);

    kit->m_dPieRadius = 300;
    zephyr::testing::Touch(kit);
    page.Show(kit);
    OpenEditor(page, CLstOilTestPie::kRadiusId);
    kit->m_dPieRadius = 600;
    zephyr::testing::Touch(kit);
    page.Show(kit);
    ASSERT_TRUE(page.Type(CLstOilTestPie::kRadiusId, "3.00"));
    EXPECT_DOUBLE_EQ(kit->m_dPieRadius, 300);
}
