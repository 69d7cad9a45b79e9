// CLstFacies: the page "沉积相" of a facies kit: its title, where its facies come from (graphic
// data, the boundaries or data of a stratum level, or a discrete data set with its facies-type
// field), how facies names and dividing lines are drawn, and the facies of the active interval.
// It keeps the kit it was made for, re-reads it when the kit's stamp differs from the page's or
// another object was selected, and stamps the kit after the edits that change what it shows. The
// kit is the page's for its whole life: while the host has another kind of object selected the
// page still shows that kit, and an edit goes to it.
#pragma once

#include "framework/OptionTables.h"
#include "framework/WndLst.h"

class CWpKit;
class CWpFacies;

class CLstFacies : public CWndLst {
public:
    enum : DWORD_PTR {
        kTitleGroupId = 1001,
        kTitleNameId = 1002,
        kTitleDirectionId = 1003,
        kTitleFontId = 1004,  // sub-items 1005 .. 1007
        kSourceGroupId = 1008,
        kSourceTypeId = 1009,
        kTableId = 1010,
        kFieldId = 1011,
        kDisplayGroupId = 1012,
        kNameGroupId = 1013,
        kNameShowId = 1014,
        kNameFontId = 1015,  // sub-items 1016 .. 1018
        kDivideGroupId = 1019,
        kDivideShowId = 1020,
        kDividePenId = 1021,  // sub-items 1022 .. 1024
        kCurrentSegGroupId = 1025,
        kTopId = 1026,
        kBottomId = 1027,
        kFaciesNameId = 1028,
    };
    // The source code of a discrete data set.
    static constexpr int kDiscreteSource = 11;

    // Keeps kit when it is a facies kit.
    explicit CLstFacies(CWpKit* kit);
    ~CLstFacies() override;

protected:
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    void UpdateBCGPProperty(long object, CString name) override;
    int InitPropWnd() override;

private:
    // The kept kit (NULL when the page was made for another kind of kit).
    CWpFacies* Kit() const { return m_pKit; }
    CBCGPProp* Item(DWORD_PTR id) const;
    void ShowSource(CWpFacies* kit);
    void ShowDisplay(CWpFacies* kit);
    void ShowActiveSeg(CWpFacies* kit);
    void ChooseSource(CWpFacies* kit, int source);
    void ChooseField(CWpFacies* kit, CBCGPProp* item);
    void EditRecord(CWpFacies* kit, CBCGPProp* item);

    CWpFacies* m_pKit;
};

// The facies sources and their texts, both ways.
extern const TextValue kFaciesSources[12];
