#include "hosttypes/Oriel/SectionEvents.h"

ScMouseMessager::~ScMouseMessager() = default;

CDefaultEvent::CDefaultEvent() { m_strName = "CDefaultEvent"; }
CDefaultEvent::~CDefaultEvent() = default;

CWellEvent::CWellEvent() = default;
CWellEvent::~CWellEvent() = default;
CCnWellEvent::CCnWellEvent() = default;
CCnWellEvent::~CCnWellEvent() = default;
ScDepthRulerMoveEvent::ScDepthRulerMoveEvent() = default;
ScDepthRulerMoveEvent::~ScDepthRulerMoveEvent() = default;
ScDisRulerMoveEvent::ScDisRulerMoveEvent() = default;
ScDisRulerMoveEvent::~ScDisRulerMoveEvent() = default;
ScRulerFrameMoveEvent::ScRulerFrameMoveEvent() = default;
ScRulerFrameMoveEvent::~ScRulerFrameMoveEvent() = default;
ScDisScaleMoveEvent::ScDisScaleMoveEvent() = default;
ScDisScaleMoveEvent::~ScDisScaleMoveEvent() = default;
ScLookDownFormEvent::ScLookDownFormEvent() = default;
ScLookDownFormEvent::~ScLookDownFormEvent() = default;
CnEditConnectionEvent::CnEditConnectionEvent() = default;
CnEditConnectionEvent::~CnEditConnectionEvent() = default;
CnEditSandLineEvent::CnEditSandLineEvent() = default;
CnEditSandLineEvent::~CnEditSandLineEvent() = default;
CnEditSandFillEvent::CnEditSandFillEvent() = default;
CnEditSandFillEvent::~CnEditSandFillEvent() = default;
CnEditSpliLineEvent::CnEditSpliLineEvent() = default;
CnEditSpliLineEvent::~CnEditSpliLineEvent() = default;
CnEditSandFillBoundaryEvent::CnEditSandFillBoundaryEvent() = default;
CnEditSandFillBoundaryEvent::~CnEditSandFillBoundaryEvent() = default;
