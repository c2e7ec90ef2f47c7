#include "ui/win32/hotkey_dialog.h"

#include <commctrl.h>

#include "catalogue/parameter_forms.h"
#include "ui/parameter_dialog_rules.h"
#include "ui/win32/parameter_dialogs_res.h"

namespace zv::win32 {

TfrmHotkey::TfrmHotkey(HWND owner) : ModalDialog(owner, IDD_TfrmHotkey) {}

ModalResult TfrmHotkey::ShowModal() {
  INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_HOTKEY_CLASS};
  InitCommonControlsEx(&classes);
  // A stored value that is no number stops here, before any window opens.
  fieldValue_ = HotkeyFieldOfParameter(InitialParameter);
  win_ = InitialParameter != "0" && KeyCombinationOfForm(InitialParameter).win;
  return Run();
}

void TfrmHotkey::OnInit() {
  HWND field = Item(IDC_TfrmHotkey_HotKey1);
  // No key combination is refused and no modifier is forced on a bare key.
  SendMessageA(field, HKM_SETRULES, 0, MAKELPARAM(0, 0));
  SendMessageA(field, HKM_SETHOTKEY, fieldValue_, 0);
  CheckDlgButton(hwnd(), IDC_TfrmHotkey_chkWin, win_ ? BST_CHECKED : BST_UNCHECKED);
  ShowText();
}

void TfrmHotkey::ShowText() {
  fieldValue_ = LOWORD(SendMessageA(Item(IDC_TfrmHotkey_HotKey1), HKM_GETHOTKEY, 0, 0));
  win_ = IsDlgButtonChecked(hwnd(), IDC_TfrmHotkey_chkWin) == BST_CHECKED;
  SetDlgItemTextA(hwnd(), IDC_TfrmHotkey_Label2, HotkeyTextOfField(fieldValue_, win_).c_str());
}

bool TfrmHotkey::OnCommand(int id, int code) {
  // The field tells of a new combination with EN_CHANGE.
  if ((id == IDC_TfrmHotkey_HotKey1 && code == EN_CHANGE) || id == IDC_TfrmHotkey_chkWin) {
    ShowText();
    return true;
  }
  if (id != IDOK) return false;  // btn6Click; btn7Click is the plain Cancel
  ShowText();
  Close(ModalResult::kOk);
  return true;
}

std::string TfrmHotkey::GetParameter() const {
  return HotkeyParameterOfField(fieldValue_, win_);
}

}  // namespace zv::win32
