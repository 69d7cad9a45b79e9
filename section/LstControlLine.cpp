#include "section/LstControlLine.h"

#include "bcg/ColorProp.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Halyard/ControlLine.h"
#include "hosttypes/Halyard/Reservoir.h"
#include "section/ObjectPageItems.h"
#include "section/ObjectPageTexts.h"
#include "section/SectionItems.h"

using KelReservoir::VirtualWell::CkelControlLine;
using namespace sectiontext;
using namespace section;

CLstControlLine::CLstControlLine(CkelControlLine* line) : m_pLine(line) {}
CLstControlLine::~CLstControlLine() = default;

int CLstControlLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    CBCGPProp* pen = CreateLineFloatProp(grouptext::kLineStyle, kPenId);
    m_wndPropList.AddProperty(pen, TRUE, TRUE);
    CBCGPProp* point = NewGroupItem(kPointType, kPointId, true);
    point->AddSubItem(NewFloatItem(grouptext::kSize, 0.0, 2, false, "", kPointSizeId, HundredthsRule()));
    point->AddSubItem(NewBlackColorItem(grouptext::kInnerColor, "", kInnerColorId));
    point->AddSubItem(NewBlackColorItem(grouptext::kBorderColor, "", kBorderColorId));
    m_wndPropList.AddProperty(point, TRUE, TRUE);
    return 0;
}

void CLstControlLine::UpdateBCGPProperty(long object, CString) {
    if (object != m_curObject || !m_pLine) return;
    if (m_pLine->GetTimeStamp() == m_timeStamp) return;
    m_timeStamp = m_pLine->GetTimeStamp();
    EnableLineProp(Item(kPenId), m_pLine->GetLogPen(), true);
    CBCGPProp* point = Item(kPointId);
    if (!point) return;
    if (auto* size = dynamic_cast<CBCGPropFloat*>(point->GetSubItem(0)))
        size->SetValue(_variant_t(m_pLine->m_dPointSize / 100.0));
    const QXLOGBRUSH brush = m_pLine->GetBrush();
    if (auto* inner = dynamic_cast<CBCGPColorProp*>(point->GetSubItem(1))) inner->SetColor(brush.fillColor);
    if (auto* border = dynamic_cast<CBCGPColorProp*>(point->GetSubItem(2))) border->SetColor(brush.lineColor);
}

LRESULT CLstControlLine::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    if (!m_pLine) return 0;
    if (item && !Edit(item)) {
        ShowItemAgain(item);
        return 0;
    }
    RedrawReservoirOf(m_pLine->GetManager());
    return 0;
}

void CLstControlLine::ShowItemAgain(CBCGPProp* item) {
    CWndLst::ShowItemAgain(item);
    if (!item || !m_pLine) return;
    ShowStoredValueOf(
        item, {{kPenWidthId, m_pLine->GetLogPen().width / 100.0}, {kPointSizeId, m_pLine->m_dPointSize / 100.0}});
}

bool CLstControlLine::Edit(CBCGPProp* item) {
    const DWORD_PTR id = item->GetData();
    double number = 0;
    QXLOGBRUSH brush = m_pLine->GetBrush();
    switch (id) {
        case kPenStyleId:
        case kPenWidthId:
        case kPenColorId:
            return EditObjectPen(*m_pLine, item);
        case kPointSizeId:
            if (!ReadHundredths(item, &number)) return false;
            m_pLine->m_dPointSize = number;
            break;
        case kInnerColorId:
            if (ReadShownColor(item, &brush.fillColor)) m_pLine->SetBrush(brush);
            break;
        case kBorderColorId:
            if (ReadShownColor(item, &brush.lineColor)) m_pLine->SetBrush(brush);
            break;
        default:
            break;
    }
    return true;
}
