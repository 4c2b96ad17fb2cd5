#include "resources/DialogIds.h"
#include "tests/support/TestBmp.h"
#include "tests/ui/UiFixture.h"
#include "ui/FileListDialog.h"
#include "win32/GdiGuards.h"

namespace {

constexpr COLORREF kGrey = RGB(192, 192, 192);
constexpr COLORREF kRed = RGB(255, 0, 0);

// The preview's frame in client pixels.
RECT Frame(HWND dialog)
{
    RECT frame = {};
    GetWindowRect(GetDlgItem(dialog, IDC_FILELIST_FRAME), &frame);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&frame), 2);
    return frame;
}

POINT Centre(const RECT& rect)
{
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// The middle of the preview area, read back from the screen.
COLORREF PreviewPixel(HWND dialog)
{
    WindowDc dc(dialog);
    const POINT centre = Centre(Frame(dialog));
    return GetPixel(dc.get(), centre.x, centre.y) & 0xFFFFFF;
}

class FileListDialogTest : public UiTest {
protected:
    FileListDialogTest()
    {
        folder = temp.Folder("pictures");
        temp.File("pictures\\b.bmp", SolidBmp(8, 6, 0x0000FF));
        temp.File("pictures\\a.bmp", SolidBmp(8, 6, 0xFF0000));
        temp.File("pictures\\notes.txt", "text");
        temp.File("pictures\\broken.jpg", "not a picture");
        engine->SetTmpPath(temp.Folder("tmp"));
    }

    void Show(const std::string& path)
    {
        CFileListDialog dialog(path, engine.get());
        dialog.Show(nullptr);
    }

    static ModalDriver::Step OnDialog(std::function<void(HWND dialog)> action)
    {
        return [action] {
            const HWND dialog = FindDialog("ファイルリスト");
            if (dialog == nullptr)
                return false;
            action(dialog);
            return true;
        };
    }

    std::string Wallpaper() const { return engine->GetTmpPath() + "\\WALLTMP.bmp"; }

    std::string folder;
};

TEST_F(FileListDialogTest, ListsTheImagesByNameWithAGreyPreviewAndNoWallpaperButton)
{
    ModalDriver driver;
    driver.Then(OnDialog([](HWND dialog) {
        EXPECT_EQ(Lines(dialog, IDC_FILELIST_FILES),
                  (std::vector<std::string>{"a.bmp", "b.bmp", "broken.jpg"}));
        EXPECT_FALSE(Enabled(dialog, IDC_FILELIST_SET));
        EXPECT_TRUE(IsDlgButtonChecked(dialog, IDC_FILELIST_PREVIEW));
        EXPECT_EQ(PreviewPixel(dialog), kGrey);
        Click(dialog, IDC_FILELIST_CLOSE);
    }));
    Show(folder);
}

TEST_F(FileListDialogTest, EscClosesItAsTheCloseButtonDoes)
{
    ModalDriver driver;
    driver.Then(OnDialog([](HWND dialog) { PressEsc(dialog, IDC_FILELIST_CLOSE); }));
    Show(folder);
    EXPECT_TRUE(driver.Finished());
}

TEST_F(FileListDialogTest, AnEmptyOrMissingFolderGivesAnEmptyList)
{
    for (const std::string& path : {temp.Folder("empty"), temp / "missing"}) {
        ModalDriver driver;
        driver.Then(OnDialog([](HWND dialog) {
            EXPECT_TRUE(Lines(dialog, IDC_FILELIST_FILES).empty());
            EXPECT_FALSE(Enabled(dialog, IDC_FILELIST_SET));
            // Nothing selected: checking the box again draws nothing and says nothing.
            Click(dialog, IDC_FILELIST_PREVIEW);
            Click(dialog, IDC_FILELIST_PREVIEW);
            EXPECT_EQ(PreviewPixel(dialog), kGrey);
            SendMessageA(dialog, WM_CLOSE, 0, 0);
        }));
        Show(path);
    }
}

TEST_F(FileListDialogTest, PreviewFollowsTheSelectionAndTheCheckBox)
{
    ModalDriver driver;
    driver.Then(OnDialog([](HWND dialog) {
        SelectLine(dialog, IDC_FILELIST_FILES, 0);
        EXPECT_TRUE(Enabled(dialog, IDC_FILELIST_SET));
        EXPECT_EQ(PreviewPixel(dialog), kRed);
        Click(dialog, IDC_FILELIST_PREVIEW);
        EXPECT_EQ(PreviewPixel(dialog), kGrey);
        Click(dialog, IDC_FILELIST_PREVIEW);
        EXPECT_EQ(PreviewPixel(dialog), kRed);
        // Covered and uncovered: the last preview is painted again.
        InvalidateRect(dialog, nullptr, TRUE);
        UpdateWindow(dialog);
        EXPECT_EQ(PreviewPixel(dialog), kRed);
        Click(dialog, IDC_FILELIST_CLOSE);
    }));
    Show(folder);
}

TEST_F(FileListDialogTest, PreviewFillsItsFrameWithoutCrossingItsEdge)
{
    ModalDriver driver;
    driver.Then(OnDialog([](HWND dialog) {
        SelectLine(dialog, IDC_FILELIST_FILES, 0);  // 4:3, so it covers the whole box
        RECT inside = Frame(dialog);
        InflateRect(&inside, -2, -2);  // the etched edge
        WindowDc dc(dialog);
        // The last red pixel from the frame's centre in one direction.
        const auto reach = [&](int dx, int dy) {
            POINT p = Centre(inside);
            while ((GetPixel(dc.get(), p.x + dx, p.y + dy) & 0xFFFFFF) == kRed) {
                p.x += dx;
                p.y += dy;
            }
            return p;
        };
        const RECT box = {reach(-1, 0).x, reach(0, -1).y, reach(1, 0).x + 1, reach(0, 1).y + 1};
        EXPECT_GE(box.left, inside.left);
        EXPECT_GE(box.top, inside.top);
        EXPECT_LE(box.right, inside.right);
        EXPECT_LE(box.bottom, inside.bottom);
        // Scaled with the frame, it nearly fills one side: a box of fixed pixels would not.
        const int width = box.right - box.left, height = box.bottom - box.top;
        EXPECT_TRUE(width > (inside.right - inside.left) * 9 / 10 ||
                    height > (inside.bottom - inside.top) * 9 / 10)
            << width << " x " << height;
        Click(dialog, IDC_FILELIST_CLOSE);
    }));
    Show(folder);
}

TEST_F(FileListDialogTest, EnterDoubleClickAndTheButtonSetTheWallpaperAndKeepTheDialog)
{
    ModalDriver driver;
    driver.Then(OnDialog([&](HWND dialog) {
        SelectLine(dialog, IDC_FILELIST_FILES, 1);
        SendDlgItemMessageA(dialog, IDC_FILELIST_FILES, WM_KEYUP, VK_RETURN, 0);
        EXPECT_EQ(SystemWallpaper(), Wallpaper());
        EXPECT_NE(GetFileAttributesA(Wallpaper().c_str()), INVALID_FILE_ATTRIBUTES);
        DeleteFileA(Wallpaper().c_str());

        Notify(dialog, IDC_FILELIST_FILES, LBN_DBLCLK);
        EXPECT_NE(GetFileAttributesA(Wallpaper().c_str()), INVALID_FILE_ATTRIBUTES);
        DeleteFileA(Wallpaper().c_str());

        Click(dialog, IDC_FILELIST_SET);
        EXPECT_NE(GetFileAttributesA(Wallpaper().c_str()), INVALID_FILE_ATTRIBUTES);
        EXPECT_TRUE(IsWindowVisible(dialog));
        Click(dialog, IDC_FILELIST_CLOSE);
    }));
    Show(folder);
}

TEST_F(FileListDialogTest, AnUndecodableFileShowsItsTextAndTurnsThePreviewOff)
{
    std::vector<std::string> boxes;
    ModalDriver driver;
    driver
        .Then(OnDialog([](HWND dialog) {
            SelectLine(dialog, IDC_FILELIST_FILES, 0);
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_FILELIST_FILES, LBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_FILELIST_FILES)));
            SendDlgItemMessageA(dialog, IDC_FILELIST_FILES, LB_SETCURSEL, 2, 0);
        }))
        .Then(AnswerErrorBox(boxes))
        .Then([&] {
            const HWND dialog = FindDialog("ファイルリスト");
            if (dialog == nullptr || FindDialog("エラー") != nullptr)
                return false;
            EXPECT_FALSE(IsDlgButtonChecked(dialog, IDC_FILELIST_PREVIEW));
            UpdateWindow(dialog);
            EXPECT_EQ(PreviewPixel(dialog), kGrey);
            // Off: another file draws nothing until the box is checked again.
            SelectLine(dialog, IDC_FILELIST_FILES, 0);
            EXPECT_EQ(PreviewPixel(dialog), kGrey);
            Click(dialog, IDC_FILELIST_CLOSE);
            return true;
        });
    Show(folder);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_FALSE(boxes[0].empty());
}

}  // namespace
