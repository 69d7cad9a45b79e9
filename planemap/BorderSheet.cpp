#include "planemap/BorderSheet.h"

#include "framework/PropWndMgr.h"
#include "planemap/BorderTexts.h"
#include "planemap/PropListBorder.h"
#include "planemap/PropListBorderGrid.h"
#include "planemap/PropListBorderLabel.h"

CPropWndMgr* CreateBorderSheet(CWnd* parent) {
    auto* sheet = new CPropWndMgr(0, 0);
    sheet->AddLstPage(new CPropListBorder, bordertext::kBorderPage);
    sheet->AddLstPage(new CPropListBorderGrid, bordertext::kGridPage);
    sheet->AddLstPage(new CPropListBorderLabel, bordertext::kLabelPage);
    sheet->Initialize();
    if (!sheet->Create(parent, WS_CHILD | WS_VISIBLE, 0)) {
        delete sheet;
        return nullptr;
    }
    return sheet;
}
