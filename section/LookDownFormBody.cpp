#include "section/LookDownFormBody.h"

#include <cmath>

#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/NumberText.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Oriel/ScContainer.h"
#include "hosttypes/Oriel/ScLookDownForm.h"
#include "hosttypes/Oriel/ScWellPositionor.h"
#include "section/ObjectPageItems.h"
#include "section/ObjectPageTexts.h"
#include "section/SectionItems.h"
#include "section/SectionTexts.h"

using namespace sectiontext;
using namespace section;
using B = CLookDownFormBody;

namespace {

// The captions of the slots, in slot order.
const char* const kCaptions[B::kSlotCount] = {
    kPosition,
    kXCoordinate,
    kYCoordinate,
    grouptext::kSize,
    kKeepProportion,
    sectiontext::kWidth,
    kHeight,
    kFrame,
    grouptext::kLineStyle,
    grouptext::kColor,
    grouptext::kLineWidth,
    kWellName,
    grouptext::kShow,
    grouptext::kFontFace,
    grouptext::kSize,
    grouptext::kColor,
    kWellSymbol,
    grouptext::kPointStyle,
    grouptext::kSize,
    grouptext::kBorderColor,
    grouptext::kInnerColor,
    kSectionLineGroup,
    grouptext::kShow,
    grouptext::kLineStyle,
    grouptext::kColor,
    grouptext::kLineWidth,
    kProjectionSymbol,
    grouptext::kPointStyle,
    grouptext::kSize,
    grouptext::kBorderColor,
    grouptext::kInnerColor,
    kProjectionLine,
    grouptext::kShow,
    grouptext::kLineStyle,
    grouptext::kColor,
    grouptext::kLineWidth,
};

// Align styles under which the projections are not drawn.
bool HidesProjections(int align) { return align == 0 || align == 1 || align == 7; }

constexpr int kWellSymbolPoint = 0;
constexpr int kProjectionPoint = 3;

}  // namespace

CLookDownFormBody::CLookDownFormBody(ScLookDownForm* map, const Variant& variant) : m_pMap(map), m_variant(variant) {}
CLookDownFormBody::~CLookDownFormBody() = default;

B::Slot CLookDownFormBody::SlotOf(DWORD_PTR id) const {
    for (int s = 0; s < kSlotCount; ++s)
        if (m_variant.ids[s] == id) return static_cast<Slot>(s);
    return kSlotCount;
}

bool CLookDownFormBody::HasProjection() const { return m_variant.projectionAlways || !m_pMap->IsInCorrelation(); }

// ---- fill ---------------------------------------------------------------------------------------------

int CLookDownFormBody::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    if (!m_pMap) return 0;
    const FLOATRECT rect = m_pMap->GetMapRect();
    const char* pointGroup = m_variant.pointStyleGroup;
    auto group = [this](Slot slot) { return new CBCGPProp(kCaptions[slot], IdOf(slot), FALSE); };
    // Positions are read as numbers, extents as sizes, widths and sizes as hundredths.
    auto number = [this](Slot slot, double value, bool negatives, TextRule rule, const char* description = nullptr) {
        return NewFloatItem(kCaptions[slot], value, 2, negatives, description, IdOf(slot), std::move(rule));
    };
    auto colour = [this](Slot slot) { return NewBlackColorItem(kCaptions[slot], "", IdOf(slot)); };
    auto yesNo = [this](Slot slot) { return NewYesNoList(kCaptions[slot], "", nullptr, IdOf(slot)); };
    auto lineStyle = [this](Slot slot) {
        return NewStylePicker(kCaptions[slot], CPropStyleCombox::kLineStyle, "", nullptr, IdOf(slot));
    };
    auto pointStyle = [this, pointGroup](Slot slot) {
        return NewStylePicker(kCaptions[slot], CPropStyleCombox::kPointStyle, pointGroup, nullptr, IdOf(slot));
    };
    auto add = [this](CBCGPProp* g) { m_wndPropList.AddProperty(g, TRUE, TRUE); };

    CBCGPProp* position = group(kPosition);
    position->AddSubItem(number(kX, rect.left, true, ItemNumberRule(), kXCoordinate));
    position->AddSubItem(number(kY, rect.top, true, ItemNumberRule(), kYCoordinate));
    add(position);

    CBCGPProp* size = group(kSize);
    size->AddSubItem(yesNo(kKeepProportion));
    size->AddSubItem(number(kWidth, std::fabs(rect.right - rect.left), false, ItemSizeRule()));
    size->AddSubItem(number(kHeight, std::fabs(rect.top - rect.bottom), false, ItemSizeRule()));
    add(size);

    CBCGPProp* frame = group(kFrame);
    frame->AddSubItem(lineStyle(kFrameStyle));
    frame->AddSubItem(colour(kFrameColor));
    frame->AddSubItem(number(kFrameWidth, m_pMap->GetFrameLine().width / 100.0, false, HundredthsRule()));
    add(frame);

    CBCGPProp* name = group(kName);
    name->AddSubItem(yesNo(kNameShown));
    name->AddSubItem(NewFacePicker(kCaptions[kNameFace], grouptext::kDefaultFontFace, "", IdOf(kNameFace)));
    QXLOGFONT* font = nullptr;
    m_pMap->GetLogFont(font);
    CBCGPProp* fontSize = number(kNameSize, font ? font->size / 100.0 : 0.0, false, HundredthsRule());
    if (!font) SetItemText(fontSize, "");  // a map without a font has no size to show
    name->AddSubItem(fontSize);
    name->AddSubItem(colour(kNameColor));
    add(name);

    CBCGPProp* symbol = group(kSymbol);
    symbol->AddSubItem(pointStyle(kSymbolStyle));
    symbol->AddSubItem(
        number(kSymbolSize, m_pMap->GetLogPoint(kWellSymbolPoint).size / 100.0, false, HundredthsRule()));
    symbol->AddSubItem(colour(kSymbolBorder));
    symbol->AddSubItem(colour(kSymbolInner));
    add(symbol);

    CBCGPProp* line = group(kLine);
    line->AddSubItem(yesNo(kLineShown));
    line->AddSubItem(lineStyle(kLineStyle));
    line->AddSubItem(colour(kLineColor));
    line->AddSubItem(number(kLineWidth, m_pMap->GetLine().width / 100.0, false, HundredthsRule()));
    add(line);

    if (!HasProjection()) return 0;
    CBCGPProp* projection = group(kProjection);
    projection->AddSubItem(pointStyle(kProjectionStyle));
    projection->AddSubItem(
        number(kProjectionSize, m_pMap->GetLogPoint(kProjectionPoint).size / 100.0, false, HundredthsRule()));
    projection->AddSubItem(colour(kProjectionBorder));
    projection->AddSubItem(colour(kProjectionInner));
    add(projection);

    CBCGPProp* shade = group(kShade);
    shade->AddSubItem(yesNo(kShadeShown));
    shade->AddSubItem(lineStyle(kShadeStyle));
    shade->AddSubItem(colour(kShadeColor));
    shade->AddSubItem(number(kShadeWidth, m_pMap->GetShadeLine().width / 100.0, false, HundredthsRule()));
    add(shade);
    return 0;
}

// ---- refresh ------------------------------------------------------------------------------------------

void CLookDownFormBody::UpdateBCGPProperty(long object, CString) {
    if (!object || object != m_curObject) return;
    auto* selected = SectionObjectAs<ScLookDownForm>(object);
    if (m_variant.followsSelection && !selected) return;  // another kind of object: the page keeps its map
    ScObjInterface* checked = SectionObjectOf(object);
    const bool changed = checked->GetTimeStamp() != m_timeStamp;
    m_timeStamp = checked->GetTimeStamp();
    if (!changed) return;
    if (m_variant.followsSelection) m_pMap = selected;
    if (!m_pMap) return;
    ScLookDownForm& map = *m_pMap;
    if (ScContainer* container = map.GetContainer()) container->OnChanged(0);

    const FLOATRECT rect = map.GetMapRect();
    if (CBCGPProp* x = Item(kX)) x->SetValue(_variant_t(rect.left));
    if (CBCGPProp* y = Item(kY)) y->SetValue(_variant_t(rect.top));
    if (CBCGPProp* size = Item(kSize)) {
        if (CBCGPProp* keep = size->GetSubItem(0)) SetYesNoProp(keep, map.IsWHScaleMaintain());
        if (CBCGPProp* width = size->GetSubItem(1)) width->SetValue(_variant_t(rect.GetWidth()));
        if (CBCGPProp* height = size->GetSubItem(2)) height->SetValue(_variant_t(rect.GetHeight()));
    }
    ShowStyle(Item(kFrameStyle), map.GetFrameLineStyle());
    ShowColor(Item(kFrameColor), map.GetFrameClr());

    ShowSwitch(kName, kNameShown, map.IsWellNameShowing(), true);
    QXLOGFONT* font = nullptr;
    map.GetLogFont(font);
    if (font) {
        ShowFace(Item(kNameFace), *font);
        ShowColor(Item(kNameColor), font->color);
    }
    ShowPoint(kSymbolStyle, kSymbolSize, kSymbolBorder, kSymbolInner, kWellSymbolPoint, m_variant.refreshesSymbolSize);
    ShowSwitch(kLine, kLineShown, map.IsLineShowing(), true);
    ShowStyle(Item(kLineStyle), map.GetLineStyle());
    ShowColor(Item(kLineColor), map.GetLineClr());

    if (!HasProjection()) return;
    ShowPoint(kProjectionStyle, kProjectionSize, kProjectionBorder, kProjectionInner, kProjectionPoint, false);
    ShowSwitch(kShade, kShadeShown, map.IsLineShadeShowing(), m_variant.refreshEnablesShade);
    const QXLOGPEN shadePen = map.GetShadeLine();
    ShowStyle(Item(kShadeStyle), shadePen.style);
    ShowColor(Item(kShadeColor), shadePen.color);
    ApplyAlignRule();
}

void CLookDownFormBody::ShowSwitch(Slot group, Slot shown, bool value, bool enableAfter) {
    CBCGPProp* item = Item(shown);
    if (!item) return;
    SetYesNoProp(item, value);
    if (enableAfter) EnableSubItems(Item(group), 1, -1, value ? TRUE : FALSE);
}

void CLookDownFormBody::ShowPoint(Slot style, Slot size, Slot border, Slot inner, int n, bool withSize) {
    const QXLOGPOINT point = m_pMap->GetLogPoint(n);
    ShowStyle(Item(style), m_pMap->GetLogPointStyle(n));
    if (withSize)
        if (CBCGPProp* item = Item(size)) item->SetValue(_variant_t(point.size / 100.0));
    ShowColor(Item(border), point.borderColor);
    ShowColor(Item(inner), point.innerColor);
}

// The projections are drawn only for some align styles of the section's wells.
void CLookDownFormBody::ApplyAlignRule() {
    ScContainer* container = m_pMap->GetContainer();
    ScWellPositionor* positionor = container ? container->GetWellPositionor() : nullptr;
    const BOOL enable = positionor && HidesProjections(positionor->GetAlignStyle()) ? FALSE : TRUE;
    if (CBCGPProp* projection = Item(kProjection)) EnableAllSubItems(projection, enable);
    if (CBCGPProp* shade = Item(kShade)) EnableAllSubItems(shade, enable);
}

// ---- edits --------------------------------------------------------------------------------------------

LRESULT CLookDownFormBody::OnPropertyChanged(WPARAM, LPARAM lParam) {
    if (m_variant.followsSelection) {
        auto* selected = SectionObjectAs<ScLookDownForm>(m_curObject);
        if (!selected) return 0;  // no navigation map selected: nothing is edited
        m_pMap = selected;
    }
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    if (!m_pMap) return 0;
    // A refused number keeps the value its item showed, as a number item keeps it for a text it
    // refuses itself: several items are not refreshed after an edit, and an edit of the position or
    // size moves the other edges too, so the map's value may differ from what the item showed.
    if (item && !Edit(item, SlotOf(item->GetData()))) {
        ShowTextBefore(item);
        return 0;
    }
    m_pMap->UpdateWnd();
    if (ScContainer* container = m_pMap->GetContainer()) container->SetModifyFlag(1);
    return 0;
}

bool CLookDownFormBody::Edit(CBCGPProp* item, Slot slot) {
    ScLookDownForm& map = *m_pMap;
    double number = 0;
    COLORREF color = 0;
    UINT style = 0;
    switch (slot) {
        case kX:
        case kY:
            if (!ReadItemNumber(item, 1.0, &number) || !EditPosition(slot, number)) return false;
            break;
        case kKeepProportion:
            map.SetMaintainScale(ReadYesNo(item));
            break;
        case kWidth:
        case kHeight:
            if (!ReadItemSize(item, 1.0, &number) || !EditSize(slot, number)) return false;
            break;
        case kFrameStyle:
            if (ReadStyle(item, &style)) map.SetFrameLineStyle(style);
            break;
        case kFrameColor:
            if (ReadShownColor(item, &color)) map.SetFrameClr(color);
            break;
        case kFrameWidth: {
            QXLOGPEN pen = map.GetFrameLine();
            if (!ReadPenField(item, kPenWidth, pen)) return false;
            map.SetFrameLine(pen);
            break;
        }
        case kNameShown: {
            const bool shown = ReadYesNo(item);
            map.ShowWellName(shown);
            EditSwitch(kName, shown, m_variant.switchEditsEnable);
            break;
        }
        case kNameFace:
        case kNameSize:
        case kNameColor:
            return EditFont(item, slot);
        case kSymbolStyle:
        case kSymbolSize:
        case kSymbolBorder:
        case kSymbolInner:
            return EditPoint(item, slot, kWellSymbolPoint, kSymbolStyle);
        case kLineShown: {
            const bool shown = ReadYesNo(item);
            map.ShowLine(shown);
            EditSwitch(kLine, shown, m_variant.switchEditsEnable);
            break;
        }
        case kLineStyle:
            if (ReadStyle(item, &style)) map.SetLineStyle(style);
            break;
        case kLineColor:
            if (ReadShownColor(item, &color)) map.SetLineClr(color);
            break;
        case kLineWidth: {
            QXLOGPEN pen = map.GetLine();
            if (!ReadPenField(item, kPenWidth, pen)) return false;
            map.SetLine(pen);
            break;
        }
        case kProjectionStyle:
        case kProjectionSize:
        case kProjectionBorder:
        case kProjectionInner:
            return EditPoint(item, slot, kProjectionPoint, kProjectionStyle);
        case kShadeShown: {
            const bool shown = ReadYesNo(item);
            map.ShowShadeLine(shown);
            if (m_variant.shadeEditEnables) EnableSubItems(Item(kShade), 1, -1, shown ? TRUE : FALSE);
            break;
        }
        case kShadeStyle:
        case kShadeColor:
        case kShadeWidth: {
            QXLOGPEN pen = map.GetShadeLine();
            const int field = slot == kShadeStyle ? kPenStyle : slot == kShadeWidth ? kPenWidth : kPenColor;
            if (!ReadPenField(item, field, pen)) return slot != kShadeWidth;
            map.SetShadeLine(pen);
            break;
        }
        default:
            break;
    }
    return true;
}

namespace {
// The map given the centre of the moved rectangle and the extent; false, nothing passed, when one
// of them is not a finite number.
bool PlaceMap(ScLookDownForm& map, const FLOATRECT& moved, double width, double height, MAINTAINSTYLE style) {
    const FLOATPOINT centre = moved.GetCenter();
    for (double v : {centre.x, centre.y, width, height})
        if (!std::isfinite(v)) return false;
    map.SetPosition(centre, width, height, style);
    return true;
}
}  // namespace

// Moves the rectangle so that its left (top) edge lies at the value; its size stays.
bool CLookDownFormBody::EditPosition(Slot slot, double value) {
    const FLOATRECT r = m_pMap->GetMapRect();
    FLOATRECT moved = r;
    if (slot == kX) {
        moved.left = value;
        moved.right = r.right + (value - r.left);
    } else {
        moved.top = value;
        moved.bottom = r.bottom + (value - r.top);
    }
    return PlaceMap(*m_pMap, moved, std::fabs(moved.right - moved.left), std::fabs(moved.top - moved.bottom),
                    MAINTAIN_WIDTH);
}

// Moves the right (bottom) edge so that the map gets the typed extent, whichever way its edges
// run; with the proportion kept the other dimension follows, unless the map has no extent to take
// the proportion from. A proportion no double holds (a map 1e-300 wide and 10 high) is refused.
bool CLookDownFormBody::EditSize(Slot slot, double value) {
    const FLOATRECT r = m_pMap->GetMapRect();
    const double w = std::fabs(r.right - r.left);
    const double h = std::fabs(r.top - r.bottom);
    const bool keep = m_pMap->IsWHScaleMaintain() && w != 0 && h != 0;
    double proportion = 1;  // the other extent over the edited one
    if (keep && !numtext::Ratio(slot == kWidth ? h : w, slot == kWidth ? w : h, &proportion)) return false;
    auto away = [](double from, double to) { return to < from ? -1.0 : 1.0; };
    FLOATRECT moved = r;
    double width = w, height = h;
    if (slot == kWidth) {
        moved.right = r.right + away(r.left, r.right) * (value - w);
        width = std::fabs(moved.right - r.left);
        if (keep) height = width * proportion;
    } else {
        moved.bottom = r.bottom + away(r.top, r.bottom) * (value - h);
        height = std::fabs(r.top - moved.bottom);
        if (keep) width = height * proportion;
    }
    return PlaceMap(*m_pMap, moved, width, height, slot == kWidth ? MAINTAIN_WIDTH : MAINTAIN_HEIGHT);
}

bool CLookDownFormBody::EditPoint(CBCGPProp* item, Slot slot, int n, Slot first) {
    if (slot == first) {
        UINT style = 0;
        if (ReadStyle(item, &style)) m_pMap->SetLogPointStyle(style, n);
        return true;
    }
    QXLOGPOINT point = m_pMap->GetLogPoint(n);
    bool changed = false;
    switch (slot - first) {
        case 1:
            if (!ReadHundredths(item, &point.size)) return false;
            changed = true;
            break;
        case 2:
            changed = ReadShownColor(item, &point.borderColor);
            break;
        default:
            changed = ReadShownColor(item, &point.innerColor);
            break;
    }
    if (changed) m_pMap->SetLogPoint(point, n);
    return true;
}

// A map without a font keeps having none.
bool CLookDownFormBody::EditFont(CBCGPProp* item, Slot slot) {
    QXLOGFONT* current = nullptr;
    m_pMap->GetLogFont(current);
    if (!current) return true;
    QXLOGFONT font = *current;
    switch (slot) {
        case kNameFace:
            font.SetFaceName(ItemText(item));
            break;
        case kNameSize:
            if (!ReadHundredths(item, &font.size)) return false;
            break;
        default:  // the colour
            if (!ReadShownColor(item, &font.color)) return true;
            break;
    }
    m_pMap->SetLogFont(&font);
    return true;
}

// A switch either enables the items after it at once, or stamps the map so that the next refresh does.
void CLookDownFormBody::EditSwitch(Slot group, bool shown, bool enable) {
    if (enable)
        EnableSubItems(Item(group), 1, -1, shown ? TRUE : FALSE);
    else
        m_pMap->ProChanged();
}
