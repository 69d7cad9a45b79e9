// CLstSandFill: the page of a sand fill of a section ("砂体填充" of multi-well sections, "砂体设置"
// of fences and reservoir sections). It shows the stratum of the fill and its fill type and, by
// type, the symbol the fill's sands use (a facies, lithology or oil-gas-water symbol) or its plain
// fill; an edit builds a brush that the current section applies to the fill's sand.
#pragma once

#include "framework/WndLst.h"
#include "hosttypes/Kestrel/StyleRecords.h"

class CnSandFill;

class CLstSandFill : public CWndLst {
public:
    enum : DWORD_PTR {
        kStratumId = 1000,
        kNumberId = 1001,
        kTypeId = 1002,
        kSymbolId = 1003,
        kCellSizeId = 1004,
        kLithologyGroupId = 1005,
        kFillGroupId = 7000,  // 7001 style set .. 7006 transparent background
    };
    // The cell size among the fill group's sub-items.
    static constexpr int kCellSizePosition = 4;
    // Which section the page is made for.
    enum Owner : int { kMultiWell = 1, kReservoir = 2, kFence = 3 };

    CLstSandFill(CnSandFill* fill, int owner);
    ~CLstSandFill() override;

    // The text of a fill type (0 facies, 1 lithology, 2 oil-gas-water, 3 plain, 4 custom, 5
    // none); "" for any other value. And back: the first four texts give their type, any other 5.
    static const char* FillTypeText(int type);
    static int FillTypeOfText(const CString& text);

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id, TRUE); }
    // The fill type "解释结论" shows, whose items the page builds and shows.
    int ShownType() const;
    void BuildTypeItems();
    void ShowTypeItems();
    // The symbol item of a facies, lithology or oil-gas-water fill: the name of the sand's symbol.
    void ShowSymbol(int type);
    void EditSymbol(CBCGPProp* item);
    void EditCellSize(CBCGPProp* item);
    void EditPlainFill(CBCGPProp* item);
    // Has the current section apply the brush to the fill's sand.
    void ApplyBrush(const QXLOGBRUSH& brush);

    CnSandFill* m_pFill;
    // "解释结论", the fill type item (owned by the grid).
    CBCGPProp* m_pTypeItem = nullptr;
    int m_nOwner;
    // Whether the cell size item shows a size an edit gave the section, not the refresh's text of
    // the fill object's brush (which the edits never write).
    bool m_bCellSizeEdited = false;
};
