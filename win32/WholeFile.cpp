#include "win32/WholeFile.h"

#include "win32/UniqueHandle.h"

ReadFailure ReadWholeFile(const std::string& path, DWORD maxSize,
                          const std::function<void*(DWORD size)>& allocate)
{
    const UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return ReadFailure::Open;
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > maxSize)
        return ReadFailure::TooLarge;
    const auto bytes = static_cast<DWORD>(size.QuadPart);
    void* const data = allocate(bytes);
    DWORD read = 0;
    if ((data == nullptr && bytes != 0) || !ReadFile(file.get(), data, bytes, &read, nullptr) || read != bytes)
        return ReadFailure::Read;
    return ReadFailure::None;
}
