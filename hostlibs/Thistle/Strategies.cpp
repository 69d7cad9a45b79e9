// The strategies of the chart library and the factory members that make them.
#include "hostlibs/Thistle/ThistleTesting.h"
#include "hosttypes/Thistle/ChartStrategies.h"

IkelAxisTickLabelsStrategy::IkelAxisTickLabelsStrategy(CkelAxisTickLabels* labels) : m_pLabels(labels) {}
IkelAxisTickLabelsStrategy::~IkelAxisTickLabelsStrategy() = default;
CkelAxisTickLabelsAutoStrategy::CkelAxisTickLabelsAutoStrategy(CkelAxisTickLabels* labels)
    : IkelAxisTickLabelsStrategy(labels) {}
CkelAxisTickLabelsAutoStrategy::~CkelAxisTickLabelsAutoStrategy() = default;
CkelAxisTickLabelsDateTimeStrategy::CkelAxisTickLabelsDateTimeStrategy(CkelAxisTickLabels* labels)
    : IkelAxisTickLabelsStrategy(labels) {}
CkelAxisTickLabelsDateTimeStrategy::~CkelAxisTickLabelsDateTimeStrategy() = default;
CkelAxisTickLabelsDataSetStrategy::CkelAxisTickLabelsDataSetStrategy(CkelAxisTickLabels* labels)
    : IkelAxisTickLabelsStrategy(labels) {}
CkelAxisTickLabelsDataSetStrategy::~CkelAxisTickLabelsDataSetStrategy() = default;

IkelAxisTickMarkStrategy::IkelAxisTickMarkStrategy(CkelAxisTickMarks* marks) : m_pMarks(marks) {}
IkelAxisTickMarkStrategy::~IkelAxisTickMarkStrategy() = default;
CkelAxisTickMarkForFloatSpace::CkelAxisTickMarkForFloatSpace(CkelAxisTickMarks* marks)
    : IkelAxisTickMarkStrategy(marks) {}
CkelAxisTickMarkForFloatSpace::~CkelAxisTickMarkForFloatSpace() = default;
CkelAxisTickMarkForDateTimeSpace::CkelAxisTickMarkForDateTimeSpace(CkelAxisTickMarks* marks)
    : IkelAxisTickMarkStrategy(marks) {}
CkelAxisTickMarkForDateTimeSpace::~CkelAxisTickMarkForDateTimeSpace() = default;
CkelAxisTickMarkForRationalSpace::CkelAxisTickMarkForRationalSpace(CkelAxisTickMarks* marks)
    : IkelAxisTickMarkStrategy(marks) {}
CkelAxisTickMarkForRationalSpace::~CkelAxisTickMarkForRationalSpace() = default;
CkelAxisTickMarkForDataSet::CkelAxisTickMarkForDataSet(CkelAxisTickMarks* marks) : IkelAxisTickMarkStrategy(marks) {}
CkelAxisTickMarkForDataSet::~CkelAxisTickMarkForDataSet() = default;

IkelPlotSymbolStrategy::IkelPlotSymbolStrategy(IkelPlot* plot) : m_pPlot(plot) {}
IkelPlotSymbolStrategy::~IkelPlotSymbolStrategy() = default;
CkelPlotSymbolSimpleStrategy::CkelPlotSymbolSimpleStrategy(IkelPlot* plot) : IkelPlotSymbolStrategy(plot) {}
CkelPlotSymbolSimpleStrategy::~CkelPlotSymbolSimpleStrategy() = default;

// The factories' tables. They live here because they construct the library's strategies.

IkelAxisTickLabelsStrategy* CkelLabelStrategyFactory::CreateLabelStratery(KELAxisLabelType type,
                                                                          CkelAxisTickLabels* labels) {
    switch (type) {
        case KEL_LABEL_AUTO:
            return new CkelAxisTickLabelsAutoStrategy(labels);
        case KEL_LABEL_DATETIME:
            return new CkelAxisTickLabelsDateTimeStrategy(labels);
        case KEL_LABEL_DATASET:
            return new CkelAxisTickLabelsDataSetStrategy(labels);
    }
    return nullptr;
}

IkelAxisTickMarkStrategy* CkelTickMarksStrategyFactory::CreateTickMarkStratery(KELTickMarkType type,
                                                                               CkelAxisTickMarks* marks) {
    switch (type) {
        case KEL_TICKMARK_FLOAT:
            return new CkelAxisTickMarkForFloatSpace(marks);
        case KEL_TICKMARK_DATETIME:
            return new CkelAxisTickMarkForDateTimeSpace(marks);
        case KEL_TICKMARK_RATIONAL:
            return new CkelAxisTickMarkForRationalSpace(marks);
        case KEL_TICKMARK_DATASET:
            return new CkelAxisTickMarkForDataSet(marks);
    }
    return nullptr;
}

IkelPlotSymbolStrategy* CkelPlotSymbolFactory::CreatePlotSymbolStrategy(KELPlotSymbolType type, IkelPlot* plot) {
    if (type == KEL_SYMBOL_SIMPLE) return new CkelPlotSymbolSimpleStrategy(plot);
    return nullptr;
}
