// A pane whose grid holds the items a test gives it, recording every change the grid reports
// together with the item's value text at that moment.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "FrameworkFixtures.h"
#include "bcg/PropList.h"
#include "driver/SheetDriver.h"
#include "framework/WndLst.h"

namespace tsltest {

class ItemPane : public CWndLst {
public:
    struct Change {
        CBCGPProp* item;
        std::string value;
    };

    explicit ItemPane(std::function<void(CBCGPPropList&)> fill) : fill_(std::move(fill)) {}

    bool Open(HostWindow& host) {
        if (!Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &host.frame, 2)) return false;
        platform::ResizeWindow(*this, 300, 400);  // rows need room to be clicked
        return true;
    }
    std::vector<Change> changes;
    // The pane's refresh: run at each selection message, counted.
    std::function<void(CBCGPPropList&)> refresh;
    int refreshes = 0;

protected:
    int InitPropWnd() override {
        if (CWndLst::InitPropWnd() == -1) return -1;
        fill_(m_wndPropList);
        return 0;
    }
    void UpdateBCGPProperty(long, CString) override {
        ++refreshes;
        if (refresh) refresh(m_wndPropList);
    }
    LRESULT OnPropertyChanged(WPARAM, LPARAM lParam) override {
        CBCGPProp* item = reinterpret_cast<CBCGPProp*>(lParam);
        changes.push_back({item, std::string(VariantToText(item->GetValue()))});
        return 0;
    }

private:
    std::function<void(CBCGPPropList&)> fill_;
};

}  // namespace tsltest
