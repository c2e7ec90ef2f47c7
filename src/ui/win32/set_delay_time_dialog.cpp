#include "ui/win32/set_delay_time_dialog.h"

#include <commctrl.h>

#include "ui/parameter_dialog_rules.h"
#include "ui/win32/parameter_dialogs_res.h"

namespace zv::win32 {

namespace {
constexpr UINT_PTR kFieldSubclass = 1;
}

TfrmSetDelayTime::TfrmSetDelayTime(HWND owner) : ModalDialog(owner, IDD_TfrmSetDelayTime) {}

void TfrmSetDelayTime::OnInit() {
  SetWindowSubclass(Item(IDC_TfrmSetDelayTime_Edit1), &TfrmSetDelayTime::FieldProc, kFieldSubclass,
                    reinterpret_cast<DWORD_PTR>(this));
}

bool TfrmSetDelayTime::OnCommand(int id, int) {
  if (id != IDOK) return false;  // Button1Click; Button2Click is the plain Cancel
  Accept();
  return true;
}

void TfrmSetDelayTime::Accept() {
  interval_ = WindowText(Item(IDC_TfrmSetDelayTime_Edit1));
  Close(ModalResult::kOk);
}

LRESULT CALLBACK TfrmSetDelayTime::FieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR, DWORD_PTR self) {
  auto* dialog = reinterpret_cast<TfrmSetDelayTime*>(self);
  switch (message) {
    case WM_GETDLGCODE: {
      // Enter is the field's own key, not the dialog manager's.
      const auto* msg = reinterpret_cast<const MSG*>(lParam);
      LRESULT code = DefSubclassProc(field, message, wParam, lParam);
      if (msg != nullptr && msg->message == WM_KEYDOWN &&
          DelayFieldClosesOn(static_cast<int>(msg->wParam))) {
        code |= DLGC_WANTMESSAGE;
      }
      return code;
    }
    case WM_KEYDOWN:
      if (DelayFieldClosesOn(static_cast<int>(wParam))) {
        try {
          dialog->Accept();
        } catch (...) {
          dialog->Fail(std::current_exception());
        }
        return 0;
      }
      break;
    case WM_CHAR:
      // The subclass sees UTF-16 characters: only plain ASCII can be one of ours.
      if (wParam > 0x7F || !DelayFieldAccepts(static_cast<char>(wParam))) return 0;
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(field, &TfrmSetDelayTime::FieldProc, kFieldSubclass);
      break;
  }
  return DefSubclassProc(field, message, wParam, lParam);
}

}  // namespace zv::win32
