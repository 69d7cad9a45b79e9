// CWpSymble: symbols placed on intervals, and its kinds: texture (bedding), cycle and
// perforation symbols. A CWpSymbleShoot is not a CWpShoot.
#pragma once

#include <string>
#include <vector>

#include "hosttypes/Zephyr/WDMgrIO.h"
#include "hosttypes/Zephyr/WpSegment.h"
#include "mfc/String.h"

// ---- symbol data (kit library) ----
// The data-source codes a symbol kit keeps in m_nDataSource: its well data, a discrete table of
// segment data, or its own graphics, numbered per kind of kit.
enum SYMBLESOURCE : int {
    SYMBLE_SHOOT_WELL = 1,
    SYMBLE_SHOOT_DISCRETE = 5,
    SYMBLE_SHOOT_GRAPHIC = -2,
    SYMBLE_CYCLE_LONG = 2,
    SYMBLE_CYCLE_SHORT = 3,
    SYMBLE_CYCLE_MIDDLE = 4,
    SYMBLE_CYCLE_DISCRETE = 6,
    SYMBLE_CYCLE_GRAPHIC = -1,
    SYMBLE_TEXTURE_DISCRETE = 7,
    SYMBLE_TEXTURE_WELL = 8,
    SYMBLE_TEXTURE_GRAPHIC = -3,
};

class CWpSymble : public CWpSegment {
    DECLARE_DYNAMIC(CWpSymble)
public:
    CWpSymble();
    ~CWpSymble() override;
    WPKITTYPE GetWpKitType() override;

    std::string GetTableName();
    std::string GetFiledName();

    // ---- kit library ----
    void SetTableName(const std::string& name);
    void SetFiledName(const std::string& name);
    ISymbleData* GetData();
    void SetData(ISymbleData* data);
    // The kit's symbol catalogue (owned by the well data); NULL when it has none.
    ISymbleMgr* GetSymbleMgr();
    void SetSymbleMgr(ISymbleMgr* mgr);
    // The symbol of interval i; "" outside the intervals or for an interval without one.
    CString GetSymbleName(int i);
    // False, nothing changed, for an index outside the intervals (-1 included) or a name that the
    // kit's catalogue lacks (any name while it has none).
    bool SetSymbleName(int i, const CString& name);
    // Left and right margins of the symbols, as shares of the track width; each refuses (false,
    // nothing changed) a value outside 0 to below 0.5.
    double GetEdgeOffL();
    double GetEdgeOffR();
    bool SetEdgeOffL(double offset);
    bool SetEdgeOffR(double offset);

protected:
    std::string m_strTableName;
    std::string m_strFiledName;
    ISymbleData* m_pData = nullptr;
    ISymbleMgr* m_pSymbleMgr = nullptr;
    std::vector<CString> m_symbleNames;
    double m_dEdgeOffL = 0.1;
    double m_dEdgeOffR = 0.1;
};

class CWpSymbleTexture : public CWpSymble {
    DECLARE_DYNAMIC(CWpSymbleTexture)
public:
    CWpSymbleTexture();
    ~CWpSymbleTexture() override;
    WPKITTYPE GetWpKitType() override;

    // ---- kit library ----
    // Whether each symbol is fitted to its interval; otherwise drawn at the symbol size.
    bool IsFitRect();
    void SetFitRect(bool fit);
    // Symbol size in millimetres; a size that is not above 0, or no finite number, is refused.
    double GetSymbleWidth();
    bool SetSymbleWidth(double width);
    double GetSymbleHeight();
    bool SetSymbleHeight(double height);

protected:
    bool m_bFitRect = true;
    double m_dSymbleWidth = 5;
    double m_dSymbleHeight = 2;
};

class CWpSymbleCycle : public CWpSymble {
    DECLARE_DYNAMIC(CWpSymbleCycle)
public:
    CWpSymbleCycle();
    ~CWpSymbleCycle() override;
    WPKITTYPE GetWpKitType() override;
};

class CWpSymbleShoot : public CWpSymble {
    DECLARE_DYNAMIC(CWpSymbleShoot)
public:
    CWpSymbleShoot();
    ~CWpSymbleShoot() override;
    WPKITTYPE GetWpKitType() override;

    const std::string& GetStartDateTime();
    const std::string& GetEndDateTime();
    std::vector<std::string>& GetAllDateTime();
    bool IsFilter();

    // ---- kit library ----
    void IsFilter(bool filter);
    void SetStartDateTime(const std::string& date);
    void SetEndDateTime(const std::string& date);

protected:
    std::string m_strStartDateTime;
    std::string m_strEndDateTime;
    std::vector<std::string> m_allDateTime;
    bool m_bFilter = false;
};
