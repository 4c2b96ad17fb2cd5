// libFuzzer target: any bytes as a path through FileExtension and the built-in type tests.
#include "tests/fuzz/FuzzCheck.h"
#include "imaging/FileExtension.h"
#include "portable/Cp932.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view path(reinterpret_cast<const char*>(data), size);
    const std::string extension = FileExtension(path);
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos) {
        Check(extension.empty());
        Check(!IsBuiltInImage(path));
        return 0;
    }
    // Whole tail after the last dot, same length, only single-byte A-Z changed and only to
    // a-z; a byte after a code page 932 lead byte is never changed.
    const std::string_view tail = path.substr(dot + 1);
    Check(extension.size() == tail.size());
    for (std::size_t i = 0; i < tail.size(); ++i) {
        const char in = tail[i];
        const char out = extension[i];
        if (IsCp932LeadByte(static_cast<unsigned char>(in)) && i + 1 < tail.size()) {
            Check(out == in && extension[i + 1] == tail[i + 1]);
            ++i;
            continue;
        }
        Check(in >= 'A' && in <= 'Z' ? out == in - 'A' + 'a' : out == in);
    }
    Check(extension.find('.') == std::string::npos);
    const bool jpeg = extension == "jpg" || extension == "jpeg";
    Check(IsJpegImage(path) == jpeg);
    Check(IsBuiltInImage(path) == (jpeg || extension == "bmp" || extension == "gif"));
    return 0;
}
