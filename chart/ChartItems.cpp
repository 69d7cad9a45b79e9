#include "chart/ChartItems.h"

#include "chart/DlgBarDataSerySet.h"
#include "chart/DlgChartClassSet.h"
#include "chart/DlgTerSymbol.h"
#include "chart/KelPropListBarPlot.h"
#include "chart/WndLstChart.h"
#include "framework/GroupTexts.h"
#include "framework/NumberText.h"
#include "framework/PropItems.h"
#include "framework/PropListEx.h"
#include "framework/TwoButtonProp.h"
#include "hosttypes/Thistle/Plots.h"
#include "mfc/Dc.h"
#include "mfc/Variant.h"

bool CBCGPPropChartNumber::Keeps(const CString& text, _variant_t* kept) const {
    if (!CBCGPropSizeText::Keeps(text, kept)) return false;
    CString typed(text);
    typed.TrimLeft();
    double value = 1;
    if (kept->vt == VT_BSTR && !typed.IsEmpty() && typed[0] == '-' && numtext::StartsWithNumber(typed) &&
        numtext::LeadingNumber(typed, &value) && value == 0)
        *kept = _variant_t(typed.Mid(1));
    return true;
}

namespace chart {
CBCGPProp* NewNumberItem(const char* label, const char* description, DWORD_PTR id, TextRule rule) {
    return new CBCGPPropChartNumber(label, _variant_t(""), description, id, std::move(rule));
}

}  // namespace chart

IMPLEMENT_DYNAMIC(CBCGPPropBarDataSery, CBCGPPropEx)
IMPLEMENT_DYNAMIC(CBCGPPropSymbolSet, CBCGPPropEx)

namespace {
// The chart page whose grid holds item, when the grid is the module's and sits in a page of Page.
template <class Page>
Page* OwningPage(CBCGPProp* item) {
    auto* list = dynamic_cast<CBCGPPropListEx*>(item->GetPropList());
    return list ? dynamic_cast<Page*>(list->GetParent()) : nullptr;
}
}  // namespace

void CBCGPPropBarDataSery::OnRClickValue(CPoint, BOOL) {
    auto* page = OwningPage<CkelPropListBarPlot>(this);
    auto* plot = page ? page->TargetAs<CkelBarPlot>() : nullptr;
    if (!plot) return;
    CDlgBarDataSerySet dialog(plot->GetFillSeryGroup());
    if (dialog.DoModal() != IDOK) return;
    plot->OnChanged(0);
    page->UpdateView();
}

void CBCGPPropSymbolSet::OnRClickValue(CPoint, BOOL) {
    auto* page = OwningPage<CWndLstChart>(this);
    auto* plot = page ? page->TargetAs<CkelTernaryPlot>() : nullptr;
    if (!plot) return;
    CDlgTerSymbol dialog(plot);
    dialog.DoModal();
}

CPropLstUniSetSymbol::CPropLstUniSetSymbol(const CString& name, CString value, LPCTSTR description, DWORD_PTR data,
                                           const CString& buttonCaption)
    : CBCGPProp(name, _variant_t(value), description, data), m_strButtonCaption(buttonCaption) {}

CPropLstUniSetSymbol::~CPropLstUniSetSymbol() = default;

// The buttons are placed with the button area, so a click finds them before the row was drawn.
void CPropLstUniSetSymbol::AdjustButtonRect() {
    PlaceTwoButtons(m_Rect, &m_rectButton, &m_rectFirst, &m_rectSecond);
}

void CPropLstUniSetSymbol::OnDrawButton(CDC* dc, CRect rect) {
    CBCGPProp::OnDrawButton(dc, m_rectFirst);
    OnDrawButtonEX(dc, rect);
}

void CPropLstUniSetSymbol::OnDrawButtonEX(CDC* dc, CRect) { DrawSecondButton(dc, m_rectSecond, m_strButtonCaption); }

void CPropLstUniSetSymbol::OnClickButton(CPoint point) { TwoButtonClick(this, m_rectFirst, point); }

void CPropLstUniSetSymbol::OnClickButtonEx(CPoint point) {
    CString text;
    if (!SecondButtonValue(this, m_rectSecond, point, &text) || !m_pPage) return;
    if (text == grouptext::kNo) {
        auto* plot = m_pPage->TargetAs<CkelClassPlot>();
        if (!plot) return;
        CDlgChartClassSet dialog(plot);
        dialog.DoModal();
    }
    m_pPage->UpdateView();
}
