// Read-only views the section pages build over a well's strata and a sand body's symbols.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"

class CnSand;

// The strata of one well with their depths.
class CStratumAdapter {
public:
    typedef std::pair<double, double> Interval;  // top, bottom

    CStratumAdapter() = default;
    CStratumAdapter(const CStratumAdapter&) = default;
    CStratumAdapter& operator=(const CStratumAdapter&) = default;
    ~CStratumAdapter();

    // ---- section-library operations ----
    void SetWellName(const std::string& well);
    void AddStratum(const std::string& stratum, double top, double bottom);
    // kFltMax when the well has no such stratum.
    double GetTopDepth(const std::string& stratum, bool exact) const;
    double GetBotDepth(const std::string& stratum, bool exact) const;

private:
    std::string m_strWellName;
    std::vector<std::string> m_strata;
    std::vector<Interval> m_intervals;
};

// The symbol fill of one or several sand bodies.
class CSandSymbolAdapter {
public:
    CSandSymbolAdapter() = default;
    CSandSymbolAdapter(CnSand* sand, int type);
    CSandSymbolAdapter(const std::vector<CnSand*>& sands, int type);
    CSandSymbolAdapter(const CSandSymbolAdapter&) = default;
    CSandSymbolAdapter& operator=(const CSandSymbolAdapter&) = default;
    ~CSandSymbolAdapter();

    // ---- section-library operations ----
    std::string GetName() const;  // "" when the sands have no symbol
    void SetName(const std::string& name);
    QXLOGBRUSH GetBrush() const;

private:
    std::vector<CnSand*> m_sands;
    std::string m_strName;
    int m_nType = 0;
};
