#include "imaging/ImageType.h"

#include "imaging/SpiManager.h"
#include "imaging/WallpaperMaker.h"
#include "win32/AnsiPath.h"
#include "win32/Directory.h"

bool IsSupportedImage(const std::string& path, CSpiManager* plugins, const DirectoryEntry* listed)
{
    if (IsBuiltInImage(listed != nullptr ? listed->typeName : TypeNameOf(path)))
        return true;
    return plugins != nullptr && plugins->Supports(path, listed);
}

std::unique_ptr<CSpiManager> LoadSpiManager(const std::string& directory)
{
    try {
        return std::make_unique<CSpiManager>(directory);
    } catch (const CSpiManager::CSpiException&) {
        throw CWallpaperMaker::CWallpaperException("plugin not found");
    }
}
