#include "wallpaper/ShuffleRound.h"

#include "portable/ByteOrder.h"

#include <cstddef>
#include <limits>
#include <tuple>

namespace {

constexpr std::uint64_t kFnvBasis = 0xcbf29ce484222325ull;
constexpr std::uint64_t kFnvPrime = 0x100000001b3ull;
constexpr std::size_t kStoredBytes = 35;

std::uint64_t Fnv(std::uint64_t hash, const void* data, std::size_t size)
{
    for (std::size_t i = 0; i < size; ++i)
        hash = (hash ^ static_cast<const std::uint8_t*>(data)[i]) * kFnvPrime;
    return hash;
}

// FNV alone orders paths that differ only at their end nearly alike; the finish spreads them.
std::uint64_t Finish(std::uint64_t x)
{
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
    return x ^ (x >> 31);
}

std::uint64_t PathHash(std::uint32_t seed, const std::string& path)
{
    std::uint8_t seedBytes[4];
    PutLe32(seedBytes, seed);
    return Finish(Fnv(Fnv(kFnvBasis, seedBytes, sizeof seedBytes), path.data(), path.size()));
}

std::uint64_t Le64(const std::uint8_t* p)
{
    return Le32(p) | (static_cast<std::uint64_t>(Le32(p + 4)) << 32);
}

void PutLe64(std::uint8_t* p, std::uint64_t value)
{
    PutLe32(p, static_cast<std::uint32_t>(value));
    PutLe32(p + 4, static_cast<std::uint32_t>(value >> 32));
}

}  // namespace

bool operator<(const RoundKey& a, const RoundKey& b) noexcept
{
    return std::tie(a.setBack, a.hash) < std::tie(b.setBack, b.hash);
}

bool operator==(const RoundKey& a, const RoundKey& b) noexcept
{
    return a.setBack == b.setBack && a.hash == b.hash;
}

RoundKey KeyIn(const ShuffleRound& round, const std::string& path)
{
    RoundKey key;
    key.setBack = round.setsBack && PathHash(round.setBackSeed, path) <= round.setBackLast;
    key.hash = PathHash(round.seed, path);
    return key;
}

std::uint64_t ListSignature(const std::vector<std::string>& paths)
{
    std::uint64_t hash = kFnvBasis;
    for (const std::string& path : paths)
        hash = Fnv(hash, path.c_str(), path.size() + 1);
    return hash;
}

ShuffleRound RoundAfterChange(const ShuffleRound& round, std::uint32_t seed,
                              std::uint64_t signature)
{
    ShuffleRound next;
    next.seed = seed;
    next.signature = signature;
    next.setsBack = round.started;
    next.setBackSeed = round.seed;
    // Once the round was into its own set-back files, about everything had shown.
    next.setBackLast = round.last.setBack != 0 ? std::numeric_limits<std::uint64_t>::max()
                                                : round.last.hash;
    return next;
}

std::string RoundBytes(const ShuffleRound& round)
{
    std::uint8_t bytes[kStoredBytes] = {};
    PutLe32(bytes, round.seed);
    bytes[4] = round.setsBack;
    PutLe32(bytes + 5, round.setBackSeed);
    PutLe64(bytes + 9, round.setBackLast);
    bytes[17] = round.started;
    bytes[18] = static_cast<std::uint8_t>(round.last.setBack);
    PutLe64(bytes + 19, round.last.hash);
    PutLe64(bytes + 27, round.signature);
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

std::optional<ShuffleRound> ParseRound(const std::string& stored)
{
    if (stored.size() != kStoredBytes)
        return std::nullopt;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(stored.data());
    if (bytes[4] > 1 || bytes[17] > 1 || bytes[18] > 1)
        return std::nullopt;
    ShuffleRound round;
    round.seed = Le32(bytes);
    round.setsBack = bytes[4] != 0;
    round.setBackSeed = Le32(bytes + 5);
    round.setBackLast = Le64(bytes + 9);
    round.started = bytes[17] != 0;
    round.last.setBack = bytes[18];
    round.last.hash = Le64(bytes + 19);
    round.signature = Le64(bytes + 27);
    return round;
}
