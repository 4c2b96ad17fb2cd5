#pragma once
// CSpiOptions: whether Susie plug-ins are used and where they are, and the plug-ins loaded
// from there, for as long as these settings say so.
#include <memory>
#include <string>

class CSpiManager;

class CSpiOptions {
public:
    CSpiOptions();
    CSpiOptions(const CSpiOptions&) = delete;
    CSpiOptions& operator=(const CSpiOptions&) = delete;
    // Unloads the plug-ins.
    ~CSpiOptions();

    // Reads the settings below rootKey and loads the plug-ins when they are on; a failure
    // to load switches them off and is shown to the user.
    void Load(const std::string& rootKey);
    void Save(const std::string& rootKey) const;
    // New settings from the plug-in page; reloads the plug-ins only when something changed.
    // A directory that does not exist is stored as the empty text. True when a new set of
    // plug-ins was loaded, so lists built with the old set must be scanned again.
    bool Apply(const std::string& path, bool useSpi);
    std::string GetSpiPath() const { return spiPath_; }

    // The loaded plug-ins; null while they are off.
    CSpiManager* Plugins() const noexcept { return plugins_.get(); }

    // Read and written directly by the plug-in page.
    bool UseSpi = false;

private:
    std::string spiPath_;
    std::unique_ptr<CSpiManager> plugins_;
};
