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

// What an item that judges its texts knows of the last one: whether it refused it, and whether it
// came set by code (the item then holds it until the pane puts back the text it replaced) rather
// than typed or picked (the value left as it was). The mark lasts until the item's next text.
class TextRefusal {
public:
    void Typed(bool refused) {
        m_refused = refused;
        m_reported = false;
    }
    // A value set by code: bytes the item never took (valueRefused) are no text of it.
    void Reported(bool valueRefused, bool takes) {
        m_reported = !valueRefused;
        m_refused = m_reported && !takes;
    }
    // After the pane showed the refused item again, which set its value.
    void Mark() { m_refused = true; }
    bool IsRefused() const { return m_refused; }
    bool IsReported() const { return m_reported; }

private:
    bool m_refused = false;
    bool m_reported = false;
};

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
    void MarkRefused() { m_refusal.Mark(); }

    // Whether the rule takes the text.
    bool Takes(const CString& text) const { return !m_rule || m_rule(text); }
    // Whether the last text was refused: typed or picked, the value left as it was; set by code,
    // the value taken (IsReportedText).
    BOOL IsTextRefused() const { return m_refusal.IsRefused(); }
    BOOL IsReportedText() const { return m_refusal.IsReported(); }
    TextRefusal* Refusal() { return &m_refusal; }

private:
    TextRule m_rule;
    TextRefusal m_refusal;
};
