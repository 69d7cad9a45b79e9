// The common life of a layer page: a page learns its layer from the host's selection message; each
// refresh (only when CheckTargetChanged says the layer changed) and each edit builds the typed
// wrapper of its layer kind on the stack for that one call, and every edit ends with the view
// redrawn, whether it was taken, refused or of an item the page does not handle.
#pragma once

#include "bcg/Prop.h"
#include "planemap/WndLstPlane.h"

class CQXLayer;

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
    // Checks and writes one edited item; the redraw follows.
    virtual void OnLayerItemChanged(Wrapper& layer, CBCGPProp* item) = 0;

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
            OnLayerItemChanged(layer, item);
        }
        UpdateView();
        return 0;
    }
};
