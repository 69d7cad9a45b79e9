// The gallery: one pane that builds every recurring item group over a sample of style
// values, so a person can see them all and edit them; each edit is read back into the sample.
#pragma once

#include "framework/WndLst.h"
#include "hosttypes/Kestrel/StyleRecords.h"

namespace demo {

struct StyleSample {
    bool visible = true;
    int orientation = 0;
    QXLOGFONT font;
    QXLOGFONT floatFont;
    QXLOGPEN pen;
    QXLOGPEN floatPen;
    QXLOGPOINT point;
    QXLOGBRUSH brush;
};

class GalleryPane : public CWndLst {
public:
    explicit GalleryPane(StyleSample* sample) : m_pSample(sample) {}

    // Group ids: each group's sub-items follow it (G+1, G+2, ...).
    enum : DWORD_PTR {
        kYesNo = 3000,
        kOrientation = 3010,
        kFont = 3020,
        kFloatFont = 3040,
        kColor = 3060,
        kIndex = 3070,
        kHAlign = 3080,
        kLine = 3100,
        kFloatLine = 3120,
        kShowLine = 3140,
        kPoint = 3160,
        kFloatPoint = 3180,
        kShowPoint = 3200,
        kFill = 3220,
        kFillFlag = 3240,
    };

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    StyleSample* m_pSample;
};

}  // namespace demo
