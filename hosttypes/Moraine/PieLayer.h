// kel::plane::CPieLayer: a layer of chart symbols (pies and bars at wells or data points).
// The stand-in builds the wrapper only: its settings are not offered yet.
#pragma once

#include "hosttypes/Moraine/ProfLayer.h"

namespace kel::plane {

class CPieLayer : public IProfLayer {
public:
    explicit CPieLayer(CQXLayer* layer);
    CPieLayer(const CPieLayer& other)
        : IProfLayer(other), m_nReserved1(other.m_nReserved1), m_nReserved2(other.m_nReserved2) {}
    CPieLayer& operator=(const CPieLayer& other) {
        IProfLayer::operator=(other);
        m_nReserved1 = other.m_nReserved1;
        m_nReserved2 = other.m_nReserved2;
        return *this;
    }
    ~CPieLayer() override {}

protected:
    // Library words without use in the stand-in; copied with the wrapper.
    int m_nReserved1 = 0;
    int m_nReserved2 = 0;
};

}  // namespace kel::plane
