// What the section object pages (rulers, navigation maps, reservoir objects, fault points) share:
// making their plain items, showing a value only when it differs, reading a picked colour or
// style, reaching the section to redraw, and moving an oil-gas-water interface line.
#pragma once

#include <cstdint>

#include "bcg/Prop.h"
#include "framework/GroupEdits.h"
#include "framework/PropSizeText.h"
#include "hosttypes/Kestrel/StyleRecords.h"

class CWnd;
class ScObjInterface;
namespace KelReservoir::SandUnit {
class CkelOSWerLine;
}

namespace section {

CBCGPProp* NewGroupItem(const char* name, DWORD_PTR id, bool expanded);
// A number item holding value, with digits decimals; negatives refused unless allowed, and every
// text refused that rule refuses (the rule of the reader the list reads the item by; none for an
// item no list reads).
CBCGPProp* NewFloatItem(const char* name, double value, int digits, bool negatives, const char* description,
                        DWORD_PTR id, TextRule rule);
// A text item; read-only unless editable.
CBCGPProp* NewTextValueItem(const char* name, const char* value, const char* description, DWORD_PTR id, bool editable);
// A colour item starting black, with "其它..." and the automatic "自动" (black).
CBCGPProp* NewBlackColorItem(const char* name, const char* description, DWORD_PTR id);
// A line-style or point-style picker on a style group (NULL: none), holding style 1.
CBCGPProp* NewStylePicker(const char* name, int kind, const char* group, const char* description, DWORD_PTR id);
// The rulers' items: a two-decimal number that refuses negatives and what rule refuses, and a
// "线型" picker of line styles without a style group.
CBCGPProp* NewRulerNumber(const char* name, double value, DWORD_PTR id, TextRule rule);
CBCGPProp* NewRulerLineStyle(DWORD_PTR id, bool editable);
// A font-face picker holding the face.
CBCGPProp* NewFacePicker(const char* name, const char* face, const char* description, DWORD_PTR id);
// The same picker where a face name can also be typed.
CBCGPProp* NewTypedFacePicker(const char* name, const char* face, const char* description, DWORD_PTR id);

// A length, width or size typed in an item, times 100 (the hundredths the section library keeps);
// false, value untouched, for a text that is no number, a negative, or a value single precision
// cannot hold. The second form writes the single-precision field itself.
bool ReadHundredths(CBCGPProp* item, double* value);
bool ReadHundredths(CBCGPProp* item, float* field);
// Their rule, for a number item read by them.
TextRule HundredthsRule();

// One field of a pen from its item: 0 the picked style, 1 the width typed (hundredths kept),
// 2 the picked colour; false, pen untouched, when the item gives no such value.
enum PenField : int { kPenStyle = 0, kPenWidth = 1, kPenColor = 2 };
bool ReadPenField(CBCGPProp* item, int field, QXLOGPEN& pen);

// Shows a value in an item only when it differs from what the item shows; an item of another
// kind, or no item, is passed over.
void ShowNumber(CBCGPProp* item, double value);
void ShowStyle(CBCGPProp* item, UINT style);
void ShowFace(CBCGPProp* item, const QXLOGFONT& font);
// Shows the picture at index (-1 none) in a picture picker, the picker's value made that index
// too, so its editor opens on the picture shown: picking that picture again is no edit, picking
// any other one is. Any other item is passed over.
void ShowPicture(CBCGPProp* item, int index);

// The object the host handed over as a section object of class T; NULL for none or another class.
template <class T>
T* SectionObjectAs(long object);

// The object of a refresh when the page is to show it: the pane's current object, of class T, with
// a stamp other than the pane's (which then takes the object's over); NULL otherwise, the pane's
// stamp untouched.
template <class T>
T* ChangedSelection(long object, long current, uint64_t& paneStamp);

// The pen of a reservoir object edited through one sub-item of its line group, read over the
// object's pen and stored back; false, nothing stored, for a refused width.
template <class Object>
bool EditObjectPen(Object& object, CBCGPProp* item);

// Has the reservoir section that owns a reservoir object's manager redraw itself.
template <class Manager>
void RedrawReservoirOf(Manager* manager);

// Has the current section redraw itself through the section library's update view.
void RedrawCurrentSection();

// Moves the line to the item's depth when that lies in the line's movable range (bounds
// included): true. Otherwise the depth is refused: false, nothing moved, and the item shows the
// line's depth again; a depth out of range also tells the user the range in a message box owned
// by owner (a depth that is no number does not).
// A page without its line has nothing to move: true.
bool MoveInterfaceLine(CWnd* owner, KelReservoir::SandUnit::CkelOSWerLine* line, CBCGPProp* item);

}  // namespace section

#include "section/SectionObject.h"

template <class T>
T* section::SectionObjectAs(long object) {
    return object ? dynamic_cast<T*>(SectionObjectOf(object)) : nullptr;
}

template <class T>
T* section::ChangedSelection(long object, long current, uint64_t& paneStamp) {
    if (object != current) return nullptr;
    T* selected = SectionObjectAs<T>(object);
    if (!selected || selected->GetTimeStamp() == paneStamp) return nullptr;
    paneStamp = selected->GetTimeStamp();
    return selected;
}

template <class Object>
bool section::EditObjectPen(Object& object, CBCGPProp* item) {
    QXLOGPEN pen = object.GetLogPen();
    if (!::ReadEditedPen(item, pen)) return false;
    object.SetLogPen(pen);
    return true;
}

template <class Manager>
void section::RedrawReservoirOf(Manager* manager) {
    if (auto* reservoir = manager ? manager->GetReservoir() : nullptr) reservoir->UpdateWnd();
}
