// Kit-library operations the well-plot pages call: the kits' virtuals, redraw requests, title,
// frame, header, scale, grid-line and depth-label settings. Every setter stores its value, logs
// itself with its kit (numbers and texts as arguments) and renews the kit's stamp; the redraw
// requests and the virtuals that only lay out are logged and change nothing.
#include <string>

#include "hostlibs/Zephyr/KitStore.h"
#include "hosttypes/Zephyr/WpTrack.h"
#include "hosttypes/Zephyr/WpWaterEntry.h"
#include "hosttypes/Zephyr/WpWell.h"

using zephyr::detail::Arg;
using zephyr::detail::Record;
using zephyr::detail::Stamp;
using zephyr::detail::Store;

// ---- virtuals -------------------------------------------------------------------------------
float CWpKit::GetBaseWidth() { return m_fBaseWidth; }
void CWpKit::UpdateClient() { Record("CWpKit::UpdateClient", this); }
BOOL CWpKit::Recalculate() {
    Record("CWpKit::Recalculate", this);
    return TRUE;
}
void CWpKit::SetTitleFontScope(int scope) { Store(this, m_nTtlFtScope, scope, "CWpKit::SetTitleFontScope"); }
void CWpKit::UpdateSelf() { Record("CWpKit::UpdateSelf", this); }
void CWpKit::UpdateAfterEdit() { Record("CWpKit::UpdateAfterEdit", this); }

// ---- redraw ---------------------------------------------------------------------------------
void CWpKit::InvalidSelf() { Record("CWpKit::InvalidSelf", this); }
void CWpKit::UpdateParent() { Record("CWpKit::UpdateParent", this); }
void CWpKit::UpdateParentForWidth() { Record("CWpKit::UpdateParentForWidth", this); }

// ---- title ----------------------------------------------------------------------------------
int CWpKit::GetTitleDirection() { return m_nTitleDirection; }
void CWpKit::SetTitleDirection(int direction) {
    Store(this, m_nTitleDirection, direction, "CWpKit::SetTitleDirection");
}
void CWpKit::GetTitleFont(QXLOGFONT* font) {
    if (font) *font = m_titleFont;
}
void CWpKit::SetTitleFont(QXLOGFONT* font) {
    if (font) Store(this, m_titleFont, *font, "CWpKit::SetTitleFont");
}
int CWpKit::GetTtlFtScope() { return m_nTtlFtScope; }
void CWpKit::SetTtlFtScope(int scope) { Store(this, m_nTtlFtScope, scope, "CWpKit::SetTtlFtScope"); }

// ---- frame ----------------------------------------------------------------------------------
CWpKit::BorderStyle CWpKit::GetStyle() { return m_style; }
void CWpKit::SetStyle(BorderStyle style, bool) {
    m_style = style;
    Record("CWpKit::SetStyle", this, Arg(static_cast<int>(style)));
    Stamp(this);
}
float CWpKit::GetWidth() { return m_fWidth; }
void CWpKit::SetWidth(float width) { Store(this, m_fWidth, width, "CWpKit::SetWidth"); }
void CWpKit::SetBaseWidth(float width) {
    Store(this, m_fBaseWidth, width, "CWpKit::SetBaseWidth");
}
int CWpKit::GetTitleScope() { return m_nTitleScope; }
void CWpKit::SetTitleScope(int scope) { Store(this, m_nTitleScope, scope, "CWpKit::SetTitleScope"); }
int CWpKit::GetBoderScope() { return m_nBoderScope; }
void CWpKit::SetBoderScope(int scope) { Store(this, m_nBoderScope, scope, "CWpKit::SetBoderScope"); }
int CWpKit::GetBdrLnScope() { return m_nBdrLnScope; }
void CWpKit::SetBdrLnScope(int scope) { Store(this, m_nBdrLnScope, scope, "CWpKit::SetBdrLnScope"); }
int CWpKit::GetTitleVisible() { return m_nTitleVisible; }
void CWpKit::SetTitleVisible(int visible) { Store(this, m_nTitleVisible, visible, "CWpKit::SetTitleVisible"); }
int CWpKit::GetBorderMode() { return m_nBorderMode; }
void CWpKit::SetBorderMode(int mode) { Store(this, m_nBorderMode, mode, "CWpKit::SetBorderMode"); }

int CWpKit::GetBorderVisible(int edge) {
    return edge >= 0 && edge < kBorderEdgeCount ? m_borderVisible[edge] : 0;
}

void CWpKit::SetBorderVisible(int visible, int edge) {
    if (edge >= 0 && edge < kBorderEdgeCount) m_borderVisible[edge] = visible;
    Record("CWpKit::SetBorderVisible", this, Arg(visible) + "," + Arg(edge));
    Stamp(this);
}

QXLOGPEN CWpKit::GetBorderPen() { return m_borderPen; }
void CWpKit::SetBorderPen(const QXLOGPEN& pen) { Store(this, m_borderPen, pen, "CWpKit::SetBorderPen"); }
QXLOGBRUSH CWpKit::GetClientBrush() { return m_clientBrush; }
void CWpKit::SetClientBrush(const QXLOGBRUSH& brush) { Store(this, m_clientBrush, brush, "CWpKit::SetClientBrush"); }
CString CWpKit::GetClientFillStyleSet() { return m_strClientFillStyleSet; }
void CWpKit::SetClientFillStyleSet(CString name) {
    Store(this, m_strClientFillStyleSet, name, "CWpKit::SetClientFillStyleSet");
}

// ---- header ---------------------------------------------------------------------------------
int CWpKit::GetHeadAlign() { return m_nHeadAlign; }
void CWpKit::SetHeadAlign(int align) { Store(this, m_nHeadAlign, align, "CWpKit::SetHeadAlign"); }
float CWpKit::GetTitleHeight() { return m_fTitleHeight; }
void CWpKit::SetTitleHeight(float height) {
    Store(this, m_fTitleHeight, height, "CWpKit::SetTitleHeight");
}
float CWpKit::GetClientHeight() { return m_fClientHeight; }
void CWpKit::SetClientHeight(float height) {
    Store(this, m_fClientHeight, height, "CWpKit::SetClientHeight");
}

int CWpKit::GetDepthScale() {
    CWpWell* well = GetWell();
    return well && well != this ? well->GetDepthScale() : m_nDepthScale;
}
void CWpKit::SetDepthScale(int scale) { Store(this, m_nDepthScale, scale, "CWpKit::SetDepthScale"); }

// ---- well -----------------------------------------------------------------------------------
CWpKit::BorderStyle CWpWell::GetStyle() { return m_plotStyle; }
void CWpWell::SetStyle(BorderStyle style, bool) {
    m_plotStyle = style;
    Record("CWpWell::SetStyle", this, Arg(static_cast<int>(style)));
    Stamp(this);
}
int CWpWell::GetTitleAlign() { return m_nTitleAlign; }
void CWpWell::SetTitleAlign(int align) { Store(this, m_nTitleAlign, align, "CWpWell::SetTitleAlign"); }
int CWpWell::GetTypeAlign() { return m_nTypeAlign; }
void CWpWell::SetTypeAlign(int align) { Store(this, m_nTypeAlign, align, "CWpWell::SetTypeAlign"); }
CString CWpWell::GetPointStyleTemplate() { return m_strPointStyleTemplate; }
void CWpWell::SetPointStyleTemplate(CString name) {
    Store(this, m_strPointStyleTemplate, name, "CWpWell::SetPointStyleTemplate");
}
CString CWpWell::GetSizeTemplate() { return m_strSizeTemplate; }
void CWpWell::SetSizeTemplate(CString name) { Store(this, m_strSizeTemplate, name, "CWpWell::SetSizeTemplate"); }
CString CWpWell::GetBorderColorTemplate() { return m_strBorderColorTemplate; }
void CWpWell::SetBorderColorTemplate(CString name) {
    Store(this, m_strBorderColorTemplate, name, "CWpWell::SetBorderColorTemplate");
}
CString CWpWell::GetInnerColorTemplate() { return m_strInnerColorTemplate; }
void CWpWell::SetInnerColorTemplate(CString name) {
    Store(this, m_strInnerColorTemplate, name, "CWpWell::SetInnerColorTemplate");
}
QXLOGPOINT CWpWell::GetTypePoint() { return m_typePoint; }
void CWpWell::SetTypePoint(const QXLOGPOINT& point) { Store(this, m_typePoint, point, "CWpWell::SetTypePoint"); }

// The well's direct children are its tracks: depth tracks for the first, every track for the
// second. The kits inside the tracks keep their own title fonts.
void CWpWell::SetDepChildTitleFont(const QXLOGFONT& font) {
    Record("CWpWell::SetDepChildTitleFont", this);
    QXLOGFONT given = font;
    for (int i = 0; i < ChildrenCount(); ++i)
        if (CWpKit* child = GetChild(i); child && child->IsKindOf(RUNTIME_CLASS(CWpDepth))) child->SetTitleFont(&given);
}

void CWpWell::SetChildTitleFont(const QXLOGFONT& font) {
    Record("CWpWell::SetChildTitleFont", this);
    QXLOGFONT given = font;
    for (int i = 0; i < ChildrenCount(); ++i)
        if (CWpKit* child = GetChild(i);
            child && (child->IsKindOf(RUNTIME_CLASS(CWpDepth)) || child->IsKindOf(RUNTIME_CLASS(CWpTrack))))
            child->SetTitleFont(&given);
}

// ---- content track --------------------------------------------------------------------------
int CWpTrack::IsLogScale() { return m_nLogScale; }
void CWpTrack::LogScale(int log) { Store(this, m_nLogScale, log, "CWpTrack::LogScale"); }
double CWpTrack::GetLeft() { return m_dLeft; }
void CWpTrack::SetLeft(float left) { Store(this, m_dLeft, left, "CWpTrack::SetLeft"); }
double CWpTrack::GetRight() { return m_dRight; }
void CWpTrack::SetRight(float right) { Store(this, m_dRight, right, "CWpTrack::SetRight"); }
int CWpTrack::GetScaleScope() { return m_nScaleScope; }
void CWpTrack::SetScaleScope(int scope) { Store(this, m_nScaleScope, scope, "CWpTrack::SetScaleScope"); }
int CWpTrack::GetDepthScope() { return m_nDepthScope; }
void CWpTrack::SetDepthScope(int scope) { Store(this, m_nDepthScope, scope, "CWpTrack::SetDepthScope"); }
int CWpTrack::IsShowScale() { return m_nShowScale; }
void CWpTrack::ShowScale(int show) { Store(this, m_nShowScale, show, "CWpTrack::ShowScale"); }
int CWpTrack::IsShowDepth() { return m_nShowDepth; }
void CWpTrack::ShowDepth(int show) { Store(this, m_nShowDepth, show, "CWpTrack::ShowDepth"); }
int CWpTrack::GetMinScale() { return m_nMinScale; }
void CWpTrack::SetMinScale(int count) { Store(this, m_nMinScale, count, "CWpTrack::SetMinScale"); }
int CWpTrack::IsShowMid() { return m_nShowMid; }
void CWpTrack::ShowMid(int show) { Store(this, m_nShowMid, show, "CWpTrack::ShowMid"); }
QXLOGPEN CWpTrack::GetMajScalePen() { return m_majScalePen; }
void CWpTrack::SetMajScalePen(const QXLOGPEN& pen) { Store(this, m_majScalePen, pen, "CWpTrack::SetMajScalePen"); }
QXLOGPEN CWpTrack::GetMidScalePen() { return m_midScalePen; }
void CWpTrack::SetMidScalePen(const QXLOGPEN& pen) { Store(this, m_midScalePen, pen, "CWpTrack::SetMidScalePen"); }
QXLOGPEN CWpTrack::GetMinScalePen() { return m_minScalePen; }
void CWpTrack::SetMinScalePen(const QXLOGPEN& pen) { Store(this, m_minScalePen, pen, "CWpTrack::SetMinScalePen"); }
float CWpTrack::GetMajDep() { return m_fMajDep; }
void CWpTrack::SetMajDep(float interval) {
    Store(this, m_fMajDep, interval, "CWpTrack::SetMajDep");
}
float CWpTrack::GetMidDep() { return m_fMidDep; }
void CWpTrack::SetMidDep(float interval) {
    Store(this, m_fMidDep, interval, "CWpTrack::SetMidDep");
}
float CWpTrack::GetMinDep() { return m_fMinDep; }
void CWpTrack::SetMinDep(float interval) {
    Store(this, m_fMinDep, interval, "CWpTrack::SetMinDep");
}
QXLOGPEN CWpTrack::GetMajDepPen() { return m_majDepPen; }
void CWpTrack::SetMajDepPen(const QXLOGPEN& pen) { Store(this, m_majDepPen, pen, "CWpTrack::SetMajDepPen"); }
QXLOGPEN CWpTrack::GetMidDepPen() { return m_midDepPen; }
void CWpTrack::SetMidDepPen(const QXLOGPEN& pen) { Store(this, m_midDepPen, pen, "CWpTrack::SetMidDepPen"); }
QXLOGPEN CWpTrack::GetMinDepPen() { return m_minDepPen; }
void CWpTrack::SetMinDepPen(const QXLOGPEN& pen) { Store(this, m_minDepPen, pen, "CWpTrack::SetMinDepPen"); }

// ---- depth track ----------------------------------------------------------------------------
double CWpDepth::GetDepthSpace() { return m_dDepthSpace; }
void CWpDepth::SetDepthSpace(double space) { Store(this, m_dDepthSpace, space, "CWpDepth::SetDepthSpace"); }
int CWpDepth::GetDepthAlign() { return m_nDepthAlign; }
void CWpDepth::SetDepthAlign(int align) { Store(this, m_nDepthAlign, align, "CWpDepth::SetDepthAlign"); }
QXLOGFONT CWpDepth::GetDepthFont() { return m_depthFont; }
void CWpDepth::SetDepthFont(const QXLOGFONT& font) { Store(this, m_depthFont, font, "CWpDepth::SetDepthFont"); }
double CWpDepth::GetTickSpace() { return m_dTickSpace; }
void CWpDepth::SetTickSpace(double space) { Store(this, m_dTickSpace, space, "CWpDepth::SetTickSpace"); }
int CWpDepth::GetTickNum() { return m_nTickNum; }
void CWpDepth::SetTickNum(int count) { Store(this, m_nTickNum, count, "CWpDepth::SetTickNum"); }
int CWpDepth::GetTickAlign() { return m_nTickAlign; }
void CWpDepth::SetTickAlign(int align) { Store(this, m_nTickAlign, align, "CWpDepth::SetTickAlign"); }
QXLOGPEN CWpDepth::GetTickPen() { return m_tickPen; }
void CWpDepth::SetTickPen(const QXLOGPEN& pen) { Store(this, m_tickPen, pen, "CWpDepth::SetTickPen"); }

// ---- production and injection profiles --------------------------------------------------------
bool CWpWaterEntry::IsProductedFluid() { return m_bProductedFluid; }
void CWpWaterEntry::SetProductedFluid(bool produced) {
    m_bProductedFluid = produced;
    Record("CWpWaterEntry::SetProductedFluid", this, Arg(produced ? 1 : 0));
    Stamp(this);
}
