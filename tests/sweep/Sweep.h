// The sweep of every page: a property window opened the way the host opens it (through the
// family's creator, then the selection message), every tab shown, and every item that takes typed
// text given hostile texts as a user would type them. After each text: no item of the page shows a
// number that is an infinity or not a number; when the item refused the text, the objects the
// window may write (the family's state dump) read back unchanged; no width, size or height read
// back is negative. Pages and items are found in the windows themselves, so a new page or item is
// swept without a change here.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "mfc/Wnd.h"

class CBCGPProp;
class CBCGPPropList;

namespace sweep {

// What the dump of a family's objects reads back through their getters, one field a line.
class State {
public:
    State& Put(const std::string& key, const std::string& value);
    State& Put(const std::string& key, double value);
    // A width, size or height: recorded, and it must never read back negative.
    State& Size(const std::string& key, double value);
    const std::string& Text() const { return text_; }
    const std::vector<std::string>& Negatives() const { return negatives_; }

private:
    std::string text_;
    std::vector<std::string> negatives_;
};
using Dumper = std::function<void(State&)>;

// The texts typed into every item.
const std::vector<std::string>& Corpus();

// Whether a shown text holds a number that is an infinity or not a number ("inf", "-inf", "nan",
// "1.#INF"), as opposed to a word that happens to contain those letters.
bool ShowsNonFinite(const std::string& text);

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
    void Sweep(const std::string& object, const std::function<CWnd*(CWnd*)>& open, LPARAM announced);

    // Every page the sweep reached, as "object / page", and how many texts it typed.
    const std::vector<std::string>& Pages() const { return pages_; }
    int Typed() const { return typed_; }
    // Windows a creator did not make.
    const std::vector<std::string>& Unopened() const { return unopened_; }

private:
    struct Item;
    void SweepGrid(const std::string& where, CWnd& page, int gridIndex, const std::function<void()>& announce);
    bool TypeOne(const std::string& where, CWnd& page, int gridIndex, const Item& key, const std::string& text,
                 const std::function<void()>& announce);
    void Report(const std::string& where, const Item& key, const std::string& what, const std::string& text,
                const std::string& detail);
    std::string Dump(std::vector<std::string>* negatives = nullptr);

    std::string family_;
    Dumper dump_;
    CWnd frame_;
    CWnd view_;
    std::vector<std::string> pages_;
    std::vector<std::string> unopened_;
    int typed_ = 0;
    // The dump after the last text typed, while nothing else has run since.
    std::string last_;
    std::vector<std::string> lastNegatives_;
    bool lastValid_ = false;
    std::vector<std::string> reported_;
};

// Every property grid inside a window, depth first.
std::vector<CBCGPPropList*> GridsOf(CWnd& wnd);

}  // namespace sweep
