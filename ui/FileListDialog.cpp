#include "ui/FileListDialog.h"

#include "engine/WallpaperChanger.h"
#include "imaging/ImageLoader.h"
#include "imaging/WallpaperMaker.h"
#include "resources/DialogIds.h"
#include "ui/DialogUtil.h"
#include "ui/PreviewBox.h"
#include "win32/GdiGuards.h"

#include <commctrl.h>

#include <vector>

namespace {

constexpr char kTemplate[] = "DLG_FILELIST";
// The preview keeps this far, in dialog units, from the frame's edge.
constexpr int kFrameMargin = 2;
constexpr char kExcludedMark[] = "（表示しない）";

}  // namespace

CFileListDialog::CFileListDialog(const std::string& folderPath, CWallpaperChanger* engine)
    : folder_(folderPath, engine->GetPictureFilter()), engine_(engine)
{
}

void CFileListDialog::Show(HWND owner)
{
    Run(owner, kTemplate);
}

LRESULT CALLBACK CFileListDialog::ListProcedure(HWND list, UINT message, WPARAM wParam,
                                                LPARAM lParam, UINT_PTR id, DWORD_PTR self)
{
    auto* dialog = reinterpret_cast<CFileListDialog*>(self);
    if (message == WM_KEYUP && wParam == VK_RETURN)
        dialog->Guarded([&] { dialog->SetWallpaper(); });
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(list, ListProcedure, id);
    return DefSubclassProc(list, message, wParam, lParam);
}

INT_PTR CFileListDialog::OnOtherMessage(UINT message, WPARAM, LPARAM)
{
    if (message != WM_PAINT)
        return FALSE;
    OnPaint();
    return TRUE;
}

void CFileListDialog::OnInitDialog()
{
    list_ = GetDlgItem(dialog_, IDC_FILELIST_FILES);
    folder_.GetFiles(files_);
    SetWindowSubclass(list_, ListProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
    // In name order already: the list box does not sort, so line i is files_[i].
    for (std::size_t i = 0; i < files_.size(); ++i)
        SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(LineText(i).c_str()));
    SetChecked(dialog_, IDC_FILELIST_PREVIEW, true);
    CenterOnDesktop(dialog_);
    PlacePreview();
    WindowDc screen(dialog_);
    preview_.reset(CreateCompatibleBitmap(screen.get(), box_.width, box_.height));
    ClearPreview();
}

void CFileListDialog::PlacePreview()
{
    // The dialog manager has placed the frame from its dialog units at the screen's DPI;
    // the margin is mapped the same way, so the box follows both font and DPI.
    RECT frame = {};
    GetWindowRect(GetDlgItem(dialog_, IDC_FILELIST_FRAME), &frame);
    MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&frame), 2);
    RECT margin = {0, 0, kFrameMargin, kFrameMargin};
    MapDialogRect(dialog_, &margin);
    box_ = FourThreeBoxIn(frame.left + margin.right, frame.top + margin.bottom,
                          frame.right - margin.right, frame.bottom - margin.bottom);
}

void CFileListDialog::OnCommand(int id, int notification)
{
    switch (id) {
    case IDC_FILELIST_CLOSE:
        End();
        break;
    case IDC_FILELIST_SET:
        SetWallpaper();
        break;
    case IDC_FILELIST_FILES:
        if (notification == LBN_SELCHANGE) {
            EnableWindow(GetDlgItem(dialog_, IDC_FILELIST_SET), TRUE);
            ShowExclusion();
            DrawPreview();
        } else if (notification == LBN_DBLCLK) {
            SetWallpaper();
        }
        break;
    case IDC_FILELIST_EXCLUDE:
        if (notification == BN_CLICKED)
            ToggleExclusion();
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
    const BitmapDc memory(paint.get(), preview_.get());
    BitBlt(paint.get(), box_.left, box_.top, box_.width, box_.height, memory.get(),
           0, 0, SRCCOPY);
}

std::string CFileListDialog::SelectedPath() const
{
    const LRESULT index = SendMessageA(list_, LB_GETCURSEL, 0, 0);
    return index >= 0 && static_cast<std::size_t>(index) < files_.size()
               ? files_[static_cast<std::size_t>(index)].GetFullPath()
               : std::string();
}

std::string CFileListDialog::LineText(std::size_t index) const
{
    const bool excluded = engine_->IsExcluded(files_[index].GetFullPath());
    return files_[index].GetName() + (excluded ? kExcludedMark : "");
}

void CFileListDialog::ShowExclusion()
{
    const std::string path = SelectedPath();
    EnableWindow(GetDlgItem(dialog_, IDC_FILELIST_EXCLUDE), !path.empty());
    SetChecked(dialog_, IDC_FILELIST_EXCLUDE, !path.empty() && engine_->IsExcluded(path));
}

void CFileListDialog::ToggleExclusion()
{
    const std::string path = SelectedPath();
    if (path.empty())
        return;
    if (IsChecked(dialog_, IDC_FILELIST_EXCLUDE))
        engine_->Exclude(path);
    else
        engine_->Include(path);
    const LRESULT index = SendMessageA(list_, LB_GETCURSEL, 0, 0);
    SendMessageA(list_, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    SendMessageA(list_, LB_INSERTSTRING, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(LineText(static_cast<std::size_t>(index)).c_str()));
    SendMessageA(list_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
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
        const BitmapDc memory(screen.get(), preview_.get());
        const RECT box = {0, 0, box_.width, box_.height};
        // A filled wallpaper is previewed in the desktop's shape, covered as it will be.
        RECT desktop = {};
        const bool fill = engine_->options.resize && engine_->options.fill &&
                          GetWindowRect(GetDesktopWindow(), &desktop);
        CImageLoader(engine_->spi.Plugins())
            .DrawPreview(path, memory.get(), box, fill ? &desktop : nullptr);
        BitBlt(screen.get(), box_.left, box_.top, box_.width, box_.height,
               memory.get(), 0, 0, SRCCOPY);
    } catch (const CWallpaperMaker::CWallpaperException& failure) {
        SetChecked(dialog_, IDC_FILELIST_PREVIEW, false);
        // The bitmap holds the grey box now; let the screen show it too.
        const RECT area = {box_.left, box_.top, box_.left + box_.width,
                           box_.top + box_.height};
        InvalidateRect(dialog_, &area, FALSE);
        failure.ShowMessage();
    }
}

void CFileListDialog::ClearPreview()
{
    if (!preview_)
        return;
    WindowDc screen(dialog_);
    const BitmapDc memory(screen.get(), preview_.get());
    const SelectedObject brush(memory.get(), GetStockObject(LTGRAY_BRUSH));
    PatBlt(memory.get(), 0, 0, box_.width, box_.height, PATCOPY);
    BitBlt(screen.get(), box_.left, box_.top, box_.width, box_.height, memory.get(),
           0, 0, SRCCOPY);
}
