// CLstWaterEntry: the page "产液" of a production profile kit, "吸水" of an injection profile kit.
// It shows where the bars' values come from (source type, scattered table and time column, date
// range), the title font, the bar width, the top and bottom lines, the number of parameters shown
// and one group per parameter (field, value range, colour, decimals, value labels). Every edit goes
// straight into the kit, which is then redrawn; a value the page refuses writes and redraws nothing,
// without a message: its item alone shows the stored value again. A change of the source type or of
// the parameter count rebuilds the items from inside the edit handler, so the handler reads all it
// needs of the edited item before that.
#pragma once

#include "wellplot/intervals/LstContent.h"

class CWpWaterEntry;

class CLstWaterEntry : public CLstContent {
    DECLARE_DYNCREATE(CLstWaterEntry)
public:
    enum : DWORD_PTR {
        kSourceGroupId = 1200,
        kSourceTypeId = 1201,
        kTableId = 1202,
        kTimeFieldId = 1203,
        kStartDateId = 1204,
        kEndDateId = 1205,
        kTitleFontId = 1206,
        kTitleFaceId = 1207,
        kTitleSizeId = 1208,
        kTitleColorId = 1209,
        kDrawWidthId = 1210,
        kDepthLineGroupId = 1211,
        kDepthLineShowId = 1212,
        kDepthLineStyleId = 1213,
        kDepthLineWidthId = 1214,
        kDepthLineColorId = 1215,
        kParamCountId = 3000,
        // Parameter i's items: kParamBaseId + kParamStride * i + a ParamItem.
        kParamBaseId = 3001,
        kParamStride = 100,
    };
    // The items of one parameter, by their offset from its group.
    enum ParamItem : DWORD_PTR {
        kParamGroup = 0,
        kParamField = 1,
        kParamLeft = 2,
        kParamRight = 3,
        kParamColor = 4,
        kParamDigits = 5,
        kLabelGroup = 6,
        kLabelShow = 7,
        kLabelFace = 8,
        kLabelSize = 9,
        kLabelColor = 10,
        kLabelAlign = 11,
    };
    // The most parameters the page shows; a kit reporting more is not read.
    static constexpr int kMaxParams = 100;

    static constexpr DWORD_PTR ParamItemId(int i, ParamItem item) {
        return kParamBaseId + kParamStride * static_cast<DWORD_PTR>(i) + item;
    }

    // Run-time creation: a page without a kit, which shows nothing and edits nothing.
    CLstWaterEntry();
    // A page for kit when it is a profile kit, built with the kit's parameter count.
    explicit CLstWaterEntry(CWpKit* kit);
    ~CLstWaterEntry() override;

protected:
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    void UpdateBCGPProperty(long object, CString name) override;
    int InitPropWnd() override;

private:
    struct Edit;

    // The selection as a profile kit, for a page made with a kit; otherwise NULL.
    CWpWaterEntry* Kit() const;
    CBCGPProp* Item(DWORD_PTR id) const;
    void BuildItems(CWpWaterEntry* kit);
    CBCGPProp* NewParamGroup(CWpWaterEntry* kit, int i);

    void ShowCountOptions(CWpWaterEntry* kit);
    void ShowSource(CWpWaterEntry* kit);
    void ShowDates(CWpWaterEntry* kit, CBCGPProp* group);
    void ShowTitleFont(CWpWaterEntry* kit);
    void ShowDepthLine(CWpWaterEntry* kit);
    void ShowParam(CWpWaterEntry* kit, int i);

    // False when the type chosen is the kit's already (then nothing happens at all).
    bool ChooseSource(CWpWaterEntry* kit, const Edit& edit);
    // Each false for a value the page refuses: nothing is written.
    bool ChooseCount(CWpWaterEntry* kit, const Edit& edit);
    void ChooseTable(CWpWaterEntry* kit, const Edit& edit);
    void EditTitleFont(CWpWaterEntry* kit, const Edit& edit);
    bool EditParam(CWpWaterEntry* kit, const Edit& edit);
    // A number or pick-list item shows the stored value as the refresh shows it; others are left alone.
    void ShowStored(CWpWaterEntry* kit, CBCGPProp* item);
    static CString SizeText(CWpWaterEntry* kit, DWORD_PTR id);
    void ShowTaken(CWpWaterEntry* kit, CBCGPProp* item);
    void ClearSourceOptions();
    void RefreshAfterRebuild(CWpWaterEntry* kit);

    CWpWaterEntry* m_pKit = nullptr;
    int m_nParamCount = 0;
    CString m_strSource;
};
