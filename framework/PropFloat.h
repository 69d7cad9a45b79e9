// CBCGPropFloat: a number item shown with a fixed count of decimals (a negative that rounds to
// zero shows as zero, so the item never shows a text it would refuse). A typed text that is
// not an acceptable number is silently dropped: the edit closes and the previous value stays.
// The grid still reports that edit; the item remembers that it refused the text, so the pane
// writes nothing and the item shows its text from before the edit again. Whether a text is taken
// is one answer, typed or set by code: the filter, a number the item's own field (the type it was
// made with) holds, and the list's rule. A text taken becomes the type of the value the item holds
// when it comes: a number where code last wrote a number, a text where code last wrote a text
// ("14" typed after a refresh wrote "12.00" stays "14"). A text set by code is held, once the grid
// reports it, as the same text typed over the value it replaced.
#pragma once

#include <functional>

#include "bcg/Prop.h"
#include "framework/Export.h"
#include "framework/PropSizeText.h"

// The number a typed text means for a float item, or FLT_MAX when the text is not acceptable:
// a minus sign anywhere but first, a minus sign where negatives are not allowed, a text that
// does not start with a number other than 0, "0" or "0..." and nothing at all (which means 0).
// A number followed by other characters means that number. A number beyond the range of a
// double is no number either.
double JudgeFloatText(const CString& text, BOOL allowNegative);

class TESSALY_API CBCGPropFloat : public CJudgedProp {
public:
    CBCGPropFloat(const CString& name, const _variant_t& value, int digits, const char* description = nullptr,
                  BOOL allowNegative = TRUE, DWORD_PTR data = 0, const char* editMask = nullptr,
                  const char* editTemplate = nullptr, const char* validChars = nullptr);
    CBCGPropFloat(const CString& groupName, DWORD_PTR data, int digits, BOOL allowNegative = TRUE,
                  BOOL isValueList = FALSE);

    CString FormatProperty() override;

    // Converts the value in place when its type differs; a failed conversion throws _com_error.
    // Its field holds that type from then on.
    void ChangeType(VARTYPE type);
    void SetDecimalDigit(int digits) { m_nDigits = digits < 0 ? 0 : digits; }
    int GetDecimalDigit() const { return m_nDigits; }
    BOOL IsNegativeAllowed() const { return m_bAllowNegative; }
    // The rule the list reads the item by, beside the item's own filter: it judges what the item
    // would keep for a typed text (the text of the number, or the text itself for a text value),
    // and a text either refuses is refused, so the list never sees a value it would refuse.
    void SetTextRule(TextRule rule) { m_rule = std::move(rule); }

protected:
    // The filter, a number the item's own type holds, the text in the type kept, then the list's
    // rule on what the item would keep.
    bool Keeps(const CString& text, _variant_t* kept) const override;
    // The type of the value held.
    VARTYPE TypeForText(const _variant_t& held) const override { return held.vt; }

private:
    // The number the text means, or FLT_MAX when the filter refuses it (JudgeFloatText).
    double JudgeFigure(CString text, bool) const;

    int m_nDigits;
    BOOL m_bAllowNegative;
    TextRule m_rule;
};

// The rule of a list that reads a float item by an item reader: reads is that reader, given an
// item holding what the float item would keep.
TESSALY_API TextRule KeptNumberRule(std::function<bool(CBCGPProp* kept)> reads);
// The same for an item reader that reads into a T, the value read thrown away.
template <class T>
TextRule KeptNumberRule(bool (*reader)(CBCGPProp*, T*)) {
    return KeptNumberRule([reader](CBCGPProp* kept) {
        T value{};
        return reader(kept, &value);
    });
}
// Adds rule to a float item's own filter; any other item (or none) is passed over.
TESSALY_API void ReadBy(CBCGPProp* item, TextRule rule);

// Whether the item refused the text just typed into it although the grid reported the edit: a
// float item or a size text item does (any other item keeps its editor open instead). Every pane
// and page checks this before its write-back, so a refused text writes nothing.
TESSALY_API bool ItemRefusedText(CBCGPProp* item);
