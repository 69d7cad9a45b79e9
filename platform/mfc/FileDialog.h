// CFileDialog: the system's open/save file dialog, headless. DoModal plays the script queued
// for kFileDialogTemplateId (driver/Responder.h), which answers as the user with ChooseFile
// or CancelFileDialog; with no script queued it throws platform::UnansweredQuestion. No
// window is made and no file is touched: the dialog only hands back the path it was given.
#pragma once

#include <string>

#include "mfc/Dialog.h"

constexpr DWORD OFN_READONLY = 0x00000001;
constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;

namespace platform {
// The id under which scripts for file dialogs are queued (the system's open-file template).
constexpr UINT kFileDialogTemplateId = 1536;
}  // namespace platform

class CFileDialog : public CDialog {
    DECLARE_DYNAMIC(CFileDialog)
public:
    // filter: "description|pattern|...|" pairs, kept as given.
    explicit CFileDialog(BOOL openFileDialog, LPCTSTR defaultExt = nullptr, LPCTSTR fileName = nullptr,
                         DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR filter = nullptr,
                         CWnd* parent = nullptr);
    ~CFileDialog() override;

    // IDOK when a path was chosen, IDCANCEL otherwise.
    INT_PTR DoModal() override;
    // The chosen path; a name typed without an extension gets "." and the default extension.
    CString GetPathName() const { return m_path; }
    CString GetFileName() const;

    BOOL IsOpenDialog() const { return m_bOpen; }
    CString GetDefaultExt() const { return m_defaultExt; }
    CString GetInitialFileName() const { return m_initialName; }
    DWORD GetFlags() const { return m_flags; }
    CString GetFilter() const { return m_filter; }

    // The user's answers, for scripts.
    void ChooseAsUser(const std::string& path);
    void CancelAsUser();

private:
    BOOL m_bOpen;
    CString m_defaultExt;
    CString m_initialName;
    DWORD m_flags;
    CString m_filter;
    CString m_path;
    int m_answer = -1;
};

namespace platform {
// Script actions on a file dialog; std::logic_error when the dialog is no file dialog.
void ChooseFile(CDialog& dialog, const std::string& path);
void CancelFileDialog(CDialog& dialog);
}  // namespace platform
