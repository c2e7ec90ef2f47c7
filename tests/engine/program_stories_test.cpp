// Mappings for one program: which mapping a key gets in the program that has the focus, as the
// focus moves, with or without the event that tells it.
#include <gtest/gtest.h>

#include "settings/mapping_store.h"
#include "tests/engine/stories_fixture.h"

namespace zv::testing_engine {
namespace {

class ProgramStories : public StoriesTest {
 protected:
  ProgramStories() {
    rig.Map("A", "B");
    rig.Map("S", "D");
    rig.Map("A", "C", " ", "notepad.exe");
    rig.Map("F", "G", " ", "Notepad.exe");  // only notepad maps F
    rig.Map("S", kUnchangedTarget, " ", "notepad.exe");
    rig.Map("A", "E", " ", "game.exe");
    SetProgramOff(rig.settings, "GAME.EXE", true);
  }
};

TEST_F(ProgramStories, OwnMappingThenAllProgramsThenOffAndUnchanged) {
  const std::pair<const char*, const char*> cases[] = {
      // program, what "+A -A +S -S +F -F" gives there
      {"", "+B -B +D -D +F -F"},
      {"notepad.exe", "+C -C +S -S +G -G"},
      {"NOTEPAD.EXE", "+C -C +S -S +G -G"},
      {"game.exe", "+A -A +S -S +F -F"},  // off
      {"calc.exe", "+B -B +D -D +F -F"},
  };
  for (const auto& [program, received] : cases) {
    rig.foreground.Focus(program);
    EXPECT_EQ(rig.run("+A -A +S -S +F -F"), received) << program;
  }
}

TEST_F(ProgramStories, TheFocusIsFollowedAtTheNextMappedKeyEvenWithoutItsEvent) {
  rig.foreground.FocusSilently("notepad.exe");
  EXPECT_EQ(rig.run("+A"), "+C");
  int rechecks = rig.foreground.rechecks;
  EXPECT_EQ(rig.run("+X -X"), "+X -X");
  EXPECT_EQ(rig.foreground.rechecks, rechecks);  // no program maps X: no look at the focus
  rig.foreground.FocusSilently("game.exe");
  // A's release undoes what its press did in notepad, whatever the game maps.
  EXPECT_EQ(rig.run("-A +S -S"), "-C +S -S");
  rig.Map("Right Alt", "C");  // AltGr's made-up Left Ctrl goes on with Right Alt in the game
  EXPECT_EQ(rig.run("+AltGr +Q -Q -AltGr"), "+LCtrl +RAlt +Q -Q -LCtrl -RAlt");
  // An action's repeats run what its press ran, wherever the focus has gone since.
  rig.Map("V", "Volume Up", " ", "notepad.exe");
  rig.Map("V", "Volume Down");
  rig.foreground.FocusSilently("notepad.exe");
  rig.run("+V");
  rig.foreground.FocusSilently("calc.exe");
  rig.run("+V -V +V -V");
  EXPECT_EQ(rig.actions.runs.at(1).first, "repeat Volume Up");
  EXPECT_EQ(rig.actions.runs.at(2).first, "Volume Down");  // a fresh press: calc's mapping
  // A shortcut is no mapping in a program switched off, also when the focus moved there unseen.
  rig.Map("Left Ctrl+J", "K");
  rig.foreground.FocusSilently("game.exe");
  EXPECT_EQ(rig.run("+LCtrl +J -J -LCtrl"), "+LCtrl +J -J -LCtrl");
}

TEST_F(ProgramStories, HandWrittenSectionsApplyAtTheNextKey) {
  rig.foreground.Focus("mail.exe");
  rig.WriteFile(
      "[DisableKey]\r\nIndex=3\r\nKeyCode1=112\r\nKeyCode2=65\r\nKeyCode3=81\r\n"
      "[SwapKey  Mail.EXE]\r\nF1=H\r\n[SwapKey]\r\nA=B\r\nQ=Unchanged\r\n"
      "[Programs]\r\nnotepad.exe=off\r\n");
  EXPECT_EQ(rig.run("+F1 -F1 +A -A"), "+H -H +B -B");
  rig.foreground.Focus("notepad.exe");
  EXPECT_EQ(rig.run("+F1 -F1 +A -A"), "+F1 -F1 +A -A");  // F1 only mail's; notepad is off
  rig.foreground.Focus("calc.exe");
  EXPECT_EQ(rig.run("+F1 -F1 +A -A +Q -Q"), "+F1 -F1 +B -B +Q -Q");
}

// A name outside ASCII is stored by one run and found by the next, in any letter case that
// Windows folds when it compares file names.
TEST_F(ProgramStories, ANameOutsideAsciiMapsAfterARestartInAnyLetterCase) {
  rig.Map("A", "X", " ", "Rechner Ärger Ψ.exe");
  EngineRig restarted;
  restarted.WriteFile(rig.files.Get(EngineRig::kPath));
  restarted.hook.InstallKeyHook();
  for (const auto& [program, received] : {std::pair{"Rechner Ärger Ψ.exe", "+X -X"},
                                          {"rechner ärger ψ.EXE", "+X -X"},
                                          {"RECHNER ÄRGER Ψ.EXE", "+X -X"},
                                          {"Rechner Arger Ψ.exe", "+B -B"}}) {
    restarted.foreground.Focus(program);
    EXPECT_EQ(restarted.run("+A -A"), received) << program;
  }
}

TEST(ElevatedProgramNotice, SaidOncePerProgramWhileTheEngineMapsAndWeAreNotElevated) {
  // self elevated, engine on, balloons for admin.exe, notepad.exe, ADMIN.exe, other.exe
  for (auto [selfElevated, engineOn, expected] :
       {std::tuple{false, true, 2}, {true, true, 0}, {false, false, 0}}) {
    EngineRig rig;
    ProgramFocus focus(rig.dispatcher.programs(), rig.tray, rig.scheduler, selfElevated,
                       [on = engineOn] { return on; });
    rig.foreground.Watch(focus);
    int balloons = 0;
    for (const char* exe : {"admin.exe", "notepad.exe", "ADMIN.exe", "other.exe"}) {
      rig.tray.balloonText.clear();
      rig.foreground.Focus(exe, exe[0] != 'n');
      rig.scheduler.RunPending();
      balloons += rig.tray.balloonText == ElevatedProgramNotice(exe);
    }
    EXPECT_EQ(balloons, expected) << selfElevated << engineOn;
  }
}

}  // namespace
}  // namespace zv::testing_engine
