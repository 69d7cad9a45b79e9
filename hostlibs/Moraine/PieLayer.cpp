#include "hosttypes/Moraine/PieLayer.h"

#include <string>

#include "hostlibs/Moraine/LayerSettings.h"
#include "hosttypes/Parsnip/QXLayer.h"

using namespace moraine::detail;

namespace kel::plane {
namespace {

constexpr const char* kClass = "kel::plane::CPieLayer::";

std::string Op(const char* operation) { return std::string(kClass) + operation; }
// The setting of one property (or content line): "Color.3".
std::string Key(const char* name, int i) { return std::string(name) + "." + std::to_string(i); }

// A date is kept as its day number and its status.
COleDateTime ReadDate(LayerSettings* settings, const char* name) {
    COleDateTime date;
    date.m_dt = Read<double>(settings, name, 0.0);
    date.SetStatus(static_cast<COleDateTime::DateTimeStatus>(
        Read<int>(settings, (std::string(name) + ".Status").c_str(), COleDateTime::valid)));
    return date;
}

void WriteDate(CQXLayer* layer, LayerSettings* settings, const char* name, const COleDateTime& date,
               const char* operation) {
    if (!layer || !settings) return;
    settings->Set<double>(name, date.m_dt);
    settings->Set<int>((std::string(name) + ".Status").c_str(), date.GetStatus());
    Changed(layer, Op(operation).c_str(), date.Format("%Y-%m-%d").GetString());
}

}  // namespace

CPieLayer::CPieLayer(CQXLayer* layer) : IProfLayer(layer) {}

// ---- int, double and text settings, one getter/setter pair a line ----

#define PIE_INT(Name, Key, Default)                                                   \
    int CPieLayer::Get##Name() const { return Read<int>(m_pSettings, Key, Default); } \
    void CPieLayer::Set##Name(int value) { WriteInt(m_pLayer, m_pSettings, Key, value, Op("Set" #Name).c_str()); }
#define PIE_DOUBLE(Name, Key)                                                                             \
    double CPieLayer::Get##Name() const { return Read<double>(m_pSettings, Key, 0.0); }                   \
    void CPieLayer::Set##Name(double value) {                                                             \
        Write<double>(m_pLayer, m_pSettings, Key, value, Op("Set" #Name).c_str(), std::to_string(value)); \
    }

PIE_INT(ShapeType, "ShapeType", 0)
PIE_INT(DataType, "DataType", 0)
PIE_INT(DataLayer, "DataLayer", -1)
PIE_INT(RecordCount, "RecordCount", 0)
PIE_INT(ModifyObject, "ModifyObject", 0)
PIE_INT(DotCount, "DotCount", 0)
PIE_INT(TextPos, "TextPos", 0)
PIE_INT(XMove, "XMove", 0)
PIE_INT(YMove, "YMove", 0)
PIE_INT(DrawOrgLine, "DrawOrgLine", 0)
PIE_INT(DrawBotLine, "DrawBotLine", 0)
PIE_INT(FixRadius, "FixRadius", 0)
PIE_INT(NULLShow, "NULLShow", 0)
PIE_INT(UpPropCount, "UpPropCount", 0)
PIE_INT(EachMax, "EachMax", 0)
PIE_INT(DrawCorrdinate, "DrawCorrdinate", 0)
PIE_DOUBLE(BotWidth, "BotWidth")
PIE_DOUBLE(Radius, "Radius")
PIE_DOUBLE(UpRadius, "UpRadius")
PIE_DOUBLE(BarWidth, "BarWidth")
PIE_DOUBLE(BarHeight, "BarHeight")
PIE_DOUBLE(BarInterv, "BarInterv")
PIE_DOUBLE(BarCurveHeight, "BarCurveHeight")

#undef PIE_INT
#undef PIE_DOUBLE

CString CPieLayer::GetTableName() const { return Read<CString>(m_pSettings, "TableName", CString()); }

void CPieLayer::SetTableName(const CString& name) {
    Write<CString>(m_pLayer, m_pSettings, "TableName", name, Op("SetTableName").c_str(), name.GetString());
}

// ---- per property ----

CString CPieLayer::GetRecordName(int i) const {
    return Read<CString>(m_pSettings, Key("RecordName", i).c_str(), CString());
}

void CPieLayer::SetRecordName(int i, const CString& name) {
    Write<CString>(m_pLayer, m_pSettings, Key("RecordName", i).c_str(), name, Op("SetRecordName").c_str(),
                   std::to_string(i) + " " + name.GetString());
}

COLORREF CPieLayer::GetColor(int i) const { return Read<unsigned>(m_pSettings, Key("Color", i).c_str(), 0u); }

void CPieLayer::SetColor(int i, COLORREF color) {
    Write<unsigned>(m_pLayer, m_pSettings, Key("Color", i).c_str(), color, Op("SetColor").c_str(),
                    std::to_string(i) + " " + std::to_string(color));
}

int CPieLayer::GetColorControl(int i) const { return Read<int>(m_pSettings, Key("ColorControl", i).c_str(), 0); }

void CPieLayer::SetColorControl(int i, int control) {
    Write<int>(m_pLayer, m_pSettings, Key("ColorControl", i).c_str(), control, Op("SetColorControl").c_str(),
               std::to_string(i) + " " + std::to_string(control));
}

CString CPieLayer::GetDataPos(int i) const { return Read<CString>(m_pSettings, Key("DataPos", i).c_str(), CString()); }

void CPieLayer::SetDataPos(int i, CString pos) {
    Write<CString>(m_pLayer, m_pSettings, Key("DataPos", i).c_str(), pos, Op("SetDataPos").c_str(),
                   std::to_string(i) + " " + pos.GetString());
}

int CPieLayer::GetTextShowStyle(int line) const {
    return Read<int>(m_pSettings, Key("TextShowStyle", line).c_str(), 0);
}

void CPieLayer::SetTextShowStyle(int line, int style) {
    Write<int>(m_pLayer, m_pSettings, Key("TextShowStyle", line).c_str(), style, Op("SetTextShowStyle").c_str(),
               std::to_string(line) + " " + std::to_string(style));
}

DynamicMultiBarDrawType CPieLayer::GetDynamicMultiBarDrawType(int property) const {
    return static_cast<DynamicMultiBarDrawType>(
        Read<int>(m_pSettings, Key("DynamicMultiBarDrawType", property).c_str(), DMB_BAR));
}

void CPieLayer::SetDynamicMultiBarDrawType(int property, DynamicMultiBarDrawType type) {
    Write<int>(m_pLayer, m_pSettings, Key("DynamicMultiBarDrawType", property).c_str(), type,
               Op("SetDynamicMultiBarDrawType").c_str(), std::to_string(property) + " " + std::to_string(type));
}

// ---- dates ----

COleDateTime CPieLayer::GetDate1() const { return ReadDate(m_pSettings, "Date1"); }
void CPieLayer::SetDate1(COleDateTime date) { WriteDate(m_pLayer, m_pSettings, "Date1", date, "SetDate1"); }
COleDateTime CPieLayer::GetDate2() const { return ReadDate(m_pSettings, "Date2"); }
void CPieLayer::SetDate2(COleDateTime date) { WriteDate(m_pLayer, m_pSettings, "Date2", date, "SetDate2"); }
COleDateTime CPieLayer::GetDateBegin() const { return ReadDate(m_pSettings, "DateBegin"); }
void CPieLayer::SetDateBegin(COleDateTime date) { WriteDate(m_pLayer, m_pSettings, "DateBegin", date, "SetDateBegin"); }
COleDateTime CPieLayer::GetDateEnd() const { return ReadDate(m_pSettings, "DateEnd"); }
void CPieLayer::SetDateEnd(COleDateTime date) { WriteDate(m_pLayer, m_pSettings, "DateEnd", date, "SetDateEnd"); }

int CPieLayer::IsDynamicMultiBar() const { return GetShapeType() == 2 && GetDataType() == 2 ? 1 : 0; }

// ---- style records ----

void CPieLayer::GetFont(QXLOGFONT& font) const { font = LayerFont(m_pLayer); }
void CPieLayer::SetFont(QXLOGFONT& font) { SetLayerFont(m_pLayer, font, Op("SetFont").c_str()); }
void CPieLayer::GetPen(QXLOGPEN& pen) const { pen = LayerPen(m_pLayer); }
void CPieLayer::SetPen(QXLOGPEN& pen) { SetLayerPen(m_pLayer, pen, Op("SetPen").c_str()); }
void CPieLayer::GetDynamicMultiBarPoint(QXLOGPOINT& point) const { point = LayerPoint(m_pLayer); }

void CPieLayer::SetDynamicMultiBarPoint(QXLOGPOINT& point) {
    SetLayerPoint(m_pLayer, point, Op("SetDynamicMultiBarPoint").c_str());
}

void CPieLayer::GetDrawOrgLine(QXLOGPEN* pen) const {
    if (pen) *pen = Read<QXLOGPEN>(m_pSettings, "OrgLinePen", QXLOGPEN());
}

void CPieLayer::SetDrawOrgLine(QXLOGPEN& pen) {
    Write<QXLOGPEN>(m_pLayer, m_pSettings, "OrgLinePen", pen, Op("SetDrawOrgLine").c_str());
}

void CPieLayer::GetBotPen(QXLOGPEN& pen) const { pen = Read<QXLOGPEN>(m_pSettings, "BotPen", QXLOGPEN()); }

void CPieLayer::SetBotPen(QXLOGPEN& pen) {
    Write<QXLOGPEN>(m_pLayer, m_pSettings, "BotPen", pen, Op("SetBotPen").c_str());
}

// ---- rebuilds: logged; the chart objects are the map fixture's ----

void CPieLayer::BuildObjects() {
    if (m_pLayer) Changed(m_pLayer, Op("BuildObjects").c_str());
}

void CPieLayer::BuildDynamicMultiBarObjects() {
    if (m_pLayer) Changed(m_pLayer, Op("BuildDynamicMultiBarObjects").c_str());
}

void CPieLayer::InitializeLayer() {
    if (!m_pLayer || !m_pSettings) return;
    m_pSettings->Clear();
    Changed(m_pLayer, Op("InitializeLayer").c_str());
}

void CPieLayer::UpdatePieCoordinate() {
    if (m_pLayer) Changed(m_pLayer, Op("UpdatePieCoordinate").c_str());
}

}  // namespace kel::plane
