// CQXObjectFill: a filled area. Its geometry is its segments: the first is the outer ring, any
// further ones are holes.
#pragma once

#include <vector>

#include "hosttypes/Parsnip/QXObject.h"

class CQXObjectLine;

// The lines that enclose a fill, in order, as the library collects them; it does not own them.
class CQXFillBoundary : public CObject {
    DECLARE_DYNAMIC(CQXFillBoundary)
public:
    CQXFillBoundary();
    ~CQXFillBoundary() override;

    std::vector<CQXObjectLine*> m_lines;
    int m_nClosed = 0;
};

class CQXObjectFill : public CQXObject {
    DECLARE_DYNAMIC(CQXObjectFill)
public:
    explicit CQXObjectFill(CQXLayer* layer = nullptr);
    ~CQXObjectFill() override;

    // Whether the boundary is drawn while the fill is selected.
    int GetDrawSelectedBoundaryh() const { return m_nDrawSelectedBoundary; }

    void GetLogBrush(QXLOGBRUSH* brush) const;
    void SetLogBrush(QXLOGBRUSH* brush);
    // Area of the outer ring less the holes (each ring by the shoelace rule, either winding);
    // 0 for a fill without rings, never below 0.
    double GetArea() const;

protected:
    QXLOGBRUSH m_brush;
    int m_nDrawSelectedBoundary = 1;
};
