// CBCGPropFloat: a number item shown with a fixed count of decimals (a negative that rounds to
// zero shows as zero, so the item never shows a text it would refuse). A typed text that is
// not an acceptable number is silently dropped: the edit closes and the previous value stays.
// The grid still reports that edit to the list; the item remembers that it refused the text, so
// the list can tell such a report from a real change.
#pragma once

#include "bcg/Prop.h"
#include "framework/Export.h"

// The number a typed text means for a float item, or FLT_MAX when the text is not acceptable:
// a minus sign anywhere but first, a minus sign where negatives are not allowed, a text that
// does not start with a number other than 0, "0" or "0..." and nothing at all (which means 0).
// A number followed by other characters means that number. A number beyond the range of a
// double is no number either.
double JudgeFloatText(const CString& text, BOOL allowNegative);

class TESSALY_API CBCGPropFloat : public CBCGPProp {
public:
    CBCGPropFloat(const CString& name, const _variant_t& value, int digits, const char* description = nullptr,
                  BOOL allowNegative = TRUE, DWORD_PTR data = 0, const char* editMask = nullptr,
                  const char* editTemplate = nullptr, const char* validChars = nullptr);
    CBCGPropFloat(const CString& groupName, DWORD_PTR data, int digits, BOOL allowNegative = TRUE,
                  BOOL isValueList = FALSE);

    CString FormatProperty() override;
    BOOL TextToVar(const CString& text) override;

    // Converts the value in place when its type differs; a failed conversion throws _com_error.
    void ChangeType(VARTYPE type);
    void SetDecimalDigit(int digits) { m_nDigits = digits < 0 ? 0 : digits; }
    int GetDecimalDigit() const { return m_nDigits; }
    BOOL IsNegativeAllowed() const { return m_bAllowNegative; }
    // Whether the last typed text was refused (by the filter, or as a number the value's type
    // cannot hold) and the value left as it was.
    BOOL IsTextRefused() const { return m_bRefused; }

private:
    double JudgeFigure(CString text, bool);

    int m_nDigits;
    BOOL m_bAllowNegative;
    BOOL m_bRefused = FALSE;
};

// Whether the item refused the text just typed into it although the grid reported the edit: a
// float item or a size text item does (any other item keeps its editor open instead). Every pane
// and page checks this before its write-back, so a refused text writes nothing.
TESSALY_API bool ItemRefusedText(CBCGPProp* item);
