#include "imaging/SpiManager.h"

#include "imaging/FileExtension.h"
#include "win32/AnsiPath.h"
#include "win32/Directory.h"

#include <array>

CSpiManager::CSpiManager(const std::string& directory)
{
    // An empty text would list the current drive's root.
    if (!directory.empty()) {
        std::vector<DirectoryEntry> entries;
        ListDirectory(entries, directory);
        for (const DirectoryEntry& entry : entries) {
            // A plug-in switched off by renaming ("x.spi-off") keeps a short name "X~1.SPI".
            if (FileExtension(entry.typeName) != "spi")
                continue;
            try {
                CSpi loaded(directory + "\\" + entry.name);
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

std::optional<std::int32_t> CSpiManager::AskPlugins(const std::string& path) const
{
    std::array<char, Susie::kHeadSize> head{};
    {
        const UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                          OPEN_EXISTING, 0, nullptr));
        DWORD read = 0;
        if (!file || !ReadFile(file.get(), head.data(), Susie::kHeadSize, &read, nullptr))
            return std::nullopt;
    }
    for (std::size_t i = 0; i < plugins_.size(); ++i) {
        if (plugins_[i].IsSupported(path, head.data()) != 0)
            return static_cast<std::int32_t>(i);
    }
    return -1;
}

std::int32_t CSpiManager::FindPlugin(const std::string& path,
                                     const DirectoryEntry* listed) noexcept
{
    try {
        const std::string extension =
            FileExtension(listed != nullptr ? listed->typeName : TypeNameOf(path));
        const FileStamp* stamp = listed != nullptr ? &listed->stamp : nullptr;
        if (!extension.empty()) {
            const auto cached = extensionCache_.find(extension);
            if (cached != extensionCache_.end())
                return cached->second;
        }
        if (stamp != nullptr) {
            const auto known = remembered_.find(path);
            if (known != remembered_.end() && known->second.stamp == *stamp)
                return known->second.plugin;
        }
        // A file that cannot be read now may be readable at the next scan: not remembered.
        const std::optional<std::int32_t> index = AskPlugins(path);
        if (!index)
            return -1;
        if (*index >= 0 && !extension.empty())
            extensionCache_.emplace(extension, *index);
        if (stamp != nullptr)
            remembered_.insert_or_assign(path, Remembered{*stamp, *index});
        return *index;
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
