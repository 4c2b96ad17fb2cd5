#pragma once
// CSpi: one loaded Susie plug-in. CSpiManager: every plug-in of a directory, with the choice
// of a plug-in for a file and a cache of that choice by extension.
#include "win32/Exception.h"
#include "win32/Directory.h"
#include "win32/UniqueHandle.h"
#include "susie/SusiePlugin.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class CSpi {
public:
    // Loads the library and both entry points; throws CSpiManager::CSpiException.
    explicit CSpi(const std::string& path);
    // A further load reference to the same library (loaded again by the path it came from).
    CSpi(const CSpi& other);
    CSpi(CSpi&& other) noexcept = default;
    CSpi& operator=(const CSpi&) = delete;
    CSpi& operator=(CSpi&&) = delete;
    ~CSpi() = default;

    // Frees this object's reference; a second call does nothing.
    void Release() noexcept;

    // head: the 2048-byte block holding the start of the file.
    int IsSupported(const std::string& path, const char* head) const;
    // Reads the file whole and decodes it; info and pixels receive whatever handles the
    // plug-in stored, also when it fails. Throws CSpiManager::CSpiException.
    void LoadFile(const std::string& path, UniqueLocal& info, UniqueLocal& pixels) const;

private:
    std::string path_;
    // Declared after the module, so they are gone before it is freed.
    UniqueModule module_;
    SusieIsSupported isSupported_ = nullptr;
    SusieGetPicture getPicture_ = nullptr;
};

class CSpiManager {
public:
    class CSpiException : public CException {
    public:
        using CException::CException;
    };

    // Loads every plug-in of the directory in listing order, skipping those that fail;
    // throws "plugin not found" when none loads (also for an empty directory text).
    explicit CSpiManager(const std::string& directory);
    CSpiManager(const CSpiManager&) = delete;
    CSpiManager& operator=(const CSpiManager&) = delete;

    // Index of the plug-in that takes the file, or -1; never throws. A cached extension (of
    // the long name) answers without opening the file. With the entry a listing gave, the
    // answer is remembered, and a file whose stamp has not changed since is not opened again.
    std::int32_t FindPlugin(const std::string& path,
                            const DirectoryEntry* listed = nullptr) noexcept;
    bool Supports(const std::string& path, const DirectoryEntry* listed = nullptr) noexcept
    {
        return FindPlugin(path, listed) >= 0;
    }
    // Decodes the file with the plug-in that takes it. Throws CSpiException.
    void LoadPicture(const std::string& path, UniqueLocal& info, UniqueLocal& pixels);

    std::size_t PluginCount() const noexcept { return plugins_.size(); }

private:
    // What a listed file was found to be: its plug-in's index, or -1 for none.
    struct Remembered {
        FileStamp stamp;
        std::int32_t plugin;
    };

    // The first plug-in that takes the file's head, -1 for none; nothing when the file
    // cannot be read.
    std::optional<std::int32_t> AskPlugins(const std::string& path) const;

    std::vector<CSpi> plugins_;
    std::map<std::string, std::int32_t> extensionCache_;
    // By full path; as long as these plug-ins are loaded.
    std::unordered_map<std::string, Remembered> remembered_;
};
