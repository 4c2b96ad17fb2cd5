#include "tests/support/ScratchRegistry.h"

#include "win32/UniqueHandle.h"

#include <shlwapi.h>

#include <atomic>
#include <vector>

namespace {

std::atomic<int> g_counter{0};

UniqueRegKey Open(const std::string& path)
{
    HKEY key = nullptr;
    RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_ALL_ACCESS, &key);
    return UniqueRegKey(key);
}

UniqueRegKey Create(const std::string& path)
{
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    return UniqueRegKey(key);
}

}  // namespace

ScratchRegistry::ScratchRegistry()
    : root_("Software\\TesselTests\\" + std::to_string(GetCurrentProcessId()) + "_"
            + std::to_string(g_counter++))
{
    SHDeleteKeyA(HKEY_CURRENT_USER, root_.c_str());
}

ScratchRegistry::~ScratchRegistry()
{
    SHDeleteKeyA(HKEY_CURRENT_USER, root_.c_str());
}

bool ScratchRegistry::KeyExists(const std::string& subKey) const
{
    return static_cast<bool>(Open(root_ + subKey));
}

bool ScratchRegistry::ValueInfo(const std::string& subKey, const char* name, DWORD& type,
                                DWORD& size) const
{
    const UniqueRegKey key = Open(root_ + subKey);
    size = 0;
    return key && RegQueryValueExA(key.get(), name, nullptr, &type, nullptr, &size)
                      == ERROR_SUCCESS;
}

std::string ScratchRegistry::ReadString(const std::string& subKey, const char* name) const
{
    DWORD type = 0;
    DWORD size = 0;
    if (!ValueInfo(subKey, name, type, size) || size == 0)
        return "<missing>";
    std::vector<char> data(size);
    RegQueryValueExA(Open(root_ + subKey).get(), name, nullptr, &type,
                     reinterpret_cast<BYTE*>(data.data()), &size);
    return std::string(data.data(), size - 1);
}

DWORD ScratchRegistry::ReadDword(const std::string& subKey, const char* name) const
{
    DWORD value = 0xdeadbeef;
    DWORD size = sizeof value;
    RegQueryValueExA(Open(root_ + subKey).get(), name, nullptr, nullptr,
                     reinterpret_cast<BYTE*>(&value), &size);
    return value;
}

void ScratchRegistry::WriteRaw(const std::string& subKey, const char* name, DWORD type,
                               const void* data, DWORD size) const
{
    RegSetValueExA(Create(root_ + subKey).get(), name, 0, type,
                   static_cast<const BYTE*>(data), size);
}

void ScratchRegistry::WriteString(const std::string& subKey, const char* name,
                                  const std::string& value) const
{
    WriteRaw(subKey, name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

void ScratchRegistry::WriteInt32(const std::string& subKey, const char* name, int value) const
{
    WriteRaw(subKey, name, REG_BINARY, &value, sizeof value);
}

void ScratchRegistry::DeleteValue(const std::string& subKey, const char* name) const
{
    RegDeleteValueA(Open(root_ + subKey).get(), name);
}
