#include "ui/SettingsSheet.h"

#include "app/UniqueHandle.h"
#include "ui/FolderPage.h"
#include "ui/HotkeyPage.h"
#include "ui/OptionPage.h"
#include "ui/RunPage.h"
#include "ui/SpiPage.h"

#include <commctrl.h>

namespace {

constexpr char kCaption[] = "Tesselwane設定";

// A page handle not yet handed to PropertySheetA, which destroys the pages it is given.
struct PropertySheetPageTraits {
    using Handle = HPROPSHEETPAGE;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { DestroyPropertySheetPage(h); }
};

}  // namespace

CSettingsSheet::CSettingsSheet(CWallpaperChanger* engine) : engine_(engine) {}

CSettingsSheet::~CSettingsSheet() = default;

void CSettingsSheet::Show(HINSTANCE instance, HWND parent)
{
    if (!pages_[0]) {
        pages_[0] = std::make_unique<CFolderPage>();
        pages_[1] = std::make_unique<COptionPage>();
        pages_[2] = std::make_unique<CHotkeyPage>();
        pages_[3] = std::make_unique<CRunPage>();
        pages_[4] = std::make_unique<CSpiPage>();
    }
    // The trackbar, up-down and hotkey controls of the pages.
    INITCOMMONCONTROLSEX controls = {sizeof controls,
                                     ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&controls);

    std::array<UniqueHandle<PropertySheetPageTraits>, 5> created;
    for (size_t i = 0; i < pages_.size(); ++i)
        created[i].reset(pages_[i]->Create(instance));
    std::array<HPROPSHEETPAGE, 5> handles = {};
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

CWallpaperChanger& CurrentEngine()
{
    return CurrentInstance<CSettingsSheet>::Get()->Engine();
}
