#include "KitSession.h"

namespace demo {

void RunProfileKitSteps(Session&, zephyr::PlotFixture&, std::ostream&) {}

void DescribeProfileKit(CWpKit*, std::ostream&) {}

}  // namespace demo
