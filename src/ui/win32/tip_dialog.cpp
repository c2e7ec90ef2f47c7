#include "ui/win32/tip_dialog.h"

#include "ui/win32/tip_dialog_res.h"

namespace zv::win32 {

namespace {

constexpr SIZE kClientSize = {332, 90};
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;

void Place(HWND control, int x, int y, int width, int height) {
  SetWindowPos(control, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

TfrmTipWithNoShowAgain::TfrmTipWithNoShowAgain(HWND owner)
    : ModalDialog(owner, IDD_TfrmTipWithNoShowAgain, kClientSize) {}

TipAnswer TfrmTipWithNoShowAgain::ShowModal() {
  ticked_ = false;
  const bool ok = Run() == ModalResult::kOk;
  return {ok, ok && ticked_};
}

void TfrmTipWithNoShowAgain::OnInit() {
  // The tip stands on its own: centred on the desktop, not on the (possibly hidden) owner.
  FitAndCenter(hwnd(), nullptr, kClientSize);
  RECT outer = {};
  GetWindowRect(hwnd(), &outer);

  HWND image = Item(IDC_TfrmTipWithNoShowAgain_Image1);
  SendMessageA(image, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconA(nullptr, IDI_INFORMATION)),
               0);
  Place(image, 10, 10, 32, 32);
  HWND label = Item(IDC_TfrmTipWithNoShowAgain_Label1);
  Place(label, 48, 13, 329, 40);
  SetWindowTextA(label, Text.c_str());
  Place(Item(IDOK), CentredLeft(outer.right - outer.left, kButtonWidth), 45, kButtonWidth,
        kButtonHeight);
  Place(Item(IDC_TfrmTipWithNoShowAgain_CBNotShowAgain), 16, 71, 200, 17);
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
