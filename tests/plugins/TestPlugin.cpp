// A test plug-in for the tiny picture format; built once per magic (TEST_PLUGIN_MAGIC) so a
// directory can hold two plug-ins that accept different files. It also keeps a record of
// what it was offered, for the host's tests to read through "TestOffers".
#include "susie/SusiePlugin.h"
#include "tests/plugins/TestPictureFormat.h"

#include <cstdint>
#include <cstring>
#include <type_traits>

extern "C" {
int WINAPI IsSupported(char* filename, ULONG_PTR head);
int WINAPI GetPicture(char* buf, long len, unsigned int flag, HLOCAL* info, HLOCAL* pixels,
                      FARPROC progress, long data);
int WINAPI TestOffers(char* lastHead);
}

static_assert(std::is_same_v<decltype(&IsSupported), SusieIsSupported>);
static_assert(std::is_same_v<decltype(&GetPicture), SusieGetPicture>);

namespace {

int g_offers = 0;
char g_lastHead[Susie::kHeadSize] = {};

// Moveable blocks, so a host that takes a handle for an address fails the tests.
HLOCAL CopyToLocal(const char* data, std::uint32_t size)
{
    HLOCAL block = LocalAlloc(LMEM_MOVEABLE, size);
    if (block == nullptr)
        return nullptr;
    void* at = LocalLock(block);
    if (size != 0)
        std::memcpy(at, data, size);
    LocalUnlock(block);
    return block;
}

}  // namespace

int WINAPI IsSupported(char*, ULONG_PTR head)
{
    const char* bytes = reinterpret_cast<const char*>(static_cast<std::uintptr_t>(head));
    ++g_offers;
    std::memcpy(g_lastHead, bytes, Susie::kHeadSize);
    return std::memcmp(bytes, TEST_PLUGIN_MAGIC, 4) == 0 ? 1 : 0;
}

int WINAPI GetPicture(char* buf, long len, unsigned int flag, HLOCAL* info, HLOCAL* pixels,
                      FARPROC, long)
{
    TestPicture::Blocks blocks;
    if ((flag & Susie::kInputMask) != Susie::kInputMemory || len < 0
        || !TestPicture::Decode(buf, static_cast<std::size_t>(len), TEST_PLUGIN_MAGIC, blocks))
        return Susie::kUnknownFormat;
    *info = CopyToLocal(blocks.info, blocks.infoSize);
    *pixels = CopyToLocal(blocks.pixels, blocks.pixelSize);
    return *info != nullptr && *pixels != nullptr ? Susie::kSuccess : Susie::kNoMemory;
}

// Number of IsSupported calls so far; copies the last head block offered into lastHead.
int WINAPI TestOffers(char* lastHead)
{
    std::memcpy(lastHead, g_lastHead, Susie::kHeadSize);
    return g_offers;
}
