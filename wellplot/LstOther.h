// CLstOther: the page "其它" of every well-plot kit: the plot's frame style, the kit's width,
// its title area, client fill and border (visibility by mode and by edge, and the border line).
// It works on the selected kit; the apply scopes are only stored in the kit, which carries the
// settings over itself.
#pragma once

#include <vector>

#include "framework/WndLst.h"

class CWpKit;

class CLstOther : public CWndLst {
    DECLARE_DYNCREATE(CLstOther)
public:
    enum : DWORD_PTR {
        kStyleId = 2000,
        kWidthId = 2001,
        kTitleGroupId = 2002,
        kTitleScopeId = 2003,
        kTitleVisibleId = 2004,
        kBorderGroupId = 2005,
        kBorderShowGroupId = 2006,
        kBorderScopeId = 2007,
        kBorderModeId = 2008,
        kFirstEdgeId = 2009,  // ten edges, 2009 .. 2018
        kLastEdgeId = 2018,
        kLineGroupId = 2019,
        kLineScopeId = 2020,
        kLineStyleId = 2021,
        kLineWidthId = 2022,
        kLineColorId = 2023,
        kLineInnerColorId = 2024,
        kFillGroupId = 7000,  // sub-items 7001 .. 7006
    };

    CLstOther();
    ~CLstOther() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    // A refused fill cell size shows the stored one ("%.2f"); any other item keeps its text from
    // before the edit.
    void ShowItemAgain(CBCGPProp* item) override;

private:
    void ShowWidths(CWpKit* kit);
    void ShowEdges(CWpKit* kit);
    void ShowBorderLine(CWpKit* kit);
    // False for a border width the page refuses; nothing is written then.
    bool EditBorderLine(CWpKit* kit, CBCGPProp* item);
    bool EditFill(CWpKit* kit, CBCGPProp* item);
    // The kit's width, the border width or the cell size, as the refresh shows it; answers 0.
    LRESULT ShowStored(CWpKit* kit, CBCGPProp* item);
};

// The width options of a kit whose base width is base centimetres: the base (one tenth more when
// its second decimal is 5 or more), then half centimetres from the next one above the base.
std::vector<CString> WidthOptions(double base);
// A border mode's text; any mode outside shows "自动".
const char* BorderModeText(int mode);
// The edge code of an edge item's caption, 0 for any other caption; whether a caption names an
// edge ("区" as its third and "边" as its fifth character).
int EdgeCodeOfCaption(const CString& caption);
bool IsEdgeCaption(const CString& caption);
