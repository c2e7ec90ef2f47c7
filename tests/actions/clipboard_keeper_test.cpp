// "TypeText" lends the clipboard: the user's content comes back once the paste is over, unless
// the user copied something else meanwhile; a clipboard held for a moment is waited for.
#include <memory>

#include "tests/actions/action_fixture.h"

namespace zv::testing_actions {
namespace {

using Format = platform::ClipboardCopy::Format;

std::vector<unsigned char> Bytes(const std::string& s, bool nul = false) {
  std::vector<unsigned char> b(s.begin(), s.end());
  if (nul) b.push_back(0);
  return b;
}

class ClipboardKeeperTest : public ActionsTest {
 protected:
  static constexpr unsigned kDib = 8, kPrivate = 0xC123;
  const std::vector<Format> userContent = {{kDib, Bytes("BM pixels")},
                                           {fake::FakeClipboard::kText, Bytes("mine", true)},
                                           {kPrivate, Bytes("file list")}};

  ClipboardKeeperTest() { clipboard.OtherProgramCopies(userContent); }

  bool HoldsUserContent() {
    if (clipboard.FormatCount() != userContent.size()) return false;
    for (const Format& f : userContent) {
      const std::vector<unsigned char>* held = clipboard.Format(f.id);
      if (!held || *held != f.bytes) return false;
    }
    return true;
  }
};

TEST_F(ClipboardKeeperTest, EveryFormatComesBackOnceThePasteHasHadItsTime) {
  actions.RunAction("TypeText", "hello#world");
  scheduler.RunPending();
  EXPECT_EQ(journal.Text(), "clip:hello\r\nworld +162 +86 -86 -162");
  scheduler.Advance(ClipboardKeeper::kPasteTimeMs - 1);
  EXPECT_EQ(clipboard.Text(), "hello\r\nworld");  // the target may still be pasting
  EXPECT_TRUE(actions.Keeper().Lent());
  EXPECT_FALSE(actions.Queue().Busy());  // the wait holds up no other action
  scheduler.Advance(1);
  EXPECT_TRUE(HoldsUserContent());
  EXPECT_FALSE(actions.Keeper().Lent());
  // An empty clipboard comes back empty.
  clipboard.OtherProgramCopies({});
  Run("TypeText", "x");
  EXPECT_EQ(clipboard.FormatCount(), 0u);
}

// A spreadsheet's copy lists formats that its program renders only when asked: the copy leaves
// them alone, and no clipboard work holds up the main thread, where the keyboard hook runs.
TEST_F(ClipboardKeeperTest, OnlyTheWorkerOpensTheClipboardAndNothingIsRenderedForTheCopy) {
  clipboard.WatchThreads(scheduler);
  clipboard.OtherProgramCopies(userContent, {0xC200, 0xC201});
  actions.RunAction("TypeText", "cell");
  scheduler.RunAll();
  EXPECT_EQ(journal.Text(), "clip:cell +162 +86 -86 -162 clip:back");
  EXPECT_TRUE(HoldsUserContent());
  EXPECT_EQ(clipboard.rendered, 0);
  EXPECT_EQ(clipboard.openedOnMainThread, 0);
}

TEST_F(ClipboardKeeperTest, ACopyMadeInBetweenIsNeverOverwritten) {
  actions.RunAction("TypeText", "hello");
  scheduler.Advance(400);
  clipboard.OtherProgramCopies({{fake::FakeClipboard::kText, Bytes("newer", true)}});
  scheduler.RunAll();
  EXPECT_EQ(clipboard.Text(), "newer");
  EXPECT_FALSE(actions.Keeper().Lent());
  // The next paste keeps the newer copy, not the one from before.
  Run("TypeText", "again");
  EXPECT_EQ(clipboard.Text(), "newer");
}

TEST_F(ClipboardKeeperTest, PastesInQuickSuccessionGiveBackTheContentFromBeforeTheFirst) {
  actions.RunAction("TypeText", "one");
  scheduler.Advance(300);
  actions.RunAction("TypeText", "two");
  scheduler.Advance(ClipboardKeeper::kPasteTimeMs - 1);
  EXPECT_EQ(clipboard.Text(), "two");  // the second paste has its full second too
  scheduler.Advance(1);
  EXPECT_TRUE(HoldsUserContent());
}

TEST_F(ClipboardKeeperTest, AClipboardHeldForAMomentIsWaitedForOnBothWays) {
  clipboard.heldByOther = true;
  scheduler.StartTimer(30, [this] { clipboard.heldByOther = false; });
  actions.RunAction("TypeText", "late");
  scheduler.Advance(30);
  EXPECT_EQ(journal.Text(), "clip:late +162@30 +86@30 -86@30 -162@30");
  EXPECT_TRUE(errors.empty());
  // Held when the content is due back: it comes back when the other program lets go.
  scheduler.StartTimer(ClipboardKeeper::kPasteTimeMs - 10,
                       [this] { clipboard.heldByOther = true; });
  scheduler.StartTimer(ClipboardKeeper::kPasteTimeMs + 200,
                       [this] { clipboard.heldByOther = false; });
  scheduler.Advance(ClipboardKeeper::kPasteTimeMs + 100);
  EXPECT_TRUE(actions.Keeper().Lent());
  scheduler.RunAll();
  EXPECT_TRUE(HoldsUserContent());
}

TEST_F(ClipboardKeeperTest, ABusyClipboardGetsTheContentBackOnceFreeOrWhenTheSessionEnds) {
  actions.RunAction("TypeText", "busy");
  scheduler.RunPending();
  clipboard.heldByOther = true;  // another program holds it for ten seconds past the paste
  scheduler.Advance(ClipboardKeeper::kPasteTimeMs + 10000);
  EXPECT_TRUE(actions.Keeper().Lent());
  clipboard.heldByOther = false;
  scheduler.Advance(ClipboardKeeper::kPutBackEveryMs);
  EXPECT_TRUE(HoldsUserContent());
  // The session ends while the paste still has the clipboard: the content goes back at once.
  actions.RunAction("TypeText", "late");
  scheduler.RunPending();
  EXPECT_EQ(clipboard.Text(), "late");
  actions.GiveClipboardBack();
  EXPECT_TRUE(HoldsUserContent());
  EXPECT_FALSE(actions.Keeper().Lent());
}

TEST_F(ClipboardKeeperTest, HeldTooLongNothingIsPastedAndTheContentStays) {
  clipboard.heldByOther = true;
  actions.RunAction("TypeText", "lost");
  actions.RunAction("CleanText", "");
  scheduler.Advance(ClipboardKeeper::kOpenPatienceMs - 1);
  EXPECT_TRUE(errors.empty());
  scheduler.Advance(1);
  EXPECT_EQ(errors, std::vector<std::string>{"Cannot open clipboard"});
  clipboard.heldByOther = false;
  scheduler.RunAll();
  EXPECT_EQ(journal.Text(), "error +17@50 +65@50 -65@50 -17@50 +8@50 -8@50");
  EXPECT_TRUE(HoldsUserContent());
}

TEST_F(ClipboardKeeperTest, TheProgramsEndGivesTheContentBackAtOnce) {
  auto early = std::make_unique<Actions>(
      ActionDevices{keys, clipboard, power, media, mouse, windows, volume, kAppWindow}, scheduler,
      [](const std::string&) {});
  early->FillActionTable();
  early->RunAction("TypeText", "short-lived");
  scheduler.Advance(100);
  EXPECT_EQ(clipboard.Text(), "short-lived");
  early.reset();
  EXPECT_TRUE(HoldsUserContent());
  scheduler.RunAll();  // nothing is left to fire into the destroyed actions
  EXPECT_TRUE(HoldsUserContent());
}

}  // namespace
}  // namespace zv::testing_actions
