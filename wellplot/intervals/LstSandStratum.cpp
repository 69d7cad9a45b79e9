#include "wellplot/intervals/LstSandStratum.h"

#include <iterator>
#include <vector>

#include "framework/FixedList.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/PropItems.h"
#include "hosttypes/Zephyr/WpSandStratum.h"
#include "wellplot/KitPage.h"
#include "wellplot/PageLists.h"
#include "wellplot/WellPlotTexts.h"
#include "wellplot/intervals/DataSourceNames.h"
#include "wellplot/intervals/IntervalTexts.h"
#include "wellplot/intervals/KitItems.h"

IMPLEMENT_DYNCREATE(CLstSandStratum, CWndLst)

CLstSandStratum::CLstSandStratum() = default;
CLstSandStratum::~CLstSandStratum() = default;

int CLstSandStratum::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(NewKitTitleGroup(kTitleGroupId, kTitleTextId, kTitleDirectionId, wptext::kText,
                                               CreateFontProp(wptext::kFont, kTitleFontId)),
                              TRUE, TRUE);

    auto* source = new CBCGPProp(ivtext::kDataSource, kSourceGroupId);
    // Any type but graphics is well data; a level is one of the five names, whatever the type: the
    // type decides only which names are offered.
    source->AddSubItem(NewSourceTypeItem(ivtext::kType, kSourceTypeId, false, OtherTakenAs(kWellSource)));
    auto* level = new CFixedListProp(ivtext::kDataTable, CString(), nullptr, kLevelId, kOtherRefused);
    for (int i = 0; i < ivtext::kLevelCount; ++i) level->AddEntry(SourceNames().levels[i], i);
    source->AddSubItem(level);
    source->AddSubItem(NewYesNoList("有效数据等距显示", "", nullptr, kSameDistanceId));
    source->AddSubItem(NewYesNoList("使用射孔数据显示射孔标志", "", nullptr, kUseShootDataId));
    source->AddSubItem(NewYesNoList("仅显示分层数据内射孔标志", "", nullptr, kOnlyInStratumId));
    m_wndPropList.AddProperty(source, TRUE, TRUE);
    return 0;
}

void CLstSandStratum::OfferLevels(CBCGPProp* item, bool offered) {
    CFixedListProp* list = FixedListOf(item);
    if (!list) return;
    std::vector<CString> names;
    if (offered) names.assign(std::begin(SourceNames().levels), std::end(SourceNames().levels));
    list->OfferOnly(names);
    SetItemText(list, CString());
}

// ---- refresh ------------------------------------------------------------------------------------------------
void CLstSandStratum::UpdateBCGPProperty(long object, CString) {
    CWpSandStratum* kit = wellplot::KitOf<CWpSandStratum>(object);
    if (!wellplot::BeginKitRefresh(*this, object, kit)) return;
    m_pKit = kit;
    m_bFirst = FALSE;
    ShowTextIfChanged(Item(kTitleTextId), wellplot::TitleToText(kit->GetTitleText()));
    SetOrientationProp(Item(kTitleDirectionId), kit->GetTitleDirection());
    SetFontProp(Item(kTitleFontId), wellplot::TitleFontOf(kit));
    const DataSourceNames& names = SourceNames();
    const bool wellData = kit->DataType() == DATA_WELL;
    SetItemText(Item(kSourceTypeId), wellData ? names.wellData : names.graphics);
    CBCGPProp* level = Item(kLevelId);
    OfferLevels(level, wellData);
    // A level outside the five has no name: the item stays empty.
    if (wellData) SetItemText(level, LevelName(kit->Grade()));
    SetYesNoProp(Item(kSameDistanceId), kit->ValidSameDistance());
    SetYesNoProp(Item(kUseShootDataId), kit->UseShootData());
    SetYesNoProp(Item(kOnlyInStratumId), kit->OnlyInStratum());
    if (CBCGPProp* only = Item(kOnlyInStratumId)) only->Enable(kit->UseShootData() ? TRUE : FALSE);
}

// ---- write-back ---------------------------------------------------------------------------------------------
LRESULT CLstSandStratum::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CWpSandStratum* kit = wellplot::CurrentKit<CWpSandStratum>(*this);
    if (!item || !kit) return 0;
    m_pKit = kit;
    if (CBCGPProp* group = item->GetParent(); group && group->GetData() == kTitleFontId) {
        // Only the edited field is read; a size refused writes and redraws nothing.
        QXLOGFONT font = wellplot::TitleFontOf(kit);
        if (!EditGroupField(item, font)) return 0;
        kit->SetTitleFont(&font);
    }
    // A list's text stands for the value stored; a text the list refuses writes and redraws nothing.
    int choice = 0;
    if (!wellplot::ReadChoice(item, &choice)) return 0;
    const CString text = ItemText(item);
    switch (item->GetData()) {
        case kTitleTextId:
            kit->SetTitleText(wellplot::TextToTitle(text));
            break;
        case kTitleDirectionId:
            kit->SetTitleDirection(choice);
            break;
        case kSourceTypeId:
            kit->DataType(choice == kGraphicsSource ? DATA_GRAPHIC : DATA_WELL);
            OfferLevels(Item(kLevelId), choice != kGraphicsSource);
            return 0;
        case kLevelId:
            kit->Grade(choice);
            break;
        case kSameDistanceId:
            kit->ValidSameDistance(choice != 0);
            break;
        case kUseShootDataId:
            kit->UseShootData(choice != 0);
            if (CBCGPProp* only = Item(kOnlyInStratumId)) only->Enable(choice != 0 ? TRUE : FALSE);
            break;
        case kOnlyInStratumId:
            kit->OnlyInStratum(choice != 0);
            break;
        default:
            break;
    }
    kit->InvalidSelf();
    kit->UpdateParent();
    UpdateView();
    return 0;
}
