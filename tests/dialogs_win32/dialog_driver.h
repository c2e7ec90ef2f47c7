#pragma once
// Drives modal dialogs from a test: every dialog the thread creates gets the next step of a
// script, run from a timer inside the dialog's own modal loop once the dialog is up. A step
// that opens another dialog (the delay dialog from the key-sequence dialog) keeps running while
// the next steps answer the inner one. A watchdog cancels dialogs that the script left open.
#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace zv::testing_win32 {

class DialogDriver {
 public:
  using Step = std::function<void(HWND dialog)>;

  DialogDriver();
  ~DialogDriver();
  DialogDriver(const DialogDriver&) = delete;
  DialogDriver& operator=(const DialogDriver&) = delete;

  // Queues a step for the dialog that is on top when the step's turn comes.
  void Then(Step step) { steps_.push_back(std::move(step)); }

  int dialogsCreated = 0;
  bool timedOut = false;
  bool stepsLeft() const { return !steps_.empty(); }

 private:
  static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
  static void CALLBACK StepTimer(HWND, UINT, UINT_PTR id, DWORD);
  static void CALLBACK WatchdogTimer(HWND, UINT, UINT_PTR id, DWORD);
  void Schedule();

  HHOOK hook_ = nullptr;
  UINT_PTR watchdog_ = 0;
  UINT_PTR pending_ = 0;
  std::deque<Step> steps_;
  std::vector<HWND> open_;  // dialogs alive, innermost last
};

// Small helpers for the steps.
std::string Text(HWND hwnd);
std::string ItemText(HWND dialog, int id);
void Click(HWND dialog, int id);
// Sets a control's selection by message and sends the notification the user's pick would send.
void PickComboItem(HWND dialog, int id, int index);
void SelectListItem(HWND dialog, int id, int index);
std::vector<std::string> ListItems(HWND dialog, int id);
void TypeChars(HWND field, const std::string& chars);
void PressKey(HWND field, int virtualKey);

}  // namespace zv::testing_win32
