#include "engine/RunQuitSettings.h"
#include "settings/RegistryNames.h"
#include "tests/support/ScratchRegistry.h"
#include "tests/support/TempDir.h"
#include "tests/wallpaper/BuiltInTypes.h"

#include <gtest/gtest.h>

namespace {

using namespace RegistryNames;

class RunQuitSettingsTest : public testing::Test {
protected:
    ScratchRegistry registry;
};

}  // namespace

TEST_F(RunQuitSettingsTest, NewKeyGetsTheDefaultsWrittenAtOnce)
{
    RunQuitSettings settings(kBuiltInTypes);
    settings.runOption = 2;
    settings.runPath = "stale";
    settings.Load(registry.Root());
    EXPECT_EQ(settings.runPath, "");
    EXPECT_EQ(settings.quitPath, "");
    EXPECT_EQ(settings.runOption, 0);
    EXPECT_EQ(settings.quitOption, 0);
    DWORD type = 0, size = 0;
    ASSERT_TRUE(registry.ValueInfo(kRunQuitKey, kRunPath, type, size));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 1u);
    ASSERT_TRUE(registry.ValueInfo(kRunQuitKey, kQuitOption, type, size));
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(size, 4u);
}

TEST_F(RunQuitSettingsTest, ValuesReadBackAfterSave)
{
    RunQuitSettings saved(kBuiltInTypes);
    saved.runPath = "C:\\壁紙\\朝.jpg";
    saved.quitPath = "C:\\夜.bmp";
    saved.runOption = 2;
    saved.quitOption = 1;
    saved.Save(registry.Root());
    EXPECT_EQ(registry.ReadString(kRunQuitKey, kRunPath), "C:\\壁紙\\朝.jpg");

    RunQuitSettings loaded(kBuiltInTypes);
    loaded.Load(registry.Root());
    EXPECT_EQ(loaded.runPath, saved.runPath);
    EXPECT_EQ(loaded.quitPath, saved.quitPath);
    EXPECT_EQ(loaded.runOption, 2);
    EXPECT_EQ(loaded.quitOption, 1);
}

TEST_F(RunQuitSettingsTest, PathsAreKeptOnlyForExistingSupportedImages)
{
    const TempDir folder;
    const std::string image = folder.File("朝.bmp");
    const std::string text = folder.File("notes.txt");
    RunQuitSettings settings(kBuiltInTypes);

    settings.SetRunPath(image);
    EXPECT_EQ(settings.runPath, image);
    settings.SetRunPath(text);
    EXPECT_EQ(settings.runPath, "") << "an existing text file";
    settings.SetQuitPath(folder / "absent.jpg");
    EXPECT_EQ(settings.quitPath, "") << "a missing image";
    settings.SetQuitPath(image);
    EXPECT_EQ(settings.quitPath, image);
}
