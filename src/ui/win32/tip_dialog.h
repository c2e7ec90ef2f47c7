#pragma once
// TfrmTipWithNoShowAgain: a stay-on-top tip centred on the desktop, with an icon, the message,
// a centred "OK" and the box "Don`t show this again.".
#include <windows.h>

#include <string>

#include "settings/settings_file.h"
#include "ui/tip_rules.h"
#include "ui/win32/modal_dialog.h"

namespace zv::win32 {

class TfrmTipWithNoShowAgain : public ModalDialog {
 public:
  explicit TfrmTipWithNoShowAgain(HWND owner);

  std::string Text;  // Label1's message
  // Shows the dialog modally: OK with the box's state, or closed.
  TipAnswer ShowModal();

 protected:
  void OnInit() override;  // centres on the desktop
  bool OnCommand(int id, int code) override;

 private:
  bool ticked_ = false;
};

// The tip dialog as the rules see it.
class DialogTipPrompt : public TipPrompt {
 public:
  explicit DialogTipPrompt(HWND owner) : owner_(owner) {}
  TipAnswer Show(const std::string& text) override;

 private:
  HWND owner_;
};

// Shows the tip of key (kChangeSucTipKey, kRegChangeSucTipKey) with the text, owned by owner,
// unless the settings file's "ShowDiag" flag of the key is false; "OK" stores the flag as "not
// ticked". Returns 1 for OK (also when not shown) and 2 when the dialog was closed otherwise.
int ShowTipDialog(HWND owner, SettingsFile& settings, const std::string& key,
                  const std::string& text);

}  // namespace zv::win32
