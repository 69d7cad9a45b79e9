#include "KitSession.h"

namespace demo {

void RunTextKitSteps(Session&, zephyr::PlotFixture&, std::ostream&) {}

void DescribeTextKit(CWpKit*, std::ostream&) {}

}  // namespace demo
