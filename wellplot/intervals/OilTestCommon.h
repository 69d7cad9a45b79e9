// What the oil-test page and the oil-test pie page share: the data choice with the captions of
// the three colour items that follow it, and the readers of the kit's sizes.
#pragma once

#include "bcg/Prop.h"
#include "framework/FixedList.h"
#include "framework/OptionTables.h"
#include "framework/PropSizeText.h"
#include "hosttypes/Kestrel/StyleRecords.h"
#include "mfc/String.h"

namespace oiltest {

// Data choice: 0 daily production, 1 cumulative.
inline constexpr const char* kDaily = "日产";
inline constexpr const char* kCumulative = "累产";
inline constexpr TextValue kDataChoices[] = {{kDaily, 0}, {kCumulative, 1}};
// The data choice's list: "日产" stands for 0, any other text for 1; no typing.
CFixedListProp* NewDataChoice(const char* name, const char* description, DWORD_PTR id);
// 0 shows "日产", any other value "累产".
const char* DataChoiceText(int choice);

// The captions of the oil, gas and water colour items for each data choice.
inline constexpr const char* kDailyOil = "日产油";
inline constexpr const char* kDailyGas = "日产气";
inline constexpr const char* kDailyWater = "日产水";
inline constexpr const char* kCumulativeOil = "累产油";
inline constexpr const char* kCumulativeGas = "累产气";
inline constexpr const char* kCumulativeWater = "累产水";
// Names the three colour items (any of them may be NULL) after the data choice.
void NameColorItems(CBCGPProp* oil, CBCGPProp* gas, CBCGPProp* water, int choice);


// One changed sub-item of a pen group: field 0 the style picker, 1 the width (hundredths), 2 the
// colour; only that field is read. A width that is no number reads 0; a negative one, or one a
// float cannot hold, is refused (false, pen untouched). The width item then shows the width kept.
bool EditPenField(CBCGPProp* item, int field, QXLOGPEN& pen);
// One changed sub-item of a font group: 0 the face, 1 the size (hundredths; never negative, with
// positiveSize only above 0), 2 the colour. The size item then shows the size kept; false for a
// size refused. Widths and sizes kept in a float field are read by penfont::ReadHundredths.
bool EditFontField(CBCGPProp* item, int field, QXLOGFONT& font, bool positiveSize);
// A text's leading number (0 for a text that is no number) times 100 into a double field: a
// negative number is refused, as is one a double cannot hold: false, value untouched. Its rule.
bool ReadHundredths(const CString& text, double* value);
TextRule WideHundredthsRule();
// Shows value / 100 with two decimals in a text item, when it shows something else (a number item
// shows its own value).
void ShowHundredths(CBCGPProp* item, double value);
// The item's leading integer (0 for none); false when an int cannot hold it.
bool ReadWhole(CBCGPProp* item, int* value);
// The same for a count of decimals: also false for a negative one.
bool ReadCount(CBCGPProp* item, int* count);
// A count of decimals as the refresh shows it ("%d"); read back from its item, one refused leaves
// decimals as it is, shows it again and answers false.
void ShowDecimals(CBCGPProp* item, int decimals);
bool EditDecimals(CBCGPProp* item, int* decimals);

}  // namespace oiltest
