#pragma once
// "Key Sequence": a list of key presses, key releases and delays, built from the box cbb1 and
// the buttons beside the list lst1. The window only translates messages; the rules are the
// presenter's.
#include <windows.h>
// After windows.h.
#include <commctrl.h>

#include <string>
#include <vector>

#include "platform/key_state.h"
#include "ui/key_sequence_presenter.h"
#include "ui/win32/modal_dialog.h"

namespace zv::win32 {

class TfrmKeySequence : public ModalDialog, private KeySequenceView {
 public:
  TfrmKeySequence(HWND owner, platform::KeyState& keys);

  std::string InitialParameter = "0";
  ModalResult ShowModal();
  // The items joined as a key-sequence parameter when OK closed the dialog; " " for none.
  std::string GetParameter() const { return parameter_; }

 protected:
  void OnInit() override;  // FormShow
  bool OnCommand(int id, int code) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) override;

 private:
  // KeySequenceView over cbb1 and lst1.
  std::string BoxText() const override;
  void SetBoxText(const std::string& text) override;
  std::vector<std::string> Items() const override;
  int SelectedIndex() const override;
  void SetItems(const std::vector<std::string>& items, int selected) override;
  bool AskDelay(std::string* interval) override;
  void Tell(const std::string& text) override { ModalDialog::Tell(text); }

  // cbb1KeyDown and cbb1KeyPress, on the box's edit field.
  static LRESULT CALLBACK BoxFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self);
  // lst1DragOver and lst1DragDrop, from the drag list's notifications.
  INT_PTR OnDragList(const DRAGLISTINFO& info);
  void OnBoxPicked();  // cbb1Change

  KeySequencePresenter presenter_;
  UINT dragListMessage_ = 0;
  std::string parameter_ = " ";
};

}  // namespace zv::win32
