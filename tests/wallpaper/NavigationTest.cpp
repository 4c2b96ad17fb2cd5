#include "settings/RegistryNames.h"
#include "tests/support/DebugCapture.h"
#include "tests/support/Probe.h"
#include "tests/support/ScratchRegistry.h"
#include "tests/support/TempDir.h"
#include "tests/wallpaper/BuiltInTypes.h"
#include "wallpaper/WallpaperList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

class NavigationTest : public testing::Test {
protected:
    void SetUp() override { std::srand(7); }

    // A list over one folder holding these names.
    std::string Load(CWallpaperList& list, std::initializer_list<const char*> names,
                     const char* folderName = "pics")
    {
        const std::string folder = dir.Folder(folderName);
        for (const char* name : names)
            dir.File(std::string(folderName) + "\\" + name);
        list.LoadFolders(registry.Root());
        list.AddFolder(folder, true);
        return folder + "\\";
    }

    // Random until it returns this path; reshuffles in between so any file comes up.
    static void RandomUntil(CWallpaperList& list, const std::string& path)
    {
        for (int i = 0; i < 1000 && list.Random() != path; ++i) {
        }
    }

    ScratchRegistry registry;
    TempDir dir;
};

TEST_F(NavigationTest, EmptyListReturnsNothingAndKeepsPositions)
{
    CWallpaperList list(kBuiltInTypes);
    list.LoadFolders(registry.Root());
    registry.WriteInt32(RegistryNames::kFolderKey, "CurrentFile", 3);
    list.LoadFolders(registry.Root());
    EXPECT_EQ(list.Next(), "");
    EXPECT_EQ(list.Previous(), "");
    EXPECT_EQ(list.Random(), "");
    EXPECT_EQ(list.GetCurrentFile(), 3);
    EXPECT_EQ(list.GetRandomPos(), -1);
}

TEST_F(NavigationTest, OneFileComesBackEveryTime)
{
    CWallpaperList list(kBuiltInTypes);
    const std::string p = Load(list, {"only.jpg"});
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(list.Next(), p + "only.jpg");
        EXPECT_EQ(list.Previous(), p + "only.jpg");
        EXPECT_EQ(list.Random(), p + "only.jpg");
        EXPECT_EQ(list.Random(), p + "only.jpg");
        EXPECT_EQ(list.GetRandomPos(), 0);
    }
}

TEST_F(NavigationTest, NextAndPreviousWrapAround)
{
    CWallpaperList list(kBuiltInTypes);
    const std::string p = Load(list, {"b.jpg", "a.jpg"});
    EXPECT_EQ(list.Next(), p + "a.jpg");
    EXPECT_EQ(list.Next(), p + "b.jpg");
    EXPECT_EQ(list.Next(), p + "a.jpg");
    CWallpaperList fresh(kBuiltInTypes);
    Load(fresh, {}, "empty");
    fresh.AddFolder(p.substr(0, p.size() - 1), true);
    EXPECT_EQ(fresh.Previous(), p + "b.jpg");
    EXPECT_EQ(fresh.Previous(), p + "a.jpg");
    EXPECT_EQ(fresh.Previous(), p + "b.jpg");
}

TEST_F(NavigationTest, RandomShowsEveryFileOncePerOrder)
{
    CWallpaperList list(kBuiltInTypes);
    const std::string p = Load(list, {"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg"});
    for (int round = 0; round < 3; ++round) {
        std::set<std::string> seen;
        for (int i = 0; i < 5; ++i)
            seen.insert(list.Random());
        EXPECT_EQ(seen.size(), 5u);
        EXPECT_EQ(list.GetRandomPos(), 4);
    }
    EXPECT_EQ(list.GetCurrentFile(), -1);  // Random never moves the name position
}

TEST_F(NavigationTest, NextOrPreviousContinueFromTheRandomPick)
{
    CWallpaperList list(kBuiltInTypes);
    const std::string p = Load(list, {"a.jpg", "b.jpg", "c.jpg", "d.jpg"});
    RandomUntil(list, p + "c.jpg");
    EXPECT_EQ(list.Next(), p + "d.jpg");
    EXPECT_EQ(list.GetRandomPos(), -1);
    RandomUntil(list, p + "c.jpg");
    EXPECT_EQ(list.Previous(), p + "b.jpg");
    EXPECT_EQ(list.GetRandomPos(), -1);
    list.Random();
    EXPECT_EQ(list.GetRandomPos(), 0);
}

TEST_F(NavigationTest, EqualNamesConvertToTheFirstOfThem)
{
    const std::string d1 = dir.Folder("D1"), d2 = dir.Folder("D2");
    dir.File("D1\\x.jpg");
    dir.File("D2\\x.jpg");
    CWallpaperList list(kBuiltInTypes);
    list.LoadFolders(registry.Root());
    list.AddFolder(d1, false);
    list.AddFolder(d2, true);
    list.Next();
    const std::string second = list.Next();
    RandomUntil(list, second);
    EXPECT_EQ(list.Next(), second);
}

TEST_F(NavigationTest, RandomPickSurvivesARestart)
{
    std::string p;
    {
        CWallpaperList list(kBuiltInTypes);
        p = Load(list, {"a.jpg", "b.jpg", "c.jpg", "d.jpg"});
        RandomUntil(list, p + "c.jpg");
        list.SaveFolders(registry.Root());
    }
    EXPECT_EQ(registry.ReadDword(RegistryNames::kFolderKey, "CurrentFile"), 2u);
    CWallpaperList restarted(kBuiltInTypes);
    restarted.LoadFolders(registry.Root());
    EXPECT_EQ(restarted.Next(), p + "d.jpg");
}

TEST_F(NavigationTest, StoredPositionBeyondTheListStillGivesAFile)
{
    for (int stored : {40, 0x7fffffff, -1000}) {
        CWallpaperList list(kBuiltInTypes);
        const std::string p =
            Load(list, {"0.jpg", "1.jpg", "2.jpg"}, ("s" + std::to_string(stored)).c_str());
        list.SaveFolders(registry.Root());
        registry.WriteInt32(RegistryNames::kFolderKey, "CurrentFile", stored);
        CWallpaperList next(kBuiltInTypes), previous(kBuiltInTypes);
        next.LoadFolders(registry.Root());
        previous.LoadFolders(registry.Root());
        EXPECT_EQ(next.Next(), p + "0.jpg") << stored;
        EXPECT_EQ(previous.Previous(), p + "2.jpg") << stored;
        list.RemoveFolder(p.substr(0, p.size() - 1));
        list.SaveFolders(registry.Root());
    }
}

TEST_F(NavigationTest, PositionIsAnIndexNotAName)
{
    CWallpaperList list(kBuiltInTypes);
    const std::string p = Load(list, {"a.jpg", "c.jpg", "d.jpg"});
    list.Next();
    EXPECT_EQ(list.Next(), p + "c.jpg");
    const std::string other = dir.Folder("other");
    dir.File("other\\b.jpg");
    list.AddFolder(other, true);
    EXPECT_EQ(list.Next(), p + "c.jpg");
}

TESSEL_PROBE(ReshuffleTrace)
{
    TempDir dir;
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg"})
        dir.File(name);
    ScratchRegistry registry;
    CWallpaperList list(kBuiltInTypes);
    list.LoadFolders(registry.Root());
    OutputDebugStringA("--\n");
    list.AddFolder(dir.Path(), true);
    OutputDebugStringA("--\n");
    list.Reshuffle();
    return 0;
}

TEST_F(NavigationTest, EachNewRandomOrderIsTracedOneNamePerLine)
{
    const DebugRun run = RunProbeUnderDebugger("ReshuffleTrace");
    ASSERT_TRUE(run.started);
    EXPECT_EQ(run.exitCode, 0u);
    const auto first = std::find(run.outputs.begin(), run.outputs.end(), "--\n");
    ASSERT_NE(first, run.outputs.end());
    std::vector<std::string> lines(first + 1, run.outputs.end());
    lines.erase(std::remove(lines.begin(), lines.end(), "--\n"), lines.end());
    ASSERT_EQ(lines.size(), 6u);
    for (const char* name : {"a.jpg\n", "b.jpg\n", "c.jpg\n"})
        EXPECT_EQ(std::count(lines.begin(), lines.end(), name), 2) << name;
}

// Walks for several monitors through the list: Random draws different files while the list
// has enough and repeats a shorter one; its last pick is where Next goes on from.
TEST_F(NavigationTest, WalksForSeveralMonitorsGiveAPathEach)
{
    using Paths = std::vector<std::string>;
    CWallpaperList list(kBuiltInTypes);
    const std::string p = Load(list, {"a.jpg", "b.jpg", "c.jpg"});
    EXPECT_EQ(list.Next(2), (Paths{p + "a.jpg", p + "b.jpg"}));
    EXPECT_EQ(list.Previous(2), (Paths{p + "b.jpg", p + "c.jpg"}));
    for (int round = 0; round < 4; ++round) {
        const Paths drawn = list.Random(3);
        EXPECT_EQ(std::set<std::string>(drawn.begin(), drawn.end()).size(), 3u) << round;
    }
    const Paths twice = list.Random(5);
    EXPECT_EQ(Paths(twice.begin() + 3, twice.end()), Paths(twice.begin(), twice.begin() + 2));
    const std::int32_t last = list.FindFile(twice[2].substr(p.size()));
    const char after[] = {static_cast<char>('a' + (last + 1) % 3), '\0'};
    EXPECT_EQ(list.Next(1).front(), p + after + ".jpg");
}

// Excluded files keep their places in name order and every walk passes over them; the
// position still indexes the whole list. They are kept under the program's key, included
// again at will, and forgotten by a refresh once they no longer exist.
TEST_F(NavigationTest, WalksPassOverExcludedFiles)
{
    using Paths = std::vector<std::string>;
    CWallpaperList list(kBuiltInTypes);
    const std::string p = Load(list, {"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg"});
    list.Exclude(p + "b.jpg");
    list.Exclude(p + "d.jpg");
    EXPECT_EQ(list.Next(4), (Paths{p + "a.jpg", p + "c.jpg", p + "e.jpg", p + "a.jpg"}));
    EXPECT_EQ(list.Next(), p + "c.jpg");
    EXPECT_EQ(list.GetCurrentFile(), 2);
    EXPECT_EQ(list.Previous(), p + "a.jpg");
    EXPECT_EQ(list.Previous(), p + "e.jpg");
    const Paths drawn = list.Random(3);
    EXPECT_EQ(std::set<std::string>(drawn.begin(), drawn.end()),
              (std::set<std::string>{p + "a.jpg", p + "c.jpg", p + "e.jpg"}));
    list.SaveFolders(registry.Root());

    CWallpaperList restarted(kBuiltInTypes);
    restarted.LoadFolders(registry.Root());
    EXPECT_TRUE(restarted.IsExcluded(p + "d.jpg"));
    restarted.Include(p + "d.jpg");
    DeleteFileA((p + "b.jpg").c_str());
    restarted.Refresh();
    EXPECT_FALSE(restarted.IsExcluded(p + "b.jpg")) << "gone, so forgotten";
    EXPECT_EQ(restarted.Next(4), (Paths{p + "a.jpg", p + "c.jpg", p + "d.jpg", p + "e.jpg"}));
    CWallpaperList again(kBuiltInTypes);
    again.LoadFolders(registry.Root());
    EXPECT_FALSE(again.IsExcluded(p + "b.jpg") || again.IsExcluded(p + "d.jpg"));
}

// The random order's round goes on across runs: no file repeats until all have shown, and
// the next round does not begin with the last one. A changed list starts a new round with
// the files this one showed last.
TEST_F(NavigationTest, TheRandomRoundGoesOnAcrossRunsAndSetsBackWhatShowedWhenTheListChanges)
{
    std::string p;
    const auto oneRun = [&](auto&& walk) {
        CWallpaperList list(kBuiltInTypes);
        list.LoadFolders(registry.Root());
        const std::string shown = walk(list);
        list.SaveFolders(registry.Root());
        return shown;
    };
    {
        CWallpaperList first(kBuiltInTypes);
        p = Load(first, {"a.jpg", "b.jpg", "c.jpg", "d.jpg"});
        first.SaveFolders(registry.Root());
    }
    const auto random = [](CWallpaperList& list) { return list.Random(); };
    std::vector<std::string> shown;
    for (int run = 0; run < 4; ++run)
        shown.push_back(oneRun(random));
    EXPECT_EQ(std::set<std::string>(shown.begin(), shown.end()).size(), 4u);
    const std::string fifth = oneRun(random);
    EXPECT_NE(fifth, shown.back()) << "a new round";

    dir.File("pics\\e.jpg");
    std::set<std::string> next;
    for (int run = 0; run < 4; ++run)
        next.insert(oneRun([](CWallpaperList& list) {
            list.Refresh();
            return list.Random();
        }));
    EXPECT_EQ(next.count(fifth), 0u) << "shown in the last round: set back";
    EXPECT_EQ(next.count(p + "e.jpg"), 1u);
}
