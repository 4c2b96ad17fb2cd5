#include "app/TrayTip.h"

#include "portable/Cp932.h"

std::string TrayTip(const std::string& title, const std::vector<std::string>& names,
                    std::size_t capacity)
{
    std::string tip = title;
    for (const std::string& name : names)
        tip += "\n" + name;
    if (capacity == 0)
        return {};
    std::size_t end = 0;
    for (std::size_t i = 0; i < tip.size();) {
        const std::size_t width =
            IsCp932LeadByte(static_cast<unsigned char>(tip[i])) && i + 1 < tip.size() ? 2 : 1;
        if (i + width > capacity - 1)
            break;
        i += width;
        end = i;
    }
    tip.resize(end);
    return tip;
}
