// A chart page opened in a host window over the sample chart and driven as a user would: the host
// announces the selected chart object, the user types and picks, the test reads items and boxes.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ChartFixture.h"
#include "bcg/ColorProp.h"
#include "bcg/PropList.h"
#include "driver/GridDriver.h"
#include "driver/Responder.h"
#include "driver/SheetDriver.h"
#include "framework/FrameworkFixtures.h"
#include "hostlibs/Thistle/ThistleTesting.h"
#include "mfc/Variant.h"
#include "support/ReportFromCode.h"

namespace charttest {

// An axis of any type and space, as the chart library's other axis kinds have them.
class ShapedAxis : public CkelAxisStanderdX {
public:
    explicit ShapedAxis(int axisType, int spaceType = 1) {
        m_nAxisType = axisType;
        m_nSpaceType = spaceType;
    }
};

template <class Page>
class OpenChartPage {
public:
    OpenChartPage() : page_(new Page) {
        page_->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &host_.frame, 2);
        platform::ResizeWindow(*page_, 360, 1600);  // every row reachable by a click
    }
    ~OpenChartPage() { platform::DestroyAndDelete(page_); }
    OpenChartPage(const OpenChartPage&) = delete;
    OpenChartPage& operator=(const OpenChartPage&) = delete;

    Page& page() { return *page_; }
    tsltest::SampleChart& chart() { return chart_; }
    platform::GridDriver grid() { return platform::GridDriver(&page_->GetPropList()); }

    // The host's selection message; message boxes recorded so far are forgotten.
    void Show(CQXObject* object) {
        platform::SendSelectionChanged(*page_, &host_.view, reinterpret_cast<LPARAM>(object));
        platform::Responder::Instance().ClearMessageBoxes();
    }
    // The object changed elsewhere, then the selection message: the page reads it again.
    void Reshow(CQXObject* object) {
        thistle::testing::Touch(object);
        Show(object);
    }

    CBCGPProp* Item(DWORD_PTR id) {
        CBCGPProp* item = page_->GetPropList().FindItemByData(id, TRUE);
        EXPECT_NE(nullptr, item) << "no item " << id;
        return item;
    }
    std::string Value(DWORD_PTR id) {
        CBCGPProp* item = Item(id);
        return item ? platform::GridDriver::Info(item).value : std::string();
    }
    std::vector<std::string> Options(DWORD_PTR id) {
        CBCGPProp* item = Item(id);
        return item ? platform::GridDriver::Info(item).options : std::vector<std::string>();
    }
    bool Enabled(DWORD_PTR id) {
        CBCGPProp* item = Item(id);
        return item && item->IsEnabled();
    }
    bool Expanded(DWORD_PTR id) {
        CBCGPProp* item = Item(id);
        return item && item->IsExpanded();
    }
    bool Type(DWORD_PTR id, const std::string& text) { return grid().TypeText(Item(id), text); }
    void Report(DWORD_PTR id, const _variant_t& value) {
        if (CBCGPProp* item = Item(id)) tsltest::ReportFromCode(page_->GetPropList(), item, value);
    }
    bool Pick(DWORD_PTR id, const std::string& option) { return grid().PickOption(Item(id), option); }
    bool Color(DWORD_PTR id, COLORREF color) {
        return grid().ChooseColor(dynamic_cast<CBCGPColorProp*>(Item(id)), color);
    }
    bool Automatic(DWORD_PTR id) { return grid().ChooseAutomatic(dynamic_cast<CBCGPColorProp*>(Item(id))); }
    int Repaints() const { return host_.view.GetPaintCounters().invalidate; }

private:
    tsltest::HostWindow host_;
    tsltest::SampleChart chart_;
    Page* page_;
};

// The texts of the message boxes shown since the last selection message.
inline std::vector<std::string> Boxes() {
    std::vector<std::string> texts;
    for (const auto& box : platform::Responder::Instance().MessageBoxes()) texts.push_back(box.text);
    return texts;
}

using Texts = std::vector<std::string>;

}  // namespace charttest
