#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Names of list values: the decimal index, "0", "1", … with no sign or leading zero.
std::string IndexName(std::int32_t index);
// The index a name stands for, or nothing when it is not such a name (or exceeds int32).
std::optional<std::int32_t> ParseIndexName(std::string_view name);
