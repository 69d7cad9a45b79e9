// The sand-body numbers of the sand-body line and area lists.
#pragma once

#include "bcg/Prop.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObject.h"
#include "mfc/String.h"

class CQXPropertyManager;

namespace sandlist {

// The bodies of the layer: the largest n for which "LOGBRUSH_1" .. "LOGBRUSH_n" all hold a fill
// in the layer's attributes; 0 without a layer.
int CountBodies(CQXLayer* layer);
// The body number item, pick only.
CBCGPProp* NewBodyItem(DWORD_PTR id);
// Shows the object's body number (its name) and offers "1" .. the bodies of its layer (none
// without a layer).
void ShowBody(CBCGPProp* item, CQXObject* object);
// The object joins the body: its name becomes the number. Answers the attribute store of its
// layer, which keeps the bodies' standard pens and fills; NULL without a layer.
CQXPropertyManager* JoinBody(CQXObject* object, const CString& number);

}  // namespace sandlist
