// CLstStratumLine: the "地层线设置" page of the stratum cells selected in the current section. It
// shows the first cell's boundary line, interval fill and name font and writes an edit into every
// selected cell (the name font into the section's stratum groups), then redraws the section.
#pragma once

#include <string>
#include <vector>

#include "framework/Export.h"
#include "framework/WndLst.h"
#include "hosttypes/Kestrel/StyleRecords.h"

class CStratumCell;

class TESSALY_API CLstStratumLine : public CWndLst {
public:
    enum : DWORD_PTR {
        kNameId = 1001,
        kLineGroupId = 1002,  // 1003 style, 1004 width, 1005 colour
        kLineStyleId = 1003,
        kLineWidthId = 1004,
        kLineColorId = 1005,
        kIntervalGroupId = 1006,
        kFillId = 1007,
        kFontGroupId = 1008,  // 1009 face, 1010 size, 1011 colour
        kFontFaceId = 1009,
        kFontSizeId = 1010,
        kFontColorId = 1011,
    };

    // The page works on the stratum cells selected in the current section when it is made; the
    // cell given is the one the user picked, which the selection holds.
    explicit CLstStratumLine(CStratumCell* cell);
    ~CLstStratumLine() override;

    const std::vector<CStratumCell*>& GetCells() const { return m_cells; }

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    // A refused width, whoever refused it (the item or the reader), shows the first cell's again;
    // a refused size keeps its text from before.
    void ShowItemAgain(CBCGPProp* item) override;
    // Redraws the current section.
    void UpdateWnd();

private:
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id, TRUE); }
    bool SetStratumLogpen(CBCGPProp* item);
    void SetStratumFill(CBCGPProp* item);
    bool SetStratumFont(CBCGPProp* item);
    // The first cell's stratum name; "" when it cannot be read.
    std::string GetStratumName() const;
    // The fill colour can be edited outside correlation sections.
    bool IsColorEnable() const;
    bool IsSameStratum() const;
    // The font of the stratum's name, for every stratum group of the current section.
    void SetStratumNameFont(const std::string& name, const QXLOGFONT& font);

    std::vector<CStratumCell*> m_cells;
};
