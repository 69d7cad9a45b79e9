// Options of the drawing programs' create statements: the style each kind of created object
// takes and where it goes.
#pragma once

#include "hosttypes/Kestrel/StyleRecords.h"
#include "mfc/String.h"

class CCreateFillOption {
public:
    CCreateFillOption() = default;
    CCreateFillOption(const CCreateFillOption&) = default;
    CCreateFillOption& operator=(const CCreateFillOption&) = default;

    CString m_strLayerName;
    CString m_strTypeName;
    QXLOGBRUSH m_logBrush;
    QXLOGPEN m_logPen;
    int m_nBorderVisible = 0;
};

class CCreateLineOption {
public:
    CCreateLineOption() = default;
    CCreateLineOption(const CCreateLineOption&) = default;
    CCreateLineOption& operator=(const CCreateLineOption&) = default;

    CString m_strLayerName;
    CString m_strTypeName;
    QXLOGPEN m_logPen;
    int m_nSmooth = 0;
};

class CCreatePointOption {
public:
    CCreatePointOption() = default;
    CCreatePointOption(const CCreatePointOption&) = default;
    CCreatePointOption& operator=(const CCreatePointOption&) = default;

    CString m_strLayerName;
    CString m_strTypeName;
    QXLOGPOINT m_logPoint;
};

class CCreateTextOption {
public:
    CCreateTextOption() = default;
    CCreateTextOption(const CCreateTextOption&) = default;
    CCreateTextOption& operator=(const CCreateTextOption&) = default;

    CString m_strLayerName;
    CString m_strTypeName;
    QXLOGFONT m_logFont;
    double m_dAngle = 0.0;  // radians
    int m_nAlign = 0;
};
