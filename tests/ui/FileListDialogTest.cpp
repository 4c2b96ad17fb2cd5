#include "resources/DialogIds.h"
#include "tests/support/TestBmp.h"
#include "tests/ui/UiFixture.h"
#include "ui/FileListDialog.h"
#include "win32/GdiGuards.h"

namespace {

constexpr COLORREF kGrey = RGB(192, 192, 192);
constexpr COLORREF kRed = RGB(255, 0, 0);

// Inside the preview's frame (its etched edge left out), in client pixels.
RECT InsideFrame(HWND dialog)
{
    RECT frame = {};
    GetWindowRect(GetDlgItem(dialog, IDC_FILELIST_FRAME), &frame);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&frame), 2);
    InflateRect(&frame, -2, -2);
    return frame;
}

COLORREF Pixel(HWND dialog, LONG x, LONG y)
{
    return GetPixel(WindowDc(dialog).get(), x, y) & 0xFFFFFF;
}

// The middle of the preview area, read back from the screen.
COLORREF PreviewPixel(HWND dialog)
{
    const RECT inside = InsideFrame(dialog);
    return Pixel(dialog, (inside.left + inside.right) / 2, (inside.top + inside.bottom) / 2);
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

TEST_F(FileListDialogTest, PreviewSitsInItsFrameAndFollowsTheSelectionAndTheCheckBox)
{
    ModalDriver driver;
    driver.Then(OnDialog([](HWND dialog) {
        SelectLine(dialog, IDC_FILELIST_FILES, 0);
        EXPECT_TRUE(Enabled(dialog, IDC_FILELIST_SET));
        EXPECT_EQ(PreviewPixel(dialog), kRed);
        // 4:3, it fills its box: the box stays inside the frame and, scaled with it, nearly
        // fills one of its sides (a box of fixed pixels would not at 144 dpi).
        const RECT inside = InsideFrame(dialog);
        const LONG x = (inside.left + inside.right) / 2, y = (inside.top + inside.bottom) / 2;
        RECT box = {x, y, x, y};  // the red pixels' extremes
        while (Pixel(dialog, box.left - 1, y) == kRed) --box.left;
        while (Pixel(dialog, box.right + 1, y) == kRed) ++box.right;
        while (Pixel(dialog, x, box.top - 1) == kRed) --box.top;
        while (Pixel(dialog, x, box.bottom + 1) == kRed) ++box.bottom;
        EXPECT_TRUE(box.left >= inside.left && box.right < inside.right &&
                    box.top >= inside.top && box.bottom < inside.bottom);
        EXPECT_TRUE(box.right - box.left > (inside.right - inside.left) * 9 / 10 ||
                    box.bottom - box.top > (inside.bottom - inside.top) * 9 / 10);
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

TEST_F(FileListDialogTest, NamesTheCodePageCannotSpellAreListedAndPreviewed)
{
    const std::string other = temp.Folder("other");
    temp.WideFile(L"other\\😀.bmp", SolidBmp(8, 6, 0xFF0000));
    temp.File("other\\写真.bmp", SolidBmp(8, 6, 0x0000FF));
    // A picture by its short name's extension only: not listed.
    temp.WideFile(L"other\\\u00FCber.bmpx", SolidBmp(8, 6, 0xFF0000));
    ModalDriver driver;
    driver.Then(OnDialog([](HWND dialog) {
        const std::vector<std::string> lines = Lines(dialog, IDC_FILELIST_FILES);
        ASSERT_EQ(lines.size(), 2u);
        const std::size_t shortName = lines[0] == "写真.bmp" ? 1 : 0;
        EXPECT_NE(lines[shortName].find('~'), std::string::npos) << lines[shortName];
        SelectLine(dialog, IDC_FILELIST_FILES, static_cast<int>(shortName));
        EXPECT_EQ(PreviewPixel(dialog), kRed);
        Click(dialog, IDC_FILELIST_CLOSE);
    }));
    Show(other);
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

// A file the walks pass over is marked; its check box includes it again, or excludes
// another.
TEST_F(FileListDialogTest, MarksExcludedFilesAndIncludesThemAgain)
{
    const std::string a = folder + "\\a.bmp";
    engine->Exclude(a);
    ModalDriver driver;
    driver.Then(OnDialog([&](HWND dialog) {
        EXPECT_EQ(Lines(dialog, IDC_FILELIST_FILES).front(), "a.bmp（表示しない）");
        EXPECT_FALSE(Enabled(dialog, IDC_FILELIST_EXCLUDE));
        SelectLine(dialog, IDC_FILELIST_FILES, 0);
        EXPECT_TRUE(IsDlgButtonChecked(dialog, IDC_FILELIST_EXCLUDE));
        Click(dialog, IDC_FILELIST_EXCLUDE);
        EXPECT_FALSE(engine->IsExcluded(a));
        EXPECT_EQ(Lines(dialog, IDC_FILELIST_FILES).front(), "a.bmp");
        SelectLine(dialog, IDC_FILELIST_FILES, 1);
        Click(dialog, IDC_FILELIST_EXCLUDE);
        EXPECT_TRUE(engine->IsExcluded(folder + "\\b.bmp"));
        Click(dialog, IDC_FILELIST_CLOSE);
    }));
    Show(folder);
}
