// CPlWellTrackProperty: the "井轨迹" page of a selected well track of a profile line. It shows the
// track's kind and edits its pen and whether it is drawn as the real track or as a straight line.
// An edit reaches every active well track of the graph; active objects of other kinds are left
// alone.
#pragma once

#include "framework/WndLst.h"

namespace KelProfileline {
class CWellTrack;
}

class CPlWellTrackProperty : public CWndLst {
public:
    enum : DWORD_PTR {
        kTypeId = 1001,
        kLineGroupId = 1002,  // 1003 style, 1004 width, 1005 colour
        kFirstLineId = 1003,
        kLastLineId = 1005,
        kShowModeId = 1006,
    };

    explicit CPlWellTrackProperty(KelProfileline::CWellTrack* track) : m_pTrack(track) {}
    ~CPlWellTrackProperty() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    // A refused text, whoever refused it (the item or the reader), leaves a number item showing
    // the stored value again.
    void ShowItemAgain(CBCGPProp* item) override;

private:
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id, TRUE); }

    KelProfileline::CWellTrack* m_pTrack;
};
