#include "wellplot/LstTrack.h"

#include "framework/ItemGroupsBasic.h"
#include "framework/OptionTables.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "hosttypes/Zephyr/WpTrack.h"
#include "hosttypes/Zephyr/WpWell.h"
#include "wellplot/KitPage.h"
#include "wellplot/KitWalk.h"
#include "wellplot/PageLists.h"
#include "wellplot/WellPlotTexts.h"

namespace {

// Any other scope text is -1, which the refresh shows empty; any other scale type is linear.
const TextValue kFontScopes[] = {
    {wptext::kThisContentTrack, 0},
    {wptext::kAllContentTracks, 1},
    {wptext::kAllTracks, 2},
};

const TextValue kScaleTypes[] = {
    {"线性", 0},
    {"对数", 1},
};

// A logarithmic scale's left or right value: a number the scale's float holds. Its items refuse any
// other text by the same rule.
bool ReadScaleValue(CBCGPProp* item, float* value) { return wellplot::ScaledNumber(ItemText(item), 1, true, value); }

CBCGPropFloat* NewScaleValue(const char* name, double value, const char* description, DWORD_PTR id) {
    auto* item = new CBCGPropFloat(name, _variant_t(value), 0, description, FALSE, id);
    item->AllowEdit(TRUE);
    ReadBy(item, wellplot::ScaledRule(1, true));
    return item;
}

}  // namespace

void ApplyTrackTitleFont(CWpKit* track, const QXLOGFONT& font) {
    const int scope = track ? track->GetTtlFtScope() : -1;
    if (scope != 1 && scope != 2) return;
    QXLOGFONT given = font;
    wellplot::ForEachTrackKit(track->GetWell(), true, scope == 2, [&](CWpKit* kit) { kit->SetTitleFont(&given); });
}

CLstTrack::CLstTrack(CWpKit* kit) : m_pKit(kit) {}
CLstTrack::~CLstTrack() = default;

CWpTrack* CLstTrack::Track() const { return wellplot::KeptKit<CWpTrack>(*this, m_pKit); }

int CLstTrack::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    auto* title = new CBCGPProp(wptext::kTitle, kTitleGroupId);
    title->AddSubItem(new CBCGPProp(wptext::kText, _variant_t(""), "指定内容道标题文本", kTitleTextId));
    // Any other text is no scope, which the refresh shows empty.
    title->AddSubItem(
        wellplot::NewSettingList(wptext::kFontApplyTo, "指定标题字体设置的应用范围", kFontScopeId, kFontScopes));
    CBCGPProp* font = CreateFontPropFloatSize(wptext::kFont, kFontGroupId);
    font->Expand(FALSE);
    title->AddSubItem(font);
    m_wndPropList.AddProperty(title, TRUE, TRUE);

    auto* scale = new CBCGPProp(wptext::kScale, kScaleGroupId);
    scale->AddSubItem(
        NewFixedListItem(wptext::kType, "", "指定刻度线刻度类型", kScaleTypeId, kScaleTypes, OtherTakenAs(0)));
    m_wndPropList.AddProperty(scale, TRUE, TRUE);
    return 0;
}

void CLstTrack::UpdateBCGPProperty(long object, CString) {
    CWpTrack* track = Track();
    if (!wellplot::BeginKitRefresh(*this, object, track)) return;
    if (m_wndPropList.FindItemByData(kTitleGroupId)) {
        SetItemText(m_wndPropList.FindItemByData(kTitleTextId), track->GetTitleText());
        SetItemText(m_wndPropList.FindItemByData(kFontScopeId), TextOfValue(kFontScopes, track->GetTtlFtScope(), ""));
        EnableFontProp(m_wndPropList.FindItemByData(kFontGroupId), wellplot::TitleFontOf(track), true);
    }
    ShowScale(track);
    m_wndPropList.AdjustLayout();
}

// The left and right values exist only for a logarithmic scale; they are made anew every time.
void CLstTrack::ShowScale(CWpTrack* track) {
    CBCGPProp* scale = m_wndPropList.FindItemByData(kScaleGroupId);
    if (!scale) return;
    m_wndPropList.SetCurSel(nullptr);
    DeleteLastSubItems(scale, scale->GetSubItemsCount() - 1);
    const int log = track->IsLogScale() ? 1 : 0;
    SetItemText(m_wndPropList.FindItemByData(kScaleTypeId), TextOfValue(kScaleTypes, log, ""));
    if (!log) return;
    scale->AddSubItem(NewScaleValue("左值", track->GetLeft(), "指定对数刻度左值", kLeftId));
    scale->AddSubItem(NewScaleValue("右值", track->GetRight(), "指定对数刻度右值", kRightId));
}

LRESULT CLstTrack::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CWpTrack* track = Track();
    // A list's text stands for the value stored.
    int choice = 0;
    if (!item || !track || !wellplot::ReadChoice(item, &choice)) return 0;
    const CString text = ItemText(item);

    switch (item->GetData()) {
        case kTitleTextId:
            track->SetTitleText(text);
            track->UpdateParent();
            break;
        case kFontScopeId:
            track->SetTtlFtScope(choice);
            track->UpdateParent();
            break;
        case kFontFaceId:
        case kFontSizeId:
        case kFontColorId:
            if (!EditFont(track, item)) return ShowStored(track, item);
            break;
        case kScaleTypeId:
            track->LogScale(choice);
            track->Recalculate();
            SetKitTimeStamp(track);  // the next refresh adds or removes the value items
            break;
        case kLeftId:
        case kRightId:
            if (!EditScaleValue(track, item)) return ShowStored(track, item);
            break;
        default:
            break;
    }
    track->InvalidSelf();
    UpdateView();
    return 0;
}

// A size or scale value refused although its item took the text (a change reported from code): the
// item shows the stored value as the refresh does, and nothing is written or redrawn.
LRESULT CLstTrack::ShowStored(CWpTrack* track, CBCGPProp* item) {
    ShowStoredValueOf(item, {{kFontSizeId, wellplot::TitleFontOf(track).size / 100.0},
                            {kLeftId, track->GetLeft()},
                            {kRightId, track->GetRight()}});
    return 0;
}

bool CLstTrack::EditFont(CWpTrack* track, CBCGPProp* item) {
    QXLOGFONT font = wellplot::TitleFontOf(track);
    if (!GetFontSubProp(item, font, static_cast<int>(item->GetData() - kFontFaceId))) return false;
    track->SetTitleFont(&font);
    ApplyTrackTitleFont(track, font);
    track->UpdateParent();
    return true;
}

// A value the scale's float cannot hold is refused by the item.
bool CLstTrack::EditScaleValue(CWpTrack* track, CBCGPProp* item) {
    const bool left = item->GetData() == kLeftId;
    float value = 0;
    if (!ReadScaleValue(item, &value)) return false;
    if (left)
        track->SetLeft(value);
    else
        track->SetRight(value);
    return true;
}
