#include "wellplot/LstWell.h"

#include <climits>
#include <cmath>

#include "framework/FixedList.h"
#include "framework/GroupEdits.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/OptionTables.h"
#include "framework/PropItems.h"
#include "framework/PropSizeText.h"
#include "hosttypes/Osprey/WellDataManager.h"
#include "hosttypes/Zephyr/WDMgrIO.h"
#include "hosttypes/Zephyr/WpWell.h"
#include "wellplot/KitPage.h"
#include "wellplot/PageLists.h"
#include "wellplot/WellPlotTexts.h"

IMPLEMENT_DYNCREATE(CLstWell, CWndLst)

namespace {

constexpr const char* kWell = "井";
constexpr const char* kRange = "深度范围";
constexpr const char* kDepthKind = "纵向深度类型";
constexpr const char* kTopDepth = "顶深(米)";
constexpr const char* kBottomDepth = "底深(米)";
constexpr const char* kLevel = "分层级别";
constexpr const char* kTopUnit = "顶层单元";
constexpr const char* kBottomUnit = "底层单元";
constexpr const char* kExtend = "外延深度(米)";
constexpr const char* kScale = "深度比例";
constexpr const char* kSandThick = "砂岩等厚厚度(米)";
constexpr const char* kShaleThick = "泥岩等厚厚度(米)";
constexpr const char* kNotSet = "不设置";
constexpr const char* kAutoDepth = "深度线及标尺";
constexpr const char* kKeep = "保持当前值";
constexpr const char* kAdjust = "自动调整";
constexpr const char* kBreaks = "断点处理";
constexpr const char* kBlank = "断点处留空白";
constexpr const char* kLostLineShown = "显示断失顶底线";
constexpr const char* kLostLine = "断失顶底线";

const TextValue kDepthKinds[] = {{"测深", 0}, {"垂深", 1}};
const TextValue kLevels[] = {{"一级", 0}, {"二级", 1}, {"三级", 2}, {"四级", 3}, {"五级", 4}};
constexpr int kLevelCount = 5;
const TextValue kAutoDepths[] = {{kKeep, 0}, {kAdjust, 1}};

// A unit's top depth is usable within these bounds.
constexpr double kMinUnitTop = 0.001;
constexpr double kMaxUnitTop = 100000;
bool UsableTop(double top) { return top >= kMinUnitTop && top <= kMaxUnitTop; }

CString Metres(double value) { return numtext::Fixed(value, 2); }
CString ScaleText(int scale) { return FormatString("1:%d", scale); }

// A typed number as the float a depth field keeps; false when the float cannot hold it.
bool ReadDepth(const CString& text, float* value) {
    double number = 0;
    return numtext::LeadingNumber(text, &number) && numtext::FitFloat(number, 1, value);
}

// Stores a computed depth that a float holds; any other is left out.
void StoreTop(CWpWell* well, double depth) {
    if (float value = 0; numtext::FitFloat(depth, 1, &value)) well->SetTopDepth(value);
}
void StoreBottom(CWpWell* well, double depth) {
    if (float value = 0; numtext::FitFloat(depth, 1, &value)) well->SetBottomDepth(value);
}

void AddOptions(CBCGPProp* item, const std::vector<CString>& options) {
    for (const CString& option : options) item->AddOption(option);
}

// An option item that also takes a typed number: it refuses what the page's reader refuses.
CBCGPProp* NewNumberChoice(const char* name, const char* value, const char* description, DWORD_PTR id,
                           const std::vector<CString>& options, TextRule rule) {
    CBCGPProp* item = new CBCGPropSizeText(name, _variant_t(value), description, id, std::move(rule));
    AddOptions(item, options);
    return item;
}

// The extension of the units: a depth of 0 or more.
bool ReadExtension(const CString& text, float* value) {
    float read = 0;
    if (!ReadDepth(text, &read) || read < 0) return false;
    *value = read;
    return true;
}

}  // namespace

std::vector<CString> ExtendOptions() {
    std::vector<CString> options;
    for (double x = 0; x < 10.1; x += 0.5) options.push_back(FormatString("%g", x));
    return options;
}

std::vector<CString> ThicknessOptions() {
    std::vector<CString> options{kNotSet};
    for (double x = 0.5; x < 10.1; x += 0.5) options.push_back(FormatString("%g", x));
    return options;
}

std::vector<CString> ScaleOptions() {
    std::vector<CString> options;
    for (int s = 1; s < 10001; s *= 10)
        for (int factor : {1, 2, 5}) options.push_back(ScaleText(s * factor));
    options.push_back(ScaleText(100000));
    return options;
}

const char* LevelText(int level) {
    if (level < 0) return wptext::kUnknownUnit;
    return TextOfValue(kLevels, level < kLevelCount ? level : kLevelCount - 1, wptext::kUnknownUnit);
}

bool ReadDepthScale(const CString& text, int* scale) {
    const int colon = text.Find(':');
    const CString number = colon < 0 ? text : text.Mid(colon + 1);
    // A whole number as typed: "1e39" and "2.5e2" name no scale, rather than a scale of 1 or 250.
    long long whole = 0;
    if (!numtext::LeadingWhole(number, &whole) || whole <= 0 || whole > INT_MAX) return false;
    *scale = static_cast<int>(whole);
    return true;
}

CLstWell::CLstWell() = default;
CLstWell::~CLstWell() = default;

int CLstWell::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    auto* well = new CBCGPProp(kWell, _variant_t(""), "指定柱状图目标井", kWellId);
    well->AllowEdit(FALSE);
    m_wndPropList.AddProperty(well, TRUE, TRUE);

    auto* range = new CBCGPProp(kRange, kRangeGroupId);
    // Any other depth kind is measured depth; any other level none (-1, "未知"); any other choice
    // keeps the depth lines as they are.
    range->AddSubItem(NewFixedListItem(kDepthKind, kDepthKinds[0].text, "指定深度类型", kDepthKindId, kDepthKinds,
                                       OtherTakenAs(0)));
    range->AddSubItem(new CBCGPProp(kTopDepth, _variant_t("0"), "指定顶部深度", kTopDepthId));
    range->AddSubItem(new CBCGPProp(kBottomDepth, _variant_t("0"), "指定底部深度", kBottomDepthId));
    CFixedListProp* level = NewFixedListItem(kLevel, kLevels[4].text, "指定分层级别", kLevelId, kLevels, OtherTakenAs(-1));
    level->ShowUnlistedAs(wptext::kUnknownUnit);  // a level no option stands for, as the refresh shows it
    level->OfferOnly({kLevels[4].text});
    range->AddSubItem(level);
    range->AddSubItem(
        NewOptionItem(kTopUnit, wptext::kUnknownUnit, "指定顶层单元", kTopUnitId, {wptext::kUnknownUnit}, false));
    range->AddSubItem(
        NewOptionItem(kBottomUnit, wptext::kUnknownUnit, "指定底层单元", kBottomUnitId, {wptext::kUnknownUnit}, false));
    range->AddSubItem(
        NewNumberChoice(kExtend, "0", "指定分层单元外延深度", kExtendId, ExtendOptions(), ReaderRule(ReadExtension)));
    m_wndPropList.AddProperty(range, TRUE, TRUE);

    auto* scale = new CBCGPProp(kScale, kScaleGroupId);
    scale->AddSubItem(
        NewNumberChoice(kScale, "1:200", "指定绘图深度比例", kScaleId, ScaleOptions(), ReaderRule(ReadDepthScale)));
    scale->AddSubItem(NewNumberChoice(kSandThick, kNotSet, "指定砂岩等厚厚度", kSandThickId, ThicknessOptions(),
                                      ReaderRule(ReadDepth)));
    scale->AddSubItem(NewNumberChoice(kShaleThick, kNotSet, "指定泥岩等厚厚度", kShaleThickId, ThicknessOptions(),
                                      ReaderRule(ReadDepth)));
    scale->AddSubItem(NewFixedListItem(kAutoDepth, kKeep, "指定是否自动调整深度线及标尺间隔以符合相应的深度比例",
                                       kAutoDepthId, kAutoDepths, OtherTakenAs(0)));
    m_wndPropList.AddProperty(scale, TRUE, TRUE);

    auto* breaks = new CBCGPProp(kBreaks, kBreakGroupId);
    breaks->AddSubItem(NewYesNoList(kBlank, "", nullptr, kBlankId));
    breaks->AddSubItem(NewYesNoList(kLostLineShown, "", nullptr, kLostLineShownId));
    breaks->AddSubItem(CreateLineProp(kLostLine, kLostLineId, false));
    m_wndPropList.AddProperty(breaks, TRUE, TRUE);
    return 0;
}

// ---- refresh ------------------------------------------------------------------------------------
void CLstWell::UpdateBCGPProperty(long object, CString) {
    CWpWell* well = wellplot::KitOf<CWpWell>(object);
    if (!wellplot::BeginKitRefresh(*this, object, well)) return;
    ShowTextIfChanged(m_wndPropList.FindItemByData(kWellId), well->GetName());
    WDMgrIO* data = well->GetDataMgr();
    if (!data) return;
    LogStratumDIO* layering = data->GetStratum(well->GetUnitClass(), "");

    const int kind = data->GetDepthType();
    if (kind == 0 || kind == 1)
        ShowTextIfChanged(m_wndPropList.FindItemByData(kDepthKindId), TextOfValue(kDepthKinds, kind, ""));
    ShowTextIfChanged(m_wndPropList.FindItemByData(kTopDepthId),
                      Metres(static_cast<double>(well->GetTopDepth()) + well->GetTopExtendDepth()));
    ShowTextIfChanged(m_wndPropList.FindItemByData(kBottomDepthId),
                      Metres(static_cast<double>(well->GetBottomDepth()) - well->GetBotExtendDepth()));
    ShowLevels(well);
    ShowUnits(well, layering);
    ShowTextIfChanged(m_wndPropList.FindItemByData(kScaleId), ScaleText(well->GetDepthScale()));
    ShowThickness(well);
    ShowTextIfChanged(m_wndPropList.FindItemByData(kAutoDepthId), well->GetAutoDepth() ? kAdjust : kKeep);
    ShowBreaks(well);
}

// Only the levels the well has units of are offered.
void CLstWell::ShowLevels(CWpWell* well) {
    CBCGPProp* item = m_wndPropList.FindItemByData(kLevelId);
    if (!item) return;
    std::vector<CString> offered;
    WDMgrIO* data = well->GetDataMgr();
    if (well->WellExist()) {
        for (const TextValue& level : kLevels)
            if (LogStratumDIO* units = data->GetStratum(level.value, ""); units && units->GetUnitCount() > 0)
                offered.emplace_back(level.text);
    }
    if (CFixedListProp* list = FixedListOf(item)) list->OfferOnly(offered);
    ShowTextIfChanged(item, LevelText(well->GetUnitClass()));
    item->Enable(item->GetOptionCount() > 0);
}

void CLstWell::ShowUnits(CWpWell* well, LogStratumDIO* layering) {
    const int count = layering ? layering->GetUnitCount() : 0;
    const struct {
        DWORD_PTR id;
        CString unit;
    } ends[] = {{kTopUnitId, well->GetTopUnit()}, {kBottomUnitId, well->GetBottomUnit()}};
    for (const auto& end : ends) {
        CBCGPProp* item = m_wndPropList.FindItemByData(end.id);
        if (!item) continue;
        item->RemoveAllOptions();
        item->AddOption(wptext::kUnknownUnit);
        for (int i = 0; i < count; ++i) item->AddOption(layering->GetUnitName(i));
        ShowTextIfChanged(item, end.unit);
        item->Enable(item->GetOptionCount() > 0);
    }
    if (CBCGPProp* item = m_wndPropList.FindItemByData(kExtendId)) {
        double shown = 0;
        numtext::LeadingNumber(ItemText(item), &shown);
        const double extension = well->GetTopExtendDepth();
        if (std::fabs(shown - extension) > 0.001) SetItemText(item, Metres(extension));
        item->Enable(count > 0 &&
                     (well->GetTopUnit() != wptext::kUnknownUnit || well->GetBottomUnit() != wptext::kUnknownUnit));
    }
}

// The thickness items need the well's sand data: of kinds 1 to 3 the first that holds records,
// else that of kind 4.
void CLstWell::ShowThickness(CWpWell* well) {
    LogSandDIO* sand = nullptr;
    if (WDMgrIO* data = well->GetDataMgr(); data && well->WellExist()) {
        for (int kind = 1; kind <= 3 && !sand; ++kind)
            if (LogSandDIO* set = data->GetSand(kind, ""); set && set->GetRecordCount() > 0) sand = set;
        if (!sand) sand = data->GetSand(4, "");
    }
    const bool enable = sand && sand->GetRecordCount() > 0;
    const struct {
        DWORD_PTR id;
        float thick;
    } items[] = {{kSandThickId, well->GetSandThick()}, {kShaleThickId, well->GetShaleThick()}};
    for (const auto& entry : items) {
        CBCGPProp* item = m_wndPropList.FindItemByData(entry.id);
        if (!item) continue;
        ShowTextIfChanged(item, entry.thick > 0.001 ? Metres(entry.thick) : CString(kNotSet));
        item->Enable(enable);
    }
}

void CLstWell::ShowBreaks(CWpWell* well) {
    if (CBCGPProp* blank = m_wndPropList.FindItemByData(kBlankId)) SetYesNoProp(blank, well->IsBlankSpace());
    if (CBCGPProp* shown = m_wndPropList.FindItemByData(kLostLineShownId))
        SetYesNoProp(shown, well->IsFaultPointLine());
    if (CBCGPProp* line = m_wndPropList.FindItemByData(kLostLineId)) SetLineProp(line, well->GetFaultPointLine());
    EnableBreakItems(well->IsBlankSpace());
}

void CLstWell::EnableBreakItems(bool blank) {
    CBCGPProp* shown = m_wndPropList.FindItemByData(kLostLineShownId);
    if (shown) shown->Enable(blank);
    if (CBCGPProp* line = m_wndPropList.FindItemByData(kLostLineId)) {
        const bool enable = blank && shown && GetYesNoProp(shown);
        line->Enable(enable);
        EnableAllSubItems(line, enable);
    }
}

namespace {

// The item a caption names among those the page reads as numbers; 0 for any other caption.
DWORD_PTR NumberIdOfCaption(const CString& caption) {
    if (caption == kExtend) return CLstWell::kExtendId;
    if (caption == kScale) return CLstWell::kScaleId;
    if (caption == kSandThick) return CLstWell::kSandThickId;
    if (caption == kShaleThick) return CLstWell::kShaleThickId;
    return 0;
}

// The refresh's text of an item whose text the page reads as a number: extension, scale or a
// thickness.
CString StoredText(CWpWell* well, DWORD_PTR id) {
    switch (id) {
        case CLstWell::kExtendId:
            return Metres(well->GetTopExtendDepth());
        case CLstWell::kScaleId:
            return ScaleText(well->GetDepthScale());
        default: {
            const float thick = id == CLstWell::kSandThickId ? well->GetSandThick() : well->GetShaleThick();
            return thick > 0.001 ? Metres(thick) : CString(kNotSet);
        }
    }
}

}  // namespace

void CLstWell::ShowItemAgain(CBCGPProp* item) {
    CWpWell* well = wellplot::CurrentKit<CWpWell>(*this);
    const DWORD_PTR id = item ? item->GetData() : 0;
    if (well && (id == kExtendId || id == kScaleId || id == kSandThickId || id == kShaleThickId))
        SetItemText(item, StoredText(well, id));
    else if (well && id == kLostLineId + 2)  // the width, shown even where no refresh showed it yet
        ShowFixed(item, well->GetFaultPointLine().width / numtext::kHundredths, 2);
    else
        CWndLst::ShowItemAgain(item);
}

// ---- write-back -----------------------------------------------------------------------------------
LRESULT CLstWell::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CWpWell* well = wellplot::CurrentKit<CWpWell>(*this);
    // A list's text stands for the value stored.
    int choice = 0;
    if (!item || !well || !wellplot::ReadChoice(item, &choice)) return 0;
    const CString caption = item->GetName();
    const CString text = ItemText(item);

    // The level is taken at once, so the layering below is already the new level's.
    if (caption == kLevel) well->SetUnitClass(choice);
    WDMgrIO* data = well->GetDataMgr();
    LogStratumDIO* layering = data ? data->GetStratum(well->GetUnitClass(), "") : nullptr;

    if (caption == kWell) {
        well->SwitchData(text);
    } else if (caption == kDepthKind) {
        EditDepthKind(well, choice);
    } else if (caption == kTopDepth || caption == kBottomDepth) {
        // Refused (after its message): the item shows the stored depth, nothing is redrawn.
        if (!EditDepth(well, item, caption == kTopDepth, layering)) return 0;
    } else if (caption == kLevel) {
        if (layering) EditLevel(well, choice, layering);
    } else if (caption == kTopUnit) {
        if (layering && !EditTopUnit(well, item, layering)) return 0;
    } else if (caption == kBottomUnit) {
        if (layering && !EditBottomUnit(well, item, layering)) return 0;
    } else if (const DWORD_PTR number = NumberIdOfCaption(caption)) {
        // Found by its caption, as every edit here: the group "深度比例" reported from code is a
        // scale too. A number the page refuses although the item took its text (a change reported
        // from code): the item shows the stored value as the refresh does, and nothing else happens.
        if (!EditNumber(well, number, ItemText(item), layering)) {
            SetItemText(item, StoredText(well, number));
            return 0;
        }
    } else if (caption == kAutoDepth) {
        well->SetAutoDepth(choice);
        well->Recalculate();
    } else if (caption == kBlank) {
        const bool blank = choice != 0;
        well->IsBlankSpace(blank);
        if (blank) {
            well->SetSandThick(0);
            well->SetShaleThick(0);
        }
        EnableBreakItems(blank);
        well->Recalculate();
    } else if (caption == kLostLineShown) {
        well->IsFaultPointLine(choice != 0);
        EnableBreakItems(true);
    } else if (item->GetParent() && item->GetParent()->GetName() == kLostLine) {
        // Only the edited field is read: a colour or style picked keeps the stored width. The width
        // item reads by the group's rule, so a width it refuses never comes here.
        QXLOGPEN pen = well->GetFaultPointLine();
        if (ReadEditedField(item, pen)) well->SetFaultPointLine(pen);
    }
    well->ComputeValidTopAndBottom();
    well->InvalidSelf();
    UpdateView();
    return 0;
}

// The stored range is converted to the new kind before the kind is stored.
void CLstWell::EditDepthKind(CWpWell* well, int kind) {
    WDMgrIO* data = well->GetDataMgr();
    if (!data || kind == data->GetDepthType()) return;
    CWellDataManager* manager = CWellDataManager::Instance();
    const CString name = well->GetName();
    const double top = well->GetTopDepth();
    const double bottom = well->GetBottomDepth();
    if (kind == 0) {
        StoreTop(well, manager->ConvertZToDepth(name, top, false));
        StoreBottom(well, manager->ConvertZToDepth(name, bottom, false));
    } else {
        StoreTop(well, manager->ConvertDepthToZ(name, top));
        StoreBottom(well, manager->ConvertDepthToZ(name, bottom));
    }
    well->SetDepthType(static_cast<DepthType>(kind));
    well->Recalculate();
}

// A top below the bottom (or a bottom above the top) is refused, and so is a depth a float cannot
// hold: a message, and the stored depth shown again. A depth keeps its sign (a plot in elevation
// depths has negative depths). The typed depth picks the unit that contains it, extension applied.
bool CLstWell::EditDepth(CWpWell* well, CBCGPProp* item, bool top, LogStratumDIO* layering) {
    float depth = 0;
    const bool legal =
        ReadDepth(ItemText(item), &depth) && (top ? !(well->GetBottomDepth() < depth) : !(well->GetTopDepth() > depth));
    if (!legal) {
        AfxMessageBox(wptext::kBadDepthRange, MB_OK);
    } else if (top) {
        well->SetTopDepth(depth);
        if (layering) {
            const int i = layering->FindUnit(static_cast<double>(depth) + well->GetTopExtendDepth());
            well->SetTopUnit(i < 0 ? CString(wptext::kUnknownUnit) : layering->GetUnitName(i));
        }
        well->Recalculate();
    } else {
        well->SetBottomDepth(depth);
        if (layering) {
            const int i = layering->FindUnit(static_cast<double>(depth) - well->GetBotExtendDepth());
            well->SetBottomUnit(i < 0 ? CString(wptext::kUnknownUnit) : layering->GetUnitName(i));
        }
        well->Recalculate();
    }
    SetItemText(item, Metres(top ? well->GetTopDepth() : well->GetBottomDepth()));
    return legal;
}

// One step finer carries the range over to the first and last sub-units of the old units; any
// other step leaves both units unknown and the depths as they are.
void CLstWell::EditLevel(CWpWell* well, int level, LogStratumDIO* layering) {
    CString newTop = wptext::kUnknownUnit;
    CString newBottom = wptext::kUnknownUnit;
    const CString oldTop = well->GetTopUnit();
    const CString oldBottom = well->GetBottomUnit();
    WDMgrIO* data = well->GetDataMgr();
    LogStratumDIO* parents = data->GetStratum(level > 0 ? level - 1 : 0, "");
    for (int k = 0; k < layering->GetUnitCount(); ++k) {
        const int j = layering->GetParentIndex(k);
        const CString parent = layering->GetParentName(k);
        if (!parents) continue;
        if (parent.CompareNoCase(oldTop) == 0) newTop = layering->GetUnitName(parents->GetFirstSubUnit(j));
        if (parent.CompareNoCase(oldBottom) == 0) newBottom = layering->GetUnitName(parents->GetLastSubUnit(j));
    }
    well->SetTopUnit(newTop);
    well->SetBottomUnit(newBottom);
    well->SetUnitClass(level);
    if (const int i = layering->FindUnit(newTop); i >= 0)
        StoreTop(well, layering->GetUnitTop(i) - well->GetTopExtendDepth());
    if (const int i = layering->FindUnit(newBottom); i >= 0)
        StoreBottom(well, layering->GetUnitTop(i) + layering->GetUnitThickness(i) + well->GetBotExtendDepth());
    well->Recalculate();
}

// "未知" starts at the first unit; a unit without a usable top gives way to the next one down.
// Without units nothing can be chosen: the unit becomes "未知" and the depths stay.
bool CLstWell::EditTopUnit(CWpWell* well, CBCGPProp* item, LogStratumDIO* layering) {
    const int n = layering->GetUnitCount();
    if (n == 0) {
        well->SetTopUnit(wptext::kUnknownUnit);
        well->Recalculate();
        return true;
    }
    int i = layering->FindUnit(ItemText(item));
    double top = i >= 0 ? layering->GetUnitTop(i) : 0;
    while (n - i > 1 && !UsableTop(top)) top = layering->GetUnitTop(++i);
    const int b = layering->FindUnit(well->GetBottomUnit());
    if (b != -1 && i >= b) {
        AfxMessageBox(wptext::kBadTopUnit, MB_OK);
        SetItemText(item, well->GetTopUnit());
        return false;
    }
    well->SetTopUnit(layering->GetUnitName(i));
    StoreTop(well, top - well->GetTopExtendDepth());
    well->Recalculate();
    return true;
}

// "未知" starts at the last unit; a unit without a usable top gives way to the next one up.
bool CLstWell::EditBottomUnit(CWpWell* well, CBCGPProp* item, LogStratumDIO* layering) {
    const int n = layering->GetUnitCount();
    if (n == 0) {
        well->SetBottomUnit(wptext::kUnknownUnit);
        well->Recalculate();
        return true;
    }
    int i = layering->FindUnit(ItemText(item));
    if (i < 0) i = n - 1;
    double top = layering->GetUnitTop(i);
    while (i > 0 && !UsableTop(top)) top = layering->GetUnitTop(--i);
    const int t = layering->FindUnit(well->GetTopUnit());
    if (t != -1 && i <= t) {
        AfxMessageBox(wptext::kBadBottomUnit, MB_OK);
        SetItemText(item, well->GetBottomUnit());
        return false;
    }
    well->SetBottomUnit(layering->GetUnitName(i));
    StoreBottom(well, layering->GetUnitThickness(i) + top + well->GetBotExtendDepth());
    well->Recalculate();
    return true;
}

// The items read as numbers: false when the page refuses the text. The extension needs the
// layering; without it the edit does nothing (and refuses nothing).
bool CLstWell::EditNumber(CWpWell* well, DWORD_PTR id, const CString& text, LogStratumDIO* layering) {
    switch (id) {
        case kExtendId:
            return !layering || EditExtension(well, text, layering);
        case kScaleId:
            return EditScale(well, text);
        default:
            return EditThickness(well, text, id == kSandThickId);
    }
}

// One extension for both ends, 0 or more. An end whose unit is unknown keeps its depth.
bool CLstWell::EditExtension(CWpWell* well, const CString& text, LogStratumDIO* layering) {
    float v = 0;
    if (!ReadExtension(text, &v)) return false;
    well->SetTopExtendDepth(v);
    well->SetBotExtendDepth(v);
    const int t = layering->FindUnit(well->GetTopUnit());
    const int b = layering->FindUnit(well->GetBottomUnit());
    if (t >= 0) StoreTop(well, layering->GetUnitTop(t) - v);
    if (b >= 0) StoreBottom(well, layering->GetUnitThickness(b) + layering->GetUnitTop(b) + v);
    well->Recalculate();
    return true;
}

// A scale of 0 or less means nothing.
bool CLstWell::EditScale(CWpWell* well, const CString& text) {
    int scale = 0;
    if (!ReadDepthScale(text, &scale)) return false;
    well->SetDepthScale(scale);
    well->Recalculate();
    return true;
}

// A thickness below 0.001 ("不设置" or no number) means not set; one set switches blank-at-break
// off. One no float holds is refused.
bool CLstWell::EditThickness(CWpWell* well, const CString& text, bool sand) {
    float thick = 0;
    if (!ReadDepth(text, &thick)) return false;
    if (thick < 0.001) thick = 0;
    if (sand)
        well->SetSandThick(thick);
    else
        well->SetShaleThick(thick);
    if ((sand ? well->GetSandThick() : well->GetShaleThick()) != 0) well->IsBlankSpace(false);
    well->Recalculate();
    return true;
}
