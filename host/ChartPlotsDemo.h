// The plot part of the chart demo: the sheets of the seven plot kinds opened through the chart
// creator, and a scripted session over their pages (data, layout, binning, angles, line modes,
// labels, symbols and fills).
#pragma once

#include <ostream>

class CWnd;

namespace demo {

void RunChartPlotsDemo(CWnd& frame, CWnd& view, std::ostream& out);

}  // namespace demo
