// CLstSingle: the "图设置" page of a single-well section. It shows and edits the section's
// template, its scales, where strata connect, the stratum grade, the displayed depth range and
// the well width; every edit goes straight into the section or its well, after which the well is
// recalculated, the section stamped, redrawn and marked modified.
#pragma once

#include <string>

#include "framework/OptionTables.h"
#include "framework/PropSizeText.h"
#include "framework/WndLst.h"
#include "section/GraphTexts.h"

class CSingleWellSection;
class CSglWellAdapter;

namespace single {
// Where neighbouring strata connect: on the well track's centre line (0) or on the well column (1).
inline constexpr TextValue kLapJoints[] = {{sectiontext::kWellTrack, 0}, {sectiontext::kWellColumn, 1}};
// The scale typed as "1:n" or "n": n when it is a number above FLT_EPSILON.
bool ReadSingleScale(const CString& text, double* scale);
// The depth to store for a typed bound: a top never lies below the bottom, a bottom never above
// the top. typed is the depth as shown (an elevation, depth type 2, with its sign reversed),
// other the stored opposite bound. False, nothing to store, when either is plus or minus FLT_MAX.
bool ClampDepth(double typed, double other, bool typedTop, int depthType, double* depth);
}  // namespace single

class CLstSingle : public CWndLst {
public:
    enum : DWORD_PTR {
        kTemplateId = 1000,
        kLayoutId = 1001,
        kXScaleId = 1002,
        kYScaleId = 1003,
        kLapJointId = 1004,
        kLeftTrackId = 1009,
        kRightTrackId = 1010,
        kGradeId = 1011,
        kRangeId = 1012,
        kRangeTypeId = 1013,
        kTopDepthId = 1014,
        kTopStratumId = 1015,
        kTopExtendId = 1016,
        kBottomDepthId = 1017,
        kBottomStratumId = 1018,
        kBottomExtendId = 1019,
        kWellWidthId = 1020,
    };

    explicit CLstSingle(CSingleWellSection* section);
    ~CLstSingle() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    // A refused text, whoever refused it (the item or the reader), leaves a number or scale item
    // showing the stored value again.
    void ShowItemAgain(CBCGPProp* item) override;

private:
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id, TRUE); }
    void RefreshLayout();
    void RefreshRange();
    // A stored bound as the page shows it: an elevation with its sign reversed.
    double ShownDepth(bool top) const;
    // The top options end at the bottom stratum, the bottom options start at the top stratum.
    void FillStratumOptions(const std::string& top, const std::string& bottom);

    // The X (x) or Y scale of a text, which the section takes over the one it holds: a scale
    // whose ratio to the stored one is not a finite number above 0 both ways is refused too. The
    // scale items refuse what this refuses.
    bool ReadScale(const CString& text, bool x, double* scale) const;
    // The edits of items a reader reads: false, nothing written, when it refuses the item's text.
    bool EditScale(CBCGPProp* item, bool x);
    // The lap joint and the range type take their two options only; any other text is refused.
    bool EditLapJoint(CBCGPProp* item);
    bool EditRangeType(CBCGPProp* item);
    void EditGrade(CBCGPProp* item);
    void ResetStrata(int grade);
    // The depth to store for the bound typed into item (ClampDepth over the well's other bound);
    // false, nothing to store, when the text or the other bound is refused. Its rule, for the items.
    bool ReadDepth(CBCGPProp* item, bool top, double* depth) const;
    TextRule DepthRule(bool top) const;
    bool EditDepth(CBCGPProp* item, bool top);
    bool EditExtend(CBCGPProp* item, bool top);
    bool EditWidth(CBCGPProp* item);
    // After every edit: the well recalculated, the section notified, stamped, redrawn, modified.
    void Tail();

    CSingleWellSection* m_pSection;
    CSglWellAdapter* m_pWell;
};
