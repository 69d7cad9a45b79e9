#include "wellplot/intervals/LstContent.h"

#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/NumberText.h"
#include "framework/PropItems.h"
#include "hosttypes/Osprey/WellDataManager.h"
#include "hosttypes/Tinder/TimeStamp.h"
#include "hosttypes/Zephyr/WpSegment.h"
#include "wellplot/PageLists.h"
#include "wellplot/WellPlotTexts.h"
#include "wellplot/intervals/IntervalTexts.h"
#include "wellplot/intervals/KitItems.h"

IMPLEMENT_DYNCREATE(CLstContent, CWndLst)

namespace {

// The active interval's top (or bottom) depth as the pages show it; empty without an active interval.
CString ActiveSegDepthText(CWpSegment* kit, bool top) {
    const int i = kit->GetActiveSeg();
    if (i < 0) return CString();
    return numtext::Fixed(top ? kit->GetSegTopDpth(i) : kit->GetSegBottomDpth(i), 2);
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

bool CLstContent::IsKitChanged() {
    CWpKit* kit = SelectedKit<CWpKit>();
    if (!kit) return false;
    return kit->GetTimeStamp() > GetTimeStamp() || !IsSameObject();
}

bool CLstContent::IsKitOrStrataChanged() {
    if (CLstContent::IsKitChanged()) return true;
    if (!SelectedKit<CWpKit>()) return false;
    return CWellDataManager::Instance()->GetStratumManager()->GetTimeStamp() > GetTimeStamp();
}

void CLstContent::RefreshFromKit() {
    CWpKit* kit = SelectedKit<CWpKit>();
    CBCGPProp* title = m_wndPropList.FindItemByData(kTitleGroupId, TRUE);
    if (!kit || !title) return;
    ShowTextIfChanged(title->FindSubItemByData(kTitleNameId), wellplot::TitleToText(kit->GetTitleText()));
    SetOrientationProp(title->FindSubItemByData(kTitleDirectionId), kit->GetTitleDirection());
    if (CBCGPProp* font = title->FindSubItemByData(kTitleFontId)) SetFontProp(font, wellplot::TitleFontOf(kit));
}

LRESULT CLstContent::OnPropertyChanged(WPARAM, LPARAM lParam) {
    WriteBase(reinterpret_cast<CBCGPProp*>(lParam));
    return 0;
}

bool CLstContent::WriteBase(CBCGPProp* item) {
    CWpKit* kit = SelectedKit<CWpKit>();
    if (!item || !kit) return true;
    CBCGPProp* parent = item->GetParent();
    const bool fontEdit = parent && parent->GetData() == kTitleFontId;
    // Only the edited field of the font is read: a size it refuses writes nothing at all.
    QXLOGFONT font = wellplot::TitleFontOf(kit);
    if (fontEdit && !EditGroupField(item, font)) return false;
    // The pages read their own lists before they come here: only the direction is read here.
    int direction = 0;
    if (item->GetData() == kTitleDirectionId && !wellplot::ReadChoice(item, &direction)) return false;
    kit->SetModifyFlag(1);
    if (item->GetData() == kTitleNameId) {
        kit->SetTitleText(wellplot::TextToTitle(ItemText(item)));
        kit->UpdateParent();
        kit->InvalidSelf();
        UpdateView();
    } else if (item->GetData() == kTitleDirectionId) {
        kit->SetTitleDirection(direction);
        kit->UpdateParent();
        kit->InvalidSelf();
        UpdateView();
    } else if (fontEdit) {
        kit->SetTitleFont(&font);
        kit->InvalidSelf();
        UpdateView();
    }
    return true;
}

bool CLstContent::KitText(CBCGPProp* item, CString* text) {
    CWpSegment* kit = SelectedKit<CWpSegment>();
    CBCGPProp* group = item ? item->GetParent() : nullptr;
    if (!kit || !group || group->GetName() != ivtext::kCurrentSeg) return false;
    const CString name = item->GetName();
    if (name != ivtext::kTopDepth && name != ivtext::kBottomDepth) return false;
    *text = ActiveSegDepthText(kit, name == ivtext::kTopDepth);
    return true;
}

void CLstContent::ShowKitValue(CBCGPProp* item) {
    CString text;
    if (KitText(item, &text)) SetItemText(item, text);
}

bool CLstContent::WriteBaseBack(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    if (!item) return false;
    CBCGPProp* group = item->GetParent();
    const CString name = item->GetName();
    const bool top = name == ivtext::kTopDepth;
    const bool depth = group && group->GetName() == ivtext::kCurrentSeg && (top || name == ivtext::kBottomDepth);
    if (!depth) return WriteBase(item);
    CWpSegment* kit = SelectedKit<CWpSegment>();
    if (!kit) return false;
    // Any sign is a depth (a plot in elevation depths has negative depths); no number reads 0.
    double value = 0;
    if (!numtext::LeadingNumber(ItemText(item), &value)) {
        ShowKitValue(item);
        return false;
    }
    WriteBase(item);
    const int i = kit->GetActiveSeg();
    const bool taken = top ? kit->SetSegTopDpth(i, value) : kit->SetSegBottomDpth(i, value);
    // The item shows what the kit keeps ("-0" is kept as 0), taken or not.
    ShowKitValue(item);
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
