#pragma once
// "Enter simple text": the type-text parameter in a multi-line field.
#include <windows.h>

#include "ui/win32/text_parameter_dialog.h"

namespace zv::win32 {

class TfrmPasteText : public TextParameterDialog {
 public:
  // GetParameter: the memo's text as a type-text parameter; " " for an empty memo.
  explicit TfrmPasteText(HWND owner);
};

}  // namespace zv::win32
