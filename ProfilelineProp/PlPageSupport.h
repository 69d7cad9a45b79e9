// What the profile-line pages share: the layer settings, the stamp that makes pages and graph
// read an object again, the log of pages whose grid could not be made, the container a well
// part belongs to, the active objects an object page edits, and the template items of the
// layer pages.
#pragma once

#include <boost/shared_ptr.hpp>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

#include "ProfilelineProp/ProfilelineTexts.h"
#include "bcg/Prop.h"
#include "framework/FixedList.h"
#include "framework/PropItems.h"
#include "framework/PropSizeText.h"
#include "hosttypes/Lodestar/LayerProperty.h"
#include "hosttypes/Lodestar/PlContainer.h"
#include "hosttypes/Lodestar/PlWell.h"

class CWndLst;
class CWndProp;

namespace plpage {

// The profile line's layer settings; the caller holds the copy for one read or write.
boost::shared_ptr<KelProfileline::CLayerProperty> LayerProperty();

// Renews the object's stamp (AfxGetTimeStamp) so that the pages and the graph read it again.
void Stamp(KelProfileline::CPlObjInterface* object);

// Writes message with the file and line to the root logger at INFO when the logger is enabled
// for it; answers -1 (the page's failure) either way.
int LogPageFailure(const char* message, const char* file, int line);
#define PL_PAGE_FAILED(message) plpage::LogPageFailure((message), __FILE__, __LINE__)

// The container of the well a part belongs to (part, well, well manager, container); NULL when a
// link is missing.
KelProfileline::CPlContainer* ContainerOfWellPart(const KelProfileline::CWellComponent* part);

// Whether exactly one object is active (no container: none is).
bool OneActive(const KelProfileline::CPlControlerClient* client);

// The active objects that are of the page's class T; objects of any other kind are passed over,
// so an edit never reaches them. Empty without a container.
template <class T>
std::vector<T*> ActiveOf(const KelProfileline::CPlControlerClient* client) {
    std::vector<T*> objects;
    if (!client) return objects;
    const int count = client->GetActiveObjCount();
    objects.reserve(static_cast<std::size_t>(count > 0 ? count : 0));
    for (int i = 0; i < count; ++i)
        if (T* object = dynamic_cast<T*>(client->GetActiveObj(i))) objects.push_back(object);
    return objects;
}

// A well track's display: straight for "直线", the real track for any other text.
inline constexpr TextValue kTrackModes[] = {{pltext::kRealTrack, 0}, {pltext::kStraightTrack, 1}};
// Read as a switch (ReadYesNo of framework/FixedList.h): straight is yes.
CFixedListProp* NewTrackModeList(const char* name, const char* description, DWORD_PTR id);

// Redraws the container's window; nothing without a container.
void UpdateWnd(KelProfileline::CPlContainer* container);

// Hands every active object of class T to apply, then redraws the container.
template <class T, class Apply>
void ApplyToActive(KelProfileline::CPlContainer* container, Apply apply) {
    for (T* object : ActiveOf<T>(container)) apply(*object);
    UpdateWnd(container);
}

// One field of a pen or a font from its edited item: 0 the style (or face), 1 the width (or size)
// typed in the unit shown and kept ×100, 2 the colour ((COLORREF)-1 for "自动"). A width or size
// that is negative or that the float field cannot hold is refused: false, record untouched.
bool EditField(QXLOGPEN& pen, CBCGPProp* item, int position);
bool EditField(QXLOGFONT& font, CBCGPProp* item, int position);

// EditField's rule, for the item a width or size is typed into.
TextRule FieldRule();

// After a text the item refused: with one object active the item shows the stored value as the
// refresh shows it; with several the refresh shows a neutral value that no object holds, so the
// item keeps its text from before the edit (put back by the pane).
void ShowRefused(CBCGPProp* item, bool one, std::initializer_list<StoredNumber> stored);

// Whether a page shows its object again: the host named the pane's own object and the object's
// stamp differs from the pane's (which then takes it).
bool ShouldRefresh(CWndProp& pane, long object, KelProfileline::CPlObjInterface* shown);
// For the layer pages: the layer settings when the page shows the entity again; empty otherwise.
boost::shared_ptr<KelProfileline::CLayerProperty> LayerToRefresh(CWndProp& pane, long object,
                                                                 KelProfileline::CPlCnEntity* entity);

// Whether the style templates apply: the graph is placed on a chosen stratum (the container's
// level and the layer's stratum index are 0 or more) and the items are shown.
bool TemplatesUsable(const KelProfileline::CPlContainer& container, const KelProfileline::CLayerProperty& layer,
                     bool shown);

// A template item and the item of the value it stands for.
struct TemplatePair {
    CBCGPProp* templ;
    CBCGPProp* direct;
    void (CWndLst::*fill)(CBCGPProp*);
};
// Each template item enabled when usable, its options then refilled (value kept); emptied when
// not. Each direct item is enabled when its template is empty and the items are shown; its entry
// of directUsable says so.
void RefreshTemplates(CWndLst& list, bool usable, bool shown, const TemplatePair* pairs, std::size_t count,
                      bool* directUsable);

// A template item of a layer page: the layer's field that keeps the template's name and the
// container's change that applies the template to the graph.
struct TemplateEdit {
    DWORD_PTR id;
    std::string KelProfileline::CLayerProperty::*field;
    void (KelProfileline::CPlContainer::*change)(const std::string&);
};
// The edited template item's text stored in its field and handed to its change; false for an item
// of no row.
bool EditTemplate(const TemplateEdit* edits, std::size_t count, KelProfileline::CLayerProperty& layer,
                  KelProfileline::CPlContainer& container, CBCGPProp* item);

}  // namespace plpage
