// CDialog: a window made from a dialog template found along the resource chain
// (mfc/Module.h), with one child control per template entry, and dialog data exchange.
//
// Modal dialogs are headless: DoModal creates the dialog, runs OnInitDialog, then plays
// the script the responder holds for the template id (driver/Responder.h; the script
// types into controls and presses buttons through driver/DialogDriver.h), and answers the
// result of EndDialog. A dialog opened with no script throws platform::UnansweredQuestion;
// a script that returns with the dialog still open throws platform::DialogLeftOpen. Either
// way the dialog window is destroyed first.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

#include "mfc/Module.h"
#include "mfc/Wnd.h"

typedef intptr_t INT_PTR;

namespace platform {

// Raised by CDataExchange::Fail; UpdateData catches it and answers FALSE.
class DataExchangeFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace platform

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
    CWnd* m_pDlgWnd;

    // The dialog's control id; throws std::logic_error when the dialog has none (a fault
    // of the dialog's own exchange code).
    CWnd* PrepareCtrl(int id);
    // Gives the focus to the control last prepared and abandons the exchange.
    [[noreturn]] void Fail();

private:
    CWnd* m_pLastCtrl = nullptr;
};

namespace platform {
// The class library's prompts when an edit does not hold the number its member needs.
inline constexpr const char* kParseRealPrompt = "Please enter a number.";
inline constexpr const char* kParseIntPrompt = "Please enter an integer.";
}  // namespace platform

// Texts of edits: a double is shown with the shortest of "%.15g", "%.16g", "%.17g" that reads
// back to the same double (DBL_MAX included), an integer with "%d". Reading back accepts
// a whole number only (blanks around it allowed) that the member can hold: a finite double,
// an integer within 32 bits. Anything else shows the class library's prompt, gives the focus
// to the edit and fails the exchange, so that UpdateData(TRUE) answers FALSE and the member
// keeps its value.
void DDX_Text(CDataExchange* dx, int id, double& value);
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Text(CDataExchange* dx, int id, CString& value);
// Binds a control object to the dialog's control id on the first exchange (see
// CDialog::ReplaceControl); later exchanges leave it alone.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    UINT m_nIDTemplate = 0;
    CWnd* m_pParentWnd = nullptr;

    // Modeless creation from a template found along the resource chain: the window takes
    // the template's style, position and size, gets its controls, then WM_INITDIALOG
    // (OnInitDialog). FALSE when the template is missing or a window cannot be made.
    using CWnd::Create;
    virtual BOOL Create(UINT templateId, CWnd* parent = nullptr);

    // -1 when the template is missing or the window cannot be made.
    virtual INT_PTR DoModal();
    // Closes a modal dialog with result; a modeless one is hidden.
    void EndDialog(int result);
    // True between DoModal's start and EndDialog.
    bool IsModalRunning() const { return m_modal && !m_ended; }
    bool IsEnded() const { return m_ended; }

    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    virtual BOOL OnInitDialog();  // UpdateData(FALSE), TRUE
    virtual void OnOK();          // UpdateData(TRUE); EndDialog(IDOK) when it succeeds
    virtual void OnCancel();      // EndDialog(IDCANCEL)
    virtual void DoDataExchange(CDataExchange* dx);

    void SetDlgItemText(int id, LPCTSTR text);
    int GetDlgItemText(int id, CString& text) const;

    // Puts control in the place of the dialog's control id: the control's window is made
    // with the same window class, text, style, extended style, rectangle and id, and the
    // window it replaces is destroyed (its object too, when the dialog made it). This is
    // how a member control or a custom control (a placeholder in the template) takes over.
    BOOL ReplaceControl(int id, CWnd& control);

protected:
    DECLARE_MESSAGE_MAP()

    // Creates the window from t with (t.style & ~removeStyle) | addStyle, then the controls
    // and WM_INITDIALOG.
    BOOL CreateFromTemplate(const platform::DialogTemplate& t, CWnd* parent, DWORD removeStyle, DWORD addStyle);

private:
    LRESULT OnInitDialogMessage(WPARAM, LPARAM);
    void ReleaseControls();

    platform::DialogTemplate m_template;            // the current window's (a copy: modules may unload)
    std::vector<std::unique_ptr<CWnd>> m_controls;  // made from the template
    bool m_modal = false;
    bool m_ended = false;
    int m_result = -1;
};
