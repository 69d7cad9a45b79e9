// CLstParam: the "常规" page of a parameter kit: its title, its data source (type, table, field
// and whether empty values are shown) and the active interval's depths and value. The well's own
// data are stored as "当前井" and offered as "井数据"; a source is stored once it is complete
// (graphics at the type, well data at the table and again at the field, discrete data at the field).
#pragma once

#include "framework/WndLst.h"

class CWpKit;
class CWpParam;

class CLstParam : public CWndLst {
    DECLARE_DYNCREATE(CLstParam)
public:
    enum : DWORD_PTR {
        kTitleGroupId = 2000,
        kTitleTextId = 2001,
        kTitleDirectionId = 2002,
        kFontGroupId = 2003,
        kFontFaceId = 2004,
        kFontSizeId = 2005,
        kFontColorId = 2006,
        kSourceGroupId = 2007,
        kSourceTypeId = 2008,
        kTableId = 2009,
        kFieldId = 2010,
        kNullDisplayId = 2011,
        kSegmentGroupId = 2023,
        kTopDepthId = 2024,
        kBottomDepthId = 2025,
        kValueId = 2026,
    };

    CLstParam();
    // Keeps kit when it is a parameter kit.
    explicit CLstParam(CWpKit* kit);
    ~CLstParam() override;

    CWpParam* GetKit() const { return m_pKit; }

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    void ShowTitle(CWpParam* kit);
    bool ShowTitleSize(CWpParam* kit);
    void ShowSource(CWpParam* kit);
    void ShowNullDisplay(CWpParam* kit);
    void ShowSegment(CWpParam* kit);
    // Returns whether the kit and the view are redrawn: false for a title size refused.
    bool EditTitle(CWpParam* kit, CBCGPProp* item);
    void ChooseType(CWpParam* kit, const CString& type);
    void ChooseTable(CWpParam* kit, const CString& table);
    void ChooseField(CWpParam* kit, const CString& field);
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id); }

    CWpParam* m_pKit = nullptr;
};
