#pragma once
// "Run": the program, document or address a key starts, typed or picked with "Browse...".
#include <windows.h>

#include <string>

#include "ui/win32/modal_dialog.h"

namespace zv::win32 {

class TfrmRun : public ModalDialog {
 public:
  explicit TfrmRun(HWND owner);

  std::string InitialParameter = "0";
  ModalResult ShowModal() { return Run(); }
  // The field's text when OK closed the dialog; " " when it holds nothing.
  std::string GetParameter() const;

 protected:
  void OnInit() override;  // FormShow
  bool OnCommand(int id, int code) override;

 private:
  // The standard open dialog; a picked file fills the field with its path in quotes.
  void Browse();

  std::string fieldText_;
};

}  // namespace zv::win32
