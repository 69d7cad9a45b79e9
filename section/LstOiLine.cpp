#include "section/LstOiLine.h"

#include "framework/PropItems.h"
#include "framework/PropSizeText.h"
#include "hosttypes/Halyard/OSWerLine.h"
#include "section/ObjectPageItems.h"
#include "section/ObjectPageTexts.h"
#include "section/SectionItems.h"
#include "section/SectionTexts.h"

using KelReservoir::SandUnit::CkelOSWerLine;
using namespace sectiontext;
using namespace section;

namespace {
// The depth an interface line's item holds before the first refresh.
constexpr double kInitialDepth = 0.2;
}  // namespace

CBCGPProp* NewInterfaceLineGroup(DWORD_PTR groupId, DWORD_PTR depthId, const CkelOSWerLine* line, bool enabled) {
    CBCGPProp* group = NewGroupItem(kOswInterface, groupId, true);
    // Without a line there is no depth to show. A depth that is no number is refused.
    CBCGPProp* depth = new CBCGPropSizeText(kDepth, line ? _variant_t(kInitialDepth) : _variant_t(""),
                                            kDepthDescription, depthId, ItemNumberRule());
    group->AddSubItem(depth);
    group->AddSubItem(
        NewTextValueItem(kUpperUnit, line ? line->GetUpperString().c_str() : "", nullptr, depthId + 1, false));
    group->AddSubItem(
        NewTextValueItem(kLowerUnit, line ? line->GetLowerString().c_str() : "", nullptr, depthId + 2, false));
    group->Enable(enabled ? TRUE : FALSE);
    for (int i = 0; i < group->GetSubItemsCount(); ++i) group->GetSubItem(i)->Enable(enabled ? TRUE : FALSE);
    return group;
}

void ShowInterfaceLine(CBCGPProp* depth, CBCGPProp* upper, CBCGPProp* lower, const CkelOSWerLine& line) {
    ShowNumber(depth, line.GetDepth());
    ShowTextIfChanged(upper, line.GetUpperString().c_str());
    ShowTextIfChanged(lower, line.GetLowerString().c_str());
}

CLstOiLine::CLstOiLine(CkelOSWerLine* line) : m_pLine(line) {}
CLstOiLine::~CLstOiLine() = default;

int CLstOiLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(NewInterfaceLineGroup(kInterfaceId, kDepthId, m_pLine, true), TRUE, TRUE);
    return 0;
}

// A newly selected line is shown at once; the same line only when its stamp changed.
void CLstOiLine::UpdateBCGPProperty(long object, CString) {
    if (object != m_curObject) return;
    auto* line = SectionObjectAs<CkelOSWerLine>(object);
    if (!line) return;  // another kind of object: the page keeps its line
    if (line == m_pLine) {
        if (line->GetTimeStamp() == m_timeStamp) return;
        m_timeStamp = line->GetTimeStamp();
    }
    m_pLine = line;
    ShowInterfaceLine(Item(kDepthId), Item(kUpperUnitId), Item(kLowerUnitId), *line);
}

LRESULT CLstOiLine::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    if (item && item->GetData() == kDepthId && !MoveInterfaceLine(this, m_pLine, item)) return 0;
    RedrawCurrentSection();
    return 0;
}
