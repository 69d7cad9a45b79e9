#include "driver/DialogDriver.h"

#include <stdexcept>

#include "mfc/Controls.h"

namespace platform {

namespace {

CWnd& Control(CDialog& dialog, int id) {
    if (!dialog.m_hWnd || dialog.IsEnded())
        throw std::logic_error("dialog " + std::to_string(dialog.m_nIDTemplate) + " is closed already");
    CWnd* control = dialog.GetDlgItem(id);
    if (!control)
        throw std::logic_error("dialog " + std::to_string(dialog.m_nIDTemplate) + " has no control " +
                               std::to_string(id));
    return *control;
}

}  // namespace

void SetControlText(CDialog& dialog, int id, const std::string& text) {
    Control(dialog, id).SetWindowText(text.c_str());
}

std::string ControlText(CDialog& dialog, int id) { return Control(dialog, id).GetWindowTextString().str(); }

bool PressButton(CDialog& dialog, int id) {
    CWnd& control = Control(dialog, id);
    if (CButton* button = DYNAMIC_DOWNCAST(CButton, &control)) return button->Click() != FALSE;
    // A custom control standing where a button was: click it the same way.
    if (!control.IsWindowEnabled()) return false;
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<UINT>(id), BN_CLICKED),
                       reinterpret_cast<LPARAM>(control.m_hWnd));
    return true;
}

bool PickComboEntry(CDialog& dialog, int id, int index) {
    CComboBox* combo = DYNAMIC_DOWNCAST(CComboBox, &Control(dialog, id));
    if (!combo) throw std::logic_error("control " + std::to_string(id) + " is not a combo box");
    return combo->SelectAsUser(index) != FALSE;
}

}  // namespace platform
