// The plane-map library's per-layer settings: every value a wrapper keeps for a layer beyond
// the layer's own pen, brush, font and point style. A layer finds its settings through an id
// the library writes into the layer's attribute store under kSettingsKey, so settings never
// outlive their layer's identity (a new layer at a freed address starts with none).
#pragma once

#include <cfloat>
#include <map>
#include <string>
#include <variant>
#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "mfc/Collections.h"
#include "mfc/String.h"

class CQXLayer;

namespace moraine::detail {

constexpr const char* kSettingsKey = "Moraine.Settings";

class LayerSettings {
public:
    // The value stored under the name, or the fallback when there is none of that type.
    template <class T>
    T Get(const char* name, const T& fallback) const {
        auto it = m_values.find(name);
        if (it == m_values.end()) return fallback;
        const T* value = std::get_if<T>(&it->second);
        return value ? *value : fallback;
    }
    template <class T>
    void Set(const char* name, const T& value) {
        m_values[name] = value;
    }
    // Drops every value (a layer set back to a new layer's state).
    void Clear() { m_values.clear(); }

private:
    using Value =
        std::variant<int, unsigned, float, double, CString, QXLOGPEN, QXLOGBRUSH, QXLOGPOINT, std::vector<CString>>;
    std::map<std::string, Value> m_values;
};

// The layer's settings; NULL for a NULL layer, and NULL when the layer has none yet and
// create is false.
LayerSettings* SettingsOf(CQXLayer* layer, bool create);

// A wrapper wrote layer state: the layer's stamp moves and the call is logged (in the
// map-object library's call log, so tests read one ordered log of map calls).
void Changed(CQXLayer* layer, const char* operation, const std::string& arguments = std::string());

// The layer's own style values; zero values for a NULL layer.
QXLOGPEN LayerPen(CQXLayer* layer);
QXLOGBRUSH LayerBrush(CQXLayer* layer);
QXLOGFONT LayerFont(CQXLayer* layer);
QXLOGPOINT LayerPoint(CQXLayer* layer);
// Write the layer's own style values (nothing for a NULL layer) and log the operation.
void SetLayerPen(CQXLayer* layer, const QXLOGPEN& pen, const char* operation, const std::string& arguments = {});
void SetLayerBrush(CQXLayer* layer, const QXLOGBRUSH& brush, const char* operation, const std::string& arguments = {});
void SetLayerFont(CQXLayer* layer, const QXLOGFONT& font, const char* operation, const std::string& arguments = {});
void SetLayerPoint(CQXLayer* layer, const QXLOGPOINT& point, const char* operation, const std::string& arguments = {});

// Reads and writes of one setting (fallback without settings; writes need a layer).
template <class T>
T Read(LayerSettings* settings, const char* name, const T& fallback) {
    return settings ? settings->Get<T>(name, fallback) : fallback;
}
template <class T>
void Write(CQXLayer* layer, LayerSettings* settings, const char* name, const T& value, const char* operation,
           const std::string& arguments = {}) {
    if (!layer || !settings) return;
    settings->Set<T>(name, value);
    Changed(layer, operation, arguments);
}
// An int setting, logged with its value.
inline void WriteInt(CQXLayer* layer, LayerSettings* settings, const char* name, int value, const char* operation) {
    Write<int>(layer, settings, name, value, operation, std::to_string(value));
}

// One field of a record (a pen, a point) kept whole under name: changed, then logged.
template <class Record, class Field>
void WriteField(CQXLayer* layer, LayerSettings* settings, const char* name, Field Record::*field, Field value,
                const std::string& operation, const std::string& arguments) {
    if (!layer || !settings) return;
    Record record = settings->Get<Record>(name, Record());
    record.*field = value;
    settings->Set<Record>(name, record);
    Changed(layer, operation.c_str(), arguments);
}

// A width or size handed as a double, made the float its record keeps. False, nothing to write,
// for NaN and for a value beyond the float range: the library leaves the record as it was.
inline bool FitsFloat(double value, float* kept) {
    if (!(value >= -FLT_MAX && value <= FLT_MAX)) return false;
    *kept = static_cast<float>(value);
    return true;
}
// WriteField for a float field given a double: nothing is written when the float cannot hold it.
template <class Record>
void WriteFloatField(CQXLayer* layer, LayerSettings* settings, const char* name, float Record::*field, double value,
                     const std::string& operation, const std::string& arguments) {
    float kept = 0;
    if (FitsFloat(value, &kept)) WriteField(layer, settings, name, field, kept, operation, arguments);
}

// The distribution types of an oil-water or region line layer, in order, into the emptied array.
void GetDistributionTypes(LayerSettings* settings, CStringArray& types);

// Drops every layer's settings (test reset).
void ClearSettings();

}  // namespace moraine::detail
