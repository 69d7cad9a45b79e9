// COilTestPage: the page "试油" of an oil-test kit. A sheet page of its own (not a list inside a
// CWndPag) holding a property list in its upper half, for the kit's title and display settings,
// and the cell grid CCellTypesGridCtrl in its lower half, which chooses the data field every cell
// of the kit's table shows. It answers the host's selection message itself.
#pragma once

#include "bcg/PropList.h"
#include "bcg/PropertyPage.h"
#include "framework/ItemGroupsBasic.h"
#include "mfc/Dc.h"

class CCellTypesGridCtrl;
class CWpKit;
class CWpOilTest;

// The page's property list: the control library's grid under a class name of its own.
class PropList : public CBCGPPropList {
    DECLARE_DYNAMIC(PropList)
};

class COilTestPage : public CBCGPPropertyPage {
    DECLARE_DYNCREATE(COilTestPage)
public:
    enum : DWORD_PTR {
        kTitleGroupId = 1004,
        kTitleTextId = 1005,
        kTitleDirectionId = 1006,
        kTitleFontId = 1007,  // face 1008, size 1009, colour 1010
        kTableGroupId = 1011,
        kTableAlignHId = 1012,
        kTableAlignVId = 1013,
        kRowsId = 1015,
        kColumnsId = 1016,
        kGridLineGroupId = 1017,
        kGridLineStyleId = 1018,
        kGridLineWidthId = 1019,
        kGridLineColorId = 1020,
        kCellFontGroupId = 1021,
        kCellFontFaceId = 1022,
        kCellFontSizeId = 1023,
        kCellFontColorId = 1024,
        kDisplayGroupId = 1032,
        kDisplayStyleId = 1033,
        kFillModeId = 1034,
        kFillColorId = 1035,
        kShowTextId = 1036,
        kTextTrackWidthId = 1037,
        kBarTrackWidthId = 1038,
        kDataChoiceId = 1039,
        kOilColorId = 1040,
        kGasColorId = 1041,
        kWaterColorId = 1042,
        kDividerShownId = 1043,
        kDividerGroupId = 1044,
        kDividerStyleId = 1045,
        kDividerWidthId = 1046,
        kDividerColorId = 1047,
        kLabelsShownId = 1048,
        kLabelFontGroupId = 1049,
        kLabelFaceId = 1050,
        kLabelSizeId = 1051,
        kLabelColorId = 1052,
        kDecimalsId = 1053,
        kLabelAlignHId = 1054,
        kLabelAlignVId = kVAlignPropId,
    };
    // Control ids of the two children.
    static constexpr UINT kListId = 2;
    static constexpr UINT kGridId = 1;

    COilTestPage();
    // Keeps kit when it is an oil-test kit.
    explicit COilTestPage(CWpKit* kit);
    ~COilTestPage() override;

    CWpOilTest* GetKit() const { return m_pKit; }
    CWnd* GetView() const { return m_pView; }
    PropList& GetPropList() { return m_wndList; }
    CCellTypesGridCtrl* GetCellGrid() const { return m_pGrid; }

    // The grid side (the cell grid calls back).
    void CreateCellGrid();
    void RebuildCellGrid();
    void FillCellOptions();
    // The kit redraws itself and its parent; a known view repaints at once.
    void RedrawKitAndView();

protected:
    BOOL OnInitDialog() override;
    LRESULT OnSelChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnGridItemChanged(WPARAM wParam, LPARAM lParam);
    void OnSize(UINT type, int cx, int cy);
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    void InitPropList();
    void RefreshItems();
    void RefreshGraphicItems();
    void BuildDisplayItems(int style);
    void BuildTableItems(CBCGPProp* group);
    CBCGPProp* Item(DWORD_PTR id) const;
    // Each false for a value refused, after its item showed the stored value again; choice is the
    // value a list's text stands for.
    bool EditItem(CBCGPProp* item, int choice);
    bool EditTableItem(CBCGPProp* item, int choice);
    bool EditGraphicItem(CBCGPProp* item, int choice);
    bool EditCount(CBCGPProp* item, int stored, void (CWpOilTest::*set)(int));

    PropList m_wndList;
    CFont m_font;
    uint64_t m_stamp = 0;
    CCellTypesGridCtrl* m_pGrid = nullptr;
    CWnd* m_pView = nullptr;
    CWpOilTest* m_pKit = nullptr;
};
