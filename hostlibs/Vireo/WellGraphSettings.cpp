// The well graph's title, drawn interval and head pen. Setters store, renew the stamp and log.
#include "hosttypes/Vireo/QXObjectWellGraph.h"

CString CQXObjectWellGraph::GetTitle() const { return m_strTitle; }

void CQXObjectWellGraph::SetTitle(const char* title) {
    m_strTitle = title ? title : "";
    Touched("CQXObjectWellGraph::SetTitle", m_strTitle.GetString());
}

CString CQXObjectWellGraph::GetStartStratum() const { return m_strStartStratum; }

void CQXObjectWellGraph::SetStartStratum(const char* name) {
    m_strStartStratum = name ? name : "";
    Touched("CQXObjectWellGraph::SetStartStratum", m_strStartStratum.GetString());
}

CString CQXObjectWellGraph::GetStopStratum() const { return m_strStopStratum; }

void CQXObjectWellGraph::SetStopStratum(const char* name) {
    m_strStopStratum = name ? name : "";
    Touched("CQXObjectWellGraph::SetStopStratum", m_strStopStratum.GetString());
}

void CQXObjectWellGraph::GetHeadLogPen(QXLOGPEN* pen) const {
    if (pen) *pen = m_headPen;
}

void CQXObjectWellGraph::SetHeadLogPen(QXLOGPEN* pen) {
    if (!pen) return;
    m_headPen = *pen;
    Touched("CQXObjectWellGraph::SetHeadLogPen");
}
