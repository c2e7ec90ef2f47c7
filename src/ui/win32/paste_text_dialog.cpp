#include "ui/win32/paste_text_dialog.h"

#include "ui/parameter_dialog_rules.h"
#include "ui/win32/parameter_dialogs_res.h"

namespace zv::win32 {

TfrmPasteText::TfrmPasteText(HWND owner) : ModalDialog(owner, IDD_TfrmPasteText) {}

void TfrmPasteText::OnInit() {
  HWND memo = Item(IDC_TfrmPasteText_Memo1);
  SendMessageA(memo, EM_SETLIMITTEXT, kMaxParameterLength, 0);
  SetWindowTextA(memo, PasteTextMemoOfParameter(InitialParameter).c_str());
  // The caret starts before the text, which is not selected: typing must not replace it.
  FocusWithoutSelection(memo);
}

bool TfrmPasteText::OnCommand(int id, int code) {
  if (id == IDC_TfrmPasteText_Memo1 && code == EN_MAXTEXT) {
    Tell(kParameterLimitMessage);
    return true;
  }
  if (id != IDOK) return false;  // Button1Click; Button2Click is the plain Cancel
  std::string text = WindowText(Item(IDC_TfrmPasteText_Memo1));
  // The field counts characters; the file counts the bytes of letters outside ASCII too.
  if (!ParameterFits(PasteTextParameterOfMemo(text))) {
    Tell(kParameterLimitMessage);
    return true;
  }
  memoText_ = text;
  Close(ModalResult::kOk);
  return true;
}

std::string TfrmPasteText::GetParameter() const {
  return PasteTextParameterOfMemo(memoText_);
}

}  // namespace zv::win32
