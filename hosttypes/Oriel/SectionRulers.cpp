// Constructors, destructors and Accept of the rulers, scales, look-down map, fault points and
// stratum cells. Each object carries its class name, by which the property creators know it.
#include "hosttypes/Oriel/CStratumAdapter.h"
#include "hosttypes/Oriel/CStratumCell.h"
#include "hosttypes/Oriel/CrFaultPoint.h"
#include "hosttypes/Oriel/ScControlerInterface.h"
#include "hosttypes/Oriel/ScDepthRuler.h"
#include "hosttypes/Oriel/ScDisRuler.h"
#include "hosttypes/Oriel/ScDisScale.h"
#include "hosttypes/Oriel/ScLookDownForm.h"
#include "hosttypes/Oriel/ScRulerFrame.h"

ScDepthRuler::ScDepthRuler()
    : m_bVisible(true),
      m_bLeftRuler(true),
      m_dZoomFactor(1.0),
      m_nLeftDepthMeasure(0),
      m_nRightDepthMeasure(0),
      m_nLeftDepthType(0),
      m_nRightDepthType(0),
      m_nDrawType(0),
      m_nLeftMarkVisible(1),
      m_nRightMarkVisible(1),
      m_nTopBorderVisible(1),
      m_nBottomBorderVisible(1),
      m_nLeftBorderVisible(1),
      m_nRightBorderVisible(1),
      m_pMgr(nullptr) {
    m_strObjName = "ScDepthRuler";
}
ScDepthRuler::~ScDepthRuler() = default;
SC_IMPLEMENT_ACCEPT(ScDepthRuler)

ScDisRuler::ScDisRuler()
    : m_pLayer(nullptr),
      m_bVisible(true),
      m_nUnit(0),
      m_dQianHeight(0.0),
      m_nArrowStyle(0),
      m_showColor(0),
      m_pMgr(nullptr) {
    m_strObjName = "ScDisRuler";
}
ScDisRuler::~ScDisRuler() = default;
SC_IMPLEMENT_ACCEPT(ScDisRuler)

ScRulerFrame::ScRulerFrame()
    : m_bVisible(true),
      m_dZoomFactor(1.0),
      m_dLRMarkInterval(0.0),
      m_dLevelMarkInterval(0.0),
      m_dTitleOffset(0.0),
      m_dInscribeOffset(0.0),
      m_pContainer(nullptr),
      m_pPositionor(nullptr),
      m_pWellMgr(nullptr) {
    m_strObjName = "ScRulerFrame";
}
ScRulerFrame::~ScRulerFrame() = default;
SC_IMPLEMENT_ACCEPT(ScRulerFrame)

ScDisScale::ScDisScale() : m_nStep(0), m_dHeight(1.0), m_pMgr(nullptr) { m_strObjName = "ScDisScale"; }
ScDisScale::~ScDisScale() = default;
SC_IMPLEMENT_ACCEPT(ScDisScale)

ScDepthScale::ScDepthScale() { m_strObjName = "ScDepthScale"; }
ScDepthScale::~ScDepthScale() = default;
SC_IMPLEMENT_ACCEPT(ScDepthScale)

ScLookDownForm::ScLookDownForm()
    : m_dZoomFactor(1.0),
      m_bShowLine(true),
      m_bShowShadeLine(false),
      m_bShowWellName(true),
      m_bWHScaleMaintain(false),
      m_bVisible(true),
      m_bNeedShadow(false),
      m_bInCorrelation(false),
      m_bEnable(true),
      m_nEnableDrawLine(1),
      m_shadeMode(SHADE_NONE),
      m_nDragID(-1),
      m_pContainer(nullptr),
      m_pPositionor(nullptr),
      m_pDisRulerMgr(nullptr) {
    m_strObjName = "ScLookDownForm";
}
ScLookDownForm::~ScLookDownForm() = default;
SC_IMPLEMENT_ACCEPT(ScLookDownForm)

CrFaultPoint::CrFaultPoint(CrWellFaultPoint* parent)
    : m_bShowLabel(true),
      m_dXOffset(0.0),
      m_dYOffset(0.0),
      m_nApplyType(0),
      m_dZoomFactor(1.0),
      m_nDisplayStyle(0),
      m_nPosStyle(0),
      m_pParent(parent) {
    m_strObjName = "CrFaultPoint";
}
CrFaultPoint::~CrFaultPoint() = default;
SC_IMPLEMENT_ACCEPT(CrFaultPoint)

CrWellFaultPoint::CrWellFaultPoint(CrWellFaultPointMgr* mgr) : m_bUsed(false), m_pMgr(mgr) {}
CrWellFaultPoint::~CrWellFaultPoint() = default;
CrWellFaultPointMgr::~CrWellFaultPointMgr() = default;

CStratumCell::CStratumCell(const std::string& stratum)
    : m_strStratumName(stratum), m_bVirtual(false), m_pBottomLine(nullptr) {
    m_strObjName = "CStratumCell";
}
CStratumCell::~CStratumCell() = default;
SC_IMPLEMENT_ACCEPT(CStratumCell)

CStratumAdapter::~CStratumAdapter() = default;
CSandSymbolAdapter::~CSandSymbolAdapter() = default;
