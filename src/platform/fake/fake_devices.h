#pragma once
// Power, CD tray, mouse and window messages that only write down what they were asked, into a
// shared journal: "privilege", "exit:8", "suspend:hibernate", "mci:Set cdaudio door open wait",
// "mouse:2", "post:7:274:61808:1", "send:1:274:61760:0", "start:notepad.exe|a.txt". A call made from background work of
// the given scheduler is marked with "bg:" in front.
#include <string>

#include "platform/fake/fake_scheduler.h"
#include "platform/fake/journal.h"
#include "platform/media.h"
#include "platform/mouse.h"
#include "platform/power.h"
#include "platform/program_starter.h"
#include "platform/system_messages.h"

namespace zv::fake {

class JournalWriter {
 protected:
  JournalWriter(Journal& journal, const FakeScheduler* scheduler)
      : journal_(journal), scheduler_(scheduler) {}
  void Write(const std::string& entry) {
    bool background = scheduler_ && scheduler_->InBackground();
    journal_.Add((background ? "bg:" : "") + entry);
  }

 private:
  Journal& journal_;
  const FakeScheduler* scheduler_;
};

class FakePower : public platform::Power, JournalWriter {
 public:
  explicit FakePower(Journal& j, const FakeScheduler* s = nullptr) : JournalWriter(j, s) {}
  bool EnableShutdownPrivilege() override {
    Write("privilege");
    return true;
  }
  void ExitSession(unsigned flags) override { Write("exit:" + std::to_string(flags)); }
  void SetSuspendState(bool hibernate) override {
    Write(hibernate ? "suspend:hibernate" : "suspend:sleep");
  }
};

class FakeMedia : public platform::Media, JournalWriter {
 public:
  explicit FakeMedia(Journal& j, const FakeScheduler* s = nullptr) : JournalWriter(j, s) {}
  unsigned SendCommand(const std::string& command) override {
    Write("mci:" + command);
    return result;
  }
  unsigned result = 0;  // what every command answers; a machine without a drive gives an error
};

class FakeMouse : public platform::Mouse, JournalWriter {
 public:
  explicit FakeMouse(Journal& j, const FakeScheduler* s = nullptr) : JournalWriter(j, s) {}
  void MouseEvent(unsigned flags) override { Write("mouse:" + std::to_string(flags)); }
};

class FakeSystemMessages : public platform::SystemMessages, JournalWriter {
 public:
  explicit FakeSystemMessages(Journal& j, const FakeScheduler* s = nullptr) : JournalWriter(j, s) {}
  static constexpr platform::WindowHandle kDesktop = 1;
  platform::WindowHandle DesktopWindow() override { return kDesktop; }
  bool Post(platform::WindowHandle w, unsigned m, std::uintptr_t wp, std::intptr_t lp) override {
    Write("post:" + Describe(w, m, wp, lp));
    return true;
  }
  std::intptr_t Send(platform::WindowHandle w, unsigned m, std::uintptr_t wp,
                     std::intptr_t lp) override {
    Write("send:" + Describe(w, m, wp, lp));
    return 0;
  }

 private:
  static std::string Describe(platform::WindowHandle w, unsigned m, std::uintptr_t wp,
                              std::intptr_t lp) {
    return std::to_string(w) + ":" + std::to_string(m) + ":" + std::to_string(wp) + ":" +
           std::to_string(lp);
  }
};

// Starts nothing; answers failure (empty: it started) for every start.
class FakeProgramStarter : public platform::ProgramStarter, JournalWriter {
 public:
  explicit FakeProgramStarter(Journal& j, const FakeScheduler* s = nullptr) : JournalWriter(j, s) {}
  std::string Start(const std::string& file, const std::string& arguments) override {
    Write("start:" + file + "|" + arguments);
    return failure;
  }
  std::string failure;
};

}  // namespace zv::fake
