#include "tools/benchmarks/BenchModes.h"

#include "win32/UniqueHandle.h"
#include "imaging/ImageType.h"
#include "imaging/SpiManager.h"
#include "tools/benchmarks/BenchClock.h"
#include "wallpaper/Shuffle.h"
#include "wallpaper/WallpaperList.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

// The floor: FindFirstFileA/FindNextFileA over the folder, counting entries, nothing kept.
std::size_t PlainListing(const std::string& folder)
{
    WIN32_FIND_DATAA entry;
    const std::string pattern = folder + "\\*.*";
    UniqueFind search(FindFirstFileA(pattern.c_str(), &entry));
    std::size_t count = 0;
    if (!search)
        return 0;
    do
        ++count;
    while (FindNextFileA(search.get(), &entry));
    return count;
}

}  // namespace

// folders RUNS [spi PLUGIN_DIR] FOLDER...
int RunFolderBench(int runs, const std::vector<std::string>& arguments)
{
    std::vector<std::string> folders(arguments);
    std::string pluginDir;
    if (folders.size() >= 2 && folders[0] == "spi") {
        pluginDir = folders[1];
        folders.erase(folders.begin(), folders.begin() + 2);
    }
    std::unique_ptr<CSpiManager> plugins;
    std::size_t entries = 0;
    Report("listing_ms", MedianMs(runs, [&] {
        entries = 0;
        for (const std::string& folder : folders)
            entries += PlainListing(folder);
    }));
    Report("entries", static_cast<double>(entries));

    CWallpaperList list([&](const std::string& path, const DirectoryEntry* listed) {
        return IsSupportedImage(path, plugins.get(), listed);
    });
    // A first scan meets freshly loaded plug-ins; a rescan meets those that scanned before.
    const auto scan = [&](bool reload) {
        std::vector<double> times;
        for (int i = 0; i < runs; ++i) {
            for (const std::string& folder : folders)
                list.RemoveFolder(folder);
            if (reload && !pluginDir.empty())
                plugins = LoadSpiManager(pluginDir);
            const double start = NowMs();
            for (const std::string& folder : folders)
                list.AddFolder(folder, false);
            times.push_back(NowMs() - start);
        }
        return Median(times);
    };
    Report("scan_ms", scan(true));
    Report("rescan_ms", scan(false));
    Report("rebuild_ms", MedianMs(runs, [&] { list.Rebuild(); }));
    Report("refresh_ms", MedianMs(runs, [&] { list.Refresh(); }));

    // Counts the images: Next walks name order until it wraps to the first.
    std::size_t images = 0;
    if (!list.Next().empty()) {
        do {
            ++images;
            list.Next();
        } while (list.GetCurrentFile() != 0);
    }
    Report("images", static_cast<double>(images));

    // The random-order trace: a reshuffle against the same shuffle without its trace.
    Report("reshuffle_ms", MedianMs(runs, [&] { list.Reshuffle(); }));
    std::vector<const void*> stand(images);
    Report("shuffle_only_ms", MedianMs(runs, [&] { ShuffleInPlace(stand); }));

    constexpr int kCalls = 200;
    Report("next_ms", MedianMs(runs, [&] {
               for (int i = 0; i < kCalls; ++i)
                   list.Next();
           }) / kCalls);
    Report("random_ms", MedianMs(runs, [&] {
               for (int i = 0; i < kCalls; ++i)
                   list.Random();
           }) / kCalls);
    // Next right after Random: the pick is looked up and the order reshuffled.
    Report("next_after_random_ms", MedianMs(runs, [&] {
               list.Random();
               list.Next();
           }));
    return 0;
}
