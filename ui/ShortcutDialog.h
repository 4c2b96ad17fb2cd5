#pragma once
#include "ui/ModalDialog.h"

#include <windows.h>

#include <string>

// Writes a shortcut "Tessel.lnk" to this program, optionally with a one-shot switch, into
// the Startup folder, the SendTo folder or the desktop. Written at once, whatever the
// settings sheet does afterwards.
class CShortcutDialog : public CModalDialog {
public:
    CShortcutDialog() = default;

    // Runs the dialog modally; a failure inside it closes the dialog and is thrown here.
    void Show(HWND owner);

private:
    void OnInitDialog() override;
    void OnCommand(int id, int notification) override;
    void OnOk();
};

// Writes <special folder>\Tessel.lnk to this program with the arguments ("" for none),
// replacing one that is there. Any failure leaves things as they are, silently.
void CreateShortcut(int specialFolder, const std::string& arguments);
