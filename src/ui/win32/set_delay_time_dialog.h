#pragma once
// "Delay Interval": the milliseconds of a delay item of a key sequence.
#include <windows.h>

#include <string>

#include "ui/win32/modal_dialog.h"

namespace zv::win32 {

class TfrmSetDelayTime : public ModalDialog {
 public:
  explicit TfrmSetDelayTime(HWND owner);

  ModalResult ShowModal() { return Run(); }
  // The field's text, unchanged (it may be empty), when OK closed the dialog.
  std::string GetInterval() const { return interval_; }

 protected:
  void OnInit() override;
  bool OnCommand(int id, int code) override;

 private:
  // Edit1KeyPress and Edit1KeyDown.
  static LRESULT CALLBACK FieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR self);
  void Accept();

  std::string interval_;
};

}  // namespace zv::win32
