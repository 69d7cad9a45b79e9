#include "hosttypes/Osprey/WellDataManager.h"

namespace {
// Grade 0 to 4, from the largest unit to the finest.
constexpr const char* kGradeNames[] = {"段", "砂组", "小层", "单砂体", "韵律层"};
}  // namespace

CString CWellDataManager::ConvertStratumGradeToStratumType(int grade) {
    if (grade < 0 || grade >= static_cast<int>(sizeof kGradeNames / sizeof kGradeNames[0])) return CString();
    return kGradeNames[grade];
}
