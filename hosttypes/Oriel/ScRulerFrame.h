// The frame that encloses the depth rulers of the section, with its title and inscription.
#pragma once

#include <string>

#include "hosttypes/Oriel/ScObjInterface.h"
#include "hosttypes/Parsnip/Geometry.h"

class ScContainer;
class ScWellPositionor;
class ScWellMgr;

class ScRulerFrame : public ScObjInterface {
public:
    ScRulerFrame();
    ScRulerFrame(const ScRulerFrame&) = default;
    ScRulerFrame& operator=(const ScRulerFrame&) = default;
    ~ScRulerFrame() override;
    SC_DECLARE_ACCEPT()

    void SetVisible(bool visible) { m_bVisible = visible; }
    bool GetVisible() const { return m_bVisible; }
    void SetZoomFactor(double zoom) { m_dZoomFactor = zoom; }
    FLOATRECT GetMapRect() const { return m_mapRect; }
    void SetLRMarkInterval(double interval) { m_dLRMarkInterval = interval; }
    double GetLevelMarkInterval() const { return m_dLevelMarkInterval; }
    void SetLevelMarkInterval(double interval) { m_dLevelMarkInterval = interval; }
    CString GetTitleText() const { return m_strTitle; }
    void SetTitleText(std::string title) { m_strTitle = CString(title); }
    double GetTitleOffset() const { return m_dTitleOffset; }
    void SetTitleOffset(double offset) { m_dTitleOffset = offset; }
    CString GetInscribeText() const { return m_strInscribe; }
    void SetInscribeText(CString text) { m_strInscribe = text; }
    void SetInscribeOffset(double offset) { m_dInscribeOffset = offset; }
    void SetContainer(ScContainer* container) { m_pContainer = container; }
    ScContainer* GetContainer() const { return m_pContainer; }
    void SetWSCWellPositionor(ScWellPositionor* positionor) { m_pPositionor = positionor; }
    void SetWSCWellMgr(ScWellMgr* mgr) { m_pWellMgr = mgr; }

    // ---- section-library operations ----
    void SetMapRect(const FLOATRECT& rect);
    void Update();
    // Fits the frame around the rulers again after the wells moved.
    void UpdateRulerFrameRect();

protected:
    bool m_bVisible;
    double m_dZoomFactor;
    FLOATRECT m_mapRect;
    double m_dLRMarkInterval;
    double m_dLevelMarkInterval;
    CString m_strTitle;
    double m_dTitleOffset;
    CString m_strInscribe;
    double m_dInscribeOffset;
    ScContainer* m_pContainer;
    ScWellPositionor* m_pPositionor;
    ScWellMgr* m_pWellMgr;
};
