#include "wellplot/CurveScopes.h"

#include "hosttypes/Zephyr/WpWell.h"
#include "wellplot/KitWalk.h"

void ApplyToScopeCurves(CWpCurve* curve, int scope, const std::function<void(CWpCurve*)>& set) {
    auto visit = [&](CWpKit* kit) {
        if (kit != curve && kit->IsKindOf(RUNTIME_CLASS(CWpCurve))) set(static_cast<CWpCurve*>(kit));
    };
    if (scope == 1)
        wellplot::ForEachChild(curve->GetParent(), visit);
    else if (scope == 2)
        wellplot::ForEachTrackKit(curve->GetWell(), false, true, visit);
}

void ApplyScaleToScope(CWpCurve* curve) {
    const QXLOGFONT font = curve->GetLimitFont();
    const float multiples = curve->GetMultiples();
    const bool second = curve->IsShowScale() != 0;
    const float right = curve->GetRight();
    const float left = curve->GetLeft();
    const bool leftToRight = curve->IsLeftAlignText();
    const int digits = curve->GetScaleDecimalDigit();
    const int range = curve->GetValueRangeType();
    const bool log = curve->IsLogScale() != 0;
    const CWpCurve::ScaleShowWays shown = curve->IsShowLimit();
    const int align = curve->GetLimitAlign();
    ApplyToScopeCurves(curve, curve->GetLmtScope(), [&](CWpCurve* other) {
        other->SetLimitFont(font);
        other->SetMultiples(multiples);
        other->ShowScale(second);
        other->SetRight(right, 0);
        other->SetLeft(left, 0);
        other->SetLeftAlignText(leftToRight);
        other->SetScaleDecimalDigit(digits);
        other->SetValueRangeType(range);
        other->LogScale(log);
        other->ShowLimit(shown);
        other->SetLimitAlign(align);
    });
}

void ApplyTitleFontToScope(CWpCurve* curve, const QXLOGFONT& font) {
    auto setFont = [&](CWpKit* kit) { kit->SetTitleFont(font); };
    auto setCurveFont = [&](CWpKit* kit) {
        if (kit->IsKindOf(RUNTIME_CLASS(CWpCurve))) kit->SetTitleFont(font);
    };
    switch (curve->GetTtlFtScope()) {
    case 0:
        curve->SetTitleFont(font);
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
