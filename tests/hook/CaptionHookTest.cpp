#include "tests/hook/DesktopWindows.h"
#include "tests/hook/HookLibrary.h"
#include "tests/support/DebugCapture.h"
#include "tests/support/Probe.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <thread>

namespace {

constexpr COLORREF kWhite = 0x00FFFFFF;
constexpr CaptionColors kByHand = {0x00040506, 0x00010203};
constexpr char kCopyVariable[] = "TESSEL_HOOK_COPY";

// The desktop stand-ins exist before the library copy is loaded; the shared state is
// recorded right after loading, before any test calls into the library.
struct HookWorld {
    DesktopWindows desktop;
    HookLibraryCopy library;
    HookSharedState atLoad{};

    HookWorld()
    {
        const volatile HookSharedState& shared = library.Shared();
        atLoad = {shared.hook, shared.count, shared.listView, shared.textColor};
    }
};

HookWorld& World()
{
    static HookWorld world;
    return world;
}

class CaptionHook : public testing::Test {
protected:
    void SetUp() override { lib.setTextColor(kWhite); }
    // Every case leaves the library as it found it: no registration, no hook.
    void TearDown() override
    {
        while (shared.count > 0)
            lib.unregisterHook();
    }

    HookLibraryCopy& lib = World().library;
    volatile HookSharedState& shared = World().library.Shared();
    HWND listView = World().desktop.ListView();
};

// In a child: the parent's library copy (named in the environment), mapped here too.
struct ParentsCopy {
    HMODULE module = nullptr;
    volatile HookSharedState* shared = nullptr;

    ParentsCopy()
    {
        const char* path = std::getenv(kCopyVariable);
        module = path ? LoadLibraryA(path) : nullptr;
        shared = SharedStateOf(module);
    }
    int Call(int ordinal) const
    {
        const auto function = reinterpret_cast<int(WINAPI*)()>(
            reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(ordinal))));
        return function();
    }
};

constexpr int kRegister = 2;
constexpr int kUnregister = 3;

// Runs a probe while this thread keeps answering sent messages: a child that installs the
// hook forces the colours onto the stand-in desktop, whose windows belong to this thread.
DebugRun RunProbeAnswering(const char* probe)
{
    std::atomic<bool> done{false};
    DebugRun run;
    std::thread debugger([&] {
        run = RunProbeUnderDebugger(probe);
        done = true;
    });
    while (!done) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    debugger.join();
    return run;
}

}  // namespace

TEST(CaptionHookLibrary, SharedSectionHoldsFourFieldsWithTheirInitialValues)
{
    if (sizeof(void*) == 8)
        GTEST_SKIP() << "the 16-byte layout is the 32-bit library's; 64-bit handles are wider";
    const HookWorld& world = World();
    const IMAGE_SECTION_HEADER* section = FindSection(world.library.Module(), "TSL_HOOK");
    ASSERT_NE(section, nullptr);
    EXPECT_EQ(section->Misc.VirtualSize, 16u);
    const DWORD wanted = IMAGE_SCN_CNT_INITIALIZED_DATA | IMAGE_SCN_MEM_SHARED
                         | IMAGE_SCN_MEM_READ | IMAGE_SCN_MEM_WRITE;
    EXPECT_EQ(section->Characteristics & wanted, wanted);

    EXPECT_EQ(world.atLoad.hook, nullptr);
    EXPECT_EQ(world.atLoad.count, 0);
    EXPECT_EQ(world.atLoad.listView, world.desktop.ListView()) << "found at load";
    EXPECT_EQ(world.atLoad.textColor, kWhite) << "white before any set_text_color";
}

TEST(CaptionHookLibrary, ExportsEachNameAtItsOrdinal)
{
    const HMODULE module = World().library.Module();
    const char* names[] = {"hook_proc", "register_hook", "unregister_hook", "set_text_color",
                           "complusion"};
    for (int ordinal = 1; ordinal <= 5; ++ordinal) {
        const FARPROC byName = GetProcAddress(module, names[ordinal - 1]);
        EXPECT_NE(byName, nullptr) << names[ordinal - 1];
        EXPECT_EQ(byName, GetProcAddress(module, MAKEINTRESOURCEA(ordinal))) << ordinal;
    }
}

TEST(CaptionHookLibrary, ADesktopListViewThatWentAwayIsLookedUpAgain)
{
    HookWorld& world = World();
    const volatile HookSharedState& shared = world.library.Shared();
    const HWND old = world.desktop.ListView();
    AttachThread();
    EXPECT_EQ(shared.listView, old) << "a live handle stays";

    world.desktop.ReplaceListView();
    ASSERT_NE(world.desktop.ListView(), old);
    AttachThread();
    EXPECT_EQ(shared.listView, world.desktop.ListView()) << "the dead handle is replaced";
}

TEST_F(CaptionHook, RegistrationsAreCountedAroundOneHook)
{
    EXPECT_EQ(lib.unregisterHook(), 1) << "nothing registered";
    EXPECT_EQ(shared.count, 0);

    SetCaptionColors(listView, kByHand);
    ASSERT_EQ(lib.registerHook(), 1);
    const HHOOK hook = shared.hook;
    ASSERT_NE(hook, nullptr);
    EXPECT_EQ(shared.count, 1);
    EXPECT_EQ(GetCaptionColors(listView), (CaptionColors{kWhite, CLR_NONE}))
        << "installing forces the colours";

    SetCaptionColors(listView, kByHand);
    EXPECT_EQ(lib.registerHook(), 1);
    EXPECT_EQ(shared.count, 2);
    EXPECT_EQ(shared.hook, hook) << "no second hook";
    EXPECT_EQ(GetCaptionColors(listView), kByHand) << "nothing repainted";

    EXPECT_EQ(lib.unregisterHook(), 1);
    EXPECT_EQ(shared.count, 1);
    EXPECT_EQ(shared.hook, hook);

    EXPECT_NE(lib.unregisterHook(), 0);
    EXPECT_EQ(shared.count, 0);
    EXPECT_EQ(shared.hook, nullptr);

    EXPECT_EQ(lib.unregisterHook(), 1);
    EXPECT_EQ(shared.count, 0);
}

TEST_F(CaptionHook, ComplusionForcesTheColoursOnlyWhileHooked)
{
    SetCaptionColors(listView, kByHand);
    EXPECT_EQ(lib.complusion(), 0);
    EXPECT_EQ(GetCaptionColors(listView), kByHand);

    ASSERT_EQ(lib.registerHook(), 1);
    SetCaptionColors(listView, kByHand);
    EXPECT_EQ(lib.setTextColor(0x00336699), 0x00336699u);
    EXPECT_EQ(shared.textColor, 0x00336699u);
    EXPECT_EQ(GetCaptionColors(listView), kByHand) << "a new colour waits for a paint";

    EXPECT_NE(lib.complusion(), 0);
    EXPECT_EQ(GetCaptionColors(listView), (CaptionColors{0x00336699, CLR_NONE}));
}

TEST_F(CaptionHook, PaintOfTheDesktopListViewReappliesTheColours)
{
    ASSERT_EQ(lib.registerHook(), 1);
    lib.setTextColor(0x00C08040);
    const HWND other = World().desktop.OtherListView();
    SetCaptionColors(listView, kByHand);
    SetCaptionColors(other, kByHand);

    SendMessageA(other, WM_PAINT, 0, 0);
    SendMessageA(World().desktop.DefView(), WM_PAINT, 0, 0);
    SendMessageA(listView, WM_NULL, 0, 0);
    SendMessageA(listView, WM_SETREDRAW, TRUE, 0);
    EXPECT_EQ(GetCaptionColors(other), kByHand) << "another window's paint";
    EXPECT_EQ(GetCaptionColors(listView), kByHand) << "other messages";

    SendMessageA(listView, WM_PAINT, 0, 0);
    EXPECT_EQ(GetCaptionColors(listView), (CaptionColors{0x00C08040, CLR_NONE}));
    EXPECT_EQ(GetCaptionColors(other), kByHand);

    ASSERT_NE(lib.unregisterHook(), 0);
    SetCaptionColors(listView, kByHand);
    SendMessageA(listView, WM_PAINT, 0, 0);
    EXPECT_EQ(GetCaptionColors(listView), kByHand) << "unhooked";
}

TEST_F(CaptionHook, APaintTakesANewDesktopListViewOnceTheOldIsGone)
{
    ASSERT_EQ(lib.registerHook(), 1);
    lib.setTextColor(0x00204080);
    DesktopWindows& desktop = World().desktop;
    desktop.ReplaceListView();  // no new thread: the entry point has not looked again
    const HWND replaced = desktop.ListView();
    SetCaptionColors(replaced, kByHand);
    SetCaptionColors(desktop.OtherListView(), kByHand);

    SendMessageA(desktop.OtherListView(), WM_PAINT, 0, 0);
    EXPECT_EQ(GetCaptionColors(desktop.OtherListView()), kByHand) << "not under the desktop";
    SendMessageA(replaced, WM_PAINT, 0, 0);
    EXPECT_EQ(shared.listView, replaced);
    EXPECT_EQ(GetCaptionColors(replaced), (CaptionColors{0x00204080, CLR_NONE}));
}

TESSEL_PROBE(RegisterBesideParent)
{
    const ParentsCopy copy;
    if (copy.shared == nullptr)
        return 90;
    const LONG before = copy.shared->count;
    const HHOOK hook = copy.shared->hook;
    if (copy.Call(kRegister) != 1 || copy.shared->hook != hook)
        return 91;
    return static_cast<int>(before * 10 + copy.shared->count);
}

TESSEL_PROBE(RegisterAndRemove)
{
    const ParentsCopy copy;
    if (copy.shared == nullptr)
        return 90;
    if (copy.Call(kRegister) != 1 || copy.shared->hook == nullptr)
        return 91;
    if (copy.Call(kUnregister) == 0 || copy.Call(kUnregister) != 1)
        return 92;
    return copy.shared->hook == nullptr && copy.shared->count == 0 ? 0 : 93;
}

TEST_F(CaptionHook, CountIsSharedBetweenProcesses)
{
    SetEnvironmentVariableA(kCopyVariable, lib.Path().c_str());
    ASSERT_EQ(lib.registerHook(), 1);
    const HHOOK hook = shared.hook;

    const DebugRun child = RunProbeAnswering("RegisterBesideParent");
    ASSERT_TRUE(child.started);
    EXPECT_EQ(child.exitCode, 12u) << "the child saw 1 and made it 2";
    EXPECT_EQ(shared.count, 2) << "the parent sees the child's registration";
    EXPECT_EQ(shared.hook, hook);

    EXPECT_EQ(lib.unregisterHook(), 1);
    EXPECT_NE(lib.unregisterHook(), 0);
    EXPECT_EQ(shared.hook, nullptr);
}

TEST_F(CaptionHook, LastRemovalTracesOnce)
{
    SetEnvironmentVariableA(kCopyVariable, lib.Path().c_str());
    const DebugRun child = RunProbeAnswering("RegisterAndRemove");
    ASSERT_TRUE(child.started);
    EXPECT_EQ(child.exitCode, 0u);
    EXPECT_EQ(child.Count("Unregister Hook\n"), 1);
    EXPECT_EQ(shared.count, 0);
    EXPECT_EQ(shared.hook, nullptr);
}
