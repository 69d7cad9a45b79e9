#include "section/GraphSetors.h"

#include "framework/GroupTexts.h"
#include "hosttypes/Gondola/Fence.h"
#include "hosttypes/Halyard/DesignerWell.h"
#include "hosttypes/Halyard/FaultLine.h"
#include "hosttypes/Halyard/Reservoir.h"
#include "hosttypes/Oriel/CMapProperty.h"
#include "hosttypes/Oriel/CSectionTransform.h"
#include "hosttypes/Oriel/CnConnection.h"
#include "hosttypes/Oriel/ConnectionGroups.h"
#include "hosttypes/Oriel/CrCorrelation.h"
#include "hosttypes/Oriel/CrFaultPoint.h"
#include "hosttypes/Oriel/IkelWellAdapter.h"
#include "hosttypes/Oriel/ScContainer.h"
#include "hosttypes/Oriel/ScDisRulerMgr.h"
#include "hosttypes/Oriel/ScLookDownForm.h"
#include "hosttypes/Oriel/ScRulerFrame.h"
#include "hosttypes/Oriel/ScScaler.h"
#include "hosttypes/Oriel/ScWellMgr.h"
#include "hosttypes/Oriel/ScWellPositionor.h"

using KelReservoir::Connection::CkelReservoir;
using namespace graphsetor;

// ---- the steps ----------------------------------------------------------------------------------------

namespace {

// What a page of a section kind has the section library do after the record took an edit (a
// refused text runs none, so every step has the number or scale its edit read). "All
// wells F" applies the well member F to every well of the section; "11" means the ratios (1, 1).
enum Step : unsigned char {
    stepEnd = 0,
    stepChangeTemplate,     // CMapProperty::ChangeTemplate(the stored path)
    stepRebuild,            // rebuild step
    stepRuler,              // ruler step
    stepRulerFrame,         // the ruler frame fitted again
    stepWellUpdate,         // well update step
    stepScale11,            // scale notification (1, 1)
    stepPrepare11,          // the container's scale preparation (1, 1)
    stepInclinedScale11,    // an inclined well: ReBack; otherwise scale notification (1, 1)
    stepInclinedPrepare11,  // an inclined well: ReBack; otherwise scale preparation (1, 1)
    stepStamp,
    stepRefresh0,  // the container's refresh preparation with 0
    stepSuspend,   // alignment off around a range change (when aligned)
    stepRestore,
    stepFaultPoints,      // a correlation's fault points made again (RecreateFaultPoints)
    stepDataTypeChanged,  // all wells DataTypeChanged
    stepSpacing,          // ApplyWellSpacingType(text)
    stepEqualSpacing,     // ApplyWellSpacingType("等间隔")
    stepRsSpacing,        // the reservoir's ApplyWellSpacingType(text)
    stepProjection,       // ApplyProjectionType(text)
    stepRsProjection,     // the reservoir's ApplyProjectionType(text)
    stepRsFinish,         // a reservoir rescaled and its flow units rebuilt, or gone back
    stepArrangeWell,
    stepFenceReferenceMove,  // the fence's wells placed by their distances at the X scale
    stepXScale,              // X scale set; scale notification (old X / new, 1)
    stepFenceXScale,         // the fence's wells moved by old X / new
    stepRsXScale,            // X scale set; inclined: ReBack, else preparation (old / new, 1); ruler step
    stepYScale,              // Y scale set; scale notification (1, old Y / new)
    stepFenceYScale,         // the same; the fence's wells set back to where they stood
    stepRsYScale,            // Y scale set; inclined: ReBack, else preparation (1, old Y / new)
    stepConnectPos,          // SetConnectPosAllWells(the stored position)
    stepLeftJoint,           // all wells SetLeftJoint(the stored offset)
    stepRightJoint,
    stepChangeGrade,     // CMapProperty::ChangeGrade(the stored level)
    stepRsGradeRebuild,  // engine started: ReBack; otherwise rebuild step and the flow units rebuilt
    stepDisplayRange,    // UpdateDisplayRange (the page's own form)
    stepTopStratum,      // all wells SetTopStratum(text)
    stepBottomStratum,
    stepTopExtend,  // all wells SetTopExtendDepth(number)
    stepBottomExtend,
    stepTopDepth,  // all wells SetTopDepth(number)
    stepBottomDepth,
    stepRsTopDepth,        // all wells and designed wells take the stored top (an elevation)
    stepRsBottomDepth,     // all wells and designed wells take the stored bottom
    stepRangeTop,          // range step (true)
    stepRangeBottom,       // range step (false)
    stepEngineOrRangeTop,  // engine started: ReBack; otherwise range step (true)
    stepEngineOrRangeBottom,
    stepWellWidth,      // ScWellMgr::SetWellWidth(the stored width)
    stepDesignerWidth,  // the designed wells take the stored width
    stepExtendLeft,     // CMapProperty::ChangeExtend(the stored length, true)
    stepExtendRight,
    stepRsExtendLeft,  // engine started: ReBack; otherwise ChangeExtend and the flow units rebuilt
    stepRsExtendRight,
    stepExtendForm,      // connection and stratum extensions made again for the form the record took
    stepRsExtendForm,    // engine started: ReBack; otherwise extensions made again, flow units rebuilt
    stepShowVirStratum,  // CMapProperty::ShowVirStratum(the flag the record took)
    stepVirPen,          // CMapProperty::SetVirPen(the stored pen)
    stepNameFont,        // CMapProperty::ChangeStratumNameFont(the stored font)
};

constexpr int kMaxSteps = 10;
using StepList = Step[kMaxSteps];

// The steps of one item (or run of sub-items), for each section kind: correlation, connection,
// reservoir, fence. Items without a row, and kinds with no steps, go straight to the tail.
struct StepRow {
    DWORD_PTR first;
    DWORD_PTR last;
    StepList kinds[4];
};

using G = CGraphSetor;
const StepRow kStepTable[] = {
    {G::kTemplateId,
     G::kTemplateId,
     {{stepChangeTemplate, stepRebuild, stepRuler},
      {stepChangeTemplate, stepRebuild, stepRuler},
      {stepChangeTemplate, stepInclinedScale11, stepRuler},
      {stepChangeTemplate, stepPrepare11, stepRuler}}},
    {G::kDepthTypeId,
     G::kDepthTypeId,
     {{stepDataTypeChanged, stepWellUpdate, stepRebuild},
      {stepDataTypeChanged, stepWellUpdate, stepRebuild},
      {},
      {stepDataTypeChanged, stepWellUpdate, stepRebuild}}},
    {G::kSpacingTypeId,
     G::kSpacingTypeId,
     {{}, {stepSpacing, stepScale11, stepStamp}, {stepRsSpacing, stepRsFinish, stepStamp}, {}}},
    {G::kIntervalId, G::kIntervalId, {{stepEqualSpacing, stepScale11}, {stepEqualSpacing, stepScale11}, {}, {}}},
    {G::kProjectionId, G::kProjectionId, {{}, {stepProjection, stepScale11}, {stepRsProjection, stepRsFinish}, {}}},
    {G::kSpacingLayerId,
     G::kSpacingLayerId,
     {{},
      {stepArrangeWell, stepStamp, stepScale11},
      {stepArrangeWell, stepRuler, stepRulerFrame, stepStamp, stepRsFinish},
      {stepFenceReferenceMove, stepRefresh0, stepStamp}}},
    {G::kXScaleId,
     G::kXScaleId,
     {{stepXScale, stepStamp},
      {stepXScale, stepStamp},
      {stepRsXScale, stepStamp},
      {stepFenceXScale, stepRefresh0, stepStamp}}},
    {G::kYScaleId,
     G::kYScaleId,
     {{stepYScale, stepStamp},
      {stepYScale, stepStamp},
      {stepRsYScale, stepStamp},
      {stepFenceYScale, stepStamp, stepRefresh0}}},
    {G::kConnectPosId,
     G::kConnectPosId,
     {{stepConnectPos, stepScale11, stepStamp},
      {stepConnectPos, stepScale11, stepStamp},
      {stepConnectPos, stepInclinedPrepare11, stepRuler, stepRulerFrame, stepStamp},
      {stepConnectPos, stepScale11}}},
    {G::kLeftJointId,
     G::kLeftJointId,
     {{stepLeftJoint, stepScale11},
      {stepLeftJoint, stepScale11},
      {stepLeftJoint, stepInclinedPrepare11},
      {stepLeftJoint, stepScale11}}},
    {G::kRightJointId,
     G::kRightJointId,
     {{stepRightJoint, stepScale11},
      {stepRightJoint, stepScale11},
      {stepRightJoint, stepInclinedPrepare11},
      {stepRightJoint, stepScale11}}},
    {G::kGradeId,
     G::kGradeId,
     {{stepChangeGrade, stepRebuild, stepWellUpdate, stepStamp},
      {stepChangeGrade, stepRebuild, stepWellUpdate, stepStamp},
      {stepChangeGrade, stepRsGradeRebuild, stepWellUpdate, stepStamp},
      {stepChangeGrade, stepRebuild, stepWellUpdate}}},
    {G::kRangeTypeId,
     G::kRangeTypeId,
     {{stepSuspend, stepDisplayRange, stepWellUpdate, stepFaultPoints, stepRestore, stepStamp},
      {stepSuspend, stepDisplayRange, stepWellUpdate, stepRestore, stepStamp},
      {stepSuspend, stepDisplayRange, stepRuler, stepRulerFrame, stepRestore, stepStamp},
      {stepDisplayRange, stepWellUpdate, stepStamp}}},
    {G::kTopStratumId,
     G::kTopStratumId,
     {{stepSuspend, stepTopStratum, stepFaultPoints, stepRestore, stepRangeTop, stepStamp},
      {stepSuspend, stepTopStratum, stepRestore, stepRangeTop, stepStamp},
      {stepSuspend, stepTopStratum, stepRestore, stepEngineOrRangeTop, stepRuler, stepRulerFrame, stepStamp},
      {stepTopStratum, stepRangeTop, stepStamp}}},
    {G::kTopExtendId,
     G::kTopExtendId,
     {{stepSuspend, stepTopExtend, stepFaultPoints, stepRestore},
      {stepSuspend, stepTopExtend, stepRestore},
      {stepSuspend, stepTopExtend, stepRestore, stepRuler, stepRulerFrame},
      {stepTopExtend}}},
    {G::kBottomStratumId,
     G::kBottomStratumId,
     {{stepBottomStratum, stepFaultPoints, stepRangeBottom, stepStamp},
      {stepBottomStratum, stepRangeBottom, stepStamp},
      {stepBottomStratum, stepEngineOrRangeBottom, stepRuler, stepRulerFrame, stepStamp},
      {stepBottomStratum, stepRangeBottom, stepStamp}}},
    {G::kBottomExtendId,
     G::kBottomExtendId,
     {{stepBottomExtend, stepFaultPoints},
      {stepBottomExtend},
      {stepBottomExtend, stepRuler, stepRulerFrame},
      {stepBottomExtend}}},
    {G::kTopDepthId,
     G::kTopDepthId,
     {{stepSuspend, stepTopDepth, stepFaultPoints, stepRangeTop, stepRestore},
      {stepSuspend, stepTopDepth, stepRestore, stepRangeTop},
      {stepSuspend, stepRsTopDepth, stepRestore, stepEngineOrRangeTop, stepRuler, stepRulerFrame},
      {stepTopDepth, stepRangeTop}}},
    {G::kBottomDepthId,
     G::kBottomDepthId,
     {{stepBottomDepth, stepFaultPoints, stepRangeBottom},
      {stepBottomDepth, stepRangeBottom},
      {stepRsBottomDepth, stepEngineOrRangeBottom, stepRuler, stepRulerFrame},
      {stepBottomDepth, stepRangeBottom}}},
    {G::kWellWidthId,
     G::kWellWidthId,
     {{stepWellWidth, stepWellUpdate, stepScale11},
      {stepWellWidth, stepWellUpdate, stepScale11},
      {stepWellWidth, stepDesignerWidth, stepWellUpdate, stepInclinedScale11, stepRuler, stepRulerFrame},
      {stepWellWidth, stepWellUpdate, stepScale11}}},
    {G::kLeftExtendId, G::kLeftExtendId, {{stepExtendLeft}, {stepExtendLeft}, {stepRsExtendLeft}, {}}},
    {G::kRightExtendId, G::kRightExtendId, {{stepExtendRight}, {stepExtendRight}, {stepRsExtendRight}, {}}},
    {G::kExtendFormId, G::kExtendFormId, {{}, {stepExtendForm}, {stepRsExtendForm}, {}}},
    {G::kCalVirtualId, G::kCalVirtualId, {{stepShowVirStratum, stepStamp}, {stepShowVirStratum, stepStamp}, {}, {}}},
    {G::kConnectVirtualId, G::kConnectVirtualId, {{stepStamp}, {stepStamp}, {}, {}}},
    {G::kVirPenStyleId, G::kVirPenColorId, {{stepVirPen}, {stepVirPen}, {}, {}}},
    {G::kNameFaceId, G::kNameColorId, {{stepNameFont}, {stepNameFont}, {stepNameFont}, {}}},
};

// The shadow of the wells for a projection text; "按剖面线" and any other text leave it.
void ShadowFor(ScLookDownForm& map, const CString& text) {
    if (text == kAlongX)
        map.ByXorYAxisShadow(1);
    else if (text == kAlongY)
        map.ByXorYAxisShadow(0);
    else if (text == kFirstToLast)
        map.ByBeginTOendShadow();
}

const StepList* StepsOf(DWORD_PTR id, int kind) {
    if (kind < ScControlerClient::CT_CORRELATION || kind > ScControlerClient::CT_FENCE) return nullptr;
    for (const StepRow& row : kStepTable)
        if (id >= row.first && id <= row.last) return &row.kinds[kind - 1];
    return nullptr;
}

}  // namespace

// Runs the steps of one edit on the page's section.
class GraphSteps {
public:
    GraphSteps(CGraphSetor& page, const CGraphSetor::Edit& edit)
        : page_(page),
          edit_(edit),
          container_(*page.m_pContainer),
          wells_(*container_.GetWellMgr()),
          record_(container_.GetProperty()),
          reservoir_(dynamic_cast<CkelReservoir*>(&container_)) {}

    void Run(const StepList& steps) {
        if (!record_) return;
        for (Step step : steps) {
            if (step == stepEnd) break;
            Do(step);
        }
    }

private:
    void Do(Step step);
    // The page of the section kind whose own step runs; nullptr for a page of another kind.
    template <class Page>
    Page* PageAs() const {
        return dynamic_cast<Page*>(&page_);
    }
    bool Inclined() const {
        const auto* page = PageAs<CRsGraphSetor>();
        return page && page->HasInclinedWell();
    }
    bool EngineStarted() const { return reservoir_ && reservoir_->HasEngineStarted(); }
    void ReBack() {
        if (reservoir_) reservoir_->ReBack();
    }
    void RebuildFlowUnits() {
        if (reservoir_) reservoir_->GetFlowUnitManager().Rebuild();
    }
    void RsFinish();
    void FenceWellMove();
    void FenceReferenceMove();
    void FenceYScale();
    void PlaceWell(IkelWellAdapter& well, const FLOATPOINT& point);

    CGraphSetor& page_;
    const CGraphSetor::Edit& edit_;
    ScContainer& container_;
    ScWellMgr& wells_;
    boost::shared_ptr<CMapProperty> record_;
    CkelReservoir* reservoir_;
};

void GraphSteps::Do(Step step) {
    CMapProperty& record = *record_;
    const double v = edit_.number;
    switch (step) {
        case stepEnd:
            break;
        case stepChangeTemplate:
            record.ChangeTemplate(record.m_strTemplatePath);
            break;
        case stepRebuild:
            page_.RebuildStep();
            break;
        case stepRuler:
            page_.RulerStep();
            break;
        case stepRulerFrame:
            container_.GetRulerFrame()->UpdateRulerFrameRect();
            break;
        case stepWellUpdate:
            page_.WellUpdateStep();
            break;
        case stepScale11:
            page_.ScaleNotification(1.0, 1.0);
            break;
        case stepPrepare11:
            container_.PrepareScale(1.0, 1.0);
            break;
        case stepInclinedScale11:
            if (Inclined())
                ReBack();
            else
                page_.ScaleNotification(1.0, 1.0);
            break;
        case stepInclinedPrepare11:
            if (Inclined())
                ReBack();
            else
                container_.PrepareScale(1.0, 1.0);
            break;
        case stepStamp:
            page_.Stamp();
            break;
        case stepRefresh0:
            container_.PrepareRefresh(0);
            break;
        case stepSuspend:
            page_.SuspendAlignment();
            break;
        case stepRestore:
            page_.RestoreAlignment();
            break;
        case stepFaultPoints:
            if (auto* page = PageAs<CCrGraphSetor>()) page->RecreateFaultPoints();
            break;
        case stepDataTypeChanged:
            wells_.SetValue(&IkelWellAdapter::DataTypeChanged);
            break;
        case stepSpacing:
            page_.ApplyWellSpacingType(edit_.text);
            break;
        case stepEqualSpacing:
            page_.ApplyWellSpacingType(kEqualSpacing);
            break;
        case stepRsSpacing:
            if (auto* page = PageAs<CRsGraphSetor>()) page->ApplyWellSpacingType(edit_.text);
            break;
        case stepProjection:
            if (auto* page = PageAs<CCnGraphSetor>()) page->ApplyProjectionType(edit_.text);
            break;
        case stepRsProjection:
            if (auto* page = PageAs<CRsGraphSetor>()) page->ApplyProjectionType(edit_.text);
            break;
        case stepRsFinish:
            RsFinish();
            break;
        case stepArrangeWell:
            container_.GetWellPositionor()->ArrangeWell();
            break;
        case stepFenceReferenceMove:
            FenceReferenceMove();
            break;
        case stepXScale:
            container_.GetScaler()->SetXScale(edit_.scale);
            page_.ScaleNotification(edit_.ratio, 1.0);
            break;
        case stepFenceXScale:
            FenceWellMove();
            break;
        case stepRsXScale:
            // The ratio was read from the scaler's X scale before it takes the new one.
            container_.GetScaler()->SetXScale(edit_.scale);
            if (Inclined())
                ReBack();
            else
                container_.PrepareScale(edit_.ratio, 1.0);
            page_.RulerStep();
            break;
        case stepYScale:
            container_.GetScaler()->SetYScale(edit_.scale);
            page_.ScaleNotification(1.0, edit_.ratio);
            break;
        case stepFenceYScale:
            FenceYScale();
            break;
        case stepRsYScale:
            container_.GetScaler()->SetYScale(edit_.scale);
            if (Inclined())
                ReBack();
            else
                container_.PrepareScale(1.0, edit_.ratio);
            break;
        case stepConnectPos:
            page_.SetConnectPosAllWells(record.m_nConnectPos);
            break;
        case stepLeftJoint:
            wells_.SetValue(&IkelWellAdapter::SetLeftJoint, record.m_dLeftJoint);
            break;
        case stepRightJoint:
            wells_.SetValue(&IkelWellAdapter::SetRightJoint, record.m_dRightJoint);
            break;
        case stepChangeGrade:
            record.ChangeGrade(record.m_nGrade);
            break;
        case stepRsGradeRebuild:
            if (EngineStarted()) {
                ReBack();
            } else {
                page_.RebuildStep();
                RebuildFlowUnits();
            }
            break;
        case stepDisplayRange:
            page_.UpdateDisplayRange();
            break;
        case stepTopStratum:
            wells_.SetValue(&IkelWellAdapter::SetTopStratum, edit_.text.str());
            break;
        case stepBottomStratum:
            wells_.SetValue(&IkelWellAdapter::SetBottomStratum, edit_.text.str());
            break;
        case stepTopExtend:
            wells_.SetValue(&IkelWellAdapter::SetTopExtendDepth, v);
            break;
        case stepBottomExtend:
            wells_.SetValue(&IkelWellAdapter::SetBottomExtendDepth, v);
            break;
        case stepTopDepth:
            wells_.SetValue(&IkelWellAdapter::SetTopDepth, v);
            break;
        case stepBottomDepth:
            wells_.SetValue(&IkelWellAdapter::SetBottomDepth, v);
            break;
        case stepRsTopDepth:
            wells_.SetValue(&IkelWellAdapter::SetTopDepth, record.m_dTopDepth);
            if (reservoir_) reservoir_->GetDesignerWellMgr()->SetTopDepth(record.m_dTopDepth);
            break;
        case stepRsBottomDepth:
            // The designed wells take the bottom as their bottom, not as their top.
            wells_.SetValue(&IkelWellAdapter::SetBottomDepth, record.m_dBottomDepth);
            if (reservoir_) reservoir_->GetDesignerWellMgr()->SetBottomDepth(record.m_dBottomDepth);
            break;
        case stepRangeTop:
            page_.RangeStep(true);
            break;
        case stepRangeBottom:
            page_.RangeStep(false);
            break;
        case stepEngineOrRangeTop:
        case stepEngineOrRangeBottom:
            if (EngineStarted())
                ReBack();
            else
                page_.RangeStep(step == stepEngineOrRangeTop);
            break;
        case stepWellWidth:
            wells_.SetWellWidth(record.m_dWellWidth);
            break;
        case stepDesignerWidth:
            if (reservoir_) reservoir_->GetDesignerWellMgr()->SetWellWidth(record.m_dWellWidth);
            break;
        case stepExtendLeft:
        case stepExtendRight: {
            const bool left = step == stepExtendLeft;
            record.ChangeExtend(left ? record.m_dLeftExtend : record.m_dRightExtend, left);
            break;
        }
        case stepRsExtendLeft:
        case stepRsExtendRight:
            if (EngineStarted()) {
                ReBack();
            } else {
                const bool left = step == stepRsExtendLeft;
                record.ChangeExtend(left ? record.m_dLeftExtend : record.m_dRightExtend, left);
                RebuildFlowUnits();
            }
            break;
        case stepExtendForm:
            container_.GetConMgrVector().CreateExtend();
            container_.GetStratumGroupManager()->CreateExtend();
            break;
        case stepRsExtendForm:
            if (EngineStarted()) {
                ReBack();
            } else {
                container_.GetStratumGroupManager()->CreateExtend();
                container_.GetConMgrVector().CreateExtend();
                RebuildFlowUnits();
            }
            break;
        case stepShowVirStratum:
            record.ShowVirStratum(record.m_bCalVirtualStratum);
            break;
        case stepVirPen:
            record.SetVirPen(record.m_virStratumPen);
            break;
        case stepNameFont:
            record.ChangeStratumNameFont(record.m_stratumNameFont);
            break;
    }
}

void GraphSteps::RsFinish() {
    if (!EngineStarted() && !Inclined()) {
        page_.ScaleNotification(1.0, 1.0);
        RebuildFlowUnits();
        return;
    }
    if (reservoir_)
        if (const auto faults = reservoir_->GetFaultLineMgr()) faults->Clear();
    ReBack();
}

// ---- fence wells ------------------------------------------------------------------------------------------

void GraphSteps::PlaceWell(IkelWellAdapter& well, const FLOATPOINT& point) {
    well.SetPosition(point, true);
    CSectionTransform::Instance()->TransformWell(well.GetName());
    well.SaveOldWellInfo();
}

// A fence's wells stand on the map: the X ratio moves them along both axes.
void GraphSteps::FenceWellMove() {
    for (unsigned int i = 0; i < wells_.size(); ++i) {
        IkelWellAdapter* well = wells_.GetWell(i);
        if (!well) continue;
        FLOATPOINT point = well->GetPosition();
        point.x *= edit_.ratio;
        point.y *= edit_.ratio;
        PlaceWell(*well, point);
    }
}

// The places the edit found for the new layer: none for a record without a usable X scale.
void GraphSteps::FenceReferenceMove() {
    for (unsigned int i = 0; i < edit_.places.size(); ++i)
        if (IkelWellAdapter* well = wells_.GetWell(i)) PlaceWell(*well, edit_.places[i]);
}

// The wells keep their places on the fence while the vertical scale changes.
void GraphSteps::FenceYScale() {
    container_.GetScaler()->SetYScale(edit_.scale);
    page_.ScaleNotification(1.0, edit_.ratio);
    std::vector<FLOATPOINT> points;
    points.reserve(wells_.size());
    for (unsigned int i = 0; i < wells_.size(); ++i) {
        IkelWellAdapter* well = wells_.GetWell(i);
        points.push_back(well ? well->GetPosition() : FLOATPOINT());
        if (well) well->SaveOldWellInfo();
    }
    for (unsigned int i = 0; i < wells_.size(); ++i)
        if (IkelWellAdapter* well = wells_.GetWell(i)) PlaceWell(*well, points[i]);
}

// ---- the pages ------------------------------------------------------------------------------------------------

LRESULT CGraphSetor::ApplyEdit(LPARAM lParam) {
    const Edit edit = StoreEdit(reinterpret_cast<CBCGPProp*>(lParam));
    if (edit.refused) return 0;
    SetModified();
    if (!m_pContainer) return 0;
    const int kind = Kind();
    if (const StepList* steps = StepsOf(edit.id, kind)) GraphSteps(*this, edit).Run(*steps);
    m_pContainer->UpdateWnd();
    if (kind != ScControlerClient::CT_RESERVOIR) SetModified();
    return 0;
}

void CGraphSetor::SetConnectPosAllWells(int position) {
    if (!m_pContainer) return;
    ScWellMgr& wells = *m_pContainer->GetWellMgr();
    for (unsigned int i = 0; i < wells.size(); ++i)
        if (IkelWellAdapter* well = wells.GetWell(i)) well->SetConnectPos(position);
}

// The positioner takes the spacing type of the text; the steps follow the text.
void CGraphSetor::ApplyWellSpacingType(const CString& text) {
    if (!m_pContainer) return;
    ScWellPositionor* positionor = m_pContainer->GetWellPositionor();
    positionor->SetSpacingType(SpacingTypeOfText(text));
    ScLookDownForm* map = m_pContainer->GetLookDownForm();
    if (text == kEqualSpacing) {
        positionor->ChangeXDistance();
        map->ClearShadow();
    } else if (text == kRealDistance) {
        positionor->ArrangeWellByRealDis();
        map->ClearShadow();
    } else if (text == kProjection) {
        map->ByXorYAxisShadow(1);
        RulerStep();
    }
    m_pContainer->Refresh();
}

CCnGraphSetor::CCnGraphSetor(CnConnection* section) : CGraphSetor(section, section) {}
LRESULT CCnGraphSetor::OnPropertyChanged(WPARAM, LPARAM lParam) { return ApplyEdit(lParam); }

void CCnGraphSetor::ApplyProjectionType(const CString& text) {
    if (!m_pContainer) return;
    ShadowFor(*m_pContainer->GetLookDownForm(), text);
    WellUpdateStep();
    RulerStep();
    m_pContainer->Refresh();
}

CCrGraphSetor::CCrGraphSetor(CrCorrelation* section) : CGraphSetor(section, section) {}
LRESULT CCrGraphSetor::OnPropertyChanged(WPARAM, LPARAM lParam) { return ApplyEdit(lParam); }

void CCrGraphSetor::RecreateFaultPoints() {
    if (auto* correlation = dynamic_cast<CrCorrelation*>(m_pContainer))
        if (const auto points = correlation->GetFaultPointMgr()) points->CreateFaultPoint();
}

CFcGraphSetor::CFcGraphSetor(KelFence::CFence* section) : CGraphSetor(section, section) {}
LRESULT CFcGraphSetor::OnPropertyChanged(WPARAM, LPARAM lParam) { return ApplyEdit(lParam); }

CRsGraphSetor::CRsGraphSetor(CkelReservoir* section) : CGraphSetor(section, section) {}
LRESULT CRsGraphSetor::OnPropertyChanged(WPARAM, LPARAM lParam) { return ApplyEdit(lParam); }

CkelReservoir* CRsGraphSetor::Reservoir() const { return dynamic_cast<CkelReservoir*>(m_pContainer); }

void CRsGraphSetor::UpdateDisplayRange() {
    CkelReservoir* reservoir = Reservoir();
    if (!reservoir) return;
    if (reservoir->GetCurve()) {
        reservoir->ReBack();
        return;
    }
    CGraphSetor::UpdateDisplayRange();
    reservoir->GetFlowUnitManager().Rebuild();
}

bool CRsGraphSetor::HasInclinedWell() const {
    if (!m_pContainer) return false;
    const ScWellMgr& wells = *m_pContainer->GetWellMgr();
    for (unsigned int i = 0; i < wells.size(); ++i)
        if (IkelWellAdapter* well = wells.GetWell(i); well && well->IsInclinedWell()) return true;
    return false;
}

void CRsGraphSetor::ApplyWellSpacingType(const CString& text) {
    if (!m_pContainer) return;
    ScWellPositionor* positionor = m_pContainer->GetWellPositionor();
    positionor->SetSpacingType(SpacingTypeOfText(text));
    if (text == kRealDistance) {
        positionor->ArrangeWellByRealDis();
        m_pContainer->GetLookDownForm()->ClearShadow();
    } else if (text == kProjection) {
        if (CkelReservoir* reservoir = Reservoir())
            if (const auto faults = reservoir->GetFaultLineMgr()) faults->RemoveAll();
        m_pContainer->GetLookDownForm()->ByXorYAxisShadow(1);
        RulerStep();
        m_pContainer->GetRulerFrame()->UpdateRulerFrameRect();
    }
    m_pContainer->Refresh();
}

// The flow units and fault lines were drawn for the old well places: they go.
void CRsGraphSetor::ApplyProjectionType(const CString& text) {
    if (!m_pContainer) return;
    if (CkelReservoir* reservoir = Reservoir()) {
        reservoir->GetFlowUnitManager().RemoveAll();
        if (const auto faults = reservoir->GetFaultLineMgr()) faults->RemoveAll();
    }
    ScWellPositionor* positionor = m_pContainer->GetWellPositionor();
    if (positionor->IsAligned()) positionor->AlignHeadImp(false);
    ShadowFor(*m_pContainer->GetLookDownForm(), text);
    if (positionor->IsAligned()) positionor->AlignHeadImp(true);
    WellUpdateStep();
    RulerStep();
    m_pContainer->GetRulerFrame()->UpdateRulerFrameRect();
    m_pContainer->Refresh();
}
