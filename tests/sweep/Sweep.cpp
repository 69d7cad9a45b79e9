#include "sweep/Sweep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <sstream>

#include "bcg/PropList.h"
#include "driver/GridDriver.h"
#include "driver/Responder.h"
#include "driver/SheetDriver.h"
#include "framework/PropFloat.h"
#include "framework/PropWndMgr.h"
#include "mfc/Controls.h"

namespace sweep {

namespace {

std::string Number(double value) {
    std::ostringstream out;
    out.precision(17);
    out << value;
    return out.str();
}

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Item names that hold a width, a size or a height (a template's name is a name, not a size).
bool NamesASize(const std::string& name) {
    if (name.find("模板") != std::string::npos) return false;
    for (const char* word : {"宽度", "线宽", "高度", "大小", "尺寸", "粗细"})
        if (name.find(word) != std::string::npos) return true;
    return false;
}

// The number a shown text starts with, when it is one.
bool LeadingNumber(const std::string& text, double* value) {
    const char* begin = text.c_str();
    char* end = nullptr;
    *value = std::strtod(begin, &end);
    return end != begin && !IsAsciiLetter(*begin);
}

// A corpus text as a failure message names it.
std::string Printable(const std::string& text) {
    if (text.size() > 40) return "<" + std::to_string(text.size()) + "-byte text>";
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c >= 0xF5) {
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

}  // namespace

// ---- state ---------------------------------------------------------------------------------------

State& State::Put(const std::string& key, const std::string& value) {
    text_ += key + "=" + value + "\n";
    return *this;
}

State& State::Put(const std::string& key, double value) { return Put(key, Number(value)); }

State& State::Size(const std::string& key, double value) {
    if (value < 0) negatives_.push_back(key + "=" + Number(value));
    return Put(key, value);
}

const std::vector<std::string>& Corpus() {
    static const std::vector<std::string> texts = [] {
        std::string long300;
        for (int i = 0; i < 150; ++i) long300 += "井9";  // 300 characters, 600 bytes
        return std::vector<std::string>{"",      "abc",  "-1",         "-1e400",     "1e39",  "1e400",
                                        "9e296", "nan",  "inf",        "70000",      "2147483648", long300,
                                        "\xFF\xFE", "1e308", "-1e308", "1.7976931348623157e308"};
    }();
    return texts;
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

std::vector<CBCGPPropList*> GridsOf(CWnd& wnd) {
    std::vector<CBCGPPropList*> grids;
    CollectGrids(wnd, grids);
    return grids;
}

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

Sweeper::Sweeper(std::string family, Dumper dump) : family_(std::move(family)), dump_(std::move(dump)) {
    frame_.CreateEx(0, nullptr, "host", WS_VISIBLE, CRect(0, 0, 400, 800), nullptr, 0);
    view_.Create(nullptr, "view", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &frame_, 100);
}

Sweeper::~Sweeper() { frame_.DestroyWindow(); }

std::string Sweeper::Dump(std::vector<std::string>* negatives) {
    State state;
    dump_(state);
    if (negatives) *negatives = state.Negatives();
    return state.Text();
}

void Sweeper::Report(const std::string& where, const Item& key, const std::string& what, const std::string& text,
                     const std::string& detail) {
    // One failure per page, item and kind of fault, naming the texts that caused it.
    const std::string head = family_ + " / " + where + ": item " + key.Label() + " " + what;
    for (const std::string& seen : reported_)
        if (seen == head) return;
    reported_.push_back(head);
    ADD_FAILURE() << head << "; typed " << Printable(text) << (detail.empty() ? "" : "; ") << detail;
}

void Sweeper::Sweep(const std::string& object, const std::function<CWnd*(CWnd*)>& open, LPARAM announced) {
    lastValid_ = false;
    CWnd* wnd = open(&frame_);
    if (!wnd) {
        unopened_.push_back(object);
        return;
    }
    auto* sheet = dynamic_cast<CPropWndMgr*>(wnd);
    // A single list is made empty: the host gives it its place.
    if (!sheet) platform::ResizeWindow(*wnd, 360, 1200);
    const auto announce = [&] { platform::SendSelectionChanged(*wnd, &view_, announced); };
    announce();
    const int pages = sheet ? sheet->GetPageCount() : 1;
    for (int p = 0; p < pages; ++p) {
        std::string caption = "(list)";
        if (sheet) {
            EXPECT_TRUE(platform::ChooseTab(*wnd, p)) << family_ << " / " << object << ": tab " << p;
            announce();
            lastValid_ = false;
            const std::vector<std::string> captions = platform::TabCaptions(*wnd);
            caption = p < static_cast<int>(captions.size()) ? captions[static_cast<std::size_t>(p)] : "#" + std::to_string(p);
        }
        CWnd* page = sheet ? sheet->GetPage(p) : wnd;
        if (!page) continue;
        const std::string where = object + " / " + caption;
        pages_.push_back(where);
        const std::size_t grids = GridsOf(*page).size();
        for (std::size_t g = 0; g < grids; ++g) SweepGrid(where, *page, static_cast<int>(g), announce);
    }
    platform::DestroyAndDelete(wnd);
}

void Sweeper::SweepGrid(const std::string& where, CWnd& page, int gridIndex, const std::function<void()>& announce) {
    CBCGPPropList* grid = GridAt(page, gridIndex);
    if (!grid) return;
    std::vector<Item> typeable;
    for (CBCGPProp* item : platform::GridDriver(grid).AllItems()) typeable.push_back({PathOf(item), item->GetData()});
    // Probing opens editors, which may rebuild the grid: each item is found again by its key.
    typeable.erase(std::remove_if(typeable.begin(), typeable.end(),
                                  [&](const Item& key) {
                                      CBCGPPropList* now = GridAt(page, gridIndex);
                                      CBCGPProp* item = now ? key.Find(now) : nullptr;
                                      return !item || !TakesText(now, item);
                                  }),
                   typeable.end());
    if (typeable.empty()) return;
    // Each item gets a run of the corpus, the runs following on from item to item, so that every
    // text reaches the page even when an item gets fewer than all of them.
    const std::vector<std::string>& corpus = Corpus();
    const std::size_t perItem = (corpus.size() + typeable.size() - 1) / typeable.size();
    std::size_t next = 0;
    for (const Item& key : typeable) {
        for (std::size_t j = 0; j < perItem; ++j) {
            const std::string& text = corpus[(next + j) % corpus.size()];
            if (!TypeOne(where, page, gridIndex, key, text, announce)) break;
        }
        next += perItem;
    }
}

bool Sweeper::TypeOne(const std::string& where, CWnd& page, int gridIndex, const Item& key, const std::string& text,
                      const std::function<void()>& announce) {
    std::vector<CBCGPPropList*> grids = GridsOf(page);
    if (gridIndex >= static_cast<int>(grids.size())) return false;
    CBCGPPropList* grid = grids[static_cast<std::size_t>(gridIndex)];
    CBCGPProp* item = key.Find(grid);
    if (!item || !TakesText(grid, item)) return false;

    // The dump after the last text is the state before this one: nothing but the probe ran since.
    std::vector<std::string> negativesBefore = lastNegatives_;
    const std::string before = lastValid_ ? last_ : Dump(&negativesBefore);
    std::map<std::string, std::string> shownBefore;
    for (CBCGPPropList* g : grids)
        for (CBCGPProp* shown : platform::GridDriver(g).AllItems())
            if (!shown->IsGroup() || shown->IsValueList()) shownBefore[PathOf(shown)] = shown->FormatProperty().str();
    platform::Responder& responder = platform::Responder::Instance();
    const std::size_t boxesBefore = responder.MessageBoxes().size();
    // A question is declined (the one answer queued); an OK-only box needs no answer.
    responder.QueueAnswer(IDNO);
    bool leftOpen = false;
    try {
        leftOpen = !platform::GridDriver(grid).TypeText(item, text);
    } catch (const std::exception& e) {
        Report(where, key, "threw", text, e.what());
        return false;
    }
    ++typed_;
    const bool refusedByItem = grid->ContainsProperty(item) && ItemRefusedText(item);
    bool rejected = false;
    std::string boxes;
    const std::vector<platform::MessageBoxRecord>& records = responder.MessageBoxes();
    for (std::size_t i = boxesBefore; i < records.size(); ++i) {
        rejected = true;
        boxes += " [" + records[i].text + "]";
    }
    if (responder.PendingAnswers() > 0) {
        const std::string path = responder.ExecutablePath();
        responder.Reset();
        responder.SetExecutablePath(path);
    }
    // The host announces the object again after an edit.
    announce();

    std::vector<std::string> negatives;
    const std::string after = Dump(&negatives);
    last_ = after;
    lastNegatives_ = negatives;
    lastValid_ = true;
    if ((leftOpen || refusedByItem || rejected) && after != before) {
        std::istringstream a(before), b(after);
        std::string la, lb, diff;
        while (std::getline(a, la) && std::getline(b, lb))
            if (la != lb) {
                diff = la + " -> " + lb;
                break;
            }
        if (diff.empty()) diff = "the objects in scope changed in number";
        const char* how = leftOpen ? "the grid kept the editor open" : refusedByItem ? "the item refused it" : "a message box rejected it";
        Report(where, key, "changed the objects although the text was refused", text,
               std::string(how) + boxes + "; first change: " + diff);
    }
    for (const std::string& negative : negatives)
        if (std::find(negativesBefore.begin(), negativesBefore.end(), negative) == negativesBefore.end())
            Report(where, key, "stored a negative size", text, negative);

    grids = GridsOf(page);
    // A width, size or height that took no number (or a negative, or one no double holds) shows
    // the stored value again, not what was typed.
    if (CBCGPProp* edited = gridIndex < static_cast<int>(grids.size())
                                ? key.Find(grids[static_cast<std::size_t>(gridIndex)])
                                : nullptr) {
        const platform::GridDriver::ItemInfo info = platform::GridDriver::Info(edited);
        double typedNumber = 0;
        const bool noSize = !LeadingNumber(text, &typedNumber) || typedNumber < 0 || !std::isfinite(typedNumber) ||
                            text.find_first_not_of("0123456789.eE+- ") != std::string::npos;
        if (NamesASize(info.name) && noSize && !text.empty() && info.value == text)
            Report(where, key, "keeps showing a refused size", text, "it shows \"" + info.value + "\"");
    }
    for (CBCGPPropList* g : grids) {
        for (CBCGPProp* shown : platform::GridDriver(g).AllItems()) {
            if (shown->IsGroup() && !shown->IsValueList()) continue;
            const platform::GridDriver::ItemInfo info = platform::GridDriver::Info(shown);
            const bool echo = info.type == VT_BSTR &&
                              std::find(Corpus().begin(), Corpus().end(), info.value) != Corpus().end();
            // Only what this text changed is its fault.
            const auto was = shownBefore.find(PathOf(shown));
            if (was != shownBefore.end() && was->second == info.value) continue;
            if (!echo && ShowsNonFinite(info.value))
                Report(where, key, "made item \"" + PathOf(shown) + "\" show a number that is not finite", text,
                       "it shows \"" + info.value + "\"");
            // A size shown negative once the text was stored (what the item shows then is what it read back).
            double value = 0;
            if (after != before && NamesASize(info.name) && LeadingNumber(info.value, &value) && value < 0)
                Report(where, key, "made item \"" + PathOf(shown) + "\" show a negative size", text,
                       "it shows \"" + info.value + "\"");
        }
    }
    return true;
}

}  // namespace sweep
