#include "hosttypes/Parsnip/QXObjectWeb.h"

IMPLEMENT_DYNAMIC(CQXObjectWeb, CQXObject)

CQXObjectWeb::CQXObjectWeb(CQXLayer* layer) : CQXObject(layer) { SetClassNameG("CQXObjectWeb"); }
CQXObjectWeb::~CQXObjectWeb() = default;

void CQXObjectWeb::GetLogPen(QXLOGPEN* pen) const {
    if (pen) *pen = m_pen;
}

void CQXObjectWeb::SetLogPen(QXLOGPEN* pen) {
    if (!pen) return;
    m_pen = *pen;
    Touched("CQXObjectWeb::SetLogPen");
}
