// The multi-well objects of the section demo: scale bars of both kinds, the ruler frame, stratum
// cells and sand fills of every type in a connection section, and the rows of the fence and
// reservoir entries; each opened through its entry, printed, edited by a script and printed again.
#pragma once

#include <ostream>

class CWnd;

namespace demo {

void RunMultiWellDemo(CWnd& frame, CWnd& view, std::ostream& out);

}  // namespace demo
