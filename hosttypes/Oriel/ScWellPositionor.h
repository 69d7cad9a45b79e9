// Places the wells of a section along its X axis (equal spacing, real distance, projection).
#pragma once

#include <cstdint>
#include <list>
#include <string>

#include "hosttypes/Oriel/CWellShadePoint.h"
#include "hosttypes/Oriel/Message.h"

class ScWellPositionor : public CMessageNode<unsigned int> {
public:
    struct SPACING {
        uint32_t type = 0;
        uint32_t reference = 0;
        uint32_t flags = 0;
    };

    ScWellPositionor() = default;
    ScWellPositionor(const ScWellPositionor&) = default;
    ScWellPositionor& operator=(const ScWellPositionor&) = default;
    ~ScWellPositionor() override;

    void SetAligned(bool aligned) { m_bAligned = aligned; }
    CWellShadePoint& GetShadePoint() { return m_shadePoint; }

    // ---- section-library operations ----
    bool IsAligned() const;
    void AlignHeadImp(bool align);
    int GetAlignStyle() const;
    void SetAlignStyle(int style);
    // The spacing kind: 0 equal, 1 real distance, 2 to 5 projections.
    void SetSpacingType(int type);
    int GetSpacingType() const;
    void ChangeXDistance();
    void ArrangeWellByRealDis();
    void ArrangeWell();
    bool GetCalDisNeedXY(const std::string& well, FLOATPOINT& point) const;

protected:
    bool m_bAligned = false;
    CWellShadePoint m_shadePoint;
    SPACING m_spacing;
    SPACING m_align;
    SPACING m_projection;
    std::list<std::string> m_order;
};
