// The body of the navigation-map pages of multi-well and reservoir sections: position and size of
// the map, its frame, well names, well symbol, section line and (outside correlation sections or
// always) projection symbol and line. The two pages differ only by the constants of a Variant:
// their item ids and ten rules of filling, refreshing and editing.
#pragma once

#include <cstddef>

#include "framework/WndLst.h"

class ScLookDownForm;

class CLookDownFormBody : public CWndLst {
public:
    // The items in page order; each page numbers them in its own way.
    enum Slot : int {
        kPosition,
        kX,
        kY,
        kSize,
        kKeepProportion,
        kWidth,
        kHeight,
        kFrame,
        kFrameStyle,
        kFrameColor,
        kFrameWidth,
        kName,
        kNameShown,
        kNameFace,
        kNameSize,
        kNameColor,
        kSymbol,
        kSymbolStyle,
        kSymbolSize,
        kSymbolBorder,
        kSymbolInner,
        kLine,
        kLineShown,
        kLineStyle,
        kLineColor,
        kLineWidth,
        kProjection,
        kProjectionStyle,
        kProjectionSize,
        kProjectionBorder,
        kProjectionInner,
        kShade,
        kShadeShown,
        kShadeStyle,
        kShadeColor,
        kShadeWidth,
        kSlotCount
    };

    // What tells the two pages apart.
    struct Variant {
        const DWORD_PTR (&ids)[kSlotCount];
        // The style group of the point-style pickers.
        const char* pointStyleGroup;
        // The projection groups are built and refreshed (with the align rule) in correlation
        // sections too.
        bool projectionAlways;
        // Refreshes and edits work on the host's current object (when it is a navigation map)
        // instead of the map the page was made for.
        bool followsSelection;
        // A refresh shows the well symbol's size.
        bool refreshesSymbolSize;
        // A refresh of the projection line's switch enables the items after it.
        bool refreshEnablesShade;
        // The edits of the well-name and section-line switches enable the items after them
        // (otherwise they stamp the map, and the next refresh enables them).
        bool switchEditsEnable;
        // The edit of the projection line's switch enables the items after it.
        bool shadeEditEnables;
    };

    CLookDownFormBody(ScLookDownForm* map, const Variant& variant);
    ~CLookDownFormBody() override;

    ScLookDownForm* GetMap() const { return m_pMap; }
    DWORD_PTR IdOf(Slot slot) const { return m_variant.ids[slot]; }

protected:
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    void UpdateBCGPProperty(long object, CString name) override;
    int InitPropWnd() override;

private:
    CBCGPProp* Item(Slot slot) { return m_wndPropList.FindItemByData(IdOf(slot), TRUE); }
    // The slot of an item id; kSlotCount for none.
    Slot SlotOf(DWORD_PTR id) const;
    bool HasProjection() const;
    void ShowSwitch(Slot group, Slot shown, bool value, bool enableAfter);
    void ShowPoint(Slot style, Slot size, Slot border, Slot inner, int n, bool withSize);
    void ApplyAlignRule();
    // False when the reader refused the item's text:
    // nothing was written and the edit ends with the item showing its value from before again.
    bool Edit(CBCGPProp* item, Slot slot);
    // The map's rectangle moved or resized; false, nothing passed, when its centre or extent would
    // not be a finite number (an edge far out, a proportion a double cannot hold).
    bool EditPosition(Slot slot, double value);
    bool EditSize(Slot slot, double value);
    bool EditPoint(CBCGPProp* item, Slot slot, int n, Slot first);
    bool EditFont(CBCGPProp* item, Slot slot);
    void EditSwitch(Slot group, bool shown, bool enable);

    ScLookDownForm* m_pMap;
    const Variant& m_variant;
};
