// Value records of the map-graphics library: legend entries, table cell lines, point runs,
// the undo manager, the factories' registries, the coordinate translator and the polygon
// creator's pieces. Every copy is member by member; lists and registries copy themselves, so a
// copy never shares anything with its original. What the opaque words mean is the library's.
#pragma once

#include <array>
#include <cfloat>
#include <cstdint>
#include <list>
#include <map>
#include <string>
#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Parsnip/Geometry.h"
#include "mfc/Object.h"
#include "mfc/String.h"

class CQXObjectLine;
class CQXRelative;

// One entry of a map legend: the symbol, fill and outline it shows and its caption.
class CLegend {
public:
    CLegend() = default;
    CLegend(const CLegend&) = default;
    CLegend& operator=(const CLegend&) = default;
    ~CLegend() = default;

    QXLOGPOINT m_point;
    QXLOGBRUSH m_brush;
    QXLOGPEN m_pen;
    int m_nType = 0;
    CString m_strText;
    int m_nFlag = 0;
};

// A ruling line of a table: five words of placement and its pen.
class CCellLine {
public:
    CCellLine() = default;
    CCellLine(const CCellLine&) = default;
    CCellLine& operator=(const CCellLine&) = default;
    ~CCellLine() = default;

    std::array<DWORD, 5> m_words{};
    QXLOGPEN m_pen;
};

// A run of map points with a direction (1 forward, -1 backward). It keeps its own copy of the
// points it is given.
class CPointSegment {
public:
    CPointSegment(const FLOATPOINT* points = nullptr, int count = 0, int direction = 1)
        : m_nDirection(direction) {
        if (points && count > 0) m_points.assign(points, points + count);
    }
    CPointSegment(const CPointSegment&) = default;
    CPointSegment& operator=(const CPointSegment&) = default;
    ~CPointSegment() = default;

    int GetPointCount() const { return static_cast<int>(m_points.size()); }
    int GetDirection() const { return m_nDirection; }

    std::vector<FLOATPOINT> m_points;
    int m_nDirection = 1;
};

class CPointSegmentArray {
public:
    CPointSegmentArray() = default;
    CPointSegmentArray(const CPointSegmentArray&) = default;
    CPointSegmentArray& operator=(const CPointSegmentArray&) = default;
    ~CPointSegmentArray() = default;

    int m_nFirst = 0;
    int m_nSecond = 0;
    std::list<CPointSegment> m_segments;
};

// The relations between point series of a map. The relations themselves belong to the series
// that hold them; the manager lists them.
class CQXRelativeManager {
public:
    CQXRelativeManager() = default;
    CQXRelativeManager(const CQXRelativeManager&) = default;
    CQXRelativeManager& operator=(const CQXRelativeManager&) = default;
    ~CQXRelativeManager() = default;

    int m_nState = 0;
    std::list<CQXRelative*> m_relatives;
    int m_nFirst = 0;
    int m_nSecond = 0;
};

// The edit history of a map: steps that can be undone and steps that can be redone (each a
// description of the step), and how many steps are kept.
class CGraphEditUndoManager {
public:
    CGraphEditUndoManager() = default;
    CGraphEditUndoManager(const CGraphEditUndoManager&) = default;
    CGraphEditUndoManager& operator=(const CGraphEditUndoManager&) = default;
    ~CGraphEditUndoManager() = default;

    std::list<CString> m_undoSteps;
    std::list<CString> m_redoSteps;
    int m_nMaxSteps = 100;
};

// A factory registry: kind name -> run-time class of the kind.
using CQXRegistry = std::map<std::string, CRuntimeClass*>;

class CQXObjectFactory {
public:
    // Object kinds, layer kinds, map kinds, style kinds, tool kinds and file-format kinds.
    static constexpr int kRegistryCount = 6;

    CQXObjectFactory() = default;
    CQXObjectFactory(const CQXObjectFactory&) = default;
    CQXObjectFactory& operator=(const CQXObjectFactory&) = default;
    ~CQXObjectFactory() = default;

    std::array<CQXRegistry, kRegistryCount> m_registries;
};

class CQXPointSeriesFactory {
public:
    CQXPointSeriesFactory() = default;
    CQXPointSeriesFactory(const CQXPointSeriesFactory&) = default;
    CQXPointSeriesFactory& operator=(const CQXPointSeriesFactory&) = default;
    ~CQXPointSeriesFactory() = default;

    CQXRegistry m_registry;
};

class CQXRelativeFactory {
public:
    CQXRelativeFactory() = default;
    CQXRelativeFactory(const CQXRelativeFactory&) = default;
    CQXRelativeFactory& operator=(const CQXRelativeFactory&) = default;
    ~CQXRelativeFactory() = default;

    CQXRegistry m_registry;
};

class CQXSegmentFactory {
public:
    CQXSegmentFactory() = default;
    CQXSegmentFactory(const CQXSegmentFactory&) = default;
    CQXSegmentFactory& operator=(const CQXSegmentFactory&) = default;
    ~CQXSegmentFactory() = default;

    CQXRegistry m_registry;
};

// Map <-> device translation: base point, factors and rotation (radians).
class CQXCoordinateTranslator {
public:
    CQXCoordinateTranslator() = default;
    CQXCoordinateTranslator(const CQXCoordinateTranslator&) = default;
    CQXCoordinateTranslator& operator=(const CQXCoordinateTranslator&) = default;
    ~CQXCoordinateTranslator() = default;

    FLOATPOINT m_basePoint;
    double m_dXFactor = 1.0;
    double m_dYFactor = 1.0;
    double m_dAngle = 0.0;
};

// A line taking part in building a polygon, with the part of it that is used.
class CPolygonCreatorObject {
public:
    explicit CPolygonCreatorObject(CQXObjectLine* line = nullptr, double start = -1.0, double stop = -1.0,
                                   FLOATPOINT first = FLOATPOINT(FLT_MAX, FLT_MAX),
                                   FLOATPOINT last = FLOATPOINT(FLT_MAX, FLT_MAX))
        : m_pLine(line), m_dStart(start), m_dStop(stop), m_first(first), m_last(last) {}
    CPolygonCreatorObject(const CPolygonCreatorObject&) = default;
    CPolygonCreatorObject& operator=(const CPolygonCreatorObject&) = default;
    ~CPolygonCreatorObject() = default;

    CQXObjectLine* m_pLine = nullptr;  // not owned
    double m_dStart = -1.0;
    double m_dStop = -1.0;
    FLOATPOINT m_first;
    FLOATPOINT m_last;
};

// A crossing found while building a polygon: nineteen words of the library's own.
class CPolygonCreatorInterPoint {
public:
    CPolygonCreatorInterPoint() = default;
    CPolygonCreatorInterPoint(const CPolygonCreatorInterPoint&) = default;
    CPolygonCreatorInterPoint& operator=(const CPolygonCreatorInterPoint&) = default;
    ~CPolygonCreatorInterPoint() = default;

    std::array<std::uint32_t, 19> m_words{};
};

class CPolygonCreatorInterPointManager {
public:
    CPolygonCreatorInterPointManager() = default;
    ~CPolygonCreatorInterPointManager() = default;

    std::vector<CPolygonCreatorInterPoint> m_points;
};

class CPolygonCreatorBoundary {
public:
    CPolygonCreatorBoundary() = default;
    ~CPolygonCreatorBoundary() = default;

    std::vector<CPolygonCreatorObject> m_objects;
};
