// CPropWnd: the entry of the well-plot family. Create builds the property sheet of a selected kit:
// the pages of the first kit class the kit belongs to, in a fixed order of classes, then the page
// "其它", and creates it as a visible child of the host's window.
#pragma once

#include "framework/Export.h"

class CWnd;
class CWpKit;

class TESSALY_API CPropWnd {
public:
    // The new sheet (owned by the host from now on); NULL only for a missing kit. The sheet is
    // returned also when its window could not be made.
    static CWnd* Create(CWpKit* kit, CWnd* parent);
};
