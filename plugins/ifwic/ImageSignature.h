#pragma once
#include <cstddef>
#include <cstdint>

// The formats ifwic hands to the imaging component, told apart by their first bytes.
enum class ImageFormat { Unknown, Png, Tiff, Ico, Jpeg, Gif, Bmp, Webp, Heif, JpegXr };

// head: the start of the file, size bytes of it (the name is never consulted).
ImageFormat SniffImageFormat(const std::uint8_t* head, std::size_t size);
