#include "hosttypes/Parsnip/PointSeries.h"

#include <algorithm>

#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Tinder/TimeStamp.h"

IMPLEMENT_DYNAMIC(CQXPointSeries, CObject)
IMPLEMENT_DYNAMIC(CQXPointSeriesManager, CObject)

CQXPointSeries::CQXPointSeries(CQXPointSeriesManager* manager)
    : m_pManager(manager), m_nTimeStamp(AfxGetTimeStamp()) {}

CQXPointSeries::~CQXPointSeries() = default;

void CQXPointSeries::SetPoints(const std::vector<QXPOINT>& points) {
    m_points = points;
    m_mapPoints.clear();
    m_mapPoints.reserve(points.size() * 3);
    for (const QXPOINT& p : points)
        for (int k = 0; k < 3; ++k) m_mapPoints.emplace_back(p.x, p.y);
    m_nTimeStamp = AfxGetTimeStamp();
    parsnip::testing::Record("CQXPointSeries::SetPoints", this, std::to_string(points.size()));
}

void CQXPointSeries::AddReference(CQXSegment* segment) {
    if (segment) m_references.push_back(segment);
}

void CQXPointSeries::AddRelative(CQXRelative* relative) {
    if (relative) m_relatives.push_back(relative);
}

CQXPointSeriesManager::CQXPointSeriesManager(CQXMap* map) : m_pMap(map) {}

CQXPointSeriesManager::~CQXPointSeriesManager() {
    for (CQXPointSeries* series : m_series) delete series;
}

CQXPointSeries* CQXPointSeriesManager::AddSeries(CQXPointSeries* series) {
    if (!series) return nullptr;
    series->SetSeriesManager(this);
    // Taken over once only: a second entry would free it twice.
    if (std::find(m_series.begin(), m_series.end(), series) != m_series.end()) return series;
    m_series.push_back(series);
    return series;
}
