// Accessor blocks that several kel::plane wrappers offer alike. A wrapper derives from
// IProfLayer and from the blocks it offers, naming itself as Self:
//     class CFaciesLayer : public IProfLayer, public TLayerRename<CFaciesLayer>, ...
// A block keeps nothing (it adds no word to the wrapper) and works on the wrapper's layer like
// the wrapper's own accessors: a wrapper over a NULL layer reads the defaults and writes
// nothing, and a setter is logged under the wrapper's own name ("kel::plane::CFaciesLayer::
// SetLineColor"). The library defines each block for the wrappers that offer it.
#pragma once

#include "hosttypes/Kestrel/StyleRecords.h"
#include "mfc/String.h"

namespace kel::plane {

// The layer's name.
template <class Self>
class TLayerName {
public:
    CString GetLayerName() const;
};

template <class Self>
class TLayerRename : public TLayerName<Self> {
public:
    void SetLayerName(CString name);
};

// 1 (the default) when the lines, resp. the fills, are drawn.
template <class Self>
class TLineFillSwitches {
public:
    int GetLineVisible() const;
    void SetLineVisible(int visible);
    int GetFillVisible() const;
    void SetFillVisible(int visible);
};

// The style and colour of the lines: words of the layer's pen.
template <class Self>
class TLinePen {
public:
    unsigned GetLineStyle() const;
    void SetLineStyle(unsigned style);
    COLORREF GetLineColor() const;
    void SetLineColor(COLORREF color);
};

// Lines: one switch per value saying whether every line takes the layer's value (default 1),
// and the values, which are the words of the layer's pen (size x100).
template <class Self>
class TLineValues : public TLinePen<Self> {
public:
    int GetLineSameStyle() const;
    void SetLineSameStyle(int same);
    int GetLineSameColor() const;
    void SetLineSameColor(int same);
    int GetLineSameSize() const;
    void SetLineSameSize(int same);
    float GetLineSize() const;
    void SetLineSize(float size);
};

// The appended control points (virtual wells): shown (default 1) and their symbol, which is
// the layer's point style.
template <class Self>
class TAppendControlPoint {
public:
    int GetAppendControlPointVisible() const;
    void SetAppendControlPointVisible(int visible);
    void GetAppendControlPoint(QXLOGPOINT* point) const;
    void SetAppendControlPointStyle(unsigned style);
    float GetAppendControlPointSize() const;
    void SetAppendControlPointSize(float size);
    void SetAppendControlPointBorderColor(COLORREF color);
    void SetAppendControlPointInnerColor(COLORREF color);
};

}  // namespace kel::plane
