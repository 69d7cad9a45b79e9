// WDMgrIO: the well-data object a well kit reads its curves, strata and intervals from. It
// hands out the well's data sets by kind and name and fills a record from a data set.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "hosttypes/Zephyr/WpTypes.h"
#include "mfc/String.h"

// One data set of a well: its kind (the source or type code it was asked for) and its name.
class LogDataIO {
public:
    LogDataIO(int kind, CString name) : m_nKind(kind), m_strName(name) {}
    virtual ~LogDataIO() = default;
    int GetKind() const { return m_nKind; }
    CString GetName() const { return m_strName; }

private:
    int m_nKind;
    CString m_strName;
};

// Lithology record: an id, the oil column kind (1 oil-bearing levels, 2 contents), a name, a flag.
struct LOGCORELITH {
    int id = 0;
    int oilKind = 0;
    CString name;
    int flag = 0;
};

// Sand record: an id, a name, the sand type, a flag.
struct LOGSAND {
    int id = 0;
    CString name;
    int type = 0;
    int flag = 0;
};

class LogCorelithDIO : public LogDataIO {
public:
    using LogDataIO::LogDataIO;
    LOGCORELITH m_record;
};

class LogFaciesDIO : public LogDataIO {
public:
    using LogDataIO::LogDataIO;
};

class LogSandDIO : public LogDataIO {
public:
    using LogDataIO::LogDataIO;
    int GetRecordCount() const { return static_cast<int>(m_records.size()); }
    std::vector<LOGSAND> m_records;
};

// The samples of a rock-sample kit.
class LogLthSampleDIO : public LogDataIO {
public:
    using LogDataIO::LogDataIO;
};

// One unit of a layering level: its name, top depth and thickness (metres), its parent in the
// level above (index and name; -1 and "" for none) and its sub-units in the level below (first
// and last index; -1 for none).
struct LOGSTRATUMUNIT {
    CString name;
    double top = 0;
    double thickness = 0;
    int parent = -1;
    CString parentName;
    int firstSub = -1;
    int lastSub = -1;
};

// The layering of one level of a well, units from top to bottom (kit library).
class LogStratumDIO : public LogDataIO {
public:
    using LogDataIO::LogDataIO;
    int GetUnitCount() const { return static_cast<int>(m_units.size()); }
    // The first unit whose top and bottom (top + thickness, both included) enclose depth; -1 for none.
    int FindUnit(double depth) const;
    // The first unit of exactly that name; -1 for none.
    int FindUnit(const CString& name) const;
    // Outside the units: "", 0, -1.
    CString GetUnitName(int i) const;
    double GetUnitTop(int i) const;
    double GetUnitThickness(int i) const;
    int GetParentIndex(int i) const;
    CString GetParentName(int i) const;
    int GetFirstSubUnit(int j) const;
    int GetLastSubUnit(int j) const;

    std::vector<LOGSTRATUMUNIT> m_units;
};

// ---- strata of a stratum kit ----
// What a stratum data set stands for: a level 0 to 4, -1 the kit's own graphics, 5 a discrete
// table (then the name is the table and the field, separated by a blank or a tab).
struct LOGSTRATUM2 {
    CString name;
    int type = -1;
};

class LogStratum2DIO : public LogDataIO {
public:
    using LogDataIO::LogDataIO;
    LOGSTRATUM2 m_record;
};

// ---- perforations of a perforation kit ----
enum SHOOTSOURCE : int { SHOOT_NONE = 0, SHOOT_WELL = 1, SHOOT_DISCRETE = 2 };
// A perforation data set: its source and name (for discrete data the table and the field joined
// by one blank).
struct LOGSHOOT {
    SHOOTSOURCE source = SHOOT_NONE;
    CString name;
};

class LogShootDIO : public LogDataIO {
public:
    using LogDataIO::LogDataIO;
    LOGSHOOT m_record;
};

// ---- symbols of the symbol kits ----
// The catalogue of symbols a kit draws its intervals with, in the catalogue's order.
class ISymbleMgr {
public:
    explicit ISymbleMgr(std::vector<CString> names = {}) : m_names(std::move(names)) {}
    // Virtual operations, in slot order.
    virtual int GetSymbleCount();
    // The position of the symbol of exactly that name; -1 for none.
    virtual int FindSymble(const CString& name);
    // "" outside the catalogue.
    virtual CString GetSymbleName(int i);
    virtual ~ISymbleMgr();

protected:
    std::vector<CString> m_names;
};

// One symbol data set of a well: the source code it was asked for and its name.
class ISymbleData : public LogDataIO {
public:
    using LogDataIO::LogDataIO;
};

class WDMgrIO {
public:
    WDMgrIO();
    virtual ~WDMgrIO();
    WDMgrIO(const WDMgrIO&) = delete;
    WDMgrIO& operator=(const WDMgrIO&) = delete;

    // Depth kind of the well's data: 0 measured, 1 vertical.
    DepthType GetDepthType();

    // ---- kit library ----
    // The data set of that kind and exactly that name; NULL when the well has none.
    LogCorelithDIO* GetCorelith(CORELITHSOURCE source, CString name);
    LogFaciesDIO* GetFacies(int source, CString name);
    LogSandDIO* GetSand(int type, CString name);
    LogStratumDIO* GetStratum(int level, CString name);
    // Fills record from the data set; false, record untouched, for NULL or a set of another well.
    bool FindData(LogCorelithDIO* data, LOGCORELITH& record);
    bool FindData(LogSandDIO* data, LOGSAND& record);

    // Adds a data set (the well owns it); a set of the same kind and name is replaced in place,
    // so pointers to it stay valid and the sets stay as many as their kinds and names.
    LogCorelithDIO* AddCorelith(CORELITHSOURCE source, CString name);
    LogFaciesDIO* AddFacies(int source, CString name);
    LogSandDIO* AddSand(int type, CString name);
    LogStratumDIO* AddStratum(int level, CString name);
    void SetDepthType(DepthType type) { m_depthType = type; }

    // ---- the well's curves (kit library) ----
    int GetCurveCount();
    // "" outside the list.
    CString GetCurveName(int i);
    void AddCurveName(CString name);

    // ---- strata of a stratum kit (kit library) ----
    // The set of that level and name, made on first request (its record: the name and the level).
    LogStratum2DIO* GetStratum2(STRATUMTYPE type, CString name);
    // Fills record from the set; false, record untouched, for NULL or a set of another well.
    bool FindData(LogStratum2DIO* data, LOGSTRATUM2& record);
    // Adds (or replaces) a set of any type code, its record holding that name and type.
    LogStratum2DIO* AddStratum2(int type, CString name);

    // ---- perforations (kit library) ----
    // The set of that source and name, made on first request (its record: the source and the name).
    LogShootDIO* GetShoot(SHOOTSOURCE source, CString name);
    // Fills record from the set; false, record untouched, for NULL or a set of another well.
    bool FindData(LogShootDIO* data, LOGSHOOT& record);

    // ---- symbols of the symbol kits (kit library) ----
    // The set of that source code and name, made on first request.
    ISymbleData* GetSymbleData(int code, CString name);
    // The symbol catalogue of that source code (the same one at every request); NULL for a code
    // that has none.
    ISymbleMgr* GetSymbleMgr(int code);

protected:
    std::vector<std::unique_ptr<ISymbleData>> m_symbleData;
    std::vector<std::pair<int, std::unique_ptr<ISymbleMgr>>> m_symbleMgrs;
    std::vector<std::unique_ptr<LogShootDIO>> m_shoot;
    std::vector<std::unique_ptr<LogStratum2DIO>> m_stratum2;
    DepthType m_depthType = DEPTH_MEASURED;
    std::vector<std::unique_ptr<LogCorelithDIO>> m_corelith;
    std::vector<std::unique_ptr<LogFaciesDIO>> m_facies;
    std::vector<std::unique_ptr<LogSandDIO>> m_sand;
    std::vector<std::unique_ptr<LogStratumDIO>> m_stratum;
    std::vector<CString> m_curveNames;
};
