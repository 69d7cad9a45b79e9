// kel::plane::CScatteredLayer: a scattered-attribute layer (boundaries and areas of a discrete
// attribute, and the virtual wells added as control points).
#pragma once

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Moraine/ProfLayer.h"
#include "mfc/Collections.h"

namespace kel::plane {

class CScatteredLayer : public IProfLayer {
public:
    explicit CScatteredLayer(CQXLayer* layer);
    CScatteredLayer(const CScatteredLayer& other) : IProfLayer(other), m_nReserved(other.m_nReserved) {}
    CScatteredLayer& operator=(const CScatteredLayer& other) {
        IProfLayer::operator=(other);
        m_nReserved = other.m_nReserved;
        return *this;
    }
    ~CScatteredLayer() override {}

    // The layer's name.
    CString GetLayerName() const;
    void SetLayerName(CString name);
    // 1 (the default) when the boundary lines, resp. the fills, are drawn.
    int GetLineVisible() const;
    void SetLineVisible(int visible);
    int GetFillVisible() const;
    void SetFillVisible(int visible);
    // The attribute the layer shows (read only).
    CString GetDataName() const;
    // The appended control points (virtual wells): shown (default 1) and their symbol, which
    // is the layer's point style.
    int GetAppendControlPointVisible() const;
    void SetAppendControlPointVisible(int visible);
    void GetAppendControlPoint(QXLOGPOINT* point) const;
    void SetAppendControlPointStyle(unsigned style);
    float GetAppendControlPointSize() const;
    void SetAppendControlPointSize(float size);
    void SetAppendControlPointBorderColor(COLORREF color);
    void SetAppendControlPointInnerColor(COLORREF color);
    // Lines: one switch per value saying whether every line takes the layer's value (default
    // 1), and the values, which are the words of the layer's pen (size x100).
    int GetLineSameStyle() const;
    void SetLineSameStyle(int same);
    unsigned GetLineStyle() const;
    void SetLineStyle(unsigned style);
    int GetLineSameColor() const;
    void SetLineSameColor(int same);
    COLORREF GetLineColor() const;
    void SetLineColor(COLORREF color);
    int GetLineSameSize() const;
    void SetLineSameSize(int same);
    float GetLineSize() const;
    void SetLineSize(float size);

protected:
    int m_nReserved = 0;  // a library word without use in the stand-in; copied with the wrapper
};

}  // namespace kel::plane
