#include "ui/win32/paste_text_dialog.h"

#include "ui/parameter_dialog_rules.h"
#include "ui/win32/parameter_dialogs_res.h"

namespace zv::win32 {

// Button1Click is OK, Button2Click the plain Cancel.
TfrmPasteText::TfrmPasteText(HWND owner)
    : TextParameterDialog(owner, IDD_TfrmPasteText, IDC_TfrmPasteText_Memo1,
                          &PasteTextMemoOfParameter, &PasteTextParameterOfMemo) {}

}  // namespace zv::win32
