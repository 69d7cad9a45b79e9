// CQXPropertyManager: the attribute store every map object and layer embeds. Values are kept
// under text keys; a getter fills its output and answers nonzero only when the key holds a value
// of its kind, and otherwise leaves the output as the caller preset it.
#pragma once

#include <map>
#include <string>
#include <variant>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "mfc/String.h"

// A value the store keeps under a key: a flag, a text, a pen or a brush.
using QXPropertyValue = std::variant<int, CString, QXLOGPEN, QXLOGBRUSH>;

class CQXPropertyManager;
namespace parsnip::testing {
// Test hook: every entry of an attribute store, in key order.
const std::map<std::string, QXPropertyValue>& PropertyEntries(const CQXPropertyManager& store);
}  // namespace parsnip::testing

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
    using Value = QXPropertyValue;
    friend const std::map<std::string, QXPropertyValue>& parsnip::testing::PropertyEntries(
        const CQXPropertyManager& store);
    std::map<std::string, Value> m_values;
};
