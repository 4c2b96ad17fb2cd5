#include "imaging/SpiOptions.h"

#include "imaging/ImageType.h"
#include "imaging/SpiManager.h"
#include "imaging/WallpaperMaker.h"
#include "settings/RegistryKey.h"
#include "settings/RegistryNames.h"

#include <shlwapi.h>

CSpiOptions::CSpiOptions() = default;

CSpiOptions::~CSpiOptions() = default;

void CSpiOptions::Load(const std::string& rootKey)
{
    {
        const CRegistryKey key = CRegistryKey::CreateOrOpen(rootKey + RegistryNames::kSpiKey);
        if (key.IsNew()) {
            UseSpi = false;
            key.WriteFlag(RegistryNames::kUseSpi, UseSpi);
            key.WriteString(RegistryNames::kSpiPath, spiPath_);
            return;
        }
        key.ReadString(RegistryNames::kSpiPath, spiPath_);
        key.ReadFlag(RegistryNames::kUseSpi, UseSpi);
    }
    if (!UseSpi)
        return;
    plugins_.reset();
    try {
        plugins_ = LoadSpiManager(spiPath_);
    } catch (const CWallpaperMaker::CWallpaperException& failure) {
        UseSpi = false;
        failure.ShowMessage();
    }
}

void CSpiOptions::Save(const std::string& rootKey) const
{
    const CRegistryKey key = CRegistryKey::CreateOrOpen(rootKey + RegistryNames::kSpiKey);
    key.WriteFlag(RegistryNames::kUseSpi, UseSpi);
    key.WriteString(RegistryNames::kSpiPath, spiPath_);
}

bool CSpiOptions::Apply(const std::string& path, bool useSpi)
{
    bool changed = false;
    if (path != spiPath_) {
        spiPath_ = PathIsDirectoryA(path.c_str()) ? path : std::string();
        changed = true;
    }
    if (useSpi != UseSpi) {
        UseSpi = useSpi;
        changed = true;
    }
    if (!changed)
        return false;
    plugins_.reset();
    if (!UseSpi)
        return false;
    try {
        plugins_ = LoadSpiManager(spiPath_);
        return true;
    } catch (const CException& failure) {
        // Plug-ins stay off as a whole: no manager may outlive the flag.
        plugins_.reset();
        UseSpi = false;
        failure.ShowMessage();
        return false;
    }
}
