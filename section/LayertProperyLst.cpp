#include "section/LayertProperyLst.h"

#include "hosttypes/Parsnip/QXLayer.h"
#include "section/SectionTexts.h"

BEGIN_MESSAGE_MAP(CLayertProperyLst, CWndLst)
ON_MESSAGE(WM_PROP_CHECKVALUE, OnCheckValue)
END_MESSAGE_MAP()

CLayertProperyLst::CLayertProperyLst(CQXLayer* layer) : m_pLayer(layer) {}
CLayertProperyLst::~CLayertProperyLst() = default;

int CLayertProperyLst::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    auto* name = new CBCGPProp(sectiontext::kLayerName, _variant_t(""), "", kLayerNameId);
    name->AllowEdit(FALSE);
    m_wndPropList.AddProperty(name, TRUE, TRUE);
    return 0;
}

// Without a layer there is nothing to read: the stamp and the name stay as they are.
void CLayertProperyLst::UpdateBCGPProperty(long object, CString) {
    if (object != m_curObject || !m_pLayer) return;
    const uint64_t stamp = m_pLayer->GetTimeStamp();
    const bool changed = stamp != m_timeStamp;
    m_timeStamp = stamp;
    if (!changed) return;
    if (CBCGPProp* item = m_wndPropList.FindItemByData(kLayerNameId, TRUE))
        item->SetValue(_variant_t(m_pLayer->GetName()));
}

LRESULT CLayertProperyLst::OnCheckValue(WPARAM wParam, LPARAM) {
    m_pLayer = reinterpret_cast<CQXLayer*>(wParam);
    return 1;
}
