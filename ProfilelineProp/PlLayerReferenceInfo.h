// CPlLayerReferenceInfo: the "参考信息" tab of the profile-line layer window. It chooses the plane
// map shown beneath the graph (a ".LVN" file of the project's "\Map\Plane" folder), whether it is
// shown, and which of its layers are. The page shares the ownership of the entity's reference
// information, so the information it edits lives as long as the page even when the container
// takes another one.
#pragma once

#include <boost/shared_ptr.hpp>

#include "framework/WndLst.h"

namespace KelProfileline {
class CPlCnEntity;
class CPlRefrenceInfo;
}  // namespace KelProfileline

class CPlLayerReferenceInfo : public CWndLst {
public:
    enum : DWORD_PTR { kGroupId = 0, kShowId = 1, kPlaneMapId = 2, kLayersId = 3, kFirstLayerId = 4 };

    explicit CPlLayerReferenceInfo(KelProfileline::CPlCnEntity* entity);
    ~CPlLayerReferenceInfo() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    void FillPlaneMaps(CBCGPProp* item, const std::string& current);
    void BuildLayerItems();

    KelProfileline::CPlCnEntity* m_pEntity;
    boost::shared_ptr<KelProfileline::CPlRefrenceInfo> m_refInfo;
    CBCGPProp* m_pLayers = nullptr;  // the "图层" group, owned by the grid
    CBCGPProp* m_pGroup = nullptr;   // the "参考信息" group, owned by the grid
};
