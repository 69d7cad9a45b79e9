// CLstCurve: the page "曲线" of a curve kit: where its data come from, its title, unit and scale,
// the drawing form with the lines and symbols of each form, its horizontal fills and its marker
// line. It keeps the curve it was made for; scale, unit-font and title-font edits also reach the
// curves of the chosen scope.
#pragma once

#include <functional>
#include <type_traits>

#include "framework/WndLst.h"
#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Zephyr/WpContent.h"

class CLstCurve : public CWndLst {
public:
    enum : DWORD_PTR {
        kSourceId = 1001,
        kTableId = 1002,
        kCurveId = 1003,
        kTitleGroupId = 1004,
        kTitleTextId = 1005,
        kTitleScopeId = 1006,
        kTitleFontId = 1007,  // face, size, colour 1008 .. 1010
        kUnitGroupId = 1011,
        kUnitNameId = 1012,
        kUnitShownId = 1013,
        kUnitAlignId = 1014,
        kUnitScopeId = 1015,
        kUnitFontId = 1016,  // 1017 .. 1019
        kScaleGroupId = 1020,
        kScaleScopeId = 1021,
        kLimitShownId = 1022,
        kLimitAlignId = 1023,
        kScaleTypeId = 1024,
        kRangeTypeId = 1025,
        kDigitsId = 1026,
        kDirectionId = 1027,
        kLeftId = 1028,
        kRightId = 1029,
        kSecondScaleId = 1030,
        kMultiplesId = 1031,
        kLimitFontId = 1032,  // 1033 .. 1035
        kDrawGroupId = 1036,
        kFormId = 1037,
        kLineId = 1038,         // first scale's line: style, width, colour 1039 .. 1041
        kLine2Id = 1042,        // 1043 .. 1045
        kPointId = 1046,        // first scale's symbol: style, size, border, fill 1047 .. 1050
        kPoint2Id = 1051,       // 1052 .. 1055
        kScatterStepId = 1056,
        kStickLineId = 1057,    // 1058 .. 1060
        kStickStepId = 1061,
        kSquareLineId = 1062,   // 1063 .. 1065
        kSquareStepId = 1066,
        kFillGroupId = 1067,
        kFillListId = 1068,
        kFillShownId = 1069,
        kFillTargetId = 1070,
        kFillValueId = 1071,
        kLeftFillId = 1072,   // flag 1073, fill 1074 .. 1079
        kRightFillId = 1080,  // flag 1081, fill 1082 .. 1087
        kMarkGroupId = 1088,
        kMarkShownId = 1089,
        kMarkValueId = 1090,
        kMarkLineId = 1091,  // 1092 .. 1094
    };

    // The kit is kept as given; the page edits it only while it is a curve.
    explicit CLstCurve(CWpKit* kit = nullptr);
    ~CLstCurve() override;

    // The scopes of the page's curve: which curves (or kits) a scale, unit-font or title-font edit
    // reaches besides the curve itself. Nothing happens while the kept kit is no curve.
    //
    // Calls setter with value on every curve that scope reaches: 1 the other curves of the curve's
    // track, 2 the other curves in every content track of its well; none for any other scope, or
    // when the curve has no track or no well. One operation per kind of setter: one 32-bit value
    // (an int, a bool, an enumeration, or a font handed by reference), a float, and a float
    // followed by the int 0 (SetLeft, SetRight).
    template <class Value>
    void ApplyToScopeCurves(int scope, void (CWpCurve::*setter)(Value),
                            std::enable_if_t<!std::is_floating_point_v<Value>, Value> value) {
        ForEachScopeCurve(scope, [&](CWpCurve* other) { (other->*setter)(value); });
    }
    void ApplyToScopeCurves(int scope, void (CWpCurve::*setter)(float), float value);
    void ApplyToScopeCurves(int scope, void (CWpCurve::*setter)(float, int), float value);
    // Copies the curve's whole scale to the curves of its scale scope, each value to all of them in
    // turn: font, multiple, second scale, right, left, direction, decimal digits, range type, scale
    // type, values shown, their arrangement.
    void ApplyScaleToScope();
    // Gives font as title font to the kits of the curve's title-font scope: 0 the curve, 1 the
    // curves of its track, 2 every kit of its track, 3 the curves of every content track, 4 every
    // content track and every kit in them.
    void ApplyTitleFontToScope(const QXLOGFONT& font);

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    // The kept kit as a curve, while the selection is a curve too; otherwise NULL.
    CWpCurve* Curve() const;
    // The kept kit as a curve, whatever the selection; otherwise NULL.
    CWpCurve* KeptCurve() const;
    // The walk of ApplyToScopeCurves: visit gets each curve the scope reaches.
    void ForEachScopeCurve(int scope, const std::function<void(CWpCurve*)>& visit) const;

    void ShowSource(CWpCurve* curve);
    void ShowTitleAndUnit(CWpCurve* curve);
    void ShowScale(CWpCurve* curve);
    void ShowDrawing(CWpCurve* curve);
    void ShowFills(CWpCurve* curve);
    void ShowMarker(CWpCurve* curve);

    // Edits by kind; each returns after its setters, the common end follows in OnPropertyChanged.
    // Those that read a number answer false for one the page refuses; nothing is written then.
    // choice: the value a list's text stands for.
    bool EditItem(CWpCurve* curve, CBCGPProp* item, int choice);
    void EditSourceCurve(CWpCurve* curve, const CString& text);
    bool EditScale(CWpCurve* curve, CBCGPProp* item, int choice);
    bool EditDrawing(CWpCurve* curve, CBCGPProp* item, int choice);
    bool EditFillTarget(CWpCurve* curve, CBCGPProp* item);
    void EditFillValue(CWpCurve* curve, CBCGPProp* item);
    bool EditFillSide(CWpCurve* curve, CBCGPProp* item);

    CWpKit* m_pKit;
};

// The fill operation a fill-list text asks for: 0 add, 4 show all, 5 hide all, 6 delete all, and
// 7 + N for "填充" followed by N (N read after the first two characters); -1 for any other text.
int FillOperationOfText(const CString& text);
