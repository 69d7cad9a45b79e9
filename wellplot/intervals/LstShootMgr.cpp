#include "wellplot/intervals/LstShootMgr.h"

#include "framework/PropStyleCombox.h"
#include "hosttypes/Zephyr/WpShoot.h"
#include "wellplot/KitPage.h"

IMPLEMENT_DYNCREATE(CLstShootMgr, CWndLst)

namespace {

constexpr const char* kShootSymbol = "射孔符号";
constexpr const char* kReShootSymbol = "补孔符号";
constexpr int kShootItem = 0;
constexpr int kReShootItem = 1;

CPropStyleCombox* NewPointPicker(const char* name, int style) {
    auto* picker = new CPropStyleCombox(name, style, CPropStyleCombox::kPointStyle, "常用点风格", "", 0);
    picker->AllowEdit(FALSE);
    UINT value = static_cast<UINT>(style);
    picker->SetVal(value);  // the picked style, not only the shown value
    return picker;
}

void ShowSymbol(CBCGPProp* item, const UINT* symbol) {
    auto* picker = dynamic_cast<CPropStyleCombox*>(item);
    if (!picker || !symbol) return;
    UINT value = *symbol;
    picker->SetVal(value);  // redraws only a changed picker
}

}  // namespace

CLstShootMgr::CLstShootMgr() = default;
CLstShootMgr::~CLstShootMgr() = default;

int CLstShootMgr::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    auto* group = new CBCGPProp("射孔配置", kGroupId);
    group->AddSubItem(NewPointPicker(kShootSymbol, 0));
    group->AddSubItem(NewPointPicker(kReShootSymbol, 1));
    m_wndPropList.AddProperty(group, TRUE, TRUE);
    return 0;
}

void CLstShootMgr::UpdateBCGPProperty(long object, CString) {
    CWpShoot* kit = wellplot::KitOf<CWpShoot>(object);
    if (!wellplot::BeginKitRefresh(*this, object, kit)) return;
    Refresh(kit);
}

void CLstShootMgr::Refresh(CWpShoot* kit) {
    CBCGPProp* group = m_wndPropList.FindItemByData(kGroupId, TRUE);
    LogShootMgrIO* mgr = kit ? kit->GetShootMgr() : nullptr;
    if (!group || !mgr) return;
    ShowSymbol(group->GetSubItem(kShootItem), mgr->GetShootSymbol());
    ShowSymbol(group->GetSubItem(kReShootItem), mgr->GetReShootSymbol());
}

LRESULT CLstShootMgr::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* picker = dynamic_cast<CPropStyleCombox*>(reinterpret_cast<CBCGPProp*>(lParam));
    CWpShoot* kit = wellplot::CurrentKit<CWpShoot>(*this);
    LogShootMgrIO* mgr = kit ? kit->GetShootMgr() : nullptr;
    if (!picker || !mgr) return 0;  // without a manager there is nothing to set
    const bool shoot = picker->GetName() == kShootSymbol;
    if (!shoot && picker->GetName() != kReShootSymbol) return 0;
    if (!(shoot ? mgr->SetShootSymbol(picker->GetVal()) : mgr->SetReShootSymbol(picker->GetVal()))) {
        // Refused: only this picker shows the manager's symbol again; the other keeps what it shows.
        ShowSymbol(picker, shoot ? mgr->GetShootSymbol() : mgr->GetReShootSymbol());
        return 0;
    }
    static_cast<Observee*>(kit)->Notify();
    kit->OnDataChanged();
    return 0;
}
