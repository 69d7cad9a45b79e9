#include "section/SglLstCtrlLine.h"

#include "bcg/ColorProp.h"
#include "framework/GroupTexts.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Parsnip/QXObjectLine.h"
#include "hosttypes/Pennant/SglCtrlLine.h"
#include "section/ObjectPageItems.h"
#include "section/SectionItems.h"
#include "section/SingleWellSteps.h"
#include "section/SingleWellTexts.h"

CSglLstCtrlLine::CSglLstCtrlLine(ControlLine::CSglCtrlLine* line) : m_pLine(line) {}
CSglLstCtrlLine::~CSglLstCtrlLine() = default;

int CSglLstCtrlLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    const QXLOGPEN pen = m_pLine ? m_pLine->GetLogPen() : QXLOGPEN();
    auto* group = new CBCGPProp(sgltext::kLine, kLineId, FALSE);
    group->AddSubItem(new CPropStyleCombox(grouptext::kLineStyle, static_cast<int>(pen.style),
                                           CPropStyleCombox::kLineStyle, nullptr, "", kStyleId));
    auto* colour = new CBCGPColorProp(grouptext::kColor, pen.color, nullptr, "", kColorId);
    colour->EnableOtherButton(grouptext::kOtherColor);
    colour->EnableAutomaticButton(grouptext::kAutomaticColor, 0);
    group->AddSubItem(colour);
    auto* width = new CBCGPropFloat(grouptext::kLineWidth, _variant_t(pen.width / 100.0), 2, "", FALSE, kWidthId);
    width->SetTextRule(section::HundredthsRule());
    group->AddSubItem(width);
    m_wndPropList.AddProperty(group, TRUE, TRUE);
    return 0;
}

void CSglLstCtrlLine::ShowItemAgain(CBCGPProp* item) {
    CWndLst::ShowItemAgain(item);
    if (item && m_pLine) ShowStoredValueOf(item, {{kWidthId, m_pLine->GetLogPen().width / 100.0}});
}

LRESULT CSglLstCtrlLine::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    if (!m_pLine) return 0;
    QXLOGPEN pen = m_pLine->GetLogPen();
    switch (item ? item->GetData() : kLineId) {
        case kStyleId:
            if (auto* style = dynamic_cast<CPropStyleCombox*>(item)) pen.style = style->GetVal();
            break;
        case kColorId:
            ReadShownColor(item, &pen.color);
            break;
        case kWidthId:
            // A width the reader refuses is written nowhere.
            if (!section::ReadHundredths(item, &pen.width)) {
                ShowItemAgain(item);
                return 0;
            }
            break;
        default:
            break;
    }
    m_pLine->SetLogPen(pen);
    if (CQXObjectLine* line = m_pLine->GetLine()) line->SetLogPen(&pen);
    single::Redraw(m_pLine->GetOwner());
    return 0;
}
