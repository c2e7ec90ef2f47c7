#include "ui/win32/add_program_dialog.h"

#include "ui/win32/add_program_dialog_res.h"
#include "ui/win32/text_parameter_dialog.h"

namespace zv::win32 {

AddProgramDialog::AddProgramDialog(HWND owner, std::vector<std::string> open)
    : ModalDialog(owner, IDD_AddProgram), open_(std::move(open)) {}

std::string AddProgramDialog::ShowModal() {
  chosen_.clear();
  return Run() == ModalResult::kOk ? chosen_ : "";
}

void AddProgramDialog::OnInit() {
  HWND list = Item(IDC_AddProgram_List);
  for (const std::string& name : open_)
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  SendMessageA(list, LB_SETCURSEL, 0, 0);
}

bool AddProgramDialog::OnCommand(int id, int code) {
  if (id == IDOK || (id == IDC_AddProgram_List && code == LBN_DBLCLK)) {
    TakeSelected();
    return true;
  }
  if (id == IDC_AddProgram_Browse && code == BN_CLICKED) {
    Browse();
    return true;
  }
  return false;
}

void AddProgramDialog::TakeSelected() {
  const LRESULT index = SendMessageA(Item(IDC_AddProgram_List), LB_GETCURSEL, 0, 0);
  if (index < 0 || index >= static_cast<LRESULT>(open_.size())) return;  // nothing to take
  chosen_ = open_[static_cast<std::size_t>(index)];
  Close(ModalResult::kOk);
}

void AddProgramDialog::Browse() {
  std::string path = PickFileToOpen(hwnd(), "Programs (*.exe)\0*.exe\0");
  if (path.empty()) return;
  chosen_ = path;
  Close(ModalResult::kOk);
}

AddLayerDialog::AddLayerDialog(HWND owner) : ModalDialog(owner, IDD_AddLayer) {}

std::optional<std::string> AddLayerDialog::ShowModal() {
  if (Run() != ModalResult::kOk) return std::nullopt;
  return name_;
}

bool AddLayerDialog::OnCommand(int id, int) {
  if (id != IDOK) return false;
  name_ = WindowText(Item(IDC_AddLayer_Name));
  Close(ModalResult::kOk);
  return true;
}

}  // namespace zv::win32
