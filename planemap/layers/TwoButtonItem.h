// The two buttons at the end of a template or contour item's row: the grid's own button, which
// drops the item's options, and a second button with a caption of its own, which hands the value
// the item shows to the item (OnSecondButton). Base is the item class the row is (a plain item or a
// fixed list).
#pragma once

#include <utility>

#include "bcg/Prop.h"
#include "bcg/VisualManager.h"
#include "framework/PropItems.h"
#include "framework/TwoButtonProp.h"
#include "mfc/Dc.h"

template <class Base>
class TTwoButtonItem : public Base {
public:
    template <class... Args>
    explicit TTwoButtonItem(const CString& caption, Args&&... args)
        : Base(std::forward<Args>(args)...), m_strCaption(caption) {}

    // The buttons are placed with the button area, so a click finds them before the row was drawn.
    void AdjustButtonRect() override {
        this->m_rectButton = TwoButtonRect(this->m_Rect);
        m_rectFirst = TwoButtonFirst(this->m_Rect);
        m_rectSecond = TwoButtonSecond(this->m_Rect);
    }
    void OnDrawButton(CDC* dc, CRect) override {
        m_rectFirst = TwoButtonFirst(this->m_Rect);
        CBCGPProp::OnDrawButton(dc, m_rectFirst);
        m_rectSecond = TwoButtonSecond(this->m_Rect);
        if (!dc) return;
        dc->FillRect(&m_rectSecond, &globalData.brBtnFace);
        dc->DrawText(m_strCaption, &m_rectSecond, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    void OnClickButton(CPoint point) override { TwoButtonClick(this, m_rectFirst, point); }
    // A click outside the first button: only one on the second button of an item showing a value
    // reaches OnSecondButton; any other changes nothing and redraws nothing.
    void OnClickButtonEx(CPoint point) {
        if (!m_rectSecond.PtInRect(point)) return;
        const CString value = ItemText(this);
        if (!value.IsEmpty()) OnSecondButton(value);
    }

protected:
    virtual void OnSecondButton(const CString& value) = 0;

private:
    CRect m_rectFirst;
    CRect m_rectSecond;
    CString m_strCaption;
};
