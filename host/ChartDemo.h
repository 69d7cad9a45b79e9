// The chart part of the demo: a sample chart (frame, legend, axes of every kind, one plot of each
// kind, two datasets) behind a display manager; the sheet of each kind opened through the chart
// creator, a plot bound to a statistics file through "选择数据……", and the chart dialogs driven
// from their items.
#pragma once

#include <ostream>

class CWnd;

namespace demo {

void RunChartDemo(CWnd& frame, CWnd& view, std::ostream& out);

}  // namespace demo
