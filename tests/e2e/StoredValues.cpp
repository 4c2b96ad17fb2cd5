#include "tests/e2e/StoredValues.h"

#include "win32/UniqueHandle.h"
#include "settings/RegistryNames.h"
#include "tests/support/Bytes.h"

#include <iomanip>
#include <ostream>
#include <vector>

namespace {

std::string KeyPath(const std::string& subKey)
{
    return RegistryNames::kRootPath + subKey;
}

}  // namespace

StoredValue ReadStored(const std::string& subKey, const char* name)
{
    StoredValue value;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, KeyPath(subKey).c_str(), 0, KEY_READ, &key)
        != ERROR_SUCCESS)
        return value;
    const UniqueRegKey owner(key);
    DWORD size = 0;
    if (RegQueryValueExA(key, name, nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS)
        return value;
    std::vector<char> data(size + 1);
    if (RegQueryValueExA(key, name, nullptr, &value.type, reinterpret_cast<BYTE*>(data.data()),
                         &size)
        != ERROR_SUCCESS)
        return value;
    value.exists = true;
    value.bytes.assign(data.data(), size);
    return value;
}

void WriteStored(const std::string& subKey, const char* name, DWORD type, const std::string& bytes)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, KeyPath(subKey).c_str(), 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr)
        != ERROR_SUCCESS)
        return;
    const UniqueRegKey owner(key);
    RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                   static_cast<DWORD>(bytes.size()));
}

void WriteInt32(const std::string& subKey, const char* name, std::int32_t value)
{
    WriteStored(subKey, name, REG_BINARY, Int32Value(value).bytes);
}

void WriteText(const std::string& subKey, const char* name, const std::string& text)
{
    WriteStored(subKey, name, REG_SZ, TextValue(text).bytes);
}

StoredValue Int32Value(std::int32_t value)
{
    return {true, REG_BINARY, Le32(static_cast<std::uint32_t>(value))};
}

StoredValue FlagValue(bool value)
{
    return {true, REG_BINARY, std::string(1, value ? '\1' : '\0')};
}

StoredValue TextValue(const std::string& text)
{
    return {true, REG_SZ, text + '\0'};
}

bool operator==(const StoredValue& a, const StoredValue& b)
{
    return a.exists == b.exists && (!a.exists || (a.type == b.type && a.bytes == b.bytes));
}

void PrintTo(const StoredValue& value, std::ostream* out)
{
    if (!value.exists) {
        *out << "<missing>";
        return;
    }
    *out << "type " << value.type << ", " << value.bytes.size() << " bytes:";
    for (std::size_t i = 0; i < value.bytes.size() && i < 16; ++i)
        *out << ' ' << std::hex << std::setw(2) << std::setfill('0')
             << (static_cast<unsigned>(value.bytes[i]) & 0xff) << std::dec;
}
