#include "hosttypes/Parsnip/QXObjectFinger.h"

#include <string>

IMPLEMENT_DYNAMIC(CQXObjectFinger, CQXObject)

CQXObjectFinger::CQXObjectFinger(CQXLayer* layer)
    : CQXObject(layer), m_strNorth("北"), m_strSouth("南"), m_strEast("东"), m_strWest("西") {
    SetClassNameG("CQXObjectFinger");
}
CQXObjectFinger::~CQXObjectFinger() = default;

int CQXObjectFinger::GetStyle() const { return m_nStyle; }

void CQXObjectFinger::SetStyle(int style) {
    m_nStyle = style;
    Touched("CQXObjectFinger::SetStyle", std::to_string(style));
}

void CQXObjectFinger::GetLogPen(QXLOGPEN* pen) const {
    if (pen) *pen = m_pen;
}

void CQXObjectFinger::SetLogPen(QXLOGPEN* pen) {
    if (!pen) return;
    m_pen = *pen;
    Touched("CQXObjectFinger::SetLogPen");
}

QXLOGBRUSH CQXObjectFinger::GetLeftBrush() const { return m_leftBrush; }

void CQXObjectFinger::SetLeftBrush(QXLOGBRUSH brush) {
    m_leftBrush = brush;
    Touched("CQXObjectFinger::SetLeftBrush");
}

QXLOGBRUSH CQXObjectFinger::GetRightBrush() const { return m_rightBrush; }

void CQXObjectFinger::SetRightBrush(QXLOGBRUSH brush) {
    m_rightBrush = brush;
    Touched("CQXObjectFinger::SetRightBrush");
}

CString CQXObjectFinger::GetNorthText() const { return m_strNorth; }

void CQXObjectFinger::SetNorthText(CString text) {
    m_strNorth = text;
    Touched("CQXObjectFinger::SetNorthText", text.str());
}

CString CQXObjectFinger::GetSouthText() const { return m_strSouth; }

void CQXObjectFinger::SetSouthText(CString text) {
    m_strSouth = text;
    Touched("CQXObjectFinger::SetSouthText", text.str());
}

CString CQXObjectFinger::GetEastText() const { return m_strEast; }

void CQXObjectFinger::SetEastText(CString text) {
    m_strEast = text;
    Touched("CQXObjectFinger::SetEastText", text.str());
}

CString CQXObjectFinger::GetWestText() const { return m_strWest; }

void CQXObjectFinger::SetWestText(CString text) {
    m_strWest = text;
    Touched("CQXObjectFinger::SetWestText", text.str());
}

void CQXObjectFinger::GetLogFont(QXLOGFONT* font) const {
    if (font) *font = m_font;
}

void CQXObjectFinger::SetLogFont(QXLOGFONT* font) {
    if (!font) return;
    m_font = *font;
    Touched("CQXObjectFinger::SetLogFont");
}
