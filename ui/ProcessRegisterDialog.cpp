#include "ui/ProcessRegisterDialog.h"

#include "engine/ProcessWatcher.h"
#include "resources/DialogIds.h"
#include "ui/DialogUtil.h"

#include <algorithm>

namespace {

constexpr char kTemplate[] = "DLG_PROCESS_REGISTER";

void AddLine(HWND dialog, int listId, const std::string& text)
{
    SendDlgItemMessageA(dialog, listId, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace

CProcessRegisterDialog::CProcessRegisterDialog(std::vector<std::string>& names)
    : names_(names), working_(names)
{
}

void CProcessRegisterDialog::Show(HWND owner)
{
    Run(owner, kTemplate);
}

void CProcessRegisterDialog::OnInitDialog()
{
    ReadRunningProcesses();
    for (const std::string& name : working_)
        AddLine(dialog_, IDC_REGISTERED_PROCESSES, name);
}

void CProcessRegisterDialog::OnCommand(int id, int notification)
{
    switch (id) {
    case IDC_RUNNING_PROCESSES:
        if (notification == LBN_SELCHANGE)
            EnableForSelection(IDC_RUNNING_PROCESSES, IDC_PROCESS_ADD);
        break;
    case IDC_REGISTERED_PROCESSES:
        if (notification == LBN_SELCHANGE)
            EnableForSelection(IDC_REGISTERED_PROCESSES, IDC_PROCESS_REMOVE);
        break;
    case IDC_PROCESS_ADD:
        AddSelectedProcess();
        break;
    case IDC_PROCESS_REMOVE:
        RemoveSelectedName();
        break;
    case IDC_PROCESS_OK:
        names_ = working_;
        End();
        break;
    case IDC_PROCESS_CANCEL:
        End();
        break;
    case IDC_PROCESS_REFRESH:
        ReadRunningProcesses();
        break;
    default:
        break;
    }
}

void CProcessRegisterDialog::ReadRunningProcesses()
{
    const HWND list = GetDlgItem(dialog_, IDC_RUNNING_PROCESSES);
    for (LRESULT i = SendMessageA(list, LB_GETCOUNT, 0, 0); i > 0; --i)
        SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(i - 1), 0);
    EnableWindow(GetDlgItem(dialog_, IDC_PROCESS_ADD), FALSE);
    std::vector<std::string> running;
    EnumerateProcesses(running);
    for (const std::string& name : running)
        AddLine(dialog_, IDC_RUNNING_PROCESSES, name);
}

void CProcessRegisterDialog::AddSelectedProcess()
{
    const std::string name = GetListBoxSelection(dialog_, IDC_RUNNING_PROCESSES);
    if (name.empty() || std::find(working_.begin(), working_.end(), name) != working_.end())
        return;
    working_.push_back(name);
    AddLine(dialog_, IDC_REGISTERED_PROCESSES, name);
}

void CProcessRegisterDialog::RemoveSelectedName()
{
    const LRESULT index =
        SendDlgItemMessageA(dialog_, IDC_REGISTERED_PROCESSES, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR)
        return;
    const std::string name = GetListBoxSelection(dialog_, IDC_REGISTERED_PROCESSES);
    const auto found = std::find(working_.begin(), working_.end(), name);
    if (found != working_.end())
        working_.erase(found);
    SendDlgItemMessageA(dialog_, IDC_REGISTERED_PROCESSES, LB_DELETESTRING,
                        static_cast<WPARAM>(index), 0);
    EnableWindow(GetDlgItem(dialog_, IDC_PROCESS_REMOVE), FALSE);
}

void CProcessRegisterDialog::EnableForSelection(int listId, int buttonId)
{
    const bool selected = SendDlgItemMessageA(dialog_, listId, LB_GETCURSEL, 0, 0) != LB_ERR;
    EnableWindow(GetDlgItem(dialog_, buttonId), selected);
}
