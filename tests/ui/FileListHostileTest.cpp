// The hostile picture corpus through the file list's preview: every file ends in the
// decoder's own failure text with the preview switched off, or in a drawn preview, and the
// dialog stays usable throughout.
#include "imaging/ImageLoader.h"
#include "resources/DialogIds.h"
#include "tests/imaging/HostileImages.h"
#include "tests/imaging/ImagingTestUtil.h"
#include "tests/ui/UiFixture.h"
#include "ui/FileListDialog.h"
#include "win32/Directory.h"

#include <cstdio>
#include <functional>
#include <map>

namespace {

HWND FileList() { return FindDialog("ファイルリスト"); }

}  // namespace

TEST_F(UiTest, HostilePicturesInThePreviewEndInTheirTextOrAPicture)
{
    const std::string folder = temp.Folder("hostile");
    const auto corpus = HostileImageCorpus(GetModuleDirectory() + "\\imaging-fixtures");
    for (const HostileImage& image : corpus) {
        if (image.folder)
            temp.Folder("hostile\\" + image.name);
        else
            temp.File("hostile\\" + image.name, image.bytes);
    }

    std::vector<std::string> names;
    std::map<std::string, int> outcomes;
    std::size_t line = 0;
    std::string shown;  // the box text of the current line, "" when none came
    ModalDriver driver;
    // One file a round: select it (switching the preview back on after a failure), take the
    // box if one comes, then compare with what the loader alone says of the file's preview
    // (a JPEG is decoded at the preview's scale: damage in its data shows only then).
    const auto select = [&] {
        const HWND dialog = FileList();
        if (dialog == nullptr)
            return false;
        if (names.empty())
            names = Lines(dialog, IDC_FILELIST_FILES);
        shown.clear();
        SendDlgItemMessageA(dialog, IDC_FILELIST_FILES, LB_SETCURSEL, line, 0);
        if (IsDlgButtonChecked(dialog, IDC_FILELIST_PREVIEW))
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_FILELIST_FILES, LBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_FILELIST_FILES)));
        else
            PostClick(dialog, IDC_FILELIST_PREVIEW);
        return true;
    };
    const auto answer = [&] {
        if (const HWND box = FindDialog("エラー")) {
            char text[512] = {};
            GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
            shown = text;
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
        return true;
    };
    std::function<bool()> check = [&] {
        const HWND dialog = FileList();
        if (dialog == nullptr || FindDialog("エラー") != nullptr)
            return false;
        const std::string& name = names.at(line);
        SCOPED_TRACE(name);
        const Canvas canvas(180, 135);
        EXPECT_EQ(shown.empty() ? "(nothing thrown)" : shown, FailureText<MakerFailure>([&] {
                      CImageLoader(engine->spi.Plugins())
                          .DrawPreview(folder + "\\" + name, canvas.Dc(), RECT{0, 0, 180, 135});
                  }));
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_FILELIST_PREVIEW) == BST_CHECKED, shown.empty());
        ++outcomes[shown.empty() ? "(preview)" : shown];
        if (++line < names.size())
            driver.Then(select).Then(answer).Then(check);
        else
            Click(dialog, IDC_FILELIST_CLOSE);
        return true;
    };
    driver.Then(select).Then(answer).Then(check);
    CFileListDialog(folder, engine.get()).Show(nullptr);

    std::printf("file list previews: %zu\n", line);
    for (const auto& [text, count] : outcomes)
        std::printf("  %4d  %s\n", count, text.c_str());
    EXPECT_TRUE(driver.Finished());
    EXPECT_GE(line, 150u);
}
