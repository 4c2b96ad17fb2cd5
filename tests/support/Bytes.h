#pragma once
// Little-endian fields, as BMP, ICO and TIFF files and the registry's binary values hold them.
// No <windows.h>: the native build's tests use these too.
#include <cstddef>
#include <cstdint>
#include <string>

// The value's bytes, lowest first.
inline std::string Le16(std::uint16_t v)
{
    return {static_cast<char>(v), static_cast<char>(v >> 8)};
}

inline std::string Le32(std::uint32_t v)
{
    return Le16(static_cast<std::uint16_t>(v)) + Le16(static_cast<std::uint16_t>(v >> 16));
}

// Overwrites the field at `at` of a byte string or vector; out_of_range past its end.
template <typename Buffer>
void Put16(Buffer& b, std::size_t at, std::uint16_t v)
{
    b.at(at) = static_cast<typename Buffer::value_type>(v);
    b.at(at + 1) = static_cast<typename Buffer::value_type>(v >> 8);
}

template <typename Buffer>
void Put32(Buffer& b, std::size_t at, std::uint32_t v)
{
    Put16(b, at, static_cast<std::uint16_t>(v));
    Put16(b, at + 2, static_cast<std::uint16_t>(v >> 16));
}

// The field at `at` of a byte string or vector; out_of_range past its end.
template <typename Buffer>
std::uint32_t Get16(const Buffer& b, std::size_t at)
{
    return std::uint32_t{static_cast<std::uint8_t>(b.at(at))}
           | std::uint32_t{static_cast<std::uint8_t>(b.at(at + 1))} << 8;
}

template <typename Buffer>
std::uint32_t Get32(const Buffer& b, std::size_t at)
{
    return Get16(b, at) | Get16(b, at + 2) << 16;
}

// The field at p, where the caller has checked that its bytes are there.
inline std::uint32_t Get32(const void* p)
{
    const auto* u = static_cast<const std::uint8_t*>(p);
    return u[0] | u[1] << 8 | u[2] << 16 | std::uint32_t{u[3]} << 24;
}
