// The section document object: it holds the well manager, the look-down map, the rulers, the
// connection groups and the display settings of one multi-well section, and redraws it.
#pragma once

#include <boost/function.hpp>
#include <boost/shared_ptr.hpp>
#include <boost/signals2/signal.hpp>
#include <cstdint>
#include <string>

#include "hosttypes/Oriel/ScControlerClient.h"
#include "hosttypes/Oriel/ScObjInterface.h"
#include "hosttypes/Parsnip/QXObject.h"

struct QXLOGBRUSH;
class CQXLayer;
class ScSection;
class ScWellMgr;
class ScLookDownForm;
class ScDisRulerMgr;
class ScScaler;
class ScWellPositionor;
class ScRulerFrame;
class ScConGroupMgrVector;
class CStratumGroupManager;
class IDispManager;
class IkelCalculator;
class CCommandEventMgr;
class CMapProperty;
class IkelWellAdapter;
class CnSand;

class ScContainer : public CQXObject, public ScObjInterface, public ScControlerClient {
public:
    typedef boost::signals2::signal<void(int)> ToolBarSignal;

    explicit ScContainer(CQXLayer* layer = nullptr);
    ScContainer(const ScContainer&) = delete;
    ScContainer& operator=(const ScContainer&) = delete;
    ~ScContainer() override;

    // The section's stamp is its object-interface stamp (the one the change checkers read).
    using ScObjInterface::GetTimeStamp;
    using ScObjInterface::SetTimeStamp;

    // ---- header-defined members ----
    void SetSection(ScSection* section) { m_pSection = section; }
    ScSection* GetSection() const { return m_pSection; }
    ScWellMgr* GetWellMgr() const { return m_pWellMgr; }
    ScLookDownForm* GetLookDownForm() const { return m_pLookDownForm; }
    ScDisRulerMgr* GetDisRulerMgr() const { return m_pDisRulerMgr; }
    IDispManager* GetDispManager() const { return m_pDispManager; }
    ScConGroupMgrVector& GetConMgrVector() { return *m_conMgrVector; }
    boost::shared_ptr<IkelCalculator>& GetCSCalculator() { return m_calculator; }
    uint64_t GetConMgrTimeStamp() const { return m_nConMgrTimeStamp; }
    void SetConMgrTimeStamp(uint64_t stamp) { m_nConMgrTimeStamp = stamp; }
    boost::signals2::connection Connect(const ToolBarSignal::slot_type& slot) { return m_toolBarSignal.connect(slot); }
    void UpdateToolBar(int state) { m_toolBarSignal(state); }
    bool IsPropertyValid() const { return m_bValid; }
    bool IsSaveValid() const { return m_bValid; }
    boost::shared_ptr<CCommandEventMgr> GetCmdEventMgr() const { return m_cmdEventMgr; }
    bool AcceptCtrlLButtonDwn() const { return true; }

    // ---- section-library operations ----
    // Lays the section out again after a change of the display range (true: top value).
    virtual void ReLayout(bool top);
    // Prepares the scale change announced next by OnScaleChanged (the two scale ratios).
    virtual void PrepareScale(double xRatio, double yRatio);
    // The X and Y scales changed by the ratios of old to new scale.
    virtual void OnScaleChanged(double xRatio, double yRatio);
    // Prepares a refresh (called with 0).
    virtual void PrepareRefresh(int mode);
    // Rebuilds what the settings affect and redraws.
    virtual void Refresh();
    // Stores the sand body's brush in the well and shows it.
    virtual void ApplySandBrush(IkelWellAdapter* well, CnSand* sand, const QXLOGBRUSH& brush);
    virtual void UpdateWnd();
    virtual void DuplicateAttribute(CQXObject* obj);

    boost::shared_ptr<CMapProperty> GetProperty() const;
    CStratumGroupManager* GetStratumGroupManager() const;
    ScWellPositionor* GetWellPositionor() const;
    ScRulerFrame* GetRulerFrame() const;
    ScScaler* GetScaler() const;
    int CalMaxGrade() const;
    void TransformOnScale(const std::string& well, double xScale, double yScale);
    void SetDispManager(IDispManager* manager);
    void SetPropertyValid(bool valid);
    // How many times UpdateWnd ran (tests read it).
    int GetUpdateCount() const;

protected:
    ScSection* m_pSection;
    ScWellMgr* m_pWellMgr;
    ScLookDownForm* m_pLookDownForm;
    ScDisRulerMgr* m_pDisRulerMgr;
    IDispManager* m_pDispManager;
    boost::shared_ptr<ScConGroupMgrVector> m_conMgrVector;
    boost::shared_ptr<IkelCalculator> m_calculator;
    uint64_t m_nConMgrTimeStamp;
    ToolBarSignal m_toolBarSignal;
    bool m_bValid;
    boost::shared_ptr<CCommandEventMgr> m_cmdEventMgr;

    // Parts the library creates with the container and frees with it.
    boost::shared_ptr<ScWellMgr> m_wellMgr;
    boost::shared_ptr<ScLookDownForm> m_lookDownForm;
    boost::shared_ptr<ScDisRulerMgr> m_disRulerMgr;
    boost::shared_ptr<ScScaler> m_scaler;
    boost::shared_ptr<ScWellPositionor> m_positionor;
    boost::shared_ptr<ScRulerFrame> m_rulerFrame;
    boost::shared_ptr<CStratumGroupManager> m_stratumGroups;
    boost::shared_ptr<CMapProperty> m_property;
    int m_nUpdateCount;
};
