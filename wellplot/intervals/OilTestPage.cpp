#include "wellplot/intervals/OilTestPage.h"

#include "bcg/ColorProp.h"
#include "framework/GroupEdits.h"
#include "framework/FixedList.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/OptionTables.h"
#include "framework/PropDigits.h"
#include "framework/PropEx.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "framework/PropSizeText.h"
#include "framework/PropStyleCombox.h"
#include "framework/WndLst.h"
#include "framework/WndProp.h"
#include "hosttypes/Zephyr/DIOilTest.h"
#include "hosttypes/Zephyr/WpOilTest.h"
#include "resources/ModuleResources.h"
#include "wellplot/KitPage.h"
#include "wellplot/WellPlotTexts.h"
#include "wellplot/PageLists.h"
#include "wellplot/intervals/CellTypesGridCtrl.h"
#include "wellplot/intervals/OilTestCommon.h"
#include "win32/Text.h"

IMPLEMENT_DYNAMIC(PropList, CBCGPPropList)
IMPLEMENT_DYNCREATE(COilTestPage, CBCGPPropertyPage)

namespace {

// Display style: 0 graphic and text, 1 table.
constexpr const char* kStyleTable = "表格";
constexpr const char* kStyleGraphic = "图文";
// The grid-line style each display style starts with.
constexpr UINT kGraphicGridStyle = 0;
constexpr UINT kTableGridStyle = 1001;

// The page's lists, each with what it takes for any other text (a text reported from code).
constexpr TextValue kStyles[] = {{kStyleTable, 1}, {kStyleGraphic, 0}};  // any other: table
constexpr TextValue kFillModes[] = {{"试油结果", 0}, {"单一风格", 1}, {"无", 2}};  // any other: none
// Alignments: any other text reads as left horizontally and as the middle vertically; a value
// outside shows the last text.
constexpr TextValue kAlignH[] = {
    {grouptext::kAlignLeft, 0}, {grouptext::kAlignCenter, 1}, {grouptext::kAlignRight, 2}};
constexpr TextValue kAlignV[] = {
    {grouptext::kAlignTop, 0}, {grouptext::kAlignCenter, 1}, {grouptext::kAlignBottom, 2}};
constexpr OtherText kOtherAlignH = OtherTakenAs(0);
constexpr OtherText kOtherAlignV = OtherTakenAs(1);
constexpr const char* kTablePlacement = "表格相对于层段位置";
const char* AlignHText(int value) { return TextOfValue(kAlignH, value, grouptext::kAlignRight); }
const char* AlignVText(int value) { return TextOfValue(kAlignV, value, grouptext::kAlignBottom); }

// An option item offering the digits first .. 9, read as a number.
CBCGPProp* NewDigitChoice(const char* name, const char* value, const char* description, DWORD_PTR id, int first) {
    CBCGPProp* item = NewOptionItem(name, value, description, id, {}, false);
    for (int d = first; d <= 9; ++d) item->AddOption(FormatString("%d", d));
    return item;
}

// A row or column count of the table: a whole number its spin gives, 1 to 10 ("3.7" reads 3, as
// every whole number of the page); also the rule of the two count items, so a count reported from
// code that the spin could not give is refused as the same text typed.
constexpr int kFewestCells = 1;
constexpr int kMostCells = 10;
bool ReadCellCount(const CString& text, int* count) {
    int read = 0;
    if (!numtext::LeadingInt(text, &read) || read < kFewestCells || read > kMostCells) return false;
    *count = read;
    return true;
}

CBCGPProp* NewCountItem(const char* name, int value, const char* description, DWORD_PTR id) {
    auto* item = new CBCGPropSizeText(name, _variant_t(value), description, id, ReaderRule(ReadCellCount));
    item->EnableSpinControl(TRUE, kFewestCells, kMostCells);
    item->AllowEdit(FALSE);
    return item;
}

CBCGPProp* NewLineStylePicker(const char* description, DWORD_PTR id) {
    return new CPropStyleCombox("线型", 0, CPropStyleCombox::kLineStyle, nullptr, description, id);
}

CBCGPProp* NewFacePicker(const char* description, DWORD_PTR id) {
    return new CPropStyleCombox(grouptext::kFontFace, CString(grouptext::kDefaultFontFace), description, id);
}

// A track's share of the kit's width: strictly between 0 and 1 (a text that is no number reads 0);
// also the rule of the two width items.
bool ReadTrackShare(const CString& text, double* share) {
    double read = 0;
    if (!numtext::LeadingNumber(text, &read) || !(read > 0 && read < 1)) return false;
    *share = read;
    return true;
}

CBCGPProp* NewShareItem(const char* name, const char* description, DWORD_PTR id) {
    return new CBCGPropSizeText(name, _variant_t("0.5"), description, id, ReaderRule(ReadTrackShare));
}

CBCGPProp* NewCollapsedGroup(const char* name, DWORD_PTR id) {
    auto* group = new CBCGPProp(name, id);
    group->Expand(FALSE);
    return group;
}

}  // namespace

BEGIN_MESSAGE_MAP(COilTestPage, CBCGPPropertyPage)
ON_MESSAGE(WM_PROP_SELCHANGED, OnSelChanged)
ON_REGISTERED_MESSAGE(BCGM_PROPERTY_CHANGED, OnPropertyChanged)
ON_REGISTERED_MESSAGE(BCGM_GRID_ITEM_CHANGED, OnGridItemChanged)
ON_WM_SIZE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

COilTestPage::COilTestPage() : COilTestPage(nullptr) {}

COilTestPage::COilTestPage(CWpKit* kit)
    : CBCGPPropertyPage(IDD_PROPPAGE_LIST),
      m_pGrid(new CCellTypesGridCtrl(this)),
      m_pKit(wellplot::KitOf<CWpOilTest>(reinterpret_cast<long>(kit))) {}

COilTestPage::~COilTestPage() {
    if (GetSafeHwnd()) DestroyWindow();
    delete m_pGrid;
}

// ---- windows ---------------------------------------------------------------------------------------
BOOL COilTestPage::OnInitDialog() {
    CBCGPPropertyPage::OnInitDialog();
    InitPropList();
    CreateCellGrid();
    return TRUE;
}

void COilTestPage::InitPropList() {
    m_wndList.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, kListId);
    if (!m_font.GetSafeHandle()) {
        CClientDC screen(nullptr);
        m_font.CreatePointFont(90, grouptext::kDefaultFontFace, &screen);
    }
    m_wndList.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font.GetSafeHandle()), TRUE);
    // Group captions across both columns; no drag outline while the splitter moves.
    m_wndList.SetGroupNameFullWidth(TRUE, TRUE);
    m_wndList.SetShowDragContext(FALSE);
    m_wndList.EnableHeaderCtrl(TRUE, "属性名", "值");
    m_wndList.EnableDescriptionArea(TRUE);
    m_wndList.SetVSDotNetLook(TRUE);

    CBCGPProp* title = NewCollapsedGroup(wptext::kTitle, kTitleGroupId);
    title->AddSubItem(new CBCGPProp("名称", _variant_t("试油"), "指定标题", kTitleTextId));
    title->AddSubItem(
        CreateOrientationProp(wptext::kDirection, kTitleDirectionId, _variant_t(grouptext::kAuto), "指定文字方向"));
    title->AddSubItem(CreateFontProp(wptext::kFont, kTitleFontId));
    m_wndList.AddProperty(title);
    m_wndList.AddProperty(new CBCGPPropEx("显示设置", kDisplayGroupId));
}

void COilTestPage::OnSize(UINT type, int cx, int cy) {
    CBCGPPropertyPage::OnSize(type, cx, cy);
    if (!GetSafeHwnd()) return;
    CRect r;
    GetClientRect(r);
    const int half = (r.bottom - r.top) / 2;
    constexpr UINT kPlace = SWP_NOZORDER | SWP_NOACTIVATE;
    if (m_wndList.GetSafeHwnd())
        m_wndList.SetWindowPos(nullptr, r.left - 1, r.top - 1, r.right - r.left + 2, (r.bottom - half) - r.top + 2,
                               kPlace);
    if (m_pGrid->GetSafeHwnd()) {
        const int t = r.top + half + 4;
        m_pGrid->SetWindowPos(nullptr, r.left - 1, t - 1, r.right - r.left + 2, r.bottom - t + 2, kPlace);
    }
}

void COilTestPage::OnDestroy() {
    if (m_wndList.GetSafeHwnd()) m_wndList.DestroyWindow();
    if (m_pGrid->GetSafeHwnd()) m_pGrid->DestroyWindow();
    CBCGPPropertyPage::OnDestroy();
}

// ---- selection and refresh ---------------------------------------------------------------------------
LRESULT COilTestPage::OnSelChanged(WPARAM wParam, LPARAM lParam) {
    m_pView = reinterpret_cast<CWnd*>(wParam);
    // Only an oil-test kit becomes the page's kit; any other object leaves the page as it is.
    CWpOilTest* shown = wellplot::KitOf<CWpOilTest>(static_cast<long>(lParam));
    if (!shown) return 0;
    const bool same = shown == m_pKit;
    if (same && shown->GetTimeStamp() == m_stamp) return 0;
    m_stamp = m_pKit ? m_pKit->GetTimeStamp() : shown->GetTimeStamp();
    m_pKit = shown;
    RefreshItems();
    if (!same) RebuildCellGrid();
    return 0;
}

CBCGPProp* COilTestPage::Item(DWORD_PTR id) const { return m_wndList.FindItemByData(id); }

void COilTestPage::RefreshItems() {
    CWpOilTest* kit = m_pKit;
    BuildDisplayItems(kit->m_nDisplayStyle);
    ShowTextIfChanged(Item(kTitleTextId), wellplot::TitleToText(kit->GetTitleText()));
    SetOrientationProp(Item(kTitleDirectionId), kit->GetTitleDirection());
    SetFontProp(Item(kTitleFontId), wellplot::TitleFontOf(kit));

    if (CBCGPProp* rows = Item(kRowsId)) rows->SetValue(_variant_t(kit->m_nRowNumber));
    if (CBCGPProp* cols = Item(kColumnsId)) cols->SetValue(_variant_t(kit->m_nColNumber));
    SetLineProp(Item(kGridLineGroupId), kit->m_gridPen);
    SetFontProp(Item(kCellFontGroupId), kit->m_cellFont);
    ShowTextIfChanged(Item(kFillModeId), TextOfValue(kFillModes, kit->m_nFillMode, kFillModes[2].text));
    if (CBCGPProp* fill = Item(kFillColorId)) {
        ShowColor(fill, kit->m_clrFill);
        fill->Enable(kit->m_nFillMode == 1);
    }
    SetYesNoProp(Item(kShowTextId), kit->m_nShowText != 0);
    ShowTextIfChanged(Item(kTableAlignHId), AlignHText(kit->m_nTableAlignH));
    ShowTextIfChanged(Item(kTableAlignVId), AlignVText(kit->m_nTableAlignV));
    if (kit->m_nDisplayStyle == 0) RefreshGraphicItems();
}

void COilTestPage::RefreshGraphicItems() {
    CWpOilTest* kit = m_pKit;
    ShowTextIfChanged(Item(kTextTrackWidthId), numtext::Fixed(1 - kit->m_dBarWidth, 2));
    ShowTextIfChanged(Item(kBarTrackWidthId), numtext::Fixed(kit->m_dBarWidth, 2));
    ShowTextIfChanged(Item(kDataChoiceId), oiltest::DataChoiceText(kit->m_nDataChoice));
    // The colour captions follow the data choice the kit holds.
    oiltest::NameColorItems(Item(kOilColorId), Item(kGasColorId), Item(kWaterColorId), kit->m_nDataChoice);
    ShowColor(Item(kOilColorId), kit->m_clrOil);
    ShowColor(Item(kGasColorId), kit->m_clrGas);
    ShowColor(Item(kWaterColorId), kit->m_clrWater);
    SetYesNoProp(Item(kDividerShownId), kit->m_nShowDivider == 1);
    if (auto* style = dynamic_cast<CPropStyleCombox*>(Item(kDividerStyleId))) style->SetVal(kit->m_dividerPen.style);
    oiltest::ShowHundredths(Item(kDividerWidthId), kit->m_dividerPen.width);
    ShowColor(Item(kDividerColorId), kit->m_dividerPen.color);
    SetYesNoProp(Item(kLabelsShownId), kit->m_nShowLabel == 1);
    ShowTextIfChanged(Item(kLabelFaceId), kit->m_labelFont.GetFaceName());
    oiltest::ShowHundredths(Item(kLabelSizeId), kit->m_labelFont.size);
    ShowColor(Item(kLabelColorId), kit->m_labelFont.color);
    oiltest::ShowDecimals(Item(kDecimalsId), kit->m_nDecimals);
    ShowTextIfChanged(Item(kLabelAlignHId), AlignHText(kit->m_nLabelAlignH));
    ShowTextIfChanged(Item(kLabelAlignVId), AlignVText(kit->m_nLabelAlignV));
}

void COilTestPage::BuildDisplayItems(int style) {
    CBCGPProp* display = Item(kDisplayGroupId);
    if (!display) return;
    m_wndList.SetCurSel(nullptr);
    DeleteAllSubItems(display);
    display->AddSubItem(NewFixedListItem("显示风格", style == 0 ? kStyleGraphic : kStyleTable, "设置显示风格",
                                         kDisplayStyleId, kStyles, OtherTakenAs(1)));
    if (style == 1) {
        auto* table = new CBCGPProp("表格设置", kTableGroupId);
        BuildTableItems(table);
        table->Expand(TRUE);
        display->AddSubItem(table);
    } else {
        auto* widths = new CBCGPProp("参数宽度", 0);
        widths->AddSubItem(NewShareItem("文本道", "设置文本道宽度", kTextTrackWidthId));
        widths->AddSubItem(NewShareItem("条形图道", "设置条形图道宽度", kBarTrackWidthId));
        display->AddSubItem(widths);

        CBCGPProp* textTrack = NewCollapsedGroup("文本道设置", kTableGroupId);
        BuildTableItems(textTrack);
        display->AddSubItem(textTrack);

        auto* bars = new CBCGPProp("条形图设置", 0);
        bars->AddSubItem(oiltest::NewDataChoice("数据选择", "设置数据", kDataChoiceId));
        display->AddSubItem(bars);

        auto* colors = new CBCGPProp("颜色设置", 0);
        colors->AddSubItem(CreateColorProp(oiltest::kDailyOil, kOilColorId, "颜色选择"));
        colors->AddSubItem(CreateColorProp(oiltest::kDailyGas, kGasColorId, "颜色选择"));
        colors->AddSubItem(CreateColorProp(oiltest::kDailyWater, kWaterColorId, "颜色选择"));
        display->AddSubItem(colors);

        CBCGPProp* params = NewCollapsedGroup("显示参数设置", 0);
        params->AddSubItem(NewYesNoList("分界线", "", nullptr, kDividerShownId));
        CBCGPProp* divider = NewCollapsedGroup("线型设置", kDividerGroupId);
        divider->AddSubItem(NewLineStylePicker("指定分割线线型", kDividerStyleId));
        divider->AddSubItem(NewDigitChoice("宽度", "3", "指定分割线宽度", kDividerWidthId, 0));
        divider->AddSubItem(CreateColorProp(grouptext::kColor, kDividerColorId, "指定分割线颜色"));
        params->AddSubItem(divider);
        params->AddSubItem(NewYesNoList("数值标注", "", nullptr, kLabelsShownId));
        CBCGPProp* labelFont = NewCollapsedGroup("标注字体", kLabelFontGroupId);
        labelFont->AddSubItem(NewFacePicker("指定字体", kLabelFaceId));
        labelFont->AddSubItem(NewDigitChoice("高度(毫米)", "5", "指定字体的高度", kLabelSizeId, 1));
        labelFont->AddSubItem(CreateColorProp(grouptext::kColor, kLabelColorId, grouptext::kFontColorDescriptionShort));
        params->AddSubItem(labelFont);
        params->AddSubItem(CreateIndexProp("小数位数", kDecimalsId, "指定小数位数", 8));
        CBCGPProp* alignH = CreateHAlignProp("横向对齐", kLabelAlignHId, "指定横向对齐");
        FixedListOf(alignH)->SetOther(kOtherAlignH);
        params->AddSubItem(alignH);
        CBCGPProp* alignV = CreateVAlignProp("纵向对齐");
        FixedListOf(alignV)->SetOther(kOtherAlignV);
        params->AddSubItem(alignV);
        display->AddSubItem(params);
    }
    display->Expand(TRUE);
    m_wndList.AdjustLayout();
}

void COilTestPage::BuildTableItems(CBCGPProp* group) {
    group->AddSubItem(
        NewFixedListItem("充填", kFillModes[0].text, "设置充填方式", kFillModeId, kFillModes, OtherTakenAs(2)));
    group->AddSubItem(CreateColorProp("充填颜色", kFillColorId, "设置充填颜色"));
    group->AddSubItem(NewYesNoList("显示文本", "", nullptr, kShowTextId));
    group->AddSubItem(
        NewFixedListItem("横向对齐", grouptext::kAlignLeft, kTablePlacement, kTableAlignHId, kAlignH, kOtherAlignH));
    group->AddSubItem(
        NewFixedListItem("纵向对齐", grouptext::kAlignTop, kTablePlacement, kTableAlignVId, kAlignV, kOtherAlignV));
    group->AddSubItem(NewCountItem("行数", 3, "设定表格行数", kRowsId));
    group->AddSubItem(NewCountItem("列数", 4, "设定表格列数", kColumnsId));
    CBCGPProp* lines = NewCollapsedGroup("网格线", kGridLineGroupId);
    lines->AddSubItem(NewLineStylePicker("指定网格线线型", kGridLineStyleId));
    lines->AddSubItem(NewDigitChoice("宽度", "", "指定网格线宽度", kGridLineWidthId, 0));
    lines->AddSubItem(CreateColorProp(grouptext::kColor, kGridLineColorId, "指定网格线的颜色"));
    group->AddSubItem(lines);
    CBCGPProp* font = NewCollapsedGroup(wptext::kFont, kCellFontGroupId);
    font->AddSubItem(NewFacePicker("指定字体", kCellFontFaceId));
    font->AddSubItem(NewDigitChoice("高度(毫米)", "", "指定字体的高度", kCellFontSizeId, 1));
    font->AddSubItem(CreateColorProp(grouptext::kColor, kCellFontColorId, grouptext::kFontColorDescriptionShort));
    group->AddSubItem(font);
    group->Expand(FALSE);
}

// ---- write-back -------------------------------------------------------------------------------------------
LRESULT COilTestPage::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    if (!item) return 0;
    // The page is a sheet page of its own: it answers a refused text as every pane does.
    if (AnswerRefusal(item, [](CBCGPProp* refused) { refused->Redraw(); })) return 0;
    if (!m_pKit) return 0;
    // A list's text stands for the kit's value itself. A text a list refuses, or a value the page
    // refuses, writes and redraws nothing; its item shows the stored value again.
    int choice = 0;
    if (!wellplot::ReadChoice(item, &choice)) return 0;
    if (!EditItem(item, choice)) return 0;
    RedrawKitAndView();
    return 0;
}

bool COilTestPage::EditItem(CBCGPProp* item, int choice) {
    CWpOilTest* kit = m_pKit;
    const CString text = ItemText(item);
    CBCGPProp* parent = item->GetParent();
    switch (item->GetData()) {
        case kTitleTextId:
            kit->SetTitleText(wellplot::TextToTitle(text));
            break;
        case kTitleDirectionId:
            kit->SetTitleDirection(choice);
            break;
        case kTitleFontId + 1:
        case kTitleFontId + 2:
        case kTitleFontId + 3:
            if (parent && parent->GetData() == kTitleFontId) {
                // Only the edited field is read: a face or colour picked keeps the stored size. The
                // size item reads by the group's rule, so a size it refuses never comes here.
                QXLOGFONT font = wellplot::TitleFontOf(kit);
                ReadEditedField(item, font);
                kit->SetTitleFont(&font);
            }
            break;
        case kDisplayStyleId:
            // The items of the new style appear with the next refresh.
            kit->m_nDisplayStyle = choice;
            kit->m_gridPen.style = kit->m_nDisplayStyle == 0 ? kGraphicGridStyle : kTableGridStyle;
            break;
        default:
            return EditTableItem(item, choice);
    }
    return true;
}

// A row or column count taken by the kit (its item refuses a count its spin cannot give); the
// cell grid is rebuilt only for another count.
bool COilTestPage::EditCount(CBCGPProp* item, int stored, void (CWpOilTest::*set)(int)) {
    int count = 0;
    if (!ReadCellCount(ItemText(item), &count)) return false;
    if (count != stored) {
        (m_pKit->*set)(count);
        RebuildCellGrid();
    }
    return true;
}

bool COilTestPage::EditTableItem(CBCGPProp* item, int choice) {
    CWpOilTest* kit = m_pKit;
    switch (item->GetData()) {
        case kTableAlignHId:
            kit->m_nTableAlignH = choice;
            break;
        case kTableAlignVId:
            kit->m_nTableAlignV = choice;
            break;
        case kRowsId:
            return EditCount(item, kit->m_nRowNumber, &CWpOilTest::SetRowNumber);
        case kColumnsId:
            return EditCount(item, kit->m_nColNumber, &CWpOilTest::SetColNumber);
        case kGridLineStyleId:
        case kGridLineWidthId:
        case kGridLineColorId:
            return oiltest::EditPenField(item, static_cast<int>(item->GetData() - kGridLineStyleId), kit->m_gridPen);
        case kCellFontFaceId:
        case kCellFontSizeId:
        case kCellFontColorId:
            return oiltest::EditFontField(item, static_cast<int>(item->GetData() - kCellFontFaceId), kit->m_cellFont,
                                          false);
        case kFillModeId: {
            CBCGPProp* fillColor = Item(kFillColorId);
            if (fillColor) fillColor->Enable(FALSE);
            kit->m_nFillMode = choice;
            if (kit->m_nFillMode == 1 && fillColor) fillColor->Enable(TRUE);
            break;
        }
        case kFillColorId:
            ReadColor(item, &kit->m_clrFill);
            break;
        case kShowTextId:
            kit->m_nShowText = choice;
            break;
        default:
            return EditGraphicItem(item, choice);
    }
    return true;
}

bool COilTestPage::EditGraphicItem(CBCGPProp* item, int choice) {
    CWpOilTest* kit = m_pKit;
    const CString text = ItemText(item);
    switch (item->GetData()) {
        case kTextTrackWidthId:
        case kBarTrackWidthId:
            // The items read by this rule, so every share they took reads (inside (0, 1)).
            if (double share = 0; ReadTrackShare(text, &share))
                kit->m_dBarWidth = item->GetData() == kBarTrackWidthId ? share : 1 - share;
            break;
        case kDataChoiceId:
            kit->m_nDataChoice = choice;
            oiltest::NameColorItems(Item(kOilColorId), Item(kGasColorId), Item(kWaterColorId), kit->m_nDataChoice);
            break;
        case kOilColorId:
            ReadColor(item, &kit->m_clrOil);
            break;
        case kGasColorId:
            ReadColor(item, &kit->m_clrGas);
            break;
        case kWaterColorId:
            ReadColor(item, &kit->m_clrWater);
            break;
        case kDividerShownId:
            kit->m_nShowDivider = choice;
            break;
        case kDividerStyleId:
        case kDividerWidthId:
        case kDividerColorId:
            return oiltest::EditPenField(item, static_cast<int>(item->GetData() - kDividerStyleId), kit->m_dividerPen);
        case kLabelsShownId:
            kit->m_nShowLabel = choice;
            break;
        case kLabelFaceId:
        case kLabelSizeId:
        case kLabelColorId:
            return oiltest::EditFontField(item, static_cast<int>(item->GetData() - kLabelFaceId), kit->m_labelFont,
                                          false);
        case kDecimalsId:
            return oiltest::EditDecimals(item, &kit->m_nDecimals);
        case kLabelAlignHId:
            kit->m_nLabelAlignH = choice;
            break;
        case kLabelAlignVId:
            kit->m_nLabelAlignV = choice;
            break;
        default:
            break;  // groups
    }
    return true;
}

void COilTestPage::RedrawKitAndView() {
    if (!m_pKit) return;
    m_pKit->InvalidSelf();
    m_pKit->UpdateParent();
    if (m_pView && m_pView->GetSafeHwnd()) {
        m_pView->InvalidateRect(nullptr, FALSE);
        m_pView->UpdateWindow();
    }
}

// ---- the cell grid ------------------------------------------------------------------------------------------
void COilTestPage::CreateCellGrid() {
    if (!m_pGrid->Create(WS_CHILD, CRect(0, 0, 0, 0), this, kGridId)) return;
    // The columns mirror the kit's table: the user may not reorder them.
    m_pGrid->EnableDragHeaderItems(FALSE);
    m_pGrid->EnableMarkSortedColumn(FALSE, TRUE);
    m_pGrid->EnableColumnAutoSize(TRUE);
    m_pGrid->EnableHeader(TRUE, 0);
    RebuildCellGrid();
    m_pGrid->ShowWindow(SW_SHOW);
    m_pGrid->UpdateWindow();
}

void COilTestPage::RebuildCellGrid() {
    if (!m_pKit) return;
    m_pGrid->BuildCells(m_pKit->m_nRowNumber, m_pKit->m_nColNumber);
    FillCellOptions();
    m_pGrid->SetCellTexts(std::vector<CString>(m_pKit->m_cellTexts));
}

void COilTestPage::FillCellOptions() {
    CDIOilTest* data = m_pKit ? m_pKit->GetData() : nullptr;
    if (!data) return;
    data->GetFieldCount();
    const std::vector<CString> names = data->GetFieldNames();
    m_pGrid->AddCellOptions(names);
}

LRESULT COilTestPage::OnGridItemChanged(WPARAM, LPARAM lParam) {
    auto* info = reinterpret_cast<BCGPGRID_ITEM_INFO*>(lParam);
    if (!m_pKit || !info || !info->pItem) return 0;
    const long long index = static_cast<long long>(info->nRow) * m_pKit->m_nColNumber + info->nCol;
    const bool kept = index >= 0 && index < static_cast<long long>(m_pKit->m_cellTexts.size());
    const CString before = kept ? m_pKit->m_cellTexts[static_cast<size_t>(index)] : CString();
    const CString text = info->pItem->GetLabel();
    // A cell the kit keeps no text for, or a text that is not UTF-8, is refused: nothing is written
    // or redrawn, and the cell alone shows its text from before the edit (the kit's; empty where the
    // kit keeps none, as the grid was built).
    if (!kept || !text::IsValidUtf8(text.str())) {
        info->pItem->SetValue(_variant_t(before), TRUE);
        return 0;
    }
    if (text == before) return 0;
    const uint64_t stamp = m_pKit->GetTimeStamp();
    m_pKit->UpdateField(static_cast<int>(index), text);
    if (m_pKit->GetTimeStamp() == stamp) {  // the kit left the text: refused as well
        info->pItem->SetValue(_variant_t(before), TRUE);
        return 0;
    }
    RedrawKitAndView();
    return 0;
}
