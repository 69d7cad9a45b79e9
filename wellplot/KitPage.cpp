#include "wellplot/KitPage.h"

#include <climits>

#include "framework/FixedList.h"
#include "framework/NumberText.h"
#include "framework/PropItems.h"
#include "hosttypes/Tinder/TimeStamp.h"
#include "hosttypes/Zephyr/WpContent.h"
#include "hosttypes/Zephyr/WpStratum.h"
#include "hosttypes/Zephyr/WpTrack.h"
#include "hosttypes/Zephyr/WpWell.h"
#include "wellplot/WellPlotTexts.h"

void SetKitTimeStamp(CWpKit* kit) {
    if (kit) kit->SetTimeStamp(AfxGetTimeStamp());
}

namespace wellplot {

bool BeginKitRefresh(CWndProp& pane, long object, CWpKit* kit) {
    if (!kit || object != pane.GetCurrentObject()) return false;
    if (kit->GetTimeStamp() == pane.GetTimeStamp() && pane.IsSameObject()) return false;
    pane.SetTimeStamp(kit->GetTimeStamp());
    return true;
}

namespace {
constexpr char kEscapedBreak[] = "\\n";
}  // namespace

QXLOGFONT TitleFontOf(CWpKit* kit) {
    QXLOGFONT font;
    kit->GetTitleFont(&font);
    return font;
}

CString TitleToText(const CString& title) {
    CString text(title);
    text.Replace("\n", kEscapedBreak);
    return text;
}

CString TextToTitle(const CString& text) {
    CString title(text);
    title.Replace(kEscapedBreak, "\n");
    return title;
}

bool ScaledNumber(const CString& text, double scale, bool allowNegative, float* value) {
    double number = 0;
    float read = 0;
    if (!numtext::LeadingNumber(text, &number) || !numtext::FitFloat(number, scale, &read) ||
        (!allowNegative && read < 0))
        return false;
    *value = read;
    return true;
}

TextRule ScaledRule(double scale, bool allowNegative) {
    return [scale, allowNegative](const CString& text) {
        float value = 0;
        return ScaledNumber(text, scale, allowNegative, &value);
    };
}

TextRule KeptRule(VARTYPE type, TextRule rule) {
    return [type, rule = std::move(rule)](const CString& text) {
        _variant_t kept;
        return numtext::TextToVariant(text, type, &kept) && rule(VariantToText(kept));
    };
}

bool ReadNumber(CBCGPProp* item, double* value) { return numtext::LeadingNumber(ItemText(item), value); }

bool ReadInt(const CString& text, int* value) {
    long long number = 0;
    return numtext::LeadingInteger(text, &number) && numtext::FitInt(static_cast<double>(number), 1, value);
}

bool ReadCount(const CString& text, int* count) {
    long long whole = 0;
    if (!numtext::LeadingWhole(text, &whole) || whole < 0 || whole > INT_MAX) return false;
    *count = static_cast<int>(whole);
    return true;
}

TextRule CountRule() { return ReaderRule(ReadCount); }

void AddPenWidthOptions(CBCGPProp* item) {
    for (float w = 0.1f; w < 3.0f; w += 0.1f) item->AddOption(FormatString("%.1f", static_cast<double>(w)));
}

CString ScopeLabel(CWpKit* kit) {
    if (kit->IsKindOf(RUNTIME_CLASS(CWpWell))) return FormatString("当前柱状图[%s]", kit->GetName().GetString());
    if (kit->IsKindOf(RUNTIME_CLASS(CWpDepth))) return wptext::kThisDepthTrack;
    if (kit->IsKindOf(RUNTIME_CLASS(CWpTrack))) return FormatString("当前内容道[%s]", kit->GetTitleText().GetString());
    if (kit->IsKindOf(RUNTIME_CLASS(CWpCurve))) return FormatString("当前曲线[%s]", kit->GetTitleText().GetString());
    if (kit->IsKindOf(RUNTIME_CLASS(CWpStratum))) return FormatString("当前分层[%s]", kit->GetTitleText().GetString());
    return "当前对象";
}

void ShowScope(CBCGPProp* item, CWpKit* kit, int scope) {
    CFixedListProp* list = FixedListOf(item);
    if (!list) return;
    const CString label = ScopeLabel(kit);
    list->ClearEntries();
    list->AddEntry(label, 0);
    list->AddEntry(wptext::kSameKindInPlot, 1);
    list->AddEntry(wptext::kAllInPlot, 2);
    ShowTextIfChanged(item, scope < 1    ? label
                            : scope == 1 ? CString(wptext::kSameKindInPlot)
                                         : CString(wptext::kAllInPlot));
}

}  // namespace wellplot
