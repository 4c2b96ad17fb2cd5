#pragma once
#include <windows.h>

#include <string>

// A root key of its own under HKEY_CURRENT_USER, deleted before and after use,
// with raw access for planting malformed values.
class ScratchRegistry {
public:
    ScratchRegistry();
    ~ScratchRegistry();
    ScratchRegistry(const ScratchRegistry&) = delete;
    ScratchRegistry& operator=(const ScratchRegistry&) = delete;

    const std::string& Root() const noexcept { return root_; }

    bool KeyExists(const std::string& subKey) const;
    // Type and size of a value; false when it does not exist.
    bool ValueInfo(const std::string& subKey, const char* name, DWORD& type, DWORD& size) const;
    std::string ReadString(const std::string& subKey, const char* name) const;
    DWORD ReadDword(const std::string& subKey, const char* name) const;
    void WriteRaw(const std::string& subKey, const char* name, DWORD type, const void* data,
                  DWORD size) const;
    void WriteString(const std::string& subKey, const char* name, const std::string& value) const;
    void WriteInt32(const std::string& subKey, const char* name, int value) const;
    void DeleteValue(const std::string& subKey, const char* name) const;

private:
    std::string root_;
};
