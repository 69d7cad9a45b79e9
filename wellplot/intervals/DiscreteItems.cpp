#include "wellplot/intervals/DiscreteItems.h"

#include "framework/PropItems.h"
#include "wellplot/intervals/DataSourceItems.h"

void ShowDiscreteBinding(CBCGPProp* table, CBCGPProp* field, const CString& tableName, const CString& fieldName) {
    if (!table || !field) return;
    OfferDiscreteBinding(table, field);
    SetItemText(table, tableName);
    FillDiscreteFieldOptions(tableName, field);
    SetItemText(field, fieldName);
}

void OfferDiscreteBinding(CBCGPProp* table, CBCGPProp* field) {
    if (!table || !field) return;
    AddSegmentDataOptions(table);
    table->Enable(TRUE);
    field->Enable(TRUE);
}

void ClearDiscreteBinding(CBCGPProp* table, CBCGPProp* field) {
    for (CBCGPProp* item : {table, field})
        if (item) {
            item->Enable(FALSE);
            item->RemoveAllOptions();
            SetItemText(item, "");
        }
}
