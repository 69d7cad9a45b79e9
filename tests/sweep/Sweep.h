// The sweep of every page: a property window opened the way the host opens it (through the
// family's creator, then the selection message), every tab shown, one other option of every pick
// list picked, every text of the corpus typed into every item that takes typed text as a user
// would type it, then the picks again. After each text, before the host announces the object
// again:
// - when the page did not take the text (the item refused it, the grid kept its editor open, or
//   nothing was written and a message box rejected it or the item shows its value again), nothing
//   but the refused item's text changed: the objects the window may write (the family's dump,
//   attributes and stamps included), every other item of the pane (text, options, shown, enabled,
//   expanded), the grids' selected items, the view's redraw counters and every host library's
//   call log (getters aside); the edited item still exists and does not keep the refused text,
//   and its value is of the type it was before the text (a number stays a number), so that it
//   reads its next text as a fresh window's item does;
// - a text the item shows as taken, and a pick, reach the objects or the host (a group edit does
//   not give up on a field that was not edited);
// - no item shows a number that is an infinity or not a number, nor a negative zero in any form;
//   a width or size item does not keep showing a text that was not stored;
// - no width or size reads back negative, and no number reads back as a negative zero;
// - an accepted edit moves no number it did not name: a value kept with more digits than the
//   pages show (KeptDigits) is never rewritten as its rounding;
// - after the first refused text of an item, the value the item showed, reported from code as a
//   host does, is taken again (an earlier refusal decides nothing about a later report).
// Before anything else, while the world holds values with more digits than shown (KeptDigits),
// every item is entered and left with the text it shows, and every pick list and date given the
// option or date it shows: that is no edit, so nothing is written, called or redrawn and no item
// changes. Just before its texts, a number item that shows such a value rounded is given the
// number it shows in another text ("100" where "100.0" shows 99.96): the edited entry becomes the
// number typed (maybe in the item's unit).
// A few texts are then reported from code into every item that holds a text or a number, pick
// lists included, and judged as typed texts are (SWEEP_SKIP_REPORTS_FROM_CODE in the environment
// leaves them out). After the first report an item refuses, a valid text typed into it (the value
// it shows in another text, or a new word) or another option picked is taken. A fixed list is
// given each of its options, a text none of them holds and nothing, and judged by its own reader:
// a text it refuses moves nothing and leaves the item showing its text from before; a text it
// takes runs its steps (stored, called or redrawn), and the item then shows the option standing
// for the value taken, or, where none does, what the refresh shows.
// Picks: one other option of every pick list (the first and the last other one), a colour of
// every colour item, a style of every style list, dates far after and far before in every date
// item. A pick the object refuses (a stop above the start, a begin after the end) changes nothing
// but the picked item, as a refused text. Cell grids on a page (not property grids) get a few
// texts in every cell that takes typing, judged as the texts of items: a refused cell changes no
// record, no other cell or item, calls nothing and redraws nothing, and shows its text again. (A
// cell is typed into after a click, whose release is an action of its own: what a click does
// alone, a redraw or a call, is the release's and not the cell's.)
// A pick that disables or hides items that take text is undone right after the first picks, so
// that those items are typed into too. A number typed that an item took shows, once the host
// announces the object again, as itself or as a bound between it and the number shown before.
// Scale and factor items are given the extremes their rule accepts ("9e-307" over the value held,
// "1.7e308" over "1e-10"); after any text or pick no number of the objects reads back as an
// infinity or not a number, and no finite number typed reaches the host as one.
// A number item given "3x", "1:2" and nothing from code, after a number reported as a double and
// after a refused text, answers as when the same text is typed (refused or taken alike, the same
// numbers stored). Each text starts from the objects as the number the item shows (zero too), reported,
// left them; from 1 where it shows none to give back or its page will not take it back from code, and
// with the world put back where a test says how (RestoreWith). An item whose objects cannot be
// brought back there is not compared, and is listed with why (NotCompared), which its test asserts.
// Every float item given its text by code keeps a number typed into it as a text. Every style picker is
// given texts from code (another style's number, a number of 1,582 digits): it keeps drawing its
// style, so nothing but the style drawn reaches the objects.
// Every item is then changed by code while its editor is open (its value set; another object of
// the kind shown, where the world names one): left as it shows, nothing moves; given what it
// opened with, the edit runs (or, where the object holds that value already, the item shows it).
// Text and number items, option lists and dates alike. Style pickers are entered and left, and
// picked at the style they draw (no edit) and at their value's text where it differs (an edit),
// over the object and each other one shown in turn.
// When a page opens, no item shows a negative zero either. Pages and items are found in the
// windows themselves, so a new page or item is swept without a change here.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

#include "mfc/Variant.h"
#include "mfc/Wnd.h"

class CBCGPProp;
class CBCGPPropList;
class CPropStyleCombox;
struct QXLOGFONT;
struct QXLOGPEN;
struct QXLOGBRUSH;
struct QXLOGPOINT;
class CQXPropertyManager;

namespace sweep {

// What the dump of a family's objects reads back through their getters, one field a line.
class State {
public:
    State& Put(const std::string& key, const std::string& value) { return Put(key, "", value); }
    // A number; it must never read back as a negative zero.
    State& Put(const std::string& key, double value) { return Put(key, "", value); }
    // A width or size: recorded, and it must never read back negative (nor as -0).
    State& Size(const std::string& key, double value) { return Size(key, "", value); }
    // The style records, every field; their widths and sizes as sizes.
    State& Pen(const std::string& key, const QXLOGPEN& pen) { return Pen(key, "", pen); }
    State& Font(const std::string& key, const QXLOGFONT& font) { return Font(key, "", font); }
    State& Brush(const std::string& key, const QXLOGBRUSH& brush) { return Brush(key, "", brush); }
    State& Point(const std::string& key, const QXLOGPOINT& point) { return Point(key, "", point); }
    // The same under the key key + suffix, which the dump writes without making it first.
    State& Put(const std::string& key, const char* suffix, const std::string& value);
    State& Put(const std::string& key, const char* suffix, double value);
    State& Size(const std::string& key, const char* suffix, double value);
    State& Pen(const std::string& key, const char* suffix, const QXLOGPEN& pen);
    State& Font(const std::string& key, const char* suffix, const QXLOGFONT& font);
    State& Brush(const std::string& key, const char* suffix, const QXLOGBRUSH& brush);
    State& Point(const std::string& key, const char* suffix, const QXLOGPOINT& point);
    // Every entry of an attribute store, with its value.
    State& Attributes(const std::string& key, const CQXPropertyManager& store);
    // Room for a dump of that length, and the dump handed over without a copy: a sweep reads its
    // dump twice a text.
    void Reserve(std::size_t length);
    std::string TakeText();
    // Sizes that read back negative, as "key=value"; numbers that read back as -0, by key.
    const std::vector<std::string>& Negatives() const { return negatives_; }
    const std::vector<std::string>& NegativeZeros() const { return negativeZeros_; }
    std::vector<std::string> TakeNegatives() { return std::move(negatives_); }
    std::vector<std::string> TakeNegativeZeros() { return std::move(negativeZeros_); }
    // Numbers that read back as an infinity or not a number, as "key=value".
    std::vector<std::string> TakeNonFinite() { return std::move(nonFinite_); }

private:
    // Appends to the text.
    void Write(const char* data, std::size_t length);
    void Write(const char* text) { Write(text, std::char_traits<char>::length(text)); }
    void Write(const std::string& text) { Write(text.data(), text.size()); }
    void Write(char c);
    void Begin(const std::string& key, const char* suffix, const char* field);
    void Append(double value);
    void Append(std::initializer_list<long long> values);
    // A number line; a size that reads back negative, and any -0, are noted.
    void Number(const std::string& key, const char* suffix, const char* field, double value, bool size);
    // A style record: its fields on one line (a face first, where it has one), its size on the next.
    void Style(const std::string& key, const char* suffix, const char* field, const char* face,
               std::initializer_list<long long> values, const char* sizeField, double size);

    std::string text_;
    std::vector<std::string> negatives_;
    std::vector<std::string> negativeZeros_;
    std::vector<std::string> nonFinite_;
};
using Dumper = std::function<void(State&)>;

// A field as an object's getter reads it: answered, or written into a record handed to it.
template <class Object, class Getter>
auto Read(Object* object, Getter get) -> decltype((object->*get)()) {
    return (object->*get)();
}
template <class Object, class Class, class Record>
Record Read(Object* object, void (Class::*get)(Record*)) {
    Record record{};
    (object->*get)(&record);
    return record;
}
template <class Object, class Class, class Record>
Record Read(Object* object, void (Class::*get)(Record*) const) {
    Record record{};
    (object->*get)(&record);
    return record;
}
template <class Object, class Class, class Record>
Record Read(Object* object, void (Class::*get)(Record&) const) {
    Record record{};
    (object->*get)(record);
    return record;
}
// A field the object keeps in a member of its own.
template <class Object, class Class, class Field, class = std::enable_if_t<!std::is_function_v<Field>>>
const Field& Read(Object* object, Field Class::*field) {
    return object->*field;
}

// Reads a style record through an object's getter, changes it and sets it back (by value or by
// address, as the setter takes it).
template <class Object, class Get, class Set, class Change>
void Restyle(Object* object, Get get, Set set, Change change) {
    auto record = Read(object, get);
    change(record);
    if constexpr (std::is_invocable_v<Set, Object*, decltype(record)&>)
        (object->*set)(record);
    else
        (object->*set)(&record);
}

// A field written as its value's kind is written; a number as a plain number.
inline void Write(State& state, const std::string& key, const char* suffix, double value) {
    state.Put(key, suffix, value);
}
inline void Write(State& state, const std::string& key, const char* suffix, const std::string& text) {
    state.Put(key, suffix, text);
}
inline void Write(State& state, const std::string& key, const char* suffix, const QXLOGPEN& pen) {
    state.Pen(key, suffix, pen);
}
inline void Write(State& state, const std::string& key, const char* suffix, const QXLOGFONT& font) {
    state.Font(key, suffix, font);
}
inline void Write(State& state, const std::string& key, const char* suffix, const QXLOGBRUSH& brush) {
    state.Brush(key, suffix, brush);
}
inline void Write(State& state, const std::string& key, const char* suffix, const QXLOGPOINT& point) {
    state.Point(key, suffix, point);
}

// A getter of a width or size, written as State::Size writes it.
template <class Getter>
struct SizeGetter {
    Getter get;
};
template <class Getter>
SizeGetter<Getter> AsSize(Getter get) {
    return {get};
}

// Fields of one object, each a suffix and its getter, written in their order.
template <class Object>
void Fields(State&, const std::string&, Object*) {}
template <class Object, class Getter, class... Rest>
void Fields(State& state, const std::string& key, Object* object, const char* suffix, Getter get, Rest... rest) {
    Write(state, key, suffix, Read(object, get));
    Fields(state, key, object, rest...);
}
template <class Object, class Getter, class... Rest>
void Fields(State& state, const std::string& key, Object* object, const char* suffix, SizeGetter<Getter> size,
            Rest... rest) {
    state.Size(key, suffix, Read(object, size.get));
    Fields(state, key, object, rest...);
}

// The texts typed into every item.
const std::vector<std::string>& Corpus();

// Whether a shown text holds a number that is an infinity or not a number ("inf", "-inf", "nan",
// "1.#INF"), as opposed to a word that happens to contain those letters.
bool ShowsNonFinite(const std::string& text);
// Whether a shown text is a negative zero in any form: after blanks a minus sign and a number
// that reads as zero ("-0", "-0.00", "-0e5", "-0.0 厘米").
bool ShowsNegativeZero(const std::string& text);
// The values worlds hold with more digits than any page shows; an edit that did not name such a
// value must leave it exactly as stored, never as its rounding.
const std::vector<double>& KeptDigits();
// The leading number of a text as the host's atof reads it (crt::Atof: blanks, sign, digits with an optional
// point and exponent; "nan", "inf" and hexadecimal texts are no number); false when it has none.
bool LeadingNumber(const std::string& text, double* value);

// One family's sweep: the host's windows, the dump of the objects in scope, and what was found.
class Sweeper {
public:
    Sweeper(std::string family, Dumper dump);
    ~Sweeper();
    Sweeper(const Sweeper&) = delete;
    Sweeper& operator=(const Sweeper&) = delete;

    // Opens the object's window (open gets the host's frame), announces the object with the
    // selection message, shows every tab and sweeps every grid of every page; the window is then
    // destroyed as the host destroys it.
    // Another object of the same kind, announced in the same window while an item's editor is open
    // and before style pickers are picked; before runs instead of the announce hook (the host's state
    // when it shows that object).
    struct Other {
        LPARAM announced;
        std::function<void()> before;
    };
    void Sweep(const std::string& object, const std::function<CWnd*(CWnd*)>& open, LPARAM announced,
               std::vector<Other> others = {});

    // Run around every selection message the sweep sends (when a tab is shown and after each
    // text): the host's state when it announces the object, and what changes after it without a
    // new message (another selection in the map).
    void SetAnnounceHooks(std::function<void()> before, std::function<void()> after) {
        beforeAnnounce_ = std::move(before);
        afterAnnounce_ = std::move(after);
    }

    // How to put the world back where a number reported does not (a navigation map given a height
    // moves its edges): save, run when the comparison of reports starts, returns what puts the
    // objects back as they were then.
    void RestoreWith(std::function<std::function<void()>()> save) { save_ = std::move(save); }

    // A pick of the item at path on the named object writes nothing by design (a vertical well's
    // track mode): the sweep does not expect it to reach the objects or the host.
    void PassOverPick(const std::string& object, const std::string& path) {
        passedOverPicks_.insert(object + " / " + path);
    }

    // Picks that may be refused by design, on the named object ("object") or item ("object / item
    // path"): a column whose well has no strata refuses every edit, a vertical well's track is the
    // same whichever way it is drawn. Such a pick, when the item shows its value from before
    // again, is judged as a refusal: nothing but that item may change.
    void MayRefusePicks(const std::string& objectOrItem) { refusingPicks_.insert(objectOrItem); }


    // Cells typed into, over every cell grid.
    int CellsTyped() const { return cellsTyped_; }

    // Every page the sweep reached, as "object / page", and how many texts it typed.
    const std::vector<std::string>& Pages() const { return pages_; }
    int Typed() const { return typed_; }
    // Windows a creator did not make.
    const std::vector<std::string>& Unopened() const { return unopened_; }
    // One line per page, item and kind of fault found so far.
    const std::vector<std::string>& Failures() const { return failures_; }
    // The number items whose reports from code could not be compared with the same texts typed, as
    // "object / page: item: why", in the order met (printed as they are met). A sweep's test
    // asserts this list whole, so an item that stops being compared fails it.
    const std::vector<std::string>& NotCompared() const { return notCompared_; }

private:
    struct Item;
    struct Shown;
    using Showing = std::vector<Shown>;
    // One item of a page as compared around a refused text, and the page: its items, each grid's
    // selected item and the view's paint counters (invalidate, update, redraw).
    struct Row {
        CBCGPProp* item;
        std::string path;
        std::string value;
        std::uint64_t options;
        bool shown;
        bool enabled;
        bool expanded;
    };
    struct Pane {
        std::vector<Row> rows;
        std::vector<CBCGPProp*> selected;
        std::array<int, 3> redraws;
    };
    // The page's pane; with shown, also what its items show (the same items, read once).
    Pane PaneOf(CWnd& page, Showing* shown = nullptr) const;
    // What a text or pick is expected to do beside the rules every text meets: nothing at all
    // (the text or option shown, given again), be taken (a valid text after a refused report), or
    // store the number typed (the rounding shown of a value kept with more digits, in another text).
    // An edit (kEdit) runs its steps: stored, called or redrawn; one of the value an object holds
    // already (kEditShown) may run none, but the item shows the text given.
    enum class Expect { kJudged, kNoEdit, kTaken, kTypedNumber, kEdit, kEditShown };
    // What an edit did, read around it (BeginEdit, EndEdit): the dump and the pane before and after
    // it, the host calls it made (getters aside) and the texts of the message boxes it showed.
    struct Edit {
        std::string before;
        std::string after;
        Pane paneBefore;
        Pane paneAfter;
        std::vector<std::string> calls;
        std::vector<std::string> boxes;
    };
    // Before an edit: the dump (see DumpBefore) and the pane (with shown, what its items show), no
    // message box recorded, a question declined and no host call logged.
    void BeginEdit(CWnd& page, Edit* edit, Showing* shown = nullptr);
    // After it: the host calls, the pane and the message boxes, then the dump once the message
    // boxes and unused answers are cleared away.
    void EndEdit(CWnd& page, Edit* edit);
    // What an edit did, as the expectations read it.
    struct Outcome {
        const Edit& edit;
        const std::string& shownNow;  // what the item shows after it
        bool refused;                 // the item, the grid or the page did not take it
        bool heldBack;                // the page refused it showing the item's text from before, or
                                      // kept a pick as a choice it offers
    };
    void CheckExpected(const std::string& where, const Item& key, const std::string& text, Expect expect,
                       const Outcome& outcome);
    // A refused text changes the refused item's text and nothing else: no host call but getters,
    // no redraw of the view, no other item, no selection; the edited item stays, its value of the
    // type it held before the text (typeBefore).
    void CheckRefusal(const std::string& where, const Item& key, const std::string& text, const std::string& how,
                      const Pane& before, const Pane& after, const std::vector<std::string>& calls, CBCGPProp* edited,
                      const std::string& shownText, VARTYPE typeBefore);
    // Whether only the item's text changed on the page.
    static bool OnlyRowChanged(const Pane& before, const Pane& after, CBCGPProp* item);
    void SweepGrid(const std::string& where, CWnd& page, int gridIndex, const std::function<void()>& announce);
    // The keys of the items of the page's grid at index, as it is now.
    static std::vector<Item> KeysOf(CWnd& page, int gridIndex);
    // Types the text into the item, or reports it from code as a host does (the item takes the
    // value, then the grid tells its owner).
    bool TypeOne(const std::string& where, CWnd& page, int gridIndex, const Item& key, const std::string& text,
                 const std::function<void()>& announce, bool fromCode, Expect expect = Expect::kJudged);
    // Each item entered and left with the text it shows, each pick list and date given the one it
    // shows: no edit.
    void LeaveEach(const std::string& where, CWnd& page, int gridIndex, const std::function<void()>& announce);
    // A number item showing a value kept with more digits rounded is given that rounding in
    // another text, which it stores.
    void TypeShownRounding(const std::string& where, CWnd& page, int gridIndex, const Item& key,
                           const std::function<void()>& announce);
    // After a refused report, a valid text typed or another option picked is taken.
    void FollowRefusedReport(const std::string& where, CWnd& page, int gridIndex, const Item& key,
                             const std::function<void()>& announce);
    // Picks an option other than the shown one in a pick list. With disabling, the picks that
    // disabled or hid items that take typed text are noted, each with the option shown before.
    void PickEach(const std::string& where, CWnd& page, int gridIndex, const std::function<void()>& announce,
                  std::vector<std::pair<Item, std::string>>* disabling = nullptr);
    struct Choice;
    void PickOne(const std::string& where, CWnd& page, int gridIndex, const Item& key, const Choice& choice,
                 const std::function<void()>& announce, Expect expect = Expect::kJudged);
    // An item changed by code while its editor is open (a value set, another object announced),
    // then left as it shows (no edit: nothing moves) or given what it showed when its editor opened
    // (an edit, which runs): text and number items, option lists, dates.
    void ChangeWhileOpen(const std::string& where, CWnd& page, int gridIndex, const Item& key,
                         const std::function<void()>& announce);
    // The item at key when it is a style or colour picker the user can drop down; null otherwise.
    static CPropStyleCombox* StylePickerAt(CWnd& page, int gridIndex, const Item& key);
    // Style pickers over the object and each other one shown in turn: entered and left, and picked
    // at the style they draw (no edit), and at their value's text where it differs (an edit).
    void PickStyles(const std::string& where, CWnd& page, int gridIndex, const Item& key,
                    const std::function<void()>& announce);
    // One edit of the item: its editor opened, changed by code (false: nothing to judge), then
    // committed; judged as expected, and the object announced again.
    // (text: the text given, or null for what the item shows when it is committed.)
    void EditAfterChange(const std::string& where, CWnd& page, int gridIndex, const Item& key, const std::string& label,
                         const std::string* text, const std::function<bool(CBCGPProp*)>& change,
                         const std::function<bool(CBCGPPropList*, CBCGPProp*)>& commit, Expect expect,
                         const std::function<void()>& announce);
    // A scale or factor item given the extremes its rule accepts, over the value it holds and over
    // one another (a scale whose ratio to the one before no double holds), then a plain scale.
    void TypeScaleExtremes(const std::string& where, CWnd& page, int gridIndex, const Item& key,
                           const std::function<void()>& announce);
    // Numbers of the objects that read back not finite since the dump before the edit.
    void CheckFinite(const std::string& where, const Item& key, const std::string& text,
                     const std::vector<std::string>& before);
    // A number item given "3x", "1:2" and nothing from code, after a number reported as a double and
    // after a refused text, answers as when the same text is typed: refused or taken alike, the
    // same numbers stored. Each text starts from the objects as the first number reported left them.
    // The texts start from the number the item shows, or from 1 where it shows none to give back or
    // the page will not take that number back. Where the objects cannot be brought back to the same
    // stored value before a text (the item gone, a number the page will not take again), the item
    // is left uncompared and listed, with why, in NotCompared.
    void CompareReports(const std::string& where, CWnd& page, int gridIndex, const Item& key,
                        const std::function<void()>& announce);
    // The comparison with each text starting from number reported; empty when every text was
    // compared, otherwise why the comparison stopped.
    std::string CompareReportsFrom(const std::string& where, CWnd& page, int gridIndex, const Item& key, double number,
                                   const std::function<void()>& announce);
    // Style texts reported from code into a style picker, as a host does (another style's number
    // and a number of 1,582 digits): the variant changes, the style drawn does not, so the list
    // writes nothing but the style drawn, or nothing.
    void ReportIntoPicker(const std::string& where, CWnd& page, int gridIndex, const Item& key,
                          const std::function<void()>& announce);
    // A float item given a text by code (a writer's "%.2f") keeps a number typed into it as a text:
    // the grid's conversion of a typed number keeps the value's type.
    void TypeNumberOverText(const std::string& where, CWnd& page, int gridIndex, const Item& key,
                            const std::function<void()>& announce);
    // Reports a number as a double into the item, as a host does; false when the item is gone.
    bool ReportNumber(CWnd& page, int gridIndex, const Item& key, double value, const std::function<void()>& announce);
    // After the item refused a typed text, its value from before reported from code is taken.
    void ReportAgain(const std::string& where, CWnd& page, int gridIndex, const Item& key, const _variant_t& value,
                     const std::string& shownText);
    // Numbers of the dump kept with more digits than shown that the edit rounded, unless the edit
    // named them (typed: the typed number, maybe in the item's unit).
    void CheckKeptDigits(const std::string& where, const Item& key, const std::string& text, bool typed,
                         const std::string& before, const std::string& after);
    // Every cell grid of the page, a few texts in every cell that takes typing.
    void SweepCells(const std::string& where, CWnd& page, int gridIndex, const std::function<void()>& announce);
    void TypeCell(const std::string& where, CWnd& page, int gridIndex, int row, int col, const std::string& text,
                  const std::function<void()>& announce);
    void CheckOpened(const std::string& where, CWnd& page);
    // A text or name item that shows back a text typed into it: a name, which may read "-0".
    bool ShowsBackTypedName(const Shown& shown) const;
    void CheckShown(const std::string& where, const Item& key, const std::string& text, const Showing& before,
                    const Showing& after, bool stored);
    void Report(const std::string& where, const Item& key, const std::string& what, const std::string& text,
                const std::string& detail);
    // Whether the item's picks on the page's object are passed over (PassOverPick), or may be refused
    // by design (MayRefusePicks).
    bool PassedOver(const std::string& where, const Item& key) const;
    bool RefusesByDesign(const std::string& where, const Item& key) const;
    // Reads the family's objects into last_, lastNegatives_, lastZeros_ and lastNonFinite_.
    void Dump();
    // The dump before an edit: the one after the last text while nothing has run since.
    std::string DumpBefore();
    static Showing ShownOn(CWnd& page);

    std::string family_;
    Dumper dump_;
    std::function<void()> beforeAnnounce_;
    std::function<void()> afterAnnounce_;
    std::function<std::function<void()>()> save_;
    // The other objects of the window being swept, and how one of them is announced.
    std::vector<Other> others_;
    std::function<void(const Other&)> announceOther_;
    CWnd frame_;
    CWnd view_;
    std::vector<std::string> pages_;
    std::vector<std::string> unopened_;
    int typed_ = 0;
    int cellsTyped_ = 0;
    // Items of the page swept whose value was reported again after a refusal, by path.
    std::set<std::string> reportedAgain_;
    // The dump and the shown texts after the last text typed, while nothing else has run since.
    std::string last_;
    std::vector<std::string> lastNegatives_;
    std::vector<std::string> lastZeros_;
    std::vector<std::string> lastNonFinite_;
    bool lastValid_ = false;
    std::size_t dumpLength_ = 0;
    // The items of the page being swept that showed a number when it opened, and those that
    // stored a word typed into them.
    std::set<std::string> numberItems_;
    std::set<std::string> wordItems_;
    std::set<std::string> reported_;
    std::set<std::string> passedOverPicks_;  // "object / item path"
    std::set<std::string> refusingPicks_;
    // How the text of the edit being judged came: "typed" or "reported from code".
    std::string verb_ = "typed";
    // Whether the last text typed or reported was refused, and the numbers it stored (by key, stamps
    // aside).
    bool lastRefused_ = false;
    std::vector<std::pair<std::string, double>> lastStored_;
    // The new words typed after refused reports so far.
    int newWords_ = 0;
    // The values kept with more digits that the item given its shown rounding holds.
    std::vector<double> roundedFrom_;
    std::vector<std::string> failures_;
    std::vector<std::string> notCompared_;
};

// What an object is as each of a few classes (null where it is not one), found once: dumps read
// their objects after every text, by class.
template <class... Kinds>
class KindsOf {
public:
    template <class Base>
    explicit KindsOf(Base* object) : as_(dynamic_cast<Kinds*>(object)...) {}
    template <class Kind>
    Kind* As() const {
        return std::get<Kind*>(as_);
    }

private:
    std::tuple<Kinds*...> as_;
};

// Every property grid inside a window, depth first.
std::vector<CBCGPPropList*> GridsOf(CWnd& wnd);

}  // namespace sweep
