#include "SolvedTable.h"

#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "DiceSets.h"

namespace rp::advisor {

namespace {

constexpr char Magic[8] = {'R', 'P', 'A', 'D', 'V', 'I', 'S', 'E'};
constexpr std::size_t VersionField = 48;

struct Header {
    char magic[8];
    char version[VersionField];
    std::uint64_t fingerprint;
    std::uint64_t values;
    double start;  // the start value before rounding to float
};

void mix(std::uint64_t& h, int v) {
    h ^= static_cast<std::uint64_t>(static_cast<std::uint32_t>(v));
    h *= 1099511628211ull;
}

}  // namespace

unsigned long long SolvedTable::rulesFingerprint() {
    std::uint64_t h = 14695981039346656037ull;
    const DiceSets& ds = DiceSets::get();
    // Every entry of every roll in a few columns that between them meet each
    // rule: box open, holding 50, given up; with and without a five of a kind.
    const ColumnState probes[] = {{0, BoxOpen, 0}, {0x0F0, Fifty, 40}, {0x555, FiftyOne, 62},
                                  {0xAAA, GivenUp, 63}, {0x03F, FiftyTwo, 63}};
    Entries entries;
    for (const auto& col : probes)
        for (int m : ds.rolls())
            for (int flag = 0; flag <= 1; ++flag) {
                const int number = ds.dice(m)(1);
                columnEntries(col, m, flag != 0, number, JokerGate::ofColumn(col), entries);
                for (int i = 0; i < entries.count; ++i) {
                    const Entry& e = entries.at[static_cast<std::size_t>(i)];
                    for (int v : {e.row, e.box, e.boxValue, e.chips, e.upperAdd, e.nextMask,
                                  e.nextBonus, entryPoints(col, e)})
                        mix(h, v);
                }
            }
    return h;
}

std::string SolvedTable::save(const std::string& path) const {
    Header head{};
    std::memcpy(head.magic, Magic, sizeof Magic);
    std::strncpy(head.version, RulesVersion, VersionField - 1);
    head.fingerprint = rulesFingerprint();
    head.values = Values;
    head.start = start_;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(&head), sizeof head);
    out.write(reinterpret_cast<const char*>(data()), static_cast<std::streamsize>(Values * sizeof(float)));
    out.close();
    if (!out) return "could not write " + path;
    return {};
}

std::optional<SolvedTable> SolvedTable::load(const std::string& path, std::string& error) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = "The hint needs " + path + ", which is missing.";
        return std::nullopt;
    }
    struct stat st {};
    const bool sized = ::fstat(fd, &st) == 0 && st.st_size >= static_cast<off_t>(sizeof(Header));
    const std::size_t length = sized ? static_cast<std::size_t>(st.st_size) : 0;
    void* base = sized ? ::mmap(nullptr, length, PROT_READ, MAP_PRIVATE, fd, 0) : MAP_FAILED;
    ::close(fd);  // the mapping keeps the file
    if (base == MAP_FAILED) {
        error = path + " is not a solved table of this game.";
        return std::nullopt;
    }
    std::shared_ptr<const void> mapping(base, [length](const void* p) { ::munmap(const_cast<void*>(p), length); });
    // Looked up here and there, never read through.
    ::madvise(base, length, MADV_RANDOM);
    Header head{};
    std::memcpy(&head, base, sizeof head);
    if (std::memcmp(head.magic, Magic, sizeof Magic) != 0) {
        error = path + " is not a solved table of this game.";
        return std::nullopt;
    }
    head.version[VersionField - 1] = '\0';
    if (std::strcmp(head.version, RulesVersion) != 0 || head.fingerprint != rulesFingerprint()) {
        error = path + " was solved for other rules (\"" + std::string(head.version) +
                "\"); this game plays \"" + RulesVersion +
                "\". Build the game again to solve it anew.";
        return std::nullopt;
    }
    if (head.values != Values) {
        error = path + " has the wrong size.";
        return std::nullopt;
    }
    if (length != sizeof head + Values * sizeof(float)) {
        error = path + " is damaged (wrong length).";
        return std::nullopt;
    }
    SolvedTable table{Mapped{}};
    table.start_ = head.start;
    table.mapped_ = reinterpret_cast<const float*>(static_cast<const char*>(base) + sizeof head);
    table.mapping_ = std::move(mapping);
    return table;
}

}  // namespace rp::advisor
