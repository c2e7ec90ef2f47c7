#pragma once
// "TapHold": a key with two roles. The tap and the hold are picked or typed in two boxes (the
// hold box offers the settings file's layers too), the time in a field, and what decides a hold
// before the time is up by three radio buttons. OK refuses a parameter that cannot be used and
// says why.
#include <windows.h>

#include <string>
#include <vector>

#include "ui/win32/modal_dialog.h"

namespace zv::win32 {

class TfrmTapHold : public ModalDialog {
 public:
  TfrmTapHold(HWND owner, std::vector<std::string> layers);

  std::string InitialParameter = "0";
  ModalResult ShowModal() { return Run(); }
  // The parameter when OK closed the dialog.
  std::string GetParameter() const { return parameter_; }

 protected:
  void OnInit() override;  // FormShow
  bool OnCommand(int id, int code) override;

 private:
  void FillBox(int id, const std::vector<std::string>& items, const std::string& text);
  // The box's text, spelt as its list spells it when it names an item in another letter case.
  std::string BoxText(int id);
  std::string FieldsText();

  std::vector<std::string> layers_;
  std::string parameter_ = " ";
};

}  // namespace zv::win32
