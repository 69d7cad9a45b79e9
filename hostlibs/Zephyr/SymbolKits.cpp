// Kit-library operations of the symbol kits (perforation symbols, cycles, bedding), their symbol
// data sets and catalogues in the well data, and the interval colour of segment kits. Setters log
// themselves with their kit; a stored change renews the kit's stamp, a refused one (false) changes
// nothing else.
#include <cmath>
#include <memory>
#include <string>

#include "hostlibs/Zephyr/KitStore.h"
#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "hosttypes/Zephyr/WDMgrIO.h"
#include "hosttypes/Zephyr/WpSymble.h"

using zephyr::detail::Arg;
using zephyr::detail::PutIf;
using zephyr::detail::Record;
using zephyr::detail::Store;

namespace {

bool IsMargin(double offset) { return std::isfinite(offset) && offset >= 0 && offset < 0.5; }
bool IsSymbolSize(double size) { return std::isfinite(size) && size > 0; }

// The sample catalogue of a source code; empty for a code without symbols.
std::vector<CString> SampleSymbols(int code) {
    switch (code) {
    case SYMBLE_SHOOT_WELL:
    case SYMBLE_SHOOT_DISCRETE:
    case SYMBLE_SHOOT_GRAPHIC:
        return {"射孔", "补孔", "封堵"};
    case SYMBLE_CYCLE_LONG:
    case SYMBLE_CYCLE_SHORT:
    case SYMBLE_CYCLE_MIDDLE:
    case SYMBLE_CYCLE_DISCRETE:
    case SYMBLE_CYCLE_GRAPHIC:
        return {"正旋回", "反旋回", "复合旋回"};
    case SYMBLE_TEXTURE_DISCRETE:
    case SYMBLE_TEXTURE_WELL:
    case SYMBLE_TEXTURE_GRAPHIC:
        return {"水平层理", "交错层理", "波状层理", "块状层理"};
    default:
        return {};
    }
}

}  // namespace

// ---- symbol catalogues and data sets ----------------------------------------------------------
ISymbleMgr::~ISymbleMgr() = default;
int ISymbleMgr::GetSymbleCount() { return static_cast<int>(m_names.size()); }
int ISymbleMgr::FindSymble(const CString& name) {
    for (size_t i = 0; i < m_names.size(); ++i)
        if (m_names[i] == name) return static_cast<int>(i);
    return -1;
}
CString ISymbleMgr::GetSymbleName(int i) {
    return i >= 0 && i < GetSymbleCount() ? m_names[static_cast<size_t>(i)] : CString();
}

ISymbleData* WDMgrIO::GetSymbleData(int code, CString name) {
    Record("WDMgrIO::GetSymbleData", this, std::to_string(code) + "," + std::string(name));
    for (const auto& set : m_symbleData)
        if (set->GetKind() == code && set->GetName() == name) return set.get();
    m_symbleData.push_back(std::make_unique<ISymbleData>(code, name));
    return m_symbleData.back().get();
}

ISymbleMgr* WDMgrIO::GetSymbleMgr(int code) {
    Record("WDMgrIO::GetSymbleMgr", this, std::to_string(code));
    for (const auto& entry : m_symbleMgrs)
        if (entry.first == code) return entry.second.get();
    std::vector<CString> names = SampleSymbols(code);
    if (names.empty()) return nullptr;  // codes are few and fixed: the catalogues stay as many
    m_symbleMgrs.emplace_back(code, std::make_unique<ISymbleMgr>(std::move(names)));
    return m_symbleMgrs.back().second.get();
}

// ---- interval colour ----------------------------------------------------------------------------
COLORREF CWpSegment::GetSegColor() { return m_segColor; }
void CWpSegment::SetSegColor(COLORREF color) {
    Store(this, m_segColor, color, "CWpSegment::SetSegColor");
}

// ---- symbol kits --------------------------------------------------------------------------------
void CWpSymble::SetTableName(const std::string& name) { Store(this, m_strTableName, name, "CWpSymble::SetTableName"); }
void CWpSymble::SetFiledName(const std::string& name) { Store(this, m_strFiledName, name, "CWpSymble::SetFiledName"); }
ISymbleData* CWpSymble::GetData() { return m_pData; }
void CWpSymble::SetData(ISymbleData* data) { Store(this, m_pData, data, "CWpSymble::SetData"); }
ISymbleMgr* CWpSymble::GetSymbleMgr() { return m_pSymbleMgr; }
void CWpSymble::SetSymbleMgr(ISymbleMgr* mgr) { Store(this, m_pSymbleMgr, mgr, "CWpSymble::SetSymbleMgr"); }

CString CWpSymble::GetSymbleName(int i) {
    if (i < 0 || i >= GetSegCount() || i >= static_cast<int>(m_symbleNames.size())) return CString();
    return m_symbleNames[static_cast<size_t>(i)];
}

bool CWpSymble::SetSymbleName(int i, const CString& name) {
    const bool inside = i >= 0 && i < GetSegCount();
    const bool known = !m_pSymbleMgr || m_pSymbleMgr->FindSymble(name) >= 0;
    CString* field = nullptr;
    if (inside && known) {
        if (static_cast<int>(m_symbleNames.size()) <= i) m_symbleNames.resize(static_cast<size_t>(i) + 1);
        field = &m_symbleNames[static_cast<size_t>(i)];
    }
    return PutIf(inside && known, this, field, name, "CWpSymble::SetSymbleName", Arg(i));
}

double CWpSymble::GetEdgeOffL() { return m_dEdgeOffL; }
double CWpSymble::GetEdgeOffR() { return m_dEdgeOffR; }
bool CWpSymble::SetEdgeOffL(double offset) {
    return PutIf(IsMargin(offset), this, &m_dEdgeOffL, offset, "CWpSymble::SetEdgeOffL");
}
bool CWpSymble::SetEdgeOffR(double offset) {
    return PutIf(IsMargin(offset), this, &m_dEdgeOffR, offset, "CWpSymble::SetEdgeOffR");
}

bool CWpSymbleTexture::IsFitRect() { return m_bFitRect; }
void CWpSymbleTexture::SetFitRect(bool fit) { Store(this, m_bFitRect, fit, "CWpSymbleTexture::SetFitRect"); }
double CWpSymbleTexture::GetSymbleWidth() { return m_dSymbleWidth; }
double CWpSymbleTexture::GetSymbleHeight() { return m_dSymbleHeight; }
bool CWpSymbleTexture::SetSymbleWidth(double width) {
    return PutIf(IsSymbolSize(width), this, &m_dSymbleWidth, width, "CWpSymbleTexture::SetSymbleWidth");
}
bool CWpSymbleTexture::SetSymbleHeight(double height) {
    return PutIf(IsSymbolSize(height), this, &m_dSymbleHeight, height, "CWpSymbleTexture::SetSymbleHeight");
}

void CWpSymbleShoot::IsFilter(bool filter) { Store(this, m_bFilter, filter, "CWpSymbleShoot::IsFilter"); }
void CWpSymbleShoot::SetStartDateTime(const std::string& date) {
    Store(this, m_strStartDateTime, date, "CWpSymbleShoot::SetStartDateTime");
}
void CWpSymbleShoot::SetEndDateTime(const std::string& date) {
    Store(this, m_strEndDateTime, date, "CWpSymbleShoot::SetEndDateTime");
}
