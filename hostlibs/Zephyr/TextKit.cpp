// The kit library's side of the text kit: the text's font, background, alignments and frame, and
// the depth range of its active segment.
#include <cmath>
#include <iterator>

#include "hostlibs/Zephyr/KitStore.h"
#include "hosttypes/Zephyr/WpText.h"

using zephyr::detail::PutIf;
using zephyr::detail::Record;
using zephyr::detail::Stamp;
using zephyr::detail::Store;

// A new text is written in 宋体 at 4 mm, black on white, at the top left, without a frame line.
CWpText::CWpText() : m_strAlignH("左对齐"), m_strAlignV("顶对齐") {
    m_textFont.SetFaceName("宋体");
    m_textFont.size = 400;
    m_textFont.backColor = RGB(255, 255, 255);
}

QXLOGFONT CWpText::GetTextFont() { return m_textFont; }
void CWpText::SetTextFont(QXLOGFONT font) { Store(this, m_textFont, font, "CWpText::SetTextFont"); }
void CWpText::SetTransparent(bool transparent) {
    Store(this, m_bTransparent, transparent, "CWpText::SetTransparent");
}
CString CWpText::GetTextAlignH() { return m_strAlignH; }
void CWpText::SetTextAlignH(CString align) { Store(this, m_strAlignH, align, "CWpText::SetTextAlignH"); }
CString CWpText::GetTextAlignV() { return m_strAlignV; }
void CWpText::SetTextAlignV(CString align) { Store(this, m_strAlignV, align, "CWpText::SetTextAlignV"); }
void CWpText::GetTextBoundaryPen(QXLOGPEN& pen) { pen = m_boundaryPen; }
void CWpText::SetTextBoundaryPen(QXLOGPEN* pen) {
    if (pen) Store(this, m_boundaryPen, *pen, "CWpText::SetTextBoundaryPen");
}

// ---- segments ----------------------------------------------------------------------------------
CgTextSegment* CWpText::AppendSegment(double top, double bottom) {
    auto* seg = new CgTextSegment;
    seg->top = top;
    seg->bottom = bottom;
    m_segments.push_back(seg);
    Record("CWpText::AppendSegment", this);
    Stamp(this);
    return seg;
}

void CWpText::SetActiveSegIndex(int i) { Store(this, m_nActiveSeg, i, "CWpText::SetActiveSegIndex"); }

CgTextSegment* CWpText::GetActiveSeg() {
    if (m_nActiveSeg < 0 || static_cast<std::size_t>(m_nActiveSeg) >= m_segments.size()) return nullptr;
    return *std::next(m_segments.begin(), m_nActiveSeg);
}

double CWpText::GetActiveSegTopDepth() {
    CgTextSegment* seg = GetActiveSeg();
    return seg ? seg->top : 0;
}

double CWpText::GetActiveSegBotDepth() {
    CgTextSegment* seg = GetActiveSeg();
    return seg ? seg->bottom : 0;
}

bool CWpText::SetActiveSegTopDepth(float depth) {
    CgTextSegment* seg = GetActiveSeg();
    const bool ok = seg && std::isfinite(depth) && !(depth >= seg->bottom);
    return PutIf(ok, this, seg ? &seg->top : nullptr, depth, "CWpText::SetActiveSegTopDepth");
}

bool CWpText::SetActiveSegBotDepth(float depth) {
    CgTextSegment* seg = GetActiveSeg();
    const bool ok = seg && std::isfinite(depth) && !(depth <= seg->top);
    return PutIf(ok, this, seg ? &seg->bottom : nullptr, depth, "CWpText::SetActiveSegBotDepth");
}
