#include "app/MainWindow.h"

#include "app/Protocol.h"
#include "app/ShowingMenu.h"
#include "app/TrayTip.h"
#include "engine/ProcessFileName.h"
#include "engine/WallpaperChanger.h"
#include "resources/ResourceIds.h"
#include "ui/FileListDialog.h"
#include "ui/SettingsSheet.h"
#include "win32/Directory.h"
#include "win32/Exception.h"
#include "win32/GuardedCall.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

using namespace Protocol;

constexpr UINT kFolderMenuPosition = 5;
constexpr unsigned kMaxFolderItems = 256;
constexpr char kFolderMenuText[] = "ファイルリスト(&L)";
constexpr wchar_t kHelpFile[] = L"\\help\\help.htm";
constexpr char kRecycleQuestion[] = "」をごみ箱へ移動しますか？";
constexpr char kRecycleFailed[] =
    "」をごみ箱へ移動できませんでした。\n読み取り専用か、使用中か、もうありません。";
constexpr char kErrorCaption[] = "エラー";

// The NOTIFYICONDATA layout with the 64-byte tip, which every shell accepts: 88 bytes in
// the 32-bit program.
constexpr DWORD kTrayDataSize = NOTIFYICONDATAA_V1_SIZE;
static_assert(sizeof(void*) != 4 || kTrayDataSize == 88, "tray record layout");

// The tray draws its icons at the small-icon size of the system DPI (24 pixels at 150 %).
HICON LoadTrayIcon(HINSTANCE instance, int id)
{
    return static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON,
                                         GetSystemMetrics(SM_CXSMICON),
                                         GetSystemMetrics(SM_CYSMICON), 0));
}

}  // namespace

CMainWindow::CMainWindow(CWallpaperChanger* engine) : engine_(engine) {}

CMainWindow::~CMainWindow()
{
    Destroy();
}

void CMainWindow::Create(HINSTANCE instance, const char* className, const char* title)
{
    WNDCLASSA windowClass = {};
    windowClass.style = CS_BYTEALIGNCLIENT | CS_BYTEALIGNWINDOW;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_APPLICATION_ICON));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    windowClass.lpszClassName = className;
    if (!RegisterClassA(&windowClass))
        throw CException("failed RegisterClass");

    hwnd_ = CreateWindowExA(WS_EX_CONTROLPARENT, className, title, WS_OVERLAPPEDWINDOW,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                            nullptr, instance, this);
    if (hwnd_ == nullptr)
        throw CException("failed CreateWindow");

    menu_.reset(LoadMenuA(instance, "MainMenu"));
    if (!menu_)
        throw CException("failed LoadMenu");

    AddTrayIcon();

    INITCOMMONCONTROLSEX controls = {sizeof controls,
                                     ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&controls);
    timerId_ = SetTimer(hwnd_, kTimerId, kMinute, nullptr);
    // A restarted shell re-creates the taskbar, forgets every tray icon and shows a new
    // desktop with its own caption colours.
    taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");

    engine_->Load(hwnd_);
    // The screen may have changed since the wallpaper was composed, the program not running.
    screenWatch_ = std::make_unique<CScreenWatch>(hwnd_);
    loaded_ = true;
    UpdateTrayIcon();
}

void CMainWindow::AddTrayIcon()
{
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(hwnd_, GWLP_HINSTANCE));
    iconPaused_.reset(LoadTrayIcon(instance, IDI_TRAY_PAUSED));
    iconRunning_.reset(LoadTrayIcon(instance, IDI_TRAY_RUNNING));
    if (!iconPaused_ || !iconRunning_)
        throw CException("failed LoadIcon");

    trayData_ = {};
    trayData_.cbSize = kTrayDataSize;
    trayData_.hWnd = hwnd_;
    trayData_.uID = kTrayIconId;
    trayData_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    trayData_.uCallbackMessage = kTrayMessage;
    trayData_.hIcon = iconPaused_.get();
    lstrcpynA(trayData_.szTip, kTitle, 64);
    if (!Shell_NotifyIconA(NIM_ADD, &trayData_))
        throw CException("failed Shell_NotifyIcon");
    trayAdded_ = true;
}

void CMainWindow::UpdateTrayIcon()
{
    trayData_.hIcon = engine_->options.noAutoChange ? iconPaused_.get() : iconRunning_.get();
    // The tip names what shows, whichever run changed it.
    std::vector<std::string> names;
    for (const std::string& path : engine_->ShowingFiles())
        names.push_back(ProcessFileName(path));
    const std::string tip = TrayTip(kTitle, names, sizeof trayData_.szTip);
    lstrcpynA(trayData_.szTip, tip.c_str(), sizeof trayData_.szTip);
    trayData_.uFlags = NIF_ICON | NIF_TIP;
    Shell_NotifyIconA(NIM_MODIFY, &trayData_);
}

int CMainWindow::RunMessageLoop()
{
    MSG message;
    int result = 0;
    while ((result = GetMessageA(&message, nullptr, 0, 0)) != 0) {
        if (result == -1)
            break;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    engine_->Save();
    return result == 0 ? static_cast<int>(message.wParam) : 1;
}

void CMainWindow::Destroy()
{
    screenWatch_.reset();
    if (timerId_ != 0) {
        KillTimer(hwnd_, timerId_);
        timerId_ = 0;
    }
    if (trayAdded_) {
        trayData_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        Shell_NotifyIconA(NIM_DELETE, &trayData_);
        trayAdded_ = false;
    }
    iconPaused_.reset();
    iconRunning_.reset();
    menu_.reset();
}

LRESULT CALLBACK CMainWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                         LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<CMainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr)
        return DefWindowProcA(window, message, wParam, lParam);
    if (self->showingError_)
        return 0;
    return GuardedCall([&] { return self->HandleMessage(window, message, wParam, lParam); },
                       [&] {
                           const std::string failure = CurrentFailureText();
                           self->showingError_ = true;
                           MessageBoxA(nullptr, failure.c_str(), nullptr, MB_OK);
                           self->showingError_ = false;
                           PostQuitMessage(1);
                           return DefWindowProcA(window, message, wParam, lParam);
                       });
}

LRESULT CMainWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Adding the tray icon lets sent messages in before the engine has loaded; acting on
    // them then would run commands on an empty list, and an end-of-logon save would
    // overwrite the stored folders with it.
    if (!loaded_ && message != WM_DESTROY)
        return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_ENDSESSION:
        engine_->Save();
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        UpdateTrayIcon();
        return 0;
    case WM_TIMER:
        // A settings sheet may be changing what shows: the screen is followed after it.
        if (wParam == kSettleTimerId && !busy_ && screenWatch_->Settled(wParam))
            engine_->FollowScreen();
        else if (wParam == kTimerId && !busy_)
            engine_->Tick();
        UpdateTrayIcon();
        return 0;
    case WM_SETTINGCHANGE:
        // Another run (a one-shot, a path run) may have changed the wallpaper.
        if (wParam == SPI_SETDESKWALLPAPER)
            UpdateTrayIcon();
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_HOTKEY:
        if (!busy_) {
            engine_->DoAction(static_cast<std::int32_t>(wParam));
            UpdateTrayIcon();
        }
        return 0;
    case kTrayMessage:
        OnTrayNotify(lParam);
        return 0;
    case kShowMenuMessage:
        ShowTrayMenu();
        return 0;
    default:
        break;
    }
    if (screenWatch_ && screenWatch_->Notice(message, wParam))
        return message == WM_POWERBROADCAST ? TRUE : 0;
    if (taskbarCreated_ != 0 && message == taskbarCreated_ && trayAdded_) {
        trayData_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        trayData_.hIcon = engine_->options.noAutoChange ? iconPaused_.get() : iconRunning_.get();
        Shell_NotifyIconA(NIM_ADD, &trayData_);
        engine_->options.ForceCaptionColors();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void CMainWindow::OnTrayNotify(LPARAM mouseMessage)
{
    switch (mouseMessage) {
    case WM_LBUTTONDOWN:
        if (!busy_) {
            engine_->DoIconClickAction();
            UpdateTrayIcon();
        }
        break;
    case WM_RBUTTONDOWN:
        SetForegroundWindow(hwnd_);
        PostMessageA(hwnd_, kShowMenuMessage, 0, 0);
        break;
    default:
        break;
    }
}

void CMainWindow::ShowTrayMenu()
{
    if (busy_ || menuOpen_)
        return;
    menuOpen_ = true;
    POINT cursor = {};
    GetCursorPos(&cursor);
    HMENU popup = GetSubMenu(menu_.get(), 0);
    UniqueMenu folderMenu = BuildTrayMenu(popup);
    {
        const CShowingMenu showing(popup, *engine_);
        TrackPopupMenu(popup, TPM_BOTTOMALIGN | TPM_RIGHTALIGN, cursor.x, cursor.y, 0, hwnd_,
                       nullptr);
        // Lets the menu close when the user clicks elsewhere.
        PostMessageA(hwnd_, WM_NULL, 0, 0);
    }
    if (folderMenu) {
        // Removing by position detaches the submenu; the owner below destroys it.
        RemoveMenu(popup, kFolderMenuPosition, MF_BYPOSITION);
    }
    menuOpen_ = false;
}

UniqueMenu CMainWindow::BuildTrayMenu(HMENU popup)
{
    SetMenuCheck(IDM_PAUSE, engine_->options.noAutoChange);
    SetMenuCheck(IDM_SAVER, engine_->options.noSaver);
    std::vector<std::string> folders;
    engine_->GetFolders(folders);
    if (folders.empty())
        return UniqueMenu();

    UniqueMenu folderMenu(CreatePopupMenu());
    for (unsigned i = 0; i < folders.size() && i < kMaxFolderItems; ++i) {
        MENUITEMINFOA item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_ID | MIIM_TYPE;
        item.fType = MFT_STRING;
        item.wID = IDM_FOLDER_FIRST + i;
        item.dwTypeData = folders[i].data();
        InsertMenuItemA(folderMenu.get(), i, TRUE, &item);
    }
    std::string text = kFolderMenuText;
    MENUITEMINFOA submenu = {};
    submenu.cbSize = sizeof submenu;
    submenu.fMask = MIIM_SUBMENU | MIIM_TYPE;
    submenu.fType = MFT_STRING;
    submenu.hSubMenu = folderMenu.get();
    submenu.dwTypeData = text.data();
    InsertMenuItemA(popup, kFolderMenuPosition, TRUE, &submenu);
    return folderMenu;
}

void CMainWindow::SetMenuCheck(UINT id, bool checked)
{
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STATE;
    item.fState = checked ? MFS_CHECKED : 0;
    SetMenuItemInfoA(GetSubMenu(menu_.get(), 0), id, FALSE, &item);
}

void CMainWindow::OnCommand(UINT id)
{
    if (id >= IDM_FOLDER_FIRST && id < IDM_FOLDER_FIRST + kMaxFolderItems) {
        OpenFolderFileList(id - IDM_FOLDER_FIRST);
        return;
    }
    std::size_t picture = 0;
    ShowingAction action = ShowingAction::OpenFolder;
    if (ShowingCommand(id, picture, action)) {
        OnShowingCommand(picture, action);
        return;
    }
    switch (id) {
    case IDM_EXIT: PostMessageA(hwnd_, WM_CLOSE, 0, 0); break;
    case IDM_SETTINGS: ShowSettings(); break;
    case IDM_PAUSE: PerformFromMenu(Action::Pause); break;
    case IDM_SAVER: PerformFromMenu(Action::Saver); break;
    case IDM_CHANGE: PerformFromMenu(Action::Change); break;
    case IDM_NEXT: PerformFromMenu(Action::Next); break;
    case IDM_PREVIOUS: PerformFromMenu(Action::Previous); break;
    case IDM_ESCAPE: PerformFromMenu(Action::Escape); break;
    case IDM_CLEAR: engine_->ClearWallpaper(); break;
    case IDM_RANDOM: PerformFromMenu(Action::Random); break;
    case IDM_REFRESH: engine_->Refresh(); break;
    case IDM_HELP: ShowHelp(); break;
    default: break;
    }
}

void CMainWindow::OnShowingCommand(std::size_t picture, ShowingAction action)
{
    const std::vector<std::string> files = engine_->ShowingFiles();
    if (picture >= files.size())
        return;
    const std::string& path = files[picture];
    if (action == ShowingAction::OpenFolder) {
        ShowInFolder(path);
        return;
    }
    if (!engine_->IsListPicture(path))
        return;
    if (action == ShowingAction::Exclude) {
        engine_->ExcludeFile(path);
        return;
    }
    const std::string name = "「" + ProcessFileName(path);
    SetForegroundWindow(hwnd_);
    if (MessageBoxA(hwnd_, (name + kRecycleQuestion).c_str(), kTitle,
                    MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    if (!engine_->RecycleFile(path))
        MessageBoxA(hwnd_, (name + kRecycleFailed).c_str(), kErrorCaption, MB_OK | MB_ICONERROR);
}

void CMainWindow::PerformFromMenu(Action action)
{
    engine_->Perform(action);
    if (action == Action::Pause) {
        SetMenuCheck(IDM_PAUSE, engine_->options.noAutoChange);
        UpdateTrayIcon();
    } else if (action == Action::Saver) {
        SetMenuCheck(IDM_SAVER, engine_->options.noSaver);
    }
}

void CMainWindow::ShowSettings()
{
    if (busy_)
        return;
    busy_ = true;
    // A failure leaves through the window procedure's handler, which ends the program.
    CSettingsSheet sheet(engine_);
    sheet.Show(GetModuleHandleA(nullptr), hwnd_);
    UpdateTrayIcon();
    busy_ = false;
}

void CMainWindow::OpenFolderFileList(unsigned index)
{
    if (busy_)
        return;
    busy_ = true;
    std::vector<std::string> folders;
    engine_->GetFolders(folders);
    if (index >= folders.size()) {
        busy_ = false;
        return;
    }
    CFileListDialog dialog(folders[index], engine_);
    dialog.Show(nullptr);
    busy_ = false;
}

void CMainWindow::ShowHelp()
{
    // By its wide path: the program's folder need not have an ANSI one.
    const std::wstring path = GetModuleDirectoryW() + kHelpFile;
    // SW_SHOWNORMAL: a browser that is not yet running could otherwise start hidden.
    ShellExecuteW(nullptr, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
