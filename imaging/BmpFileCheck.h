#pragma once
#include <cstddef>
#include <cstdint>

// True when a BMP file's headers describe a colour table, bit fields and pixel rows that all
// lie inside its bytes, so a decoder that reads the file as declared stays inside it. A
// file that does not start with "BM" is no BMP and passes: its own decoder judges it.
bool BmpFitsInFile(const std::uint8_t* data, std::size_t size);
