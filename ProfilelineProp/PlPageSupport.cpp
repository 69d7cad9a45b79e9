#include "ProfilelineProp/PlPageSupport.h"

#include <dlfcn.h>
#include <log4cplus/logger.h>

#include <sstream>

#include "framework/ChangeCheckers.h"
#include "framework/ItemGroupsLine.h"
#include "framework/ModuleFamilies.h"
#include "framework/NumberText.h"
#include "framework/PenFontEdits.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "framework/WndLst.h"
#include "hosttypes/Lodestar/PlManagers.h"
#include "hosttypes/Tinder/TimeStamp.h"

namespace {

// The logging library starts worker threads as it is loaded and leaves them running; unmapping it
// under them when the module goes would crash them. The module keeps it loaded for the rest of the
// process instead (the module itself still unloads).
void KeepLoggingLoaded() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&log4cplus::Logger::getRoot), &info) && info.dli_fname)
        dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
}

const ModuleFamily kLogging(KeepLoggingLoaded, nullptr);

}  // namespace

namespace plpage {

boost::shared_ptr<KelProfileline::CLayerProperty> LayerProperty() {
    return KelProfileline::CPropertySignle::Instance()->GetProperty();
}

void Stamp(KelProfileline::CPlObjInterface* object) {
    if (object) object->SetObjTimeStamp(AfxGetTimeStamp());
}

int LogPageFailure(const char* message, const char* file, int line) {
    log4cplus::Logger root = log4cplus::Logger::getRoot();
    if (root.isEnabledFor(log4cplus::INFO_LOG_LEVEL)) {
        std::ostringstream text;
        text << message;
        root.forcedLog(log4cplus::INFO_LOG_LEVEL, text.str(), file, line);
    }
    return -1;
}

KelProfileline::CPlContainer* ContainerOfWellPart(const KelProfileline::CWellComponent* part) {
    const KelProfileline::CPlWell* well = part ? part->GetParent() : nullptr;
    const KelProfileline::CPlWellMgr* wells = well ? well->GetWellMgr() : nullptr;
    return wells ? wells->GetContainer() : nullptr;
}

bool OneActive(const KelProfileline::CPlControlerClient* client) { return client && client->GetActiveObjCount() == 1; }

CFixedListProp* NewTrackModeList(const char* name, const char* description, DWORD_PTR id) {
    return NewFixedListItem(name, "", description, id, kTrackModes, OtherTakenAs(0));
}

void UpdateWnd(KelProfileline::CPlContainer* container) {
    if (container) container->UpdateWnd();
}

namespace {
// Widths and sizes of 0 are taken.
constexpr penfont::Accept kFieldAccept = penfont::Accept::ZeroOrMore;
}  // namespace

bool EditField(QXLOGPEN& pen, CBCGPProp* item, int position) {
    return penfont::EditPen(pen, item, position, kFieldAccept);
}

bool EditField(QXLOGFONT& font, CBCGPProp* item, int position) {
    return penfont::EditFont(font, item, position, kFieldAccept);
}

TextRule FieldRule() { return penfont::HundredthsRule(kFieldAccept); }

void ShowRefused(CBCGPProp* item, bool one, std::initializer_list<StoredNumber> stored) {
    if (one) ShowStoredValueOf(item, stored);
}

bool ShouldRefresh(CWndProp& pane, long object, KelProfileline::CPlObjInterface* shown) {
    return shown && object == pane.GetCurrentObject() && CProChangedChecker(shown, &pane)();
}

boost::shared_ptr<KelProfileline::CLayerProperty> LayerToRefresh(CWndProp& pane, long object,
                                                                 KelProfileline::CPlCnEntity* entity) {
    if (!ShouldRefresh(pane, object, entity)) return boost::shared_ptr<KelProfileline::CLayerProperty>();
    return LayerProperty();
}

bool TemplatesUsable(const KelProfileline::CPlContainer& container, const KelProfileline::CLayerProperty& layer,
                     bool shown) {
    return container.m_nStratumGrade >= 0 && layer.m_nStratumIndex >= 0 && shown;
}

void RefreshTemplates(CWndLst& list, bool usable, bool shown, const TemplatePair* pairs, std::size_t count,
                      bool* directUsable) {
    for (std::size_t i = 0; i < count; ++i) {
        const TemplatePair& pair = pairs[i];
        if (!pair.templ || !pair.direct) {
            directUsable[i] = false;
            continue;
        }
        pair.templ->Enable(usable);
        if (usable) {
            pair.templ->RemoveAllOptions();  // refilled, not added to: the list never grows
            (list.*pair.fill)(pair.templ);
        } else {
            SetItemText(pair.templ, "");
        }
        directUsable[i] = ItemText(pair.templ).IsEmpty() && shown;
        pair.direct->Enable(directUsable[i]);
    }
}

bool EditTemplate(const TemplateEdit* edits, std::size_t count, KelProfileline::CLayerProperty& layer,
                  KelProfileline::CPlContainer& container, CBCGPProp* item) {
    const std::string text = ItemText(item).str();
    for (std::size_t i = 0; i < count; ++i)
        if (edits[i].id == item->GetData()) {
            layer.*edits[i].field = text;
            (container.*edits[i].change)(text);
            return true;
        }
    return false;
}

}  // namespace plpage
