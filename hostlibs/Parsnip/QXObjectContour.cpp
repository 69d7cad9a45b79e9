#include "hosttypes/Parsnip/QXObjectContour.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "win32/Crt.h"

IMPLEMENT_DYNAMIC(CQXObjectContour, CQXObjectPolyline)

namespace {
// More decimals than a double carries would only write noise.
constexpr int kMaxShownDecimals = 15;

// The text read whole as a finite number (blanks around it allowed). A text whose number a double
// cannot hold ("-4e358", "nan") is no number here: rewriting it would write "-inf".
bool ReadWholeNumber(const CString& text, double& value) {
    const char* p = text.GetString();
    std::size_t used = 0;
    const double v = crt::Atof(p, &used);
    if (used == 0 || !std::isfinite(v)) return false;
    for (p += used; *p; ++p)
        if (!crt::IsSpace(*p)) return false;
    value = v;
    return true;
}

// The label of a value at that many decimals; a value that rounds to zero reads without a sign
// ("0", "0.00"), never "-0".
CString LabelText(double value, int decimals) {
    CString label;
    label.Format("%.*f", decimals, value);
    const std::string text = label.str();
    if (!text.empty() && text[0] == '-' && text.find_first_not_of("0.", 1) == std::string::npos)
        label = CString(text.c_str() + 1);
    return label;
}
}  // namespace

CQXObjectContour::CQXObjectContour(CQXLayer* layer) : CQXObjectPolyline(layer) { SetClassNameG("CQXObjectContour"); }
CQXObjectContour::~CQXObjectContour() = default;

CString CQXObjectContour::GetLabel() const { return m_strLabel; }

void CQXObjectContour::SetLabel(const char* label) {
    m_strLabel = label ? label : "";
    Touched("CQXObjectContour::SetLabel", m_strLabel.str());
}

void CQXObjectContour::GetLogFont(QXLOGFONT* font) const {
    if (font) *font = m_font;
}

void CQXObjectContour::SetLogFont(QXLOGFONT* font) {
    if (!font) return;
    m_font = *font;
    Touched("CQXObjectContour::SetLogFont");
}

int CQXObjectContour::GetLabelVisible() const { return m_nLabelVisible; }

void CQXObjectContour::SetLabelVisible(int visible) {
    m_nLabelVisible = visible;
    Touched("CQXObjectContour::SetLabelVisible", std::to_string(visible));
}

int CQXObjectContour::GetDecimal() const { return m_nDecimal; }

void CQXObjectContour::SetDecimal(int decimal) {
    if (decimal < 0) return;
    m_nDecimal = decimal;
    double value = 0;
    if (ReadWholeNumber(m_strLabel, value)) m_strLabel = LabelText(value, std::min(decimal, kMaxShownDecimals));
    Touched("CQXObjectContour::SetDecimal", std::to_string(decimal));
}

double CQXObjectContour::GetStartDistance() const { return m_dStartDistance; }

void CQXObjectContour::SetStartDistance(double distance) {
    m_dStartDistance = distance;
    Touched("CQXObjectContour::SetStartDistance", std::to_string(distance));
}

double CQXObjectContour::GetLabelDistance() const { return m_dLabelDistance; }

void CQXObjectContour::SetLabelDistance(double distance) {
    m_dLabelDistance = distance;
    Touched("CQXObjectContour::SetLabelDistance", std::to_string(distance));
}
