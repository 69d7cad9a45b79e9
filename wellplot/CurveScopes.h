// The scopes of the curve page's edits: which curves (or kits) a scale, unit-font or title-font edit
// of a curve reaches besides the curve itself.
#pragma once

#include <functional>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Zephyr/WpContent.h"

// Calls set on every curve that scope reaches from curve: 1 the other curves of its track, 2 the
// other curves in every content track of its well; none for any other scope, or when the curve
// has no track or no well.
void ApplyToScopeCurves(CWpCurve* curve, int scope, const std::function<void(CWpCurve*)>& set);
// Copies the curve's whole scale to the curves of its scale scope: font, multiple, second scale,
// right, left, direction, decimal digits, range type, scale type, values shown, their arrangement.
void ApplyScaleToScope(CWpCurve* curve);
// Gives the title font to the kits of the curve's title-font scope: 0 the curve, 1 the curves of
// its track, 2 every kit of its track, 3 the curves of every content track, 4 every content track
// and every kit in them.
void ApplyTitleFontToScope(CWpCurve* curve, const QXLOGFONT& font);
