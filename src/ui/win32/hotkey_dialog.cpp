#include "ui/win32/hotkey_dialog.h"

#include <commctrl.h>

#include "ui/parameter_dialog_rules.h"
#include "ui/win32/parameter_dialogs_res.h"

namespace zv::win32 {

TfrmHotkey::TfrmHotkey(HWND owner) : ModalDialog(owner, IDD_TfrmHotkey) {}

ModalResult TfrmHotkey::ShowModal() {
  INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_HOTKEY_CLASS};
  InitCommonControlsEx(&classes);
  // A stored value that is no number stops here, before any window opens.
  fieldValue_ = HotkeyFieldOfParameter(InitialParameter);
  return Run();
}

void TfrmHotkey::OnInit() {
  HWND field = Item(IDC_TfrmHotkey_HotKey1);
  // No key combination is refused and no modifier is forced on a bare key.
  SendMessageA(field, HKM_SETRULES, 0, MAKELPARAM(0, 0));
  SendMessageA(field, HKM_SETHOTKEY, fieldValue_, 0);
}

bool TfrmHotkey::OnCommand(int id, int) {
  if (id != IDOK) return false;  // btn6Click; btn7Click is the plain Cancel
  fieldValue_ = LOWORD(SendMessageA(Item(IDC_TfrmHotkey_HotKey1), HKM_GETHOTKEY, 0, 0));
  Close(ModalResult::kOk);
  return true;
}

std::string TfrmHotkey::GetParameter() const {
  return HotkeyParameterOfField(fieldValue_);
}

}  // namespace zv::win32
