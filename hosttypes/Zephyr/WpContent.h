// CWpContent: a kit drawn inside a track; CWpCurve: a log curve.
#pragma once

#include "hosttypes/Zephyr/WpKit.h"

class CWpContent : public CWpKit {
    DECLARE_DYNAMIC(CWpContent)
public:
    CWpContent();
    ~CWpContent() override;
    WPKITTYPE GetWpKitType() override;

    double GetBodyLeft();
    double GetBodyRight();
    double GetBodyTop();
    double GetBodyBottom();
    int GetGroup();
    void SetGroup(int group);

protected:
    double m_dBodyLeft = 0;
    double m_dBodyRight = 0;
    double m_dBodyTop = 0;
    double m_dBodyBottom = 0;
    int m_nGroup = 0;
};

class CWpCurve : public CWpContent {
    DECLARE_DYNAMIC(CWpCurve)
public:
    CWpCurve();
    ~CWpCurve() override;
    WPKITTYPE GetWpKitType() override;

    int GetScaleDecimalDigit();

    // Kit library.
    void SetScaleDecimalDigit(int digits);

protected:
    int m_nScaleDecimalDigit = 2;
};
