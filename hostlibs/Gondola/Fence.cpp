// The fence container: only its construction is the fence library's here; every fence page
// goes through the section library's container, well manager and singletons.
#include "hosttypes/Gondola/Fence.h"

namespace KelFence {

CFence::CFence(CQXLayer* layer) : ScContainer(layer) { m_strObjName = "CFence"; }
CFence::~CFence() = default;

}  // namespace KelFence
