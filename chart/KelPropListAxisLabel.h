// CkelPropListAxisLabel: the "标签" page of a chart axis: for its major and its minor tick labels
// whether they show, their side, offsets, angle, font and number or date format; and how the
// lines of a label are arranged.
#pragma once

#include "chart/WndLstChart.h"

class IkelAxis;

class CkelPropListAxisLabel : public CWndLstChart {
public:
    // The minor labels repeat the major layout kMinorOffset further on.
    enum : DWORD_PTR {
        kMajorGroupId = 0,
        kMajorShowId = 1,
        kMajorPosGroupId = 2,
        kMajorSideId = 3,
        kMajorXOffsetId = 4,
        kMajorYOffsetId = 5,
        kMajorAngleId = 6,
        kMajorFontId = 7,
        kMajorFontFaceId = 8,
        kMajorFontSizeId = 9,
        kMajorFontColorId = 10,
        kMajorFormatId = 11,
        kMajorTypeId = 12,
        kMajorDecimalsId = 13,
        kMajorDateId = 14,
        kMinorGroupId = 15,
        kMinorShowId = 16,
        kMinorPosGroupId = 17,
        kMinorSideId = 18,
        kMinorXOffsetId = 19,
        kMinorYOffsetId = 20,
        kMinorAngleId = 21,
        kMinorFontId = 22,
        kMinorFontFaceId = 23,
        kMinorFontSizeId = 24,
        kMinorFontColorId = 25,
        kMinorFormatId = 26,
        kMinorTypeId = 27,
        kMinorDecimalsId = 28,
        kMinorDateId = 29,
        kTextGroupId = 30,
        kAlignId = 31,
    };
    static constexpr DWORD_PTR kMinorOffset = kMinorGroupId - kMajorGroupId;

    CkelPropListAxisLabel();
    ~CkelPropListAxisLabel() override;

protected:
    void BuildItems(CBCGPPropList& list) override;
    void ShowTarget(CBCGPPropList& list) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    bool ShowStoredValue(CBCGPProp* item) override;

private:
    // Shows one level's labels in the items from base on (0 major, kMinorOffset minor).
    void ShowLevel(CBCGPPropList& list, IkelAxis* axis, DWORD_PTR base, bool minor);
};

// The group (caption, id) with id+1 "位置", id+2 "横向偏移", id+3 "纵向偏移", id+4 "角度"; expanded.
CBCGPProp* CreateLabelPosProp(const CString& caption, DWORD_PTR id);
// The group (caption, id) with id+1 "类型", id+2 "小数位数", id+3 "日期样式"; expanded.
CBCGPProp* CreateLabelFormatProp(const CString& caption, DWORD_PTR id);

// Label sides (0 and 1) by axis type: 0, 2 "下部"/"上部", 1 "左部"/"右部", 3, 4 "外部"/"内部",
// 5, 6 "内部"/"外部"; any other side or type the empty text.
const char* LabelSideToText(int axisType, int side);
// A near-side text ("下部", "左部", "外部") 0 and a far-side one 1, swapped on axis types 5 and 6;
// any other text 0. With no axis, as a horizontal axis reads it.
int LabelSideFromText(IkelAxis* axis, const CString& text);
// Removes the item's options and offers the two of the axis type (no "无"); a side list also reads
// every side text as LabelSideFromText reads it on that type.
void SetLabelSideOptions(CBCGPProp* item, int axisType);
// "左部" 0, "右部" 1, any other text 2; back: any other value "居中". The arrangement list reads
// the same table.
int LabelAlignFromText(const CString& text);
const char* LabelAlignToText(int align);
