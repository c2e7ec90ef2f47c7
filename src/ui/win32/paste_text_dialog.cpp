#include "ui/win32/paste_text_dialog.h"

#include "ui/parameter_dialog_rules.h"
#include "ui/win32/parameter_dialogs_res.h"

namespace zv::win32 {

TfrmPasteText::TfrmPasteText(HWND owner) : ModalDialog(owner, IDD_TfrmPasteText) {}

void TfrmPasteText::OnInit() {
  HWND memo = Item(IDC_TfrmPasteText_Memo1);
  SetWindowTextA(memo, PasteTextMemoOfParameter(InitialParameter).c_str());
  // The caret starts before the text, which is not selected: typing must not replace it.
  FocusWithoutSelection(memo);
}

bool TfrmPasteText::OnCommand(int id, int) {
  if (id != IDOK) return false;  // Button1Click; Button2Click is the plain Cancel
  memoText_ = WindowText(Item(IDC_TfrmPasteText_Memo1));
  Close(ModalResult::kOk);
  return true;
}

std::string TfrmPasteText::GetParameter() const {
  return PasteTextParameterOfMemo(memoText_);
}

}  // namespace zv::win32
