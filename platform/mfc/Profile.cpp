#include "mfc/Profile.h"

#include "win32/Crt.h"

namespace {

// The whole text is one 32-bit integer as WriteInt writes it.
bool ParseInt(const std::string& text, int& value) {
    const int v = crt::Atoi(text.c_str());
    if (std::to_string(v) != text) return false;
    value = v;
    return true;
}

}  // namespace

namespace platform {

ProfileStore& ProfileStore::Instance() {
    static ProfileStore store;
    return store;
}

void ProfileStore::WriteString(const std::string& profile, const std::string& entry, const std::string& value) {
    profiles_[profile][entry] = value;
}

bool ProfileStore::ReadString(const std::string& profile, const std::string& entry, std::string& value) const {
    auto p = profiles_.find(profile);
    if (p == profiles_.end()) return false;
    auto e = p->second.find(entry);
    if (e == p->second.end()) return false;
    value = e->second;
    return true;
}

void ProfileStore::WriteInt(const std::string& profile, const std::string& entry, int value) {
    WriteString(profile, entry, std::to_string(value));
}

bool ProfileStore::ReadInt(const std::string& profile, const std::string& entry, int& value) const {
    std::string text;
    return ReadString(profile, entry, text) && ParseInt(text, value);
}

void ProfileStore::WriteInts(const std::string& profile, const std::string& entry, const std::vector<int>& values) {
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i) text += ',';
        text += std::to_string(values[i]);
    }
    WriteString(profile, entry, text);
}

bool ProfileStore::ReadInts(const std::string& profile, const std::string& entry, std::vector<int>& values) const {
    std::string text;
    if (!ReadString(profile, entry, text)) return false;
    std::vector<int> result;
    if (!text.empty()) {
        std::size_t start = 0;
        while (true) {
            const std::size_t comma = text.find(',', start);
            int v = 0;
            if (!ParseInt(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start), v))
                return false;
            result.push_back(v);
            if (comma == std::string::npos) break;
            start = comma + 1;
        }
    }
    values = result;
    return true;
}

bool ProfileStore::HasProfile(const std::string& profile) const { return profiles_.count(profile) != 0; }

std::vector<std::string> ProfileStore::Entries(const std::string& profile) const {
    std::vector<std::string> names;
    auto p = profiles_.find(profile);
    if (p != profiles_.end())
        for (const auto& e : p->second) names.push_back(e.first);
    return names;
}

void ProfileStore::RemoveProfile(const std::string& profile) { profiles_.erase(profile); }

void ProfileStore::Reset() { profiles_.clear(); }

}  // namespace platform
