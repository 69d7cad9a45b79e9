// CPropListPicture: a picture placed on a plane map, either a raster picture (CQXObjectBitmap)
// or a map file embedded as a picture (CQXObjectQXM): source file, anchor position, extent, and
// the rotation of a raster picture or the display scale and base point of an embedded map.
// Edits change the shown picture only.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectBitmap;
class CQXObjectQXM;

class CPropListPicture : public CWndLstPlane {
public:
    // The item data of the grid's items.
    enum : DWORD_PTR {
        kTypeId = 2000,
        kSourceId = 2001,
        kXId = 2002,
        kYId = 2003,
        kLengthId = 2004,
        kWidthId = 2005,
        kRotationId = 2006,
        kScaleId = 2007,
        kBaseXId = 2008,
        kBaseYId = 2009,
    };

    CPropListPicture();
    ~CPropListPicture() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectBitmap* Bitmap() const;
    CQXObjectQXM* Qxm() const;
    void ShowPictureValue(CQXObjectBitmap* bitmap, CQXObjectQXM* qxm, CBCGPProp* item);
    void ShowValues(CQXObjectBitmap* bitmap, CQXObjectQXM* qxm);
    void ShowKindItems(CQXObjectBitmap* bitmap, CQXObjectQXM* qxm);
};
