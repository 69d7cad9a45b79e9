// Demonstration panes: two lists over one sample object, as a family's lists will be built:
// item ids as named constants, InitPropWnd, the refresh, OnPropertyChanged as a switch.
#pragma once

#include <cstdint>

#include "framework/WndLst.h"

namespace demo {

// A host object the demonstration panes show and edit.
struct SampleObject {
    CString name = "样例对象";
    double width = 0.5;
    bool visible = true;
    COLORREF color = RGB(0, 0, 255);
    CString align = "居中";
    uint64_t stamp = 1;  // renewed on every change
};

// Page "常规": name, line width and visibility.
class GeneralList : public CWndLst {
public:
    enum : DWORD_PTR { kNameId = 2001, kWidthId = 2002, kVisibleId = 2003 };

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
};

// Page "样式": colour and alignment.
class StyleList : public CWndLst {
public:
    enum : DWORD_PTR { kColorId = 2101, kAlignId = 2102 };

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
};

}  // namespace demo
