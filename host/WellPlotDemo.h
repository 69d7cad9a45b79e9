// The well-plot part of the demo: a sample well plot (well, depth track, two curve tracks, a
// track with a program and one kit of every class), a scripted session of selections and edits
// through the kit property sheet, then the sheet of every kit with all its pages printed.
#pragma once

#include <ostream>

class CWnd;

namespace demo {

void RunWellPlotDemo(CWnd& frame, CWnd& view, std::ostream& out);

}  // namespace demo
