#include "engine/ProcessFileName.h"
#include "engine/ProcessWatcher.h"
#include "win32/AnsiPath.h"
#include "win32/UniqueHandle.h"
#include "tests/hook/HookLibrary.h"
#include "tests/support/Probe.h"
#include "tests/support/TempDir.h"

#include <shlwapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

std::string OwnFileName()
{
    char path[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return ProcessFileName(path);
}

int CountRunning(const std::string& name)
{
    std::vector<std::string> names{"stale"};
    EnumerateProcesses(names);
    return static_cast<int>(std::count(names.begin(), names.end(), name));
}

// A child process of this (or another) program, ended and reaped when dropped.
class Child {
public:
    explicit Child(const std::wstring& program, const char* probe)
    {
        std::wstring commandLine = L"\"" + program + L"\" --probe " + WideOf(probe);
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info = {};
        if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &startup, &info)) {
            process_.reset(info.hProcess);
            UniqueKernelHandle(info.hThread).reset();
        }
    }
    ~Child()
    {
        if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_.get(), 1);
            WaitForSingleObject(process_.get(), 10000);
        }
    }
    bool Started() const { return static_cast<bool>(process_); }
    // The exit code, or 0xFFFFFFFF when it did not end within the time.
    DWORD Wait() const
    {
        DWORD code = 0xFFFFFFFF;
        if (WaitForSingleObject(process_.get(), 60000) == WAIT_OBJECT_0)
            GetExitCodeProcess(process_.get(), &code);
        return code;
    }

private:
    UniqueKernelHandle process_;
};

// Wine's per-program setting that makes one executable name see Windows 98.
class Windows98Setting {
public:
    explicit Windows98Setting(const std::string& exeName)
        : key_("Software\\Wine\\AppDefaults\\" + exeName)
    {
        HKEY key = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr);
        const UniqueRegKey owned(key);
        RegSetValueExA(owned.get(), "Version", 0, REG_SZ,
                       reinterpret_cast<const BYTE*>("win98"), 6);
    }
    ~Windows98Setting() { SHDeleteKeyA(HKEY_CURRENT_USER, key_.c_str()); }

private:
    std::string key_;
};

}  // namespace

TEST(EnumerateWithToolhelp, HandsEveryProcessToTheCallbackUntilItStops)
{
    struct Seen {
        int calls = 0;
        bool self = false;
        int stopAfter = 0;
    };
    const auto callback = [](DWORD id, const char* exeFile, void* user) -> BOOL {
        Seen& seen = *static_cast<Seen*>(user);
        ++seen.calls;
        if (id == GetCurrentProcessId() && ProcessFileName(exeFile) == OwnFileName())
            seen.self = true;
        return seen.calls != seen.stopAfter;
    };
    Seen all;
    EXPECT_TRUE(EnumerateWithToolhelp(callback, &all));
    EXPECT_TRUE(all.self) << "this process, by identifier and executable name";
    EXPECT_GT(all.calls, 1);

    Seen first;
    first.stopAfter = 1;
    EXPECT_TRUE(EnumerateWithToolhelp(callback, &first));
    EXPECT_EQ(first.calls, 1);
}

TESSEL_PROBE(WaitToBeEnded)
{
    Sleep(60000);
    return 0;
}

TEST(EnumerateProcesses, ListsThisProgramOncePerRunningCopy)
{
    const std::string self = OwnFileName();
    EXPECT_EQ(CountRunning(self), 1) << "the list is cleared first, then filled";
    char path[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const Child copy(WideOf(path), "WaitToBeEnded");
    ASSERT_TRUE(copy.Started());
    EXPECT_EQ(CountRunning(self), 2);
}

TEST(EnumerateProcesses, NamesTheCodePageCannotSpellMatchNoLookAlike)
{
    // Copies of this program (with the hook library beside them) under three names.
    const TempDir folder;
    const std::wstring path = WideOf(folder.Path()) + L"\\";
    ASSERT_TRUE(CopyFileW(WideOf(ProgramFolder() + "\\tesselsub.dll").c_str(),
                          (path + L"tesselsub.dll").c_str(), FALSE));
    char self[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::vector<std::unique_ptr<Child>> copies;
    for (const wchar_t* name : {L"cafe.exe", L"caf\u00E9.exe", L"\uD55C\uAE00.exe"}) {
        ASSERT_TRUE(CopyFileW(WideOf(self).c_str(), (path + name).c_str(), FALSE));
        copies.push_back(std::make_unique<Child>(path + name, "WaitToBeEnded"));
        ASSERT_TRUE(copies.back()->Started());
    }
    EXPECT_EQ(CountRunning("cafe.exe"), 1);
    EXPECT_EQ(CountRunning("??.exe"), 0);
}

// 0: the platform is Windows 95/98/Me and the list holds this program; 2: the platform is
// something else; 3: this program is not listed.
TESSEL_PROBE(ListSelfOnWindows98)
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version) || version.dwPlatformId != VER_PLATFORM_WIN32_WINDOWS)
        return 2;
    return CountRunning(OwnFileName()) == 1 ? 0 : 3;
}

TEST(EnumerateProcesses, ListsOnTheWindows98Platform)
{
    // A renamed copy of this program (with the hook library beside it) gets the setting,
    // so this process and every other test keep the NT platform.
    const TempDir folder;
    const std::string name = "tessel-win98-" + std::to_string(GetCurrentProcessId()) + ".exe";
    char self[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    ASSERT_TRUE(CopyFileA(self, (folder / name).c_str(), FALSE));
    ASSERT_TRUE(CopyFileA((ProgramFolder() + "\\tesselsub.dll").c_str(),
                          (folder / "tesselsub.dll").c_str(), FALSE));
    const Windows98Setting setting(name);
    const Child copy(WideOf(folder / name), "ListSelfOnWindows98");
    ASSERT_TRUE(copy.Started());
    const DWORD code = copy.Wait();
    ASSERT_NE(code, 2u) << "Wine did not apply the Windows 98 setting";
    EXPECT_EQ(code, 0u);
}
