// How the kit library's setters store: the value goes into its field, the call is logged with its
// kit and the value as argument, and the kit's stamp is renewed.
#pragma once

#include <string>

#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "mfc/String.h"

class CWpKit;

namespace zephyr::detail {

inline std::string Arg(int value) { return std::to_string(value); }
inline std::string Arg(unsigned value) { return std::to_string(value); }  // colours, styles
inline std::string Arg(bool value) { return value ? "1" : "0"; }
inline std::string Arg(double value) { return std::string(FormatString("%g", value)); }
inline std::string Arg(float value) { return Arg(static_cast<double>(value)); }
inline std::string Arg(const CString& value) { return std::string(value); }
inline std::string Arg(const std::string& value) { return value; }
// Records (pens, fonts, ...) are logged without arguments.
template <class Record>
std::string Arg(const Record&) {
    return std::string();
}

template <class Field, class Value>
void Store(CWpKit* kit, Field& field, const Value& value, const char* operation) {
    field = value;
    Record(operation, kit, Arg(field));
    Stamp(kit);
}

// A refusable change: logged always ("value" or "value,where"), stored and stamped only when
// accepted and there is a field to store into.
template <class Field, class Value>
bool PutIf(bool accepted, CWpKit* kit, Field* field, const Value& value, const char* operation,
           const std::string& where = std::string()) {
    Record(operation, kit, where.empty() ? Arg(value) : Arg(value) + "," + where);
    if (!accepted || !field) return false;
    *field = value;
    Stamp(kit);
    return true;
}

}  // namespace zephyr::detail
