#include "chart/ChartGraphProp.h"

#include "chart/AxisTexts.h"
#include "chart/ChartTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "hosttypes/Thistle/ChartGraph.h"
#include "framework/PropItems.h"

using namespace axistext;

CChartGraphProp::CChartGraphProp() = default;
CChartGraphProp::~CChartGraphProp() = default;

int CChartGraphProp::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    auto* group = new CBCGPProp(kChartTitleGroup, kTitleGroupId, FALSE);
    group->AddSubItem(NewTextItem(kTitle, kChartTitleDescription, kTitleTextId));
    group->AddSubItem(NewTextItem(kXDirectionOffset, kTitleXOffsetDescription, kXOffsetId));
    group->AddSubItem(NewTextItem(kYDirectionOffset, kTitleYOffsetDescription, kYOffsetId));
    group->Expand(TRUE);
    m_wndPropList.AddProperty(group, TRUE, TRUE);
    CBCGPProp* font = CreateFontProp(charttext::kFont, kFontGroupId, kHundredthsNumberRequired);
    font->Expand(TRUE);
    m_wndPropList.AddProperty(font, TRUE, TRUE);
    return 0;
}

void CChartGraphProp::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    IChartGraph* chart = TargetAs<IChartGraph>();
    if (!chart) return;
    CkelChartTitle* title = chart->GetTitle();
    SetItemText(m_wndPropList.FindItemByData(kTitleTextId), title->GetText().c_str());
    SetItemText(m_wndPropList.FindItemByData(kXOffsetId), FormatString("%.1f", title->GetXOffset()));
    SetItemText(m_wndPropList.FindItemByData(kYOffsetId), FormatString("%.1f", title->GetYOffset()));
    if (CBCGPProp* font = m_wndPropList.FindItemByData(kFontGroupId)) {
        font->Expand(TRUE);
        QXLOGFONT logFont;
        title->GetLogFont(logFont);
        SetFontProp(font, logFont);
    }
}

LRESULT CChartGraphProp::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    IChartGraph* chart = TargetAs<IChartGraph>();
    if (!item || !chart) return 0;
    CkelChartTitle* title = chart->GetTitle();
    // An offset that is no number of 0 or more shows the stored one again, without a message.
    auto applyOffset = [&](double (CkelChartTitle::*get)() const, void (CkelChartTitle::*set)(const double&)) {
        double offset = 0;
        if (GetNumberProp(item, &offset))
            (title->*set)(offset);
        else
            SetItemText(item, FormatString("%.2f", (title->*get)()));
    };
    switch (item->GetData()) {
        case kTitleTextId:
            title->SetText(ItemText(item).str());
            break;
        case kXOffsetId:
            applyOffset(&CkelChartTitle::GetXOffset, &CkelChartTitle::SetXOffset);
            break;
        case kYOffsetId:
            applyOffset(&CkelChartTitle::GetYOffset, &CkelChartTitle::SetYOffset);
            break;
        case kFontFaceId:
        case kFontSizeId:
        case kFontColorId: {
            QXLOGFONT font;
            title->GetLogFont(font);
            if (GetFontProp(item->GetParent(), font)) title->SetLogFont(font);
            break;
        }
        default:
            break;
    }
    UpdateView();
    return 0;
}
