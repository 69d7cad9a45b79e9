#include "hosttypes/Thistle/AxisTickLabels.h"

using Entity = CkelAxisTickLabels::TickLabelEntity;

KELLabelsSide Entity::GetTickSide() const { return m_side; }

void Entity::SetTickSide(KELLabelsSide side) {
    m_side = side;
    Notify();
}

bool Entity::GetOn() const { return m_bOn; }

void Entity::SetOn(bool on) {
    m_bOn = on;
    Notify();
}

void Entity::GetLOGFONT(QXLOGFONT* font) const {
    if (font) *font = m_font;
}

void Entity::SetLOGFONT(QXLOGFONT* font) {
    if (!font) return;
    m_font = *font;
    Notify();
}

double Entity::GetLabelAngel() const { return m_dAngle; }
void Entity::SetLabelAngle(double angle) { m_dAngle = angle; }
double Entity::GetXOffset() const { return m_dXOffset; }
void Entity::SetXOffset(double offset) { m_dXOffset = offset; }
double Entity::GetYOffset() const { return m_dYOffset; }
void Entity::SetYOffset(double offset) { m_dYOffset = offset; }
int Entity::GetLabelType() const { return m_format.m_nLabelType; }
int Entity::GetDotCount() const { return m_format.m_nDotCount; }
CkelLabelFormat* Entity::GetLabelFormat() { return &m_format; }
std::vector<std::string>* Entity::GetLabelStrings() { return &m_labelStrings; }
CkelAxisTickLabels* Entity::GetOwner() const { return m_pOwner; }
void Entity::SetOwner(CkelAxisTickLabels* owner) { m_pOwner = owner; }

Entity* CkelAxisTickLabels::GetMajorTickLabel() { return &m_major; }
Entity* CkelAxisTickLabels::GetMinorTickLabel() { return &m_minor; }
KELAlignType CkelAxisTickLabels::GetAlignType() const { return m_alignType; }
void CkelAxisTickLabels::SetAlignType(KELAlignType type) { m_alignType = type; }
double CkelAxisTickLabels::GetPolarLabelsAngle() const { return m_dPolarLabelsAngle; }
std::vector<FLOATPOINT>& CkelAxisTickLabels::GetMajorPos() { return m_majorPos; }
std::vector<FLOATPOINT>& CkelAxisTickLabels::GetMinorPos() { return m_minorPos; }
void CkelAxisTickLabels::ClearMajorPos() { m_majorPos.clear(); }
void CkelAxisTickLabels::ClearMinorPos() { m_minorPos.clear(); }
IkelAxisTickLabelsStrategy* CkelAxisTickLabels::GetStrategy() const { return m_pStrategy; }
KELAxisLabelType CkelAxisTickLabels::GetStrategyType() const { return m_strategyType; }
