// The plane-map part of the demo: a sample map with a layer of every object kind the plane
// lists show, the list of an object opened by its kind, and a scripted session of selections
// and edits that prints the objects' values after each step.
#pragma once

#include <ostream>

class CWnd;
class CQXObject;

namespace demo {

// The property window of an object, created as a child of parent: a single list, or the
// border's three-page sheet. NULL for a kind no list shows.
CWnd* OpenPlaneWindow(CQXObject* object, CWnd* parent);

void RunPlaneMapDemo(CWnd& frame, CWnd& view, std::ostream& out);

}  // namespace demo
