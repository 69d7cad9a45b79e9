// CLstRulerScale: the "比例尺" page of a distance or depth scale bar of a multi-well section. It
// shows the bar's caption, ticks, labels and line and writes each edit into the bar, then has the
// bar redraw itself and marks the section modified.
#pragma once

#include "framework/Export.h"
#include "framework/WndLst.h"

class ScDisScale;

class TESSALY_API CLstRulerScale : public CWndLst {
public:
    enum : DWORD_PTR {
        kAlignId = 9092,
        kTypeId = 9093,
        kCaptionGroupId = 9094,
        kContentId = 9095,
        kContentOffsetId = 9096,
        kContentFontId = 9097,
        kContentSizeId = 9098,
        kContentColorId = 9099,
        kStyleId = 9100,
        kTickGroupId = 9102,
        kIntervalId = 9103,
        kHeightId = 9104,
        kStepId = 9105,
        kUnitId = 9106,
        kLabelGroupId = 9107,
        kLabelFontId = 9108,
        kLabelSizeId = 9109,
        kLabelColorId = 9110,
        kDigitId = 9111,
        kLineGroupId = 9112,
        kLineColorId = 9113,
        kLineStyleId = 9114,
        kLineSizeId = 9115,
    };
    // Decimal places a bar's labels can have.
    static constexpr int kMaxDigits = 3;

    explicit CLstRulerScale(ScDisScale* scale);
    ~CLstRulerScale() override;

    // The decimal places a typed text asks for: its number's integer part, 0 to kMaxDigits;
    // false for any other text.
    static bool ReadDigits(CBCGPProp* item, int* digits);

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    // A refused number, whoever refused it (the item or the reader), shows the bar's value again.
    void ShowItemAgain(CBCGPProp* item) override;

private:
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id, TRUE); }
    // The selected scale bar when the host announced one; the page's own otherwise.
    void FollowSelection();
    // False when the number was refused: nothing else runs for the edit.
    bool EditNumber(CBCGPProp* item);
    // False when the digits were refused (with a message): nothing else runs for the edit.
    bool EditDigits(CBCGPProp* item);
    // False when the text was refused (an alignment that is neither option): nothing else runs.
    bool EditValue(CBCGPProp* item);

    ScDisScale* m_pScale;
};
