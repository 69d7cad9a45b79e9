// CQXLayer: a layer of map objects. Only what the framework needs so far; the map-object
// members grow with the plane-map lists.
#pragma once

#include <cstdint>
#include <vector>

#include "mfc/Object.h"

class CQXObject;

class CQXLayer : public CObject {
    DECLARE_DYNAMIC(CQXLayer)
public:
    CQXLayer();
    ~CQXLayer() override;

    // The layer's modification stamp (renewed from AfxGetTimeStamp on every change).
    uint64_t GetTimeStamp() const;
    // Marks the layer changed: a new stamp.
    void ProChanged();

    // The selected objects, in selection order.
    int GetSelectedObjectCount() const { return static_cast<int>(m_selected.size()); }
    // Entry i of the selection; NULL outside it.
    CQXObject* GetSelectedObject(int i) const {
        return i >= 0 && i < GetSelectedObjectCount() ? m_selected[static_cast<std::size_t>(i)] : nullptr;
    }
    void AddSelectedObject(CQXObject* object) { m_selected.push_back(object); }
    void ClearSelection() { m_selected.clear(); }

protected:
    uint64_t m_timeStamp = 0;
    std::vector<CQXObject*> m_selected;
};
