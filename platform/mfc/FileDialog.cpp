#include "mfc/FileDialog.h"

#include "driver/Responder.h"

IMPLEMENT_DYNAMIC(CFileDialog, CDialog)

CFileDialog::CFileDialog(BOOL openFileDialog, LPCTSTR defaultExt, LPCTSTR fileName, DWORD flags, LPCTSTR filter,
                         CWnd* parent)
    : CDialog(platform::kFileDialogTemplateId, parent),
      m_bOpen(openFileDialog),
      m_defaultExt(defaultExt ? defaultExt : ""),
      m_initialName(fileName ? fileName : ""),
      m_flags(flags),
      m_filter(filter ? filter : "") {}

CFileDialog::~CFileDialog() = default;

namespace {
// The part after the last folder separator.
std::string Leaf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}
}  // namespace

INT_PTR CFileDialog::DoModal() {
    platform::Responder& responder = platform::Responder::Instance();
    platform::DialogScript script;
    if (!responder.TakeDialogScript(platform::kFileDialogTemplateId, script)) {
        responder.RecordDialog({platform::kFileDialogTemplateId, "", -1});
        throw platform::UnansweredQuestion("file dialog with no script");
    }
    m_answer = -1;
    m_path.Empty();
    try {
        script(*this);
    } catch (...) {
        responder.RecordDialog({platform::kFileDialogTemplateId, "", -1});
        throw;
    }
    if (m_answer == -1) {
        responder.RecordDialog({platform::kFileDialogTemplateId, "", -1});
        throw platform::DialogLeftOpen("file dialog: the script gave no answer");
    }
    responder.RecordDialog({platform::kFileDialogTemplateId, "", m_answer});
    return m_answer;
}

CString CFileDialog::GetFileName() const { return CString(Leaf(m_path.str()).c_str()); }

void CFileDialog::ChooseAsUser(const std::string& path) {
    std::string chosen = path;
    const std::string leaf = Leaf(chosen);
    if (!leaf.empty() && leaf.find('.') == std::string::npos && !m_defaultExt.IsEmpty())
        chosen += "." + m_defaultExt.str();
    m_path = chosen.c_str();
    m_answer = IDOK;
}

void CFileDialog::CancelAsUser() {
    m_path.Empty();
    m_answer = IDCANCEL;
}

namespace platform {

namespace {
CFileDialog& AsFileDialog(CDialog& dialog) {
    auto* file = dynamic_cast<CFileDialog*>(&dialog);
    if (!file) throw std::logic_error("not a file dialog");
    return *file;
}
}  // namespace

void ChooseFile(CDialog& dialog, const std::string& path) { AsFileDialog(dialog).ChooseAsUser(path); }
void CancelFileDialog(CDialog& dialog) { AsFileDialog(dialog).CancelAsUser(); }

}  // namespace platform
