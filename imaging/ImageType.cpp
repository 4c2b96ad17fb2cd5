#include "imaging/ImageType.h"

namespace {

// Filled and emptied by the plug-in host (issue #4); empty until then.
CSpiManager* g_spiManager = nullptr;

}  // namespace

CSpiManager* GetSpiManager()
{
    return g_spiManager;
}

bool IsSupportedImage(const std::string& path)
{
    // The plug-in branch joins here with the plug-in host (issue #4).
    return IsOleImage(path);
}
