// The profile-line document: its container part (document operator, control, reference
// information, stratum level, well and line managers) and the entity that is both a
// profile-line object and a container.
#pragma once

#include <boost/shared_ptr.hpp>
#include <string>
#include <vector>

#include "hosttypes/Lodestar/PlObjInterface.h"
#include "hosttypes/Oriel/IDispManager.h"

class CQXLayer;
class CQXMap;
class CAutoCreateProfileLineDlg;

namespace KelProfileline {

class CLayerProperty;
class CPlDocOperator;
class CPlProfilelineMgr;
class CPlWellMgr;

// The reference layers shown beneath the profile lines.
class CPlRefrenceInfo {
public:
    CPlRefrenceInfo();
    CPlRefrenceInfo(const CPlRefrenceInfo&) = default;
    CPlRefrenceInfo& operator=(const CPlRefrenceInfo&) = default;
    virtual ~CPlRefrenceInfo();

    // ---- header-defined members ----
    // out becomes a copy of the layer list; the layers stay the library's.
    void GetLayerVec(std::vector<CQXLayer*>& out) const { out = m_layers; }

    // ---- profile-line library operations ----
    void SetLayerVec(const std::vector<CQXLayer*>& layers);
    boost::shared_ptr<CLayerProperty> GetLayerProperty() const;
    void SetLayerProperty(boost::shared_ptr<CLayerProperty> property);
    void GetShowLayer(std::vector<std::string>& names) const;  // the layers offered, in order
    int GetShowLayerVisible(int index) const;                  // 1 when shown; 0 out of range
    void SetLayerVisible(const std::string& name, bool visible);
    void AddShowLayer(const std::string& name, bool visible);
    void SetFileName(const std::string& name);
    std::string GetFileName() const;

protected:
    std::vector<CQXLayer*> m_layers;
    // State of the library's own operations.
    boost::shared_ptr<CLayerProperty> m_property;
    std::vector<std::string> m_showLayers;
    std::vector<int> m_showLayerVisible;
    std::string m_strFileName;
};

// The display-manager adapter the profile-line control hands to the host.
class CPlPropWndDispMgrAdapter : public IDispManager {
public:
    explicit CPlPropWndDispMgrAdapter(IDispManager* target = nullptr) : m_pTarget(target) {}
    CPlPropWndDispMgrAdapter(const CPlPropWndDispMgrAdapter&) = default;
    CPlPropWndDispMgrAdapter& operator=(const CPlPropWndDispMgrAdapter&) = default;
    ~CPlPropWndDispMgrAdapter() override;

    // Asks the wrapped manager; 0 when there is none.
    void GetActiveObj(long& object) override;
    void SetTarget(IDispManager* target) { m_pTarget = target; }

private:
    IDispManager* m_pTarget;
};

class CPlControl {
public:
    CPlControl();
    CPlControl(const CPlControl&) = default;
    CPlControl& operator=(const CPlControl&) = default;
    virtual ~CPlControl();

    IDispManager* GetDispManager() { return &m_dispAdapter; }
    CQXMap* GetMap() const { return m_pMap; }
    void SetMap(CQXMap* map) { m_pMap = map; }
    CPlDocOperator* GetDocOperator() const { return m_pDocOperator; }
    void SetDocOperator(CPlDocOperator* op) { m_pDocOperator = op; }

protected:
    CPlPropWndDispMgrAdapter m_dispAdapter;
    CQXMap* m_pMap;
    CPlDocOperator* m_pDocOperator;
    void* m_pView;
    void* m_pFrame;
};

// Its constructor, destructor and the two unnamed virtuals belong to the profile-line library.
class CPlContainer : public CPlControlerClient {
public:
    explicit CPlContainer(CPlDocOperator* docOperator = nullptr);
    CPlContainer(const CPlContainer&) = delete;
    CPlContainer& operator=(const CPlContainer&) = delete;
    ~CPlContainer() override;

    // ---- header-defined members ----
    void SetDocOperator(CPlDocOperator* op) { m_pDocOperator = op; }
    CPlDocOperator* GetDocOperator() const { return m_pDocOperator; }
    void SetPlControl(CPlControl* control) { m_pControl = control; }
    CPlControl* GetControl() const { return m_pControl; }
    void SetCreateProfileLineDlg(CAutoCreateProfileLineDlg* dlg) { m_pCreateDlg = dlg; }
    CAutoCreateProfileLineDlg* GetCreateProfileLineDlg() const { return m_pCreateDlg; }
    // A copy of the pointer; empty when the document has no reference information.
    boost::shared_ptr<CPlRefrenceInfo> GetRefrenceInfo() const { return m_refInfo; }
    int GetStratumGrade() const { return m_nStratumGrade; }

    // ---- profile-line library operations ----
    // The graph reads the layer property again and redraws.
    virtual void UpdateProperty();
    // Rebuilds the wells' tracks.
    virtual void RebuildTracks();
    void UpdateWnd();
    void SetRefrenceInfo(boost::shared_ptr<CPlRefrenceInfo> info);
    void ChangeWellNameFontTemplate(const std::string& name);
    void ChangeWellNameSizeTemplate(const std::string& name);
    void ChangeWellNameColorTemplate(const std::string& name);
    void ChangeWellSymbolPointStyleTemple(const std::string& name);
    void ChangeWellSymbolSizeTemple(const std::string& name);
    void ChangeWellSymbolOutColorTemple(const std::string& name);
    void ChangeWellSymbolInnerColorTemple(const std::string& name);
    void SetWellDrainLinePos();

    // Fields the pages read and write directly.
    int m_nStratumGrade;  // level of the data target, 0 to 4; -1 none
    CPlWellMgr* m_pWellMgr;
    CPlProfilelineMgr* m_pProfilelineMgr;

protected:
    CPlDocOperator* m_pDocOperator;
    CPlControl* m_pControl;
    CAutoCreateProfileLineDlg* m_pCreateDlg;
    boost::shared_ptr<CPlRefrenceInfo> m_refInfo;
};

// Destroyed container part first, then the object part (reverse order of the bases).
class CPlCnEntity : public CPlObjInterface, public CPlContainer {
public:
    explicit CPlCnEntity(CPlDocOperator* docOperator = nullptr);
    ~CPlCnEntity() override;
    PL_DECLARE_ACCEPT()
};

}  // namespace KelProfileline
