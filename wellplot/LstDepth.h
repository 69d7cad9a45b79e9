// CLstDepth: the page "深度道" of a depth track: its title (text, direction, font and the scope
// the title font is handed on to), its depth labels and its tick marks. It works on the selected
// depth track.
#pragma once

#include "framework/WndLst.h"

class CWpDepth;

class CLstDepth : public CWndLst {
    DECLARE_DYNCREATE(CLstDepth)
public:
    enum : DWORD_PTR {
        kTitleGroupId = 2000,
        kTitleTextId = 2001,
        kTitleDirectionId = 2002,
        kTitleFontGroupId = 2003,
        kFontScopeId = 2004,
        kFontFaceId = 2005,
        kFontHeightId = 2006,
        kFontColorId = 2007,
        kLabelGroupId = 2008,
        kDepthTypeId = 2009,
        kLabelSpaceId = 2010,
        kLabelAlignId = 2011,
        kLabelFontGroupId = 2012,  // sub-items 2013 .. 2015
        kTickGroupId = 2016,
        kTickSpaceId = 2017,
        kTickNumId = 2018,
        kTickAlignId = 2019,
        kTickLineGroupId = 2020,  // sub-items 2021 .. 2023
    };

    CLstDepth();
    ~CLstDepth() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    // A refused title height shows the stored one ("%.2f"); any other item keeps its text from
    // before the edit.
    void ShowItemAgain(CBCGPProp* item) override;

private:
    void ShowTitle(CWpDepth* depth);
    void ShowLabelsAndTicks(CWpDepth* depth);
    // The number items read by the readers used here, so a text the page would refuse never comes here.
    // choice: the value a list's text stands for.
    void EditItem(CWpDepth* depth, CBCGPProp* item, int choice);
    void EditTitleFont(CWpDepth* depth, CBCGPProp* item);
    // The label font and tick line groups.
    void EditGroup(CWpDepth* depth, CBCGPProp* item);
};
