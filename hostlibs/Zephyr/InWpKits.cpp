// Constructors and destructors of the drawing kits, and their library operations.
#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "hosttypes/Zephyr/InWpContent.h"
#include "hosttypes/Zephyr/InWpKit.h"
#include "hosttypes/Zephyr/WDMgrIO.h"

InWpKit::InWpKit() = default;
InWpKit::~InWpKit() = default;

InWpComposite::InWpComposite() = default;

InWpComposite::~InWpComposite() {
    for (InWpKit* child : m_children) delete child;
}

void InWpComposite::AddChild(InWpKit* child) {
    if (child) m_children.push_back(child);
}

InWpWell::InWpWell() = default;
InWpWell::~InWpWell() { delete m_pData; }

void InWpWell::SetData(WDMgrIO* data) {
    if (data == m_pData) return;
    delete m_pData;
    m_pData = data;
}

WDMgrIO* InWpWell::GetData() { return m_pData; }

InWpTrack::InWpTrack() = default;
InWpTrack::~InWpTrack() = default;
double InWpTrack::GetLeftVal() { return m_dLeftVal; }
double InWpTrack::GetRightVal() { return m_dRightVal; }

InWpDepth::InWpDepth() = default;
InWpDepth::~InWpDepth() = default;

void InWpDepth::SetLabelInterval(int factor, double interval) {
    m_nLabelFactor = factor;
    m_dInterval = interval;
}

InWpContent::InWpContent() = default;
InWpContent::~InWpContent() = default;
InWpCurve::InWpCurve() = default;
InWpCurve::~InWpCurve() = default;
InWpSegment::InWpSegment() = default;
InWpSegment::~InWpSegment() = default;
InWpStratum::InWpStratum() = default;
InWpStratum::~InWpStratum() = default;
InWpFacies::InWpFacies() = default;
InWpFacies::~InWpFacies() = default;
InWpParam::InWpParam() = default;
InWpParam::~InWpParam() = default;
QXLOGFONT& InWpParam::GetTextFont() { return m_textFont; }
InWpResult::InWpResult() = default;
InWpResult::~InWpResult() = default;
COLORREF InWpResult::GetSegBKColor() { return m_segBKColor; }
