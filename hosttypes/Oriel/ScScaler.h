// The section's X and Y scales (the denominators after "1:") and its origin.
#pragma once

#include "hosttypes/Oriel/Message.h"

class ScContainer;

class ScScaler : public CMessageNode<unsigned int> {
public:
    ScScaler() = default;
    ScScaler(const ScScaler&) = default;
    ScScaler& operator=(const ScScaler&) = default;
    ~ScScaler() override;

    ScContainer* GetContainer() const { return m_pContainer; }
    void SetContainer(ScContainer* container) { m_pContainer = container; }

    // ---- section-library operations ----
    double GetXScale() const;
    void SetXScale(double scale);
    double GetYScale() const;
    void SetYScale(double scale);

protected:
    double m_dXScale = 1.0;
    double m_dYScale = 1.0;
    double m_dOrgX = 0.0;
    double m_dOrgY = 0.0;
    ScContainer* m_pContainer = nullptr;
};
