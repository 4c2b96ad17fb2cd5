#include "settings/IndexName.h"

#include <limits>

std::string IndexName(std::int32_t index)
{
    return std::to_string(index);
}

std::optional<std::int32_t> ParseIndexName(std::string_view name)
{
    if (name.empty() || (name.size() > 1 && name[0] == '0'))
        return std::nullopt;
    std::int64_t value = 0;
    for (char c : name) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<std::int32_t>::max())
            return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}
