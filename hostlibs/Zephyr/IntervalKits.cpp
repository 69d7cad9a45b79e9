// Kit-library operations of the interval kits: interval depths and names, data objects, table
// and field names, display settings, the coring kit's active run and the shared code tables.
// Every setter logs itself with its kit (numbers and texts as arguments); a stored change renews
// the kit's stamp, a refused one (false) changes nothing else.
#include <boost/make_shared.hpp>
#include <cmath>
#include <string>

#include "hostlibs/Zephyr/KitStore.h"
#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "hosttypes/Zephyr/LogCodeMgrIO.h"
#include "hosttypes/Zephyr/WpCorelith.h"
#include "hosttypes/Zephyr/WpFacies.h"
#include "hosttypes/Zephyr/WpIntegratedCore.h"
#include "hosttypes/Zephyr/WpLthSample.h"
#include "hosttypes/Zephyr/WpSand.h"
#include "hosttypes/Zephyr/WpSidewallCore.h"

using zephyr::detail::Record;
using zephyr::detail::Stamp;
using zephyr::detail::Arg;
using zephyr::detail::Store;
using zephyr::detail::PutIf;

namespace {

bool IsShare(double per) { return std::isfinite(per) && per >= 0 && per <= 1; }

template <class Entry>
const Entry* EntryAt(const std::vector<Entry>& entries, int k) {
    return k >= 0 && k < static_cast<int>(entries.size()) ? &entries[static_cast<size_t>(k)] : nullptr;
}
CString NameAt(const std::vector<LOGCODEENTRY>& entries, int k) {
    const LOGCODEENTRY* entry = EntryAt(entries, k);
    return entry ? entry->name : CString();
}
CString LabelAt(const std::vector<LOGCODEENTRY>& entries, int k) {
    const LOGCODEENTRY* entry = EntryAt(entries, k);
    return entry ? entry->label : CString();
}

LogCorelithMgrIO SampleCorelithCodes() {
    LogCorelithMgrIO codes;
    codes.m_colors = {{1, "灰", "灰(浅灰)"}, {2, "红", "红(紫红)"}, {3, "绿", "绿"}, {4, "黑", "黑"}};
    codes.m_ctOils = {{4, "饱含油", "饱含油(4级)"}, {3, "油浸", "油浸(3级)"}, {2, "油斑", "油斑(2级)"},
                      {1, "油迹", "油迹(1级)"}};
    codes.m_colthTypes = {{1, "砂岩", "砂岩(细)"}, {2, "泥岩", "泥岩"}, {3, "灰岩", "灰岩"},
                          {1000, "未知", "未知(不绘制)"}};
    return codes;
}

LogFaciesTypeMgrIO SampleFaciesTypes() {
    LogFaciesTypeMgrIO types;
    types.m_names = {"水下分流河道", "河口坝", "席状砂", "分流间湾"};
    return types;
}

}  // namespace

// ---- code tables ----------------------------------------------------------------------------
int LogCorelithMgrIO::GetColthTypeCount() { return static_cast<int>(m_colthTypes.size()); }
int LogCorelithMgrIO::GetColorCount() { return static_cast<int>(m_colors.size()); }
int LogCorelithMgrIO::GetCtOilCount() { return static_cast<int>(m_ctOils.size()); }
CString LogCorelithMgrIO::GetColorEntryName(int k) { return NameAt(m_colors, k); }
CString LogCorelithMgrIO::GetColorEntryLabel(int k) { return LabelAt(m_colors, k); }
CString LogCorelithMgrIO::GetCtOilEntryName(int k) { return NameAt(m_ctOils, k); }
CString LogCorelithMgrIO::GetCtOilEntryLabel(int k) { return LabelAt(m_ctOils, k); }
int LogCorelithMgrIO::GetColthTypeEntryCode(int k) {
    const LOGCODEENTRY* entry = EntryAt(m_colthTypes, k);
    return entry ? entry->code : 0;
}
CString LogCorelithMgrIO::GetColthTypeEntryName(int k) { return NameAt(m_colthTypes, k); }
CString LogCorelithMgrIO::GetColthTypeEntryLabel(int k) { return LabelAt(m_colthTypes, k); }

int LogFaciesTypeMgrIO::GetFaciesTypeCount() { return static_cast<int>(m_names.size()); }
CString LogFaciesTypeMgrIO::GetFaciesTypeName(int i) {
    const CString* name = EntryAt(m_names, i);
    return name ? *name : CString();
}

namespace zephyr::testing {
LogCorelithMgrIO& CorelithCodes() {
    static LogCorelithMgrIO codes = SampleCorelithCodes();
    return codes;
}
LogFaciesTypeMgrIO& FaciesTypes() {
    static LogFaciesTypeMgrIO types = SampleFaciesTypes();
    return types;
}
}  // namespace zephyr::testing

void zephyr::detail::ResetCodeTables() {
    testing::CorelithCodes() = SampleCorelithCodes();
    testing::FaciesTypes() = SampleFaciesTypes();
}

// ---- drawing coordinates: a kit's vertical position is its depth in metres -------------------
float CWpKit::MapYToDep(float y) { return y; }

// ---- interval depths --------------------------------------------------------------------------
double CWpSegment::GetSegTopDpth(int i) {
    WPSEGMENT* seg = GetSeg(i);
    return seg ? seg->top : 0;
}

double CWpSegment::GetSegBottomDpth(int i) {
    WPSEGMENT* seg = GetSeg(i);
    return seg ? seg->bottom : 0;
}

bool CWpSegment::SetSegTopDpth(int i, double depth) {
    WPSEGMENT* seg = GetSeg(i);
    const bool ok = seg && std::isfinite(depth) && depth <= seg->bottom;
    return PutIf(ok, this, seg ? &seg->top : nullptr, depth, "CWpSegment::SetSegTopDpth", Arg(i));
}

bool CWpSegment::SetSegBottomDpth(int i, double depth) {
    WPSEGMENT* seg = GetSeg(i);
    const bool ok = seg && std::isfinite(depth) && depth >= seg->top;
    return PutIf(ok, this, seg ? &seg->bottom : nullptr, depth, "CWpSegment::SetSegBottomDpth", Arg(i));
}

// ---- lithology --------------------------------------------------------------------------------
LogCorelithDIO* CWpCorelith::GetData() { return m_pData; }
void CWpCorelith::SetData(LogCorelithDIO* data) { Store(this, m_pData, data, "CWpCorelith::SetData"); }
void CWpCorelith::SetTableName(const std::string& name) {
    Store(this, m_strTableName, name, "CWpCorelith::SetTableName");
}
void CWpCorelith::SetCorelithField(const std::string& field) {
    Store(this, m_strCorelithField, field, "CWpCorelith::SetCorelithField");
}
void CWpCorelith::SetColorField(const std::string& field) {
    Store(this, m_strColorField, field, "CWpCorelith::SetColorField");
}
void CWpCorelith::SetOilCodeField(const std::string& field) {
    Store(this, m_strOilCodeField, field, "CWpCorelith::SetOilCodeField");
}
void CWpCorelith::SetCorelithCodeField(const std::string& field) {
    Store(this, m_strCorelithCodeField, field, "CWpCorelith::SetCorelithCodeField");
}

double CWpCorelith::GetCtOilPer() { return m_dCtOilPer; }
double CWpCorelith::GetColthTypePer() { return m_dColthPer; }
bool CWpCorelith::SetColorPer(double per) {
    return PutIf(IsShare(per), this, &m_dColorPer, per, "CWpCorelith::SetColorPer");
}
bool CWpCorelith::SetCtOilPer(double per) {
    return PutIf(IsShare(per), this, &m_dCtOilPer, per, "CWpCorelith::SetCtOilPer");
}
bool CWpCorelith::UseColthBkColor() { return m_bUseColthBkColor; }
void CWpCorelith::SetColthUseBkColor(bool use) {
    Store(this, m_bUseColthBkColor, use, "CWpCorelith::SetColthUseBkColor");
}

CWpCorelith::SegNames* CWpCorelith::NamesOf(int i) {
    if (i < 0 || i >= GetSegCount()) return nullptr;
    if (m_segNames.size() < static_cast<size_t>(GetSegCount())) m_segNames.resize(static_cast<size_t>(GetSegCount()));
    return &m_segNames[static_cast<size_t>(i)];
}

CString CWpCorelith::GetColthName(int i) {
    SegNames* names = NamesOf(i);
    return names ? names->colth : CString();
}
bool CWpCorelith::SetColthName(const CString& name, int i) {
    SegNames* names = NamesOf(i);
    return PutIf(names != nullptr, this, names ? &names->colth : nullptr, name, "CWpCorelith::SetColthName", Arg(i));
}
CString CWpCorelith::GetColorName(int i) {
    SegNames* names = NamesOf(i);
    return names ? names->color : CString();
}
bool CWpCorelith::SetColorName(const CString& name, int i) {
    SegNames* names = NamesOf(i);
    return PutIf(names != nullptr, this, names ? &names->color : nullptr, name, "CWpCorelith::SetColorName", Arg(i));
}
CString CWpCorelith::GetCtOilName(int i) {
    SegNames* names = NamesOf(i);
    return names ? names->ctOil : CString();
}
CString CWpCorelith::GetContentName(int i) {
    SegNames* names = NamesOf(i);
    return names ? names->content : CString();
}
bool CWpCorelith::SetCtOilName(const CString& name, int i) {
    SegNames* names = NamesOf(i);
    CString* field = nullptr;
    if (names) field = m_pData && m_pData->m_record.oilKind == 2 ? &names->content : &names->ctOil;
    return PutIf(names != nullptr, this, field, name, "CWpCorelith::SetCtOilName", Arg(i));
}
CString CWpCorelith::GetColthTypeName(int i) {
    SegNames* names = NamesOf(i);
    return names ? names->colthType : CString();
}
bool CWpCorelith::SetColthTypeName(const CString& name, int i) {
    SegNames* names = NamesOf(i);
    return PutIf(names != nullptr, this, names ? &names->colthType : nullptr, name, "CWpCorelith::SetColthTypeName",
                 Arg(i));
}
LogCorelithMgrIO* CWpCorelith::GetColthMgr() { return &zephyr::testing::CorelithCodes(); }

// ---- rock samples -----------------------------------------------------------------------------
LogLthSampleDIO* CWpLthSample::GetData() { return m_pData; }
void CWpLthSample::SetData(LogLthSampleDIO* data) { Store(this, m_pData, data, "CWpLthSample::SetData"); }
void CWpLthSample::SetTableName(const std::string& name) {
    Store(this, m_strTableName, name, "CWpLthSample::SetTableName");
}
void CWpLthSample::SetDepthFiledName(const std::string& name) {
    Store(this, m_strDepthFiledName, name, "CWpLthSample::SetDepthFiledName");
}
void CWpLthSample::SetNumberFiledName(const std::string& name) {
    Store(this, m_strNumberFiledName, name, "CWpLthSample::SetNumberFiledName");
}

// ---- integrated coring ------------------------------------------------------------------------
CString CWpIntegratedCore::ComposeDataName() {
    m_strDataName = CString(m_strTable.c_str()) + " " + m_strCoreTubeField.c_str() + " " +
                    m_strCoreLengthField.c_str() + " " + m_strCoreFootageField.c_str();
    Record("CWpIntegratedCore::ComposeDataName", this, m_strDataName.str());
    return m_strDataName;
}
CString CWpIntegratedCore::GetDataName() { return m_strDataName; }

namespace {
// The active run of a coring kit with its run data made when missing; NULL without one.
WPSEGDATA* ActiveRunData(CWpIntegratedCore* kit, WPSEGMENT** run) {
    *run = kit->GetSeg(kit->GetActiveSeg());
    if (!*run) return nullptr;
    if (!(*run)->data.Get()) (*run)->data = WpSegDataRef(new WPSEGDATA());
    return (*run)->data.Get();
}
}  // namespace

void CWpIntegratedCore::SetSelectCoreTopDep(double depth) {
    WPSEGMENT* run = nullptr;
    ActiveRunData(this, &run);
    PutIf(run && std::isfinite(depth), this, run ? &run->top : nullptr, depth, "CWpIntegratedCore::SetSelectCoreTopDep");
}
void CWpIntegratedCore::SetSelectCoreBtmDep(double depth) {
    WPSEGMENT* run = nullptr;
    ActiveRunData(this, &run);
    PutIf(run && std::isfinite(depth), this, run ? &run->bottom : nullptr, depth,
          "CWpIntegratedCore::SetSelectCoreBtmDep");
}
void CWpIntegratedCore::SetSelectCoreTube(double tube) {
    WPSEGMENT* run = nullptr;
    WPSEGDATA* data = ActiveRunData(this, &run);
    const bool ok = data && std::isfinite(tube) && std::fabs(tube) < 2147483647.0;
    Record("CWpIntegratedCore::SetSelectCoreTube", this, Arg(tube));
    if (!ok) return;
    data->runNumber = static_cast<int>(tube);
    Stamp(this);
}
// A length whose recovery (length over footage) no double holds is refused.
void CWpIntegratedCore::SetSelectCoreLen(double length) {
    WPSEGMENT* run = nullptr;
    WPSEGDATA* data = ActiveRunData(this, &run);
    const bool recovers = data && data->footage > 0;
    const bool ok = data && std::isfinite(length) && (!recovers || std::isfinite(length / data->footage));
    if (PutIf(ok, this, data ? &data->coreLength : nullptr, length, "CWpIntegratedCore::SetSelectCoreLen") && recovers)
        data->recovery = data->coreLength / data->footage;
}

// ---- sand -------------------------------------------------------------------------------------
void CWpSand::SetSymbleType(int type) { Store(this, m_nSymbleType, type, "CWpSand::SetSymbleType"); }
void CWpSand::SetSymbleLeftPos(double pos) { Store(this, m_dSymbleLeftPos, pos, "CWpSand::SetSymbleLeftPos"); }
void CWpSand::SetSymbleRightPos(double pos) { Store(this, m_dSymbleRightPos, pos, "CWpSand::SetSymbleRightPos"); }
void CWpSand::SetVLinePos(int pos) { Store(this, m_nVLinePos, pos, "CWpSand::SetVLinePos"); }
bool CWpSand::IsThkTextShow() { return m_bThkTextShow; }
void CWpSand::ShowThkText(bool show) { Store(this, m_bThkTextShow, show, "CWpSand::ShowThkText"); }
QXLOGFONT& CWpSand::GetThkTextFont() { return m_thkTextFont; }
double CWpSand::GetThkTextPos() { return m_dThkTextPos; }
bool CWpSand::SetThkTextPos(double pos) { return PutIf(IsShare(pos), this, &m_dThkTextPos, pos, "CWpSand::SetThkTextPos"); }
int CWpSand::GetThkTextPrecision() { return m_nThkTextPrecision; }
void CWpSand::SetThkTextPrecision(int digits) {
    Store(this, m_nThkTextPrecision, digits, "CWpSand::SetThkTextPrecision");
}
LogSandDIO* CWpSand::GetData() { return m_pData; }
// The kit's data source follows its data: the set's type, or graphic data (0) without a set.
void CWpSand::SetData(LogSandDIO* data) {
    m_nDataSource = data ? data->GetKind() : 0;
    Store(this, m_pData, data, "CWpSand::SetData");
}
void CWpSand::SetDataName(const CString& name) { Store(this, m_strDataName, name, "CWpSand::SetDataName"); }

// ---- facies -----------------------------------------------------------------------------------
LogFaciesDIO* CWpFacies::GetData() { return m_pData; }
void CWpFacies::SetData(LogFaciesDIO* data) { Store(this, m_pData, data, "CWpFacies::SetData"); }
bool CWpFacies::IsFaciesNameShow() { return m_bFaciesNameShow; }
void CWpFacies::ShowFaciesName(bool show) { Store(this, m_bFaciesNameShow, show, "CWpFacies::ShowFaciesName"); }
QXLOGFONT CWpFacies::GetFaciesNameFont() { return m_faciesNameFont; }
void CWpFacies::SetFaciesNameFont(const QXLOGFONT& font) {
    Store(this, m_faciesNameFont, font, "CWpFacies::SetFaciesNameFont");
}
CString CWpFacies::GetFaciesName(int seg) {
    return seg >= 0 && seg < static_cast<int>(m_faciesNames.size()) && seg < GetSegCount()
               ? m_faciesNames[static_cast<size_t>(seg)]
               : CString();
}
bool CWpFacies::SetFaciesName(const CString& name, int seg) {
    const bool ok = seg >= 0 && seg < GetSegCount();
    if (ok && m_faciesNames.size() < static_cast<size_t>(GetSegCount()))
        m_faciesNames.resize(static_cast<size_t>(GetSegCount()));
    return PutIf(ok, this, ok ? &m_faciesNames[static_cast<size_t>(seg)] : nullptr, name, "CWpFacies::SetFaciesName",
                 Arg(seg));
}
LogFaciesTypeMgrIO* CWpFacies::GetFaciesTypeMgr() { return &zephyr::testing::FaciesTypes(); }

// ---- sidewall cores ---------------------------------------------------------------------------

void CWpSidewallCore::SetDataSource(DATATYPE source) {
    Store(this, m_dataSource, source, "CWpSidewallCore::SetDataSource");
}
void CWpSidewallCore::SetDataTable(const std::string& table) {
    Store(this, m_strDataTable, table, "CWpSidewallCore::SetDataTable");
}
void CWpSidewallCore::SetLithologyField(const std::string& field) {
    Store(this, m_strLithologyField, field, "CWpSidewallCore::SetLithologyField");
}
void CWpSidewallCore::SetOilField(const std::string& field) {
    Store(this, m_strOilField, field, "CWpSidewallCore::SetOilField");
}
CString CWpSidewallCore::ComposeDataName() {
    m_strDataName = CString(m_strDataTable.c_str()) + " " + m_strLithologyField.c_str() + " " + m_strOilField.c_str();
    Record("CWpSidewallCore::ComposeDataName", this, m_strDataName.str());
    return m_strDataName;
}
CString CWpSidewallCore::GetDataName() { return m_strDataName; }
void CWpSidewallCore::SetCoreDep(double depth) {
    PutIf(m_activeCore != nullptr, this, m_activeCore ? &m_activeCore->depth : nullptr, depth,
          "CWpSidewallCore::SetCoreDep");
}
void CWpSidewallCore::SetSelectCoreLith(const std::string& lithology) {
    PutIf(m_activeCore != nullptr, this, m_activeCore ? &m_activeCore->lithology : nullptr, lithology,
          "CWpSidewallCore::SetSelectCoreLith");
}
void CWpSidewallCore::SetSelectCoreOil(const std::string& oil) {
    PutIf(m_activeCore != nullptr, this, m_activeCore ? &m_activeCore->oil : nullptr, oil,
          "CWpSidewallCore::SetSelectCoreOil");
}
LogCorelithMgrIO* CWpSidewallCore::GetCorelithMgr() { return m_pCorelithMgr; }
void CWpSidewallCore::SetActiveCore(int i) {
    if (i < 0) {
        m_activeCore.reset();
        return;
    }
    while (static_cast<int>(m_cores.size()) <= i) m_cores.push_back(boost::make_shared<CSidewallCoreSeg>());
    m_activeCore = m_cores[static_cast<size_t>(i)];
}
