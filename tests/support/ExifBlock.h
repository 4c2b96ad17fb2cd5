#pragma once
// Orientation tags as cameras write them, for pictures made by the tests.
#include <cstdint>
#include <string>

// A TIFF structure whose IFD0 holds one orientation entry (SHORT, count 1) after another
// entry, in Intel ("II") or Motorola ("MM") byte order.
std::string OrientationTiff(std::uint32_t orientation, bool motorola = false);

// jpeg (starting with its SOI marker) with an "Exif" APP1 block holding tiff after SOI.
std::string WithExif(const std::string& jpeg, const std::string& tiff);
