#pragma once
// "Key Combination": one key with Shift, Ctrl and Alt in a hot-key field, and Win in a check box
// beside it (the field cannot take the Win key); the whole combination is spelled out below.
#include <windows.h>

#include <cstdint>
#include <string>

#include "ui/win32/modal_dialog.h"

namespace zv::win32 {

class TfrmHotkey : public ModalDialog {
 public:
  explicit TfrmHotkey(HWND owner);

  std::string InitialParameter = "0";
  // Throws the conversion error for an InitialParameter that is no decimal number.
  ModalResult ShowModal();
  // The field's value as a shortcut word in decimal when OK closed the dialog; "0" when empty.
  std::string GetParameter() const;

 protected:
  void OnInit() override;  // FormShow
  bool OnCommand(int id, int code) override;

 private:
  void ShowText();

  std::uint16_t fieldValue_ = 0;
  bool win_ = false;
};

}  // namespace zv::win32
