#include "hosttypes/Spindle/MultiSlider.h"

#include "hostlibs/Spindle/CallLog.h"

IMPLEMENT_DYNCREATE(CMultiSlider, CWnd)

CMultiSlider::CMultiSlider(int layoutFlags) : m_nLayoutFlags(layoutFlags) {}

CMultiSlider::~CMultiSlider() {
    for (CMarker* marker : m_markers) delete marker;
}

void CMultiSlider::CleanUp() {
    spindle::detail::Log("CMultiSlider::CleanUp");
    for (CMarker* marker : m_markers) delete marker;
    m_markers.clear();
}

int CMultiSlider::InsertMarker(float value, COLORREF colour) {
    m_markers.push_back(new CMarker{value, colour});
    return static_cast<int>(m_markers.size()) - 1;
}
