// CLstRulerFrame: the "图框" page of the ruler frame of a multi-well or reservoir section: its
// frame line, the left/right and horizontal ticks and labels, the grid, the title and the
// inscription. Every item is one row of a table (item data, label, kind, the frame's value, the
// conversion between shown and kept value, whether an edit stamps the frame); an edit goes into the
// frame selected in the host, which then redraws itself, and marks the section modified.
#pragma once

#include "framework/Export.h"
#include "framework/WndLst.h"

class ScRulerFrame;

class TESSALY_API CLstRulerFrame : public CWndLst {
public:
    enum : DWORD_PTR {
        kFrameGroupId = 1000,
        kFrameStyleId = 1001,
        kFrameColorId = 1002,
        kFrameWidthId = 1003,
        kSideGroupId = 1004,
        kSideShowId = 1005,
        kSidePosId = 1006,
        kStartDepthId = 1007,
        kEndDepthId = 1008,
        kSideIntervalId = 1009,
        kSideMajorGroupId = 1010,
        kSideMajorTimesId = 1011,
        kSideMajorLengthId = 1012,
        kSideMajorColorId = 1013,
        kSideMajorWidthId = 1014,
        kSideMinorGroupId = 1015,
        kSideMinorLengthId = 1016,
        kSideMinorColorId = 1017,
        kSideMinorWidthId = 1018,
        kSideLabelGroupId = 1019,
        kSideLabelFaceId = 1020,
        kSideLabelSizeId = 1021,
        kSideLabelColorId = 1022,
        kLevelGroupId = 1023,
        kLevelShowId = 1024,
        kLevelPosId = 1025,
        kLevelIntervalId = 1026,
        kLevelMajorGroupId = 1027,
        kLevelMajorTimesId = 1028,
        kLevelMajorLengthId = 1029,
        kLevelMajorColorId = 1030,
        kLevelMajorWidthId = 1031,
        kLevelMinorGroupId = 1032,
        kLevelMinorLengthId = 1033,
        kLevelMinorColorId = 1034,
        kLevelMinorWidthId = 1035,
        kLevelLabelGroupId = 1036,
        kLevelLabelFaceId = 1037,
        kLevelLabelSizeId = 1038,
        kLevelLabelColorId = 1039,
        kGridGroupId = 1040,
        kGridShowId = 1041,
        kLevelGridGroupId = 1042,
        kLevelGridTimesId = 1043,
        kLevelGridStyleId = 1044,
        kLevelGridColorId = 1045,
        kLevelGridWidthId = 1046,
        kLevelGridIntervalId = 1047,
        kUprightGridGroupId = 1048,
        kUprightGridTimesId = 1049,
        kUprightGridStyleId = 1050,
        kUprightGridColorId = 1051,
        kUprightGridWidthId = 1052,
        kUprightGridIntervalId = 1053,
        kTitleGroupId = 1054,
        kTitleTextId = 1055,
        kTitleOffsetId = 1056,
        kTitleFaceId = 1057,
        kTitleSizeId = 1058,
        kTitleColorId = 1059,
        kInscribeGroupId = 1060,
        kInscribeShowId = 1061,
        kInscribePosId = 1062,
        kInscribeTextId = 1063,
        kInscribeOffsetId = 1064,
        kInscribeFaceId = 1065,
        kInscribeSizeId = 1066,
        kInscribeColorId = 1067,
    };

    explicit CLstRulerFrame(ScRulerFrame* frame);
    ~CLstRulerFrame() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    // A refused text, whoever refused it (the item or the reader), leaves a number item showing
    // the frame's value again, in the item's own decimals.
    void ShowItemAgain(CBCGPProp* item) override;

private:
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id, TRUE); }

    ScRulerFrame* m_pFrame;
};
