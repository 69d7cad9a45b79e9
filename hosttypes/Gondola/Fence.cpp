#include "hosttypes/Gondola/Fence.h"

#include "hosttypes/Oriel/ScControlerInterface.h"

namespace KelFence {

CFcWellPosSetter::CFcWellPosSetter() : m_pContainer(nullptr), m_dSpacing(0.0) {}
CFcWellPosSetter::~CFcWellPosSetter() = default;

SC_IMPLEMENT_ACCEPT(CFence)

}  // namespace KelFence
