#include "driver/Responder.h"

namespace platform {

Responder& Responder::Instance() {
    static Responder instance;
    return instance;
}

void Responder::Reset() {
    answers_.clear();
    boxes_.clear();
    scripts_.clear();
    dialogs_.clear();
    exePath_ = "C:\\Tessaly\\TessalyHost.exe";
}

void Responder::QueueDialogScript(UINT templateId, DialogScript script) {
    scripts_[templateId].push_back(std::move(script));
}

bool Responder::TakeDialogScript(UINT templateId, DialogScript& script) {
    auto it = scripts_.find(templateId);
    if (it == scripts_.end() || it->second.empty()) return false;
    script = std::move(it->second.front());
    it->second.pop_front();
    return true;
}

std::size_t Responder::PendingDialogScripts() const {
    std::size_t n = 0;
    for (const auto& entry : scripts_) n += entry.second.size();
    return n;
}

int Responder::AskMessageBox(HWND owner, const char* text, const char* caption, UINT type) {
    MessageBoxRecord record{owner, text ? text : "", caption ? caption : "", type, IDOK};
    if (!answers_.empty()) {
        record.answer = answers_.front();
        answers_.pop_front();
    } else if ((type & 0xF) != MB_OK) {
        boxes_.push_back(record);
        throw UnansweredQuestion("message box with no scripted answer: " + record.text);
    }
    boxes_.push_back(record);
    return record.answer;
}

}  // namespace platform
