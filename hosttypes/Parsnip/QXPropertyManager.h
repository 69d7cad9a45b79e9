// CQXPropertyManager: the attribute store every map object and layer embeds. Values are kept
// under text keys; a getter fills its output and answers nonzero only when the key holds a value
// of its kind, and otherwise leaves the output as the caller preset it.
#pragma once

#include <map>
#include <string>
#include <variant>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "mfc/String.h"

class CQXPropertyManager {
public:
    CQXPropertyManager();
    CQXPropertyManager(const CQXPropertyManager& other);
    CQXPropertyManager& operator=(const CQXPropertyManager& other);
    ~CQXPropertyManager();

    int GetBoolProperty(const char* key, int& value) const;
    int GetStringProperty(const char* key, CString& value) const;
    int GetPenProperty(const char* key, QXLOGPEN* pen) const;
    int GetBrushProperty(const char* key, QXLOGBRUSH* brush) const;

    void SetBoolProperty(const char* key, int value);
    void SetStringProperty(const char* key, const char* value);
    void SetPenProperty(const char* key, const QXLOGPEN* pen);
    void SetBrushProperty(const char* key, const QXLOGBRUSH* brush);

    bool HasProperty(const char* key) const;
    void RemoveProperty(const char* key);
    int GetPropertyCount() const;

private:
    using Value = std::variant<int, CString, QXLOGPEN, QXLOGBRUSH>;
    std::map<std::string, Value> m_values;
};
