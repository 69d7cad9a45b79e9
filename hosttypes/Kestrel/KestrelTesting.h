// Test hooks of the graph-tool library stand-in: the record of what the drawing tools drew,
// the default-engine scope, and the catalogues' reset.
#pragma once

#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "mfc/Types.h"

namespace kestrel::testing {

enum class Tool { Line, Fill, Point };

// One call of a drawing tool, with the values it was given.
struct DrawCall {
    Tool tool = Tool::Line;
    HDC dc = nullptr;
    QXLOGPEN pen;      // Line
    QXLOGBRUSH brush;  // Fill
    QXLOGPOINT point;  // Point
    CPoint from, to;   // Line: the segment; Point: from is the centre
    CRect rect;        // Fill
    double scale = 0;
    int mapMode = 0;             // the DC's mapping mode at the call
    bool defaultEngine = false;  // a CUseDefaultEngineHelper was alive
};

// Tool calls in order (calls without a device context are not recorded).
const std::vector<DrawCall>& DrawCalls();
void ClearDrawCalls();
// Number of CUseDefaultEngineHelper objects alive.
int DefaultEngineDepth();

// Stock catalogues back, empty draw record.
void Reset();
// Every catalogue empty (a host without style files); rebuild with the managers' Add* members.
void ClearCatalogues();

}  // namespace kestrel::testing
