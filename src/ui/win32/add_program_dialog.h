#pragma once
// "Add program": a list of the programs that have a window open now, and "Browse..." for the
// file dialog of an .exe. OK or a double click takes the selected name; the file dialog's
// choice closes the dialog at once.
#include <windows.h>

#include <string>
#include <vector>

#include "ui/win32/modal_dialog.h"

namespace zv::win32 {

class AddProgramDialog : public ModalDialog {
 public:
  AddProgramDialog(HWND owner, std::vector<std::string> open);

  // The chosen name or path; "" when the dialog was cancelled or nothing was chosen.
  std::string ShowModal();

 protected:
  void OnInit() override;
  bool OnCommand(int id, int code) override;

 private:
  void TakeSelected();
  void Browse();

  std::vector<std::string> open_;
  std::string chosen_;
};

}  // namespace zv::win32
