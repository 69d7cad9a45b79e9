#include "hosttypes/Osprey/WellDataManager.h"

#include <memory>

#include "hostlibs/Osprey/SampleSymbols.h"
#include "hostlibs/Osprey/WellDataTesting.h"
#include "hosttypes/Tinder/TimeStamp.h"
#include "win32/Text.h"

namespace osprey::detail {
// The stand-in's way into the catalogues it fills (the sample, the test hooks).
struct CatalogueAccess {
    static void SetStrata(CWellDataManager& manager, const std::vector<STRATUM>& strata) {
        manager.m_stratumManager.m_strata = strata;
    }
    static void SetFaciesTypes(CWellDataManager& manager, const std::vector<FACIESTYPE>& types) {
        if (!manager.m_pFaciesTypeManager) manager.m_pFaciesTypeManager = std::make_unique<CFaciesTypeManager>();
        manager.m_pFaciesTypeManager->m_types = types;
    }
    static void SetScatteredTypes(CWellDataManager& manager, const std::vector<SCATTEREDTYPE>& types) {
        if (!manager.m_pScatteredTypeManager)
            manager.m_pScatteredTypeManager = std::make_unique<CScatteredTypeManager>();
        manager.m_pScatteredTypeManager->m_types = types;
    }
    static void RemoveFaciesTypeManager(CWellDataManager& manager) { manager.m_pFaciesTypeManager.reset(); }
    static void RemoveScatteredTypeManager(CWellDataManager& manager) { manager.m_pScatteredTypeManager.reset(); }
};
}  // namespace osprey::detail

namespace {
using osprey::detail::CatalogueAccess;
using namespace osprey::testing;

QXLOGBRUSH SolidBrush(COLORREF fill) {
    QXLOGBRUSH brush;
    brush.style = kBrushStyleSolid;
    brush.fillColor = fill;
    brush.lineColor = RGB(0, 0, 0);
    brush.backMode = kBackModeOpaque;
    return brush;
}

QXLOGPEN Pen(COLORREF color, float width) {
    QXLOGPEN pen;
    pen.color = color;
    pen.width = width;
    return pen;
}

// The sample project: two strata of grade 0, three of grade 1, three of grade 2. "1" exists in
// grades 1 and 2 with different aliases, so a lookup that ignores the grade shows.
std::vector<STRATUM> SampleStrata() {
    return {
        MakeStratum(0, "沙一段", "Es1"),        MakeStratum(0, "沙二段", "Es2"),
        MakeStratum(1, "1", "沙二1砂组", "沙二段"), MakeStratum(1, "2", "沙二2砂组", "沙二段"),
        MakeStratum(1, "3", "沙二3砂组", "沙二段"), MakeStratum(2, "1", "沙二1-1", "1"),
        MakeStratum(2, "2", "沙二1-2", "1"),     MakeStratum(2, "3", "沙二2-1", "2"),
    };
}

std::vector<FACIESTYPE> SampleFaciesTypes() {
    return {
        MakeFaciesType("HD", "水下分流河道", SolidBrush(RGB(255, 255, 0)), Pen(RGB(255, 0, 0), 30)),
        MakeFaciesType("HKB", "河口坝", SolidBrush(RGB(255, 200, 0)), Pen(RGB(0, 128, 0), 20)),
        MakeFaciesType("XZS", "席状砂", SolidBrush(RGB(200, 255, 150)), Pen(RGB(0, 0, 255), 20)),
        MakeFaciesType("JW", "分流间湾", SolidBrush(RGB(180, 180, 180)), Pen(RGB(128, 128, 128), 10)),
    };
}

std::vector<SCATTEREDTYPE> SampleScatteredTypes() {
    return {
        MakeScatteredType("1", "一类储层", SolidBrush(RGB(255, 0, 0))),
        MakeScatteredType("2", "二类储层", SolidBrush(RGB(255, 165, 0))),
        MakeScatteredType("3", "三类储层", SolidBrush(RGB(0, 160, 255))),
    };
}

std::unique_ptr<CWellDataManager>& Slot() {
    static std::unique_ptr<CWellDataManager> manager;
    return manager;
}

// One change of the well data: the manager and the changed table (if any) take one new stamp.
void Stamp(CQXTable* table) {
    const uint64_t stamp = AfxGetTimeStamp();
    CWellDataManager::Instance()->SetTimeStamp(stamp);
    if (table) table->SetTimeStamp(stamp);
}
}  // namespace

CWellDataManager* CWellDataManager::Instance() {
    if (!Slot()) {
        auto manager = std::make_unique<CWellDataManager>();
        CatalogueAccess::SetStrata(*manager, SampleStrata());
        CatalogueAccess::SetFaciesTypes(*manager, SampleFaciesTypes());
        CatalogueAccess::SetScatteredTypes(*manager, SampleScatteredTypes());
        osprey::detail::LoadSampleSymbols(*manager);
        Slot() = std::move(manager);
    }
    return Slot().get();
}

namespace osprey::testing {
void ResetWellDataManager() { Slot().reset(); }
void TouchWellData() { Stamp(nullptr); }

void SetStrata(const std::vector<STRATUM>& strata) {
    CWellDataManager* manager = CWellDataManager::Instance();
    CatalogueAccess::SetStrata(*manager, strata);
    Stamp(manager->GetStratumManager());
}

void SetFaciesTypes(const std::vector<FACIESTYPE>& types) {
    CWellDataManager* manager = CWellDataManager::Instance();
    CatalogueAccess::SetFaciesTypes(*manager, types);
    Stamp(manager->GetFaciesTypeManager());
}

void SetScatteredTypes(const std::vector<SCATTEREDTYPE>& types) {
    CWellDataManager* manager = CWellDataManager::Instance();
    CatalogueAccess::SetScatteredTypes(*manager, types);
    Stamp(manager->GetScatteredTypeManager());
}

void RemoveFaciesTypeManager() {
    CatalogueAccess::RemoveFaciesTypeManager(*CWellDataManager::Instance());
    Stamp(nullptr);
}

void RemoveScatteredTypeManager() {
    CatalogueAccess::RemoveScatteredTypeManager(*CWellDataManager::Instance());
    Stamp(nullptr);
}

STRATUM MakeStratum(int grade, const char* name, const char* alias, const char* parent) {
    STRATUM stratum;
    stratum.grade = grade;
    text::CopyToField(stratum.name, STRATUM::kTextSize, name ? name : "");
    text::CopyToField(stratum.alias, STRATUM::kTextSize, alias ? alias : "");
    text::CopyToField(stratum.parent, STRATUM::kTextSize, parent ? parent : "");
    return stratum;
}

FACIESTYPE MakeFaciesType(const char* code, const char* name, const QXLOGBRUSH& brush, const QXLOGPEN& pen) {
    FACIESTYPE type;
    text::CopyToField(type.code, kWellStyleNameSize, code ? code : "");
    text::CopyToField(type.name, kWellStyleNameSize, name ? name : "");
    type.brush = brush;
    type.pen = pen;
    return type;
}

SCATTEREDTYPE MakeScatteredType(const char* code, const char* name, const QXLOGBRUSH& brush, const QXLOGPEN& pen) {
    SCATTEREDTYPE type;
    text::CopyToField(type.code, kWellStyleNameSize, code ? code : "");
    text::CopyToField(type.name, kWellStyleNameSize, name ? name : "");
    type.brush = brush;
    type.pen = pen;
    return type;
}
}  // namespace osprey::testing
