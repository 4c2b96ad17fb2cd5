#include "imaging/ImageType.h"
#include "imaging/SpiManager.h"
#include "imaging/WallpaperMaker.h"
#include "tests/imaging/SpiTestSupport.h"
#include "tests/plugins/TestPictureFormat.h"
#include "tests/support/FailureText.h"
#include "tests/support/MessageBoxWatcher.h"

#include <gtest/gtest.h>


namespace {

using TestPicture::kFirstMagic;
using TestPicture::kSecondMagic;

const std::string kPicture = TestPictureBytes(kSecondMagic, InfoBlock(1, 1, 24), "\1\2\3\0");

}  // namespace

TEST(CSpiManager, SkipsLibrariesThatFailAndKeepsTheGoodOneQuietly)
{
    TempDir dir;
    const std::string folder = MakePluginFolder(dir, {"bad.spi", "nogetpicture.spi", "tpic1.spi"});
    dir.Folder("spi\\folder.spi");
    MessageBoxWatcher watcher;
    CSpiManager manager(folder);
    EXPECT_EQ(manager.PluginCount(), 1u);
    EXPECT_TRUE(watcher.Boxes().empty());
}

TEST(CSpiManager, RefusesAFolderWithoutPlugins)
{
    TempDir dir;
    dir.File("readme.txt");
    EXPECT_EQ(FailureText([&] { CSpiManager manager(dir.Path()); }), "plugin not found");
    EXPECT_EQ(FailureText([&] { CSpiManager manager(dir / "missing"); }), "plugin not found");
    const std::string onlyBad = MakePluginFolder(dir, {"bad.spi", "nogetpicture.spi"});
    EXPECT_EQ(FailureText([&] { CSpiManager manager(onlyBad); }), "plugin not found");
    EXPECT_EQ(FailureText([] { CSpiManager manager(""); }), "plugin not found")
        << "the empty text must not list the drive's root";
}

TEST(CSpi, NamesTheMissingEntryPoint)
{
    TempDir dir;
    const std::string folder = MakePluginFolder(dir, {"bad.spi", "nogetpicture.spi"});
    EXPECT_EQ(FailureText([&] { CSpi spi(folder + "\\bad.spi"); }),
              "failed LoadLibrary(CSpi::CSpi)");
    EXPECT_EQ(FailureText([&] { CSpi spi(folder + "\\nogetpicture.spi"); }),
              folder + "\\nogetpicture.spi not support <GetPicture>");
}

TEST(CSpi, CopyHoldsItsOwnReferenceAndReleaseIsIdempotent)
{
    TempDir dir;
    const std::string path = MakePluginFolder(dir, {"tpic1.spi"}) + "\\tpic1.spi";
    std::string head(2048, '\0');
    head.replace(0, 4, kFirstMagic);
    {
        CSpi original(path);
        CSpi copy(original);
        original.Release();
        original.Release();
        ASSERT_NE(GetModuleHandleA(path.c_str()), nullptr) << "the copy keeps it loaded";
        EXPECT_EQ(copy.IsSupported(path, head.data()), 1);
        copy.Release();
        EXPECT_EQ(GetModuleHandleA(path.c_str()), nullptr);
        EXPECT_EQ(FailureText([&] { CSpi again(copy); }), "failed LoadLibrary(CSpi::CSpi(CSpi&)");
    }
}

TEST(CSpiManager, CachesAcceptancesByExtensionOnly)
{
    TempDir dir;
    const std::string folder = MakePluginFolder(dir, {"tpic1.spi", "tpic2.spi"});
    CSpiManager manager(folder);
    ASSERT_EQ(manager.PluginCount(), 2u);
    const std::int32_t second = manager.FindPlugin(dir.File("a.pic", kPicture));
    ASSERT_GE(second, 0);
    EXPECT_EQ(manager.FindPlugin(dir.File("c.tp1", kFirstMagic)), 1 - second);
    const std::string secondPath = folder + "\\tpic2.spi";
    const int offers = OffersSeen(secondPath);

    // Missing, or held open without sharing: either way it is never opened.
    EXPECT_EQ(manager.FindPlugin(dir / "b.PIC"), second);
    const std::string locked = dir.File("d.pic", "not a picture");
    {
        const UniqueFile hold(CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr,
                                          OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(hold);
        EXPECT_EQ(manager.FindPlugin(locked), second);
    }
    EXPECT_EQ(OffersSeen(secondPath), offers);

    UniqueLocal info;
    UniqueLocal pixels;
    dir.File("b.PIC", "This is no picture at all.");
    EXPECT_EQ(FailureText([&] { manager.LoadPicture(dir / "b.PIC", info, pixels); }),
              "Failed Spi Load Picture");
    EXPECT_EQ(FailureText([&] { manager.LoadPicture(dir / "x.none", info, pixels); }),
              "invalid format");

    // A refusal is not cached: the same extension is asked again and may be accepted.
    const std::string refused = dir.File("e.new", "nothing");
    EXPECT_EQ(manager.FindPlugin(refused), -1);
    dir.File("e.new", kPicture);
    EXPECT_EQ(manager.FindPlugin(refused), second);
}

TEST(CSpiManager, OffersFilesWithoutExtensionEveryTimeWithTheHeadZeroFilled)
{
    TempDir dir;
    const std::string folder = MakePluginFolder(dir, {"tpic1.spi"});
    const std::string plugin = folder + "\\tpic1.spi";
    CSpiManager manager(folder);
    const std::string path = dir.File("noextension", std::string(kFirstMagic) + "xyz");
    const int before = OffersSeen(plugin);
    EXPECT_EQ(manager.FindPlugin(path), 0);
    EXPECT_EQ(manager.FindPlugin(path), 0);
    std::string head;
    EXPECT_EQ(OffersSeen(plugin, &head), before + 2);
    EXPECT_EQ(head, std::string(kFirstMagic) + "xyz" + std::string(2048 - 7, '\0'));
    EXPECT_EQ(manager.FindPlugin(dir / "missing"), -1);
    EXPECT_EQ(manager.FindPlugin(dir.Path()), -1) << "a folder cannot be read";
}

TEST(CSpiManager, LoadPictureReportsUnreadableFiles)
{
    TempDir dir;
    CSpiManager manager(MakePluginFolder(dir, {"tpic2.spi"}));
    ASSERT_EQ(manager.FindPlugin(dir.File("a.pic", kPicture)), 0);
    UniqueLocal info;
    UniqueLocal pixels;
    EXPECT_EQ(FailureText([&] { manager.LoadPicture(dir / "gone.pic", info, pixels); }),
              "Failed File Open");
    manager.LoadPicture(dir / "a.pic", info, pixels);
    EXPECT_TRUE(info);
    EXPECT_TRUE(pixels);
}

TEST(SpiManagerLoading, PluginsDecideOtherTypesAndLeaveWithTheirManager)
{
    TempDir dir;
    const std::string folder = MakePluginFolder(dir, {"tpic2.spi"});
    const std::string picture = dir.File("a.pic", kPicture);
    EXPECT_FALSE(IsSupportedImage(picture, nullptr));

    std::unique_ptr<CSpiManager> plugins = LoadSpiManager(folder);
    ASSERT_NE(plugins, nullptr);
    EXPECT_TRUE(IsSupportedImage(picture, plugins.get()));
    EXPECT_TRUE(IsSupportedImage(dir / "missing.JPG", plugins.get())) << "OLE types need no file";
    EXPECT_FALSE(IsSupportedImage(dir / "missing.png", plugins.get()));

    EXPECT_EQ(FailureText([&] { LoadSpiManager(dir / "nowhere"); }), "plugin not found");
    plugins.reset();
    EXPECT_EQ(GetModuleHandleA((folder + "\\tpic2.spi").c_str()), nullptr);
}
