// The hostile picture corpus through path runs of the real program: each run
// ends by itself, with one failure box and the previous WALLTMP.bmp untouched, or with a
// well-formed new wallpaper.
#include "settings/RegistryNames.h"
#include "tests/e2e/StoredValues.h"
#include "tests/e2e/TesselRun.h"
#include "tests/imaging/HostileImages.h"
#include "tests/support/Bytes.h"
#include "tests/support/MessageBoxWatcher.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestBmp.h"
#include "tests/support/WholeFile.h"
#include "win32/Directory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>

namespace RN = RegistryNames;

namespace {

::testing::AssertionResult WellFormed24BitBmp(const std::string& file)
{
    if (file.size() < 54 || file.compare(0, 2, "BM") != 0 || file[28] != 24)
        return ::testing::AssertionFailure() << "not a 24-bit BMP";
    const auto width = static_cast<std::int32_t>(Get32(file, 18));
    const auto height = static_cast<std::int32_t>(Get32(file, 22));
    const std::int64_t stride = (std::int64_t{width} * 3 + 3) / 4 * 4;
    if (width <= 0 || height <= 0
        || static_cast<std::int64_t>(file.size()) != 54 + stride * height)
        return ::testing::AssertionFailure() << "sizes disagree";
    return ::testing::AssertionSuccess();
}

}  // namespace

TEST(HostileImageRunTest, PathRunsEndInATextOrAWallpaper)
{
    ProgramRegistry registry;
    TempDir dir;
    const std::string tmp = dir.Folder("tmp");
    const std::string wallpaper = tmp + "\\WALLTMP.bmp";
    // A first run creates the keys; then the temporary folder is ours.
    TesselRun("/C").Wait();
    WriteText(RN::kFolderKey, RN::kTmpPath, tmp);
    const std::string previous = SolidBmp(3, 2, 0x030201);

    std::map<std::string, int> outcomes;
    int runs = 0;
    const auto corpus = HostileImageCorpus(GetModuleDirectory() + "\\imaging-fixtures");
    for (const HostileImage& image : corpus) {
        if (image.folder)
            continue;  // a folder opens the file list, driven elsewhere
        SCOPED_TRACE(image.name);
        const std::string path = dir.File(image.name, image.bytes);
        dir.File("tmp\\WALLTMP.bmp", previous);
        TesselRun run("\"" + path + "\"");
        MessageBoxWatcher boxes(run.ProcessId());
        ASSERT_EQ(run.Wait(), 0);
        ++runs;
        const auto seen = boxes.Boxes();
        ASSERT_LE(seen.size(), 1u);
        const std::string written = ReadWholeFile(wallpaper);
        if (seen.empty()) {
            ++outcomes["(wallpaper)"];
            EXPECT_TRUE(WellFormed24BitBmp(written));
            EXPECT_EQ(CurrentWallpaper(), wallpaper);
        } else {
            ++outcomes[seen[0].text];
            EXPECT_EQ(written, previous) << seen[0].text;
        }
    }
    std::printf("path runs: %d\n", runs);
    for (const auto& [text, count] : outcomes)
        std::printf("  %4d  %s\n", count, text.c_str());
    EXPECT_GE(runs, 200);
}
