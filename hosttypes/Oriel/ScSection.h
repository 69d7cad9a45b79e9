// The section's link to the map it is drawn on.
#pragma once

#include <cstdint>

#include "hosttypes/Oriel/Message.h"

class CQXMap;

class ScSection : public CMessageNode<unsigned int> {
public:
    explicit ScSection(CQXMap* map = nullptr) : m_pMap(map), m_nWidth(0), m_nHeight(0) {}
    ScSection(const ScSection&) = default;
    ScSection& operator=(const ScSection&) = default;
    ~ScSection() override;

    CQXMap* GetMap() const { return m_pMap; }
    void SetMap(CQXMap* map) { m_pMap = map; }

protected:
    CQXMap* m_pMap;
    uint32_t m_nWidth;
    uint32_t m_nHeight;
};
