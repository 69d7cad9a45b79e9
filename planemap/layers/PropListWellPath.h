// CPropListWellPath: a well trajectory line ("上部井斜线" or "下部井斜线"): its pen, edited on
// every selected line of its type name, and whether the well is drawn along its real trajectory
// or straight. Switching that rebuilds the line from the well data (ApplyWellPathMode).
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectLine;

class CPropListWellPath : public CWndLstPlane {
public:
    enum : DWORD_PTR {
        kTypeId = 2000,
        kLineGroupId = 2001,
        kStyleId = 2002,
        kWidthId = 2003,
        kColorId = 2004,
        kTrackModeId = 2005,
    };

    CPropListWellPath();
    ~CPropListWellPath() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    // A refused width or way of drawing shows the stored one as the refresh shows it.
    void ShowItemAgain(CBCGPProp* item) override;

private:
    CQXObjectLine* Line() const;
    void ShowStored(CQXObjectLine* line, CBCGPProp* item);
};

// Rebuilds the trajectory of the layer's first selected line, along the real well path when
// realTrack is true, straight otherwise. A vertical well, a well the position table lacks, or a
// layer without a selected line keep their line. The old line is replaced (unlisted, and the new
// one selected) only once the new line was built: a failed rebuild keeps the old line, selected.
// True when the line was rebuilt.
bool ApplyWellPathMode(CQXObject* object, bool realTrack);
