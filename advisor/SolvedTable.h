#pragma once
// The expected points still to come from every between-turn state of a
// one-column game played alone with best play, as solved by tools/solver
// and stored in advisor.bin beside the game.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Column.h"

namespace rp::advisor {

// Names the rules the table was solved for. Change it with any change of the
// rules or of the file's layout; the fingerprint below also catches a
// change of the box values.
inline constexpr const char* RulesVersion = "one-column rules 2";

class SolvedTable {
public:
    static constexpr int Lanes = 64;  // upper subtotals 0..63
    static constexpr std::size_t Values = std::size_t{4096} * BonusStates * Lanes;

    SolvedTable() : values_(Values, 0.0f) {}

    float value(const ColumnState& s) const {
        return s.terminal() ? 0.0f : data()[index(s.mask, s.bonus) + static_cast<std::size_t>(s.upper)];
    }
    // Only a table being solved is written.
    float* lanes(int mask, int bonus) { return values_.data() + index(mask, bonus); }
    const float* lanes(int mask, int bonus) const { return data() + index(mask, bonus); }
    // Expected final score of a whole one-column game with best play, as
    // solved (in double; the values above are stored as floats).
    double startValue() const { return start_; }
    void setStartValue(double v) { start_ = v; }

    // Empty on success, else a message for the player.
    std::string save(const std::string& path) const;
    // The file is mapped, not read: only the pages a game looks at are
    // brought in, and the system may drop them again, as they stay on disk.
    static std::optional<SolvedTable> load(const std::string& path, std::string& error);

    // A digest of the box values and rule constants the table depends on.
    static unsigned long long rulesFingerprint();

private:
    static std::size_t index(int mask, int bonus) {
        return (static_cast<std::size_t>(mask) * BonusStates + static_cast<std::size_t>(bonus)) * Lanes;
    }
    struct Mapped {};
    explicit SolvedTable(Mapped) {}
    const float* data() const { return mapping_ ? mapped_ : values_.data(); }

    std::vector<float> values_;           // a table being solved
    std::shared_ptr<const void> mapping_;  // a loaded one: the file, mapped
    const float* mapped_ = nullptr;
    double start_ = 0;
};

}  // namespace rp::advisor
