#include "KitSession.h"

namespace demo {

void RunSymbolKitSteps(Session&, zephyr::PlotFixture&, std::ostream&) {}

void DescribeSymbolKit(CWpKit*, std::ostream&) {}

}  // namespace demo
