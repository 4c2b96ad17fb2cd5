#include "imaging/ImageType.h"

#include "imaging/SpiManager.h"
#include "imaging/WallpaperMaker.h"

bool IsSupportedImage(const std::string& path, CSpiManager* plugins, const FileStamp* stamp)
{
    if (IsOleImage(path))
        return true;
    return plugins != nullptr && plugins->Supports(path, stamp);
}

std::unique_ptr<CSpiManager> LoadSpiManager(const std::string& directory)
{
    try {
        return std::make_unique<CSpiManager>(directory);
    } catch (const CSpiManager::CSpiException&) {
        throw CWallpaperMaker::CWallpaperException("plugin not found");
    }
}
