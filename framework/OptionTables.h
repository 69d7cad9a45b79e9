// Option tables: each choice of an option item and the value it stands for, read both ways.
#pragma once

#include <cstddef>

#include "mfc/String.h"

struct TextValue {
    const char* text;
    int value;
};

// The text lookup over the first count entries of a table (for tables whose length varies with
// their use); the array forms below read a whole table.
inline const char* TextOfValue(const TextValue* table, std::size_t count, int value, const char* otherwise) {
    for (std::size_t i = 0; i < count; ++i)
        if (value == table[i].value) return table[i].text;
    return otherwise;
}

// The value of the option whose text is text; otherwise for any other text.
template <std::size_t N>
int ValueOfText(const TextValue (&table)[N], const CString& text, int otherwise) {
    for (const TextValue& entry : table)
        if (text == entry.text) return entry.value;
    return otherwise;
}

// The text of the option whose value is value; otherwise for any other value.
template <std::size_t N>
const char* TextOfValue(const TextValue (&table)[N], int value, const char* otherwise) {
    return TextOfValue(table, N, value, otherwise);
}
