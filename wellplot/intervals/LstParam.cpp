#include "wellplot/intervals/LstParam.h"

#include <cmath>
#include <limits>

#include "bcg/ColorProp.h"
#include "framework/FixedList.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/NumberText.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "hosttypes/Zephyr/WpParam.h"
#include "wellplot/KitPage.h"
#include "wellplot/WellPlotTexts.h"
#include "wellplot/intervals/DataSourceNames.h"
#include "wellplot/intervals/IntervalTexts.h"
#include "wellplot/intervals/KitItems.h"

IMPLEMENT_DYNCREATE(CLstParam, CWndLst)

CLstParam::CLstParam() = default;
CLstParam::CLstParam(CWpKit* kit) : m_pKit(wellplot::KitOf<CWpParam>(reinterpret_cast<long>(kit))) {}
CLstParam::~CLstParam() = default;

int CLstParam::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(
        NewKitTitleGroup(kTitleGroupId, kTitleTextId, kTitleDirectionId, wptext::kText,
                         NewTitleFontGroup(kFontGroupId, wptext::kFont, kFontFaceId, kFontSizeId, kFontColorId, true)),
        TRUE, TRUE);

    auto* source = new CBCGPProp(ivtext::kDataSource, kSourceGroupId);
    source->AddSubItem(NewSourceTypeItem(ivtext::kType, kSourceTypeId, true, kOtherRefused));
    source->AddSubItem(NewOptionItem(ivtext::kTableName, "", nullptr, kTableId, {}, false));
    source->AddSubItem(NewOptionItem(ivtext::kField, "", nullptr, kFieldId, {}, false));
    // An empty text (reported from code) says nothing and is refused; any other text is no.
    CFixedListProp* nullDisplay = NewYesNoList(ivtext::kNullDisplay, "", nullptr, kNullDisplayId);
    nullDisplay->SetOtherRule([](const CString& text, int* shown) {
        *shown = 0;
        return !text.IsEmpty();
    });
    nullDisplay->Enable(FALSE);
    source->AddSubItem(nullDisplay);
    m_wndPropList.AddProperty(source, TRUE, TRUE);

    static_assert(kValueId == kSegmentGroupId + 3, "the interval's items follow their group");
    m_wndPropList.AddProperty(NewActiveSegmentGroup(kSegmentGroupId, "参数值"), TRUE, TRUE);
    return 0;
}

// ---- refresh ------------------------------------------------------------------------------------------------
void CLstParam::UpdateBCGPProperty(long object, CString) {
    CWpParam* kit = wellplot::KitOf<CWpParam>(object);
    if (!wellplot::BeginKitRefresh(*this, object, kit)) return;
    m_pKit = kit;
    ShowTitle(kit);
    ShowSource(kit);
    ShowNullDisplay(kit);
    ShowSegment(kit);
}

void CLstParam::ShowTitle(CWpParam* kit) {
    ShowTextIfChanged(Item(kTitleTextId), wellplot::TitleToText(kit->GetTitleText()));
    SetOrientationProp(Item(kTitleDirectionId), kit->GetTitleDirection());
    const QXLOGFONT font = wellplot::TitleFontOf(kit);
    SetItemText(Item(kFontFaceId), font.faceName);
    ShowTitleSize(kit);
    if (auto* color = dynamic_cast<CBCGPColorProp*>(Item(kFontColorId)); color && color->GetColor() != font.color)
        color->SetColor(font.color);
}

// Whole points (cut toward 0); a stored size no unsigned holds (a negative the host stored) leaves
// the item as it is and answers false.
bool CLstParam::ShowTitleSize(CWpParam* kit) {
    auto* item = dynamic_cast<CUnsignedProp*>(Item(kFontSizeId));
    const double points = std::trunc(static_cast<double>(wellplot::TitleFontOf(kit).size) / numtext::kHundredths);
    if (!item || !(points >= 0 && points <= std::numeric_limits<unsigned>::max())) return false;
    item->ShowUnsigned(static_cast<unsigned>(points));
    return true;
}

void CLstParam::ShowSource(CWpParam* kit) {
    const CString stored = kit->GetDataType();
    SetItemText(Item(kSourceTypeId), ShownSourceType(stored));
    const bool graphics = stored == SourceNames().graphics;
    CBCGPProp* table = Item(kTableId);
    CBCGPProp* field = Item(kFieldId);
    for (CBCGPProp* item : {table, field}) {
        if (!item) continue;
        item->Enable(graphics ? FALSE : TRUE);
        ClearChoice(item);
    }
    if (graphics) return;
    SetItemText(table, kit->GetDataTable());
    SetItemText(field, kit->GetDataField());
    AddTableOptions(table, kit->GetDataInfo(), stored);
    AddFieldOptions(field, kit->GetDataInfo(), stored, kit->GetDataTable());
}

// "空值显示" only means something once a field is chosen.
void CLstParam::ShowNullDisplay(CWpParam* kit) {
    CBCGPProp* item = Item(kNullDisplayId);
    if (!item) return;
    const bool noField = ItemText(Item(kFieldId)).IsEmpty();
    item->Enable(noField ? FALSE : TRUE);
    if (noField)
        SetItemText(item, CString());
    else
        SetYesNoProp(item, kit->IsNullDisplay());
}

void CLstParam::ShowSegment(CWpParam* kit) {
    const double top = kit->GetActiveSegTopDepth();
    const double bottom = kit->GetActiveSegBotDepth();
    const CString value = kit->GetActiveSegValue();
    const bool absent = top == 0 && bottom == 0 && value.IsEmpty();
    SetItemText(Item(kTopDepthId), absent ? CString() : numtext::Fixed(top, 2));
    SetItemText(Item(kBottomDepthId), absent ? CString() : numtext::Fixed(bottom, 2));
    SetItemText(Item(kValueId), value);
}

// ---- write-back ---------------------------------------------------------------------------------------------
LRESULT CLstParam::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CWpParam* kit = wellplot::CurrentKit<CWpParam>(*this);
    if (!item || !kit) return 0;
    m_pKit = kit;
    const CString text = ItemText(item);
    bool redraw = true;
    switch (item->GetData()) {
        case kSourceTypeId: {
            // A text that names no type (from code) is refused.
            int kind = 0;
            if (!ReadFixedList(item, &kind)) return 0;
            ChooseType(kit, StoredSourceKind(kind));
            redraw = false;
            break;
        }
        case kTableId:
            ChooseTable(kit, text);
            redraw = false;
            break;
        case kFieldId:
            ChooseField(kit, text);
            break;
        case kNullDisplayId: {
            bool shown = false;
            if (!ReadYesNo(item, &shown)) return 0;
            kit->SetNullDisplay(shown);
            break;
        }
        case kValueId:
            kit->SetActiveSegValue(text);
            break;
        default:
            redraw = EditTitle(kit, item);
            break;
    }
    if (!redraw) return 0;
    kit->InvalidSelf();
    kit->UpdateParent();
    UpdateView();
    return 0;
}

bool CLstParam::EditTitle(CWpParam* kit, CBCGPProp* item) {
    QXLOGFONT font = wellplot::TitleFontOf(kit);
    const CString text = ItemText(item);
    unsigned size = 0;
    switch (item->GetData()) {
        case kTitleTextId:
            kit->SetTitleText(wellplot::TextToTitle(text));
            break;
        case kTitleDirectionId:
            kit->SetTitleDirection(GetOrientationProp(item));
            break;
        case kFontFaceId:
            font.SetFaceName(text.GetString());
            kit->SetTitleFont(&font);
            break;
        case kFontSizeId:
            // The item takes whole points only; the font keeps hundredths. A size reported from code
            // that is no whole number of points is refused: the item shows the stored size again, or
            // its text from before when the stored size is none it can show.
            if (auto* points = dynamic_cast<CUnsignedProp*>(item);
                !points || !points->GetUnsigned(&size) || !numtext::FitFloat(size, numtext::kHundredths, &font.size)) {
                if (!ShowTitleSize(kit)) ShowTextBefore(item);
                return false;
            }
            kit->SetTitleFont(&font);
            break;
        case kFontColorId:
            ReadColor(item, &font.color);
            kit->SetTitleFont(&font);
            break;
        default:
            break;
    }
    return true;
}

void CLstParam::ChooseType(CWpParam* kit, const CString& type) {
    const bool graphics = type == SourceNames().graphics;
    CBCGPProp* table = Item(kTableId);
    for (CBCGPProp* item : {table, Item(kFieldId)}) {
        if (!item) continue;
        item->Enable(graphics ? FALSE : TRUE);
        ClearChoice(item);
    }
    if (graphics)
        kit->SetData(type, CString(), CString());
    else
        AddTableOptions(table, kit->GetDataInfo(), type);
}

void CLstParam::ChooseTable(CWpParam* kit, const CString& table) {
    CBCGPProp* field = Item(kFieldId);
    ClearChoice(field);
    const CString type = StoredSourceType(ItemText(Item(kSourceTypeId)));
    if (type == SourceNames().currentWell) kit->SetData(type, table, CString());
    AddFieldOptions(field, kit->GetDataInfo(), type, table);
    ShowNullDisplay(kit);
}

void CLstParam::ChooseField(CWpParam* kit, const CString& field) {
    const CString type = StoredSourceType(ItemText(Item(kSourceTypeId)));
    kit->SetData(type, ItemText(Item(kTableId)), field);
    ShowNullDisplay(kit);
}
