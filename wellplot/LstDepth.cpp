#include "wellplot/LstDepth.h"

#include "bcg/ColorProp.h"
#include "framework/FixedList.h"
#include "framework/GroupEdits.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/OptionTables.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "framework/PropSizeText.h"
#include "framework/PropStyleCombox.h"
#include "hosttypes/Zephyr/WpTrack.h"
#include "hosttypes/Zephyr/WpWell.h"
#include "wellplot/KitPage.h"
#include "wellplot/PageLists.h"
#include "wellplot/WellPlotTexts.h"

IMPLEMENT_DYNCREATE(CLstDepth, CWndLst)

namespace {

const TextValue kFontScopes[] = {{wptext::kThisDepthTrack, 0}, {"当前图内所有深度道", 1}, {wptext::kAllTracks, 2}};
const TextValue kDepthTypes[] = {{"测深", DEPTH_MEASURED}, {"垂深", DEPTH_VERTICAL}, {"海拔深", DEPTH_ALTITUDE}};
const TextValue kLabelAligns[] = {{"0°  横向", 0}, {"90° 纵向", 1}, {"270°纵向", 2}};
const TextValue kTickAligns[] = {
    {wptext::kHidden, -1}, {"左侧", 0},       {"右侧", 1},       {"两侧", 2},
    {"左侧粗刻度", 3},     {"右侧粗刻度", 4}, {"两侧粗刻度", 5},
};

// Shown texts of the codes that clamp: below the first code the first text, past the last the last.
template <std::size_t N>
const char* ClampedText(const TextValue (&table)[N], int value) {
    if (value <= table[0].value) return table[0].text;
    if (value >= table[N - 1].value) return table[N - 1].text;
    return TextOfValue(table, value, table[0].text);
}

// The page's readers of a typed number, each also the rule of the item it is typed into: the title
// font's height (a float in hundredths, not negative), a label spacing (a number a double holds)
// and a tick spacing (the same, not negative).
bool ReadFontHeight(const CString& text, float* hundredths) {
    return wellplot::ScaledNumber(text, 100, false, hundredths);
}
bool ReadTickSpace(const CString& text, double* space) {
    double read = 0;
    if (!numtext::LeadingNumber(text, &read) || read < 0) return false;
    *space = read;
    return true;
}

// The texts the refresh shows: the title font's height in millimetres, a spacing, a count.
CString HeightText(const QXLOGFONT& font) { return numtext::Fixed(font.size / 100.0, 2); }
CString SpaceText(double space) { return FormatString("%g", space); }
CString CountText(int count) { return FormatString("%d", count); }


CBCGPProp* NewTitleGroup() {
    auto* title = new CBCGPProp(wptext::kTitle, CLstDepth::kTitleGroupId);
    auto* text = new CBCGPProp(wptext::kText, _variant_t(""), "指定深度道标题文本", CLstDepth::kTitleTextId);
    text->AddOption("");
    text->AllowEdit(TRUE);
    title->AddSubItem(text);
    title->AddSubItem(CreateOrientationProp(wptext::kDirection, CLstDepth::kTitleDirectionId,
                                            _variant_t(grouptext::kAuto), "指定深度道标题文字方向"));
    auto* font = new CBCGPProp(wptext::kFont, CLstDepth::kTitleFontGroupId);
    font->AddSubItem(NewFixedListItem(wptext::kApplyTo, "", "指定字体各设置的应用范围", CLstDepth::kFontScopeId,
                                      kFontScopes, OtherTakenAs(0)));
    font->AddSubItem(new CPropStyleCombox(wptext::kFont, CString(grouptext::kDefaultFontFace), "指定深度道标题文本字体",
                                          CLstDepth::kFontFaceId));
    auto* height = new CBCGPropFloat("高度(毫米)", _variant_t(""), 0, "指定深度道标题文本字体的高度", FALSE,
                                     CLstDepth::kFontHeightId);
    for (int i = 1; i <= 32; ++i) height->AddOption(FormatString("%d", i));
    ReadBy(height, ReaderRule(ReadFontHeight));
    font->AddSubItem(height);
    const COLORREF text_color = GetSysColor(COLOR_WINDOWTEXT);
    CBCGPColorProp* color =
        NewGroupColorProp(grouptext::kColor, "指定深度道标题文本字体的颜色", CLstDepth::kFontColorId, text_color);
    color->SetColor(text_color);
    font->AddSubItem(color);
    font->Expand(FALSE);
    title->AddSubItem(font);
    return title;
}

CBCGPProp* NewLabelGroup() {
    auto* label = new CBCGPProp("标注", CLstDepth::kLabelGroupId);
    label->AddSubItem(NewFixedListItem("深度类型", kDepthTypes[0].text, "指定深度道深度类型", CLstDepth::kDepthTypeId,
                                       kDepthTypes, OtherTakenAs(DEPTH_MEASURED)));
    auto* space = new CBCGPropFloat(wptext::kIntervalMetres, _variant_t("25"), 0, "指定深度标注间隔", FALSE,
                                    CLstDepth::kLabelSpaceId);
    for (int d = 1; d <= 100000; d *= 10)
        for (int m : {1, 2, 5}) space->AddOption(FormatString("%d", d * m));
    ReadBy(space, ReaderRule(numtext::LeadingNumber));
    label->AddSubItem(space);
    label->AddSubItem(NewFixedListItem(wptext::kFormat, kLabelAligns[1].text, "指定深度标注文字方向",
                                       CLstDepth::kLabelAlignId, kLabelAligns, OtherTakenAs(0)));
    label->AddSubItem(CreateFontProp(wptext::kFont, CLstDepth::kLabelFontGroupId));
    return label;
}

CBCGPProp* NewTickGroup() {
    auto* ticks = new CBCGPProp(wptext::kScaleLines, CLstDepth::kTickGroupId);
    auto* space = new CBCGPropSizeText("细刻度线间隔(米)", _variant_t("5"), "指定深度粗刻度线间隔",
                                       CLstDepth::kTickSpaceId, ReaderRule(ReadTickSpace));
    for (float v = 0.1f; v < 200000; v *= 10)
        for (float m : {1.0f, 2.0f, 5.0f}) space->AddOption(FormatString("%g", static_cast<double>(v * m)));
    ticks->AddSubItem(space);
    auto* count = new CBCGPropSizeText("粗刻度线等分格数", _variant_t(5u), "指定深度粗刻度线间隔等分格数",
                                       CLstDepth::kTickNumId, wellplot::CountRule());
    count->AddOption("5");
    count->AddOption("10");
    ticks->AddSubItem(count);
    ticks->AddSubItem(NewFixedListItem(wptext::kFormat, kTickAligns[3].text, "指定深度刻度线标注格式",
                                       CLstDepth::kTickAlignId, kTickAligns, OtherTakenAs(-1)));
    CBCGPProp* line = CreateLineProp("改变刻度线型", CLstDepth::kTickLineGroupId, false);
    if (CBCGPProp* width = line->GetSubItem(1))
        width->SetDescription("指定最细的刻度线的宽度，粗刻度线的粗细是它的3倍，标注线的粗细是它的5倍");
    ticks->AddSubItem(line);
    return ticks;
}

}  // namespace

CLstDepth::CLstDepth() = default;
CLstDepth::~CLstDepth() = default;

int CLstDepth::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(NewTitleGroup(), TRUE, TRUE);
    m_wndPropList.AddProperty(NewLabelGroup(), TRUE, TRUE);
    m_wndPropList.AddProperty(NewTickGroup(), TRUE, TRUE);
    return 0;
}

void CLstDepth::UpdateBCGPProperty(long object, CString) {
    CWpDepth* depth = wellplot::KitOf<CWpDepth>(object);
    if (!wellplot::BeginKitRefresh(*this, object, depth)) return;
    ShowTitle(depth);
    ShowLabelsAndTicks(depth);
}

void CLstDepth::ShowTitle(CWpDepth* depth) {
    if (CBCGPProp* text = m_wndPropList.FindItemByData(kTitleTextId)) {
        const int scale = depth->GetWell() ? depth->GetWell()->GetDepthScale() : depth->GetDepthScale();
        text->RemoveAllOptions();
        text->AddOption("深度");
        text->AddOption("DEP");
        text->AddOption(FormatString("深度(1:%d)", scale));
        text->AddOption(FormatString("DEP(1:%d)", scale));
        SetItemText(text, wellplot::TitleToText(depth->GetTitleText()));
    }
    SetOrientationProp(m_wndPropList.FindItemByData(kTitleDirectionId), depth->GetTitleDirection());
    const QXLOGFONT font = wellplot::TitleFontOf(depth);
    ShowTextIfChanged(m_wndPropList.FindItemByData(kFontScopeId), ClampedText(kFontScopes, depth->GetTtlFtScope()));
    ShowTextIfChanged(m_wndPropList.FindItemByData(kFontFaceId), font.faceName);
    ShowTextIfChanged(m_wndPropList.FindItemByData(kFontHeightId), HeightText(font));
    if (auto* color = dynamic_cast<CBCGPColorProp*>(m_wndPropList.FindItemByData(kFontColorId));
        color && color->GetColor() != font.color)
        color->SetColor(font.color);
}

void CLstDepth::ShowLabelsAndTicks(CWpDepth* depth) {
    if (const char* type = TextOfValue(kDepthTypes, depth->GetShowDepthType(), nullptr))
        SetItemText(m_wndPropList.FindItemByData(kDepthTypeId), type);
    ShowTextIfChanged(m_wndPropList.FindItemByData(kLabelSpaceId), SpaceText(depth->GetDepthSpace()));
    ShowTextIfChanged(m_wndPropList.FindItemByData(kLabelAlignId), ClampedText(kLabelAligns, depth->GetDepthAlign()));
    if (CBCGPProp* font = m_wndPropList.FindItemByData(kLabelFontGroupId)) SetFontProp(font, depth->GetDepthFont());

    const bool ticks = depth->GetTickAlign() > -1;
    if (CBCGPProp* space = m_wndPropList.FindItemByData(kTickSpaceId)) {
        ShowTextIfChanged(space, SpaceText(depth->GetTickSpace()));
        space->Enable(ticks);
    }
    if (CBCGPProp* count = m_wndPropList.FindItemByData(kTickNumId)) {
        ShowTextIfChanged(count, CountText(depth->GetTickNum()));
        count->Enable(ticks);
    }
    ShowTextIfChanged(m_wndPropList.FindItemByData(kTickAlignId), ClampedText(kTickAligns, depth->GetTickAlign()));
    if (CBCGPProp* line = m_wndPropList.FindItemByData(kTickLineGroupId)) SetLineProp(line, depth->GetTickPen());
}

LRESULT CLstDepth::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CWpDepth* depth = wellplot::CurrentKit<CWpDepth>(*this);
    // A list's text stands for the value stored. Every number item reads by the reader used here, so
    // a text it refuses never comes here.
    int choice = 0;
    if (!item || !depth || !wellplot::ReadChoice(item, &choice)) return 0;
    EditItem(depth, item, choice);
    EditGroup(depth, item);

    // The title font goes on to the tracks of the kit's scope after every edit.
    if (CWpWell* well = depth->GetWell()) {
        const int scope = depth->GetTtlFtScope();
        if (scope == 1) well->SetDepChildTitleFont(wellplot::TitleFontOf(depth));
        if (scope == 2) well->SetChildTitleFont(wellplot::TitleFontOf(depth));
    }
    depth->InvalidSelf();
    depth->SetModifyFlag(1);
    UpdateView();
    return 0;
}

// A refused title height shows the stored height again.
void CLstDepth::ShowItemAgain(CBCGPProp* item) {
    CWpDepth* depth = wellplot::CurrentKit<CWpDepth>(*this);
    if (depth && item && item->GetData() == kFontHeightId)
        SetItemText(item, HeightText(wellplot::TitleFontOf(depth)));
    else
        CWndLst::ShowItemAgain(item);
}

// Edits inside the label font and the tick line: only the edited field is read. The size and width
// items read by the group's rule, so a size or width it refuses never comes here.
void CLstDepth::EditGroup(CWpDepth* depth, CBCGPProp* item) {
    CBCGPProp* parent = item->GetParent();
    const DWORD_PTR parentId = parent ? parent->GetData() : 0;
    if (parentId == kLabelFontGroupId) {
        QXLOGFONT font = depth->GetDepthFont();
        if (ReadEditedField(item, font)) depth->SetDepthFont(font);
    } else if (parentId == kTickLineGroupId) {
        QXLOGPEN pen = depth->GetTickPen();
        if (!ReadEditedField(item, pen)) return;
        depth->SetTickPen(pen);
        depth->Recalculate();
    }
}

void CLstDepth::EditItem(CWpDepth* depth, CBCGPProp* item, int choice) {
    const CString text = ItemText(item);
    double number = 0;
    switch (item->GetData()) {
        case kTitleTextId:
            depth->SetTitleText(wellplot::TextToTitle(text));
            break;
        case kTitleDirectionId:
            depth->SetTitleDirection(choice);
            depth->SetTitleText(depth->GetTitleText());
            depth->Recalculate();
            break;
        case kFontScopeId:
            depth->SetTitleFontScope(choice);
            break;
        case kFontFaceId:
        case kFontHeightId:
        case kFontColorId:
            EditTitleFont(depth, item);
            break;
        case kDepthTypeId:
            depth->SetShowDepthType(static_cast<DepthType>(choice));
            break;
        case kLabelSpaceId:
            if (numtext::LeadingNumber(text, &number)) depth->SetDepthSpace(number);
            break;
        case kLabelAlignId:
            depth->SetDepthAlign(choice);
            break;
        case kTickSpaceId:
            // A spacing is a length: a negative one is not taken (the item refuses it).
            if (!ReadTickSpace(text, &number)) break;
            depth->SetTickSpace(number);
            depth->Recalculate();
            break;
        case kTickNumId: {
            int count = 0;
            if (!wellplot::ReadCount(text, &count)) break;
            depth->SetTickNum(count);
            depth->Recalculate();
            break;
        }
        case kTickAlignId:
            depth->SetTickAlign(choice);
            depth->Recalculate();
            break;
        default:
            break;
    }
}

// A negative height, or one the font cannot hold, is refused by the height item.
void CLstDepth::EditTitleFont(CWpDepth* depth, CBCGPProp* item) {
    QXLOGFONT font = wellplot::TitleFontOf(depth);
    switch (item->GetData()) {
        case kFontFaceId:
            font.SetFaceName(ItemText(item));
            break;
        case kFontHeightId:
            if (!ReadFontHeight(ItemText(item), &font.size)) return;
            break;
        default:
            if (!ReadColor(item, &font.color)) return;
            break;
    }
    depth->SetTitleFont(&font);
}
