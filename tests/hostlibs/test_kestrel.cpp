// The graph-tool library stand-in: style catalogues, drawing tools, pickers and geometry.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "hosttypes/Kestrel/GraphStyleManager.h"
#include "hosttypes/Kestrel/GraphTools.h"
#include "hosttypes/Kestrel/GraphUtility.h"
#include "hosttypes/Kestrel/KestrelTesting.h"
#include "hosttypes/Kestrel/StyleCombox.h"

namespace {

using kestrel::testing::DrawCalls;
using kestrel::testing::Tool;

constexpr DWORD kComboStyle =
    WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | CBS_NOINTEGRALHEIGHT;

int CountOps(const CDC& dc, const char* op) {
    int n = 0;
    for (const DcCall& c : dc.GetCalls()) n += c.op == op ? 1 : 0;
    return n;
}

// ---- catalogues -------------------------------------------------------------------------------

TEST(KestrelCatalogue, NamesReachTheRootOrASet) {
    CGraphStyleManager* root = AfxGetFillStyleManager("");
    ASSERT_NE(nullptr, root);
    EXPECT_EQ(root, AfxGetFillStyleManager(nullptr));
    EXPECT_EQ(root, _AfxGetFillStyleManager(kestrel::kAllStyles));
    EXPECT_EQ(root->GetName(), kestrel::kAllStyles);
    CGraphStyleManager* common = AfxGetFillStyleManager(kestrel::kFillSetCommon);
    ASSERT_NE(nullptr, common);
    EXPECT_EQ(common->GetName(), kestrel::kFillSetCommon);
    EXPECT_EQ(nullptr, AfxGetFillStyleManager("没有这个样式集"));
    EXPECT_EQ(AfxGetLineStyleManager(""), _AfxGetLineStyleManager(""));
    EXPECT_NE(AfxGetLineStyleManager(""), AfxGetPointStyleManager(""));
}

TEST(KestrelCatalogue, PositionsOutsideTheListAnswerNull) {
    CGraphStyleManager* root = AfxGetLineStyleManager("");
    const int n = root->GetStyleCount();
    ASSERT_GE(n, 2);
    EXPECT_EQ(nullptr, root->GetStyle(n));
    EXPECT_EQ(nullptr, root->GetStyle(-1));
    EXPECT_NE(nullptr, root->GetStyle(n - 1));
    EXPECT_EQ(nullptr, root->GetChildStyleManager(root->GetChildStyleManagerCount()));
    EXPECT_EQ(nullptr, root->GetChildStyleManager(-1));
}

TEST(KestrelCatalogue, EveryPickerGroupHasSeveralStyles) {
    for (const char* set : {kestrel::kLineSetCommon, kestrel::kLineSetCommonAlt, kestrel::kLineSetGeology})
        EXPECT_GE(AfxGetLineStyleManager(set)->GetStyleCount(), 3) << set;
    for (const char* set : {kestrel::kPointSetCommonStyle, kestrel::kPointSetCommon, kestrel::kPointSetWell,
                            kestrel::kPointSetSpecial, kestrel::kPointSetSymbol})
        EXPECT_GE(AfxGetPointStyleManager(set)->GetStyleCount(), 3) << set;
    CGraphStyleManager* fills = AfxGetFillStyleManager("");
    int nonEmpty = 0;
    for (int i = 0; i < fills->GetChildStyleManagerCount(); ++i)
        nonEmpty += fills->GetChildStyleManager(i)->GetStyleCount() > 0 ? 1 : 0;
    EXPECT_GE(nonEmpty, 3);
    // One set holds no style, as a user's empty set would.
    EXPECT_EQ(0, AfxGetFillStyleManager(kestrel::kFillSetCustom)->GetStyleCount());
}

TEST(KestrelCatalogue, WholeCollectionListsEachStyleOnceAndStartsWithNoFillThenSolid) {
    CGraphStyleManager* fills = AfxGetFillStyleManager("");
    EXPECT_EQ(kBrushStyleNone, fills->GetStyle(0)->GetID());
    EXPECT_EQ(kBrushStyleSolid, fills->GetStyle(1)->GetID());
    // Both spellings of the common line set share their styles; the collection lists them once.
    CGraphStyleManager* lines = AfxGetLineStyleManager("");
    for (int i = 0; i < lines->GetStyleCount(); ++i)
        for (int k = i + 1; k < lines->GetStyleCount(); ++k)
            EXPECT_NE(lines->GetStyle(i)->GetID(), lines->GetStyle(k)->GetID());
    EXPECT_EQ(lines->GetStyle(0), AfxGetLineStyleManager(kestrel::kLineSetCommonAlt)->GetStyle(0));
}

TEST(KestrelCatalogue, SetOfAStyleIsTheFirstSetHoldingIt) {
    CGraphStyleManager* fills = AfxGetFillStyleManager("");
    const UINT sandstone = AfxGetFillStyleManager(kestrel::kFillSetLithology)->GetStyle(0)->GetID();
    ASSERT_NE(nullptr, fills->GetChildStyleManagerByID(sandstone));
    EXPECT_EQ(fills->GetChildStyleManagerByID(sandstone)->GetName(), kestrel::kFillSetLithology);
    EXPECT_EQ(nullptr, fills->GetChildStyleManagerByID(0));
    EXPECT_EQ(AfxGetLineStyleManager("")->GetChildStyleManagerByID(1)->GetName(), kestrel::kLineSetCommon);
}

TEST(KestrelCatalogue, BuildingAndClearingKeepTheCollectionWhole) {
    kestrel::testing::ClearCatalogues();
    CGraphStyleManager* root = AfxGetFillStyleManager("");
    EXPECT_EQ(0, root->GetStyleCount());
    EXPECT_EQ(nullptr, root->GetStyle(1));
    CGraphStyleManager* set = root->AddChildStyleManager("甲");
    set->AddStyle(7, "七", kestrel::kFillGrid);
    set->AddStyle(7, "重复", kestrel::kFillSolid);
    root->AddChildStyleManager("乙")->AddStyle(7, "七", kestrel::kFillGrid);
    EXPECT_EQ(1, set->GetStyleCount());
    ASSERT_EQ(1, root->GetStyleCount());  // one collection style, listed by two sets
    EXPECT_EQ(CString("七"), root->GetStyle(0)->GetName());
    set->RemoveAll();
    EXPECT_EQ(0, set->GetStyleCount());
    EXPECT_EQ(1, root->GetStyleCount());

    kestrel::testing::Reset();
    EXPECT_EQ(kBrushStyleSolid, AfxGetFillStyleManager("")->GetStyle(1)->GetID());
}

// ---- drawing tools -------------------------------------------------------------------------------

class KestrelToolTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        dc.SetMapMode(MM_HIMETRIC);
        dc.ClearCalls();
        livePens = platform::LiveGdiObjectCount();
        pen0 = dc.GetCurrentPen()->GetSafeHandle();
    }
    void TearDown() override {
        // Tools put back what they selected and free what they made.
        EXPECT_EQ(pen0, dc.GetCurrentPen()->GetSafeHandle());
        EXPECT_EQ(livePens, platform::LiveGdiObjectCount());
    }
    CDC dc;
    std::size_t livePens = 0;
    HGDIOBJ pen0 = nullptr;
};

TEST_F(KestrelToolTest, LineToolRecordsTheCallAndDrawsThePen) {
    QXLOGPEN pen;
    pen.style = 2;  // dashed in the stock catalogue
    pen.color = RGB(10, 20, 30);
    pen.width = 150.0f;
    {
        CUseDefaultEngineHelper engine;
        EXPECT_EQ(1, kestrel::testing::DefaultEngineDepth());
        EXPECT_TRUE(AfxGetLineTool()->DrawLine(&dc, pen, CPoint(5, -100), CPoint(995, -100), 2.0));
    }
    EXPECT_EQ(0, kestrel::testing::DefaultEngineDepth());
    ASSERT_EQ(1u, DrawCalls().size());
    const auto& call = DrawCalls()[0];
    EXPECT_EQ(Tool::Line, call.tool);
    EXPECT_EQ(dc.GetSafeHdc(), call.dc);
    EXPECT_EQ(1, call.pen == pen);
    EXPECT_EQ(CPoint(5, -100), call.from);
    EXPECT_EQ(2.0, call.scale);
    EXPECT_EQ(MM_HIMETRIC, call.mapMode);
    EXPECT_TRUE(call.defaultEngine);

    ASSERT_EQ(1, CountOps(dc, "LineTo"));
    for (const DcCall& c : dc.GetCalls()) {
        if (c.op != "LineTo") continue;
        EXPECT_EQ(pen.color, c.colour);
        EXPECT_EQ(CPoint(995, -100), c.point);
    }
}

TEST_F(KestrelToolTest, ToolsWithoutADeviceContextDrawNothing) {
    EXPECT_FALSE(AfxGetLineTool()->DrawLine(nullptr, QXLOGPEN(), CPoint(), CPoint(1, 1), 1.0));
    EXPECT_FALSE(AfxGetFillTool()->DrawFill(nullptr, QXLOGBRUSH(), CRect(0, 0, 9, 9), 1.0));
    EXPECT_FALSE(AfxGetPointTool()->DrawPoint(nullptr, QXLOGPOINT(), CPoint(), 1.0));
    CDC empty;
    EXPECT_FALSE(AfxGetFillTool()->DrawFill(&empty, QXLOGBRUSH(), CRect(0, 0, 9, 9), 1.0));
    EXPECT_TRUE(DrawCalls().empty());
}

TEST_F(KestrelToolTest, FillToolHonoursStyleAndBackground) {
    const CRect cell(0, 0, 2000, -500);  // a converted cell: top above bottom
    QXLOGBRUSH brush;
    brush.style = kBrushStyleNone;
    brush.fillColor = RGB(1, 1, 1);
    brush.backMode = kBackModeOpaque;
    AfxGetFillTool()->DrawFill(&dc, brush, cell, 1.0);
    EXPECT_TRUE(dc.GetCalls().empty());  // no fill: recorded, nothing drawn
    EXPECT_EQ(1u, DrawCalls().size());

    brush.style = 0;  // not in the catalogue (a default brush): a plain swatch
    AfxGetFillTool()->DrawFill(&dc, brush, cell, 1.0);
    ASSERT_EQ(1u, dc.GetCalls().size());
    EXPECT_EQ("FillSolidRect", dc.GetCalls()[0].op);
    EXPECT_EQ(brush.fillColor, dc.GetCalls()[0].colour);

    dc.ClearCalls();
    brush.style = 1002;  // horizontal strokes
    brush.lineColor = RGB(9, 9, 9);
    brush.size = 200.0f;
    brush.backMode = kBackModeTransparent;
    AfxGetFillTool()->DrawFill(&dc, brush, cell, 1.0);
    EXPECT_EQ(0, CountOps(dc, "FillSolidRect"));
    EXPECT_EQ(2, CountOps(dc, "LineTo"));  // 100 and 300 above the bottom
    for (const DcCall& c : dc.GetCalls()) {
        if (c.op == "LineTo") {
            EXPECT_EQ(brush.lineColor, c.colour);
            EXPECT_LE(c.point.y, 0);
            EXPECT_GE(c.point.y, -500);
        }
    }

    dc.ClearCalls();
    brush.backMode = kBackModeOpaque;
    AfxGetFillTool()->DrawFill(&dc, brush, cell, 1.0);
    ASSERT_FALSE(dc.GetCalls().empty());
    EXPECT_EQ("FillSolidRect", dc.GetCalls()[0].op);  // background first, strokes over it
}

TEST_F(KestrelToolTest, FillPatternsStayInsideAndBounded) {
    const CRect big(-50000, 50000, 50000, -50000);
    QXLOGBRUSH brush;
    brush.style = 1004;  // grid
    brush.size = 0.001f;
    brush.backMode = kBackModeTransparent;
    AfxGetFillTool()->DrawFill(&dc, brush, big, 1.0);
    EXPECT_LE(CountOps(dc, "LineTo"), 2 * 200);

    dc.ClearCalls();
    brush.style = 1005;  // diagonal strokes, clipped to the cell
    brush.size = std::numeric_limits<float>::quiet_NaN();
    const CRect cell(100, -100, 1100, -700);
    AfxGetFillTool()->DrawFill(&dc, brush, cell, 1.0);
    EXPECT_GT(CountOps(dc, "LineTo"), 0);
    for (const DcCall& c : dc.GetCalls()) {
        if (c.op != "MoveTo" && c.op != "LineTo") continue;
        EXPECT_GE(c.point.x, 100);
        EXPECT_LE(c.point.x, 1100);
        EXPECT_LE(c.point.y, -100);
        EXPECT_GE(c.point.y, -700);
    }
}

TEST_F(KestrelToolTest, PointToolDrawsTheSymbolAroundTheCentre) {
    QXLOGPOINT point;
    point.style = 1;  // square
    point.innerColor = RGB(192, 192, 192);
    point.borderColor = RGB(0, 0, 255);
    point.size = 380.0f;
    AfxGetPointTool()->DrawPoint(&dc, point, CPoint(1000, -300), 1.0);
    ASSERT_EQ(1, CountOps(dc, "Rectangle"));
    for (const DcCall& c : dc.GetCalls()) {
        if (c.op != "Rectangle") continue;
        EXPECT_EQ(CRect(810, -490, 1190, -110), c.rect);
        EXPECT_EQ(point.borderColor, c.colour);
        EXPECT_EQ(point.innerColor, c.colour2);
    }

    dc.ClearCalls();
    point.size = 0;
    AfxGetPointTool()->DrawPoint(&dc, point, CPoint(), 1.0);
    point.size = -5;
    AfxGetPointTool()->DrawPoint(&dc, point, CPoint(), 1.0);
    EXPECT_TRUE(dc.GetCalls().empty());
    EXPECT_EQ(3u, DrawCalls().size());
}

// ---- pickers -------------------------------------------------------------------------------------

class KestrelPickerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(parent.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 300, 300), nullptr, 0));
    }
    CWnd parent;
};

std::string Texts(const CComboBox& box) {
    std::string out;
    for (int i = 0; i < box.GetCount(); ++i) {
        if (i) out += ",";
        out += box.GetLBText(i).GetString();
    }
    return out;
}

TEST_F(KestrelPickerTest, LinePickerShowsOnlyTheGroupAndSelectsTheInitialStyle) {
    CLineStyleCombox box;
    ASSERT_TRUE(box.Create(kComboStyle, CRect(0, 0, 100, 220), &parent, 3));
    UINT picked = 3;
    box.Initialize(&picked);
    EXPECT_EQ(AfxGetLineStyleManager("")->GetStyleCount(), box.GetCount());
    box.SetStyleGroup(kestrel::kLineSetCommon, TRUE);
    EXPECT_EQ("1,2,3,4,5", Texts(box));
    ASSERT_EQ(2, box.GetCurSel());
    EXPECT_EQ(3u, box.GetItemData(2));
    EXPECT_EQ("3", std::string(box.GetWindowTextString().GetString()));

    // A style outside the group leaves nothing selected.
    picked = 11;
    box.SetStyleGroup(kestrel::kLineSetCommonAlt, FALSE);
    EXPECT_EQ(CB_ERR, box.GetCurSel());
    EXPECT_EQ(FALSE, box.GetStyleGroupFlag());
    // The whole collection under its name, or the empty name.
    box.SetStyleGroup(kestrel::kAllStyles, TRUE);
    EXPECT_EQ(AfxGetLineStyleManager("")->GetStyleCount(), box.GetCount());
    EXPECT_NE(CB_ERR, box.GetCurSel());
}

TEST_F(KestrelPickerTest, PointPickerAddsFurtherGroupsWithoutRepeats) {
    CPointStyleCombox box;
    ASSERT_TRUE(box.Create(kComboStyle, CRect(0, 0, 100, 220), &parent, 3));
    UINT picked = 1002;
    box.Initialize(&picked);
    box.SetStyleGroup(kestrel::kPointSetCommon, TRUE);
    EXPECT_EQ(CB_ERR, box.GetCurSel());
    const int common = box.GetCount();
    box.AddStyleGroup(kestrel::kPointSetWell, TRUE);
    EXPECT_EQ(common + AfxGetPointStyleManager(kestrel::kPointSetWell)->GetStyleCount(), box.GetCount());
    ASSERT_NE(CB_ERR, box.GetCurSel());
    EXPECT_EQ("1002", std::string(box.GetLBText(box.GetCurSel()).GetString()));
    box.AddStyleGroup(kestrel::kPointSetCommonStyle, TRUE);  // overlaps the common points
    EXPECT_EQ(common + 5 + 2, box.GetCount());
    int ones = 0;
    for (int i = 0; i < box.GetCount(); ++i) ones += box.GetLBText(i) == "1" ? 1 : 0;
    EXPECT_EQ(1, ones);
}

TEST_F(KestrelPickerTest, PickedEntryTextIsTheStyleNumber) {
    CFillStyleCombox box;
    ASSERT_TRUE(box.Create(kComboStyle, CRect(0, 0, 100, 220), &parent, 3));
    UINT picked = 0;
    box.Initialize(&picked);
    box.SetStyleGroup(kestrel::kFillSetLithology, TRUE);
    ASSERT_GT(box.GetCount(), 1);
    ASSERT_TRUE(box.SelectAsUser(1));
    const CString text = box.GetLBText(box.GetCurSel());
    EXPECT_EQ(box.GetItemData(1), static_cast<DWORD_PTR>(std::stoul(text.GetString())));
    EXPECT_EQ(0u, picked);  // the pointer only gives the initial choice
}

TEST_F(KestrelPickerTest, EntriesDrawTheirSampleInsideTheDefaultEngine) {
    CFillStyleCombox box;
    ASSERT_TRUE(box.Create(kComboStyle, CRect(0, 0, 100, 220), &parent, 3));
    EXPECT_EQ(24, box.GetItemHeight());
    box.Initialize(nullptr);
    box.SetStyleGroup(kestrel::kFillSetCommon, TRUE);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    box.DrawEntry(1, ODA_DRAWENTIRE | ODA_FOCUS, ODS_SELECTED, dc.GetSafeHdc(), CRect(0, 24, 100, 48));
    ASSERT_EQ(1u, DrawCalls().size());
    EXPECT_EQ(Tool::Fill, DrawCalls()[0].tool);
    EXPECT_EQ(box.GetItemData(1), DrawCalls()[0].brush.style);
    EXPECT_EQ(MM_HIMETRIC, DrawCalls()[0].mapMode);
    EXPECT_TRUE(DrawCalls()[0].defaultEngine);
    EXPECT_EQ(MM_TEXT, dc.GetMapMode());  // the DC is given back as it was
    EXPECT_EQ("FillSolidRect", dc.GetCalls().front().op);
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), dc.GetCalls().front().colour);
    EXPECT_EQ("DrawFocusRect", dc.GetCalls().back().op);

    // A position past the list draws no entry.
    box.DrawEntry(box.GetCount(), ODA_DRAWENTIRE, 0, dc.GetSafeHdc(), CRect(0, 0, 100, 24));
    EXPECT_EQ(1u, DrawCalls().size());
}

TEST_F(KestrelPickerTest, FontBoxListsFacesAndSelectsTheGivenOne) {
    CFontNameBox box;
    ASSERT_TRUE(box.Create(kComboStyle, CRect(0, 0, 100, 220), &parent, 3));
    CString face = "黑体";
    box.Initialize(&face);
    EXPECT_EQ(kestrel::kFontFaceCount, box.GetCount());
    ASSERT_NE(CB_ERR, box.GetCurSel());
    EXPECT_EQ(face, box.GetLBText(box.GetCurSel()));
    box.SetDisplayUseRealFont(FALSE);
    EXPECT_EQ(0, box.GetDisplayUseRealFont());

    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    const std::size_t live = platform::LiveGdiObjectCount();
    box.DrawEntry(box.GetCurSel(), ODA_DRAWENTIRE, 0, dc.GetSafeHdc(), CRect(0, 0, 100, 20));
    box.SetDisplayUseRealFont(TRUE);
    box.DrawEntry(box.GetCurSel(), ODA_DRAWENTIRE, 0, dc.GetSafeHdc(), CRect(0, 0, 100, 20));
    EXPECT_EQ(live, platform::LiveGdiObjectCount());
    int texts = 0;
    for (const DcCall& c : dc.GetCalls()) {
        if (c.op != "DrawText") continue;
        ++texts;
        EXPECT_EQ(face, c.text);
    }
    EXPECT_EQ(2, texts);

    CString unknown = "没有的字体";
    box.Initialize(&unknown);
    EXPECT_EQ(CB_ERR, box.GetCurSel());
}

// ---- geometry ----------------------------------------------------------------------------------

TEST(KestrelGeometry, DistanceAndTurn) {
    FLOATPOINT o(0, 0), p(3, 4), q(-4, 3), x(1, 0);
    EXPECT_DOUBLE_EQ(5.0, CGraphUtility::TwoPointDistance(o, p));
    // From a point on the centre: the direction of centre -> to, from +x.
    EXPECT_DOUBLE_EQ(std::atan2(4.0, 3.0), CGraphUtility::rotateangle(o, o, p));
    // Growing the line (0,0)-(3,4) to length 10 along that direction reaches (6,8).
    const double t = CGraphUtility::rotateangle(o, o, p);
    EXPECT_NEAR(6.0, p.x + (10 - 5) * std::cos(t), 1e-12);
    EXPECT_NEAR(8.0, p.y + (10 - 5) * std::sin(t), 1e-12);
    // Anticlockwise from one ray to the other, folded into (-pi, pi].
    EXPECT_NEAR(std::acos(-1.0) / 2, CGraphUtility::rotateangle(o, p, q), 1e-12);
    EXPECT_NEAR(-std::acos(-1.0) / 2, CGraphUtility::rotateangle(o, q, p), 1e-12);
    FLOATPOINT back(-1, 0);
    EXPECT_NEAR(std::acos(-1.0), CGraphUtility::rotateangle(o, x, back), 1e-12);
    EXPECT_EQ(0.0, CGraphUtility::rotateangle(p, x, p));
}

}  // namespace
