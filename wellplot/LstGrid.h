// CLstGrid: the page "网格线" of a content track: the scale lines (count of divisions, thick,
// middle and thin lines) and the depth lines (intervals and pens), each with its visibility and
// apply scope. Its items are not numbered: the scale group has item data 0, the depth group 1,
// and an edit is told by its caption with those of its parent and grandparent.
#pragma once

#include "framework/WndLst.h"
#include "hosttypes/Kestrel/StyleRecords.h"

class CWpTrack;

class CLstGrid : public CWndLst {
    DECLARE_DYNCREATE(CLstGrid)
public:
    enum : DWORD_PTR {
        kScaleGroupData = 0,
        kDepthGroupData = 1,
    };

    CLstGrid();
    ~CLstGrid() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    // A refused depth interval shows the stored one as the interval rule shows it; any other item
    // keeps its text from before the edit.
    void ShowItemAgain(CBCGPProp* item) override;

private:
    void ShowScaleGroup(CWpTrack* track, CBCGPProp* group);
    void ShowDepthGroup(CWpTrack* track, CBCGPProp* group);
    void EditPen(CWpTrack* track, CBCGPProp* item, bool depth, int kind);
    bool EditInterval(CWpTrack* track, CBCGPProp* item, int kind);
    bool EditIntervals(CWpTrack* track, CBCGPProp* intervals);
};

// The interval rule of the depth lines: kind 0 (thick) takes a number of at least 1 and keeps its
// integer part; 1 and 2 (middle, thin) at least 0.1, rounded to one decimal. False for any other
// text (a text that is no number reads 0) or a number beyond the float range.
bool ReadDepthInterval(const CString& text, int kind, float* interval);
