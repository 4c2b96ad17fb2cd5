#pragma once
#include <windows.h>

#include <functional>
#include <string>

// Why a file could not be read whole.
enum class ReadFailure {
    None,
    Open,     // it could not be opened for reading
    TooLarge, // it holds more than the caller takes
    Read,     // no memory for it, or the read fell short
};

// Reads the whole file (others may read it meanwhile) into the memory allocate(size) gives
// for its size, which must be at most maxSize; allocate may return null for no memory (an
// empty file needs none).
ReadFailure ReadWholeFile(const std::string& path, DWORD maxSize,
                          const std::function<void*(DWORD size)>& allocate);
