#include "hosttypes/Parsnip/QXObjectPolyline.h"

IMPLEMENT_DYNAMIC(CQXObjectPolyline, CQXObject)
