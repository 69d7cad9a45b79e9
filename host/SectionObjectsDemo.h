// The section-object part of the demo: rulers, navigation maps and fault points of a correlation
// section, and the designer well, interface lines, control line, fault lines and flow unit of a
// reservoir section, each opened through its entry, edited as a user would and printed.
#pragma once

#include <ostream>

class CWnd;

namespace demo {

void RunSectionObjectsDemo(CWnd& frame, CWnd& view, std::ostream& out);

}  // namespace demo
