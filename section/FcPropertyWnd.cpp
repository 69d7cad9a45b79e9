#include "section/FcPropertyWnd.h"

#include "hosttypes/Gondola/Fence.h"
#include "hosttypes/Halyard/Reservoir.h"
#include "hosttypes/Oriel/IkelWellAdapter.h"
#include "section/CnLstWell.h"
#include "section/GraphSetors.h"
#include "section/LstStratumSetor.h"
#include "section/SandSetor.h"
#include "section/SectionTexts.h"

using KelReservoir::Connection::CkelReservoir;
using namespace sectiontext;

// ---- fence diagrams --------------------------------------------------------------------------------

CFcPropertyListCreator::~CFcPropertyListCreator() = default;

void CFcPropertyListCreator::SetBecontroler(ScObjInterface* object) {
    using Self = CFcPropertyListCreator;
    static const Row<Self> rows[] = {
        {"CFence", &CastThen<KelFence::CFence, Self, &Self::SetBecontroler>},
        {"IkelWellAdapter", &CastThen<IkelWellAdapter, Self, &Self::SetBecontroler>},
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
    };
    Dispatch(*this, object, rows);
}

void CkelPropertyListCreator::SetBecontroler(CkelReservoir* reservoir) {
    if (!reservoir->IsPropertyValid()) return;
    BuildSheet({{kGraphPage, new CRsGraphSetor(reservoir)},
                {kStratumPage, new CLstStratumSetor(reservoir, ScControlerClient::CT_RESERVOIR)},
                {kSandPage, new CSandSetor(reservoir)}});
}

void CkelPropertyListCreator::SetBecontroler(IkelWellAdapter*) {
    BuildSheet({{kWellPage, new CnLstWell(CnLstWell::ModeOfKind(ScControlerClient::CT_RESERVOIR))}});
}

CkelPropertyWnd::CkelPropertyWnd() = default;
CkelPropertyWnd::~CkelPropertyWnd() = default;

CWnd* CkelPropertyWnd::Create(long object, CWnd* parent) {
    return RunSectionCreator<CkelPropertyListCreator>(object, parent, true);
}

CWnd* CkelPropertyWnd::CreateObj(long object, CWnd* parent) {
    return RunSectionCreator<CkelPropertyListCreator>(object, parent, false);
}
