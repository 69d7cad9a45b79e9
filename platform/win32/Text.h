// Text helpers shared by every layer: texts are UTF-8 at run time, while the lengths
// the system states for texts count their bytes in the GBK code page (936).
#pragma once

#include <cstddef>
#include <string>

namespace text {

// Number of bytes the UTF-8 text takes in GBK. Characters GBK cannot hold count as one
// byte each (the '?' they would become). Invalid UTF-8 bytes count as one byte each.
std::size_t GbkLength(const std::string& utf8);

// Longest prefix of utf8 that takes at most maxBytes bytes of UTF-8, cut at a character
// boundary (for fixed-size fields that hold UTF-8).
std::string CutUtf8(const std::string& utf8, std::size_t maxBytes);

// Copies utf8 into a fixed field of fieldSize bytes (terminator included), cut at the
// last whole character that fits; the rest of the field is zero-filled.
void CopyToField(char* field, std::size_t fieldSize, const std::string& utf8);

// Whether the text is well-formed UTF-8: no stray or cut sequences, no overlong forms, no
// surrogates, nothing beyond U+10FFFF.
bool IsValidUtf8(const std::string& text);

// Number of characters (code points) of a UTF-8 text.
std::size_t CharCount(const std::string& utf8);
// Byte offset of character index ci (CharCount when past the end).
std::size_t ByteOffsetOfChar(const std::string& utf8, std::size_t ci);

}  // namespace text
