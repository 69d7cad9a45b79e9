// CgPicSegment: one picture placed in a picture kit, over a depth range (top above bottom).
#pragma once

#include "mfc/String.h"

class CgPicSegment {
public:
    CgPicSegment();
    CgPicSegment(const CgPicSegment& other);
    CgPicSegment& operator=(const CgPicSegment& other) = default;

    double GetLeft();
    double GetRight();
    double GetTop();
    double GetBottom();
    void SetTop(double top);
    void SetBottom(double bottom);
    double GetDetaX();
    void SetDetaX(double dx);
    double GetDetaY();
    void SetDetaY(double dy);
    double GetWidth();
    double GetHeight();
    // Height over width; meaningless for a segment of zero width.
    double GetScale();
    void LockScale();
    void UnlockScale();
    bool IsScaleLock();
    void SwitchScaleLock();
    void set_id(unsigned id);
    unsigned get_id();
    CString GetPictureName();
    void SetActive();
    void SetInactive();
    double GetBaseZoom();

    // Kit library.
    void SetBaseZoom(double zoom);
    void SetRect(double left, double top, double right, double bottom);
    void SetPictureName(const CString& name);
    bool IsActive();

protected:
    double m_dLeft = 0;
    double m_dRight = 0;
    double m_dTop = 0;
    double m_dBottom = 0;
    double m_dDetaX = 0;
    double m_dDetaY = 0;
    unsigned m_nId = 0;
    CString m_strPictureName;
    int m_nPictureWidth = 0;
    int m_nPictureHeight = 0;
    unsigned char m_byFormat = 0;
    unsigned char m_byScaleLock = 0;
    unsigned char m_byActive = 0;
    int m_nState = 0;
    double m_dBaseZoom = 1.0;
    double m_dZoomX = 0;
    double m_dZoomY = 0;
};
