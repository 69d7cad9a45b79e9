// Items the well and stratum-section lists and pages share: making them, showing a value in them
// and reading a typed number back. A number item is built with the rule its reader reads it by, so
// it refuses what the reader refuses and the pane shows the stored value again.
#pragma once

#include "bcg/ColorProp.h"
#include "bcg/Prop.h"
#include "framework/FixedList.h"
#include "framework/GroupEdits.h"
#include "framework/PenFontEdits.h"
#include "framework/PropItems.h"
#include "framework/PropSizeText.h"
#include "framework/PropStyleCombox.h"
#include "mfc/String.h"
class CQXLayer;

namespace wellitems {

// ---- making items ---------------------------------------------------------------------------
// A group holding its id, expanded once its sub-items are added.
CBCGPProp* NewGroup(const char* label, DWORD_PTR id);
// "显示" (or label): "是" / "否", text editing off, showing "TRUE" until the first refresh; any
// other text reads as "否".
CFixedListProp* NewSwitch(DWORD_PTR id, const char* label = nullptr);
// A colour item with "其它..." and an automatic button "自动" of colour 0 (black), colour 0 at first.
CBCGPColorProp* NewColor(const char* label, const char* description, DWORD_PTR id);
// A point-style picker (style 1) whose groups are replaced by shownGroup with addedGroup after it.
CPropStyleCombox* NewPointPicker(const char* label, const char* description, DWORD_PTR id, const char* captionGroup,
                                 const char* shownGroup, const char* addedGroup, bool groupFlag);
// A line-style picker (style 1), text editing off.
CPropStyleCombox* NewLinePicker(const char* label, const char* description, DWORD_PTR id);
// A read-only text item.
CBCGPProp* NewReadOnly(const char* label, const char* description, DWORD_PTR id);
// An option item, text editing off, with an empty value.
CBCGPProp* NewChoice(const char* label, const char* description, DWORD_PTR id,
                     std::initializer_list<const char*> options);
// "轨迹显示方式": the ways a trajectory is drawn, along the real well path (1) or any other text
// straight (0); text editing off, empty at first.
CFixedListProp* NewTrackModeChoice(DWORD_PTR id);

// The nine places around a label's anchor, "左上" (0) to "右下" (8); any other text is refused.
CFixedListProp* NewPlaceChoice(const char* label, const char* description, DWORD_PTR id);

// ---- showing ---------------------------------------------------------------------------------
// Hundredths shown as the number ("%.2f" of value / 100, never "-0.00").
CString Hundredths(double value);
// "是" for non-zero, "否" for 0.
void ShowSwitch(CBCGPProp* item, int on);
// A picker takes the style only when it shows another one (and then redraws itself); its text is
// the style's number.
void ShowStyle(CBCGPProp* picker, UINT style);
// The option at index; the empty text for an index outside the options.
void ShowOption(CBCGPProp* item, int index);
// The field of a pen, font or point that the item shows, as the refreshes show it: the style in its
// picker (the face as text), the width or size as Hundredths, the colour; an item of another id is
// passed over. The ids name the items of the record's fields in the record's order.
void ShowPenField(CBCGPProp* item, const QXLOGPEN& pen, DWORD_PTR style, DWORD_PTR width, DWORD_PTR color);
void ShowFontField(CBCGPProp* item, const QXLOGFONT& font, DWORD_PTR face, DWORD_PTR size, DWORD_PTR color);
void ShowPointField(CBCGPProp* item, const QXLOGPOINT& point, DWORD_PTR style, DWORD_PTR size, DWORD_PTR border,
                    DWORD_PTR inner);
// A group led by its "显示" switch: the sub-items after the switch follow it.
void EnableAfterSwitch(CBCGPProp* group, int on);

// ---- reading ---------------------------------------------------------------------------------
// What a typed number may be besides a number a single-precision field holds.
enum class Sign { kZeroOrMore, kAny, kAboveZero };
// The typed number times scale (its leading number; a text that is no number reads as 0), which
// the layer's single-precision fields must hold. A number of the wrong sign is refused, and exactly
// 0 (where 0 is allowed) only when the whole text is a number. False, value untouched, when refused.
bool ReadScaled(const CString& text, double scale, Sign sign, double* value);
TextRule ScaledRule(double scale, Sign sign);
// The size rule: the typed millimetres times 100 by ReadScaled, below 0 refused unless negatives
// are allowed. The item's text; false, value untouched, when refused.
bool ReadHundredths(CBCGPProp* item, bool allowNegative, double* value);
// A text item read by the size rule, empty at first.
CBCGPProp* NewHundredthsItem(const char* label, const char* description, DWORD_PTR id, bool allowNegative);

// The style picker, size (refusing what sizeRule refuses), border and inner colour of a point
// symbol, appended to group.
void AddPointItems(CBCGPProp* group, CPropStyleCombox* picker, DWORD_PTR sizeId, TextRule sizeRule, DWORD_PTR borderId,
                   DWORD_PTR innerId);

// ---- layers --------------------------------------------------------------------------------
// A creation flag of the layer: TRUE unless the layer holds the key as FALSE.
bool IsCreated(CQXLayer* layer, const char* key);

}  // namespace wellitems
