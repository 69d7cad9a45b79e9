// CQXObjectCurveText: a text written along a curve. It is a map object of its own (no line
// and no point text), so no property list of the line or text kinds reaches it.
#pragma once

#include "hosttypes/Parsnip/QXObject.h"

class CQXObjectCurveText : public CQXObject {
    DECLARE_DYNAMIC(CQXObjectCurveText)
public:
    explicit CQXObjectCurveText(CQXLayer* layer = nullptr);
    ~CQXObjectCurveText() override;
};
