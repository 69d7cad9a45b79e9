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
    double (CWellLayer::*getSize)() const;
    void (CWellLayer::*setSize)(double);
    COLORREF (CWellLayer::*getBorder)() const;
    void (CWellLayer::*setBorder)(COLORREF);
    COLORREF (CWellLayer::*getInner)() const;
    void (CWellLayer::*setInner)(COLORREF);
};

const SymbolGroup kSymbolGroups[] = {
    {Page::kSymbolGroupId, Page::kSymbolShowId, Page::kSymbolStyleId, Page::kSymbolSizeId, Page::kSymbolBorderId,
     Page::kSymbolInnerId, welltext::kLayerSymbol, &CWellLayer::GetSymbolVisible, &CWellLayer::SetSymbolVisible,
     &CWellLayer::GetSymbolPoint, &CWellLayer::SetSymbolPointStyle, &CWellLayer::GetSymbolSize,
     &CWellLayer::SetSymbolSize, &CWellLayer::GetSymbolBorderColor, &CWellLayer::SetSymbolBorderColor,
     &CWellLayer::GetSymbolInnerColor, &CWellLayer::SetSymbolInnerColor},
    {Page::kHeadGroupId, Page::kHeadShowId, Page::kHeadStyleId, Page::kHeadSizeId, Page::kHeadBorderId,
     Page::kHeadInnerId, welltext::kHeadSymbol, &CWellLayer::GetWellTopPointVisible,
     &CWellLayer::SetWellTopPointVisible, &CWellLayer::GetWellTopPoint, &CWellLayer::SetWellTopPointStyle,
     &CWellLayer::GetWellTopPointSize, &CWellLayer::SetWellTopPointSize, &CWellLayer::GetWellTopPointBorderColor,
     &CWellLayer::SetWellTopPointBorderColor, &CWellLayer::GetWellTopPointInnerColor,
     &CWellLayer::SetWellTopPointInnerColor},
    {Page::kBottomGroupId, Page::kBottomShowId, Page::kBottomStyleId, Page::kBottomSizeId, Page::kBottomBorderId,
     Page::kBottomInnerId, welltext::kBottomSymbol, &CWellLayer::GetWellBottomPointVisible,
     &CWellLayer::SetWellBottomPointVisible, &CWellLayer::GetWellBottomPoint, &CWellLayer::SetWellBottomPointStyle,
     &CWellLayer::GetWellBottomPointSize, &CWellLayer::SetWellBottomPointSize,
     &CWellLayer::GetWellBottomPointBorderColor, &CWellLayer::SetWellBottomPointBorderColor,
     &CWellLayer::GetWellBottomPointInnerColor, &CWellLayer::SetWellBottomPointInnerColor},
};

// ---- the trajectory groups ---------------------------------------------------------------------

const wellpens::PenGroup kTrackGroups[] = {
    {Page::kUpperGroupId, Page::kUpperShowId, Page::kUpperStyleId, Page::kUpperWidthId, Page::kUpperColorId,
     welltext::kUpperTrack, &CWellLayer::GetWellTopLineVisible, &CWellLayer::SetWellTopLineVisible,
     &CWellLayer::GetWellTopLinePen, &CWellLayer::SetWellTopLineStyle, &CWellLayer::GetWellTopLineSize,
     &CWellLayer::SetWellTopLineSize, &CWellLayer::GetWellTopLineColor, &CWellLayer::SetWellTopLineColor},
    {Page::kLowerGroupId, Page::kLowerShowId, Page::kLowerStyleId, Page::kLowerWidthId, Page::kLowerColorId,
     welltext::kLowerTrack, &CWellLayer::GetWellBottomLineVisible, &CWellLayer::SetWellBottomLineVisible,
     &CWellLayer::GetWellBottomLinePen, &CWellLayer::SetWellBottomLineStyle, &CWellLayer::GetWellBottomLineSize,
     &CWellLayer::SetWellBottomLineSize, &CWellLayer::GetWellBottomLineColor, &CWellLayer::SetWellBottomLineColor},
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
    m_wndPropList.AddProperty(wellitems::NewChoice(welltext::kTrackMode, welltext::kTrackModeDescription, kTrackModeId,
                                                   {welltext::kRealTrack, welltext::kStraight}),
                              TRUE, TRUE);
    return 0;
}

void CPropListWellLayerSymbol::RefreshLayer(CWellLayer& layer) {
    for (const SymbolGroup& g : kSymbolGroups) {
        const int visible = (layer.*g.visible)();
        wellitems::ShowSwitch(FindItem(g.show), visible);
        wellitems::EnableAfterSwitch(FindItem(g.group), visible);
        QXLOGPOINT point;
        (layer.*g.point)(&point);
        wellitems::ShowStyle(FindItem(g.style), point.style);
        SetItemText(FindItem(g.size), wellitems::Hundredths((layer.*g.getSize)()));
        ShowColor(FindItem(g.border), (layer.*g.getBorder)());
        ShowColor(FindItem(g.inner), (layer.*g.getInner)());
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
    if (id == kTrackModeId) {
        EditTrackMode(layer, item);
        return true;
    }
    for (const TemplateRow& t : kTemplates)
        if (id == t.id) (layer.*t.set)(ItemText(item));
    double value = 0;
    COLORREF color = 0;
    UINT style = 0;
    for (const SymbolGroup& g : kSymbolGroups) {
        if (id == g.show) {
            (layer.*g.setVisible)(wellitems::SwitchValue(item));
            wellitems::EnableAfterSwitch(FindItem(g.group), wellitems::SwitchValue(item));
        } else if (id == g.style && ReadStyle(item, &style)) {
            (layer.*g.setStyle)(style);
        } else if (id == g.size) {
            if (!wellitems::ReadHundredths(item, false, &value)) return false;
            (layer.*g.setSize)(value);
        } else if (id == g.border && ReadColor(item, &color)) {
            (layer.*g.setBorder)(color);
        } else if (id == g.inner && ReadColor(item, &color)) {
            (layer.*g.setInner)(color);
        }
    }
    for (const wellpens::PenGroup& g : kTrackGroups)
        if (!wellpens::EditPenGroup(m_wndPropList, g, layer, item)) return false;
    return true;
}

// The sizes and widths as the refresh shows them.
void CPropListWellLayerSymbol::ShowStoredItem(CWellLayer& layer, CBCGPProp* item) {
    for (const SymbolGroup& g : kSymbolGroups)
        if (item->GetData() == g.size) SetItemText(item, wellitems::Hundredths((layer.*g.getSize)()));
    for (const wellpens::PenGroup& g : kTrackGroups) wellpens::ShowPenWidth(g, layer, item);
}

// A changed way of drawing trajectories shows both segments.
void CPropListWellLayerSymbol::EditTrackMode(CWellLayer& layer, CBCGPProp* item) {
    const int old = layer.GetSymbolLineShowTrack();
    layer.SetSymbolLineShowTrack(ItemText(item) == welltext::kRealTrack ? 1 : 0);
    if (layer.GetSymbolLineShowTrack() == old) return;
    layer.SetWellTopLineVisible(1);
    layer.SetWellBottomLineVisible(1);
}
