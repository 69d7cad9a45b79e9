// The profile-line part of the demo: a graph entity with a sequential and a projected line and
// wells with labels, symbols and tracks, in a temporary project folder holding plane maps. The
// layer window and each object kind's window are opened, printed and edited; one page is made
// without a window, and its failure goes to the root logger, which prints to standard error.
#pragma once

#include <ostream>

class CWnd;

namespace demo {

void RunProfileLineDemo(CWnd& frame, CWnd& view, std::ostream& out);

}  // namespace demo
