// The property-grid control library: grid, items, toolbar and visual manager.
#pragma once

#include "bcg/ColorProp.h"
#include "bcg/DateTimeCtrl.h"
#include "bcg/DateTimeProp.h"
#include "bcg/Prop.h"
#include "bcg/PropList.h"
#include "bcg/ToolBar.h"
#include "bcg/VisualManager.h"
