#include "ProfilelineProp/PlPropertyWnd.h"

#include "ProfilelineProp/LstCnProfile.h"
#include "ProfilelineProp/PlLayerReferenceInfo.h"
#include "ProfilelineProp/PlProfilelineProperty.h"
#include "ProfilelineProp/PlWellSymbolProperty.h"
#include "ProfilelineProp/PlWellTrackProperty.h"
#include "ProfilelineProp/ProfilelineTexts.h"
#include "ProfilelineProp/dataprop.h"
#include "ProfilelineProp/profilelineprop.h"
#include "ProfilelineProp/wellnameprop.h"
#include "ProfilelineProp/wellnameproperty.h"
#include "ProfilelineProp/wellsymbolprop.h"
#include "framework/PropWndMgr.h"
#include "hosttypes/Lodestar/PlContainer.h"
#include "hosttypes/Lodestar/PlProfileline.h"
#include "hosttypes/Lodestar/PlWell.h"

using namespace KelProfileline;
using namespace pltext;

namespace {

// One row of the dispatch: the class name and the typed overload it leads to.
struct Row {
    const char* name;
    void (*build)(PlPropertyLstCreator& creator, CPlObjInterface* object);
};

// The object cast at run time to the row's class, then the typed overload (virtually); an object
// that is not of that class builds nothing.
template <class T>
void CastThen(PlPropertyLstCreator& creator, CPlObjInterface* object) {
    if (T* typed = dynamic_cast<T*>(object)) creator.SetBecontroler(typed);
}

const Row kRows[] = {
    {"CPlCnEntity", &CastThen<CPlCnEntity>},       {"CWellLabel", &CastThen<CWellLabel>},
    {"CWellTrack", &CastThen<CWellTrack>},         {"CWellSymbol", &CastThen<CWellSymbol>},
    {"CPlProfileline", &CastThen<CPlProfileline>},
};

}  // namespace

PlPropertyLstCreator::~PlPropertyLstCreator() = default;

void PlPropertyLstCreator::SetBecontroler(CPlObjInterface* object) {
    if (!object) return;
    const CString name = object->GetObjName();
    for (const Row& row : kRows)
        if (name == row.name) {
            row.build(*this, object);
            return;
        }
}

void PlPropertyLstCreator::SetBecontroler(CPlProfileline* line) {
    if (line) BuildOnePage(kProfileLinePage, new CPlProfilelineProperty(line));
}

void PlPropertyLstCreator::SetBecontroler(CWellSymbol* symbol) {
    if (symbol) BuildOnePage(kWellSymbolPage, new CPlWellSymbolProperty(symbol));
}

void PlPropertyLstCreator::SetBecontroler(CWellTrack* track) {
    if (track) BuildOnePage(kWellTrackPage, new CPlWellTrackProperty(track));
}

void PlPropertyLstCreator::SetBecontroler(CWellLabel* label) {
    if (label) BuildOnePage(kWellLabelPage, new CPlWellLabelProperty(label));
}

void PlPropertyLstCreator::SetBecontroler(CPlCnEntity* entity) {
    if (entity) BuildOnePage(kEntityPage, new CLstCnProfile(entity));
}

void PlPropertyLstCreator::BuildOnePage(const char* caption, CWndLst* list) {
    if (CPropWndMgr* sheet = MakeListSheet(m_pParent, {{caption, list}})) m_pCreated = sheet;
}

CWnd* PlPropertyLstCreator::CreateLayerProp(CPlCnEntity* entity, CWnd* parent) {
    CPropWndMgr* sheet = NewListSheet({{kDataPage, new CPlLayerData(entity)},
                                       {kWellLabelPage, new CPlLayerWellName(entity)},
                                       {kWellSymbolPage, new CPlLayerWellSymbol(entity)},
                                       {kProfileLinePage, new CPlLayerLine(entity)},
                                       {kReferencePage, new CPlLayerReferenceInfo(entity)}});
    sheet->Create(parent, WS_CHILD | WS_VISIBLE, 0);
    return sheet;
}

PlPropertyWnd::PlPropertyWnd() = default;
PlPropertyWnd::~PlPropertyWnd() = default;

CWnd* PlPropertyWnd::Create(long object, CWnd* parent) {
    CPlObjInterface* target = PlObjectOf(object);
    if (!target) return nullptr;
    PlPropertyLstCreator creator(parent);
    target->Accept(&creator);
    return creator.GetCreatedWnd();
}
