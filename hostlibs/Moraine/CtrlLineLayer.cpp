#include "hosttypes/Moraine/CtrlLineLayer.h"

#include "hostlibs/Moraine/LayerSettings.h"
#include "hostlibs/Moraine/LayerStyleWords.h"

using namespace moraine::detail;

namespace kel::plane {

CCtrlLineLayer::CCtrlLineLayer(CQXLayer* layer) : IProfLayer(layer) {}

int CCtrlLineLayer::GetVisible() const { return Read<int>(m_pSettings, "Visible", 1); }

void CCtrlLineLayer::SetVisible(int visible) {
    WriteInt(m_pLayer, m_pSettings, "Visible", visible, "kel::plane::CCtrlLineLayer::SetVisible");
}

double CCtrlLineLayer::GetLineSize() const { return PenWidth(m_pLayer); }

void CCtrlLineLayer::SetLineSize(double size) {
    float width = 0;
    if (FitsFloat(size, &width)) SetPenWidth(m_pLayer, width, "kel::plane::CCtrlLineLayer::SetLineSize");
}

}  // namespace kel::plane
