// The graph-tool library's shared drawing tools: each draws a sample of a pen, a brush or a
// point symbol into a device context. Coordinates are the DC's logical units; sizes of the
// style records (hundredths of a millimetre) are taken as logical units, as under MM_HIMETRIC,
// and multiplied by the scale.
#pragma once

#include "hosttypes/Kestrel/StyleRecords.h"
#include "mfc/Dc.h"

// Keeps the library's drawing on its default engine while it lives; samples drawn for the
// property grid are drawn inside one of these.
class CUseDefaultEngineHelper {
public:
    CUseDefaultEngineHelper();
    ~CUseDefaultEngineHelper();
    CUseDefaultEngineHelper(const CUseDefaultEngineHelper&) = delete;
    CUseDefaultEngineHelper& operator=(const CUseDefaultEngineHelper&) = delete;
};

class CLineTool {
public:
    // A segment from one point to another in the pen's style, colour and width. FALSE (and
    // nothing drawn) without a device context.
    BOOL DrawLine(CDC* dc, const QXLOGPEN& pen, const POINT& from, const POINT& to, double scale) const;
};

class CFillTool {
public:
    // The rectangle filled with the brush: a solid fill in the fill colour, or a pattern in the
    // line colour over the fill colour (the background only when the background mode is not
    // transparent). The "no fill" style draws nothing. FALSE without a device context.
    BOOL DrawFill(CDC* dc, const QXLOGBRUSH& brush, const RECT& rect, double scale) const;
};

class CPointTool {
public:
    // The point symbol centred on a point: border colour for the outline, inner colour inside.
    // FALSE without a device context.
    BOOL DrawPoint(CDC* dc, const QXLOGPOINT& point, const POINT& centre, double scale) const;
};

CLineTool* AfxGetLineTool();
CFillTool* AfxGetFillTool();
CPointTool* AfxGetPointTool();
