// A distance scale bar of the section, and the depth scale built the same way.
#pragma once

#include "hosttypes/Oriel/ScObjInterface.h"
#include "hosttypes/Parsnip/Geometry.h"

class ScDisScaleMgr;

class ScDisScale : public ScObjInterface {
public:
    ScDisScale();
    ScDisScale(const ScDisScale&) = default;
    ScDisScale& operator=(const ScDisScale&) = default;
    ~ScDisScale() override;
    SC_DECLARE_ACCEPT()

    FLOATRECT GetMapRect() const { return m_mapRect; }
    int GetStep() const { return m_nStep; }
    // Only a positive height is taken: 0, negatives and NaN keep the bar drawable.
    void SetHeight(double height) {
        if (height > 0) m_dHeight = height;
    }
    double GetHeight() const { return m_dHeight; }
    void SetDisScaleMgr(ScDisScaleMgr* mgr) { m_pMgr = mgr; }
    ScDisScaleMgr* GetDisScaleMgr() const { return m_pMgr; }

    // ---- section-library operations ----
    void SetMapRect(const FLOATRECT& rect);
    void SetStep(int step);
    CString GetScaleName() const;
    void Update();

protected:
    FLOATRECT m_mapRect;
    int m_nStep;
    double m_dHeight;
    ScDisScaleMgr* m_pMgr;
};

class ScDepthScale : public ScDisScale {
public:
    ScDepthScale();
    ScDepthScale(const ScDepthScale&) = default;
    ScDepthScale& operator=(const ScDepthScale&) = default;
    ~ScDepthScale() override;
    SC_DECLARE_ACCEPT()
};
