// The control library's visual manager (draws standard parts for items) and its global
// data (system colours and brushes). Drawing is recorded on the DC and in the manager.
#pragma once

#include <vector>

#include "mfc/Dc.h"

class CBCGPVisualManager : public CObject {
    DECLARE_DYNAMIC(CBCGPVisualManager)
public:
    static CBCGPVisualManager* GetInstance();

    // A check box in rect; drawn on dc as a frame plus a mark when checked.
    virtual void OnDrawCheckBox(CDC* dc, CRect rect, BOOL highlighted, BOOL checked, BOOL enabled);

    struct CheckBoxCall {
        CRect rect;
        BOOL highlighted;
        BOOL checked;
        BOOL enabled;
    };
    const std::vector<CheckBoxCall>& GetCheckBoxCalls() const { return m_checkBoxCalls; }
    void ClearCalls() { m_checkBoxCalls.clear(); }

protected:
    CBCGPVisualManager() = default;

private:
    std::vector<CheckBoxCall> m_checkBoxCalls;
};

struct BCGPGLOBAL_DATA {
    BCGPGLOBAL_DATA();
    COLORREF clrBtnFace;
    COLORREF clrBtnShadow;
    COLORREF clrBtnText;
    COLORREF clrWindow;
    COLORREF clrWindowText;
    COLORREF clrHilite;
    CBrush brBtnFace;  // the system button-face brush (shared, never deleted)
    CBrush brWindow;
};

extern BCGPGLOBAL_DATA globalData;
