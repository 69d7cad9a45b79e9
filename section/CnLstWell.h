// CnLstWell: the "井设置" page of the wells selected in a section. It shows the last selected
// well and applies every edit to all of them (template, width, display range by depth or by
// strata with extensions, and in connection sections the reference well for missing strata),
// after which the section library rebuilds the affected stratum and connection groups.
#pragma once

#include <vector>

#include "framework/WndLst.h"

class IkelWellAdapter;
class ScContainer;

class CnLstWell : public CWndLst {
public:
    enum : DWORD_PTR {
        kBasicId = 1001,
        kWellNameId = 1002,
        kTemplateId = 1003,
        kDepthTypeId = 1004,
        kWidthId = 1005,
        kRangeId = 1006,
        kRangeTypeId = 1007,
        kTopStratumId = 1008,
        kTopExtendId = 1009,
        kBottomStratumId = 1010,
        kBottomExtendId = 1011,
        kTopDepthId = 1012,
        kBottomDepthId = 1013,
        kMissingStrataId = 1014,
        kRefWellId = 1015,
    };
    // Modes: the section kind minus one.
    enum Mode : int { kCorrelation = 0, kConnection = 1, kReservoir = 2, kFence = 3 };
    static int ModeOfKind(int kind) { return kind - 1; }

    // Takes the wells among the current section's selected objects, in selection order.
    explicit CnLstWell(int mode);
    ~CnLstWell() override;

    const std::vector<IkelWellAdapter*>& GetWells() const { return m_wells; }

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    // A refused text, whoever refused it (the item or the reader), leaves a number item showing
    // the stored value again, in the item's own decimals.
    void ShowItemAgain(CBCGPProp* item) override;

private:
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id, TRUE); }
    void ShowBasic(const IkelWellAdapter& well, ScContainer* container);
    void ShowRange(const IkelWellAdapter& well, ScContainer* container);
    // Runs the edit on every well; the section is the current one.
    // False when the reader refused the item's text:
    // nothing was written, and the edit ends with the item showing the stored value again.
    bool Edit(CBCGPProp* item, ScContainer& container);
    void EditTemplate(const CString& text, ScContainer& container);
    void EditWidth(double width, ScContainer& container);
    void EditRangeType(int type, ScContainer& container);
    // A top or bottom stratum or depth: the wells save their state, each takes the value, the
    // groups above (top) or below it are rebuilt, then a reservoir with curves or faults goes back.
    bool EditRangeEnd(CBCGPProp* item, ScContainer& container);
    // A depth shown in a reservoir section is an elevation.
    double DepthSign() const { return m_nMode == kReservoir ? -1.0 : 1.0; }

    std::vector<IkelWellAdapter*> m_wells;
    int m_nMode;
};

// The finest stratification level (0 to 4) of which the well data hold strata; -1 when none.
int GetMaxStratumLevel();
