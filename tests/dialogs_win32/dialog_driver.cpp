#include "tests/dialogs_win32/dialog_driver.h"

#include <algorithm>

namespace zv::testing_win32 {

namespace {
DialogDriver* current = nullptr;  // one driver per test, on the test's thread
constexpr UINT kStepDelayMs = 20;
constexpr UINT kWatchdogMs = 10000;

bool IsDialogClass(HWND hwnd) {
  char name[16] = {};
  GetClassNameA(hwnd, name, sizeof(name));
  return std::string(name) == "#32770";
}
}  // namespace

DialogDriver::DialogDriver() {
  current = this;
  hook_ = SetWindowsHookExA(WH_CBT, &DialogDriver::CbtProc, nullptr, GetCurrentThreadId());
  watchdog_ = SetTimer(nullptr, 0, kWatchdogMs, &DialogDriver::WatchdogTimer);
}

DialogDriver::~DialogDriver() {
  KillTimer(nullptr, watchdog_);
  if (pending_ != 0) KillTimer(nullptr, pending_);
  UnhookWindowsHookEx(hook_);
  current = nullptr;
}

LRESULT CALLBACK DialogDriver::CbtProc(int code, WPARAM wParam, LPARAM lParam) {
  HWND hwnd = reinterpret_cast<HWND>(wParam);
  if (current != nullptr && code == HCBT_CREATEWND && IsDialogClass(hwnd)) {
    current->open_.push_back(hwnd);
    ++current->dialogsCreated;
    current->Schedule();
  } else if (current != nullptr && code == HCBT_DESTROYWND) {
    auto& open = current->open_;
    open.erase(std::remove(open.begin(), open.end(), hwnd), open.end());
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void DialogDriver::Schedule() {
  if (pending_ == 0 && !steps_.empty()) {
    pending_ = SetTimer(nullptr, 0, kStepDelayMs, &DialogDriver::StepTimer);
  }
}

void CALLBACK DialogDriver::StepTimer(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  DialogDriver* self = current;
  if (self == nullptr) return;
  self->pending_ = 0;
  if (self->open_.empty() || self->steps_.empty()) return;
  Step step = std::move(self->steps_.front());
  self->steps_.pop_front();
  step(self->open_.back());
  if (!self->open_.empty()) self->Schedule();
}

void CALLBACK DialogDriver::WatchdogTimer(HWND, UINT, UINT_PTR, DWORD) {
  DialogDriver* self = current;
  if (self == nullptr || self->open_.empty()) return;
  self->timedOut = true;
  for (HWND hwnd : self->open_) EndDialog(hwnd, IDCANCEL);
}

std::string Text(HWND hwnd) {
  char buffer[4096] = {};
  GetWindowTextA(hwnd, buffer, sizeof(buffer));
  return buffer;
}

std::string ItemText(HWND dialog, int id) {
  return Text(GetDlgItem(dialog, id));
}

void Click(HWND dialog, int id) {
  SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void PickComboItem(HWND dialog, int id, int index) {
  HWND box = GetDlgItem(dialog, id);
  SendMessageA(box, CB_SETCURSEL, index, 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
}

void SelectListItem(HWND dialog, int id, int index) {
  HWND list = GetDlgItem(dialog, id);
  SendMessageA(list, LB_SETCURSEL, index, 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

std::vector<std::string> ListItems(HWND dialog, int id) {
  HWND list = GetDlgItem(dialog, id);
  std::vector<std::string> items;
  const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    char buffer[512] = {};
    SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(buffer));
    items.emplace_back(buffer);
  }
  return items;
}

void TypeChars(HWND field, const std::string& chars) {
  for (char c : chars) SendMessageA(field, WM_CHAR, static_cast<unsigned char>(c), 1);
}

void PressKey(HWND field, int virtualKey) {
  SendMessageA(field, WM_KEYDOWN, virtualKey, 1);
  SendMessageA(field, WM_KEYUP, virtualKey, 0xC0000001);
}

}  // namespace zv::testing_win32
