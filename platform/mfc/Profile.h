// The registry workspace: an in-memory store of settings, one profile per name (what a
// control's SaveState/LoadState keys by, e.g. "CellTypesGrid"), each a set of named
// entries held as text. Integers are kept as "%d" text, integer lists as texts of
// comma-separated "%d". Nothing is written to disk; Reset empties the store (between tests).
#pragma once

#include <map>
#include <string>
#include <vector>

namespace platform {

class ProfileStore {
public:
    static ProfileStore& Instance();

    void WriteString(const std::string& profile, const std::string& entry, const std::string& value);
    // False (value untouched) when the profile has no such entry.
    bool ReadString(const std::string& profile, const std::string& entry, std::string& value) const;
    void WriteInt(const std::string& profile, const std::string& entry, int value);
    // False (value untouched) when the entry is missing or is not an integer.
    bool ReadInt(const std::string& profile, const std::string& entry, int& value) const;
    void WriteInts(const std::string& profile, const std::string& entry, const std::vector<int>& values);
    // False (values untouched) when the entry is missing or is not a list of integers.
    bool ReadInts(const std::string& profile, const std::string& entry, std::vector<int>& values) const;

    bool HasProfile(const std::string& profile) const;
    std::vector<std::string> Entries(const std::string& profile) const;
    void RemoveProfile(const std::string& profile);
    void Reset();

private:
    std::map<std::string, std::map<std::string, std::string>> profiles_;
};

}  // namespace platform
