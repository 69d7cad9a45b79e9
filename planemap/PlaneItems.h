// The read-only "类型" item and the count item of the plane-map lists, and the text a refresh
// shows a number by; the shared items they build are in framework/PropItems.h.
#pragma once

#include <cstddef>
#include <initializer_list>

#include "framework/FixedList.h"
#include "framework/PropItems.h"
#include "hosttypes/Parsnip/QXObject.h"

namespace planemap {

// The read-only "类型" item showing the object kind.
CBCGPProp* NewTypeItem(const char* kind, DWORD_PTR id);
// A whole number of 0 or more, typed or picked among the options given, refusing what ReadCount
// refuses.
CBCGPProp* NewCountItem(const char* name, const char* description, DWORD_PTR id,
                        std::initializer_list<const char*> options);

// A number item of one object's geometry: the stored value as the item shows it, and the write of a
// value read from its text. A list keeps one table of these for its position items.
template <class T>
struct GeometryField {
    DWORD_PTR id;
    double (*stored)(T*);
    void (*write)(T*, double);
};
// The field of the item id; nullptr for none.
template <class T, std::size_t N>
const GeometryField<T>* FieldOf(const GeometryField<T> (&fields)[N], DWORD_PTR id) {
    for (const GeometryField<T>& field : fields)
        if (field.id == id) return &field;
    return nullptr;
}

// "风格", a pick-only fixed list offering "风格1" .. "风格<count>" for the styles 0 .. count-1. A
// text that is none of them is refused, or taken as the style count and shown as the refresh shows
// that style ("风格<count+1>").
enum class StylePastOptions { kRefused, kTakenAsCount };
CFixedListProp* NewStyleItem(const char* description, DWORD_PTR id, int count, StylePastOptions past);
// A fixed list of the horizontal ("左对齐", "居中", "右对齐") or vertical ("上对齐", "居中",
// "下对齐") alignments 0, 1, 2; any other text is 2.
CFixedListProp* NewAlignItem(bool horizontal, const char* name, const char* value, const char* description,
                             DWORD_PTR id, bool allowEdit);
// A pick-only fixed list of the places around a label's anchor (kPlaces), each standing for its
// position there; any other text is refused. Unless offerAll, a place not marked offered ("中") is
// read and shown but not offered.
CFixedListProp* NewPlaceItem(const char* name, const CString& value, const char* description, DWORD_PTR id,
                             bool offerAll);

inline FLOATPOINT AnchorOf(CQXObject* object) {
    FLOATPOINT anchor;
    object->GetAnchor(&anchor);
    return anchor;
}

}  // namespace planemap
