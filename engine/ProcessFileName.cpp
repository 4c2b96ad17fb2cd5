#include "engine/ProcessFileName.h"

namespace {

bool IsLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

}  // namespace

std::string ProcessFileName(std::string_view exeFile)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < exeFile.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(exeFile[i])))
            ++i;
        else if (exeFile[i] == '\\')
            start = i + 1;
    }
    return std::string(exeFile.substr(start));
}
