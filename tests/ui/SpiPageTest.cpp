#include "imaging/ImageType.h"
#include "resources/DialogIds.h"
#include "tests/support/TestBmp.h"
#include "tests/ui/UiFixture.h"
#include "win32/Directory.h"

#include <commctrl.h>

namespace {

// A plug-in directory holding one working test plug-in, and a wallpaper folder with one
// image so that a list refresh shows in the position.
class SpiPageTest : public UiTest {
protected:
    SpiPageTest()
    {
        pluginDir = temp.Folder("plugins");
        CopyFileA((GetModuleDirectory() + "\\test-plugins\\tpic1.spi").c_str(),
                  (pluginDir + "\\tpic1.spi").c_str(), FALSE);
        emptyDir = temp.Folder("empty");
        engine->AddFolder(temp.Folder("pictures"), true);
        temp.File("pictures\\a.bmp", SolidBmp(2, 2, 0x010101));
        engine->Refresh();
    }

    // A list position that a refresh would reset to -1.
    void TakePosition()
    {
        engine->Next();
        ASSERT_EQ(engine->GetCurrentFile(), 0);
    }

    // Sets the page and presses OK; a message box on the way fails the driver unless one
    // is expected, whose text is returned.
    std::vector<std::string> ApplyOnPage(const std::string& path, bool use, bool expectBox)
    {
        std::vector<std::string> boxes;
        ModalDriver driver;
        driver
            .Then(OnPage(4, [&](HWND page) {
                SetText(page, IDC_SPI_PATH, path);
                CheckDlgButton(page, IDC_USE_SPI, use ? BST_CHECKED : BST_UNCHECKED);
            }))
            .Then(PressSheet(PSBTN_OK));
        if (expectBox)
            driver.Then(AnswerErrorBox(boxes));
        ShowSheet();
        return boxes;
    }

    std::string pluginDir;
    std::string emptyDir;
};

TEST_F(SpiPageTest, ShowsTheSettingsAndAnUnchangedOkDoesNothing)
{
    engine->ApplySpi(pluginDir, true);
    CSpiManager* const loaded = engine->spi.Plugins();
    ASSERT_NE(loaded, nullptr);
    TakePosition();

    ModalDriver driver;
    driver
        .Then(OnPage(4, [&](HWND page) {
            EXPECT_EQ(Text(page, IDC_SPI_PATH), pluginDir);
            EXPECT_TRUE(IsDlgButtonChecked(page, IDC_USE_SPI));
        }))
        .Then(PressSheet(PSBTN_OK));
    ShowSheet();

    EXPECT_EQ(engine->spi.Plugins(), loaded);
    EXPECT_EQ(engine->GetCurrentFile(), 0);
}

TEST_F(SpiPageTest, SwitchingOnLoadsThePluginsAndRefreshesTheList)
{
    TakePosition();
    ApplyOnPage(pluginDir, true, false);

    EXPECT_NE(engine->spi.Plugins(), nullptr);
    EXPECT_TRUE(engine->spi.UseSpi);
    EXPECT_EQ(engine->GetCurrentFile(), -1);
}

TEST_F(SpiPageTest, AFolderWithoutPluginsSwitchesThemOffAndSaysSo)
{
    const std::vector<std::string> boxes = ApplyOnPage(emptyDir, true, true);

    EXPECT_FALSE(engine->spi.UseSpi);
    EXPECT_EQ(engine->spi.Plugins(), nullptr);
    EXPECT_EQ(boxes, (std::vector<std::string>{"plugin not found"}));
}

TEST_F(SpiPageTest, SwitchingOffReleasesThePluginsWithoutARefresh)
{
    engine->ApplySpi(pluginDir, true);
    TakePosition();
    ApplyOnPage(pluginDir, false, false);

    EXPECT_EQ(engine->spi.Plugins(), nullptr);
    EXPECT_FALSE(engine->spi.UseSpi);
    EXPECT_EQ(engine->GetCurrentFile(), 0);
}

}  // namespace
