#include "engine/ProcessFileName.h"

#include "portable/Cp932.h"

std::string ProcessFileName(std::string_view exeFile)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < exeFile.size(); ++i) {
        if (IsCp932LeadByte(static_cast<unsigned char>(exeFile[i])))
            ++i;
        else if (exeFile[i] == '\\')
            start = i + 1;
    }
    return std::string(exeFile.substr(start));
}
