#include "imaging/SpiManager.h"

#include "win32/Module.h"
#include "win32/WholeFile.h"

#include <limits>
#include <new>
#include <vector>

namespace {

using CSpiException = CSpiManager::CSpiException;

// The whole file for GetPicture, which takes its length as a signed long.
std::vector<char> ReadPluginInput(const std::string& path)
{
    std::vector<char> buffer;
    const ReadFailure failure = ReadWholeFile(
        path, static_cast<DWORD>(std::numeric_limits<long>::max()), [&](DWORD size) -> void* {
            try {
                buffer.resize(size);
            } catch (const std::bad_alloc&) {
                return nullptr;
            }
            return buffer.data();
        });
    if (failure == ReadFailure::Open)
        throw CSpiException("Failed File Open");
    if (failure != ReadFailure::None)
        throw CSpiException("Failed File Read");
    return buffer;
}

}  // namespace

CSpi::CSpi(const std::string& path) : path_(path), module_(LoadModuleQuietly(path.c_str()))
{
    if (!module_)
        throw CSpiException("failed LoadLibrary(CSpi::CSpi)");
    isSupported_ = GetModuleFunction<SusieIsSupported>(module_.get(), Susie::kIsSupportedName);
    if (isSupported_ == nullptr)
        throw CSpiException(path + " not support <IsSupported>");
    getPicture_ = GetModuleFunction<SusieGetPicture>(module_.get(), Susie::kGetPictureName);
    if (getPicture_ == nullptr)
        throw CSpiException(path + " not support <GetPicture>");
}

CSpi::CSpi(const CSpi& other) : path_(other.path_)
{
    if (other.module_)
        module_ = LoadModuleQuietly(path_.c_str());
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
                        static_cast<ULONG_PTR>(reinterpret_cast<std::uintptr_t>(head)));
}

void CSpi::LoadFile(const std::string& path, UniqueLocal& info, UniqueLocal& pixels) const
{
    std::vector<char> buffer = ReadPluginInput(path);
    HLOCAL infoHandle = nullptr;
    HLOCAL pixelHandle = nullptr;
    const int result = getPicture_(buffer.data(), static_cast<long>(buffer.size()),
                                   Susie::kInputMemory, &infoHandle, &pixelHandle, nullptr, 0);
    info.reset(infoHandle);
    pixels.reset(pixelHandle);
    if (result != Susie::kSuccess)
        throw CSpiException("Failed Spi Load Picture");
}
