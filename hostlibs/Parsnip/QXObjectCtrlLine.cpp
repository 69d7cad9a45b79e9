#include "hosttypes/Parsnip/QXObjectCtrlLine.h"

IMPLEMENT_DYNAMIC(CQXObjectCtrlLine, CQXObjectPolyline)

CQXObjectCtrlLine::CQXObjectCtrlLine(CQXLayer* layer) : CQXObjectPolyline(layer) { SetClassNameG("CQXObjectCtrlLine"); }
CQXObjectCtrlLine::~CQXObjectCtrlLine() = default;
