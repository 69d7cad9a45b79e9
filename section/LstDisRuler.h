// CLstDisRuler: the page of one distance ruler of a section: its indicator line and arrow, its
// lead lines and its label. Every edit goes through the ruler's manager to the selected rulers;
// a numeric edit stamps the ruler, and every edit marks the section modified and updates the ruler.
#pragma once

#include "framework/Export.h"
#include "framework/WndLst.h"
#include "section/SectionItems.h"

class ScDisRuler;

class TESSALY_API CLstDisRuler : public CWndLst {
public:
    enum : DWORD_PTR {
        kIndicatorId = 1000,
        kIndicatorStyleId = 1001,
        kIndicatorColorId = 1002,
        kIndicatorWidthId = 1003,
        kArrowId = 1004,
        kLeadId = 1005,
        kLeadHeightId = 1006,
        kLeadStyleId = 1007,
        kLeadColorId = 1008,
        kLeadWidthId = 1009,
        kLabelId = 1010,
        kUnitId = 1011,
        kFaceId = 1012,
        kFontSizeId = 1013,
        kFontColorId = 1014,
    };

    explicit CLstDisRuler(ScDisRuler* ruler);
    ~CLstDisRuler() override;

    ScDisRuler* GetRuler() const { return m_pRuler; }

protected:
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    void UpdateBCGPProperty(long object, CString name) override;
    int InitPropWnd() override;
    // A refused text, whoever refused it, leaves a number item showing the ruler's value again.
    void ShowItemAgain(CBCGPProp* item) override;

private:
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id, TRUE); }
    // The edit of one item through the manager; a number item's stamps the ruler. A number the
    // reader refuses is written nowhere: the edit ends with the item showing the ruler's value again.
    section::Edited Edit(CBCGPProp* item);

    ScDisRuler* m_pRuler;
};

// The unit text of a distance ruler's unit (0 to 5), NULL for any other.
const char* DisRulerUnitText(int unit);
