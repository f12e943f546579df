#pragma once
// The table solved by the build, loaded once for all advisor tests.

#include <gtest/gtest.h>

#include "SolvedTable.h"

namespace rp::test {

inline const advisor::SolvedTable& solvedTable() {
    static const std::optional<advisor::SolvedTable> table = [] {
        std::string error;
        auto t = advisor::SolvedTable::load(ADVISOR_BIN, error);
        if (!t) ADD_FAILURE() << error;
        return t;
    }();
    if (!table) throw std::runtime_error("no solved table");
    return *table;
}

}  // namespace rp::test
