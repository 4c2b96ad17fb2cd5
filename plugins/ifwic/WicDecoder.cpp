#include "plugins/ifwic/WicDecoder.h"

#include "plugins/ifwic/BgraToDib.h"
#include "portable/DibLayout.h"
#include "susie/SusiePlugin.h"
#include "win32/ComApartment.h"
#include "win32/ComPtr.h"
#include "win32/GuardedCall.h"
#include "win32/UniqueHandle.h"

#include <wincodec.h>

#include <cstdint>
#include <vector>

namespace {

// Larger pictures are refused rather than risking arithmetic overflow on 32 bits.
constexpr UINT kMaxSide = 65536;
constexpr std::uint64_t kMaxBytes = 0x7FFFFFFF;

const GUID* ContainerOf(ImageFormat format)
{
    switch (format) {
    case ImageFormat::Png: return &GUID_ContainerFormatPng;
    case ImageFormat::Tiff: return &GUID_ContainerFormatTiff;
    case ImageFormat::Ico: return &GUID_ContainerFormatIco;
    case ImageFormat::Jpeg: return &GUID_ContainerFormatJpeg;
    case ImageFormat::Gif: return &GUID_ContainerFormatGif;
    case ImageFormat::Bmp: return &GUID_ContainerFormatBmp;
    case ImageFormat::Webp: return &GUID_ContainerFormatWebp;
    case ImageFormat::Heif: return &GUID_ContainerFormatHeif;
    case ImageFormat::JpegXr: return &GUID_ContainerFormatWmp;
    case ImageFormat::Unknown: break;
    }
    return nullptr;
}

ComPtr<IWICImagingFactory> CreateFactory()
{
    ComPtr<IWICImagingFactory> factory;
    CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                     IID_IWICImagingFactory, factory.put_void());
    return factory;
}

// The first frame as 32-bit BGRA with straight alpha, or null.
ComPtr<IWICBitmapSource> FirstFrameAsBgra(IWICImagingFactory* factory, const BYTE* data,
                                          DWORD size)
{
    ComPtr<IWICStream> stream;
    if (FAILED(factory->CreateStream(stream.put()))
        || FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(data), size)))
        return {};
    ComPtr<IWICBitmapDecoder> decoder;
    if (FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr,
                                                WICDecodeMetadataCacheOnDemand, decoder.put())))
        return {};
    ComPtr<IWICBitmapFrameDecode> frame;
    if (FAILED(decoder->GetFrame(0, frame.put())))
        return {};
    ComPtr<IWICBitmapSource> bgra;
    if (FAILED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGRA, frame.get(), bgra.put())))
        return {};
    return bgra;
}

UniqueLocal AllocateLocal(std::size_t size)
{
    return UniqueLocal(LocalAlloc(LMEM_FIXED | LMEM_ZEROINIT, size));
}

int Decode(const BYTE* data, DWORD size, HLOCAL* info, HLOCAL* pixels)
{
    const ComApartment com;
    if (!com.Usable())
        return Susie::kInternalError;
    const ComPtr<IWICImagingFactory> factory = CreateFactory();
    if (!factory)
        return Susie::kInternalError;
    const ComPtr<IWICBitmapSource> source = FirstFrameAsBgra(factory.get(), data, size);
    if (!source)
        return Susie::kBrokenData;
    UINT width = 0;
    UINT height = 0;
    if (FAILED(source->GetSize(&width, &height)) || width == 0 || height == 0
        || width > kMaxSide || height > kMaxSide)
        return Susie::kBrokenData;
    const std::uint64_t bgraBytes = std::uint64_t{width} * 4 * height;
    const std::uint64_t dibBytes = DibStride(width, 24) * height;
    if (bgraBytes > kMaxBytes || dibBytes > kMaxBytes)
        return Susie::kNoMemory;

    std::vector<BYTE> bgra(static_cast<std::size_t>(bgraBytes));
    if (FAILED(source->CopyPixels(nullptr, width * 4, static_cast<UINT>(bgraBytes), bgra.data())))
        return Susie::kBrokenData;

    UniqueLocal header = AllocateLocal(sizeof(BITMAPINFOHEADER));
    UniqueLocal rows = AllocateLocal(static_cast<std::size_t>(dibBytes));
    if (!header || !rows)
        return Susie::kNoMemory;
    auto* bih = static_cast<BITMAPINFOHEADER*>(static_cast<void*>(header.get()));
    bih->biSize = sizeof(BITMAPINFOHEADER);
    bih->biWidth = static_cast<LONG>(width);
    bih->biHeight = static_cast<LONG>(height);
    bih->biPlanes = 1;
    bih->biBitCount = 24;
    bih->biCompression = BI_RGB;
    BgraToBottomUpBgr24(bgra.data(), width, height, static_cast<BYTE*>(rows.get()));
    *info = header.release();
    *pixels = rows.release();
    return Susie::kSuccess;
}

}  // namespace

bool HasWicDecoder(ImageFormat format) noexcept
{
    const GUID* container = ContainerOf(format);
    if (container == nullptr)
        return false;
    const ComApartment com;
    if (!com.Usable())
        return false;
    const ComPtr<IWICImagingFactory> factory = CreateFactory();
    ComPtr<IWICBitmapDecoder> decoder;
    return factory && SUCCEEDED(factory->CreateDecoder(*container, nullptr, decoder.put()));
}

int DecodeToDib(const BYTE* data, DWORD size, HLOCAL* info, HLOCAL* pixels) noexcept
{
    return GuardedCall([&] { return Decode(data, size, info, pixels); },
                       [] { return HandlingOutOfMemory() ? Susie::kNoMemory : Susie::kInternalError; });
}
