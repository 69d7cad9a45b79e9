// CsglLstWell: the "井设置" page of the well of a single-well section: its name, template, depth
// type, width and depth range; the template and the width can be changed. ScDecimalFormator
// writes the depth range.
#pragma once

#include "framework/WndLst.h"

class CSglWellAdapter;

// The module's one number formatter of section texts: a fixed count of decimals (2).
class ScDecimalFormator {
public:
    // Made on first use, destroyed when the module is unloaded.
    static ScDecimalFormator& Instance();
    // Ends the instance (module unload); the next Instance() makes a new one.
    static void Release();

    CString Format(float value) const { return Format(static_cast<double>(value)); }
    CString Format(double value) const;
    CString Format(int value) const;
    int GetDigits() const { return m_nDigits; }

private:
    ScDecimalFormator() = default;
    int m_nDigits = 2;
};

class CsglLstWell : public CWndLst {
public:
    enum : DWORD_PTR {
        kBasicId = 1000,
        kWellNameId = 1001,
        kTemplateId = 1002,
        kDepthTypeId = 1003,
        kWidthId = 1004,
        kDepthRangeId = 1100,
    };

    explicit CsglLstWell(CSglWellAdapter* well);
    ~CsglLstWell() override;

    // The range text: top and bottom joined by ","; elevations (depth type 2) negated unless 0.
    static CString DepthRangeText(const CSglWellAdapter& well);

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    // A refused width, whoever refused it (the item or the reader), shows the well's again.
    void ShowItemAgain(CBCGPProp* item) override;

private:
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id, TRUE); }

    CSglWellAdapter* m_pWell;
};
