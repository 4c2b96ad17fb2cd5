#pragma once
// Registry helpers shared by the runs of the real program.
#include <windows.h>

#include <cstdint>
#include <iosfwd>
#include <string>

// A value below the program's root as the registry holds it.
struct StoredValue {
    bool exists = false;
    DWORD type = REG_NONE;
    std::string bytes;
};

StoredValue ReadStored(const std::string& subKey, const char* name);
// Any type, any size (an unterminated REG_SZ stays unterminated).
void WriteStored(const std::string& subKey, const char* name, DWORD type, const std::string& bytes);
void WriteInt32(const std::string& subKey, const char* name, std::int32_t value);
void WriteText(const std::string& subKey, const char* name, const std::string& text);

// The value as the program writes an int or a flag, to compare whole values at once.
StoredValue Int32Value(std::int32_t value);
StoredValue FlagValue(bool value);
StoredValue TextValue(const std::string& text);
bool operator==(const StoredValue& a, const StoredValue& b);
void PrintTo(const StoredValue& value, std::ostream* out);

