#include "hosttypes/Pennant/SglCtrlLine.h"

#include "hosttypes/Oriel/ScControlerInterface.h"

namespace ControlLine {

CSglCtrlLine::CSglCtrlLine() : m_pLine(nullptr), m_pOwner(nullptr) { m_strObjName = "CSglCtrlLine"; }
CSglCtrlLine::~CSglCtrlLine() = default;
SC_IMPLEMENT_ACCEPT(CSglCtrlLine)

CSglCtrllLineManager::CSglCtrllLineManager() = default;
CSglCtrllLineManager::~CSglCtrllLineManager() = default;

}  // namespace ControlLine
