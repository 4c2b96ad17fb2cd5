#include "settings/RegistryNames.h"
#include "tests/support/ScratchRegistry.h"
#include "tests/support/TempDir.h"
#include "tests/wallpaper/BuiltInTypes.h"
#include "wallpaper/WallpaperList.h"
#include "win32/Directory.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

const std::string kFolder = RegistryNames::kFolderKey;
const std::string kFolders = kFolder + RegistryNames::kFolderListKey;

// Every full path of the list in name order, read through Next from the start.
std::vector<std::string> SortedPaths(CWallpaperList& list, int count)
{
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i)
        paths.push_back(list.Next());
    return paths;
}

}  // namespace

class WallpaperListTest : public testing::Test {
protected:
    void SetUp() override { std::srand(1); }
    ScratchRegistry registry;
    TempDir dir;
};

TEST_F(WallpaperListTest, FilesOfSeveralFoldersInterleaveByName)
{
    const std::string d1 = dir.Folder("D1"), d2 = dir.Folder("D2");
    dir.File("D1\\b.jpg");
    dir.File("D2\\a.jpg");
    dir.File("D2\\c.jpg");
    dir.File("D2\\\x82\xa0.jpg");
    CWallpaperList list(kBuiltInTypes);
    list.LoadFolders(registry.Root());
    EXPECT_TRUE(list.AddFolder(d1, true));
    EXPECT_TRUE(list.AddFolder(d2, true));
    EXPECT_EQ(SortedPaths(list, 4),
              (std::vector<std::string>{d2 + "\\a.jpg", d1 + "\\b.jpg", d2 + "\\c.jpg",
                                        d2 + "\\\x82\xa0.jpg"}));
}

TEST_F(WallpaperListTest, FoldersAreTheSameOnlyWhenByteEqual)
{
    const std::string pics = dir.Folder("pics");
    dir.File("pics\\a.jpg");
    CWallpaperList list(kBuiltInTypes);
    list.LoadFolders(registry.Root());
    EXPECT_TRUE(list.AddFolder(pics, true));
    EXPECT_FALSE(list.AddFolder(pics, true));
    EXPECT_TRUE(list.AddFolder(pics + "\\", true));
    EXPECT_TRUE(list.AddFolder(dir / "missing", true));
    std::vector<std::string> folders;
    list.GetFolders(folders);
    EXPECT_EQ(folders, (std::vector<std::string>{pics, pics + "\\", dir / "missing"}));
    // Both spellings list a.jpg: the same file stands twice.
    const auto paths = SortedPaths(list, 3);
    EXPECT_EQ(paths[2], paths[0]);
    EXPECT_NE(paths[0], paths[1]);
}

TEST_F(WallpaperListTest, RemoveAndRefreshResetThePositions)
{
    const std::string a = dir.Folder("A"), b = dir.Folder("B");
    dir.File("A\\1.jpg");
    dir.File("B\\2.jpg");
    CWallpaperList list(kBuiltInTypes);
    list.LoadFolders(registry.Root());
    list.AddFolder(a, false);
    list.AddFolder(b, true);
    list.Next();
    list.Random();
    list.RemoveFolder(dir / "unlisted");
    EXPECT_EQ(list.GetRandomPos(), 0) << "the same list goes on with its round";
    EXPECT_EQ(list.GetCurrentFile(), 0);

    list.RemoveFolder(a);
    EXPECT_EQ(list.GetCurrentFile(), -1);
    EXPECT_EQ(list.Next(), b + "\\2.jpg");
    EXPECT_EQ(list.Next(), b + "\\2.jpg");

    dir.File("B\\0.jpg");
    EXPECT_EQ(list.Next(), b + "\\2.jpg");  // not noticed before Refresh
    list.Refresh();
    EXPECT_EQ(list.GetCurrentFile(), -1);
    EXPECT_EQ(list.Next(), b + "\\0.jpg");
}

TEST_F(WallpaperListTest, TmpAndEscapePathsAreValidated)
{
    CWallpaperList list(kBuiltInTypes);
    list.SetTmpPath(dir.Path() + "\\");
    EXPECT_EQ(list.GetTmpPath(), dir.Path());
    list.SetTmpPath(dir / "missing");
    EXPECT_EQ(list.GetTmpPath(), GetModuleDirectory());
    list.SetTmpPath(dir.File("file.txt"));
    EXPECT_EQ(list.GetTmpPath(), GetModuleDirectory());
    list.SetTmpPath("");
    EXPECT_EQ(list.GetTmpPath(), GetModuleDirectory());
    // "ソ" ends in the byte of '\\': only a real backslash goes.
    const std::string so = dir.Folder("\x83\x5C");
    list.SetTmpPath(so);
    EXPECT_EQ(list.GetTmpPath(), so);
    list.SetTmpPath(so + "\\");
    EXPECT_EQ(list.GetTmpPath(), so);

    const std::string image = dir.File("esc.jpg");
    list.SetEscPath(image);
    EXPECT_EQ(list.GetEscPath(), image);
    list.SetEscPath(dir.File("notes.txt"));
    EXPECT_EQ(list.GetEscPath(), "");
    list.SetEscPath(dir / "missing.jpg");
    EXPECT_EQ(list.GetEscPath(), "");
}

TEST_F(WallpaperListTest, FirstLoadWritesDefaults)
{
    CWallpaperList list(kBuiltInTypes);
    list.LoadFolders(registry.Root());
    EXPECT_EQ(registry.ReadString(kFolder, "TmpPath"), GetModuleDirectory());
    EXPECT_EQ(registry.ReadString(kFolder, "EscPath"), "");
    EXPECT_EQ(registry.ReadDword(kFolder, "NumFolder"), 0u);
    EXPECT_EQ(registry.ReadDword(kFolder, "CurrentFile"), 0xffffffffu);
    EXPECT_TRUE(registry.KeyExists(kFolders));
    EXPECT_EQ(list.GetTmpPath(), GetModuleDirectory());
    EXPECT_EQ(list.Next(), "");
}

TEST_F(WallpaperListTest, SaveReplacesALongerListAndLoadRestoresIt)
{
    std::vector<std::string> paths;
    for (const char* name : {"f0", "f1", "f2", "f3", "f4"})
        paths.push_back(dir.Folder(name));
    {
        CWallpaperList five(kBuiltInTypes);
        five.LoadFolders(registry.Root());
        for (const std::string& path : paths)
            five.AddFolder(path, true);
        five.SetTmpPath(dir.Path());
        five.SaveFolders(registry.Root());
        five.RemoveFolder(paths[1]);
        five.RemoveFolder(paths[3]);
        five.SaveFolders(registry.Root());
    }
    EXPECT_EQ(registry.ReadDword(kFolder, "NumFolder"), 3u);
    DWORD type = 0, size = 0;
    EXPECT_FALSE(registry.ValueInfo(kFolders, "3", type, size));
    EXPECT_FALSE(registry.ValueInfo(kFolders, "4", type, size));

    CWallpaperList loaded(kBuiltInTypes);
    loaded.LoadFolders(registry.Root());
    std::vector<std::string> folders;
    loaded.GetFolders(folders);
    EXPECT_EQ(folders, (std::vector<std::string>{paths[0], paths[2], paths[4]}));
    EXPECT_EQ(loaded.GetTmpPath(), dir.Path());
}

TEST_F(WallpaperListTest, LoadSkipsMissingEntriesAndStoredDuplicates)
{
    const std::string a = dir.Folder("a"), b = dir.Folder("b");
    CWallpaperList(kBuiltInTypes).LoadFolders(registry.Root());
    registry.WriteInt32(kFolder, "NumFolder", 3);
    registry.WriteString(kFolders, "1", a);
    registry.WriteString(kFolders, "2", a);
    registry.WriteString(kFolders, "3", b);  // beyond NumFolder
    CWallpaperList list(kBuiltInTypes);
    list.LoadFolders(registry.Root());
    std::vector<std::string> folders;
    list.GetFolders(folders);
    EXPECT_EQ(folders, (std::vector<std::string>{a}));
}

TEST_F(WallpaperListTest, HostileStoredValuesLoadAsDefaults)
{
    const std::string a = dir.Folder("a");
    dir.File("a\\x.jpg");
    CWallpaperList(kBuiltInTypes).LoadFolders(registry.Root());
    registry.WriteRaw(kFolder, "TmpPath", REG_BINARY, "C:\\", 4);
    registry.WriteString(kFolder, "EscPath", std::string(300, 'e'));
    registry.WriteRaw(kFolder, "CurrentFile", REG_BINARY, "\x05\x00", 2);
    registry.WriteInt32(kFolder, "NumFolder", 0x7fffffff);
    registry.WriteString(kFolders, "0", a);
    registry.WriteString(kFolders, "1", std::string(261, 'f'));
    registry.WriteRaw(kFolders, "2", REG_BINARY, "C:\\", 4);

    CWallpaperList list(kBuiltInTypes);
    list.LoadFolders(registry.Root());
    EXPECT_EQ(list.GetTmpPath(), GetModuleDirectory());
    EXPECT_EQ(list.GetEscPath(), "");
    EXPECT_EQ(list.GetCurrentFile(), -1);
    std::vector<std::string> folders;
    list.GetFolders(folders);
    EXPECT_EQ(folders, (std::vector<std::string>{a}));
    EXPECT_EQ(list.Next(), a + "\\x.jpg");

    registry.WriteInt32(kFolder, "NumFolder", -3);
    CWallpaperList negative(kBuiltInTypes);
    negative.LoadFolders(registry.Root());
    negative.GetFolders(folders);
    EXPECT_TRUE(folders.empty());
}

TEST_F(WallpaperListTest, StoredPathsAreTakenAsStored)
{
    CWallpaperList(kBuiltInTypes).LoadFolders(registry.Root());
    registry.WriteString(kFolder, "TmpPath", "Q:\\nowhere\\");
    registry.WriteString(kFolder, "EscPath", "Q:\\gone.txt");
    CWallpaperList list(kBuiltInTypes);
    list.LoadFolders(registry.Root());
    EXPECT_EQ(list.GetTmpPath(), "Q:\\nowhere\\");
    EXPECT_EQ(list.GetEscPath(), "Q:\\gone.txt");
}
