#include "ui/SettingsSheet.h"

#include "win32/UniqueHandle.h"
#include "ui/DisplayPage.h"
#include "ui/FolderPage.h"
#include "ui/HotkeyPage.h"
#include "ui/OptionPage.h"
#include "ui/RunPage.h"
#include "ui/SpiPage.h"

#include <commctrl.h>

#include <utility>

namespace {

constexpr char kCaption[] = "Tesselwane設定";

// A page handle not yet handed to PropertySheetA, which destroys the pages it is given.
using UniquePropertySheetPage = UniqueHandle<HPROPSHEETPAGE, DestroyPropertySheetPage>;

}  // namespace

CSettingsSheet::CSettingsSheet(CWallpaperChanger* engine, FolderBrowser browseForFolder)
    : engine_(engine), browseForFolder_(std::move(browseForFolder))
{
}

CSettingsSheet::~CSettingsSheet() = default;

void CSettingsSheet::Show(HINSTANCE instance, HWND parent)
{
    if (!pages_[0]) {
        pages_[0] = std::make_unique<CFolderPage>(*engine_, failure_, browseForFolder_);
        pages_[1] = std::make_unique<COptionPage>(*engine_, failure_);
        pages_[2] = std::make_unique<CHotkeyPage>(*engine_, failure_);
        pages_[3] = std::make_unique<CRunPage>(*engine_, failure_);
        pages_[4] = std::make_unique<CSpiPage>(*engine_, failure_, browseForFolder_);
        pages_[5] = std::make_unique<CDisplayPage>(*engine_, failure_);
    }
    // The trackbar, up-down and hotkey controls of the pages.
    INITCOMMONCONTROLSEX controls = {sizeof controls,
                                     ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&controls);

    std::array<UniquePropertySheetPage, kPageCount> created;
    for (size_t i = 0; i < pages_.size(); ++i)
        created[i].reset(pages_[i]->Create(instance));
    std::array<HPROPSHEETPAGE, kPageCount> handles = {};
    for (size_t i = 0; i < created.size(); ++i)
        handles[i] = created[i].release();

    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_NOAPPLYNOW;
    header.hwndParent = parent;
    header.hInstance = instance;
    header.pszCaption = kCaption;
    header.nPages = static_cast<UINT>(handles.size());
    header.nStartPage = 0;
    header.phpage = handles.data();
    PropertySheetA(&header);
    failure_.RethrowIfAny();
}
