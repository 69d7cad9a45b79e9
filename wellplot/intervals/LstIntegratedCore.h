// CLstIntegratedCore: the page "取芯综合" of an integrated-coring kit: its title, the source of its
// coring data (a well-data table or a discrete data set, with the run-number, core-length and
// footage fields), what is drawn, and the values of the kit's active run. It keeps the kit it was
// made for and re-reads it whenever the kit's stamp differs from the page's or another object was
// selected; the kit is the page's for its whole life, so while the host has another kind of object
// selected the page still shows that kit, and an edit goes to it.
#pragma once

#include "framework/WndLst.h"

class CWpKit;
class CWpIntegratedCore;

class CLstIntegratedCore : public CWndLst {
public:
    enum : DWORD_PTR {
        kTitleGroupId = 0,
        kTitleNameId = 1,
        kTitleDirectionId = 2,
        kTitleFontId = 3,  // sub-items 4 face, 5 size, 6 colour
        kSourceGroupId = 7,
        kSourceTypeId = 8,
        kTableId = 9,
        kTubeFieldId = 10,
        kLengthFieldId = 11,
        kFootageFieldId = 12,
        kDisplayGroupId = 13,
        kShowTopBtmId = 14,
        kShowCoreId = 15,
        kShowRecoveryId = 16,
        kBackColorId = 17,
        kBackOpenId = 18,
        kAlignId = 19,
        kTextFontId = 20,  // sub-items 21 .. 23
        kLinePenId = 24,   // sub-items 25 style, 26 width, 27 colour
        kRunGroupId = 28,
        kRunTopId = 29,
        kRunBottomId = 30,
        kRunTubeId = 31,
        kRunLengthId = 32,
        kRunFootageId = 33,
        kRunRecoveryId = 34,
    };

    // Keeps kit when it is a coring kit.
    explicit CLstIntegratedCore(CWpKit* kit);
    ~CLstIntegratedCore() override;

protected:
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    void UpdateBCGPProperty(long object, CString name) override;
    int InitPropWnd() override;

private:
    // The kept kit (NULL when the page was made for another kind of kit).
    CWpIntegratedCore* Kit() const { return m_pKit; }
    CBCGPProp* Item(DWORD_PTR id) const;
    void ShowSource(CWpIntegratedCore* kit);
    void ShowDisplay(CWpIntegratedCore* kit);
    void ShowActiveRun(CWpIntegratedCore* kit);
    // Each false for a value refused (by the page or left by the kit): nothing else runs.
    bool EditRecord(CWpIntegratedCore* kit, CBCGPProp* item);
    bool EditRun(CWpIntegratedCore* kit, CBCGPProp* item);
    void ShowStored(CWpIntegratedCore* kit, CBCGPProp* item);

    CWpIntegratedCore* m_pKit;
};

// A value of a coring run as shown: 0 for the largest single-precision number (no value) and for a
// value that is not finite.
double ShownRunValue(double value);
