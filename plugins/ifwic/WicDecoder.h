#pragma once
#include "plugins/ifwic/ImageSignature.h"

#include <windows.h>

// The imaging component of this system has a decoder for the format (WebP, HEIF and
// JPEG XR depend on installed codecs).
bool HasWicDecoder(ImageFormat format) noexcept;

// Decodes the first frame of the memory image into a bottom-up 24-bit DIB, alpha composited
// over black: *info gets a BITMAPINFOHEADER, *pixels the rows, both LocalAlloc blocks.
// Returns a "GetPicture" result; on failure both stay untouched.
int DecodeToDib(const BYTE* data, DWORD size, HLOCAL* info, HLOCAL* pixels) noexcept;
