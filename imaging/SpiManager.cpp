#include "imaging/SpiManager.h"

#include "imaging/FileExtension.h"
#include "win32/Directory.h"

#include <array>

CSpiManager::CSpiManager(const std::string& directory)
{
    // An empty text would list the current drive's root.
    if (!directory.empty()) {
        std::vector<std::string> names;
        ListDirectory(names, directory);
        for (const std::string& name : names) {
            if (FileExtension(name) != "spi")
                continue;
            try {
                CSpi loaded(directory + "\\" + name);
                plugins_.push_back(loaded);
                loaded.Release();
            } catch (const CSpiException&) {
                // A plug-in that does not load is skipped without a word.
            }
        }
    }
    if (plugins_.empty())
        throw CSpiException("plugin not found");
}

std::int32_t CSpiManager::FindPlugin(const std::string& path) noexcept
{
    try {
        const std::string extension = FileExtension(path);
        if (!extension.empty()) {
            const auto cached = extensionCache_.find(extension);
            if (cached != extensionCache_.end())
                return cached->second;
        }
        std::array<char, Susie::kHeadSize> head{};
        {
            const UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ,
                                              nullptr, OPEN_EXISTING, 0, nullptr));
            DWORD read = 0;
            if (!file || !ReadFile(file.get(), head.data(), Susie::kHeadSize, &read, nullptr))
                return -1;
        }
        for (std::size_t i = 0; i < plugins_.size(); ++i) {
            if (plugins_[i].IsSupported(path, head.data()) != 0) {
                const auto index = static_cast<std::int32_t>(i);
                if (!extension.empty())
                    extensionCache_.emplace(extension, index);
                return index;
            }
        }
        return -1;
    } catch (...) {
        // Only running out of memory gets here: the file is then simply not supported.
        return -1;
    }
}

void CSpiManager::LoadPicture(const std::string& path, UniqueLocal& info, UniqueLocal& pixels)
{
    const std::int32_t index = FindPlugin(path);
    if (index < 0)
        throw CSpiException("invalid format");
    if (static_cast<std::size_t>(index) >= plugins_.size())
        throw CSpiException("Spi out_of_range");
    plugins_[static_cast<std::size_t>(index)].LoadFile(path, info, pixels);
}
