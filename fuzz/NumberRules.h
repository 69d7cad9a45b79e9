// Fuzz checks of the number rules: each entry feeds one text to one rule and says what went
// wrong, if anything. Every rule must never yield a NaN or an infinity, never a negative width or
// size, and every value it accepts must format back to a text that the same rule accepts again.
#pragma once

#include <cstddef>
#include <string>

namespace numfuzz {

// False, with the fault described in *fault, when the rule broke one of its promises on text.
using Check = bool (*)(const std::string& text, std::string* fault);

struct Rule {
    const char* name;
    Check check;
};

// Every rule, in a fixed order.
const Rule* Rules(std::size_t* count);
// The rule of that name; nullptr when there is none.
const Rule* FindRule(const std::string& name);

}  // namespace numfuzz
