#include "ProfilelineProp/wellsymbolprop.h"

#include <iterator>

#include "ProfilelineProp/PlPageSupport.h"
#include "ProfilelineProp/ProfilelineTexts.h"
#include "framework/GroupEdits.h"
#include "framework/FixedList.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "hosttypes/Lodestar/PlContainer.h"
#include "hosttypes/Lodestar/PlManagers.h"

using namespace KelProfileline;
using namespace pltext;

namespace {

// The groups of the well-head and well-bottom symbols and of the two track parts, with their kind.
struct KindGroup {
    DWORD_PTR group;
    int kind;
};
const KindGroup kPointGroups[] = {{CPlLayerWellSymbol::kHeadGroupId, PL_SYMBOL_HEAD},
                                  {CPlLayerWellSymbol::kBottomGroupId, PL_SYMBOL_BOTTOM}};
const KindGroup kTrackGroups[] = {{CPlLayerWellSymbol::kUpperTrackGroupId, PL_TRACK_UPPER},
                                  {CPlLayerWellSymbol::kLowerTrackGroupId, PL_TRACK_LOWER}};
constexpr DWORD_PTR kPointSubItems = 5;
constexpr DWORD_PTR kTrackSubItems = 4;

const plpage::TemplateEdit kTemplateEdits[] = {
    {CPlLayerWellSymbol::kPointTemplateId, &CLayerProperty::m_strPointStyleTemplate,
     &CPlContainer::ChangeWellSymbolPointStyleTemple},
    {CPlLayerWellSymbol::kSizeTemplateId, &CLayerProperty::m_strPointSizeTemplate,
     &CPlContainer::ChangeWellSymbolSizeTemple},
    {CPlLayerWellSymbol::kBorderTemplateId, &CLayerProperty::m_strPointOutColorTemplate,
     &CPlContainer::ChangeWellSymbolOutColorTemple},
    {CPlLayerWellSymbol::kInnerTemplateId, &CLayerProperty::m_strPointInnerColorTemplate,
     &CPlContainer::ChangeWellSymbolInnerColorTemple},
};

bool InRange(DWORD_PTR id, DWORD_PTR group, DWORD_PTR subItems) { return id > group && id <= group + subItems; }

}  // namespace

CPlLayerWellSymbol::~CPlLayerWellSymbol() = default;

int CPlLayerWellSymbol::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return PL_PAGE_FAILED(kWellSymbolPageFailed);
    CBCGPProp* current = CreateSymbolTemplateProp(kCurrentSymbol, kCurrentGroupId);
    current->Expand(TRUE);
    m_wndPropList.AddProperty(current, TRUE, TRUE);
    m_wndPropList.AddProperty(CreateShowPointProp(kHeadSymbol, kHeadGroupId), TRUE, TRUE);
    m_wndPropList.AddProperty(CreateShowPointProp(kBottomSymbol, kBottomGroupId), TRUE, TRUE);
    m_wndPropList.AddProperty(CreateShowLineProp(kUpperTrack, kUpperTrackGroupId), TRUE, TRUE);
    m_wndPropList.AddProperty(CreateShowLineProp(kLowerTrack, kLowerTrackGroupId), TRUE, TRUE);
    m_wndPropList.AddProperty(plpage::NewTrackModeList(kTrackMode, kTrackModeDescription, kTrackModeId), TRUE, TRUE);
    return 0;
}

// ---- refresh ---------------------------------------------------------------------------------------

void CPlLayerWellSymbol::UpdateBCGPProperty(long object, CString) {
    const boost::shared_ptr<CLayerProperty> layer = plpage::LayerToRefresh(*this, object, m_pEntity);
    if (!layer) return;
    ShowCurrentSymbol(*layer);
    for (const KindGroup& g : kPointGroups)
        if (CBCGPProp* group = Item(g.group))
            SetShowPointProp(group, layer->GetSymbolPoint(g.kind), layer->GetSymbolVisible(g.kind));
    for (const KindGroup& g : kTrackGroups)
        if (CBCGPProp* group = Item(g.group))
            SetShowLineProp(group, layer->GetWellTrackPen(g.kind), layer->GetWellTrackVisible(g.kind));
    SetItemText(Item(kTrackModeId), layer->m_bStraightTrack ? kStraightTrack : kRealTrack);
}

// The direct items are written only when they are usable.
void CPlLayerWellSymbol::ShowCurrentSymbol(const CLayerProperty& layer) {
    SetYesNoProp(Item(kCurrentShowId), layer.GetSymbolVisible(PL_SYMBOL_CURRENT));
    const bool shown = GetYesNoProp(Item(kCurrentShowId));
    const plpage::TemplatePair pairs[] = {
        {Item(kPointTemplateId), Item(kPointStyleId), &CWndLst::InitPointTemplate},
        {Item(kSizeTemplateId), Item(kSizeId), &CWndLst::InitSizeTemplate},
        {Item(kBorderTemplateId), Item(kBorderColorId), &CWndLst::InitColorTemplate},
        {Item(kInnerTemplateId), Item(kInnerColorId), &CWndLst::InitColorTemplate},
    };
    bool direct[4] = {};
    plpage::RefreshTemplates(*this, plpage::TemplatesUsable(*m_pEntity, layer, shown), shown, pairs, 4, direct);
    const QXLOGPOINT point = layer.GetSymbolPoint(PL_SYMBOL_CURRENT);
    if (direct[0])
        if (auto* style = dynamic_cast<CPropStyleCombox*>(Item(kPointStyleId))) {
            UINT code = point.style;
            style->SetVal(code);  // redraws only when the style changes
        }
    if (direct[1])
        if (CBCGPProp* size = Item(kSizeId)) size->SetValue(_variant_t(point.size / 100.0));
    if (direct[2]) ShowColor(Item(kBorderColorId), point.borderColor);
    if (direct[3]) ShowColor(Item(kInnerColorId), point.innerColor);
}

// ---- edits -------------------------------------------------------------------------------------------

LRESULT CPlLayerWellSymbol::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    const boost::shared_ptr<CLayerProperty> layer = plpage::LayerProperty();
    if (!item || !m_pEntity || !layer) return 0;
    const DWORD_PTR id = item->GetData();
    bool stamp = false;
    switch (id) {
        case kCurrentShowId:
            layer->SetSymbolVisible(ReadYesNo(item), PL_SYMBOL_CURRENT);
            stamp = true;
            break;
        case kPointTemplateId:
        case kSizeTemplateId:
        case kBorderTemplateId:
        case kInnerTemplateId:
            stamp = plpage::EditTemplate(kTemplateEdits, std::size(kTemplateEdits), *layer, *m_pEntity, item);
            break;
        case kPointStyleId:
        case kSizeId:
        case kBorderColorId:
        case kInnerColorId:
            if (!EditCurrentPoint(*layer, item)) {
                ShowItemAgain(item);
                return 0;
            }
            break;
        case kTrackModeId:
            layer->m_bStraightTrack = ReadYesNo(item);
            m_pEntity->UpdateProperty();
            break;
        default: {
            bool inGroup = false;
            bool taken = true;
            for (const KindGroup& g : kPointGroups)
                if (InRange(id, g.group, kPointSubItems)) {
                    inGroup = true;
                    taken = EditPointGroup(*layer, item, g.group, g.kind);
                }
            for (const KindGroup& g : kTrackGroups)
                if (InRange(id, g.group, kTrackSubItems)) {
                    inGroup = true;
                    taken = EditTrackGroup(*layer, item, g.group, g.kind);
                }
            // A group or another item writes nothing; the graph is still redrawn.
            if (inGroup && !taken) {
                ShowItemAgain(item);
                return 0;
            }
            stamp = inGroup;
            break;
        }
    }
    if (stamp) plpage::Stamp(m_pEntity);
    m_pEntity->UpdateWnd();
    return 0;
}

// A size or width the reader refuses is written
// nowhere and nothing is redrawn: the item shows the stored value again.
void CPlLayerWellSymbol::ShowItemAgain(CBCGPProp* item) {
    CWndLst::ShowItemAgain(item);
    const boost::shared_ptr<CLayerProperty> held = plpage::LayerProperty();
    if (!item || !held) return;
    const CLayerProperty& layer = *held;
    ShowStoredValueOf(item, {{kSizeId, layer.GetSymbolPoint(PL_SYMBOL_CURRENT).size / 100.0}});
    for (const KindGroup& g : kPointGroups)
        ShowStoredValueOf(item, {{g.group + 3, layer.GetSymbolPoint(g.kind).size / 100.0}});
    for (const KindGroup& g : kTrackGroups)
        ShowStoredValueOf(item, {{g.group + 3, layer.GetWellTrackPen(g.kind).width / 100.0}});
}

// Style, size, border and inner colour stand every second item, after their template items.
bool CPlLayerWellSymbol::EditCurrentPoint(CLayerProperty& layer, CBCGPProp* item) {
    QXLOGPOINT point = layer.GetSymbolPoint(PL_SYMBOL_CURRENT);
    if (!GetPointSubProp(item, point, static_cast<int>(item->GetData() - kPointStyleId) / 2)) return false;
    layer.SetSymbolPoint(PL_SYMBOL_CURRENT, point);
    if (m_pEntity->m_pWellMgr) m_pEntity->m_pWellMgr->SetSymbolLogPoint(PL_SYMBOL_CURRENT, point);
    return true;
}

// Sub-item 0 is the shown switch, the others the point's fields.
bool CPlLayerWellSymbol::EditPointGroup(CLayerProperty& layer, CBCGPProp* item, DWORD_PTR group, int kind) {
    bool shown = layer.GetSymbolVisible(kind);
    QXLOGPOINT point = layer.GetSymbolPoint(kind);
    const int position = static_cast<int>(item->GetData() - group - 1);
    if (position == 0)
        shown = ReadYesNo(item);
    else if (!ReadEditedField(item, point, kAfterShowSwitch))
        return false;
    layer.SetSymbolPoint(kind, point);
    if (m_pEntity->m_pWellMgr) m_pEntity->m_pWellMgr->SetSymbolLogPoint(kind, point);
    layer.SetSymbolVisible(shown, kind);
    return true;
}

bool CPlLayerWellSymbol::EditTrackGroup(CLayerProperty& layer, CBCGPProp* item, DWORD_PTR group, int kind) {
    bool shown = layer.GetWellTrackVisible(kind);
    QXLOGPEN pen = layer.GetWellTrackPen(kind);
    const int position = static_cast<int>(item->GetData() - group - 1);
    if (position == 0)
        shown = ReadYesNo(item);
    else if (!ReadEditedPen(item, pen, kAfterShowSwitch))
        return false;
    layer.SetWellTrackPen(kind, pen);
    if (m_pEntity->m_pWellMgr) m_pEntity->m_pWellMgr->SetTrackPen(kind, pen);
    layer.SetWellTrackVisible(shown, kind);
    return true;
}
