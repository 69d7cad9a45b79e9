// Converts a well's stored position into the section's drawing coordinates after the wells were
// moved or the scale changed.
#pragma once

#include <string>

class CSectionTransform {
public:
    // ---- section-library operations ----
    static CSectionTransform* Instance();
    // Places the named well's drawing again from its stored position.
    void TransformWell(const std::string& well);
};
