#include "engine/dispatcher.h"

#include <gtest/gtest.h>

#include "common/error.h"
#include "engine/hook_messages.h"
#include "tests/engine/engine_rig.h"

namespace zv::testing_engine {
namespace {

using Runs = std::vector<std::pair<std::string, std::string>>;

class DispatcherTest : public ::testing::Test {
 protected:
  // Handles one message pair for vk as the main window would, returns what was injected.
  std::string Press(int vk, bool down = true) {
    std::size_t from = rig.input.injected.size();
    DispatchHookMessage(rig.dispatcher, rig.errors, down ? WM_HOOKKEYDOWN : WM_HOOKKEYUP,
                        static_cast<std::uintptr_t>(vk));
    return rig.injectedSince(from);
  }
  // A press and its release; gives what the press injected.
  std::string Tap(int vk) {
    std::string pressed = Press(vk);
    Press(vk, false);
    return pressed;
  }
  void File(const std::string& body) { rig.WriteFile(body); }

  EngineRig rig;
};

TEST_F(DispatcherTest, AMessageIsDecidedAtTheTimeItCame) {
  File("[SwapKey]\r\nTab=TapHold1\r\n[TapHold1]\r\nParameter=Tab|Left Alt|300|time\r\n");
  rig.hook.InstallKeyHook();
  rig.input.now = 5000;
  Press(9);
  EXPECT_EQ(rig.run("+A@10 -A@20"), "");  // held back: the time has not passed
  EXPECT_EQ(Press(9, false), "+Tab -Tab +A -A");
}

TEST_F(DispatcherTest, KeyTargetsInjectInTheSameDirection) {
  File("[SwapKey]\r\nA=B\r\nC=DisableKey\r\nD=;\r\nE=Nonsense\r\nF=left shift\r\n");
  EXPECT_EQ(Press('A'), "+B");
  EXPECT_EQ(Press('A', false), "-B");
  EXPECT_EQ(Press('C'), "+Null");  // "DisableKey" is code 0: virtual key 0 goes out
  EXPECT_EQ(Press('C', false), "-Null");
  EXPECT_EQ(Press('D'), "+#186");  // ";" without a catalogue lookup
  EXPECT_EQ(Press('D', false), "-#186");
  rig.channel.WriteTempCode(42);
  EXPECT_EQ(Press('E'), "");  // an unknown target injects nothing
  EXPECT_EQ(Press('F'), "");  // names are case-sensitive: "left shift" is unknown too
  EXPECT_EQ(rig.TempCode(), 42);
  EXPECT_EQ(Press('G'), "");  // unmapped
  EXPECT_EQ(Press(174), "");  // no catalogue row: the name " " is never mapped
  EXPECT_TRUE(rig.actions.runs.empty());
  EXPECT_TRUE(rig.errors.texts.empty());
}

TEST_F(DispatcherTest, InjectedEventsCarryScanCodeMarkerAndTheExtendedFlagOfExtendedKeys) {
  File("[SwapKey]\r\nA=B\r\nB=Up Arrow\r\nC=Right Ctrl\r\nD=Num 8\r\n");
  Press('A');
  const platform::KeyEvent& e = rig.input.injected.back();
  EXPECT_EQ(e.vkCode, 66u);
  EXPECT_EQ(e.scanCode, rig.input.MapKey(66, 0));
  EXPECT_EQ(e.extraInfo, kInjectionMarker);
  EXPECT_EQ(e.flags & platform::kLlkhfExtended, 0u);
  // The arrow shares its scan code with Num 8: only the flag tells them apart.
  Press('B');
  Press('D');
  const platform::KeyEvent& up = rig.input.injected[1];
  const platform::KeyEvent& num8 = rig.input.injected[2];
  EXPECT_EQ(up.vkCode, 38u);
  EXPECT_EQ(up.scanCode, 0x48u);
  EXPECT_NE(up.flags & platform::kLlkhfExtended, 0u);
  EXPECT_EQ(num8.flags & platform::kLlkhfExtended, 0u);
  Press('C');
  EXPECT_NE(rig.input.injected.back().flags & platform::kLlkhfExtended, 0u);
}

TEST_F(DispatcherTest, ActionTargetsRunOnKeyDownOnly) {
  File(
      "[SwapKey]\r\nA=Volume Up\r\nB=TypeText3\r\nC=KeyCombination9\r\nD=CleanText\r\n"
      "[TypeText3]\r\nParameter=hello#world\r\n");
  EXPECT_EQ(Press('A'), "");
  EXPECT_EQ(Press('A', false), "");
  Press('B');
  Press('B');  // auto-repeat runs it again
  Press('B', false);
  Press('C');  // no parameter section: "0"
  Press('D');
  EXPECT_EQ(rig.actions.runs, (Runs{{"Volume Up", ""},
                                    {"TypeText", "hello#world"},
                                    {"repeat TypeText", "hello#world"},
                                    {"KeyCombination", "0"},
                                    {"CleanText", ""}}));
  EXPECT_TRUE(rig.input.injected.empty());
}

TEST_F(DispatcherTest, WithoutActionsAnActionTargetRunsNothing) {
  File("[SwapKey]\r\nA=Volume Up\r\n");
  rig.dispatcher.SetActionRunner(nullptr);
  EXPECT_EQ(Press('A'), "");
  EXPECT_TRUE(rig.errors.texts.empty());
}

TEST_F(DispatcherTest, ShiftTargetsLeaveTheNumShiftFlag) {
  File("[SwapKey]\r\nA=Left Shift\r\nB=C\r\n");
  Press('B');
  EXPECT_FALSE(rig.settings.ValueExists("NumShiftFlag", "NumDown"));
  Press('A', false);  // key-up does not write it
  EXPECT_FALSE(rig.settings.ValueExists("NumShiftFlag", "NumDown"));
  int writes = rig.files.replaces;
  EXPECT_EQ(Press('A'), "+LShift");
  Press('A');
  EXPECT_EQ(rig.files.replaces, writes);  // not inside the hook: once it has returned
  rig.scheduler.RunPending();
  EXPECT_EQ(rig.settings.ReadString("NumShiftFlag", "NumDown", ""), "1");
  EXPECT_EQ(rig.files.replaces, writes + 1);  // one write for both presses
  Press('A');
  rig.scheduler.RunPending();
  EXPECT_EQ(rig.files.replaces, writes + 1);  // already "1": the file is left alone
  Press('A', false);
  // A read-only file does not stop the mapping.
  File("[SwapKey]\r\nA=Right Shift\r\n");
  rig.files.SetReadOnly(EngineRig::kPath, true);
  EXPECT_EQ(Press('A'), "+RShift");
  rig.scheduler.RunPending();
  EXPECT_TRUE(rig.errors.texts.empty());
  // Auto-repeat: the write that failed is not tried again until the file changes.
  int tries = rig.files.swaps;
  for (int i = 0; i < 5; ++i) Press('A');
  rig.scheduler.RunPending();
  EXPECT_EQ(rig.files.swaps, tries);
  rig.files.SetReadOnly(EngineRig::kPath, false);
  File("[SwapKey]\r\nA=Right Shift\r\nB=C\r\n");
  Press('A', false);
  Press('A');
  rig.scheduler.RunPending();
  EXPECT_EQ(rig.settings.ReadString("NumShiftFlag", "NumDown", ""), "1");
}

TEST_F(DispatcherTest, SourceKeysByEveryNameTheListGives) {
  File(
      "[SwapKey]\r\nVolume Up=A\r\nVolume Down=B\r\nNumLock=C\r\nWWW Back=D\r\n"
      "WWW Forward=E\r\nForward=F\r\nnum 5=G\r\n");
  EXPECT_EQ(Tap(175), "+A");
  EXPECT_EQ(Tap(174), "+B");
  EXPECT_EQ(Tap(144), "+C");
  EXPECT_EQ(Tap(166), "+D");
  EXPECT_EQ(Tap(167), "+F");  // the key table's own name comes first
  EXPECT_EQ(Tap(101), "+G");  // source names match without regard to case
  File("[SwapKey]\r\nNum Lock=H\r\n");
  EXPECT_EQ(Tap(144), "+H");
  EXPECT_EQ(Tap(12), "+H");  // 12 is named "Num Lock" too
}

TEST_F(DispatcherTest, KeyUpReleasesWhatItsKeyDownPressed) {
  File("[SwapKey]\r\nA=B\r\n");
  EXPECT_EQ(Press('A'), "+B");
  File("[SwapKey]\r\nA=C\r\n");  // edited while A is held
  EXPECT_EQ(Press('A'), "+B");   // the repeat acts on what its press did
  EXPECT_EQ(Press('A', false), "-B");
  EXPECT_EQ(Tap('A'), "+C");
  File("[SwapKey]\r\n");
  EXPECT_EQ(Press('A'), "");
  EXPECT_EQ(Press('A', false), "");
  File("[SwapKey]\r\nA=D\r\n");
  EXPECT_EQ(Press('A', false), "");  // no press recorded: nothing to release
}

TEST_F(DispatcherTest, ErrorsEndTheEventAndArePosted) {
  File("[SwapKey]\r\nA=B1x\r\nC=D\r\n");
  EXPECT_EQ(Press('A'), "");
  ASSERT_EQ(rig.errors.texts.size(), 1u);
  EXPECT_EQ(rig.errors.texts[0], "'1x' is not a valid integer value");
  rig.registry.SetFailWrites(true);
  EXPECT_EQ(Press('C'), "+D");  // announced in memory; the registry write follows the hook
  EXPECT_THROW(rig.scheduler.RunPending(), Error);
  rig.registry.SetFailWrites(false);
  EXPECT_FALSE(DispatchHookMessage(rig.dispatcher, rig.errors, 0x8252, 65));
}

// An input that notes "TempCode" at the moment of every SendInput.
class OrderInput : public fake::FakeInput {
 public:
  explicit OrderInput(EngineRig& rig) : rig_(rig) {}
  bool SendKeys(const platform::KeyInput* keys, std::size_t count) override {
    tempCodes.push_back(rig_.TempCode());
    return FakeInput::SendKeys(keys, count);
  }
  std::vector<int> tempCodes;

 private:
  EngineRig& rig_;
};

TEST_F(DispatcherTest, SimulateKeyAnnouncesEveryEventBeforeInjectingIt) {
  OrderInput input(rig);
  Dispatcher dispatcher(rig.settings, rig.channel, input);
  dispatcher.SimulateKey(66, true);
  dispatcher.SimulateKey(0, true);
  dispatcher.SimulateKey(66, false);
  dispatcher.SimulateKey(-1, true);
  EXPECT_EQ(input.tempCodes, (std::vector<int>{66, 0, 66}));
  ASSERT_EQ(input.injected.size(), 3u);
  EXPECT_EQ(input.injected[2].message, platform::kWmKeyUp);
}

}  // namespace
}  // namespace zv::testing_engine
