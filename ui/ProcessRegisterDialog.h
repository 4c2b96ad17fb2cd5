#pragma once
#include "ui/ModalDialog.h"

#include <windows.h>

#include <string>
#include <vector>

// Edits a list of program file names, offering the running processes to pick from. The
// caller's list is replaced only on the dialog's OK.
class CProcessRegisterDialog : public CModalDialog {
public:
    explicit CProcessRegisterDialog(std::vector<std::string>& names);
    CProcessRegisterDialog(const CProcessRegisterDialog&) = delete;
    CProcessRegisterDialog& operator=(const CProcessRegisterDialog&) = delete;

    // Runs the dialog modally; a failure inside it closes the dialog and is thrown here.
    void Show(HWND owner);

private:
    void OnInitDialog() override;
    void OnCommand(int id, int notification) override;
    void ReadRunningProcesses();
    void AddSelectedProcess();
    void RemoveSelectedName();
    void EnableForSelection(int listId, int buttonId);

    std::vector<std::string>& names_;
    std::vector<std::string> working_;
};
