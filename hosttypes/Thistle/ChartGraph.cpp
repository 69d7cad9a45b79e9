#include "hosttypes/Thistle/ChartGraph.h"

std::string CkelChartTitle::GetText() const { return m_strText; }

IkelDataAdapter::~IkelDataAdapter() = default;

IChartGraph::KELChartGraphType IChartGraph::GetChartGraphType() const { return m_graphType; }
