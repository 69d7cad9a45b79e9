// The responder stands in for the user wherever the system asks something modal: it records
// every message box (owner, text, caption, style) in order and answers from a queue that a
// test or the host script fills. An OK-only box is answered IDOK when nothing is queued; any
// other box with no queued answer is an unexpected question and throws UnansweredQuestion.
// Modal dialogs are answered the same way: a script queued for the dialog's template id
// plays the user (mfc/Dialog.h); a dialog opened with no script is an unexpected question.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "win32/Win32.h"

class CDialog;

namespace platform {

struct MessageBoxRecord {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
    int answer;
};

class UnansweredQuestion : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// A modal dialog's script left it open: the test fails instead of waiting for a user.
class DialogLeftOpen : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// Plays the user in one modal dialog: sets control texts, presses buttons (driver/DialogDriver.h).
using DialogScript = std::function<void(CDialog&)>;

struct DialogRecord {
    UINT templateId;
    std::string caption;
    int result;  // what DoModal answered; -1 when the script failed
};

class Responder {
public:
    static Responder& Instance();

    // Answers for the next message boxes, in order (IDOK, IDYES, IDNO, ...).
    void QueueAnswer(int answer) { answers_.push_back(answer); }
    const std::vector<MessageBoxRecord>& MessageBoxes() const { return boxes_; }
    void ClearMessageBoxes() { boxes_.clear(); }
    std::size_t PendingAnswers() const { return answers_.size(); }

    // The host executable's path, as GetModuleFileNameA(NULL, ...) reports it.
    void SetExecutablePath(const std::string& path) { exePath_ = path; }
    const std::string& ExecutablePath() const { return exePath_; }

    // Scripts for the next modal dialogs on a template, in order.
    void QueueDialogScript(UINT templateId, DialogScript script);
    // Takes the next script for templateId; false when none is queued.
    bool TakeDialogScript(UINT templateId, DialogScript& script);
    std::size_t PendingDialogScripts() const;
    // Every modal dialog run, in the order they ended.
    const std::vector<DialogRecord>& Dialogs() const { return dialogs_; }
    void RecordDialog(const DialogRecord& record) { dialogs_.push_back(record); }

    // Forgets every record, queued answer and script (between tests).
    void Reset();

    int AskMessageBox(HWND owner, const char* text, const char* caption, UINT type);

private:
    std::deque<int> answers_;
    std::vector<MessageBoxRecord> boxes_;
    std::map<UINT, std::deque<DialogScript>> scripts_;
    std::vector<DialogRecord> dialogs_;
    std::string exePath_ = "C:\\Tessaly\\TessalyHost.exe";
};

}  // namespace platform
