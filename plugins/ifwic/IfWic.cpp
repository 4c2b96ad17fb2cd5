// ifwic.spi: a Susie image plug-in on the Windows Imaging Component (PNG, TIFF, ICO, JPEG,
// GIF, BMP, and WebP, HEIF and JPEG XR where the system has their codecs).
#include "susie/SusiePlugin.h"
#include "plugins/ifwic/ImageSignature.h"
#include "plugins/ifwic/WicDecoder.h"

#include <cstdint>
#include <type_traits>

extern "C" {
int WINAPI IsSupported(char* filename, ULONG_PTR head);
int WINAPI GetPicture(char* buf, long len, unsigned int flag, HLOCAL* info, HLOCAL* pixels,
                      FARPROC progress, long data);
}

static_assert(std::is_same_v<decltype(&IsSupported), SusieIsSupported>);
static_assert(std::is_same_v<decltype(&GetPicture), SusieGetPicture>);

// The decision rests on the head block alone. A value whose high word is zero is a file
// handle in the interface's older form; this plug-in does not read from handles.
int WINAPI IsSupported(char*, ULONG_PTR head)
{
    if ((head & 0xFFFF0000) == 0)
        return 0;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(static_cast<std::uintptr_t>(head));
    return HasWicDecoder(SniffImageFormat(bytes, Susie::kHeadSize)) ? 1 : 0;
}

// Memory images only: the host always passes the whole file.
int WINAPI GetPicture(char* buf, long len, unsigned int flag, HLOCAL* info, HLOCAL* pixels,
                      FARPROC, long)
{
    if ((flag & Susie::kInputMask) != Susie::kInputMemory)
        return Susie::kNotImplemented;
    if (buf == nullptr || len <= 0 || info == nullptr || pixels == nullptr)
        return Susie::kUnknownFormat;
    const auto* data = reinterpret_cast<const BYTE*>(buf);
    if (SniffImageFormat(data, static_cast<std::size_t>(len)) == ImageFormat::Unknown)
        return Susie::kUnknownFormat;
    return DecodeToDib(data, static_cast<DWORD>(len), info, pixels);
}
