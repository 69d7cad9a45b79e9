// The property items of the chart pages: the number typed as text, and the items that open a
// chart dialog from the grid: the bar plot's
// data-series item ("数据系列", right click), the ternary plot's symbol-settings item ("符号设置",
// right click) and the class plot's uniform-symbol item (second button: "分类设置" when the
// symbols are not uniform). Each finds its chart object through the chart page that owns its grid;
// while that page has no object of the expected kind they do nothing.
#pragma once

#include "framework/PropEx.h"
#include "framework/PropSizeText.h"

class CWndLstChart;

// A number typed as text, refused by the rule its page reads it by (chart/ChartReaders.h), so that
// a refused text never reaches the page. A zero typed or reported with a minus sign ("-0", "-0.00")
// is taken and kept without the sign: the item never shows a negative zero.
class CBCGPPropChartNumber : public CBCGPropSizeText {
public:
    using CBCGPropSizeText::CBCGPropSizeText;

protected:
    bool Keeps(const CString& text, _variant_t* kept) const override;
};

namespace chart {
// An empty number item with the rule of its page's reader.
CBCGPProp* NewNumberItem(const char* label, const char* description, DWORD_PTR id, TextRule rule);
}  // namespace chart

class CBCGPPropBarDataSery : public CBCGPPropEx {
    DECLARE_DYNAMIC(CBCGPPropBarDataSery)
public:
    using CBCGPPropEx::CBCGPPropEx;
    // The data-series dialog on the bar plot's series group; after OK the plot is told and the
    // view repainted.
    void OnRClickValue(CPoint point, BOOL selChanged) override;
};

class CBCGPPropSymbolSet : public CBCGPPropEx {
    DECLARE_DYNAMIC(CBCGPPropSymbolSet)
public:
    using CBCGPPropEx::CBCGPPropEx;
    // The symbol dialog on the ternary plot (it writes the symbols itself).
    void OnRClickValue(CPoint point, BOOL selChanged) override;
};

// The class plot's uniform-symbol item: a plain item built with no options (its page adds "是" and
// "否") and the two-button layout of the style-template items: the drop-down button, then a
// second button of its own.
class CPropLstUniSetSymbol : public CBCGPProp {
public:
    CPropLstUniSetSymbol(const CString& name, CString value, LPCTSTR description, DWORD_PTR data,
                         const CString& buttonCaption);
    ~CPropLstUniSetSymbol() override;

    void SetOwnerPage(CWndLstChart* page) { m_pPage = page; }
    CWndLstChart* GetOwnerPage() const { return m_pPage; }
    const CRect& GetFirstButtonRect() const { return m_rectFirst; }
    const CRect& GetSecondButtonRect() const { return m_rectSecond; }

    void OnDrawButton(CDC* dc, CRect rect) override;
    void OnClickButton(CPoint point) override;
    void AdjustButtonRect() override;
    // The second button with the caption centred in it.
    virtual void OnDrawButtonEX(CDC* dc, CRect rect);
    // "否": the classification dialog, then the view repainted; "是": the view repainted; no
    // value: nothing.
    virtual void OnClickButtonEx(CPoint point);

private:
    CRect m_rectFirst;
    CString m_strButtonCaption;
    void* m_pReserved = nullptr;
    CWndLstChart* m_pPage = nullptr;
    CRect m_rectSecond;
};
