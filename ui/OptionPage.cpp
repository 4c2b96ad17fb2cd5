#include "ui/OptionPage.h"

#include "engine/WallpaperChanger.h"
#include "resources/DialogIds.h"
#include "ui/DialogUtil.h"
#include "ui/ProcessRegisterDialog.h"

#include <commdlg.h>

#include <array>
#include <string>

namespace {

constexpr char kTemplate[] = "PAGE_OPTION";
constexpr int kMinInterval = 1;
constexpr int kMaxInterval = 256;
constexpr std::array<const char*, 3> kStyles = {"中央に表示", "並べて表示", "拡大"};
constexpr std::array<int, 3> kOrderRadios = {IDC_ORDER_NAME, IDC_ORDER_REVERSE, IDC_ORDER_RANDOM};

}  // namespace

COptionPage::COptionPage(CWallpaperChanger& engine, ModalFailure& sheetFailure)
    : CPropertyPage(kTemplate, sheetFailure), engine_(engine)
{
}

INT_PTR COptionPage::OnInitDialog()
{
    const OptionSettings& options = engine_.options;

    SendDlgItemMessageA(window_, IDC_INTERVAL_TRACKBAR, TBM_SETRANGE, TRUE,
                        MAKELPARAM(kMinInterval, kMaxInterval));
    SendDlgItemMessageA(window_, IDC_INTERVAL_TRACKBAR, TBM_SETPOS, TRUE, options.interval);
    if (options.interval > 0)
        SetIntervalText(static_cast<unsigned>(options.interval));
    SendDlgItemMessageA(window_, IDC_INTERVAL_SPIN, UDM_SETRANGE, 0,
                        MAKELPARAM(kMaxInterval, kMinInterval));
    SendDlgItemMessageA(window_, IDC_INTERVAL_SPIN, UDM_SETPOS, 0, MAKELPARAM(options.interval, 0));
    SendDlgItemMessageA(window_, IDC_INTERVAL_SPIN, UDM_SETBUDDY,
                        reinterpret_cast<WPARAM>(GetDlgItem(window_, IDC_INTERVAL)), 0);

    for (size_t i = 0; i < kStyles.size(); ++i)
        SendDlgItemMessageA(window_, IDC_STYLE, CB_INSERTSTRING, i,
                            reinterpret_cast<LPARAM>(kStyles[i]));
    SendDlgItemMessageA(window_, IDC_STYLE, CB_SETCURSEL, options.style, 0);

    textColor_ = options.textColor;
    SetChecked(window_, IDC_NO_AUTO_CHANGE, options.noAutoChange);
    SetChecked(window_, IDC_NO_SAVER, options.noSaver);
    SetChecked(window_, IDC_BY_PROCESS, options.byProcess);
    SetChecked(window_, IDC_NOTIFY_ALL, options.notifyAll);
    if (options.order >= 0 && options.order < static_cast<int>(kOrderRadios.size()))
        SetChecked(window_, kOrderRadios[options.order], true);
    SetChecked(window_, IDC_SEE_THROUGH, options.seeThrough);
    SetChecked(window_, IDC_RESIZE, options.resize);
    SetChecked(window_, IDC_FULL_SCREEN, options.fullScreen);
    SetChecked(window_, IDC_FILL, options.fill);
    SetChecked(window_, IDC_BATTERY, options.battery);
    EnableFill();
    options.GetProcesses(processes_);
    return TRUE;
}

INT_PTR COptionPage::OnCommand(WPARAM wParam, LPARAM)
{
    switch (LOWORD(wParam)) {
    case IDC_REGISTER_PROCESS:
        CProcessRegisterDialog(processes_).Show(window_);
        break;
    case IDC_INTERVAL:
        if (HIWORD(wParam) == EN_UPDATE)
            OnIntervalEdited();
        else if (HIWORD(wParam) == EN_SETFOCUS)
            SelectIntervalText();
        break;
    case IDC_TEXT_COLOR:
        ChooseTextColor();
        break;
    case IDC_RESIZE:
        EnableFill();
        break;
    default:
        break;
    }
    return 0;
}

INT_PTR COptionPage::OnApply()
{
    OptionSettings& options = engine_.options;
    options.noAutoChange = IsChecked(window_, IDC_NO_AUTO_CHANGE);
    options.byProcess = IsChecked(window_, IDC_BY_PROCESS);
    options.notifyAll = IsChecked(window_, IDC_NOTIFY_ALL);
    options.interval = static_cast<int>(
        SendDlgItemMessageA(window_, IDC_INTERVAL_TRACKBAR, TBM_GETPOS, 0, 0));
    for (size_t i = 0; i < kOrderRadios.size(); ++i) {
        if (IsChecked(window_, kOrderRadios[i])) {
            options.order = static_cast<int>(i);
            break;
        }
    }
    options.SetNoSaver(IsChecked(window_, IDC_NO_SAVER));
    options.SetStyle(static_cast<int>(SendDlgItemMessageA(window_, IDC_STYLE, CB_GETCURSEL, 0, 0)));
    options.SetProcesses(processes_);
    options.resize = IsChecked(window_, IDC_RESIZE);
    options.fullScreen = IsChecked(window_, IDC_FULL_SCREEN);
    options.fill = IsChecked(window_, IDC_FILL);
    options.battery = IsChecked(window_, IDC_BATTERY);
    options.SetTextColor(textColor_);
    options.SetSeeThrough(IsChecked(window_, IDC_SEE_THROUGH));
    return TRUE;
}

INT_PTR COptionPage::OnOtherMessage(UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_HSCROLL: {
        const LRESULT position =
            SendDlgItemMessageA(window_, IDC_INTERVAL_TRACKBAR, TBM_GETPOS, 0, 0);
        if (position > 0)
            SetIntervalText(static_cast<unsigned>(position));
        return 0;
    }
    case WM_VSCROLL:
        SetIntervalText(HIWORD(wParam));
        SelectIntervalText();
        return 0;
    default:
        return FALSE;
    }
}

// Out-of-range text is corrected in place; the write raises EN_UPDATE once more, which
// then finds the value in range and only moves the trackbar and the up-down control.
void COptionPage::OnIntervalEdited()
{
    BOOL isNumber = FALSE;
    int value = static_cast<int>(GetDlgItemInt(window_, IDC_INTERVAL, &isNumber, TRUE));
    if (!isNumber || value < kMinInterval) {
        value = kMinInterval;
        SetIntervalText(kMinInterval);
        SelectIntervalText();
    } else if (value > kMaxInterval) {
        value = kMaxInterval;
        SetIntervalText(kMaxInterval);
        SelectIntervalText();
    }
    SendDlgItemMessageA(window_, IDC_INTERVAL_TRACKBAR, TBM_SETPOS, TRUE, value);
    SendDlgItemMessageA(window_, IDC_INTERVAL_SPIN, UDM_SETPOS, 0, MAKELPARAM(value, 0));
}

// Filling only changes how a resized picture meets the screen. A greyed box keeps its
// check, so turning Resize off and on again does not lose the choice.
void COptionPage::EnableFill()
{
    EnableWindow(GetDlgItem(window_, IDC_FILL), IsChecked(window_, IDC_RESIZE));
}

void COptionPage::SetIntervalText(unsigned value)
{
    SetItemText(window_, IDC_INTERVAL, std::to_string(value));
}

void COptionPage::SelectIntervalText()
{
    PostMessageA(GetDlgItem(window_, IDC_INTERVAL), EM_SETSEL, 0, -2);
}

void COptionPage::ChooseTextColor()
{
    std::array<COLORREF, 16> custom;
    custom.fill(0xFFFFFFFF);
    custom[0] = textColor_;
    CHOOSECOLORA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window_;
    dialog.rgbResult = textColor_;
    dialog.lpCustColors = custom.data();
    dialog.Flags = CC_RGBINIT;
    if (ChooseColorA(&dialog))
        textColor_ = dialog.rgbResult;
}
