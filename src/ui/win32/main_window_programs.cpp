// The main window as the Program box's view: its items, "No mappings in this program", the
// "Unchanged" target in the Changed to list, and the "Add program" and "Add layer" dialogs.
#include "catalogue/key_catalogue.h"
#include "ui/win32/add_program_dialog.h"
#include "ui/win32/main_window.h"

namespace zv::win32 {

void MainWindow::SetProgramItems(const std::vector<std::string>& items, int chosen) {
  SendMessageA(c_.cbbProgram, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items)
    SendMessageA(c_.cbbProgram, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  SendMessageA(c_.cbbProgram, CB_SETCURSEL, chosen, 0);
  chosenProgram_ = chosen;
}

void MainWindow::ShowProgramOffBox(bool shown, bool checked) {
  SendMessageA(c_.cbProgramOff, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  EnableWindow(c_.cbProgramOff, shown);
  ShowWindow(c_.cbProgramOff, shown ? SW_SHOW : SW_HIDE);
}

void MainWindow::OfferUnchangedTarget(bool offered) {
  // The first item of the list while offered: where a user looks for it.
  const LRESULT at = SendMessageA(c_.cbbNewKey, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                  reinterpret_cast<LPARAM>(kUnchangedTarget));
  if (offered && at == CB_ERR) {
    SendMessageA(c_.cbbNewKey, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(kUnchangedTarget));
  } else if (!offered && at != CB_ERR) {
    const std::string text = WindowText(c_.cbbNewKey);  // the field keeps what it shows
    SendMessageA(c_.cbbNewKey, CB_DELETESTRING, at, 0);
    SetWindowTextA(c_.cbbNewKey, text.c_str());
  }
}

std::string MainWindow::ChooseProgramToAdd(const std::vector<std::string>& open) {
  return AddProgramDialog(form_, open).ShowModal();
}

std::optional<std::string> MainWindow::AskLayerName() {
  return AddLayerDialog(form_).ShowModal();
}

}  // namespace zv::win32
