// Parameter records of the connection calculators. Plain public fields; what they mean belongs
// to the section library, only their defaults are fixed here.
#pragma once

#include <cfloat>

class CnParams {
public:
    CnParams() = default;
    CnParams(const CnParams&) = default;
    CnParams& operator=(const CnParams&) = default;
    virtual ~CnParams();

    unsigned char GetType() const { return m_type; }

    int m_nCode = 1001;
    int m_nOption = 0;
    double m_dRatio = 0.2;
    unsigned char m_type = 0;
};

class CnConnectionParams : public CnParams {
public:
    CnConnectionParams() = default;
    CnConnectionParams(const CnConnectionParams&) = default;
    CnConnectionParams& operator=(const CnConnectionParams&) = default;
    ~CnConnectionParams() override;

    bool m_bConnectSand = true;
    bool m_bConnectShale = true;
    float m_fThickRatio = 0.4f;
    int m_nMaxSkip = 2;
    int m_nSearchUp = 5;
    int m_nSearchDown = 5;
    int m_nMode = 0;
    int m_nStep = 1;
    int m_nShaleCode = 1001;
    int m_nShaleOption = 0;
    double m_dShaleRatio = 0.2;
    bool m_bUseFacies = true;
    bool m_bUseOil = true;
    double m_dUpperWeight = 0.6;
    double m_dLowerWeight = 0.4;
};

class CnPinchParams : public CnParams {
public:
    CnPinchParams() = default;
    CnPinchParams(const CnPinchParams&) = default;
    CnPinchParams& operator=(const CnPinchParams&) = default;
    ~CnPinchParams() override;

    int m_nPinchStyle = 2;
    int m_nDirection = 1;
    int m_nOffset = 0;
    bool m_bAuto = true;
    int m_nSegments = 4;
    bool m_bLimited = true;
    double m_dMaxLength = DBL_MAX;
    double m_dMaxThick = DBL_MAX;
    int m_nMode = 1;
};

class CnExtendParams : public CnParams {
public:
    CnExtendParams() = default;
    CnExtendParams(const CnExtendParams&) = default;
    CnExtendParams& operator=(const CnExtendParams&) = default;
    ~CnExtendParams() override;

    double m_dLength = 1000.0;
    int m_nSegments = 5;
    bool m_bLeft = true;
    bool m_bRatio = false;
    bool m_bRight = true;
};
