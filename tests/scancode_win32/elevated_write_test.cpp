// zorvane.exe -WriteScancodeMap started as the editor starts it (verb "runas"), while this
// thread keeps taking messages; its refusals are message boxes, answered here from a timer.
#include <windows.h>
// After windows.h.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "app/elevated_run.h"
#include "tests/scancode_win32/stored_map.h"

namespace zv::testing_win32 {
namespace {

// What the timer saw while the writer ran.
struct Watch {
  HWND owner = nullptr;
  int ticks = 0;
  bool ownerEnabled = false;
  std::vector<std::string> boxTexts;  // the static texts of the writer's message boxes
  std::set<HWND> answered;            // read once: a box may still show at the next tick
} watch;

BOOL CALLBACK CollectStatic(HWND child, LPARAM) {
  char name[32] = {}, text[512] = {};
  GetClassNameA(child, name, sizeof name);
  if (lstrcmpiA(name, "Static") == 0 && GetWindowTextA(child, text, sizeof text) > 0)
    watch.boxTexts.push_back(text);
  return TRUE;
}

BOOL CALLBACK AnswerBox(HWND window, LPARAM) {
  char name[32] = {}, title[64] = {};
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  GetClassNameA(window, name, sizeof name);
  GetWindowTextA(window, title, sizeof title);
  if (process != GetCurrentProcessId() && lstrcmpA(name, "#32770") == 0 &&
      lstrcmpA(title, "Zorvane") == 0 && IsWindowVisible(window)) {
    if (watch.answered.insert(window).second) EnumChildWindows(window, CollectStatic, 0);
    PostMessageA(window, WM_COMMAND, IDOK, 0);
  }
  return TRUE;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
  ++watch.ticks;
  watch.ownerEnabled = IsWindowEnabled(watch.owner) != FALSE;
  EnumWindows(AnswerBox, 0);
}

class ElevatedWriter : public StoredMap {
 protected:
  void SetUp() override {
    StoredMap::SetUp();
    const char* exe = std::getenv("ZV_EXE");
    ASSERT_NE(exe, nullptr) << "ZV_EXE names zorvane.exe";
    program_ = std::string("Z:") + exe;  // the Unix path on Wine's drive of the root folder
    for (char& c : program_) c = c == '/' ? '\\' : c;
    watch = Watch{};
    watch.owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr);
    // Ticks far shorter than a Wine process start, so the wait always meets some.
    timer_ = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, Tick);
  }
  void TearDown() override {
    KillTimer(nullptr, timer_);
    DestroyWindow(watch.owner);
    StoredMap::TearDown();
  }
  bool Run(const std::string& parameters) {
    return RunElevatedAndWait(watch.owner, program_, parameters) == ElevatedResult::kDone;
  }

  std::string program_;
  UINT_PTR timer_ = 0;
};

TEST_F(ElevatedWriter, WritesTheValueWhileTheCallerKeepsTakingMessages) {
  const std::string hex = "0000000000000000020000001D003A0000000000";
  EXPECT_TRUE(Run("-WriteScancodeMap " + hex));
  DWORD type = 0;
  EXPECT_EQ(Stored(&type), (std::vector<std::uint8_t>{0, 0, 0,    0, 0,    0, 0, 0, 2, 0,
                                                      0, 0, 0x1D, 0, 0x3A, 0, 0, 0, 0, 0}));
  EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
  EXPECT_GT(watch.ticks, 0);         // the wait took messages
  EXPECT_FALSE(watch.ownerEnabled);  // while the owner answered no commands
  EXPECT_TRUE(IsWindowEnabled(watch.owner));
  EXPECT_TRUE(watch.boxTexts.empty());
  // Reset All's deletion, by its own word.
  EXPECT_TRUE(Run("-WriteScancodeMap Remove"));
  EXPECT_TRUE(Stored(&type).empty());
  EXPECT_TRUE(Run("-WriteScancodeMap Remove"));  // nothing left to delete is no failure
}

// -RemoveAutoRun deletes the machine-wide Run value named after the program, and only when
// nothing follows the switch.
TEST_F(ElevatedWriter, RemovesTheMachineWideAutoRunValue) {
  const char* const run = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
  const char command[] = "\"C:\\zorvane.exe\" -Hide";
  ASSERT_EQ(
      RegSetKeyValueA(HKEY_LOCAL_MACHINE, run, "zorvane.exe", REG_SZ, command, sizeof command),
      ERROR_SUCCESS);
  auto stored = [&] {
    return RegGetValueA(HKEY_LOCAL_MACHINE, run, "zorvane.exe", RRF_RT_REG_SZ, nullptr, nullptr,
                        nullptr) == ERROR_SUCCESS;
  };
  EXPECT_FALSE(Run("-RemoveAutoRun zorvane.exe"));
  EXPECT_EQ(watch.boxTexts.size(), 1u);
  EXPECT_TRUE(stored());
  EXPECT_TRUE(Run("-RemoveAutoRun"));
  EXPECT_FALSE(stored());
}

TEST_F(ElevatedWriter, RefusesAnythingButOneWellFormedValueAndWritesNothing) {
  std::string tooLong = "000000000000000000010000";  // 255 entries
  for (int i = 0; i < 255; ++i) tooLong += "1E003000";
  tooLong += "00000000";
  const std::string good = "0000000000000000020000001D003A0000000000";
  const std::vector<std::string> refused = {
      "-WriteScancodeMap",                                           // no value
      "-WriteScancodeMap " + good.substr(1),                         // odd length
      "-WriteScancodeMap 0000000000000000020000001d003a0000000000",  // lower case
      "-WriteScancodeMap 0000000000000000030000001D003A0000000000",  // wrong count
      "-WriteScancodeMap " + tooLong,
      "-WriteScancodeMap " + good + " " + good,  // two values
      "-WriteScancodeMap remove",                // only the exact word deletes
  };
  for (const std::string& parameters : refused) {
    watch.boxTexts.clear();
    EXPECT_FALSE(Run(parameters)) << parameters.substr(0, 60);
    ASSERT_EQ(watch.boxTexts.size(), 1u) << parameters.substr(0, 60);
    EXPECT_EQ(watch.boxTexts[0].rfind("Windows' key map was not changed", 0), 0u)
        << watch.boxTexts[0];
    DWORD type = 0;
    EXPECT_TRUE(Stored(&type).empty());
  }
}

}  // namespace
}  // namespace zv::testing_win32
