#include "bcg/Prop.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>
#include <utility>

#include "bcg/PropList.h"
#include "mfc/Dc.h"
#include "win32/Crt.h"
#include "win32/Text.h"

IMPLEMENT_DYNAMIC(CBCGPProp, CObject)

// ---- CBCGPPropSubItemList ---------------------------------------------------------------

CBCGPProp* CBCGPPropSubItemList::GetAt(int index) const {
    if (index < 0 || index >= GetCount()) return nullptr;
    return items_[static_cast<std::size_t>(index)];
}

void CBCGPPropSubItemList::AddTail(CBCGPProp* item) { owner_->AddSubItem(item); }

// An item is in the list at most once; searched from the newest, which lists rebuild and delete most.
int CBCGPPropSubItemList::Find(const CBCGPProp* item) const {
    auto it = std::find(items_.rbegin(), items_.rend(), item);
    return it == items_.rend() ? -1 : static_cast<int>(items_.rend() - it) - 1;
}

CBCGPProp* CBCGPPropSubItemList::RemoveTail() { return RemoveAt(GetCount() - 1); }

void CBCGPPropSubItemList::Erase(const CBCGPProp* item) {
    const int index = Find(item);
    if (index >= 0) items_.erase(items_.begin() + index);
}

CBCGPProp* CBCGPPropSubItemList::RemoveAt(int index) {
    CBCGPProp* item = GetAt(index);
    if (!item) return nullptr;
    item->ReleaseFromList();
    items_.erase(items_.begin() + index);
    item->m_pParent = nullptr;
    item->SetOwnerList(nullptr);
    return item;
}

// ---- construction -----------------------------------------------------------------------

CBCGPProp::CBCGPProp(const CString& name, const _variant_t& value, LPCTSTR description, DWORD_PTR data,
                     LPCTSTR editMask, LPCTSTR editTemplate, LPCTSTR validChars)
    : m_lstSubItems(this),
      m_strName(name),
      m_varValue(value),
      m_varValueOrig(value),
      m_strDescr(description),
      m_strEditMask(editMask),
      m_strEditTempl(editTemplate),
      m_strValidChars(validChars),
      m_dwData(data) {}

CBCGPProp::CBCGPProp(const CString& groupName, DWORD_PTR data, BOOL isValueList)
    : m_lstSubItems(this), m_strName(groupName), m_dwData(data) {
    m_bGroup = TRUE;
    m_bIsValueList = isValueList;
}

CBCGPProp::~CBCGPProp() {
    // The grid forgets this item (and everything below it) before anything is freed.
    ReleaseFromList();
    if (m_pParent) {
        m_pParent->m_lstSubItems.Erase(this);
        m_pParent = nullptr;
    } else if (m_pWndList) {
        const int index = m_pWndList->FindProperty(this);
        if (index >= 0) m_pWndList->m_lstProps.erase(m_pWndList->m_lstProps.begin() + index);
    }
    std::vector<CBCGPProp*> subs;
    subs.swap(m_lstSubItems.items_);
    for (CBCGPProp* sub : subs) {
        sub->m_pParent = nullptr;
        sub->m_pWndList = nullptr;  // already released above
        delete sub;
    }
    DisposeWindow(m_pWndInPlace);
    CWnd* combo = m_pWndCombo;
    m_pWndCombo = nullptr;
    DisposeWindow(combo);
}

void CBCGPProp::DisposeWindow(CWnd*& wnd) {
    CWnd* w = wnd;
    wnd = nullptr;
    if (!w) return;
    if (m_pWndList) {
        m_pWndList->DisposeWindow(w);
    } else {
        w->DestroyWindow();
        delete w;
    }
}

void CBCGPProp::SetOwnerList(CBCGPPropList* list) {
    m_pWndList = list;
    for (CBCGPProp* sub : m_lstSubItems) sub->SetOwnerList(list);
}

void CBCGPProp::ReleaseFromList() {
    if (m_pWndList) m_pWndList->OnItemLeaving(this);
}

// ---- structure ----------------------------------------------------------------------------

BOOL CBCGPProp::AddSubItem(CBCGPProp* item) {
    if (!item || item == this || item->m_pParent || item->IsSubItem(this)) return FALSE;
    if (item->m_pWndList && item->m_pWndList->FindProperty(item) >= 0) return FALSE;  // a top-level row
    m_lstSubItems.items_.push_back(item);
    item->m_pParent = this;
    item->SetOwnerList(m_pWndList);
    return TRUE;
}

BOOL CBCGPProp::RemoveSubItem(CBCGPProp*& item, BOOL del) {
    if (!item || !IsSubItem(item)) return FALSE;
    CBCGPProp* parent = item->m_pParent;
    CBCGPProp* removed = parent->m_lstSubItems.RemoveAt(parent->m_lstSubItems.Find(item));
    if (del) {
        delete removed;
        item = nullptr;
    }
    return TRUE;
}

int CBCGPProp::GetHierarchyLevel() const {
    int level = 0;
    for (const CBCGPProp* p = m_pParent; p; p = p->m_pParent) ++level;
    return level;
}

CBCGPProp* CBCGPProp::FindSubItemByData(DWORD_PTR data) const {
    if (m_dwData == data) return const_cast<CBCGPProp*>(this);
    for (CBCGPProp* sub : m_lstSubItems)
        if (CBCGPProp* found = sub->FindSubItemByData(data)) return found;
    return nullptr;
}

BOOL CBCGPProp::IsSubItem(const CBCGPProp* item) const {
    for (const CBCGPProp* p = item ? item->m_pParent : nullptr; p; p = p->m_pParent)
        if (p == this) return TRUE;
    return FALSE;
}

// ---- identity and value ---------------------------------------------------------------------

void CBCGPProp::SetName(LPCTSTR name, BOOL redraw) {
    m_strName = name;
    if (redraw) Redraw();
}

void CBCGPProp::SetDescription(const CString& description) { m_strDescr = description; }

void CBCGPProp::SetValue(const _variant_t& value) {
    m_bValueRefused = value.vt == VT_BSTR && !text::IsValidUtf8(VariantToText(value).str()) ? TRUE : FALSE;
    if (m_bValueRefused) return;
    _variant_t replaced = m_varValue;  // value may be m_varValueBefore itself
    m_varValue = value;
    m_varValueBefore = std::move(replaced);
    ShowInOpenEditor();
    Redraw();
}

void CBCGPProp::ShowInOpenEditor() {
    // An open editor shows what code wrote, as the cell does: leaving it as it shows is no edit.
    if (!m_bInPlaceEdit || !m_pWndInPlace) return;
    const CString shown = GetShownText();
    m_pWndInPlace->SetWindowText(shown);
    if (m_pWndCombo) m_pWndCombo->SetCurSel(m_pWndCombo->FindStringExact(-1, shown));
}

void CBCGPProp::PutBackValueBefore() {
    const _variant_t before = m_varValueBefore;
    SetValue(before);
    m_varValueBefore = before;
}

void CBCGPProp::SetOriginalValue(const _variant_t& value) { m_varValueOrig = value; }

void CBCGPProp::ResetOriginalValue() { SetValue(m_varValueOrig); }

BOOL CBCGPProp::IsModified() const { return (m_varValue != m_varValueOrig) ? TRUE : FALSE; }

// ---- options ----------------------------------------------------------------------------------

BOOL CBCGPProp::AddOption(LPCTSTR option, BOOL insertUnique) {
    const CString text(option);
    if (insertUnique && FindOption(text) >= 0) return FALSE;
    m_lstOptions.push_back(text);
    m_optionIndex.Appended(m_lstOptions);
    m_bIsValueList = TRUE;
    return TRUE;
}

void CBCGPProp::RemoveAllOptions() {
    m_lstOptions.clear();
    m_optionIndex.Clear();
}

LPCTSTR CBCGPProp::GetOption(int index) const {
    if (index < 0 || index >= GetOptionCount()) return nullptr;
    return m_lstOptions[static_cast<std::size_t>(index)];
}

int CBCGPProp::FindOption(LPCTSTR option) const {
    const CString text(option);
    return m_optionIndex.Find(m_lstOptions, text.str());
}

// ---- state --------------------------------------------------------------------------------------

void CBCGPProp::AllowEdit(BOOL allow) {
    if (m_bAllowEdit == allow) return;
    m_bAllowEdit = allow;
    // What the user was typing no longer applies: the open editor closes without taking its text.
    if (!allow && m_bInPlaceEdit && m_pWndList && m_pWndList->GetEditedItem() == this) m_pWndList->EndEditItem(FALSE);
}

void CBCGPProp::Enable(BOOL enable) {
    if (m_bEnabled == enable) return;
    m_bEnabled = enable;
    // A disabled item takes no input: an open editor of it closes without taking its text.
    if (!enable && m_bInPlaceEdit && m_pWndList) m_pWndList->EndEditItem(FALSE);
    Redraw();
}

void CBCGPProp::Show(BOOL show, BOOL adjustLayout) {
    if (m_bIsVisible == show) return;
    m_bIsVisible = show;
    // A hidden row cannot stay selected or edited.
    if (!show && m_pWndList && m_pWndList->m_pSel && (m_pWndList->m_pSel == this || IsSubItem(m_pWndList->m_pSel)))
        m_pWndList->SetCurSel(nullptr, FALSE);
    if (m_pWndList && adjustLayout) m_pWndList->AdjustLayout();
}

void CBCGPProp::Expand(BOOL expand) {
    if (m_bExpanded == expand) return;
    m_bExpanded = expand;
    if (m_pWndList) {
        // Rows that disappear under a collapsed item cannot stay selected or edited.
        if (!expand && IsSubItem(m_pWndList->m_pSel)) m_pWndList->SetCurSel(nullptr, FALSE);
        m_pWndList->AdjustLayout();
    }
}

void CBCGPProp::EnableSpinControl(BOOL enable, int minValue, int maxValue) {
    m_bEnableSpin = enable;
    m_nMinValue = minValue;
    m_nMaxValue = maxValue;
}

BOOL CBCGPProp::IsSelected() const { return (m_pWndList && m_pWndList->GetCurSel() == this) ? TRUE : FALSE; }

// Marks the row for painting; the grid paints once when it is next updated (however many rows a
// refresh changed), not once per change.
void CBCGPProp::Redraw() {
    if (!m_pWndList || !m_pWndList->GetSafeHwnd() || m_Rect.IsRectEmpty()) return;
    m_pWndList->InvalidateRect(&m_Rect, TRUE);
}

CRect CBCGPProp::GetNameRect() const {
    if (m_Rect.IsRectEmpty() || !m_pWndList) return CRect();
    CRect r = m_Rect;
    r.left = m_Rect.left + (GetHierarchyLevel() + 1) * CBCGPPropList::kRowHeight;
    r.right = (m_bGroup && !m_bIsValueList && m_pWndList->IsGroupNameFullWidth()) ? m_Rect.right
                                                                                  : m_pWndList->GetLeftColumnWidth();
    if (r.right < r.left) r.right = r.left;
    return r;
}

CRect CBCGPProp::GetValueRect() const {
    if (m_Rect.IsRectEmpty() || !m_pWndList || (m_bGroup && !m_bIsValueList)) return CRect();
    CRect r = m_Rect;
    r.left = m_pWndList->GetLeftColumnWidth() + 1;
    if (r.right < r.left) r.right = r.left;
    return r;
}

// ---- text <-> value ---------------------------------------------------------------------------------

namespace {

// The text's whole number stored as a T; false when a T cannot hold it (a negative number has no
// unsigned meaning), rather than wrapped round.
template <class T>
bool TakeWhole(const CString& text, _variant_t* value) {
    const long long n = crt::AtoiWide(text);
    if (n < static_cast<long long>(std::numeric_limits<T>::min()) ||
        n > static_cast<long long>(std::numeric_limits<T>::max()))
        return false;
    *value = _variant_t(static_cast<T>(n));
    return true;
}

}  // namespace

CString CBCGPProp::FormatProperty() {
    if (m_varValue.vt == VT_BOOL) return m_varValue.boolVal ? "True" : "False";
    return VariantToText(m_varValue);
}

BOOL CBCGPProp::TextToVar(const CString& text) {
    _variant_t value;
    switch (m_varValue.vt) {
        case VT_BSTR:
        case VT_EMPTY:
            value = _variant_t(text);
            break;
        // A number the value's type cannot hold is refused, never stored as infinity or wrapped round.
        case VT_R8: {
            const double d = crt::Atof(text);
            if (!std::isfinite(d)) return FALSE;
            value = _variant_t(d);
            break;
        }
        case VT_R4: {
            const double d = crt::Atof(text);
            if (!std::isfinite(d) || std::fabs(d) > FLT_MAX) return FALSE;
            value = _variant_t(static_cast<float>(d));
            break;
        }
        case VT_I4:
            if (!TakeWhole<int>(text, &value)) return FALSE;
            break;
        case VT_I2:
            if (!TakeWhole<short>(text, &value)) return FALSE;
            break;
        case VT_UI1:
            if (!TakeWhole<BYTE>(text, &value)) return FALSE;
            break;
        case VT_UI4:
            if (!TakeWhole<unsigned int>(text, &value)) return FALSE;
            break;
        case VT_BOOL: {
            CString t(text);
            t.Trim();
            if (t.CompareNoCase("true") == 0)
                value = _variant_t(true);
            else if (t.CompareNoCase("false") == 0)
                value = _variant_t(false);
            else
                value = _variant_t(crt::Atoi(t) != 0);
            break;
        }
        default:
            return FALSE;
    }
    m_varValue = value;
    return TRUE;
}

// ---- drawing ----------------------------------------------------------------------------------------

void CBCGPProp::OnDrawName(CDC* dc, CRect rect) {
    if (!dc) return;
    dc->DrawText(m_strName, &rect, DT_SINGLELINE | DT_VCENTER);
}

void CBCGPProp::OnDrawValue(CDC* dc, CRect rect) {
    if (!dc) return;
    CFont* old = nullptr;
    const bool bold = m_pWndList && m_pWndList->IsMarkModifiedProperties() && IsModified();
    if (bold) old = dc->SelectObject(&m_pWndList->GetBoldFont());
    dc->DrawText(GetShownText(), &rect, DT_SINGLELINE | DT_VCENTER);
    if (old) dc->SelectObject(old);
}

void CBCGPProp::OnDrawButton(CDC* dc, CRect rect) {
    if (!dc) return;
    dc->FillSolidRect(&rect, GetSysColor(COLOR_BTNFACE));
    dc->DrawText(CString("..."), &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void CBCGPProp::OnDrawDescription(CDC* dc, CRect rect) {
    if (!dc) return;
    CRect title = rect;
    title.bottom = title.top + CBCGPPropList::kRowHeight;
    dc->DrawText(m_strName, &title, DT_SINGLELINE);
    CRect body = rect;
    body.top = title.bottom;
    dc->DrawText(m_strDescr, &body, 0);
}

// ---- editing ------------------------------------------------------------------------------------------

BOOL CBCGPProp::HasButton() const { return m_bIsValueList; }

void CBCGPProp::AdjustButtonRect() {
    m_rectButton = m_Rect;
    m_rectButton.left = m_rectButton.right - m_rectButton.Height();
    m_rectButton.top++;
}

void CBCGPProp::AdjustInPlaceEditRect(CRect& rectEdit, CRect& rectSpin) {
    rectSpin.SetRectEmpty();
    rectEdit = GetValueRect();
    if (HasButton() && !m_rectButton.IsRectEmpty() && rectEdit.right > m_rectButton.left)
        rectEdit.right = m_rectButton.left;
    if (rectEdit.right < rectEdit.left) rectEdit.right = rectEdit.left;
}

CWnd* CBCGPProp::CreateInPlaceEdit(CRect rectEdit, BOOL& defaultFormat) {
    if (!m_pWndList) return nullptr;
    CEdit* edit = new CEdit;
    DWORD style = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
    if (!m_bAllowEdit) style |= ES_READONLY;
    if (!edit->Create(style, rectEdit, m_pWndList, BCGPROPLIST_ID_INPLACE)) {
        delete edit;
        return nullptr;
    }
    HFONT font = (m_pWndList->IsMarkModifiedProperties() && IsModified())
                     ? static_cast<HFONT>(m_pWndList->GetBoldFont().GetSafeHandle())
                     : m_pWndList->GetListFont();
    edit->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    defaultFormat = TRUE;
    return edit;
}

CComboBox* CBCGPProp::CreateCombo(CWnd* parent, CRect rect) {
    rect.bottom += 200;  // the dropped list
    CComboBox* combo = new CComboBox;
    if (!combo->Create(WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST, rect, parent, BCGPROPLIST_ID_INPLACE)) {
        delete combo;
        return nullptr;
    }
    return combo;
}

BOOL CBCGPProp::OnEdit(LPPOINT) {
    if (!m_pWndList || (m_bGroup && !m_bIsValueList)) return FALSE;
    CRect rectEdit, rectSpin;
    AdjustInPlaceEditRect(rectEdit, rectSpin);
    BOOL defaultFormat = FALSE;
    m_pWndInPlace = CreateInPlaceEdit(rectEdit, defaultFormat);
    if (!m_pWndInPlace) return FALSE;
    const CString shown = GetShownText();
    if (defaultFormat) {
        m_pWndInPlace->SetWindowText(shown);
        if (CEdit* edit = DYNAMIC_DOWNCAST(CEdit, m_pWndInPlace)) edit->SetSel(0, -1);
    }
    m_bCommitUnchanged = FALSE;
    if (m_bIsValueList) {
        CRect rectCombo = GetValueRect();
        m_pWndCombo = CreateCombo(m_pWndList, rectCombo);
        if (m_pWndCombo) {
            for (const CString& option : m_lstOptions) m_pWndCombo->AddString(option);
            // A drop-down its item made with a choice of its own (a picker opening on the value it
            // keeps) keeps that choice; any other opens on the text shown.
            if (m_pWndCombo->GetCurSel() < 0) m_pWndCombo->SetCurSel(m_pWndCombo->FindStringExact(-1, shown));
        }
    }
    m_bInPlaceEdit = TRUE;
    m_pWndInPlace->SetFocus();
    return TRUE;
}

void CBCGPProp::OnSelectCombo() {
    if (!m_pWndCombo || !m_pWndInPlace) return;
    const int sel = m_pWndCombo->GetCurSel();
    if (sel < 0) return;
    m_pWndInPlace->SetWindowText(m_pWndCombo->GetLBText(sel));
    OnUpdateValue();
}

BOOL CBCGPProp::CommitsShownText(const CString& text) {
    m_bCommitUnchanged = text == GetShownText() ? TRUE : FALSE;
    return m_bCommitUnchanged;
}

BOOL CBCGPProp::OnUpdateValue() {
    if (!m_pWndInPlace || !m_pWndList) return FALSE;
    CString text;
    m_pWndInPlace->GetWindowText(text);
    // Leaving the editor with the text the item shows, or picking the option shown, is no edit:
    // nothing is read and nothing reported, so no shown rounding ever reaches the value. Any other
    // text is an edit, also the one the editor opened with when code has written since.
    if (CommitsShownText(text)) return TRUE;
    // Texts are UTF-8 throughout: bytes that are not are refused here, before any item reads them.
    if (!text::IsValidUtf8(text.str())) return FALSE;
    // A new text: an earlier refusal of a value set by code no longer holds, and the value it may
    // replace is the one a refused text puts back.
    m_bValueRefused = FALSE;
    m_varValueBefore = m_varValue;
    if (!TextToVar(text)) return FALSE;
    // Every committed edit with another text is reported, whether or not the value changed.
    m_pWndList->OnPropertyChanged(this);
    return TRUE;
}

BOOL CBCGPProp::OnEndEdit() {
    m_bInPlaceEdit = FALSE;
    m_bButtonIsDown = FALSE;
    OnDestroyWindow();
    return TRUE;
}

void CBCGPProp::OnDestroyWindow() {
    CWnd* combo = m_pWndCombo;
    m_pWndCombo = nullptr;
    DisposeWindow(combo);
    DisposeWindow(m_pWndInPlace);
}

void CBCGPProp::OnClickButton(CPoint) {
    if (!m_pWndList) return;
    if (!m_bInPlaceEdit) {
        CBCGPPropList* list = m_pWndList;
        if (!list->EditItem(this)) return;
        if (list->GetEditedItem() != this) return;  // the item went away while the editor opened
    }
    if (m_pWndCombo) {
        m_bButtonIsDown = TRUE;
        m_pWndCombo->ShowDropDown(TRUE);
    }
}

BOOL CBCGPProp::PushChar(UINT ch) {
    if (!m_pWndList || !m_bEnabled || !m_bAllowEdit || (m_bGroup && !m_bIsValueList)) return FALSE;
    CBCGPPropList* list = m_pWndList;
    if (!list->EditItem(this) || list->GetEditedItem() != this) return FALSE;
    if (CEdit* edit = DYNAMIC_DOWNCAST(CEdit, m_pWndInPlace)) {
        // The typed character replaces the selected (whole) text.
        if (ch >= 32) {
            const char c = static_cast<char>(ch);
            edit->ReplaceSel(CString(c));
        }
    }
    return TRUE;
}

void CBCGPProp::OnRClickValue(CPoint, BOOL) {}
void CBCGPProp::OnRClickName(CPoint) {}

void CBCGPProp::OnPosSizeChanged(CRect) {
    if (!m_bInPlaceEdit) return;
    CRect rectEdit, rectSpin;
    AdjustInPlaceEditRect(rectEdit, rectSpin);
    if (m_pWndInPlace) m_pWndInPlace->MoveWindow(&rectEdit, FALSE);
    if (m_pWndCombo) {
        CRect rectCombo = GetValueRect();
        rectCombo.bottom += 200;
        m_pWndCombo->MoveWindow(&rectCombo, FALSE);
    }
}

BOOL CBCGPProp::OnDblClick(CPoint) { return FALSE; }
void CBCGPProp::OnClickName(CPoint) {}
BOOL CBCGPProp::OnClickValue(UINT, CPoint) { return FALSE; }
