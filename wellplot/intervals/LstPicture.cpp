#include "wellplot/intervals/LstPicture.h"

#include "bcg/ColorProp.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/NumberText.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "framework/PropWndMgr.h"
#include "hosttypes/Zephyr/WpPicture.h"
#include "wellplot/KitPage.h"
#include "wellplot/WellPlotTexts.h"
#include "wellplot/intervals/CheckBoxProp.h"
#include "wellplot/intervals/KitItems.h"

IMPLEMENT_DYNCREATE(CLstPicture, CWndLst)

namespace {

constexpr const char* kPicture = "图片";
constexpr const char* kGraphic = "图形";

CBCGPProp* NewReadOnly(const char* name, const char* description) {
    auto* item = new CBCGPProp(name, _variant_t(""), description, 0);
    item->AllowEdit(FALSE);
    return item;
}

CBCGPProp* NewText(const char* name, DWORD_PTR id) { return new CBCGPProp(name, _variant_t(""), nullptr, id); }

// The title size typed: one number of 0 or more, kept in hundredths a float holds.
bool ReadTitleSize(const CString& text, float* hundredths) {
    float size = 0;
    return numtext::LexicalFloat(text, &size) && size >= 0 && numtext::FitFloatThenScale(size, 100, hundredths);
}

// The title size shown: a whole number of points (hundredths / 100, cut); nothing for a size no
// int holds.
void ShowTitleSize(CBCGPProp* item, const QXLOGFONT& font) {
    int size = 0;
    if (numtext::FitInt(font.size, 0.01, &size)) ShowTextIfChanged(item, FormatString("%d", size));
}

// A graphic's zoom or offset: a number a double holds (a text that is no number reads 0).
CBCGPProp* NewNumberText(const char* name, DWORD_PTR id) {
    return NewSizeTextItem(name, nullptr, id, ReaderRule(numtext::LeadingNumber));
}

// A depth of the active segment, of either sign (a plot in elevation depths has negative depths):
// false when no double holds the number or the kit refuses it (a top not above the bottom, no active
// segment); the item then shows the kit's depth again.
bool StoreDepth(CWpPicture* kit, CBCGPProp* item, bool (CWpPicture::*set)(double), double (CWpPicture::*get)()) {
    double depth = 0;
    if (wellplot::ReadNumber(item, &depth) && (kit->*set)(depth)) return true;
    ShowFixed(item, (kit->*get)(), 2);
    return false;
}

// A graphic's zoom and offsets: the item and the active segment's field.
struct GraphicNumber {
    DWORD_PTR id;
    double (CgPicSegment::*get)();
    void (CgPicSegment::*set)(double);
};
const GraphicNumber kGraphicNumbers[] = {
    {CLstPicture::kZoomId, &CgPicSegment::GetBaseZoom, &CgPicSegment::SetBaseZoom},
    {CLstPicture::kOffsetXId, &CgPicSegment::GetDetaX, &CgPicSegment::SetDetaX},
    {CLstPicture::kOffsetYId, &CgPicSegment::GetDetaY, &CgPicSegment::SetDetaY},
};

// The item reads by this rule, so a number no double holds never comes here.
void StoreGraphicNumber(CgPicSegment* seg, CBCGPProp* item, const GraphicNumber& field) {
    if (double number = 0; wellplot::ReadNumber(item, &number)) (seg->*field.set)(number);
}

}  // namespace

CLstPicture::CLstPicture() = default;
CLstPicture::CLstPicture(CWpKit* kit) : m_pKit(wellplot::KitOf<CWpPicture>(reinterpret_cast<long>(kit))) {}
CLstPicture::~CLstPicture() = default;

int CLstPicture::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(NewKitTitleGroup(kTitleGroupId, kTitleTextId, kTitleDirectionId, kPicture,
                                               NewTitleFontGroup(kFontGroupId, wptext::kType, kFontFaceId, kFontSizeId,
                                                                 kFontColorId, false, ReaderRule(ReadTitleSize))),
                              TRUE, TRUE);

    auto* segment = new CBCGPProp("当前段属性", kSegmentGroupId);
    segment->AddSubItem(NewReadOnly("比例", "高宽比"));
    auto* lock = new CCheckBoxProp("锁定比例");
    lock->SetData(kScaleLockId);
    segment->AddSubItem(lock);
    segment->AddSubItem(NewReadOnly("文件路径", "文件路径"));
    segment->AddSubItem(NewText("顶深", kTopDepthId));
    segment->AddSubItem(NewText("底深", kBottomDepthId));
    segment->AddSubItem(NewNumberText("比例系数", kZoomId));
    segment->AddSubItem(NewNumberText("X偏移", kOffsetXId));
    segment->AddSubItem(NewNumberText("Y偏移", kOffsetYId));
    m_wndPropList.AddProperty(segment, TRUE, TRUE);
    return 0;
}

// ---- refresh ------------------------------------------------------------------------------------------------
void CLstPicture::UpdateBCGPProperty(long object, CString) {
    CWpPicture* kit = wellplot::KitOf<CWpPicture>(object);
    if (!wellplot::BeginKitRefresh(*this, object, kit)) return;
    m_pKit = kit;
    ShowTabCaption(kit);
    ShowTitle(kit);
    ShowSegment(kit);
}

void CLstPicture::ShowTabCaption(CWpPicture* kit) {
    CWnd* page = GetParent();
    auto* sheet = page ? dynamic_cast<CPropWndMgr*>(page->GetParent()) : nullptr;
    if (!sheet || !sheet->GetSafeHwnd()) return;
    TCITEM tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = const_cast<char*>(kit->GetType() == 0 ? kPicture : kGraphic);
    ::SendMessage(reinterpret_cast<HWND>(sheet->SendMessage(PSM_GETTABCONTROL)), TCM_SETITEM, 0,
                  reinterpret_cast<LPARAM>(&tab));
}

void CLstPicture::ShowTitle(CWpPicture* kit) {
    ShowTextIfChanged(Item(kTitleTextId), wellplot::TitleToText(kit->GetTitleText()));
    SetOrientationProp(Item(kTitleDirectionId), kit->GetTitleDirection());
    const QXLOGFONT font = wellplot::TitleFontOf(kit);
    ShowTextIfChanged(Item(kFontFaceId), font.GetFaceName());
    ShowTitleSize(Item(kFontSizeId), font);
    if (auto* color = dynamic_cast<CBCGPColorProp*>(Item(kFontColorId)); color && color->GetColor() != font.color)
        color->SetColor(font.color);
}

void CLstPicture::ShowSegment(CWpPicture* kit) {
    CBCGPProp* group = Item(kSegmentGroupId);
    if (!group) return;
    CgPicSegment* seg = kit->GetActiveSeg();
    EnableAllSubItems(group, seg ? TRUE : FALSE);
    if (!seg) return;
    ShowFixed(Item(kTopDepthId), kit->GetActiveSegTopDepth(), 2);
    ShowFixed(Item(kBottomDepthId), kit->GetActiveSegBotDepth(), 2);
    ShowTextIfChanged(group->GetSubItem(kScalePosition), numtext::Fixed(seg->GetScale(), 2));
    if (auto* lock = dynamic_cast<CCheckBoxProp*>(Item(kScaleLockId)); lock && lock->IsChecked() != seg->IsScaleLock())
        lock->SetValue(_variant_t(seg->IsScaleLock()));
    ShowTextIfChanged(group->GetSubItem(kFilePosition), seg->GetPictureName());
    // Zoom and offsets belong to graphics only.
    const bool graphic = kit->GetType() != 0;
    for (const GraphicNumber& field : kGraphicNumbers) {
        CBCGPProp* item = Item(field.id);
        if (!item) continue;
        item->Enable(graphic ? TRUE : FALSE);
        SetItemText(item, graphic ? numtext::Fixed((seg->*field.get)(), 2) : CString());
    }
}

// ---- write-back ---------------------------------------------------------------------------------------------
LRESULT CLstPicture::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CWpKit* current = wellplot::CurrentKit<CWpKit>(*this);
    if (!item || !current) return 0;
    const DWORD_PTR id = item->GetData();
    if (id >= kTitleGroupId && id <= kFontColorId)
        EditTitle(current, item);
    else if (!EditSegment(item))
        return 0;  // a refused depth writes and redraws nothing
    current->InvalidSelf();
    UpdateView();
    return 0;
}

void CLstPicture::EditTitle(CWpKit* kit, CBCGPProp* item) {
    QXLOGFONT font = wellplot::TitleFontOf(kit);
    const CString text = ItemText(item);
    switch (item->GetData()) {
        case kTitleTextId:
            kit->SetTitleText(wellplot::TextToTitle(text));
            kit->UpdateParent();
            break;
        case kTitleDirectionId:
            kit->SetTitleDirection(GetOrientationProp(item));
            kit->UpdateParent();
            break;
        case kFontFaceId:
            font.SetFaceName(text.GetString());
            kit->SetTitleFont(&font);
            break;
        case kFontSizeId:
            // The item reads by this rule: it refuses a size that is no number, or a negative one,
            // so such a size never comes here.
            if (!ReadTitleSize(text, &font.size)) break;
            kit->SetTitleFont(&font);
            kit->UpdateParent();
            break;
        case kFontColorId:
            ReadColor(item, &font.color);
            kit->SetTitleFont(&font);
            break;
        default:
            break;
    }
}

bool CLstPicture::EditSegment(CBCGPProp* item) {
    CWpPicture* kit = m_pKit;
    if (!kit) return true;
    CgPicSegment* seg = kit->GetActiveSeg();
    switch (item->GetData()) {
        case kScaleLockId:
            if (auto* lock = dynamic_cast<CCheckBoxProp*>(item)) kit->LockScale(lock->IsChecked());
            break;
        case kTopDepthId:
            return StoreDepth(kit, item, &CWpPicture::SetActiveSegTopDepth, &CWpPicture::GetActiveSegTopDepth);
        case kBottomDepthId:
            return StoreDepth(kit, item, &CWpPicture::SetActiveSegBotDepth, &CWpPicture::GetActiveSegBotDepth);
        default:
            break;
    }
    for (const GraphicNumber& field : kGraphicNumbers)
        if (seg && field.id == item->GetData()) StoreGraphicNumber(seg, item, field);
    return true;
}
