#include "imaging/SpiManager.h"

#include <limits>
#include <new>
#include <vector>

namespace {

using CSpiException = CSpiManager::CSpiException;

// A damaged library must not bring up a system error box.
HMODULE LoadQuietly(const char* path)
{
    const UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE module = LoadLibraryA(path);
    SetErrorMode(previous);
    return module;
}

template <typename Entry>
Entry LookUp(HMODULE module, const char* name)
{
    return reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

std::vector<char> ReadWholeFile(const std::string& path)
{
    const UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, 0, nullptr));
    if (!file)
        throw CSpiException("Failed File Open");
    DWORD high = 0;
    const DWORD size = GetFileSize(file.get(), &high);
    // GetPicture takes the length as a signed long.
    if ((size == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) || high != 0
        || size > static_cast<DWORD>(std::numeric_limits<long>::max()))
        throw CSpiException("Failed File Read");
    std::vector<char> buffer;
    try {
        buffer.resize(size);
    } catch (const std::bad_alloc&) {
        throw CSpiException("Failed File Read");
    }
    DWORD read = 0;
    if (!ReadFile(file.get(), buffer.data(), size, &read, nullptr) || read != size)
        throw CSpiException("Failed File Read");
    return buffer;
}

}  // namespace

CSpi::CSpi(const std::string& path) : module_(LoadQuietly(path.c_str()))
{
    if (!module_)
        throw CSpiException("failed LoadLibrary(CSpi::CSpi)");
    isSupported_ = LookUp<SusieIsSupported>(module_.get(), Susie::kIsSupportedName);
    if (isSupported_ == nullptr)
        throw CSpiException(path + " not support <IsSupported>");
    getPicture_ = LookUp<SusieGetPicture>(module_.get(), Susie::kGetPictureName);
    if (getPicture_ == nullptr)
        throw CSpiException(path + " not support <GetPicture>");
}

CSpi::CSpi(const CSpi& other)
{
    char name[MAX_PATH] = {};
    if (other.module_ && GetModuleFileNameA(other.module_.get(), name, MAX_PATH) != 0)
        module_.reset(LoadQuietly(name));
    if (!module_)
        throw CSpiException("failed LoadLibrary(CSpi::CSpi(CSpi&)");
    isSupported_ = other.isSupported_;
    getPicture_ = other.getPicture_;
}

void CSpi::Release() noexcept
{
    isSupported_ = nullptr;
    getPicture_ = nullptr;
    module_.reset();
}

int CSpi::IsSupported(const std::string& path, const char* head) const
{
    return isSupported_(const_cast<char*>(path.c_str()),
                        static_cast<DWORD>(reinterpret_cast<std::uintptr_t>(head)));
}

void CSpi::LoadFile(const std::string& path, UniqueLocal& info, UniqueLocal& pixels) const
{
    std::vector<char> buffer = ReadWholeFile(path);
    HLOCAL infoHandle = nullptr;
    HLOCAL pixelHandle = nullptr;
    const int result = getPicture_(buffer.data(), static_cast<long>(buffer.size()),
                                   Susie::kInputMemory, &infoHandle, &pixelHandle, nullptr, 0);
    info.reset(infoHandle);
    pixels.reset(pixelHandle);
    if (result != Susie::kSuccess)
        throw CSpiException("Failed Spi Load Picture");
}
