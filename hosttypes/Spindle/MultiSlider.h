// CMultiSlider: a slider of the controls library with several markers, each with its colour.
#pragma once

#include <vector>

#include "mfc/Wnd.h"

// Layout flags tested by GetLayoutFeature.
enum : int {
    MLL_FIXEDTOOLTIPS = 0x01,
    MLL_DRAGCHANGES = 0x02,
    MLL_TOOLTIPS = 0x04,
    MLL_TICKMARKS = 0x08,
};

class CMultiSlider : public CWnd {
    DECLARE_DYNCREATE(CMultiSlider)
public:
    struct CMarker {
        float m_fValue = 0.0f;
        COLORREF m_crColor = 0;
    };

    explicit CMultiSlider(int layoutFlags = 0);
    ~CMultiSlider() override;

    // ---- controls-library operations ----
    // Deletes the markers.
    virtual void CleanUp();
    // A new marker at value; answers its index.
    int InsertMarker(float value, COLORREF colour);
    int GetMarkersCount() const { return static_cast<int>(m_markers.size()); }
    void AddColor(COLORREF colour) { m_colors.push_back(colour); }
    int GetColorCount() const { return static_cast<int>(m_colors.size()); }

    // ---- accessors ----
    BOOL GetLayoutFeature(int mask) const { return (m_nLayoutFlags & mask) != 0 ? TRUE : FALSE; }
    void ResetColors() { m_colors.clear(); }
    void ResetAll() {
        m_colors.clear();
        CleanUp();
    }
    void SetMarkersNum(int count) { m_nMarkersNum = count; }
    int GetMarkersNum() const { return m_nMarkersNum; }

protected:
    int m_nLayoutFlags;
    int m_nMarkersNum = 0;
    std::vector<COLORREF> m_colors;
    std::vector<CMarker*> m_markers;
};
