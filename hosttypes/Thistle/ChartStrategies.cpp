#include "hosttypes/Thistle/ChartStrategies.h"

// The Create members make the library's strategies and live with them in the chart library.

CkelAxisTickLabels* IkelAxisTickLabelsStrategy::GetTickLabels() const { return m_pLabels; }
CkelAxisTickMarks* IkelAxisTickMarkStrategy::GetTickMarks() const { return m_pMarks; }
IkelPlot* IkelPlotSymbolStrategy::GetPlot() const { return m_pPlot; }

void CkelPlotSymbolSimpleStrategy::GetFirstSymbol(QXLOGPOINT* symbol) {
    if (symbol) *symbol = m_firstSymbol;
}

CkelLabelStrategyFactory* CkelLabelStrategyFactory::GetLabelStrategyFactory() {
    static CkelLabelStrategyFactory factory;
    return &factory;
}

void CkelLabelStrategyFactory::DeleteLabelStratery(IkelAxisTickLabelsStrategy* strategy) { delete strategy; }

CkelTickMarksStrategyFactory* CkelTickMarksStrategyFactory::GeTickMarkStrategyFactory() {
    static CkelTickMarksStrategyFactory factory;
    return &factory;
}

void CkelTickMarksStrategyFactory::DeleteTickMarkStratery(IkelAxisTickMarkStrategy* strategy) { delete strategy; }

CkelPlotSymbolFactory* CkelPlotSymbolFactory::GetPlotSymbolFactory() {
    static CkelPlotSymbolFactory factory;
    return &factory;
}

void CkelPlotSymbolFactory::DeletePlotSymbolStrategy(IkelPlotSymbolStrategy*& strategy) {
    delete strategy;
    strategy = nullptr;
}
