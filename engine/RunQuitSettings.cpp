#include "engine/RunQuitSettings.h"

#include "settings/RegistryKey.h"
#include "settings/RegistryNames.h"

#include <shlwapi.h>

#include <utility>

namespace {

std::string ImageFileOrEmpty(const std::string& path, const PictureFilter& isPicture)
{
    return PathFileExistsA(path.c_str()) && isPicture(path, nullptr) ? path : std::string();
}

void Write(const CRegistryKey& key, const RunQuitSettings& settings)
{
    using namespace RegistryNames;
    key.WriteString(kRunPath, settings.runPath);
    key.WriteString(kQuitPath, settings.quitPath);
    key.WriteInt32(kRunOption, settings.runOption);
    key.WriteInt32(kQuitOption, settings.quitOption);
}

}  // namespace

RunQuitSettings::RunQuitSettings(PictureFilter isPicture) : isPicture_(std::move(isPicture)) {}

void RunQuitSettings::Load(const std::string& rootPath)
{
    using namespace RegistryNames;
    // Values missing from an existing key keep the defaults of a new one.
    runPath.clear();
    quitPath.clear();
    runOption = 0;
    quitOption = 0;
    const CRegistryKey key = CRegistryKey::CreateOrOpen(rootPath + kRunQuitKey);
    if (key.IsNew()) {
        Write(key, *this);
        return;
    }
    key.ReadString(kRunPath, runPath);
    key.ReadString(kQuitPath, quitPath);
    key.ReadInt32(kRunOption, runOption);
    key.ReadInt32(kQuitOption, quitOption);
}

void RunQuitSettings::Save(const std::string& rootPath) const
{
    Write(CRegistryKey::CreateOrOpen(rootPath + RegistryNames::kRunQuitKey), *this);
}

void RunQuitSettings::SetRunPath(const std::string& path)
{
    runPath = ImageFileOrEmpty(path, isPicture_);
}

void RunQuitSettings::SetQuitPath(const std::string& path)
{
    quitPath = ImageFileOrEmpty(path, isPicture_);
}
