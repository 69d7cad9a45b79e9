// CCheckBoxProp: a property item shown as a check box before its name; its value is a boolean.
// A click on the box, a double-click elsewhere on the name and the space bar each turn it over
// and tell the list, so the owning page always hears the change.
#pragma once

#include "bcg/Prop.h"

class CCheckBoxProp : public CBCGPProp {
    DECLARE_DYNAMIC(CCheckBoxProp)
public:
    explicit CCheckBoxProp(const CString& name);

    bool IsChecked() const;
    // The box in list coordinates, as the last drawing of the name placed it (empty before).
    const CRect& GetBoxRect() const { return m_rectCheck; }

    void OnDrawName(CDC* dc, CRect rect) override;
    void OnDrawValue(CDC* dc, CRect rect) override;
    void OnDrawButton(CDC* dc, CRect rect) override;
    BOOL OnEdit(LPPOINT clickPoint) override;
    BOOL OnDblClick(CPoint point) override;
    BOOL PushChar(UINT ch) override;
    void OnClickName(CPoint point) override;
    BOOL HasButton() const override;
    virtual void OnDrawCheckBox(CDC* dc, CRect rect, bool checked);

private:
    // Turns the value over, repaints the box and tells the list.
    void Toggle();

    CRect m_rectCheck;
};
