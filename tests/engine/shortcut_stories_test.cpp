// Shortcuts as sources: a key with exactly the modifiers a mapping names, as the focused
// program would see them after the program's own mappings.
#include <gtest/gtest.h>

#include "tests/engine/stories_fixture.h"

namespace zv::testing_engine {
namespace {

class ShortcutStories : public StoriesTest {
 protected:
  ShortcutStories() {
    rig.Map("Caps Lock", "Left Ctrl");
    rig.Map("Ctrl+H", "BackSpace");
    rig.Map("Ctrl+G", "Enter");
    rig.Map("Right Alt+D", "Delete");
    rig.Map("Left Ctrl+J", "K");
    rig.Map("Win+E", "KeyCombination", "16453");   // Ctrl+E: 0x4000 + 'E'
    rig.Map("Ctrl+Q", "KeyCombination", "65605");  // Win+E: 0x10000 + 'E'
    rig.Map("Ctrl+T", "TypeText", "hello");
    rig.Map("Alt+F4", "DisableKey");
    rig.Map("Ctrl+H", "Unchanged", " ", "notepad.exe");
    rig.Map("Ctrl+M", "Enter", " ", "notepad.exe");
    rig.settings.WriteString("SwapShortcut", "Ctrl+Nope", "B");  // cannot be read: left alone
  }
};

TEST_F(ShortcutStories, WhatTheFocusedProgramSees) {
  const struct {
    const char* program;
    const char* typed;
    const char* received;
  } cases[] = {
      // Exact match; the user's Ctrl comes back, so Ctrl+A after it selects all.
      {"", "+LCtrl +H -H +A -A -LCtrl", "+LCtrl -LCtrl +Bksp -Bksp +LCtrl +A -A -LCtrl"},
      {"", "+LCtrl +H +A -H -A -LCtrl", "+LCtrl -LCtrl +Bksp +LCtrl +A -Bksp -A -LCtrl"},  // rolled
      // Rolled into another Ctrl shortcut: Ctrl stays up between the two, no lone Ctrl tap.
      {"", "+LCtrl +H +G -H -G -LCtrl", "+LCtrl -LCtrl +Bksp +Enter -Bksp -Enter +LCtrl -LCtrl"},
      {"", "+LCtrl +H +G -G -H -LCtrl", "+LCtrl -LCtrl +Bksp +Enter -Enter -Bksp +LCtrl -LCtrl"},
      {"", "+LCtrl +H +G -LCtrl -H -G", "+LCtrl -LCtrl +Bksp +Enter -LCtrl -Bksp -Enter"},
      {"", "+Caps +H +G -G -H -Caps", "+LCtrl -LCtrl +Bksp +Enter -Enter -Bksp +LCtrl -LCtrl"},
      {"", "+LCtrl +H +Q -H -Q -LCtrl",
       "+LCtrl -LCtrl +Bksp +LWin +E -Bksp -E -LWin +LCtrl -LCtrl"},
      // AltGr's made-up Left Ctrl goes up with Right Alt, so the program gets Delete alone.
      {"", "+AltGr +D -D +D -D -AltGr",
       "+LCtrl +RAlt +Mask -Mask -LCtrl -RAlt +Del -Del +LCtrl +RAlt +Mask -Mask +Mask -Mask "
       "-LCtrl -RAlt +Del -Del +LCtrl +RAlt +Mask -Mask -LCtrl -RAlt"},
      {"", "+AltGr +D +Q -D -Q -AltGr",  // rolled into AltGr+Q ("@" in German): both back
       "+LCtrl +RAlt +Mask -Mask -LCtrl -RAlt +Del +LCtrl +RAlt +Mask -Mask +Q -Del -Q "
       "-LCtrl -RAlt"},
      {"", "+Caps +AltGr -Caps +D -AltGr -D",  // AltGr's Ctrl alone is no Ctrl: Delete
       "+LCtrl +LCtrl +RAlt +Mask -Mask -LCtrl -RAlt +Del -LCtrl -RAlt -Del"},
      {"", "+LCtrl +LShift +H -H -LShift -LCtrl", "+LCtrl +LShift +H -H -LShift -LCtrl"},
      {"", "+RCtrl +H -H -RCtrl", "+RCtrl -RCtrl +Bksp -Bksp +RCtrl -RCtrl"},  // either side
      {"", "+RCtrl +J -J -RCtrl", "+RCtrl +J -J -RCtrl"},                      // left only
      {"", "+LCtrl +J -J -LCtrl", "+LCtrl -LCtrl +K -K +LCtrl -LCtrl"},
      // Caps Lock is Left Ctrl for the programs, so Caps Lock+H is Ctrl+H.
      {"", "+Caps +H -H -Caps", "+LCtrl -LCtrl +Bksp -Bksp +LCtrl -LCtrl"},
      {"", "+Caps +LCtrl -LCtrl +A -A -Caps", "+LCtrl +LCtrl +A -A -LCtrl"},  // Caps still holds
      // The key repeats with the held key and goes up with it.
      {"", "+LCtrl +H +H +H -H -LCtrl", "+LCtrl -LCtrl +Bksp +Bksp +Bksp -Bksp +LCtrl -LCtrl"},
      // Win is masked before it goes up, here and when it comes back.
      {"", "+LWin +E -E -LWin",
       "+LWin +Mask -Mask -LWin +LCtrl +E -E -LCtrl +LWin +Mask -Mask -LWin"},
      {"", "+LCtrl +Q -Q -LCtrl", "+LCtrl -LCtrl +LWin +E -E -LWin +LCtrl -LCtrl"},
      {"", "+LAlt +F4 -F4 -LAlt", "+LAlt +Mask -Mask -LAlt"},
      // The program's own section first; "Unchanged" types the shortcut as it is.
      {"notepad.exe", "+LCtrl +H -H +M -M -LCtrl",
       "+LCtrl +H -H -LCtrl +Enter -Enter +LCtrl -LCtrl"},
      {"calc.exe", "+LCtrl +M -M -LCtrl", "+LCtrl +M -M -LCtrl"},
      {"", "+H -H +B -B", "+H -H +B -B"},
  };
  for (const auto& c : cases) {
    rig.foreground.Focus(c.program);
    EXPECT_EQ(rig.run(c.typed), c.received) << c.typed;
  }
  EXPECT_TRUE(rig.actions.runs.empty());
}

TEST_F(ShortcutStories, AnActionRunsOncePerPressWithTheModifiersLifted) {
  EXPECT_EQ(rig.run("+LCtrl +T +T"), "+LCtrl -LCtrl");
  ASSERT_EQ(rig.actions.runs.size(), 1u);
  EXPECT_EQ(rig.actions.runs[0], std::make_pair(std::string("TypeText"), std::string("hello")));
  EXPECT_EQ(rig.run("-T -LCtrl"), "+LCtrl -LCtrl");
  EXPECT_EQ(rig.run("+LCtrl +H +T -T -H -LCtrl"), "+LCtrl -LCtrl +Bksp -Bksp +LCtrl -LCtrl");
  EXPECT_EQ(rig.actions.runs.size(), 2u);  // the second one rolled from Ctrl+H
  // Locked while a shortcut is held: its target goes up, the user's Ctrl comes back.
  rig.run("+LCtrl +H");
  std::size_t from = rig.input.injected.size();
  rig.hook.LockKeyboard();
  rig.hook.UnlockKeyboard();
  EXPECT_EQ(rig.injectedSince(from), "-Bksp +LCtrl");
  EXPECT_EQ(rig.run("-H +A -A -LCtrl"), "+A -A -LCtrl");
  // A key sequence's Ctrl (the generic one) outlasts Caps Lock as Ctrl or the user's own Ctrl
  // let go before it, and goes up with the sequence.
  for (const std::string key : {"Caps", "LCtrl"}) {
    rig.run("+" + key);
    rig.dispatcher.SimulateKey(17, true);
    rig.run("-" + key);
    EXPECT_TRUE(rig.input.AsyncKeyState(0xA2)) << key;
    rig.dispatcher.SimulateKey(17, false);
    EXPECT_FALSE(rig.input.AsyncKeyState(0xA2)) << key;
  }
}

}  // namespace
}  // namespace zv::testing_engine
