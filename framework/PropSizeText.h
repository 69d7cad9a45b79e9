// CBCGPropSizeText: a number (a width, size, height or depth) typed as text, with or without
// options to pick ("0.1" .. "3.0", "1" .. "32"). The item is built with the rule its list reads
// the text by, so a text the list would refuse is dropped the way the float item drops one: the
// edit closes, the value stays, and the item remembers the refusal so that the pane writes nothing
// and the item shows its text from before the edit again. No list ever sees a text it refuses.
#pragma once

#include <functional>
#include <type_traits>

#include "bcg/Prop.h"
#include "framework/Export.h"

// The rule by which a list reads an item's text: true when the list takes the text (the reader
// itself, with its scale and field, its output thrown away).
using TextRule = std::function<bool(const CString& text)>;

// The rule of a reader that reads a text into a T (a scale and a field of its own): the text is
// taken when the reader takes it, the value read thrown away.
template <class T>
TextRule ReaderRule(bool (*reader)(const CString&, T*)) {
    return [reader](const CString& text) {
        T value{};
        return reader(text, &value);
    };
}

// The same for a reader that also takes an argument of its own (a scale, say), bound to arg.
template <class T, class Arg>
TextRule ReaderRule(bool (*reader)(const CString&, Arg, T*), std::common_type_t<Arg> arg) {
    return [reader, arg](const CString& text) {
        T value{};
        return reader(text, arg, &value);
    };
}

class TESSALY_API CBCGPropSizeText : public CBCGPProp {
public:
    CBCGPropSizeText(const CString& name, const _variant_t& value, const char* description, DWORD_PTR data,
                     TextRule rule);

    BOOL TextToVar(const CString& text) override;
    // A value set by code is a new text of its own, judged by the same rule: an earlier refusal no
    // longer holds, and a value the rule refuses is marked refused (the item holds it until the
    // pane puts back the text it replaced).
    void SetValue(const _variant_t& value) override;
    // Marks the last text refused again after the pane showed the refused item's value again.
    void MarkRefused() { m_bRefused = TRUE; }

    // Whether the rule takes the text.
    bool Takes(const CString& text) const { return !m_rule || m_rule(text); }
    // Whether the last text was refused: typed or picked, the value left as it was; set by code,
    // the value taken (IsReportedText).
    BOOL IsTextRefused() const { return m_bRefused; }
    BOOL IsReportedText() const { return m_bReported; }

private:
    TextRule m_rule;
    BOOL m_bRefused = FALSE;
    BOOL m_bReported = FALSE;
};
