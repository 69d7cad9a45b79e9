#include "framework/PropStyleCombox.h"

#include "framework/FillColorCombox.h"
#include "framework/NumberText.h"
#include "hosttypes/Kestrel/GraphTools.h"
#include "hosttypes/Kestrel/StyleCombox.h"
#include "mfc/Dc.h"

IMPLEMENT_DYNAMIC(CPropStyleCombox, CBCGPProp)

namespace {

// How the cell samples look: a light grey symbol, stroke or pattern of a fixed size.
constexpr COLORREF kSampleColour = 0xC0C0C0;
constexpr float kSamplePointSize = 380.0f;
constexpr float kSamplePenWidth = 150.0f;
constexpr float kSampleCellSize = 980.0f;
constexpr int kLineInset = 5;
constexpr int kDropDownHeight = 200;
constexpr DWORD kDropDownStyle =
    WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | CBS_NOINTEGRALHEIGHT;

}  // namespace

CPropStyleCombox::CPropStyleCombox(const CString& name, int value, int kind, const char* styleGroup,
                                   const char* description, DWORD_PTR data)
    : CBCGPProp(name, _variant_t(value), description, data),
      m_nKind(kind < kPointStyle ? kPointStyle : (kind > kFillColor ? kFillColor : kind)) {
    m_bIsValueList = TRUE;
    AllowEdit(FALSE);
    m_styleGroups.emplace_back(true, CString(styleGroup ? styleGroup : ""));
}

CPropStyleCombox::CPropStyleCombox(const CString& name, CString faceName, const char* description, DWORD_PTR data)
    : CBCGPProp(name, _variant_t(faceName), description, data), m_strFaceName(faceName), m_nKind(kFontFace) {
    m_bIsValueList = TRUE;
    AllowEdit(FALSE);
}

void CPropStyleCombox::SetStyleGroup(CString name, bool flag) {
    m_styleGroups.clear();
    m_styleGroups.emplace_back(flag, name);
}

void CPropStyleCombox::AddStyleGroup(CString name, bool flag) { m_styleGroups.emplace_back(flag, name); }

void CPropStyleCombox::SetVal(UINT& value) {
    if (value == m_nPicked) return;
    m_bPickTaken = false;
    m_nPicked = value;
    // A face picker shows its text value, which the picked value leaves as it is.
    if (m_nKind != kFontFace) ShowInOpenEditor();
    Redraw();
}

CString CPropStyleCombox::GetShownText() {
    if (m_nKind == kFontFace) return CBCGPProp::GetShownText();
    // The entries write a colour as "%d" and a style number as "%u".
    return m_nKind == kFillColor ? FormatString("%d", static_cast<int>(m_nPicked)) : FormatString("%u", m_nPicked);
}

CWnd* CPropStyleCombox::CreateInPlaceEdit(CRect rect, BOOL& defaultFormat) {
    // Only the drop-down is meant to be seen: the editor just carries the picked text, except in a
    // face picker whose page lets a face name be typed.
    CWnd* edit = CBCGPProp::CreateInPlaceEdit(rect, defaultFormat);
    if (edit && !(m_nKind == kFontFace && IsAllowEdit())) edit->ShowWindow(SW_HIDE);
    return edit;
}

void CPropStyleCombox::OnSelectCombo() {
    if (!m_pWndCombo || !m_pWndInPlace) return;
    const int sel = m_pWndCombo->GetCurSel();
    if (sel < 0) return;
    const CString text = m_pWndCombo->GetLBText(sel);
    m_pWndInPlace->SetWindowText(text);
    // The commit is judged against what the item shows, then the grid converts the text into the
    // variant; the change is reported once the drop-down has closed, so the list reads both values.
    const bool taken = OnUpdateValue() && !IsCommitUnchanged();
    if (!taken) {
        // The drop-down wrote its choice into the face name: a pick not taken leaves it as it was.
        m_strFaceName = m_strFaceOpened;
        return;
    }
    m_bPickTaken = true;
    m_nPickedBefore = m_nPicked;
    m_strFaceBefore = m_strFaceOpened;
    if (m_nKind == kFontFace) return;
    // The entries' texts are the style numbers (or colours) themselves.
    long long picked = 0;
    numtext::LeadingInteger(text, &picked);
    m_nPicked = static_cast<UINT>(picked);
    Redraw();
}

void CPropStyleCombox::SetValue(const _variant_t& value) {
    m_bPickTaken = false;
    CBCGPProp::SetValue(value);
}

BOOL CPropStyleCombox::TextToVar(const CString& text) {
    // A pick taken marks itself once the grid has converted its text (OnSelectCombo).
    if (!CBCGPProp::TextToVar(text)) return FALSE;
    m_bPickTaken = false;
    return TRUE;
}

void CPropStyleCombox::PutBackValueBefore() {
    if (m_bPickTaken) {
        m_nPicked = m_nPickedBefore;
        m_strFaceName = m_strFaceBefore;
    }
    CBCGPProp::PutBackValueBefore();
}

CComboBox* CPropStyleCombox::CreateCombo(CWnd* parent, CRect rect) {
    CComboBox* combo = nullptr;
    switch (m_nKind) {
        case kPointStyle:
            combo = new CPointStyleCombox;
            break;
        case kLineStyle:
            combo = new CLineStyleCombox;
            break;
        case kFillStyle:
            combo = new CFillStyleCombox;
            break;
        case kFontFace:
            combo = new CFontNameBox;
            break;
        default: {
            CFillColorCombox* colours = new CFillColorCombox;
            for (DWORD colour : m_colorList) colours->AddItem(colour);
            combo = colours;
            break;
        }
    }
    rect.bottom += kDropDownHeight;
    if (!combo->Create(kDropDownStyle, rect, parent, BCGPROPLIST_ID_INPLACE)) {
        delete combo;
        return nullptr;
    }
    const CString firstGroup = m_styleGroups.empty() ? CString() : m_styleGroups.front().second;
    m_strFaceOpened = m_strFaceName;
    switch (m_nKind) {
        case kPointStyle: {
            CPointStyleCombox* points = static_cast<CPointStyleCombox*>(combo);
            points->Initialize(&m_nPicked);
            if (!m_styleGroups.empty()) points->SetStyleGroup(firstGroup, m_styleGroups.front().first ? 1 : 0);
            for (std::size_t i = 1; i < m_styleGroups.size(); ++i)
                points->AddStyleGroup(m_styleGroups[i].second, m_styleGroups[i].first ? 1 : 0);
            break;
        }
        case kLineStyle:
        case kFillStyle: {
            CGraphStyleCombox* styles = static_cast<CGraphStyleCombox*>(combo);
            styles->Initialize(&m_nPicked);
            styles->SetStyleGroup(firstGroup, TRUE);
            break;
        }
        case kFontFace: {
            CFontNameBox* faces = static_cast<CFontNameBox*>(combo);
            faces->Initialize(&m_strFaceName);
            faces->SetDisplayUseRealFont(FALSE);
            break;
        }
        default:
            static_cast<CFillColorCombox*>(combo)->FillList();
            break;
    }
    return combo;
}

void CPropStyleCombox::OnDrawValue(CDC* dc, CRect rect) {
    if (!dc) return;
    CUseDefaultEngineHelper engine;
    const int saved = dc->SaveDC();
    CRect logical = rect;
    if (m_nKind == kPointStyle || m_nKind == kLineStyle || m_nKind == kFillStyle) {
        dc->IntersectClipRect(&rect);
        dc->SetMapMode(MM_HIMETRIC);
        dc->SetWindowOrg(0, 0);
        dc->DPtoLP(&logical);
    }
    switch (m_nKind) {
        case kPointStyle: {
            QXLOGPOINT point;
            point.style = m_nPicked;
            point.innerColor = kSampleColour;
            point.size = kSamplePointSize;
            AfxGetPointTool()->DrawPoint(dc, point, logical.CenterPoint(), 1.0);
            break;
        }
        case kLineStyle: {
            QXLOGPEN pen;
            pen.style = m_nPicked;
            pen.reserved1 = kSampleColour;
            pen.width = kSamplePenWidth;
            const int middle = (logical.top + logical.bottom) / 2;
            AfxGetLineTool()->DrawLine(dc, pen, CPoint(logical.left + kLineInset, middle),
                                       CPoint(logical.right - kLineInset, middle), 1.0);
            break;
        }
        case kFillStyle: {
            QXLOGBRUSH brush;
            brush.style = m_nPicked;
            brush.fillColor = kSampleColour;
            brush.size = kSampleCellSize;
            brush.backMode = kBackModeTransparent;
            AfxGetFillTool()->DrawFill(dc, brush, logical, 1.0);
            break;
        }
        case kFillColor: {
            QXLOGBRUSH brush;
            brush.fillColor = m_nPicked;
            brush.lineColor = m_nPicked;
            brush.backMode = kBackModeTransparent;
            AfxGetFillTool()->DrawFill(dc, brush, rect, 1.0);
            break;
        }
        default:
            CBCGPProp::OnDrawValue(dc, rect);
            break;
    }
    dc->RestoreDC(saved);
}
