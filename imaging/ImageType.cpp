#include "imaging/ImageType.h"

#include "imaging/SpiManager.h"
#include "imaging/WallpaperMaker.h"

#include <memory>

namespace {

// Filled only by ResetSpiManager, emptied by ReleaseSpiManager.
std::unique_ptr<CSpiManager> g_spiManager;

}  // namespace

CSpiManager* GetSpiManager()
{
    return g_spiManager.get();
}

bool IsSupportedImage(const std::string& path)
{
    if (IsOleImage(path))
        return true;
    CSpiManager* manager = GetSpiManager();
    return manager != nullptr && manager->Supports(path);
}

void ResetSpiManager(const std::string& directory)
{
    g_spiManager.reset();
    try {
        g_spiManager = std::make_unique<CSpiManager>(directory);
    } catch (const CSpiManager::CSpiException&) {
        throw CWallpaperMaker::CWallpaperException("plugin not found");
    }
}

void ReleaseSpiManager() noexcept
{
    g_spiManager.reset();
}
