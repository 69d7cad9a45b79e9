// A chart object's property sheet as the host opens it through the chart creator, and what the
// demo reads back from its pages.
#pragma once

#include <string>

#include "chart/KelCgPropWndCreator.h"
#include "driver/GridDriver.h"
#include "driver/Responder.h"
#include "driver/SheetDriver.h"
#include "framework/PropWndMgr.h"
#include "framework/WndLst.h"
#include "hosttypes/Oriel/IDispManager.h"
#include "hosttypes/Parsnip/QXObject.h"

namespace demo {

class ActiveChartObject : public IDispManager {
public:
    explicit ActiveChartObject(CQXObject* object) : m_object(object) {}
    void GetActiveObj(long& object) override { object = reinterpret_cast<long>(m_object); }

private:
    CQXObject* m_object;
};

// The sheet the chart creator makes for one object, the host's selection sent to it; each tab's
// list is reached once the user has chosen the tab.
class ChartSheet {
public:
    ChartSheet(CQXObject* object, CWnd& frame, CWnd& view) : m_object(object), m_view(view) {
        ActiveChartObject manager(object);
        m_sheet = CKelCgPropWndCreator::CreateObjProp(&manager, &frame);
    }
    ~ChartSheet() {
        if (m_sheet) platform::DestroyAndDelete(m_sheet);
    }
    ChartSheet(const ChartSheet&) = delete;
    ChartSheet& operator=(const ChartSheet&) = delete;

    std::string Captions() const {
        std::string all;
        if (!m_sheet) return "(none)";
        for (const std::string& caption : platform::TabCaptions(*m_sheet)) all += (all.empty() ? "" : " | ") + caption;
        return all;
    }
    // The tab's list after the user chose the tab and the host announced the object.
    platform::GridDriver Tab(int index) {
        platform::ChooseTab(*m_sheet, index);
        platform::SendSelectionChanged(*m_sheet, &m_view, reinterpret_cast<LPARAM>(m_object));
        auto* sheet = dynamic_cast<CPropWndMgr*>(m_sheet);
        auto* list = dynamic_cast<CWndLst*>(sheet->GetPage(index)->GetDlgItem(2));
        return platform::GridDriver(&list->GetPropList());
    }

private:
    CQXObject* m_object;
    CWnd& m_view;
    CWnd* m_sheet = nullptr;
};

inline std::string Shown(platform::GridDriver& grid, DWORD_PTR id) {
    CBCGPProp* item = grid.FindByData(id);
    if (!item) return "?";
    platform::GridDriver::ItemInfo info = platform::GridDriver::Info(item);
    return info.value + (info.enabled ? "" : " (disabled)");
}

inline std::string LastBox() {
    const auto& boxes = platform::Responder::Instance().MessageBoxes();
    return boxes.empty() ? std::string("(none)") : boxes.back().text;
}

}  // namespace demo
