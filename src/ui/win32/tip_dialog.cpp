#include "ui/win32/tip_dialog.h"

#include "ui/win32/tip_dialog_res.h"

namespace zv::win32 {

TfrmTipWithNoShowAgain::TfrmTipWithNoShowAgain(HWND owner)
    : ModalDialog(owner, IDD_TfrmTipWithNoShowAgain) {}

TipAnswer TfrmTipWithNoShowAgain::ShowModal() {
  ticked_ = false;
  const bool ok = Run() == ModalResult::kOk;
  return {ok, ok && ticked_};
}

void TfrmTipWithNoShowAgain::OnInit() {
  // The tip stands on its own: centred on the desktop, not on the (possibly hidden) owner.
  Center(hwnd(), nullptr);
  SendMessageA(Item(IDC_TfrmTipWithNoShowAgain_Image1), STM_SETICON,
               reinterpret_cast<WPARAM>(LoadIconA(nullptr, IDI_INFORMATION)), 0);
  SetWindowTextA(Item(IDC_TfrmTipWithNoShowAgain_Label1), Text.c_str());
}

bool TfrmTipWithNoShowAgain::OnCommand(int id, int) {
  if (id != IDOK) return false;  // btn1Click; everything else closes as Cancel
  ticked_ = IsDlgButtonChecked(hwnd(), IDC_TfrmTipWithNoShowAgain_CBNotShowAgain) == BST_CHECKED;
  Close(ModalResult::kOk);
  return true;
}

TipAnswer DialogTipPrompt::Show(const std::string& text) {
  TfrmTipWithNoShowAgain dialog(owner_);
  dialog.Text = text;
  return dialog.ShowModal();
}

int ShowTipDialog(HWND owner, SettingsFile& settings, const std::string& key,
                  const std::string& text) {
  DialogTipPrompt prompt(owner);
  return ShowTip(settings, prompt, key, text);
}

}  // namespace zv::win32
