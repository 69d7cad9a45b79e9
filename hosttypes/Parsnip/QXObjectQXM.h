// CQXObjectQXM: a map file shown as a picture inside another map, placed at the object's anchor
// with two half extents, a display scale and the point of the embedded map that sits there.
#pragma once

#include "hosttypes/Parsnip/QXObject.h"

class CQXObjectQXM : public CQXObject {
    DECLARE_DYNAMIC(CQXObjectQXM)
public:
    explicit CQXObjectQXM(CQXLayer* layer = nullptr);
    ~CQXObjectQXM() override;

    CString GetFileName() const;
    // Stores the name only: the stand-in opens no map file.
    void SetFileName(const char* fileName);
    double GetRadiusA() const;
    void SetRadiusA(double radius);
    double GetRadiusB() const;
    void SetRadiusB(double radius);
    double GetFactor() const;
    void SetFactor(double factor);
    // The insertion base point, in the embedded map's units.
    void GetQXMCenter(double& x, double& y) const;
    void SetQXMCenter(double x, double y);

protected:
    CString m_strFileName;
    double m_dRadiusA = 0.0;
    double m_dRadiusB = 0.0;
    double m_dFactor = 1.0;
    double m_dCenterX = 0.0;
    double m_dCenterY = 0.0;
};
