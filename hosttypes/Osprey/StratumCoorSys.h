// CStratumCoorSys: the depth frame of a stratum used to flatten sections on it.
#pragma once

#include "mfc/String.h"

class CStratumCoorSys {
public:
    CStratumCoorSys() = default;
    CStratumCoorSys(const CStratumCoorSys&) = default;
    CStratumCoorSys& operator=(const CStratumCoorSys&) = default;
    virtual ~CStratumCoorSys() = default;

    CString m_strStratumName;
    int m_nGrade = 0;
    double m_dOffset = 0.0;
    double m_dScale = 1.0;
};
