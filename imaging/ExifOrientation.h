#pragma once
// The orientation tag (EXIF 0x0112) that cameras and phones store beside pixels they keep
// as the sensor saw them.
#include <cstddef>
#include <cstdint>
#include <functional>

// How much of a file's start a JPEG's "Exif" block is looked for in.
inline constexpr std::size_t kOrientationHeadBytes = 64 * 1024;

// Reads up to size bytes at offset of a file into `into`; returns how many it read (fewer
// at the file's end, 0 on a failure).
using ReadFileBytes =
    std::function<std::size_t(std::uint64_t offset, std::uint8_t* into, std::size_t size)>;

// The orientation of a JPEG (its "Exif" APP1 block, within the first kOrientationHeadBytes)
// or a TIFF file (its first directory, wherever the header says it lies): 1 to 8, or 1 when
// there is none or it cannot be trusted (another value, a block cut short, an offset
// outside the block or the file).
int FileOrientation(const ReadFileBytes& read);
// The same for a file held whole in memory.
int PictureOrientation(const std::uint8_t* file, std::size_t size);
