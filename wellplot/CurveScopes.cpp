// The scopes of the curve page's edits: which curves (or kits) a scale, unit-font or title-font edit
// of the page's curve reaches besides the curve itself.
#include "hosttypes/Zephyr/WpWell.h"
#include "wellplot/KitWalk.h"
#include "wellplot/LstCurve.h"

CWpCurve* CLstCurve::KeptCurve() const {
    return m_pKit && m_pKit->IsKindOf(RUNTIME_CLASS(CWpCurve)) ? static_cast<CWpCurve*>(m_pKit) : nullptr;
}

void CLstCurve::ForEachScopeCurve(int scope, const std::function<void(CWpCurve*)>& visit) const {
    CWpCurve* curve = KeptCurve();
    if (!curve) return;
    auto other = [&](CWpKit* kit) {
        if (kit != curve && kit->IsKindOf(RUNTIME_CLASS(CWpCurve))) visit(static_cast<CWpCurve*>(kit));
    };
    if (scope == 1)
        wellplot::ForEachChild(curve->GetParent(), other);
    else if (scope == 2)
        wellplot::ForEachTrackKit(curve->GetWell(), false, true, other);
}

void CLstCurve::ApplyToScopeCurves(int scope, void (CWpCurve::*setter)(float), float value) {
    ForEachScopeCurve(scope, [&](CWpCurve* other) { (other->*setter)(value); });
}

void CLstCurve::ApplyToScopeCurves(int scope, void (CWpCurve::*setter)(float, int), float value) {
    ForEachScopeCurve(scope, [&](CWpCurve* other) { (other->*setter)(value, 0); });
}

void CLstCurve::ApplyScaleToScope() {
    CWpCurve* curve = KeptCurve();
    if (!curve) return;
    const int scope = curve->GetLmtScope();
    ApplyToScopeCurves(scope, &CWpCurve::SetLimitFont, curve->GetLimitFont());
    ApplyToScopeCurves(scope, &CWpCurve::SetMultiples, curve->GetMultiples());
    ApplyToScopeCurves(scope, &CWpCurve::ShowScale, curve->IsShowScale() != 0);
    ApplyToScopeCurves(scope, &CWpCurve::SetRight, curve->GetRight());
    ApplyToScopeCurves(scope, &CWpCurve::SetLeft, curve->GetLeft());
    ApplyToScopeCurves(scope, &CWpCurve::SetLeftAlignText, curve->IsLeftAlignText());
    ApplyToScopeCurves(scope, &CWpCurve::SetScaleDecimalDigit, curve->GetScaleDecimalDigit());
    ApplyToScopeCurves(scope, &CWpCurve::SetValueRangeType, curve->GetValueRangeType());
    ApplyToScopeCurves(scope, &CWpCurve::LogScale, curve->IsLogScale() != 0);
    ApplyToScopeCurves(scope, &CWpCurve::ShowLimit, curve->IsShowLimit());
    ApplyToScopeCurves(scope, &CWpCurve::SetLimitAlign, curve->GetLimitAlign());
}

void CLstCurve::ApplyTitleFontToScope(const QXLOGFONT& font) {
    CWpCurve* curve = KeptCurve();
    if (!curve) return;
    QXLOGFONT given = font;
    auto setFont = [&](CWpKit* kit) { kit->SetTitleFont(&given); };
    auto setCurveFont = [&](CWpKit* kit) {
        if (kit->IsKindOf(RUNTIME_CLASS(CWpCurve))) kit->SetTitleFont(&given);
    };
    switch (curve->GetTtlFtScope()) {
        case 0:
            curve->SetTitleFont(&given);
            break;
        case 1:
            wellplot::ForEachChild(curve->GetParent(), setCurveFont);
            break;
        case 2:
            wellplot::ForEachChild(curve->GetParent(), setFont);
            break;
        case 3:
            wellplot::ForEachTrackKit(curve->GetWell(), false, true, setCurveFont);
            break;
        case 4:
            wellplot::ForEachTrackKit(curve->GetWell(), true, true, setFont);
            break;
        default:
            break;
    }
}
