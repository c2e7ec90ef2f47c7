// The real power, CD tray, mouse and message calls under Wine. Logging off, shutting down and
// suspending are not called here: they would end the session that runs the tests.
#include "platform/win32/win32_devices.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/actions_win32/win32_loop.h"

namespace zv::win32 {
namespace {

// Whether the process token has SeShutdownPrivilege enabled right now.
bool ShutdownPrivilegeEnabled() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
  LUID shutdown;
  LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &shutdown);
  DWORD size = 0;
  GetTokenInformation(token, TokenPrivileges, nullptr, 0, &size);
  std::vector<char> buffer(size);
  bool enabled = false;
  auto* list = reinterpret_cast<TOKEN_PRIVILEGES*>(buffer.data());
  if (GetTokenInformation(token, TokenPrivileges, list, size, &size)) {
    for (DWORD i = 0; i < list->PrivilegeCount; ++i) {
      const LUID_AND_ATTRIBUTES& p = list->Privileges[i];
      if (p.Luid.LowPart == shutdown.LowPart && p.Luid.HighPart == shutdown.HighPart)
        enabled = (p.Attributes & SE_PRIVILEGE_ENABLED) != 0;
    }
  }
  CloseHandle(token);
  return enabled;
}

void DisableShutdownPrivilege() {
  HANDLE token = nullptr;
  OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &token);
  TOKEN_PRIVILEGES off = {};
  off.PrivilegeCount = 1;
  LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &off.Privileges[0].Luid);
  AdjustTokenPrivileges(token, FALSE, &off, 0, nullptr, nullptr);
  CloseHandle(token);
}

TEST(Win32Power, EnablesTheShutdownPrivilege) {
  DisableShutdownPrivilege();
  ASSERT_FALSE(ShutdownPrivilegeEnabled());
  Win32Power power;
  EXPECT_TRUE(power.EnableShutdownPrivilege());
  EXPECT_TRUE(ShutdownPrivilegeEnabled());
}

TEST(Win32Media, AnswersWithTheMciResult) {
  Win32Media media;
  EXPECT_EQ(media.SendCommand("close all"), 0u);
  EXPECT_NE(media.SendCommand("no such command"), 0u);
  // This machine has no CD drive: the door command fails at once instead of waiting.
  EXPECT_NE(media.SendCommand("Set cdaudio door open wait"), 0u);
}

TEST(Win32Mouse, ClicksWhereTheCursorIs) {
  testing_win32::HiddenWindow target(true, 100, 100, 200, 200);
  testing_win32::PumpFor(200);
  ASSERT_TRUE(SetCursorPos(200, 200));
  Win32Mouse mouse;
  mouse.MouseEvent(platform::kLeftDown);
  mouse.MouseEvent(platform::kLeftUp);
  mouse.MouseEvent(platform::kRightDown);
  mouse.MouseEvent(platform::kRightUp);
  EXPECT_TRUE(testing_win32::PumpUntil([&] { return target.received().size() >= 4; }, 5000));
  EXPECT_EQ(target.received(), (std::vector<std::string>{"LD", "LU", "RD", "RU"}));
}

TEST(Win32SystemMessages, PostQueuesAndSendAnswers) {
  testing_win32::HiddenWindow target;
  Win32SystemMessages messages;
  EXPECT_EQ(messages.DesktopWindow(), HandleOf(GetDesktopWindow()));
  EXPECT_TRUE(messages.Post(HandleOf(target.handle()), WM_APP + 5, 7, 1));
  EXPECT_TRUE(target.received().empty());  // posted: not yet handled
  EXPECT_EQ(messages.Send(HandleOf(target.handle()), WM_APP + 6, 8, 2),
            testing_win32::HiddenWindow::kSendAnswer);
  EXPECT_TRUE(testing_win32::PumpUntil([&] { return target.received().size() == 2; }));
  EXPECT_EQ(target.received(), (std::vector<std::string>{"M32774:8:2", "M32773:7:1"}));
}

}  // namespace
}  // namespace zv::win32
