// Panes and windows the framework tests build on: a list that records what reaches it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "bcg/Prop.h"
#include "framework/WndLst.h"
#include "mfc/Wnd.h"

namespace tsltest {

// A list with two items (name and width) that counts its fills and records every
// refresh and every edit it is given.
class RecordingList : public CWndLst {
public:
    enum : DWORD_PTR { kNameId = 2001, kWidthId = 2002 };

    int initCount = 0;
    bool failInit = false;
    std::vector<long> refreshed;
    std::vector<CBCGPProp*> edited;
    std::vector<WPARAM> editIds;

    using CWndProp::GetTimeStamp;
    using CWndProp::SetTimeStamp;
    void CallUpdateView() { UpdateView(); }

protected:
    int InitPropWnd() override {
        ++initCount;
        if (failInit) return -1;
        if (CWndLst::InitPropWnd() == -1) return -1;
        m_wndPropList.AddProperty(new CBCGPProp("名称", _variant_t("a"), "", kNameId));
        m_wndPropList.AddProperty(new CBCGPProp("宽度", _variant_t(1.5), "", kWidthId));
        return 0;
    }
    void UpdateBCGPProperty(long object, CString) override { refreshed.push_back(object); }
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override {
        editIds.push_back(wParam);
        edited.push_back(reinterpret_cast<CBCGPProp*>(lParam));
        return 0;
    }
};

// A top-level host window with a client area to put panes and sheets in.
class HostWindow {
public:
    HostWindow(int cx = 400, int cy = 600) {
        frame.CreateEx(0, nullptr, "host", WS_VISIBLE, CRect(0, 0, cx, cy), nullptr, 0);
        view.Create(nullptr, "view", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &frame, 100);
    }
    CWnd frame;
    CWnd view;
};

}  // namespace tsltest
