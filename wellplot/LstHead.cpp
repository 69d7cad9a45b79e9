#include "wellplot/LstHead.h"

#include <vector>

#include "bcg/ColorProp.h"
#include "framework/FixedList.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/NumberText.h"
#include "framework/OptionTables.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "hosttypes/Zephyr/WpWell.h"
#include "wellplot/KitPage.h"
#include "wellplot/PageLists.h"
#include "wellplot/WellPlotTexts.h"

namespace {

const TextValue kHeadAligns[] = {{wptext::kHidden, -1}, {"顶端显示", 0}, {"顶底显示", 1}};
const TextValue kTitleAligns[] = {
    {wptext::kHidden, -1}, {grouptext::kAuto, 0}, {"中心", 1}, {"中上", 2}, {"中下", 3}, {"左中", 4},
    {"左上", 5},           {"左下", 6},           {"右中", 7}, {"右上", 8}, {"右下", 9},
};
const TextValue kTypeAligns[] = {
    {wptext::kHidden, -1}, {grouptext::kAuto, 0}, {"标题下", 1}, {"标题上", 2}, {"标题左", 3}, {"标题右", 4},
};

// A visibility list: any other text hides (-1).
template <std::size_t N>
CBCGPProp* NewChoice(const char* name, const char* value, const char* description, DWORD_PTR id,
                     const TextValue (&table)[N]) {
    return NewFixedListItem(name, value, description, id, table, OtherTakenAs(-1));
}

// The symbol group, its first item (the group's switch) a position list: every position's text names
// it, any other text hides (-1), and until the first refresh offers the positions it offers the yes
// and no of the group as built.
CBCGPProp* NewSymbolGroup() {
    CBCGPProp* group = CreateSymbolTemplateProp("井符号");
    if (CFixedListProp* align = FixedListOf(group->GetSubItem(0))) {
        align->ClearEntries();
        align->AddEntries(kTypeAligns);
        align->SetOther(OtherTakenAs(-1));
        align->OfferOnly({grouptext::kYes, grouptext::kNo});
    }
    return group;
}

}  // namespace

const char* HeadAlignText(int align) { return TextOfValue(kHeadAligns, align, wptext::kHidden); }
const char* TitleAlignText(int align) { return TextOfValue(kTitleAligns, align, wptext::kHidden); }
const char* TypeAlignText(int align) { return TextOfValue(kTypeAligns, align, wptext::kHidden); }

CLstHead::CLstHead(CWpKit* kit) : m_pKit(kit) {}
CLstHead::~CLstHead() = default;

CWpWell* CLstHead::Well() const { return wellplot::KeptKit<CWpWell>(*this, m_pKit); }

int CLstHead::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(
        NewChoice(wptext::kVisibility, kHeadAligns[1].text, "指定图头内容的显隐方式", kHeadAlignId, kHeadAligns), TRUE,
        TRUE);
    // Heights keep their sign; the items refuse what the page's reader refuses (no float holds it).
    m_wndPropList.AddProperty(
        NewSizeTextItem("标题区高度(厘米)", "指定标题区高度", kTitleHeightId, wellplot::ScaledRule(1000, true)), TRUE,
        TRUE);
    m_wndPropList.AddProperty(
        NewSizeTextItem("客户区高度(厘米)", "指定客户区高度", kClientHeightId, wellplot::ScaledRule(1000, true)), TRUE,
        TRUE);

    auto* title = new CBCGPProp(wptext::kTitle, kTitleGroupId);
    title->AddSubItem(NewChoice(wptext::kVisibility, kTitleAligns[2].text, "指定柱状图标题文本的显隐排列方式",
                                kTitleAlignId, kTitleAligns));
    title->AddSubItem(new CBCGPProp(wptext::kText, _variant_t(""), "指定柱状图标题文本", kTitleTextId));
    title->AddSubItem(CreateFontPropFloatSize(wptext::kFont, kFontGroupId));
    m_wndPropList.AddProperty(title, TRUE, TRUE);

    m_wndPropList.AddProperty(NewSymbolGroup(), TRUE, TRUE);
    return 0;
}

void CLstHead::UpdateBCGPProperty(long object, CString) {
    CWpWell* well = Well();
    if (!wellplot::BeginKitRefresh(*this, object, well)) return;
    const int headAlign = well->GetHeadAlign();
    SetItemText(m_wndPropList.FindItemByData(kHeadAlignId), HeadAlignText(headAlign));
    ShowHeight(well, m_wndPropList.FindItemByData(kTitleHeightId));
    ShowHeight(well, m_wndPropList.FindItemByData(kClientHeightId));
    if (m_wndPropList.FindItemByData(kTitleGroupId)) ShowTitle(well, headAlign != -1);
    if (m_wndPropList.FindItemByData(kSymbolGroupId)) ShowSymbol(well, headAlign != -1);
}

void CLstHead::ShowTitle(CWpWell* well, bool headShown) {
    if (CBCGPProp* align = m_wndPropList.FindItemByData(kTitleAlignId)) {
        align->Enable(headShown);
        if (headShown) SetItemText(align, TitleAlignText(well->GetTitleAlign()));
    }
    const bool shown = headShown && well->GetTitleAlign() != -1;
    if (CBCGPProp* text = m_wndPropList.FindItemByData(kTitleTextId)) {
        text->Enable(shown);
        if (shown) SetItemText(text, well->GetTitleText());
    }
    EnableFontProp(m_wndPropList.FindItemByData(kFontGroupId), wellplot::TitleFontOf(well), shown);
}

void CLstHead::ShowSymbol(CWpWell* well, bool headShown) {
    if (CBCGPProp* align = m_wndPropList.FindItemByData(kSymbolAlignId)) {
        align->Enable(headShown);
        if (headShown) {
            std::vector<CString> positions;
            for (const TextValue& entry : kTypeAligns) positions.emplace_back(entry.text);
            if (CFixedListProp* list = FixedListOf(align)) list->OfferOnly(positions);
            SetItemText(align, TypeAlignText(well->GetTypeAlign()));
        }
    }
    const bool symbolShown = headShown && well->GetTypeAlign() != -1;
    struct Template {
        DWORD_PTR templateId;
        DWORD_PTR valueId;
        CString name;
        void (CWndLst::*fill)(CBCGPProp*);
    };
    const Template templates[] = {
        {kPointTemplateId, kPointStyleId, well->GetPointStyleTemplate(), &CWndLst::InitPointTemplate},
        {kSizeTemplateId, kSizeId, well->GetSizeTemplate(), &CWndLst::InitSizeTemplate},
        {kBorderTemplateId, kBorderColorId, well->GetBorderColorTemplate(), &CWndLst::InitColorTemplate},
        {kInnerTemplateId, kInnerColorId, well->GetInnerColorTemplate(), &CWndLst::InitColorTemplate},
    };
    const QXLOGPOINT point = well->GetTypePoint();
    for (const Template& t : templates) {
        if (CBCGPProp* item = m_wndPropList.FindItemByData(t.templateId)) {
            item->Enable(symbolShown);
            if (symbolShown) {
                item->RemoveAllOptions();
                (this->*t.fill)(item);
                SetItemText(item, t.name);
            }
        }
        CBCGPProp* value = m_wndPropList.FindItemByData(t.valueId);
        if (!value) continue;
        const bool enable = symbolShown && t.name.IsEmpty();
        value->Enable(enable);
        if (!enable) continue;
        switch (t.valueId) {
            case kPointStyleId:
                if (auto* style = dynamic_cast<CPropStyleCombox*>(value)) {
                    UINT code = point.style;
                    style->SetVal(code);
                }
                break;
            case kSizeId:
                value->SetValue(_variant_t(point.size / 100.0));
                break;
            case kBorderColorId:
                ShowColor(value, point.borderColor);
                break;
            default:
                ShowColor(value, point.innerColor);
                break;
        }
    }
}

LRESULT CLstHead::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CWpWell* well = Well();
    // A list's text stands for the value stored.
    int choice = 0;
    if (!item || !well || !wellplot::ReadChoice(item, &choice)) return 0;
    const DWORD_PTR id = item->GetData();
    // A size refused although its item took the text (a change reported from code): the stored
    // size as the refresh shows it, nothing written or redrawn.
    auto showStoredSize = [item](float hundredths) {
        item->SetValue(_variant_t(hundredths / 100.0));
        return 0;
    };

    switch (id) {
        case kTitleTextId:
            well->SetTitleText(ItemText(item));
            break;
        case kFontFaceId:
        case kFontSizeId:
        case kFontColorId: {
            QXLOGFONT font = wellplot::TitleFontOf(well);
            if (!GetFontSubProp(item, font, static_cast<int>(id - kFontFaceId))) return showStoredSize(font.size);
            well->SetTitleFont(&font);
            well->Recalculate();
            break;
        }
        case kSymbolAlignId:
            well->SetTypeAlign(choice);
            well->Recalculate();
            break;
        case kPointStyleId:
        case kSizeId:
        case kBorderColorId:
        case kInnerColorId: {
            QXLOGPOINT point = well->GetTypePoint();
            if (!GetPointSubProp(item, point, static_cast<int>(id - kPointStyleId) / 2))
                return showStoredSize(point.size);
            well->SetTypePoint(point);
            break;
        }
        default:
            EditStamped(well, item, choice);
            break;
    }
    well->InvalidSelf();
    UpdateView();
    return 0;
}

// A height in centimetres, "%.2f".
void CLstHead::ShowHeight(CWpWell* well, CBCGPProp* item) {
    if (!item) return;
    const float height = item->GetData() == kTitleHeightId ? well->GetTitleHeight() : well->GetClientHeight();
    ShowFixed(item, height / 1000.0, 2);
}

// Heights keep the sign typed; a height that no float can hold (in thousandths of a centimetre) is
// refused by its item, which reads by this rule, so it never comes here.
void CLstHead::EditStamped(CWpWell* well, CBCGPProp* item, int choice) {
    const CString text = ItemText(item);
    float height = 0;
    switch (item->GetData()) {
        case kHeadAlignId:
            well->SetHeadAlign(choice);
            break;
        case kTitleHeightId:
            if (!wellplot::ScaledNumber(text, 1000, true, &height)) return;
            well->SetTitleHeight(height);
            break;
        case kClientHeightId:
            if (!wellplot::ScaledNumber(text, 1000, true, &height)) return;
            well->SetClientHeight(height);
            well->UpdateClient();
            break;
        case kTitleAlignId:
            well->SetTitleAlign(choice);
            break;
        case kPointTemplateId:
            well->SetPointStyleTemplate(text);
            break;
        case kSizeTemplateId:
            well->SetSizeTemplate(text);
            break;
        case kBorderTemplateId:
            well->SetBorderColorTemplate(text);
            break;
        case kInnerTemplateId:
            well->SetInnerColorTemplate(text);
            break;
        default:
            return;
    }
    SetKitTimeStamp(well);
    well->Recalculate();
}
