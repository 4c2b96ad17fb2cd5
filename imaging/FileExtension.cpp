#include "imaging/FileExtension.h"

std::string FileExtension(std::string_view path)
{
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos)
        return std::string();
    std::string extension(path.substr(dot + 1));
    for (char& c : extension) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return extension;
}

bool IsOleImage(std::string_view path)
{
    const std::string extension = FileExtension(path);
    return extension == "jpg" || extension == "bmp" || extension == "gif";
}
