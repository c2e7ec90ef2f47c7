#include "ui/win32/key_sequence_dialog.h"

#include <commctrl.h>

#include "ui/win32/parameter_dialogs_res.h"
#include "ui/win32/set_delay_time_dialog.h"

namespace zv::win32 {

namespace {
constexpr UINT_PTR kBoxSubclass = 1;

HWND BoxField(HWND box) {
  COMBOBOXINFO info = {};
  info.cbSize = sizeof(info);
  return GetComboBoxInfo(box, &info) ? info.hwndItem : nullptr;
}
}  // namespace

TfrmKeySequence::TfrmKeySequence(HWND owner, platform::KeyState& keys)
    : ModalDialog(owner, IDD_TfrmKeySequence), presenter_(*this, keys, SequenceBoxItems()) {}

ModalResult TfrmKeySequence::ShowModal() {
  INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&classes);
  dragListMessage_ = RegisterWindowMessageA("commctrl_DragListMsg");  // DRAGLISTMSGSTRING
  return Run();
}

void TfrmKeySequence::OnInit() {
  HWND box = Item(IDC_TfrmKeySequence_cbb1);
  for (const auto& name : SequenceBoxItems()) {
    SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
  SetWindowSubclass(BoxField(box), &TfrmKeySequence::BoxFieldProc, kBoxSubclass,
                    reinterpret_cast<DWORD_PTR>(this));
  MakeDragList(Item(IDC_TfrmKeySequence_lst1));
  presenter_.FormShow(InitialParameter);
}

bool TfrmKeySequence::OnCommand(int id, int code) {
  switch (id) {
    case IDC_TfrmKeySequence_cbb1:
      if (code == CBN_SELCHANGE) OnBoxPicked();
      return true;
    case IDC_TfrmKeySequence_btn1:
      presenter_.Add();
      return true;
    case IDC_TfrmKeySequence_btn2:
      presenter_.Delete();
      return true;
    case IDC_TfrmKeySequence_btn3:
      presenter_.Clear();
      return true;
    case IDC_TfrmKeySequence_btn4:
      presenter_.Up();
      return true;
    case IDC_TfrmKeySequence_btn5:
      presenter_.Down();
      return true;
    case IDOK:  // btn6Click
      parameter_ = presenter_.GetParameter();
      Close(ModalResult::kOk);
      return true;
    default:
      return false;  // btn7Click is the plain Cancel
  }
}

void TfrmKeySequence::OnBoxPicked() {
  // The box reports the pick before its field shows the item: show it first, then react.
  HWND box = Item(IDC_TfrmKeySequence_cbb1);
  const LRESULT index = SendMessageA(box, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return;
  const LRESULT length = SendMessageA(box, CB_GETLBTEXTLEN, index, 0);
  if (length == CB_ERR) return;
  std::string text(static_cast<size_t>(length) + 1, '\0');
  SendMessageA(box, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  SetBoxText(text);
  presenter_.BoxChanged();
}

bool TfrmKeySequence::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR* result) {
  if (message != dragListMessage_ || dragListMessage_ == 0) return false;
  *result = OnDragList(*reinterpret_cast<const DRAGLISTINFO*>(lParam));
  return true;
}

INT_PTR TfrmKeySequence::OnDragList(const DRAGLISTINFO& info) {
  HWND list = Item(IDC_TfrmKeySequence_lst1);
  switch (info.uNotification) {
    case DL_BEGINDRAG:
      return presenter_.BeginDrag(LBItemFromPt(list, info.ptCursor, FALSE)) ? TRUE : FALSE;
    case DL_DRAGGING:
      // Scrolls the list when the mouse is above or below it.
      return presenter_.CanDrop(LBItemFromPt(list, info.ptCursor, TRUE)) ? DL_MOVECURSOR
                                                                         : DL_STOPCURSOR;
    case DL_DROPPED:
      presenter_.Drop(LBItemFromPt(list, info.ptCursor, FALSE));
      return 0;
    default:
      return 0;
  }
}

LRESULT CALLBACK TfrmKeySequence::BoxFieldProc(HWND field, UINT message, WPARAM wParam,
                                               LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  auto* dialog = reinterpret_cast<TfrmKeySequence*>(self);
  switch (message) {
    case WM_GETDLGCODE: {
      // Every key but Tab belongs to the box (Enter and Esc too); Tab moves the focus.
      LRESULT code = DefSubclassProc(field, message, wParam, lParam);
      const auto* msg = reinterpret_cast<const MSG*>(lParam);
      if (msg != nullptr && (msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN) &&
          msg->wParam != VK_TAB) {
        code |= DLGC_WANTMESSAGE;
      }
      return code;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      // The box's own handling gets a code that no key has, so it does nothing.
      try {
        wParam = static_cast<WPARAM>(dialog->presenter_.BoxKeyDown(static_cast<int>(wParam)));
      } catch (...) {
        dialog->Fail(std::current_exception());
        return 0;
      }
      break;
    case WM_CHAR:
      return 0;
    case WM_NCDESTROY:
      RemoveWindowSubclass(field, &TfrmKeySequence::BoxFieldProc, kBoxSubclass);
      break;
  }
  return DefSubclassProc(field, message, wParam, lParam);
}

std::string TfrmKeySequence::BoxText() const {
  return WindowText(Item(IDC_TfrmKeySequence_cbb1));
}

void TfrmKeySequence::SetBoxText(const std::string& text) {
  SetWindowTextA(Item(IDC_TfrmKeySequence_cbb1), text.c_str());
}

std::vector<std::string> TfrmKeySequence::Items() const {
  HWND list = Item(IDC_TfrmKeySequence_lst1);
  const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
  std::vector<std::string> items;
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, i, 0);
    std::string text(static_cast<size_t>(length < 0 ? 0 : length) + 1, '\0');
    SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length < 0 ? 0 : length));
    items.push_back(std::move(text));
  }
  return items;
}

int TfrmKeySequence::SelectedIndex() const {
  const LRESULT index = SendMessageA(Item(IDC_TfrmKeySequence_lst1), LB_GETCURSEL, 0, 0);
  return index == LB_ERR ? -1 : static_cast<int>(index);
}

void TfrmKeySequence::SetItems(const std::vector<std::string>& items, int selected) {
  HWND list = Item(IDC_TfrmKeySequence_lst1);
  const LRESULT top = SendMessageA(list, LB_GETTOPINDEX, 0, 0);
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  for (const auto& item : items) {
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  SendMessageA(list, LB_SETTOPINDEX, top, 0);
  SendMessageA(list, LB_SETCURSEL, selected, 0);  // -1 clears it; scrolls the selection in view
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

bool TfrmKeySequence::AskDelay(std::string* interval) {
  TfrmSetDelayTime delay(hwnd());
  if (delay.ShowModal() != ModalResult::kOk) return false;
  *interval = delay.GetInterval();
  return true;
}

}  // namespace zv::win32
