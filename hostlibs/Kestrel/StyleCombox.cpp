#include "hosttypes/Kestrel/StyleCombox.h"

#include "hosttypes/Kestrel/GraphTools.h"

IMPLEMENT_DYNAMIC(CGraphStyleCombox, CComboBox)
IMPLEMENT_DYNAMIC(CLineStyleCombox, CGraphStyleCombox)
IMPLEMENT_DYNAMIC(CFillStyleCombox, CGraphStyleCombox)
IMPLEMENT_DYNAMIC(CPointStyleCombox, CGraphStyleCombox)
IMPLEMENT_DYNAMIC(CFontNameBox, CComboBox)

BEGIN_MESSAGE_MAP(CFontNameBox, CComboBox)
ON_CONTROL_REFLECT(CBN_SELCHANGE, OnSelchange)
END_MESSAGE_MAP()

namespace kestrel {
const char* const kFontFaces[] = {"宋体",       "黑体", "楷体", "仿宋", "微软雅黑", "隶书", "Arial", "Times New Roman",
                                  "Courier New"};
const int kFontFaceCount = static_cast<int>(sizeof kFontFaces / sizeof kFontFaces[0]);
}  // namespace kestrel

namespace {

// Colours of the samples in the lists.
constexpr COLORREF kSampleInk = RGB(0, 0, 0);
constexpr COLORREF kSampleFill = RGB(192, 192, 192);
constexpr float kSamplePenWidth = 30.0f;    // 0.3 mm
constexpr float kSamplePointSize = 380.0f;  // 3.8 mm
constexpr float kSampleCellSize = 200.0f;   // 2 mm

bool ValidEntry(const CComboBox& box, LPDRAWITEMSTRUCT dis) {
    const int index = static_cast<int>(dis->itemID);
    return index >= 0 && index < box.GetCount();
}

void PaintBackground(CDC* dc, const CRect& rect, UINT state) {
    dc->FillSolidRect(&rect, GetSysColor((state & ODS_SELECTED) ? COLOR_HIGHLIGHT : COLOR_WINDOW));
}

}  // namespace

// ---- CGraphStyleCombox --------------------------------------------------------------------------

void CGraphStyleCombox::Initialize(UINT* selected) {
    m_selected = selected;
    SetStyleGroup("", m_groupFlag);
}

void CGraphStyleCombox::SetStyleGroup(const char* group, int flag) {
    ResetContent();
    AppendGroup(group, flag);
}

void CGraphStyleCombox::AppendGroup(const char* group, int flag) {
    m_groupFlag = flag;
    CGraphStyleManager* catalogue = Catalogue();
    CGraphStyleManager* set = catalogue ? catalogue->GetChildStyleManagerByName(group) : nullptr;
    // The empty name, the whole collection's own name and an unknown name list everything.
    if (!set) set = catalogue;
    if (set) {
        for (int i = 0; i < set->GetStyleCount(); ++i) {
            const UINT id = set->GetStyle(i)->GetID();
            bool listed = false;
            for (int k = 0; k < GetCount() && !listed; ++k) listed = GetItemData(k) == id;
            if (listed) continue;
            CString text;
            text.Format("%u", id);
            SetItemData(AddString(text), id);
        }
    }
    SelectInitial();
}

void CGraphStyleCombox::SelectInitial() {
    if (!m_selected) return;
    for (int k = 0; k < GetCount(); ++k) {
        if (GetItemData(k) == *m_selected) {
            SetCurSel(k);
            return;
        }
    }
}

void CGraphStyleCombox::MeasureItem(LPMEASUREITEMSTRUCT mis) {
    if (mis) mis->itemHeight = static_cast<UINT>(EntryHeight());
}

void CGraphStyleCombox::DrawItem(LPDRAWITEMSTRUCT dis) {
    if (!dis) return;
    CDC* dc = CDC::FromHandle(dis->hDC);
    if (!dc) return;
    const CRect rect(dis->rcItem);
    if (ValidEntry(*this, dis) && (dis->itemAction & (ODA_DRAWENTIRE | ODA_SELECT))) {
        PaintBackground(dc, rect, dis->itemState);
        CUseDefaultEngineHelper engine;
        const int saved = dc->SaveDC();
        dc->IntersectClipRect(&rect);
        dc->SetMapMode(MM_HIMETRIC);
        dc->SetWindowOrg(0, 0);
        CRect sample(rect.left + 4, rect.top + 2, rect.right - 4, rect.bottom - 2);
        dc->DPtoLP(&sample);
        DrawSample(dc, static_cast<UINT>(GetItemData(static_cast<int>(dis->itemID))), sample);
        dc->RestoreDC(saved);
    }
    if (dis->itemAction & ODA_FOCUS) dc->DrawFocusRect(&rect);
}

// ---- the three style pickers -------------------------------------------------------------------

CGraphStyleManager* CLineStyleCombox::Catalogue() const { return AfxGetLineStyleManager(""); }

void CLineStyleCombox::DrawSample(CDC* dc, UINT style, const CRect& rect) const {
    QXLOGPEN pen;
    pen.style = style;
    pen.color = kSampleInk;
    pen.width = kSamplePenWidth;
    const int y = (rect.top + rect.bottom) / 2;
    AfxGetLineTool()->DrawLine(dc, pen, CPoint(rect.left, y), CPoint(rect.right, y), 1.0);
}

CGraphStyleManager* CFillStyleCombox::Catalogue() const { return AfxGetFillStyleManager(""); }

void CFillStyleCombox::DrawSample(CDC* dc, UINT style, const CRect& rect) const {
    QXLOGBRUSH brush;
    brush.style = style;
    brush.fillColor = kSampleFill;
    brush.lineColor = kSampleInk;
    brush.size = kSampleCellSize;
    brush.backMode = kBackModeTransparent;
    AfxGetFillTool()->DrawFill(dc, brush, rect, 1.0);
}

CGraphStyleManager* CPointStyleCombox::Catalogue() const { return AfxGetPointStyleManager(""); }

void CPointStyleCombox::AddStyleGroup(const char* group, int flag) { AppendGroup(group, flag); }

void CPointStyleCombox::DrawSample(CDC* dc, UINT style, const CRect& rect) const {
    QXLOGPOINT point;
    point.style = style;
    point.innerColor = kSampleFill;
    point.borderColor = kSampleInk;
    point.size = kSamplePointSize;
    AfxGetPointTool()->DrawPoint(dc, point, rect.CenterPoint(), 1.0);
}

// ---- CFontNameBox -------------------------------------------------------------------------------

void CFontNameBox::Initialize(CString* face) {
    m_face = face;
    ResetContent();
    for (int i = 0; i < kestrel::kFontFaceCount; ++i) SetItemData(AddString(kestrel::kFontFaces[i]), i);
    if (face) SetCurSel(FindStringExact(-1, *face));
}

void CFontNameBox::OnSelchange() {
    const int sel = GetCurSel();
    if (m_face && sel >= 0) *m_face = GetLBText(sel);
}

void CFontNameBox::MeasureItem(LPMEASUREITEMSTRUCT mis) {
    if (mis) mis->itemHeight = 20;
}

void CFontNameBox::DrawItem(LPDRAWITEMSTRUCT dis) {
    if (!dis) return;
    CDC* dc = CDC::FromHandle(dis->hDC);
    if (!dc) return;
    CRect rect(dis->rcItem);
    if (ValidEntry(*this, dis) && (dis->itemAction & (ODA_DRAWENTIRE | ODA_SELECT))) {
        PaintBackground(dc, rect, dis->itemState);
        const CString face = GetLBText(static_cast<int>(dis->itemID));
        const int saved = dc->SaveDC();
        dc->SetBkMode(TRANSPARENT);
        dc->SetTextColor(GetSysColor((dis->itemState & ODS_SELECTED) ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        CFont font;
        CFont* old = nullptr;
        if (m_realFont && font.CreatePointFont(100, face)) old = dc->SelectObject(&font);
        CRect text(rect.left + 2, rect.top, rect.right, rect.bottom);
        dc->DrawText(face, &text, DT_VCENTER | DT_SINGLELINE);
        if (old) dc->SelectObject(old);
        dc->RestoreDC(saved);
    }
    if (dis->itemAction & ODA_FOCUS) dc->DrawFocusRect(&rect);
}
