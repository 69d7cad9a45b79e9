// TextIndex: finds a text among texts kept in a vector owned elsewhere (an item's options) by
// hash, so that a presence check does not walk the vector. It keeps each distinct text's first
// position; the owner tells it of every text appended and of clearing.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "mfc/String.h"

class TextIndex {
public:
    // The first position of text in texts, -1 when absent. texts is the vector the index was
    // told of.
    int Find(const std::vector<CString>& texts, const std::string& text) const;
    // Records texts.back(), just appended, when its text is not present yet; a duplicate keeps
    // the earlier position.
    void Appended(const std::vector<CString>& texts);
    void Clear();

private:
    // Open addressing, linear probing; 0 an empty slot, otherwise a position + 1. The table is
    // a power of two and at most half full.
    std::size_t SlotOf(const std::vector<CString>& texts, const std::string& text, std::size_t hash) const;
    void Grow(const std::vector<CString>& texts);

    std::vector<std::size_t> slots_;
    std::size_t used_ = 0;
};
