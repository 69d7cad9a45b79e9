// kel::plane::IProfLayer: the base of the plane-map library's typed layer wrappers. A wrapper
// is built over a map layer for one call; every value it reads or writes lives with the layer
// (the layer's own style values, or the settings the library keeps for the layer), so any
// number of wrappers over one layer agree. A wrapper over a NULL layer reads defaults and
// writes nothing. Copies, assignment and the virtual destructors are header members.
#pragma once

#include "mfc/String.h"

class CQXLayer;

namespace moraine::detail {
class LayerSettings;
struct WrapperAccess;  // lets the shared accessor blocks (LayerBlocks.h) reach the words below
}  // namespace moraine::detail

namespace kel::plane {

class IProfLayer {
public:
    explicit IProfLayer(CQXLayer* layer);
    IProfLayer(const IProfLayer& other) : m_pLayer(other.m_pLayer), m_pSettings(other.m_pSettings) {}
    IProfLayer& operator=(const IProfLayer& other) {
        m_pLayer = other.m_pLayer;
        m_pSettings = other.m_pSettings;
        return *this;
    }
    virtual ~IProfLayer() {}

    CQXLayer* GetLayer() const;
    // The stratum the layer was made for: its grade (0 to 4; negative when none), its name and
    // its well group.
    int GetStratumGrade() const;
    CString GetStratumName() const;
    CString GetWellGroup() const;
    // Names of the boundary and fault layers this layer relates to.
    CString GetBoundaryName() const;
    void SetBoundaryName(const CString& name);
    CString GetFaultName() const;
    void SetFaultName(const CString& name);

protected:
    friend struct moraine::detail::WrapperAccess;

    CQXLayer* m_pLayer;
    moraine::detail::LayerSettings* m_pSettings;  // kept by the library; NULL without a layer
};

}  // namespace kel::plane
