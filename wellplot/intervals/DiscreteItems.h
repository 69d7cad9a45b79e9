// The table and field items of a discrete (segment data set) source, shared by the stratum,
// perforation and symbol pages.
#pragma once

#include "bcg/Prop.h"
#include "mfc/String.h"

// The table item offers the segment data sets and the field item the set's fields of type code 0;
// both show the given names and are enabled.
void ShowDiscreteBinding(CBCGPProp* table, CBCGPProp* field, const CString& tableName, const CString& fieldName);
// Both items offer their choice: the table item the segment data sets; both enabled.
void OfferDiscreteBinding(CBCGPProp* table, CBCGPProp* field);
// Both items disabled, without options and empty.
void ClearDiscreteBinding(CBCGPProp* table, CBCGPProp* field);
