// The single-well part of the section demo: a sample single-well section with its well, strata of
// three grades, perforated and connected sand units, stratum units and a control line, each
// opened through CSglPropertyWnd::Create, and a scripted session of template, scale, grade,
// depth-range and sand-mode edits with the sheets printed.
#pragma once

#include <functional>
#include <ostream>

class CWnd;

namespace demo {

void RunSingleWellDemo(CWnd& frame, CWnd& view, std::ostream& out, const std::function<void(const char*)>& step);

}  // namespace demo
