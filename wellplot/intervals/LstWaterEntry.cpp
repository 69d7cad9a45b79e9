#include "wellplot/intervals/LstWaterEntry.h"

#include <algorithm>
#include <cmath>

#include "bcg/ColorProp.h"
#include "framework/FixedList.h"
#include "framework/GroupEdits.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/NumberText.h"
#include "framework/PenFontEdits.h"
#include "framework/PropItems.h"
#include "framework/PropSizeText.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Zephyr/WpWaterEntry.h"
#include "wellplot/KitPage.h"
#include "wellplot/PageLists.h"
#include "wellplot/WellPlotTexts.h"
#include "wellplot/intervals/DataSourceItems.h"
#include "wellplot/intervals/IntervalTexts.h"
#include "wellplot/intervals/KitItems.h"

IMPLEMENT_DYNCREATE(CLstWaterEntry, CLstContent)

namespace {

// The switches of the top and bottom lines and of the value labels: any text but "否" shows them.
constexpr OtherText kOtherShown = OtherTakenAs(1);
constexpr const char* kTitleFont = "标题字体";
constexpr const char* kFace = "字型";
constexpr const char* kWidth = "宽度";
constexpr const char* kDepthLine = "顶底线";
constexpr const char* kLineWidth = "线宽";
constexpr const char* kParamCount = "参数个数";
constexpr const char* kParamCaption = "参数%d";
constexpr const char* kLabel = "数值属性";
constexpr const char* kInitialWidth = "1.0";
constexpr int kLargestOfferedSize = 32;
constexpr int kLargestDigits = 3;
// The title size is taken up to 100.
constexpr double kLargestTitleSize = 100;
constexpr float kHundredthsFloat = 100;  // label heights are scaled in single precision

// The top-level rows before the parameter groups: source, title font, width, lines, count.
constexpr int kFixedRows = 5;
// Sub-items of "数据源", of "顶底线" and of a parameter's group and label group, by position.
enum SourceItem { kTypeItem, kTableItem, kTimeItem, kStartItem, kEndItem };
enum DepthLineItem { kShowItem, kStyleItem, kLineWidthItem, kLineColorItem };
enum ParamPlace { kFieldPlace, kLeftPlace, kRightPlace, kColorPlace, kDigitsPlace, kLabelPlace };
enum LabelPlace { kLabelShowPlace, kLabelFacePlace, kLabelSizePlace, kLabelColorPlace, kLabelAlignPlace };

// The page's readers of a typed number, each also the rule of the item it is typed into.
// The smallest title size the kit keeps: a smaller one counts as 0, which is no size.
constexpr double kSmallestTitleSize = 0.001;

// The title size: at least the smallest and at most 100 (a larger one is taken as 100), kept in
// hundredths.
bool ReadTitleSize(const CString& text, float* hundredths) {
    double size = 0;
    if (!numtext::LeadingNumber(text, &size) || !(size >= kSmallestTitleSize)) return false;
    return numtext::FitFloat(std::min(size, kLargestTitleSize), numtext::kHundredths, hundredths);
}

// The bar width: above 0.
bool ReadDrawWidth(const CString& text, double* width) {
    double read = 0;
    if (!numtext::LeadingNumber(text, &read) || !(read > 0)) return false;
    *width = read;
    return true;
}

// A value label's height: above 0, kept in hundredths (scaled in single precision).
bool ReadLabelHeight(const CString& text, float* hundredths) {
    double read = 0;
    float height = 0;
    if (!numtext::LeadingNumber(text, &read) || !(read > 0) ||
        !numtext::FitFloatThenScale(read, kHundredthsFloat, &height))
        return false;
    *hundredths = height;
    return true;
}

// An item of the shared builder (NewSizeTextItem) starting at value.
CBCGPProp* WithValue(CBCGPProp* item, const _variant_t& value) {
    item->SetValue(value);
    item->SetOriginalValue(value);
    return item;
}

// A list-only item whose options come at the refresh.
CBCGPProp* NewChoice(const char* name, const char* value, const char* description, DWORD_PTR id) {
    return NewOptionItem(name, value, description, id, {}, false);
}

// Options "from" .. "to" as whole numbers.
void AddNumberOptions(CBCGPProp* item, int from, int to) {
    for (int i = from; i <= to; ++i) item->AddOption(FormatString("%d", i), TRUE);
}

void AddOptions(CBCGPProp* item, const CStringArray& texts, INT_PTR count) {
    for (INT_PTR i = 0; i < count && i < texts.GetSize(); ++i) item->AddOption(texts.GetAt(i), TRUE);
}

// The first min(available, size) field names of the kit.
void ShowFieldOptions(CBCGPProp* item, CWpWaterEntry* kit) {
    item->RemoveAllOptions();
    AddOptions(item, kit->m_arrField, kit->GetParamMaxNum());
}

// The colour the item stands for: its automatic colour when "自动" is chosen.
COLORREF ColorOf(CBCGPProp* item) {
    COLORREF color = 0;
    ReadShownColor(item, &color);
    return color;
}

void ShowValue(CBCGPProp* item, const _variant_t& value) {
    if (item && item->GetValue() != value) item->SetValue(value);
}

CString Hundredths(double value) { return numtext::Fixed(value / numtext::kHundredths, 2); }

// A label height in hundredths as the whole size shown; 0 for what an unsigned size cannot show.
unsigned ShownLabelSize(float height) {
    const double size = std::trunc(static_cast<double>(height) / numtext::kHundredths);
    return size > 0 && size < 4294967296.0 ? static_cast<unsigned>(size) : 0;
}

// The kit drops the dates and parameters of its previous source.
void ResetProfileSource(CWpWaterEntry* kit) {
    kit->SetStartDate("");
    kit->SetEndDate("");
    kit->SetParamNumber(0);
    kit->SetParamMaxNum(0);
    kit->ClearProfileData();
}

bool IsParamItem(DWORD_PTR id) {
    return id >= CLstWaterEntry::kParamBaseId &&
           id < CLstWaterEntry::kParamBaseId + CLstWaterEntry::kParamStride * CLstWaterEntry::kMaxParams;
}

}  // namespace

// What an edit carries, read from the item before anything may delete it.
struct CLstWaterEntry::Edit {
    DWORD_PTR id = 0;
    CString text;
    COLORREF color = 0;
    UINT style = 0;
    int choice = 0;  // the value a list's text stands for
};

CLstWaterEntry::CLstWaterEntry() = default;
CLstWaterEntry::CLstWaterEntry(CWpKit* kit) : m_pKit(wellplot::KitOf<CWpWaterEntry>(reinterpret_cast<long>(kit))) {
    const int count = m_pKit ? m_pKit->GetParamNumber() : 0;
    m_nParamCount = count >= 0 && count <= kMaxParams ? count : 0;
}
CLstWaterEntry::~CLstWaterEntry() = default;

CWpWaterEntry* CLstWaterEntry::Kit() const { return m_pKit ? SelectedKit<CWpWaterEntry>() : nullptr; }
CBCGPProp* CLstWaterEntry::Item(DWORD_PTR id) const { return wellplot::ItemWithData(m_wndPropList, id); }

// ---- building ------------------------------------------------------------------------------------
int CLstWaterEntry::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_strSource = ivtext::kCurrentWell;
    if (m_pKit) BuildItems(m_pKit);
    return 0;
}

void CLstWaterEntry::BuildItems(CWpWaterEntry* kit) {
    const bool graphic = kit->GetSourceType() == ivtext::kGraphic;
    const BOOL scattered = m_strSource == ivtext::kDiscreteData ? TRUE : FALSE;

    auto* source = new CBCGPProp(ivtext::kDataSource, kSourceGroupId);
    CBCGPProp* type = NewChoice(ivtext::kType, m_strSource.GetString(), "指定数据类型", kSourceTypeId);
    for (const char* option : {ivtext::kCurrentWell, ivtext::kGraphic, ivtext::kDiscreteData}) type->AddOption(option);
    source->AddSubItem(type);
    CBCGPProp* table = NewChoice(ivtext::kDataTable, "", "指定离散数据表", kTableId);
    table->Enable(scattered);
    source->AddSubItem(table);
    CBCGPProp* time = NewChoice("时间列", "", "指定该时间列为所使用的时间列", kTimeFieldId);
    time->Enable(scattered);
    source->AddSubItem(time);
    CBCGPProp* start = NewChoice(ivtext::kStartDate, "", "指定数据开始日期", kStartDateId);
    CBCGPProp* end = NewChoice(ivtext::kEndDate, "", "指定数据结束日期", kEndDateId);
    if (!graphic) {
        AddOptions(start, kit->m_arrDate, kit->m_arrDate.GetSize());
        AddOptions(end, kit->m_arrDate, kit->m_arrDate.GetSize());
    }
    source->AddSubItem(start);
    source->AddSubItem(end);
    m_wndPropList.AddProperty(source, TRUE, TRUE);

    auto* font = new CBCGPProp(kTitleFont, kTitleFontId);
    font->AddSubItem(
        new CPropStyleCombox(kFace, CString(grouptext::kDefaultFontFace), "指定标题文本字体", kTitleFaceId));
    CBCGPProp* size =
        WithValue(NewSizeTextItem(grouptext::kSize, "指定标题文本字体的高度", kTitleSizeId, ReaderRule(ReadTitleSize)),
                  _variant_t(grouptext::kInitialFontSize));
    AddNumberOptions(size, 1, kLargestOfferedSize);
    font->AddSubItem(size);
    font->AddSubItem(CreateColorProp(grouptext::kColor, kTitleColorId, "指定柱状图标题文本字体的颜色"));
    font->Expand(FALSE);
    m_wndPropList.AddProperty(font, TRUE, TRUE);

    m_wndPropList.AddProperty(
        WithValue(NewSizeTextItem(kWidth, "指定条状显示的绘制宽度", kDrawWidthId, ReaderRule(ReadDrawWidth)),
                  _variant_t(kInitialWidth)),
        TRUE, TRUE);

    auto* line = new CBCGPProp(kDepthLine, kDepthLineGroupId);
    line->AddSubItem(NewYesNoList(wptext::kShown, grouptext::kNo, "指定是否绘制顶底线", kDepthLineShowId, kOtherShown));
    line->AddSubItem(new CPropStyleCombox(grouptext::kLineStyle, 1, CPropStyleCombox::kLineStyle, wptext::kCommonLines,
                                          "指定顶底线线型样式", kDepthLineStyleId));
    line->AddSubItem(WithValue(NewSizeTextItem(kLineWidth, "指定绘制顶底线的线宽", kDepthLineWidthId,
                                               penfont::HundredthsRule(penfont::Accept::AboveZero)),
                               _variant_t(kInitialWidth)));
    line->AddSubItem(CreateColorProp(grouptext::kColor, kDepthLineColorId, "指定顶底线的颜色"));
    line->Expand(FALSE);
    m_wndPropList.AddProperty(line, TRUE, TRUE);

    CBCGPProp* count = NewChoice(kParamCount, "", "指定显示的参数个数", kParamCountId);
    count->SetValue(_variant_t(m_nParamCount));
    if (!graphic) AddNumberOptions(count, 0, kit->GetParamMaxNum());
    m_wndPropList.AddProperty(count, TRUE, TRUE);

    for (int i = 0; i < m_nParamCount; ++i) m_wndPropList.AddProperty(NewParamGroup(kit, i), TRUE, TRUE);
}

CBCGPProp* CLstWaterEntry::NewParamGroup(CWpWaterEntry* kit, int i) {
    auto* group = new CBCGPProp(FormatString(kParamCaption, i + 1), ParamItemId(i, kParamGroup));
    CBCGPProp* field =
        NewChoice(ivtext::kField, kit->GetParamName(i).GetString(), "指定参数字段", ParamItemId(i, kParamField));
    ShowFieldOptions(field, kit);
    group->AddSubItem(field);
    group->AddSubItem(WithValue(
        NewSizeTextItem("左值", "指定参数显示左值", ParamItemId(i, kParamLeft), ReaderRule(numtext::LeadingNumber)),
        _variant_t(numtext::Fixed(kit->GetParamLeft(i), 2))));
    group->AddSubItem(WithValue(
        NewSizeTextItem("右值", "指定参数显示右值", ParamItemId(i, kParamRight), ReaderRule(numtext::LeadingNumber)),
        _variant_t(numtext::Fixed(kit->GetParamRight(i), 2))));
    CBCGPColorProp* color = CreateBlackColorProp(grouptext::kColor, ParamItemId(i, kParamColor), "指定图像颜色");
    color->SetColor(kit->GetParamColor(i));
    group->AddSubItem(color);
    CBCGPProp* digits = NewChoice("小数个数", "0", "指定小数个数", ParamItemId(i, kParamDigits));
    AddNumberOptions(digits, 0, kLargestDigits);
    group->AddSubItem(digits);

    auto* label = new CBCGPProp(kLabel, ParamItemId(i, kLabelGroup));
    label->AddSubItem(
        NewYesNoList(wptext::kShown, grouptext::kNo, "指定是否绘制", ParamItemId(i, kLabelShow), kOtherShown));
    label->AddSubItem(
        new CPropStyleCombox(kFace, CString(grouptext::kDefaultFontFace), "指定文本字体", ParamItemId(i, kLabelFace)));
    CBCGPProp* size = WithValue(NewSizeTextItem(grouptext::kSize, "指定文本字体的高度", ParamItemId(i, kLabelSize),
                                                wellplot::KeptRule(VT_UI4, ReaderRule(ReadLabelHeight))),
                                _variant_t(kInitialWholeFontSize));
    AddNumberOptions(size, 1, kLargestOfferedSize);
    label->AddSubItem(size);
    label->AddSubItem(
        CreateColorProp(grouptext::kColor, ParamItemId(i, kLabelColor), grouptext::kFontColorDescriptionShort));
    label->AddSubItem(CreateHAlignProp(ivtext::kAlignH, ParamItemId(i, kLabelAlign), ivtext::kAlignH));
    label->Expand(FALSE);
    group->AddSubItem(label);
    return group;
}

// ---- refresh -------------------------------------------------------------------------------------
void CLstWaterEntry::UpdateBCGPProperty(long object, CString) {
    CWpWaterEntry* kit = Kit();
    if (!wellplot::BeginKitRefresh(*this, object, kit)) return;
    m_pKit = kit;
    const int count = kit->GetParamNumber();
    if (count < 0 || count > kMaxParams) return;
    if (count != m_nParamCount) {
        m_nParamCount = count;
        m_wndPropList.RemoveAll();
        BuildItems(kit);
    }
    ShowCountOptions(kit);
    ShowSource(kit);
    ShowTitleFont(kit);
    ShowStored(kit, Item(kDrawWidthId));
    ShowDepthLine(kit);
    for (int i = 0; i < m_nParamCount; ++i) ShowParam(kit, i);
}

void CLstWaterEntry::ShowCountOptions(CWpWaterEntry* kit) {
    CBCGPProp* count = Item(kParamCountId);
    if (!count || count->GetOptionCount() == kit->GetParamMaxNum() + 1 || kit->GetSourceType() == ivtext::kGraphic)
        return;
    count->RemoveAllOptions();
    AddNumberOptions(count, 0, kit->GetParamMaxNum());
}

void CLstWaterEntry::ShowSource(CWpWaterEntry* kit) {
    CBCGPProp* group = Item(kSourceGroupId);
    if (!group) return;
    ShowTextIfChanged(group->GetSubItem(kTypeItem), kit->GetSourceType());
    m_strSource = kit->GetSourceType();
    CBCGPProp* table = group->GetSubItem(kTableItem);
    CBCGPProp* time = group->GetSubItem(kTimeItem);
    if (!table || !time) return;
    const BOOL scattered = m_strSource == ivtext::kDiscreteData ? TRUE : FALSE;
    table->Enable(scattered);
    time->Enable(scattered);
    // The options are offered again for a scattered source, and whenever the kit's table or time
    // column is not the one shown.
    const CString tableName = kit->GetScattTable();
    const CString timeField = kit->GetScattTimeField();
    if (scattered || ItemText(table) != tableName) AddSegmentDataOptions(table);
    ShowTextIfChanged(table, tableName);
    if (scattered || ItemText(time) != timeField) FillDiscreteFieldOptions(tableName, time);
    ShowTextIfChanged(time, timeField);
    ShowDates(kit, group);
}

void CLstWaterEntry::ShowDates(CWpWaterEntry* kit, CBCGPProp* group) {
    const bool graphic = kit->GetSourceType() == ivtext::kGraphic;
    for (const auto& [place, date] :
         {std::make_pair(kStartItem, kit->GetStartDate()), std::make_pair(kEndItem, kit->GetEndDate())}) {
        CBCGPProp* item = group->GetSubItem(place);
        if (!item) continue;
        if (item->GetOptionCount() != kit->m_arrDate.GetSize() && !graphic) {
            item->RemoveAllOptions();
            AddOptions(item, kit->m_arrDate, kit->m_arrDate.GetSize());
        }
        ShowTextIfChanged(item, date);
    }
}

void CLstWaterEntry::ShowTitleFont(CWpWaterEntry* kit) {
    CBCGPProp* group = Item(kTitleFontId);
    if (!group) return;
    const QXLOGFONT font = wellplot::TitleFontOf(kit);
    ShowTextIfChanged(group->GetSubItem(0), font.GetFaceName());
    ShowStored(kit, group->GetSubItem(1));
    ShowColorIfChanged(group->GetSubItem(2), font.color);
}

void CLstWaterEntry::ShowDepthLine(CWpWaterEntry* kit) {
    CBCGPProp* group = Item(kDepthLineGroupId);
    if (!group) return;
    ShowTextIfChanged(group->GetSubItem(kShowItem), kit->GetDrawDepthLine() != 0 ? grouptext::kYes : grouptext::kNo);
    if (auto* style = dynamic_cast<CPropStyleCombox*>(group->GetSubItem(kStyleItem))) {
        UINT value = kit->GetDepthLineStyle();
        style->SetVal(value);
    }
    ShowStored(kit, group->GetSubItem(kLineWidthItem));
    ShowColorIfChanged(group->GetSubItem(kLineColorItem), kit->GetDepthLineColor());
}

void CLstWaterEntry::ShowParam(CWpWaterEntry* kit, int i) {
    // The groups follow the fixed rows in order: reached by position, not by a search of the tree.
    CBCGPProp* group = m_wndPropList.GetProperty(kFixedRows + i);
    if (!group || group->GetData() != ParamItemId(i, kParamGroup)) return;
    if (CBCGPProp* field = group->GetSubItem(kFieldPlace)) {
        if (field->GetOptionCount() != kit->GetParamMaxNum()) ShowFieldOptions(field, kit);
        ShowTextIfChanged(field, kit->GetParamName(i));
    }
    ShowStored(kit, group->GetSubItem(kLeftPlace));
    ShowStored(kit, group->GetSubItem(kRightPlace));
    ShowColorIfChanged(group->GetSubItem(kColorPlace), kit->GetParamColor(i));
    ShowStored(kit, group->GetSubItem(kDigitsPlace));
    CBCGPProp* label = group->GetSubItem(kLabelPlace);
    if (!label) return;
    ShowTextIfChanged(label->GetSubItem(kLabelShowPlace), kit->GetParamDraw(i) ? grouptext::kYes : grouptext::kNo);
    ShowTextIfChanged(label->GetSubItem(kLabelFacePlace), kit->GetParamFontName(i));
    ShowStored(kit, label->GetSubItem(kLabelSizePlace));
    ShowColorIfChanged(label->GetSubItem(kLabelColorPlace), kit->GetParamFontColor(i));
    ShowStored(kit, label->GetSubItem(kLabelAlignPlace));
}

// ---- write-back ----------------------------------------------------------------------------------
LRESULT CLstWaterEntry::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CWpWaterEntry* kit = Kit();
    if (!item || !kit) return 0;
    m_pKit = kit;
    Edit edit;
    edit.id = item->GetData();
    edit.text = ItemText(item);
    edit.color = ColorOf(item);
    if (auto* picker = dynamic_cast<CPropStyleCombox*>(item)) edit.style = picker->GetVal();
    // A text a list refuses writes and redraws nothing.
    if (!wellplot::ReadChoice(item, &edit.choice)) return 0;
    // From here on the item may be deleted by a rebuild: only the copy above is read.

    bool taken = true;
    switch (edit.id) {
        case kSourceTypeId:
            if (!ChooseSource(kit, edit)) return 0;  // the same type again: nothing at all
            break;
        case kTableId:
            ChooseTable(kit, edit);
            break;
        case kTimeFieldId:
            kit->SetScattTimeField(edit.text);
            break;
        case kStartDateId:
            kit->SetStartDate(edit.text);
            break;
        case kEndDateId:
            kit->SetEndDate(edit.text);
            break;
        case kTitleFaceId:
        case kTitleSizeId:
        case kTitleColorId:
            EditTitleFont(kit, edit);
            break;
        case kDrawWidthId:  // the size and width items read by these readers: every text they took reads
            if (double width = 0; ReadDrawWidth(edit.text, &width)) kit->SetDrawWidth(width);
            break;
        case kDepthLineShowId:
            kit->EnableDepthLine(edit.choice);
            break;
        case kDepthLineStyleId:
            kit->SetDepthLineStyle(edit.style);
            break;
        case kDepthLineWidthId:  // above 0
            if (float width = 0; penfont::ReadHundredths(edit.text, penfont::Accept::AboveZero, &width))
                kit->SetDepthLineWidth(width);
            break;
        case kDepthLineColorId:
            kit->SetDepthLineColor(edit.color);
            break;
        case kParamCountId:
            taken = ChooseCount(kit, edit);
            break;
        default:
            if (IsParamItem(edit.id)) taken = EditParam(kit, edit);
            break;
    }
    // A refused value shows the stored one again, and nothing is written or redrawn.
    if (!taken) {
        ShowStored(kit, Item(edit.id));
        return 0;
    }
    if (edit.id == kTitleSizeId || edit.id == kDrawWidthId || edit.id == kDepthLineWidthId)
        ShowTaken(kit, Item(edit.id));
    kit->InvalidSelf();
    kit->UpdateParent();
    UpdateView();
    return 0;
}

// The refresh's text of one number or pick-list item, for the item alone (the refresh's, and a
// refused value's again); any other item is left as it is.
void CLstWaterEntry::ShowStored(CWpWaterEntry* kit, CBCGPProp* item) {
    if (!item) return;
    const DWORD_PTR id = item->GetData();
    switch (id) {
        case kTitleSizeId:
        case kDrawWidthId:
        case kDepthLineWidthId:
            ShowTextIfChanged(item, SizeText(kit, id));
            return;
        case kParamCountId:
            ShowValue(item, _variant_t(m_nParamCount));
            return;
        default:
            break;
    }
    if (!IsParamItem(id)) return;
    const int k = static_cast<int>((id - kParamBaseId) / kParamStride);
    switch (static_cast<ParamItem>((id - kParamBaseId) % kParamStride)) {
        case kParamLeft:
            ShowTextIfChanged(item, numtext::Fixed(kit->GetParamLeft(k), 2));
            break;
        case kParamRight:
            ShowTextIfChanged(item, numtext::Fixed(kit->GetParamRight(k), 2));
            break;
        case kParamDigits:
            ShowTextIfChanged(item, FormatString("%d", kit->GetParamDigits(k)));
            break;
        case kLabelSize:
            ShowValue(item, _variant_t(ShownLabelSize(kit->GetParamFontHeight(k))));
            break;
        case kLabelAlign:  // through the list's own table, which reads the texts back
            if (CFixedListProp* list = FixedListOf(item))
                if (const char* align = list->TextOf(kit->GetParamFontHAlign(k))) ShowTextIfChanged(item, align);
            break;
        default:
            break;
    }
}

// The refresh's text of the title size, the bar width or the lines' width.
CString CLstWaterEntry::SizeText(CWpWaterEntry* kit, DWORD_PTR id) {
    if (id == kTitleSizeId) return Hundredths(wellplot::TitleFontOf(kit).size);
    if (id == kDrawWidthId) return numtext::Fixed(kit->GetDrawWidth(), 2);
    return Hundredths(kit->GetDepthLineWidth());
}

// After a size or width taken, its item shows what was taken as the refresh shows it (a title size
// above 100 shows the 100 taken), unless the item itself would refuse that text (a width of 0.003
// shows "0.00", which reads as no width): the typed text stays then.
void CLstWaterEntry::ShowTaken(CWpWaterEntry* kit, CBCGPProp* item) {
    auto* size = dynamic_cast<CBCGPropSizeText*>(item);
    if (!size) return;
    const CString text = SizeText(kit, item->GetData());
    if (size->Takes(text)) ShowTextIfChanged(item, text);
}

// False when the type is the kit's already.
bool CLstWaterEntry::ChooseSource(CWpWaterEntry* kit, const Edit& edit) {
    if (edit.text == kit->GetSourceType()) return false;
    if (edit.text == ivtext::kGraphic) {
        kit->SetParamNumber(0);
        ClearSourceOptions();
    } else {
        ClearSourceOptions();
        ResetProfileSource(kit);
    }
    kit->SetSourceType(edit.text);
    RefreshAfterRebuild(kit);
    return true;
}

// A count above what the page shows, or below 0, is refused.
bool CLstWaterEntry::ChooseCount(CWpWaterEntry* kit, const Edit& edit) {
    int count = 0;
    if (!wellplot::ReadInt(edit.text, &count) || count < 0 || count > kMaxParams) return false;
    kit->SetParamNumber(count);
    RefreshAfterRebuild(kit);
    return true;
}

void CLstWaterEntry::RefreshAfterRebuild(CWpWaterEntry* kit) {
    UpdateBCGPProperty(reinterpret_cast<long>(kit), "*");
    m_wndPropList.AdjustLayout();
}

// The date and count items lose their options until the next refresh fills them again.
void CLstWaterEntry::ClearSourceOptions() {
    for (DWORD_PTR id : {kStartDateId, kEndDateId, kParamCountId})
        if (CBCGPProp* item = Item(id)) item->RemoveAllOptions();
}

// A new table empties the time column and offers the table's columns for it.
void CLstWaterEntry::ChooseTable(CWpWaterEntry* kit, const Edit& edit) {
    kit->SetScattTable(edit.text);
    kit->SetScattTimeField("");
    if (CBCGPProp* time = Item(kTimeFieldId)) FillDiscreteFieldOptions(edit.text, time);
}

// Only the edited field is read: a face or colour picked keeps the stored size as it is. The size
// item reads by this reader, so every size it took reads.
void CLstWaterEntry::EditTitleFont(CWpWaterEntry* kit, const Edit& edit) {
    QXLOGFONT font = wellplot::TitleFontOf(kit);
    if (edit.id == kTitleFaceId)
        font.SetFaceName(edit.text);
    else if (edit.id == kTitleSizeId)
        ReadTitleSize(edit.text, &font.size);
    else
        font.color = edit.color;
    kit->SetTitleFont(&font);
}

// An item of parameter k's group or of its value-label group; false for a value refused: a count
// of decimals reported from code that no option reads as, or a label height that
// is no size although its item's whole-number reading took it ("1e-400" kept as 1). The left and
// right values read by their items' own rule.
bool CLstWaterEntry::EditParam(CWpWaterEntry* kit, const Edit& edit) {
    const int k = static_cast<int>((edit.id - kParamBaseId) / kParamStride);
    const auto place = static_cast<ParamItem>((edit.id - kParamBaseId) % kParamStride);
    double number = 0;
    switch (place) {
        case kParamField:
            kit->SetParamName(k, edit.text);
            break;
        case kParamLeft:
            if (numtext::LeadingNumber(edit.text, &number)) kit->SetParamLeft(k, number);
            break;
        case kParamRight:
            if (numtext::LeadingNumber(edit.text, &number)) kit->SetParamRight(k, number);
            break;
        case kParamColor:
            kit->SetParamColor(k, edit.color);
            break;
        case kParamDigits: {
            int digits = 0;
            if (!wellplot::ReadInt(edit.text, &digits)) return false;
            kit->SetParamDigits(k, digits);
            break;
        }
        case kLabelShow:
            kit->SetParamDraw(k, edit.choice != 0);
            break;
        case kLabelFace:
            kit->SetParamFontName(k, edit.text);
            break;
        case kLabelSize: {
            float height = 0;
            if (!ReadLabelHeight(edit.text, &height)) return false;
            kit->SetParamFontHeight(k, height);
            break;
        }
        case kLabelColor:
            kit->SetParamFontColor(k, edit.color);
            break;
        case kLabelAlign:
            kit->SetParamFontHAlign(k, edit.choice);
            break;
        default:
            break;
    }
    return true;
}
