// The section part of the demo: sample correlation, connection, fence and reservoir sections,
// each object kind opened through its entry and a map layer through CreateLayerProperty, the
// windows printed, and a scripted session of sand, grid and well edits and a layer switch.
#pragma once

#include <ostream>

class CWnd;

namespace demo {

void RunSectionDemo(CWnd& frame, CWnd& view, std::ostream& out);

}  // namespace demo
