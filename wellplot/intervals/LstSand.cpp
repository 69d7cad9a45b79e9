#include "wellplot/intervals/LstSand.h"

#include <iterator>

#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/PropItems.h"
#include "framework/PropSizeText.h"
#include "hosttypes/Osprey/WellDataManager.h"
#include "hosttypes/Zephyr/WDMgrIO.h"
#include "hosttypes/Zephyr/WpSand.h"
#include "wellplot/PageLists.h"
#include "wellplot/WellPlotTexts.h"
#include "wellplot/intervals/DataSourceItems.h"
#include "wellplot/intervals/IntervalTexts.h"
#include "wellplot/intervals/KitItems.h"

IMPLEMENT_DYNCREATE(CLstSand, CLstContent)

const TextValue kSandTypes[30] = {
    {ivtext::kGraphic, 0},       {"砂层数据一类", 1},
    {"砂层数据二类", 2},         {"砂层数据视有效", 3},
    {"砂层数据纯有效", 4},       {"一级分层一类", 5},
    {"一级分层二类", 6},         {"一级分层视有效", 7},
    {"一级分层纯有效", 8},       {"二级分层一类", 9},
    {"二级分层二类", 10},        {"二级分层视有效", 11},
    {"二级分层纯有效", 12},      {"三级分层一类", 13},
    {"三级分层二类", 14},        {"三级分层视有效", 15},
    {"三级分层纯有效", 16},      {"四级分层一类", 17},
    {"四级分层二类", 18},        {"四级分层视有效", 19},
    {"四级分层纯有效", 20},      {"五级分层一类", 21},
    {"五级分层二类", 22},        {"五级分层视有效", 23},
    {"五级分层纯有效", 24},      {"夹层数据", 25},
    {ivtext::kSegmentData1, 26}, {ivtext::kSegmentData2, 27},
    {ivtext::kSegmentData3, 28}, {ivtext::kDiscreteData, CLstSand::kDiscreteSource},
};

namespace {

constexpr int kStratumLevels = 5;
constexpr int kTypesPerLevel = 4;
constexpr int kFirstLevelType = 5;
constexpr int kMaxPrecision = 8;
constexpr const char* kThickness = "厚度文本";
constexpr const char* kColorSegment = "颜色段";
constexpr const char* kIShape = "工字型";

// In the order offered; a symbol type no option names is refused.
const TextValue kSymbolTypes[] = {
    {kIShape, 1},
    {kColorSegment, 0},
};

const TextValue kVLinePositions[] = {
    {"左边", -1}, {"中间", 0}, {"右边", 1}, {"两边", 2}, {"无", 3},
};

// The options the type item offers before its first refresh.
const char* const kLevelNames[kStratumLevels] = {"一级", "二级", "三级", "四级", "五级"};

bool LevelHasStrata(int level) { return CWellDataManager::Instance()->GetStratumCount(level) > 0; }

CBCGPProp* NewNumberText(const char* name, const char* description, DWORD_PTR id) {
    return new CBCGPProp(name, _variant_t(""), description, id);
}

// The page's readers of a typed position or count of decimals, each also the rule of its item: a
// position is a number of 0 or more (0 only from digits, blanks and points); decimals 0 to 8.
bool ReadPosition(const CString& text, double* position) { return numtext::PositiveOrZeroNumber(text, position); }
bool ReadPrecision(const CString& text, int* digits) {
    double number = 0;
    int read = 0;
    if (!ReadPosition(text, &number) || !numtext::FitInt(number, 1, &read) || read > kMaxPrecision) return false;
    *digits = read;
    return true;
}

}  // namespace

CLstSand::CLstSand() = default;
CLstSand::~CLstSand() = default;

CWpSand* CLstSand::Kit() const { return SelectedKit<CWpSand>(); }
CBCGPProp* CLstSand::Item(DWORD_PTR id) const { return m_wndPropList.FindItemByData(id, TRUE); }
CBCGPProp* CLstSand::SubItem(DWORD_PTR groupId, int index) const {
    CBCGPProp* group = Item(groupId);
    return group ? group->GetSubItem(index) : nullptr;
}

bool CLstSand::IsKitChanged() { return IsKitOrStrataChanged(); }

int CLstSand::InitPropWnd() {
    if (CLstContent::InitPropWnd() == -1) return -1;

    auto* source = new CBCGPProp(ivtext::kDataSource, kSourceGroupId);
    // A type is one the type table names, offered or not (the options offered before the first
    // refresh name none).
    CFixedListProp* type = NewFixedListItem(ivtext::kType, "", "", 0, kSandTypes, kOtherRefused);
    type->RemoveAllOptions();
    for (const char* suffix : {"(1)", "(2)", "(U)"}) type->AddOption(CString("砂层数据") + suffix, TRUE);
    for (int level = 0; level < kStratumLevels; ++level)
        if (LevelHasStrata(level))
            for (const char* suffix : {"(1)", "(2)", "(U)"})
                type->AddOption(CString(kLevelNames[level]) + "分层数据" + suffix, TRUE);
    for (const char* text : {"夹层数据", ivtext::kDiscreteData, ivtext::kGraphic}) type->AddOption(text, TRUE);
    source->AddSubItem(type);
    source->AddSubItem(NewOptionItem(ivtext::kDiscreteTable, "", "", 0, {}, false));
    m_wndPropList.AddProperty(source, TRUE, TRUE);

    auto* display = new CBCGPProp(ivtext::kDisplay, kDisplayGroupId);
    auto* divide = new CBCGPProp(ivtext::kDivideLine, kDivideGroupId);
    divide->Expand(FALSE);
    divide->AddSubItem(NewYesNoList(wptext::kShown, "", nullptr, kDivideShowId));
    auto* style = new CBCGPProp(ivtext::kStyle, kStyleGroupId);
    style->Expand(FALSE);
    style->AddSubItem(NewFixedListItem("符号类型", "", "设置符号类型", kSymbolTypeId, kSymbolTypes, kOtherRefused));
    style->AddSubItem(NewSizeTextItem("左位置", "符号左边占总宽度的比例位置", kLeftPosId, ReaderRule(ReadPosition)));
    style->AddSubItem(NewSizeTextItem("右位置", "", kRightPosId, ReaderRule(ReadPosition)));
    style->AddSubItem(
        NewFixedListItem("标线位置", "", "工字符号竖线相对符号的位置", kVLinePosId, kVLinePositions, kOtherRefused));
    divide->AddSubItem(style);
    divide->AddSubItem(CreateLineProp(ivtext::kLineSetting, kDividePenId, false));
    display->AddSubItem(divide);
    auto* thickness = new CBCGPProp(kThickness, kThkGroupId);
    thickness->Expand(FALSE);
    thickness->AddSubItem(NewYesNoList(wptext::kShown, "", nullptr, kThkShowId));
    thickness->AddSubItem(CreateFontProp(ivtext::kFontSetting, kThkFontId));
    thickness->AddSubItem(NewSizeTextItem("位置", "设置文本位置", kThkPosId, ReaderRule(ReadPosition)));
    thickness->AddSubItem(NewSizeTextItem("小数位数", "设置小数位数", kThkPrecisionId, ReaderRule(ReadPrecision)));
    display->AddSubItem(thickness);
    display->AddSubItem(NewYesNoList("填充背景", "", nullptr, kFillId));
    auto* fill = new CBCGPColorProp("填充颜色", RGB(255, 0, 0), nullptr, "", kFillColorId);
    fill->EnableOtherButton(grouptext::kOtherColor, FALSE);
    fill->EnableAutomaticButton(ivtext::kDefaultColorButton, GetSysColor(COLOR_BTNFACE));
    display->AddSubItem(fill);
    m_wndPropList.AddProperty(display, TRUE, TRUE);

    auto* current = new CBCGPProp(ivtext::kCurrentSeg, kCurrentSegGroupId);
    current->AddSubItem(NewNumberText(ivtext::kTopDepth, "砂岩段顶深", 0));
    current->AddSubItem(NewNumberText(ivtext::kBottomDepth, "砂岩段底深", 0));
    m_wndPropList.AddProperty(current, TRUE, TRUE);
    return 0;
}

// ---- refresh ----------------------------------------------------------------------------------
void CLstSand::RefreshFromKit() {
    CWpSand* kit = Kit();
    if (!kit) return;
    CLstContent::RefreshFromKit();
    ShowTypeOptions();
    ShowSource(kit);
    SetYesNoProp(Item(kDivideShowId), kit->IsDivideLineVisible());
    ShowSymbol(kit);
    SetYesNoProp(Item(kFillId), kit->IsFill());
    if (CBCGPProp* color = Item(kFillColorId)) {
        color->Enable(kit->IsFill() ? TRUE : FALSE);
        if (kit->IsFill()) ShowColor(color, kit->GetFillColor());
    }
    ShowThicknessText(kit);
    ShowActiveSegDepths(kit, SubItem(kCurrentSegGroupId, 0), SubItem(kCurrentSegGroupId, 1));
}

// The sand types, the four of each stratum level that holds strata, the others, discrete, graphic.
void CLstSand::ShowTypeOptions() {
    std::vector<CString> offered;
    auto offer = [&offered](int t) { offered.emplace_back(kSandTypes[t].text); };
    for (int t = 1; t < kFirstLevelType; ++t) offer(t);
    for (int level = 0; level < kStratumLevels; ++level)
        if (LevelHasStrata(level))
            for (int t = 0; t < kTypesPerLevel; ++t) offer(kFirstLevelType + kTypesPerLevel * level + t);
    for (int t = kFirstLevelType + kTypesPerLevel * kStratumLevels; t < static_cast<int>(std::size(kSandTypes)); ++t)
        offer(t);
    offer(0);
    if (CFixedListProp* list = FixedListOf(SubItem(kSourceGroupId, 0))) list->OfferOnly(offered);
}

void CLstSand::ShowSource(CWpSand* kit) {
    CBCGPProp* type = SubItem(kSourceGroupId, 0);
    CBCGPProp* table = SubItem(kSourceGroupId, 1);
    if (!type || !table) return;
    auto offerDataSets = [table] {
        AddSegmentDataOptions(table);
        table->Enable(TRUE);
    };
    if (kit->GetDataSource() == kDiscreteSource) {
        SetItemText(type, ivtext::kDiscreteData);
        offerDataSets();
        SetItemText(table, kit->GetDataName());
        return;
    }
    WDMgrIO* data = WellDataOf(kit);
    LOGSAND record;
    if (data && data->FindData(kit->GetData(), record)) {
        SetItemText(type, TextOfValue(kSandTypes, record.type, ""));
        if (record.type == kDiscreteSource) {
            offerDataSets();
            return;
        }
    } else {
        SetItemText(type, ivtext::kGraphic);
    }
    table->Enable(FALSE);
    SetItemText(table, "");
}

void CLstSand::ShowSymbol(CWpSand* kit) {
    const int symbol = kit->GetSymbleType();
    if (symbol == 0 || symbol == 1) {
        SetItemText(Item(kSymbolTypeId), TextOfValue(kSymbolTypes, symbol, ""));
        for (DWORD_PTR id : {kLeftPosId, kRightPosId}) {
            CBCGPProp* pos = Item(id);
            ShowKitValue(pos);
            if (pos) pos->Enable(TRUE);
        }
        if (CBCGPProp* vline = Item(kVLinePosId)) {
            if (symbol == 0) SetItemText(vline, "");
            if (symbol == 1)
                if (const char* text = TextOfValue(kVLinePositions, kit->GetVLinePos(), nullptr))
                    SetItemText(vline, text);
            vline->Enable(symbol == 1 ? TRUE : FALSE);
        }
    }
    if (CBCGPProp* pen = Item(kDividePenId)) {
        SetLineProp(pen, kit->GetLogDividePen());
        EnableSubItems(pen, 0, -1, symbol != 0);
    }
}

void CLstSand::ShowThicknessText(CWpSand* kit) {
    const bool shown = kit->IsThkTextShow();
    SetYesNoProp(Item(kThkShowId), shown);
    if (CBCGPProp* font = Item(kThkFontId)) {
        SetFontProp(font, kit->GetThkTextFont());
        EnableSubItems(font, 0, -1, shown);
    }
    ShowKitValue(Item(kThkPosId));
    ShowKitValue(Item(kThkPrecisionId));
    for (DWORD_PTR id : {kThkPosId, kThkPrecisionId})
        if (CBCGPProp* item = Item(id)) item->Enable(shown);
}

// ---- write-back -------------------------------------------------------------------------------
LRESULT CLstSand::OnPropertyChanged(WPARAM wParam, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CWpSand* kit = Kit();
    // A list's text stands for the value stored; a text the list refuses writes nothing at all.
    int choice = 0;
    if (!item || !kit || !wellplot::ReadChoice(item, &choice) || !WriteBaseBack(wParam, lParam)) return 0;

    CBCGPProp* parent = item->GetParent();
    const CString parentName = parent ? parent->GetName() : CString();
    if (parentName == ivtext::kDataSource) {
        ChooseSource(kit, item, choice);
    } else if (parent && (parent->GetData() == kDividePenId || parent->GetData() == kThkFontId)) {
        // Only the edited field is read into the kit's record.
        const bool read = parent->GetData() == kDividePenId ? EditGroupField(item, kit->GetLogDividePen())
                                                            : EditGroupField(item, kit->GetThkTextFont());
        if (!read) return 0;
        kit->InvalidSelf();
        UpdateView();
    }
    // A value the kit refused: only the item shows the kit's value again.
    if (!EditById(kit, item, choice)) {
        ShowKitValue(item);
        return 0;
    }
    kit->SetModifyFlag(1);
    kit->InvalidSelf();
    kit->UpdateSelf();
    return 0;
}

void CLstSand::ChooseSource(CWpSand* kit, CBCGPProp* item, int type) {
    const CString text = ItemText(item);
    if (item->GetName() == ivtext::kType) {
        WDMgrIO* data = WellDataOf(kit);
        if (type >= 1 && type < kDiscreteSource) {
            kit->SetData(data ? data->GetSand(type, "") : nullptr);
            kit->UpdateSelf();
        } else if (type == kDiscreteSource) {
            kit->SetDataSource(kDiscreteSource);
            if (CBCGPProp* table = SubItem(kSourceGroupId, 1)) {
                AddSegmentDataOptions(table);
                table->Enable(TRUE);
            }
        } else if (type == 0) {
            kit->SetData(data ? data->GetSand(0, "") : nullptr);
        }
    } else if (item->GetName() == ivtext::kDiscreteTable && !text.IsEmpty()) {
        kit->SetDataName(text);
    }
    kit->SetActiveSeg(-1);
}

bool CLstSand::EditById(CWpSand* kit, CBCGPProp* item, int choice) {
    double number = 0;
    switch (item->GetData()) {
        case kDivideShowId:
            kit->SetDivideLineVisible(choice != 0);
            break;
        case kSymbolTypeId:
            kit->SetSymbleType(choice);
            RefreshFromKit();  // the enabled items follow the symbol
            kit->UpdateSelf();
            break;
        case kLeftPosId:  // the items refuse what is no position
            if (ReadPosition(ItemText(item), &number)) kit->SetSymbleLeftPos(number);
            break;
        case kRightPosId:
            if (ReadPosition(ItemText(item), &number)) kit->SetSymbleRightPos(number);
            break;
        case kVLinePosId:
            kit->SetVLinePos(choice);
            break;
        case kFillId:
            kit->SetFill(choice != 0);
            break;
        case kFillColorId: {
            COLORREF color = 0;
            if (ReadColor(item, &color)) kit->SetFillColor(color);
            break;
        }
        case kThkShowId:
            kit->ShowThkText(choice != 0);
            break;
        case kThkPosId:
            if (!ReadPosition(ItemText(item), &number) || !kit->SetThkTextPos(number)) return false;
            kit->UpdateSelf();
            break;
        case kThkPrecisionId:
            EditPrecision(kit, item);
            break;
        default:
            break;
    }
    return true;
}

// The symbol's and the thickness text's positions as "%0.2f", the decimals as "%d", the line width
// and the font size as their groups show them.
bool CLstSand::KitText(CBCGPProp* item, CString* text) {
    CWpSand* kit = Kit();
    if (!kit || !item) return false;
    const DWORD_PTR id = item->GetData();
    if (id == kLeftPosId || id == kRightPosId || id == kThkPosId) {
        const double pos = id == kLeftPosId    ? kit->GetSymbleLeftPos()
                           : id == kRightPosId ? kit->GetSymbleRightPos()
                                               : kit->GetThkTextPos();
        *text = numtext::Fixed(pos, 2);
    } else if (id == kThkPrecisionId) {
        *text = FormatString("%d", kit->GetThkTextPrecision());
    } else if (GroupSizeTextOf(item,
                               {{kDividePenId, kit->GetLogDividePen().width}, {kThkFontId, kit->GetThkTextFont().size}},
                               text)) {
        return true;
    } else {
        return CLstContent::KitText(item, text);
    }
    return true;
}

void CLstSand::ShowItemAgain(CBCGPProp* item) {
    if (item && item->GetData() == kThkPrecisionId)
        ShowKitValue(item);
    else
        CLstContent::ShowItemAgain(item);
}

// Decimals 0 to 8; the item refuses any other number, or no number.
void CLstSand::EditPrecision(CWpSand* kit, CBCGPProp* item) {
    if (int digits = 0; ReadPrecision(ItemText(item), &digits)) {
        kit->SetThkTextPrecision(digits);
        kit->UpdateSelf();
    }
}
