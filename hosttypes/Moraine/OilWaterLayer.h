// kel::plane::COilWaterLayer: an oil-water distribution layer (boundary lines and zones).
#pragma once

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Moraine/ProfLayer.h"
#include "mfc/Collections.h"

namespace kel::plane {

class COilWaterLayer : public IProfLayer {
public:
    explicit COilWaterLayer(CQXLayer* layer);
    COilWaterLayer(const COilWaterLayer& other) : IProfLayer(other), m_nReserved(other.m_nReserved) {}
    COilWaterLayer& operator=(const COilWaterLayer& other) {
        IProfLayer::operator=(other);
        m_nReserved = other.m_nReserved;
        return *this;
    }
    ~COilWaterLayer() override {}

    // The layer's name.
    CString GetLayerName() const;
    void SetLayerName(CString name);
    // 1 (the default) when the boundary lines, resp. the fills, are drawn.
    int GetLineVisible() const;
    void SetLineVisible(int visible);
    int GetFillVisible() const;
    void SetFillVisible(int visible);
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
    // The distribution's types (oil, water, their transitions ...) in the distribution's order;
    // the array is emptied first.
    void GetAllOilWaterType(CStringArray& types) const;

protected:
    int m_nReserved = 0;  // a library word without use in the stand-in; copied with the wrapper
};

}  // namespace kel::plane
