// CLstOilTestPie: the page "饼图" of an oil-test kit: how the kit draws its results as pie charts
// (shown or not, daily or cumulative data, the three colours, labels, outline, leader lines, radius)
// and the annotation beside each pie, whose data fields are listed above and below its middle line.
#pragma once

#include <vector>

#include "framework/WndLst.h"
#include "mfc/String.h"

class CWpKit;
class CWpOilTest;

class CLstOilTestPie : public CWndLst {
    DECLARE_DYNCREATE(CLstOilTestPie)
public:
    enum : DWORD_PTR {
        kShownId = 2000,
        kSourceGroupId = 2001,
        kDataChoiceId = 2002,
        kColorGroupId = 2003,
        kOilColorId = 2004,
        kGasColorId = 2005,
        kWaterColorId = 2006,
        kTextGroupId = 2007,
        kValueLabelId = 2008,
        kPercentLabelId = 2009,
        kLabelFontId = 2010,  // face 2011, size 2012, colour 2013
        kDecimalsId = 2014,
        kOutlineId = 2015,  // style 2016, width 2017, colour 2018
        kLeaderId = 2019,   // style 2020, width 2021, colour 2022
        kLeaderDrawnId = 2023,
        kRadiusGroupId = 2024,
        kRadiusModeId = 2025,
        kRadiusId = 2026,
        kNullValuesId = 2027,
        kSideGroupId = 2028,
        kSideShownId = 2029,
        kSideFontId = 2030,    // face 2031, size 2032, colour 2033
        kMiddleLineId = 2034,  // style 2035, width 2036, colour 2037
        kUpperCountId = 2038,
        kLowerCountId = 2039,
        kUpperGroupId = 2040,
        kFirstUpperId = 2041,
        kLowerGroupId = 2050,
        kFirstLowerId = 2051,
    };
    // Attribute items per list: the ids of one list end where the next group starts.
    static constexpr int kMaxAttributes = 9;
    // The count both count items start with: no list has it, so the first refresh fills them.
    static constexpr unsigned kUnfilledCount = 10;

    CLstOilTestPie();
    // Keeps kit when it is an oil-test kit.
    explicit CLstOilTestPie(CWpKit* kit);
    ~CLstOilTestPie() override;

    CWpOilTest* GetKit() const { return m_pKit; }

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    // The upper and lower attribute lists differ only by their items and kit list.
    struct AttributeList {
        DWORD_PTR countId;
        DWORD_PTR groupId;
        DWORD_PTR firstId;
        std::vector<CString> CWpOilTest::*entries;
    };
    static const AttributeList kUpper;
    static const AttributeList kLower;

    void RefreshAttributes(const AttributeList& list);
    void RefreshUpperAttributes() { RefreshAttributes(kUpper); }
    void RefreshLowerAttributes() { RefreshAttributes(kLower); }
    void EnablePieItems(bool on);
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id); }
    // False for a size or width refused, after its item showed the stored value again.
    bool EditFields(CBCGPProp* item);
    void EditAttribute(CBCGPProp* item);

    CWpOilTest* m_pKit = nullptr;
};
