// The well-plot part of the demo: a sample well plot (well, depth track, two curve tracks, a
// track with a program and one kit of every class), a scripted session of selections and edits
// through the kit property sheet, then the sheet of every kit with all its pages printed.
#pragma once

#include <ostream>

class CWnd;

namespace zephyr {
class PlotFixture;
}

namespace demo {

// The well's interval data beside its sample data: each interval kit gets two intervals, the
// first active.
void AddIntervalData(zephyr::PlotFixture& plot);

void RunWellPlotDemo(CWnd& frame, CWnd& view, std::ostream& out);

}  // namespace demo
