#include "framework/PropSizeText.h"

#include "framework/NumberText.h"

// ---- an item that judges its texts ------------------------------------------------------------------

CJudgedProp::CJudgedProp(const CString& name, const _variant_t& value, const char* description, DWORD_PTR data,
                         const char* editMask, const char* editTemplate, const char* validChars)
    : CBCGPProp(name, value, description, data, editMask, editTemplate, validChars),
      m_ownType(value.vt),
      m_keptType(value.vt),
      m_reportType(value.vt) {}

CJudgedProp::CJudgedProp(const CString& groupName, DWORD_PTR data, BOOL isValueList)
    : CBCGPProp(groupName, data, isValueList), m_ownType(VT_EMPTY), m_keptType(VT_EMPTY), m_reportType(VT_EMPTY) {}

BOOL CJudgedProp::TextToVar(const CString& text) {
    // A refused text is taken with the value untouched; the item then shows its text from before the edit again.
    _variant_t kept;
    m_keptType = TypeForText(m_varValue);
    m_bRefused = !Keeps(text, &kept);
    m_bReported = FALSE;
    if (!m_bRefused) m_varValue = kept;
    return TRUE;
}

// A report the item would refuse typed is refused the same way (the pane puts back the text it
// replaced). The item holds the value as it came until the grid reports it (TakeReport): a refresh
// shows what it set, also a text no typing would leave (an empty number).
void CJudgedProp::SetValue(const _variant_t& value) {
    CBCGPProp::SetValue(value);
    _variant_t kept;
    m_bReported = !IsValueRefused();
    if (m_bReported) m_reportType = m_keptType = TypeForText(GetValueBefore());
    m_bRefused = m_bReported && !Keeps(VariantToText(GetValue()), &kept);
}

void CJudgedProp::TakeReport() {
    _variant_t kept;
    m_keptType = m_reportType;
    if (!m_bReported || m_bRefused || !Keeps(VariantToText(m_varValue), &kept)) return;
    if (kept == m_varValue) return;
    // The value the report replaced stays the one a later refusal puts back.
    const _variant_t before = m_varValueBefore;
    CBCGPProp::SetValue(kept);
    m_varValueBefore = before;
}

// ---- the size text item ------------------------------------------------------------------------------

CBCGPropSizeText::CBCGPropSizeText(const CString& name, const _variant_t& value, const char* description,
                                   DWORD_PTR data, TextRule rule)
    : CJudgedProp(name, value, description, data), m_rule(std::move(rule)) {}

bool CBCGPropSizeText::Keeps(const CString& text, _variant_t* kept) const {
    return Takes(text) && numtext::TextToVariant(text, KeptType(), kept);
}
