// The contour-option editors of the map library. Headless there is nobody to ask: each call is
// logged, and a test or the demo host may script what the user would have changed.
#include <functional>

#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Parsnip/QXLayer.h"

namespace {

std::function<void(CQXLayer*)>& ScriptedChange() {
    static std::function<void(CQXLayer*)> change;
    return change;
}

int RunEditor(CQXLayer* layer, const char* operation) {
    parsnip::testing::Record(operation, layer);
    if (ScriptedChange()) {
        ScriptedChange()(layer);
        layer->ProChanged();
    }
    return 1;
}

}  // namespace

int CQXLayer::ChangeContourLineOption() { return RunEditor(this, "CQXLayer::ChangeContourLineOption"); }
int CQXLayer::ChangeContourFillOption() { return RunEditor(this, "CQXLayer::ChangeContourFillOption"); }

namespace parsnip::testing {
void SetContourOptionChange(std::function<void(CQXLayer*)> change) { ScriptedChange() = std::move(change); }
}  // namespace parsnip::testing
