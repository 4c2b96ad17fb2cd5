#include "engine/WallpaperChanger.h"
#include "imaging/ImageType.h"
#include "imaging/SpiManager.h"
#include "imaging/SpiOptions.h"
#include "settings/RegistryNames.h"
#include "tests/imaging/SpiTestSupport.h"
#include "tests/plugins/TestPictureFormat.h"
#include "tests/support/MessageBoxWatcher.h"
#include "tests/support/ScratchRegistry.h"
#include "win32/UniqueHandle.h"

#include <gtest/gtest.h>

namespace {

namespace RN = RegistryNames;

void StoreSettings(const ScratchRegistry& registry, bool useSpi, const std::string& path)
{
    const BYTE flag = useSpi ? 1 : 0;
    registry.WriteRaw(RN::kSpiKey, RN::kUseSpi, REG_BINARY, &flag, 1);
    registry.WriteString(RN::kSpiKey, RN::kSpiPath, path);
}

std::vector<std::string> Texts(const MessageBoxWatcher& watcher)
{
    std::vector<std::string> texts;
    for (const auto& box : watcher.Boxes())
        texts.push_back(box.text);
    return texts;
}

using TextList = std::vector<std::string>;

}  // namespace

TEST(CSpiOptions, NewKeyIsWrittenWithPluginsOff)
{
    ScratchRegistry registry;
    CSpiOptions options;
    options.Load(registry.Root());
    EXPECT_FALSE(options.UseSpi);
    EXPECT_EQ(options.Plugins(), nullptr);
    DWORD type = 0;
    DWORD size = 0;
    ASSERT_TRUE(registry.ValueInfo(RN::kSpiKey, RN::kUseSpi, type, size));
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(size, 1u);
    ASSERT_TRUE(registry.ValueInfo(RN::kSpiKey, RN::kSpiPath, type, size));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(registry.ReadString(RN::kSpiKey, RN::kSpiPath), "");
}

TEST(CSpiOptions, LoadsStoredPluginsAndSavesTheSettingsBack)
{
    ScratchRegistry registry;
    TempDir dir;
    const std::string folder = MakePluginFolder(dir, {"tpic1.spi"});
    StoreSettings(registry, true, folder);
    {
        CSpiOptions options;
        options.Load(registry.Root());
        EXPECT_TRUE(options.UseSpi);
        EXPECT_EQ(options.GetSpiPath(), folder);
        EXPECT_NE(options.Plugins(), nullptr);
        options.UseSpi = false;
        options.Save(registry.Root());
    }
    EXPECT_EQ(GetModuleHandleA((folder + "\\tpic1.spi").c_str()), nullptr)
        << "destroying the settings unloads the plug-ins";
    DWORD type = 0;
    DWORD size = 0;
    ASSERT_TRUE(registry.ValueInfo(RN::kSpiKey, RN::kUseSpi, type, size));
    EXPECT_EQ(size, 1u);
    EXPECT_EQ(registry.ReadString(RN::kSpiKey, RN::kSpiPath), folder);
}

TEST(CSpiOptions, LoadSwitchesPluginsOffAndTellsWhenNoneLoads)
{
    ScratchRegistry registry;
    TempDir dir;
    StoreSettings(registry, true, dir.Path());
    MessageBoxWatcher watcher;
    CSpiOptions options;
    options.Load(registry.Root());
    EXPECT_FALSE(options.UseSpi);
    EXPECT_EQ(options.Plugins(), nullptr);
    EXPECT_EQ(Texts(watcher), TextList{"plugin not found"});
}

TEST(CSpiOptions, ApplyOfUnchangedSettingsKeepsThePluginsLoaded)
{
    ScratchRegistry registry;
    TempDir dir;
    const std::string folder = MakePluginFolder(dir, {"tpic1.spi"});
    const std::string plugin = folder + "\\tpic1.spi";
    StoreSettings(registry, true, folder);
    CSpiOptions options;
    options.Load(registry.Root());
    ASSERT_TRUE(IsSupportedImage(dir.File("noextension", TestPicture::kFirstMagic),
                                 options.Plugins()));
    const int offers = OffersSeen(plugin);
    ASSERT_GE(offers, 1);
    EXPECT_FALSE(options.Apply(folder, true));
    EXPECT_EQ(OffersSeen(plugin), offers) << "a reload would have reset the plug-in's count";
}

TEST(CSpiOptions, ApplyStoresAMissingDirectoryAsEmptyAndSwitchesOff)
{
    TempDir dir;
    CSpiOptions options;
    MessageBoxWatcher watcher;
    EXPECT_FALSE(options.Apply(dir / "missing", true));
    EXPECT_EQ(options.GetSpiPath(), "");
    EXPECT_FALSE(options.UseSpi);
    EXPECT_EQ(options.Plugins(), nullptr);
    EXPECT_EQ(Texts(watcher), TextList{"plugin not found"});
}

TEST(CSpiOptions, SwitchingOnRefreshesTheListAndSwitchingOffOnlyReleases)
{
    TempDir dir;
    const std::string folder = MakePluginFolder(dir, {"tpic2.spi"});
    const std::string pictures = dir.Folder("pictures");
    dir.File("pictures\\a.pic", TestPictureBytes(TestPicture::kSecondMagic,
                                                 InfoBlock(1, 1, 24), std::string(4, '\0')));
    dir.File("pictures\\b.jpg");
    ScratchRegistry registry;
    CWallpaperChanger engine(registry.Root());
    engine.AddFolder(pictures, true);
    ASSERT_EQ(engine.FindFile("a.pic"), -1);
    ASSERT_GE(engine.FindFile("b.jpg"), 0);

    engine.ApplySpi(folder, true);
    EXPECT_TRUE(engine.spi.UseSpi);
    EXPECT_NE(engine.spi.Plugins(), nullptr);
    EXPECT_GE(engine.FindFile("a.pic"), 0) << "plug-in formats join the list";

    engine.ApplySpi(folder, false);
    EXPECT_EQ(engine.spi.Plugins(), nullptr);
    EXPECT_GE(engine.FindFile("a.pic"), 0) << "the list waits for its next refresh";
}

TEST(CSpiOptions, RescansAskOnlyAboutNewOrChangedFilesUntilThePluginsChange)
{
    TempDir dir;
    const std::string folder = MakePluginFolder(dir, {"tpic1.spi"});
    const std::string plugin = folder + "\\tpic1.spi";
    const std::string pictures = dir.Folder("pictures");
    const std::string same = dir.File("pictures\\notes.txt", "no picture");
    dir.File("pictures\\later.dat", "not yet");
    ScratchRegistry registry;
    CWallpaperChanger engine(registry.Root());
    engine.AddFolder(pictures, false);
    engine.ApplySpi(folder, true);
    ASSERT_EQ(OffersSeen(plugin), 2);

    // notes.txt turns into a picture but keeps its length and write time: a rescan does not
    // open it again. later.dat changes length, so it is asked again.
    {
        const UniqueFile file(CreateFileA(same.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                          OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(file);
        FILETIME written = {};
        ASSERT_TRUE(GetFileTime(file.get(), nullptr, nullptr, &written));
        const std::string picture = std::string(TestPicture::kFirstMagic) + "icture";
        DWORD count = 0;
        ASSERT_TRUE(WriteFile(file.get(), picture.data(), 10, &count, nullptr));
        ASSERT_TRUE(SetFileTime(file.get(), nullptr, nullptr, &written));
    }
    dir.File("pictures\\later.dat", std::string(TestPicture::kFirstMagic) + " now a picture");
    engine.Refresh();
    EXPECT_EQ(OffersSeen(plugin), 3);
    EXPECT_EQ(engine.FindFile("notes.txt"), -1);
    EXPECT_GE(engine.FindFile("later.dat"), 0);

    // Loading the plug-ins again forgets what was learned.
    engine.ApplySpi(folder, false);
    engine.ApplySpi(folder, true);
    EXPECT_EQ(OffersSeen(plugin), 2);
    EXPECT_GE(engine.FindFile("notes.txt"), 0);
}
