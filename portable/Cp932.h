#pragma once
// Code page 932, the program's narrow text: a lead byte and the byte after it are one
// character, and that second byte may equal '\\' or an ASCII letter.

inline bool IsCp932LeadByte(unsigned char byte) noexcept
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
