// Key sequences: their keys back to back, their delays on the clock, never inside the hook.
#include "engine/actions/key_sequence.h"

#include "catalogue/key_catalogue.h"
#include "tests/actions/action_fixture.h"

namespace zv::testing_actions {
namespace {

TEST_F(ActionsTest, SequenceDelaysRunOnTheClock) {
  EXPECT_EQ(Run("KeySequence", "KeyDown A,Delay 500,KeyUp A,"), "+65 -65@500");
  EXPECT_EQ(scheduler.Now(), 500);
  EXPECT_EQ(Run("KeySequence",
                "KeyDown Left Ctrl,KeyDown C,KeyUp C,KeyUp Left Ctrl,Delay 250,"
                "KeyDown V,Delay 100,KeyUp V"),
            "+162@500 +67@500 -67@500 -162@500 +86@750 -86@850");
}

TEST_F(ActionsTest, SequenceWithoutTrailingCommaPlaysItsLastItem) {
  EXPECT_EQ(Run("KeySequence", "KeyDown B,KeyUp B"), "+66 -66");
}

TEST_F(ActionsTest, NothingHappensUntilTheHookHasReturned) {
  actions.RunAction("KeySequence", "KeyDown A,KeyUp A,");
  actions.RunAction("CleanText", "");
  EXPECT_EQ(journal.Text(), "");  // the dispatcher's call only queued them
  scheduler.RunPending();
  EXPECT_EQ(journal.Text(), "+65 -65 +17 +65 -65 -17 +8 -8");
}

TEST_F(ActionsTest, ActionArrivingDuringADelayQueuesBehindTheSequence) {
  actions.RunAction("KeySequence", "KeyDown A,Delay 500,KeyUp A,");
  scheduler.Advance(100);
  actions.RunAction("KeyCombination", "16449");
  scheduler.Advance(300);
  EXPECT_EQ(journal.Text(), "+65");
  EXPECT_TRUE(actions.Queue().Busy());
  scheduler.RunAll();
  EXPECT_EQ(journal.Text(), "+65 -65@500 +162@500 +65@500 -65@500 -162@500");
  EXPECT_FALSE(actions.Queue().Busy());
}

// The keyboard lost from sight in a delay, or while the clipboard is lent: no key after that,
// the clipboard still comes back, and the queue is free for the next key.
TEST_F(ActionsTest, ALossOfSightDropsTheKeysStillToCome) {
  actions.RunAction("KeySequence", "KeyDown A,Delay 500,KeyUp A,KeyDown B,Delay 9,KeyUp B,");
  actions.RunAction("CleanText", "");
  scheduler.Advance(100);
  actions.DropKeys();  // A's release is the dispatcher's
  scheduler.Advance(400);
  EXPECT_FALSE(actions.Queue().Busy());
  actions.RunAction("TypeText", "x");
  scheduler.RunOne();
  scheduler.RunOne();  // the text is on the clipboard, the paste to come
  actions.DropKeys();
  scheduler.RunAll();
  EXPECT_EQ(journal.Text(), "+65 clip:x clip:back");
  EXPECT_EQ(Run("KeySequence", "KeyDown C,KeyUp C"), "+67@1500 -67@1500");
}

TEST_F(ActionsTest, DelayWithAFractionIsRounded) {
  EXPECT_EQ(Run("KeySequence", "KeyDown A,Delay 1.5,KeyUp A,"), "+65 -65@2");
  EXPECT_EQ(Run("KeySequence", "Delay 0.4,KeyUp A,"), "-65@2");
}

TEST_F(ActionsTest, DelayThatIsNoNumberStopsTheSequenceAfterEarlierItems) {
  // Cut short, the sequence leaves nothing pressed.
  EXPECT_EQ(Run("KeySequence", "KeyDown A,Delay 5x,KeyUp A,"), "+65 -65 error");
  EXPECT_EQ(Run("KeySequence", "KeyDown B,Delay,KeyUp B,"), "+66 -66 error");
  EXPECT_EQ(errors, (std::vector<std::string>{"'5x' is not a valid integer value",
                                              "'' is not a valid integer value"}));
  EXPECT_EQ(Run("CleanText"), "+17 +65 -65 -17 +8 -8");  // the queue goes on
}

TEST_F(ActionsTest, ItemsThatNameNoKeyInjectNothing) {
  EXPECT_EQ(Run("KeySequence", "None"), "");
  EXPECT_EQ(Run("KeySequence", "0"), "");                   // a missing parameter
  EXPECT_EQ(Run("KeySequence", "KeyDown ,,KeyUp ,,"), "");  // the comma key does not survive
  EXPECT_EQ(Run("KeySequence",
                "KeyDown NumLock,KeyDown WWW Back,KeyUp WWW Forward,KeyDown X,"
                "KeyUp Nope,KeyDown TypeText,KeyUp DisableKey,KeyDown F1x,"
                "keydown A,KeyUp X,"),
            "+88 -88");
  EXPECT_EQ(errors, std::vector<std::string>{});
}

TEST_F(ActionsTest, SequenceLeavesAKeyWithoutKeyUpPressed) {
  EXPECT_EQ(Run("KeySequence", "KeyDown Left Shift,KeyDown A,KeyUp A,"), "+160 +65 -65");
}

TEST(DelayMilliseconds, ReadsWholeNumbersAndRoundsFractions) {
  EXPECT_EQ(DelayMilliseconds("500"), 500);
  EXPECT_EQ(DelayMilliseconds("0"), 0);
  EXPECT_EQ(DelayMilliseconds("-5"), 0);  // not a wait of 49 days
  EXPECT_EQ(DelayMilliseconds("1.5"), 2);
  EXPECT_EQ(DelayMilliseconds("2.4"), 2);
  EXPECT_EQ(DelayMilliseconds(".5"), 1);
  EXPECT_EQ(DelayMilliseconds("5."), 5);
  EXPECT_EQ(DelayMilliseconds("99999999999.5"), 2147483647);
  for (const char* bad : {"", ".", "1.2.3", "1e3", " 5", "5 ", "x", "99999999999"}) {
    EXPECT_THROW(DelayMilliseconds(bad), Error) << bad;
  }
}

TEST(SequenceKeyCode, OnlyKeysOfTheCatalogue) {
  EXPECT_EQ(SequenceKeyCode("A"), 65);
  EXPECT_EQ(SequenceKeyCode("Left Ctrl"), 162);
  EXPECT_EQ(SequenceKeyCode("Num 5"), KeyCodeOfName("Num 5"));
  EXPECT_EQ(SequenceKeyCode(""), 0);
  EXPECT_EQ(SequenceKeyCode("None"), 0);
  EXPECT_EQ(SequenceKeyCode("KeySequence"), 0);
  EXPECT_EQ(SequenceKeyCode("Volume Up"), 0);
}

}  // namespace
}  // namespace zv::testing_actions
