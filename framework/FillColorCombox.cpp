#include "framework/FillColorCombox.h"

#include "hosttypes/Kestrel/GraphStyleManager.h"
#include "hosttypes/Kestrel/GraphTools.h"
#include "mfc/Dc.h"

IMPLEMENT_DYNAMIC(CFillColorCombox, CComboBox)

BEGIN_MESSAGE_MAP(CFillColorCombox, CComboBox)
ON_CONTROL_REFLECT(CBN_SELCHANGE, OnCbnSelchange)
END_MESSAGE_MAP()

namespace {
constexpr DWORD kInitialColour = 0x99A8AC;
constexpr UINT kEntryHeight = 30;
}  // namespace

CFillColorCombox::CFillColorCombox()
    : m_dwSelected(kInitialColour), m_pStyleManager(_AfxGetLineStyleManager("")), m_nGroupFlag(1) {}

void CFillColorCombox::SetStyleGroup(const char*, int flag) { m_nGroupFlag = flag; }

void CFillColorCombox::SetValue(UINT) {}

void CFillColorCombox::AddItem(DWORD value) { m_values.push_back(value); }

void CFillColorCombox::Initialize() { FillList(); }

void CFillColorCombox::FillList() {
    SendMessage(CB_RESETCONTENT, 0, 0);
    SendMessage(WM_CLEAR, 0, 0);
    for (DWORD value : m_values) {
        CString text;
        text.Format("%d", static_cast<int>(value));
        SetItemData(AddString(text), value);
    }
}

void CFillColorCombox::MeasureItem(LPMEASUREITEMSTRUCT mis) {
    if (mis) mis->itemHeight = kEntryHeight;
}

void CFillColorCombox::OnCbnSelchange() {
    const int sel = GetCurSel();
    if (m_pStyleManager && sel >= 0) m_dwSelected = static_cast<DWORD>(GetItemData(sel));
}

void CFillColorCombox::DrawItem(LPDRAWITEMSTRUCT dis) {
    if (!dis || dis->itemID >= static_cast<UINT>(GetCount())) return;
    CDC* dc = CDC::FromHandle(dis->hDC);
    if (!dc) return;
    const int oldMode = dc->SetMapMode(MM_HIMETRIC);
    const CPoint oldOrigin = dc->SetWindowOrg(0, 0);
    CRect logical(dis->rcItem);
    dc->DPtoLP(&logical);
    QXLOGBRUSH brush;
    brush.fillColor = static_cast<COLORREF>(dis->itemData);
    if (dis->itemAction & ODA_DRAWENTIRE) AfxGetFillTool()->DrawFill(dc, brush, logical, 1.0);
    if (dis->itemState & ODS_COMBOBOXEDIT) AfxGetFillTool()->DrawFill(dc, brush, logical, 1.0);
    dc->SetMapMode(oldMode);
    dc->SetWindowOrg(oldOrigin);
    if (dis->itemAction & ODA_FOCUS) dc->DrawFocusRect(&dis->rcItem);
}
