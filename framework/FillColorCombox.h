// CFillColorCombox: an owner-drawn drop-down of fill colours, each entry a swatch drawn by the
// graph-tool library's fill tool.
#pragma once

#include <vector>

#include "framework/Export.h"
#include "mfc/Controls.h"

class CGraphStyleManager;

class TESSALY_API CFillColorCombox : public CComboBox {
    DECLARE_DYNAMIC(CFillColorCombox)
public:
    CFillColorCombox();

    // Keeps the flag; the entries are the colours added, whatever the group.
    void SetStyleGroup(const char* name, int flag);
    void SetValue(UINT value);
    void AddItem(DWORD value);
    void Initialize();
    // Lists every colour added, in order: text "%d" of the colour, item data the colour.
    void FillList();
    DWORD GetSelectedValue() const { return m_dwSelected; }
    int GetStyleGroupFlag() const { return m_nGroupFlag; }

    void DrawItem(LPDRAWITEMSTRUCT dis) override;
    void MeasureItem(LPMEASUREITEMSTRUCT mis) override;

protected:
    void OnCbnSelchange();
    DECLARE_MESSAGE_MAP()

private:
    DWORD m_dwSelected;
    CGraphStyleManager* m_pStyleManager;
    int m_nGroupFlag;
    std::vector<DWORD> m_values;
};
