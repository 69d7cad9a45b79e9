// CLayertProperyLst: the one-item list "图层名" that shows the name of a map layer displayed in a
// section. It offers no editing. The host can point it at another layer with WM_USER+102; the
// name is read again at the next selection message when the layer's stamp differs from the one
// last read.
#pragma once

#include "framework/WndLst.h"

class CQXLayer;

class CLayertProperyLst : public CWndLst {
public:
    enum : DWORD_PTR { kLayerNameId = 1001 };

    explicit CLayertProperyLst(CQXLayer* layer);
    ~CLayertProperyLst() override;

    CQXLayer* GetLayer() const { return m_pLayer; }

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    // WM_USER+102: wParam the layer to show from now on (NULL: none); answers 1.
    LRESULT OnCheckValue(WPARAM wParam, LPARAM lParam);

    CQXLayer* m_pLayer;

    DECLARE_MESSAGE_MAP()
};
