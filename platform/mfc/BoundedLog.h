// A record that cannot grow without bound: it keeps at least the newest `keep` entries, in
// order. When it holds twice that many, the older half goes at once, so an append costs
// constant time on average and readers still see one contiguous vector. Used for what the
// headless platform and the host-library stand-ins record for tests (drawing calls, library
// calls): a host that stays open all day must not grow through its recordings.
#pragma once

#include <cstddef>
#include <iterator>
#include <utility>
#include <vector>

namespace platform {

template <class T>
class BoundedLog {
public:
    explicit BoundedLog(std::size_t keep) : keep_(keep ? keep : 1) {}

    void push_back(T entry) {
        if (items_.size() >= 2 * keep_)
            items_.erase(items_.begin(), items_.end() - static_cast<std::ptrdiff_t>(keep_ - 1));
        items_.push_back(std::move(entry));
    }
    // Appends a whole run (a released device context's calls), trimmed the same way.
    template <class It>
    void append(It first, It last) {
        for (; first != last; ++first) push_back(*first);
    }
    void clear() { items_.clear(); }

    const std::vector<T>& items() const { return items_; }
    std::size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    std::size_t keep() const { return keep_; }

private:
    std::size_t keep_;
    std::vector<T> items_;
};

}  // namespace platform
