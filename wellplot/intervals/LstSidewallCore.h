// CLstSidewallCore: the page "井壁取芯" of a sidewall-core kit: its title, where its cores come from
// (a well-data table or a discrete data set, with the lithology and oil-show fields), how the core
// symbols and the core line are drawn, and the depth, oil show and lithology of the active core.
// It keeps the kit it was made for and edits it only while the selection is that kind of kit.
#pragma once

#include "framework/OptionTables.h"
#include "framework/WndLst.h"

class CWpKit;
class CWpSidewallCore;

class CLstSidewallCore : public CWndLst {
public:
    enum : DWORD_PTR {
        kTitleGroupId = 1001,
        kTitleNameId = 1002,
        kTitleDirectionId = 1003,
        kTitleFontId = 1004,  // sub-items 1005 face, 1006 size, 1007 colour
        kSourceGroupId = 1008,
        kSourceTypeId = 1009,
        kTableId = 1010,
        kLithFieldId = 1011,
        kOilFieldId = 1012,
        kDisplayGroupId = 1013,
        kWidthRateId = 1014,
        kSymbolSideId = 1015,
        kLithUpId = 1016,
        kLinePenId = 1017,  // sub-items 1018 style, 1019 width, 1020 colour
        kCoreGroupId = 1021,
        kCoreDepthId = 1022,
        kCoreOilId = 1023,
        kCoreLithId = 1024,
    };

    // Keeps kit when it is a sidewall-core kit.
    explicit CLstSidewallCore(CWpKit* kit);
    ~CLstSidewallCore() override;

protected:
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    void UpdateBCGPProperty(long object, CString name) override;
    int InitPropWnd() override;

private:
    // The kept kit, while the selection is a sidewall-core kit too; otherwise NULL.
    CWpSidewallCore* Kit() const;
    CBCGPProp* Item(DWORD_PTR id) const;
    void FillCoreNameOptions(CWpSidewallCore* kit);
    void ShowSource(CWpSidewallCore* kit);
    void ShowDisplay(CWpSidewallCore* kit);
    void ShowActiveCore(CWpSidewallCore* kit);
    void EditSource(CWpSidewallCore* kit, CBCGPProp* item, int source);
    void EditCore(CWpSidewallCore* kit, CBCGPProp* item);
    // False for a size or width refused: nothing is written.
    bool EditRecord(CWpSidewallCore* kit, CBCGPProp* item);

    CWpSidewallCore* m_pKit;
};

// The symbol side both ways: "左边" 1, "右边" -1; a stored position above 0 reads as left.
extern const TextValue kSidewallSymbolSides[2];
