#pragma once
#include "win32/UniqueHandle.h"

#include <cstdint>
#include <string>
#include <vector>

// One open key below HKEY_CURRENT_USER. Reads check type and size and report
// failure instead of handing back undefined bytes; write failures are ignored.
class CRegistryKey {
public:
    // Creates the key (class "Tessel_Wane") or opens it; IsNew tells which.
    static CRegistryKey CreateOrOpen(const std::string& path);
    // Opens an existing key and never creates it.
    static CRegistryKey OpenExisting(const std::string& path);

    bool IsOpen() const noexcept { return static_cast<bool>(key_); }
    bool IsNew() const noexcept { return isNew_; }

    // A REG_SZ of at most 260 characters plus its terminator.
    bool ReadString(const char* name, std::string& value) const;
    // REG_BINARY (or REG_DWORD) of exactly 4 bytes.
    bool ReadInt32(const char* name, std::int32_t& value) const;
    // REG_BINARY of exactly 1 byte; any non-zero byte is true.
    bool ReadFlag(const char* name, bool& value) const;
    // REG_BINARY of at most 4096 bytes.
    bool ReadBytes(const char* name, std::string& value) const;

    void WriteString(const char* name, const std::string& value) const;
    void WriteInt32(const char* name, std::int32_t value) const;
    void WriteFlag(const char* name, bool value) const;
    void WriteBytes(const char* name, const std::string& value) const;

    // Values "0", "1", … in order; then deletes the following indexes until a delete fails.
    void WriteList(const std::vector<std::string>& values) const;
    // The readable values among "0" … "count-1", in index order; unreadable ones are skipped.
    std::vector<std::string> ReadIndexedValues(std::int32_t count) const;
    // Values "0", "1", … up to the first that cannot be read.
    std::vector<std::string> ReadListUntilGap() const;

private:
    CRegistryKey(HKEY key, bool isNew) : key_(key), isNew_(isNew) {}
    bool Query(const char* name, DWORD& type, void* data, DWORD& size) const;

    UniqueRegKey key_;
    bool isNew_ = false;
};
