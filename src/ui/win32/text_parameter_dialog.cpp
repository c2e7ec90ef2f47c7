#include "ui/win32/text_parameter_dialog.h"

#include <commdlg.h>

namespace zv::win32 {

void TextParameterDialog::OnInit() {
  SetField(fieldOf_(InitialParameter));
}

void TextParameterDialog::SetField(const std::string& text) {
  HWND field = Item(fieldId_);
  SetWindowTextA(field, text.c_str());
  FocusWithoutSelection(field);
}

bool TextParameterDialog::OnCommand(int id, int) {
  if (id != IDOK) return false;  // Cancel is the plain one
  fieldText_ = WindowText(Item(fieldId_));
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
