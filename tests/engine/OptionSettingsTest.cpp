#include "engine/OptionSettings.h"
#include "engine/ProcessFileName.h"
#include "settings/RegistryKey.h"
#include "settings/RegistryNames.h"
#include "tests/hook/DesktopWindows.h"
#include "tests/hook/HookLibrary.h"
#include "tests/support/ScratchRegistry.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <optional>

namespace {

using namespace RegistryNames;

bool ScreenSaverActive()
{
    BOOL active = FALSE;
    SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
    return active != FALSE;
}

std::string DesktopValue(const char* name)
{
    std::string value = "<missing>";
    CRegistryKey::OpenExisting(kDesktopPath).ReadString(name, value);
    return value;
}

// Puts the system state the options touch back as it was: the screen saver and the
// desktop's two layout values.
class SystemStateGuard {
public:
    SystemStateGuard() : saverActive_(ScreenSaverActive())
    {
        for (int i = 0; i < 2; ++i) {
            std::string value;
            if (CRegistryKey::OpenExisting(kDesktopPath).ReadString(kNames[i], value))
                values_[i] = value;
        }
    }
    ~SystemStateGuard()
    {
        SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, saverActive_, nullptr, 0);
        HKEY raw = nullptr;
        RegOpenKeyA(HKEY_CURRENT_USER, kDesktopPath, &raw);
        const UniqueRegKey desktop(raw);
        for (int i = 0; i < 2; ++i) {
            if (values_[i])
                RegSetValueExA(desktop.get(), kNames[i], 0, REG_SZ,
                               reinterpret_cast<const BYTE*>(values_[i]->c_str()),
                               static_cast<DWORD>(values_[i]->size() + 1));
            else
                RegDeleteValueA(desktop.get(), kNames[i]);
        }
    }

private:
    static constexpr const char* kNames[2] = {kTileWallpaper, kWallpaperStyle};
    BOOL saverActive_;
    std::optional<std::string> values_[2];
};

class OptionSettingsTest : public testing::Test {
protected:
    std::string OptionKey() const { return kOptionKey; }
    std::string ProcessKey() const { return std::string(kOptionKey) + kProcessListKey; }

    // "type:size:value" of a stored number or flag, so a wrong type or width shows.
    std::string Stored(const char* name) const
    {
        DWORD type = 0;
        DWORD size = 0;
        if (!registry.ValueInfo(OptionKey(), name, type, size))
            return "<missing>";
        DWORD value = registry.ReadDword(OptionKey(), name);
        if (size == 1)
            value &= 0xFF;
        char text[48];
        wsprintfA(text, "%lu:%lu:%lx", type, size, value);
        return text;
    }

    SystemStateGuard system;
    ScratchRegistry registry;
    volatile HookSharedState* hook = SharedStateOf(GetModuleHandleA("tesselsub.dll"));
};

std::string OwnFileName()
{
    char path[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return ProcessFileName(path);
}

}  // namespace

TEST_F(OptionSettingsTest, NewKeyGetsTheDefaultsWrittenAtOnce)
{
    ASSERT_NE(hook, nullptr) << "the program imports tesselsub.dll";
    const LONG registrations = hook->count;
    {
        OptionSettings options;
        options.Load(registry.Root());
        EXPECT_FALSE(options.noSaver);
        EXPECT_EQ(options.style, 0);
        EXPECT_TRUE(options.processes.empty());
        EXPECT_FALSE(options.noAutoChange);
        EXPECT_FALSE(options.byProcess);
        EXPECT_TRUE(options.notifyAll);
        EXPECT_EQ(options.interval, 10);
        EXPECT_EQ(options.order, 0);
        EXPECT_TRUE(options.seeThrough);
        EXPECT_EQ(options.textColor, 0x00FFFFFFu);
        EXPECT_FALSE(options.resize);
        EXPECT_TRUE(options.fullScreen);
        EXPECT_FALSE(options.fill);
        EXPECT_FALSE(options.perMonitor);

        const std::string flag = "3:1:", number = "3:4:";
        EXPECT_EQ(Stored(kNoAutoChange), flag + "0");
        EXPECT_EQ(Stored(kNoSaver), flag + "0");
        EXPECT_EQ(Stored(kByProcess), flag + "0");
        EXPECT_EQ(Stored(kNotifyAll), flag + "1");
        EXPECT_EQ(Stored(kResize), flag + "0");
        EXPECT_EQ(Stored(kStyle), number + "0");
        EXPECT_EQ(Stored(kOrder), number + "0");
        EXPECT_EQ(Stored(kInterval), number + "a");
        EXPECT_EQ(Stored(kSeeThrough), flag + "1");
        EXPECT_EQ(Stored(kTextColor), number + "ffffff");
        EXPECT_EQ(Stored(kFullScreen), flag + "1");
        EXPECT_EQ(Stored(kFill), flag + "0");
        EXPECT_EQ(Stored(kPerMonitor), flag + "0");
        EXPECT_TRUE(registry.KeyExists(ProcessKey()));

        EXPECT_EQ(DesktopValue(kTileWallpaper), "0");
        EXPECT_EQ(DesktopValue(kWallpaperStyle), "0");
        EXPECT_EQ(hook->textColor, 0x00FFFFFFu);
        // At logon the program may start before the shell: the hook is set on the desktop's
        // thread once there is one (the shell's "TaskbarCreated" forces the colours).
        EXPECT_EQ(hook->count, registrations) << "no desktop, nothing to hook";
        const DesktopWindows desktop;
        options.ForceCaptionColors();
        EXPECT_EQ(hook->count, registrations + 1) << "captions see-through: registered";
        EXPECT_NE(hook->hook, nullptr);
    }
    EXPECT_EQ(hook->count, registrations) << "given back at destruction";
}

TEST_F(OptionSettingsTest, EveryValueReadsBackAfterSave)
{
    {
        OptionSettings options;
        options.Load(registry.Root());
        options.noAutoChange = true;
        options.byProcess = true;
        options.notifyAll = false;
        options.resize = true;
        options.SetStyle(1);
        options.order = 2;
        options.interval = 45;
        options.SetSeeThrough(false);
        options.SetTextColor(0x00123456);
        options.SetNoSaver(true);
        options.SetProcesses({"a.exe", "\x95\x5c.exe"});
        options.fullScreen = false;
        options.fill = true;
        options.perMonitor = true;
        options.Save(registry.Root());
    }
    EXPECT_EQ(Stored(kTextColor), "3:4:123456");
    OptionSettings options;
    options.Load(registry.Root());
    EXPECT_TRUE(options.noSaver);
    EXPECT_EQ(options.style, 1);
    std::vector<std::string> processes;
    options.GetProcesses(processes);
    EXPECT_EQ(processes, (std::vector<std::string>{"a.exe", "\x95\x5c.exe"}));
    EXPECT_TRUE(options.noAutoChange);
    EXPECT_TRUE(options.byProcess);
    EXPECT_FALSE(options.notifyAll);
    EXPECT_EQ(options.interval, 45);
    EXPECT_EQ(options.order, 2);
    EXPECT_FALSE(options.seeThrough);
    EXPECT_EQ(options.textColor, 0x00123456u);
    EXPECT_TRUE(options.resize);
    EXPECT_FALSE(options.fullScreen);
    EXPECT_TRUE(options.fill);
    EXPECT_TRUE(options.perMonitor);
    ASSERT_NE(hook, nullptr);
    EXPECT_EQ(hook->textColor, 0x00123456u) << "the colour goes to the library at load";
}

TEST_F(OptionSettingsTest, MissingValuesOfAnExistingKeyTakeTheDefaults)
{
    registry.WriteInt32(OptionKey(), kInterval, 3);
    const BYTE wide[4] = {1, 0, 0, 0};
    registry.WriteRaw(OptionKey(), kNotifyAll, REG_BINARY, wide, sizeof wide);
    OptionSettings options;
    options.interval = 99;
    options.Load(registry.Root());
    EXPECT_EQ(options.interval, 3);
    EXPECT_TRUE(options.notifyAll) << "a flag of the wrong width is not read";
    EXPECT_TRUE(options.seeThrough);
    EXPECT_EQ(options.textColor, 0x00FFFFFFu);
    EXPECT_EQ(Stored(kStyle), "<missing>") << "an existing key is only read";
    EXPECT_TRUE(options.fullScreen) << "an install from before the option has it on";
}

TEST_F(OptionSettingsTest, AnInstallFromBeforeTheNewerOptionsKeepsItsValuesAndGainsThem)
{
    const char* const older[] = {kNoAutoChange, kNoSaver, kByProcess, kNotifyAll, kResize,
                                 kStyle, kOrder, kInterval, kSeeThrough, kTextColor};
    auto stored = [&] {
        std::vector<std::string> values;
        for (const char* name : older)
            values.push_back(Stored(name));
        return values;
    };
    OptionSettings().Load(registry.Root());
    for (const char* newer : {kFullScreen, kFill, kPerMonitor})
        registry.DeleteValue(OptionKey(), newer);
    const std::vector<std::string> before = stored();
    OptionSettings options;
    options.Load(registry.Root());
    options.Save(registry.Root());
    EXPECT_EQ(stored(), before);
    EXPECT_EQ(Stored(kFullScreen), "3:1:1");
    EXPECT_EQ(Stored(kFill), "3:1:0");
    EXPECT_EQ(Stored(kPerMonitor), "3:1:0");
}

TEST_F(OptionSettingsTest, StyleWritesTheDesktopLayoutValues)
{
    OptionSettings options;
    options.Load(registry.Root());
    const char* expected[3][2] = {{"0", "0"}, {"1", "0"}, {"0", "2"}};
    for (int style : {1, 2, 0}) {
        options.SetStyle(style);
        EXPECT_EQ(options.style, style);
        EXPECT_EQ(DesktopValue(kTileWallpaper), expected[style][0]) << style;
        EXPECT_EQ(DesktopValue(kWallpaperStyle), expected[style][1]) << style;
    }
    options.SetStyle(2);
    options.SetStyle(5);
    EXPECT_EQ(options.style, 5) << "stored all the same";
    EXPECT_EQ(DesktopValue(kTileWallpaper), "0");
    EXPECT_EQ(DesktopValue(kWallpaperStyle), "2") << "nothing written for 5";
    options.Save(registry.Root());
    EXPECT_EQ(Stored(kStyle), "3:4:5");
}

TEST_F(OptionSettingsTest, ScreenSaverIsHeldOffWhileTheOptionsLive)
{
    SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr, 0);
    const BYTE on = 1;
    registry.WriteRaw(OptionKey(), kNoSaver, REG_BINARY, &on, 1);
    {
        OptionSettings options;
        options.Load(registry.Root());
        EXPECT_TRUE(options.noSaver);
        EXPECT_FALSE(ScreenSaverActive()) << "off at load";
    }
    EXPECT_TRUE(ScreenSaverActive()) << "on again at destruction";

    OptionSettings options;
    options.Load(registry.Root());
    options.Save(registry.Root());
    EXPECT_TRUE(ScreenSaverActive()) << "a save gives the screen saver back";
    EXPECT_FALSE(options.noSaver);
    EXPECT_EQ(Stored(kNoSaver), "3:1:1") << "the next start holds it off again";

    options.Save(registry.Root());
    EXPECT_EQ(Stored(kNoSaver), "3:1:1") << "end of logon, then exit: still 1";

    options.SetNoSaver(false);
    EXPECT_TRUE(ScreenSaverActive());
    options.Save(registry.Root());
    EXPECT_EQ(Stored(kNoSaver), "3:1:0") << "the user's later choice wins";

    options.SetNoSaver(true);
    EXPECT_FALSE(ScreenSaverActive());
}

TEST_F(OptionSettingsTest, SavingAShorterProcessListLeavesNoStaleNames)
{
    OptionSettings options;
    options.Load(registry.Root());
    options.SetProcesses({"a.exe", "b.exe", "c.exe"});
    options.Save(registry.Root());
    options.SetProcesses({"a.exe", "b.exe"});
    options.Save(registry.Root());
    EXPECT_EQ(registry.ReadString(ProcessKey(), "0"), "a.exe");
    EXPECT_EQ(registry.ReadString(ProcessKey(), "1"), "b.exe");
    EXPECT_EQ(registry.ReadString(ProcessKey(), "2"), "<missing>");
}

TEST_F(OptionSettingsTest, RunningRegisteredProgramsSuppressTheAutomaticChange)
{
    OptionSettings options;
    options.Load(registry.Root());
    std::string otherCase = OwnFileName();
    std::transform(otherCase.begin(), otherCase.end(), otherCase.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    ASSERT_NE(otherCase, OwnFileName());

    options.SetProcesses({"absent.exe", OwnFileName()});
    EXPECT_TRUE(options.IsAutoChangeAllowed()) << "\"ByProcess\" off";
    options.byProcess = true;
    EXPECT_FALSE(options.IsAutoChangeAllowed()) << "this program is running";
    options.SetProcesses({otherCase});
    EXPECT_TRUE(options.IsAutoChangeAllowed()) << "names match case-sensitively";
    options.noAutoChange = true;
    EXPECT_FALSE(options.IsAutoChangeAllowed()) << "paused";
}

TEST_F(OptionSettingsTest, SeeThroughRegistersOnChangesAndForcesTheColoursAlways)
{
    ASSERT_NE(hook, nullptr);
    const DesktopWindows desktop;
    AttachThread();
    ASSERT_EQ(hook->listView, desktop.ListView()) << "the library found the stand-in desktop";
    const LONG registrations = hook->count;
    const CaptionColors byHand = {0x00040506, 0x00010203};
    {
        OptionSettings options;
        options.Load(registry.Root());
        ASSERT_EQ(hook->count, registrations + 1);

        SetCaptionColors(desktop.ListView(), byHand);
        options.SetSeeThrough(true);
        EXPECT_EQ(hook->count, registrations + 1) << "the same value registers nothing";
        EXPECT_EQ(GetCaptionColors(desktop.ListView()), (CaptionColors{0x00FFFFFF, CLR_NONE}));

        options.SetTextColor(0x000000FF);
        EXPECT_EQ(hook->textColor, 0x000000FFu);
        options.SetSeeThrough(false);
        EXPECT_FALSE(options.seeThrough);
        EXPECT_EQ(hook->count, registrations);
        options.SetSeeThrough(false);
        EXPECT_EQ(hook->count, registrations) << "nothing to unregister twice";
        options.SetSeeThrough(true);
        EXPECT_EQ(hook->count, registrations + 1);
        EXPECT_EQ(GetCaptionColors(desktop.ListView()), (CaptionColors{0x000000FF, CLR_NONE}));
    }
    EXPECT_EQ(hook->count, registrations);
}
