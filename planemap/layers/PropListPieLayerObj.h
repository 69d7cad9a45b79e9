// CPropListPieLayerObj: the "显示" page of a pie layer: how its chart symbols are drawn: the label
// contents and font, the outline pen, the point of dynamic bar charts, the offsets and the place
// of each property, the indicator and bottom lines, fixed or proportional radius, the sizes of the
// layer's shape and the scale of its coordinate system.
#pragma once

#include "hosttypes/Moraine/PieLayer.h"
#include "planemap/layers/LayerPage.h"
#include "planemap/layers/PieItems.h"

class CPropListPieLayerObj : public TLayerPage<kel::plane::CPieLayer> {
public:
    enum : DWORD_PTR {
        kTextGroupId = 100,
        kFaceId = 101,
        kFontSizeId = 102,
        kFontColorId = 103,
        kTextPosId = 104,
        kDecimalsId = 105,
        kPenGroupId = 110,
        kPenStyleId = 111,
        kPenWidthId = 112,
        kPenColorId = 113,
        kPlaceGroupId = 120,
        kXMoveId = 121,
        kYMoveId = 122,
        kControlGroupId = 130,
        kRadiusId = 131,
        kRadiusModeId = 132,
        kNullShowId = 133,
        kIndicatorGroupId = 140,
        kIndicatorDrawId = 141,
        kIndicatorColorId = 142,
        kIndicatorStyleId = 143,
        kIndicatorWidthId = 144,
        kSizeGroupId = 150,
        kBarWidthId = 152,
        kBarHeightId = 153,
        kBarIntervalId = 155,
        kBarCurveHeightId = 156,
        kEachMaxId = 157,
        kUpRadiusId = 159,
        kDownRadiusId = 160,
        kScaleGroupId = 170,
        kScaleDrawId = 172,
        kScaleFactorId = 173,
        kBottomGroupId = 210,
        kBottomDrawId = 211,
        kBottomWidthId = 212,
        kBottomColorId = 213,
        kBottomLengthId = 214,
        kBottomStyleId = 215,
        kBarCountId = 310,
        kDataPosGroupId = 410,
        kFirstDataPosId = 412,  // 412 + property index
        kDrawType1Id = 440,
        kDrawType2Id = 441,
        kFirstContentId = 501,  // 500 + content line 1 to 3
        kLastContentId = 503,
        kPointGroupId = 800,
        kPointStyleId = 801,
        kPointSizeId = 802,
        kPointBorderColorId = 803,
        kPointFillColorId = 804,
    };
    static constexpr pieitems::SizeIds kSizeIds = {kRadiusId,    kUpRadiusId,    kDownRadiusId,     kBarWidthId,
                                                   kBarHeightId, kBarIntervalId, kBarCurveHeightId, kBarCountId};

    // The code of a label content text; 0 for any other text. The content lists read their texts so.
    static int TextShowStyleFromName(const CString& text);

protected:
    int InitPropWnd() override;
    void RefreshLayer(kel::plane::CPieLayer& layer) override;
    bool OnLayerItemChanged(kel::plane::CPieLayer& layer, CBCGPProp* item) override;
    void ShowStoredItem(kel::plane::CPieLayer& layer, CBCGPProp* item) override;

private:
    void RebuildSizes(int shape);
    void RebuildTexts(kel::plane::CPieLayer& layer, int shape);
    void RebuildDataPositions(kel::plane::CPieLayer& layer, int shape, int records);
    void ShowPoint(kel::plane::CPieLayer& layer);
    void ShowBottomLine(kel::plane::CPieLayer& layer, int shape);
    void ShowSizes(kel::plane::CPieLayer& layer, int shape, int records, bool rebuilt);
    void ShowScale(kel::plane::CPieLayer& layer, int shape);
    bool ShowScaleFactor(kel::plane::CPieLayer& layer, CBCGPProp* factor);
    void ApplyPenEdit(kel::plane::CPieLayer& layer, CBCGPProp* item);
    void ApplySizeEdit(kel::plane::CPieLayer& layer, CBCGPProp* item);

    // The shape the "大小" rows were built for and the record count "条数" offers options for.
    int m_nBuiltShape = 0;
    int m_nBuiltRecords = 1;
};
