#pragma once
// "Enter simple text": the type-text parameter in a multi-line field.
#include <windows.h>

#include <string>

#include "ui/win32/modal_dialog.h"

namespace zv::win32 {

class TfrmPasteText : public ModalDialog {
 public:
  explicit TfrmPasteText(HWND owner);

  std::string InitialParameter = "0";
  ModalResult ShowModal() { return Run(); }
  // The memo's text as a type-text parameter when OK closed the dialog; " " for an empty memo.
  std::string GetParameter() const;

 protected:
  void OnInit() override;  // FormShow
  bool OnCommand(int id, int code) override;

 private:
  std::string memoText_;
};

}  // namespace zv::win32
