#include "ProfilelineProp/profilelineprop.h"

#include "ProfilelineProp/PlPageSupport.h"
#include "ProfilelineProp/ProfilelineTexts.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Kestrel/GraphStyleManager.h"
#include "hosttypes/Lodestar/PlContainer.h"
#include "hosttypes/Lodestar/PlManagers.h"

using namespace KelProfileline;
using namespace grouptext;
using namespace pltext;

namespace {
constexpr int kInitialLineStyle = 1001;
}  // namespace

CPlLayerLine::~CPlLayerLine() = default;

int CPlLayerLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return PL_PAGE_FAILED(kLinePageFailed);
    m_wndPropList.AddProperty(NewYesNoList(kShow, kYes, "", kShowId), TRUE, TRUE);
    auto* style = new CPropStyleCombox(kLineStyle, kInitialLineStyle, CPropStyleCombox::kLineStyle,
                                       kestrel::kLineSetCommonAlt, "", kStyleId);
    style->AllowEdit(FALSE);
    m_wndPropList.AddProperty(style, TRUE, TRUE);
    auto* width = new CBCGPropFloat(kLineWidth, _variant_t(0.0), 2, "", FALSE, kWidthId);
    width->SetTextRule(plpage::FieldRule());
    m_wndPropList.AddProperty(width, TRUE, TRUE);
    m_wndPropList.AddProperty(NewYesNoList(kRandomColor, "", kRandomColorDescription, kRandomColorId), TRUE, TRUE);
    m_wndPropList.AddProperty(NewGroupColorProp(kColor, "", kColorId, 0), TRUE, TRUE);
    return 0;
}

// Style, random colour, colour and width follow "显示"; the colour also needs random colour off.
void CPlLayerLine::UpdateBCGPProperty(long object, CString) {
    const boost::shared_ptr<CLayerProperty> layer = plpage::LayerToRefresh(*this, object, m_pEntity);
    if (!layer) return;
    SetYesNoProp(Item(kShowId), layer->m_bShowProfileLine);
    const bool shown = GetYesNoProp(Item(kShowId));
    const QXLOGPEN pen = layer->m_profileLinePen;
    if (auto* style = dynamic_cast<CPropStyleCombox*>(Item(kStyleId))) {
        style->Enable(shown);
        UINT code = pen.style;
        if (shown) style->SetVal(code);  // redraws only when the style changes
    }
    if (CBCGPProp* random = Item(kRandomColorId)) {
        random->Enable(shown);
        SetYesNoProp(random, layer->m_bRandomLineColor);
    }
    if (CBCGPProp* color = Item(kColorId)) {
        color->Enable(shown && !layer->m_bRandomLineColor);
        if (shown) ShowColor(color, pen.color);
    }
    if (CBCGPProp* width = Item(kWidthId)) {
        width->Enable(shown);
        if (shown) width->SetValue(_variant_t(pen.width / 100.0));
    }
}

// Only the show and random-colour edits renew the stamp; the pen edits are not read back.
LRESULT CPlLayerLine::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    const boost::shared_ptr<CLayerProperty> layer = plpage::LayerProperty();
    if (!item || !m_pEntity || !layer) return 0;
    QXLOGPEN& pen = layer->m_profileLinePen;
    switch (item->GetData()) {
        case kShowId:
            layer->m_bShowProfileLine = ReadYesNo(item);
            plpage::Stamp(m_pEntity);
            m_pEntity->UpdateWnd();
            break;
        case kStyleId:
        case kWidthId:
        case kColorId:
            // The width item reads by EditField's rule, so a width it refuses never comes here.
            if (plpage::EditField(pen, item, static_cast<int>(item->GetData() - kStyleId))) ApplyPen(*layer);
            break;
        case kRandomColorId:
            layer->m_bRandomLineColor = ReadYesNo(item);
            plpage::Stamp(m_pEntity);
            break;
        default:
            break;
    }
    return 0;
}

void CPlLayerLine::ApplyPen(const CLayerProperty& layer) {
    if (m_pEntity->m_pProfilelineMgr) m_pEntity->m_pProfilelineMgr->SetLinePen(layer.m_profileLinePen);
    m_pEntity->UpdateWnd();
}

void CPlLayerLine::ShowItemAgain(CBCGPProp* item) {
    CWndLst::ShowItemAgain(item);
    if (const boost::shared_ptr<CLayerProperty> layer = plpage::LayerProperty(); item && layer)
        ShowStoredValueOf(item, {{kWidthId, layer->m_profileLinePen.width / 100.0}});
}
