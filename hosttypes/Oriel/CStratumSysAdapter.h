// The stratification system of one level (0 to 4, from the largest unit to the finest), as the
// section library reads it from the well data: the stratum names of that level in table order.
#pragma once

#include <string>
#include <vector>

class CStratumSysAdapter {
public:
    explicit CStratumSysAdapter(int level);
    CStratumSysAdapter(const CStratumSysAdapter&) = default;
    CStratumSysAdapter& operator=(const CStratumSysAdapter&) = default;
    ~CStratumSysAdapter();

    // ---- section-library operations ----
    int GetSize() const;
    // "" outside 0 .. GetSize() - 1.
    std::string GetName(int index) const;
    // Position of the first stratum of exactly that name; -1 when the level has none.
    int FindIndex(const std::string& name) const;
    // Whether the level is one of the five (0 to 4).
    bool IsValidGrade() const;
    // Whether the well data hold strata of that level.
    static bool IsValidGrade(int level);
    // The first and the last stratum of the level; "" when it has none.
    std::string GetTopStratum() const;
    std::string GetBotStraum() const;

private:
    int m_nLevel;
    std::vector<std::string> m_names;
};
