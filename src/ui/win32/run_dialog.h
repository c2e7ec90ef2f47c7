#pragma once
// "Run": the program, document or address a key starts, typed or picked with "Browse...".
#include <windows.h>

#include "ui/win32/text_parameter_dialog.h"

namespace zv::win32 {

class TfrmRun : public TextParameterDialog {
 public:
  // GetParameter: the field's text; " " when it holds nothing but blanks.
  explicit TfrmRun(HWND owner);

 protected:
  // "Browse...": a file picked in the open dialog fills the field with its path in quotes.
  bool OnCommand(int id, int code) override;
};

}  // namespace zv::win32
