#include "mfc/Dialog.h"

#include <strings.h>

#include <climits>
#include <cmath>

#include "driver/Responder.h"
#include "mfc/Controls.h"
#include "mfc/Variant.h"
#include "win32/Crt.h"

namespace {

bool SameClass(const std::string& a, const char* b) { return strcasecmp(a.c_str(), b) == 0; }

// One control of a template: the standard classes get their own objects, any other class
// (a placeholder that a custom control takes over) a plain window.
std::unique_ptr<CWnd> MakeControl(const platform::DialogControlTemplate& c, CWnd* dialog) {
    const RECT rect = platform::DluRectToPixels(c.rect);
    const DWORD style = c.style | WS_CHILD;
    std::unique_ptr<CWnd> control;
    if (SameClass(c.className, "COMBOBOX")) {
        auto combo = std::make_unique<CComboBox>();
        if (!combo->Create(style, rect, dialog, c.id)) return nullptr;
        return combo;
    }
    if (SameClass(c.className, "BUTTON"))
        control = std::make_unique<CButton>();
    else if (SameClass(c.className, "EDIT"))
        control = std::make_unique<CEdit>();
    else if (SameClass(c.className, "STATIC"))
        control = std::make_unique<CStatic>();
    else
        control = std::make_unique<CWnd>();
    if (!control->CreateEx(c.exStyle, c.className.c_str(), c.text.c_str(), style, rect, dialog, c.id)) return nullptr;
    return control;
}

bool IsBlank(const char* p) {
    for (; *p; ++p)
        if (!crt::IsSpace(*p)) return false;
    return true;
}

// A whole decimal number that a double holds: blanks, the leading number, blanks; one that
// reads as infinite ("1e400") is none.
bool ReadWholeDouble(const char* text, double& value) {
    std::size_t used = 0;
    const double v = crt::Atof(text, &used);
    if (used == 0 || !IsBlank(text + used) || !std::isfinite(v)) return false;
    value = v;
    return true;
}

// A whole integer within 32 bits: blanks, an optional sign, digits, blanks.
bool ReadWholeInt(const char* text, int& value) {
    const char* p = text;
    while (crt::IsSpace(*p)) ++p;
    const bool negative = *p == '-';
    if (*p == '+' || *p == '-') ++p;
    if (!crt::IsDigit(*p)) return false;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long magnitude = 0;
    for (; crt::IsDigit(*p); ++p) {
        magnitude = magnitude * 10 + (*p - '0');
        if (magnitude > limit) return false;
    }
    if (!IsBlank(p)) return false;
    value = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

}  // namespace

// ---- data exchange ------------------------------------------------------------------------

CWnd* CDataExchange::PrepareCtrl(int id) {
    CWnd* control = m_pDlgWnd ? m_pDlgWnd->GetDlgItem(id) : nullptr;
    if (!control)
        throw std::logic_error("data exchange with a control the dialog does not have: " + std::to_string(id));
    m_pLastCtrl = control;
    return control;
}

void CDataExchange::Fail() {
    if (m_pLastCtrl) m_pLastCtrl->SetFocus();
    throw platform::DataExchangeFailure("data exchange refused");
}

void DDX_Text(CDataExchange* dx, int id, double& value) {
    CWnd* control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        double v = 0;
        if (!ReadWholeDouble(control->GetWindowTextString(), v)) {
            AfxMessageBox(platform::kParseRealPrompt);
            dx->Fail();
        }
        value = v;
    } else {
        // The shortest text that reads back to the same double ("%.15g" would show DBL_MAX as
        // 1.79769313486232e+308, which reads back as no number a double holds).
        control->SetWindowText(VariantToText(_variant_t(value)));
    }
}

void DDX_Text(CDataExchange* dx, int id, int& value) {
    CWnd* control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        int v = 0;
        if (!ReadWholeInt(control->GetWindowTextString(), v)) {
            AfxMessageBox(platform::kParseIntPrompt);
            dx->Fail();
        }
        value = v;
    } else {
        control->SetWindowText(FormatString("%d", value));
    }
}

void DDX_Text(CDataExchange* dx, int id, CString& value) {
    CWnd* control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate)
        value = control->GetWindowTextString();
    else
        control->SetWindowText(value);
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (control.m_hWnd) return;
    dx->PrepareCtrl(id);
    CDialog* dialog = DYNAMIC_DOWNCAST(CDialog, dx->m_pDlgWnd);
    if (!dialog || !dialog->ReplaceControl(id, control))
        throw std::logic_error("control " + std::to_string(id) + " cannot be bound");
}

// ---- CDialog ------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_MESSAGE(WM_INITDIALOG, OnInitDialogMessage)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog() = default;

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog() {
    // While this is still a dialog, so that its handlers hear WM_DESTROY.
    if (m_hWnd) DestroyWindow();
    ReleaseControls();
}

void CDialog::ReleaseControls() {
    // Control objects whose windows outlived the dialog's tree lose them first.
    for (auto& control : m_controls)
        if (control->m_hWnd) control->DestroyWindow();
    m_controls.clear();
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    const platform::DialogTemplate* t = platform::FindDialogTemplateInChain(templateId);
    if (!t) return FALSE;
    m_nIDTemplate = templateId;
    if (parent) m_pParentWnd = parent;
    return CreateFromTemplate(*t, parent, 0, 0);
}

BOOL CDialog::CreateFromTemplate(const platform::DialogTemplate& t, CWnd* parent, DWORD removeStyle, DWORD addStyle) {
    if (m_hWnd) return FALSE;
    ReleaseControls();
    m_template = t;
    const SIZE size = t.PixelSize();
    const CRect rect(platform::DluToPixelsX(t.x), platform::DluToPixelsY(t.y), platform::DluToPixelsX(t.x) + size.cx,
                     platform::DluToPixelsY(t.y) + size.cy);
    const DWORD style = (t.style & ~removeStyle) | addStyle;
    if (!CreateEx(t.exStyle, "#32770", t.caption.c_str(), style, rect, parent, 0)) return FALSE;
    for (const platform::DialogControlTemplate& c : m_template.controls) {
        std::unique_ptr<CWnd> control = MakeControl(c, this);
        if (!control) {
            // Like the system: a dialog whose controls cannot all be made is not made.
            DestroyWindow();
            ReleaseControls();
            return FALSE;
        }
        m_controls.push_back(std::move(control));
    }
    SendMessage(WM_INITDIALOG, 0, 0);
    return m_hWnd ? TRUE : FALSE;
}

LRESULT CDialog::OnInitDialogMessage(WPARAM, LPARAM) { return OnInitDialog(); }

INT_PTR CDialog::DoModal() {
    const platform::DialogTemplate* t = platform::FindDialogTemplateInChain(m_nIDTemplate);
    if (!t || m_hWnd) return -1;
    platform::Responder& responder = platform::Responder::Instance();
    platform::DialogScript script;
    if (!responder.TakeDialogScript(m_nIDTemplate, script)) {
        responder.RecordDialog({m_nIDTemplate, t->caption, -1});
        throw platform::UnansweredQuestion("modal dialog " + std::to_string(m_nIDTemplate) + " with no script");
    }

    m_modal = true;
    m_ended = false;
    m_result = -1;
    // A modal dialog is a visible pop-up owned by its parent.
    if (!CreateFromTemplate(*t, m_pParentWnd, WS_CHILD, WS_POPUP | WS_VISIBLE)) {
        m_modal = false;
        return -1;
    }
    auto finish = [&](int recorded) {
        CString caption = GetWindowTextString();
        if (m_hWnd) DestroyWindow();
        ReleaseControls();
        m_modal = false;
        responder.RecordDialog({m_nIDTemplate, caption.str(), recorded});
    };
    try {
        if (!m_ended) script(*this);
    } catch (...) {
        finish(-1);
        throw;
    }
    if (!m_ended) {
        finish(-1);
        throw platform::DialogLeftOpen("modal dialog " + std::to_string(m_nIDTemplate) +
                                       ": the script ended with the dialog open");
    }
    finish(m_result);
    return m_result;
}

void CDialog::EndDialog(int result) {
    m_result = result;
    if (m_modal) {
        m_ended = true;
    } else if (m_hWnd) {
        ShowWindow(SW_HIDE);
    }
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const platform::DataExchangeFailure&) {
        return FALSE;
    }
    return TRUE;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::SetDlgItemText(int id, LPCTSTR text) {
    if (CWnd* control = GetDlgItem(id)) control->SetWindowText(text);
}

int CDialog::GetDlgItemText(int id, CString& text) const {
    CWnd* control = GetDlgItem(id);
    text = control ? control->GetWindowTextString() : CString();
    return text.GetLength();
}

BOOL CDialog::ReplaceControl(int id, CWnd& control) {
    CWnd* old = GetDlgItem(id);
    if (!old || control.m_hWnd) return FALSE;
    if (old == &control) return TRUE;
    std::string className;
    for (const platform::DialogControlTemplate& c : m_template.controls)
        if (static_cast<int>(c.id) == id) className = c.className;
    CRect rect;
    old->GetWindowRect(&rect);
    ScreenToClient(&rect);
    const DWORD style = old->GetStyle();
    const DWORD exStyle = old->GetExStyle();
    const CString text = old->GetWindowTextString();

    old->DestroyWindow();
    for (auto it = m_controls.begin(); it != m_controls.end(); ++it)
        if (it->get() == old) {
            m_controls.erase(it);
            break;
        }
    if (CComboBox* combo = DYNAMIC_DOWNCAST(CComboBox, &control)) {
        // A box's text is its selection's, which the new box does not have yet.
        return combo->Create(style, rect, this, static_cast<UINT>(id));
    }
    return control.CreateEx(exStyle, className.c_str(), text, style, rect, this, static_cast<UINT>(id));
}
