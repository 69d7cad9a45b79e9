#include "hosttypes/Parsnip/QXObjectCurveText.h"

IMPLEMENT_DYNAMIC(CQXObjectCurveText, CQXObject)

CQXObjectCurveText::CQXObjectCurveText(CQXLayer* layer) : CQXObject(layer) { SetClassNameG("CQXObjectCurveText"); }
CQXObjectCurveText::~CQXObjectCurveText() = default;
