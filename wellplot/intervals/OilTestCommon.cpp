#include "wellplot/intervals/OilTestCommon.h"

#include "framework/NumberText.h"
#include "framework/PenFontEdits.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"

namespace oiltest {

CFixedListProp* NewDataChoice(const char* name, const char* description, DWORD_PTR id) {
    return NewFixedListItem(name, kDaily, description, id, kDataChoices, OtherTakenAs(1));
}
const char* DataChoiceText(int choice) { return choice ? kCumulative : kDaily; }

void NameColorItems(CBCGPProp* oil, CBCGPProp* gas, CBCGPProp* water, int choice) {
    const bool daily = choice == 0;
    if (oil) oil->SetName(daily ? kDailyOil : kCumulativeOil);
    if (gas) gas->SetName(daily ? kDailyGas : kCumulativeGas);
    if (water) water->SetName(daily ? kDailyWater : kCumulativeWater);
}

bool EditPenField(CBCGPProp* item, int field, QXLOGPEN& pen) {
    if (field == 0) {
        if (auto* style = dynamic_cast<CPropStyleCombox*>(item)) pen.style = style->GetVal();
    } else if (field == 1) {
        const bool taken = penfont::ReadHundredths(ItemText(item), penfont::Accept::ZeroOrMore, &pen.width);
        ShowHundredths(item, pen.width);
        return taken;
    } else {
        ReadColor(item, &pen.color);
    }
    return true;
}

bool EditFontField(CBCGPProp* item, int field, QXLOGFONT& font, bool positiveSize) {
    if (field == 0) {
        font.SetFaceName(ItemText(item).GetString());
    } else if (field == 1) {
        const bool taken = penfont::ReadHundredths(
            ItemText(item), positiveSize ? penfont::Accept::AboveZero : penfont::Accept::ZeroOrMore, &font.size);
        ShowHundredths(item, font.size);
        return taken;
    } else {
        ReadColor(item, &font.color);
    }
    return true;
}

bool ReadHundredths(const CString& text, double* value) {
    double number = 0;
    double scaled = 0;
    if (!numtext::LeadingNumber(text, &number) || !numtext::Scale(number, numtext::kHundredths, &scaled) || scaled < 0)
        return false;
    *value = scaled;
    return true;
}

TextRule WideHundredthsRule() { return ReaderRule(&ReadHundredths); }

void ShowHundredths(CBCGPProp* item, double value) {
    if (item && !dynamic_cast<CBCGPropFloat*>(item))
        ShowTextIfChanged(item, numtext::Fixed(value / numtext::kHundredths, 2));
}

bool ReadWhole(CBCGPProp* item, int* value) { return numtext::LeadingInt(ItemText(item), value); }

bool ReadCount(CBCGPProp* item, int* count) {
    int read = 0;
    if (!ReadWhole(item, &read) || read < 0) return false;
    *count = read;
    return true;
}

void ShowDecimals(CBCGPProp* item, int decimals) { ShowTextIfChanged(item, FormatString("%d", decimals)); }

bool EditDecimals(CBCGPProp* item, int* decimals) {
    if (ReadCount(item, decimals)) return true;
    ShowDecimals(item, *decimals);
    return false;
}

}  // namespace oiltest
