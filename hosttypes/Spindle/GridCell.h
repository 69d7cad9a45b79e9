// Cells of the custom grid control. The grid owns its cells and deletes them with itself.
#pragma once

#include "hosttypes/Kestrel/StyleRecords.h"
#include "mfc/String.h"
#include "win32/Win32.h"

class CGridCellBase {
public:
    CGridCellBase() = default;
    CGridCellBase(const CGridCellBase&) = default;
    CGridCellBase& operator=(const CGridCellBase&) = default;
    virtual ~CGridCellBase() = default;

    virtual void SetText(LPCTSTR text) { m_strText = text ? text : ""; }
    virtual LPCTSTR GetText() const { return m_strText; }
    virtual void SetBackClr(COLORREF colour) { m_crBkClr = colour; }
    virtual COLORREF GetBackClr() const { return m_crBkClr; }
    virtual void SetState(DWORD state) { m_nState = state; }
    virtual DWORD GetState() const { return m_nState; }
    // The point symbol a symbol cell shows.
    virtual void SetPoint(const QXLOGPOINT& point) { m_point = point; }
    virtual QXLOGPOINT GetPoint() const { return m_point; }
    // The line style a line-style cell shows.
    virtual void SetGraphStyle(UINT style) { m_nGraphStyle = style; }
    virtual UINT GetGraphStyle() const { return m_nGraphStyle; }

protected:
    QXLOGPOINT m_point;
    CString m_strText;
    COLORREF m_crBkClr = 0xFFFFFFFFu;  // none: the grid's background
    DWORD m_nState = 0;
    UINT m_nGraphStyle = 0;
};

class CGridCell : public CGridCellBase {
public:
    CGridCell() = default;
    CGridCell(const CGridCell&) = default;
    CGridCell& operator=(const CGridCell&) = default;
    ~CGridCell() override = default;
};
