// Keys with two roles and layers, with the times the keys were typed at: a tap gives one key, a
// hold another (or a layer), decided by the rule the mapping names, by a later event or by the
// timer, never by waiting in the hook.
#include <gtest/gtest.h>

#include "engine/hook_watchdog.h"
#include "settings/mapping_store.h"
#include "tests/engine/stories_fixture.h"

namespace zv::testing_engine {
namespace {

class TapHoldStories : public StoriesTest {
 protected:
  TapHoldStories() {
    const std::pair<const char*, const char*> twoRoles[] = {
        {"Caps Lock", "Esc|Left Ctrl|200|press"},
        {"F", "F|Left Shift|250|release"},
        {"Tab", "Tab|Left Alt|300|time"},
        {"SpaceBar", "SpaceBar|Layer Nav|250|release"},
        {"G", "G|Left Ctrl|5000|press"},  // G's cannot be read: G goes on as typed
        {"Right Shift", "nonsense"},      // goes on as typed, Shift for the shortcuts too
        {"X", "X|Layer Two|200|press"},
        {"Z", "Z|Layer Three|200|press"}};
    rig.Map("K", "B", " ", LayerScope("Two"));
    rig.Map("K", "C", " ", LayerScope("Three"));
    for (const auto& [key, roles] : twoRoles) rig.Map(key, "TapHold", roles);
    rig.Map("V", "Volume Down");
    rig.Map("J", "Left Arrow", " ", LayerScope("Nav"));
    rig.Map("K", "Volume Up", " ", LayerScope("Nav"));
    rig.Map("Tab", "Esc", " ", LayerScope("Nav"));
    rig.Map("Right Alt", "Enter", " ", LayerScope("Nav"));
    rig.Map("Ctrl+H", "BackSpace");
    rig.Map("Ctrl+F", "B");
    rig.Map("Shift+Y", "B");
    rig.Map("Alt+M", "Turn Off Monitor");
    rig.Map("Alt+N", "Activate Screensaver");
  }
};

TEST_F(TapHoldStories, WhatTheFocusedProgramSees) {
  std::vector<std::pair<std::string, std::string>> cases = {
      // A tap gives the tap's key at the release; its auto-repeat while undecided is dropped.
      {"+Caps@0 +Caps@50 +Caps@100 -Caps@150", "+Esc -Esc"},
      // "press": another key going down decides the hold, before that key.
      {"+Caps@0 +A@30 -A@60 -Caps@90", "+LCtrl +A -A -LCtrl"},
      // Held past the time: the hold at the time, its repeats, never the tap.
      {"+Caps@0 +Caps@300 +Caps@330 -Caps@2000", "+LCtrl +LCtrl +LCtrl -LCtrl"},
      // "release": a fast roll is a tap, then the next key, in typing order; a key pressed and
      // released inside is a hold.
      {"+F@0 +J@40 -F@70 -J@100", "+F -F +J -J"},
      {"+F@0 +J@40 -J@80 -F@120", "+LShift +J -J -LShift"},
      // "time": only the time decides; the keys held back come after the decision, in order.
      {"+Tab@0 +A@10 +B@20 -A@30 -Tab@50 -B@60", "+Tab -Tab +A +B -A -B"},
      {"+Tab@0 +A@10 -A@20 -Tab@400", "+LAlt +A -A -LAlt"},
      // Pressed again soon after a tap: the tap's key, repeating while held.
      {"+Tab@0 -Tab@50 +Tab@100 +Tab@130 -Tab@160", "+Tab -Tab +Tab +Tab -Tab"},
      // A hold that gives Ctrl counts as Ctrl for the shortcuts.
      {"+Caps@0 +H@30 -H@60 -Caps@90", "+LCtrl -LCtrl +Bksp -Bksp +LCtrl -LCtrl"},
      // A layer while its key is held; a key released after the layer key gives the release of
      // its press; keys the layer does not map fall through.
      {"+Space@0 +J@300 -J@330 +A@340 -A@350 -Space@400", "+Left -Left +A -A"},
      {"+Space@0 +J@300 -Space@350 -J@400", "+Left -Left"},
      {"+Space@0 -Space@100 +J@500 -J@520", "+Space -Space +J -J"},
      {"+G@0 -G@10", "+G -G"},
      // A mouse button decides the hold, and comes after it: Ctrl+click.
      {"+Caps@0 +Click@50 -Caps@100", "+LCtrl +Click -LCtrl"},
      {"+Caps@0 -Caps@50 +Click@100", "+Esc -Esc +Click"},
      // A key held back runs its action once the timer has decided; a layer's key runs the
      // layer's action.
      {"+Tab@0 +V@10 -V@20 -Tab@400", "+LAlt +Mask -Mask -LAlt"},
      {"+Space@0 +K@300 -K@310 -Space@320", ""},
      // An Alt held alone is masked, so that no menu bar opens.
      {"+Tab@0 -Tab@400", "+LAlt +Mask -Mask -LAlt"},
      // A re-press after another key typed is no quick re-press.
      {"+Caps@0 -Caps@50 +B@80 -B@100 +Caps@150 +C@170 -C@190 -Caps@220",
       "+Esc -Esc +B -B +LCtrl +C -C -LCtrl"},
      // The user's key replayed after a decision stays down while the user holds it.
      {"+Tab@0 +LCtrl@10 -Tab@50 +Caps@60 +C@70 -C@80 -Caps@90 +P@100 -P@110 -LCtrl@120",
       "+Tab -Tab +LCtrl +LCtrl +C -C +P -P -LCtrl"},
      {"+RShift@0 +Y@10 -Y@20 -RShift@30", "+RShift -RShift +B -B +RShift -RShift"},
      // A key with two roles typed while another is undecided is decided by its own rule.
      {"+Tab@0 +Caps@10 -Caps@20 -Tab@50", "+Tab -Tab +Esc -Esc"},
      {"+Tab@0 +Caps@10 +A@20 -Tab@30 -A@40 -Caps@50", "+Tab -Tab +LCtrl +A -A -LCtrl"},
      // A shortcut mapping and a held layer's mapping come before the key's two roles; a layer
      // switched on inside another gives way to it again when its key goes up.
      {"+LCtrl@0 +F@10 -F@20 -LCtrl@30", "+LCtrl -LCtrl +B -B +LCtrl -LCtrl"},
      {"+Space@0 +Tab@300 -Tab@310 -Space@320", "+Esc -Esc"},
      {"+Space@0 +AltGr@300 -AltGr@310 -Space@320", "+Enter -Enter"},  // no Ctrl from AltGr
      {"+Space@0 +X@300 +K@310 -K@320 -X@330 +J@340 -J@350 -Space@360", "+B -B +Left -Left"},
      {"+X@0 +Space@10 +Z@300 +K@310 -K@320 -Z@330 +J@340 -J@350 -Space@360 -X@370",
       "+C -C +Left -Left"},
      // Shortcuts held back each run their own action.
      {"+Tab@0 +M@10 -M@20 +N@30 -N@40 -Tab@400",
       "+LAlt +Mask -Mask -LAlt +LAlt +Mask -Mask +Mask -Mask -LAlt +LAlt +Mask -Mask -LAlt"},
      // AltGr's made-up Ctrl waits with its Right Alt: "f@" in German, no Ctrl+F (Find).
      {"+F@0 +AltGr@30 -F@40 +Q@50 -Q@60 -AltGr@70", "+F -F +LCtrl +RAlt +Q -Q -LCtrl -RAlt"},
      {"+Caps@0 +AltGr@30 +Q@40 -Q@50 -AltGr@60 -Caps@70",
       "+LCtrl +LCtrl +RAlt +Q -Q -RAlt -LCtrl"},  // Left Ctrl up with the last of them
      {"+Caps@0 +AltGr@30 -Caps@40 +Q@50 -Q@60 -AltGr@70",
       "+LCtrl +LCtrl +RAlt +Q -Q -LCtrl -RAlt"},
      {"+Tab@0 +AltGr@10 +Q@20 -Q@30 -AltGr@40 -Tab@50",
       "+Tab -Tab +LCtrl +RAlt +Q -Q -LCtrl -RAlt"},
      {"+F@0 +AltGr@10 -F@20 +M@30 -M@40 -AltGr@50",
       "+F -F +LCtrl +RAlt +Mask -Mask -LCtrl -RAlt +LCtrl +RAlt +Mask -Mask -LCtrl -RAlt"},
  };
  // At most 32 keys are held back: the 33rd decides.
  std::string typed = "+Tab@0", received = "+LAlt";
  for (char c : std::string("ABCDEHIKLOPQRSTUWY0123456789ABCDEH")) {  // none with two roles
    typed += std::string(" +") + c + "@1 -" + c + "@1";
    received += std::string(" +") + c + " -" + c;
  }
  cases.push_back({typed + " -Tab@2", received + " -LAlt"});
  for (const auto& [typed, received] : cases) {
    rig.input.now += 10000;
    EXPECT_EQ(rig.run(typed), received) << typed;
  }
  std::string ran;
  for (const auto& run : rig.actions.runs) ran += run.first + ";";
  EXPECT_EQ(ran, "Volume Down;Volume Up;Turn Off Monitor;Activate Screensaver;Turn Off Monitor;");
}

TEST_F(TapHoldStories, NothingStaysDownWhenTheKeyboardIsLostWhileUndecidedOrHeld) {
  HookWatchdog watchdog{rig.hook, rig.input};
  EXPECT_EQ(rig.run("+Caps@0 +A@10"), "+LCtrl +A");
  rig.dispatcher.SimulateKey(0xA0, true);  // an action pressed Shift, then was cut short:
  rig.dispatcher.ReleasePressedKeys();     // Shift goes up, what held keys pressed stays
  EXPECT_TRUE(!rig.input.AsyncKeyState(0xA0) && rig.input.AsyncKeyState(0xA2));
  rig.run("+AltGr@20");  // AltGr's Ctrl keeps Left Ctrl down past the lock
  rig.hook.LockKeyboard();
  rig.hook.UnlockKeyboard();
  EXPECT_TRUE(rig.input.AsyncKeyState(0xA2));
  rig.run("-AltGr");
  // A, replayed, is the user's; B held back, then lost with Tab.
  EXPECT_EQ(rig.run("-A -Caps +Tab@0 +B@10"), "-A");
  rig.hook.RemoveKeyHook();
  rig.run("-B -Tab");
  rig.hook.InstallKeyHook();
  EXPECT_EQ(rig.run("+Caps@0 -Caps@80"), "+Esc -Esc");
  // Held across a reinstalled hook: still held, never a tap.
  rig.run("+Caps@300 +Caps@550");  // after the tap above, so no quick re-press
  rig.hook.ReinstallKeyHook();
  EXPECT_EQ(rig.run("+Caps@10 -Caps@60"), "+LCtrl -LCtrl");
  // Let go while the hook was away and pressed again a while later: a fresh decision.
  rig.run("+Caps@300 +Caps@550");
  rig.input.DropHookSilently();
  rig.run("-Caps@10");
  rig.hook.ReinstallKeyHook();
  EXPECT_EQ(rig.run("+Caps@1500 -Caps@1550"), "+Esc -Esc");
  // A release held back behind an undecided key, of a key whose press went on, still goes on.
  EXPECT_EQ(rig.run("+A@0 +AltGr@5 +Tab@10 +B@20 -A@30 -AltGr@40"), "+A +LCtrl +RAlt");
  rig.hook.LockKeyboard();
  EXPECT_FALSE(rig.input.anyKeyDown());  // AltGr's made-up Ctrl too
  rig.hook.UnlockKeyboard();
  EXPECT_EQ(rig.run("-B -Tab"), "-B");  // A went up with the lock
  // Decided by the timer while another desktop has the input: nothing went in, nothing to let go.
  rig.run("+Tab@0 +A@10");
  rig.input.LeaveDesktop();
  rig.scheduler.Advance(400);
  rig.input.ReturnToDesktop();
  std::size_t from = rig.input.injected.size();
  rig.hook.ReinstallKeyHook();
  EXPECT_EQ(rig.injectedSince(from), "");
  EXPECT_EQ(rig.run("-A -Tab"), "-A -Tab");
}

}  // namespace
}  // namespace zv::testing_engine
