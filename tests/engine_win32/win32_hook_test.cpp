// The engine on the real Win32 hook, registry and window messages. Key events are injected
// without the program's marker, standing in for the physical keyboard; a second low-level hook,
// installed before the engine's and so called after it, records what the engine lets through
// to the rest of the system.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "engine/dispatcher.h"
#include "engine/key_hook.h"
#include "engine/registry_channel.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_folder_watcher.h"
#include "platform/win32/win32_input.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_scheduler.h"
#include "platform/win32/win32_window_messages.h"
#include "settings/settings_file.h"
#include "settings/settings_watch.h"
#include "tests/win32/temp_folder.h"

namespace zv {
namespace {

std::vector<std::string> g_seen;  // what passed the engine's hook, as "+A" / "-B"
HHOOK g_observer = nullptr;

LRESULT CALLBACK Observer(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const auto* k = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    bool up = wParam == WM_KEYUP || wParam == WM_SYSKEYUP;
    g_seen.push_back((up ? "-" : "+") + std::string(1, static_cast<char>(k->vkCode)));
  }
  return CallNextHookEx(g_observer, code, wParam, lParam);
}

struct Errors : ErrorReporter {
  std::vector<std::string> texts;
  void PostError(const std::string& text) noexcept override { texts.push_back(text); }
};

class Win32HookTest : public ::testing::Test {
 protected:
  static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<Win32HookTest*>(GetWindowLongPtrA(w, GWLP_USERDATA));
    if (self && DispatchHookMessage(self->dispatcher, self->errors, m, wp)) return 0;
    return DefWindowProcA(w, m, wp, lp);
  }

  void SetUp() override {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "ZvHookTest";
    RegisterClassA(&wc);
    window = CreateWindowA("ZvHookTest", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                           wc.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    channel.PublishWindowHandle(static_cast<std::uint32_t>(reinterpret_cast<UINT_PTR>(window)));
    g_seen.clear();
    g_observer = SetWindowsHookExA(WH_KEYBOARD_LL, Observer, GetModuleHandleA(nullptr), 0);
    ASSERT_NE(g_observer, nullptr);
    hook.SetClient(&dispatcher);
    channel.SetScheduler(&scheduler);  // as the program runs: "TempCode" written after the hook
    dispatcher.SetScheduler(&scheduler);
    ASSERT_TRUE(hook.InstallKeyHook());
    ASSERT_TRUE(watch.Start());
  }
  void TearDown() override {
    hook.RemoveKeyHook();
    channel.SetScheduler(nullptr);
    dispatcher.SetScheduler(nullptr);
    UnhookWindowsHookEx(g_observer);
    DestroyWindow(window);
  }

  // Types keys ("A+ A-" style pairs given as vk and direction) and waits until the observer has
  // seen count events.
  std::string Type(const std::vector<std::pair<char, bool>>& keys, std::size_t count) {
    g_seen.clear();
    for (const auto& k : keys) {
      keybd_event(static_cast<BYTE>(k.first), 0, k.second ? 0 : KEYEVENTF_KEYUP, 0);
    }
    return Collect(count);
  }
  // Waits until the observer has seen count events since it was last cleared.
  std::string Collect(std::size_t count) {
    DWORD start = GetTickCount();
    while (g_seen.size() < count && GetTickCount() - start < 2000) {
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    Sleep(50);  // anything more would show as well
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    std::string out;
    for (const std::string& s : g_seen) out += (out.empty() ? "" : " ") + s;
    return out;
  }
  // Another program writes the file; the folder's change notification brings it into the
  // engine's snapshot through the message loop.
  void Write(const std::string& text) {
    std::uint64_t before = settings.SnapshotVersion();
    ASSERT_TRUE(files.Write(path, text));
    DWORD start = GetTickCount();
    while (settings.SnapshotVersion() == before && GetTickCount() - start < 2000) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
    ASSERT_NE(settings.SnapshotVersion(), before) << "the edit never reached the snapshot";
  }
  long TempCode() {
    HKEY key;
    HKEY root = channel.root() == platform::RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE
                                                                       : HKEY_CURRENT_USER;
    if (RegOpenKeyExA(root, kDisableKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return -999;
    DWORD value = 0, size = sizeof value;
    LONG rc = RegQueryValueExA(key, kTempCodeValue, nullptr, nullptr,
                               reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    return rc == ERROR_SUCCESS ? static_cast<long>(value) : -999;
  }

  testing_win32::TempFolder folder;
  std::string path = folder.Path("Keydat.qnp");
  win32::Win32Files files;
  win32::Win32Registry registry;
  win32::Win32Input input;
  win32::Win32WindowMessages windows;
  Errors errors;
  SettingsFile settings{files, path};
  RegistryChannel channel{registry};
  Dispatcher dispatcher{settings, channel, input};
  KeyHook hook{input, channel, settings, windows, errors};
  win32::Win32Scheduler scheduler;
  win32::Win32FolderWatcher watcher;
  SettingsWatch watch{settings, watcher, scheduler,
                      [this](const std::string& text) { errors.PostError(text); }};
  HWND window = nullptr;
};

TEST_F(Win32HookTest, MappedKeysAreReplacedAndSwapsDoNotLoop) {
  Write("[DisableKey]\r\nIndex=2\r\nKeyCode1=65\r\nKeyCode2=66\r\n[SwapKey]\r\nA=B\r\nB=A\r\n");
  EXPECT_EQ(Type({{'A', true}, {'A', false}}, 2), "+B -B");
  EXPECT_EQ(Type({{'B', true}, {'B', false}, {'C', true}, {'C', false}}, 4), "+A -A +C -C");
  EXPECT_EQ(TempCode(), 0);
  EXPECT_TRUE(errors.texts.empty());
  EXPECT_EQ(channel.root(), platform::RegistryRoot::LocalMachine);  // Wine lets us write there
}

TEST_F(Win32HookTest, EditsApplyAtTheNextKeyAndErrorsPassKeysOn) {
  Write("[DisableKey]\r\nIndex=1\r\nKeyCode1=65\r\n[SwapKey]\r\nA=B\r\n");
  EXPECT_EQ(Type({{'A', true}, {'A', false}}, 2), "+B -B");
  Write("[DisableKey]\r\nIndex=1\r\nKeyCode1=65\r\n[SwapKey]\r\nA=C\r\n");
  EXPECT_EQ(Type({{'A', true}}, 1), "+C");
  // Saved with a bad entry while A is held: C goes up at the next event, A's release stays
  // swallowed as its press was, and the next A goes on as typed.
  Write("[DisableKey]\r\nIndex=x\r\n[SwapKey]\r\nA=C\r\n");
  EXPECT_EQ(Type({{'A', false}, {'A', true}, {'A', false}}, 3), "-C +A -A");
  ASSERT_FALSE(errors.texts.empty());
  EXPECT_EQ(errors.texts[0], "'x' is not a valid integer value");
}

TEST_F(Win32HookTest, AltGrsLeftCtrlIsNoLeftCtrlWhoeverSendsIt) {
  Write("[DisableKey]\r\nIndex=1\r\nKeyCode1=162\r\n[SwapKey]\r\nLeft Ctrl=B\r\n");
  g_seen.clear();
  // An on-screen keyboard's AltGr: the made-up Left Ctrl (scan code 0x21D), injected.
  INPUT keys[2] = {{INPUT_KEYBOARD, {}}, {INPUT_KEYBOARD, {}}};
  keys[0].ki = keys[1].ki = KEYBDINPUT{VK_LCONTROL, 0x21D, 0, 0, 0};
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, keys, sizeof(INPUT));
  EXPECT_EQ(Collect(2), "+\xA2 -\xA2");
  const char ctrl = static_cast<char>(VK_LCONTROL);  // typed: a Left Ctrl of its own
  EXPECT_EQ(Type({{ctrl, true}, {ctrl, false}}, 2), "+B -B");
}

TEST_F(Win32HookTest, SuspendingReleasesTheTargetOfAHeldKeyOnce) {
  Write("[DisableKey]\r\nIndex=1\r\nKeyCode1=65\r\n[SwapKey]\r\nA=B\r\n");
  EXPECT_EQ(Type({{'A', true}}, 1), "+B");
  g_seen.clear();
  hook.RemoveKeyHook();  // Wine may run the hooks inside the SendInput call itself
  EXPECT_EQ(Collect(1), "-B");
  EXPECT_EQ(Type({{'A', false}}, 1), "-A");  // no hook: the key's own up, and no second -B
  EXPECT_TRUE(errors.texts.empty());
}

}  // namespace
}  // namespace zv
