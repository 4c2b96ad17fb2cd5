#include "ui/FileListDialog.h"

#include "app/WallpaperChanger.h"
#include "imaging/ImageLoader.h"
#include "imaging/WallpaperMaker.h"
#include "resources/DialogIds.h"
#include "ui/DialogUtil.h"

#include <vector>

namespace {

constexpr char kTemplate[] = "DLG_FILELIST";
// The preview area, fixed in client pixels.
constexpr int kPreviewLeft = 256;
constexpr int kPreviewTop = 26;
constexpr int kPreviewWidth = 180;
constexpr int kPreviewHeight = 135;

}  // namespace

CFileListDialog::CFileListDialog(const std::string& folderPath, CWallpaperChanger* engine)
    : folder_(folderPath), engine_(engine)
{
}

void CFileListDialog::Show(HWND owner)
{
    Run(owner, kTemplate);
}

LRESULT CALLBACK CFileListDialog::ListProcedure(HWND list, UINT message, WPARAM wParam,
                                                LPARAM lParam)
{
    CFileListDialog* self = CurrentInstance<CFileListDialog>::Get();
    if (self == nullptr)
        return DefWindowProcA(list, message, wParam, lParam);
    try {
        if (message == WM_KEYUP && wParam == VK_RETURN)
            self->SetWallpaper();
    } catch (...) {
        self->failure_.Capture();
        EndDialog(self->dialog_, 0);
    }
    const WNDPROC previous = self->previousListProcedure_;
    if (message == WM_NCDESTROY)
        SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    return CallWindowProcA(previous, list, message, wParam, lParam);
}

INT_PTR CFileListDialog::OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog);
        return TRUE;
    case WM_PAINT:
        OnPaint();
        return TRUE;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

void CFileListDialog::OnInitDialog(HWND dialog)
{
    dialog_ = dialog;
    list_ = GetDlgItem(dialog, IDC_FILELIST_FILES);
    std::vector<CWallpaperFile> files;
    folder_.GetFiles(files);
    previousListProcedure_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(list_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ListProcedure)));
    for (const CWallpaperFile& file : files)
        SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(file.GetName().c_str()));
    SetChecked(dialog, IDC_FILELIST_PREVIEW, true);
    CenterOnDesktop(dialog);
    WindowDc screen(dialog);
    preview_.reset(CreateCompatibleBitmap(screen.get(), kPreviewWidth, kPreviewHeight));
    ClearPreview();
}

void CFileListDialog::OnCommand(int id, int notification)
{
    switch (id) {
    case IDC_FILELIST_CLOSE:
        EndDialog(dialog_, 0);
        break;
    case IDC_FILELIST_SET:
        SetWallpaper();
        break;
    case IDC_FILELIST_FILES:
        if (notification == LBN_SELCHANGE) {
            EnableWindow(GetDlgItem(dialog_, IDC_FILELIST_SET), TRUE);
            DrawPreview();
        } else if (notification == LBN_DBLCLK) {
            SetWallpaper();
        }
        break;
    case IDC_FILELIST_PREVIEW:
        if (notification == BN_CLICKED) {
            if (IsChecked(dialog_, IDC_FILELIST_PREVIEW))
                DrawPreview();
            else
                ClearPreview();
        }
        break;
    default:
        break;
    }
}

void CFileListDialog::OnPaint()
{
    PaintDc paint(dialog_);
    UniqueMemoryDc memory(CreateCompatibleDC(paint.get()));
    SelectedObject bitmap(memory.get(), preview_.get());
    BitBlt(paint.get(), kPreviewLeft, kPreviewTop, kPreviewWidth, kPreviewHeight, memory.get(),
           0, 0, SRCCOPY);
}

std::string CFileListDialog::SelectedPath() const
{
    const std::string name = GetListBoxSelection(dialog_, IDC_FILELIST_FILES);
    return name.empty() ? name : folder_.GetPath() + "\\" + name;
}

void CFileListDialog::SetWallpaper()
{
    const std::string path = SelectedPath();
    if (!path.empty())
        engine_->SetWallpaperFile(path);
}

void CFileListDialog::DrawPreview()
{
    if (!preview_ || !IsChecked(dialog_, IDC_FILELIST_PREVIEW))
        return;
    const std::string path = SelectedPath();
    if (path.empty())
        return;
    try {
        WindowDc screen(dialog_);
        UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
        SelectedObject bitmap(memory.get(), preview_.get());
        const RECT box = {0, 0, kPreviewWidth, kPreviewHeight};
        CImageLoader().DrawPreview(path, memory.get(), box);
        BitBlt(screen.get(), kPreviewLeft, kPreviewTop, kPreviewWidth, kPreviewHeight,
               memory.get(), 0, 0, SRCCOPY);
    } catch (const CWallpaperMaker::CWallpaperException& failure) {
        SetChecked(dialog_, IDC_FILELIST_PREVIEW, false);
        // The bitmap holds the grey box now; let the screen show it too.
        const RECT area = {kPreviewLeft, kPreviewTop, kPreviewLeft + kPreviewWidth,
                           kPreviewTop + kPreviewHeight};
        InvalidateRect(dialog_, &area, FALSE);
        failure.ShowMessage();
    }
}

void CFileListDialog::ClearPreview()
{
    if (!preview_)
        return;
    WindowDc screen(dialog_);
    UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
    SelectedObject bitmap(memory.get(), preview_.get());
    SelectedObject brush(memory.get(), GetStockObject(LTGRAY_BRUSH));
    PatBlt(memory.get(), 0, 0, kPreviewWidth, kPreviewHeight, PATCOPY);
    BitBlt(screen.get(), kPreviewLeft, kPreviewTop, kPreviewWidth, kPreviewHeight, memory.get(),
           0, 0, SRCCOPY);
}
