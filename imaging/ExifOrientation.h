#pragma once
// The orientation tag (EXIF 0x0112) that cameras and phones store beside pixels they keep
// as the sensor saw them.
#include <cstddef>
#include <cstdint>

// How much of a file's start the tag is looked for in.
inline constexpr std::size_t kOrientationHeadBytes = 64 * 1024;

// The orientation of a JPEG (its "Exif" APP1 block) or a TIFF file, from at most its first
// kOrientationHeadBytes bytes: 1 to 8, or 1 when there is none or it cannot be trusted
// (another value, a block cut short, an offset outside the block).
int PictureOrientation(const std::uint8_t* head, std::size_t size) noexcept;
