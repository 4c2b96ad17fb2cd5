#include "imaging/SpiOptions.h"

#include "imaging/ImageType.h"
#include "imaging/WallpaperMaker.h"
#include "settings/RegistryKey.h"
#include "settings/RegistryNames.h"
#include "wallpaper/WallpaperList.h"

#include <shlwapi.h>

CSpiOptions::~CSpiOptions()
{
    ReleaseSpiManager();
}

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
    try {
        ResetSpiManager(spiPath_);
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

void CSpiOptions::Apply(const std::string& path, bool useSpi, CWallpaperList& list)
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
        return;
    ReleaseSpiManager();
    if (!UseSpi)
        return;
    try {
        ResetSpiManager(spiPath_);
        list.Refresh();
    } catch (const CException& failure) {
        // Plug-ins stay off as a whole: no manager may outlive the flag.
        ReleaseSpiManager();
        UseSpi = false;
        failure.ShowMessage();
    }
}
