// The chart frame, legend and axis part of the demo: the sheets of a chart, its legend and an axis
// of every kind opened through the chart creator, and a scripted session over their pages.
#pragma once

#include <ostream>

class CWnd;

namespace demo {

void RunChartAxesDemo(CWnd& frame, CWnd& view, std::ostream& out);

}  // namespace demo
