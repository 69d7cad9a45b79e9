// CKelCgPropWndCreator: the entry of the chart pages. Given the host's display manager it makes
// the property sheet of the chart object that is active: axes, plots, the chart frame, legends.
#pragma once

#include "framework/Export.h"
#include "mfc/Wnd.h"

class IDispManager;

class TESSALY_API CKelCgPropWndCreator {
public:
    // The new sheet (the caller owns it); NULL for no manager, no active object, an object of
    // no chart kind, or a sheet that cannot be created under parent.
    static CWnd* CreateObjProp(IDispManager* manager, CWnd* parent);
};
