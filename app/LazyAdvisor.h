#pragma once
// The solved table behind the hint is 5 MB the game does not need until
// someone asks: it is read on the first hint (or at the end of a solo
// one-column game) and kept. A missing or stale file is tried once; its
// reason is given every time.

#include <optional>
#include <string>

#include "SolvedTable.h"

namespace rp {

class LazyAdvisor {
public:
    explicit LazyAdvisor(std::string path) : path_(std::move(path)) {}

    const advisor::SolvedTable* get(std::string& error) {
        if (!tried_) {
            tried_ = true;
            table_ = advisor::SolvedTable::load(path_, error_);
        }
        if (!table_) error = error_;
        return table_ ? &*table_ : nullptr;
    }

    // Expected final score of a solo one-column game with best play.
    std::optional<double> startValue() {
        std::string ignored;
        const advisor::SolvedTable* t = get(ignored);
        return t ? std::optional<double>(t->startValue()) : std::nullopt;
    }

private:
    std::string path_;
    bool tried_ = false;
    std::optional<advisor::SolvedTable> table_;
    std::string error_;
};

}  // namespace rp
