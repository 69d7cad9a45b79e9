// CLstDepthRuler: the page of one depth ruler of a section: its title and title font, the marks
// and labels of each side, and the four border lines. A numeric edit stamps the ruler; every
// edit has the ruler update itself and marks the section modified.
#pragma once

#include "framework/Export.h"
#include "framework/WndLst.h"
#include "section/SectionItems.h"

class ScDepthRuler;

class TESSALY_API CLstDepthRuler : public CWndLst {
public:
    enum : DWORD_PTR {
        kTitleId = 7001,
        kTitleTextId = 7002,
        kTitleFaceId = 7003,
        kTitleSizeId = 7004,
        kTitleColorId = 7005,
        kSidesId = 7006,
        // The left side; each right-side item is kRightOffset higher.
        kLeftSideId = 7007,
        kMarksShownId = 7008,
        kDepthUnitId = 7010,
        kIntervalId = 7011,
        kMajorId = 7012,
        kMajorTimesId = 7013,
        kMajorLengthId = 7014,
        kMajorStyleId = 7015,
        kMajorColorId = 7016,
        kMajorWidthId = 7017,
        kMinorId = 7018,
        kMinorLengthId = 7019,
        kMinorStyleId = 7020,
        kMinorColorId = 7021,
        kMinorWidthId = 7022,
        kLabelId = 7023,
        kLabelFaceId = 7024,
        kLabelSizeId = 7025,
        kLabelColorId = 7026,
        kRightSideId = 7027,
        kRightOffset = 20,
        // Borders: a group, then shown, style, colour and width; each border kBorderStep higher.
        kBordersId = 7047,
        kTopBorderId = 7048,
        kBottomBorderId = 7053,
        kLeftBorderId = 7058,
        kRightBorderId = 7063,
        kBorderStep = 5,
        kBorderShownOffset = 1,
        kBorderStyleOffset = 2,
        kBorderColorOffset = 3,
        kBorderWidthOffset = 4,
    };

    explicit CLstDepthRuler(ScDepthRuler* ruler);
    ~CLstDepthRuler() override;

    ScDepthRuler* GetRuler() const { return m_pRuler; }
    // Passes the flag to the map object the ruler's manager refers to.
    void SetModifyFlag(bool modified);

protected:
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    void UpdateBCGPProperty(long object, CString name) override;
    int InitPropWnd() override;
    // A refused text, whoever refused it, leaves a number item showing the ruler's value again.
    void ShowItemAgain(CBCGPProp* item) override;

private:
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id, TRUE); }
    CBCGPProp* BuildSide(bool left, bool expanded);
    CBCGPProp* BuildBorder(int border, bool expanded);
    void ShowSide(bool left);
    void ShowBorders();
    // The edit of one item; true when it is a numeric item (the ruler is then stamped).
    // A number the reader refuses is written nowhere:
    // the edit ends with the item showing the ruler's value again.
    section::Edited Edit(CBCGPProp* item);
    section::Edited EditSide(CBCGPProp* item, bool left, DWORD_PTR leftId);
    section::Edited EditBorder(CBCGPProp* item, DWORD_PTR id);

    ScDepthRuler* m_pRuler;
};
