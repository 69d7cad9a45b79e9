// The sub-items of a fill group built by CreateFillProp with item data 7000, and the brush field
// each edits. Lists of more than one family number their fill group so and read it here.
#pragma once

#include "bcg/Prop.h"
#include "hosttypes/Kestrel/StyleRecords.h"

// The fill group and its sub-items in display order.
constexpr DWORD_PTR kPlaneFillGroupId = 7000;
constexpr DWORD_PTR kPlaneFillStyleSetId = kPlaneFillGroupId + 1;
constexpr DWORD_PTR kPlaneFillStyleId = kPlaneFillGroupId + 2;
constexpr DWORD_PTR kPlaneFillLineColorId = kPlaneFillGroupId + 3;
constexpr DWORD_PTR kPlaneFillColorId = kPlaneFillGroupId + 4;
constexpr DWORD_PTR kPlaneFillCellSizeId = kPlaneFillGroupId + 5;
constexpr DWORD_PTR kPlaneFillTransparentId = kPlaneFillGroupId + 6;

// Reads one edited sub-item of the fill group 7000 (7001 .. 7006) into brush. False, with brush
// untouched, when nothing is to be written: an empty style set, a cell size that is no number of
// 0 or more, another id. A style set also switches the group's style picker to that set and its
// first style.
bool ReadFillSubItem(CBCGPProp* item, QXLOGBRUSH* brush);
