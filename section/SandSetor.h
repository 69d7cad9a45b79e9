// CSandSetor: the "砂体设置" page of connection, fence and reservoir sections. It edits the
// section-wide sand-body settings of the section's display record (fill, sand layers shown,
// envelope, pinch-out, the interface between sand bodies and, for reservoirs, the oil-gas-water
// interface), has the section library rebuild what a setting affects and redraws the section.
#pragma once

#include <boost/shared_ptr.hpp>

#include "framework/WndLst.h"
#include "hosttypes/Kestrel/StyleRecords.h"

class CMapProperty;
class CnConnectionGroupMgr;
class ScContainer;
namespace KelReservoir::Connection {
class CkelReservoir;
}

class CSandSetor : public CWndLst {
public:
    enum : DWORD_PTR {
        kFillGroupId = 1001,
        kFillTypeId = 1002,
        kCellSizeId = 1003,
        kSingleFillId = 1004,  // fill group: 1005 style set .. 1010 transparent background
        kSandGroupId = 1011,
        kSandDisplayId = 1012,
        kEnvelopeId = 1013,  // show-line group: 1014 shown, 1015 style, 1016 width, 1017 colour
        kPinchoutGroupId = 1018,
        kPinchoutShowId = 1019,
        kPinchoutLengthId = 1020,
        kRiverShapeId = 1021,
        kSandDamShapeId = 1022,
        kLocalPinchoutId = 1023,
        kFaciesContactId = 1024,  // show-line group 1025 .. 1028
        kOswId = 1029,            // show-line group 1030 .. 1033
        kSeepageGroupId = 1034,
        kSeepageShowId = 1035,
        kSeepageFormId = 1036,
        kSeepageStyleId = 1037,
        kSeepageWidthId = 1038,
        kSeepageColorId = 1039,
    };

    explicit CSandSetor(ScContainer* container);
    ~CSandSetor() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    // A refused text, whoever refused it (the item or the reader), leaves a number item showing
    // the stored value again, in the item's own decimals.
    void ShowItemAgain(CBCGPProp* item) override;

private:
    int Kind() const;
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id, TRUE); }
    // Writes the edited item into the record and runs the follow-up the item calls for.
    // False when the reader refused the item's text:
    // nothing was written, and the edit ends with the item showing the stored value again.
    bool EditRecord(CMapProperty& record, CBCGPProp* item);
    // Refreshes of the seven groups, in grid order.
    void ShowFill(const CMapProperty& record);
    void ShowSandLayers(const CMapProperty& record);
    void ShowPinchout(const CMapProperty& record);
    void ShowInterfaces(const CMapProperty& record);
    // Follow-up steps the edits name.
    void UpdateSandFill(CMapProperty& record);
    void RebuildFlowUnits();
    void ApplyGroupPen(void (CnConnectionGroupMgr::*set)(const QXLOGPEN&), const QXLOGPEN& pen,
                       void (KelReservoir::Connection::CkelReservoir::*changed)());

    ScContainer* m_pContainer;
};
