// CLstWell: the page "柱状图" of a well plot: the well shown, the depth kind and range (by depths or
// by layering units with an extension), the depth scale, the sand and shale equal thickness, the
// automatic depth lines and the drawing of breaks. It works on the selected well kit; edits are
// found by their captions and go straight to the kit, which is then recomputed and redrawn.
#pragma once

#include <vector>

#include "framework/WndLst.h"

class CWpWell;
class LogStratumDIO;

class CLstWell : public CWndLst {
    DECLARE_DYNCREATE(CLstWell)
public:
    enum : DWORD_PTR {
        kWellId = 2000,
        kRangeGroupId = 2001,
        kDepthKindId = 2002,
        kTopDepthId = 2003,
        kBottomDepthId = 2004,
        kLevelId = 2005,
        kTopUnitId = 2006,
        kBottomUnitId = 2007,
        kExtendId = 2008,
        kScaleGroupId = 2009,
        kScaleId = 2010,
        kSandThickId = 2011,
        kShaleThickId = 2012,
        kAutoDepthId = 2013,
        kBreakGroupId = 2014,
        kBlankId = 2015,
        kLostLineShownId = 2016,
        kLostLineId = 2017,
    };

    CLstWell();
    ~CLstWell() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    // A refused extension shows the stored one in metres ("%.2f"), a refused scale the stored one
    // as "1:%d"; any other item keeps its text from before the edit.
    void ShowItemAgain(CBCGPProp* item) override;

private:
    void ShowLevels(CWpWell* well);
    void ShowUnits(CWpWell* well, LogStratumDIO* layering);
    void ShowThickness(CWpWell* well);
    void ShowBreaks(CWpWell* well);
    // 2016 follows blank-at-break; group 2017 also needs 2016 to read "是".
    void EnableBreakItems(bool blank);

    void EditDepthKind(CWpWell* well, int kind);
    // False for a refused depth, after its message: nothing written, the stored depth shown again.
    bool EditDepth(CWpWell* well, CBCGPProp* item, bool top, LogStratumDIO* layering);
    void EditLevel(CWpWell* well, int level, LogStratumDIO* layering);
    // False for a unit choice refused (after its message): the item shows the stored unit again.
    bool EditTopUnit(CWpWell* well, CBCGPProp* item, LogStratumDIO* layering);
    bool EditBottomUnit(CWpWell* well, CBCGPProp* item, LogStratumDIO* layering);
    // Extension, scale and thicknesses (the item id the caption names): false for a number the
    // page refuses, nothing written.
    bool EditNumber(CWpWell* well, DWORD_PTR id, const CString& text, LogStratumDIO* layering);
    bool EditExtension(CWpWell* well, const CString& text, LogStratumDIO* layering);
    bool EditScale(CWpWell* well, const CString& text);
    bool EditThickness(CWpWell* well, const CString& text, bool sand);
};

// Option lists of the page: extensions 0 to 10 by 0.5, thicknesses "不设置" then 0.5 to 10 by 0.5,
// scales "1:1", "1:2", "1:5" ... "1:50000", "1:100000".
std::vector<CString> ExtendOptions();
std::vector<CString> ThicknessOptions();
std::vector<CString> ScaleOptions();
// A layering level as shown: "一级" 0 .. "五级" 4; "未知" below 0 and "五级" above 4. The level list
// reads any other text as -1.
const char* LevelText(int level);
// The scale a typed text names: the number after the first ":" (the whole text without one), read
// as a whole number ("1e3" and "2.5e2" are none); false for no whole number above 0 that an int
// holds.
bool ReadDepthScale(const CString& text, int* scale);
