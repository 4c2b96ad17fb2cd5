#include "tests/support/TempDir.h"
#include "tests/wallpaper/BuiltInTypes.h"
#include "wallpaper/WallpaperFolder.h"
#include "win32/Directory.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>

namespace {

std::vector<std::string> Names(const CWallpaperFolder& folder)
{
    std::vector<CWallpaperFile> files;
    folder.GetFiles(files);
    std::vector<std::string> names;
    for (const CWallpaperFile& file : files)
        names.push_back(file.GetName());
    return names;
}

}  // namespace

TEST(WallpaperFolder, ScanKeepsOnlyImagesDirectlyInTheFolderInNameOrder)
{
    TempDir dir;
    for (const char* name : {"b.jpg", "SUNSET.JPG", "a.gif", "photo.jpeg", "readme.txt",
                             ".hidden.jpg", "clip.download", "noext"})
        dir.File(name);
    dir.Folder("photos.jpg");
    const std::string sub = dir.Folder("sub");
    dir.File("sub\\deep.jpg");

    std::vector<DirectoryEntry> listed;
    ListDirectory(listed, dir.Path());
    EXPECT_EQ(std::count_if(listed.begin(), listed.end(),
                            [](const DirectoryEntry& e) { return e.name == "sub"; }), 1);
    EXPECT_EQ(std::count_if(listed.begin(), listed.end(),
                            [](const DirectoryEntry& e) { return e.name[0] == '.'; }), 0);

    const CWallpaperFolder folder(dir.Path(), kBuiltInTypes);
    EXPECT_EQ(Names(folder), (std::vector<std::string>{"SUNSET.JPG", "a.gif", "b.jpg",
                                                       "photo.jpeg", "photos.jpg"}));
}

TEST(WallpaperFolder, MissingFolderIsEmptyAndTrailingBackslashIsKept)
{
    TempDir dir;
    EXPECT_TRUE(Names(CWallpaperFolder(dir / "missing", kBuiltInTypes)).empty());
    std::vector<DirectoryEntry> listed = {{"stale", "", {}}};
    ListDirectory(listed, dir / "missing");
    EXPECT_TRUE(listed.empty());

    dir.File("a.jpg");
    const CWallpaperFolder root(dir.Path() + "\\", kBuiltInTypes);
    std::vector<const CWallpaperFile*> files;
    root.AppendFiles(files);
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(root.GetPath(), dir.Path() + "\\");
    EXPECT_EQ(files[0]->GetFullPath(), dir.Path() + "\\\\a.jpg");
}

TEST(WallpaperFolder, CopyPointsItsFilesAtTheCopy)
{
    TempDir dir;
    dir.File("a.jpg");
    auto original = std::make_unique<CWallpaperFolder>(dir.Path(), kBuiltInTypes);
    const CWallpaperFolder copy(*original);
    original.reset();
    RemoveTree(dir.Path());  // the copy must not need the disk
    std::vector<const CWallpaperFile*> files;
    copy.AppendFiles(files);
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0]->GetFullPath(), dir.Path() + "\\a.jpg");
}

TEST(Directory, ModuleDirectoryHoldsThisProgramWithoutTrailingBackslash)
{
    const std::string directory = GetModuleDirectory();
    ASSERT_FALSE(directory.empty());
    EXPECT_NE(directory.back(), '\\');
    char self[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    EXPECT_EQ(std::string(self).rfind(directory + "\\", 0), 0u);
}
