// The two buttons at the end of a template or contour item's row: the grid's own button, which
// drops the item's options, and a second button with a caption of its own, whose click the item
// handles (OnClickButtonEx). After the item's base part come the two button rectangles and the
// caption; the item adds OnDrawButtonEX, then OnClickButtonEx, after its base's virtual operations.
#pragma once

#include <utility>

#include "bcg/Prop.h"
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
        PlaceTwoButtons(this->m_Rect, &this->m_rectButton, &m_rectFirst, &m_rectSecond);
    }
    void OnDrawButton(CDC* dc, CRect rect) override {
        m_rectFirst = TwoButtonFirst(this->m_Rect);
        CBCGPProp::OnDrawButton(dc, m_rectFirst);
        OnDrawButtonEX(dc, rect);
    }
    void OnClickButton(CPoint point) override { TwoButtonClick(this, m_rectFirst, point); }
    // The second button, its caption centred on one line.
    virtual void OnDrawButtonEX(CDC* dc, CRect) {
        m_rectSecond = TwoButtonSecond(this->m_Rect);
        DrawSecondButton(dc, m_rectSecond, m_strCaption);
    }
    // A click in the button area outside the first button.
    virtual void OnClickButtonEx(CPoint point) = 0;

protected:
    // The value a click on the second button hands on. False for a click elsewhere, or while the
    // item shows no value: such a click changes nothing and redraws nothing.
    bool SecondButtonValue(CPoint point, CString* value) {
        return ::SecondButtonValue(this, m_rectSecond, point, value);
    }

private:
    CRect m_rectFirst;
    CRect m_rectSecond;
    CString m_strCaption;
};
