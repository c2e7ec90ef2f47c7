#pragma once
// "Add program": a list of the programs that have a window open now, and "Browse..." for the
// file dialog of an .exe. OK or a double click takes the selected name; the file dialog's
// choice closes the dialog at once. "Add layer": one field for a new layer's name.
#include <windows.h>

#include <optional>
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

class AddLayerDialog : public ModalDialog {
 public:
  explicit AddLayerDialog(HWND owner);

  // The name typed when OK closed the dialog; nothing when it was cancelled.
  std::optional<std::string> ShowModal();

 protected:
  void OnInit() override {}
  bool OnCommand(int id, int code) override;

 private:
  std::string name_;
};

}  // namespace zv::win32
