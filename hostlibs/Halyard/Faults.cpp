// Fault points, fault lines and their manager: the library's side of them.
#include "hostlibs/Halyard/CallLog.h"
#include "hosttypes/Halyard/FaultLine.h"

namespace KelReservoir::Fault {

using halyard::detail::Log;

// ---- points ----
IkelFaultPoint::IkelFaultPoint() : m_pWell(nullptr), m_dDepth(0.0) {}
IkelFaultPoint::IkelFaultPoint(const IkelFaultPoint&) = default;
IkelFaultPoint& IkelFaultPoint::operator=(const IkelFaultPoint&) = default;
IkelFaultPoint::~IkelFaultPoint() = default;

FLOATPOINT IkelFaultPoint::GetPoint() const { return m_point; }
IkelWellAdapter* IkelFaultPoint::GetWell() const { return m_pWell; }
double IkelFaultPoint::GetDepth() const { return m_dDepth; }
void IkelFaultPoint::SetPoint(const FLOATPOINT& point) { m_point = point; }
void IkelFaultPoint::Draw(CDC*, CView*) {}

CkelFaultWellPoint::CkelFaultWellPoint() : m_pFaultLine(nullptr), m_nIndex(0), m_nFaultPointIndex(0) {}
CkelFaultWellPoint::CkelFaultWellPoint(const CkelFaultWellPoint&) = default;
CkelFaultWellPoint& CkelFaultWellPoint::operator=(const CkelFaultWellPoint&) = default;
CkelFaultWellPoint::~CkelFaultWellPoint() = default;
void CkelFaultWellPoint::SetWell(IkelWellAdapter* well) { m_pWell = well; }
void CkelFaultWellPoint::SetDepth(double depth) { m_dDepth = depth; }

CkelFaultStratumPoint::CkelFaultStratumPoint() : m_pStratumCell(nullptr), m_nIndex(0) {}
CkelFaultStratumPoint::CkelFaultStratumPoint(const CkelFaultStratumPoint&) = default;
CkelFaultStratumPoint& CkelFaultStratumPoint::operator=(const CkelFaultStratumPoint&) = default;
CkelFaultStratumPoint::~CkelFaultStratumPoint() = default;

// ---- line ----
CkelFaultLine::CkelFaultLine()
    : m_dDistance(0.0),
      m_dAngle(0.0),
      m_bCutOff(false),
      m_bPermeable(false),
      m_bNormal(true),
      m_bOverWell(false),
      m_pManager(nullptr),
      m_pSelFaultPoint(nullptr),
      m_pImp(nullptr) {
    m_strObjName = "CkelFaultLine";
}
CkelFaultLine::~CkelFaultLine() = default;

void CkelFaultLine::AddStratumPoint(CkelFaultStratumPoint& point) { m_stratumPoints.AddObj(point); }

void CkelFaultLine::SetLogPen(QXLOGPEN& pen) {
    m_logPen = pen;
    Log("CkelFaultLine::SetLogPen");
}
QXLOGPEN CkelFaultLine::GetLogPen() const { return m_logPen; }
void CkelFaultLine::SetName(std::string name) {
    Log("CkelFaultLine::SetName(" + name + ")");
    m_strName = std::move(name);
}
void CkelFaultLine::SetDistance(double distance) {
    m_dDistance = distance;
    Log("CkelFaultLine::SetDistance(" + std::to_string(distance) + ")");
}
void CkelFaultLine::SetAngle(double angle) {
    m_dAngle = angle;
    Log("CkelFaultLine::SetAngle(" + std::to_string(angle) + ")");
}
double CkelFaultLine::GetRealDistance() const { return m_dDistance; }
void CkelFaultLine::Update() { Log("CkelFaultLine::Update"); }
CQXObjectPolyline* CkelFaultLine::GetImp() const { return m_pImp; }
void CkelFaultLine::SetImp(CQXObjectPolyline* polyline) { m_pImp = polyline; }

// ---- manager ----
void CkelFaultLineManager::Clear() {
    Log("CkelFaultLineManager::Clear");
    RemoveAll();
    m_activeObj.reset();
}
void CkelFaultLineManager::AddLine(boost::shared_ptr<CkelFaultLine> line) {
    if (!line) return;
    line->SetManager(this);
    AddObj(line);
}
void CkelFaultLineManager::SetActiveObj(boost::shared_ptr<CkelFaultLine> line) { m_activeObj = line; }
void CkelFaultLineManager::SetReservoir(Connection::CkelReservoir* reservoir) { m_pReservoir = reservoir; }
Connection::CkelReservoir* CkelFaultLineManager::GetReservoir() const { return m_pReservoir; }

}  // namespace KelReservoir::Fault
