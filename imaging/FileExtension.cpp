#include "imaging/FileExtension.h"

#include "portable/Cp932.h"

std::string FileExtension(std::string_view path)
{
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos)
        return std::string();
    // A '.' is never the second byte of a character, so the walk starts in step.
    std::string extension(path.substr(dot + 1));
    for (std::size_t i = 0; i < extension.size(); ++i) {
        char& c = extension[i];
        if (IsCp932LeadByte(static_cast<unsigned char>(c)))
            ++i;
        else if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return extension;
}

bool IsBuiltInImage(std::string_view path)
{
    const std::string extension = FileExtension(path);
    return extension == "jpg" || extension == "jpeg" || extension == "bmp" || extension == "gif";
}

bool IsJpegImage(std::string_view path)
{
    const std::string extension = FileExtension(path);
    return extension == "jpg" || extension == "jpeg";
}
