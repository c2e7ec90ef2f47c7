#include "app/main_form.h"

#include <algorithm>

#include "app/app_ids.h"
#include "app/instance_windows.h"
#include "common/error.h"
#include "common/private_messages.h"
#include "engine/hook_messages.h"
#include "settings/settings.h"
#include "ui/win32/flat_menu.h"

namespace zv {
namespace {

constexpr const char* kClassName = "TMainForm";
constexpr UINT_PTR kWatchdogTimer = 1;

// The installer's exit request (app_ids.h); 0 if it could not be registered.
UINT ExitMessage() {
  static const UINT message = RegisterWindowMessageA(ZV_EXIT_MESSAGE_NAME);
  return message;
}

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
  icon_ = LoadIconA(instance_, MAKEINTRESOURCEA(IDI_ZORVANE));
  if (!icon_) icon_ = LoadIcon(nullptr, IDI_APPLICATION);
  suspendedIcon_ = LoadIconA(instance_, MAKEINTRESOURCEA(IDI_ZORVANE_SUSPENDED));
  if (!suspendedIcon_) suspendedIcon_ = icon_;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance_;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hIcon = icon_;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClassName;
  RegisterClassA(&wc);
  // Sized to its controls while it is created.
  CreateWindowExA(0, kClassName, kDesignerCaption,
                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT,
                  CW_USEDEFAULT, 400, 400, nullptr, nullptr, instance_, this);
  // Started as administrator, the program still takes the requests from an installer or a
  // start without those rights: Windows lets such a message through only where the window
  // allows it.
  for (UINT request : {ExitMessage(), ShowRequestMessage()})
    if (window_ && request) ChangeWindowMessageFilterEx(window_, request, MSGFLT_ALLOW, nullptr);
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

void TMainForm::Guarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    ShowError(e.what());
  }
}

LRESULT TMainForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (dispatcher_ && DispatchHookMessage(*dispatcher_, *this, message, wParam)) return 0;
  if (ui::HandleFlatMenuMessage(window_, message, wParam, lParam)) return TRUE;
  // WM_POWERBROADCAST is answered TRUE: the computer may suspend.
  if (watchdog_ && SessionMessage(message, wParam)) return message == WM_POWERBROADCAST;
  if (message == ExitMessage() && message != 0) message = WM_EXITREQUEST;
  if (message == ShowRequestMessage() && message != 0) {
    if (wParam == kShowRequestShow) ShowMainWindow();  // restored from the tray
    return kShowRequestAnswer;
  }
  switch (message) {
    case WM_CREATE:
      MakeParts();
      FormCreate(*this, [this](const std::string& text) { ShowError(text); });
      StartSettingsWatch();
      StartForegroundWatch();
      return 0;
    case WM_COMMAND:
      if (lParam == 0) OnCommand(LOWORD(wParam));
      return 0;
    case WM_HOTKEY:
      Guarded([&] { switch_.WMHotKey(static_cast<std::uint32_t>(lParam), fields_.HotKeyWord(1)); });
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_MINIMIZE && minimizeHandler_) {
        // Minimising hides the window to the tray; the application's minimise follows.
        ShowWindow(window_, SW_HIDE);
        Guarded([&] { switch_.AppMinimize(); });
        return 0;
      }
      break;
    case WM_CLOSE:
      Guarded([&] {
        if (!switch_.FormCloseQuery(true)) return;
        FormClose();
        DestroyWindow(window_);
      });
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;  // a shutdown or logoff is granted at once
    case WM_ENDSESSION:
      if (wParam) EndSession();
      return 0;
    case WM_EXITREQUEST:
      N2Click();
      return 0;
    case WM_SHOWERROR:
      ShowNextError();
      return 0;
    case WM_ACTIVATE:
      if (mainWindow_) mainWindow_->FormActivated(LOWORD(wParam) != WA_INACTIVE);
      return 0;
    case WM_TIMER:
      if (wParam == kWatchdogTimer && !sessionNotified_) RegisterSessionNotification();
      if (wParam == kWatchdogTimer && onOtherDesktop_) CheckInputDesktop();  // a switch missed
      if (wParam == kWatchdogTimer && watchdog_ && watchdog_->Check()) switch_.HookInstalled();
      if (wParam == kTipTimer) Timer1Timer();
      return 0;
    case WM_DESTROY:
      KillTimer(window_, kWatchdogTimer);
      StopSessionWatch();
      foreground_.StopWatching();
      if (dispatcher_) dispatcher_->programs().SetForeground(nullptr);
      FormClose();
      if (hook_) hook_->RemoveKeyHook();  // releases every key the program still holds down
      settingsWatch_.reset();
      if (tray_) tray_->RemoveTrayIcon();
      // The actions end while their window still exists: a clipboard lent to a paste goes back
      // under its owner, and a device command on the worker is waited for.
      if (dispatcher_) {
        dispatcher_->SetActionRunner(nullptr);
        dispatcher_->SetScheduler(nullptr);  // the scheduler goes with the actions
      }
      if (settings_) settings_->SetScheduler(nullptr);  // a waiting write gets its last try
      channel_.SetScheduler(nullptr);  // what the hook announced last is written now
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

void TMainForm::OnCommand(UINT id) {
  Guarded([&] {
    switch (id) {
      case kCmdLoadSettingsFile:
        if (commands_) commands_->N6Click();
        return;
      case kCmdSaveSettingsFileAs:
        if (commands_) commands_->N5Click();
        return;
      case kCmdControlKeyboard:
        switch_.ControlKeyboard();
        return;
      case kCmdShow:
        ShowMainWindow();
        return;
      case kCmdToggle:
        switch_.Toggle();
        return;
      case kCmdExit:
        N2Click();
        return;
    }
    std::string caption = trayMenu_.RecentCaption(id);
    if (!caption.empty()) recent_.ItemClick(caption);
  });
}

void TMainForm::MakeParts() {
  // The engine's parts, the tray and the hotkeys exist before the creation steps run, so a
  // step that fails leaves none of them missing.
  settingsPath_ = SettingsPathFor(ExecutablePath());
  settings_ = std::make_unique<SettingsFile>(files_, settingsPath_, &ansi_);
  dispatcher_ = std::make_unique<Dispatcher>(*settings_, channel_, input_);
  hook_ = std::make_unique<KeyHook>(input_, channel_, *settings_, windows_, *this);
  hook_->SetClient(dispatcher_.get());
  watchdog_ = std::make_unique<HookWatchdog>(*hook_, input_);
  SetTimer(window_, kWatchdogTimer, HookWatchdog::kIntervalMs, nullptr);
  StartSessionWatch();
  hotKeySystem_.SetWindow(window_);
  shell_.SetWindow(window_);
  fields_.showMessage = [this](const std::string& text) { ShowMessage(text); };
  fields_.askYesNo = [this](const std::string& text) {
    return MessageBoxA(window_, text.c_str(), kApplicationTitle, MB_YESNO | MB_ICONQUESTION) ==
           IDYES;
  };
  page_ = std::make_unique<SettingsPage>(fields_, hotKeys_, registry_, ExecutablePath(),
                                         [this] { return RemoveMachineAutoRunElevated(window_); });
  tray_ = std::make_unique<win32::Win32Tray>(instance_, static_cast<platform::TraySink&>(*this));
  tray_->SetIcons(icon_, suspendedIcon_);
  commands_ = std::make_unique<SettingsFileCommands>(files_, settingsPath_, recent_,
                                                     static_cast<SettingsFileView&>(*this));
  CreateMainWindow();
}

void TMainForm::CreateMainWindow() {
  win32::MainWindowServices services{
      *settings_,       scancodes_, input_, openPrograms_, [this] { channel_.DeleteTempCodeKey(); },
      kApplicationTitle};
  mainWindow_ = std::make_unique<win32::MainWindow>(window_, std::move(services));
  mainWindow_->SetEvents(this);
  fields_.SetControls(&mainWindow_->controls());
}

void TMainForm::Centre() {
  RECT r;
  GetWindowRect(window_, &r);
  int w = r.right - r.left, h = r.bottom - r.top;
  SetWindowPos(window_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - w) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - h) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TMainForm::ShowCentered() {
  Centre();
  ShowWindow(window_, SW_SHOWNORMAL);
  UpdateWindow(window_);
}

void TMainForm::HiddenStart() {
  Centre();  // where the window shows when it is first asked for
  if (minimizeHandler_) Guarded([&] { switch_.AppMinimize(); });
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
