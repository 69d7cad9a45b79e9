// CCommonUtility: the utility library's checks of user-typed names and numbers, and its shared text
// buffer.
#pragma once

#include <cstddef>
#include <string>

class CCommonUtility {
public:
    // Whether the text may serve as a file name: false for the empty text and for a text holding
    // a control character (1 to 31) or one of \ / : * ? " < > |.
    static bool IsFileNameValide(const std::string& name);
    // Tells the user that a layer name was refused (one warning message box, kLayerNameWarning).
    static void LayerNameWarning();

    // ---- number test ------------------------------------------------------------------------------
    // True exactly for a text that boost::lexical_cast<double> turns into a finite number: the
    // whole text one number, no blanks around it; "nan", "inf" and numbers beyond a double are no
    // numbers. A text accepted here converts with lexical_cast without throwing.
    static bool IsDigit(const std::string& text);
};

namespace tinder {
// The text of the layer-name warning.
inline constexpr const char* kLayerNameWarning = "图层名不能为空，也不能包含下列字符：\\ / : * ? \" < > |";
// The size of the shared buffer AfxGetBufA answers.
inline constexpr std::size_t kSharedBufferSize = 1024;
}  // namespace tinder

// The utility library's one shared writable text buffer (tinder::kSharedBufferSize bytes), for
// callers that need a scratch buffer of a system call's size; its content lasts until the next
// caller writes it.
char* AfxGetBufA();
