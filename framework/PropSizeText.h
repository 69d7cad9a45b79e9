// CBCGPropSizeText: a number (a width, size, height or depth) typed as text, with or without
// options to pick ("0.1" .. "3.0", "1" .. "32"). The item is built with the rule its list reads
// the text by, so a text the list would refuse is dropped the way the float item drops one: the
// edit closes, the value stays, and the item remembers the refusal so that the pane writes nothing
// and the item shows its text from before the edit again. No list ever sees a text it refuses. A
// text set by code is read as the same text typed.
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

// An item that judges every text it gets, typed, picked or set by code, by one reading of its own
// (Keeps): the text in the type the item reads texts into (KeptType: by default its own type, the
// type of the value it was made with, whatever it held since), and the rule its list reads it by.
// A refused text is dropped: the edit closes, the value stays, and the item remembers the refusal
// so that the pane writes nothing and the item shows its text from before the edit again. A text
// set by code is read as the same text typed.
class TESSALY_API CJudgedProp : public CBCGPProp {
public:
    BOOL TextToVar(const CString& text) override;
    // A value set by code is a new text of its own, judged as that text typed: an earlier refusal no
    // longer holds, and a value refused is marked refused (the item holds it until the pane puts
    // back the text it replaced).
    void SetValue(const _variant_t& value) override;
    // After the grid reported a value set by code that the item took: the item holds from then on
    // what it keeps for that text typed (a refresh that sets a value reports nothing, so it shows
    // what it set). The value the report replaced stays the one a later refusal puts back.
    void TakeReport();
    // Marks the last text refused again after the pane showed the refused item's value again.
    void MarkRefused() { m_bRefused = TRUE; }
    // Whether the last text was refused: typed or picked, the value left as it was; set by code,
    // the value taken (IsReportedText, which holds until the item's next text). Bytes the item
    // never took are no text of it.
    BOOL IsTextRefused() const { return m_bRefused; }
    BOOL IsReportedText() const { return m_bReported; }

protected:
    CJudgedProp(const CString& name, const _variant_t& value, const char* description, DWORD_PTR data,
                const char* editMask = nullptr, const char* editTemplate = nullptr, const char* validChars = nullptr);
    // A group (that may show a value): its texts are kept as texts.
    CJudgedProp(const CString& groupName, DWORD_PTR data, BOOL isValueList);

    // What the item keeps for a text, in KeptType(), or false when it refuses the text.
    virtual bool Keeps(const CString& text, _variant_t* kept) const = 0;
    // The type a text is kept in while the item holds held: for a text set by code, held is the
    // value it replaced, so the text is kept as the same text typed would be.
    virtual VARTYPE TypeForText(const _variant_t& held) const { return m_ownType; }
    // The type of the text being judged (TypeForText of the value held when it came).
    VARTYPE KeptType() const { return m_keptType; }
    VARTYPE OwnType() const { return m_ownType; }
    // Code that converts the item's value to another type makes that type the item's own.
    void SetOwnType(VARTYPE type) { m_ownType = type; }

private:
    BOOL m_bRefused = FALSE;
    BOOL m_bReported = FALSE;
    VARTYPE m_ownType;
    VARTYPE m_keptType;
    // The type the text set by code is kept in once the grid reports it.
    VARTYPE m_reportType;
};

class TESSALY_API CBCGPropSizeText : public CJudgedProp {
public:
    CBCGPropSizeText(const CString& name, const _variant_t& value, const char* description, DWORD_PTR data,
                     TextRule rule);

    // Whether the rule takes the text.
    bool Takes(const CString& text) const { return !m_rule || m_rule(text); }

protected:
    // The rule, then the text in the item's own type.
    bool Keeps(const CString& text, _variant_t* kept) const override;

private:
    TextRule m_rule;
};
