// CkelAxisTickMarks: an axis's tick positions, axis data and tick settings. It owns the
// strategy that computes them; a copy gets a strategy of the same kind of its own.
#pragma once

#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Parsnip/Geometry.h"
#include "hosttypes/Thistle/AxisWidget.h"
#include "hosttypes/Thistle/ChartStrategies.h"

class CkelAxisTickMarks : public IkelAxisWidget {
public:
    struct MajorTickStruct {
        double GetLength() const;
        int GetSide() const;
        double GetSpacing() const;

        // Chart library.
        void SetLength(double length);
        void SetSide(int side);
        void SetSpacing(double spacing);
        void GetStyle(QXLOGPEN* pen) const;
        void SetStyle(QXLOGPEN* pen);

        double m_dLength = 0;
        int m_nSide = 0;
        double m_dSpacing = 0;
        QXLOGPEN m_pen;
    };

    struct MinorTickStruct {
        double GetLength() const;
        int GetSide() const;
        unsigned GetDivision() const;
        // Copy the minor-tick pen in or out, without a notification.
        void GetStyle(QXLOGPEN* pen) const;
        void SetStyle(QXLOGPEN* pen);

        // Chart library.
        void SetLength(double length);
        void SetSide(int side);
        void SetDivision(unsigned division);

        double m_dLength = 0;
        int m_nSide = 0;
        QXLOGPEN m_pen;
        unsigned m_nDivision = 0;
    };

    CkelAxisTickMarks();
    ~CkelAxisTickMarks() override;  // deletes the strategy
    CkelAxisTickMarks(const CkelAxisTickMarks& other)
        : IkelAxisWidget(other),
          m_majorTickPos(other.m_majorTickPos),
          m_minorTickPos(other.m_minorTickPos),
          m_majorAxisData(other.m_majorAxisData),
          m_minorAxisData(other.m_minorAxisData),
          m_major(other.m_major),
          m_minor(other.m_minor),
          m_strategyType(other.m_strategyType),
          m_pStrategy(nullptr) {
        if (other.m_pStrategy)
            m_pStrategy =
                CkelTickMarksStrategyFactory::GeTickMarkStrategyFactory()->CreateTickMarkStratery(m_strategyType, this);
    }
    CkelAxisTickMarks& operator=(const CkelAxisTickMarks& other) {
        if (this == &other) return *this;
        IkelAxisWidget::operator=(other);
        m_majorTickPos = other.m_majorTickPos;
        m_minorTickPos = other.m_minorTickPos;
        m_majorAxisData = other.m_majorAxisData;
        m_minorAxisData = other.m_minorAxisData;
        m_major = other.m_major;
        m_minor = other.m_minor;
        CkelTickMarksStrategyFactory* factory = CkelTickMarksStrategyFactory::GeTickMarkStrategyFactory();
        factory->DeleteTickMarkStratery(m_pStrategy);
        m_pStrategy = nullptr;
        m_strategyType = other.m_strategyType;
        if (other.m_pStrategy) m_pStrategy = factory->CreateTickMarkStratery(m_strategyType, this);
        return *this;
    }

    MajorTickStruct* GetMajorTickStruct();
    MinorTickStruct* GetMinorTickStruct();
    std::vector<FLOATPOINT>& GetMajorTickPos();
    std::vector<FLOATPOINT>& GetMinorTickPos();
    std::vector<double>& GetMajorAxisData();
    std::vector<double>& GetMinorAxisData();
    void ClearMajorTickPos();
    void ClearMinorTickPos();
    unsigned GetSizeForMajorTickPos() const;
    unsigned GetSizeForMinorTickPos() const;
    unsigned GetSizeForMajorAxisData() const;
    unsigned GetSizeForMinorAxisData() const;
    IkelAxisTickMarkStrategy* GetStrategy() const;
    KELTickMarkType GetStrategyType() const;

    // Chart library: replaces the strategy by one of the given kind.
    void SetStrategyType(KELTickMarkType type);

protected:
    std::vector<FLOATPOINT> m_majorTickPos;
    std::vector<FLOATPOINT> m_minorTickPos;
    std::vector<double> m_majorAxisData;
    std::vector<double> m_minorAxisData;
    MajorTickStruct m_major;
    MinorTickStruct m_minor;
    KELTickMarkType m_strategyType = KEL_TICKMARK_FLOAT;
    IkelAxisTickMarkStrategy* m_pStrategy = nullptr;
};
