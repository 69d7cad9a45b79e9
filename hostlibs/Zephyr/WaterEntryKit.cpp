// Kit-library operations of the production and injection profile kit. Setters log themselves with
// their kit and renew its stamp; a parameter setter for an index outside the parameters shown is
// logged and stores nothing.
#include <initializer_list>
#include <string>

#include "hostlibs/Zephyr/KitStore.h"
#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "hosttypes/Zephyr/WpWaterEntry.h"

using zephyr::detail::Arg;
using zephyr::detail::Record;
using zephyr::detail::Stamp;
using zephyr::detail::Store;

namespace {

// The most parameters a kit holds; a larger count is refused.
constexpr int kMaxParamCount = 1000;

// What each source offers: its dates and the fields its parameters may show.
struct SourceCatalogue {
    const char* type;
    std::initializer_list<const char*> dates;
    std::initializer_list<const char*> fields;
};

const SourceCatalogue kCatalogues[] = {
    {"当前井", {"2018-06-30", "2019-06-30", "2020-06-30", "2021-06-30"},
     {"日产液量", "日产油量", "含水率", "相对吸水量", "吸水强度"}},
    {"离散数据", {"2021-03-15", "2021-09-15"}, {"产液", "产油", "产水"}},
};

void Fill(CStringArray& array, std::initializer_list<const char*> texts) {
    array.RemoveAll();
    for (const char* text : texts) array.Add(text);
}

// The type's dates and fields into the kit's lists; every field becomes available.
void LoadCatalogue(const CString& type, CStringArray& dates, CStringArray& fields, int& available) {
    dates.RemoveAll();
    fields.RemoveAll();
    for (const SourceCatalogue& catalogue : kCatalogues)
        if (type == catalogue.type) {
            Fill(dates, catalogue.dates);
            Fill(fields, catalogue.fields);
        }
    available = static_cast<int>(fields.GetSize());
}

std::string IndexArg(int i, const std::string& value) { return std::to_string(i) + "," + value; }

}  // namespace

CWpWaterEntry::CWpWaterEntry() { LoadCatalogue(m_strSourceType, m_arrDate, m_arrField, m_nParamMaxNum); }
CWpWaterEntry::~CWpWaterEntry() = default;

CString CWpWaterEntry::GetSourceType() { return m_strSourceType; }
void CWpWaterEntry::SetSourceType(CString type) {
    LoadCatalogue(type, m_arrDate, m_arrField, m_nParamMaxNum);
    Store(this, m_strSourceType, type, "CWpWaterEntry::SetSourceType");
}
CString CWpWaterEntry::GetScattTable() { return m_strScattTable; }
void CWpWaterEntry::SetScattTable(CString table) {
    Store(this, m_strScattTable, table, "CWpWaterEntry::SetScattTable");
}
CString CWpWaterEntry::GetScattTimeField() { return m_strScattTimeField; }
void CWpWaterEntry::SetScattTimeField(CString field) {
    Store(this, m_strScattTimeField, field, "CWpWaterEntry::SetScattTimeField");
}
CString CWpWaterEntry::GetStartDate() { return m_strStartDate; }
void CWpWaterEntry::SetStartDate(CString date) { Store(this, m_strStartDate, date, "CWpWaterEntry::SetStartDate"); }
CString CWpWaterEntry::GetEndDate() { return m_strEndDate; }
void CWpWaterEntry::SetEndDate(CString date) { Store(this, m_strEndDate, date, "CWpWaterEntry::SetEndDate"); }

int CWpWaterEntry::GetParamNumber() { return m_nParamNumber; }
void CWpWaterEntry::SetParamNumber(int count) {
    if (count < 0 || count > kMaxParamCount) {
        Record("CWpWaterEntry::SetParamNumber", this, Arg(count));
        return;
    }
    if (static_cast<int>(m_params.size()) < count) m_params.resize(static_cast<std::size_t>(count));
    Store(this, m_nParamNumber, count, "CWpWaterEntry::SetParamNumber");
}
int CWpWaterEntry::GetParamMaxNum() { return m_nParamMaxNum; }
void CWpWaterEntry::SetParamMaxNum(int count) {
    if (count < 0 || count > kMaxParamCount) {
        Record("CWpWaterEntry::SetParamMaxNum", this, Arg(count));
        return;
    }
    Store(this, m_nParamMaxNum, count, "CWpWaterEntry::SetParamMaxNum");
}

double CWpWaterEntry::GetDrawWidth() { return m_dDrawWidth; }
void CWpWaterEntry::SetDrawWidth(double width) { Store(this, m_dDrawWidth, width, "CWpWaterEntry::SetDrawWidth"); }
int CWpWaterEntry::GetDrawDepthLine() { return m_nDrawDepthLine; }
void CWpWaterEntry::EnableDepthLine(int draw) { Store(this, m_nDrawDepthLine, draw, "CWpWaterEntry::EnableDepthLine"); }
unsigned CWpWaterEntry::GetDepthLineStyle() { return m_nDepthLineStyle; }
void CWpWaterEntry::SetDepthLineStyle(unsigned style) {
    Store(this, m_nDepthLineStyle, style, "CWpWaterEntry::SetDepthLineStyle");
}
double CWpWaterEntry::GetDepthLineWidth() { return m_dDepthLineWidth; }
void CWpWaterEntry::SetDepthLineWidth(double width) {
    Store(this, m_dDepthLineWidth, width, "CWpWaterEntry::SetDepthLineWidth");
}
COLORREF CWpWaterEntry::GetDepthLineColor() { return m_depthLineColor; }
void CWpWaterEntry::SetDepthLineColor(COLORREF color) {
    Store(this, m_depthLineColor, color, "CWpWaterEntry::SetDepthLineColor");
}

// The parameters' settings belonged to the previous source's fields: they go back to their defaults.
void CWpWaterEntry::ClearProfileData() {
    m_params.assign(static_cast<std::size_t>(m_nParamNumber), ProfileParam());
    Record("CWpWaterEntry::ClearProfileData", this);
    Stamp(this);
}

// ---- parameters ----------------------------------------------------------------------------------
CWpWaterEntry::ProfileParam* CWpWaterEntry::Param(int i) {
    return i >= 0 && i < m_nParamNumber ? &m_params[static_cast<std::size_t>(i)] : nullptr;
}

namespace {
// Stores value into the member of parameter p (NULL: an index the kit does not show, nothing stored),
// logged as "index,value".
template <class Param, class Field, class Value>
void StoreParam(CWpKit* kit, Param* p, Field Param::*member, int i, const Value& value, const char* operation) {
    if (p) p->*member = value;
    Record(operation, kit, IndexArg(i, Arg(value)));
    if (p) Stamp(kit);
}
}  // namespace

CString CWpWaterEntry::GetParamName(int i) { return Param(i) ? Param(i)->name : CString(); }
void CWpWaterEntry::SetParamName(int i, CString name) {
    StoreParam(this, Param(i), &ProfileParam::name, i, name, "CWpWaterEntry::SetParamName");
}
double CWpWaterEntry::GetParamLeft(int i) { return Param(i) ? Param(i)->left : 0; }
void CWpWaterEntry::SetParamLeft(int i, double value) {
    StoreParam(this, Param(i), &ProfileParam::left, i, value, "CWpWaterEntry::SetParamLeft");
}
double CWpWaterEntry::GetParamRight(int i) { return Param(i) ? Param(i)->right : 0; }
void CWpWaterEntry::SetParamRight(int i, double value) {
    StoreParam(this, Param(i), &ProfileParam::right, i, value, "CWpWaterEntry::SetParamRight");
}
COLORREF CWpWaterEntry::GetParamColor(int i) { return Param(i) ? Param(i)->color : 0; }
void CWpWaterEntry::SetParamColor(int i, COLORREF color) {
    StoreParam(this, Param(i), &ProfileParam::color, i, color, "CWpWaterEntry::SetParamColor");
}
int CWpWaterEntry::GetParamDigits(int i) { return Param(i) ? Param(i)->digits : 0; }
void CWpWaterEntry::SetParamDigits(int i, int digits) {
    StoreParam(this, Param(i), &ProfileParam::digits, i, digits, "CWpWaterEntry::SetParamDigits");
}
bool CWpWaterEntry::GetParamDraw(int i) { return Param(i) && Param(i)->draw; }
void CWpWaterEntry::SetParamDraw(int i, bool draw) {
    StoreParam(this, Param(i), &ProfileParam::draw, i, draw, "CWpWaterEntry::SetParamDraw");
}
CString CWpWaterEntry::GetParamFontName(int i) { return Param(i) ? Param(i)->fontName : CString(); }
void CWpWaterEntry::SetParamFontName(int i, CString face) {
    StoreParam(this, Param(i), &ProfileParam::fontName, i, face, "CWpWaterEntry::SetParamFontName");
}
float CWpWaterEntry::GetParamFontHeight(int i) { return Param(i) ? Param(i)->fontHeight : 0; }
void CWpWaterEntry::SetParamFontHeight(int i, float height) {
    StoreParam(this, Param(i), &ProfileParam::fontHeight, i, height, "CWpWaterEntry::SetParamFontHeight");
}
COLORREF CWpWaterEntry::GetParamFontColor(int i) { return Param(i) ? Param(i)->fontColor : 0; }
void CWpWaterEntry::SetParamFontColor(int i, COLORREF color) {
    StoreParam(this, Param(i), &ProfileParam::fontColor, i, color, "CWpWaterEntry::SetParamFontColor");
}
int CWpWaterEntry::GetParamFontHAlign(int i) { return Param(i) ? Param(i)->fontHAlign : 1; }
void CWpWaterEntry::SetParamFontHAlign(int i, int align) {
    StoreParam(this, Param(i), &ProfileParam::fontHAlign, i, align, "CWpWaterEntry::SetParamFontHAlign");
}
