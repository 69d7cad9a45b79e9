#include "planemap/layers/PropListWellLayerSymbol.h"

#include "framework/ItemGroupsBasic.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "planemap/PlaneItems.h"
#include "planemap/layers/PropLstPlaneEx.h"
#include "planemap/layers/WellItems.h"
#include "planemap/layers/WellPenGroups.h"
#include "planemap/layers/WellTexts.h"

using kel::plane::CWellLayer;
using Page = CPropListWellLayerSymbol;

namespace {

// ---- the symbol groups: the layer's symbol, the wellhead's and the well bottom's ----------------

struct SymbolGroup {
    DWORD_PTR group, show, style, size, border, inner;
    const char* label;
    int (CWellLayer::*visible)() const;
    void (CWellLayer::*setVisible)(int);
    void (CWellLayer::*point)(QXLOGPOINT*) const;
    void (CWellLayer::*setStyle)(UINT);
    void (CWellLayer::*setSize)(double);
    void (CWellLayer::*setBorder)(COLORREF);
    void (CWellLayer::*setInner)(COLORREF);
};

const SymbolGroup kSymbolGroups[] = {
    {Page::kSymbolGroupId, Page::kSymbolShowId, Page::kSymbolStyleId, Page::kSymbolSizeId, Page::kSymbolBorderId,
     Page::kSymbolInnerId, welltext::kLayerSymbol, &CWellLayer::GetSymbolVisible, &CWellLayer::SetSymbolVisible,
     &CWellLayer::GetSymbolPoint, &CWellLayer::SetSymbolPointStyle, &CWellLayer::SetSymbolSize,
     &CWellLayer::SetSymbolBorderColor, &CWellLayer::SetSymbolInnerColor},
    {Page::kHeadGroupId, Page::kHeadShowId, Page::kHeadStyleId, Page::kHeadSizeId, Page::kHeadBorderId,
     Page::kHeadInnerId, welltext::kHeadSymbol, &CWellLayer::GetWellTopPointVisible,
     &CWellLayer::SetWellTopPointVisible, &CWellLayer::GetWellTopPoint, &CWellLayer::SetWellTopPointStyle,
     &CWellLayer::SetWellTopPointSize, &CWellLayer::SetWellTopPointBorderColor, &CWellLayer::SetWellTopPointInnerColor},
    {Page::kBottomGroupId, Page::kBottomShowId, Page::kBottomStyleId, Page::kBottomSizeId, Page::kBottomBorderId,
     Page::kBottomInnerId, welltext::kBottomSymbol, &CWellLayer::GetWellBottomPointVisible,
     &CWellLayer::SetWellBottomPointVisible, &CWellLayer::GetWellBottomPoint, &CWellLayer::SetWellBottomPointStyle,
     &CWellLayer::SetWellBottomPointSize, &CWellLayer::SetWellBottomPointBorderColor,
     &CWellLayer::SetWellBottomPointInnerColor},
};

// ---- the trajectory groups ---------------------------------------------------------------------

const wellpens::PenGroup kTrackGroups[] = {
    {Page::kUpperGroupId, Page::kUpperShowId, Page::kUpperStyleId, Page::kUpperWidthId, Page::kUpperColorId,
     welltext::kUpperTrack, &CWellLayer::GetWellTopLineVisible, &CWellLayer::SetWellTopLineVisible,
     &CWellLayer::GetWellTopLinePen, &CWellLayer::SetWellTopLineStyle, &CWellLayer::SetWellTopLineSize,
     &CWellLayer::SetWellTopLineColor},
    {Page::kLowerGroupId, Page::kLowerShowId, Page::kLowerStyleId, Page::kLowerWidthId, Page::kLowerColorId,
     welltext::kLowerTrack, &CWellLayer::GetWellBottomLineVisible, &CWellLayer::SetWellBottomLineVisible,
     &CWellLayer::GetWellBottomLinePen, &CWellLayer::SetWellBottomLineStyle, &CWellLayer::SetWellBottomLineSize,
     &CWellLayer::SetWellBottomLineColor},
};

// ---- the layer symbol's templates: kind, item, the value it governs, the layer's setting ---------

struct TemplateRow {
    DWORD_PTR id, governs;
    int mode;
    const char* label;
    const char* description;
    CString (CWellLayer::*get)() const;
    void (CWellLayer::*set)(const CString&);
};

const TemplateRow kTemplates[] = {
    {Page::kSymbolStyleTemplateId, Page::kSymbolStyleId, CPropLstPlaneEx::kPointStyle, grouptext::kPointStyleTemplate,
     grouptext::kPointStyleTemplateDescription, &CWellLayer::GetSymbolPointStyleTemplate,
     &CWellLayer::SetSymbolPointStyleTemplate},
    {Page::kSymbolSizeTemplateId, Page::kSymbolSizeId, CPropLstPlaneEx::kSize, grouptext::kSizeTemplate,
     grouptext::kSizeTemplateDescription, &CWellLayer::GetSymbolSizeTemplate, &CWellLayer::SetSymbolSizeTemplate},
    {Page::kSymbolBorderTemplateId, Page::kSymbolBorderId, CPropLstPlaneEx::kColor, grouptext::kBorderColorTemplate,
     grouptext::kBorderColorTemplateDescription, &CWellLayer::GetSymbolBorderColorTemplate,
     &CWellLayer::SetSymbolBorderColorTemplate},
    {Page::kSymbolInnerTemplateId, Page::kSymbolInnerId, CPropLstPlaneEx::kColor, grouptext::kInnerColorTemplate,
     grouptext::kInnerColorTemplateDescription, &CWellLayer::GetSymbolInnerColorTemplate,
     &CWellLayer::SetSymbolInnerColorTemplate},
};

// The stored value of the item, when it is one of the symbol group's, as the refresh shows it.
void ShowStoredSymbolItem(const SymbolGroup& g, CWellLayer& layer, CBCGPProp* item) {
    if (item->GetData() == g.show) {
        wellitems::ShowSwitch(item, (layer.*g.visible)());
        return;
    }
    QXLOGPOINT point;
    (layer.*g.point)(&point);
    wellitems::ShowPointField(item, point, g.style, g.size, g.border, g.inner);
}

// Writes the edited item when it is one of the symbol group's: each field by its own setter, so
// no other field is read back. The size item reads by the size rule, so it refuses what is read here.
void EditSymbolGroup(const SymbolGroup& g, CWellLayer& layer, CBCGPProp* item) {
    const DWORD_PTR id = item->GetData();
    double size = 0;
    COLORREF color = 0;
    UINT style = 0;
    if (id == g.show) {
        (layer.*g.setVisible)(ReadYesNo(item) ? 1 : 0);
    } else if (id == g.style) {
        if (ReadStyle(item, &style)) (layer.*g.setStyle)(style);
    } else if (id == g.size) {
        if (wellitems::ReadHundredths(item, false, &size)) (layer.*g.setSize)(size);
    } else if (id == g.border || id == g.inner) {
        if (ReadColor(item, &color)) (layer.*(id == g.border ? g.setBorder : g.setInner))(color);
    }
}

const TemplateRow* TemplateBefore(DWORD_PTR valueId) {
    for (const TemplateRow& row : kTemplates)
        if (row.governs == valueId) return &row;
    return nullptr;
}

}  // namespace

int CPropListWellLayerSymbol::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    for (const SymbolGroup& g : kSymbolGroups) {
        CBCGPProp* group = wellitems::NewGroup(g.label, g.group);
        group->AddSubItem(wellitems::NewSwitch(g.show));
        auto add = [&](DWORD_PTR valueId, CBCGPProp* value) {
            if (const TemplateRow* t = g.group == kSymbolGroupId ? TemplateBefore(valueId) : nullptr) {
                auto* item =
                    new CPropLstPlaneEx(t->label, CString(), t->description, t->id, t->mode, welltext::kTemplateButton);
                item->SetPlaneProplist(this);
                FillTemplateOptions(item, t->mode);
                group->AddSubItem(item);
            }
            group->AddSubItem(value);
        };
        add(g.style, wellitems::NewPointPicker(grouptext::kPointStyle, grouptext::kPointStyleDescription, g.style,
                                               welltext::kCommonPointStyles, welltext::kCommonPoints,
                                               welltext::kWellSymbols, false));
        add(g.size, wellitems::NewHundredthsItem(grouptext::kSize, welltext::kSizeDescription, g.size, false));
        add(g.border, wellitems::NewColor(grouptext::kBorderColor, grouptext::kBorderColorDescription, g.border));
        add(g.inner, wellitems::NewColor(grouptext::kInnerColor, grouptext::kInnerColorDescription, g.inner));
        group->Expand(TRUE);
        m_wndPropList.AddProperty(group, TRUE, TRUE);
    }
    for (const wellpens::PenGroup& g : kTrackGroups) {
        CBCGPProp* group = wellpens::NewPenGroup(g);
        group->Expand(TRUE);
        m_wndPropList.AddProperty(group, TRUE, TRUE);
    }
    m_wndPropList.AddProperty(wellitems::NewTrackModeChoice(kTrackModeId), TRUE, TRUE);
    return 0;
}

void CPropListWellLayerSymbol::RefreshLayer(CWellLayer& layer) {
    for (const SymbolGroup& g : kSymbolGroups) {
        const int visible = (layer.*g.visible)();
        for (DWORD_PTR id : {g.show, g.style, g.size, g.border, g.inner})
            if (CBCGPProp* item = FindItem(id)) ShowStoredSymbolItem(g, layer, item);
        wellitems::EnableAfterSwitch(FindItem(g.group), visible);
        if (g.group == kSymbolGroupId) RefreshTemplates(layer, visible);
    }
    for (const wellpens::PenGroup& g : kTrackGroups) wellpens::ShowPenGroup(m_wndPropList, g, layer);
    CBCGPProp* mode = FindItem(kTrackModeId);
    SetItemText(mode, layer.GetSymbolLineShowTrack() ? welltext::kRealTrack : welltext::kStraight);
    if (mode) mode->Enable(layer.GetWellTopLineVisible() || layer.GetWellBottomLineVisible() ? TRUE : FALSE);
}

// Each template item names the layer's template and offers the current names; the value it
// governs is usable only while no template is named and the symbol is shown.
void CPropListWellLayerSymbol::RefreshTemplates(CWellLayer& layer, int visible) {
    for (const TemplateRow& t : kTemplates) {
        const CString name = (layer.*t.get)();
        auto* item = dynamic_cast<CPropLstPlaneEx*>(FindItem(t.id));
        if (!item) continue;
        SetItemText(item, name);
        item->SetWellLayer(layer.GetLayer());
        FillTemplateOptions(item, t.mode);
        if (CBCGPProp* value = FindItem(t.governs)) value->Enable(name.IsEmpty() && visible ? TRUE : FALSE);
    }
}

// New point-style and size template names are appended; the colour names are rebuilt.
void CPropListWellLayerSymbol::FillTemplateOptions(CBCGPProp* item, int mode) {
    switch (mode) {
        case CPropLstPlaneEx::kPointStyle:
            InitPointTemplate(item);
            break;
        case CPropLstPlaneEx::kSize:
            InitSizeTemplate(item);
            break;
        default:
            InitColorTemplate(item);
            break;
    }
}

bool CPropListWellLayerSymbol::OnLayerItemChanged(CWellLayer& layer, CBCGPProp* item) {
    const DWORD_PTR id = item->GetData();
    if (id == kTrackModeId) return EditTrackMode(layer, item);
    for (const TemplateRow& t : kTemplates)
        if (id == t.id) (layer.*t.set)(ItemText(item));
    for (const SymbolGroup& g : kSymbolGroups) {
        EditSymbolGroup(g, layer, item);
        if (id == g.show) wellitems::EnableAfterSwitch(FindItem(g.group), (layer.*g.visible)());
    }
    for (const wellpens::PenGroup& g : kTrackGroups)
        if (!wellpens::EditPenGroup(m_wndPropList, g, layer, item)) return false;
    return true;
}

// The stored values as the refresh shows them.
void CPropListWellLayerSymbol::ShowStoredItem(CWellLayer& layer, CBCGPProp* item) {
    for (const SymbolGroup& g : kSymbolGroups) ShowStoredSymbolItem(g, layer, item);
    for (const wellpens::PenGroup& g : kTrackGroups) wellpens::ShowStoredPenItem(g, layer, item);
}

// A changed way of drawing trajectories shows both segments.
bool CPropListWellLayerSymbol::EditTrackMode(CWellLayer& layer, CBCGPProp* item) {
    int track = 0;
    if (!ReadFixedList(item, &track)) return false;
    const int old = layer.GetSymbolLineShowTrack();
    layer.SetSymbolLineShowTrack(track);
    if (layer.GetSymbolLineShowTrack() == old) return true;
    layer.SetWellTopLineVisible(1);
    layer.SetWellBottomLineVisible(1);
    return true;
}
