#include "wellplot/intervals/LstContent.h"

#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/NumberText.h"
#include "framework/PropItems.h"
#include "hosttypes/Osprey/WellDataManager.h"
#include "hosttypes/Tinder/TimeStamp.h"
#include "hosttypes/Zephyr/WpSegment.h"
#include "wellplot/WellPlotTexts.h"
#include "wellplot/intervals/IntervalTexts.h"

IMPLEMENT_DYNCREATE(CLstContent, CWndLst)

namespace {

// The active interval's top (or bottom) depth as the pages show it; empty without an active interval.
CString ActiveSegDepthText(CWpSegment* kit, bool top) {
    const int i = kit->GetActiveSeg();
    if (i < 0) return CString();
    return FormatString("%0.2f", numtext::Shown(top ? kit->GetSegTopDpth(i) : kit->GetSegBottomDpth(i), 2));
}

// The item's text read as a number (no number reads 0) and given to the kit's active interval as
// its top (or bottom) depth, whatever its sign: a plot in elevation depths has negative depths.
// False when a double cannot hold the number or the kit refuses it (a top below the bottom).
bool StoreActiveSegDepth(CWpSegment* kit, CBCGPProp* item, bool top) {
    double depth = 0;
    if (!kit || !numtext::LeadingNumber(ItemText(item), &depth)) return false;
    const int i = kit->GetActiveSeg();
    return top ? kit->SetSegTopDpth(i, depth) : kit->SetSegBottomDpth(i, depth);
}

}  // namespace

CLstContent::CLstContent() = default;
CLstContent::~CLstContent() = default;

int CLstContent::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    auto* title = new CBCGPProp(wptext::kTitle, kTitleGroupId);
    title->AddSubItem(new CBCGPProp(ivtext::kName, _variant_t(""), "", kTitleNameId));
    title->AddSubItem(CreateOrientationProp(wptext::kDirection, kTitleDirectionId, _variant_t(grouptext::kAuto),
                                            ivtext::kTitleDirectionDescription));
    title->AddSubItem(CreateFontProp(wptext::kFont, kTitleFontId));
    m_wndPropList.AddProperty(title, TRUE, TRUE);
    return 0;
}

void CLstContent::UpdateBCGPProperty(long object, CString) {
    if (object != GetCurrentObject() || !IsKitChanged()) return;
    SetTimeStamp(AfxGetTimeStamp());
    RefreshFromKit();
}

void CLstContent::ShowItemAgain(CBCGPProp*) {
    if (!SelectedKit<CWpKit>()) return;
    SetTimeStamp(AfxGetTimeStamp());
    RefreshFromKit();
}

BOOL CLstContent::IsKitChanged() {
    CWpKit* kit = SelectedKit<CWpKit>();
    if (!kit) return FALSE;
    return kit->GetTimeStamp() > GetTimeStamp() || !IsSameObject();
}

BOOL CLstContent::IsKitOrStrataChanged() {
    if (CLstContent::IsKitChanged()) return TRUE;
    if (!SelectedKit<CWpKit>()) return FALSE;
    return CWellDataManager::Instance()->GetStratumManager()->GetTimeStamp() > GetTimeStamp();
}

void CLstContent::RefreshFromKit() {
    CWpKit* kit = SelectedKit<CWpKit>();
    CBCGPProp* title = m_wndPropList.FindItemByData(kTitleGroupId, TRUE);
    if (!kit || !title) return;
    ShowTextIfChanged(title->FindSubItemByData(kTitleNameId), wellplot::TitleToText(kit->GetTitleText()));
    SetOrientationProp(title->FindSubItemByData(kTitleDirectionId), kit->GetTitleDirection());
    if (CBCGPProp* font = title->FindSubItemByData(kTitleFontId)) SetFontProp(font, kit->GetTitleFont());
}

LRESULT CLstContent::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CWpKit* kit = SelectedKit<CWpKit>();
    if (!item || !kit) return 0;
    kit->SetModifyFlag(1);
    CBCGPProp* parent = item->GetParent();
    if (item->GetData() == kTitleNameId) {
        kit->SetTitleText(wellplot::TextToTitle(ItemText(item)));
        kit->UpdateParent();
        kit->InvalidSelf();
        UpdateView();
    } else if (item->GetData() == kTitleDirectionId) {
        kit->SetTitleDirection(GetOrientationProp(item));
        kit->UpdateParent();
        kit->InvalidSelf();
        UpdateView();
    } else if (parent && parent->GetData() == kTitleFontId) {
        // The whole group is stored, whatever it reports of its size.
        QXLOGFONT font = kit->GetTitleFont();
        GetFontProp(parent, font);
        kit->SetTitleFont(font);
        kit->InvalidSelf();
        UpdateView();
    }
    return 0;
}

bool CLstContent::TakeActiveSegDepth(CBCGPProp* item) {
    CBCGPProp* group = item->GetParent();
    const CString name = item->GetName();
    const bool top = name == ivtext::kTopDepth;
    if (!group || group->GetName() != ivtext::kCurrentSeg || (!top && name != ivtext::kBottomDepth)) return true;
    CWpSegment* kit = SelectedKit<CWpSegment>();
    const bool taken = StoreActiveSegDepth(kit, item, top);
    // The item shows what the kit keeps, as the refresh shows it ("-0" is kept as 0), and only the
    // item: a whole refresh may write the kit's table or field names.
    if (kit) SetItemText(item, ActiveSegDepthText(kit, top));
    return taken;
}

CBCGPProp* NewSegDepthGroup(DWORD_PTR groupId, DWORD_PTR topId, DWORD_PTR bottomId) {
    auto* group = new CBCGPProp(ivtext::kCurrentSeg, groupId);
    group->AddSubItem(new CBCGPProp(ivtext::kTopDepth, _variant_t(""), ivtext::kSegTopDescription, topId));
    group->AddSubItem(new CBCGPProp(ivtext::kBottomDepth, _variant_t(""), ivtext::kSegBottomDescription, bottomId));
    return group;
}

void ShowActiveSegDepths(CWpSegment* kit, CBCGPProp* top, CBCGPProp* bottom) {
    SetItemText(top, ActiveSegDepthText(kit, true));
    SetItemText(bottom, ActiveSegDepthText(kit, false));
}
