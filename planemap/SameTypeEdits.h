// Edits written to every selected object of the shown object's type name, and the fill group
// (framework/FillSubItems.h) read into a brush and written that way.
#pragma once

#include <typeinfo>

#include "bcg/Prop.h"
#include "framework/FillSubItems.h"
#include "framework/FixedList.h"
#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObject.h"
#include "mfc/String.h"

// Which selected objects of the type name a same-type write reaches: those of class T. The
// class test is made once per run of objects of one run-time type (a selection is mostly of one
// kind), so a write to many objects costs one type-name comparison and one pointer comparison
// each, no copy and no allocation. The name is copied once: a write may rename the object it
// was read from.
template <class T>
class SameTypeTarget {
public:
    explicit SameTypeTarget(const CString& typeName) : typeName_(typeName) {}
    T* operator()(CQXObject* object) {
        if (!object || !SameText(object->GetTypeName(), typeName_)) return nullptr;
        const std::type_info& type = typeid(*object);
        if (&type != seen_) {
            seen_ = &type;
            isT_ = dynamic_cast<T*>(object) != nullptr;
        }
        return isT_ ? static_cast<T*>(object) : nullptr;
    }

private:
    // Type names are a few bytes: compared here, byte by byte, rather than through a library call.
    static bool SameText(const CString& a, const CString& b) {
        const int n = a.GetLength();
        if (n != b.GetLength()) return false;
        const char* p = a.GetString();
        const char* q = b.GetString();
        for (int k = 0; k < n; ++k)
            if (p[k] != q[k]) return false;
        return true;
    }

    const CString typeName_;
    const std::type_info* seen_ = nullptr;
    bool isT_ = false;
};

// Calls fn(object) on every selected object of typeName that is a T, in selection order; for
// edits that change one field of each object's own value.
template <class T, class Fn>
void ForSameTypeObjects(CQXLayer* layer, const CString& typeName, Fn fn) {
    if (!layer) return;
    SameTypeTarget<T> target(typeName);
    const int n = layer->GetSelectedObjectCount();
    for (int i = 0; i < n; ++i)
        if (T* typed = target(layer->GetSelectedObject(i))) fn(typed);
}

// The object whose stored values an edit of the shown object writes from and a refusal shows
// again: the shown object while it is among the selected objects its same-type writes reach, else
// the first of those (the selection changed since the list showed it); the shown object when the
// writes reach none.
template <class T>
T* WrittenObject(T* shown) {
    if (!shown) return nullptr;
    T* first = nullptr;
    bool reached = false;
    ForSameTypeObjects<T>(shown->GetLayer(), shown->GetTypeName(), [&](T* object) {
        if (object == shown) reached = true;
        if (!first) first = object;
    });
    return reached || !first ? shown : first;
}

// Calls setter with value on every selected object of the layer whose type name equals typeName,
// in selection order. Objects of that type name that are not of the setter's class are skipped.
template <class T, class R, class Arg, class V>
void SetSameTypeObjects(CQXLayer* layer, R (T::*setter)(Arg), V value, const CString& typeName) {
    ForSameTypeObjects<T>(layer, typeName, [&](T* typed) { (typed->*setter)(value); });
}

// The value a fixed list's text stands for (framework/FixedList.h), written as SetSameTypeObjects
// writes it. False, nothing written, when the list refuses the text.
template <class T, class R, class Arg>
bool SetSameTypeFromList(CQXLayer* layer, R (T::*setter)(Arg), CBCGPProp* item, const CString& typeName) {
    int value = 0;
    if (!ReadFixedList(item, &value)) return false;
    SetSameTypeObjects(layer, setter, value, typeName);
    return true;
}

// Sends the change notification (with 0) to every selected object of typeName.
void UpdateSameTypeObjects(CQXLayer* layer, CString typeName);

// A fill sub-item whose text names nothing to write: a cell size the fill group cannot read (an
// item not built with the group's rule) or an empty style set. True, and the item shows
// the stored size as the refresh shows it, or the set the style picker still offers.
bool ShowRefusedFillItem(CBCGPProp* item, const QXLOGBRUSH& stored);
// The cell size item shows the stored size as the refresh shows it.
void ShowStoredFillSize(CBCGPProp* item, const QXLOGBRUSH& stored);

// ReadFillSubItem, then the brush to every selected T of typeName through setter. False, nothing
// written and the item shown again, for a refused cell size or an empty style set; any other item
// that reads nothing (the group row) writes nothing and answers true.
template <class T, class R>
bool ApplyFillSubItem(CBCGPProp* item, CQXLayer* layer, QXLOGBRUSH* brush, const CString& typeName,
                      R (T::*setter)(QXLOGBRUSH*)) {
    if (ShowRefusedFillItem(item, *brush)) return false;
    if (ReadFillSubItem(item, brush)) SetSameTypeObjects(layer, setter, brush, typeName);
    return true;
}

// The same for the line-like lists, whose objects are lines.
bool ApplyFillSubItem(CBCGPProp* item, CQXLayer* layer, QXLOGBRUSH* brush, const CString& typeName);

// ApplyArrowProp for an arrow sub-item of a line group (0 begin style, 1 end style, 2 size). False,
// nothing written, for a refused size (an item not built with the size rule), which
// then shows the shown line's arrow size as SetArrowLineProp shows it. A style item then shows the
// option its text was taken as ("空" for any text but the two arrow names).
bool ApplyArrowSubItem(CBCGPProp* item, CQXObject* shown, int index);
