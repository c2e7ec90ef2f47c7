#pragma once
// A parameter dialog whose parameter is the text of one field: the field shows the stored
// parameter as fieldOf gives it, and OK hands back parameterOf of what the field then holds.
// The field takes at most the longest parameter the settings file stores, and says so.
#include <windows.h>

#include <string>

#include "ui/win32/modal_dialog.h"

namespace zv::win32 {

class TextParameterDialog : public ModalDialog {
 public:
  using Convert = std::string (*)(const std::string&);

  std::string InitialParameter = "0";
  ModalResult ShowModal() { return Run(); }
  // The field's text as a parameter when OK closed the dialog.
  std::string GetParameter() const { return parameterOf_(fieldText_); }

 protected:
  TextParameterDialog(HWND owner, int resourceId, int fieldId, Convert fieldOf, Convert parameterOf)
      : ModalDialog(owner, resourceId),
        fieldId_(fieldId),
        fieldOf_(fieldOf),
        parameterOf_(parameterOf) {}

  void OnInit() override;  // FormShow
  bool OnCommand(int id, int code) override;
  // Replaces the field's text; the caret goes before it, nothing selected, so typing adds.
  void SetField(const std::string& text);

 private:
  int fieldId_;
  Convert fieldOf_;
  Convert parameterOf_;
  std::string fieldText_;
};

// The standard open dialog over owner: the picked file's path, or "" when none was picked.
// The program's current folder stays as it was.
std::string PickFileToOpen(HWND owner, const char* filter);

}  // namespace zv::win32
