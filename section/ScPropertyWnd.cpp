#include "section/ScPropertyWnd.h"

#include "hosttypes/Oriel/CContainerSignle.h"
#include "hosttypes/Oriel/CStratumCell.h"
#include "hosttypes/Oriel/CnConnection.h"
#include "hosttypes/Oriel/ConnectionLines.h"
#include "hosttypes/Oriel/CrCorrelation.h"
#include "hosttypes/Oriel/CrFaultPoint.h"
#include "hosttypes/Oriel/IkelWellAdapter.h"
#include "hosttypes/Oriel/ScContainer.h"
#include "hosttypes/Oriel/ScDepthRuler.h"
#include "hosttypes/Oriel/ScDisRuler.h"
#include "hosttypes/Oriel/ScDisScale.h"
#include "hosttypes/Oriel/ScLookDownForm.h"
#include "hosttypes/Oriel/ScRulerFrame.h"
#include "section/CnLstWell.h"
#include "section/GraphSetors.h"
#include "section/LstDepthRuler.h"
#include "section/LstDisRuler.h"
#include "section/LstFaultPoint.h"
#include "section/LstLookDownForm.h"
#include "section/LstRulerFrame.h"
#include "section/LstRulerScale.h"
#include "section/LstSandFill.h"
#include "section/LstStratumLine.h"
#include "section/LstStratumSetor.h"
#include "section/MultiWellTexts.h"
#include "section/ObjectPageTexts.h"
#include "section/SandSetor.h"
#include "section/SectionTexts.h"

using namespace sectiontext;

namespace {

// The kind of the section the user works on; 0 when there is none.
int CurrentSectionKind() {
    ScContainer* container = CContainerSignle::Instance()->GetContainer();
    return container ? container->GetType() : ScControlerClient::CT_BASE;
}

}  // namespace

// ---- multi-well sections --------------------------------------------------------------------------

ScPropertyLstCreator::~ScPropertyLstCreator() = default;

void ScPropertyLstCreator::SetBecontroler(ScObjInterface* object) {
    using Self = ScPropertyLstCreator;
    static const Row<Self> rows[] = {
        {"CrCorrelation", &CastThen<CrCorrelation, Self, &Self::SetBecontroler>},
        {"CnConnection", &CastThen<CnConnection, Self, &Self::SetBecontroler>},
        {"IkelWellAdapter", &CastThen<IkelWellAdapter, Self, &Self::SetBecontroler>},
        {"ScDisRuler", &CastThen<ScDisRuler, Self, &Self::SetBecontroler>},
        {"ScDepthRuler", &CastThen<ScDepthRuler, Self, &Self::SetBecontroler>},
        {"ScLookDownForm", &CastThen<ScLookDownForm, Self, &Self::SetBecontroler>},
        {"CnSandFill", &CastThen<CnSandFill, Self, &Self::SetBecontroler>},
        {"CrFaultPoint", &CastThen<CrFaultPoint, Self, &Self::SetBecontroler>},
        {"ScRulerFrame", &CastThen<ScRulerFrame, Self, &Self::SetBecontroler>},
        {"ScDisScale", &CastThen<ScDisScale, Self, &Self::SetBecontroler>},
        {"ScDepthScale", &CastThen<ScDisScale, Self, &Self::SetBecontroler>},
        {"CStratumCell", &CastThen<CStratumCell, Self, &Self::SetBecontroler>},
    };
    Dispatch(*this, object, rows);
}

void ScPropertyLstCreator::SetBecontroler(CrCorrelation* section) {
    if (!section->m_bSameWorkArea) return;
    BuildSheet({{kGraphPage, new CCrGraphSetor(section)},
                {kStratumPage, new CLstStratumSetor(section, ScControlerClient::CT_CORRELATION)}});
}

void ScPropertyLstCreator::SetBecontroler(CnConnection* section) {
    if (!section->m_bSameWorkArea) return;
    BuildSheet({{kGraphPage, new CCnGraphSetor(section)},
                {kStratumPage, new CLstStratumSetor(section, ScControlerClient::CT_CONNECTION)},
                {kSandPage, new CSandSetor(section)}});
}

void ScPropertyLstCreator::SetBecontroler(IkelWellAdapter*) {
    const int kind = CurrentSectionKind();
    if (kind == ScControlerClient::CT_CORRELATION || kind == ScControlerClient::CT_CONNECTION)
        BuildSheet({{kWellPage, new CnLstWell(CnLstWell::ModeOfKind(kind))}});
    else
        BuildSheet({});  // a well of another kind of section: a sheet without pages
}

void ScPropertyLstCreator::SetBecontroler(ScDisRuler* ruler) {
    const CString name = ruler->GetRulerName();
    BuildSheet({{name, new CLstDisRuler(ruler)}});
}

void ScPropertyLstCreator::SetBecontroler(ScDepthRuler* ruler) {
    const CString name = ruler->GetRulerName();
    BuildSheet({{name, new CLstDepthRuler(ruler)}});
}

void ScPropertyLstCreator::SetBecontroler(ScLookDownForm* map) { BuildSheet({{kLookDownPage, new CLstLookDownForm(map)}}); }

void ScPropertyLstCreator::SetBecontroler(CrFaultPoint* point) { BuildSheet({{kFaultPointPage, new CLstFaultPoint(point)}}); }

void ScPropertyLstCreator::SetBecontroler(CnSandFill* fill) {
    BuildSheet({{multiwelltext::kSandFillPage, new CLstSandFill(fill, CLstSandFill::kMultiWell)}});
}

void ScPropertyLstCreator::SetBecontroler(ScRulerFrame* frame) {
    BuildSheet({{multiwelltext::kRulerFramePage, new CLstRulerFrame(frame)}});
}

void ScPropertyLstCreator::SetBecontroler(ScDisScale* scale) {
    BuildSheet({{multiwelltext::kScalePage, new CLstRulerScale(scale)}});
}

void ScPropertyLstCreator::SetBecontroler(CStratumCell* cell) {
    BuildSheet({{multiwelltext::kStratumLinePage, new CLstStratumLine(cell)}});
}

ScPropertyWnd::ScPropertyWnd() = default;
ScPropertyWnd::~ScPropertyWnd() = default;

CWnd* ScPropertyWnd::Create(long object, CWnd* parent) {
    return RunSectionCreator<ScPropertyLstCreator>(object, parent, true);
}

CWnd* ScPropertyWnd::CreateObj(long object, CWnd* parent) {
    return RunSectionCreator<ScPropertyLstCreator>(object, parent, false);
}

// ---- single-well sections ----------------------------------------------------------------------------

CSglPropertyLstCreator::~CSglPropertyLstCreator() = default;

void CSglPropertyLstCreator::SetBecontroler(ScObjInterface*) {}

CSglPropertyWnd::CSglPropertyWnd() = default;
CSglPropertyWnd::~CSglPropertyWnd() = default;

CWnd* CSglPropertyWnd::Create(long object, CWnd* parent) {
    return RunSectionCreator<CSglPropertyLstCreator>(object, parent, true);
}
