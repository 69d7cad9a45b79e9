// What a modal dialog's script does as the user (see Responder::QueueDialogScript): type
// into controls, pick combo entries, press buttons. Acting on a dialog that has already
// ended, or on a control id the dialog does not have, is a fault of the script and throws
// std::logic_error.
#pragma once

#include <string>

#include "mfc/Dialog.h"

namespace platform {

// Replaces the control's text (an edit's content).
void SetControlText(CDialog& dialog, int id, const std::string& text);
std::string ControlText(CDialog& dialog, int id);
// Clicks button id: BN_CLICKED reaches the dialog (IDOK runs OnOK, IDCANCEL OnCancel).
// False, with nothing sent, when the button is disabled.
bool PressButton(CDialog& dialog, int id);
// Picks entry index of combo box id as the user (CBN_SELCHANGE reaches the dialog).
// False when the box is disabled or has no such entry.
bool PickComboEntry(CDialog& dialog, int id, int index);

}  // namespace platform
