// CkelAxisTickLabels: an axis's major and minor tick labels. Like the tick marks, it owns
// its strategy and a copy gets one of the same kind of its own.
#pragma once

#include <string>
#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Parsnip/Geometry.h"
#include "hosttypes/Thistle/AxisWidget.h"
#include "hosttypes/Thistle/ChartStrategies.h"
#include "hosttypes/Thistle/ChartTypes.h"

class CkelAxisTickLabels : public IkelAxisWidget {
public:
    // The labels of one tick level. The side, on/off and font setters tell the owner.
    class TickLabelEntity {
    public:
        explicit TickLabelEntity(CkelAxisTickLabels* owner = nullptr);
        virtual ~TickLabelEntity();
        TickLabelEntity(const TickLabelEntity&) = default;
        TickLabelEntity& operator=(const TickLabelEntity&) = default;

        KELLabelsSide GetTickSide() const;
        void SetTickSide(KELLabelsSide side);
        bool GetOn() const;
        void SetOn(bool on);
        void GetLOGFONT(QXLOGFONT* font) const;
        void SetLOGFONT(QXLOGFONT* font);
        double GetLabelAngel() const;
        void SetLabelAngle(double angle);
        double GetXOffset() const;
        void SetXOffset(double offset);
        double GetYOffset() const;
        void SetYOffset(double offset);
        int GetLabelType() const;
        int GetDotCount() const;
        CkelLabelFormat* GetLabelFormat();
        std::vector<std::string>* GetLabelStrings();
        CkelAxisTickLabels* GetOwner() const;
        void SetOwner(CkelAxisTickLabels* owner);

        // Chart library.
        virtual void Notify();
        int GetDateFormatA() const;
        void SetDateFormat(int format);
        void SetDotCount(int count);

    protected:
        CkelAxisTickLabels* m_pOwner;
        KELLabelsSide m_side = KEL_SIDE_LEFT_BOTTOM;
        bool m_bOn = true;
        QXLOGFONT m_font;
        double m_dAngle = 0;
        double m_dXOffset = 0;
        double m_dYOffset = 0;
        CkelLabelFormat m_format;
        std::vector<std::string> m_labelStrings;
    };

    CkelAxisTickLabels();
    ~CkelAxisTickLabels() override;  // deletes the strategy
    CkelAxisTickLabels(const CkelAxisTickLabels& other)
        : IkelAxisWidget(other),
          m_major(other.m_major),
          m_minor(other.m_minor),
          m_majorPos(other.m_majorPos),
          m_minorPos(other.m_minorPos),
          m_dPolarLabelsAngle(other.m_dPolarLabelsAngle),
          m_alignType(other.m_alignType),
          m_strategyType(other.m_strategyType),
          m_pStrategy(nullptr) {
        m_major.SetOwner(this);
        m_minor.SetOwner(this);
        if (other.m_pStrategy)
            m_pStrategy =
                CkelLabelStrategyFactory::GetLabelStrategyFactory()->CreateLabelStratery(m_strategyType, this);
    }
    CkelAxisTickLabels& operator=(const CkelAxisTickLabels& other) {
        if (this == &other) return *this;
        IkelAxisWidget::operator=(other);
        m_major = other.m_major;
        m_minor = other.m_minor;
        m_major.SetOwner(this);
        m_minor.SetOwner(this);
        m_majorPos = other.m_majorPos;
        m_minorPos = other.m_minorPos;
        m_dPolarLabelsAngle = other.m_dPolarLabelsAngle;
        m_alignType = other.m_alignType;
        CkelLabelStrategyFactory* factory = CkelLabelStrategyFactory::GetLabelStrategyFactory();
        factory->DeleteLabelStratery(m_pStrategy);
        m_pStrategy = nullptr;
        m_strategyType = other.m_strategyType;
        if (other.m_pStrategy) m_pStrategy = factory->CreateLabelStratery(m_strategyType, this);
        return *this;
    }

    TickLabelEntity* GetMajorTickLabel();
    TickLabelEntity* GetMinorTickLabel();
    KELAlignType GetAlignType() const;
    void SetAlignType(KELAlignType type);
    double GetPolarLabelsAngle() const;
    std::vector<FLOATPOINT>& GetMajorPos();
    std::vector<FLOATPOINT>& GetMinorPos();
    void ClearMajorPos();
    void ClearMinorPos();
    IkelAxisTickLabelsStrategy* GetStrategy() const;
    KELAxisLabelType GetStrategyType() const;

    // Chart library: replaces the strategy by one of the given kind.
    void SetStrategyType(KELAxisLabelType type);

protected:
    TickLabelEntity m_major;
    TickLabelEntity m_minor;
    std::vector<FLOATPOINT> m_majorPos;
    std::vector<FLOATPOINT> m_minorPos;
    double m_dPolarLabelsAngle = 0;
    KELAlignType m_alignType = KEL_ALIGN_CENTER;
    KELAxisLabelType m_strategyType = KEL_LABEL_AUTO;
    IkelAxisTickLabelsStrategy* m_pStrategy = nullptr;
};
