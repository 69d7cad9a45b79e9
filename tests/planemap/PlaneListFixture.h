// A plane-map list opened in a host window, driven as a user would: the host announces the
// selected object, the user types and picks, the test reads items and counts view redraws.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "bcg/PropList.h"
#include "driver/GridDriver.h"
#include "driver/SheetDriver.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "mfc/Variant.h"
#include "mfc/Wnd.h"
#include "planemap/WndLstPlane.h"
#include "support/ReportFromCode.h"

namespace planetest {

// An object's style records, read through its own getters.
template <class T>
QXLOGPEN PenOf(T* object) {
    QXLOGPEN pen;
    object->GetLogPen(&pen);
    return pen;
}
inline QXLOGPEN MakePen(UINT style, COLORREF color, float width) {
    QXLOGPEN pen;
    pen.style = style;
    pen.color = color;
    pen.width = width;
    return pen;
}
// A two-point polyline of typeName drawn with pen.
inline CQXObjectPolyline* AddLine(parsnip::MapFixture& map, const char* typeName, const QXLOGPEN& pen,
                                  CQXLayer* layer = nullptr) {
    CQXObjectPolyline* line = map.AddPolyline(typeName, {{0, 0}, {10, 0}}, layer);
    QXLOGPEN copy = pen;
    line->SetLogPen(&copy);
    return line;
}
template <class T>
QXLOGPOINT PointOf(T* object) {
    QXLOGPOINT point;
    object->GetLogPoint(&point);
    return point;
}
template <class T>
QXLOGBRUSH BrushOf(T* object) {
    QXLOGBRUSH brush;
    object->GetLogBrush(&brush);
    return brush;
}
template <class T>
QXLOGFONT FontOf(T* object) {
    QXLOGFONT font;
    object->GetLogFont(&font);
    return font;
}

struct HostWindows {
    CWnd frame;
    CWnd view;
    HostWindows() {
        frame.CreateEx(0, nullptr, "host", WS_VISIBLE, CRect(0, 0, 400, 800), nullptr, 0);
        view.Create(nullptr, "view", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &frame, 100);
    }
    ~HostWindows() { frame.DestroyWindow(); }
};

template <class List>
class OpenList {
public:
    OpenList() : list_(new List) {
        list_->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &host_.frame, 2);
        platform::ResizeWindow(*list_, 360, 1200);  // every row reachable by a click
    }
    // The list opened on an object or a layer the host announces.
    explicit OpenList(CObject* shown) : OpenList() { Show(shown); }
    // The list opened on the selection the user made: the objects selected, the first shown.
    OpenList(parsnip::MapFixture& map, std::initializer_list<CQXObject*> selected) : OpenList() {
        ShowSelected(map, selected);
    }
    ~OpenList() { platform::DestroyAndDelete(list_); }
    OpenList(const OpenList&) = delete;
    OpenList& operator=(const OpenList&) = delete;

    List& list() { return *list_; }
    platform::GridDriver grid() { return platform::GridDriver(&list_->GetPropList()); }
    CWnd& view() { return host_.view; }

    // The host's selection message for an object or a layer.
    void Show(CObject* target) {
        platform::SendSelectionChanged(*list_, &host_.view, reinterpret_cast<LPARAM>(target));
    }
    // The objects added to the map's selection, the first shown.
    void ShowSelected(parsnip::MapFixture& map, std::initializer_list<CQXObject*> objects) {
        map.Select(objects);
        if (objects.size() > 0) Show(*objects.begin());
    }
    // The object alone selected on the map's layer, and shown.
    void ShowAlone(parsnip::MapFixture& map, CQXObject* object) {
        map.ClearSelection();
        ShowSelected(map, {object});
    }

    CBCGPProp* Item(DWORD_PTR id) {
        CBCGPProp* item = list_->GetPropList().FindItemByData(id, TRUE);
        EXPECT_NE(nullptr, item) << "no item " << id;
        return item;
    }
    std::string Value(DWORD_PTR id) {
        CBCGPProp* item = Item(id);
        return item ? platform::GridDriver::Info(item).value : std::string();
    }
    bool Enabled(DWORD_PTR id) {
        CBCGPProp* item = Item(id);
        return item && item->IsEnabled();
    }
    bool Type(DWORD_PTR id, const std::string& text) { return grid().TypeText(Item(id), text); }
    void Report(DWORD_PTR id, const _variant_t& value) {
        if (CBCGPProp* item = Item(id)) tsltest::ReportFromCode(list_->GetPropList(), item, value);
    }
    bool Pick(DWORD_PTR id, const std::string& option) { return grid().PickOption(Item(id), option); }
    bool PickEntry(DWORD_PTR id, int k) { return grid().PickDropDownEntry(Item(id), k); }
    bool Color(DWORD_PTR id, COLORREF color) {
        return grid().ChooseColor(dynamic_cast<CBCGPColorProp*>(Item(id)), color);
    }
    int Redraws() const { return host_.view.GetPaintCounters().invalidate; }

private:
    HostWindows host_;
    List* list_;
};

}  // namespace planetest
