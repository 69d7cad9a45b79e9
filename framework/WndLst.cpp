#include "framework/WndLst.h"

#include "bcg/Prop.h"
#include "framework/TemplateOptions.h"
#include "mfc/Dc.h"

namespace {

const char kGridFontFace[] = "宋体";
const char kHeaderName[] = "属性名";
const char kHeaderValue[] = "值";

// Shared by every pane and never destroyed: panes come and go while the grid font stays.
CFont* PaneFont() {
    static CFont* font = nullptr;
    if (!font) {
        CFont* candidate = new CFont;
        CClientDC screen(nullptr);
        if (candidate->CreatePointFont(90, kGridFontFace, &screen))
            font = candidate;
        else
            delete candidate;
    }
    return font;
}

}  // namespace

IMPLEMENT_DYNCREATE(CWndLst, CWndProp)

BEGIN_MESSAGE_MAP(CWndLst, CWndProp)
ON_WM_PAINT()
END_MESSAGE_MAP()

CWndLst::CWndLst() = default;
CWndLst::~CWndLst() = default;

void CWndLst::AdjustLayout() { AdjustWndLayout(&m_wndPropList); }

void CWndLst::SetVSDotNetLook(BOOL set) {
    m_wndPropList.SetVSDotNetLook(set);
    m_wndPropList.SetGroupNameFullWidth(set, TRUE);
}

int CWndLst::InitPropWnd() {
    if (!m_wndPropList.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, kPropListCtrlId)) return -1;
    if (CFont* font = PaneFont())
        m_wndPropList.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font->GetSafeHandle()), TRUE);
    m_wndPropList.EnableHeaderCtrl(TRUE, kHeaderName, kHeaderValue);
    m_wndPropList.EnableDescriptionArea(TRUE);
    // The grid's own look only: group names are not set to full width at creation.
    m_wndPropList.SetVSDotNetLook(TRUE);
    return 0;
}

void CWndLst::OnPaint() {
    CPaintDC dc(this);
    PaintWndBound(&dc, &m_wndPropList);
}

void CWndLst::InitFontTemplate(CBCGPProp* item) { AppendTemplateOptions(item, TemplateKind::FontStyle); }

void CWndLst::InitSizeTemplate(CBCGPProp* item) { AppendTemplateOptions(item, TemplateKind::Size); }

void CWndLst::InitColorTemplate(CBCGPProp* item) {
    item->RemoveAllOptions();
    item->AllowEdit(FALSE);
    AppendTemplateOptions(item, TemplateKind::Color);
}

void CWndLst::InitPointTemplate(CBCGPProp* item) { AppendTemplateOptions(item, TemplateKind::PointStyle); }

void DeleteAllSubItems(CBCGPProp* item) {
    while (item->GetSubItemsCount() > 0) delete RemoveLastSubItem(item->m_lstSubItems);
}

void DeleteLastSubItems(CBCGPProp* item, int count) {
    for (int i = 0; i < count; ++i) delete RemoveLastSubItem(item->m_lstSubItems);
}

CBCGPProp* RemoveLastSubItem(CBCGPPropSubItemList& list) { return list.RemoveTail(); }

void RedrawWnd(CWnd* wnd) { wnd->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }
