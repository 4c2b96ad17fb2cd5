#pragma once
// CSpiOptions: whether Susie plug-ins are used and where they are, as the engine holds them.
#include <string>

class CWallpaperList;

class CSpiOptions {
public:
    CSpiOptions() = default;
    CSpiOptions(const CSpiOptions&) = delete;
    CSpiOptions& operator=(const CSpiOptions&) = delete;
    // Unloads the program's plug-ins.
    ~CSpiOptions();

    // Reads the settings below rootKey and loads the plug-ins when they are on; a failure
    // to load switches them off and is shown to the user.
    void Load(const std::string& rootKey);
    void Save(const std::string& rootKey) const;
    // New settings from the plug-in page: reloads the plug-ins and refreshes the list only
    // when something changed; a directory that does not exist is stored as the empty text.
    void Apply(const std::string& path, bool useSpi, CWallpaperList& list);
    std::string GetSpiPath() const { return spiPath_; }

    // Read and written directly by the plug-in page.
    bool UseSpi = false;

private:
    std::string spiPath_;
};
