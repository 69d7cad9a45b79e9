#include "NumberRules.h"

#include <cfloat>
#include <cmath>
#include <memory>

#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/PropFloat.h"

namespace numfuzz {

namespace {

bool Fail(std::string* fault, const std::string& what) {
    if (fault) *fault = what;
    return false;
}

// A finite number, and not below 0 when it is a width or size.
bool Sound(double value, bool nonNegative, std::string* fault) {
    if (!std::isfinite(value)) return Fail(fault, "not finite: " + std::string(FormatString("%g", value)));
    if (nonNegative && value < 0) return Fail(fault, "negative: " + std::string(FormatString("%g", value)));
    return true;
}

// A rule of the form bool(const CString&, T*): sound answer, and what it accepted reads back
// through the same rule from the text format gives.
template <class T, class Read>
bool ReadsBack(const std::string& text, Read read, const char* format, bool nonNegative, std::string* fault) {
    T value{};
    if (!read(CString(text), &value)) return true;
    if (!Sound(static_cast<double>(value), nonNegative, fault)) return false;
    const CString shown = FormatString(format, value);
    T again{};
    if (!read(shown, &again)) return Fail(fault, "refuses its own value shown as \"" + shown.str() + "\"");
    if (again != value) return Fail(fault, "reads \"" + shown.str() + "\" back as another value");
    return true;
}

bool Leading(const std::string& t, std::string* f) {
    return ReadsBack<double>(t, numtext::LeadingNumber, "%.17g", false, f);
}
bool LeadingInteger(const std::string& t, std::string* f) {
    return ReadsBack<long long>(t, numtext::LeadingInteger, "%lld", false, f);
}
bool LeadingInt(const std::string& t, std::string* f) { return ReadsBack<int>(t, numtext::LeadingInt, "%d", false, f); }
bool Whole(const std::string& t, std::string* f) {
    return ReadsBack<double>(t, numtext::WholeNumber, "%.17g", false, f);
}
bool WholeUnsigned(const std::string& t, std::string* f) {
    return ReadsBack<unsigned>(t, numtext::WholeUnsigned, "%u", true, f);
}
bool NumberItem(const std::string& t, std::string* f) {
    return ReadsBack<double>(t, numtext::PositiveOrZeroNumber, "%.17g", true, f);
}
// The float item's filter. What it accepts, shown as the item shows it ("%.2f"), is accepted again;
// a small negative value shown as "-0.00" is the rule's own exception ("-0" is no number for it).
bool FloatItemFilter(const std::string& t, std::string* f) {
    for (bool allowNegative : {true, false}) {
        double value = 0;
        if (!numtext::FloatItemNumber(CString(t), allowNegative, &value)) continue;
        if (!Sound(value, !allowNegative, f)) return false;
        const CString shown = FormatString("%.2f", value);
        if (shown.Find('-') == 0 && std::fabs(value) < 0.005) continue;
        double again = 0;
        if (!numtext::FloatItemNumber(shown, allowNegative, &again))
            return Fail(f, "refuses its own value shown as \"" + shown.str() + "\"");
    }
    return true;
}
bool LexicalFloat(const std::string& t, std::string* f) {
    return ReadsBack<float>(t, numtext::LexicalFloat, "%.9g", false, f);
}
bool LexicalDouble(const std::string& t, std::string* f) {
    return ReadsBack<double>(t, numtext::LexicalDouble, "%.17g", false, f);
}
bool DegMinSec(const std::string& t, std::string* f) {
    double degrees = 0;
    if (!numtext::DegMinSec(CString(t), &degrees)) return true;
    if (!Sound(degrees, true, f)) return false;
    double again = 0;
    const CString shown = FormatString("%.0f:0:0", std::floor(degrees));
    if (!numtext::DegMinSec(shown, &again)) return Fail(f, "refuses \"" + shown.str() + "\"");
    return true;
}

bool Variants(const std::string& t, std::string* f) {
    for (VARTYPE type : {VT_R8, VT_R4, VT_I4, VT_I2, VT_UI1, VT_UI4}) {
        _variant_t value;
        if (!numtext::TextToVariant(CString(t), type, &value)) continue;
        _variant_t number(value);
        number.ChangeType(VT_R8);
        if (value.vt != type) return Fail(f, "changes the type");
        if (!Sound(number.dblVal, false, f)) return false;
        const CString shown = VariantToText(value);
        _variant_t again;
        if (!numtext::TextToVariant(shown, type, &again) || !(again == value))
            return Fail(f, "does not read back its own text \"" + shown.str() + "\"");
    }
    return true;
}

bool Store(const std::string& t, std::string* f) {
    double typed = 0;
    if (!numtext::LeadingNumber(CString(t), &typed)) return true;
    float field = 0;
    if (numtext::FitFloat(typed, numtext::kHundredths, &field)) {
        if (!Sound(field, false, f)) return false;
        float again = 0;
        if (!numtext::FitFloat(field / numtext::kHundredths, numtext::kHundredths, &again))
            return Fail(f, "refuses its own float back");
    }
    if (numtext::FitFloat(typed, numtext::kRadiansPerDegree, &field) && !Sound(field, false, f)) return false;
    if (numtext::FitFloatThenScale(typed, 100.0f, &field) && !Sound(field, false, f)) return false;
    return true;
}

// The float item as the grid uses it: it never holds a NaN or an infinity, and the text it shows
// for an accepted value is accepted again. Two shown texts are the item's own rule and pass: a
// negative zero ("-0.00": "-0" is no number for it) and FLT_MAX, which its filter answers for
// "not a number".
bool FloatItem(const std::string& t, std::string* f) {
    const _variant_t starts[] = {_variant_t(1.5), _variant_t(1.5f), _variant_t(static_cast<short>(1)),
                                 _variant_t(static_cast<BYTE>(1)), _variant_t(1)};
    for (BOOL negative : {TRUE, FALSE}) {
        for (const _variant_t& start : starts) {
            CBCGPropFloat item("w", start, 2, "", negative);
            item.TextToVar(CString(t));
            if (item.IsTextRefused()) {
                if (!(item.GetValue() == start)) return Fail(f, "a refused text changed the value");
                continue;
            }
            _variant_t number(item.GetValue());
            number.ChangeType(VT_R8);
            if (!Sound(number.dblVal, !negative, f)) return false;
            const CString shown = item.FormatProperty();
            if (shown.Find('-') == 0 && std::fabs(number.dblVal) < 0.005) continue;
            if (std::fabs(number.dblVal) == FLT_MAX) continue;
            item.TextToVar(shown);
            if (item.IsTextRefused()) return Fail(f, "refuses the text it shows: \"" + shown.str() + "\"");
        }
    }
    return true;
}

// The width and size readers of the item groups, fed the typed text and the number it leads with
// held by the item (a program may put any number there).
struct Groups {
    std::unique_ptr<CBCGPProp> line{CreateLineFloatProp("线", 40)};
    std::unique_ptr<CBCGPProp> point{CreatePointFloatProp("点", 80)};
    std::unique_ptr<CBCGPProp> fill{CreateFillProp("填充", 7000)};
    std::unique_ptr<CBCGPProp> font{CreateFontPropFloatSize("字体", 5100)};
    std::unique_ptr<CBCGPProp> wholeLine{CreateLineProp("线", 300, false)};
    std::unique_ptr<CBCGPProp> wholePoint{CreatePointProp("点", 80)};
    std::unique_ptr<CBCGPProp> wholeFont{CreateFontPropFloatSize("字体", 5100)};
};

// The width or size field of the record behind the group's width or size sub-item, after reading
// that sub-item into a record whose field starts as start.
float ReadSubItem(Groups& g, CBCGPProp* group, float start) {
    QXLOGPEN pen;
    QXLOGPOINT point;
    QXLOGBRUSH brush;
    QXLOGFONT font;
    pen.width = point.size = brush.size = font.size = start;
    if (group == g.line.get()) GetLineSubProp(group->GetSubItem(1), pen, 1);
    if (group == g.point.get()) GetPointSubProp(group->GetSubItem(1), point, 1);
    if (group == g.fill.get()) GetFillSubProp(group->GetSubItem(4), nullptr, 4, brush);
    if (group == g.font.get()) GetFontSubProp(group->GetSubItem(1), font, 1);
    return group == g.line.get()    ? pen.width
           : group == g.point.get() ? point.size
           : group == g.fill.get()  ? brush.size
                                    : font.size;
}

// The sub-item readers: the field stays a sound width, and a width they took shown again is taken.
bool SubItemWidths(Groups& g, const _variant_t& held, std::string* f) {
    for (CBCGPProp* group : {g.line.get(), g.point.get(), g.fill.get(), g.font.get()}) {
        CBCGPProp* item = group->GetSubItem(group == g.fill.get() ? 4 : 1);
        item->SetValue(held);
        const float start = 123;
        const float got = ReadSubItem(g, group, start);
        if (!Sound(got, true, f)) return false;
        if (got == start) continue;
        item->SetValue(_variant_t(static_cast<double>(got) / 100));
        if (ReadSubItem(g, group, -1.0f) == -1.0f) return Fail(f, "refuses the width it took, shown again");
    }
    return true;
}

bool SubItemReaders(const std::string& t, std::string* f) {
    Groups groups;
    double held = 0;
    if (!SubItemWidths(groups, _variant_t(CString(t)), f)) return false;
    return !numtext::LeadingNumber(CString(t), &held) || SubItemWidths(groups, _variant_t(held), f);
}

// The whole-group readers and the number-item reader: what they take is sound and is taken again
// when shown as the lists show it ("%.2f").
bool GroupReaders(const std::string& t, std::string* f) {
    Groups g;
    auto check = [&](CBCGPProp* item, auto read) {
        item->SetValue(_variant_t(CString(t)));
        float got = 0;
        if (!read(&got)) return true;
        if (!Sound(got, true, f)) return false;
        const CString shown = FormatString("%.2f", got / 100.0);
        item->SetValue(_variant_t(shown));
        if (!read(&got)) return Fail(f, "refuses the width it took, shown as \"" + shown.str() + "\"");
        return true;
    };
    return check(g.wholeLine->GetSubItem(1),
                 [&](float* got) {
                     QXLOGPEN pen;
                     const bool ok = GetLineProp(g.wholeLine.get(), pen);
                     *got = pen.width;
                     return ok;
                 }) &&
           check(g.wholePoint->GetSubItem(1),
                 [&](float* got) {
                     QXLOGPOINT point;
                     const bool ok = GetPointProp(g.wholePoint.get(), point);
                     *got = point.size;
                     return ok;
                 }) &&
           check(g.wholeFont->GetSubItem(1), [&](float* got) {
               QXLOGFONT font;
               const bool ok = GetFontProp(g.wholeFont.get(), font);
               *got = font.size;
               return ok;
           });
}

const Rule kRules[] = {
    {"leading", Leading},
    {"leading_integer", LeadingInteger},
    {"leading_int", LeadingInt},
    {"whole", Whole},
    {"whole_unsigned", WholeUnsigned},
    {"number_item", NumberItem},
    {"float_filter", FloatItemFilter},
    {"lexical_float", LexicalFloat},
    {"lexical_double", LexicalDouble},
    {"deg_min_sec", DegMinSec},
    {"variants", Variants},
    {"store", Store},
    {"float_item", FloatItem},
    {"sub_item_readers", SubItemReaders},
    {"group_readers", GroupReaders},
};

}  // namespace

const Rule* Rules(std::size_t* count) {
    *count = sizeof(kRules) / sizeof(kRules[0]);
    return kRules;
}

const Rule* FindRule(const std::string& name) {
    for (const Rule& rule : kRules)
        if (name == rule.name) return &rule;
    return nullptr;
}

}  // namespace numfuzz
