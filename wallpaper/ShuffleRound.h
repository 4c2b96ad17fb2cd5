#pragma once
// A round of the random order, kept across runs. Each file's place in a round follows from
// the round's seed and the file's full path alone, so a restart or a one-shot run orders the
// same list the same way and goes on where the last run stopped, and a changed list still
// tells which of its files have shown.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A file's place in a round: files set back (shown in the round before the list changed)
// come after all others; then by hash.
struct RoundKey {
    std::uint32_t setBack = 0;
    std::uint64_t hash = 0;
};
bool operator<(const RoundKey& a, const RoundKey& b) noexcept;
bool operator==(const RoundKey& a, const RoundKey& b) noexcept;

struct ShuffleRound {
    std::uint32_t seed = 0;
    // The round before the list changed: its files up to setBackLast showed, and are set back.
    bool setsBack = false;
    std::uint32_t setBackSeed = 0;
    std::uint64_t setBackLast = 0;
    // The last file shown in this round; none at its start.
    bool started = false;
    RoundKey last;
    // The list the round is of (ListSignature).
    std::uint64_t signature = 0;
};

RoundKey KeyIn(const ShuffleRound& round, const std::string& path);
// The signature of a list of full paths, in name order.
std::uint64_t ListSignature(const std::vector<std::string>& paths);
// A new round with this seed over a changed list, setting back what round showed. One change
// deep: what its own set-back files showed is not carried on.
ShuffleRound RoundAfterChange(const ShuffleRound& round, std::uint32_t seed,
                              std::uint64_t signature);

// The stored form, 35 bytes little-endian; nothing for bytes of any other form.
std::string RoundBytes(const ShuffleRound& round);
std::optional<ShuffleRound> ParseRound(const std::string& bytes);
