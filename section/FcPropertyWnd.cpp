#include "section/FcPropertyWnd.h"

#include "hosttypes/Gondola/Fence.h"
#include "hosttypes/Halyard/ControlLine.h"
#include "hosttypes/Halyard/DesignerWell.h"
#include "hosttypes/Halyard/FaultLine.h"
#include "hosttypes/Halyard/OSWerLine.h"
#include "hosttypes/Halyard/Reservoir.h"
#include "hosttypes/Oriel/CStratumCell.h"
#include "hosttypes/Oriel/ConnectionLines.h"
#include "hosttypes/Oriel/IkelWellAdapter.h"
#include "hosttypes/Oriel/ScDepthRuler.h"
#include "hosttypes/Oriel/ScDisRuler.h"
#include "hosttypes/Oriel/ScDisScale.h"
#include "hosttypes/Oriel/ScLookDownForm.h"
#include "hosttypes/Oriel/ScRulerFrame.h"
#include "section/CnLstWell.h"
#include "section/GraphSetors.h"
#include "section/LstControlLine.h"
#include "section/LstDepthRuler.h"
#include "section/LstDisRuler.h"
#include "section/LstDsgWell.h"
#include "section/LstFaultLine.h"
#include "section/LstFaultLineEntity.h"
#include "section/LstLookDownForm.h"
#include "section/LstOiLine.h"
#include "section/LstRulerFrame.h"
#include "section/LstRulerScale.h"
#include "section/LstSandFill.h"
#include "section/LstStratumLine.h"
#include "section/LstStratumSetor.h"
#include "section/MultiWellTexts.h"
#include "section/ObjectPageTexts.h"
#include "section/RsLstLookDownForm.h"
#include "section/RsLstSand.h"
#include "section/SandSetor.h"
#include "section/SectionTexts.h"

using KelReservoir::Connection::CDesignerWellAdapter;
using KelReservoir::Connection::CkelReservoir;
using KelReservoir::Fault::CkelFaultLine;
using KelReservoir::SandUnit::CkelFlowUnit;
using KelReservoir::SandUnit::CkelOSWerLine;
using KelReservoir::VirtualWell::CkelControlLine;
using namespace sectiontext;

// ---- fence diagrams --------------------------------------------------------------------------------

CFcPropertyListCreator::~CFcPropertyListCreator() = default;

void CFcPropertyListCreator::SetBecontroler(ScObjInterface* object) {
    using Self = CFcPropertyListCreator;
    static const Row<Self> rows[] = {
        {"CFence", &CastThen<KelFence::CFence, Self, &Self::SetBecontroler>},
        {"IkelWellAdapter", &CastThen<IkelWellAdapter, Self, &Self::SetBecontroler>},
        {"CnSandFill", &CastThen<CnSandFill, Self, &Self::SetBecontroler>},
        {"ScLookDownForm", &CastThen<ScLookDownForm, Self, &Self::SetBecontroler>},
        {"CStratumCell", &CastThen<CStratumCell, Self, &Self::SetBecontroler>},
    };
    Dispatch(*this, object, rows);
}

void CFcPropertyListCreator::SetBecontroler(KelFence::CFence* fence) {
    if (!fence->IsPropertyValid()) return;
    BuildSheet({{kGraphPage, new CFcGraphSetor(fence)},
                {kStratumPage, new CLstStratumSetor(fence, ScControlerClient::CT_FENCE)},
                {kSandPage, new CSandSetor(fence)}});
}

void CFcPropertyListCreator::SetBecontroler(IkelWellAdapter*) {
    BuildSheet({{kWellPage, new CnLstWell(CnLstWell::ModeOfKind(ScControlerClient::CT_FENCE))}});
}

// A fence's navigation map lies outside correlation sections: the multi-well page with its
// projection groups.
void CFcPropertyListCreator::SetBecontroler(ScLookDownForm* map) {
    BuildSheet({{kLookDownPage, new CLstLookDownForm(map)}});
}

void CFcPropertyListCreator::SetBecontroler(CnSandFill* fill) {
    BuildSheet({{kSandPage, new CLstSandFill(fill, CLstSandFill::kFence)}});
}

void CFcPropertyListCreator::SetBecontroler(CStratumCell* cell) {
    BuildSheet({{multiwelltext::kStratumLinePage, new CLstStratumLine(cell)}});
}

CFcPropertyWnd::CFcPropertyWnd() = default;
CFcPropertyWnd::~CFcPropertyWnd() = default;

CWnd* CFcPropertyWnd::Create(long object, CWnd* parent) {
    return RunSectionCreator<CFcPropertyListCreator>(object, parent, true);
}

CWnd* CFcPropertyWnd::CreateObj(long object, CWnd* parent) {
    return RunSectionCreator<CFcPropertyListCreator>(object, parent, false);
}

// ---- reservoir sections -------------------------------------------------------------------------------

CkelPropertyListCreator::~CkelPropertyListCreator() = default;

void CkelPropertyListCreator::SetBecontroler(ScObjInterface* object) {
    using Self = CkelPropertyListCreator;
    static const Row<Self> rows[] = {
        {"CkelReservoir", &CastThen<CkelReservoir, Self, &Self::SetBecontroler>},
        {"IkelWellAdapter", &CastThen<IkelWellAdapter, Self, &Self::SetBecontroler>},
        {"CnSandFill", &CastThen<CnSandFill, Self, &Self::SetBecontroler>},
        {"CkelFaultSandFill", &CastThen<CnSandFill, Self, &Self::SetBecontroler>},
        {"CrStratum", &CastThen<CStratumCell, Self, &Self::SetBecontroler>},
        {"CStratumCell", &CastThen<CStratumCell, Self, &Self::SetBecontroler>},
        {"CkelFlowUnit", &CastThen<CkelFlowUnit, Self, &Self::SetBecontroler>},
        {"CkelOSWerLine", &CastThen<CkelOSWerLine, Self, &Self::SetBecontroler>},
        {"ScDisRuler", &CastThen<ScDisRuler, Self, &Self::SetBecontroler>},
        {"ScDepthRuler", &CastThen<ScDepthRuler, Self, &Self::SetBecontroler>},
        {"ScLookDownForm", &CastThen<ScLookDownForm, Self, &Self::SetBecontroler>},
        {"ScRulerFrame", &CastThen<ScRulerFrame, Self, &Self::SetBecontroler>},
        {"ScDisScale", &CastThen<ScDisScale, Self, &Self::SetBecontroler>},
        {"ScDepthScale", &CastThen<ScDisScale, Self, &Self::SetBecontroler>},
        {"CkelControlLine", &CastThen<CkelControlLine, Self, &Self::SetBecontroler>},
        {"CkelFaultLine", &CastThen<CkelFaultLine, Self, &Self::SetBecontroler>},
        {"CDesignerWellAdapter", &CastThen<CDesignerWellAdapter, Self, &Self::SetBecontroler>},
    };
    Dispatch(*this, object, rows);
}

void CkelPropertyListCreator::SetBecontroler(CkelReservoir* reservoir) {
    if (!reservoir->IsPropertyValid()) return;
    BuildSheet({{kGraphPage, new CRsGraphSetor(reservoir)},
                {kStratumPage, new CLstStratumSetor(reservoir, ScControlerClient::CT_RESERVOIR)},
                {kSandPage, new CSandSetor(reservoir)},
                {kFaultLinePage, new CLstFaultLine(reservoir)}});
}

void CkelPropertyListCreator::SetBecontroler(IkelWellAdapter*) {
    BuildSheet({{kWellPage, new CnLstWell(CnLstWell::ModeOfKind(ScControlerClient::CT_RESERVOIR))}});
}

void CkelPropertyListCreator::SetBecontroler(CkelFlowUnit* unit) { BuildSheet({{kSandObjectPage, new CRsLstSand(unit)}}); }

void CkelPropertyListCreator::SetBecontroler(CkelOSWerLine* line) { BuildSheet({{kSandObjectPage, new CLstOiLine(line)}}); }

void CkelPropertyListCreator::SetBecontroler(ScDisRuler* ruler) { BuildSheet({{kDisRulerPage, new CLstDisRuler(ruler)}}); }

void CkelPropertyListCreator::SetBecontroler(ScDepthRuler* ruler) {
    BuildSheet({{kDepthRulerPage, new CLstDepthRuler(ruler)}});
}

void CkelPropertyListCreator::SetBecontroler(ScLookDownForm* map) {
    BuildSheet({{kLookDownPage, new CRsLstLookDownForm(map)}});
}

void CkelPropertyListCreator::SetBecontroler(CkelControlLine* line) {
    BuildSheet({{kVirtualWellPage, new CLstControlLine(line)}});
}

void CkelPropertyListCreator::SetBecontroler(CkelFaultLine* line) {
    BuildSheet({{kFaultLinePage, new KelReservoir::UI::CLstFaultLineEntity(line)}});
}

void CkelPropertyListCreator::SetBecontroler(CDesignerWellAdapter* well) {
    BuildSheet({{kDesignerWellPage, new CLstDsgWell(well, CLstDsgWell::kReservoirMode)}});
}

void CkelPropertyListCreator::SetBecontroler(CnSandFill* fill) {
    BuildSheet({{kSandPage, new CLstSandFill(fill, CLstSandFill::kReservoir)}});
}

void CkelPropertyListCreator::SetBecontroler(CStratumCell* cell) {
    BuildSheet({{multiwelltext::kStratumLinePage, new CLstStratumLine(cell)}});
}

void CkelPropertyListCreator::SetBecontroler(ScRulerFrame* frame) {
    BuildSheet({{multiwelltext::kRulerFramePage, new CLstRulerFrame(frame)}});
}

void CkelPropertyListCreator::SetBecontroler(ScDisScale* scale) {
    BuildSheet({{multiwelltext::kScalePage, new CLstRulerScale(scale)}});
}

CkelPropertyWnd::CkelPropertyWnd() = default;
CkelPropertyWnd::~CkelPropertyWnd() = default;

CWnd* CkelPropertyWnd::Create(long object, CWnd* parent) {
    return RunSectionCreator<CkelPropertyListCreator>(object, parent, true);
}

CWnd* CkelPropertyWnd::CreateObj(long object, CWnd* parent) {
    return RunSectionCreator<CkelPropertyListCreator>(object, parent, false);
}
