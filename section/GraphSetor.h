// CGraphSetor: the base of the "图设置" page of a multi-well section (correlation, connection,
// reservoir, fence). It shows the section's display record (CMapProperty) in six parts: well
// template, layout, display range, other, missing strata and stratum-name style, and stores each
// edit in the record. The page of each section kind (GraphSetors.h) then has the section library
// apply the change; the steps they share are here.
#pragma once

#include <boost/shared_ptr.hpp>
#include <string>
#include <vector>

#include "framework/OptionTables.h"
#include "framework/PropSizeText.h"
#include "framework/WndLst.h"
#include "hosttypes/Parsnip/Geometry.h"
#include "section/GraphTexts.h"
#include "section/SectionOptions.h"
#include "section/SectionTexts.h"

class CMapProperty;
class ScContainer;
class ScObjInterface;

namespace graphsetor {

using namespace sectiontext;

// Option texts of the graph page and the record values they stand for (the depth and range types
// are in SectionOptions.h). Every projection shows as "投影"; "投影" itself stores the projection
// along X.
inline constexpr TextValue kSpacingTypes[] = {{kEqualSpacing, 0}, {kRealDistance, 1}, {kProjection, 2},
                                              {kProjection, 3},   {kProjection, 4},   {kProjection, 5}};
inline constexpr TextValue kProjectionTypes[] = {{kAlongX, 2}, {kAlongY, 3}, {kFirstToLast, 4}};
inline constexpr TextValue kConnectPositions[] = {
    {kWellTrack, 0}, {kWellColumn, 1}, {kContentTrack, 2}, {kStratumSandTrack, 3}, {kJointPositions, 4}};
inline constexpr TextValue kGrades[] = {{kGrade1, 0}, {kGrade2, 1}, {kGrade3, 2}, {kGrade4, 3}, {kGrade5, 4}};
inline constexpr TextValue kExtendForms[] = {{kHorizontalExtend, 0}, {kExtrapolatedExtend, 1}};
inline constexpr TextValue kNamePlaces[] = {{kLeftShown, 0}, {kRightShown, 1}, {kBothShown, 2}};

constexpr int kOtherSpacing = 7;  // the spacing type of a text that names none

// The spacing type a text stands for, read as the spacing and projection items read it: a spacing,
// else a projection, else kOtherSpacing.
inline int SpacingTypeOfText(const CString& text) {
    return ValueOfText(kSpacingTypes, text, ValueOfText(kProjectionTypes, text, kOtherSpacing));
}

constexpr int kJointConnect = 4;  // the connection position that shows both joint offsets

// The scale typed as "1:n" or "n": n when it is a number above 0 (ScUtility::JudgeFigure);
// false otherwise.
bool ReadScaleText(const CString& text, double* scale);
// "1:" and the scale as the shortest text that reads back as the same number.
CString ScaleText(double scale);

}  // namespace graphsetor

class CGraphSetor : public CWndLst {
public:
    enum : DWORD_PTR {
        kTemplateId = 1001,
        kLayoutId = 1002,
        kDepthTypeId = 1003,
        kSpacingTypeId = 1004,
        kIntervalId = 1005,
        kProjectionId = 1006,
        kSpacingLayerId = 1007,
        kXScaleId = 1008,
        kYScaleId = 1009,
        kConnectPosId = 1010,
        kLeftJointId = 1011,
        kRightJointId = 1012,
        kShowJointId = 1013,
        kFillBlankId = 1014,
        kGradeId = 1015,
        kRangeId = 1016,
        kRangeTypeId = 1017,
        kTopStratumId = 1018,
        kTopExtendId = 1019,
        kBottomStratumId = 1020,
        kBottomExtendId = 1021,
        kTopDepthId = 1022,
        kBottomDepthId = 1023,
        kOtherId = 1024,
        kWellWidthId = 1025,
        kLeftExtendId = 1026,
        kRightExtendId = 1027,
        kExtendFormId = 1028,
        kShowVirtualWellId = 1029,
        kMissingId = 1030,
        kCalVirtualId = 1031,
        kConnectVirtualId = 1032,
        kVirPenStyleId = 1033,
        kVirPenWidthId = 1034,
        kVirPenColorId = 1035,
        kNameFontId = 1036,
        kNameFaceId = 1037,
        kNameSizeId = 1038,
        kNameColorId = 1039,
        kNamePlaceId = 1040,
    };

    ~CGraphSetor() override;

    ScContainer* GetContainer() const { return m_pContainer; }
    double GetOldXScale() const { return m_dOldXScale; }
    double GetOldYScale() const { return m_dOldYScale; }

    // Takes the wells' current range into the record and back onto every well.
    virtual void UpdateDisplayRange();

protected:
    // The page of one section object (its container part; NULL for none).
    CGraphSetor(ScContainer* container, ScObjInterface* section);

    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    // Stores the edit in the record and marks the section modified.
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    // A refused text, whoever refused it (the item or the reader), leaves a number item showing
    // the stored value again, in the item's own decimals.
    void ShowItemAgain(CBCGPProp* item) override;

    // What one edit stored, for the steps of the section kinds.
    struct Edit {
        DWORD_PTR id = 0;
        CString text;
        bool hasNumber = false;  // the item's number was read
        double number = 0;
        double scale = 0;  // 1008, 1009: the scale taken
        double ratio = 1;  // and the ratio the wells are moved by: the scale before over it
        std::vector<FLOATPOINT> places;  // 1007 on a fence: where the wells go (FenceReferencePlaces)
        // The reader refused the item's text: nothing
        // was stored, the item shows the stored value again and nothing else runs for the edit.
        bool refused = false;
    };
    // The record write of one edited item (no modify flag); an id of no item stores nothing.
    Edit StoreEdit(CBCGPProp* item);
    void SetModified();
    // The edit of a page of one section kind: the record write and modify flag above, the kind's
    // steps for the item (GraphSetors.cpp), then the section's window updated and, but on
    // reservoirs, the modify flag set again.
    LRESULT ApplyEdit(LPARAM lParam);

    // The section kind (1 correlation, 2 connection, 3 reservoir, 4 fence; 0 without a section).
    int Kind() const;
    boost::shared_ptr<CMapProperty> Record() const;

    // ---- steps shared by the pages of the section kinds ----
    // The container's layout after a range edit (true after a top value); reservoirs also rebuild
    // their flow units with the interface lines.
    void RangeStep(bool top);
    // Sorts the wells, rebuilds the stratum groups and (but in correlations) the connection
    // groups, and refreshes the section.
    void RebuildStep();
    void RulerStep();
    void WellUpdateStep();
    void ScaleNotification(double xRatio, double yRatio);
    // Alignment is taken off the current section's wells around a range change, when aligned.
    void SuspendAlignment();
    void RestoreAlignment();
    // The section's stamp renewed, so that every page of it shows the change.
    void Stamp();
    // The spacing of the text (connection and correlation): the well positioner takes its spacing
    // type, the wells are placed for it and the section is refreshed.
    void ApplyWellSpacingType(const CString& text);
    // Every well of the section connects at position, in the well manager's order.
    void SetConnectPosAllWells(int position);

    ScContainer* m_pContainer;
    double m_dOldXScale;
    double m_dOldYScale;
    ScObjInterface* m_pSection;  // the section object the page was made for

private:
    friend class GraphSteps;
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id, TRUE); }
    // The X (x) or Y scale of a text and the ratio the section's wells are then moved by, the
    // scale they stand at over it: false for a text that is no scale, for scales whose ratio is
    // not a finite number above 0 both ways, and for a ratio that would move a well beyond the
    // range of a double. A scale item refuses what this refuses.
    bool ReadScale(const CString& text, bool x, double* scale, double* ratio) const;
    TextRule ScaleItemRule(bool x) const;
    // The scale the wells stand at: the record's; a reservoir's X scale is its scaler's.
    double CurrentScale(bool x) const;
    bool WellsStayFinite(bool x, double ratio) const;
    // Where a fence's reference move puts each well (one place per well, none without a well): its
    // distances over the record's X scale, in the record's units; no place at all when the record
    // has no usable X scale. False when a place is not a finite number.
    bool FenceReferencePlaces(std::vector<FLOATPOINT>* places) const;
    void SaveOldWellPositions();
    void StoreDepth(const Edit& edit, bool top, CMapProperty& record);

    void RefreshTemplate(const CMapProperty& record);
    void RefreshLayout(const CMapProperty& record);
    void RefreshRange(const CMapProperty& record);
    void RefreshOther(const CMapProperty& record);
    void RefreshMissing(const CMapProperty& record);
    void RefreshNameStyle(const CMapProperty& record);
};
