#include "ui/ShortcutDialog.h"

#include "win32/AnsiPath.h"
#include "win32/Directory.h"
#include "win32/Exception.h"
#include "win32/ComPtr.h"
#include "win32/UniqueHandle.h"
#include "win32/ComApartment.h"
#include "resources/DialogIds.h"
#include "ui/DialogUtil.h"

#include <shlobj.h>

#include <array>

namespace {

constexpr char kTemplate[] = "DLG_LNK";
constexpr char kLinkName[] = "\\Tessel.lnk";
constexpr char kDescription[] = "Tesselのショートカット";

struct StartOption {
    const char* text;
    const char* arguments;
};

constexpr std::array<StartOption, 7> kStartOptions = {{
    {"なし", ""},
    {"壁紙変更", "/W"},
    {"次のファイル", "/N"},
    {"前のファイル", "/P"},
    {"ランダム変更", "/R"},
    {"エスケープ", "/E"},
    {"壁紙クリア", "/C"},
}};

void WriteShortcut(int specialFolder, const std::string& arguments)
{
    UniqueCoTaskMemory folder;
    LPITEMIDLIST list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, specialFolder, &list)))
        throw CException("regist_link");
    folder.reset(list);
    // Wide throughout: the user's folders and the program's own may have names the code page
    // cannot spell, and the shortcut keeps their real names.
    wchar_t folderPath[MAX_PATH + 1] = {};
    if (!SHGetPathFromIDListW(list, folderPath))
        throw CException("regist_link");
    const std::wstring linkPath = folderPath + WideOf(kLinkName);

    const std::wstring target = ModuleFileName(nullptr);
    if (target.empty())
        throw CException("regist_link");

    ComPtr<IShellLinkW> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                link.put_void())))
        throw CException("regist_link");
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.put_void())))
        throw CException("regist_link");
    if (!arguments.empty() && FAILED(link->SetArguments(WideOf(arguments).c_str())))
        throw CException("regist_link");
    link->SetPath(target.c_str());
    link->SetDescription(WideOf(kDescription).c_str());
    file->Save(linkPath.c_str(), TRUE);
}

}  // namespace

void CreateShortcut(int specialFolder, const std::string& arguments)
{
    ComApartment com;
    if (!com.Initialized())
        return;
    try {
        WriteShortcut(specialFolder, arguments);
    } catch (const CException&) {
        // Not reported: the dialog closes as after success.
    }
}

void CShortcutDialog::Show(HWND owner)
{
    Run(owner, kTemplate);
}

void CShortcutDialog::OnInitDialog()
{
    for (size_t i = 0; i < kStartOptions.size(); ++i)
        SendDlgItemMessageA(dialog_, IDC_LNK_OPTION, CB_INSERTSTRING, i,
                            reinterpret_cast<LPARAM>(kStartOptions[i].text));
    SendDlgItemMessageA(dialog_, IDC_LNK_OPTION, CB_SETCURSEL, 0, 0);
    SetChecked(dialog_, IDC_LNK_STARTUP, true);
}

void CShortcutDialog::OnCommand(int id, int)
{
    if (id == IDC_LNK_OK) {
        OnOk();
        End();
    } else if (id == IDC_LNK_CANCEL) {
        End();
    }
}

void CShortcutDialog::OnOk()
{
    const LRESULT index = SendDlgItemMessageA(dialog_, IDC_LNK_OPTION, CB_GETCURSEL, 0, 0);
    const std::string arguments =
        index >= 0 && static_cast<size_t>(index) < kStartOptions.size()
            ? kStartOptions[static_cast<size_t>(index)].arguments
            : "";
    int folder = CSIDL_STARTUP;
    if (IsChecked(dialog_, IDC_LNK_SENDTO))
        folder = CSIDL_SENDTO;
    if (IsChecked(dialog_, IDC_LNK_DESKTOP))
        folder = CSIDL_DESKTOP;
    CreateShortcut(folder, arguments);
}
