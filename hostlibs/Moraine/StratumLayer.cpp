#include "hosttypes/Moraine/StratumLayer.h"

#include <string>

#include "hostlibs/Moraine/LayerSettings.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"

using namespace moraine::detail;

namespace kel::plane {
namespace {

std::string Op(const char* operation) { return std::string("kel::plane::CStratumLayer::") + operation; }

}  // namespace

CStratumLayer::CStratumLayer(CQXLayer* layer) : IProfLayer(layer) {}

#define MORAINE_STRATUM_INT(Name, fallback)                                                  \
    int CStratumLayer::Get##Name() const { return Read<int>(m_pSettings, #Name, fallback); } \
    void CStratumLayer::Set##Name(int value) { WriteInt(m_pLayer, m_pSettings, #Name, value, Op("Set" #Name).c_str()); }
#define MORAINE_STRATUM_DOUBLE(Name, fallback)                                                              \
    double CStratumLayer::Get##Name() const { return Read<double>(m_pSettings, #Name, fallback); }          \
    void CStratumLayer::Set##Name(double value) {                                                           \
        Write<double>(m_pLayer, m_pSettings, #Name, value, Op("Set" #Name).c_str(), std::to_string(value)); \
    }
#define MORAINE_STRATUM_PEN(Prefix)                                                                              \
    void CStratumLayer::Get##Prefix##Pen(QXLOGPEN* pen) const {                                                  \
        if (pen) *pen = Read<QXLOGPEN>(m_pSettings, #Prefix "Pen", QXLOGPEN());                                  \
    }                                                                                                            \
    void CStratumLayer::Set##Prefix##LineStyle(UINT style) {                                                     \
        WriteField(m_pLayer, m_pSettings, #Prefix "Pen", &QXLOGPEN::style, style, Op("Set" #Prefix "LineStyle"), \
                   std::to_string(style));                                                                       \
    }                                                                                                            \
    void CStratumLayer::Set##Prefix##LineSize(double size) {                                                     \
        WriteFloatField(m_pLayer, m_pSettings, #Prefix "Pen", &QXLOGPEN::width, size,                            \
                   Op("Set" #Prefix "LineSize"), std::to_string(size));                                          \
    }                                                                                                            \
    void CStratumLayer::Set##Prefix##LineColor(COLORREF color) {                                                 \
        WriteField(m_pLayer, m_pSettings, #Prefix "Pen", &QXLOGPEN::color, color, Op("Set" #Prefix "LineColor"), \
                   std::to_string(color));                                                                       \
    }

MORAINE_STRATUM_INT(StratumVisible, 1)
MORAINE_STRATUM_DOUBLE(StratumDepthFactor, 1.0)
MORAINE_STRATUM_DOUBLE(StratumTemplateModify, 1.0)
MORAINE_STRATUM_DOUBLE(StratumUpExtra, 0.0)
MORAINE_STRATUM_DOUBLE(StratumDownExtra, 0.0)
MORAINE_STRATUM_INT(StratumVerticalType, 0)
MORAINE_STRATUM_INT(StratumTopAlign, 0)
MORAINE_STRATUM_DOUBLE(StratumVerticalDistance, 0.0)
MORAINE_STRATUM_INT(StratumHorizontalType, 0)
MORAINE_STRATUM_INT(ConnectionVisible, 1)
MORAINE_STRATUM_PEN(River)
MORAINE_STRATUM_PEN(Other)

#undef MORAINE_STRATUM_INT
#undef MORAINE_STRATUM_DOUBLE
#undef MORAINE_STRATUM_PEN

CString CStratumLayer::GetStratumTemplate() const { return Read<CString>(m_pSettings, "StratumTemplate", CString()); }

void CStratumLayer::SetStratumTemplate(const CString& name) {
    Write<CString>(m_pLayer, m_pSettings, "StratumTemplate", name, Op("SetStratumTemplate").c_str(), name.GetString());
}

CString CStratumLayer::GetWellLayerName() const { return Read<CString>(m_pSettings, "WellLayerName", CString("井位")); }

// The sections are not drawn here: the rebuild is only logged.
void CStratumLayer::ReCreateStratum() {
    if (m_pLayer) parsnip::testing::Record(Op("ReCreateStratum").c_str(), m_pLayer);
}

}  // namespace kel::plane
