// Kinds and small value records shared by the chart-core classes. Every kind of the chart classes
// has a fixed int type, so that a code beyond the named ones is a value of the kind too.
#pragma once

#include <string>

// Kind of tick-label strategy an axis uses.
enum KELAxisLabelType : int {
    KEL_LABEL_AUTO = 0,
    KEL_LABEL_DATETIME = 1,
    KEL_LABEL_DATASET = 2,
};

// Kind of tick-mark strategy an axis uses.
enum KELTickMarkType : int {
    KEL_TICKMARK_FLOAT = 0,
    KEL_TICKMARK_DATETIME = 1,
    KEL_TICKMARK_RATIONAL = 2,
    KEL_TICKMARK_DATASET = 3,
};

// Kind of point-symbol strategy a plot uses.
enum KELPlotSymbolType : int {
    KEL_SYMBOL_SIMPLE = 0,
};

// Side of the axis that labels or ticks are drawn on.
enum KELLabelsSide : int {
    KEL_SIDE_LEFT_BOTTOM = 0,
    KEL_SIDE_RIGHT_TOP = 1,
    KEL_SIDE_BOTH = 2,
};

// Alignment of the tick labels.
enum KELAlignType : int {
    KEL_ALIGN_NEAR = 0,
    KEL_ALIGN_CENTER = 1,
    KEL_ALIGN_FAR = 2,
};

// How tick-label values are written.
class CkelLabelFormat {
public:
    enum KELUnit : int {
        KEL_UNIT_NONE = 0,
        KEL_UNIT_PERCENT = 1,
        KEL_UNIT_THOUSAND = 2,
        KEL_UNIT_MILLION = 3,
        KEL_UNIT_SCIENTIFIC = 4
    };

    KELUnit m_unit = KEL_UNIT_NONE;
    int m_nDotCount = 2;
    int m_nDateFormat = 0;  // 0 "yyyy-mm-dd", 1 "yyyy-mm", 2 "yyyy"
    int m_nLabelType = 0;
};

// One bar of a bar plot.
struct BARSTRUCT {
    double position = 0;
    double value = 0;
    double base = 0;
    int row = 0;
};
