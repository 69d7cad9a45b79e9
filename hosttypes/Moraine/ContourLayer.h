// kel::plane::CContourLayer: a contour layer. The line colour, style and size are the words of
// the layer's pen; the label font name, size, colour, background flag and background colour
// are the words of the layer's font; everything else is kept with the layer's settings.
#pragma once

#include "hosttypes/Moraine/LayerBlocks.h"
#include "hosttypes/Moraine/ProfLayer.h"

namespace kel::plane {

// The line and fill switches (default 1) show the contour lines, resp. the fills between them.
class CContourLayer : public IProfLayer, public TLayerRename<CContourLayer>, public TLineFillSwitches<CContourLayer> {
public:
    explicit CContourLayer(CQXLayer* layer);
    CContourLayer(const CContourLayer& other) : IProfLayer(other), m_nReserved(other.m_nReserved) {}
    CContourLayer& operator=(const CContourLayer& other) {
        IProfLayer::operator=(other);
        m_nReserved = other.m_nReserved;
        return *this;
    }
    ~CContourLayer() override {}

    // What the contours were made from (read only).
    CString GetTableName() const;
    CString GetDataName() const;
    CString GetControlName() const;

    // Lines: mode (0 uniform, 1 custom), colour type (0 colour-scale colours, 1 uniform
    // colour), and the uniform pen.
    int GetLineMode() const;
    void SetLineMode(int mode);
    int GetLineColorType() const;
    void SetLineColorType(int type);
    void SetLineColor(COLORREF color);
    void SetLineStyle(unsigned style);
    double GetLineSize() const;
    void SetLineSize(double size);

    // Value labels.
    CString GetLabelFontName() const;
    void SetLabelFontName(CString name);
    float GetLabelFontSize() const;
    void SetLabelFontSize(float size);
    COLORREF GetLabelFontColor() const;
    void SetLabelFontColor(COLORREF color);
    int GetLabelDotCount() const;
    void SetLabelDotCount(int count);
    int GetLabelBeginPos() const;
    void SetLabelBeginPos(int position);
    int GetLabelInterval() const;
    void SetLabelInterval(int interval);
    int GetLabelFontTransParent() const;
    void SetLabelFontTransParent(int transparent);
    COLORREF GetLabelFontBackColor() const;
    void SetLabelFontBackColor(COLORREF color);

    // The colour scale of the fills.
    CString GetFillColorTemplate() const;
    void SetFillColorTemplate(CString name);
    int GetColorInvert() const;
    void SetColorInvert(int invert);
    int GetColorMarkVisible() const;
    void SetColorMarkVisible(int visible);

protected:
    int m_nReserved = 0;  // a library word without use in the stand-in; copied with the wrapper
};

}  // namespace kel::plane
