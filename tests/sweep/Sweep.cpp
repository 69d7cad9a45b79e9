#include "sweep/Sweep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <iostream>
#include <map>
#include <string_view>
#include <unordered_map>
#include <variant>

#include "bcg/ColorProp.h"
#include "bcg/DateTimeProp.h"
#include "bcg/GridCtrl.h"
#include "bcg/PropList.h"
#include "driver/CellGridDriver.h"
#include "driver/GridDriver.h"
#include "driver/Responder.h"
#include "driver/SheetDriver.h"
#include "framework/FixedList.h"
#include "framework/PropFloat.h"
#include "framework/PropSizeText.h"
#include "framework/PropStyleCombox.h"
#include "framework/PropWndMgr.h"
#include "hostlibs/Halyard/Testing.h"
#include "hostlibs/Lodestar/Testing.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hostlibs/Pennant/Testing.h"
#include "hostlibs/Spindle/Testing.h"
#include "hostlibs/Thistle/ThistleTesting.h"
#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Oriel/OrielTesting.h"
#include "hosttypes/Parsnip/QXPropertyManager.h"
#include "hosttypes/Spindle/GridCtrl.h"
#include "mfc/Controls.h"
#include "support/ReportFromCode.h"
#include "win32/Crt.h"

namespace sweep {

namespace {

// The shortest text that reads back as the value.
std::string Number(double value) {
    char text[32];
    const std::to_chars_result written = std::to_chars(text, text + sizeof text, value);
    return std::string(text, written.ptr);
}

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

bool NamesAny(const std::string& name, std::initializer_list<const char*> words) {
    // A template's name is a name, not a size.
    if (name.find("模板") != std::string::npos) return false;
    for (const char* word : words)
        if (name.find(word) != std::string::npos) return true;
    return false;
}

// Item names that hold a scale or a factor that multiplies or divides positions and sizes, or a
// range's bound (an axis maximum or minimum, whose difference divides).
bool NamesAScale(const std::string& name) { return NamesAny(name, {"比例", "最大值", "最小值", "缩放"}); }

// Item names that hold a width, a size or a height: numbers shown in the list's format.
bool NamesASize(const std::string& name) { return NamesAny(name, {"宽度", "线宽", "高度", "大小", "尺寸", "粗细"}); }

// Item names that hold a width or a size, which is never negative (a height keeps its sign).
bool NamesAWidth(const std::string& name) { return NamesAny(name, {"宽度", "线宽", "大小", "尺寸", "粗细"}); }

bool ValidUtf8(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const std::size_t length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

// A typed or shown text as a failure message names it.
std::string Printable(const std::string& text) {
    if (text.size() > 40) {
        std::size_t cut = 12;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
        return "<" + std::to_string(text.size()) + "-byte text " + Printable(text.substr(0, cut)) + "...>";
    }
    // Bytes that are no character are written as their values.
    const bool valid = ValidUtf8(text);
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c >= 0xF5 || (!valid && c >= 0x80)) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string PathOf(CBCGPProp* item) {
    std::string path;
    for (CBCGPProp* p = item; p; p = p->GetParent()) path = p->GetName().str() + (path.empty() ? "" : "/") + path;
    return path;
}

// The paths of a grid's items met parents first (as a grid driver lists them), each made from its
// parent's: what PathOf gives, without walking up from every item of every snapshot.
class Paths {
public:
    Paths() { chain_.reserve(8); }
    const std::string& Of(CBCGPProp* item) {
        CBCGPProp* parent = item->GetParent();
        while (!chain_.empty() && chain_.back().item != parent) chain_.pop_back();
        const std::string& name = item->GetName().str();
        Link link{item, name, name};
        if (parent && chain_.empty()) {
            // Not met before its child: walked up as PathOf does.
            link.path = PathOf(item);
            link.full = name;
            for (CBCGPProp* p = parent; p; p = p->GetParent()) link.full = p->GetName().str() + "/" + link.full;
        } else if (parent) {
            // Every separator is kept in the full path; PathOf leaves out those that would end it
            // (an item without a name has its parent's path).
            link.full = chain_.back().full + "/" + name;
            link.path = name.empty() ? chain_.back().path : link.full;
        }
        chain_.push_back(std::move(link));
        return chain_.back().path;
    }

private:
    struct Link {
        CBCGPProp* item;
        std::string full;
        std::string path;
    };
    std::vector<Link> chain_;
};

void CollectGrids(CWnd& wnd, std::vector<CBCGPPropList*>& out) {
    if (wnd.IsKindOf(RUNTIME_CLASS(CBCGPPropList))) {
        out.push_back(static_cast<CBCGPPropList*>(&wnd));
        return;
    }
    for (CWnd* child : wnd.GetChildren()) CollectGrids(*child, out);
}

// The page's grid at index as the page is now (an edit may rebuild it); NULL when there is none.
CBCGPPropList* GridAt(CWnd& page, int index) {
    const std::vector<CBCGPPropList*> grids = GridsOf(page);
    return index < static_cast<int>(grids.size()) ? grids[static_cast<std::size_t>(index)] : nullptr;
}

// Whether the page still has that grid and the grid that item, comparing addresses only: an edit
// may have deleted either.
bool Holds(CWnd& page, CBCGPPropList* grid, CBCGPProp* item) {
    const std::vector<CBCGPPropList*> grids = GridsOf(page);
    if (std::find(grids.begin(), grids.end(), grid) == grids.end()) return false;
    const std::vector<CBCGPProp*> items = platform::GridDriver(grid).AllItems();
    return std::find(items.begin(), items.end(), item) != items.end();
}

bool ShownInGrid(CBCGPProp* item) {
    for (CBCGPProp* p = item; p; p = p->GetParent())
        if (!p->IsVisible()) return false;
    return true;
}

// Whether the item takes typed text: enabled, shown, not a group header, and its editor is an edit
// box the user can type into (a pure pick list's is read-only). Probed by opening the editor and
// leaving it with nothing taken.
bool TakesText(CBCGPPropList* grid, CBCGPProp* item) {
    if (!item->IsEnabled() || !item->IsAllowEdit() || (item->IsGroup() && !item->IsValueList()) || !ShownInGrid(item))
        return false;
    if (!grid->EditItem(item)) return false;
    if (!grid->ContainsProperty(item)) return false;
    CEdit* edit = DYNAMIC_DOWNCAST(CEdit, item->GetInPlaceWnd());
    const bool typeable = edit && !edit->IsReadOnly() && edit->IsWindowVisible();
    grid->EndEditItem(FALSE);
    return typeable;
}

std::size_t Occurrences(const std::string& text, const std::string& word) {
    std::size_t count = 0;
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + word.size())) ++count;
    return count;
}

// After an edit: its message boxes cleared away, and the answer queued for a question that was not
// asked dropped (the executable path stays).
void ClearAnswers() {
    platform::Responder& responder = platform::Responder::Instance();
    responder.ClearMessageBoxes();
    if (responder.PendingAnswers() == 0) return;
    const std::string path = responder.ExecutablePath();
    responder.Reset();
    responder.SetExecutablePath(path);
}

bool IsCorpusText(const std::string& text) {
    static const std::set<std::string> texts(Corpus().begin(), Corpus().end());
    return texts.count(text) != 0;
}

// Whether what an item shows is a valid value to give it again: shown by a refresh (not a text
// typed earlier), neither a stored width the world made negative nor zero, which a rule of its
// own may refuse (no zero spacing).
bool ValidAgain(CBCGPProp* item, const std::string& shownText) {
    double number = 0;
    return !shownText.empty() && !IsCorpusText(shownText) &&
           !(LeadingNumber(shownText, &number) && (number == 0 || (number < 0 && NamesAWidth(item->GetName().str()))));
}

// The host libraries' call logs. The map-object library's log also holds the well-plot kit and
// plane-map libraries' calls. The logs record operations that write, redraw or rebuild, with a few
// look-ups besides, which a refused text may make: those are the getters below.
const std::set<std::string>& HostGetters() {
    static const std::set<std::string> getters = {"WDMgrIO::GetShoot",
                                                  "WDMgrIO::GetStratum2",
                                                  "WDMgrIO::GetSymbleData",
                                                  "WDMgrIO::GetSymbleMgr",
                                                  "CWpCurve::FindCurve",
                                                  "CChartDataFactory::GetAdapterInstance",
                                                  "CChartGraphUtility::IsDataSetValidateForPlot"};
    return getters;
}

void ClearHostCalls() {
    parsnip::testing::ClearCallLog();
    thistle::testing::ClearCallLog();
    oriel::testing::ClearCallLog();
    halyard::testing::ClearCallLog();
    pennant::testing::ClearCallLog();
    lodestar::testing::ClearCallLog();
    spindle::testing::ClearCallLog();
}

// Before an edit: no message box recorded, a question declined (the one answer queued; an OK-only
// box needs none), and no host call logged.
void ReadyForEdit() {
    platform::Responder& responder = platform::Responder::Instance();
    responder.ClearMessageBoxes();
    responder.QueueAnswer(IDNO);
    ClearHostCalls();
}

// Message boxes' texts as a failure names them: " [text]" each.
std::string Listed(const std::vector<std::string>& boxes) {
    std::string listed;
    for (const std::string& box : boxes) listed += " [" + box + "]";
    return listed;
}

// The calls since ClearHostCalls() other than getters, in each library's order.
std::vector<std::string> HostCalls() {
    std::vector<std::string> calls;
    const auto add = [&calls](const std::string& call) {
        const std::string operation = call.substr(0, call.find('('));
        if (!HostGetters().count(operation)) calls.push_back(call);
    };
    for (const parsnip::testing::Call& call : parsnip::testing::CallLog())
        add(call.operation + (call.arguments.empty() ? "" : "(" + call.arguments + ")"));
    for (const auto* log : {&thistle::testing::CallLog(), &oriel::testing::CallLog(), &halyard::testing::CallLog(),
                            &pennant::testing::CallLog(), &lodestar::testing::CallLog(), &spindle::testing::CallLog()})
        for (const std::string& call : *log) add(call);
    return calls;
}

}  // namespace

// ---- state ---------------------------------------------------------------------------------------

// The dump is written straight into one text, without a string per field: it is read after every
// edit of the sweep.
void State::Reserve(std::size_t length) { text_.reserve(length); }

std::string State::TakeText() { return std::move(text_); }

void State::Write(const char* data, std::size_t length) { text_.append(data, length); }

void State::Write(char c) { text_ += c; }

void State::Begin(const std::string& key, const char* suffix, const char* field) {
    Write(key);
    Write(suffix);
    Write(field);
    Write('=');
}

void State::Append(double value) {
    char number[32];
    Write(number, static_cast<std::size_t>(std::to_chars(number, number + sizeof number, value).ptr - number));
}

void State::Append(std::initializer_list<long long> values) {
    // The fields of a record on one line, written at once.
    char line[128];
    char* at = line;
    bool first = true;
    for (long long value : values) {
        if (line + sizeof line - at < 24) {
            Write(line, static_cast<std::size_t>(at - line));
            at = line;
        }
        if (!first) *at++ = '/';
        first = false;
        at = std::to_chars(at, line + sizeof line, value).ptr;
    }
    Write(line, static_cast<std::size_t>(at - line));
}

void State::Number(const std::string& key, const char* suffix, const char* field, double value, bool size) {
    if (!std::isfinite(value)) {
        char number[32];
        nonFinite_.push_back(key + suffix + field + "=" +
                             std::string(number, std::to_chars(number, number + sizeof number, value).ptr));
    }
    if ((value == 0 && std::signbit(value)) || (size && value < 0)) {
        // Noted after every dump of a world seeded with negative sizes: one string each.
        std::string name;
        name.reserve(key.size() + 48);
        name += key;
        name += suffix;
        name += field;
        if (value == 0 && std::signbit(value)) negativeZeros_.push_back(name);
        if (size && value < 0) {
            char number[32];
            name += '=';
            name.append(number, std::to_chars(number, number + sizeof number, value).ptr);
            negatives_.push_back(std::move(name));
        }
    }
    Begin(key, suffix, field);
    Append(value);
    Write('\n');
}

State& State::Put(const std::string& key, const char* suffix, const std::string& value) {
    Begin(key, suffix, "");
    Write(value);
    Write('\n');
    return *this;
}

State& State::Put(const std::string& key, const char* suffix, double value) {
    Number(key, suffix, "", value, false);
    return *this;
}

State& State::Size(const std::string& key, const char* suffix, double value) {
    Number(key, suffix, "", value, true);
    return *this;
}

void State::Style(const std::string& key, const char* suffix, const char* field, const char* face,
                  std::initializer_list<long long> values, const char* sizeField, double size) {
    Begin(key, suffix, field);
    if (face) {
        Write(face);
        Write('/');
    }
    Append(values);
    Write('\n');
    Number(key, suffix, sizeField, size, true);
}

State& State::Pen(const std::string& key, const char* suffix, const QXLOGPEN& pen) {
    Style(key, suffix, ".pen", nullptr, {pen.style, pen.color, pen.reserved1, pen.reserved4}, ".pen.width", pen.width);
    return *this;
}

State& State::Font(const std::string& key, const char* suffix, const QXLOGFONT& font) {
    Style(key, suffix, ".font", font.faceName, {font.color, font.transparent, font.backColor, font.reserved4},
          ".font.size", font.size);
    return *this;
}

State& State::Brush(const std::string& key, const char* suffix, const QXLOGBRUSH& brush) {
    Style(key, suffix, ".brush", nullptr, {brush.style, brush.fillColor, brush.lineColor, brush.backMode},
          ".brush.size", brush.size);
    return *this;
}

State& State::Point(const std::string& key, const char* suffix, const QXLOGPOINT& point) {
    Style(key, suffix, ".point", nullptr, {point.style, point.innerColor, point.borderColor, point.reserved4},
          ".point.size", point.size);
    return *this;
}

State& State::Attributes(const std::string& key, const CQXPropertyManager& store) {
    // Every entry, whatever its key, so that an entry a refused text wrote or changed shows.
    const auto& entries = parsnip::testing::PropertyEntries(store);
    Put(key, ".attributes", std::to_string(entries.size()));
    // One key text for every entry, rewritten past the key's own part.
    std::string at = key + ".attribute[";
    const std::size_t head = at.size();
    for (const auto& [name, value] : entries) {
        at.resize(head);
        at += name;
        at += ']';
        if (const int* flag = std::get_if<int>(&value)) Put(at, std::to_string(*flag));
        if (const CString* text = std::get_if<CString>(&value)) Put(at, text->str());
        if (const QXLOGPEN* pen = std::get_if<QXLOGPEN>(&value)) Pen(at, *pen);
        if (const QXLOGBRUSH* brush = std::get_if<QXLOGBRUSH>(&value)) Brush(at, *brush);
    }
    return *this;
}

const std::vector<std::string>& Corpus() {
    static const std::vector<std::string> texts = [] {
        std::string long300;
        for (int i = 0; i < 150; ++i) long300 += "井9";  // 300 characters, 600 bytes
        // Texts no number field takes come first, while the objects are as the sample made them,
        // so that a refused text that writes all the same changes something the dump sees.
        return std::vector<std::string>{
            "1e400", "-1e400", "1e39", "9e296", "1e308", "-1e308", "1.7976931348623157e308", "nan", "inf", "-",
            "\xFF\xFE", "abc", "5e36", "1e38",
            // A tiny negative, taken where negatives are: no refresh may show it as "-0.00". The
            // texts after it overwrite it, so no later item is judged against a value shown rounded.
            "-0.001", "0abc", "-0", "", "-1", "70000", "2147483648", "3x", long300,
            // A number so small that a kit may leave it (a footage below what it keeps).
            "1e-310"};
    }();
    return texts;
}

const std::vector<double>& KeptDigits() {
    static const std::vector<double> values = {99.96, 1234.5, 12.345, 0.1234567, 249.96, 0.25, 45.125};
    return values;
}

bool LeadingNumber(const std::string& text, double* value) {
    std::size_t consumed = 0;
    const double number = crt::Atof(text.c_str(), &consumed);
    if (consumed == 0) return false;
    *value = number;
    return true;
}

// Whether number, written with as many decimals as the shown text has, reads as the shown number
// ("-0.001" reads as "0.00": taken, it would show just so).
bool SameAtShownPlaces(double number, const std::string& shown) {
    double shownNumber = 0;
    if (!LeadingNumber(shown, &shownNumber)) return false;
    if (number == shownNumber) return true;
    const std::size_t point = shown.find('.');
    std::size_t places = 0;
    if (point != std::string::npos)
        while (point + 1 + places < shown.size() && IsDigit(shown[point + 1 + places])) ++places;
    if (shown.find_first_of("eE") != std::string::npos || !std::isfinite(number) || std::fabs(number) > 1e15)
        return false;
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", static_cast<int>(places), number);
    double rounded = 0;
    return LeadingNumber(text, &rounded) && rounded == shownNumber;
}

bool ShowsNonFinite(const std::string& text) {
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    for (const char* word : {"inf", "nan", "#ind"}) {
        for (std::size_t at = lower.find(word); at != std::string::npos; at = lower.find(word, at + 1)) {
            std::size_t end = at + std::char_traits<char>::length(word);
            if (lower.compare(end, 5, "inity") == 0) end += 5;
            const bool before = at == 0 || !IsAsciiLetter(lower[at - 1]);
            const bool after = end >= lower.size() || !IsAsciiLetter(lower[end]);
            if (before && after) return true;
        }
    }
    return false;
}

bool ShowsNegativeZero(const std::string& text) {
    std::size_t at = 0;
    while (at < text.size() && IsBlank(text[at])) ++at;
    double value = 1;
    return at < text.size() && text[at] == '-' && LeadingNumber(text.substr(at), &value) && value == 0;
}

std::vector<CBCGPPropList*> GridsOf(CWnd& wnd) {
    std::vector<CBCGPPropList*> grids;
    CollectGrids(wnd, grids);
    return grids;
}

namespace {

// Whether a shown text is the value another showed, maybe in another format ("0" and "0.00").
bool ShowsSameValue(const std::string& now, const std::string& before) {
    double a = 0, b = 0;
    if (now == before) return true;
    return LeadingNumber(now, &a) && LeadingNumber(before, &b) &&
           (a == b || SameAtShownPlaces(a, before) || SameAtShownPlaces(b, now));
}

// Whether a logged call's arguments hold the number ("Class::Op(1e+39,0)"), maybe written with
// fewer digits ("1.79769e+308").
bool CarriesNumber(const std::string& call, double number) {
    std::size_t at = call.find('(');
    while (at != std::string::npos && at + 1 < call.size()) {
        double value = 0;
        if (LeadingNumber(call.substr(at + 1), &value) && std::fabs(value - number) <= 1e-5 * std::fabs(number))
            return true;
        at = call.find_first_of("(,", at + 1);
    }
    return false;
}

// Whether two texts are plain numbers of one value ("0.0" and "0.00"): picking one where the other
// shows picks the value shown.
bool SamePlainNumber(const std::string& a, const std::string& b) {
    char* endA = nullptr;
    char* endB = nullptr;
    const double x = std::strtod(a.c_str(), &endA);
    const double y = std::strtod(b.c_str(), &endB);
    return !a.empty() && !b.empty() && *endA == '\0' && *endB == '\0' && x == y;
}

// A text none of a pick list's options holds, reported from code.
constexpr const char* kNoOption = "无此选项";
// A cut character (the first two bytes of "中"), which no item takes.
constexpr const char* kCutCharacter = "\xE4\xB8";

// The texts reported from code into an item, where a report reaches what typing does not: past a
// number item's own filter a negative, a number no float holds, a count beyond most limits and
// nothing; into a pick list nothing and a text no option holds, and a cut character where it
// holds a text; into a text item a cut character.
std::vector<std::string> ReportedTexts(CBCGPProp* item) {
    if (FixedListOf(item)) {
        // A fixed list: each of the options it offers, then a text none of them holds and nothing,
        // each judged by the list's own rule.
        std::vector<std::string> texts;
        // (An option that opens a dialog, "选择数据……", is none.)
        for (int i = 0; i < item->GetOptionCount(); ++i) {
            const std::string option = item->GetOption(i);
            if (std::find(texts.begin(), texts.end(), option) == texts.end() &&
                option.find("……") == std::string::npos && option.find("...") == std::string::npos)
                texts.push_back(option);
        }
        for (const char* other : {kNoOption, ""})
            if (std::find(texts.begin(), texts.end(), other) == texts.end()) texts.push_back(other);
        if (item->GetValue().vt == VT_BSTR) texts.push_back(kCutCharacter);
        return texts;
    }
    if (dynamic_cast<CBCGPropFloat*>(item) || dynamic_cast<CBCGPropSizeText*>(item)) return {"-1", "1e39", "7", ""};
    if (item->GetOptionCount() > 0) {
        if (item->GetValue().vt == VT_BSTR) return {"", kNoOption, kCutCharacter};
        return {"", kNoOption};
    }
    if (item->GetValue().vt == VT_BSTR) return {kCutCharacter};
    return {};
}

// The options of a pick list other than the one it shows, in order, that are values (an option
// that opens a dialog, "选择数据……", is none). The absence type has none to pick: it only chooses
// which type's symbol the page shows.
std::vector<std::string> OtherOptions(CBCGPProp* item) {
    if (item->GetName().str() == "选择缺失类型") return {};
    const std::string shown = item->FormatProperty().str();
    std::vector<std::string> others;
    for (int i = 0; i < item->GetOptionCount(); ++i) {
        const std::string option = item->GetOption(i);
        if (shown != option && !SamePlainNumber(shown, option) && option.find("……") == std::string::npos &&
            option.find("...") == std::string::npos)
            others.push_back(option);
    }
    return others;
}

// Whether two numbers are one value, as a dump keeps it (a single-precision field holds 99.96 as
// 99.95999908447266).
bool Near(double a, double b) { return std::fabs(a - b) <= 1e-6 * std::max(1.0, std::fabs(b)); }

// The units a number item may show a stored value in: itself, or in tenths or hundredths of it.
constexpr double kShownUnits[] = {1.0, 10.0, 100.0};

// The same plain number in another text: "100.0" as "100", "45.13" as "45.130", "45" as "45.0";
// empty for a text that is no plain decimal number.
std::string OtherTextOf(const std::string& shown) {
    if (shown.empty() || shown.find_first_not_of("-0123456789.") != std::string::npos || !IsDigit(shown.back()) ||
        std::count(shown.begin(), shown.end(), '.') > 1)
        return "";
    if (shown.find('.') == std::string::npos) return shown + ".0";
    std::string other = shown;
    while (other.back() == '0') other.pop_back();
    if (other.back() == '.') other.pop_back();
    return other == shown ? shown + "0" : other;
}

// The values kept with more digits than shown whose rounding a number item shows: the item's
// value is one of them (in the unit shown), or, for an item that holds a text, the shown number is
// one rounded and not itself (in hundredths or tenths only a rounding that is no whole number: a
// count of 1 or 10 is no size of 99.96 hundredths).
std::vector<double> KeptShownRounded(const std::string& shown, const _variant_t& value) {
    double number = 0;
    const bool holdsNumber = value.vt == VT_R8 || value.vt == VT_R4;
    if ((!holdsNumber && value.vt != VT_BSTR) || OtherTextOf(shown).empty() || !LeadingNumber(shown, &number) ||
        number == 0)
        return {};
    const double held = value.vt == VT_R8 ? value.dblVal : value.vt == VT_R4 ? value.fltVal : 0;
    const std::size_t point = shown.find('.');
    const int places = point == std::string::npos ? 0 : static_cast<int>(shown.size() - point - 1);
    std::vector<double> kept;
    for (double k : KeptDigits())
        for (double unit : kShownUnits) {
            const double inUnit = k / unit;
            char text[64];
            std::snprintf(text, sizeof text, "%.*f", places, inUnit);
            if (text == shown && !Near(number, inUnit) &&
                (holdsNumber ? Near(held, inUnit) : unit == 1 || number != std::floor(number)))
                kept.push_back(k);
        }
    return kept;
}

// The first changed lines of two dumps, for a message.
std::string ChangesBetween(std::string_view before, std::string_view after);

// The texts typed into every cell of a cell grid: a number no double holds, a negative, a position
// beyond any percentage, nothing, a cut character.
const std::vector<std::string>& CellTexts() {
    static const std::vector<std::string> texts = {"1e999", "-1", "150", "", kCutCharacter};
    return texts;
}

// A cell grid: the grid control of the controls library or the control library's cell grid.
// Rows as the driver counts them; what a cell shows; whether the user may type into it.
struct CellGrid {
    CWnd* wnd = nullptr;
    CGridCtrl* spindle = nullptr;
    CBCGPGridCtrl* bcg = nullptr;

    int Rows() const { return spindle ? spindle->GetRowCount() : bcg->GetRowCount() + 1; }
    int Columns() const { return spindle ? spindle->GetColumnCount() : bcg->GetColumnCount(); }
    std::string Text(int row, int col) const {
        if (spindle) return spindle->GetItemText(row, col).str();
        CBCGPGridItem* item = row >= 1 ? bcg->GetItem(row - 1, col) : nullptr;
        return item ? item->GetLabel().str() : std::string();
    }
    bool TakesText(int row, int col) const {
        if (spindle) {
            const int type = spindle->GetColumnType(col);
            return spindle->IsEditable() && row >= spindle->GetFixedRowCount() &&
                   col >= spindle->GetFixedColumnCount() && spindle->GetCell(row, col) &&
                   spindle->IsCellChangable(row, col) &&
                   (type == GVCT_TEXT || type == GVCT_INTEGER || type == GVCT_LABEL);
        }
        CBCGPGridItem* item = row >= 1 ? bcg->GetItem(row - 1, col) : nullptr;
        return item && item->IsEnabled() && item->IsAllowEdit();
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (int r = 0; r < Rows(); ++r)
            for (int c = 0; c < Columns(); ++c) texts.push_back(Text(r, c));
        return texts;
    }
};

void CollectCellGrids(CWnd& wnd, std::vector<CellGrid>& out) {
    if (auto* spindle = dynamic_cast<CGridCtrl*>(&wnd)) {
        out.push_back({&wnd, spindle, nullptr});
        return;
    }
    if (auto* bcg = dynamic_cast<CBCGPGridCtrl*>(&wnd)) {
        out.push_back({&wnd, nullptr, bcg});
        return;
    }
    for (CWnd* child : wnd.GetChildren()) CollectCellGrids(*child, out);
}

std::vector<CellGrid> CellGridsOf(CWnd& page) {
    std::vector<CellGrid> grids;
    CollectCellGrids(page, grids);
    return grids;
}

// Whether now is stored rounded to a few decimals, in the unit shown or in hundredths or tenths
// of it (a width stored times 100), and not stored itself.
bool RoundingOf(double stored, double now) {
    const auto same = [](double a, double b) { return std::fabs(a - b) <= 1e-6 * std::max(1.0, std::fabs(b)); };
    if (same(now, stored)) return false;
    for (double unit : {1.0, 10.0, 100.0})
        for (int places = 0; places <= 6; ++places) {
            const double scale = std::pow(10.0, places);
            if (same(now, std::round(stored / unit * scale) / scale * unit)) return true;
        }
    return false;
}

// The lines of two dumps that differ, as (before, after), in order; the dumps of one world hold
// the same keys in the same order, so a line-by-line walk finds what an edit changed.
std::vector<std::pair<std::string_view, std::string_view>> ChangedLines(std::string_view before,
                                                                        std::string_view after) {
    std::vector<std::pair<std::string_view, std::string_view>> changed;
    // The common head and tail, cut at line ends, hold no change. They are most of two long
    // dumps: compared a block at a time, then byte by byte.
    constexpr std::size_t kBlock = 512;
    const char* const a = before.data();
    const char* const b = after.data();
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t head = 0;
    while (head + kBlock <= shorter && std::memcmp(a + head, b + head, kBlock) == 0) head += kBlock;
    while (head < shorter && a[head] == b[head]) ++head;
    while (head > 0 && a[head - 1] != '\n') --head;
    const char* const endA = a + before.size();
    const char* const endB = b + after.size();
    std::size_t tail = 0;
    while (tail + kBlock <= shorter - head && std::memcmp(endA - tail - kBlock, endB - tail - kBlock, kBlock) == 0)
        tail += kBlock;
    while (tail < shorter - head &&
           endA[-1 - static_cast<std::ptrdiff_t>(tail)] == endB[-1 - static_cast<std::ptrdiff_t>(tail)])
        ++tail;
    while (tail > 0 && endA[-static_cast<std::ptrdiff_t>(tail)] != '\n') --tail;
    before = before.substr(head, before.size() - head - tail);
    after = after.substr(head, after.size() - head - tail);
    while (!before.empty() && !after.empty()) {
        const std::size_t a = std::min(before.find('\n'), before.size());
        const std::size_t b = std::min(after.find('\n'), after.size());
        if (before.substr(0, a) != after.substr(0, b)) changed.push_back({before.substr(0, a), after.substr(0, b)});
        before.remove_prefix(std::min(a + 1, before.size()));
        after.remove_prefix(std::min(b + 1, after.size()));
    }
    return changed;
}

std::string ChangesBetween(std::string_view before, std::string_view after) {
    const auto changed = ChangedLines(before, after);
    if (changed.empty()) return "the objects in scope changed in number";
    std::string diff;
    for (std::size_t i = 0; i < changed.size() && i < 3; ++i)
        diff += (i ? "; " : "") + std::string(changed[i].first) + " -> " + std::string(changed[i].second);
    if (changed.size() > 3) diff += " (" + std::to_string(changed.size()) + " lines changed)";
    return diff;
}

// The keys of the lines two dumps hold otherwise, in order: what a reason names, without values.
std::string ChangedKeys(std::string_view before, std::string_view after) {
    const auto changed = ChangedLines(before, after);
    if (changed.empty()) return "the objects in scope changed in number";
    std::string keys;
    for (const auto& [was, now] : changed) keys += (keys.empty() ? "" : ", ") + std::string(was.substr(0, was.find('=')));
    return keys;
}

// Whether two dumps differ in stamps only.
bool SameButStamps(std::string_view a, std::string_view b) {
    if (std::count(a.begin(), a.end(), '\n') != std::count(b.begin(), b.end(), '\n')) return false;
    for (const auto& [was, now] : ChangedLines(a, b))
        if (was.substr(0, was.find('=')).find("stamp") == std::string_view::npos ||
            now.substr(0, now.find('=')).find("stamp") == std::string_view::npos)
            return false;
    return true;
}

// The key of a dump line and the number it holds alone; false when it holds something else.
bool LineNumber(std::string_view line, std::string* key, double* number) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos || eq + 1 == line.size()) return false;
    const std::string value(line.substr(eq + 1));
    char* end = nullptr;
    *number = std::strtod(value.c_str(), &end);
    *key = std::string(line.substr(0, eq));
    return end && *end == '\0';
}

}  // namespace

// ---- the sweep -------------------------------------------------------------------------------------

struct Sweeper::Item {
    std::string path;
    DWORD_PTR data;
    std::string Label() const { return "\"" + path + "\" (id " + std::to_string(data) + ")"; }
    CBCGPProp* Find(CBCGPPropList* grid) const {
        if (data != 0)
            if (CBCGPProp* item = grid->FindItemByData(data, TRUE))
                if (PathOf(item) == path) return item;
        for (CBCGPProp* item : platform::GridDriver(grid).AllItems())
            if (PathOf(item) == path) return item;
        return nullptr;
    }
};

// One pick: an option by its text, an entry of a style list, a colour, a date.
struct Sweeper::Choice {
    enum Kind { kOption, kStyle, kColour, kDate } kind;
    std::string option;
    COLORREF colour = 0;
    COleDateTime date;
    std::string Label() const {
        switch (kind) {
            case kStyle:
                return "style entry";
            case kColour:
                return "colour " + std::to_string(colour);
            case kDate:
                return "date " + std::string(date.Format("%Y-%m-%d").str());
            default:
                return option;
        }
    }
};

// What one item of a page shows.
struct Sweeper::Shown {
    std::string path;
    std::string name;
    std::string value;
    VARTYPE type;
};

Sweeper::Sweeper(std::string family, Dumper dump) : family_(std::move(family)), dump_(std::move(dump)) {
    frame_.CreateEx(0, nullptr, "host", WS_VISIBLE, CRect(0, 0, 400, 800), nullptr, 0);
    view_.Create(nullptr, "view", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &frame_, 100);
}

Sweeper::~Sweeper() { frame_.DestroyWindow(); }

void Sweeper::Dump() {
    State state;
    state.Reserve(dumpLength_ + dumpLength_ / 8);
    dump_(state);
    last_ = state.TakeText();
    dumpLength_ = last_.size();
    lastNegatives_ = state.TakeNegatives();
    lastZeros_ = state.TakeNegativeZeros();
    lastNonFinite_ = state.TakeNonFinite();
    lastValid_ = true;
}

std::string Sweeper::DumpBefore() {
    if (!lastValid_) Dump();
    lastValid_ = false;
    return std::move(last_);
}

void Sweeper::BeginEdit(CWnd& page, Edit* edit, Showing* shown) {
    edit->before = DumpBefore();
    edit->paneBefore = PaneOf(page, shown);
    ReadyForEdit();
}

void Sweeper::EndEdit(CWnd& page, Edit* edit) {
    edit->calls = HostCalls();
    edit->paneAfter = PaneOf(page);
    for (const platform::MessageBoxRecord& record : platform::Responder::Instance().MessageBoxes())
        edit->boxes.push_back(record.text);
    ClearAnswers();
    Dump();
    lastValid_ = false;
    edit->after = std::move(last_);
}

Sweeper::Showing Sweeper::ShownOn(CWnd& page) {
    Showing shown;
    for (CBCGPPropList* grid : GridsOf(page)) {
        Paths paths;
        const std::vector<CBCGPProp*> items = platform::GridDriver(grid).AllItems();
        shown.reserve(shown.size() + items.size());
        for (CBCGPProp* item : items) {
            const std::string& path = paths.Of(item);
            if (!item->IsGroup() || item->IsValueList())
                shown.push_back({path, item->GetName().str(), item->FormatProperty().str(), item->GetValue().vt});
        }
    }
    return shown;
}

void Sweeper::Report(const std::string& where, const Item& key, const std::string& what, const std::string& text,
                     const std::string& detail) {
    // One failure per page, item and kind of fault, naming the texts that caused it.
    const std::string head = family_ + " / " + where + ": item " + key.Label() + " " + what;
    if (!reported_.insert(head).second) return;
    const std::string line = head + "; " + verb_ + " " + Printable(text) + (detail.empty() ? "" : "; ") + detail;
    failures_.push_back(line);
    ADD_FAILURE() << line;
}

namespace {

// The object a page belongs to: "object / page" without its page.
std::string ObjectOf(const std::string& where) { return where.substr(0, where.rfind(" / ")); }

}  // namespace

bool Sweeper::PassedOver(const std::string& where, const Item& key) const {
    return passedOverPicks_.count(ObjectOf(where) + " / " + key.path) != 0;
}

bool Sweeper::RefusesByDesign(const std::string& where, const Item& key) const {
    const std::string object = ObjectOf(where);
    return refusingPicks_.count(object) != 0 || refusingPicks_.count(object + " / " + key.path) != 0;
}

void Sweeper::Sweep(const std::string& object, const std::function<CWnd*(CWnd*)>& open, LPARAM announced,
                    std::vector<Other> others) {
    lastValid_ = false;
    CWnd* wnd = open(&frame_);
    if (!wnd) {
        unopened_.push_back(object);
        return;
    }
    auto* sheet = dynamic_cast<CPropWndMgr*>(wnd);
    // A single list is made empty: the host gives it its place.
    if (!sheet) platform::ResizeWindow(*wnd, 360, 1200);
    others_ = std::move(others);
    // An object announced: the swept one, or another of its kind with a hook of its own.
    announceOther_ = [&](const Other& other) {
        if (other.before)
            other.before();
        else if (beforeAnnounce_)
            beforeAnnounce_();
        platform::SendSelectionChanged(*wnd, &view_, other.announced);
        if (afterAnnounce_) afterAnnounce_();
    };
    const Other swept{announced, nullptr};
    const auto announce = [&] { announceOther_(swept); };
    announce();
    const int pages = sheet ? sheet->GetPageCount() : 1;
    for (int p = 0; p < pages; ++p) {
        std::string caption = "(list)";
        if (sheet) {
            EXPECT_TRUE(platform::ChooseTab(*wnd, p)) << family_ << " / " << object << ": tab " << p;
            announce();
            const std::vector<std::string> captions = platform::TabCaptions(*wnd);
            caption =
                p < static_cast<int>(captions.size()) ? captions[static_cast<std::size_t>(p)] : "#" + std::to_string(p);
        }
        lastValid_ = false;
        CWnd* page = sheet ? sheet->GetPage(p) : wnd;
        if (!page) continue;
        const std::string where = object + " / " + caption;
        pages_.push_back(where);
        CheckOpened(where, *page);
        const std::size_t grids = GridsOf(*page).size();
        for (std::size_t g = 0; g < grids; ++g) SweepGrid(where, *page, static_cast<int>(g), announce);
        const std::size_t cellGrids = CellGridsOf(*page).size();
        for (std::size_t g = 0; g < cellGrids; ++g) SweepCells(where, *page, static_cast<int>(g), announce);
    }
    announceOther_ = nullptr;
    others_.clear();
    platform::DestroyAndDelete(wnd);
}

void Sweeper::CheckOpened(const std::string& where, CWnd& page) {
    numberItems_.clear();
    wordItems_.clear();
    for (const Shown& shown : ShownOn(page)) {
        // An item that opens showing a number (not a text typed into it in an earlier window) is
        // taken for a number item, whatever the type of its value, until it stores a word.
        double value = 0;
        if (LeadingNumber(shown.value, &value) && !IsCorpusText(shown.value)) numberItems_.insert(shown.path);
        if (!ShowsBackTypedName(shown) && ShowsNegativeZero(shown.value))
            Report(where, {shown.path, 0}, "shows a negative zero when the page opens", "",
                   "it shows " + Printable(shown.value));
    }
}

bool Sweeper::ShowsBackTypedName(const Shown& shown) const {
    return shown.type == VT_BSTR && IsCorpusText(shown.value) && !NamesASize(shown.name) &&
           (numberItems_.count(shown.path) == 0 || wordItems_.count(shown.path) != 0);
}

void Sweeper::SweepGrid(const std::string& where, CWnd& page, int gridIndex, const std::function<void()>& announce) {
    CBCGPPropList* grid = GridAt(page, gridIndex);
    if (!grid) return;
    std::vector<Item> typeable;
    std::vector<std::pair<Item, std::vector<std::string>>> reportable;
    for (CBCGPProp* item : platform::GridDriver(grid).AllItems()) {
        typeable.push_back({PathOf(item), item->GetData()});
        // Items holding a text or a number: colours, dates and style lists hold values of their own.
        if ((!item->IsGroup() || item->IsValueList()) && !dynamic_cast<CBCGPColorProp*>(item) &&
            !dynamic_cast<CBCGPDateTimeProp*>(item) && !dynamic_cast<CPropStyleCombox*>(item) &&
            (item->IsAllowEdit() || item->GetOptionCount() > 0) && !ReportedTexts(item).empty())
            reportable.push_back({{PathOf(item), item->GetData()}, ReportedTexts(item)});
    }
    // Entering an item and leaving it is no edit, while the world still holds its long digits.
    LeaveEach(where, page, gridIndex, announce);
    // One other option of every pick list, before the texts (while the sample's stored fields that
    // fail to read are still there) and after them (while items keep texts typed into them): a
    // pick the item shows as taken must reach the objects or the host (a group edit must not give
    // up on a field that was not edited).
    // A pick that disabled or hid items that take text is undone, so that they are typed into: the
    // last picks make it again.
    std::vector<std::pair<Item, std::string>> disabling;
    PickEach(where, page, gridIndex, announce, &disabling);
    for (const auto& [key, option] : disabling)
        PickOne(where, page, gridIndex, key, {Choice::kOption, option, 0, {}}, announce);
    // Probing opens editors, which may rebuild the grid: each item is found again by its key.
    typeable.erase(std::remove_if(typeable.begin(), typeable.end(),
                                  [&](const Item& key) {
                                      CBCGPPropList* now = GridAt(page, gridIndex);
                                      CBCGPProp* item = now ? key.Find(now) : nullptr;
                                      return !item || !TakesText(now, item);
                                  }),
                   typeable.end());
    for (const Item& key : typeable) {
        TypeNumberOverText(where, page, gridIndex, key, announce);
        TypeShownRounding(where, page, gridIndex, key, announce);
        TypeScaleExtremes(where, page, gridIndex, key, announce);
        for (const std::string& text : Corpus())
            if (!TypeOne(where, page, gridIndex, key, text, announce, false)) break;
    }
    // A text reported from code passes the rules a typed one does, into the items that take text
    // and into the pick lists alike. (SWEEP_SKIP_REPORTS_FROM_CODE set in the environment leaves
    // this pass out, to see the other faults while its own are many.)
    static const bool skipReports = std::getenv("SWEEP_SKIP_REPORTS_FROM_CODE") != nullptr;
    if (!skipReports)
        for (const auto& [key, texts] : reportable) {
            bool followed = false;
            for (const std::string& text : texts) {
                if (!TypeOne(where, page, gridIndex, key, text, announce, true)) break;
                if (lastRefused_ && !followed) {
                    followed = true;
                    FollowRefusedReport(where, page, gridIndex, key, announce);
                }
            }
        }
    if (!skipReports)
        for (const Item& key : typeable) CompareReports(where, page, gridIndex, key, announce);
    const std::vector<Item> keys = KeysOf(page, gridIndex);
    for (const Item& key : keys) {
        ChangeWhileOpen(where, page, gridIndex, key, announce);
        PickStyles(where, page, gridIndex, key, announce);
        ReportIntoPicker(where, page, gridIndex, key, announce);
    }
    PickEach(where, page, gridIndex, announce);
}

namespace {

// A value of the item's kind that shows otherwise than the one it holds; empty where there is none.
_variant_t OtherValueOf(CBCGPProp* item) {
    const _variant_t value = item->GetValue();
    const std::string shown = item->FormatProperty().str();
    double number = 0;
    switch (value.vt) {
        case VT_R8:
            return std::isfinite(value.dblVal) ? _variant_t(value.dblVal + 1.25) : _variant_t();
        case VT_R4:
            return std::isfinite(value.fltVal) ? _variant_t(value.fltVal + 1.25f) : _variant_t();
        case VT_I4:
            return _variant_t(static_cast<long>(value.lVal == 1 ? 2 : 1));
        case VT_BSTR:
            if (LeadingNumber(shown, &number) && std::isfinite(number)) return _variant_t(Number(number + 1.25).c_str());
            return _variant_t((shown + "甲").c_str());
        default:
            return _variant_t();
    }
}

// Commits the open editor of an item that takes typed text: with text, or with what it shows.
bool CommitEditor(CBCGPPropList* grid, CBCGPProp* item, const std::string* text) {
    if (grid->GetEditedItem() != item) return false;
    if (text)
        if (CEdit* edit = DYNAMIC_DOWNCAST(CEdit, item->GetInPlaceWnd())) edit->SetWindowText(text->c_str());
    if (!grid->EndEditItem(TRUE)) grid->EndEditItem(FALSE);
    return true;
}

}  // namespace

void Sweeper::EditAfterChange(const std::string& where, CWnd& page, int gridIndex, const Item& key,
                              const std::string& label, const std::string* text,
                              const std::function<bool(CBCGPProp*)>& change,
                              const std::function<bool(CBCGPPropList*, CBCGPProp*)>& commit, Expect expect,
                              const std::function<void()>& announce) {
    CBCGPPropList* grid = GridAt(page, gridIndex);
    CBCGPProp* item = grid ? key.Find(grid) : nullptr;
    if (!item || !item->IsEnabled() || !ShownInGrid(item) || !grid->EditItem(item)) return;
    verb_ = label;
    bool judged = false;
    try {
        judged = change(item) && Holds(page, grid, item) && grid->GetEditedItem() == item;
    } catch (const std::exception& e) {
        Report(where, key, "threw", label, e.what());
        return;
    }
    if (!judged) {
        if (Holds(page, grid, item) && grid->GetEditedItem() == item) grid->EndEditItem(FALSE);
        announce();
        lastValid_ = false;
        return;
    }
    lastValid_ = false;
    Edit edit;
    BeginEdit(page, &edit);
    // The text given, as the failure names it: the editor's or the one the combo shows.
    const std::string shownThen = item->FormatProperty().str();
    bool committed = false;
    try {
        committed = commit(grid, item);
    } catch (const std::exception& e) {
        Report(where, key, "threw", label, e.what());
        return;
    }
    const bool alive = Holds(page, grid, item);
    if (alive && grid->GetEditedItem() == item) grid->EndEditItem(FALSE);
    // The item or the page refused the text by a rule of its own: the item shows its text from
    // before, the value code set.
    const bool refusedByItem = alive && (ItemRefusedText(item) || item->IsValueRefused());
    EndEdit(page, &edit);
    const std::string shownNow = alive ? item->FormatProperty().str() : std::string();
    if (committed)
        CheckExpected(where, key, text ? *text : shownThen, expect,
                      {edit, shownNow, refusedByItem,
                       refusedByItem || (alive && !OnlyRowChanged(edit.paneBefore, edit.paneAfter, item))});
    announce();
    Dump();
}

void Sweeper::ChangeWhileOpen(const std::string& where, CWnd& page, int gridIndex, const Item& key,
                              const std::function<void()>& announce) {
    CBCGPPropList* grid = GridAt(page, gridIndex);
    CBCGPProp* item = grid ? key.Find(grid) : nullptr;
    if (!item || !item->IsEnabled() || !ShownInGrid(item) || (item->IsGroup() && !item->IsValueList()) ||
        dynamic_cast<CBCGPColorProp*>(item) || dynamic_cast<CPropStyleCombox*>(item))
        return;
    const std::string opened = item->FormatProperty().str();
    // What code writes into the item while its editor is open, and how the editor is left.
    std::function<bool(CBCGPProp*)> setValue;
    std::function<bool(CBCGPPropList*, CBCGPProp*)> leave, giveOpened;
    if (auto* date = dynamic_cast<CBCGPDateTimeProp*>(item)) {
        const COleDateTime held = date->GetDate();
        const COleDateTime other = held.GetYear() == 2021 ? COleDateTime(2020, 1, 1, 0, 0, 0)
                                                          : COleDateTime(2021, 6, 1, 0, 0, 0);
        setValue = [other](CBCGPProp* p) {
            static_cast<CBCGPDateTimeProp*>(p)->SetDate(other);
            return true;
        };
        leave = [](CBCGPPropList* g, CBCGPProp* p) {
            auto* d = static_cast<CBCGPDateTimeProp*>(p);
            return platform::GridDriver(g).PickDate(d, d->GetDate());
        };
        giveOpened = [held](CBCGPPropList* g, CBCGPProp* p) {
            return platform::GridDriver(g).PickDate(static_cast<CBCGPDateTimeProp*>(p), held);
        };
    } else if (TakesText(grid, item)) {
        const _variant_t other = OtherValueOf(item);
        if (other.vt == VT_EMPTY) return;
        setValue = [other](CBCGPProp* p) {
            p->SetValue(other);
            return true;
        };
        leave = [](CBCGPPropList* g, CBCGPProp* p) { return CommitEditor(g, p, nullptr); };
        giveOpened = [opened](CBCGPPropList* g, CBCGPProp* p) { return CommitEditor(g, p, &opened); };
    } else if (item->GetOptionCount() > 1 && item->GetValue().vt == VT_BSTR && item->FindOption(opened.c_str()) >= 0) {
        const std::vector<std::string> others = OtherOptions(item);
        if (others.empty()) return;
        const std::string other = others.front();
        setValue = [other](CBCGPProp* p) {
            p->SetValue(_variant_t(other.c_str()));
            return true;
        };
        leave = [](CBCGPPropList* g, CBCGPProp* p) {
            return platform::GridDriver(g).PickOption(p, p->FormatProperty().str());
        };
        giveOpened = [opened](CBCGPPropList* g, CBCGPProp* p) { return platform::GridDriver(g).PickOption(p, opened); };
    } else {
        return;
    }
    if (PassedOver(where, key)) return;
    EditAfterChange(where, page, gridIndex, key, "set by code while open, then left as it shows", nullptr, setValue,
                    leave, Expect::kNoEdit, announce);
    // The object holds the value the editor opened with: the edit may write nothing, but the item
    // must not keep the value code set.
    EditAfterChange(where, page, gridIndex, key, "set by code while open, then given what it opened with", &opened,
                    setValue, giveOpened, Expect::kEditShown, announce);
    // Another object announced while the editor is open: the item shows that object's value.
    for (const Other& other : others_) {
        const auto showOther = [this, &other, opened, &page, gridIndex](CBCGPProp* p) {
            announceOther_(other);
            // The item may be gone with the refresh: asked only while it is there.
            CBCGPPropList* now = GridAt(page, gridIndex);
            return now && Holds(page, now, p) && p->FormatProperty().str() != opened;
        };
        EditAfterChange(where, page, gridIndex, key, "another object announced while open, then left as it shows",
                        nullptr, showOther, leave, Expect::kNoEdit, announce);
        EditAfterChange(where, page, gridIndex, key, "another object announced while open, then given what it opened with",
                        &opened, showOther, giveOpened, Expect::kEdit, announce);
    }
}

CPropStyleCombox* Sweeper::StylePickerAt(CWnd& page, int gridIndex, const Item& key) {
    CBCGPPropList* grid = GridAt(page, gridIndex);
    auto* picker = grid ? dynamic_cast<CPropStyleCombox*>(key.Find(grid)) : nullptr;
    if (!picker || picker->GetKind() == CPropStyleCombox::kFontFace || !picker->IsEnabled() || !ShownInGrid(picker))
        return nullptr;
    return picker;
}

void Sweeper::PickStyles(const std::string& where, CWnd& page, int gridIndex, const Item& key,
                         const std::function<void()>& announce) {
    CPropStyleCombox* picker = StylePickerAt(page, gridIndex, key);
    if (!picker) return;
    if (PassedOver(where, key)) return;
    std::vector<const Other*> shown = {nullptr};
    for (const Other& other : others_) shown.push_back(&other);
    for (const Other* other : shown) {
        // Another object shown first: the picker draws its style, its value may be the last pick's.
        const auto show = [this, other](CBCGPProp*) {
            if (other) announceOther_(*other);
            return true;
        };
        const auto enterAndLeave = [](CBCGPPropList* g, CBCGPProp* p) { return CommitEditor(g, p, nullptr); };
        const std::string whose = other ? std::string(" with another object shown") : std::string();
        EditAfterChange(where, page, gridIndex, key, "entered and left" + whose, nullptr, show, enterAndLeave,
                        Expect::kNoEdit, announce);
        for (bool drawn : {true, false}) {
            const auto pickAt = [drawn](CBCGPPropList* g, CBCGPProp* p) {
                auto* c = static_cast<CPropStyleCombox*>(p);
                const std::string drawnText = std::to_string(c->GetVal());
                const std::string valueText = c->FormatProperty().str();
                const std::string text = drawn ? drawnText : valueText;
                if (!drawn && valueText == drawnText) return false;
                g->EndEditItem(FALSE);
                return platform::GridDriver(g).PickDropDownEntry(p, text);
            };
            EditAfterChange(where, page, gridIndex, key,
                            (drawn ? "picked at the style it draws" : "picked at its value's text, not the style it draws") +
                                whose,
                            nullptr, show, pickAt, drawn ? Expect::kNoEdit : Expect::kEdit, announce);
        }
    }
}

namespace {

// The fields (a line's value, or each '/'-separated part of it) that differ between two dumps, by
// line key and position, with their new value.
std::map<std::pair<std::string, std::size_t>, std::string> ChangedFields(std::string_view before,
                                                                         std::string_view after) {
    std::map<std::pair<std::string, std::size_t>, std::string> fields;
    for (const auto& [was, now] : ChangedLines(before, after)) {
        const std::size_t eq = now.find('=');
        if (eq == std::string_view::npos || eq != was.find('=') || was.substr(0, eq) != now.substr(0, eq)) continue;
        std::string_view oldFields = was.substr(eq + 1), newFields = now.substr(eq + 1);
        for (std::size_t i = 0; !newFields.empty() || !oldFields.empty(); ++i) {
            const std::size_t a = std::min(oldFields.find('/'), oldFields.size());
            const std::size_t b = std::min(newFields.find('/'), newFields.size());
            if (oldFields.substr(0, a) != newFields.substr(0, b))
                fields[{std::string(now.substr(0, eq)), i}] = std::string(newFields.substr(0, b));
            oldFields.remove_prefix(std::min(a + 1, oldFields.size()));
            newFields.remove_prefix(std::min(b + 1, newFields.size()));
        }
    }
    return fields;
}

}  // namespace

void Sweeper::ReportIntoPicker(const std::string& where, CWnd& page, int gridIndex, const Item& key,
                               const std::function<void()>& announce) {
    static const std::string kLongNumber(1582, '7');
    // What a report does to the objects: the fields it changed.
    const auto report = [&](const std::string& text) {
        CBCGPPropList* grid = GridAt(page, gridIndex);
        CBCGPProp* item = grid ? key.Find(grid) : nullptr;
        if (!item) return ChangedFields("", "");
        verb_ = "reported from code";
        const std::string before = DumpBefore();
        ReadyForEdit();
        tsltest::ReportFromCode(*grid, item, _variant_t(text.c_str()));
        ClearAnswers();
        Dump();
        auto changed = ChangedFields(before, last_);
        announce();
        Dump();
        return changed;
    };
    CPropStyleCombox* picker = StylePickerAt(page, gridIndex, key);
    if (!picker) return;
    const UINT style = picker->GetVal();
    const std::string drawn = std::to_string(style);
    // The text of the style drawn: what writing that style changes (stamps, flags).
    const auto written = report(drawn);
    for (const std::string& text : {std::to_string(style + 1), kLongNumber}) {
        // Any field the report changed holds the style drawn, or is one that writing the style
        // drawn changes too without taking the style (a stamp).
        for (const auto& [field, value] : report(text)) {
            if (value == drawn || field.first.find("stamp") != std::string::npos) continue;
            const auto same = written.find(field);
            if (same != written.end() && same->second != drawn) continue;
            const bool longNumber = text == kLongNumber;
            Report(where, key,
                   longNumber ? "wrote what the style picker does not draw after a number of 1,582 digits"
                              : "wrote what the style picker does not draw after another style's number",
                   longNumber ? "777...7" : text,
                   "it draws " + drawn + "; " + field.first + " field " + std::to_string(field.second) + " became " +
                       Printable(value));
        }
    }
}

void Sweeper::TypeNumberOverText(const std::string& where, CWnd& page, int gridIndex, const Item& key,
                                 const std::function<void()>& announce) {
    CBCGPPropList* grid = GridAt(page, gridIndex);
    auto* number = grid ? dynamic_cast<CBCGPropFloat*>(key.Find(grid)) : nullptr;
    if (!number || !number->IsEnabled() || !ShownInGrid(number)) return;
    const _variant_t held = number->GetValue();
    // Given its text by code, as a writer gives a "%.2f" text, then the grid's conversion of a typed
    // number, tried without the page (the page hears nothing, and the item gets back what it held).
    const _variant_t shown(number->FormatProperty());
    for (const char* text : {"14", "1"}) {
        number->SetValue(shown);
        number->TextToVar(text);
        const VARTYPE kept = number->GetValue().vt;
        const bool refused = ItemRefusedText(number);
        number->SetValue(held);
        if (refused) continue;
        if (kept != VT_BSTR)
            Report(where, key, "keeps a number typed over a text as a number", text,
                   "it was given " + Printable(VariantToText(shown).str()) + "; it keeps type " +
                       std::to_string(kept));
        break;
    }
    announce();
    lastValid_ = false;
}

bool Sweeper::ReportNumber(CWnd& page, int gridIndex, const Item& key, double value,
                           const std::function<void()>& announce) {
    CBCGPPropList* grid = GridAt(page, gridIndex);
    CBCGPProp* item = grid ? key.Find(grid) : nullptr;
    if (!item || !item->IsEnabled()) return false;
    ReadyForEdit();
    tsltest::ReportFromCode(*grid, item, _variant_t(value));
    ClearAnswers();
    announce();
    lastValid_ = false;
    return true;
}

void Sweeper::CompareReports(const std::string& where, CWnd& page, int gridIndex, const Item& key,
                             const std::function<void()>& announce) {
    CBCGPPropList* grid = GridAt(page, gridIndex);
    CBCGPProp* item = grid ? key.Find(grid) : nullptr;
    if (!item || !(dynamic_cast<CBCGPropFloat*>(item) || dynamic_cast<CBCGPropSizeText*>(item)) ||
        !TakesText(grid, item))
        return;
    // From the number the item shows, a zero too (a size shown "0.00"); from 1 where it shows none
    // to give back (no number, a text typed earlier, a stored width that does not read).
    double number = 0;
    const std::string shown = item->FormatProperty().str();
    if (!LeadingNumber(shown, &number) || !std::isfinite(number) ||
        !(ValidAgain(item, shown) || (number == 0 && !IsCorpusText(shown))))
        number = 1;
    std::string why = CompareReportsFrom(where, page, gridIndex, key, number, announce);
    // A number the page will not take back from code (no zero height) cannot bring the objects back
    // once a text stored another: the texts start from 1 instead.
    if (!why.empty() && number != 1) {
        const std::string fromOne = CompareReportsFrom(where, page, gridIndex, key, 1, announce);
        why = fromOne.empty() ? std::string() : why + "; from 1: " + fromOne;
    }
    if (why.empty()) return;
    const std::string line = where + ": " + key.Label() + ": " + why;
    std::cout << "[sweep] " << family_ << " / not compared: " << line << "\n";
    notCompared_.push_back(line);
}

std::string Sweeper::CompareReportsFrom(const std::string& where, CWnd& page, int gridIndex, const Item& key,
                                        double number, const std::function<void()>& announce) {
    const auto answer = [this] {
        std::string text = lastRefused_ ? "refused" : "taken";
        for (const auto& [field, value] : lastStored_) text += ", " + field + "=" + Number(value);
        return text;
    };
    // The number reported, then the objects as the first report left them (stamps aside): each text
    // starts from the same stored value. Where a report does not bring them back and the world can
    // be put back (RestoreWith), it is, and the page shown afresh before the number is reported.
    // Why it could not, where it could not.
    std::string stored;
    std::function<void()> restore;
    std::string why;
    const auto reported = [&](const char* text) {
        if (ReportNumber(page, gridIndex, key, number, announce)) {
            Dump();
            return true;
        }
        why = "the item was gone or disabled when " + Number(number) + " was reported before " + Printable(text);
        return false;
    };
    const auto reset = [&](const char* text) {
        if (!reported(text)) return false;
        if (stored.empty()) {
            stored = last_;
            if (save_) restore = save_();
        }
        if (SameButStamps(stored, last_)) return true;
        if (restore) {
            restore();
            announce();
            if (!reported(text)) return false;
            if (SameButStamps(stored, last_)) return true;
        }
        why = Number(number) + " reported before " + Printable(text) + " left the objects otherwise than before (" +
              ChangedKeys(stored, last_) + (restore ? ", put back too)" : ")");
        return false;
    };
    const auto type = [&](const char* text, bool fromCode) {
        if (TypeOne(where, page, gridIndex, key, text, announce, fromCode)) return true;
        why = std::string("the item was gone or took no text when ") + Printable(text) + " was " +
              (fromCode ? "reported" : "typed");
        return false;
    };
    // Texts the item's rule may refuse: a number no double holds, and no number (an item that reads
    // a leading whole number takes "1e400" as 1).
    constexpr const char* kRefusable[] = {"1e400", "x"};
    for (const char* text : {"3x", "1:2", ""}) {
        // Typed after a number reported as a double; then reported from code, after such a number
        // and after a refused text, each time from the same stored value.
        if (!reset(text) || !type(text, false)) return why;
        const std::string typed = answer();
        if (!reset(text) || !type(text, true)) return why;
        if (answer() != typed)
            Report(where, key, "answered a report from code after a number reported as a double unlike the same text typed",
                   text, "typed: " + typed + "; reported: " + answer());
        bool refused = false;
        for (const char* refusable : kRefusable) {
            if (!reset(text) || !type(refusable, false)) return why;
            if ((refused = lastRefused_)) break;
        }
        if (!refused) return "it took \"1e400\" and \"x\" typed, so no refused text came before " + Printable(text);
        if (!type(text, true)) return why;
        if (answer() != typed)
            Report(where, key, "answered a report from code after a refused text unlike the same text typed", text,
                   "typed: " + typed + "; reported: " + answer());
    }
    return std::string();
}

std::vector<Sweeper::Item> Sweeper::KeysOf(CWnd& page, int gridIndex) {
    std::vector<Item> keys;
    if (CBCGPPropList* grid = GridAt(page, gridIndex))
        for (CBCGPProp* item : platform::GridDriver(grid).AllItems()) keys.push_back({PathOf(item), item->GetData()});
    return keys;
}

void Sweeper::LeaveEach(const std::string& where, CWnd& page, int gridIndex, const std::function<void()>& announce) {
    for (const Item& key : KeysOf(page, gridIndex)) {
        CBCGPPropList* grid = GridAt(page, gridIndex);
        CBCGPProp* item = grid ? key.Find(grid) : nullptr;
        if (!item) continue;
        const std::string shown = item->FormatProperty().str();
        // A colour pick always reports; a style list draws its own entries.
        if (dynamic_cast<CBCGPColorProp*>(item) || dynamic_cast<CPropStyleCombox*>(item)) continue;
        if (auto* date = dynamic_cast<CBCGPDateTimeProp*>(item)) {
            PickOne(where, page, gridIndex, key, {Choice::kDate, "", 0, date->GetDate()}, announce, Expect::kNoEdit);
        } else if (!TypeOne(where, page, gridIndex, key, shown, announce, false, Expect::kNoEdit) &&
                   item->GetOptionCount() > 0 && item->FindOption(shown.c_str()) >= 0) {
            // A pick list the user cannot type into: its option shown picked.
            PickOne(where, page, gridIndex, key, {Choice::kOption, shown, 0, {}}, announce, Expect::kNoEdit);
        }
    }
}

void Sweeper::TypeShownRounding(const std::string& where, CWnd& page, int gridIndex, const Item& key,
                                const std::function<void()>& announce) {
    CBCGPPropList* grid = GridAt(page, gridIndex);
    CBCGPProp* item = grid ? key.Find(grid) : nullptr;
    if (!item) return;
    const std::string shown = item->FormatProperty().str();
    std::vector<double> kept = KeptShownRounded(shown, item->GetValue());
    if (kept.empty()) return;
    // Only values the objects hold: an item that holds a text shows a number that may be its own.
    if (!lastValid_) Dump();
    std::vector<double> held;
    std::string_view dump = last_;
    while (!dump.empty() && held.size() < kept.size()) {
        const std::size_t end = std::min(dump.find('\n'), dump.size());
        std::string field;
        double number = 0;
        if (LineNumber(dump.substr(0, end), &field, &number))
            for (double k : kept)
                if (Near(number, k) && std::find(held.begin(), held.end(), k) == held.end()) held.push_back(k);
        dump.remove_prefix(std::min(end + 1, dump.size()));
    }
    if (held.empty()) return;
    roundedFrom_ = std::move(held);
    TypeOne(where, page, gridIndex, key, OtherTextOf(shown), announce, false, Expect::kTypedNumber);
}

void Sweeper::FollowRefusedReport(const std::string& where, CWnd& page, int gridIndex, const Item& key,
                                  const std::function<void()>& announce) {
    CBCGPPropList* grid = GridAt(page, gridIndex);
    CBCGPProp* item = grid ? key.Find(grid) : nullptr;
    if (!item || !item->IsEnabled() || !ShownInGrid(item)) return;
    if (item->GetOptionCount() > 1) {
        // Another option: the one shown picked again is no edit.
        const std::vector<std::string> others = OtherOptions(item);
        if (!others.empty() && !PassedOver(where, key))
            PickOne(where, page, gridIndex, key, {Choice::kOption, others.front(), 0, {}}, announce, Expect::kTaken);
        return;
    }
    // A number item is given the number it shows in another text, where that is a valid value
    // (one a refresh showed, not a text the sweep typed, and neither zero nor a negative width);
    // any other text item a word no item was given before (a name may have to be unique).
    const std::string shown = item->FormatProperty().str();
    std::string text;
    if (!OtherTextOf(shown).empty()) {
        if (ValidAgain(item, shown)) text = OtherTextOf(shown);
    } else if (item->GetValue().vt == VT_BSTR && !(numberItems_.count(key.path) && !wordItems_.count(key.path))) {
        text = "新文本" + std::to_string(++newWords_);
    }
    if (!text.empty()) TypeOne(where, page, gridIndex, key, text, announce, false, Expect::kTaken);
}

void Sweeper::PickEach(const std::string& where, CWnd& page, int gridIndex, const std::function<void()>& announce,
                       std::vector<std::pair<Item, std::string>>* disabling) {
    std::vector<std::pair<Item, std::vector<Choice>>> picks;
    if (CBCGPPropList* now = GridAt(page, gridIndex))
        for (CBCGPProp* item : platform::GridDriver(now).AllItems()) {
            const Item key{PathOf(item), item->GetData()};
            std::vector<Choice> choices;
            if (auto* colour = dynamic_cast<CBCGPColorProp*>(item)) {
                // A colour no sample holds; a pick of it is never refused.
                const COLORREF red = RGB(255, 0, 0);
                choices.push_back({Choice::kColour, "", colour->GetColor() == red ? RGB(0, 0, 255) : red, {}});
            } else if (dynamic_cast<CBCGPDateTimeProp*>(item)) {
                // Far after any end, far before any begin, then between: a begin after the end or
                // an end before the begin is refused by the object.
                for (const auto& [year, month] : {std::pair{2099, 6}, std::pair{1900, 6}, std::pair{1950, 1}})
                    choices.push_back({Choice::kDate, "", 0, COleDateTime(year, month, 1, 0, 0, 0)});
            } else if (dynamic_cast<CPropStyleCombox*>(item)) {
                choices.push_back({Choice::kStyle, "", 0, {}});
            } else if (item->GetOptionCount() > 1) {
                // The first and the last option other than the one shown: a stop below the start
                // is among them whatever the order of the strata.
                const std::vector<std::string> others = OtherOptions(item);
                if (!others.empty()) choices.push_back({Choice::kOption, others.front(), 0, {}});
                if (others.size() > 1) choices.push_back({Choice::kOption, others.back(), 0, {}});
            }
            if (!choices.empty()) picks.push_back({key, choices});
        }
    // Dates first: a pick of another kind may remove the date items (another data source). Then
    // colours, which meet their groups' widths and sizes as the world made them.
    std::stable_partition(picks.begin(), picks.end(),
                          [](const auto& pick) { return pick.second.front().kind == Choice::kColour; });
    std::stable_partition(picks.begin(), picks.end(),
                          [](const auto& pick) { return pick.second.front().kind == Choice::kDate; });
    // The items that take typed text as far as their flags tell, by path.
    const auto open = [&page]() {
        std::set<std::string> paths;
        for (CBCGPPropList* grid : GridsOf(page)) {
            Paths walk;
            for (CBCGPProp* item : platform::GridDriver(grid).AllItems()) {
                const std::string& path = walk.Of(item);
                if (item->IsEnabled() && item->IsAllowEdit() && !item->IsGroup() && ShownInGrid(item)) paths.insert(path);
            }
        }
        return paths;
    };
    for (const auto& [key, choices] : picks)
        if (!PassedOver(where, key))
            for (const Choice& choice : choices) {
                CBCGPPropList* grid = disabling && choice.kind == Choice::kOption ? GridAt(page, gridIndex) : nullptr;
                CBCGPProp* item = grid ? key.Find(grid) : nullptr;
                const std::string shown = item ? item->FormatProperty().str() : std::string();
                const std::set<std::string> openBefore = item ? open() : std::set<std::string>();
                PickOne(where, page, gridIndex, key, choice, announce);
                if (!item) continue;
                const std::set<std::string> openAfter = open();
                if (std::any_of(openBefore.begin(), openBefore.end(),
                                [&](const std::string& path) { return path != key.path && !openAfter.count(path); }) &&
                    std::none_of(disabling->begin(), disabling->end(),
                                 [&](const auto& noted) { return noted.first.path == key.path; }))
                    disabling->push_back({key, shown});
            }
}

void Sweeper::PickOne(const std::string& where, CWnd& page, int gridIndex, const Item& key, const Choice& choice,
                      const std::function<void()>& announce, Expect expect) {
    CBCGPPropList* grid = GridAt(page, gridIndex);
    CBCGPProp* item = grid ? key.Find(grid) : nullptr;
    if (!item || !item->IsEnabled() || !ShownInGrid(item)) return;
    const std::string shownText = item->FormatProperty().str();
    const VARTYPE typeBefore = item->GetValue().vt;
    // Asked before the pick, which may delete the item (a page rebuilt).
    const bool styleSet = item->GetName().str() == "样式集";
    const int options = item->GetOptionCount();
    verb_ = "picked";
    // A later option of the list may be the one shown now.
    if (choice.kind == Choice::kOption && choice.option == shownText && expect != Expect::kNoEdit) return;
    // Shown and selected as the user's click shows and selects it, before anything is compared: its
    // groups open and the row selected.
    for (CBCGPProp* group = item->GetParent(); group; group = group->GetParent())
        if (!group->IsExpanded()) group->Expand(TRUE);
    grid->SetCurSel(item);
    Edit edit;
    BeginEdit(page, &edit);
    const std::vector<std::string> nonFiniteBefore = std::move(lastNonFinite_);
    bool picked = false;
    std::string label = choice.Label();
    try {
        platform::GridDriver driver(grid);
        switch (choice.kind) {
            case Choice::kStyle:
                // A style list draws its own entries: its second entry is picked, or its third when
                // the second is the style it shows.
                picked = driver.PickDropDownEntry(item, 1);
                label = "style entry 1";
                if (picked && Holds(page, grid, item) && item->FormatProperty().str() == shownText) {
                    label = "style entry 2";
                    picked = driver.PickDropDownEntry(item, 2);
                }
                break;
            case Choice::kColour:
                picked = driver.ChooseColor(static_cast<CBCGPColorProp*>(item), choice.colour);
                break;
            case Choice::kDate:
                picked = driver.PickDate(static_cast<CBCGPDateTimeProp*>(item), choice.date);
                break;
            default:
                picked = driver.PickOption(item, choice.option);
        }
    } catch (const std::exception& e) {
        Report(where, key, "threw", label, e.what());
        return;
    }
    const bool alive = Holds(page, grid, item);
    EndEdit(page, &edit);
    const auto& [before, after, paneBefore, paneAfter, calls, texts] = edit;
    std::map<std::string, int> boxes;
    for (const std::string& box : texts) ++boxes[box];
    const std::string boxTexts = Listed(texts);
    const bool rejected = !boxes.empty();
    const bool stored = after != before;
    const std::string shownNow = alive ? item->FormatProperty().str() : std::string();
    for (const auto& [box, count] : boxes)
        if (count > 1)
            Report(where, key, "showed one message " + std::to_string(count) + " times", label, "[" + box + "]");
    // Picks of a colour, a style or one of two options are never refused by the object: one that
    // reaches neither the objects nor the host, with no message, was dropped (a group that gave up
    // on a field that was not edited), whatever the item shows. A pick the object may refuse (one
    // of several options, a date) is refused when the item shows its value from before again:
    // then nothing but that item may change.
    const bool byDesign = RefusesByDesign(where, key);
    const bool mayRefuse =
        rejected || byDesign || choice.kind == Choice::kDate || (choice.kind == Choice::kOption && options > 2);
    const bool showsBefore = alive && shownNow == shownText;
    // The option or date shown, picked again, is no edit and no refusal: only its expectation holds.
    const bool refused = expect != Expect::kNoEdit && picked && alive && mayRefuse && showsBefore &&
                         (choice.kind != Choice::kStyle || byDesign);
    if (refused && stored)
        Report(where, key, "changed the objects although the pick was refused", label,
               "the item shows " + Printable(shownNow) + " again" + boxTexts);
    if (refused) {
        CheckRefusal(
            where, key, label,
            rejected ? "a message box rejected it" + boxTexts : "the item shows " + Printable(shownNow) + " again",
            paneBefore, paneAfter, calls, item, shownText, typeBefore);
    } else if (expect == Expect::kJudged && picked && alive && !rejected && !stored && calls.empty() &&
               (styleSet || OnlyRowChanged(paneBefore, paneAfter, item))) {
        // A pick that changes other items and nothing else is a pending choice: it writes nothing
        // by design, but for a style set, which is a write.
        Report(where, key, "took no pick: nothing reached the objects or the host", label,
               "it shows " + Printable(shownNow) + " (before: " + Printable(shownText) + ")");
    }
    if (stored && !refused && expect != Expect::kNoEdit) CheckKeptDigits(where, key, label, false, before, after);
    CheckFinite(where, key, label, nonFiniteBefore);
    if (picked && expect != Expect::kJudged)
        CheckExpected(where, key, label, expect,
                      {edit, shownNow, refused, refused || (alive && !OnlyRowChanged(paneBefore, paneAfter, item))});
    announce();
    Dump();
}

void Sweeper::CheckExpected(const std::string& where, const Item& key, const std::string& text, Expect expect,
                            const Outcome& outcome) {
    const Edit& edit = outcome.edit;
    const bool stored = edit.after != edit.before;
    const bool redrew = edit.paneAfter.redraws != edit.paneBefore.redraws;
    const bool ran = stored || !edit.calls.empty() || redrew;
    switch (expect) {
        case Expect::kJudged:
            break;
        case Expect::kNoEdit: {
            std::string what = stored                ? "the objects changed: " + ChangesBetween(edit.before, edit.after)
                               : !edit.calls.empty() ? "it called " + edit.calls.front()
                               : redrew              ? std::string("it redrew the view")
                               : !edit.boxes.empty() ? std::string("it showed a message")
                                                     : std::string();
            const std::vector<Row>& a = edit.paneBefore.rows;
            const std::vector<Row>& b = edit.paneAfter.rows;
            if (what.empty() && a.size() != b.size()) what = "the items of the page changed";
            for (std::size_t i = 0; what.empty() && i < a.size() && i < b.size(); ++i)
                if (a[i].item != b[i].item || a[i].value != b[i].value || a[i].options != b[i].options ||
                    a[i].shown != b[i].shown || a[i].enabled != b[i].enabled || a[i].expanded != b[i].expanded)
                    what =
                        "item \"" + b[i].path + "\" changed: " + Printable(a[i].value) + " -> " + Printable(b[i].value);
            if (!what.empty()) Report(where, key, "ran an edit although it was given what it shows", text, what);
            break;
        }
        case Expect::kTaken:
        case Expect::kEdit:
        case Expect::kEditShown:
            // A list may hold the text back by a rule of its own (refused with a message or showing
            // its text from before, or a pick kept as a choice the page offers); dropped as taken,
            // or refused by the item itself, it was lost. (An edit to the value held may run nothing
            // once the item shows the text given.)
            if (!ran && edit.boxes.empty() && !outcome.heldBack &&
                (expect != Expect::kEditShown || outcome.shownNow != text))
                Report(where, key,
                       expect == Expect::kTaken ? "dropped a valid text after a refused report from code"
                                                : "dropped an edit",
                       text,
                       "nothing reached the objects or the host and nothing was redrawn; it shows " +
                           Printable(outcome.shownNow));
            break;
        case Expect::kTypedNumber: {
            if (outcome.refused || !edit.boxes.empty()) break;
            double typed = 0;
            LeadingNumber(text, &typed);
            bool named = false;
            for (const auto& [was, now] : ChangedLines(edit.before, edit.after)) {
                std::string field;
                double from = 0, to = 0;
                if (!LineNumber(was, &field, &from) || !LineNumber(now, &field, &to)) continue;
                const bool kept =
                    std::any_of(roundedFrom_.begin(), roundedFrom_.end(), [&](double k) { return Near(from, k); });
                for (double unit : {1.0, 10.0, 100.0, 0.1, 0.01}) named = named || (kept && Near(to, typed * unit));
            }
            if (!named)
                Report(
                    where, key, "kept a value with more digits although its rounding was typed", text,
                    "it held " + Number(roundedFrom_.front()) + "; " +
                        (stored ? "changed: " + ChangesBetween(edit.before, edit.after) : "nothing was stored"));
            break;
        }
    }
}

void Sweeper::CheckFinite(const std::string& where, const Item& key, const std::string& text,
                          const std::vector<std::string>& before) {
    for (const std::string& number : lastNonFinite_)
        if (std::find(before.begin(), before.end(), number) == before.end())
            Report(where, key, "stored a number that is not finite", text, number);
}

void Sweeper::TypeScaleExtremes(const std::string& where, CWnd& page, int gridIndex, const Item& key,
                                const std::function<void()>& announce) {
    CBCGPPropList* grid = GridAt(page, gridIndex);
    CBCGPProp* item = grid ? key.Find(grid) : nullptr;
    if (!item || !NamesAScale(item->GetName().str())) return;
    // The smallest over the value held, a tiny scale, the largest over it, a small one, and a plain
    // scale; each typed and judged as any text.
    for (const char* text : {"9e-307", "1e-10", "1.7e308", "1e-300", "1:500"})
        if (!TypeOne(where, page, gridIndex, key, text, announce, false)) return;
}

void Sweeper::CheckKeptDigits(const std::string& where, const Item& key, const std::string& text, bool typed,
                              const std::string& before, const std::string& after) {
    // A text without a number is taken as 0.
    double typedNumber = 0;
    if (!LeadingNumber(text, &typedNumber)) typedNumber = 0;
    for (const auto& [was, now] : ChangedLines(before, after)) {
        if (!ValidUtf8(std::string(now)) && ValidUtf8(std::string(was)))
            Report(where, key, "stored a text that is not valid UTF-8", text,
                   std::string(now.substr(0, now.find('='))));
        std::string field, nowField;
        double stored = 0, value = 0;
        if (!LineNumber(was, &field, &stored) || !LineNumber(now, &nowField, &value) || field != nowField) continue;
        const bool kept = std::any_of(KeptDigits().begin(), KeptDigits().end(), [stored = stored](double v) {
            return std::fabs(stored - v) <= 1e-6 * std::max(1.0, v);
        });
        if (!kept || !RoundingOf(stored, value)) continue;
        // The edited field takes the typed number, maybe in hundredths or tenths of the shown unit.
        if (typed && (value == typedNumber || std::fabs(value - typedNumber * 100) < 1e-6 ||
                      std::fabs(value - typedNumber * 10) < 1e-6 || std::fabs(value * 100 - typedNumber) < 1e-6))
            continue;
        Report(where, key, "rounded a number it did not name", text,
               field + ": " + Number(stored) + " -> " + Number(value));
    }
}

void Sweeper::SweepCells(const std::string& where, CWnd& page, int gridIndex, const std::function<void()>& announce) {
    std::vector<CellGrid> grids = CellGridsOf(page);
    if (gridIndex >= static_cast<int>(grids.size())) return;
    const CellGrid grid = grids[static_cast<std::size_t>(gridIndex)];
    std::vector<std::pair<int, int>> cells;
    // The last column first: an edit of a later cell of a row meets the row's earlier cells as the
    // world made them (values with more digits than shown), before they are typed into. The rows
    // of a grid are alike: the first two that take typing stand for all.
    std::set<int> rows;
    for (int r = 0; r < grid.Rows() && rows.size() < 2; ++r)
        for (int c = 0; c < grid.Columns(); ++c)
            if (grid.TakesText(r, c)) rows.insert(r);
    for (int c = grid.Columns() - 1; c >= 0; --c)
        for (int r : rows)
            if (grid.TakesText(r, c)) cells.push_back({r, c});
    for (const auto& [row, col] : cells)
        for (const std::string& text : CellTexts()) TypeCell(where, page, gridIndex, row, col, text, announce);
}

void Sweeper::TypeCell(const std::string& where, CWnd& page, int gridIndex, int row, int col, const std::string& text,
                       const std::function<void()>& announce) {
    // An edit may rebuild the grid: it is found again each time, and the cell must still take typing.
    std::vector<CellGrid> grids = CellGridsOf(page);
    if (gridIndex >= static_cast<int>(grids.size())) return;
    const CellGrid grid = grids[static_cast<std::size_t>(gridIndex)];
    if (row >= grid.Rows() || col >= grid.Columns() || !grid.TakesText(row, col)) return;
    verb_ = "typed";
    const Item key{"cell grid " + std::to_string(gridIndex) + " row " + std::to_string(row) + " column " +
                       std::to_string(col) + " (" + grid.Text(0, col) + ")",
                   0};
    // The control library's grid opens a cell's editor with a click, whose release is an action of
    // its own (a page may store its column widths and redraw): what a click alone does, once any
    // earlier click's effect is in place, is the release's and not the cell's.
    std::array<int, 3> releaseRedraws{};
    std::vector<std::string> releaseCalls;
    if (grid.bcg) {
        const CWnd::PaintCounters& counters = view_.GetPaintCounters();
        const std::array<int, 3> clickedFrom = {counters.invalidate, counters.update, counters.redraw};
        ClearHostCalls();
        if (!platform::ClickGridCell(*grid.wnd, row, col)) return;
        releaseCalls = HostCalls();
        releaseRedraws = {counters.invalidate - clickedFrom[0], counters.update - clickedFrom[1],
                          counters.redraw - clickedFrom[2]};
        lastValid_ = false;
        if (!grid.TakesText(row, col)) return;
    }
    Edit edit;
    BeginEdit(page, &edit);
    const std::vector<std::string> cellsBefore = grid.Texts();
    const std::string shownText = grid.Text(row, col);
    for (std::size_t i = 0; i < releaseRedraws.size(); ++i) edit.paneBefore.redraws[i] += releaseRedraws[i];
    try {
        if (!platform::EditGridCell(*grid.wnd, row, col, text)) return;
    } catch (const std::exception& e) {
        Report(where, key, "threw", text, e.what());
        return;
    }
    ++cellsTyped_;
    EndEdit(page, &edit);
    auto& [before, after, paneBefore, paneAfter, calls, texts] = edit;
    for (const std::string& call : releaseCalls)
        if (const auto at = std::find(calls.begin(), calls.end(), call); at != calls.end()) calls.erase(at);
    const std::string boxes = Listed(texts);
    const bool stored = after != before;
    // The grid may be gone with the edit; what it shows is read only while it is there.
    std::vector<CellGrid> now = CellGridsOf(page);
    const bool alive =
        gridIndex < static_cast<int>(now.size()) && now[static_cast<std::size_t>(gridIndex)].wnd == grid.wnd;
    const std::vector<std::string> cellsAfter = alive ? grid.Texts() : std::vector<std::string>();
    const std::string shownNow = alive && row < grid.Rows() && col < grid.Columns() ? grid.Text(row, col) : "";
    double typedNumber = 0;
    if (!LeadingNumber(text, &typedNumber)) typedNumber = 0;
    const bool handedOn = std::isfinite(typedNumber) &&
                          std::any_of(calls.begin(), calls.end(),
                                      [&](const std::string& call) { return CarriesNumber(call, typedNumber); });
    if (!stored && !handedOn) {
        // Refused: the record, the other cells and items, the host and the view are as they were,
        // and the cell shows its text from before (or the stored value in its own format).
        const std::string how = boxes.empty() ? "nothing was stored" : "a message box rejected it" + boxes;
        const auto report = [&](const std::string& what, const std::string& detail) {
            Report(where, key, what + " although the text was refused", text, how + "; " + detail);
        };
        if (!calls.empty()) {
            std::string list;
            for (std::size_t i = 0; i < calls.size() && i < 4; ++i) list += (i ? ", " : "") + calls[i];
            report("called the host", list);
        }
        if (paneAfter.redraws != paneBefore.redraws) report("redrew the view", "");
        if (!alive) {
            report("deleted the grid", "");
        } else {
            if (shownNow != shownText && !ShowsSameValue(shownNow, shownText))
                report("left the refused text in the cell",
                       "it shows " + Printable(shownNow) + " (before: " + Printable(shownText) + ")");
            const std::size_t edited = static_cast<std::size_t>(row * grid.Columns() + col);
            for (std::size_t i = 0; i < cellsAfter.size() && i < cellsBefore.size(); ++i)
                if (i != edited && cellsAfter[i] != cellsBefore[i]) {
                    report("changed another cell", Printable(cellsBefore[i]) + " -> " + Printable(cellsAfter[i]));
                    break;
                }
            if (cellsAfter.size() != cellsBefore.size()) report("changed the cells of the grid", "");
        }
        for (std::size_t i = 0; i < paneAfter.rows.size() && i < paneBefore.rows.size(); ++i)
            if (paneAfter.rows[i].value != paneBefore.rows[i].value) {
                report("changed the text of an item", "\"" + paneAfter.rows[i].path + "\"");
                break;
            }
    } else if (stored) {
        CheckKeptDigits(where, key, text, true, before, after);
    }
    announce();
    Dump();
}

Sweeper::Pane Sweeper::PaneOf(CWnd& page, Showing* shown) const {
    Pane pane;
    for (CBCGPPropList* grid : GridsOf(page)) {
        pane.selected.push_back(grid->GetCurSel());
        Paths paths;
        // Room for every row at once: the pane is read three times a text.
        const std::vector<CBCGPProp*> items = platform::GridDriver(grid).AllItems();
        pane.rows.reserve(pane.rows.size() + items.size());
        if (shown) shown->reserve(shown->size() + items.size());
        for (CBCGPProp* item : items) {
            // The options as one hash of their texts, in order: compared, never shown. Each text
            // is hashed whole by the library (a font list holds many names).
            std::uint64_t options = 1469598103934665603ull;
            const int count = item->GetOptionCount();
            for (int i = 0; i < count; ++i) {
                const char* option = item->GetOption(i);
                const std::size_t hash =
                    std::hash<std::string_view>{}(option ? std::string_view(option) : std::string_view());
                options = (options ^ hash) * 1099511628211ull;
            }
            pane.rows.push_back({item, paths.Of(item), item->FormatProperty().str(), options,
                                 item->IsVisible() != FALSE, item->IsEnabled() != FALSE, item->IsExpanded() != FALSE});
            if (shown && (!item->IsGroup() || item->IsValueList()))
                shown->push_back(
                    {pane.rows.back().path, item->GetName().str(), pane.rows.back().value, item->GetValue().vt});
        }
    }
    const CWnd::PaintCounters& counters = view_.GetPaintCounters();
    pane.redraws = {counters.invalidate, counters.update, counters.redraw};
    return pane;
}

bool Sweeper::TypeOne(const std::string& where, CWnd& page, int gridIndex, const Item& key, const std::string& text,
                      const std::function<void()>& announce, bool fromCode, Expect expect) {
    lastRefused_ = false;
    CBCGPPropList* grid = GridAt(page, gridIndex);
    CBCGPProp* item = grid ? key.Find(grid) : nullptr;
    // The probe opens the item's editor as the user's click would: the item is selected and its
    // parents are open from here on, before anything is compared. A report from code needs no
    // editor.
    if (!item || (fromCode ? !item->IsEnabled() || !ShownInGrid(item) : !TakesText(grid, item))) return false;
    verb_ = fromCode ? "reported from code" : "typed";

    // The dump after the last text is the state before this one: nothing but the probe ran since.
    Showing shownBefore;
    Edit edit;
    BeginEdit(page, &edit, &shownBefore);
    const std::vector<std::string> negativesBefore = std::move(lastNegatives_);
    const std::vector<std::string> zerosBefore = std::move(lastZeros_);
    const std::vector<std::string> nonFiniteBefore = std::move(lastNonFinite_);
    const std::string shownText = item->FormatProperty().str();
    const _variant_t valueBefore = item->GetValue();
    // A fixed list reads the text by its own options and its rule for any other text, asked
    // before the edit (a refresh may change its options): the value it stands for, or none.
    // (The text it shows, typed, is no edit.)
    CFixedListProp* const list =
        expect == Expect::kJudged && (fromCode || text != shownText) ? FixedListOf(item) : nullptr;
    int listValue = 0;
    const bool listTakes = list && list->ValueOf(CString(text.c_str()), &listValue);
    // An option the item offers keeps showing itself; any other text shows the entry standing for
    // the value taken, or the list's text for a value no entry stands for.
    const bool offered = list && item->FindOption(text.c_str()) >= 0;
    const char* const listOption = !listTakes ? nullptr
                                   : offered  ? text.c_str()
                                   : list->TextOf(listValue) ? list->TextOf(listValue)
                                                             : list->UnlistedShown();
    const std::string optionTaken = listOption ? listOption : "";

    bool leftOpen = false;
    // Bytes that are no text are refused by the item as it is given them (a re-show may set its
    // value again before the edit is judged).
    bool notText = false;
    try {
        if (fromCode) {
            item->SetValue(_variant_t(text.c_str()));
            notText = item->IsValueRefused() != FALSE;
            grid->OnPropertyChanged(item);
        } else {
            leftOpen = !platform::GridDriver(grid).TypeText(item, text);
        }
    } catch (const std::exception& e) {
        Report(where, key, "threw", text, e.what());
        return false;
    }
    ++typed_;
    // What the edit did, taken before the host announces the object again: the edit may have
    // rebuilt the grid or the page, so the item is asked only while it is still there.
    const bool alive = Holds(page, grid, item);
    // The item refused the text: by its own rule, or as bytes that are not UTF-8.
    const bool refusedByItem = alive && (ItemRefusedText(item) || notText || item->IsValueRefused());
    EndEdit(page, &edit);
    const auto& [before, after, paneBefore, paneAfter, calls, texts] = edit;
    const std::string boxes = Listed(texts);
    const bool rejected = !boxes.empty();
    const bool stored = after != before;

    // What the item shows now. It shows the stored value again when the page did not take the
    // text. A text that reads as the value shown before ("abc" into an item showing "0.00") may
    // have been taken as that value, so it tells nothing; so does a text that is none of an
    // item's options when the item shows one of them, since a list may read any other text as a
    // default option. A size text item reads by its list's own rule, so one it did not refuse took
    // the text, also when what is stored is the value shown before (a size capped to the bound
    // already stored).
    bool shownAgain = false, anOption = false;
    std::string shownNow;
    if (alive) {
        shownNow = item->FormatProperty().str();
        double typedNumber = 0, shownNumber = 0;
        LeadingNumber(text, &typedNumber);
        for (int i = 0; i < item->GetOptionCount() && !anOption; ++i)
            anOption = shownNow == std::string(item->GetOption(i));
        // A fixed list also shows the texts it stands for values by without offering them.
        if (const CFixedListProp* fixed = FixedListOf(item))
            for (const auto& entry : fixed->UnofferedEntries()) anOption = anOption || shownNow == entry.first.str();
        shownAgain = !dynamic_cast<CBCGPropSizeText*>(item) && ShowsSameValue(shownNow, shownText) &&
                     shownNow != text &&
                     (LeadingNumber(shownNow, &shownNumber) ? !SameAtShownPlaces(typedNumber, shownNow) : !anOption);
    }
    // A call that carries the typed number shows that the page took the text and handed it to the
    // host, whose setter may then refuse it (a depth outside its interval): that is the host's
    // answer, not a refusal of the page. A text without a number is handed on as 0.
    double typedNumber = 0;
    if (!LeadingNumber(text, &typedNumber)) typedNumber = 0;
    const bool handedOn = std::isfinite(typedNumber) &&
                          std::any_of(calls.begin(), calls.end(),
                                      [&](const std::string& call) { return CarriesNumber(call, typedNumber); });
    // The page did not take the text: the item refused it, the grid kept its editor open, or
    // nothing was written and a message box rejected it or the item shows its value again. A
    // message box alone is no refusal: a group may store the edited entry and then an entry it
    // re-applies reports its own message.
    // A fixed list says itself whether it takes the text: one it refuses is a refusal whatever the
    // page did; one it takes runs its steps (a message box may still reject the value).
    // A choice whose steps change only the page (a data-source type that fills the table options
    // and waits for a table) ran them too.
    const bool ran = stored || !calls.empty() || paneAfter.redraws != paneBefore.redraws ||
                     !OnlyRowChanged(paneBefore, paneAfter, item);
    const bool refused = leftOpen || refusedByItem ||
                         (list ? !listTakes || (!ran && rejected)
                               : !stored && !handedOn && (rejected || shownAgain));
    const std::string how = leftOpen                ? "the grid kept the editor open"
                            : refusedByItem         ? "the item refused it"
                            : list && !listTakes    ? "its list refuses any other text"
                            : rejected              ? "a message box rejected it" + boxes
                                                    : "the item shows " + Printable(shownNow) + " again";

    if (list && listTakes && !refused) {
        // Taken: it runs its steps, and the item shows the option standing for the value taken
        // (where none does, what the refresh shows, judged after the host announces the object).
        // The value shown already may run nothing where the page acts on a change only, and an
        // item whose picks the object may refuse by design may drop it.
        int shownValue = 0;
        const bool same = list->ValueOf(CString(shownText.c_str()), &shownValue) && shownValue == listValue;
        const bool byDesign = RefusesByDesign(where, key);
        if (!ran && !same && !byDesign)
            Report(where, key, "dropped a text its list takes", text,
                   "the list reads it as " + std::to_string(listValue) +
                       "; nothing reached the objects or the host and nothing was redrawn; it shows " +
                       Printable(shownNow));
        else if (alive && listOption && shownNow != optionTaken && !(byDesign && shownNow == shownText))
            Report(where, key, "does not show the option standing for the value its list took", text,
                   "the list reads it as " + std::to_string(listValue) + " (" + Printable(optionTaken) +
                       "); it shows " + Printable(shownNow));
    }
    if (list && refused && alive && !leftOpen && shownNow != shownText)
        Report(where, key, "does not show its text from before after its list refused a text", text,
               "it shows " + Printable(shownNow) + " (before: " + Printable(shownText) + ")");
    if (stored && (leftOpen || refusedByItem || (list ? refused : shownAgain)))
        Report(where, key, "changed the objects although the text was refused", text,
               how + "; changes: " + ChangesBetween(before, after));
    if (stored && expect != Expect::kNoEdit) CheckKeptDigits(where, key, text, true, before, after);
    lastRefused_ = refused;
    lastStored_.clear();
    if (stored)
        for (const auto& [was, now] : ChangedLines(before, after)) {
            std::string field;
            double number = 0;
            if (LineNumber(now, &field, &number) && field.find("stamp") == std::string::npos)
                lastStored_.emplace_back(field, number);
        }
    CheckExpected(where, key, text, expect, {edit, shownNow, refused, refused && !refusedByItem && !leftOpen});
    if (refused)
        CheckRefusal(where, key, text, how, paneBefore, paneAfter, calls, alive ? item : nullptr, shownText,
                     valueBefore.vt);
    else if (!list && alive && !stored && calls.empty() &&
             (paneAfter.redraws == paneBefore.redraws ||
              (item->GetOptionCount() > 0 && !anOption && !dynamic_cast<CBCGPropSizeText*>(item))) &&
             !ShowsSameValue(shownNow, shownText) && OnlyRowChanged(paneBefore, paneAfter, item))
        // The item shows the text as taken, yet nothing reached the objects or the host: an edit
        // that returned early (a group that gave up on a field that was not edited). An edit with
        // nothing to write to (no object of the kind it sets) still redraws; a text that is none
        // of an option item's options, kept as typed, was read by nothing (a size text item's
        // options are only suggestions).
        Report(where, key, "shows the text as taken but nothing reached the objects or the host", text,
               "it shows " + Printable(shownNow) + " (before: " + Printable(shownText) + ")");
    for (const std::string& negative : lastNegatives_)
        if (std::find(negativesBefore.begin(), negativesBefore.end(), negative) == negativesBefore.end())
            Report(where, key, "stored a negative size", text, negative);
    for (const std::string& zero : lastZeros_)
        if (std::find(zerosBefore.begin(), zerosBefore.end(), zero) == zerosBefore.end())
            Report(where, key, "stored a negative zero", text, zero);
    CheckFinite(where, key, text, nonFiniteBefore);
    // A finite number typed is handed on finite (a word may be handed on as a name, with the name
    // it replaces).
    double finite = 0;
    if (LeadingNumber(text, &finite) && std::isfinite(finite) && !ShowsNonFinite(text))
        for (const std::string& call : calls)
            if (const std::size_t open = call.find('('); open != std::string::npos && ShowsNonFinite(call.substr(open)))
                Report(where, key, "handed the host a number that is not finite", text, call);

    // The host announces the object again after an edit; the objects read then are the state
    // before the next text.
    announce();
    Dump();
    const Showing shownAfter = ShownOn(page);
    std::string name;
    const std::string shownBeforeRefresh = shownNow;
    shownNow.clear();
    bool found = false;
    if (CBCGPPropList* now = GridAt(page, gridIndex))
        if (CBCGPProp* edited = key.Find(now)) {
            found = true;
            shownNow = edited->FormatProperty().str();
            name = edited->GetName().str();
        }
    // A valid plain number a number item took (the value it showed, in another text) shows as that
    // number once the host announces the object again.
    if (!refused && alive && found && expect == Expect::kTaken &&
        !OtherTextOf(text).empty() && numberItems_.count(key.path) && !ShowsSameValue(shownNow, text))
        Report(where, key, "shows another number than the one it took", text,
               "it shows " + Printable(shownNow) + " once the object is announced again");
    // A number typed that a number item took shows, once the host announces the object again, as
    // that number or one between it and the number shown before (a bound it was clamped to). (A
    // negative may stand for a default.)
    double took = 0, was = 0, showsNow = 0;
    if (!refused && !fromCode && alive && found && stored && numberItems_.count(key.path) &&
        !wordItems_.count(key.path) && LeadingNumber(text, &took) && took >= 0 && took < 1e15 &&
        LeadingNumber(shownText, &was) && LeadingNumber(shownNow, &showsNow) &&
        shownNow.find(':') == std::string::npos && shownText.find(':') == std::string::npos &&
        !ShowsSameValue(shownNow, text) && !ShowsSameValue(shownNow, shownText) &&
        (showsNow < std::min(took, was) - 1e-9 * std::fabs(took) || showsNow > std::max(took, was) + 1e-9 * std::fabs(took)))
        Report(where, key, "shows a number that is neither the one it took nor a bound", text,
               "it shows " + Printable(shownNow) + " once the object is announced again (before: " +
                   Printable(shownText) + ")");
    // A value no option of its list stands for shows as the refresh shows it.
    if (list && listTakes && !refused && alive && found && !listOption && shownNow != shownBeforeRefresh)
        Report(where, key, "shows another text than its refresh for a value no option stands for", text,
               "the list reads it as " + std::to_string(listValue) + "; it shows " + Printable(shownBeforeRefresh) +
                   ", the refresh " + Printable(shownNow));

    // A width, size or height shows the stored value, not a text that was not stored: neither a
    // text without a number or with one no double holds, nor a text that reads as another number
    // than the stored value the item showed before while the objects read back unchanged. (A text
    // the page took may stay as typed: "3x" taken as 3. What the item showed before is the stored
    // value only when it is none of the typed texts.)
    if (NamesASize(name) && !text.empty() && shownNow == text && !list) {
        double typedNumber = 0, shownNumber = 0;
        const bool noSize = !LeadingNumber(text, &typedNumber) || !std::isfinite(typedNumber);
        const bool notStored =
            !stored && !IsCorpusText(shownText) && LeadingNumber(shownText, &shownNumber) && typedNumber != shownNumber;
        if (noSize || notStored)
            Report(where, key, "keeps showing a refused size", text,
                   "it shows " + Printable(shownNow) + " (before: " + Printable(shownText) + ")");
    }
    // An item that stores a word as typed and shows it back is a text item (a label "12.345" is a
    // text); a number item may take a word as 0 and show it back, so the word itself must be
    // stored.
    double number = 0;
    if (stored && text.size() >= 3 && shownNow == text && !LeadingNumber(text, &number) &&
        Occurrences(after, text) > Occurrences(before, text))
        wordItems_.insert(key.path);
    CheckShown(where, key, text, shownBefore, shownAfter, stored);
    // The first refusal of an item is followed by a report from code of the value it showed.
    if (refused && alive && !fromCode && reportedAgain_.insert(where + " / " + key.path).second)
        ReportAgain(where, page, gridIndex, key, valueBefore, shownText);
    return true;
}

void Sweeper::ReportAgain(const std::string& where, CWnd& page, int gridIndex, const Item& key, const _variant_t& value,
                          const std::string& shownText) {
    CBCGPPropList* grid = GridAt(page, gridIndex);
    CBCGPProp* item = grid ? key.Find(grid) : nullptr;
    if (!item || !item->IsEnabled() || !ValidAgain(item, shownText)) return;
    Edit edit;
    BeginEdit(page, &edit);
    verb_ = "reported from code";
    try {
        tsltest::ReportFromCode(*grid, item, value);
    } catch (const std::exception& e) {
        Report(where, key, "threw", shownText, e.what());
        return;
    }
    EndEdit(page, &edit);
    const bool stored = edit.after != edit.before;
    if (edit.boxes.empty() && !stored && edit.calls.empty() && edit.paneAfter.redraws == edit.paneBefore.redraws)
        Report(where, key, "dropped a valid report from code after a refused text", shownText,
               "nothing reached the objects or the host");
    if (stored) CheckKeptDigits(where, key, shownText, true, edit.before, edit.after);
}

bool Sweeper::OnlyRowChanged(const Pane& before, const Pane& after, CBCGPProp* item) {
    if (before.rows.size() != after.rows.size()) return false;
    for (std::size_t i = 0; i < after.rows.size(); ++i) {
        const Row& a = before.rows[i];
        const Row& b = after.rows[i];
        if (a.item != b.item || a.shown != b.shown || a.enabled != b.enabled || a.expanded != b.expanded) return false;
        if (b.item != item && (a.value != b.value || a.options != b.options)) return false;
    }
    return true;
}

void Sweeper::CheckRefusal(const std::string& where, const Item& key, const std::string& text, const std::string& how,
                           const Pane& before, const Pane& after, const std::vector<std::string>& calls,
                           CBCGPProp* edited, const std::string& shownText, VARTYPE typeBefore) {
    const auto report = [&](const std::string& what, const std::string& detail) {
        Report(where, key, what + " although the text was refused", text, how + "; " + detail);
    };
    if (!edited) {
        report("deleted the edited item", "the item is gone");
        return;
    }
    if (!calls.empty()) {
        std::string list;
        for (std::size_t i = 0; i < calls.size() && i < 4; ++i) list += (i ? ", " : "") + calls[i];
        if (calls.size() > 4) list += " (" + std::to_string(calls.size()) + " calls)";
        report("called the host", list);
    }
    if (after.redraws != before.redraws) {
        const auto counts = [](const std::array<int, 3>& r) {
            return std::to_string(r[0]) + "/" + std::to_string(r[1]) + "/" + std::to_string(r[2]);
        };
        report("redrew the view",
               "invalidate/update/redraw " + counts(before.redraws) + " -> " + counts(after.redraws));
    }
    if (after.selected != before.selected) report("changed the list's selected item", "");
    // The item holds a value of the type it held before the text (a number stays a number, shown as
    // before): the item reads its next text, typed or reported, as a fresh window's item does.
    if (edited->GetValue().vt != typeBefore)
        report("changed the type of the item's value",
               "type " + std::to_string(typeBefore) + " -> " + std::to_string(edited->GetValue().vt) + ", it shows " +
                   Printable(edited->FormatProperty().str()));
    // The refused item may show its text from before the edit or the stored value in a format
    // of its own, but not the text that was refused.
    for (const Row& row : after.rows) {
        if (row.item == edited && row.value == text && text != shownText)
            report("left the refused text in the item", "it shows " + Printable(row.value));
        // Shown again from the stored value, whether or not the page has its data source: never blank.
        if (row.item == edited && row.value.empty() && !shownText.empty() && !text.empty())
            report("left the refused item blank", "before: " + Printable(shownText));
    }
    if (after.rows.size() != before.rows.size()) {
        report("changed the items of the page",
               std::to_string(before.rows.size()) + " items -> " + std::to_string(after.rows.size()));
        return;
    }
    for (std::size_t i = 0; i < after.rows.size(); ++i) {
        const Row& a = before.rows[i];
        const Row& b = after.rows[i];
        std::string what;
        if (a.item != b.item || a.path != b.path)
            what = "rebuilt the items of the page";
        else if (a.shown != b.shown)
            what = b.shown ? "showed an item" : "hid an item";
        else if (a.enabled != b.enabled)
            what = b.enabled ? "enabled an item" : "disabled an item";
        else if (a.expanded != b.expanded)
            what = b.expanded ? "expanded an item" : "collapsed an item";
        else if (b.item != edited && a.value != b.value)
            what = "changed the text of another item";
        else if (a.options != b.options)
            what = "changed the options of an item";
        if (what.empty()) continue;
        report(what, "\"" + b.path + "\": " + Printable(a.value) + " -> " + Printable(b.value));
        return;
    }
}

void Sweeper::CheckShown(const std::string& where, const Item& key, const std::string& text, const Showing& before,
                         const Showing& after, bool stored) {
    // Only what this text changed is its fault. The items are mostly where they were; a grid that
    // was rebuilt is looked up by path.
    std::unordered_map<std::string, const std::string*> byPath;
    const auto previous = [&](std::size_t i) -> const std::string* {
        if (i < before.size() && before[i].path == after[i].path) return &before[i].value;
        if (byPath.empty())
            for (const Shown& s : before) byPath.emplace(s.path, &s.value);
        const auto found = byPath.find(after[i].path);
        return found == byPath.end() ? nullptr : found->second;
    };
    for (std::size_t i = 0; i < after.size(); ++i) {
        const Shown& shown = after[i];
        const std::string* was = previous(i);
        if (was && *was == shown.value) continue;
        // A name item showing back a typed text is a name, not a number.
        const bool echo = shown.type == VT_BSTR && IsCorpusText(shown.value);
        if (!echo && ShowsNonFinite(shown.value))
            Report(where, key, "made item \"" + shown.path + "\" show a number that is not finite", text,
                   "it shows " + Printable(shown.value));
        if (!ShowsBackTypedName(shown) && ShowsNegativeZero(shown.value))
            Report(where, key, "made item \"" + shown.path + "\" show a negative zero", text,
                   "it shows " + Printable(shown.value));
        // A width or size shown negative once the text was stored (what the item shows then is what it read back).
        double value = 0;
        if (stored && NamesAWidth(shown.name) && LeadingNumber(shown.value, &value) && value < 0)
            Report(where, key, "made item \"" + shown.path + "\" show a negative size", text,
                   "it shows " + Printable(shown.value));
    }
}

}  // namespace sweep
