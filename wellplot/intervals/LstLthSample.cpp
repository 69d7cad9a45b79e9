#include "wellplot/intervals/LstLthSample.h"

#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/PropItems.h"
#include "hosttypes/Zephyr/WpLthSample.h"
#include "hosttypes/Zephyr/WpWell.h"
#include "wellplot/PageLists.h"
#include "wellplot/intervals/DataSourceItems.h"
#include "wellplot/intervals/IntervalTexts.h"
#include "wellplot/intervals/KitItems.h"

IMPLEMENT_DYNCREATE(CLstLthSample, CLstContent)

namespace {

constexpr BYTE kNumberValues = 1;  // the value names a sample's depth and number come from
constexpr int kMaxOfferedInterval = 20;
constexpr const char* kDefaultDepthField = "距顶";
constexpr const char* kDefaultNumberField = "样品号";

const TextValue kMarkAligns[] = {
    {"横排", 0},
    {"竖排", 1},
};

CString WellNameOf(CWpLthSample* kit) {
    CWpWell* well = kit->GetWell();
    return well ? well->GetName() : CString();
}

CBCGPProp* NewExpandedLine(const char* name, DWORD_PTR id) {
    CBCGPProp* line = CreateLineProp(name, id, false);
    line->Expand(TRUE);
    return line;
}

// The edited field read over a copy of the kit's record, the group shown as the refresh shows it
// (see EditGroupShown), the record stored with set; nothing is stored when the field is refused.
template <class Record>
bool StoreGroup(CBCGPProp* item, CWpLthSample* kit, Record (CWpLthSample::*get)(), void (CWpLthSample::*set)(Record)) {
    Record record = (kit->*get)();
    if (!EditGroupShown(item, record)) return false;
    (kit->*set)(record);
    return true;
}

// The mark interval: the text's number truncated toward zero (a text that is no number reads 0), when
// an int holds it; also the rule of its item, so that a text reported from code that no int holds is
// refused before anything is written.
bool ReadMarkInterval(const CString& text, int* interval) {
    double number = 0;
    return numtext::LeadingNumber(text, &number) && numtext::FitInt(number, 1, interval);
}

// Enabled, without options, empty.
void ResetItem(CBCGPProp* item) {
    if (!item) return;
    item->Enable(TRUE);
    item->RemoveAllOptions();
    SetItemText(item, "");
}

}  // namespace

CLstLthSample::CLstLthSample() = default;
CLstLthSample::~CLstLthSample() = default;

CWpLthSample* CLstLthSample::Kit() const { return SelectedKit<CWpLthSample>(); }
CBCGPProp* CLstLthSample::Item(DWORD_PTR id) const { return m_wndPropList.FindItemByData(id, TRUE); }

int CLstLthSample::InitPropWnd() {
    if (CLstContent::InitPropWnd() == -1) return -1;

    auto* source = new CBCGPProp(ivtext::kDataSource, kSourceGroupId);
    source->AddSubItem(NewSegmentSourceItem(kSourceTypeId));
    source->AddSubItem(NewOptionItem(ivtext::kDiscreteTable, "", "", kTableId, {}, false));
    source->AddSubItem(NewOptionItem("样品部位字段", "", "", kDepthFieldId, {}, false));
    source->AddSubItem(NewOptionItem("样品号字段", "", "", kNumberFieldId, {}, false));
    m_wndPropList.AddProperty(source, TRUE, TRUE);

    auto* display = new CBCGPProp(ivtext::kDisplay, kDisplayGroupId);
    display->AddSubItem(NewExpandedLine("岩样段线型", kSegPenId));
    auto* mark = new CBCGPProp("刻度", kMarkGroupId);
    CBCGPProp* interval = NewSizeTextItem("刻度间距", "指定刻度间距", kMarkIntervalId, ReaderRule(ReadMarkInterval));
    SetItemText(interval, "2");
    interval->AllowEdit(FALSE);
    for (int i = 1; i <= kMaxOfferedInterval; ++i) interval->AddOption(FormatString("%d", i), TRUE);
    mark->AddSubItem(interval);
    mark->AddSubItem(NewYesNoList("标注", "", nullptr, kMarkTextId));
    mark->AddSubItem(NewFixedListItem("标注方向", kMarkAligns[0].text, "", kMarkAlignId, kMarkAligns, kOtherRefused));
    CBCGPProp* font = CreateFontProp("标注字体", kMarkFontId);
    font->Expand(TRUE);
    mark->AddSubItem(font);
    mark->AddSubItem(NewExpandedLine("刻度线型", kMarkPenId));
    display->AddSubItem(mark);
    m_wndPropList.AddProperty(display, TRUE, TRUE);

    m_wndPropList.AddProperty(NewSegDepthGroup(kCurrentSegGroupId, kTopId, kBottomId), TRUE, TRUE);
    return 0;
}

// ---- refresh ----------------------------------------------------------------------------------
void CLstLthSample::RefreshFromKit() {
    CWpLthSample* kit = Kit();
    if (!kit) return;
    CLstContent::RefreshFromKit();
    ShowSource(kit);
    if (CBCGPProp* pen = Item(kSegPenId)) SetLineProp(pen, kit->GetSegLogPen());
    ShowKitValue(Item(kMarkIntervalId));
    SetYesNoProp(Item(kMarkTextId), kit->GetMarkTextVisible() == 1);
    SetItemText(Item(kMarkAlignId), kMarkAligns[kit->GetMarkTextAlign() != 0 ? 1 : 0].text);
    if (CBCGPProp* font = Item(kMarkFontId)) SetFontProp(font, kit->GetMarkLogFont());
    if (CBCGPProp* pen = Item(kMarkPenId)) SetLineProp(pen, kit->GetSmapleLogPen());
    ShowActiveSegDepths(kit, Item(kTopId), Item(kBottomId));
}

void CLstLthSample::ShowSource(CWpLthSample* kit) {
    CBCGPProp* table = Item(kTableId);
    CBCGPProp* depth = Item(kDepthFieldId);
    CBCGPProp* number = Item(kNumberFieldId);
    if (!table || !depth || !number) return;
    const int source = kit->GetDataSource();
    SetItemText(Item(kSourceTypeId), TextOfValue(kSegmentSources, source, ivtext::kGraphic));
    if (source == CORELITH_WELL) {
        table->Enable(FALSE);
        kit->SetTableName(WellNameOf(kit).str());  // the well's own samples
        for (CBCGPProp* field : {depth, number}) {
            field->Enable(TRUE);
            field->RemoveAllOptions();
        }
        SetItemText(depth, kit->GetDepthFiledName().c_str());
        SetItemText(number, kit->GetNumberFiledName().c_str());
    } else if (source == CORELITH_DISCRETE) {
        table->RemoveAllOptions();
        AddSegmentDataOptions(table);
        const CString name(kit->GetTableName().c_str());
        SetItemText(table, name);
        FillValueNameOptions(depth, name, kNumberValues);
        SetItemText(depth, kit->GetDepthFiledName().c_str());
        FillValueNameOptions(number, name, kNumberValues);
        SetItemText(number, kit->GetNumberFiledName().c_str());
    } else {
        for (CBCGPProp* item : {table, depth, number}) {
            item->Enable(FALSE);
            SetItemText(item, "");
        }
    }
}

// ---- write-back -------------------------------------------------------------------------------
LRESULT CLstLthSample::OnPropertyChanged(WPARAM wParam, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CWpLthSample* kit = Kit();
    // A list's text stands for the value stored; a text the list refuses writes nothing at all.
    int choice = 0;
    if (!item || !kit || !wellplot::ReadChoice(item, &choice) || !WriteBaseBack(wParam, lParam)) return 0;

    const CString text = ItemText(item);
    switch (item->GetData()) {
        case kSourceTypeId:
            ChooseSource(kit, choice);
            break;
        case kTableId:
            ChooseTable(kit, text);
            break;
        case kDepthFieldId:
            kit->SetDepthFiledName(text.str());
            break;
        case kNumberFieldId:
            kit->SetNumberFiledName(text.str());
            break;
        case kMarkIntervalId:  // picked from its options, each a whole number; the item refuses the rest
            if (int interval = 0; ReadMarkInterval(text, &interval)) kit->SetMarkInterval(interval);
            break;
        case kMarkTextId:
            kit->SetMarkTextVisible(choice);
            break;
        case kMarkAlignId:
            kit->SetMarkTextAlign(choice);
            break;
        default:
            break;
    }
    if (item->GetParent() && !EditRecord(kit, item)) return 0;
    kit->UpdateSelf();
    return 0;
}

void CLstLthSample::ChooseSource(CWpLthSample* kit, int source) {
    CBCGPProp* table = Item(kTableId);
    if (source == CORELITH_WELL) {
        kit->SetDataSource(CORELITH_WELL);
        kit->SetTableName(WellNameOf(kit).str());
        kit->SetDepthFiledName(kDefaultDepthField);
        kit->SetNumberFiledName(kDefaultNumberField);
        kit->UpdateSelf();
        for (DWORD_PTR id : {kTableId, kDepthFieldId, kNumberFieldId}) ResetItem(Item(id));
    } else if (source == CORELITH_DISCRETE) {
        kit->SetDataSource(CORELITH_DISCRETE);
        for (DWORD_PTR id : {kTableId, kDepthFieldId, kNumberFieldId}) ResetItem(Item(id));
        AddSegmentDataOptions(table);
        return;  // the choice of a data set follows
    } else {
        kit->SetDataSource(CORELITH_GRAPHIC);
        kit->SetData(nullptr);
    }
    RefreshFromKit();
}

void CLstLthSample::ChooseTable(CWpLthSample* kit, const CString& text) {
    kit->SetTableName(text.str());
    for (DWORD_PTR id : {kDepthFieldId, kNumberFieldId}) {
        FillValueNameOptions(Item(id), text, kNumberValues);
        SetItemText(Item(id), "");
    }
}

// A sub-item of one of the three style groups: its field is read over the kit's record, which the
// kit then stores. False when the field was refused; true for an item of no such group.
bool CLstLthSample::EditRecord(CWpLthSample* kit, CBCGPProp* item) {
    switch (item->GetParent()->GetData()) {
        case kSegPenId:
            return StoreGroup(item, kit, &CWpLthSample::GetSegLogPen, &CWpLthSample::SetSegLogPen);
        case kMarkFontId:
            return StoreGroup(item, kit, &CWpLthSample::GetMarkLogFont, &CWpLthSample::SetMarkLogFont);
        case kMarkPenId:
            return StoreGroup(item, kit, &CWpLthSample::GetSmapleLogPen, &CWpLthSample::SetSmapleLogPen);
        default:
            return true;
    }
}

bool CLstLthSample::KitText(CBCGPProp* item, CString* text) {
    CWpLthSample* kit = Kit();
    if (!kit) return false;
    if (item && item->GetData() == kMarkIntervalId) {
        *text = FormatString("%d", kit->GetMarkInterval());
        return true;
    }
    return CLstContent::KitText(item, text);
}
