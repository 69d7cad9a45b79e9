// The common life of a layer page: a page learns its layer from the host's selection message; each
// refresh (only when CheckTargetChanged says the layer changed) and each edit builds the typed
// wrapper of its layer kind on the stack for that one call, and every edit the page takes, or of an
// item it does not handle, ends with the view redrawn. A text the page refuses after the item took
// it (an option text the page writes nothing for, a rule the item was not built with) writes
// nothing and redraws nothing: that one item shows its text from before again, or the
// stored value where the page shows one.
#pragma once

#include "bcg/Prop.h"
#include "framework/GroupEdits.h"
#include "framework/PropItems.h"
#include "hosttypes/Kestrel/StyleRecords.h"
#include "planemap/PlaneReaders.h"
#include "planemap/WndLstPlane.h"

class CQXLayer;

namespace layerpage {

inline float& SizeField(QXLOGPEN& pen) { return pen.width; }
inline float& SizeField(QXLOGFONT& font) { return font.size; }
inline float& SizeField(QXLOGPOINT& point) { return point.size; }

// The position of an item among its group's sub-items; 0 for an item of no group.
inline int FieldIndex(CBCGPProp* item) {
    CBCGPProp* group = item ? item->GetParent() : nullptr;
    for (int i = 0; group && i < group->GetSubItemsCount(); ++i)
        if (group->GetSubItem(i) == item) return i;
    return 0;
}

// One edit in a pen, font or point group whose fields start at sub-item first, into the record
// read from the layer or object: only the edited field is read, so a pick never rewrites the
// width or size from its rounded text and a stored size that does not read never blocks a pick.
// The width or size edited is read as typed, by the list's readSize(text, &field). False, the
// record untouched, when the edit is refused.
template <class Record, class ReadSize>
bool ReadGroupEdit(CBCGPProp* item, Record& record, ReadSize readSize, int first = 0) {
    if (EditedFieldPosition(item, first) != 1) return ReadEditedField(item, record, first);
    return readSize(ItemText(item), &SizeField(record));
}

// The layer pages' groups: fields from the first sub-item on, the size by the width rule.
template <class Record>
bool ReadGroupEdit(CBCGPProp* item, Record& record) {
    return ReadGroupEdit(item, record, &planemap::ReadWidth);
}

}  // namespace layerpage

// The layer itself, for the pages that write to the layer with no wrapper of the plane-layer
// library between.
class CPlainLayer {
public:
    explicit CPlainLayer(CQXLayer* layer) : m_pLayer(layer) {}
    CQXLayer* GetLayer() const { return m_pLayer; }

private:
    CQXLayer* m_pLayer;
};

template <class Wrapper>
class TLayerPage : public CWndLstPlane {
protected:
    // Shows the layer's values.
    virtual void RefreshLayer(Wrapper& layer) = 0;
    // Checks and writes one edited item; the redraw follows. False, nothing written or redrawn,
    // when the page refuses the item's text.
    virtual bool OnLayerItemChanged(Wrapper& layer, CBCGPProp* item) = 0;
    // Shows the stored value of an item whose text was refused, as the page shows it; other items
    // keep their text from before.
    virtual void ShowStoredItem(Wrapper&, CBCGPProp*) {}
    // A refused value is answered by showing the stored value again in the item's shown format,
    // whoever refused the text: the item itself (the pane has put back its text from before), or
    // the page.
    void ShowItemAgain(CBCGPProp* item) override {
        if (item && m_pLayer) {
            Wrapper layer(m_pLayer);
            ShowStoredItem(layer, item);
        }
        CWndLstPlane::ShowItemAgain(item);
    }

    void UpdateBCGPProperty(long object, CString) override {
        if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
        Wrapper layer(m_pLayer);
        RefreshLayer(layer);
    }

    // A page whose tab was first shown after the host's last selection message knows no layer
    // yet: its edits write nothing until the next selection message.
    LRESULT OnPropertyChanged(WPARAM, LPARAM lParam) override {
        auto* item = reinterpret_cast<CBCGPProp*>(lParam);
        if (item && m_pLayer && m_pTarget) {
            Wrapper layer(m_pLayer);
            const CString taken = ItemText(item);
            if (!OnLayerItemChanged(layer, item)) {
                // A refusal that showed nothing else leaves the item holding the refused text: the
                // text it replaced comes back first.
                if (ItemText(item) == taken) ShowTextBefore(item);
                ShowItemAgain(item);
                return 0;
            }
        }
        UpdateView();
        return 0;
    }
};
