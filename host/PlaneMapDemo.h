// The plane-map part of the demo: a sample map with a layer of every object kind the plane
// lists show and layers of the kinds whose sheets are built, each object and layer opened through
// the plane-map creator, and a scripted session of selections and edits that prints the objects'
// and layers' values after each step.
#pragma once

#include <ostream>

class CWnd;

namespace demo {

void RunPlaneMapDemo(CWnd& frame, CWnd& view, std::ostream& out);

}  // namespace demo
