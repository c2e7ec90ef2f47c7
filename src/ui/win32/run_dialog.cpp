#include "ui/win32/run_dialog.h"

#include <commdlg.h>

#include "catalogue/parameter_forms.h"
#include "ui/parameter_dialog_rules.h"
#include "ui/win32/parameter_dialogs_res.h"

namespace zv::win32 {

TfrmRun::TfrmRun(HWND owner) : ModalDialog(owner, IDD_TfrmRun) {}

void TfrmRun::OnInit() {
  HWND field = Item(IDC_TfrmRun_Edit1);
  SetWindowTextA(field, RunFieldOfParameter(InitialParameter).c_str());
  FocusWithoutSelection(field);
}

bool TfrmRun::OnCommand(int id, int) {
  if (id == IDC_TfrmRun_btnBrowse) {
    Browse();
    return true;
  }
  if (id != IDOK) return false;
  fieldText_ = WindowText(Item(IDC_TfrmRun_Edit1));
  Close(ModalResult::kOk);
  return true;
}

void TfrmRun::Browse() {
  char path[32768] = {};
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = hwnd();
  ofn.lpstrFilter = "Programs\0*.exe;*.com;*.cmd;*.bat;*.lnk\0All files (*.*)\0*.*\0";
  ofn.lpstrFile = path;
  ofn.nMaxFile = sizeof path;
  // The program's current folder stays as it was: a Run of a bare name looks there first.
  ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameA(&ofn)) return;
  HWND field = Item(IDC_TfrmRun_Edit1);
  SetWindowTextA(field, RunFormOfPath(path).c_str());
  FocusWithoutSelection(field);
}

std::string TfrmRun::GetParameter() const {
  return RunParameterOfField(fieldText_);
}

}  // namespace zv::win32
