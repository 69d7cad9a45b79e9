#include "section/LstFaultLine.h"

#include "bcg/ColorProp.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Halyard/FaultLine.h"
#include "hosttypes/Halyard/Reservoir.h"
#include "hosttypes/Oriel/CMapProperty.h"
#include "section/ObjectPageItems.h"
#include "section/ObjectPageTexts.h"
#include "section/SectionItems.h"
#include "section/SectionTexts.h"

using KelReservoir::Connection::CkelReservoir;
using namespace sectiontext;
using namespace section;

namespace {
// The width the item holds before the first refresh.
constexpr double kInitialWidth = 0.2;
}  // namespace

CLstFaultLine::CLstFaultLine(CkelReservoir* reservoir) : m_pReservoir(reservoir) {}
CLstFaultLine::~CLstFaultLine() = default;

int CLstFaultLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    CBCGPProp* style = NewStylePicker(grouptext::kLineStyle, CPropStyleCombox::kLineStyle, kCommonLineStyles,
                                      kFaultLineStyleDescription, kStyleId);
    style->AllowEdit(FALSE);
    m_wndPropList.AddProperty(style, TRUE, TRUE);
    m_wndPropList.AddProperty(NewFloatItem(sectiontext::kWidth, kInitialWidth, 2, false, kLineWidthShortDescription,
                                           kWidthId, HundredthsItemRule()),
                              TRUE, TRUE);
    m_wndPropList.AddProperty(NewBlackColorItem(grouptext::kColor, "", kColorId), TRUE, TRUE);
    return 0;
}

// The reservoir's stamp alone decides, whichever object the host named.
void CLstFaultLine::UpdateBCGPProperty(long, CString) {
    if (!m_pReservoir || m_pReservoir->GetTimeStamp() == m_timeStamp) return;
    m_timeStamp = m_pReservoir->GetTimeStamp();
    const boost::shared_ptr<CMapProperty> record = CMapPropertySignle::Instance()->GetProperty();
    if (!record) return;
    const QXLOGPEN pen = record->m_faultLinePen;
    ShowStyle(Item(kStyleId), pen.style);
    if (auto* width = dynamic_cast<CBCGPropFloat*>(Item(kWidthId))) width->SetValue(_variant_t(pen.width / 100.0));
    if (auto* colour = dynamic_cast<CBCGPColorProp*>(Item(kColorId))) colour->SetColor(pen.color);
}

LRESULT CLstFaultLine::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    if (!m_pReservoir) return 0;
    const DWORD_PTR id = item ? item->GetData() : 0;
    const boost::shared_ptr<CMapProperty> record = CMapPropertySignle::Instance()->GetProperty();
    if (record && id >= kStyleId && id <= kColorId) {
        // A width the reader refuses is written nowhere.
        if (!GetLineSubProp(item, record->m_faultLinePen, static_cast<int>(id - kStyleId))) {
            ShowItemAgain(item);
            return 0;
        }
        if (const auto faults = m_pReservoir->GetFaultLineMgr())
            for (unsigned int i = 0; i < faults->GetNum(); ++i)
                if (const boost::shared_ptr<KelReservoir::Fault::CkelFaultLine>& line = faults->GetObj(i))
                    line->SetLogPen(record->m_faultLinePen);
    }
    m_pReservoir->UpdateWnd();
    return 0;
}

void CLstFaultLine::ShowItemAgain(CBCGPProp* item) {
    CWndLst::ShowItemAgain(item);
    const boost::shared_ptr<CMapProperty> record = CMapPropertySignle::Instance()->GetProperty();
    if (item && record) ShowStoredValueOf(item, {{kWidthId, record->m_faultLinePen.width / 100.0}});
}
