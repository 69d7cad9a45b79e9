#include "bcg/TextIndex.h"

#include <functional>

namespace {

std::size_t HashOf(const std::string& text) { return std::hash<std::string>{}(text); }

}  // namespace

std::size_t TextIndex::SlotOf(const std::vector<CString>& texts, const std::string& text, std::size_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = hash & mask;
    while (slots_[slot] != 0 && texts[slots_[slot] - 1].str() != text) slot = (slot + 1) & mask;
    return slot;
}

int TextIndex::Find(const std::vector<CString>& texts, const std::string& text) const {
    if (slots_.empty()) return -1;
    const std::size_t position = slots_[SlotOf(texts, text, HashOf(text))];
    return position == 0 ? -1 : static_cast<int>(position - 1);
}

void TextIndex::Appended(const std::vector<CString>& texts) {
    if (texts.empty()) return;
    if (2 * (used_ + 1) > slots_.size()) Grow(texts);
    const std::string& text = texts.back().str();
    const std::size_t slot = SlotOf(texts, text, HashOf(text));
    if (slots_[slot] != 0) return;
    slots_[slot] = texts.size();
    ++used_;
}

void TextIndex::Grow(const std::vector<CString>& texts) {
    const std::vector<std::size_t> old = std::move(slots_);
    slots_.assign(old.empty() ? 16 : 2 * old.size(), 0);
    for (std::size_t position : old) {
        if (position == 0) continue;
        const std::string& text = texts[position - 1].str();
        slots_[SlotOf(texts, text, HashOf(text))] = position;
    }
}

void TextIndex::Clear() {
    slots_.clear();
    used_ = 0;
}
