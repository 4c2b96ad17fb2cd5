// Every stored value of the program written wrongly or at an extreme, then the real program
// started, driven and ended: it must run, exit normally and save values it can read again.
#include "app/Protocol.h"
#include "settings/RegistryNames.h"
#include "tests/e2e/StoredValues.h"
#include "tests/e2e/TesselRun.h"
#include "tests/support/Bytes.h"
#include "tests/support/MessageBoxWatcher.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestBmp.h"
#include "win32/Directory.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace RN = RegistryNames;

namespace {

enum class Kind { Int, Flag, Text };

struct Setting {
    std::string key;
    const char* name;
    Kind kind;
};

std::vector<Setting> EverySetting()
{
    const std::string folders = std::string(RN::kFolderKey) + RN::kFolderListKey;
    const std::string processes = std::string(RN::kOptionKey) + RN::kProcessListKey;
    std::vector<Setting> all = {
        {"", RN::kElapsedTime, Kind::Int},
        {RN::kFolderKey, RN::kTmpPath, Kind::Text},
        {RN::kFolderKey, RN::kEscPath, Kind::Text},
        {RN::kFolderKey, RN::kNumFolder, Kind::Int},
        {RN::kFolderKey, RN::kCurrentFile, Kind::Int},
        {folders, "0", Kind::Text},
        {RN::kOptionKey, RN::kNoAutoChange, Kind::Flag},
        {RN::kOptionKey, RN::kNoSaver, Kind::Flag},
        {RN::kOptionKey, RN::kByProcess, Kind::Flag},
        {RN::kOptionKey, RN::kNotifyAll, Kind::Flag},
        {RN::kOptionKey, RN::kResize, Kind::Flag},
        {RN::kOptionKey, RN::kStyle, Kind::Int},
        {RN::kOptionKey, RN::kOrder, Kind::Int},
        {RN::kOptionKey, RN::kInterval, Kind::Int},
        {RN::kOptionKey, RN::kSeeThrough, Kind::Flag},
        {RN::kOptionKey, RN::kTextColor, Kind::Int},
        {processes, "0", Kind::Text},
        {RN::kHotkeyKey, RN::kLButton, Kind::Int},
        {RN::kRunQuitKey, RN::kRunPath, Kind::Text},
        {RN::kRunQuitKey, RN::kQuitPath, Kind::Text},
        {RN::kRunQuitKey, RN::kRunOption, Kind::Int},
        {RN::kRunQuitKey, RN::kQuitOption, Kind::Int},
        {RN::kSpiKey, RN::kUseSpi, Kind::Flag},
        {RN::kSpiKey, RN::kSpiPath, Kind::Text},
    };
    for (const char* name : RN::kHotkeyNames)
        all.push_back({RN::kHotkeyKey, name, Kind::Int});
    return all;
}

// One way of storing a value wrongly. `path` is an existing folder, so a string read that
// wrongly took it would show in what is saved.
using Corruption = void (*)(const Setting& s, const std::string& path);

// textReadable: the system itself terminates an unterminated string as it hands it out, so
// such a text may be taken as written.
const struct {
    const char* what;
    Corruption write;
    bool textReadable;
} kCorruptions[] = {
    {"wrong type, right size",
     [](const Setting& s, const std::string& path) {
         if (s.kind == Kind::Text)
             WriteStored(s.key, s.name, REG_BINARY, path + '\0');
         else if (s.kind == Kind::Int)
             WriteStored(s.key, s.name, REG_SZ, std::string("12\0\0", 4));
         else
             WriteStored(s.key, s.name, REG_SZ, std::string(1, '\0'));
     },
     false},
    {"too short or unterminated",
     [](const Setting& s, const std::string& path) {
         if (s.kind == Kind::Text)
             WriteStored(s.key, s.name, REG_SZ, path);
         else
             WriteStored(s.key, s.name, REG_BINARY, s.kind == Kind::Int ? "\1\1" : "");
     },
     true},
    {"too long",
     [](const Setting& s, const std::string& path) {
         if (s.kind == Kind::Text)  // over 260 characters, terminated, still naming the folder
             WriteStored(s.key, s.name, REG_SZ, path + std::string(300, '\\') + '\0');
         else
             WriteStored(s.key, s.name, REG_BINARY, std::string(s.kind == Kind::Int ? 8 : 4, '\1'));
     },
     false},
    {"empty, no type",
     [](const Setting& s, const std::string&) { WriteStored(s.key, s.name, REG_NONE, ""); },
     false},
};

void CorruptAll(Corruption corrupt, const std::string& path)
{
    for (const Setting& s : EverySetting())
        corrupt(s, path);
}

std::int32_t Int32Of(const StoredValue& value)
{
    return value.bytes.size() == 4 ? static_cast<std::int32_t>(Get32(value.bytes, 0)) : 0;
}

void ExpectOnlyNotFoundBoxes(const MessageBoxWatcher& boxes, const std::string& context)
{
    for (const MessageBoxWatcher::Box& box : boxes.Boxes())
        EXPECT_EQ(box.text, "ファイルが見つかりません") << context;
}

// A resident run that handles some commands, a timer minute and an icon click, then exits.
// Messages that arrive before the settings have loaded are ignored, and the hotkeys are
// among the hostile values here, so readiness is the first end-of-logon save that writes
// the folder count the run really has.
void DriveResident(const std::string& context, const std::vector<WPARAM>& commands,
                   std::int32_t folders)
{
    TesselRun run("");
    MessageBoxWatcher boxes(run.ProcessId());
    ASSERT_NE(run.MainWindow(), nullptr) << context;
    bool loaded = false;
    for (int i = 0; i < 1000 && !loaded; ++i) {
        run.Send(WM_ENDSESSION, TRUE);
        loaded = ReadStored(RN::kFolderKey, RN::kNumFolder) == Int32Value(folders);
        if (!loaded)
            Sleep(20);
    }
    ASSERT_TRUE(loaded) << context;
    for (WPARAM command : commands)
        run.Send(WM_COMMAND, command);
    run.Send(WM_TIMER, Protocol::kTimerId);
    run.Send(Protocol::kTrayMessage, 0, WM_LBUTTONDOWN);
    run.Send(WM_COMMAND, IDM_EXIT);
    EXPECT_EQ(run.Wait(), 0) << context;
    ExpectOnlyNotFoundBoxes(boxes, context);
}

// The change command goes by the stored order.
const std::vector<WPARAM> kCommands = {IDM_NEXT, IDM_PREVIOUS, IDM_RANDOM, IDM_CHANGE, IDM_NEXT};

}  // namespace

class HostileSettingsTest : public testing::Test {
protected:
    ProgramRegistry registry;
    TempDir dir;
};

TEST_F(HostileSettingsTest, MalformedValuesReadAsDefaultsAndAreSavedWellFormed)
{
    const std::string folder = dir.Folder("real");
    const std::string moduleDirectory = GetModuleDirectory();
    for (const auto& corruption : kCorruptions) {
        const std::string context = corruption.what;
        // A text value is the default, or (where it may be read) the folder as written.
        auto ExpectText = [&](const std::string& key, const char* name, const std::string& def) {
            const StoredValue saved = ReadStored(key, name);
            if (corruption.textReadable && saved == TextValue(folder))
                return;
            EXPECT_EQ(saved, TextValue(def)) << context << ": " << name;
        };
        // A first run creates every key, so the bad values sit in keys that exist.
        TesselRun("/C").Wait();
        CorruptAll(corruption.write, folder);
        {
            TesselRun run("/N");
            MessageBoxWatcher boxes(run.ProcessId());
            EXPECT_EQ(run.Wait(), 0) << context;
            ExpectOnlyNotFoundBoxes(boxes, context);
        }
        EXPECT_EQ(ReadStored(RN::kFolderKey, RN::kNumFolder), Int32Value(0)) << context;
        EXPECT_EQ(ReadStored(RN::kFolderKey, RN::kCurrentFile), Int32Value(-1)) << context;
        ExpectText(RN::kFolderKey, RN::kTmpPath, moduleDirectory);

        CorruptAll(corruption.write, folder);
        DriveResident(context, kCommands, 0);

        // An unreadable list entry ends its list, and the saved list drops it.
        for (const std::string& list : {std::string(RN::kFolderKey) + RN::kFolderListKey,
                                       std::string(RN::kOptionKey) + RN::kProcessListKey}) {
            const StoredValue saved = ReadStored(list, "0");
            EXPECT_TRUE(!saved.exists || (corruption.textReadable && saved == TextValue(folder)))
                << context << ": " << list;
        }
        // Everything else is back to the defaults of a new key (one timer minute counted).
        EXPECT_EQ(ReadStored("", RN::kElapsedTime), Int32Value(1)) << context;
        ExpectText(RN::kFolderKey, RN::kTmpPath, moduleDirectory);
        ExpectText(RN::kFolderKey, RN::kEscPath, "");
        EXPECT_EQ(ReadStored(RN::kFolderKey, RN::kNumFolder), Int32Value(0)) << context;
        EXPECT_EQ(ReadStored(RN::kFolderKey, RN::kCurrentFile), Int32Value(-1)) << context;
        EXPECT_EQ(ReadStored(RN::kOptionKey, RN::kNoAutoChange), FlagValue(false)) << context;
        EXPECT_EQ(ReadStored(RN::kOptionKey, RN::kNoSaver), FlagValue(false)) << context;
        EXPECT_EQ(ReadStored(RN::kOptionKey, RN::kByProcess), FlagValue(false)) << context;
        EXPECT_EQ(ReadStored(RN::kOptionKey, RN::kNotifyAll), FlagValue(true)) << context;
        EXPECT_EQ(ReadStored(RN::kOptionKey, RN::kResize), FlagValue(false)) << context;
        EXPECT_EQ(ReadStored(RN::kOptionKey, RN::kStyle), Int32Value(0)) << context;
        EXPECT_EQ(ReadStored(RN::kOptionKey, RN::kOrder), Int32Value(0)) << context;
        EXPECT_EQ(ReadStored(RN::kOptionKey, RN::kInterval), Int32Value(10)) << context;
        EXPECT_EQ(ReadStored(RN::kOptionKey, RN::kSeeThrough), FlagValue(true)) << context;
        EXPECT_EQ(ReadStored(RN::kOptionKey, RN::kTextColor), Int32Value(0xFFFFFF)) << context;
        for (const char* name : RN::kHotkeyNames)
            EXPECT_EQ(ReadStored(RN::kHotkeyKey, name), Int32Value(0)) << context << name;
        EXPECT_EQ(ReadStored(RN::kHotkeyKey, RN::kLButton), Int32Value(0)) << context;
        ExpectText(RN::kRunQuitKey, RN::kRunPath, "");
        ExpectText(RN::kRunQuitKey, RN::kQuitPath, "");
        EXPECT_EQ(ReadStored(RN::kRunQuitKey, RN::kRunOption), Int32Value(0)) << context;
        EXPECT_EQ(ReadStored(RN::kRunQuitKey, RN::kQuitOption), Int32Value(0)) << context;
        EXPECT_EQ(ReadStored(RN::kSpiKey, RN::kUseSpi), FlagValue(false)) << context;
        ExpectText(RN::kSpiKey, RN::kSpiPath, "");
    }
}

// Every number at the ends of its range and just past what the program understands, with
// three pictures registered so changes really happen.
TEST_F(HostileSettingsTest, ExtremeNumbersRunAndAreKeptOrMadeConsistent)
{
    const std::string pictures = dir.Folder("pics");
    dir.File("pics\\a.bmp", SolidBmp(3, 2, 0x0000FF));
    dir.File("pics\\b.bmp", SolidBmp(5, 4, 0x00FF00));
    dir.File("pics\\c.bmp", SolidBmp(7, 6, 0xFF0000));
    const std::string tmp = dir.Folder("tmp");
    const char* const numbers[] = {RN::kStyle, RN::kOrder, RN::kInterval, RN::kTextColor};
    for (const std::int32_t extreme : {INT_MIN, -1, 3, 7, 0x7FFF, INT_MAX}) {
        const std::string context = std::to_string(extreme);
        auto plant = [&] {
            WriteText(RN::kFolderKey, RN::kTmpPath, tmp);
            WriteText(std::string(RN::kFolderKey) + RN::kFolderListKey, "0", pictures);
            WriteInt32(RN::kFolderKey, RN::kNumFolder, extreme);
            WriteInt32(RN::kFolderKey, RN::kCurrentFile, extreme);
            WriteInt32("", RN::kElapsedTime, extreme);
            for (const char* name : numbers)
                WriteInt32(RN::kOptionKey, name, extreme);
            for (const char* name : RN::kHotkeyNames)
                WriteInt32(RN::kHotkeyKey, name, extreme);
            WriteInt32(RN::kHotkeyKey, RN::kLButton, extreme);
            WriteInt32(RN::kRunQuitKey, RN::kRunOption, extreme);
            WriteInt32(RN::kRunQuitKey, RN::kQuitOption, extreme);
        };
        // A folder count below one reads no folder, and the empty list is what is saved.
        const int folders = extreme >= 1 ? 1 : 0;
        for (const std::string line : {"/N", "/P", "/R", "/W"}) {
            plant();
            TesselRun run(line);
            MessageBoxWatcher boxes(run.ProcessId());
            EXPECT_EQ(run.Wait(), 0) << context << line;
            ExpectOnlyNotFoundBoxes(boxes, context + line);
            EXPECT_EQ(ReadStored(RN::kFolderKey, RN::kNumFolder), Int32Value(folders))
                << context << line;
            // A step always lands in the list; a run that could not step keeps what it read.
            const std::int32_t position = Int32Of(ReadStored(RN::kFolderKey, RN::kCurrentFile));
            if (folders == 1 && line != "/W")
                EXPECT_TRUE(position >= 0 && position < 3) << context << line << " " << position;
            else
                EXPECT_TRUE(position == extreme || (position >= 0 && position < 3 * folders))
                    << context << line << " " << position;
        }

        plant();
        DriveResident(context, kCommands, folders);
        for (const char* name : numbers)
            EXPECT_EQ(ReadStored(RN::kOptionKey, name), Int32Value(extreme)) << context << name;
        for (const char* name : RN::kHotkeyNames)
            EXPECT_EQ(ReadStored(RN::kHotkeyKey, name), Int32Value(extreme)) << context << name;
        EXPECT_EQ(ReadStored(RN::kHotkeyKey, RN::kLButton), Int32Value(extreme)) << context;
        EXPECT_EQ(ReadStored(RN::kFolderKey, RN::kNumFolder), Int32Value(folders)) << context;
        const std::int32_t position = Int32Of(ReadStored(RN::kFolderKey, RN::kCurrentFile));
        if (folders == 1)
            EXPECT_TRUE(position >= 0 && position < 3) << context << " " << position;
        else
            EXPECT_EQ(position, extreme) << context;
        // The timer minute reached every interval here (the count never wraps, even from the
        // top), so the count starts again from 0.
        EXPECT_EQ(ReadStored("", RN::kElapsedTime), Int32Value(0)) << context;
    }
}
