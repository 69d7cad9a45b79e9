#include "hosttypes/Moraine/WellLayer.h"

#include <string>

#include "hostlibs/Moraine/LayerSettings.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObject.h"

using namespace moraine::detail;

namespace kel::plane {
namespace {

constexpr const char* kAbsenceMark = "缺失标志";
constexpr const char* kAbsenceTypeKey = "缺失类型";
constexpr const char* kBaseLine = "井排基线";

std::string Op(const char* operation) { return std::string("kel::plane::CWellLayer::") + operation; }

std::string ColorText(COLORREF color) { return std::to_string(color); }

std::string AbsenceKey(const CString& type) { return std::string("AbsenceSymbol.") + type.GetString(); }

}  // namespace

CWellLayer::CWellLayer(CQXLayer* layer) : IProfLayer(layer) {}

// Plain values: an int switch (visible switches read 1 until set), a text, a number, a colour.
#define MORAINE_WELL_INT(Name, fallback)                                                  \
    int CWellLayer::Get##Name() const { return Read<int>(m_pSettings, #Name, fallback); } \
    void CWellLayer::Set##Name(int value) { WriteInt(m_pLayer, m_pSettings, #Name, value, Op("Set" #Name).c_str()); }
#define MORAINE_WELL_TEXT(Name)                                                                          \
    CString CWellLayer::Get##Name() const { return Read<CString>(m_pSettings, #Name, CString()); }       \
    void CWellLayer::Set##Name(const CString& value) {                                                   \
        Write<CString>(m_pLayer, m_pSettings, #Name, value, Op("Set" #Name).c_str(), value.GetString()); \
    }
#define MORAINE_WELL_DOUBLE(Name)                                                                           \
    double CWellLayer::Get##Name() const { return Read<double>(m_pSettings, #Name, 0.0); }                  \
    void CWellLayer::Set##Name(double value) {                                                              \
        Write<double>(m_pLayer, m_pSettings, #Name, value, Op("Set" #Name).c_str(), std::to_string(value)); \
    }
#define MORAINE_WELL_COLOR(Name)                                                                         \
    COLORREF CWellLayer::Get##Name() const { return Read<unsigned>(m_pSettings, #Name, 0u); }            \
    void CWellLayer::Set##Name(COLORREF value) {                                                         \
        Write<unsigned>(m_pLayer, m_pSettings, #Name, value, Op("Set" #Name).c_str(), ColorText(value)); \
    }
// A point symbol kept whole under Record, its fields set one by one.
#define MORAINE_WELL_POINT(Record, Prefix, StyleSetter)                                                                \
    void CWellLayer::Get##Record(QXLOGPOINT* point) const {                                                            \
        if (point) *point = Read<QXLOGPOINT>(m_pSettings, #Record, QXLOGPOINT());                                      \
    }                                                                                                                  \
    void CWellLayer::StyleSetter(UINT style) {                                                                         \
        WriteField(m_pLayer, m_pSettings, #Record, &QXLOGPOINT::style, style, Op(#StyleSetter),                        \
                   std::to_string(style));                                                                             \
    }                                                                                                                  \
    double CWellLayer::Get##Prefix##Size() const { return Read<QXLOGPOINT>(m_pSettings, #Record, QXLOGPOINT()).size; } \
    void CWellLayer::Set##Prefix##Size(double size) {                                                                  \
        WriteFloatField(m_pLayer, m_pSettings, #Record, &QXLOGPOINT::size, size,                                       \
                   Op("Set" #Prefix "Size"), std::to_string(size));                                                    \
    }                                                                                                                  \
    COLORREF CWellLayer::Get##Prefix##BorderColor() const {                                                            \
        return Read<QXLOGPOINT>(m_pSettings, #Record, QXLOGPOINT()).borderColor;                                       \
    }                                                                                                                  \
    void CWellLayer::Set##Prefix##BorderColor(COLORREF color) {                                                        \
        WriteField(m_pLayer, m_pSettings, #Record, &QXLOGPOINT::borderColor, color, Op("Set" #Prefix "BorderColor"),   \
                   ColorText(color));                                                                                  \
    }                                                                                                                  \
    COLORREF CWellLayer::Get##Prefix##InnerColor() const {                                                             \
        return Read<QXLOGPOINT>(m_pSettings, #Record, QXLOGPOINT()).innerColor;                                        \
    }                                                                                                                  \
    void CWellLayer::Set##Prefix##InnerColor(COLORREF color) {                                                         \
        WriteField(m_pLayer, m_pSettings, #Record, &QXLOGPOINT::innerColor, color, Op("Set" #Prefix "InnerColor"),     \
                   ColorText(color));                                                                                  \
    }
// A pen kept whole under Prefix "Pen", its fields set one by one.
#define MORAINE_WELL_PEN(Prefix, PenGetter)                                                                  \
    void CWellLayer::PenGetter(QXLOGPEN* pen) const {                                                        \
        if (pen) *pen = Read<QXLOGPEN>(m_pSettings, #Prefix "Pen", QXLOGPEN());                              \
    }                                                                                                        \
    void CWellLayer::Set##Prefix##Style(UINT style) {                                                        \
        WriteField(m_pLayer, m_pSettings, #Prefix "Pen", &QXLOGPEN::style, style, Op("Set" #Prefix "Style"), \
                   std::to_string(style));                                                                   \
    }                                                                                                        \
    double CWellLayer::Get##Prefix##Size() const {                                                           \
        return Read<QXLOGPEN>(m_pSettings, #Prefix "Pen", QXLOGPEN()).width;                                 \
    }                                                                                                        \
    void CWellLayer::Set##Prefix##Size(double size) {                                                        \
        WriteFloatField(m_pLayer, m_pSettings, #Prefix "Pen", &QXLOGPEN::width, size,                        \
                   Op("Set" #Prefix "Size"), std::to_string(size));                                          \
    }                                                                                                        \
    COLORREF CWellLayer::Get##Prefix##Color() const {                                                        \
        return Read<QXLOGPEN>(m_pSettings, #Prefix "Pen", QXLOGPEN()).color;                                 \
    }                                                                                                        \
    void CWellLayer::Set##Prefix##Color(COLORREF color) {                                                    \
        WriteField(m_pLayer, m_pSettings, #Prefix "Pen", &QXLOGPEN::color, color, Op("Set" #Prefix "Color"), \
                   ColorText(color));                                                                        \
    }

MORAINE_WELL_INT(NameVisible, 1)
MORAINE_WELL_TEXT(NameFontTemplate)
MORAINE_WELL_TEXT(NameFontName)
MORAINE_WELL_TEXT(NameSizeTemplate)
MORAINE_WELL_DOUBLE(NameSize)
MORAINE_WELL_TEXT(NameColorTemplate)
MORAINE_WELL_COLOR(NameColor)
MORAINE_WELL_INT(NameLabelReferType, 0)
MORAINE_WELL_INT(NameLabelAlign, 0)
MORAINE_WELL_DOUBLE(NameLabelDistance)

MORAINE_WELL_INT(SymbolVisible, 1)
MORAINE_WELL_TEXT(SymbolPointStyleTemplate)
MORAINE_WELL_TEXT(SymbolSizeTemplate)
MORAINE_WELL_TEXT(SymbolBorderColorTemplate)
MORAINE_WELL_TEXT(SymbolInnerColorTemplate)
MORAINE_WELL_POINT(SymbolPoint, Symbol, SetSymbolPointStyle)
MORAINE_WELL_INT(SymbolLineShowTrack, 0)

MORAINE_WELL_INT(WellTopPointVisible, 1)
MORAINE_WELL_POINT(WellTopPoint, WellTopPoint, SetWellTopPointStyle)
MORAINE_WELL_INT(WellBottomPointVisible, 1)
MORAINE_WELL_POINT(WellBottomPoint, WellBottomPoint, SetWellBottomPointStyle)

MORAINE_WELL_INT(WellTopLineVisible, 1)
MORAINE_WELL_PEN(WellTopLine, GetWellTopLinePen)
MORAINE_WELL_INT(WellBottomLineVisible, 1)
MORAINE_WELL_PEN(WellBottomLine, GetWellBottomLinePen)

MORAINE_WELL_INT(AbsenceVisible, 1)
MORAINE_WELL_INT(AbsenceReferType, 0)
MORAINE_WELL_INT(AbsenceAlign, 0)
MORAINE_WELL_DOUBLE(AbsenceDistance)

MORAINE_WELL_INT(BaseLineVisible, 1)
MORAINE_WELL_PEN(BaseLine, GetBaseLinePen)
MORAINE_WELL_INT(BaseLineOffsetType, 0)
MORAINE_WELL_DOUBLE(BaseLineOffset)
MORAINE_WELL_DOUBLE(BaseLineEndLength)
MORAINE_WELL_INT(WellQueueVisible, 1)
MORAINE_WELL_PEN(WellQueue, GetWellQueuePen)

#undef MORAINE_WELL_INT
#undef MORAINE_WELL_TEXT
#undef MORAINE_WELL_DOUBLE
#undef MORAINE_WELL_COLOR
#undef MORAINE_WELL_POINT
#undef MORAINE_WELL_PEN

void CWellLayer::GetAbsenceSymbol(QXLOGPOINT* point, const CString& type) const {
    if (point) *point = Read<QXLOGPOINT>(m_pSettings, AbsenceKey(type).c_str(), QXLOGPOINT());
}

void CWellLayer::SetAbsenceSymbol(QXLOGPOINT* point, const CString& type) {
    if (point)
        Write<QXLOGPOINT>(m_pLayer, m_pSettings, AbsenceKey(type).c_str(), *point, Op("SetAbsenceSymbol").c_str(),
                          type.GetString());
}

CStringArray& CWellLayer::GetAbsenceTypeInLayer() {
    m_absenceTypes.RemoveAll();
    if (!m_pLayer) return m_absenceTypes;
    for (int i = 0; i < m_pLayer->GetObjectCount(); ++i) {
        CQXObject* object = m_pLayer->GetObjectG(i);
        if (!object || object->GetTypeName() != kAbsenceMark) continue;
        CString type;
        object->GetPropertyManager()->GetStringProperty(kAbsenceTypeKey, type);
        bool known = false;
        for (INT_PTR k = 0; k < m_absenceTypes.GetSize() && !known; ++k) known = m_absenceTypes.GetAt(k) == type;
        if (!known && !type.IsEmpty()) m_absenceTypes.Add(type);
    }
    return m_absenceTypes;
}

int CWellLayer::IsHaveBaseLine() const {
    if (!m_pLayer) return 0;
    for (int i = 0; i < m_pLayer->GetObjectCount(); ++i) {
        CQXObject* object = m_pLayer->GetObjectG(i);
        if (object && object->GetTypeName() == kBaseLine) return 1;
    }
    return 0;
}

}  // namespace kel::plane
