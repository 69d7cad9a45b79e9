#include "hosttypes/Kestrel/GraphTools.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "hostlibs/Kestrel/KestrelInternal.h"
#include "mfc/BoundedLog.h"
#include "hosttypes/Kestrel/GraphStyleManager.h"
#include "hosttypes/Kestrel/KestrelTesting.h"

using namespace kestrel;

namespace {

int g_engineDepth = 0;
// The newest calls at least (every picker entry a grid paints draws a sample): bounded for a
// host that stays open all day.
constexpr std::size_t kDrawCallsKept = 1024;
platform::BoundedLog<testing::DrawCall> g_drawCalls(kDrawCallsKept);

// Sizes beyond this many logical units (a metre under MM_HIMETRIC) are drawn at this size, so
// that a wild record cannot ask for an absurd pen or symbol.
constexpr double kMaxExtent = 100000.0;
// Pattern strokes per direction at most; a finer pattern is drawn coarser.
constexpr int kMaxStrokes = 200;
constexpr int kMaxDotsPerSide = 50;
// Pattern spacing when the brush gives no usable cell size (2 mm).
constexpr double kDefaultSpacing = 200.0;

// A size in logical units: the record's value times the scale, 0 for a negative or NaN value.
double Scaled(float value, double scale) {
    const double v = static_cast<double>(value) * scale;
    if (!(v > 0)) return 0;
    return std::min(v, kMaxExtent);
}

int Round(double v) { return static_cast<int>(std::lround(v)); }

testing::DrawCall NewCall(testing::Tool tool, CDC* dc, double scale) {
    testing::DrawCall call;
    call.tool = tool;
    call.dc = dc->GetSafeHdc();
    call.scale = scale;
    call.mapMode = dc->GetMapMode();
    call.defaultEngine = g_engineDepth > 0;
    return call;
}

void Segment(CDC* dc, double x1, double y1, double x2, double y2) {
    dc->MoveTo(Round(x1), Round(y1));
    dc->LineTo(Round(x2), Round(y2));
}

int PenStyleOf(int pattern) {
    switch (pattern) {
        case kLineDash:
            return PS_DASH;
        case kLineDot:
            return PS_DOT;
        case kLineDashDot:
            return PS_DASHDOT;
        case kLineDashDotDot:
            return PS_DASHDOTDOT;
        default:
            return PS_SOLID;
    }
}

// Points of a closed outline around (cx, cy) with half size h.
std::vector<std::pair<double, double>> Outline(int shape, double cx, double cy, double h) {
    std::vector<std::pair<double, double>> pts;
    switch (shape) {
        case kPointCircle:
            for (int k = 0; k < 8; ++k) {
                const double a = (k + 0.5) * 3.14159265358979 / 4;
                pts.emplace_back(cx + h * std::cos(a), cy + h * std::sin(a));
            }
            break;
        case kPointTriangle:
            pts = {{cx, cy + h}, {cx - h, cy - h}, {cx + h, cy - h}};
            break;
        case kPointDiamond:
            pts = {{cx, cy + h}, {cx - h, cy}, {cx, cy - h}, {cx + h, cy}};
            break;
        default:
            break;
    }
    return pts;
}

}  // namespace

// ---- CUseDefaultEngineHelper -------------------------------------------------------------------

CUseDefaultEngineHelper::CUseDefaultEngineHelper() { ++g_engineDepth; }
CUseDefaultEngineHelper::~CUseDefaultEngineHelper() { --g_engineDepth; }

// ---- CLineTool ----------------------------------------------------------------------------------

BOOL CLineTool::DrawLine(CDC* dc, const QXLOGPEN& pen, const POINT& from, const POINT& to, double scale) const {
    if (!dc || !dc->GetSafeHdc()) return FALSE;
    testing::DrawCall call = NewCall(testing::Tool::Line, dc, scale);
    call.pen = pen;
    call.from = from;
    call.to = to;
    g_drawCalls.push_back(call);

    const int pattern = detail::PatternOf(AfxGetLineStyleManager(""), pen.style, kLineSolid);
    const double width = Scaled(pen.width, scale);
    CPen gdiPen(PenStyleOf(pattern), Round(width), pen.color);
    CPen* old = dc->SelectObject(&gdiPen);
    Segment(dc, from.x, from.y, to.x, to.y);

    const double dx = static_cast<double>(to.x) - from.x;
    const double dy = static_cast<double>(to.y) - from.y;
    const double length = std::hypot(dx, dy);
    if (length > 0 && (pattern == kLineDouble || pattern == kLineTicked)) {
        // Unit normal on the left of the direction of drawing.
        const double nx = -dy / length;
        const double ny = dx / length;
        const double gap = std::max(3.0 * width, 50.0);
        if (pattern == kLineDouble) {
            Segment(dc, from.x + nx * gap, from.y + ny * gap, to.x + nx * gap, to.y + ny * gap);
        } else {
            const int ticks = std::min(kMaxStrokes, static_cast<int>(length / (2 * gap)));
            for (int k = 1; k <= ticks; ++k) {
                const double t = k / (ticks + 1.0);
                const double x = from.x + dx * t;
                const double y = from.y + dy * t;
                Segment(dc, x, y, x + nx * gap, y + ny * gap);
            }
        }
    }
    dc->SelectObject(old);
    return TRUE;
}

// ---- CFillTool ----------------------------------------------------------------------------------

BOOL CFillTool::DrawFill(CDC* dc, const QXLOGBRUSH& brush, const RECT& rect, double scale) const {
    if (!dc || !dc->GetSafeHdc()) return FALSE;
    testing::DrawCall call = NewCall(testing::Tool::Fill, dc, scale);
    call.brush = brush;
    call.rect = rect;
    g_drawCalls.push_back(call);

    // A style the catalogue does not list (a default brush among them) is drawn solid.
    const int pattern = detail::PatternOf(AfxGetFillStyleManager(""), brush.style,
                                          brush.style == kBrushStyleNone ? kFillNone : kFillSolid);
    if (pattern == kFillNone) return TRUE;

    // Under MM_HIMETRIC a converted rectangle has its top above its bottom: work on the span.
    const double left = std::min(rect.left, rect.right);
    const double right = std::max(rect.left, rect.right);
    const double low = std::min(rect.top, rect.bottom);
    const double high = std::max(rect.top, rect.bottom);
    const double w = right - left;
    const double h = high - low;
    if (pattern == kFillSolid || brush.backMode != kBackModeTransparent) dc->FillSolidRect(&rect, brush.fillColor);
    if (pattern == kFillSolid || w <= 0 || h <= 0) return TRUE;

    double spacing = Scaled(brush.size, scale);
    if (spacing <= 0) spacing = kDefaultSpacing;
    spacing = std::max({spacing, w / kMaxStrokes, h / kMaxStrokes});

    if (pattern == kFillDots) {
        // Dots fill an area: keep their number to a few thousand.
        spacing = std::max({spacing, w / kMaxDotsPerSide, h / kMaxDotsPerSide});
        const double dot = std::max(1.0, spacing / 5);
        for (double y = low + spacing / 2; y < high; y += spacing)
            for (double x = left + spacing / 2; x < right; x += spacing)
                dc->FillSolidRect(Round(x - dot / 2), Round(y - dot / 2), Round(dot), Round(dot), brush.lineColor);
        return TRUE;
    }

    CPen gdiPen(PS_SOLID, 0, brush.lineColor);
    CPen* old = dc->SelectObject(&gdiPen);
    if (pattern == kFillHorizontal || pattern == kFillGrid)
        for (double y = low + spacing / 2; y < high; y += spacing) Segment(dc, left, y, right, y);
    if (pattern == kFillVertical || pattern == kFillGrid)
        for (double x = left + spacing / 2; x < right; x += spacing) Segment(dc, x, low, x, high);
    if (pattern == kFillDiagonal) {
        // Rising 45-degree strokes x - y = c, clipped to the rectangle.
        for (double c = left - high + spacing / 2; c < right - low; c += spacing) {
            const double x1 = std::max(left, low + c);
            const double x2 = std::min(right, high + c);
            if (x2 > x1) Segment(dc, x1, x1 - c, x2, x2 - c);
        }
    }
    dc->SelectObject(old);
    return TRUE;
}

// ---- CPointTool ---------------------------------------------------------------------------------

BOOL CPointTool::DrawPoint(CDC* dc, const QXLOGPOINT& point, const POINT& centre, double scale) const {
    if (!dc || !dc->GetSafeHdc()) return FALSE;
    testing::DrawCall call = NewCall(testing::Tool::Point, dc, scale);
    call.point = point;
    call.from = centre;
    g_drawCalls.push_back(call);

    const double h = Scaled(point.size, scale) / 2;
    if (h <= 0) return TRUE;
    const int shape = detail::PatternOf(AfxGetPointStyleManager(""), point.style, kPointSquare);
    const double cx = centre.x;
    const double cy = centre.y;

    CPen border(PS_SOLID, 0, point.borderColor);
    CPen* oldPen = dc->SelectObject(&border);
    if (shape == kPointSquare) {
        CBrush inner(point.innerColor);
        CBrush* oldBrush = dc->SelectObject(&inner);
        dc->Rectangle(Round(cx - h), Round(cy - h), Round(cx + h), Round(cy + h));
        dc->SelectObject(oldBrush);
    } else if (shape == kPointCross || shape == kPointStar) {
        Segment(dc, cx - h, cy, cx + h, cy);
        Segment(dc, cx, cy - h, cx, cy + h);
        if (shape == kPointStar) {
            const double d = h * 0.7071;
            Segment(dc, cx - d, cy - d, cx + d, cy + d);
            Segment(dc, cx - d, cy + d, cx + d, cy - d);
        }
    } else {
        // Outlined shapes get their inner colour as a core square, then the outline.
        const double core = h / 2;
        dc->FillSolidRect(Round(cx - core), Round(cy - core), Round(2 * core), Round(2 * core), point.innerColor);
        const auto pts = Outline(shape, cx, cy, h);
        for (std::size_t k = 0; k < pts.size(); ++k) {
            const auto& a = pts[k];
            const auto& b = pts[(k + 1) % pts.size()];
            Segment(dc, a.first, a.second, b.first, b.second);
        }
    }
    dc->SelectObject(oldPen);
    return TRUE;
}

// ---- the shared tools --------------------------------------------------------------------------

CLineTool* AfxGetLineTool() {
    static CLineTool tool;
    return &tool;
}

CFillTool* AfxGetFillTool() {
    static CFillTool tool;
    return &tool;
}

CPointTool* AfxGetPointTool() {
    static CPointTool tool;
    return &tool;
}

// ---- test hooks --------------------------------------------------------------------------------

namespace kestrel::testing {

const std::vector<DrawCall>& DrawCalls() { return g_drawCalls.items(); }
void ClearDrawCalls() { g_drawCalls.clear(); }
int DefaultEngineDepth() { return g_engineDepth; }

void Reset() {
    g_drawCalls.clear();
    detail::LoadStockCatalogues();
}

}  // namespace kestrel::testing
