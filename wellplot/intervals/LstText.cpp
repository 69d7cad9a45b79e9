#include "wellplot/intervals/LstText.h"

#include "bcg/ColorProp.h"
#include "framework/GroupEdits.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/PropItems.h"
#include "hosttypes/Zephyr/WpText.h"
#include "wellplot/KitPage.h"
#include "wellplot/PageLists.h"
#include "wellplot/WellPlotTexts.h"
#include "wellplot/intervals/IntervalTexts.h"
#include "wellplot/intervals/KitItems.h"

IMPLEMENT_DYNCREATE(CLstText, CWndLst)

namespace {

constexpr const char* kTextProps = "文本属性";
constexpr const char* kAlignV = "竖直对齐";
constexpr const char* kFrameLine = "文本框线型";

}  // namespace

CLstText::CLstText() = default;
CLstText::CLstText(CWpKit* kit) : m_pKit(wellplot::KitOf<CWpText>(reinterpret_cast<long>(kit))) {}
CLstText::~CLstText() = default;

CBCGPProp* CLstText::Item(DWORD_PTR id) const { return wellplot::ItemWithData(m_wndPropList, id); }

int CLstText::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    if (!m_pKit) return 0;

    // EditGroup reads the edited field of the font and line groups: their size and width items refuse
    // what that reader refuses, and a size or width reported from code that it refuses writes nothing.
    m_wndPropList.AddProperty(NewKitTitleGroup(kTitleGroupId, kTitleTextId, kTitleDirectionId, wptext::kText,
                                               CreateFontProp(wptext::kFont, kTitleFontId), false),
                              TRUE, TRUE);

    auto* text = new CBCGPProp(kTextProps, kTextGroupId);
    CBCGPProp* font = CreateFontProp(ivtext::kTextFont, kTextFontId);
    font->Expand(TRUE);
    text->AddSubItem(font);
    // The background's automatic colour is the caption text colour it starts with.
    const COLORREF caption = GetSysColor(COLOR_CAPTIONTEXT);
    auto* back = new CBCGPColorProp(ivtext::kBackColor, caption, nullptr, "", kBackColorId);
    back->EnableOtherButton(grouptext::kOtherColor, TRUE, TRUE);
    back->EnableAutomaticButton(grouptext::kAutomaticColor, caption, TRUE);
    text->AddSubItem(back);
    text->AddSubItem(NewYesNoList(ivtext::kBackTransparent, grouptext::kNo, "是否透明", kTransparentId));
    text->AddSubItem(NewOptionItem(ivtext::kAlignH, grouptext::kAlignLeft, "", kAlignHId,
                                   {grouptext::kAlignLeft, grouptext::kAlignCenter, grouptext::kAlignRight}, false));
    text->AddSubItem(NewOptionItem(kAlignV, grouptext::kAlignTop, "", kAlignVId,
                                   {grouptext::kAlignTop, grouptext::kAlignCenter, grouptext::kAlignBottom}, false));
    m_wndPropList.AddProperty(text, TRUE, TRUE);

    m_wndPropList.AddProperty(CreateLineProp(kFrameLine, kFramePenId, false), TRUE, TRUE);

    auto* segment = new CBCGPProp(ivtext::kCurrentSegProps, kSegmentGroupId);
    segment->AddSubItem(NewTextItem(ivtext::kTopDepth, "", kTopDepthId));
    segment->AddSubItem(NewTextItem(ivtext::kBottomDepth, "", kBottomDepthId));
    m_wndPropList.AddProperty(segment, TRUE, TRUE);
    return 0;
}

// ---- refresh ----------------------------------------------------------------------------------
void CLstText::UpdateBCGPProperty(long object, CString) {
    CWpText* kit = m_pKit ? wellplot::KitOf<CWpText>(object) : nullptr;
    if (!wellplot::BeginKitRefresh(*this, object, kit)) return;
    m_pKit = kit;
    ShowTitle(kit);
    ShowText(kit);
    ShowSegment(kit);
}

void CLstText::ShowTitle(CWpText* kit) {
    SetItemText(Item(kTitleTextId), kit->GetTitleText());
    SetOrientationProp(Item(kTitleDirectionId), kit->GetTitleDirection());
    SetFontProp(Item(kTitleFontId), wellplot::TitleFontOf(kit));
}

void CLstText::ShowText(CWpText* kit) {
    const QXLOGFONT font = kit->GetTextFont();
    SetFontProp(Item(kTextFontId), font);
    if (auto* back = dynamic_cast<CBCGPColorProp*>(Item(kBackColorId)); back && back->GetColor() != font.backColor)
        back->SetColor(font.backColor);
    SetYesNoProp(Item(kTransparentId), kit->IsTransparent());
    SetItemText(Item(kAlignHId), kit->GetTextAlignH());
    SetItemText(Item(kAlignVId), kit->GetTextAlignV());
    QXLOGPEN pen;
    kit->GetTextBoundaryPen(pen);
    SetLineProp(Item(kFramePenId), pen);
}

void CLstText::ShowSegment(CWpText* kit) {
    ShowFixed(Item(kTopDepthId), kit->GetActiveSegTopDepth(), 2);
    ShowFixed(Item(kBottomDepthId), kit->GetActiveSegBotDepth(), 2);
}

// ---- write-back -------------------------------------------------------------------------------
LRESULT CLstText::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CWpText* kit = m_pKit ? wellplot::CurrentKit<CWpText>(*this) : nullptr;
    // A list's text stands for the value stored.
    int choice = 0;
    if (!item || !kit || !wellplot::ReadChoice(item, &choice)) return 0;
    m_pKit = kit;
    if (!EditGroup(kit, item)) return 0;
    switch (item->GetData()) {
        case kTitleTextId:
            kit->SetTitleText(ItemText(item));
            kit->UpdateParent();
            break;
        case kTitleDirectionId:
            kit->SetTitleDirection(choice);
            kit->UpdateParent();
            break;
        case kBackColorId:
            if (QXLOGFONT font = kit->GetTextFont(); ReadShownColor(item, &font.backColor)) kit->SetTextFont(font);
            break;
        case kTransparentId:
            kit->SetTransparent(choice != 0);
            break;
        case kAlignHId:
            kit->SetTextAlignH(ItemText(item));
            break;
        case kAlignVId:
            kit->SetTextAlignV(ItemText(item));
            break;
        case kTopDepthId:
            if (!EditDepth(item, &CWpText::SetActiveSegTopDepth, &CWpText::GetActiveSegTopDepth)) return 0;
            break;
        case kBottomDepthId:
            if (!EditDepth(item, &CWpText::SetActiveSegBotDepth, &CWpText::GetActiveSegBotDepth)) return 0;
            break;
        default:
            break;
    }
    kit->InvalidSelf();
    kit->UpdateParent();
    UpdateView();
    return 0;
}

// A sub-item of the title font, the text font or the frame line: its field is read over the kit's
// record and written back. False when the field was refused; true for any other item.
bool CLstText::EditGroup(CWpText* kit, CBCGPProp* item) {
    CBCGPProp* group = item->GetParent();
    switch (group ? group->GetData() : 0) {
        case kTitleFontId: {
            QXLOGFONT font = wellplot::TitleFontOf(kit);
            if (!EditGroupField(item, font)) return false;
            kit->SetTitleFont(&font);
            return true;
        }
        case kTextFontId: {
            QXLOGFONT font = kit->GetTextFont();
            if (!EditGroupField(item, font)) return false;
            kit->SetTextFont(font);
            return true;
        }
        case kFramePenId: {
            QXLOGPEN pen;
            kit->GetTextBoundaryPen(pen);
            if (!EditGroupField(item, pen)) return false;
            kit->SetTextBoundaryPen(&pen);
            return true;
        }
        default:
            return true;
    }
}

// A depth typed: a number a float holds, of either sign (a plot in elevation depths has negative
// depths), goes to the kit; any other text, or a depth the kit refuses, leaves the kit as it is and
// shows the kit's depth again, as the number's own text, with nothing redrawn. The item stays a text
// item: holding a number value it would turn letters typed next into 0.
bool CLstText::EditDepth(CBCGPProp* item, bool (CWpText::*set)(float), double (CWpText::*get)()) {
    double number = 0;
    float depth = 0;
    if (numtext::WholeNumber(ItemText(item), &number) && numtext::FitFloat(number, 1, &depth) && (m_pKit->*set)(depth))
        return true;
    SetItemText(item, VariantToText(_variant_t((m_pKit->*get)())));
    return false;
}
