// A record that cannot grow without bound: it keeps at least the newest `keep` entries, in
// order. When it holds twice that many, the older half goes at once, so an append costs
// constant time on average and readers still see one contiguous vector. (A run taken over whole
// may be longer than that: it is bounded by what made it.) Used for what the
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
    // Takes over a whole run (a released device context's calls). When the run would pass the
    // bound, what came before it goes: the record then holds the run alone (all of it, however
    // long), which costs no copy.
    void take(std::vector<T>&& run) {
        if (items_.size() + run.size() > 2 * keep_) items_.clear();
        if (items_.empty()) {
            items_.swap(run);
        } else {
            items_.insert(items_.end(), std::make_move_iterator(run.begin()), std::make_move_iterator(run.end()));
        }
        run.clear();
    }
    // The entries, handed over (the record is left empty).
    std::vector<T> release() {
        std::vector<T> out;
        out.swap(items_);
        return out;
    }
    void clear() { items_.clear(); }
    void reserve(std::size_t n) { items_.reserve(n < 2 * keep_ ? n : 2 * keep_); }

    const std::vector<T>& items() const { return items_; }
    std::size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    std::size_t keep() const { return keep_; }

private:
    std::size_t keep_;
    std::vector<T> items_;
};

}  // namespace platform
