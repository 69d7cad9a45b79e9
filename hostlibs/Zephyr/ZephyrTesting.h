// Test hooks of the well-plot kit library stand-in. Its calls are logged in the map-object
// library's call log (parsnip::testing), with the kit they acted on, so a kit's own calls and
// CQXObject::SetModifyFlag read as one ordered log.
#pragma once

#include <string>
#include <vector>

class CWpKit;

namespace zephyr::testing {
// The operations logged so far, names only ("Class::Operation"), in order.
std::vector<std::string> CallLog();
void ClearCallLog();
// Simulates a change made elsewhere: the kit gets a new stamp.
void Touch(CWpKit* kit);
// Back to the initial state (the library has no singletons; this clears the log).
void Reset();
}  // namespace zephyr::testing

namespace zephyr::detail {
void Record(const char* operation, const void* target, const std::string& arguments = std::string());
void Stamp(CWpKit* kit);
}  // namespace zephyr::detail

// ---- interval kits ----
class LogCorelithMgrIO;
class LogFaciesTypeMgrIO;
namespace zephyr::testing {
// The code tables every lithology kit and every facies kit share; tests may change their entries.
// Reset() gives them their sample entries again (see the README).
LogCorelithMgrIO& CorelithCodes();
LogFaciesTypeMgrIO& FaciesTypes();
}  // namespace zephyr::testing
namespace zephyr::detail {
void ResetCodeTables();
}  // namespace zephyr::detail

// ---- parameter and result kits ----
class LogParaDMgrIO;
namespace zephyr::testing {
// The catalogue every parameter and result kit is made with (a kit given another, or none, by
// SetDataInfo keeps that). Reset() gives it its sample tables again (see the README).
LogParaDMgrIO& DataCatalogue();
void ResetDataCatalogue();
}  // namespace zephyr::testing
