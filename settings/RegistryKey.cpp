#include "settings/RegistryKey.h"

#include "settings/IndexName.h"
#include "settings/RegistryNames.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

constexpr DWORD kMaxStringBytes = 261;  // 260 characters and the terminating zero
constexpr DWORD kMaxBinaryBytes = 4096;

}  // namespace

CRegistryKey CRegistryKey::CreateOrOpen(const std::string& path)
{
    HKEY key = nullptr;
    DWORD disposition = 0;
    const LONG result = RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0,
                                        const_cast<char*>(RegistryNames::kKeyClass),
                                        REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                                        &disposition);
    if (result != ERROR_SUCCESS)
        return CRegistryKey(nullptr, false);
    return CRegistryKey(key, disposition == REG_CREATED_NEW_KEY);
}

CRegistryKey CRegistryKey::OpenExisting(const std::string& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyA(HKEY_CURRENT_USER, path.c_str(), &key) != ERROR_SUCCESS)
        return CRegistryKey(nullptr, false);
    return CRegistryKey(key, false);
}

bool CRegistryKey::Query(const char* name, DWORD& type, void* data, DWORD& size) const
{
    return key_
           && RegQueryValueExA(key_.get(), name, nullptr, &type, static_cast<BYTE*>(data), &size)
                  == ERROR_SUCCESS;
}

bool CRegistryKey::ReadString(const char* name, std::string& value) const
{
    char buffer[kMaxStringBytes] = {};
    DWORD size = sizeof buffer;
    DWORD type = REG_NONE;
    if (!Query(name, type, buffer, size) || type != REG_SZ)
        return false;
    const void* terminator = std::memchr(buffer, '\0', size);
    if (terminator == nullptr)
        return false;
    value.assign(buffer, static_cast<const char*>(terminator) - buffer);
    return true;
}

bool CRegistryKey::ReadInt32(const char* name, std::int32_t& value) const
{
    std::int32_t stored = 0;
    DWORD size = sizeof stored;
    DWORD type = REG_NONE;
    if (!Query(name, type, &stored, size) || size != sizeof stored
        || (type != REG_BINARY && type != REG_DWORD))
        return false;
    value = stored;
    return true;
}

bool CRegistryKey::ReadFlag(const char* name, bool& value) const
{
    BYTE stored = 0;
    DWORD size = sizeof stored;
    DWORD type = REG_NONE;
    if (!Query(name, type, &stored, size) || type != REG_BINARY || size != sizeof stored)
        return false;
    value = stored != 0;
    return true;
}

bool CRegistryKey::ReadBytes(const char* name, std::string& value) const
{
    char buffer[kMaxBinaryBytes];
    DWORD size = sizeof buffer;
    DWORD type = REG_NONE;
    if (!Query(name, type, buffer, size) || type != REG_BINARY)
        return false;
    value.assign(buffer, size);
    return true;
}

void CRegistryKey::WriteBytes(const char* name, const std::string& value) const
{
    if (key_)
        RegSetValueExA(key_.get(), name, 0, REG_BINARY, reinterpret_cast<const BYTE*>(value.data()),
                       static_cast<DWORD>(value.size()));
}

void CRegistryKey::WriteString(const char* name, const std::string& value) const
{
    if (key_)
        RegSetValueExA(key_.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
}

void CRegistryKey::WriteInt32(const char* name, std::int32_t value) const
{
    if (key_)
        RegSetValueExA(key_.get(), name, 0, REG_BINARY, reinterpret_cast<const BYTE*>(&value),
                       sizeof value);
}

void CRegistryKey::WriteFlag(const char* name, bool value) const
{
    const BYTE stored = value ? 1 : 0;
    if (key_)
        RegSetValueExA(key_.get(), name, 0, REG_BINARY, &stored, sizeof stored);
}

void CRegistryKey::WriteList(const std::vector<std::string>& values) const
{
    if (!key_)
        return;
    std::int32_t index = 0;
    for (const std::string& value : values)
        WriteString(IndexName(index++).c_str(), value);
    while (RegDeleteValueA(key_.get(), IndexName(index).c_str()) == ERROR_SUCCESS)
        ++index;
}

std::vector<std::string> CRegistryKey::ReadIndexedValues(std::int32_t count) const
{
    // Enumerating the key rather than probing 0 … count-1 keeps a hostile count
    // (billions) from costing billions of look-ups; the result is the same.
    std::vector<std::int32_t> indexes;
    if (key_) {
        char name[64];
        for (DWORD i = 0;; ++i) {
            DWORD nameSize = sizeof name;
            const LONG result =
                RegEnumValueA(key_.get(), i, name, &nameSize, nullptr, nullptr, nullptr, nullptr);
            if (result == ERROR_MORE_DATA)
                continue;
            if (result != ERROR_SUCCESS)
                break;
            const auto index = ParseIndexName(std::string_view(name, nameSize));
            if (index && *index < count)
                indexes.push_back(*index);
        }
    }
    std::sort(indexes.begin(), indexes.end());
    std::vector<std::string> values;
    for (std::int32_t index : indexes) {
        std::string value;
        if (ReadString(IndexName(index).c_str(), value))
            values.push_back(std::move(value));
    }
    return values;
}

std::vector<std::string> CRegistryKey::ReadListUntilGap() const
{
    std::vector<std::string> values;
    std::string value;
    for (std::int32_t index = 0; ReadString(IndexName(index).c_str(), value); ++index)
        values.push_back(value);
    return values;
}
