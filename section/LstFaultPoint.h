// CLstFaultPoint: the "断点" page of a fault point of a correlation section: where and how the
// point is drawn on its well column, its label with up to seven fields, and the fault data it
// carries. Drawing edits go to the point alone, to every point of its well or to every point of
// the section, as the point's apply scope says; fault data always to the point alone.
#pragma once

#include "framework/WndLst.h"

class CrFaultPoint;

class CLstFaultPoint : public CWndLst {
public:
    enum : DWORD_PTR {
        kDisplayId = 1001,
        kDisplayStyleId = 1002,
        kSymbolId = 1003,
        kSymbolStyleId = 1004,
        kSymbolSizeId = 1005,
        kSymbolBorderId = 1006,
        kSymbolInnerId = 1007,
        kApplyId = 1008,
        kFaultDataId = 1009,
        kFaultStratumId = 1010,
        kFaultNumberId = 1011,
        kFaultDepthId = 1012,
        kFaultThrowId = 1013,
        kCompareWellId = 1014,
        kCompareDepthId = 1015,
        kMissingTopId = 1016,
        kMissingBottomId = 1017,
        kLabelId = 1018,
        kLabelShownId = 1019,
        kFieldCountId = 1020,
        kLabelPositionId = 1021,
        kLabelPlaceId = 1022,
        kXOffsetId = 1023,
        kYOffsetId = 1024,
        kFontId = 1025,
        kFontFaceId = 1026,
        kFontSizeId = 1027,
        kFontColorId = 1028,
        kFieldsId = 1029,
        kFirstFieldId = 1030,
    };
    // One field item per kind of value a label can show.
    static constexpr int kFieldKinds = 7;

    explicit CLstFaultPoint(CrFaultPoint* point);
    ~CLstFaultPoint() override;

protected:
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    void UpdateBCGPProperty(long object, CString name) override;
    int InitPropWnd() override;
    // A refused text, whoever refused it (the item or the reader), leaves a number item showing
    // the stored value again, in the item's own decimals.
    void ShowItemAgain(CBCGPProp* item) override;

private:
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id, TRUE); }
    CBCGPProp* BuildLabelGroup();
    void ShowLabel(CBCGPProp* label);
    void RebuildFields(bool shown);
    void ShowFaultData(CBCGPProp* data);
    // The edit written to the points in scope; false, nothing written, when the reader refuses the
    // item's text.
    bool Edit(CBCGPProp* item);
    bool EditFieldCount(CBCGPProp* item);
    // Applies set to every point in the point's apply scope: itself (0), the points of its well
    // (1) or of the section (2); no point for any other scope.
    template <class Set>
    void ApplyInScope(Set set);

    CrFaultPoint* m_pPoint;
};

// The number of label fields a typed count asks for, kept to the field kinds (0 to 7).
int ClampFieldCount(double count);
