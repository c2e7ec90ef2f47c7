#include "ui/win32/text_parameter_dialog.h"

#include <commdlg.h>

#include "ui/parameter_dialog_rules.h"

namespace zv::win32 {

void TextParameterDialog::OnInit() {
  SendMessageA(Item(fieldId_), EM_SETLIMITTEXT, kMaxParameterLength, 0);
  SetField(fieldOf_(InitialParameter));
}

void TextParameterDialog::SetField(const std::string& text) {
  HWND field = Item(fieldId_);
  SetWindowTextA(field, text.c_str());
  FocusWithoutSelection(field);
}

bool TextParameterDialog::OnCommand(int id, int code) {
  if (id == fieldId_ && code == EN_MAXTEXT) {
    Tell(kParameterLimitMessage);
    return true;
  }
  if (id != IDOK) return false;  // Cancel is the plain one
  std::string text = WindowText(Item(fieldId_));
  // The field counts characters; the file counts the bytes of letters outside ASCII too.
  if (!ParameterFits(parameterOf_(text))) {
    Tell(kParameterLimitMessage);
    return true;
  }
  fieldText_ = text;
  Close(ModalResult::kOk);
  return true;
}

std::string PickFileToOpen(HWND owner, const char* filter) {
  char path[MAX_PATH] = {};
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter;
  ofn.lpstrFile = path;
  ofn.nMaxFile = sizeof path;
  ofn.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR;
  return GetOpenFileNameA(&ofn) ? std::string(path) : std::string();
}

}  // namespace zv::win32
