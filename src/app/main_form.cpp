#include "app/main_form.h"

#include <algorithm>

#include "common/error.h"
#include "engine/hidden_start.h"
#include "engine/hook_messages.h"
#include "settings/settings.h"

namespace zv {
namespace {

constexpr const char* kClassName = "TMainForm";
constexpr UINT WM_SHOWERROR = WM_APP + 0x260;
constexpr UINT_PTR kWatchdogTimer = 1;

}  // namespace

std::string ExecutablePath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

TMainForm::TMainForm(HINSTANCE instance) : instance_(instance) {}

TMainForm::~TMainForm() {
  if (window_) DestroyWindow(window_);
}

bool TMainForm::Create() {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance_;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClassName;
  RegisterClassA(&wc);
  // Sized to its controls while it is created.
  CreateWindowExA(0, kClassName, kDesignerCaption,
                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT,
                  CW_USEDEFAULT, 400, 400, nullptr, nullptr, instance_, this);
  return window_ != nullptr;
}

LRESULT CALLBACK TMainForm::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<TMainForm*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<TMainForm*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  return self->HandleMessage(message, wParam, lParam);
}

LRESULT TMainForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (dispatcher_ && DispatchHookMessage(*dispatcher_, *this, message, wParam)) return 0;
  switch (message) {
    case WM_CREATE:
      FormCreate();
      return 0;
    case WM_SHOWERROR:
      ShowNextError();
      return 0;
    case WM_TIMER:
      if (wParam == kWatchdogTimer && watchdog_) watchdog_->Check();
      return 0;
    case WM_DESTROY:
      KillTimer(window_, kWatchdogTimer);
      if (hook_) hook_->RemoveKeyHook();  // releases every key the program still holds down
      // The actions end while their window still exists: a clipboard lent to a paste goes back
      // under its owner, and a device command on the worker is waited for.
      if (dispatcher_) {
        dispatcher_->SetActionRunner(nullptr);
        dispatcher_->SetScheduler(nullptr);  // the scheduler goes with the actions
      }
      actions_.reset();
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY: {
      HWND window = window_;
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      window_ = nullptr;
      return DefWindowProcA(window, message, wParam, lParam);
    }
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

void TMainForm::FormCreate() {
  // The engine's parts exist from the start; a failing step below skips the steps after it.
  settings_ = std::make_unique<SettingsFile>(files_, SettingsPathFor(ExecutablePath()));
  dispatcher_ = std::make_unique<Dispatcher>(*settings_, channel_, input_);
  hook_ = std::make_unique<KeyHook>(input_, channel_, *settings_, windows_, *this);
  hook_->SetClient(dispatcher_.get());
  watchdog_ = std::make_unique<HookWatchdog>(*hook_, input_);
  SetTimer(window_, kWatchdogTimer, HookWatchdog::kIntervalMs, nullptr);
  CreateMainWindow();
  try {
    ApplyDisplayName();
    PrepareSettingsFile(*settings_);
    channel_.PublishWindowHandle(static_cast<std::uint32_t>(reinterpret_cast<UINT_PTR>(window_)));
    mainWindow_->editor().LoadLists();
    // The last step: the volume controller and the action table; actions run from now on.
    actions_ = std::make_unique<ActionWiring>(window_, *dispatcher_, *this);
    actions_->actions().FillActionTable();
    dispatcher_->SetActionRunner(&actions_->actions());
    dispatcher_->SetScheduler(&actions_->scheduler());
  } catch (const std::exception& e) {
    ShowError(e.what());
  }
}

void TMainForm::CreateMainWindow() {
  win32::MainWindowServices services{*settings_, scancodes_, input_,
                                     [this] { channel_.DeleteTempCodeKey(); }, kApplicationTitle};
  mainWindow_ = std::make_unique<win32::MainWindow>(window_, std::move(services));
}

void TMainForm::ApplyDisplayName() {
  mainWindow_->ApplyDisplayName(kApplicationTitle, kDisplayName);
}

void TMainForm::ShowCentered() {
  RECT r;
  GetWindowRect(window_, &r);
  int w = r.right - r.left, h = r.bottom - r.top;
  SetWindowPos(window_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - w) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - h) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ShowWindow(window_, SW_SHOWNORMAL);
  UpdateWindow(window_);
  SetFocus(mainWindow_->controls().cbbOldKey);
}

void TMainForm::HiddenStart() {
  try {
    if (!ActivateOnHiddenStart(*settings_, *hook_)) {
      MessageBoxA(window_, kChangeKeyFirst, kApplicationTitle, MB_ICONINFORMATION);
    }
  } catch (const std::exception& e) {
    ShowError(e.what());
  }
}

void TMainForm::PostError(const std::string& text) noexcept {
  try {
    if (std::find(pendingErrors_.begin(), pendingErrors_.end(), text) != pendingErrors_.end()) {
      return;  // the same text is already waiting or on screen
    }
    pendingErrors_.push_back(text);
    PostMessageA(window_, WM_SHOWERROR, 0, 0);
  } catch (...) {
  }
}

void TMainForm::ShowNextError() {
  if (showingError_ || pendingErrors_.empty()) return;
  showingError_ = true;
  ShowError(pendingErrors_.front());  // modal: the hook keeps running meanwhile
  pendingErrors_.pop_front();
  showingError_ = false;
  if (!pendingErrors_.empty()) PostMessageA(window_, WM_SHOWERROR, 0, 0);
}

void TMainForm::ShowError(const std::string& text) {
  MessageBoxA(window_, text.c_str(), kApplicationTitle, MB_OK | MB_ICONERROR);
}

}  // namespace zv
