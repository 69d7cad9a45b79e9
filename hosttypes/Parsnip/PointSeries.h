// Point series: the shared runs of map points that several objects can refer to, their
// identifiers and their managers.
#pragma once

#include <cstdint>
#include <vector>

#include "hosttypes/Parsnip/Geometry.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "mfc/Object.h"

class CQXMap;
class CQXSegment;
class CQXPointSeriesManager;

// Identifies a point series: layer, object and series numbers.
struct POINTSERIESID {
    int nLayer;
    int nObject;
    int nSeries;

    explicit POINTSERIESID(int layer = 0, int object = 0, int series = 0) : nLayer(layer), nObject(object), nSeries(series) {}
    POINTSERIESID(const POINTSERIESID&) = default;
    POINTSERIESID& operator=(const POINTSERIESID& other) {
        nLayer = other.nLayer;
        nObject = other.nObject;
        nSeries = other.nSeries;
        return *this;
    }
    // A NULL id leaves this one as it is.
    POINTSERIESID& operator=(const POINTSERIESID* other) {
        if (other) *this = *other;
        return *this;
    }
    bool operator==(const POINTSERIESID& other) const {
        return nLayer == other.nLayer && nObject == other.nObject && nSeries == other.nSeries;
    }
    bool operator!=(const POINTSERIESID& other) const { return !(*this == other); }
};
static_assert(sizeof(POINTSERIESID) == 12, "a point-series id is three 32-bit ints");

// One point of one series.
struct POINTINDEX {
    POINTSERIESID id;
    int nIndex = 0;  // zeroed too: an index read before it is set must not be garbage

    POINTINDEX() = default;
    POINTINDEX(const POINTSERIESID& series, int index) : id(series), nIndex(index) {}
    bool operator==(const POINTINDEX& other) const { return id == other.id && nIndex == other.nIndex; }
    bool operator!=(const POINTINDEX& other) const { return !(*this == other); }
};

// A relation between two points of point series (what the relation means is the library's).
class CQXRelative {
public:
    CQXRelative() = default;
    CQXRelative(const POINTINDEX& from, const POINTINDEX& to) : m_from(from), m_to(to) {}
    virtual ~CQXRelative() = default;

    POINTINDEX m_from;
    POINTINDEX m_to;
};

class CQXPointSeries : public CObject {
    DECLARE_DYNAMIC(CQXPointSeries)
public:
    explicit CQXPointSeries(CQXPointSeriesManager* manager = nullptr);
    ~CQXPointSeries() override;
    CQXPointSeries(const CQXPointSeries&) = delete;
    CQXPointSeries& operator=(const CQXPointSeries&) = delete;

    // Header members. Indexed reads outside the series answer false / a zero point / 0 and write
    // nothing.
    int GetPointCount() const { return static_cast<int>(m_points.size()); }
    bool GetPoint(int i, QXPOINT& point) const {
        if (i < 0 || i >= GetPointCount()) return false;
        point = m_points[static_cast<std::size_t>(i)];
        return true;
    }
    bool GetPoint(int i, FLOATPOINT& point) const {
        if (!HasMapPoint(i)) return false;
        point = m_mapPoints[3 * static_cast<std::size_t>(i) + 1];
        return true;
    }
    FLOATPOINT GetMapPoint(int i) const {
        return HasMapPoint(i) ? m_mapPoints[3 * static_cast<std::size_t>(i) + 1] : FLOATPOINT();
    }
    unsigned char GetPointAttribute(int i, unsigned char mask) const {
        return i >= 0 && i < GetPointCount() ? static_cast<unsigned char>(m_points[static_cast<std::size_t>(i)].flag & mask)
                                             : 0;
    }
    void SetID(POINTSERIESID* id) { m_id = id; }
    POINTSERIESID* GetID() { return &m_id; }
    void SetSeriesManager(CQXPointSeriesManager* manager) { m_pManager = manager; }
    CQXPointSeriesManager* GetSeriesManager() const { return m_pManager; }
    int GetReferenceCount() const { return static_cast<int>(m_references.size()); }
    CQXSegment* GetReference(int i) const {
        return i >= 0 && i < GetReferenceCount() ? m_references[static_cast<std::size_t>(i)] : nullptr;
    }
    int GetRelativeCount() const { return static_cast<int>(m_relatives.size()); }
    CQXRelative* GetRelative(int i) const {
        return i >= 0 && i < GetRelativeCount() ? m_relatives[static_cast<std::size_t>(i)] : nullptr;
    }
    COORDINATETYPE GetCoordinateType() const { return m_coordinateType; }
    void SetCoordinateType(COORDINATETYPE type) { m_coordinateType = type; }
    uint64_t GetTimeStamp() const { return m_nTimeStamp; }

    // Library side. Replaces the points; each point's map entries (before, at, after) all take
    // the point's position. Renews the stamp.
    void SetPoints(const std::vector<QXPOINT>& points);
    // Segments and relations that refer to this series; the series does not own them.
    void AddReference(CQXSegment* segment);
    void AddRelative(CQXRelative* relative);

protected:
    bool HasMapPoint(int i) const {
        return i >= 0 && i < GetPointCount() && 3 * static_cast<std::size_t>(i) + 1 < m_mapPoints.size();
    }

    POINTSERIESID m_id;
    CQXPointSeriesManager* m_pManager = nullptr;
    COORDINATETYPE m_coordinateType = COORDINATE_MAP;
    uint64_t m_nTimeStamp = 0;
    std::vector<QXPOINT> m_points;
    std::vector<FLOATPOINT> m_mapPoints;  // three per point; entry 3i+1 is point i's position
    std::vector<CQXSegment*> m_references;
    std::vector<CQXRelative*> m_relatives;
};

// The point series of one map; it owns them.
class CQXPointSeriesManager : public CObject {
    DECLARE_DYNAMIC(CQXPointSeriesManager)
public:
    explicit CQXPointSeriesManager(CQXMap* map = nullptr);
    ~CQXPointSeriesManager() override;
    CQXPointSeriesManager(const CQXPointSeriesManager&) = delete;
    CQXPointSeriesManager& operator=(const CQXPointSeriesManager&) = delete;

    int GetSeriesCount() const { return static_cast<int>(m_series.size()); }
    CQXPointSeries* GetSeries(int i) const {
        return i >= 0 && i < GetSeriesCount() ? m_series[static_cast<std::size_t>(i)] : nullptr;
    }
    CQXMap* GetMap() const { return m_pMap; }
    void SetMap(CQXMap* map) { m_pMap = map; }

    // Library side: the manager takes the series over and becomes its manager.
    CQXPointSeries* AddSeries(CQXPointSeries* series);

protected:
    CQXMap* m_pMap = nullptr;
    std::vector<CQXPointSeries*> m_series;
};
