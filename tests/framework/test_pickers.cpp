#include <functional>

#include "FrameworkFixtures.h"
#include "bcg/PropList.h"
#include "driver/GridDriver.h"
#include "framework/BmpComboBox.h"
#include "framework/BmpPropLst.h"
#include "framework/FillColorCombox.h"
#include "framework/ItemGroupsFill.h"
#include "framework/ModuleEntry.h"
#include "framework/PropStyleCombox.h"
#include "hosttypes/Kestrel/KestrelTesting.h"
#include "hosttypes/Kestrel/StyleCombox.h"
#include "mfc/Dc.h"
#include "support/ReportFromCode.h"

using tsltest::HostWindow;

namespace {

// A list whose grid holds the items a test gives it and that records the edits reported.
class PickerList : public CWndLst {
public:
    std::function<void(CBCGPPropList&)> fill;
    std::vector<CBCGPProp*> edited;

protected:
    int InitPropWnd() override {
        if (CWndLst::InitPropWnd() == -1) return -1;
        if (fill) fill(m_wndPropList);
        return 0;
    }
    void UpdateBCGPProperty(long, CString) override {}
    LRESULT OnPropertyChanged(WPARAM, LPARAM lParam) override {
        edited.push_back(reinterpret_cast<CBCGPProp*>(lParam));
        return 0;
    }
};

struct PickerFixture : ::testing::Test {
    HostWindow host;
    PickerList list;

    // The grid holding item alone.
    CBCGPPropList& Open(CBCGPProp* item) {
        list.fill = [item](CBCGPPropList& g) { g.AddProperty(item); };
        EXPECT_TRUE(list.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 400), &host.frame, 2));
        return list.GetPropList();
    }
};

// A memory DC as the drawing target: what is drawn is read from its recording.
struct Target {
    CDC dc;
    Target() { dc.CreateCompatibleDC(nullptr); }
    std::vector<DcCall> Calls(const char* op) const {
        std::vector<DcCall> out;
        for (const DcCall& c : dc.GetCalls())
            if (c.op == op) out.push_back(c);
        return out;
    }
};

// ---- style pickers ----------------------------------------------------------------------------

using StylePicker = PickerFixture;

TEST_F(StylePicker, PickArrivesAsTheEntrysStyleNumber) {
    CPropStyleCombox* line = new CPropStyleCombox("线型", 1, CPropStyleCombox::kLineStyle, "地质线", "", 7001);
    CBCGPPropList& grid = Open(line);
    platform::GridDriver driver(&grid);
    // The geology set lists 11, 12, 13, 14: the third entry is style 13.
    ASSERT_TRUE(driver.PickDropDownEntry(line, 2));
    EXPECT_EQ(line->GetVal(), 13u);
    EXPECT_EQ(line->GetValue().vt, VT_I4);
    EXPECT_EQ(line->GetValue().lVal, 13);
    ASSERT_EQ(list.edited.size(), 1u);
    EXPECT_EQ(list.edited[0], line);
    // Only the drop-down was seen: the editor under it stayed hidden while editing.
    EXPECT_FALSE(grid.GetEditedItem());
}

// The picked value is the style drawn: code showing a style (SetVal) and the user's pick change the
// same value, so a pick of the style drawn is no edit and a pick of any other style is one,
// whatever the item was made with or picked before (style 4 picked on one object, another of
// style 3 shown, 4 picked again: the second object becomes 4).
TEST_F(StylePicker, APickIsJudgedAgainstTheStyleDrawn) {
    CPropStyleCombox* line = new CPropStyleCombox("线型", 11, CPropStyleCombox::kLineStyle, "地质线", "", 7001);
    CBCGPPropList& grid = Open(line);
    platform::GridDriver driver(&grid);
    UINT shown = 12;
    line->SetVal(shown);  // a refresh shows a line of style 12
    EXPECT_EQ(line->GetShownText(), CString("12"));
    ASSERT_TRUE(driver.PickDropDownEntry(line, 0));  // 11: the value the item was made with
    ASSERT_EQ(list.edited.size(), 1u);
    EXPECT_EQ(line->GetVal(), 11u);

    ASSERT_TRUE(driver.PickDropDownEntry(line, 3));  // 14 picked on the first object
    ASSERT_EQ(list.edited.size(), 2u);
    shown = 13;
    line->SetVal(shown);  // the next object, of style 13
    ASSERT_TRUE(driver.PickDropDownEntry(line, 3));  // 14 again: an edit
    ASSERT_EQ(list.edited.size(), 3u);
    EXPECT_EQ(line->GetVal(), 14u);
    EXPECT_EQ(line->GetValue().lVal, 14);
    ASSERT_TRUE(driver.PickDropDownEntry(line, 3));  // the style drawn: no edit
    EXPECT_EQ(list.edited.size(), 3u);

    // Shown by code while the drop-down is open: the pick is judged against that style.
    ASSERT_TRUE(driver.OpenEditor(line));
    shown = 12;
    line->SetVal(shown);
    ASSERT_TRUE(driver.PickDropDownEntry(line, 1));
    EXPECT_EQ(list.edited.size(), 3u);
    ASSERT_TRUE(driver.OpenEditor(line));
    shown = 11;
    line->SetVal(shown);
    ASSERT_TRUE(driver.PickDropDownEntry(line, 1));
    EXPECT_EQ(list.edited.size(), 4u);
    EXPECT_EQ(line->GetVal(), 12u);

    // A text reported from code changes the variant only: the style drawn stays, and a pick is
    // judged against it; a pick of another style is an edit even when its number is the variant's.
    line->SetValue(_variant_t("13"));
    EXPECT_EQ(line->GetVal(), 12u);
    EXPECT_EQ(line->GetShownText(), CString("12"));
    ASSERT_TRUE(driver.PickDropDownEntry(line, 1));
    EXPECT_EQ(list.edited.size(), 4u);
    ASSERT_TRUE(driver.PickDropDownEntry(line, 2));
    EXPECT_EQ(list.edited.size(), 5u);
    EXPECT_EQ(line->GetVal(), 13u);
    EXPECT_EQ(CString(VariantToText(line->GetValue())), CString("13"));

    // A pick a list refuses and puts back draws the style from before again.
    ASSERT_TRUE(driver.PickDropDownEntry(line, 0));
    EXPECT_EQ(line->GetVal(), 11u);
    line->PutBackValueBefore();
    EXPECT_EQ(line->GetVal(), 13u);
    EXPECT_EQ(line->GetShownText(), CString("13"));
}

// The face picker keeps its face name beside the face it shows (its text value, which refreshes
// write): the drop-down opens on the face name and writes its choice into it; a pick is judged
// against the face shown, and one taken sets both.
TEST_F(StylePicker, FacePickerKeepsItsFaceNameBesideTheFaceShown) {
    CPropStyleCombox* face = new CPropStyleCombox("字体", CString("宋体"), "", 7002);
    CBCGPPropList& grid = Open(face);
    platform::GridDriver driver(&grid);
    face->SetValue(_variant_t(kestrel::kFontFaces[1]));  // a refresh shows another face
    EXPECT_EQ(face->GetFaceName(), CString("宋体"));
    EXPECT_EQ(face->GetShownText(), CString(kestrel::kFontFaces[1]));
    ASSERT_TRUE(driver.OpenEditor(face));
    EXPECT_EQ(face->GetComboWnd()->GetCurSel(), 0);  // the drop-down opens on the face name
    ASSERT_TRUE(driver.PickDropDownEntry(face, 1));  // the face shown: no edit
    EXPECT_TRUE(list.edited.empty());
    EXPECT_EQ(face->GetFaceName(), CString("宋体"));
    ASSERT_TRUE(driver.PickDropDownEntry(face, 2));
    ASSERT_EQ(list.edited.size(), 1u);
    EXPECT_EQ(face->GetFaceName(), CString(kestrel::kFontFaces[2]));
    EXPECT_EQ(CString(VariantToText(face->GetValue())), CString(kestrel::kFontFaces[2]));
    // A pick the list refuses and puts back: both come back.
    face->PutBackValueBefore();
    EXPECT_EQ(face->GetFaceName(), CString("宋体"));
    EXPECT_EQ(face->GetShownText(), CString(kestrel::kFontFaces[1]));
    // A face typed after a pick the list took, then refused: only the typed text goes back, the
    // face name stays the one picked.
    ASSERT_TRUE(driver.PickDropDownEntry(face, 2));
    face->AllowEdit(TRUE);
    ASSERT_TRUE(driver.TypeText(face, "Arial"));
    ASSERT_EQ(list.edited.size(), 3u);
    face->PutBackValueBefore();
    EXPECT_EQ(face->GetShownText(), CString(kestrel::kFontFaces[2]));
    EXPECT_EQ(face->GetFaceName(), CString(kestrel::kFontFaces[2]));
}

TEST_F(StylePicker, FontPickerTakesTheFaceText) {
    CPropStyleCombox* face = new CPropStyleCombox("字体", CString("宋体"), "", 7002);
    CBCGPPropList& grid = Open(face);
    platform::GridDriver driver(&grid);
    ASSERT_TRUE(driver.PickDropDownEntry(face, 1));
    EXPECT_EQ(CString(VariantToText(face->GetValue())), CString(kestrel::kFontFaces[1]));
    EXPECT_EQ(face->GetKind(), CPropStyleCombox::kFontFace);
}

TEST_F(StylePicker, DropDownsFollowKindAndGroups) {
    CPropStyleCombox point("点", 1, CPropStyleCombox::kPointStyle, "常用点风格", "", 1);
    point.AddStyleGroup("井符号", true);
    std::unique_ptr<CComboBox> combo(point.CreateCombo(&host.frame, CRect(0, 0, 100, 20)));
    ASSERT_TRUE(combo);
    EXPECT_TRUE(combo->IsKindOf(RUNTIME_CLASS(CPointStyleCombox)));
    EXPECT_EQ(combo->GetCount(), 6 + 5);  // both groups
    EXPECT_EQ(combo->GetLBText(6), CString("1001"));
    EXPECT_EQ(combo->GetCurSel(), CB_ERR);  // nothing picked yet: 0 is no style of the groups
    CRect r;
    combo->GetWindowRect(r);
    EXPECT_EQ(r.Height(), 220);
    EXPECT_EQ(combo->GetDlgCtrlID(), 3);

    CPropStyleCombox line("线", 1, CPropStyleCombox::kLineStyle, "常用线形", "", 2);
    line.AddStyleGroup("地质线", true);  // further groups are not used by line pickers
    std::unique_ptr<CComboBox> lines(line.CreateCombo(&host.frame, CRect(0, 0, 100, 20)));
    ASSERT_TRUE(lines);
    EXPECT_TRUE(lines->IsKindOf(RUNTIME_CLASS(CLineStyleCombox)));
    EXPECT_EQ(lines->GetCount(), 5);

    // The drop-down opens on the picked value, not on the variant.
    CPropStyleCombox fill("填充", 1102, CPropStyleCombox::kFillStyle, "岩性填充", "", 4);
    std::unique_ptr<CComboBox> fills(fill.CreateCombo(&host.frame, CRect(0, 0, 100, 20)));
    ASSERT_TRUE(fills);
    EXPECT_EQ(fills->GetCurSel(), CB_ERR);
    fills.reset();
    UINT picked = 1103;
    fill.SetVal(picked);
    fills.reset(fill.CreateCombo(&host.frame, CRect(0, 0, 100, 20)));
    ASSERT_TRUE(fills);
    ASSERT_NE(fills->GetCurSel(), CB_ERR);
    EXPECT_EQ(fills->GetLBText(fills->GetCurSel()), CString("1103"));

    CPropStyleCombox colours("色", 0, CPropStyleCombox::kFillColor, nullptr, "", 3);
    colours.GetColorList() = {0x0000FF, 0x00FF00};
    std::unique_ptr<CComboBox> swatches(colours.CreateCombo(&host.frame, CRect(0, 0, 100, 20)));
    ASSERT_TRUE(swatches);
    ASSERT_TRUE(swatches->IsKindOf(RUNTIME_CLASS(CFillColorCombox)));
    ASSERT_EQ(swatches->GetCount(), 2);
    EXPECT_EQ(swatches->GetLBText(1), CString("65280"));
    EXPECT_EQ(swatches->GetItemData(1), 0x00FF00u);
}

TEST_F(StylePicker, NoParentNoDropDown) {
    CPropStyleCombox line("线", 1, CPropStyleCombox::kLineStyle, "", "", 2);
    CWnd orphan;  // never created: a child cannot be made under it
    EXPECT_EQ(line.CreateCombo(&orphan, CRect(0, 0, 10, 10)), nullptr);
}

TEST_F(StylePicker, KindIsClampedAndThePickedValueStartsApartFromTheVariant) {
    CPropStyleCombox high("a", 5, 9, "x", "", 1);
    CPropStyleCombox low("b", 5, -3, nullptr, "", 1);
    EXPECT_EQ(high.GetKind(), CPropStyleCombox::kFillColor);
    EXPECT_EQ(low.GetKind(), CPropStyleCombox::kPointStyle);
    // The picked value starts at 0, apart from the variant the item is made with.
    EXPECT_EQ(high.GetVal(), 0u);
    EXPECT_EQ(high.GetShownText(), CString("0"));
    EXPECT_EQ(high.GetValue().lVal, 5);
    ASSERT_EQ(low.GetStyleGroups().size(), 1u);
    EXPECT_EQ(low.GetStyleGroups()[0].second, CString(""));
    EXPECT_TRUE(high.IsValueList());
    EXPECT_FALSE(high.IsAllowEdit());
    // SetVal stores the style drawn and leaves the variant.
    CPropStyleCombox fill("填充", 1102, CPropStyleCombox::kFillStyle, "岩性填充", "", 4);
    UINT picked = 1103;
    fill.SetVal(picked);
    EXPECT_EQ(fill.GetVal(), 1103u);
    EXPECT_EQ(fill.GetShownText(), CString("1103"));
    EXPECT_EQ(fill.GetValue().vt, VT_I4);
    EXPECT_EQ(fill.GetValue().lVal, 1102);
}

// A text reported from code into a picker (a 1,582-digit number among them) changes the variant
// only: the list reads GetVal, the style drawn, and writes that.
TEST_F(StylePicker, AReportFromCodeLeavesTheStyleDrawnForTheList) {
    constexpr DWORD_PTR kPointGroupId = 7300;  // style +1
    CBCGPProp* group = CreatePointProp("点", kPointGroupId);
    CBCGPPropList& grid = Open(group);
    QXLOGPOINT stored;
    stored.style = 3;
    SetPointProp(group, stored);
    auto* style = static_cast<CPropStyleCombox*>(group->GetSubItem(0));
    for (const std::string& text : {std::string(1582, '7'), std::string("5"), std::string("abc")}) {
        list.edited.clear();
        tsltest::ReportFromCode(grid, style, _variant_t(text.c_str()));
        ASSERT_EQ(list.edited.size(), 1u);
        QXLOGPOINT read = stored;
        GetPointSubProp(list.edited[0], read, 0);
        EXPECT_EQ(read.style, 3u) << text.size();
        EXPECT_EQ(style->GetShownText(), CString("3"));
    }
}

TEST_F(StylePicker, SetValRedrawsOnlyOnAChange) {
    CPropStyleCombox* line = new CPropStyleCombox("线型", 1, CPropStyleCombox::kLineStyle, "", "", 7001);
    CBCGPPropList& grid = Open(line);
    UINT value = 4;
    line->SetVal(value);
    grid.ResetPaintCounters();
    line->SetVal(value);
    EXPECT_EQ(grid.GetPaintCounters().invalidate, 0);
    UINT other = 5;
    line->SetVal(other);
    EXPECT_EQ(line->GetVal(), 5u);
    EXPECT_GT(grid.GetPaintCounters().invalidate, 0);
}

TEST_F(StylePicker, CellSamplesAreDrawnInHimetricAndTheDcIsRestored) {
    kestrel::testing::ClearDrawCalls();
    Target t;
    CPropStyleCombox line("线", 1, CPropStyleCombox::kLineStyle, "", "", 1);
    UINT style = 3;
    line.SetVal(style);
    line.OnDrawValue(&t.dc, CRect(96, 0, 192, 24));
    const auto& calls = kestrel::testing::DrawCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].tool, kestrel::testing::Tool::Line);
    EXPECT_EQ(calls[0].mapMode, MM_HIMETRIC);
    EXPECT_TRUE(calls[0].defaultEngine);
    EXPECT_EQ(calls[0].pen.style, 3u);
    EXPECT_EQ(calls[0].pen.reserved1, 0xC0C0C0u);
    EXPECT_EQ(calls[0].pen.width, 150.0f);
    // 96 px is 2540 hundredths of a millimetre; the stroke runs 5 units inside the cell.
    EXPECT_EQ(calls[0].from, CPoint(2540 + 5, -317));
    EXPECT_EQ(calls[0].to, CPoint(5080 - 5, -317));
    EXPECT_EQ(t.dc.GetMapMode(), MM_TEXT);

    kestrel::testing::ClearDrawCalls();
    CPropStyleCombox colour("色", 0, CPropStyleCombox::kFillColor, nullptr, "", 1);
    UINT red = 0x0000FF;
    colour.SetVal(red);
    colour.OnDrawValue(&t.dc, CRect(10, 0, 50, 20));
    ASSERT_EQ(kestrel::testing::DrawCalls().size(), 1u);
    const auto& fill = kestrel::testing::DrawCalls()[0];
    EXPECT_EQ(fill.mapMode, MM_TEXT);  // the colour swatch keeps the cell's pixels
    EXPECT_EQ(fill.rect, CRect(10, 0, 50, 20));
    EXPECT_EQ(fill.brush.fillColor, 0x0000FFu);
    EXPECT_EQ(fill.brush.lineColor, 0x0000FFu);
    EXPECT_EQ(fill.brush.backMode, 100u);
}

// ---- fill colour drop-down ------------------------------------------------------------------------

TEST(FillColorCombox, ListsColoursAndRecordsThePick) {
    HostWindow host;
    CFillColorCombox box;
    EXPECT_EQ(box.GetSelectedValue(), 0x99A8ACu);
    ASSERT_TRUE(box.Create(WS_CHILD | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, CRect(0, 0, 80, 200),
                           &host.frame, 3));
    box.AddItem(0x112233);
    box.AddItem(0x445566);
    box.FillList();
    box.Initialize();  // the same listing again: nothing doubles
    ASSERT_EQ(box.GetCount(), 2);
    EXPECT_EQ(box.GetLBText(0), CString("1122867"));
    MEASUREITEMSTRUCT mis{};
    box.MeasureItem(&mis);
    EXPECT_EQ(mis.itemHeight, 30u);

    box.ShowDropDown(TRUE);
    ASSERT_TRUE(box.SelectAsUser(1));
    EXPECT_EQ(box.GetSelectedValue(), 0x445566u);
}

TEST(FillColorCombox, DrawsSwatchesOnlyForListedEntries) {
    HostWindow host;
    CFillColorCombox box;
    ASSERT_TRUE(box.Create(WS_CHILD | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED, CRect(0, 0, 80, 200), &host.frame, 3));
    box.AddItem(0x123456);
    box.FillList();
    Target t;
    kestrel::testing::ClearDrawCalls();
    box.DrawEntry(1, ODA_DRAWENTIRE, 0, t.dc, CRect(0, 0, 80, 30));
    EXPECT_TRUE(kestrel::testing::DrawCalls().empty());
    EXPECT_TRUE(t.dc.GetCalls().empty());

    box.DrawEntry(0, ODA_DRAWENTIRE | ODA_FOCUS, ODS_COMBOBOXEDIT, t.dc, CRect(0, 0, 80, 30));
    ASSERT_EQ(kestrel::testing::DrawCalls().size(), 2u);  // once for the entry, once for the field
    EXPECT_EQ(kestrel::testing::DrawCalls()[0].mapMode, MM_HIMETRIC);
    EXPECT_EQ(kestrel::testing::DrawCalls()[0].brush.fillColor, 0x123456u);
    EXPECT_EQ(t.dc.GetMapMode(), MM_TEXT);
    const auto focus = t.Calls("DrawFocusRect");
    ASSERT_EQ(focus.size(), 1u);
    EXPECT_EQ(focus[0].rect, CRect(0, 0, 80, 30));
}

// ---- bitmap items ---------------------------------------------------------------------------------

CBmpPropLst* NewBitmapItem() {
    CBmpPropLst* item = new CBmpPropLst("样式", 0, "");
    item->m_hResModule = GetTessalyModuleHandle();
    item->m_imageList = {50000, 50001};
    return item;
}

TEST(BitmapCell, OpaqueBitmapIsStretchedIntoTheMiddleHalf) {
    std::unique_ptr<CBmpPropLst> item(NewBitmapItem());
    item->m_bTransparent = FALSE;
    item->m_nSelectedIndex = 1;
    Target t;
    item->OnDrawValue(&t.dc, CRect(10, 4, 111, 24));  // w = 101, h = 20
    const auto blits = t.Calls("StretchBlt");
    ASSERT_EQ(blits.size(), 1u);
    EXPECT_EQ(blits[0].rect, CRect(10 + 25, 4, 10 + 25 + 50, 24));
    EXPECT_EQ(blits[0].source, CRect(0, 0, 32, 16));
    EXPECT_EQ(blits[0].rop, SRCCOPY);
    EXPECT_NE(blits[0].object, nullptr);
    EXPECT_EQ(platform::GetGdiObjectInfo(blits[0].object), nullptr);  // deleted after drawing
}

TEST(BitmapCell, TransparentBitmapIsMaskedIntoTheMiddleHalf) {
    std::unique_ptr<CBmpPropLst> item(NewBitmapItem());
    const std::size_t liveBefore = platform::LiveGdiObjectCount();
    Target t;
    t.dc.SetBkColor(RGB(1, 2, 3));
    item->OnDrawValue(&t.dc, CRect(0, 0, 80, 20));
    const auto blits = t.Calls("BitBlt");
    ASSERT_EQ(blits.size(), 2u);
    EXPECT_EQ(blits[0].rop, SRCAND);    // the shape cut out
    EXPECT_EQ(blits[1].rop, SRCPAINT);  // the picture painted in
    for (const DcCall& b : blits) EXPECT_EQ(b.rect, CRect(20, 0, 60, 20));
    EXPECT_EQ(t.dc.GetBkColor(), RGB(1, 2, 3));
    EXPECT_EQ(platform::LiveGdiObjectCount(), liveBefore);  // every bitmap of the drawing is gone
}

TEST(BitmapCell, IndexPastTheImagesOrMissingBitmapLeavesTheCellUnpainted) {
    std::unique_ptr<CBmpPropLst> item(NewBitmapItem());
    Target t;
    item->m_nSelectedIndex = 2;
    item->OnDrawValue(&t.dc, CRect(0, 0, 80, 20));
    item->m_nSelectedIndex = -1;
    item->OnDrawValue(&t.dc, CRect(0, 0, 80, 20));
    item->m_nSelectedIndex = 0;
    item->m_imageList = {49999};  // not among the module's bitmaps
    item->OnDrawValue(&t.dc, CRect(0, 0, 80, 20));
    EXPECT_TRUE(t.dc.GetCalls().empty());
}

using BitmapItem = PickerFixture;

TEST_F(BitmapItem, DropDownListsPositionsAndAPickSelectsTheIndex) {
    CBmpPropLst* item = NewBitmapItem();
    item->SetData(7100);
    CBCGPPropList& grid = Open(item);
    std::unique_ptr<CComboBox> combo(item->CreateCombo(&host.frame, CRect(0, 0, 100, 20)));
    ASSERT_TRUE(combo);
    EXPECT_STREQ(combo->GetRuntimeClass()->m_lpszClassName, "CBmpComboBox");
    ASSERT_EQ(combo->GetCount(), 2);
    EXPECT_EQ(combo->GetLBText(1), CString("1"));
    EXPECT_EQ(combo->GetItemData(1), 50001u);
    combo.reset();

    platform::GridDriver driver(&grid);
    ASSERT_TRUE(driver.PickDropDownEntry(item, 1));
    EXPECT_EQ(item->m_nSelectedIndex, 1);
    EXPECT_EQ(item->GetValue().vt, VT_I4);
    EXPECT_EQ(item->GetValue().lVal, 1);
    ASSERT_EQ(list.edited.size(), 1u);
    EXPECT_EQ(list.edited[0], item);

    // The editor opens on the picture shown, whatever value the item holds (here 1): that picture
    // picked again is no edit, another one is.
    item->m_nSelectedIndex = 0;
    ASSERT_TRUE(driver.PickDropDownEntry(item, 0));
    EXPECT_EQ(list.edited.size(), 1u);
    ASSERT_TRUE(driver.PickDropDownEntry(item, 1));
    EXPECT_EQ(list.edited.size(), 2u);
}

TEST(BmpComboBox, EntryBackgroundFollowsSelectionThenTheBitmapIsDrawn) {
    HostWindow host;
    CBmpComboBox box;
    box.m_hResModule = GetTessalyModuleHandle();
    box.m_bTransparent = FALSE;
    ASSERT_TRUE(box.Create(WS_CHILD | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED, CRect(0, 0, 80, 200), &host.frame, 3));
    box.SetItemData(box.AddString("0"), 50002);
    Target t;
    box.DrawEntry(0, ODA_SELECT, ODS_SELECTED, t.dc, CRect(0, 0, 40, 16));
    box.DrawEntry(0, ODA_SELECT, 0, t.dc, CRect(0, 16, 40, 32));
    box.DrawEntry(0, ODA_DRAWENTIRE, 0, t.dc, CRect(0, 32, 40, 48));
    const auto fills = t.Calls("FillSolidRect");
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills[0].colour, GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(fills[1].colour, GetSysColor(COLOR_WINDOW));
    const auto blits = t.Calls("StretchBlt");
    ASSERT_EQ(blits.size(), 3u);
    EXPECT_EQ(blits[2].rect, CRect(10, 32, 30, 48));
}

}  // namespace
