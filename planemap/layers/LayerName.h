// The layer-name item ("图层名") that opens the data page of nearly every layer kind, and its rule
// on edit: a name that may not serve as a file name is answered with the utility library's
// warning, a name the map refuses (empty, or held by a layer of the map, the renamed one
// included) silently; either way the item shows the layer's name again and nothing is written.
// An accepted name is written in one of three ways, by layer kind.
#pragma once

#include "bcg/Prop.h"
#include "mfc/String.h"

class CQXLayer;

namespace layername {

// How a layer kind takes a new name.
enum class Rename {
    // CQXLayer::SetName, then the layers that refer to it by the old name follow (boundary, fault
    // and control-line layers).
    kAndRelated,
    // CQXLayer::SetName only.
    kLayerOnly,
};

// The plain text item, empty at first.
CBCGPProp* NewLayerNameItem(DWORD_PTR id, const char* description);
// Shows name in the item; nothing without an item.
void ShowLayerName(CBCGPProp* item, const CString& name);
// The item's text when the layer may take it as its name; otherwise the refusal above and false.
bool TakeNewName(CQXLayer* layer, CBCGPProp* item, CString* name);
// The rule above, writing the name the way given; false when the name was refused (nothing
// written, so the page redraws nothing).
bool RenameLayer(CQXLayer* layer, CBCGPProp* item, Rename way);

// The rule above for the layer kinds whose wrapper renames its layer itself (SetLayerName).
template <class Wrapper>
bool RenameByWrapper(Wrapper& wrapper, CBCGPProp* item) {
    CString name;
    if (!TakeNewName(wrapper.GetLayer(), item, &name)) return false;
    wrapper.SetLayerName(name);
    return true;
}

}  // namespace layername
