// CBCGPProp: one row of the property grid, a value item or a group. The grid owns the
// top-level items, every item owns its sub-items; deleting an item deletes its sub-items and
// releases everything the grid knew of it (selection, editing, pending notification), so an
// item may be deleted at any moment, also from inside the grid's change notification.
#pragma once

#include <vector>

#include "bcg/TextIndex.h"
#include "mfc/Controls.h"
#include "mfc/Types.h"
#include "mfc/Variant.h"

class CBCGPProp;
class CBCGPPropList;
class CDC;

// In-place windows of the grid (editor, drop-down, date control) carry this control id.
constexpr UINT BCGPROPLIST_ID_INPLACE = 3;

// The sub-items of an item, in display order. Taking an element out with RemoveTail/RemoveAt
// unlinks it from its parent and from the grid (selection, editing) without deleting it.
class CBCGPPropSubItemList {
public:
    explicit CBCGPPropSubItemList(CBCGPProp* owner) : owner_(owner) {}
    CBCGPPropSubItemList(const CBCGPPropSubItemList&) = delete;
    CBCGPPropSubItemList& operator=(const CBCGPPropSubItemList&) = delete;

    int GetCount() const { return static_cast<int>(items_.size()); }
    int GetSize() const { return GetCount(); }
    BOOL IsEmpty() const { return items_.empty() ? TRUE : FALSE; }
    CBCGPProp* GetAt(int index) const;  // NULL outside the list
    CBCGPProp* operator[](int index) const { return GetAt(index); }
    CBCGPProp* GetHead() const { return items_.empty() ? nullptr : items_.front(); }
    CBCGPProp* GetTail() const { return items_.empty() ? nullptr : items_.back(); }
    void AddTail(CBCGPProp* item);  // the same as the owner's AddSubItem
    CBCGPProp* RemoveTail();        // NULL when empty
    CBCGPProp* RemoveAt(int index);
    int Find(const CBCGPProp* item) const;

    std::vector<CBCGPProp*>::const_iterator begin() const { return items_.begin(); }
    std::vector<CBCGPProp*>::const_iterator end() const { return items_.end(); }

private:
    friend class CBCGPProp;
    void Erase(const CBCGPProp* item);  // takes the pointer out of the list, nothing else
    CBCGPProp* owner_;
    std::vector<CBCGPProp*> items_;
};

class CBCGPProp : public CObject {
    DECLARE_DYNAMIC(CBCGPProp)
    friend class CBCGPPropList;
    friend class CBCGPPropSubItemList;

public:
    // A value item.
    CBCGPProp(const CString& name, const _variant_t& value, LPCTSTR description = nullptr, DWORD_PTR data = 0,
              LPCTSTR editMask = nullptr, LPCTSTR editTemplate = nullptr, LPCTSTR validChars = nullptr);
    // A group (no value); isValueList makes it a group that also shows a value.
    CBCGPProp(const CString& groupName, DWORD_PTR data = 0, BOOL isValueList = FALSE);
    ~CBCGPProp() override;
    CBCGPProp(const CBCGPProp&) = delete;
    CBCGPProp& operator=(const CBCGPProp&) = delete;

    // ---- structure --------------------------------------------------------------------
    BOOL AddSubItem(CBCGPProp* item);  // appends; FALSE for NULL, itself or an item with a parent
    // Takes item out of the sub-items (any depth below this item); deletes it when del and
    // sets item to NULL then. FALSE when item is not below this item.
    BOOL RemoveSubItem(CBCGPProp*& item, BOOL del = TRUE);
    int GetSubItemsCount() const { return m_lstSubItems.GetCount(); }
    CBCGPProp* GetSubItem(int index) const { return m_lstSubItems.GetAt(index); }
    CBCGPProp* GetParent() const { return m_pParent; }
    BOOL IsGroup() const { return m_bGroup; }
    BOOL IsValueList() const { return m_bIsValueList; }
    int GetHierarchyLevel() const;
    // Depth-first over this item and its sub-items, first match (the item itself included).
    CBCGPProp* FindSubItemByData(DWORD_PTR data) const;
    BOOL IsSubItem(const CBCGPProp* item) const;  // item lies below this one

    CBCGPPropSubItemList m_lstSubItems;

    // ---- identity ---------------------------------------------------------------------
    DWORD_PTR GetData() const { return m_dwData; }
    void SetData(DWORD_PTR data) { m_dwData = data; }
    const CString& GetName() const { return m_strName; }
    void SetName(LPCTSTR name, BOOL redraw = TRUE);
    const CString& GetDescription() const { return m_strDescr; }
    void SetDescription(const CString& description);

    // ---- value ------------------------------------------------------------------------
    virtual const _variant_t& GetValue() const { return m_varValue; }
    // Takes the new value whole, type included; never notifies. An open editor shows the new text
    // at once. A text that is not well-formed UTF-8 is refused: the value stays and IsValueRefused
    // answers TRUE until the item's next text (set by code, typed, picked or chosen).
    virtual void SetValue(const _variant_t& value);
    BOOL IsValueRefused() const { return m_bValueRefused; }
    // Whether the last commit or pick was of the text the item showed at that moment (no edit:
    // nothing was taken or reported).
    BOOL IsCommitUnchanged() const { return m_bCommitUnchanged; }
    // The value the last text replaced, set by code, typed, picked or chosen (the text an item
    // showed before the change, which a refusal puts back).
    const _variant_t& GetValueBefore() const { return m_varValueBefore; }
    // Shows the value before again (through SetValue); the value before stays what it was, so a
    // second call changes nothing. An item that keeps a value of its own beside the variant (a
    // picker's style drawn) puts that back too.
    virtual void PutBackValueBefore();
    const _variant_t& GetOriginalValue() const { return m_varValueOrig; }
    void SetOriginalValue(const _variant_t& value);
    void ResetOriginalValue();  // value := original value
    // The value differs from the original value (in type or value).
    BOOL IsModified() const;

    // ---- options ------------------------------------------------------------------------
    // Appends an option; with insertUnique a text already present is not added again (found
    // through an index of the texts, so filling n options takes time linear in n).
    // Adding an option makes the item a value list (it offers a drop-down).
    BOOL AddOption(LPCTSTR option, BOOL insertUnique = FALSE);
    void RemoveAllOptions();
    int GetOptionCount() const { return static_cast<int>(m_lstOptions.size()); }
    LPCTSTR GetOption(int index) const;    // NULL outside the list
    int FindOption(LPCTSTR option) const;  // first position among the options, -1 when absent

    // ---- state ---------------------------------------------------------------------------
    // Turning typing off while the item's editor is open ends the edit with nothing taken.
    void AllowEdit(BOOL allow = TRUE);
    BOOL IsAllowEdit() const { return m_bAllowEdit; }
    void Enable(BOOL enable = TRUE);
    BOOL IsEnabled() const { return m_bEnabled; }
    void Show(BOOL show = TRUE, BOOL adjustLayout = TRUE);
    BOOL IsVisible() const { return m_bIsVisible; }
    virtual void Expand(BOOL expand = TRUE);
    BOOL IsExpanded() const { return m_bExpanded; }
    void EnableSpinControl(BOOL enable = TRUE, int minValue = 0, int maxValue = 0);
    BOOL IsSpinEnabled() const { return m_bEnableSpin; }
    int GetSpinMin() const { return m_nMinValue; }
    int GetSpinMax() const { return m_nMaxValue; }
    const CString& GetEditMask() const { return m_strEditMask; }
    const CString& GetEditTemplate() const { return m_strEditTempl; }
    const CString& GetValidChars() const { return m_strValidChars; }
    BOOL IsSelected() const;
    BOOL IsInPlaceEditing() const { return m_bInPlaceEdit; }
    void Redraw();  // marks the item's row for painting (the grid paints once when updated)

    // ---- geometry and in-place windows (list client coordinates) ---------------------------
    const CRect& GetRect() const { return m_Rect; }
    const CRect& GetButtonRect() const { return m_rectButton; }
    CBCGPPropList* GetPropList() const { return m_pWndList; }
    CWnd* GetInPlaceWnd() const { return m_pWndInPlace; }
    CComboBox* GetComboWnd() const { return m_pWndCombo; }
    CRect GetNameRect() const;   // the name cell of the row (empty when not laid out)
    CRect GetValueRect() const;  // the value cell of the row

    // ---- virtual operations ------------------------------------------------------------------
    virtual CString FormatProperty();
    // The text the item shows: drawn in its cell, the text its editor opens on and is rewritten
    // to when code sets a value while it is open. A commit of this text is no edit.
    virtual CString GetShownText() { return FormatProperty(); }
    virtual BOOL TextToVar(const CString& text);
    virtual void OnDrawName(CDC* dc, CRect rect);
    virtual void OnDrawValue(CDC* dc, CRect rect);
    virtual void OnDrawButton(CDC* dc, CRect rect);
    virtual void OnDrawDescription(CDC* dc, CRect rect);
    virtual CWnd* CreateInPlaceEdit(CRect rectEdit, BOOL& defaultFormat);
    virtual CComboBox* CreateCombo(CWnd* parent, CRect rect);
    virtual void OnSelectCombo();
    virtual void OnClickButton(CPoint point);
    virtual void AdjustButtonRect();
    virtual BOOL PushChar(UINT ch);
    virtual void OnRClickValue(CPoint point, BOOL selChanged);
    virtual void OnRClickName(CPoint point);
    virtual void OnPosSizeChanged(CRect rectOld);
    virtual void AdjustInPlaceEditRect(CRect& rectEdit, CRect& rectSpin);
    virtual BOOL OnEndEdit();
    virtual BOOL OnEdit(LPPOINT clickPoint);
    virtual BOOL OnDblClick(CPoint point);
    virtual void OnClickName(CPoint point);
    virtual BOOL OnClickValue(UINT message, CPoint point);
    virtual BOOL HasButton() const;
    virtual BOOL OnUpdateValue();
    // Destroys the in-place windows (editor, drop-down).
    virtual void OnDestroyWindow();

protected:
    // Judges a commit of text (the editor's text, a pick, a date as the item would show it): it is
    // no edit when it is the text the item shows now, whatever code wrote since the editor opened.
    BOOL CommitsShownText(const CString& text);
    // An open editor (and its drop-down) shows the item's text again after code changed it.
    void ShowInOpenEditor();
    // The in-place window or drop-down is given to the grid to be destroyed (or destroyed
    // here when there is no grid).
    void DisposeWindow(CWnd*& wnd);
    // Sets m_pWndList on this item and every item below it.
    void SetOwnerList(CBCGPPropList* list);
    // Drops whatever the grid holds of this item and its sub-items (editing, selection).
    void ReleaseFromList();

    CString m_strName;
    _variant_t m_varValue;
    _variant_t m_varValueOrig;
    CString m_strDescr;
    CString m_strEditMask;
    CString m_strEditTempl;
    CString m_strValidChars;
    DWORD_PTR m_dwData = 0;
    std::vector<CString> m_lstOptions;
    TextIndex m_optionIndex;  // each option text's first position in m_lstOptions

    BOOL m_bGroup = FALSE;
    BOOL m_bIsValueList = FALSE;
    BOOL m_bAllowEdit = TRUE;
    BOOL m_bEnabled = TRUE;
    BOOL m_bIsVisible = TRUE;
    BOOL m_bExpanded = TRUE;
    BOOL m_bInPlaceEdit = FALSE;
    BOOL m_bValueRefused = FALSE;
    BOOL m_bCommitUnchanged = FALSE;
    _variant_t m_varValueBefore;
    BOOL m_bButtonIsDown = FALSE;
    BOOL m_bEnableSpin = FALSE;
    int m_nMinValue = 0;
    int m_nMaxValue = 0;

    CBCGPProp* m_pParent = nullptr;
    CBCGPPropList* m_pWndList = nullptr;
    CRect m_Rect;
    CRect m_rectButton;
    CWnd* m_pWndInPlace = nullptr;
    CComboBox* m_pWndCombo = nullptr;
};
