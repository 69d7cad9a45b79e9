#include "win32/Text.h"

#include <iconv.h>

#include <cstring>
#include <vector>

namespace text {
namespace {

// Byte length of the UTF-8 sequence starting with lead byte c (1 for invalid bytes).
std::size_t SequenceLength(unsigned char c) {
    if (c < 0x80) return 1;
    if ((c & 0xE0) == 0xC0) return 2;
    if ((c & 0xF0) == 0xE0) return 3;
    if ((c & 0xF8) == 0xF0) return 4;
    return 1;
}

// Length of the whole character at i, or 1 when the sequence is cut or malformed.
std::size_t CharLengthAt(const std::string& s, std::size_t i) {
    const std::size_t n = SequenceLength(static_cast<unsigned char>(s[i]));
    if (n == 1 || i + n > s.size()) return 1;
    for (std::size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 1;
    return n;
}

class GbkConverter {
public:
    GbkConverter() : cd_(iconv_open("GBK", "UTF-8")) {}
    ~GbkConverter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    // GBK byte count of one UTF-8 character; 1 when GBK cannot hold it.
    std::size_t CharBytes(const char* ch, std::size_t len) {
        if (len == 1) return 1;
        if (cd_ == reinterpret_cast<iconv_t>(-1)) return 2;
        char in[8];
        std::memcpy(in, ch, len);
        char out[16];
        char* ip = in;
        char* op = out;
        std::size_t il = len, ol = sizeof out;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd_, &ip, &il, &op, &ol) == static_cast<std::size_t>(-1)) return 1;
        return sizeof out - ol;
    }

private:
    iconv_t cd_;
};

}  // namespace

std::size_t GbkLength(const std::string& utf8) {
    thread_local GbkConverter conv;
    std::size_t total = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t n = CharLengthAt(utf8, i);
        total += conv.CharBytes(utf8.data() + i, n);
        i += n;
    }
    return total;
}

std::string CutUtf8(const std::string& utf8, std::size_t maxBytes) {
    std::size_t end = 0;
    while (end < utf8.size()) {
        const std::size_t n = CharLengthAt(utf8, end);
        if (end + n > maxBytes) break;
        end += n;
    }
    return utf8.substr(0, end);
}

void CopyToField(char* field, std::size_t fieldSize, const std::string& utf8) {
    if (fieldSize == 0) return;
    const std::string cut = CutUtf8(utf8, fieldSize - 1);
    std::memset(field, 0, fieldSize);
    std::memcpy(field, cut.data(), cut.size());
}

bool IsValidUtf8(const std::string& text) {
    const std::size_t size = text.size();
    for (std::size_t i = 0; i < size;) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t n = 0;
        unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            n = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            n = 3;
            if (c == 0xE0) low = 0xA0;   // overlong
            if (c == 0xED) high = 0x9F;  // surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            n = 4;
            if (c == 0xF0) low = 0x90;   // overlong
            if (c == 0xF4) high = 0x8F;  // beyond U+10FFFF
        } else {
            return false;  // a continuation byte, an overlong lead (C0, C1) or F5..FF
        }
        if (i + n > size) return false;
        const unsigned char second = static_cast<unsigned char>(text[i + 1]);
        if (second < low || second > high) return false;
        for (std::size_t k = 2; k < n; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

std::size_t CharCount(const std::string& utf8) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < utf8.size(); i += CharLengthAt(utf8, i)) ++count;
    return count;
}

std::size_t ByteOffsetOfChar(const std::string& utf8, std::size_t ci) {
    std::size_t i = 0;
    for (std::size_t c = 0; c < ci && i < utf8.size(); ++c) i += CharLengthAt(utf8, i);
    return i;
}

}  // namespace text
