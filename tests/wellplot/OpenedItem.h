// A page open on a kit and one of its items, found anew each time (a refresh may build it again),
// with what it takes to type into the item, show the kit again and count the page's redraws.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "bcg/Prop.h"
#include "hosttypes/Zephyr/WpKit.h"

namespace wptest {

struct Opened {
    std::shared_ptr<void> page;  // keeps the page and its plot alive
    CWpKit* kit = nullptr;
    std::function<CBCGPProp*()> item;
    std::function<bool(const std::string&)> type;
    std::function<void()> announce;  // the host shows the kit again
    std::function<int()> redraws;
};

// Shows kit on page; find gives the item on the page.
template <class Page, class Find>
Opened OpenOn(std::shared_ptr<Page> page, CWpKit* kit, Find find) {
    page->Show(kit);
    Page* p = page.get();
    std::function<CBCGPProp*()> item = [p, find] { return find(*p); };
    return {page,
            kit,
            item,
            [p, item](const std::string& text) { return p->Type(item(), text); },
            [p, kit] { p->Show(kit); },
            [p] { return p->Redraws(); }};
}

}  // namespace wptest
