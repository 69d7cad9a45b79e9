#include "wellplot/PageLists.h"

namespace wellplot {

bool ReadChoice(CBCGPProp* item, int* choice) { return !FixedListOf(item) || ReadFixedList(item, choice); }

}  // namespace wellplot
