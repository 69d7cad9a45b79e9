#include "wellplot/intervals/LstContent.h"

#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/NumberText.h"
#include "hosttypes/Osprey/WellDataManager.h"
#include "hosttypes/Tinder/TimeStamp.h"
#include "hosttypes/Zephyr/WpSegment.h"
#include "framework/PropItems.h"
#include "wellplot/WellPlotTexts.h"
#include "wellplot/intervals/IntervalTexts.h"

IMPLEMENT_DYNCREATE(CLstContent, CWndLst)

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

bool StoreActiveSegDepth(CWpSegment* kit, CBCGPProp* item, bool top) {
    double depth = 0;
    if (!kit || !numtext::LeadingNumber(ItemText(item), &depth) || depth < 0) return false;
    const int i = kit->GetActiveSeg();
    return top ? kit->SetSegTopDpth(i, depth) : kit->SetSegBottomDpth(i, depth);
}

CBCGPProp* NewSegDepthGroup(DWORD_PTR groupId, DWORD_PTR topId, DWORD_PTR bottomId) {
    auto* group = new CBCGPProp(ivtext::kCurrentSeg, groupId);
    group->AddSubItem(new CBCGPProp(ivtext::kTopDepth, _variant_t(""), ivtext::kSegTopDescription, topId));
    group->AddSubItem(new CBCGPProp(ivtext::kBottomDepth, _variant_t(""), ivtext::kSegBottomDescription, bottomId));
    return group;
}

void ShowActiveSegDepths(CWpSegment* kit, CBCGPProp* top, CBCGPProp* bottom) {
    const int i = kit->GetActiveSeg();
    SetItemText(top, i < 0 ? CString() : FormatString("%0.2f", kit->GetSegTopDpth(i)));
    SetItemText(bottom, i < 0 ? CString() : FormatString("%0.2f", kit->GetSegBottomDpth(i)));
}
