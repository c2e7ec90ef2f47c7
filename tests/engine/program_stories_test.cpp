// Mappings for one program: which mapping a key gets in the program that has the focus, as the
// focus moves, with or without the event that tells it.
#include <gtest/gtest.h>

#include "settings/mapping_store.h"
#include "tests/engine/engine_rig.h"

namespace zv::testing_engine {
namespace {

class ProgramStories : public ::testing::Test {
 protected:
  ProgramStories() {
    rig.hook.InstallKeyHook();
    rig.Map("A", "B");
    rig.Map("A", "C", " ", "notepad.exe");
    rig.Map("F", "G", " ", "Notepad.exe");  // only notepad maps F
    rig.Map("S", "D");
    rig.Map("S", kUnchangedTarget, " ", "notepad.exe");
    rig.Map("A", "E", " ", "game.exe");
    SetProgramOff(rig.settings, "GAME.EXE", true);
  }
  void TearDown() override {
    EXPECT_EQ(rig.TempCode(), 0);
    EXPECT_FALSE(rig.input.anyKeyDown());
    EXPECT_TRUE(rig.errors.texts.empty());
  }
  EngineRig rig;
};

TEST_F(ProgramStories, OwnMappingThenAllProgramsThenOffAndUnchanged) {
  struct Case {
    const char* program;
    const char* received;  // for "+A -A +S -S +F -F"
  };
  const Case cases[] = {
      {"", "+B -B +D -D +F -F"},
      {"notepad.exe", "+C -C +S -S +G -G"},
      {"NOTEPAD.EXE", "+C -C +S -S +G -G"},
      {"game.exe", "+A -A +S -S +F -F"},  // off: its own A=E too
      {"calc.exe", "+B -B +D -D +F -F"},
  };
  for (const Case& c : cases) {
    rig.foreground.Focus(c.program);
    EXPECT_EQ(rig.run("+A -A +S -S +F -F"), c.received) << c.program;
  }
}

TEST_F(ProgramStories, AFocusChangeWithoutItsEventIsFollowedAtTheNextMappedKey) {
  rig.foreground.FocusSilently("notepad.exe");
  EXPECT_EQ(rig.run("+A -A"), "+C -C");
  int rechecks = rig.foreground.rechecks;
  EXPECT_EQ(rig.run("+X -X +Q -Q"), "+X -X +Q -Q");
  EXPECT_EQ(rig.foreground.rechecks, rechecks);  // no program maps them: no look at the focus
  rig.foreground.FocusSilently("game.exe");
  EXPECT_EQ(rig.run("+S -S +F -F"), "+S -S +F -F");
}

TEST_F(ProgramStories, AKeyHeldAcrossAFocusChangeReleasesWhatItPressed) {
  rig.foreground.Focus("notepad.exe");
  EXPECT_EQ(rig.run("+A"), "+C");
  rig.foreground.Focus("game.exe");
  // The game passes A, so its up goes on too (an up nobody needed is harmless), and the C
  // pressed for notepad comes up.
  EXPECT_EQ(rig.run("-A"), "-A -C");
  EXPECT_EQ(rig.run("+A -A"), "+A -A");
}

TEST_F(ProgramStories, HandWrittenSectionsApplyAtTheNextKey) {
  rig.foreground.Focus("mail.exe");
  rig.WriteFile(
      "[DisableKey]\r\nIndex=2\r\nKeyCode1=112\r\nKeyCode2=65\r\n[SwapKey Mail.EXE]\r\nF1=H\r\n"
      "[SwapKey]\r\nA=B\r\n[Programs]\r\nnotepad.exe=off\r\n");
  EXPECT_EQ(rig.run("+F1 -F1 +A -A"), "+H -H +B -B");
  rig.foreground.Focus("notepad.exe");
  EXPECT_EQ(rig.run("+F1 -F1 +A -A"), "+F1 -F1 +A -A");  // F1 only mail's; notepad is off
  rig.foreground.Focus("calc.exe");
  EXPECT_EQ(rig.run("+F1 -F1 +A -A"), "+F1 -F1 +B -B");
}

TEST(ElevatedProgramNotice, SaidOncePerProgramWhileTheEngineMapsAndWeAreNotElevated) {
  struct Case {
    bool selfElevated, engineOn;
    int balloons;  // after admin.exe, notepad.exe, ADMIN.exe, other.exe (both elevated)
  };
  for (const Case& c : {Case{false, true, 2}, Case{true, true, 0}, Case{false, false, 0}}) {
    EngineRig rig;
    ProgramFocus focus(rig.dispatcher.programs(), rig.tray, rig.scheduler, c.selfElevated,
                       [&] { return c.engineOn; });
    rig.foreground.Watch(focus);
    int balloons = 0;
    for (auto [exe, elevated] : {std::pair{"admin.exe", true},
                                 {"notepad.exe", false},
                                 {"ADMIN.exe", true},
                                 {"other.exe", true}}) {
      rig.tray.balloonText.clear();
      rig.foreground.Focus(exe, elevated);
      rig.scheduler.RunPending();
      if (rig.tray.balloonText.empty()) continue;
      ++balloons;
      EXPECT_EQ(rig.tray.balloonText, ElevatedProgramNotice(exe));
    }
    EXPECT_EQ(balloons, c.balloons) << c.selfElevated << c.engineOn;
    EXPECT_EQ(rig.dispatcher.programs().program(), "other.exe");
  }
}

}  // namespace
}  // namespace zv::testing_engine
