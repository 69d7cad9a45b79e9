#include "driver/GridDriver.h"

#include <algorithm>
#include <sstream>

namespace platform {

namespace {

void Collect(CBCGPProp* item, std::vector<CBCGPProp*>& out) {
    out.push_back(item);
    for (CBCGPProp* sub : item->m_lstSubItems) Collect(sub, out);
}

std::vector<std::string> SplitPath(const std::string& path) {
    std::vector<std::string> parts;
    std::string cur;
    for (char c : path) {
        if (c == '/') {
            parts.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    parts.push_back(cur);
    return parts;
}

}  // namespace

// ---- finding -------------------------------------------------------------------------------------

CBCGPProp* GridDriver::FindByData(DWORD_PTR data) const { return grid_->FindItemByData(data, TRUE); }

CBCGPProp* GridDriver::FindByPath(const std::string& path) const {
    const std::vector<std::string> parts = SplitPath(path);
    struct Search {
        static CBCGPProp* In(const std::vector<CBCGPProp*>& level, const std::vector<std::string>& parts,
                             std::size_t i) {
            for (CBCGPProp* item : level) {
                if (item->GetName().str() != parts[i]) continue;
                if (i + 1 == parts.size()) return item;
                std::vector<CBCGPProp*> subs(item->m_lstSubItems.begin(), item->m_lstSubItems.end());
                if (CBCGPProp* found = In(subs, parts, i + 1)) return found;
            }
            return nullptr;
        }
    };
    std::vector<CBCGPProp*> top;
    for (int i = 0; i < grid_->GetPropertyCount(); ++i) top.push_back(grid_->GetProperty(i));
    return Search::In(top, parts, 0);
}

CBCGPProp* GridDriver::FindByPosition(const std::vector<int>& positions) const {
    CBCGPProp* item = nullptr;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        item = i == 0 ? grid_->GetProperty(positions[i]) : item->GetSubItem(positions[i]);
        if (!item) return nullptr;
    }
    return item;
}

std::vector<CBCGPProp*> GridDriver::AllItems() const {
    std::vector<CBCGPProp*> out;
    for (int i = 0; i < grid_->GetPropertyCount(); ++i) Collect(grid_->GetProperty(i), out);
    return out;
}

// ---- helpers ----------------------------------------------------------------------------------------

bool GridDriver::Reveal(CBCGPProp* item) {
    if (!grid_->GetSafeHwnd() || !grid_->ContainsProperty(item)) return false;
    for (CBCGPProp* p = item; p; p = p->GetParent())
        if (!p->IsVisible()) return false;
    // Rows added since the last layout are placed, as the next repaint would place them.
    if (item->GetRect().IsRectEmpty()) grid_->AdjustLayout();
    // Open collapsed parents from the top down, clicking their expand boxes.
    std::vector<CBCGPProp*> chain;
    for (CBCGPProp* p = item->GetParent(); p; p = p->GetParent()) chain.insert(chain.begin(), p);
    for (CBCGPProp* p : chain) {
        if (p->IsExpanded()) continue;
        if (!Reveal(p)) return false;
        const CRect name = p->GetNameRect();
        SendMouse(WM_LBUTTONDOWN, CPoint(name.left - CBCGPPropList::kRowHeight / 2, name.CenterPoint().y));
        SendMouse(WM_LBUTTONUP, CPoint(name.left - CBCGPPropList::kRowHeight / 2, name.CenterPoint().y));
        if (!grid_->ContainsProperty(item) || !p->IsExpanded()) return false;
    }
    // Scroll the row into the list area.
    const CRect list = grid_->GetListRect();
    if (item->GetRect().top < list.top || item->GetRect().bottom > list.bottom) {
        const std::vector<CBCGPProp*> rows = grid_->GetVisibleRows();
        int index = 0;
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i] == item) index = static_cast<int>(i);
        Scroll(SB_THUMBPOSITION, static_cast<UINT>(index));
        if (!grid_->ContainsProperty(item)) return false;
    }
    return item->GetRect().top >= list.top && item->GetRect().bottom <= list.bottom && !item->GetRect().IsRectEmpty();
}

void GridDriver::SendMouse(UINT message, CPoint point) { grid_->SendMessage(message, 0, MAKELPARAM(point.x, point.y)); }

CPoint GridDriver::ValuePoint(CBCGPProp* item) const {
    const CRect r = item->GetValueRect();
    return CPoint(r.left + 2, r.CenterPoint().y);
}

CPoint GridDriver::NamePoint(CBCGPProp* item) const {
    const CRect r = item->GetNameRect();
    return CPoint(std::max(r.left, r.right - 2), r.CenterPoint().y);
}

bool GridDriver::AbandonEdit() {
    if (!grid_->GetEditedItem()) return false;
    PressKey(VK_ESCAPE);
    return true;
}

bool GridDriver::OpenEditor(CBCGPProp* item) {
    if (!Reveal(item) || item->GetValueRect().IsRectEmpty()) return false;
    if (grid_->GetEditedItem() != item) SendMouse(WM_LBUTTONDOWN, ValuePoint(item));
    if (grid_->GetEditedItem() != item) return false;
    SendMouse(WM_LBUTTONUP, ValuePoint(item));
    return grid_->GetEditedItem() == item;
}

// ---- actions --------------------------------------------------------------------------------------------

bool GridDriver::Select(CBCGPProp* item) {
    if (!Reveal(item)) return false;
    const CPoint pt = NamePoint(item);
    SendMouse(WM_LBUTTONDOWN, pt);
    SendMouse(WM_LBUTTONUP, pt);
    return grid_->GetCurSel() == item;
}

bool GridDriver::TypeText(CBCGPProp* item, const std::string& text) {
    if (!OpenEditor(item)) return false;
    CEdit* edit = DYNAMIC_DOWNCAST(CEdit, item->GetInPlaceWnd());
    if (!edit || edit->IsReadOnly() || !edit->IsWindowVisible()) {
        AbandonEdit();
        return false;
    }
    edit->SetWindowText(text.c_str());
    edit->SetSel(-1, -1);
    PressKey(VK_RETURN);
    return !AbandonEdit();
}

bool GridDriver::PickOpenEntry(CBCGPProp* item, int k) {
    CComboBox* combo = item->GetComboWnd();
    if (!combo || k < 0 || k >= combo->GetCount()) {
        AbandonEdit();
        return false;
    }
    combo->ShowDropDown(TRUE);
    combo->SelectAsUser(k);
    return !AbandonEdit();
}

bool GridDriver::PickDropDownEntry(CBCGPProp* item, int k) { return OpenEditor(item) && PickOpenEntry(item, k); }

bool GridDriver::PickDropDownEntry(CBCGPProp* item, const std::string& text) {
    if (!OpenEditor(item)) return false;
    CComboBox* combo = item->GetComboWnd();
    return PickOpenEntry(item, combo ? combo->FindStringExact(-1, text.c_str()) : CB_ERR);
}

bool GridDriver::PickOption(CBCGPProp* item, int k) {
    if (!item || k < 0 || k >= item->GetOptionCount()) return false;
    return PickOption(item, std::string(item->GetOption(k)));
}

bool GridDriver::PickOption(CBCGPProp* item, const std::string& option) {
    if (!item || item->FindOption(option.c_str()) < 0) return false;
    return PickDropDownEntry(item, option);
}

bool GridDriver::OpenPopup(CBCGPColorProp* item) {
    if (!Reveal(item)) return false;
    if (!item->IsPopupOpen()) ClickButton(item);
    return grid_->ContainsProperty(item) && item->IsPopupOpen();
}

bool GridDriver::ChooseColor(CBCGPColorProp* item, COLORREF color) { return OpenPopup(item) && item->PickColor(color); }

bool GridDriver::ChooseAutomatic(CBCGPColorProp* item) {
    if (!OpenPopup(item)) return false;
    if (item->PickAutomatic()) return true;
    item->ClosePopup();
    return false;
}

bool GridDriver::ChooseOther(CBCGPColorProp* item, COLORREF dialogColor) {
    if (!OpenPopup(item)) return false;
    if (item->PickOther(dialogColor)) return true;
    item->ClosePopup();
    return false;
}

bool GridDriver::PickDate(CBCGPDateTimeProp* item, const COleDateTime& date) {
    if (!OpenEditor(item)) return false;
    CBCGPDateTimeCtrl* ctrl = DYNAMIC_DOWNCAST(CBCGPDateTimeCtrl, item->GetInPlaceWnd());
    if (!ctrl || !ctrl->SetDate(date)) {
        AbandonEdit();
        return false;
    }
    PressKey(VK_RETURN);
    return !AbandonEdit();
}

bool GridDriver::ClickAt(CBCGPProp* item, CPoint point) {
    if (!Reveal(item)) return false;
    SendMouse(WM_LBUTTONDOWN, point);
    SendMouse(WM_LBUTTONUP, point);
    return true;
}

bool GridDriver::ClickButton(CBCGPProp* item) {
    if (!Reveal(item) || item->GetButtonRect().IsRectEmpty()) return false;
    return ClickAt(item, item->GetButtonRect().CenterPoint());
}

bool GridDriver::ClickFirstButton(CBCGPProp* item) {
    if (!Reveal(item) || item->GetButtonRect().IsRectEmpty()) return false;
    const CRect b = item->GetButtonRect();
    return ClickAt(item, CPoint(b.left + 2, b.CenterPoint().y));
}

bool GridDriver::ClickSecondButton(CBCGPProp* item) {
    if (!Reveal(item) || item->GetButtonRect().IsRectEmpty()) return false;
    const CRect b = item->GetButtonRect();
    return ClickAt(item, CPoint(b.right - 2, b.CenterPoint().y));
}

bool GridDriver::RightClickValue(CBCGPProp* item) {
    if (!Reveal(item) || item->GetValueRect().IsRectEmpty()) return false;
    SendMouse(WM_RBUTTONDOWN, ValuePoint(item));
    return true;
}

bool GridDriver::RightClickName(CBCGPProp* item) {
    if (!Reveal(item)) return false;
    SendMouse(WM_RBUTTONDOWN, NamePoint(item));
    return true;
}

bool GridDriver::ClickName(CBCGPProp* item) {
    if (!Reveal(item)) return false;
    const CPoint pt = NamePoint(item);
    SendMouse(WM_LBUTTONDOWN, pt);
    SendMouse(WM_LBUTTONUP, pt);
    return true;
}

bool GridDriver::ClickNameAt(CBCGPProp* item, CPoint offset) {
    if (!Reveal(item)) return false;
    const CRect r = item->GetNameRect();
    const CPoint pt(r.left + offset.x, r.top + offset.y);
    SendMouse(WM_LBUTTONDOWN, pt);
    SendMouse(WM_LBUTTONUP, pt);
    return true;
}

bool GridDriver::DoubleClickName(CBCGPProp* item) {
    if (!Reveal(item)) return false;
    const CRect r = item->GetNameRect();
    const CPoint pt = NamePoint(item);
    return DoubleClickNameAt(item, CPoint(pt.x - r.left, pt.y - r.top));
}

bool GridDriver::DoubleClickNameAt(CBCGPProp* item, CPoint offset) {
    if (!Reveal(item)) return false;
    const CRect r = item->GetNameRect();
    const CPoint pt(r.left + offset.x, r.top + offset.y);
    SendMouse(WM_LBUTTONDOWN, pt);
    SendMouse(WM_LBUTTONUP, pt);
    SendMouse(WM_LBUTTONDBLCLK, pt);
    SendMouse(WM_LBUTTONUP, pt);
    return true;
}

bool GridDriver::TypeChar(CBCGPProp* item, UINT ch) {
    if (grid_->GetCurSel() != item && !Select(item)) return false;
    grid_->SendMessage(WM_CHAR, static_cast<WPARAM>(ch), 1);
    return true;
}

void GridDriver::PressKey(UINT vk) { grid_->SendMessage(WM_KEYDOWN, static_cast<WPARAM>(vk), 1); }

void GridDriver::Scroll(UINT code, UINT pos) { grid_->SendMessage(WM_VSCROLL, MAKEWPARAM(code, pos), 0); }

// ---- reading ---------------------------------------------------------------------------------------------

GridDriver::ItemInfo GridDriver::Info(CBCGPProp* item) {
    ItemInfo info;
    info.name = item->GetName().str();
    info.group = item->IsGroup() && !item->IsValueList();
    info.value = info.group ? std::string() : item->GetShownText().str();
    info.description = item->GetDescription().str();
    for (int i = 0; i < item->GetOptionCount(); ++i) info.options.push_back(item->GetOption(i));
    info.enabled = item->IsEnabled() != FALSE;
    info.shown = item->IsVisible() != FALSE;
    info.expanded = item->IsExpanded() != FALSE;
    info.allowEdit = item->IsAllowEdit() != FALSE;
    info.type = item->GetValue().vt;
    info.data = item->GetData();
    info.level = item->GetHierarchyLevel();
    return info;
}

std::string GridDriver::DumpLine(CBCGPProp* item) {
    const ItemInfo info = Info(item);
    std::ostringstream out;
    out << std::string(static_cast<std::size_t>(info.level) * 2, ' ') << info.name;
    if (!info.group) out << " = " << info.value;
    if (!info.options.empty()) {
        out << " [";
        for (std::size_t i = 0; i < info.options.size(); ++i) out << (i ? "|" : "") << info.options[i];
        out << "]";
    }
    if (!info.enabled) out << " (disabled)";
    if (!info.shown) out << " (hidden)";
    if (item->GetSubItemsCount() > 0 && !info.expanded) out << " (collapsed)";
    if (!info.group && !info.allowEdit) out << " (read-only)";
    return out.str();
}

std::string GridDriver::Dump() const {
    std::string text;
    for (CBCGPProp* item : AllItems()) text += DumpLine(item) + "\n";
    return text;
}

}  // namespace platform
