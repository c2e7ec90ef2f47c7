#include "ui/win32/run_dialog.h"

#include "catalogue/parameter_forms.h"
#include "ui/parameter_dialog_rules.h"
#include "ui/win32/parameter_dialogs_res.h"

namespace zv::win32 {

TfrmRun::TfrmRun(HWND owner)
    : TextParameterDialog(owner, IDD_TfrmRun, IDC_TfrmRun_Edit1, &RunFieldOfParameter,
                          &RunParameterOfField) {}

bool TfrmRun::OnCommand(int id, int code) {
  if (id != IDC_TfrmRun_btnBrowse) return TextParameterDialog::OnCommand(id, code);
  std::string path =
      PickFileToOpen(hwnd(), "Programs\0*.exe;*.com;*.cmd;*.bat;*.lnk\0All files (*.*)\0*.*\0");
  if (!path.empty()) SetField(RunFormOfPath(path));
  return true;
}

}  // namespace zv::win32
