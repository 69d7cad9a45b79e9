#include "wellplot/intervals/LstProgram.h"

#include "framework/ItemGroupsBasic.h"
#include "hosttypes/Zephyr/WpWaterEntry.h"
#include "framework/PropItems.h"
#include "wellplot/KitPage.h"
#include "wellplot/WellPlotTexts.h"
#include "wellplot/intervals/KitItems.h"

IMPLEMENT_DYNCREATE(CLstProgram, CWndLst)

CLstProgram::CLstProgram() = default;
CLstProgram::CLstProgram(CWpKit* kit) : m_pKit(wellplot::KitOf<CWpProgram>(reinterpret_cast<long>(kit))) {}
CLstProgram::~CLstProgram() = default;

int CLstProgram::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    auto* title = new CBCGPProp(wptext::kTitle, kTitleGroupId);
    title->AddSubItem(new CBCGPProp("名称", _variant_t(""), "指定名称", kNameId));
    title->AddSubItem(CreateOrientationProp(wptext::kDirection, kDirectionId, _variant_t(""), "指定方向"));
    CBCGPProp* font = CreateFontProp(wptext::kFont, kFontGroupId);
    font->Expand(TRUE);
    title->AddSubItem(font);
    m_wndPropList.AddProperty(title, TRUE, TRUE);
    return 0;
}

void CLstProgram::UpdateBCGPProperty(long object, CString) {
    CWpProgram* program = wellplot::KitOf<CWpProgram>(object);
    if (!wellplot::BeginKitRefresh(*this, object, program)) return;
    m_pKit = program;
    SetItemText(m_wndPropList.FindItemByData(kNameId), program->GetTitleText());
    SetOrientationProp(m_wndPropList.FindItemByData(kDirectionId), program->GetTitleDirection());
    if (CBCGPProp* font = m_wndPropList.FindItemByData(kFontGroupId)) SetFontProp(font, wellplot::TitleFontOf(program));
}

LRESULT CLstProgram::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CWpProgram* program = wellplot::CurrentKit<CWpProgram>(*this);
    if (!item || !program) return 0;
    m_pKit = program;
    CBCGPProp* parent = item->GetParent();
    if (item->GetData() == kNameId) {
        program->SetTitleText(ItemText(item));
    } else if (item->GetData() == kDirectionId) {
        program->SetTitleDirection(GetOrientationProp(item));
    } else if (parent && parent->GetData() == kFontGroupId) {
        // Only the edited field is read; a size refused writes and redraws nothing.
        QXLOGFONT font = wellplot::TitleFontOf(program);
        if (!EditGroupField(item, font)) return 0;
        program->SetTitleFont(&font);
    }
    UpdateView();
    return 0;
}
